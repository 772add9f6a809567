#include "events/Postponement.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"
#include "events/EventTime.h"

#include <string_view>

namespace norvik {

namespace {

constexpr int lastYear = 9999;

} // namespace

std::optional<Text> postponeLine(const Text& line, int minutes, int currentYear) {
    const std::string_view dateText = std::string_view(line).substr(0, dateTextLength);
    const auto reading = readDateText(dateText, currentYear);
    if (!reading) {
        return std::nullopt;
    }
    const DateTime moved =
        momentFromMillis(momentMillis(reading->moment) + minutes * millisPerMinute);
    if (moved.year > lastYear) {
        return std::nullopt;
    }
    return formatDateText(moved) + line.substr(reading->consumed);
}

} // namespace norvik
