#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "ScriptedHid.h"
#include "device/DeviceLink.h"

namespace qv {
namespace {

using test::Bytes;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Report = std::array<uint8_t, 8>;

TEST(FindTheHid, KeepsTheFirstControllerAndClosesWhatItTriedBefore) {
    test::ScriptedHid hid;
    hid.Add("/dev/keyboard", HidIds{0x046D, 0xC31C}).refusesOpen = true;
    hid.Add("/dev/other-product", HidIds{kControllerVendor, 0x0034});
    hid.Add("/dev/other-vendor", HidIds{0x045D, kControllerProduct});
    hid.Add("/dev/no-ids", std::nullopt);
    hid.AddController("/dev/first");
    hid.AddController("/dev/second");

    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());
    EXPECT_EQ(hid.StillOpen(), 1);
    EXPECT_THAT(hid.openAttempts, ElementsAre("/dev/keyboard", "/dev/other-product",
                                              "/dev/other-vendor", "/dev/no-ids", "/dev/first"));
    EXPECT_EQ(hid.opened, 4);
    EXPECT_EQ(hid.closed, 3);

    link.SendFeatureReport(2, 0x10, 0x10);
    ASSERT_EQ(hid.featureReports.size(), 1u);
    EXPECT_EQ(hid.featureReports[0].path, "/dev/first");
    EXPECT_EQ(hid.featureReports[0].bytes, (Bytes{2, 0x10, 0x10}));

    link.CloseDevice();
    EXPECT_EQ(hid.StillOpen(), 0);
    EXPECT_EQ(hid.closed, 4);
}

TEST(FindTheHid, WithoutAControllerLeavesNothingOpen) {
    test::ScriptedHid hid;
    hid.Add("/dev/refuses", test::kControllerIds).refusesOpen = true;
    hid.Add("/dev/mouse", HidIds{0x046D, 0xC077});
    hid.Add("/dev/no-ids", std::nullopt);

    DeviceLink link(hid);
    EXPECT_FALSE(link.FindTheHid());
    EXPECT_EQ(hid.StillOpen(), 0);
    EXPECT_EQ(hid.openAttempts.size(), 3u);
    EXPECT_EQ(hid.opened, 2);
    EXPECT_EQ(hid.closed, 2);

    // Nothing to talk to: reports and reads go nowhere and the buffer stays empty.
    link.SendFeatureReport(1, 0x55, 0x15);
    link.ReadDeviceReport();
    EXPECT_TRUE(hid.featureReports.empty());
    EXPECT_EQ(link.ReportBuffer(), Report{});

    test::ScriptedHid empty;
    DeviceLink none(empty);
    EXPECT_FALSE(none.FindTheHid());
    EXPECT_EQ(empty.opened, 0);
}

TEST(FindTheHid, TellsAControllerTheUserMayNotOpenFromNone) {
    test::ScriptedHid hid;
    test::ScriptedInterface& keyboard = hid.Add("/dev/hidraw0", HidIds{0x046D, 0xC31C});
    keyboard.refusesOpen = keyboard.denied = true;
    hid.AddController("/dev/hidraw1").refusesOpen = true;
    DeviceLink link(hid);
    EXPECT_FALSE(link.FindTheHid());
    EXPECT_EQ(link.DeniedPath(), "") << "neither is a controller the user may not open";

    test::ScriptedInterface& controller = hid.AddController("/dev/hidraw2");
    controller.refusesOpen = controller.denied = true;
    EXPECT_FALSE(link.FindTheHid());
    EXPECT_EQ(link.DeniedPath(), "/dev/hidraw2");
    EXPECT_EQ(hid.opened, 0);

    hid.AddController("/dev/hidraw3");
    EXPECT_TRUE(link.FindTheHid()) << "a second controller that opens is used";
}

TEST(ReadDeviceReport, KeepsTheLastReportUntilANewOneArrives) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), Report{});
    controller.waiting = {{1, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16}};
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0}));
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0}));
}

TEST(ReadDeviceReport, TakesEveryWaitingReportAndKeepsTheNewest) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    // A button pressed and let go again behind a backlog: the release is what counts now.
    controller.waiting = {{1, 0, 0, 0, 0, 0x00, 0x10},
                          {1, 0, 0, 0, 0, 0x01, 0x10},
                          {1, 0, 0, 0, 0, 0x00, 0x10},
                          {1, 0x21, 0x22, 0x23, 0x24, 0x00, 0x10}};
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 0x21, 0x22, 0x23, 0x24, 0, 0x10, 0}));
    EXPECT_TRUE(controller.waiting.empty());
    EXPECT_EQ(controller.reads, 5) << "four reports, then the read that found none";

    // A short report behind a long one leaves nothing of the long one in the buffer.
    controller.waiting = {{1, 9, 9, 9, 9, 9, 9}, {1, 0x31}};
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 0x31, 0, 0, 0, 0, 0, 0}));
}

TEST(ReadDeviceReport, AnEndlessStreamCannotHoldTheTick) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    for (int i = 0; i < kMostReportsPerRead + 10; ++i) {
        controller.waiting.push_back({1, static_cast<uint8_t>(i)});
    }
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    link.ReadDeviceReport();
    EXPECT_EQ(controller.reads, kMostReportsPerRead);
    EXPECT_EQ(link.ReportBuffer()[1], kMostReportsPerRead - 1);
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer()[1], kMostReportsPerRead + 9);
}

TEST(ReadDeviceReport, TakesWholeReportsOfAnyLengthButKeepsOnlyEightBytes) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    controller.inputReportLength = 64;
    Bytes longReport(64);
    for (std::size_t i = 0; i < longReport.size(); ++i) {
        longReport[i] = static_cast<uint8_t>(0xA0 + i);
    }
    controller.waiting = {longReport};
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    link.ReadDeviceReport();
    EXPECT_GE(controller.lastReadSize, 64u);
    EXPECT_THAT(link.ReportBuffer(), ElementsAreArray(longReport.begin(), longReport.begin() + 8));
}

TEST(ReadDeviceReport, ReadsAnEightByteReportWhenTheDeviceDeclaresLess) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    controller.inputReportLength = 0;
    controller.waiting = {{1, 2, 3, 4, 5, 6, 7, 8}};
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    link.ReadDeviceReport();
    EXPECT_EQ(controller.lastReadSize, 8u);
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ReadDeviceReport, ADeviceThatHasGoneReadsAsAllReleased) {
    test::ScriptedHid hid;
    test::ScriptedInterface& controller = hid.AddController();
    controller.waiting = {{1, 0xFF, 0x03, 0x00, 0x00, 0x3F, 0x1F}};
    DeviceLink link(hid);
    ASSERT_TRUE(link.FindTheHid());

    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), (Report{1, 0xFF, 0x03, 0x00, 0x00, 0x3F, 0x1F, 0}));
    controller.gone = true;
    controller.waiting = {{1, 9, 9, 9, 9, 9, 9}};
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), Report{});
    link.ReadDeviceReport();
    EXPECT_EQ(link.ReportBuffer(), Report{});

    // No reconnection: the link searches once and opens once.
    EXPECT_EQ(hid.enumerations, 1);
    EXPECT_EQ(hid.opened, 1);
    EXPECT_EQ(hid.StillOpen(), 1);
}

}  // namespace
}  // namespace qv
