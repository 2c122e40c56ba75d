#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/PanelView.h"

namespace qv::test {

// A panel that is shown or hidden as a test says, and writes down what the engine asks of it.
class FakePanel final : public PanelView {
public:
    struct Colour {
        int slot;  // -1 for "Simulate Mouse"
        bool active;
        bool operator==(const Colour&) const = default;
    };

    bool Shown() const override { return visible; }
    void Refresh() override { calls.push_back("Refresh"); }
    void SetSlotColour(int slot, bool active) override { colours.push_back({slot, active}); }
    void SetSimMouseColour(bool active) override { colours.push_back({-1, active}); }
    void SetSendEnabled(bool enabled) override { sendEnabled = enabled; }
    void FocusSend() override { calls.push_back("FocusSend"); }
    void LoadDefaultProfile() override {
        calls.push_back("LoadDefaultProfile");
        if (onLoadDefaultProfile) {
            onLoadDefaultProfile();
        }
    }

    bool visible = false;
    std::vector<std::string> calls;
    std::vector<Colour> colours;
    bool sendEnabled = false;
    std::function<void()> onLoadDefaultProfile;
};

}  // namespace qv::test
