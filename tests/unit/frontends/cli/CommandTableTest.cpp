// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/CommandTable.h"
#include "frontends/cli/Arguments.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace norvik::cli {
namespace {

// The manual page is written by hand; what it says of the commands and
// options is read back here: the command headings of COMMANDS with the
// options each shows, and every option SYNOPSIS and OPTIONS name.
struct ManualPage {
    std::map<std::string, std::set<std::string>> commands;
    std::set<std::string> programOptions;
};

std::set<std::string> optionsIn(const std::string& line) {
    std::set<std::string> found;
    const std::regex option(R"((^|[^a-z-])(--?[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(line.begin(), line.end(), option);
         it != std::sregex_iterator(); ++it) {
        found.insert((*it)[2]);
    }
    return found;
}

ManualPage readManualPage() {
    std::ifstream file(NORVIK_CLI_MANUAL);
    EXPECT_TRUE(file) << NORVIK_CLI_MANUAL;
    ManualPage page;
    std::string section;
    std::string line;
    bool heading = false;
    while (std::getline(file, line)) {
        // "\-" is the page's hyphen; the font changes say nothing here.
        line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
        line = std::regex_replace(line, std::regex(R"(\\f[BIRP])"), " ");
        if (line.starts_with(".SH ")) {
            section = line.substr(4);
        } else if (line == ".TP") {
            heading = true;
            continue;
        } else if (section == "COMMANDS" && heading) {
            std::smatch name;
            const std::string words = std::regex_replace(line, std::regex("\""), "");
            if (std::regex_search(words, name, std::regex(R"(^\.BR? +([a-z]+( (ics|vcf))?))"))) {
                page.commands[name[1]] = optionsIn(words);
            }
        } else if (section == "SYNOPSIS" || (section == "OPTIONS" && heading)) {
            for (const std::string& option : optionsIn(line)) {
                page.programOptions.insert(option);
            }
        }
        heading = false;
    }
    return page;
}

TEST(CommandTableTest, TheManualPageDescribesEveryCommandWithItsOptionsAndNoOther) {
    const ManualPage page = readManualPage();
    std::set<std::string> inTable;
    for (const Command& command : commandTable()) {
        const std::string name(command.name);
        inTable.insert(name);
        ASSERT_TRUE(page.commands.contains(name)) << name << " is missing from COMMANDS";
        std::set<std::string> options;
        for (const CommandOption& option : command.options) {
            options.insert(std::string(option.name));
        }
        EXPECT_EQ(page.commands.at(name), options) << "the options of " << name;
    }
    for (const auto& [name, options] : page.commands) {
        EXPECT_TRUE(inTable.contains(name)) << name << " is in the manual page only";
    }
}

TEST(CommandTableTest, TheManualPageNamesEveryProgramOptionAndNoOther) {
    const ManualPage page = readManualPage();
    std::set<std::string> known;
    for (const ProgramOption& option : programOptions()) {
        for (const std::string_view name : {option.shortName, option.longName}) {
            if (!name.empty()) {
                known.insert(std::string(name));
                EXPECT_TRUE(page.programOptions.contains(std::string(name)))
                    << name << " is missing from SYNOPSIS and OPTIONS";
            }
        }
    }
    // OPTIONS also describes the options some commands take.
    for (const Command& command : commandTable()) {
        for (const CommandOption& option : command.options) {
            known.insert(std::string(option.name));
        }
    }
    for (const std::string& option : page.programOptions) {
        EXPECT_TRUE(known.contains(option)) << option << " is in the manual page only";
    }
}

// Each entry's shape is what the parser holds the command line to.
TEST(CommandTableTest, ACommandLineIsReadByItsEntry) {
    const Arguments imported = Arguments::parse(
        {"import", "ics", "a.ics", "--max-lines", "5", "--from", "1.2.2026"}, 2026);
    ASSERT_EQ(imported.command, findCommand("import ics"));
    EXPECT_EQ(imported.operands, std::vector<std::string>{"a.ics"});
    EXPECT_EQ(imported.lineLimit, 5U);
    ASSERT_TRUE(imported.range.from.has_value());
    EXPECT_EQ(imported.range.from->month, 2);

    // An event text may begin with a dash; an export takes no range.
    const Arguments added = Arguments::parse({"add", "7.12", "-x"}, 2026);
    EXPECT_EQ(added.command, findCommand("add"));
    EXPECT_EQ(added.operands, (std::vector<std::string>{"7.12", "-x"}));
    EXPECT_ANY_THROW(Arguments::parse({"export", "ics", "--from", "1.2.2026"}, 2026));
    EXPECT_ANY_THROW(Arguments::parse({"import", "vcf"}, 2026));
    EXPECT_EQ(findCommand("import"), nullptr);
}

} // namespace
} // namespace norvik::cli
