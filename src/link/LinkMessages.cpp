#include "link/LinkMessages.h"

#include <cstdio>

namespace orbelle {

std::string shortReadText(int count) { return "Only read " + std::to_string(count) + " bytes"; }

std::string noUsbBaseUnitText(std::uint16_t vendorId, std::uint16_t productId) {
  char ids[16];
  std::snprintf(ids, sizeof ids, "%04x:%04x", vendorId, productId);
  return std::string("No USB base unit (") + ids + ") could be opened";
}

std::string inUseByText(std::int64_t pid) {
  return "it is in use by another program (PID " + std::to_string(pid) + ")";
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

}  // namespace orbelle
