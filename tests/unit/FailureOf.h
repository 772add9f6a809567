// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Failure.h"

#include <functional>
#include <string>

namespace norvik::test {

// The message of the failure the action throws, or "no failure".
inline std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

} // namespace norvik::test
