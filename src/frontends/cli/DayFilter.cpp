// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/DayFilter.h"

#include "events/EventLine.h"

#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>

namespace norvik::cli {

namespace {

int dayKey(int year, int month, int day) {
    return (year * 100 + month) * 100 + day;
}

// The form "DD.MM.YYYY HH:MM:SS >>> " as three words of eight bytes, the
// first byte lowest: where its digits go, and what its other bytes are.
constexpr std::uint64_t digitsIn[3] = {0xFFFF00FFFF00FFFF, 0xFFFF00FFFF00FFFF, 0x0000000000FFFF00};
constexpr std::uint64_t signsIn[3] = {0x00002E00002E0000, 0x00003A0000200000, 0x203E3E3E2000003A};
constexpr std::uint64_t eachByte = 0x0101010101010101;

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

// The number that the two digit values at byte `at` of a word make.
int twoDigits(std::uint64_t values, int at) {
    return static_cast<int>((values >> (8 * at)) & 0xF) * 10 +
           static_cast<int>((values >> (8 * at + 8)) & 0xF);
}

} // namespace

DayFilter::DayFilter(const std::optional<DateTime>& from, const std::optional<DateTime>& to)
    : from_(from ? dayKey(from->year, from->month, from->day) : INT_MIN),
      to_(to ? dayKey(to->year, to->month, to->day) : INT_MAX), bounded_(from || to) {}

bool DayFilter::outside(std::string_view line) const {
    if (!bounded_ || line.size() < eventTextStart) {
        return false;
    }
    // Eight bytes at a time, with few branches: a million lines pass here.
    std::uint64_t values[3] = {};
    std::uint64_t wrong = 0;
    for (std::size_t word = 0; word < 3; ++word) {
        const std::uint64_t w = wordAt(line.data(), word);
        values[word] = (w ^ (eachByte * '0')) & digitsIn[word];
        // A digit's value is below 16 and stays so with 6 added.
        wrong |= ((w & ~digitsIn[word]) ^ signsIn[word]) | (values[word] & (eachByte * 0xF0)) |
                 ((values[word] + eachByte * 6) & (eachByte * 0x10));
    }
    if (wrong != 0) {
        return false;
    }
    const int day = twoDigits(values[0], 0);
    const int month = twoDigits(values[0], 3);
    const int year = twoDigits(values[0], 6) * 100 + twoDigits(values[1], 0);
    const int hour = twoDigits(values[1], 3);
    const int minute = twoDigits(values[1], 6);
    const int second = twoDigits(values[2], 1);
    // A date or time that is not real is the reader's to report.
    static constexpr int longestMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > longestMonth[month - 1] ||
        (hour > 23) | (minute > 59) | (second > 59) ||
        (month == 2 && day == 29 && !isLeapYear(year))) {
        return false;
    }
    const int key = dayKey(year, month, day);
    return key < from_ || key > to_;
}

} // namespace norvik::cli
