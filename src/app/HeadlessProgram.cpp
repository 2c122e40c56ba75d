#include "app/HeadlessProgram.h"

#include <QCoreApplication>
#include <iostream>

#include "device/LampSequences.h"
#include "engine/Startup.h"

namespace qv {

HeadlessProgram::HeadlessProgram(HidPlatform& platform, InputSink& sink, Clock& clock,
                                 TerminationSignals& terminations)
    : sink_(sink),
      clock_(clock),
      terminations_(terminations),
      link_(platform),
      engine_(model_, link_, clock, panel_, sink, &ccDriver_, &ssDriver_) {
    ApplyStartupDefaults(model_);
}

int HeadlessProgram::Run() {
    if (!link_.FindTheHid()) {
        std::cerr << StartupFailureLines() << std::flush;
        return 1;
    }
    engine_.SetRingStart(kRingStart);
    engine_.StartEngine();
    terminations_.Watch([this] {
        ShutDown();
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

void HeadlessProgram::ShutDown() {
    engine_.ccTimer.SetEnabled(false);
    engine_.ssTimer.SetEnabled(false);
    // Keys the engine still holds would otherwise stay down in the focused program.
    sink_.close();
    PlayExitSequence(link_, clock_);
    link_.CloseDevice();
}

}  // namespace qv
