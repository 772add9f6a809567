// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace norvik::headless {

// The protocol's output stream: one line at a time, each flushed at once so
// that a script may wait for a line before it writes the next one. Once the
// session is over it is muted: whatever the program does while it is torn
// down prints nothing.
class Output {
public:
    explicit Output(std::ostream& stream) : stream_(stream) {}

    void line(std::string_view text);
    void mute() { muted_ = true; }

private:
    std::ostream& stream_;
    bool muted_ = false;
};

// Program bytes (code page 1251) as a quoted TEXT.
std::string quoted(const Text& bytes);
// A UTF-8 message of the front end itself as a quoted TEXT.
std::string quotedUtf8(std::string_view utf8);
// The items of a list value: each as a TEXT, separated by blanks.
std::string quotedList(const Lines& items);
// Indexes separated by blanks.
std::string indexList(const std::vector<int>& indexes);

} // namespace norvik::headless
