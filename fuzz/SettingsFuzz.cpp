// SPDX-License-Identifier: GPL-3.0-or-later
// The settings lookup and update, and the colour and integer conversions.
// Input: KEY, a NUL, VALUE, a NUL, then the file's bytes.
#include "FuzzCheck.h"
#include "kit/Failure.h"
#include "store/ColorNames.h"
#include "store/LineList.h"
#include "store/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string key(nextField(rest));
    const std::string value(nextField(rest));
    norvik::Lines lines = norvik::splitLines(std::string(rest));

    const norvik::Text found = norvik::byKeyText::lookupKey(lines, key);
    try {
        const norvik::Color color = norvik::colorFromName(found);
        FUZZ_CHECK(norvik::colorFromName(norvik::colorToName(color)) == color);
    } catch (const norvik::Failure&) {
    }
    try {
        const int number = norvik::parseInteger(found);
        FUZZ_CHECK(norvik::parseInteger(std::to_string(number)) == number);
    } catch (const norvik::Failure&) {
    }

    // A key holding "=" or a line break can never be found again by design.
    const bool plainKey = key.find_first_of("=\r\n") == std::string::npos;
    const bool plainValue = value.find_first_of("\r\n") == std::string::npos;
    const std::size_t before = lines.size();
    norvik::byKeyText::updateKey(lines, key, value);
    if (plainKey && plainValue && !value.empty()) {
        FUZZ_CHECK(norvik::byKeyText::lookupKey(lines, key) == value);
        FUZZ_CHECK(lines.size() == before || lines.size() == before + 1);
    }
    if (value.empty()) {
        FUZZ_CHECK(lines.size() == before || lines.size() + 1 == before);
    }
    return 0;
}
