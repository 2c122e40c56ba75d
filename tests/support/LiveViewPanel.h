#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "model/Model.h"
#include "model/Startup.h"
#include "panel/LiveView.h"
#include "panel/PanelControls.h"
#include "ui/PanelLook.h"

namespace qv::test {

// The panel's own controls, laid out as the panel lays them out, with the live view over them
// and the tables as start-up leaves them. The program's QApplication must exist first.
struct LiveViewPanel {
    LiveViewPanel() : c(BuildPanelControls(&window)) {
        window.setFixedSize(Px(7575), Px(7695));
        ApplyStartupDefaults(model);
        view = std::make_unique<LiveView>(model, LiveViewOf(c));
    }

    void Refresh(int times = 1) {
        for (int i = 0; i < times; ++i) {
            view->Refresh();
        }
    }

    QWidget window;
    PanelControls c;
    std::array<PageBox*, kPages>& pages = c.lblButton;
    PictureBox*& slider = c.Slider;
    PictureBox*& picture1 = c.Picture1;
    PictureBox*& picture2 = c.Picture2;
    std::array<QPushButton*, kSlots>& buttons = c.btnKEY;
    Model model;
    std::unique_ptr<LiveView> view;
};

}  // namespace qv::test
