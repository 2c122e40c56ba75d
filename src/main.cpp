#include <QApplication>
#include <iostream>
#include <memory>
#include <string>

#include "about/ProductInfo.h"
#include "app/Application.h"
#include "app/DisplayCheck.h"
#include "app/FatalFailure.h"
#include "app/TerminationSignals.h"
#include "device/HidapiPlatform.h"
#include "input/OpenInputSink.h"
#include "model/Clock.h"
#include "panel/ControlPanel.h"
#include "panel/RunPanel.h"
#include "panel/SystemTray.h"
#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"
#include "ui/AppLook.h"

int main(int argc, char** argv) {
    // Started outside a desktop session (a console, ssh without forwarding, a display that has
    // gone), Qt would abort with a page of its own; one line says what is missing.
    if (const std::string why = qv::WhyNoDisplay(); !why.empty()) {
        std::cerr << why << std::endl;
        return 1;
    }
    qv::TerminationSignals terminations;
    QApplication app(argc, argv);
    qv::IdentifyApplication();
    qv::UseAppLook();
    if (!terminations.Failure().empty()) {
        return qv::TellFatalFailure(terminations.Failure());
    }

    qv::SystemClock clock;
    std::string whyNot;
    std::unique_ptr<qv::InputSink> sink = qv::OpenInputSink(clock, whyNot);
    QString inputProblem;
    if (!sink) {
        std::cerr << whyNot << std::endl;
        inputProblem = QString::fromStdString(whyNot);
        sink = std::make_unique<qv::NullInputSink>();
    }
    qv::HidapiPlatform platform;
    if (!platform.Failure().empty()) {
        return qv::TellFatalFailure(platform.Failure());
    }
    qv::TimerFdDriver ccDriver;
    if (!ccDriver.Failure().empty()) {
        return qv::TellFatalFailure("the engine's timer can't be made (" + ccDriver.Failure() +
                                    ")");
    }
    qv::QtTimerDriver ssDriver;
    qv::Application quorvane({.hid = platform,
                              .clock = clock,
                              .sink = *sink,
                              .ccDriver = &ccDriver,
                              .ssDriver = &ssDriver});
    qv::SystemTray tray;
    qv::QtTimerDriver calibrationDriver;
    qv::ControlPanel panel(
        quorvane,
        {.tray = tray, .calibrationDriver = &calibrationDriver, .inputProblem = inputProblem});
    qv::EndOnTimerFailure(quorvane, panel, ccDriver);
    return qv::RunPanel(panel, terminations);
}
