// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Arguments.h"
#include "frontends/cli/CliFailure.h"
#include "frontends/cli/Commands.h"
#include "frontends/cli/DataDirectory.h"
#include "frontends/cli/Usage.h"
#include "interop/ControlCharacters.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

// norvik-cli: Norvik's events and phone book from the command line, with
// iCalendar and vCard import and export.
int main(int argc, char** argv) {
    using namespace norvik::cli;
    std::ios::sync_with_stdio(false);
    const std::time_t now = std::time(nullptr);
    try {
        const Arguments arguments = Arguments::parse(
            std::vector<std::string>(argv + 1, argv + argc), localDateTime(now).year);
        if (arguments.help) {
            std::cout << usageText;
            return exitOk;
        }
        if (arguments.version) {
            std::cout << "norvik-cli " NORVIK_VERSION "\n";
            return exitOk;
        }
        std::string directory = arguments.dataDirectory;
        if (directory.empty()) {
            const char* data = std::getenv("NORVIK_DATA");
            const char* home = std::getenv("HOME");
            if (data != nullptr && *data != '\0') {
                directory = data;
            } else if (home != nullptr && *home != '\0') {
                directory = std::string(home) + "/Norvik";
            } else {
                throw CliFailure(exitUsage,
                                 "no data directory: set HOME or NORVIK_DATA, or use -d");
            }
        }
        DataDirectory data(directory);
        CommandContext context{data, std::cout, std::cerr, now, isatty(STDOUT_FILENO) == 1};
        const auto& command = arguments.command;
        const auto& operands = arguments.operands;
        const std::string target = operands.empty() ? "-" : operands[0];
        if (command == "list") {
            listEvents(context, arguments.range);
        } else if (command == "add") {
            addEvent(context, operands[0], operands[1]);
        } else if (command == "export ics") {
            exportIcs(context, target);
        } else if (command == "import ics") {
            importIcs(context, operands[0], arguments.range, arguments.lineLimit);
        } else if (command == "export vcf") {
            exportVcf(context, target);
        } else {
            importVcf(context, operands[0]);
        }
        std::cout.flush();
        return std::cout ? exitOk : exitCannotWrite;
    } catch (const CliFailure& failure) {
        // Messages may quote an input file: no control character of it gets through.
        std::cerr << "norvik-cli: " << norvik::controlsShown(failure.what()) << '\n';
        if (failure.status() == exitUsage) {
            std::cerr << "Try 'norvik-cli --help'.\n";
        }
        return failure.status();
    } catch (const std::exception& failure) {
        std::cerr << "norvik-cli: " << norvik::controlsShown(failure.what()) << '\n';
        return exitCannotWrite;
    }
}
