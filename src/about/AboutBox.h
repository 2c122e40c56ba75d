#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qv {

// The About box: the product's picture, title and version. It exists only while it is shown:
// every opening loads it anew, and every close deletes it.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    AboutBox();

    QLabel* Picture() const { return picIcon_; }
    QLabel* Title() const { return lblTitle_; }
    QLabel* Version() const { return lblVersion_; }
    QPushButton* OKButton() const { return cmdOK_; }

private:
    void Form_Load();

    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace qv
