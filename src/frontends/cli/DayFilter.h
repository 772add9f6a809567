// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/DateTime.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace norvik::cli {

// Tells from an event line's bytes, without reading it as the program does,
// that it lies outside the listed days, so that a list of one day does not
// read a million lines. Only a line in the form the program writes,
// "DD.MM.YYYY HH:MM:SS >>> ", whose date and time are real, is judged; any
// other (a looser date, one that cannot be read) is left to the reader,
// which reads and reports it as before.
class DayFilter {
public:
    // Whole days; either end may be left open.
    DayFilter(const std::optional<DateTime>& from, const std::optional<DateTime>& to);

    bool outside(std::string_view line) const;

private:
    // Days as numbers that order as the days do.
    std::uint32_t from_;
    std::uint32_t to_;
    bool bounded_;
};

} // namespace norvik::cli
