// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/CommandTable.h"

#include "frontends/cli/Arguments.h"
#include "frontends/cli/Commands.h"
#include "frontends/cli/SyncCommand.h"

namespace norvik::cli {

namespace {

using Kind = CommandOption::Kind;

constexpr CommandOption dayRange[] = {
    {"--from", "DD.MM.YYYY", Kind::From},
    {"--to", "DD.MM.YYYY", Kind::To},
};
constexpr CommandOption dayRangeAndLimit[] = {
    {"--from", "DD.MM.YYYY", Kind::From},
    {"--to", "DD.MM.YYYY", Kind::To},
    {"--max-lines", "N", Kind::LineLimit},
};

// A folder for a list, or forgetting it; --help shows each pair as one choice.
constexpr CommandOption syncFolders[] = {
    {"--events", "FOLDER", Kind::EventsFolder},
    {"--no-events", "", Kind::NoEvents},
    {"--contacts", "FOLDER", Kind::ContactsFolder},
    {"--no-contacts", "", Kind::NoContacts},
};

// A missing FILE of export is standard output.
std::string targetOf(const Arguments& arguments) {
    return arguments.operands.empty() ? "-" : arguments.operands[0];
}

const Command table[] = {
    {"list", "", 0, 0, dayRange, false,
     "Events in time order, one line each, as they stand in do.txt\n"
     "(control characters shown as \\xNN on a terminal, left out elsewhere).",
     [](CommandContext& context, const Arguments& arguments) {
         listEvents(context, arguments.range);
     }},
    {"add",
     "DATE-TEXT EVENT-TEXT",
     2,
     2,
     {},
     true,
     "Appends an event; the date text may take any form the reminders\n"
     "read (\"7.12.2026 9:30\", \"7.12 14:00\", \"07.12.2026 10:00 PM\") and is\n"
     "written as DD.MM.YYYY HH:MM:SS.",
     [](CommandContext& context, const Arguments& arguments) {
         addEvent(context, arguments.operands[0], arguments.operands[1]);
     }},
    {"export ics",
     "[FILE|-]",
     0,
     1,
     {},
     false,
     "The events as iCalendar (standard output by default), at local time\n"
     "in the system's time zone, each with a reminder at its start.",
     [](CommandContext& context, const Arguments& arguments) {
         exportIcs(context, targetOf(arguments));
     }},
    {"import ics", "FILE", 1, 1, dayRangeAndLimit, false,
     "Adds the events of an iCalendar file. Recurring events give one line\n"
     "per occurrence from --from (default today) to --to (default a year\n"
     "later), moved and cancelled occurrences as their overrides say;\n"
     "single events are taken whatever their date. A file that would give\n"
     "more than 100,000 lines (or N) is refused, naming the series.",
     [](CommandContext& context, const Arguments& arguments) {
         importIcs(context, arguments.operands[0], arguments.range, arguments.lineLimit);
     }},
    {"export vcf",
     "[FILE|-]",
     0,
     1,
     {},
     false,
     "The phone book as vCard 3.0 cards (standard output by default).",
     [](CommandContext& context, const Arguments& arguments) {
         exportVcf(context, targetOf(arguments));
     }},
    {"import vcf",
     "FILE",
     1,
     1,
     {},
     false,
     "Adds one phone line per card, as the add-record dialog builds it\n"
     "(vCard 2.1, 3.0 and 4.0).",
     [](CommandContext& context, const Arguments& arguments) {
         importVcf(context, arguments.operands[0]);
     }},
    {"sync", "", 0, 0, syncFolders, false,
     "Two-way sync of do.txt with a folder of .ics items and of\n"
     "telephone.txt with a folder of .vcf items (vdirs, which vdirsyncer\n"
     "syncs with CalDAV and CardDAV servers). Folders given are remembered\n"
     "for the data directory in $XDG_CONFIG_HOME/norvik and used by Norvik\n"
     "too; --no-... forgets one. Prints a summary per list.",
     [](CommandContext& context, const Arguments& arguments) {
         syncLists(context, arguments.sync);
     }},
};

constexpr ProgramOption options[] = {
    {"-d", "--data", "DATA-DIRECTORY", "work in this data directory"},
    {"-h", "--help", "", "show this text"},
    {"", "--version", "", "show the version"},
};

} // namespace

std::span<const Command> commandTable() {
    return table;
}

std::span<const ProgramOption> programOptions() {
    return options;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : table) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

std::string synopsis(const Command& command) {
    std::string line(command.name);
    if (!command.operands.empty()) {
        line.append(" ").append(command.operands);
    }
    const auto& options = command.options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const CommandOption& option = options[i];
        line.append(" [").append(option.name);
        if (!option.value.empty()) {
            line.append(" ").append(option.value);
        }
        // A folder and its forgetting are one choice: "[--events FOLDER | --no-events]".
        if (i + 1 < options.size() && options[i + 1].value.empty() && !option.value.empty()) {
            line.append(" | ").append(options[++i].name);
        }
        line.append("]");
    }
    return line;
}

} // namespace norvik::cli
