#pragma once

#include "kit/Failure.h"

namespace norvik::cli {

// The exit statuses of norvik-cli.
enum ExitStatus {
    exitOk = 0,
    exitUsage = 1,
    exitBadInput = 2,
    exitLocked = 3,
    exitCannotWrite = 4
};

// A failure that ends the command with its exit status.
class CliFailure : public Failure {
public:
    CliFailure(ExitStatus status, const std::string& message) : Failure(message), status_(status) {}
    ExitStatus status() const { return status_; }

private:
    ExitStatus status_;
};

} // namespace norvik::cli
