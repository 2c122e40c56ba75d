#pragma once

#include <QWidget>

namespace qv {

// One of the three shift pages that hold the shifted slot buttons; a click on it opens it.
class PageBox final : public QWidget {
    Q_OBJECT

public:
    PageBox(int index, QWidget* parent);

    int Index() const { return index_; }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};

}  // namespace qv
