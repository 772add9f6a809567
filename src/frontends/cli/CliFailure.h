// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Failure.h"

#include <string>

namespace norvik::cli {

// The exit statuses of norvik-cli.
enum ExitStatus {
    exitOk = 0,
    exitUsage = 1,
    exitBadInput = 2,
    exitLocked = 3,
    exitCannotReadOrWrite = 4 // a data file, a module, the lock or the output
};

// A failure of the store as norvik-cli reports it: the message, and the
// system's reason after it unless the message already ends with it
// ("Cannot open file do.txt: No such file or directory").
inline std::string withReason(const Failure& failure) {
    std::string message = failure.what();
    const std::string& reason = failure.reason();
    if (!reason.empty() && !message.ends_with(reason)) {
        message += ": " + reason;
    }
    return message;
}

// A failure that ends the command with its exit status.
class CliFailure : public Failure {
public:
    CliFailure(ExitStatus status, const std::string& message) : Failure(message), status_(status) {}
    ExitStatus status() const { return status_; }

private:
    ExitStatus status_;
};

} // namespace norvik::cli
