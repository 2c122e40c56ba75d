#pragma once

#include <chrono>
#include <vector>

#include "model/Clock.h"

namespace qv::test {

// A clock that stands still until told to move; sleeping moves it and is remembered.
class FakeClock final : public Clock {
public:
    Duration Now() const override { return now_; }
    void Sleep(std::chrono::milliseconds ms) override {
        sleeps.push_back(ms);
        now_ += ms;
    }
    void Advance(Duration by) { now_ += by; }

    std::vector<std::chrono::milliseconds> sleeps;

private:
    Duration now_{std::chrono::hours(1)};
};

}  // namespace qv::test
