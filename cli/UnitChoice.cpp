#include "UnitChoice.h"

#include <algorithm>

#include "CliError.h"
#include "GlobalOptions.h"
#include "link/HidLink.h"

namespace orbelle::cli {

namespace {

std::string nameOf(const HidCandidate& unit, const std::vector<HidCandidate>& all) {
  const auto sharing = std::count_if(all.begin(), all.end(), [&unit](const HidCandidate& other) {
    return other.serial == unit.serial;
  });
  return unit.serial.empty() || sharing > 1 ? unit.path : unit.serial;
}

UnitTarget usbTarget(const HidCandidate& unit, const std::vector<HidCandidate>& all) {
  return {UnitTarget::Kind::Usb, unit.path, nameOf(unit, all)};
}

bool looksLikeSerialDevice(const std::string& id) {
  return id.find("://") != std::string::npos || id.rfind('/', 0) == 0;
}

UnitTarget targetFor(const std::string& id, const std::vector<HidCandidate>& units) {
  const auto byPath = std::find_if(units.begin(), units.end(),
                                   [&id](const HidCandidate& unit) { return unit.path == id; });
  if (byPath != units.end()) {
    return usbTarget(*byPath, units);
  }
  std::vector<const HidCandidate*> bySerial;
  for (const HidCandidate& unit : units) {
    if (!unit.serial.empty() && unit.serial == id) {
      bySerial.push_back(&unit);
    }
  }
  if (bySerial.size() > 1) {
    throw CliError(kBadUsage, "--unit " + id + ": " + std::to_string(bySerial.size()) +
                                  " USB units have that serial number; name each by its path "
                                  "(see vkr devices)");
  }
  if (bySerial.size() == 1) {
    return usbTarget(*bySerial.front(), units);
  }
  if (looksLikeSerialDevice(id)) {
    return {UnitTarget::Kind::Serial, id, id};
  }
  return {UnitTarget::Kind::Usb, id, id};  // not attached: its opening says so
}

}  // namespace

std::vector<UnitTarget> chooseUnits(const GlobalOptions& options) {
  if (options.units.empty() && !options.allUnits) {
    return {};
  }
  const std::vector<HidCandidate> units = listBaseUnits();
  std::vector<UnitTarget> chosen;
  const auto add = [&chosen](UnitTarget target) {
    if (std::find(chosen.begin(), chosen.end(), target) == chosen.end()) {
      chosen.push_back(std::move(target));
    }
  };
  for (const std::string& id : options.units) {
    add(targetFor(id, units));
  }
  if (options.allUnits) {
    for (const HidCandidate& unit : units) {
      add(usbTarget(unit, units));
    }
  }
  return chosen;
}

}  // namespace orbelle::cli
