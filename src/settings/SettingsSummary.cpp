#include "settings/SettingsSummary.h"

#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

std::string nationSentence(std::uint8_t nation, bool hopping) {
  const std::size_t index = nation < kNationNames.size() ? nation : 0;
  return "The nation is " + std::string(kNationNames[index]) + ", frequency hopping is " +
         (hopping ? "enable." : "disable.");
}

}  // namespace

std::string buildSettingsSummary(const BaseSettings& settings) {
  std::string readers;
  int count = 0;
  for (int id = 1; id <= 16; ++id) {
    if (isIdRegistered(settings.associatedIds, id)) {
      ++count;
      readers += std::to_string(id) + ',';
    }
  }
  std::string text = nationSentence(settings.nation, settings.hopping) + "Now there are " +
                     std::to_string(count) + " Barcode readers registered at this base.\r\n" +
                     "They are Reader " + readers;
  // Drops the comma after the last reader, or the blank after "Reader" when there is none.
  text.pop_back();
  text += "!";
  text += "\r\n\r\nChannel  " + std::to_string(static_cast<unsigned>(settings.channel)) +
          " is used to communicate.";
  text += "\r\nThe Base RF output power is " + std::to_string(static_cast<int>(settings.powerDbm)) +
          "dBm!";
  return text;
}

}  // namespace orbelle
