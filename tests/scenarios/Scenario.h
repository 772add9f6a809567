// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/LanguageLines.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace norvik::scenario {

// One test language module as a scenario sets it up.
struct ModuleSetup {
    bool missing = false;
    int lines = moduleLineCount;
    std::map<int, std::string> overrides; // line number -> 1251 bytes
};

// A parsed scenario file: its setup, the protocol input and the expected
// output. See README.md beside this file for the format.
struct Scenario {
    std::vector<std::pair<std::string, std::string>> files; // name -> 1251 bytes
    std::vector<std::string> folders;                       // made empty
    std::vector<std::pair<std::string, std::string>> links; // name -> target
    std::vector<std::pair<std::string, long long>> sparse;  // name -> size
    bool defaultSettings = false;
    bool shippedModules = false;
    ModuleSetup russian;
    ModuleSetup english;
    int status = 0;
    // The folders remembered for the run's directory, relative to it.
    std::optional<std::string> eventsFolder;
    std::optional<std::string> contactsFolder;
    // The program's environment beyond the test's own: name -> value, or
    // nullopt to unset it (the desktop's locale, say).
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    std::vector<std::string> input;
    std::vector<std::string> expected;
    // Files as they must stand once the program has exited (nullopt: missing).
    std::vector<std::pair<std::string, std::optional<std::string>>> afterwards;
    // Symbolic links that must still stand once the program has exited: name -> target.
    std::vector<std::pair<std::string, std::string>> linksAfterwards;
};

// Parses the text of a scenario file; throws std::runtime_error naming the
// line that is wrong.
Scenario parseScenario(const std::string& text);

// Whether an output line matches an expected one: `error` alone matches any
// error line, everything else must be equal.
bool lineMatches(const std::string& expected, const std::string& actual);

} // namespace norvik::scenario
