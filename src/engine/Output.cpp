#include <algorithm>
#include <cstdlib>
#include <span>

#include "engine/Engine.h"
#include "engine/KeyGroup.h"

namespace qv {

void Engine::DetectDirections() {
    auto& dir = model_.DirActive;
    const PanelSettings& settings = model_.settings;
    const Axes& axes = model_.axes;
    dir.fill(false);
    xOut_ = false;
    yOut_ = false;
    if (settings.chkMovement == 1) {
        const int z = settings.DeadZone;
        if (axes.AxisX > z) {
            dir[3] = xOut_ = true;
        }
        if (axes.AxisX < -z) {
            dir[2] = xOut_ = true;
        }
        if (axes.AxisY > z) {
            dir[1] = yOut_ = true;
        }
        if (axes.AxisY < -z) {
            dir[0] = yOut_ = true;
        }
    }
    if (settings.chkAngles != 0) {
        const int z2 = settings.DeadZone2;
        if (axes.AxisTurn > z2) {
            dir[5] = true;
        }
        if (axes.AxisTurn < -z2) {
            dir[4] = true;
        }
    }
}

bool Engine::InsideWalkZone() const {
    const int w = model_.settings.MidDeadZone;
    return std::abs(model_.axes.AxisY) < w && std::abs(model_.axes.AxisX) < w;
}

int Engine::FollowHeld(int slot, bool active) {
    bool& held = model_.SlotHeld[slot];
    if (active == held) {
        return 0;
    }
    held = active;
    return active ? 1 : -1;
}

void Engine::SendOutputs() {
    outputRan_ = true;
    DetectDirections();
    auto& dir = model_.DirActive;
    if (model_.settings.chkSimMouse != 0) {
        ReleaseStickSlots();
        MoveMouse();
    } else {
        for (int i = 0; i < kWalkSlot; ++i) {
            if (dir[i] && i <= 3) {
                dir[kWalkSlot] = true;
            }
            const int edge = FollowHeld(i, dir[i]);
            if (edge > 0) {
                PressSlot(i);
            } else if (edge < 0) {
                ReleaseSlot(i);
            }
        }
    }

    const int walk = FollowHeld(kWalkSlot, dir[kWalkSlot] && InsideWalkZone());
    if (walk > 0) {
        PressSlot(kWalkSlot);
    } else if (walk < 0) {
        ReleaseSlot(kWalkSlot);
    }

    for (int s = kFirstButtonSlot; s < kSlots; ++s) {
        if (model_.SlotActive[s] && !model_.SlotHeld[s]) {
            PressSlot(s);
        } else if (!model_.SlotActive[s] && model_.SlotHeld[s]) {
            ReleaseSlot(s);
        }
    }

    ring_.Step(synth_, DelayTimer);
}

void Engine::StopOutput() {
    if (!outputRan_) {
        return;
    }
    outputRan_ = false;
    held_.ReleaseAll(synth_);
    ring_.ReleasePending(synth_);
    // The ring has moved past a delay it let go of; a delay left running would press the next
    // group again on every tick until its old expiry.
    DelayTimer.SetEnabled(false);
    for (int slot = 0; slot < kAxisSlots; ++slot) {
        model_.SlotHeld[slot] = false;
    }
}

void Engine::ReleaseStickSlots() {
    for (int slot = 0; slot < kWalkSlot; ++slot) {
        if (model_.SlotHeld[slot]) {
            model_.SlotHeld[slot] = false;
            ReleaseSlot(slot);
        }
    }
}

void Engine::MoveMouse() {
    Axes& axes = model_.axes;
    if (!xOut_) {
        axes.AxisX = 0;
    }
    if (!yOut_) {
        axes.AxisY = 0;
    }
    synth_.SendMouseMove(axes.AxisX, axes.AxisY);
}

void Engine::PressSlot(int slot) {
    const KeySteps& keys = model_.KeyMap[model_.Mode][slot];
    const ComboSteps& combo = model_.KeyMapCombo[model_.Mode][slot];
    if (keys[0] > 0) {
        // A full ring drops the press whole; what is queued, pending or held stays untouched.
        const auto length =
            static_cast<std::size_t>(std::min<int32_t>(keys[0], kLongestAssignment));
        ring_.Queue(std::span(keys).subspan(1, length), std::span(combo).subspan(1, length));
        return;
    }
    held_.Press(slot, keys, combo, synth_);
}

void Engine::ReleaseSlot(int slot) {
    held_.Release(slot, synth_);
}

}  // namespace qv
