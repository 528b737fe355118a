#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "ExitChecks.h"
#include "harness/TempDir.h"
#include "support/EnvironmentReads.h"

namespace orbelle::testing {
namespace {

// One command's own help, as vkr prints it.
struct CommandHelp {
  std::string path;  // "settings set"; empty for vkr itself
  std::vector<std::string> options;
  std::vector<std::string> positionals;
  std::vector<std::string> subcommands;
  std::vector<std::string> exitCodes;
  // Each option that takes a value, with its description.
  std::vector<std::pair<std::string, std::string>> valued;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    all.push_back(line);
  }
  return all;
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    all.push_back(word);
  }
  return all;
}

// The sections of CLI11's help: a title line ("Options:"), then entries two spaces in whose
// descriptions start at column 30, or on the next line when the entry's head is longer.
CommandHelp helpOf(const std::string& path) {
  std::vector<std::string> args = words(path);
  args.emplace_back("--help");
  const ProcessResult help = runProcess(VKR_PATH, args);
  EXPECT_EQ(help.exitCode, 0) << path;
  CommandHelp command;
  command.path = path;
  const std::vector<std::string> all = lines(help.out);
  std::string section;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const std::string& line = all[i];
    if (!line.empty() && line[0] != ' ' && line.back() == ':') {
      section = line;
      continue;
    }
    if (line.size() < 3 || line[2] == ' ' || line.substr(0, 2) != "  ") {
      continue;
    }
    const std::string head = words(line).front();
    if (section == "Subcommands:") {
      command.subcommands.push_back(head);
    } else if (section == "Positionals:") {
      command.positionals.push_back(head);
    } else if (section == "Exit codes:") {
      command.exitCodes.push_back(words(line.substr(0, line.find("  ", 2))).front());
    } else if (section == "Options:") {
      const std::string name = head.substr(head.rfind(',') + 1);
      command.options.push_back(name);
      if (std::regex_search(line, std::regex("^  \\S+ \\S"))) {
        const bool below = i + 1 < all.size() && all[i + 1].rfind(std::string(30, ' '), 0) == 0;
        command.valued.emplace_back(name, below ? all[i + 1] : line.substr(30));
      }
    }
  }
  return command;
}

// vkr's commands that do something, each with its help, found by walking the lists.
std::vector<CommandHelp> leafCommands(const std::string& path = "") {
  const CommandHelp help = helpOf(path);
  if (help.subcommands.empty()) {
    return {help};
  }
  std::vector<CommandHelp> leaves;
  for (const std::string& sub : help.subcommands) {
    for (CommandHelp& leaf : leafCommands(path.empty() ? sub : path + " " + sub)) {
      leaves.push_back(std::move(leaf));
    }
  }
  return leaves;
}

// The text of the page from the line `heading` to the next heading of any level.
std::string pageSection(const std::string& page, const std::string& heading) {
  const std::size_t at = page.find("\n" + heading + "\n");
  if (at == std::string::npos) {
    return {};
  }
  const std::size_t start = at + heading.size() + 2;
  return page.substr(start, page.find("\n#", start) - start);
}

