// SPDX-License-Identifier: GPL-3.0-or-later
// The go-to-date correction. Input: day, month and year fields separated by
// NUL bytes.
#include "FuzzCheck.h"
#include "calendar/DateFields.h"
#include "kit/Failure.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    // A braced list runs its initializers in order: day, month, then year.
    norvik::DateFields fields{.day = norvik::Text(nextField(rest)),
                              .month = norvik::Text(nextField(rest)),
                              .year = norvik::Text(nextField(rest))};
    try {
        if (norvik::correctDateFields(fields) != norvik::DateFieldsCheck::ready) {
            return 0;
        }
        // Corrected fields always name a date, but for the year 0000.
        const norvik::DateTime date = norvik::dateFromFields(fields);
        FUZZ_CHECK(norvik::isValidDate(date.year, date.month, date.day));
    } catch (const norvik::Failure&) {
    }
    return 0;
}
