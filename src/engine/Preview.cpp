#include "engine/Engine.h"

namespace qv {

void Engine::PreviewOutputs() {
    DetectDirections();
    auto& dir = model_.DirActive;
    if (model_.settings.chkSimMouse != 0) {
        view_->SetSimMouseColour(xOut_ || yOut_);
    } else {
        for (int i = 0; i < kWalkSlot; ++i) {
            if (dir[i] && i <= 3) {
                dir[kWalkSlot] = true;
            }
            if (FollowHeld(i, dir[i]) != 0) {
                view_->SetSlotColour(i, dir[i]);
            }
        }
    }

    const bool walk = dir[kWalkSlot] && InsideWalkZone();
    if (FollowHeld(kWalkSlot, walk) != 0) {
        view_->SetSlotColour(kWalkSlot, walk);
    }

    for (int s = kFirstButtonSlot; s < kSlots; ++s) {
        if (model_.SlotActive[s] != model_.SlotHeld[s]) {
            view_->SetSlotColour(s, model_.SlotActive[s]);
        }
    }
}

}  // namespace qv