// vkr(1) is written by hand: every command has its own subsection, every option of each one
// stands in it, each global option and exit code in theirs, and every environment variable
// that vkr's code reads is named. The help names each option's default.
TEST(VkrManual, KeepsInStepWithTheHelpOfEveryCommand) {
  const std::string page = readFile(ORBELLE_SOURCE_DIR "/docs/man/vkr.1.scd");
  const CommandHelp top = helpOf("");
  const std::string global = pageSection(page, "# GLOBAL OPTIONS");
  for (const std::string& option : top.options) {
    EXPECT_NE(global.find("*" + option + "*"), std::string::npos) << option;
  }
  std::vector<CommandHelp> commands = leafCommands();
  std::set<std::string> headings;
  for (const std::string& line : lines(page)) {
    if (line.rfind("## vkr ", 0) == 0) {
      headings.insert(line);
    }
  }
  for (const CommandHelp& command : commands) {
    std::string heading;
    for (const std::string& line : headings) {
      heading = (line + " ").rfind("## vkr " + command.path + " ", 0) == 0 ? line : heading;
    }
    ASSERT_FALSE(heading.empty()) << "no subsection for vkr " << command.path;
    headings.erase(heading);
    const std::string section = pageSection(page, heading);
    for (const std::string& option : command.options) {
      EXPECT_TRUE(option == "--help" || section.find("*" + option + "*") != std::string::npos)
          << option << " of " << command.path;
    }
    for (const std::string& positional : command.positionals) {
      EXPECT_NE((heading + " ").find(" " + positional + " "), std::string::npos) << heading;
    }
  }
  EXPECT_TRUE(headings.empty()) << "a subsection for no command: " << *headings.begin();

  commands.push_back(top);
  for (const CommandHelp& command : commands) {
    for (const auto& [option, description] : command.valued) {
      EXPECT_NE(description.find("(default"), std::string::npos) << option << ": " << description;
    }
  }
  const std::string exitStatus = pageSection(page, "# EXIT STATUS");
  ASSERT_GE(top.exitCodes.size(), 8U);
  for (const std::string& codes : top.exitCodes) {
    for (const std::string& code : words(std::regex_replace(codes, std::regex(","), " "))) {
      EXPECT_NE(exitStatus.find("*" + code + "*"), std::string::npos) << code;
    }
  }
  const std::filesystem::path src = ORBELLE_SOURCE_DIR "/src";
  const std::string environment = pageSection(page, "# ENVIRONMENT");
  for (const std::string& name : environmentReads({src, ORBELLE_SOURCE_DIR "/cli"},
                                                  {src / "app", src / "ui", src / "skin"})) {
    EXPECT_NE(environment.find("*" + name + "*"), std::string::npos) << name;
  }
}

// A word that is no command is named, with the nearest command; a command that needs one of
// its own lists them. The values an option lists are the values it takes.
TEST(VkrCommandLine, AMistakeIsNamedAndTheChoicesListed) {
  const auto refused = [](const std::vector<std::string>& args) {
    const ProcessResult result = runProcess(VKR_PATH, args);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    return result.err;
  };
  EXPECT_EQ(refused({"settings", "reed"}),
            "vkr: \"reed\" is not a command of \"vkr settings\"; did you mean \"read\"?\n"
            "Its commands: read, set, defaults, save or apply\nRun with --help for more "
            "information.\n");
  EXPECT_EQ(refused({"--timeout", "5", "bogus"}),
            "vkr: \"bogus\" is not a command of \"vkr\"\nIts commands: prefs, settings, upgrade, "
            "devices or history\nRun with --help for more information.\n")
      << "no command is near it; an option's value is no command";
  EXPECT_NE(refused({"devcies"}).find("did you mean \"devices\"?"), std::string::npos);
  EXPECT_NE(refused({"prefs", "set", "bas", "/x"}).find("did you mean \"base\"?"),
            std::string::npos);
  EXPECT_EQ(refused({"settings"}),
            "vkr: \"vkr settings\" needs one of its commands: read, set, defaults, save or "
            "apply\n"
            "Run with --help for more information.\n");
  const ProcessResult json = runProcess(VKR_PATH, {"upgrade", "--json"});
  EXPECT_EQ(json.out,
            "{\"error\":\"\\\"vkr upgrade\\\" needs one of its commands: base or handheld\","
            "\"exit_code\":2}\n");
  EXPECT_NE(refused({"settings", "read", "extra"}).find("not expected: extra"), std::string::npos);

  // Each rate the help lists gets as far as the link (3: there is no such device); others are
  // refused before it (2).
  std::string rates;
  for (const auto& [option, description] : helpOf("settings set").valued) {
    rates = option == "--rs232-baud" ? description : rates;
    if (option == "--channel") {
      EXPECT_NE(description.find("1-16 in Europe, 1-36 in China, 1-128 in Turkey; half that with "
                                 "hopping"),
                std::string::npos)
          << description;
    }
  }
  rates = rates.substr(rates.find(": ") + 2);
  const std::vector<std::string> listed =
      words(std::regex_replace(rates.substr(0, rates.find(" (")), std::regex("[^0-9]+"), " "));
  ASSERT_EQ(listed, (std::vector<std::string>{"4800", "9600", "19200", "38400", "57600", "115200"}))
      << rates;
  const auto setRate = [](const std::string& rate) {
    return runProcess(VKR_PATH,
                      {"--device", "/nonexistent/tty", "settings", "set", "--rs232-baud", rate});
  };
  for (const std::string& rate : listed) {
    EXPECT_EQ(setRate(rate).exitCode, 3) << rate;
  }
  const ProcessResult other = setRate("14400");
  expectExit(other, 2, {});
  for (const std::string& rate : listed) {
    EXPECT_NE(other.err.find(rate), std::string::npos) << "the refusal lists " << rate;
  }
}

