#include "profiles/ProfileNameDialog.h"

#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/FreshKeys.h"
#include "ui/Twips.h"

namespace qv {

ProfileNameDialog::ProfileNameDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      listConfigFiles_(new QListWidget(this)),
      txtFilename_(new QLineEdit(QStringLiteral("*.qv1"), this)),
      OKButton_(new QPushButton(QStringLiteral("OK"), this)),
      CancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Filename"));
    setFixedSize(TwipsRect(0, 0, 3525, 4215).size());
    setModal(true);

    listConfigFiles_->setGeometry(TwipsRect(120, 120, 3255, 2820));
    txtFilename_->setGeometry(TwipsRect(120, 3120, 3255, 375));
    OKButton_->setGeometry(TwipsRect(120, 3720, 1335, 375));
    CancelButton_->setGeometry(TwipsRect(2040, 3720, 1335, 375));
    OKButton_->setDefault(true);
    setTabOrder(txtFilename_, listConfigFiles_);
    setTabOrder(listConfigFiles_, OKButton_);
    setTabOrder(OKButton_, CancelButton_);

    txtFilename_->installEventFilter(this);
    // A click on the file already selected takes its name again, over whatever was typed since.
    connect(listConfigFiles_, &QListWidget::itemSelectionChanged, this,
            &ProfileNameDialog::listConfigFiles_Click);
    connect(listConfigFiles_, &QListWidget::itemClicked, this,
            &ProfileNameDialog::listConfigFiles_Click);
    connect(listConfigFiles_, &QListWidget::itemDoubleClicked, this, [this] {
        listConfigFiles_Click();
        OKButton_Click();
    });
    connect(OKButton_, &QPushButton::clicked, this, &ProfileNameDialog::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &ProfileNameDialog::CancelButton_Click);
    // Chosen from the File menu with Enter, the dialog must not load or save on that Enter held.
    TakeOnlyFreshEnterAndEscape(*this);
}

void ProfileNameDialog::Prepare(const QString& caption, const QString& folder, const QString& text,
                                bool textEnabled) {
    setWindowTitle(caption);
    folder_ = folder;
    RereadFolder();
    txtFilename_->setText(text);
    txtFilename_->setEnabled(textEnabled);
}

QString ProfileNameDialog::ListFolder() const {
    return folder_;
}

QString ProfileNameDialog::PopUp(const QString& strMode) {
    OKButton_->setText(strMode);
    RereadFolder();
    if (nextAnswer_) {
        txtFilename_->setText(*nextAnswer_);
        nextAnswer_.reset();
    } else {
        PlaceFocus();
        exec();
    }
    return txtFilename_->text();
}

// The dialog is reused, and the focus a load left in the list must not follow into a save: keys
// typed there would pick a listed profile by its first letters and Enter would overwrite it.
void ProfileNameDialog::PlaceFocus() {
    if (txtFilename_->isEnabled()) {
        txtFilename_->setFocus();
        txtFilename_->selectAll();
        return;
    }
    listConfigFiles_->setFocus();
    if (listConfigFiles_->count() > 0) {
        listConfigFiles_->setCurrentRow(0);
    }
}

// Esc and the title-bar close button end the dialog as Cancel does.
void ProfileNameDialog::reject() {
    CancelButton_Click();
}

bool ProfileNameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFilename_ && event->type() == QEvent::FocusIn) {
        txtFilename_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void ProfileNameDialog::listConfigFiles_Click() {
    const QList<QListWidgetItem*> selected = listConfigFiles_->selectedItems();
    if (!selected.isEmpty() && !selected.first()->text().isEmpty()) {
        txtFilename_->setText(selected.first()->text());
    }
}

void ProfileNameDialog::OKButton_Click() {
    if (txtFilename_->isEnabled()) {
        txtFilename_->setFocus();
    }
    accept();
}

void ProfileNameDialog::CancelButton_Click() {
    txtFilename_->clear();
    if (txtFilename_->isEnabled()) {
        txtFilename_->setFocus();
    }
    QDialog::reject();
}

void ProfileNameDialog::txtFilename_GotFocus() {
    txtFilename_->selectAll();
}

void ProfileNameDialog::RereadFolder() {
    listConfigFiles_->clear();
    const QDir folder(folder_);
    listConfigFiles_->addItems(
        folder.entryList({QStringLiteral("*.qv1")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace qv
