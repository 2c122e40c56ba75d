#include <gtest/gtest.h>

#include <signal.h>

#include <QCoreApplication>
#include <QTimer>

#include "FakeClock.h"
#include "RecordingSink.h"
#include "ScriptedHid.h"
#include "app/HeadlessProgram.h"
#include "device/LampSequences.h"
#include "engine/Startup.h"

namespace qv::test {
namespace {

std::vector<std::string> ExitSequenceTimeline() {
    FakeClock clock;
    ScriptedHid hid(&clock);
    hid.addController();
    DeviceLink link(hid);
    link.FindTheHid();
    PlayExitSequence(link, clock);
    return hid.timeline();
}

TEST(HeadlessProgram, SendsOutputUntilASignalThenReleasesKeysPlaysTheExitLampsAndCloses) {
    TerminationSignals terminations;
    FakeClock clock;
    ScriptedHid hid(&clock);
    hid.addController().waiting.push_back({0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x10});
    RecordingSink sink;
    HeadlessProgram program(hid, sink, clock, terminations);

    QTimer watch;
    watch.callOnTimeout([&] {
        if (!sink.records.empty()) {
            watch.stop();
            raise(SIGTERM);
        }
    });
    watch.start(1);
    EXPECT_EQ(program.Run(), 0);

    ASSERT_FALSE(sink.records.empty());
    EXPECT_EQ(sink.keyDowns().front(), 0x31) << "button 1's default key, sent as from the tray";
    EXPECT_EQ(sink.closeCount, 1);
    const std::vector<std::string> expected = ExitSequenceTimeline();
    const std::vector<std::string> timeline = hid.timeline();
    ASSERT_GE(timeline.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(timeline.end() - static_cast<long>(expected.size()),
                                       timeline.end()),
              expected);
    EXPECT_EQ(hid.closed, 1);
}

TEST(HeadlessProgram, WithoutTheControllerSaysSoOnStderrAndFails) {
    TerminationSignals terminations;
    FakeClock clock;
    ScriptedHid hid(&clock);
    RecordingSink sink;
    HeadlessProgram program(hid, sink, clock, terminations);
    testing::internal::CaptureStderr();
    EXPECT_NE(program.Run(), 0);
    const std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_NE(stderrText.find(StartupFailureLines()), std::string::npos) << stderrText;
}

}  // namespace
}  // namespace qv::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
