// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace norvik {

class ListBox;

// The time of an event line as the scheduler reads it, from the date text in
// its first 19 characters (milliseconds, see momentMillis); nothing for a
// line the scheduler cannot read, which never reminds.
std::optional<std::int64_t> eventLineTime(std::string_view line, int currentYear);

// The times of the event lines, read once and kept while the list's lines
// and the current year stay as they were: a tick with nothing due then only
// compares numbers. The short date forms take the current year, so a new
// year reads the lines again.
class EventTimes {
public:
    // The time of a line the scheduler cannot read.
    static constexpr std::int64_t unreadable = std::numeric_limits<std::int64_t>::min();

    // One time per line (milliseconds, see momentMillis), or unreadable.
    const std::vector<std::int64_t>& of(const ListBox& list, int currentYear);

private:
    const ListBox* list_ = nullptr;
    std::uint64_t revision_ = 0;
    int year_ = 0;
    bool read_ = false;
    std::vector<std::int64_t> times_;
};

} // namespace norvik
