#include "link/LinkMessages.h"

#include <cstdio>

namespace orbelle {

namespace {

std::string comName(std::int32_t comNumber, std::string_view device) {
  std::string text = "COM" + std::to_string(comNumber);
  text.append(" (").append(device).append(")");
  return text;
}

}  // namespace

std::string shortReadText(int count) { return "Only read " + std::to_string(count) + " bytes"; }

std::string noUsbBaseUnitText(std::uint16_t vendorId, std::uint16_t productId) {
  char ids[16];
  std::snprintf(ids, sizeof ids, "%04x:%04x", vendorId, productId);
  return std::string("No USB base unit (") + ids + ") could be opened";
}

std::string hidOpenRefusedText(std::string_view device, std::string_view why) {
  std::string text = "cannot open ";
  text.append(device).append(": ").append(why);
  return text;
}

std::string serialOpenRefusedText(std::int32_t comNumber, std::string_view device,
                                  std::string_view portText) {
  return "Failed to open " + comName(comNumber, device) + ": " + std::string(portText);
}

std::string serialNotOpenText(std::int32_t comNumber, std::string_view device) {
  return comName(comNumber, device) + " did not open";
}

std::string serialPortLostText(std::int32_t comNumber, std::string_view device,
                               std::string_view portText) {
  return comName(comNumber, device) + " hung up or went away: " + std::string(portText);
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
