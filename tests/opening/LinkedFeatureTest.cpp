#include <gtest/gtest.h>

#include "opening/LinkedFeature.h"
#include "support/FakeTransports.h"

namespace orbelle::testing {
namespace {

using Calls = std::vector<std::string>;

struct LinkedFeatureFixture : ::testing::Test {
  FakeHid hid;
  FakeSerial serial;
  LinkChoice prefs{LinkProtocol::Usb, 3, 57600};
  FrameChannel link{prefs};

  LinkedFeatureFixture() { link.setTransports(&hid, &serial); }

  LinkedFeatureResult run(FeatureWindow feature) { return runLinkedFeature(feature, link); }
  FeatureWindow active() { return link.dispatcher().activeFeature(); }
};

TEST_F(LinkedFeatureFixture, UsbResetsThenOpensAndSaysWhenNoUnitAnswers) {
  hid.held = true;  // left over from an earlier command
  EXPECT_EQ(run(FeatureWindow::SetBaseUnit).outcome, LinkedFeatureOutcome::Open);
  EXPECT_EQ(hid.calls, (Calls{"close", "open"}));
  EXPECT_EQ(active(), FeatureWindow::SetBaseUnit);
  EXPECT_FALSE(run(FeatureWindow::SetBaseUnit).message());

  hid.present = false;
  const LinkedFeatureResult missing = run(FeatureWindow::UpgradeHandheldUnit);
  EXPECT_EQ(missing.outcome, LinkedFeatureOutcome::NotUsable);
  EXPECT_EQ(active(), FeatureWindow::UpgradeHandheldUnit);
  EXPECT_EQ(missing.message(),
            (OperatorMessage{"VKR - Software Problem/Communication Message",
                             "Cannot communicate with the base unit!", MessageIcon::Error}));
  EXPECT_FALSE(missing.refusal);

  // A unit found but refused is the same box, with the cause kept for the line after it.
  hid.present = true;
  hid.refusal = LinkRefusal{LinkFailure::PermissionDenied, "/dev/hidraw3", "Permission denied"};
  const LinkedFeatureResult refused = run(FeatureWindow::SetBaseUnit);
  EXPECT_EQ(refused.outcome, LinkedFeatureOutcome::NotUsable);
  ASSERT_TRUE(refused.refusal);
  EXPECT_EQ(std::tie(refused.refusal->reason, refused.refusal->device),
            std::tuple(LinkFailure::PermissionDenied, "/dev/hidraw3"));
  EXPECT_EQ(refused.message(), missing.message());
  hid.refusal.reset();

  // With no protocol chosen the reset still runs and nothing is opened; what each command then
  // says is walked by the main window's test.
  prefs.protocol = LinkProtocol::None;
  hid.calls.clear();
  EXPECT_EQ(run(FeatureWindow::UpgradeBaseUnit).outcome, LinkedFeatureOutcome::NoProtocol);
  EXPECT_EQ(hid.calls, (Calls{"close"}));
  EXPECT_TRUE(serial.calls.empty());
}

TEST_F(LinkedFeatureFixture, SerialTakesTheChosenPortAndShowsOnlyItsOwnRefusal) {
  prefs.protocol = LinkProtocol::Rs232;
  EXPECT_EQ(run(FeatureWindow::UpgradeBaseUnit).outcome, LinkedFeatureOutcome::Open);
  EXPECT_EQ(serial.calls, (Calls{"open 3 57600"}));
  EXPECT_TRUE(link.serialOpen());

  serial.opens = false;
  EXPECT_EQ(run(FeatureWindow::UpgradeBaseUnit).message()->text,
            "Cannot communicate with the base unit!");

  serial.refusal = "Failed to open COM3 (/dev/nowhere): No such file or directory";
  const LinkedFeatureResult refused = run(FeatureWindow::SetBaseUnit);
  EXPECT_EQ(refused.outcome, LinkedFeatureOutcome::Refused);
  EXPECT_FALSE(link.serialOpen());
  EXPECT_EQ(refused.message()->text, serial.refusal);
  EXPECT_EQ(refused.message()->icon, MessageIcon::Error);
}

TEST_F(LinkedFeatureFixture, CheckOpensWithoutResetAndSerialShowsTheRefusalFirst) {
  const LinkCheckResult found = checkChosenLink(link);
  EXPECT_EQ(found.outcome, LinkCheckOutcome::Usable);
  EXPECT_EQ(hid.calls, (Calls{"open", "stop"}));
  EXPECT_TRUE(hid.held) << "the device stays held, only receiving stops";
  EXPECT_TRUE(found.messages().empty());

  hid.present = false;
  const LinkCheckResult missing = checkChosenLink(link);
  ASSERT_EQ(missing.messages().size(), 1U);
  EXPECT_EQ(missing.messages()[0],
            (OperatorMessage{"VKR - Hardware Problem/Communication Message",
                             "Please ensure the base unit is well connected to PC, and is in "
                             "setting mode.  ",
                             MessageIcon::Error}));

  // Over serial; that a refusal is told before the check's own message is walked by the Set
  // Protocol window's test.
  prefs.protocol = LinkProtocol::Rs232;
  serial.opens = false;
  EXPECT_EQ(checkChosenLink(link).messages()[0].text, "Cannot open COM port!");
  serial.opens = true;
  EXPECT_EQ(checkChosenLink(link).outcome, LinkCheckOutcome::Usable);
  serial.refusal = "Permission denied";
  checkChosenLink(link);
  EXPECT_FALSE(link.serialOpen()) << "a refused port is left closed";

  prefs.protocol = LinkProtocol::None;
  serial.calls.clear();
  EXPECT_EQ(checkChosenLink(link).outcome, LinkCheckOutcome::NoProtocol);
  EXPECT_TRUE(serial.calls.empty());
}

}  // namespace
}  // namespace orbelle::testing
