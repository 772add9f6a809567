#pragma once

#include "kit/Text.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace norvik {

// The events already announced as due, each known by its time and its whole
// line: an edited or postponed line is a new event. Two equal lines are one
// event. Few events are ever announced in one run, so a plain list serves.
class AnnouncedEvents {
public:
    bool contains(std::int64_t time, const Text& line) const;
    void add(std::int64_t time, const Text& line);
    // Forgets the events no longer in the list, so that a line deleted and
    // added again counts as new. `times` holds one time per line.
    void keepPresent(const Lines& lines, const std::vector<std::int64_t>& times);
    std::size_t size() const { return events_.size(); }

private:
    std::vector<std::pair<std::int64_t, Text>> events_;
};

} // namespace norvik
