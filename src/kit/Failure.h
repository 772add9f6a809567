#pragma once

#include <stdexcept>
#include <string>

namespace norvik {

// The program's one exception type: whatever escapes a handler is shown to the
// user as the failure report and the program runs on.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

} // namespace norvik
