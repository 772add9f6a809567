// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace norvik {

// The program's one exception type: whatever escapes a handler is shown to the
// user as the failure report and the program runs on. A failure of the disk
// also carries the system's reason ("No space left on device"), which the
// report leaves out but the close-time questions name.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message, std::string reason = "")
        : std::runtime_error(message), reason_(std::move(reason)) {}

    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

} // namespace norvik
