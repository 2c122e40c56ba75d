#include "keys/LabelMetrics.h"

#include <cmath>

#include "keys/KeyButtons.h"
#include "ui/PanelLook.h"

namespace qv {

namespace {

// A label's single border and a pixel of air on each side of its caption.
constexpr int kLabelEdge = 2;

}  // namespace

LabelMetrics::LabelMetrics(const QFont& windowFont, const QFont& labelFont)
    : window_(windowFont), label_(labelFont), plus_(Measure(QStringLiteral("+"))) {
    for (int code = 0; code < 256; ++code) {
        byCode_[static_cast<std::size_t>(code)] =
            Measure(QString::fromStdString(StepCaption(code)));
    }
}

const QString& LabelMetrics::Caption(int32_t code) {
    return Find(code).text;
}

int LabelMetrics::LabelWidthPixels(const QString& text) const {
    return static_cast<int>(std::ceil(label_.horizontalAdvance(text))) + 2 * kLabelEdge;
}

int LabelMetrics::LabelHeightPixels() const {
    return static_cast<int>(std::ceil(label_.height())) + 2 * kLabelEdge;
}

LabelMetrics::Entry LabelMetrics::Measure(const QString& text) const {
    return {text, static_cast<float>(window_.horizontalAdvance(text) * kTwipsPerPixel),
            LabelWidthPixels(text) * kTwipsPerPixel};
}

const LabelMetrics::Entry& LabelMetrics::Find(int32_t code) {
    if (code >= 0 && code < 256) {
        return byCode_[static_cast<std::size_t>(code)];
    }
    auto found = others_.find(code);
    if (found == others_.end()) {
        found = others_.emplace(code, Measure(QString::fromStdString(StepCaption(code)))).first;
    }
    return found->second;
}

}  // namespace qv
