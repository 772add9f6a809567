// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/PhoneCard.h"
#include "kit/DateTime.h"

#include <cstddef>
#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>

namespace norvik::cli {

class DataDirectory;

// What every command gets: the data directory, the streams, the clock read
// once at start, and whether standard output is a terminal.
struct CommandContext {
    DataDirectory& data;
    std::ostream& out;
    std::ostream& err;
    std::time_t now;
    bool terminal = false;
};

// Whole days given by --from and --to; either may be left out.
struct DayRange {
    std::optional<DateTime> from;
    std::optional<DateTime> to;
};

// Control characters a line holds are shown as \xNN on a terminal and left
// out elsewhere, so that no planted escape sequence reaches the terminal.
void listEvents(CommandContext& context, const DayRange& range);
void addEvent(CommandContext& context, const std::string& dateText, const std::string& eventText);
void exportIcs(CommandContext& context, const std::string& target);
// Refuses a file that would give more than `lineLimit` event lines.
void importIcs(CommandContext& context, const std::string& source, const DayRange& range,
               std::size_t lineLimit);
void exportVcf(CommandContext& context, const std::string& target);
void importVcf(CommandContext& context, const std::string& source);

// The local date and time of an instant.
DateTime localDateTime(std::time_t instant);

// The phone book's field labels as DataDirectory::phoneLabels reads them, for
// the phone line's fields; `labels` must outlive what is returned.
FieldLabel labelsOf(const Lines& labels);

} // namespace norvik::cli
