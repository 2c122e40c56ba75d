#include <gtest/gtest.h>

#include "device/HidapiPlatform.h"

namespace qv {
namespace {

TEST(HidapiPlatform, AnInterfaceThatCannotBeOpenedGivesNoDevice) {
    HidapiPlatform platform;
    for (const std::string& path : platform.Interfaces()) {
        EXPECT_FALSE(path.empty());
    }
    EXPECT_EQ(platform.Open("/dev/hidraw-that-is-not-there"), nullptr);
}

}  // namespace
}  // namespace qv
