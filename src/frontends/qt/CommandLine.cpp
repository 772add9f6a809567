// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/CommandLine.h"

#include <iostream>
#include <string_view>

namespace norvik::qt {

namespace {

constexpr std::string_view helpText =
    R"(Usage: norvik [--help | --version]

Norvik is a planner for one person: notes, events with reminders, a phone
book and a calendar in one window. It works in the current directory, which
holds its data files and the two language modules. The menu entry starts it
through norvik-launch, which prepares a data directory first ($NORVIK_DATA,
else ~/Norvik) and starts Norvik there.

Options:
  -h, --help   show this help and exit
  --version    show the version and exit
Qt's standard options (-platform, -style, -display ...) are passed to Qt.

See norvik(1) and norvik-launch(1).
)";

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::cout << helpText << std::flush;
            return std::cout ? 0 : 1;
        }
        if (argument == "--version") {
            std::cout << "norvik " NORVIK_VERSION "\n" << std::flush;
            return std::cout ? 0 : 1;
        }
    }
    return std::nullopt;
}

} // namespace norvik::qt
