// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Usage.h"

namespace norvik::cli {

const char* const usageText =
    R"(Usage: norvik-cli [-d DATA-DIRECTORY] COMMAND ...

Reads and changes Norvik's events (do.txt) and phone book (telephone.txt) in
its data directory: $NORVIK_DATA, else ~/Norvik, unless -d gives another one.
Output is UTF-8; the files stay in code page 1251.

Commands:
  list [--from DD.MM.YYYY] [--to DD.MM.YYYY]
        Events in time order, one line each, as they stand in do.txt
        (control characters shown as \xNN on a terminal, left out elsewhere).
  add DATE-TEXT EVENT-TEXT
        Appends an event; the date text may take any form the reminders
        read ("7.12.2026 9:30", "7.12 14:00", "07.12.2026 10:00 PM") and is
        written as DD.MM.YYYY HH:MM:SS.
  export ics [FILE|-]
        The events as iCalendar (standard output by default), at local time
        in the system's time zone, each with a reminder at its start.
  import ics FILE [--from DD.MM.YYYY] [--to DD.MM.YYYY] [--max-lines N]
        Adds the events of an iCalendar file. Recurring events give one line
        per occurrence from --from (default today) to --to (default a year
        later), moved and cancelled occurrences as their overrides say;
        single events are taken whatever their date. A file that would give
        more than 100,000 lines (or N) is refused, naming the series.
  export vcf [FILE|-]
        The phone book as vCard 3.0 cards (standard output by default).
  import vcf FILE
        Adds one phone line per card, as the add-record dialog builds it
        (vCard 2.1, 3.0 and 4.0).

Imports skip lines that are already there, save once, and print how many
lines were added, skipped and unreadable. Control characters in imported
text are left out (line breaks become blanks), as they are in exports.
Commands that write refuse while Norvik runs in the data directory. A FILE
of "-" is standard input/output.

A file larger than 2147483648 bytes is refused unread, and standard input is
read no further. A data file is reached through symbolic links only when each
belongs to you or to root; a link that leads nowhere is an error, kept as it is.

Options:
  -d, --data DATA-DIRECTORY   work in this data directory
  -h, --help                  show this text
  --version                   show the version

Exit status: 0 done, 1 wrong usage, 2 bad input (a file, a date or a number
that cannot be read, an import over its limit), 3 Norvik is running there,
4 a file cannot be read or written.
)";

} // namespace norvik::cli
