#include "about/AboutBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "about/ProductInfo.h"
#include "ui/AppLook.h"
#include "ui/FreshKeys.h"
#include "ui/Resources.h"
#include "ui/Twips.h"

namespace qv {

AboutBox::AboutBox()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      picIcon_(new QLabel(this)),
      lblTitle_(new QLabel(this)),
      lblVersion_(new QLabel(this)),
      lblDescription_(new QLabel(QStringLiteral("Written by the Quorvane developers."), this)),
      Label1_(new QLabel(QStringLiteral("\u00a9 2026. Free software: GPL 3.0 or later."), this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)) {
    UseProgramResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowIcon(ProgramIcon());
    setFixedSize(TwipsRect(0, 0, 5430, 2310).size());

    picIcon_->setGeometry(TwipsRect(120, 240, 1020, 1020));
    picIcon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon_->setPixmap(QPixmap(QStringLiteral(":/quorvane/about.png")));
    lblTitle_->setGeometry(TwipsRect(1290, 240, 3885, 480));
    lblTitle_->setFont(ArialFont(12, true));
    lblVersion_->setGeometry(TwipsRect(1290, 780, 3885, 225));
    lblDescription_->setGeometry(TwipsRect(1290, 1125, 3885, 210));
    Label1_->setGeometry(TwipsRect(1320, 1440, 3885, 210));
    cmdOK_->setGeometry(TwipsRect(3960, 1800, 1260, 345));
    // Enter presses it as the default button; Escape and the close box reject, which closes
    // the box just the same.
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    // Chosen from the menu with Enter, the box must not close at once on that Enter held.
    TakeOnlyFreshEnterAndEscape(*this);
    Form_Load();
}

// The texts come from the application's name and version, never from the design.
void AboutBox::Form_Load() {
    const QString title = QCoreApplication::applicationName();
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion_->setText(VersionLine());
    lblTitle_->setText(title);
}

}  // namespace qv
