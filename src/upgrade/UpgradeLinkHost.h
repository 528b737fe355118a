#pragma once

#include "protocol/LinkSteps.h"
#include "upgrade/UpgradeHost.h"

namespace orbelle {

// The link half of an upgrade host, shared by the window and the command-line tool: frames and
// serial steps go through the link steps, so tracing sees them, and the serial steps reach the
// serial link even when USB is the active link. The window or tool supplies the rest.
class UpgradeLinkHost : public UpgradeHost {
 public:
  UpgradeLinkHost(LinkState& link, const LinkEndpoints& links) : link_(link), links_(links) {}

  void sendFrame(CommandCode code) override;
  void setLineSettings(std::string_view settings) override;
  void discardInput() override;
  void reopenSerial() override;

 protected:
  LinkState& link() { return link_; }
  const LinkEndpoints& links() const { return links_; }

 private:
  LinkState& link_;
  const LinkEndpoints& links_;
};

}  // namespace orbelle
