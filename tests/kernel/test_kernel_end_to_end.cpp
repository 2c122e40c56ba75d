#include <X11/keysym.h>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "ChildProcess.h"
#include "ProgramSession.h"
#include "ReportStreamer.h"
#include "device/DeviceLink.h"
#include "profiles/Profile.h"

namespace qv::test {
namespace {

using namespace std::chrono_literals;

// Generous: software emulation is slow, and a passing run never waits these out.
constexpr auto kLimit = 20s;

// Controller bytes 5 and 6.
constexpr uint8_t kButton1 = 0x01;
constexpr uint8_t kButton2 = 0x02;
constexpr uint8_t kButton3 = 0x04;
constexpr uint8_t kButton4 = 0x08;
constexpr uint8_t kShift1 = 0x01;
constexpr uint8_t kModePosition0 = 0x10;
constexpr uint8_t kModePosition1 = 0x20;

// Windows virtual-key codes as profiles hold them.
constexpr int32_t kVkA = 0x41;
constexpr int32_t kVkB = 0x42;
constexpr int32_t kVkM = 0x4D;
constexpr int32_t kVkX = 0x58;
constexpr int32_t kVkLeftCtrl = 0xA2;
constexpr int32_t kDelay250Ms = 139;

struct KeyChange {
    uint16_t code = 0;
    int32_t value = 0;
    bool operator==(const KeyChange&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyChange& change) {
    return out << change.code << (change.value != 0 ? " down" : " up");
}

std::vector<KeyChange> KeyChanges(const std::vector<RecordedEvent>& events, std::size_t from) {
    std::vector<KeyChange> changes;
    for (std::size_t i = from; i < events.size(); ++i) {
        if (events[i].type == EV_KEY) {
            changes.push_back({events[i].code, events[i].value});
        }
    }
    return changes;
}

bool Contains(const std::vector<KeyChange>& changes, KeyChange change) {
    return std::find(changes.begin(), changes.end(), change) != changes.end();
}

// The time of the first key event after `from` that matches `change`.
Nanoseconds TimeOf(const std::vector<RecordedEvent>& events, std::size_t from, KeyChange change) {
    for (std::size_t i = from; i < events.size(); ++i) {
        if (events[i].type == EV_KEY && events[i].code == change.code &&
            events[i].value == change.value) {
            return events[i].at;
        }
    }
    return 0;
}

void SetKey(Model& model, int mode, int slot, std::vector<KeyStep> steps) {
    for (std::size_t step = 0; step < steps.size(); ++step) {
        model.KeyMap[mode][slot][step] = steps[step].value;
        model.KeyMapCombo[mode][slot][step] = steps[step].combo;
    }
}

// Walk off: the walk zone equals the dead zone, so no stick position holds the walk key.
void KeyProfile(Model& model, int hpTimer) {
    model.settings.chkCCTIMER = hpTimer;
    model.settings.MidDeadZone = model.settings.DeadZone;
    SetKey(model, 0, 8, {{0}, {kVkLeftCtrl, true}, {kVkX}, {0}});
    SetKey(model, 0, 9, {{3}, {kVkA}, {kDelay250Ms}, {kVkB}, {0}});
    SetKey(model, 1, 10, {{0}, {kVkM}, {0}});
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values.at(at);
}

// One program run shared by the tests of a suite, which follow each other as a user's session
// would: starting up, sending output, and finally ending.
class Session : public ::testing::Test {
protected:
    static void Open(const std::function<void(Model&)>& configure) {
        desktop_ = std::make_unique<Desktop>();
        if (!desktop_->WhyNot().empty()) {
            return;
        }
        session_ = std::make_unique<ProgramSession>(*desktop_, configure);
    }
    static void Close() {
        session_.reset();
        desktop_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(desktop_ && desktop_->WhyNot().empty())
            << (desktop_ ? desktop_->WhyNot() : "no desktop");
        ASSERT_TRUE(session_->WhyNot().empty()) << session_->WhyNot();
        ASSERT_TRUE(session_->Running()) << "the program ended early";
    }

    VirtualController& Controller() { return session_->Controller(); }
    EventRecorder& Recorder() { return session_->Recorder(); }

