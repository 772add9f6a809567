// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/DayFilter.h"

#include "events/EventLine.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace norvik::cli {

namespace {

// A day as one number that orders as the days do: century, year in it,
// month and day, a byte each.
std::uint32_t dayKey(int century, int year, int month, int day) {
    return static_cast<std::uint32_t>(century) << 24 | static_cast<std::uint32_t>(year) << 16 |
           static_cast<std::uint32_t>(month) << 8 | static_cast<std::uint32_t>(day);
}

std::uint32_t dayKey(const DateTime& day) {
    return dayKey(day.year / 100, day.year % 100, day.month, day.day);
}

// The form "DD.MM.YYYY HH:MM:SS >>> " as three words of eight bytes, the
// first byte lowest: where its digits go, and what its other bytes are.
constexpr std::uint64_t digitsIn[3] = {0xFFFF00FFFF00FFFF, 0xFFFF00FFFF00FFFF, 0x0000000000FFFF00};
constexpr std::uint64_t signsIn[3] = {0x00002E00002E0000, 0x00003A0000200000, 0x203E3E3E2000003A};
constexpr std::uint64_t eachByte = 0x0101010101010101;
// The numbers of two digits (after pairing, at the byte of the first), their
// bytes in the words: day, month and century; year, hour and minute; second.
constexpr std::uint64_t numbersIn[3] = {0x00FF0000FF0000FF, 0x00FF0000FF0000FF, 0x000000000000FF00};
// Added to a number, these set its top bit when it is above its greatest:
// day 31, month 12; hour 23, minute 59; second 59 (127 less each).
constexpr std::uint64_t aboveGreatest[3] = {0x0000000073000060, 0x0044000068000000,
                                            0x0000000000004400};
constexpr std::uint64_t greatestTops[3] = {0x0000000080000080, 0x0080000080000000,
                                           0x0000000000008000};
// Added to day and month, 127 sets the top bit unless they are 0.
constexpr std::uint64_t aboveZero = 0x000000007F00007F;
constexpr std::uint64_t zeroTops = 0x0000000080000080;

std::uint64_t wordAt(const char* bytes, std::size_t word) {
    std::uint64_t w = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&w, bytes + 8 * word, 8);
    } else {
        for (std::size_t i = 0; i < 8; ++i) {
            w |= std::uint64_t{static_cast<unsigned char>(bytes[8 * word + i])} << (8 * i);
        }
    }
    return w;
}

int byteAt(std::uint64_t word, int at) {
    return static_cast<int>((word >> (8 * at)) & 0xFF);
}

} // namespace

DayFilter::DayFilter(const std::optional<DateTime>& from, const std::optional<DateTime>& to)
    : from_(from ? dayKey(*from) : 0), to_(to ? dayKey(*to) : UINT32_MAX), bounded_(from || to) {}

bool DayFilter::outside(std::string_view line) const {
    if (!bounded_ || line.size() < eventTextStart) {
        return false;
    }
    // Eight bytes at a time, with few branches: a million lines pass here.
    std::uint64_t numbers[3] = {};
    std::uint64_t wrong = 0;
    for (std::size_t word = 0; word < 3; ++word) {
        const std::uint64_t w = wordAt(line.data(), word);
        const std::uint64_t values = (w ^ (eachByte * '0')) & digitsIn[word];
        // A digit's value is below 16 and stays so with 6 added.
        wrong |= ((w & ~digitsIn[word]) ^ signsIn[word]) | (values & (eachByte * 0xF0)) |
                 ((values + eachByte * 6) & (eachByte * 0x10));
        // Each digit times ten plus the next: below 100, so no byte spills over.
        numbers[word] = (values * 10 + (values >> 8)) & numbersIn[word];
        wrong |= (numbers[word] + aboveGreatest[word]) & greatestTops[word];
    }
    wrong |= ~(numbers[0] + aboveZero) & zeroTops;
    if (wrong != 0) {
        return false;
    }
    const int day = byteAt(numbers[0], 0);
    const int month = byteAt(numbers[0], 3);
    const int century = byteAt(numbers[0], 6);
    const int year = byteAt(numbers[1], 0);
    // A date that is not real is the reader's to report, as is year 0.
    if ((century | year) == 0 || (day > 28 && !isValidDate(century * 100 + year, month, day))) {
        return false;
    }
    const std::uint32_t key = dayKey(century, year, month, day);
    return key < from_ || key > to_;
}

} // namespace norvik::cli
