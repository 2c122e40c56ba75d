// The real panel against the scripted controller and the recording sink, for tests and for
// screenshots:
//   quorvane_fake [--idle] [--no-controller] [--sweep] [--run-ms N] [--grab FILE] [--xtest]
//                 [--start]
// It prints "shown" once the panel is up, then where each menu of the menu bar lies on the
// screen ("menu Tools X Y"), and what the controller and the sink saw when it ends. --sweep
// moves the stick round in a circle and the twist from side to side; --run-ms ends it through
// "&Exit" after N ms; --grab saves the panel's picture first. --xtest sends the
// output to the X display in $DISPLAY instead of recording it; --start starts the engine as
// "&Start Engine" does once the panel is up.
#include <QApplication>
#include <QMenuBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <iostream>
#include <memory>
#include <string>

#include "AxisReport.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "about/ProductInfo.h"
#include "app/Application.h"
#include "app/TerminationSignals.h"
#include "input/XTestSink.h"
#include "model/Clock.h"
#include "panel/ControlPanel.h"
#include "panel/RunPanel.h"
#include "panel/SystemTray.h"
#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"
#include "ui/AppLook.h"

namespace {

// The stick down and right, the twist a little left, button 2 with shift button 2, mode 1.
const qv::test::Bytes kBusyReport{0x01, 200, 0x40, 0x02, 60, 0x02, 0x22};
const qv::test::Bytes kIdleReport{0x01, 0, 0, 0, 0, 0, 0x10};

}  // namespace

int main(int argc, char** argv) {
    qv::TerminationSignals terminations;
    QApplication app(argc, argv);
    qv::IdentifyApplication();
    QCoreApplication::addLibraryPath(QStringLiteral(QV_WEB_PLUGIN_DIR));
    qv::UseAppLook();
    const QStringList args = QApplication::arguments();
    const auto option = [&args](const char* name) {
        const qsizetype at = args.indexOf(QString::fromUtf8(name));
        return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
    };

    qv::SystemClock clock;
    qv::test::ScriptedHid hid;
    if (!args.contains(QStringLiteral("--no-controller"))) {
        hid.AddController().waiting.push_back(
            args.contains(QStringLiteral("--idle")) ? kIdleReport : kBusyReport);
    }
    QTimer sweep;
    int sweepStep = 0;
    if (args.contains(QStringLiteral("--sweep")) && !hid.present.empty()) {
        sweep.callOnTimeout([&hid, &sweepStep] {
            const double angle = 0.08 * sweepStep++;
            hid.present.front().waiting.push_back(qv::test::AxisReport(
                static_cast<int>(450 * std::cos(angle)), static_cast<int>(450 * std::sin(angle)),
                static_cast<int>(400 * std::sin(0.6 * angle))));
        });
        sweep.start(20);
    }
    qv::test::RecordingSink recording;
    std::unique_ptr<qv::InputSink> xtest;
    if (args.contains(QStringLiteral("--xtest"))) {
        std::string whyNot;
        xtest = qv::XTestSink::Create(nullptr, whyNot);
        if (!xtest) {
            std::cerr << whyNot << std::endl;
            return 2;
        }
    }
    qv::InputSink& sink = xtest ? *xtest : recording;
    qv::TimerFdDriver ccDriver;
    qv::QtTimerDriver ssDriver;
    qv::Application quorvane(
        {.hid = hid, .clock = clock, .sink = sink, .ccDriver = &ccDriver, .ssDriver = &ssDriver});
    qv::SystemTray tray;
    qv::QtTimerDriver calibrationDriver;
    QTemporaryDir profiles;
    qv::ControlPanel panel(quorvane, {.tray = tray,
                                      .calibrationDriver = &calibrationDriver,
                                      .profileFolder = profiles.path(),
                                      .inputProblem = {}});

    const QString runMs = option("--run-ms");
    const QString grab = option("--grab");
    const bool start = args.contains(QStringLiteral("--start"));
    QTimer::singleShot(0, &panel, [&panel, start] {
        if (panel.isVisible()) {
            std::cout << "shown" << std::endl;
            for (QAction* menu : panel.menuBar()->actions()) {
                const QPoint at =
                    panel.menuBar()->mapToGlobal(panel.menuBar()->actionGeometry(menu).center());
                std::cout << "menu " << menu->text().toStdString() << ' ' << at.x() << ' ' << at.y()
                          << std::endl;
            }
            if (start) {
                panel.Send_Click();
            }
        }
    });
    if (!runMs.isEmpty() || !grab.isEmpty()) {
        QTimer::singleShot(runMs.isEmpty() ? 500 : runMs.toInt(), &panel, [&panel, grab] {
            if (!grab.isEmpty()) {
                panel.grab().save(grab);
            }
            panel.CancelButton_Click(0);
        });
    }
    qv::EndOnTimerFailure(quorvane, panel, ccDriver);
    const int status = qv::RunPanel(panel, terminations);
    std::cout << "feature reports " << hid.featureReports.size() << ", controller closed "
              << hid.closed << ", key downs " << recording.KeyDowns().size() << ", sink closed "
              << recording.closeCount << std::endl;
    return status;
}
