#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "FakeClock.h"
#include "model/PrecisionTimer.h"

namespace qv {
namespace {

using namespace std::chrono_literals;

class StepDriver final : public TimerDriver {
public:
    void Start(Clock::Duration p, std::function<void()> f) override {
        period = p;
        fire = std::move(f);
        running = true;
        ++starts;
    }
    void Stop() override { running = false; }

    Clock::Duration period{};
    std::function<void()> fire;
    bool running = false;
    int starts = 0;
};

TEST(OneShot, ReadsDisabledOnceItsIntervalHasPassed) {
    test::FakeClock clock;
    PrecisionTimer delay(clock);
    delay.SetFiringMode(PrecisionTimer::OneShot);
    delay.SetInterval(250);
    delay.SetEnabled(true);
    EXPECT_TRUE(delay.Enabled());
    clock.Advance(249ms);
    EXPECT_TRUE(delay.Enabled());
    clock.Advance(1ms);
    EXPECT_FALSE(delay.Enabled()) << "no event needs to be handled for the expiry";
}

TEST(OneShot, ArmingAgainWithTheSameIntervalKeepsTheExpiry) {
    test::FakeClock clock;
    PrecisionTimer delay(clock);
    delay.SetFiringMode(PrecisionTimer::OneShot);
    delay.SetInterval(100);
    delay.SetEnabled(true);
    for (int tick = 0; tick < 9; ++tick) {
        clock.Advance(10ms);
        delay.SetInterval(100);
        delay.SetEnabled(true);
    }
    EXPECT_TRUE(delay.Enabled());
    clock.Advance(10ms);
    EXPECT_FALSE(delay.Enabled());
    delay.SetEnabled(true);
    EXPECT_TRUE(delay.Enabled()) << "an expired one-shot arms anew";
}

TEST(OneShot, ArmingWithAnotherIntervalKeepsTheEarlierDeadline) {
    test::FakeClock clock;
    PrecisionTimer delay(clock);
    delay.SetFiringMode(PrecisionTimer::OneShot);
    delay.SetInterval(250);
    delay.SetEnabled(true);
    for (int tick = 0; tick < 49; ++tick) {
        clock.Advance(5ms);
        delay.SetInterval(tick % 2 == 0 ? 100 : 250);
        delay.SetEnabled(true);
    }
    EXPECT_TRUE(delay.Enabled());
    clock.Advance(5ms);
    EXPECT_FALSE(delay.Enabled());
    delay.SetInterval(100);
    delay.SetEnabled(true);
    clock.Advance(99ms);
    EXPECT_TRUE(delay.Enabled()) << "once expired it arms with its new interval";
    clock.Advance(1ms);
    EXPECT_FALSE(delay.Enabled());
}

TEST(Periodic, RaisesItsEventThroughTheDriverUntilDisabled) {
    test::FakeClock clock;
    StepDriver driver;
    PrecisionTimer timer(clock, &driver);
    int events = 0;
    timer.Timer = [&](int32_t) { ++events; };
    timer.SetInterval(10);
    EXPECT_FALSE(driver.running) << "a disabled timer does not run";
    timer.SetEnabled(true);
    ASSERT_TRUE(driver.running);
    EXPECT_EQ(driver.period, 10ms);
    driver.fire();
    driver.fire();
    EXPECT_EQ(events, 2);
    EXPECT_TRUE(timer.Enabled());

    timer.SetInterval(3);
    EXPECT_EQ(driver.period, 3ms) << "a new interval takes effect while running";
    EXPECT_TRUE(driver.running);

    timer.SetEnabled(false);
    EXPECT_FALSE(driver.running);
    EXPECT_FALSE(timer.Enabled());
}

TEST(Periodic, EnablingARunningTimerDoesNotRestartIt) {
    test::FakeClock clock;
    StepDriver driver;
    PrecisionTimer timer(clock, &driver);
    timer.SetInterval(10);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    EXPECT_EQ(driver.starts, 1);
}

}  // namespace
}  // namespace qv
