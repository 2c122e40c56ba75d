#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FakeClock.h"
#include "input/OpenInputSink.h"
#include "input/UinputSink.h"

namespace qv {
namespace {

size_t OpenFiles() {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                             std::filesystem::directory_iterator()));
}

TEST(UinputSink, AMissingNodeFailsCleanlyNamingTheCause) {
    test::FakeClock clock;
    std::string whyNot;
    EXPECT_EQ(UinputSink::Create("/nonexistent/uinput", clock, whyNot), nullptr);
    EXPECT_EQ(whyNot, "/nonexistent/uinput: No such file or directory");

    if (std::filesystem::exists("/dev/uinput")) {
        return;
    }
    whyNot.clear();
    EXPECT_EQ(UinputSink::Create("/dev/uinput", clock, whyNot), nullptr);
    EXPECT_EQ(whyNot, "/dev/uinput: No such file or directory");
}

TEST(UinputSink, ANodeThatIsNotUinputFailsWithoutLeakingItsFile) {
    const size_t before = OpenFiles();
    test::FakeClock clock;
    std::string whyNot;
    EXPECT_EQ(UinputSink::Create("/dev/null", clock, whyNot), nullptr);
    EXPECT_EQ(whyNot, "/dev/null: Inappropriate ioctl for device");
    EXPECT_EQ(OpenFiles(), before);
}

TEST(OpenInputSink, WithNoBackendItNamesBothCausesAndTheMend) {
    test::FakeClock clock;
    std::string whyNot;
    EXPECT_EQ(OpenInputSink("/nonexistent/uinput", nullptr, clock, whyNot), nullptr);
    EXPECT_EQ(whyNot,
              "Quorvane can't send keyboard and mouse input: /nonexistent/uinput: No such file or "
              "directory; no X display could be opened (DISPLAY is not set). To allow it, install "
              "the rules file " QV_UDEV_RULES_FILE
              " (cmake --install puts it there), then "
              "reload the rules as root: udevadm control --reload-rules && udevadm trigger");

    whyNot.clear();
    EXPECT_EQ(OpenInputSink("/nonexistent/uinput", ":4093", clock, whyNot), nullptr);
    EXPECT_NE(whyNot.find("no X display could be opened at \":4093\""), std::string::npos)
        << whyNot;
}

}  // namespace
}  // namespace qv
