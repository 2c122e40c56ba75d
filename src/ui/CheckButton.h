#pragma once

#include <QPushButton>

namespace qv {

// A check box drawn as a push button that stays pressed while checked. Its value is 0 (off),
// 1 (on) or 2 (grey, which only a profile brings). A click turns 1 off and anything else on.
class CheckButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CheckButton(const QString& caption, int value, QWidget* parent);

    int Value() const { return value_; }
    // Fires valueChanged at once when the value differs from the present one, else nothing.
    void SetValue(int value);

signals:
    void valueChanged(int value);

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};

}  // namespace qv
