// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/CommandLine.h"

#include <string_view>

namespace norvik::headless {

namespace {

constexpr std::string_view helpText =
    R"(Usage: norvik-headless [--help | --version]

Runs Norvik in the current directory without a window system: it reads user
actions from standard input, one line each (start, click Button3,
type Memo1 "text", wait 1 ...), and writes what the program shows to
standard output (shown TForm1, box 16 "Norvik" "..." ...). It is a testing
tool; the protocol is described in docs/headless-protocol.md of the source.

The clock is simulated and starts at the real local time. A new data
directory takes its language from LC_ALL, LC_MESSAGES or LANG, as the
windowed program does.

Exit status: 0 at the end of input or when the program ends; 2 after a line
the protocol does not accept.
)";

} // namespace

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            out << helpText << std::flush;
            return out ? 0 : 2;
        }
        if (argument == "--version") {
            out << "norvik-headless " NORVIK_VERSION "\n" << std::flush;
            return out ? 0 : 2;
        }
    }
    err << "norvik-headless: unknown argument " << arguments.front()
        << "\nTry 'norvik-headless --help'.\n";
    return 2;
}

} // namespace norvik::headless
