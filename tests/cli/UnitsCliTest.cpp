#include <unistd.h>

#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ExitChecks.h"
#include "harness/Simulator.h"
#include "link/DeviceLock.h"

namespace orbelle::testing {
namespace {

// Every line of a --json run, parsed.
std::vector<nlohmann::json> objectsOf(const ProcessResult& result) {
  std::vector<nlohmann::json> objects;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    objects.push_back(nlohmann::json::parse(line));
  }
  return objects;
}

// Four USB units, UNIT1 to UNIT4, each its own simulator keeping the images it receives; UNIT3
// goes away in the middle of an upgrade.
class FourUsbUnits : public ::testing::Test {
 protected:
  FourUsbUnits() {
    for (int n = 1; n <= 4; ++n) {
      std::vector<std::string> args = {"--serial-number", "UNIT" + std::to_string(n),
                                       "--save-images",
                                       (dir_ / ("kept" + std::to_string(n))).string()};
      if (n == 3) {
        args.insert(args.end(), {"--fault", "vanish-after=20"});
      }
      sims_.push_back(std::make_unique<Simulator>(SimLink::Usb, args));
      sockets_ += (n == 1 ? "" : ":") + sims_.back()->device();
    }
  }

  ProcessResult vkr(const std::vector<std::string>& args) const {
    return runProcess(VKR_PATH, args,
                      {{"XDG_CONFIG_HOME", dir_.path().string()},
                       {"XDG_STATE_HOME", dir_.path().string()},
                       {"LD_PRELOAD", VKR_HIDSIM_LIB},
                       {"VKR_HIDSIM_SOCKET", sockets_}});
  }

  TempDir dir_;
  std::vector<std::unique_ptr<Simulator>> sims_;
  std::string sockets_;
};

TEST_F(FourUsbUnits, EachIsListedChosenAloneOrAllAtOnceAndOneThatVanishesIsNamed) {
  {
    // Another program holds UNIT1: the windows would take UNIT2.
    const auto held = DeviceLock::tryTake(sims_[0]->device());
    ASSERT_EQ(held.outcome, DeviceLock::Outcome::Taken);
    const nlohmann::json usb = parsed(vkr({"devices", "--json"}))["usb"];
    ASSERT_EQ(usb.size(), 4U) << usb;
    for (int n = 0; n < 4; ++n) {
      EXPECT_EQ(usb[n]["serial"], "UNIT" + std::to_string(n + 1)) << usb;
      EXPECT_EQ(usb[n]["path"], sims_[n]->device());
      EXPECT_EQ(usb[n]["default"], n == 1) << usb;
      EXPECT_EQ(usb[n]["in_use_by"], n == 0 ? nlohmann::json(::getpid()) : nlohmann::json()) << usb;
    }
  }

  // One unit, by its serial number: its objects name it, and no table follows.
  const auto set =
      objectsOf(vkr({"--unit", "UNIT2", "--json", "settings", "set", "--channel", "3"}));
  ASSERT_EQ(set.size(), 1U);
  EXPECT_EQ(set[0]["device"], "UNIT2");
  // All four, by path and --all-units at once, each named once: only UNIT2 changed.
  const auto read =
      vkr({"--unit", sims_[3]->device(), "--all-units", "--json", "settings", "read"});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  std::map<std::string, int> channels;
  for (const auto& object : objectsOf(read)) {
    if (!object["device"].is_null()) {
      channels[object["device"]] = object["channel"];
    }
  }
  EXPECT_EQ(channels,
            (std::map<std::string, int>{{"UNIT1", 6}, {"UNIT2", 3}, {"UNIT3", 6}, {"UNIT4", 6}}));
  const nlohmann::json table = objectsOf(read).back();
  EXPECT_EQ(table["exit_code"], 0);
  EXPECT_EQ(table["units"][0]["device"], "UNIT4") << "in the order named";

  // A settings file goes to each unit: UNIT2's channel to the others, UNIT2 left as it is.
  const std::string file = (dir_ / "unit2.json").string();
  expectExit(vkr({"--unit", "UNIT2", "settings", "save", file}), 0, {});
  const auto applied = vkr({"--all-units", "settings", "apply", file});
  expectExit(applied, 0, {});
  EXPECT_EQ(countOf(applied.out, ": channel: 6 -> 3\n"), 3U) << applied.out;
  EXPECT_NE(applied.out.find("UNIT2: nothing to change\n"), std::string::npos) << applied.out;

  // Every unit upgraded at once: UNIT3 vanishes, the others get the image byte for byte.
  const std::string image = imageBytes(3000);
  writeFile(dir_ / "image.dat", image);
  const auto upgrade = vkr(
      {"--all-units", "upgrade", "base", (dir_ / "image.dat").string(), "--pause-scale", "0.01"});
  expectExit(upgrade, 3,
             {"UNIT3: vkr: Cannot communicate with the base unit. The link broke",
              "vkr: 1 of 4 units failed: UNIT3 (3)\n", "UNIT1: 100% "});
  for (int n : {1, 2, 4}) {
    EXPECT_EQ(readFile(dir_ / ("kept" + std::to_string(n)) / "base-1.dat"), image) << n;
    EXPECT_NE(upgrade.out.find("UNIT" + std::to_string(n) + "  done "), std::string::npos)
        << upgrade.out;
  }
  EXPECT_NE(upgrade.out.find("UNIT3  link not usable (3)"), std::string::npos) << upgrade.out;
  // Each unit's upgrade on record, with its own unit.
  std::map<std::string, std::string> outcomes;
  for (const auto& record : objectsOf(vkr({"--json", "history"}))) {
    outcomes[record["serial_number"]] = record["outcome"];
  }
  EXPECT_EQ(outcomes, (std::map<std::string, std::string>{{"UNIT1", "completed"},
                                                          {"UNIT2", "completed"},
                                                          {"UNIT3", "link-broke"},
                                                          {"UNIT4", "completed"}}));

  // A unit that is not attached, and options that choose another link.
  expectExit(vkr({"--unit", "UNIT9", "settings", "read"}), 3, {"serial number UNIT9"});
  expectExit(vkr({"--unit", "UNIT1", "--link", "usb", "settings", "read"}), 2,
             {"cannot go with --link"});
}

}  // namespace
}  // namespace orbelle::testing
