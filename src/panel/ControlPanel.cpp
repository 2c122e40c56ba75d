#include "panel/ControlPanel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmap>

#include "calibration/CalibrationDialog.h"
#include "keys/AssignmentDialog.h"
#include "model/AxisCalibration.h"
#include "profiles/ProfileNameDialog.h"
#include "ui/FreshKeys.h"
#include "ui/ModalWindows.h"
#include "ui/PanelLook.h"
#include "ui/Resources.h"
#include "ui/WindowPlacement.h"

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

constexpr Qt::WindowFlags kPanelFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

}  // namespace

ControlPanel::ControlPanel(Application& app, PanelParts parts)
    : QMainWindow(nullptr, kPanelFlags),
      app_(app),
      parts_(std::move(parts)),
      model_(app.model),
      trayMenu_(app.engine.Timers, app.model.settings),
      rules_(app.model.settings),
      pages_(*this, parts_.webBrowsers) {
    UseProgramResources();
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowIcon(ProgramIcon());
    auto* client = new PanelClient(this);
    setCentralWidget(client);
    c_ = BuildPanelControls(client);
    m_ = BuildPanelMenus(menuBar(), this);
    liveView_ = std::make_unique<LiveView>(model_, LiveViewOf(c_));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The designed place is that of the client area, below the title bar and the menu bar.
    layout()->activate();
    setGeometry(QRect(QPoint(Px(2415), Px(2595)) - centralWidget()->pos(), size()));

    profileName_ = new ProfileNameDialog(this);
    profiles_ = std::make_unique<ProfileCommands>(model_, rules_, *profileName_, this,
                                                  parts_.profileFolder);
    rules_.TimerBoxClicked = [this] { trayMenu_.TimerBoxClicked(); };
    rules_.Changed = [this] { MirrorSettings(); };
    trayMenu_.Changed = [this] { MirrorTray(); };
    ConnectSettings();
    ConnectCommands();
    ConnectSlotButtons();
    MirrorTray();
    parts_.tray.DoubleClicked = [this] { TrayRestore_Click(); };
    parts_.tray.AreaChanged = [this] { TrayAreaChanged(); };
    new ModalWindowKeeper(this);
    // As the default button, "&Start Engine" would take Enter by itself while it has the focus.
    c_.Send->installEventFilter(this);
    // The repeats of a key held to close a dialog come here once the dialog has gone.
    TakeOnlyFreshEnterAndEscape(*this);
    app_.engine.AttachView(*this);
}

ControlPanel::~ControlPanel() {
    app_.engine.DetachView();
    parts_.tray.DoubleClicked = nullptr;
    parts_.tray.AreaChanged = nullptr;
    trayMenu_.Changed = nullptr;
}

void ControlPanel::ConnectCommands() {
    connect(c_.Send, &QPushButton::clicked, this, &ControlPanel::Send_Click);
    connect(c_.CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(0); });
    connect(m_.menLoad, &QAction::triggered, this, [this] { profiles_->menLoad_Click(); });
    connect(m_.menSave, &QAction::triggered, this, [this] { profiles_->menSave_Click(); });
    connect(m_.menExit, &QAction::triggered, this, &ControlPanel::menExit_Click);
    connect(m_.Calibrate, &QAction::triggered, this, &ControlPanel::Calibrate_Click);
    connect(m_.mnuAbout, &QAction::triggered, this, [this] { pages_.mnuAbout_Click(); });
    connect(m_.mnuDonate, &QAction::triggered, this, [this] { pages_.mnuDonate_Click(); });
    connect(m_.mnuUpdate, &QAction::triggered, this, [this] { pages_.mnuUpdate_Click(); });
    connect(m_.TrayPause, &QAction::triggered, this, &ControlPanel::TrayPause_Click);
    connect(m_.TrayRestore, &QAction::triggered, this, &ControlPanel::TrayRestore_Click);
    connect(m_.TrayExit, &QAction::triggered, this, &ControlPanel::TrayExit_Click);
    connect(m_.TrayCC, &QAction::triggered, this, &ControlPanel::TrayCC_Click);
    connect(m_.TraySS, &QAction::triggered, this, &ControlPanel::TraySS_Click);
}

void ControlPanel::Calibrate_Click() {
    if (calibration_ == nullptr) {
        calibration_ = new CalibrationDialog(model_, app_.clock, parts_.calibrationDriver, this);
    }
    RestartCalibration(model_);
    // Every opening, as the panel may have moved since the last one.
    CentreWindow(*calibration_, frameGeometry(), *this);
    calibration_->ssTimer.SetEnabled(true);
    calibration_->exec();
}

bool ControlPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Send && event->type() == QEvent::KeyPress &&
        IsEnter(*static_cast<QKeyEvent*>(event))) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Escape is "&Exit"; Enter presses "&Exit" while it has the focus, else "&Start Engine".
void ControlPanel::keyPressEvent(QKeyEvent* event) {
    const bool enter = IsEnter(*event);
    if (!enter && event->key() != Qt::Key_Escape) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (!enter || focusWidget() == c_.CancelButton) {
        c_.CancelButton->click();
    } else if (c_.Send->isEnabled()) {
        c_.Send->click();
    }
}

}  // namespace qv
