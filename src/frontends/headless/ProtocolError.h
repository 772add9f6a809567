// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norvik::headless {

// A line the protocol does not accept. Deliberately no std::exception: it is
// turned into the `error` line where the line is read and never passes
// through dispatch, which would show it as a failure report.
struct ProtocolError {
    std::string what;
};

} // namespace norvik::headless
