#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Desktop.h"
#include "EventRecorder.h"
#include "VirtualController.h"
#include "model/Model.h"

namespace qv::test {

// The real program on the desktop, with the virtual controller plugged in (behind another HID
// device with other ids), its default profile written by `configure` from the defaults, and
// its keyboard and mouse recorded.
class ProgramSession final {
public:
    ProgramSession(Desktop& desktop, const std::function<void(Model&)>& configure);
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // Empty once the panel is up after the start-up show; otherwise what went wrong.
    const std::string& WhyNot() const { return whyNot_; }

    VirtualController& Controller() { return *controller_; }
    VirtualController& OtherDevice() { return *other_; }
    EventRecorder& Recorder() { return recorder_; }

    // "&Start Engine": the panel goes to the notification area and the engine sends output.
    bool StartEngine();
    // A double click on the notification icon brings the panel back.
    bool RestorePanel();
    // The first item of the notification icon's menu, "Pause Engine" or "Resume Engine".
    bool TogglePause();
    // Clicks the left arrow of the engine frequency bar `times` times.
    void LowerFrequency(int times);
    // "&Exit" on the shown panel (Esc, its cancel button).
    void ExitFromPanel();
    void Terminate();
    // The exit status once the program has ended within `limit`.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);
    bool Running();

private:
    Desktop& desktop_;
    std::string home_;
    std::unique_ptr<VirtualController> other_;
    std::unique_ptr<VirtualController> controller_;
    EventRecorder recorder_;
    pid_t program_ = -1;
    std::optional<int> status_;
    Window panel_ = None;
    std::string whyNot_;
};

}  // namespace qv::test
