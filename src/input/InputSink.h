#pragma once

#include "input/InputRecord.h"

namespace qv {

// Where synthesized input goes: a platform backend, or a recorder in tests.
class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void Send(const InputRecord& record) = 0;
    // Releases every key and button the sink still holds down; called before the program ends.
    virtual void Close() {}
};

}  // namespace qv
