// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstdint>
#include <limits>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace norvik {

// What the scheduler remembers for the run so that each event is announced as
// due exactly once: the moment the user last switched reminders on (nothing
// earlier is announced, so switching on does not bring up a day's worth of
// old events) and the events whose reminder has been shown. An event is its
// time and its line; identical lines share one reminder, and a line that is
// edited or postponed becomes a new event. Nothing of this is stored in the
// data files.
class ReminderMemory {
public:
    static constexpr std::int64_t never = std::numeric_limits<std::int64_t>::max();

    // The user switched reminders on at `now` (milliseconds). The moment is
    // kept to the whole second: an event of that very second still counts.
    void switchedOn(std::int64_t now);
    // A clock set back before the switch-on moment takes the moment with it,
    // so that the events of the new time are not all held back.
    void clockIs(std::int64_t now);

    // The moment reminders were switched on, to the whole second; `never`
    // while they were not. decideReminder (ReminderDecision.h) announces
    // nothing earlier.
    std::int64_t switchedOnAt() const { return switchedOnAt_; }
    bool wasAnnounced(std::int64_t time, std::string_view line) const;

    // How many lines have their time in [from, to) and were not announced yet.
    int notAnnounced(const std::vector<std::int64_t>& times, const Lines& lines, std::int64_t from,
                     std::int64_t to) const;

    void announced(std::int64_t time, std::string_view line);
    // A line replaced by an edit or a postponement is a new event, whatever
    // was announced for the same text before.
    void replaced(std::string_view line);

    // A line that came in from another device at `now`: dated before that,
    // it is never announced, neither as due nor as a past event (the other
    // device has reminded of it, or it is history).
    void arrived(std::int64_t time, std::string_view line, std::int64_t now);
    bool arrivedLate(std::int64_t time, std::string_view line) const;

private:
    // Ordered by line first, so that every time of one line is one range;
    // looked up by a view of the line without copying it.
    struct ByLineThenTime {
        using is_transparent = void;
        template <class A, class B> bool operator()(const A& a, const B& b) const {
            const int byLine = std::string_view(a.first).compare(std::string_view(b.first));
            return byLine < 0 || (byLine == 0 && a.second < b.second);
        }
    };

    std::int64_t switchedOnAt_ = never;
    std::set<std::pair<Text, std::int64_t>, ByLineThenTime> announced_;
    std::set<std::pair<Text, std::int64_t>, ByLineThenTime> arrivedLate_;
};

} // namespace norvik
