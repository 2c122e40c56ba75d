#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <string>

#include "NoFreeDescriptors.h"
#include "model/PrecisionTimer.h"
#include "timer/QtTimerDriver.h"
#include "timer/TimerFdDriver.h"

namespace qv {
namespace {

using namespace std::chrono_literals;

// Runs the event loop until `done` holds, or gives up after a generous while.
bool SpinUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return done();
}

void SpinFor(int ms) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, ms);
    }
}

template <typename Driver>
class TimerDrivers : public testing::Test {
protected:
    Driver driver;
};

using DriverTypes = testing::Types<TimerFdDriver, QtTimerDriver>;
TYPED_TEST_SUITE(TimerDrivers, DriverTypes);

TYPED_TEST(TimerDrivers, FireUntilStoppedAndStaySilentAfterwards) {
    int fired = 0;
    this->driver.Start(1ms, [&] { ++fired; });
    ASSERT_TRUE(SpinUntil([&] { return fired >= 5; }));
    this->driver.Stop();
    const int atStop = fired;
    SpinFor(30);
    EXPECT_EQ(fired, atStop);
}

TYPED_TEST(TimerDrivers, HandlerMayRestartTheDriverWithAnotherHandler) {
    int first = 0;
    int second = 0;
    this->driver.Start(1ms, [&] {
        ++first;
        this->driver.Start(2ms, [&] { ++second; });
    });
    ASSERT_TRUE(SpinUntil([&] { return second >= 2; }));
    EXPECT_EQ(first, 1);
    this->driver.Stop();
}

TEST(TimerFdDriver, DrivesAPeriodicPrecisionTimerUntilDisabled) {
    SystemClock clock;
    TimerFdDriver driver;
    PrecisionTimer timer(clock, &driver);
    timer.SetInterval(2);
    int events = 0;
    int32_t argument = 0;
    timer.Timer = [&](int32_t ms) {
        ++events;
        argument = ms;
        if (events == 3) {
            timer.SetEnabled(false);
        }
    };
    timer.SetEnabled(true);
    ASSERT_TRUE(SpinUntil([&] { return events >= 3; }));
    SpinFor(20);
    EXPECT_EQ(events, 3);
    EXPECT_EQ(argument, 2);
}

TEST(TimerFdDriver, AStartThatFailsIsToldAndNeverFires) {
    TimerFdDriver driver;
    ASSERT_TRUE(driver.Failure().empty());
    std::string told;
    driver.OnFailure([&told](const std::string& why) { told = why; });
    int events = 0;
    // The kernel refuses a negative period, as it would any arm that fails.
    driver.Start(-1ms, [&events] { ++events; });
    EXPECT_EQ(told, "timerfd_settime: Invalid argument");
    SpinFor(20);
    EXPECT_EQ(events, 0);

    driver.Start(1ms, [&events] { ++events; });
    EXPECT_TRUE(SpinUntil([&] { return events >= 2; })) << "a later start still works";
    driver.Stop();
}

TEST(TimerFdDriver, WithoutAFileDescriptorItSaysWhyInsteadOfThrowing) {
    test::NoFreeDescriptors noneFree;
    {
        TimerFdDriver driver;
        EXPECT_EQ(driver.Failure().rfind("timerfd_create: ", 0), 0u) << driver.Failure();
        std::string told;
        driver.OnFailure([&told](const std::string& why) { told = why; });
        driver.Start(1ms, [] {});
        EXPECT_EQ(told, driver.Failure());
        driver.Stop();
    }
}

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
