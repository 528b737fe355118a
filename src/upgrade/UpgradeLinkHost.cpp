#include "upgrade/UpgradeLinkHost.h"

namespace orbelle {

void UpgradeLinkHost::sendFrame(CommandCode code) { SendFrame(link_, links_, code); }

void UpgradeLinkHost::setLineSettings(std::string_view settings) {
  SetSerialLineSettings(links_, settings);
}

void UpgradeLinkHost::discardInput() { DiscardSerialInput(links_); }

void UpgradeLinkHost::reopenSerial() { ReopenSerial(link_, links_); }

}  // namespace orbelle
