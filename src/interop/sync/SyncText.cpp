// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/SyncText.h"

#include "events/EventLine.h"
#include "interop/ContentLines.h"
#include "store/Codec1251.h"

#include <cstdio>
#include <random>

namespace norvik::sync {

namespace {

int digitsAt(std::string_view line, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return -1;
        }
        value = value * 10 + (line[i] - '0');
    }
    return value;
}

} // namespace

Text storableText(std::string_view utf8) {
    std::size_t replaced = 0;
    return oneStorableLine(utf8, replaced);
}

std::string outsideText(std::string_view text) {
    return cp1251::toUtf8(text);
}

std::optional<EventFields> fullFormEvent(std::string_view line) {
    if (line.size() < eventTextStart ||
        line.substr(dateTextLength, eventSeparator.size()) != eventSeparator) {
        return std::nullopt;
    }
    if (line[2] != '.' || line[5] != '.' || line[10] != ' ' || line[13] != ':' || line[16] != ':') {
        return std::nullopt;
    }
    DateTime moment{digitsAt(line, 6, 4),
                    digitsAt(line, 3, 2),
                    digitsAt(line, 0, 2),
                    digitsAt(line, 11, 2),
                    digitsAt(line, 14, 2),
                    digitsAt(line, 17, 2),
                    0};
    if (moment.year < 1 || !isValidDate(moment.year, moment.month, moment.day) || moment.hour < 0 ||
        moment.hour > 23 || moment.minute < 0 || moment.minute > 59 || moment.second < 0 ||
        moment.second > 59) {
        return std::nullopt;
    }
    return EventFields{moment, Text(line.substr(eventTextStart))};
}

std::string newUid() {
    std::random_device device;
    std::uniform_int_distribution<unsigned> part(0, 0xFFFF);
    unsigned parts[8];
    for (auto& p : parts) {
        p = part(device);
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04x%04x-%04x-%04x-%04x-%04x%04x%04x", parts[0], parts[1],
                  parts[2], parts[3], parts[4], parts[5], parts[6], parts[7]);
    return buffer;
}

bool safeAsFileName(std::string_view uid) {
    if (uid.empty() || uid.size() > 120 || uid.front() == '.') {
        return false;
    }
    for (const char c : uid) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '@';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

} // namespace norvik::sync
