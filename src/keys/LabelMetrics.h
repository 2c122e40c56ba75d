#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <array>
#include <unordered_map>

#include "keys/StepLayout.h"

namespace qv {

// The step display's captions and their widths, measured once per code: the wrap test's
// width in the window's font and the auto-sized label's width in the labels' font.
class LabelMetrics final : public StepMeasure {
public:
    LabelMetrics(const QFont& windowFont, const QFont& labelFont);

    const QString& Caption(int32_t code);
    // The height of an auto-sized label, in pixels.
    int LabelHeightPixels() const;

    float CaptionWidth(int32_t code) override { return Find(code).wrap; }
    int LabelWidth(int32_t code) override { return Find(code).width; }
    float PlusWidth() override { return plus_.wrap; }
    int PlusLabelWidth() override { return plus_.width; }

private:
    struct Entry {
        QString text;
        float wrap = 0;
        int width = 0;
    };

    Entry Measure(const QString& text) const;
    int LabelWidthPixels(const QString& text) const;
    const Entry& Find(int32_t code);

    QFontMetricsF window_;
    QFontMetricsF label_;
    std::array<Entry, 256> byCode_;
    // Codes beyond a byte come only from hand-edited profiles: measured when first shown.
    std::unordered_map<int32_t, Entry> others_;
    Entry plus_;
};

}  // namespace qv
