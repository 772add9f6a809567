// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace norvik::cli {

struct Arguments;
struct CommandContext;

// An option a command takes after its name, with the value it wants.
struct CommandOption {
    enum class Kind { From, To, LineLimit, EventsFolder, NoEvents, ContactsFolder, NoContacts };
    std::string_view name;  // "--from"
    std::string_view value; // "DD.MM.YYYY", as --help shows it; empty for a switch
    Kind kind;
};

// One norvik-cli command: everything the parser, --help and the handler know
// of it. A new command is one more entry of commandTable().
struct Command {
    std::string_view name;     // "list", or two words: "import ics"
    std::string_view operands; // as --help shows them: "FILE", "[FILE|-]"
    std::size_t leastOperands;
    std::size_t mostOperands;
    std::span<const CommandOption> options;
    // Operands may begin with "-" (an event text may): no unknown option then.
    bool dashedOperands;
    // What --help says under the command's synopsis, one line per line.
    std::string_view help;
    void (*run)(CommandContext& context, const Arguments& arguments);
};

// An option of the program itself, given before the command.
struct ProgramOption {
    std::string_view shortName; // "-d", or empty
    std::string_view longName;  // "--data"
    std::string_view value;     // "DATA-DIRECTORY", or empty
    std::string_view help;
};

std::span<const Command> commandTable();
std::span<const ProgramOption> programOptions();
// The command of that name, or none.
const Command* findCommand(std::string_view name);

// The command's line in --help: "import ics FILE [--from DD.MM.YYYY] ...".
std::string synopsis(const Command& command);

} // namespace norvik::cli
