// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/cli/Commands.h"
#include "frontends/cli/SyncCommand.h"
#include "interop/CalendarImport.h"

#include <cstddef>
#include <string>
#include <vector>

namespace norvik::cli {

struct Command;

// The command line taken apart. Fails with exit status 1 on wrong usage, 2 on
// an option value that cannot be read.
struct Arguments {
    bool help = false;
    bool version = false;
    std::string dataDirectory;        // empty: the default one
    const Command* command = nullptr; // none with --help or --version
    std::vector<std::string> operands;
    DayRange range;
    std::size_t lineLimit = defaultImportLineLimit; // --max-lines
    SyncOptions sync;                               // sync's folders

    static Arguments parse(const std::vector<std::string>& words, int currentYear);
};

} // namespace norvik::cli
