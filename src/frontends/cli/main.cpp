// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Arguments.h"
#include "frontends/cli/CliFailure.h"
#include "frontends/cli/CommandTable.h"
#include "frontends/cli/Commands.h"
#include "frontends/cli/DataDirectory.h"
#include "frontends/cli/Usage.h"
#include "interop/ControlCharacters.h"

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
            std::cout << usageText();
            return exitOk;
        }
        if (arguments.version) {
            std::cout << "norvik-cli " NORVIK_VERSION "\n";
            return exitOk;
        }
        DataDirectory data(DataDirectory::chosen(arguments.dataDirectory));
        CommandContext context{data, std::cout, std::cerr, now, isatty(STDOUT_FILENO) == 1};
        arguments.command->run(context, arguments);
        std::cout.flush();
        return std::cout ? exitOk : exitCannotReadOrWrite;
    } catch (const CliFailure& failure) {
        // Messages may quote an input file: no control character of it gets through.
        std::cerr << "norvik-cli: " << norvik::controlsShown(failure.what()) << '\n';
        if (failure.status() == exitUsage) {
            std::cerr << "Try 'norvik-cli --help'.\n";
        }
        return failure.status();
    } catch (const std::exception& failure) {
        std::cerr << "norvik-cli: " << norvik::controlsShown(failure.what()) << '\n';
        return exitCannotReadOrWrite;
    }
}
