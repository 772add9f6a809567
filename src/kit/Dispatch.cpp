// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Dispatch.h"

#include "kit/Platform.h"
#include "kit/ProgramEnded.h"

#include <exception>

namespace norvik {

Text failureReportText(const Text& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

bool dispatch(Platform& platform, const std::function<void()>& handler) {
    Text message;
    try {
        handler();
        return true;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& failure) {
        message = failure.what();
    } catch (...) {
        message.clear();
    }
    platform.messageBox(failureReportText(message), applicationTitle, mbError);
    return false;
}

} // namespace norvik
