#pragma once

#include <QValidator>

namespace qv {

// Keeps the function text within what a profile stores: a character the labels' code page
// has no code for is dropped as it is typed or pasted, and the rest of the edit stays.
class FunctionTextValidator final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
};

}  // namespace qv
