// SPDX-License-Identifier: GPL-3.0-or-later
// The loose date-text reader and the postponement. Input: two bytes of
// minutes, then the event line.
#include "FuzzCheck.h"
#include "events/DateTextReader.h"
#include "events/Postponement.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int minutes = data[0] | (data[1] << 8);
    const std::string line(reinterpret_cast<const char*>(data + 2), size - 2);
    constexpr int currentYear = 2026;

    const auto reading = norvik::readDateText(line, currentYear);
    if (reading) {
        const norvik::DateTime& at = reading->moment;
        FUZZ_CHECK(reading->consumed <= line.size());
        FUZZ_CHECK(norvik::isValidDate(at.year, at.month, at.day));
        FUZZ_CHECK(at.hour >= 0 && at.hour < 24 && at.minute >= 0 && at.minute < 60 &&
                   at.second >= 0 && at.second < 60);
    }
    // The postponement reads the date text in the line's first 19 characters.
    const auto dateText = norvik::readDateText(line.substr(0, 19), currentYear);
    // A clock before every readable time: the minutes count from the line's own.
    const auto postponed =
        norvik::postponeLine(line, minutes, currentYear, norvik::DateTime{1, 1, 1});
    if (postponed) {
        FUZZ_CHECK(dateText.has_value());
        // What was written back is a full date and time that reads again.
        const auto again = norvik::readDateText(postponed->substr(0, 19), currentYear);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(postponed->size() >= 19);
        if (minutes == 0) {
            FUZZ_CHECK(again->moment.year == dateText->moment.year &&
                       again->moment.month == dateText->moment.month &&
                       again->moment.day == dateText->moment.day &&
                       again->moment.hour == dateText->moment.hour &&
                       again->moment.minute == dateText->moment.minute);
        }
    }
    return 0;
}
