#include "upgrade/UpgradeLinkHost.h"

namespace orbelle {

void UpgradeLinkHost::sendFrame(CommandCode code) { SendFrame(link_, links_, code); }

void UpgradeLinkHost::setLineSettings(std::string_view settings) {
  if (links_.serial != nullptr) {
    links_.serial->setLineSettings(settings);
  }
}

void UpgradeLinkHost::discardInput() {
  if (links_.serial != nullptr) {
    links_.serial->discardInput();
  }
}

void UpgradeLinkHost::reopenSerial() {
  if (links_.serial == nullptr) {
    return;
  }
  link_.serialOpen = false;
  if (links_.serial->portOpen()) {
    links_.serial->close();
  }
  links_.serial->open(link_.port, link_.baudrate);  // a refusal throws past here
  link_.serialOpen = links_.serial->portOpen();
}

}  // namespace orbelle
