#include "panel/ShiftPage.h"

#include <QWidget>
#include <cmath>

#include "ui/PanelColour.h"
#include "ui/PanelLook.h"

namespace qv {

namespace {

int ToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace

ShiftPage::ShiftPage(QWidget* page)
    : page_(page),
      box_{static_cast<int16_t>(page->y() * kTwipsPerPixel),
           static_cast<int16_t>(page->height() * kTwipsPerPixel)} {}

void ShiftPage::SetTop(int16_t twips) {
    box_.Top = twips;
    Place();
}

void ShiftPage::SetHeight(int16_t twips) {
    box_.Height = twips;
    Place();
}

void ShiftPage::SetBackColor(uint32_t value) {
    if (backColor_ == value) {
        return;
    }
    backColor_ = value;
    QPalette palette = page_->palette();
    palette.setColor(QPalette::Window, ColourFromValue(value, palette));
    page_->setPalette(palette);
    page_->setAutoFillBackground(true);
}

void ShiftPage::Place() {
    const QRect wanted(page_->x(), ToPixels(box_.Top), page_->width(), ToPixels(box_.Height));
    if (wanted != page_->geometry()) {
        page_->setGeometry(wanted);
    }
}

}  // namespace qv
