#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "device/ReportLayout.h"

namespace qv {
namespace {

using Bytes = std::vector<uint8_t>;

// Report 1: three 10-bit axes and two pad bits, twelve buttons, three shift bits, a further
// button, a 2-bit switch, two pad bits: six data bytes. Report 2: two feature bytes.
const Bytes kNumberedStick{
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01,  // Generic Desktop, Joystick, Application
    0x85, 0x01,                          // Report ID 1
    0x09, 0x30, 0x09, 0x31, 0x09, 0x35,  // X, Y, Rz
    0x75, 0x0A, 0x95, 0x03, 0x81, 0x02,  // 3 x 10 bits, Input
    0x75, 0x02, 0x95, 0x01, 0x81, 0x01,  // 2 pad bits
    0x75, 0x01, 0x95, 0x10, 0x81, 0x02,  // 16 bits of buttons, shifts and the switch
    0x85, 0x02,                          // Report ID 2
    0x75, 0x08, 0x95, 0x02, 0xB1, 0x02,  // 2 bytes, Feature
    0xC0};

TEST(ReportLayout, NumberedReportsAndTheLongestInputReport) {
    const ReportLayout layout = ReadReportLayout(kNumberedStick);
    EXPECT_TRUE(layout.numbered);
    EXPECT_EQ(layout.inputReportLength, 7u);

    // A longer input report under another ID decides the length; features don't count.
    Bytes twoInputs = kNumberedStick;
    twoInputs.insert(twoInputs.end() - 1, {0x85, 0x03, 0x75, 0x08, 0x95, 0x09, 0x81, 0x02});
    EXPECT_EQ(ReadReportLayout(twoInputs).inputReportLength, 10u);
}

TEST(ReportLayout, AnIdByteInsideAnotherItemIsNoReportId) {
    // Usage 0x85 and a two-byte logical maximum of 0x0085 carry the byte without being IDs.
    const Bytes unnumbered{0x05, 0x01, 0x09, 0x85, 0xA1, 0x01, 0x26, 0x85,
                           0x00, 0x75, 0x08, 0x95, 0x06, 0x81, 0x02, 0xC0};
    const ReportLayout layout = ReadReportLayout(unnumbered);
    EXPECT_FALSE(layout.numbered);
    EXPECT_EQ(layout.inputReportLength, 7u);
}

TEST(ReportLayout, PushPopAndLongItemsAreFollowed) {
    const Bytes descriptor{
        0x75, 0x08, 0x95, 0x02,              // 2 x 8 bits
        0xA4,                                // Push
        0x75, 0x10, 0x95, 0x04, 0x81, 0x02,  // 4 x 16 bits
        0xB4,                                // Pop: back to 2 x 8 bits
        0x81, 0x02,                          // 2 more bytes
        0xFE, 0x02, 0x00, 0x85, 0x01,        // a long item whose data looks like a Report ID
        0xC0};
    const ReportLayout layout = ReadReportLayout(descriptor);
    EXPECT_FALSE(layout.numbered);
    EXPECT_EQ(layout.inputReportLength, 1u + 8u + 2u);
}

TEST(ReportLayout, UnreadableOrBrokenDescriptorsStaySafe) {
    const ReportLayout unread = ReadReportLayout({});
    EXPECT_TRUE(unread.numbered);
    EXPECT_EQ(unread.inputReportLength, kFallbackInputReportLength);

    // An item cut off at the end is not read past the descriptor.
    const Bytes cut{0x85, 0x01, 0x75, 0x08, 0x95, 0x06, 0x81, 0x02, 0x27, 0xFF};
    EXPECT_EQ(ReadReportLayout(cut).inputReportLength, 7u);

    // Absurd sizes don't turn into an absurd read buffer.
    const Bytes huge{0x77, 0xFF, 0xFF, 0xFF, 0x7F, 0x97, 0xFF, 0xFF, 0xFF, 0x7F, 0x81, 0x02};
    EXPECT_LE(ReadReportLayout(huge).inputReportLength, 16384u);
}

TEST(ReportLayout, DescriptorPathOfAHidrawNode) {
    EXPECT_EQ(ReportDescriptorPath("/dev/hidraw3"),
              "/sys/class/hidraw/hidraw3/device/report_descriptor");
}

TEST(ReadWithReportId, UnnumberedReportsGetAZeroIdInFront) {
    const Bytes data{0x11, 0x22, 0x33};
    auto deliver = [&](std::span<uint8_t> into) {
        std::copy(data.begin(), data.end(), into.begin());
        return static_cast<int>(data.size());
    };

    std::array<uint8_t, 8> buffer{};
    buffer.fill(0xEE);
    EXPECT_EQ(ReadWithReportId(false, buffer, deliver), 4);
    EXPECT_THAT(buffer, ::testing::ElementsAre(0, 0x11, 0x22, 0x33, 0xEE, 0xEE, 0xEE, 0xEE));

    buffer.fill(0xEE);
    EXPECT_EQ(ReadWithReportId(true, buffer, deliver), 3);
    EXPECT_THAT(buffer, ::testing::ElementsAre(0x11, 0x22, 0x33, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE));

    // Nothing waiting, or a device gone, leaves the buffer as it was.
    buffer.fill(0xEE);
    EXPECT_EQ(ReadWithReportId(false, buffer, [](std::span<uint8_t>) { return 0; }), 0);
    EXPECT_EQ(ReadWithReportId(false, buffer, [](std::span<uint8_t>) { return -1; }), -1);
    EXPECT_THAT(buffer, ::testing::Each(0xEE));
}

}  // namespace
}  // namespace qv