// What bash completes for vkr, vkr-sim and orbelle, as bash-completion loads it.
class Completion : public ::testing::Test {
 protected:
  TempDir folder;
  Completion() { writeFile(folder / "base-2.1.dat", "image"); }

  std::set<std::string> complete(const std::string& line) {
    const std::string program = line.substr(0, line.find(' '));
    std::string function = program;
    std::replace(function.begin(), function.end(), '-', '_');
    std::ostringstream script;
    script << "source /usr/share/bash-completion/bash_completion\n"
           << "source " ORBELLE_SOURCE_DIR "/resources/" << program << ".bash-completion\n"
           << "cd '" << folder.path().string() << "'\n"
           << "COMP_LINE='" << line << "'; COMP_POINT=${#COMP_LINE}\n"
           << "read -ra COMP_WORDS <<<\"$COMP_LINE\"\n"
           << "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
           << "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_" << function << "\n"
           << "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
    const ProcessResult run = runProcess("/bin/bash", {"-c", script.str()});
    EXPECT_EQ(run.exitCode, 0) << line << ": " << run.err;
    const std::vector<std::string> offered = lines(run.out);
    return {offered.begin(), offered.end()};
  }
  void expectOffered(const std::string& line, const std::vector<std::string>& wanted) {
    const std::set<std::string> offered = complete(line);
    for (const std::string& word : wanted) {
      EXPECT_TRUE(offered.count(word)) << "\"" << line << "\" does not offer " << word;
    }
  }
};

TEST_F(Completion, OffersEveryCommandOptionAndPathWhereItIsTaken) {
  for (const CommandHelp& command : leafCommands()) {
    std::vector<std::string> options = command.options;
    options.erase(std::remove(options.begin(), options.end(), "--help"), options.end());
    expectOffered("vkr " + command.path + " --", options);
  }
  expectOffered("vkr prefs set ", {"protocol", "port", "baudrate", "com", "base", "handheld"});
  expectOffered("vkr prefs set com 2 ", {"base-2.1.dat"});
  expectOffered("vkr prefs set handheld ", {"base-2.1.dat"});
  expectOffered("vkr upgrade base ", {"base-2.1.dat"});
  expectOffered("vkr upgrade base base-2.1.dat --", {"--pause-scale", "--json"});
  EXPECT_FALSE(complete("vkr upgrade handheld base-2.1.dat ").count("base-2.1.dat")) << "one image";
  EXPECT_EQ(complete("vkr settings set --parity "), (std::set<std::string>{"none", "odd", "even"}));

  std::vector<std::string> simOptions;
  for (const std::string& line : lines(runProcess(VKR_SIM_PATH, {"--help"}).out)) {
    if (line.rfind("  --", 0) == 0) {
      simOptions.push_back(words(line).front());
    }
  }
  ASSERT_GE(simOptions.size(), 10U);
  expectOffered("vkr-sim --", simOptions);
  expectOffered("vkr-sim --fault ", {"corrupt-fcs", "drop-reply=", "vanish-after="});
  expectOffered("vkr-sim --settings ", {"base-2.1.dat"});
  EXPECT_EQ(complete("orbelle "),
            (std::set<std::string>{"handheld", "--plain", "--help", "--version"}));
  EXPECT_EQ(complete("orbelle handheld --p"), std::set<std::string>{"--plain"});
}

}  // namespace
}  // namespace orbelle::testing
