#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "model/Model.h"
#include "panel/LiveView.h"
#include "panel/PictureBox.h"

namespace qv::test {

// The controls of the live view at the panel's design geometry (twips / 15), without the rest
// of the panel. The program's QApplication must exist first.
struct LiveViewPanel {
    LiveViewPanel() {
        window.resize(505, 513);
        const std::array<int, kPages> tops{288, 400, 432};
        const std::array<int, kPages> heights{105, 25, 25};
        for (int k = 0; k < kPages; ++k) {
            pages[k] = new QWidget(&window);
            pages[k]->setGeometry(264, tops[k], 225, heights[k]);
        }
        slider = new PictureBox(210, 750, &window);
        slider->setGeometry(208, 432, 33, 65);
        slider->SetFillColor(kRed);
        picture1 = new PictureBox(1030, 1030, &window);
        picture1->setGeometry(80, 48, 97, 97);
        picture2 = new PictureBox(1030, 1030, &window);
        picture2->setGeometry(328, 48, 97, 97);
        picture2->SetDrawWidth(2);
        LiveViewControls controls{pages, slider, picture1, picture2, {}};
        for (int i = 0; i < kSlots; ++i) {
            buttons[i] = new QPushButton(QString::number(i), &window);
            controls.btnKEY[i] = buttons[i];
        }
        FillDefaults(model);
        model.settings.MidDeadZone = model.settings.DeadZone;
        view = std::make_unique<LiveView>(model, controls);
    }

    void Refresh(int times = 1) {
        for (int i = 0; i < times; ++i) {
            view->Refresh();
        }
    }

    QWidget window;
    std::array<QWidget*, kPages> pages{};
    PictureBox* slider = nullptr;
    PictureBox* picture1 = nullptr;
    PictureBox* picture2 = nullptr;
    std::array<QPushButton*, kSlots> buttons{};
    Model model;
    std::unique_ptr<LiveView> view;
};

}  // namespace qv::test
