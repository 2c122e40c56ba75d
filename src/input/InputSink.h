#pragma once

#include "input/InputRecord.h"

namespace qv {

// Where synthesized input goes, one record at a time: each platform backend is one.
class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void Send(const InputRecord& record) = 0;
    // Releases every key and button the sink still holds down; called before the program ends.
    virtual void Close() {}
};

}  // namespace qv
