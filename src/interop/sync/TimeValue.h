// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/ContentLines.h"
#include "interop/sync/ContentDocument.h"
#include "kit/DateTime.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _icaltimezone;

namespace norvik::sync {

// The time zones a calendar file can name: its own VTIMEZONE components,
// then the system's zone database. A name is looked up in the database only
// when it is a plain zone name, never a path.
class Zones {
public:
    explicit Zones(const ContentDocument& document);
    ~Zones();
    Zones(const Zones&) = delete;
    Zones& operator=(const Zones&) = delete;

    // Nothing for a zone neither the file nor the database knows.
    _icaltimezone* find(const std::string& tzid);

private:
    // The file's own zones by TZID: their text, and the zone once it was needed.
    struct Own {
        std::string tzid;
        std::string text;
        _icaltimezone* zone = nullptr;
        bool tried = false;
    };
    std::vector<Own> own_;
};

// A DATE or DATE-TIME value as a calendar file writes it: an all-day date, a
// floating wall-clock time, a UTC time or a time in a named zone.
struct TimeValue {
    enum class Kind { Date, Floating, Utc, Zoned };
    Kind kind = Kind::Floating;
    std::string tzid;              // for Zoned
    _icaltimezone* zone = nullptr; // for Zoned
    DateTime fields;               // as written, in its own kind

    // The moment on the program's clock: the system's local time. A date is
    // its day at 00:00:00, a floating time stands for itself.
    DateTime local() const;
    // Seconds on one scale for differences: an instant for UTC and zoned
    // values, the wall clock counted as UTC for dates and floating times.
    std::int64_t scale() const;
    // The same kind and zone moved by whole seconds (dates by whole days).
    TimeValue shifted(std::int64_t seconds) const;
    // A local moment of the program written in this value's kind and zone; a
    // date takes the moment's day.
    TimeValue atLocal(const DateTime& moment) const;
    // The occurrence a key names (see key()), in this value's kind and zone;
    // nothing when the key is of another kind.
    std::optional<TimeValue> atKey(std::string_view key) const;

    // The value text (20270110, 20270110T100000, 20270110T070000Z).
    std::string valueText() const;
    // The parameters that go with it (";VALUE=DATE", ";TZID=Europe/Berlin").
    std::string parameterText() const;
    // The key an occurrence is known by whatever form its RECURRENCE-ID takes:
    // the date, the floating time, or the instant in UTC.
    std::string key() const;
};

// Reads a DTSTART-like property; nothing when its value is no valid date
// or time, or it names a zone that cannot be found.
std::optional<TimeValue> readTime(const ContentFields& fields, Zones& zones);
// Reads one value of a list (EXDATE, RDATE) with the property's parameters;
// a PERIOD gives its start.
std::optional<TimeValue> readTimeValue(std::string_view value, const ContentFields& fields,
                                       Zones& zones);

// The program's local time of an occurrence key (see TimeValue::key).
std::optional<DateTime> localOfKey(std::string_view key);

// Local time as milliseconds for comparisons (see momentMillis).
std::int64_t localMillis(const DateTime& moment);

} // namespace norvik::sync
