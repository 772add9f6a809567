#pragma once

#include "frontends/cli/Commands.h"
#include "frontends/cli/SyncCommand.h"

#include <string>
#include <vector>

namespace norvik::cli {

// The command line taken apart. Fails with exit status 1 on wrong usage.
struct Arguments {
    bool help = false;
    std::string dataDirectory; // empty: the default one
    std::string command;       // "list", "add", "export ics", "import vcf" ...
    std::vector<std::string> operands;
    DayRange range;
    SyncOptions sync;

    static Arguments parse(const std::vector<std::string>& words, int currentYear);
};

} // namespace norvik::cli