    // Sends `state` and answers the key changes that follow it: once there are as many as
    // `expected` holds, or, when it is empty, those of the next three ticks.
    std::vector<KeyChange> Play(ControllerState state, const std::vector<KeyChange>& expected) {
        const std::size_t from = Recorder().Events().size();
        Controller().Send(state);
        if (expected.empty()) {
            WaitTicks(3);
        } else {
            Recorder().WaitFor(
                [&](const auto& events) {
                    return KeyChanges(events, from).size() >= expected.size();
                },
                kLimit);
        }
        return KeyChanges(Recorder().Events(), from);
    }

    // Presses button 1, whose key must go down, and leaves it held.
    void HoldButton1() {
        ControllerState state = Idle();
        state.buttons = kButton1;
        ASSERT_EQ(Play(state, {{KEY_1, 1}}), (std::vector<KeyChange>{{KEY_1, 1}}));
    }

    // Waits until the engine has ticked `count` more times, each tick sending its report 2.
    bool WaitTicks(std::size_t count) {
        const std::size_t from = Controller().Features().size();
        return Controller().WaitFeatures(
            [&](const auto& reports) { return reports.size() >= from + count; }, kLimit);
    }

    // The program ends by itself, and the last nine lamp reports since the `from`th feature
    // report are the exit sequence.
    void ExpectExitSequenceSince(std::size_t from) {
        const auto status = session_->WaitForExit(60s);
        ASSERT_TRUE(status) << "the program ended";
        EXPECT_EQ(*status, 0);
        const std::vector<FeatureReport> reports = Controller().Features();
        std::vector<std::array<uint8_t, 3>> lamps;
        for (std::size_t i = from; i < reports.size(); ++i) {
            if (reports[i].id == 1) {
                lamps.push_back({reports[i].id, reports[i].data1, reports[i].data2});
            }
        }
        const std::vector<std::array<uint8_t, 3>> exit = {
            {1, 0x55, 0x05}, {1, 0x55, 0x01}, {1, 0x55, 0x00}, {1, 0x15, 0x00}, {1, 0x05, 0x00},
            {1, 0x01, 0x00}, {1, 0x00, 0x00}, {1, 0x55, 0x15}, {1, 0x00, 0x00}};
        EXPECT_EQ(lamps, exit);
        EXPECT_TRUE(Recorder().Down().empty());
    }

    static ControllerState Idle() {
        ControllerState state;
        state.extras = kModePosition0;
        return state;
    }

