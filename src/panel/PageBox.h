#pragma once

#include <QWidget>

namespace qv {

// One of the three shift pages that hold the shifted slot buttons; a click on it opens it. The
// buttons its height cuts off are out of the Tab order, and the focus leaves them.
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
    void resizeEvent(QResizeEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};

}  // namespace qv
