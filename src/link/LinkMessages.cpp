#include "link/LinkMessages.h"

#include <cstdio>

namespace orbelle {

std::string shortReadText(int count) { return "Only read " + std::to_string(count) + " bytes"; }

std::string noUsbBaseUnitText(std::uint16_t vendorId, std::uint16_t productId) {
  char ids[16];
  std::snprintf(ids, sizeof ids, "%04x:%04x", vendorId, productId);
  return std::string("No USB base unit (") + ids + ") could be opened";
}

std::string inUseByText(std::optional<std::int64_t> pid) {
  std::string text = "it is in use by another program";
  if (pid) {
    text += " (PID " + std::to_string(*pid) + ")";
  }
  return text;
}

std::string lockUnavailableText(std::string_view lockPath, std::string_view why) {
  std::string text = "its lock file ";
  text.append(lockPath).append(" cannot be used: ").append(why);
  return text;
}

std::string hidrawAccessHint(std::string_view manualPage) {
  std::string text =
      "check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit "
      "\"uaccess\") and that you are logged in at this computer's seat, in its active session: "
      "uaccess opens the device only to that user, not to a remote login or a session switched "
      "away from; then plug the base unit in again (man ";
  text.append(manualPage).append(", \"DEVICE ACCESS\")");
  return text;
}

std::string comVariableRefusedText(std::int32_t comNumber, std::string_view why) {
  const std::string com = "COM" + std::to_string(comNumber);
  std::string text = "VKR_" + com + " cannot be used for " + com + ": ";
  text.append(why).append(
      "; set it to the device's full path, for example /dev/ttyUSB0, or unset it");
  return text;
}

std::string hidOpenRefusedText(std::string_view device, std::string_view why) {
  std::string text = "cannot open ";
  text.append(device).append(": ").append(why);
  return text;
}

std::string comPortName(std::int32_t comNumber, std::string_view device) {
  std::string text = "COM" + std::to_string(comNumber);
  text.append(" (").append(device).append(")");
  return text;
}

std::string serialOpenRefusedText(std::string_view portName, std::string_view portText) {
  std::string text = "Failed to open ";
  text.append(portName).append(": ").append(portText);
  return text;
}

std::string serialNotOpenText(std::string_view portName) {
  return std::string(portName) + " did not open";
}

std::string serialPortLostText(std::string_view portName) {
  return std::string(portName) + " hung up or went away";
}

std::string lineSettingsRefusedText(std::string_view settings, std::string_view device,
                                    std::string_view portText) {
  std::string text = "Cannot set ";
  text.append(settings).append(" on ").append(device).append(": ").append(portText);
  return text;
}

std::string unknownLineSettingsText(std::string_view settings) {
  std::string text = "Unknown serial line settings \"";
  text.append(settings).append("\"");
  return text;
}

std::string remotePortLostText(std::string_view portName, std::string_view why) {
  std::string text("the connection to ");
  text.append(portName).append(" was lost: ").append(why);
  return text;
}

std::string remoteLineModuleFailedText(std::string_view modulePath, std::string_view why) {
  std::string text("remote serial ports need ");
  text.append(modulePath).append(", which cannot be loaded: ").append(why);
  return text;
}

}  // namespace orbelle
