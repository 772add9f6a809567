// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/CalendarImport.h"

#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>

namespace norvik::cli {

class DataDirectory;

// What every command gets: the data directory, the streams, and the clock
// read once at start.
struct CommandContext {
    DataDirectory& data;
    std::ostream& out;
    std::ostream& err;
    std::time_t now;
};

// Whole days given by --from and --to; either may be left out.
struct DayRange {
    std::optional<DateTime> from;
    std::optional<DateTime> to;
};

void listEvents(CommandContext& context, const DayRange& range);
void addEvent(CommandContext& context, const std::string& dateText, const std::string& eventText);
void exportIcs(CommandContext& context, const std::string& target);
void importIcs(CommandContext& context, const std::string& source, const DayRange& range);
void exportVcf(CommandContext& context, const std::string& target);
void importVcf(CommandContext& context, const std::string& source);

// The local date and time of an instant.
DateTime localDateTime(std::time_t instant);

} // namespace norvik::cli
