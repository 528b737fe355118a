#include <gtest/gtest.h>

#include "support/FakeTransports.h"
#include "upgrade/UpgradeLinkHost.h"

namespace orbelle::testing {
namespace {

// The window and the tool fill in the operator side; the link side is what is tested here.
class LinkOnlyHost : public UpgradeLinkHost {
 public:
  using UpgradeLinkHost::UpgradeLinkHost;
  void startPause(PauseKind, int) override {}
  void setUpgradeEnabled(bool) override {}
  void setProgress(int) override {}
  void showMessage(std::string_view, std::string_view, MessageIcon) override {}
};

TEST(UpgradeLinkHost, SerialStepsReachThePortWhateverTheActiveLink) {
  LinkState link;
  link.protocol = LinkProtocol::Usb;
  link.port = 2;
  link.baudrate = 38400;
  FakeHid hid;
  FakeSerial serial;
  const LinkEndpoints links{&hid, &serial, {}};
  LinkOnlyHost host(link, links);

  link.txFrame[2] = 0x42;
  host.sendFrame(CommandCode::BaseUpgradeBlock);
  ASSERT_EQ(hid.sent.size(), 1U);
  EXPECT_EQ(hid.sent[0][1], 0x55);
  EXPECT_EQ(hid.sent[0][2], 0x42);
  EXPECT_TRUE(serial.sent.empty());

  serial.isOpen = true;
  host.setLineSettings("9600,n,8,1");
  host.discardInput();
  host.reopenSerial();
  EXPECT_EQ(serial.calls,
            (std::vector<std::string>{"settings 9600,n,8,1", "discard", "close", "open 2 38400"}));
  EXPECT_TRUE(link.serialOpen);

  serial.refusal = "no such port";
  EXPECT_THROW(host.reopenSerial(), LinkError);
  EXPECT_FALSE(link.serialOpen);
}

}  // namespace
}  // namespace orbelle::testing