    static std::unique_ptr<Desktop> desktop_;
    static std::unique_ptr<ProgramSession> session_;
};

std::unique_ptr<Desktop> Session::desktop_;
std::unique_ptr<ProgramSession> Session::session_;

class KeyboardSession : public Session {
protected:
    static void SetUpTestSuite() {
        Open([](Model& model) { KeyProfile(model, 1); });
    }
    static void TearDownTestSuite() { Close(); }
};

TEST_F(KeyboardSession, StartUpFindsTheControllerAndPlaysTheLampShow) {
    const std::vector<FeatureReport> reports = Controller().Features();
    ASSERT_GE(reports.size(), 9u);
    const std::vector<std::array<uint8_t, 3>> show = {
        {2, 0x10, 0x10}, {1, 0x01, 0x00}, {1, 0x04, 0x00}, {1, 0x10, 0x00}, {1, 0x00, 0x04},
        {1, 0x00, 0x01}, {1, 0x40, 0x00}, {1, 0x00, 0x00}, {1, 0x55, 0x15}};
    const std::vector<int> pausesMs = {0, 100, 100, 100, 100, 100, 100, 400};
    for (std::size_t i = 0; i < show.size(); ++i) {
        EXPECT_EQ((std::array<uint8_t, 3>{reports[i].id, reports[i].data1, reports[i].data2}),
                  show[i])
            << "report " << i;
    }
    for (std::size_t i = 0; i < pausesMs.size(); ++i) {
        const double gap = Milliseconds(reports[i + 1].at - reports[i].at);
        EXPECT_GE(gap, pausesMs[i] - 2) << "pause after report " << i;
        EXPECT_LE(gap, pausesMs[i] + 150) << "pause after report " << i;
    }
    EXPECT_GE(session_->OtherDevice().Opens(), 1) << "the search looked at the other device";
    EXPECT_TRUE(session_->OtherDevice().Features().empty()) << "and left it alone";
}

TEST_F(KeyboardSession, EveryTickSendsItsReportAtTheChosenPeriod) {
    ASSERT_TRUE(session_->StartEngine()) << "the panel went to the notification area";
    const std::size_t from = Controller().Features().size();
    ASSERT_TRUE(Controller().WaitFeatures(
        [&](const auto& reports) { return reports.size() >= from + 101; }, kLimit));
    const std::vector<FeatureReport> reports = Controller().Features();
    std::vector<double> periods;
    for (std::size_t i = from + 1; i <= from + 100; ++i) {
        EXPECT_EQ(reports[i].id, 2);
        EXPECT_EQ(reports[i].data1, 0x10);
        EXPECT_EQ(reports[i].data2, 0x10);
        periods.push_back(Milliseconds(reports[i].at - reports[i - 1].at));
    }
    const double median = Percentile(periods, 0.5);
    std::printf("engine period at Freq 5: median %.2f ms\n", median);
    EXPECT_GT(median, 4.0);
    EXPECT_LT(median, 7.5);
}

TEST_F(KeyboardSession, AButtonGivesItsKeyAndAShiftedButtonItsShiftedKey) {
    ControllerState state = Idle();
    state.buttons = kButton1;
    EXPECT_EQ(Play(state, {{KEY_1, 1}}), (std::vector<KeyChange>{{KEY_1, 1}}));
    EXPECT_EQ(Play(Idle(), {{KEY_1, 0}}), (std::vector<KeyChange>{{KEY_1, 0}}));

    state.extras = kModePosition0 | kShift1;
    EXPECT_EQ(Play(state, {{KEY_KP1, 1}}), (std::vector<KeyChange>{{KEY_KP1, 1}}));
    state.buttons = 0;
    EXPECT_EQ(Play(state, {{KEY_KP1, 0}}), (std::vector<KeyChange>{{KEY_KP1, 0}}));
    Play(Idle(), {});
    EXPECT_TRUE(Recorder().Down().empty());
}

TEST_F(KeyboardSession, TheStickGivesItsDirectionKeys) {
    const struct {
        int x;
        int y;
        uint16_t key;
    } directions[] = {{0, -300, KEY_W}, {0, 300, KEY_S}, {-300, 0, KEY_A}, {300, 0, KEY_D}};
    for (const auto& direction : directions) {
        ControllerState state = Idle();
        state.x = direction.x;
        state.y = direction.y;
        EXPECT_EQ(Play(state, {{direction.key, 1}}), (std::vector<KeyChange>{{direction.key, 1}}));
        EXPECT_EQ(Play(Idle(), {{direction.key, 0}}), (std::vector<KeyChange>{{direction.key, 0}}));
    }
}

TEST_F(KeyboardSession, AKeyCombinationAndASequenceWithADelayComeOutInOrder) {
    ControllerState state = Idle();
    state.buttons = kButton2;
    EXPECT_EQ(Play(state, {{KEY_LEFTCTRL, 1}, {KEY_X, 1}}),
              (std::vector<KeyChange>{{KEY_LEFTCTRL, 1}, {KEY_X, 1}}));
    EXPECT_EQ(Play(Idle(), {{KEY_LEFTCTRL, 0}, {KEY_X, 0}}),
              (std::vector<KeyChange>{{KEY_LEFTCTRL, 0}, {KEY_X, 0}}))
        << "a combination lets go in the order it went down";

    const std::size_t from = Recorder().Events().size();
    state.buttons = kButton3;
    const std::vector<KeyChange> sequence = {{KEY_A, 1}, {KEY_A, 0}, {KEY_B, 1}, {KEY_B, 0}};
    EXPECT_EQ(Play(state, sequence), sequence);
    EXPECT_EQ(Play(Idle(), {}), std::vector<KeyChange>{}) << "the release sends nothing";
    const auto events = Recorder().Events();
    const double delay =
        Milliseconds(TimeOf(events, from, {KEY_B, 1}) - TimeOf(events, from, {KEY_A, 0}));
    EXPECT_GE(delay, 250.0) << "the delay is kept";
    EXPECT_LT(delay, 1000.0);
}

// Mode 1 gives button 4 another key: what comes up must be what went down in mode 0.
TEST_F(KeyboardSession, TheModeSwitchMovedWhileAButtonIsHeldLetsItsKeyGo) {
    ControllerState state = Idle();
    state.buttons = kButton4;
    ASSERT_EQ(Play(state, {{KEY_3, 1}}), (std::vector<KeyChange>{{KEY_3, 1}}));
    const std::size_t from = Recorder().Events().size();
    state.extras = kModePosition1;
    Play(state, {});
    state.buttons = 0;
    Controller().Send(state);
    Recorder().WaitFor(
        [&](const auto& events) {
            return Contains(KeyChanges(events, from), {KEY_3, 0});
        },
        kLimit);
    EXPECT_EQ(KeyChanges(Recorder().Events(), from), (std::vector<KeyChange>{{KEY_3, 0}}))
        << "the key that went down comes up, and only it";
    Play(Idle(), {});
    EXPECT_TRUE(Recorder().Down().empty());
}

TEST_F(KeyboardSession, RestoringThePanelWhileAButtonIsHeldLetsItsKeyGo) {
    ASSERT_NO_FATAL_FAILURE(HoldButton1());
    const std::size_t from = Recorder().Events().size();
    ASSERT_TRUE(session_->RestorePanel());
    EXPECT_TRUE(Recorder().WaitFor(
        [&](const auto& events) { return !KeyChanges(events, from).empty(); }, kLimit));
    EXPECT_EQ(KeyChanges(Recorder().Events(), from), (std::vector<KeyChange>{{KEY_1, 0}}));
    Controller().Send(Idle());
}

TEST_F(KeyboardSession, ThePanelsExitPlaysTheExitSequenceAndLeavesNoKeyDown) {
    const std::size_t from = Controller().Features().size();
    session_->ExitFromPanel();
    ExpectExitSequenceSince(from);
}

// Mouse mode on the high-resolution timer at its fastest, 1 ms.
class MouseSession : public Session {
protected:
    static void SetUpTestSuite() {
        Open([](Model& model) {
            KeyProfile(model, 1);
            model.settings.chkSimMouse = 1;
        });
    }
    static void TearDownTestSuite() { Close(); }
};

TEST_F(MouseSession, ButtonLatencyAtOneMillisecond) {
    session_->LowerFrequency(4);
    ASSERT_TRUE(session_->StartEngine());
    const std::size_t tick = Controller().Features().size();
    ASSERT_TRUE(WaitTicks(101));
    const std::vector<FeatureReport> ticks = Controller().Features();
    std::vector<double> periods;
    for (std::size_t i = tick + 1; i <= tick + 100; ++i) {
        periods.push_back(Milliseconds(ticks[i].at - ticks[i - 1].at));
    }
    // Under software emulation a tick itself can take longer than 1 ms; the mouse steps below
    // show that the bar reached 1 ms.
    std::printf("engine period at Freq 1: median %.2f ms\n", Percentile(periods, 0.5));

    std::vector<double> latencies;
    for (int press = 0; press < 200; ++press) {
        for (const bool down : {true, false}) {
            ControllerState state = Idle();
            state.buttons = down ? kButton1 : 0;
            const std::size_t from = Recorder().Events().size();
            const Nanoseconds sent = Controller().Send(state);
            const KeyChange change{KEY_1, down ? 1 : 0};
            ASSERT_TRUE(Recorder().WaitFor(
                [&](const auto& events) { return TimeOf(events, from, change) != 0; }, kLimit))
                << "press " << press;
            latencies.push_back(Milliseconds(TimeOf(Recorder().Events(), from, change) - sent));
        }
    }
    std::printf("latency over 200 presses (%zu key events) at Freq 1: p50 %.2f ms, p99 %.2f ms\n",
                latencies.size(), Percentile(latencies, 0.5), Percentile(latencies, 0.99));
    EXPECT_TRUE(Recorder().WaitAllUp(kLimit));
}

TEST_F(MouseSession, TheStickMovesTheMouseByTheExpectedSteps) {
    // At 1 ms the motion divisor is 220: 500 moves 2 (2.27), -330 moves -2 (-1.5, ties to even).
    ControllerState state = Idle();
    state.x = 500;
    state.y = -330;
    const std::size_t from = Recorder().Events().size();
    Controller().Send(state);
    const auto motions = [](const std::vector<RecordedEvent>& events, std::size_t since) {
        std::vector<RecordedEvent> moves;
        for (std::size_t i = since; i < events.size(); ++i) {
            if (events[i].type == EV_REL) {
                moves.push_back(events[i]);
            }
        }
        return moves;
    };
    ASSERT_TRUE(Recorder().WaitFor(
        [&](const auto& events) { return motions(events, from).size() >= 40; }, kLimit));
    Controller().Send(Idle());
    WaitTicks(5);
    const std::vector<RecordedEvent> events = Recorder().Events();
    for (const RecordedEvent& move : motions(events, from)) {
        EXPECT_EQ(move.source, Source::Mouse);
        EXPECT_EQ(move.value, move.code == REL_X ? 2 : -2) << "code " << move.code;
    }
    EXPECT_EQ(KeyChanges(events, from), std::vector<KeyChange>{}) << "no direction keys";
    WaitTicks(10);
    EXPECT_TRUE(motions(Recorder().Events(), events.size()).empty())
        << "the centred stick stops the pointer";
}

TEST_F(MouseSession, UnpluggingWhileButtonsAreHeldLetsEveryKeyGoAndTheProgramRuns) {
    ControllerState state = Idle();
    state.buttons = kButton1 | kButton2;
    const std::vector<KeyChange> down = Play(state, {{KEY_1, 1}, {KEY_LEFTCTRL, 1}, {KEY_X, 1}});
    ASSERT_EQ(down.size(), 3u);
    Controller().Unplug();
    EXPECT_TRUE(Recorder().WaitAllUp(kLimit)) << "nothing is left down";
    ASSERT_TRUE(session_->RestorePanel()) << "the program still answers";
    EXPECT_TRUE(session_->Running());
    session_->ExitFromPanel();
    const auto status = session_->WaitForExit(60s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
    EXPECT_TRUE(Recorder().Down().empty());
}

// The standard 10 ms timer against a controller that reports every 8 ms, as USB devices do.
class StreamingSession : public Session {
protected:
    static void SetUpTestSuite() {
        Open([](Model& model) { KeyProfile(model, 0); });
    }
    static void TearDownTestSuite() { Close(); }
};

// The engine's ticks (each sends report 2) after `from`, up to and including `to`.
int TicksBetween(const std::vector<FeatureReport>& reports, Nanoseconds from, Nanoseconds to) {
    return static_cast<int>(std::count_if(reports.begin(), reports.end(), [&](const auto& r) {
        return r.id == 2 && r.at > from && r.at <= to;
    }));
}

TEST_F(StreamingSession, ContinuousReportsFasterThanTheTicksLoseNoPressAndLagNoMoreThanTwoTicks) {
    ASSERT_TRUE(session_->StartEngine());
    std::vector<double> lags;
    int mostTicks = 0;
    {
        ReportStreamer streamer(Controller(), Idle());
        // Let a queue build up as it would in play before the first press.
        WaitTicks(50);
        for (int press = 0; press < 20; ++press) {
            for (const bool down : {true, false}) {
                ControllerState state = Idle();
                state.buttons = down ? kButton1 : 0;
                const std::size_t from = Recorder().Events().size();
                const Nanoseconds sent = streamer.Change(state);
                const KeyChange change{KEY_1, down ? 1 : 0};
                ASSERT_TRUE(Recorder().WaitFor(
                    [&](const auto& events) { return TimeOf(events, from, change) != 0; }, kLimit))
                    << "press " << press << (down ? " down" : " up");
                const Nanoseconds out = TimeOf(Recorder().Events(), from, change);
                lags.push_back(Milliseconds(out - sent));
                mostTicks = std::max(mostTicks, TicksBetween(Controller().Features(), sent, out));
            }
        }
    }
    std::printf("8 ms reports, 10 ms ticks: lag p50 %.2f ms, worst %.2f ms, at most %d ticks\n",
                Percentile(lags, 0.5), *std::max_element(lags.begin(), lags.end()), mostTicks);
    // Counted in ticks, since emulation stretches them when the machine is busy.
    EXPECT_LE(mostTicks, 2) << "every change comes out within two ticks";
    EXPECT_TRUE(Recorder().WaitAllUp(kLimit));
}

TEST_F(StreamingSession, PausingTheEngineWhileAButtonIsHeldLetsItsKeyGo) {
    ASSERT_NO_FATAL_FAILURE(HoldButton1());
    const std::size_t from = Recorder().Events().size();
    ASSERT_TRUE(session_->TogglePause());
    EXPECT_TRUE(Recorder().WaitFor(
        [&](const auto& events) {
            return Contains(KeyChanges(events, from), {KEY_1, 0});
        },
        kLimit));
    Controller().Send(Idle());
    ASSERT_TRUE(session_->TogglePause()) << "resumed";
    WaitTicks(5);
    EXPECT_TRUE(Recorder().WaitAllUp(kLimit));
}

TEST_F(StreamingSession, ATerminationSignalPlaysTheExitSequenceAndLeavesNoKeyDown) {
    ASSERT_NO_FATAL_FAILURE(HoldButton1());
    const std::size_t from = Controller().Features().size();
    session_->Terminate();
    ExpectExitSequenceSince(from);
}

constexpr uid_t kNobody = 65534;

// A folder of the test's own that "nobody" may enter, with a copy of the program in it: the build
// tree may lie in a home that only its owner can enter. The folder goes with everything in it.
class NobodysCopy final {
public:
    NobodysCopy() {
        char folder[] = "/tmp/new-user-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            whyNot_ = std::string("no folder in /tmp: ") + std::strerror(errno);
            return;
        }
        folder_ = folder;
        std::error_code error;
        std::filesystem::copy_file(QUORVANE_BINARY, Program(), error);
        if (!error && (chmod(folder, 0755) != 0 || chmod(Program().c_str(), 0755) != 0)) {
            error.assign(errno, std::generic_category());
        }
        if (error) {
            whyNot_ = "copying the program: " + error.message();
        }
    }
    ~NobodysCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    NobodysCopy(const NobodysCopy&) = delete;
    NobodysCopy& operator=(const NobodysCopy&) = delete;

    const std::string& WhyNot() const { return whyNot_; }
    std::string Program() const { return folder_ + "/quorvane"; }
    std::string Errors() const { return folder_ + "/errors"; }

private:
    std::string folder_;
    std::string whyNot_;
};

// Ends the child of a fork with `what` and errno's text on stderr. The test has threads, so the
// child makes only system calls; strerror's translation could wait on a lock a thread held.
[[noreturn]] void ExitSaying(const std::string& what, int status) {
    const char* reason = strerrordesc_np(errno);
    const std::string_view parts[] = {what, reason != nullptr ? reason : "unknown error", "\n"};
    for (const std::string_view part : parts) {
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, part.data(), part.size());
    }
    _exit(status);
}

// The program as the user "nobody", with its stderr in the file `errors`, where a start that
// fails also leaves its reason.
pid_t SpawnAsNobody(const std::string& program, const std::string& display,
                    const std::string& errors) {
    std::string path = program;
    std::string displayVariable = "DISPLAY=" + display;
    std::string platform = "QT_QPA_PLATFORM=xcb";
    std::string home = "HOME=/tmp";
    char* const argv[] = {path.data(), nullptr};
    char* const envp[] = {displayVariable.data(), platform.data(), home.data(), nullptr};
    const std::string cannotBecome = "cannot become nobody: ";
    const std::string cannotStart = "cannot start " + program + ": ";
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int out = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDERR_FILENO);
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
        ExitSaying(cannotBecome, 126);
    }
    execve(argv[0], argv, envp);
    ExitSaying(cannotStart, 127);
}

