// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar import: content lines unfolded by the program, time zones,
// values and recurrence rules read by libical. Whatever the file, the import
// ends within its allowance of lines and steps, and every line it gives is an
// event line the scheduler reads, with a real date and no control character.
#include "FuzzCheck.h"
#include "events/EventLine.h"
#include "interop/CalendarImport.h"
#include "interop/ControlCharacters.h"
#include "interop/EventEntry.h"
#include "kit/Failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

// A small allowance keeps each input quick; the limits work the same way.
constexpr std::size_t lineLimit = 2000;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // A zone with a spring-forward gap, so that gaps are crossed too.
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const norvik::DayWindow window{norvik::DateTime{2026, 1, 1, 0, 0, 0, 0},
                                   norvik::DateTime{2026, 12, 31, 0, 0, 0, 0}};
    norvik::CalendarImport calendar;
    try {
        calendar = norvik::importCalendar(bytes, "fuzz.ics", window, lineLimit);
    } catch (const norvik::Failure&) {
        return 0;
    }
    FUZZ_CHECK(calendar.lines.size() <= lineLimit);
    for (const std::string_view line : calendar.lines) {
        FUZZ_CHECK(norvik::readEventLine(norvik::Text(line), 2026).has_value());
        FUZZ_CHECK(norvik::withoutControls(line) == line);
    }
    return 0;
}
