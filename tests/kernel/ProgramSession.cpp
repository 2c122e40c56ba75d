#include "ProgramSession.h"

#include <X11/keysym.h>
#include <signal.h>

#include <filesystem>
#include <fstream>

#include "ChildProcess.h"
#include "device/DeviceLink.h"
#include "profiles/ProfileWriter.h"

namespace qv::test {

namespace {

using namespace std::chrono_literals;

// Software emulation runs everything many times slower than a desktop; these only bound a
// failure, a passing run never waits them out.
constexpr auto kStartLimit = 90s;
constexpr auto kActionLimit = 20s;

constexpr int kStartupShowReports = 9;

// The program's name: the notification icon carries it as its title, as the panel does. Only
// one of the two is on screen at a time.
constexpr const char* kIconTitle = "Quorvane";

std::string NewHome() {
    static int count = 0;
    return "/tmp/home-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

}  // namespace

ProgramSession::ProgramSession(Desktop& desktop, const std::function<void(Model&)>& configure)
    : desktop_(desktop), home_(NewHome()) {
    auto model = std::make_unique<Model>();
    FillDefaults(*model);
    configure(*model);
    const ProfileWriteResult profile = WriteProfile(*model, model->settings);
    if (profile.error) {
        whyNot_ = "the test's profile: " + profile.error->Message();
        return;
    }
    const std::filesystem::path folder = home_ + "/Documents/Strategic Commander";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Default.qv1", std::ios::binary) << profile.bytes;

    // Lower ids than the controller's, so that the search meets this device first.
    other_ = std::make_unique<VirtualController>(0x0001, 0x0002, "Other Joystick");
    controller_ = std::make_unique<VirtualController>(kControllerVendor, kControllerProduct,
                                                      "Virtual Strategic Controller");
    if (!other_->WhyNot().empty() || !controller_->WhyNot().empty()) {
        whyNot_ = other_->WhyNot() + controller_->WhyNot();
        return;
    }
    // The mode switch stands in position 0 from the first report on.
    ControllerState idle;
    idle.extras = 0x10;
    controller_->Send(idle);

    program_ = Spawn({QUORVANE_BINARY}, {"HOME=" + home_, "DISPLAY=" + desktop.XDisplay(),
                                         "QT_QPA_PLATFORM=xcb", "XDG_RUNTIME_DIR=" + home_});
    if (!recorder_.Attach("Quorvane keyboard", "Quorvane mouse", kStartLimit)) {
        whyNot_ = "the program's virtual keyboard and mouse did not appear";
        return;
    }
    if (!controller_->WaitFeatures(
            [](const auto& reports) { return reports.size() >= kStartupShowReports; },
            kStartLimit)) {
        whyNot_ = "the start-up lamp show did not reach the controller";
        return;
    }
    panel_ = desktop.WaitForViewable("Quorvane", kStartLimit);
    if (panel_ == None) {
        whyNot_ = "the panel did not show";
    }
}

ProgramSession::~ProgramSession() {
    if (program_ > 0 && !status_) {
        kill(program_, SIGKILL);
        test::WaitForExit(program_, 10s);
    }
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

bool ProgramSession::StartEngine() {
    desktop_.Activate(panel_);
    desktop_.Key(XK_Return);
    return desktop_.WaitUntilHidden(panel_, kActionLimit);
}

bool ProgramSession::RestorePanel() {
    const Window icon = desktop_.WaitForViewable(kIconTitle, kActionLimit);
    if (icon == None) {
        return false;
    }
    desktop_.Click(icon, 8, 8, Button1, 2);
    return desktop_.WaitUntilShown(panel_, kActionLimit);
}

bool ProgramSession::TogglePause() {
    const Window icon = desktop_.WaitForViewable(kIconTitle, kActionLimit);
    if (icon == None) {
        return false;
    }
    desktop_.Click(icon, 8, 8, Button3);
    const Window menu = desktop_.WaitForPopup(kActionLimit);
    if (menu == None) {
        return false;
    }
    // The first item, a little below the menu's top edge.
    desktop_.Click(menu, 30, 12, Button1);
    return desktop_.WaitUntilHidden(menu, kActionLimit);
}

void ProgramSession::LowerFrequency(int times) {
    // The bar's left arrow, at the bar's designed place in the client area (twips / 15),
    // which sits below the menu bar.
    constexpr int kClientHeight = 513;
    constexpr int kArrowX = 24 + 6;
    constexpr int kArrowY = 392 + 8;
    desktop_.Activate(panel_);
    const int menuBar = desktop_.Height(panel_) - kClientHeight;
    desktop_.Click(panel_, kArrowX, menuBar + kArrowY, Button1, times);
}

void ProgramSession::ExitFromPanel() {
    desktop_.Activate(panel_);
    desktop_.Key(XK_Escape);
}

void ProgramSession::Terminate() {
    kill(program_, SIGTERM);
}

std::optional<int> ProgramSession::WaitForExit(std::chrono::milliseconds limit) {
    if (!status_) {
        status_ = test::WaitForExit(program_, limit);
    }
    return status_;
}

bool ProgramSession::Running() {
    return !WaitForExit(0ms);
}

}  // namespace qv::test
