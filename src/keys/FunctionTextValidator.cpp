#include "keys/FunctionTextValidator.h"

#include "model/Windows1252.h"

namespace qv {

QValidator::State FunctionTextValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int cursor = pos;
    for (qsizetype i = 0; i < input.size();) {
        const QChar unit = input.at(i);
        const bool pair =
            unit.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(unit, input.at(i + 1)) : unit.unicode();
        const int width = pair ? 2 : 1;
        if (Windows1252Holds(c)) {
            kept.append(QStringView(input).mid(i, width));
        } else if (i < pos) {
            cursor -= width;
        }
        i += width;
    }
    input = kept;
    pos = cursor;
    return Acceptable;
}

}  // namespace qv
