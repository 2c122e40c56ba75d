#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

// The small modal dialog in which the user picks a profile from the profile folder or types a
// name. The caller prepares it, then PopUp shows it and answers the chosen name.
class ProfileNameDialog final : public QDialog {
    Q_OBJECT

public:
    explicit ProfileNameDialog(QWidget* parent = nullptr);

    // What each use sets afresh: the caption, the folder of the list, the text box's text and
    // state.
    void Prepare(const QString& caption, const QString& folder, const QString& text,
                 bool textEnabled);
    // The folder the list shows; profile paths are built from it.
    QString ListFolder() const;

    // Shows the dialog modally with `strMode` ("Load" or "Save") on OK; answers the name without
    // folder, or "" when nothing was chosen (Cancel, Esc, the title-bar close button). A double
    // click on a listed file chooses it as OK does.
    QString PopUp(const QString& strMode);

    QListWidget* FileList() const { return listConfigFiles_; }
    QLineEdit* NameBox() const { return txtFilename_; }
    QPushButton* OKButton() const { return OKButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }

    // A seam for tests only, never used by the program: the next PopUp is not shown but
    // answers `answer`, which stays pending until then.
    void SetNextAnswer(const QString& answer) { nextAnswer_ = answer; }
    bool AnswerPending() const { return nextAnswer_.has_value(); }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listConfigFiles_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void txtFilename_GotFocus();
    void RereadFolder();
    // A save opens typing into the name, its text selected whole; a load opens on the list with
    // its first file chosen, so Enter loads at once.
    void PlaceFocus();

    QListWidget* listConfigFiles_ = nullptr;
    QLineEdit* txtFilename_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QString folder_;
    std::optional<QString> nextAnswer_;
};

}  // namespace qv
