#include "panel/Dialog1.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "panel/PanelLook.h"

static void InitPanelResources() {
    Q_INIT_RESOURCE(quorvane);
}

namespace qv {

namespace {

// The client area: the panel colour under the background picture, drawn unscaled.
class PanelClient final : public QWidget {
public:
    explicit PanelClient(QWidget* parent)
        : QWidget(parent), background_(QStringLiteral(":/quorvane/panel.png")) {
        setFixedSize(Px(7575), Px(7695));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kPanelColour);
        painter.drawPixmap(0, 0, background_);
    }

private:
    QPixmap background_;
};

}  // namespace

Dialog1::Dialog1(Model& model, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      model_(model) {
    InitPanelResources();
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowIcon(QIcon(QStringLiteral(":/quorvane/icon.png")));
    auto* client = new PanelClient(this);
    setCentralWidget(client);
    c_ = BuildPanelControls(client);
    m_ = BuildPanelMenus(menuBar(), this);
    LiveViewControls live{{c_.lblButton[0], c_.lblButton[1], c_.lblButton[2]},
                          c_.Slider,
                          c_.Picture1,
                          c_.Picture2,
                          {}};
    std::copy(c_.btnKEY.begin(), c_.btnKEY.end(), live.btnKEY.begin());
    liveView_ = std::make_unique<LiveView>(model_, live);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(Px(2415), Px(2595));
    ConnectSettings();
}

void Dialog1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (c_.Send->isEnabled()) {
                c_.Send->click();
            }
            break;
        case Qt::Key_Escape:
            c_.CancelButton->click();
            break;
        default:
            QMainWindow::keyPressEvent(event);
    }
}

}  // namespace qv
