#include <QCoreApplication>
#include <iostream>
#include <memory>
#include <string>

#include "app/HeadlessProgram.h"
#include "app/TerminationSignals.h"
#include "device/HidapiPlatform.h"
#include "engine/Clock.h"
#include "input/OpenInputSink.h"

int main(int argc, char** argv) {
    qv::TerminationSignals terminations;
    QCoreApplication app(argc, argv);

    std::string whyNot;
    std::unique_ptr<qv::InputSink> sink = qv::OpenInputSink(whyNot);
    if (!sink) {
        std::cerr << whyNot << std::endl;
        sink = std::make_unique<qv::NullInputSink>();
    }
    qv::HidapiPlatform platform;
    qv::SystemClock clock;
    qv::HeadlessProgram program(platform, *sink, clock, terminations);
    return program.Run();
}
