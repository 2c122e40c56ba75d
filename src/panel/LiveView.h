#pragma once

#include <array>
#include <string>

#include "model/Model.h"
#include "panel/PageAnimation.h"
#include "panel/ShiftPage.h"

class QAbstractButton;
class QWidget;

namespace qv {

class PictureBox;

// The panel's controls that the live view draws on.
struct LiveViewControls {
    std::array<QWidget*, kPages> lblButton{};
    PictureBox* Slider = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    std::array<QAbstractButton*, kSlots> btnKEY{};
};

// What the panel shows of the engine on every tick while it is visible: the shift pages moving
// towards their layout and coloured by their flags, the mode, the stick, the twist, and the
// labels of the current mode on the slot buttons. Nothing that is already shown is set again.
class LiveView final {
public:
    LiveView(const Model& model, const LiveViewControls& controls);

    void Refresh();
    // Start-up: the pages' animation values become their targets, so they start at rest.
    void RestPages() { animation_ = PageAnimation(model_.Pages); }

    PagePlace PageGeometry(int page) const { return pages_[page - 1].Geometry(); }

private:
    void StepPages();
    void PlacePages();
    void ColourPages();
    void WriteCaptions();

    const Model& model_;
    LiveViewControls controls_;
    std::array<ShiftPage, kPages> pages_;
    PageAnimation animation_;
    std::array<std::string, kSlots> captions_;
};

}  // namespace qv