std::string ReadAll(const std::string& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A new user's first start, before the udev rules are installed: the controller is plugged in,
// but its node belongs to root.
TEST(NewUser, AControllerTheUserMayNotOpenIsNamedWithWhatGivesAccess) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can run the program as another user";
    }
    Desktop desktop;
    ASSERT_EQ(desktop.WhyNot(), "");
    VirtualController controller(kControllerVendor, kControllerProduct,
                                 "Virtual Strategic Controller");
    ASSERT_EQ(controller.WhyNot(), "");
    const NobodysCopy copy;
    ASSERT_EQ(copy.WhyNot(), "");
    const pid_t program = SpawnAsNobody(copy.Program(), desktop.XDisplay(), copy.Errors());

    std::optional<int> status;
    const Window box = desktop.WaitForViewable("Quorvane Initialization Error", 90s, [&] {
        status = WaitForExit(program, 0ms);
        return status.has_value();
    });
    if (box != None) {
        desktop.Activate(box);
        desktop.Key(XK_Return);
        status = WaitForExit(program, 60s);
    }
    if (!status) {
        kill(program, SIGKILL);
        WaitForExit(program, 10s);
    }
    const std::string said = ReadAll(copy.Errors());
    EXPECT_NE(box, None) << "the message box; the program "
                         << (status ? "ended with status " + std::to_string(*status)
                                    : std::string("still runs"))
                         << ", its errors: " << said;
    ASSERT_TRUE(status) << "OK ends the program";
    EXPECT_EQ(*status, 1);
    EXPECT_NE(said.find("Strategic Commander is plugged in at /dev/hidraw"), std::string::npos)
        << said;
    EXPECT_EQ(controller.Opens(), 0);
}

}  // namespace
}  // namespace qv::test
