// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Usage.h"

#include "frontends/cli/CommandTable.h"

#include <algorithm>

namespace norvik::cli {

namespace {

constexpr std::string_view introduction =
    R"(Usage: norvik-cli [-d DATA-DIRECTORY] COMMAND ...

Reads and changes Norvik's events (do.txt) and phone book (telephone.txt) in
its data directory: $NORVIK_DATA, else ~/Norvik, unless -d gives another one.
Output is UTF-8; the files stay in code page 1251.

)";

constexpr std::string_view notes =
    R"(Imports skip lines that are already there, save once, and print how many
lines were added, skipped and unreadable. Control characters in imported
text are left out (line breaks become blanks), as they are in exports.
Commands that write refuse while Norvik runs in the data directory. A FILE
of "-" is standard input/output.

A file larger than 2147483648 bytes is refused unread, and standard input is
read no further. A data file is reached through symbolic links only when each
belongs to you or to root; a link that leads nowhere is an error, kept as it is.

)";

constexpr std::string_view exitStatuses =
    R"(Exit status: 0 done, 1 wrong usage (or no folder to sync with), 2 bad input
(a file, a date or a number that cannot be read, an import over its limit, a
folder to sync with that is missing or lost every item), 3 Norvik is running
there, 4 a file cannot be read or written.
)";

// Where an option's help starts.
constexpr std::size_t helpColumn = 30;

} // namespace

std::string usageText() {
    std::string text(introduction);
    text += "Commands:\n";
    for (const Command& command : commandTable()) {
        text += "  " + synopsis(command) + "\n";
        std::string_view help = command.help;
        while (!help.empty()) {
            const std::size_t end = help.find('\n');
            text.append(8, ' ').append(help.substr(0, end)).append("\n");
            help.remove_prefix(end == std::string_view::npos ? help.size() : end + 1);
        }
    }
    text += "\n";
    text += notes;
    text += "Options:\n";
    for (const ProgramOption& option : programOptions()) {
        std::string names = "  ";
        if (!option.shortName.empty()) {
            names.append(option.shortName).append(", ");
        }
        names.append(option.longName);
        if (!option.value.empty()) {
            names.append(" ").append(option.value);
        }
        names.resize(std::max(names.size() + 1, helpColumn), ' ');
        text.append(names).append(option.help).append("\n");
    }
    text += "\n";
    text += exitStatuses;
    return text;
}

} // namespace norvik::cli
