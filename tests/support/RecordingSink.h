#pragma once

#include <cstdint>
#include <vector>

#include "input/InputSink.h"

namespace qv::test {

// Keeps every record it is sent, in order, for tests to read back.
class RecordingSink final : public InputSink {
public:
    void Send(const InputRecord& record) override { records.push_back(record); }
    void Close() override { ++closeCount; }

    // The virtual keys pressed (or released), in order.
    std::vector<uint16_t> KeyDowns() const { return Keys(false); }
    std::vector<uint16_t> KeyUps() const { return Keys(true); }

    // The mouse records only, in order.
    std::vector<InputRecord> Mouse() const {
        std::vector<InputRecord> out;
        for (const auto& record : records) {
            if (record.type == InputType::Mouse) {
                out.push_back(record);
            }
        }
        return out;
    }

    void Clear() { records.clear(); }

    std::vector<InputRecord> records;
    int closeCount = 0;

private:
    std::vector<uint16_t> Keys(bool up) const {
        std::vector<uint16_t> out;
        for (const auto& record : records) {
            if (record.type == InputType::Keyboard && ((record.dwFlags & kKeyUp) != 0) == up) {
                out.push_back(record.wVk);
            }
        }
        return out;
    }
};

}  // namespace qv::test
