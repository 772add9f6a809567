// SPDX-License-Identifier: GPL-3.0-or-later
// norvik-scenario HEADLESS MODULE_DIR SCENARIO
//
// Runs one scenario: a fresh temporary directory with the scenario's files,
// the headless program started there with the scenario's input, and its
// output and exit status compared with the expected ones. The directory is
// removed when the scenario passes and kept for inspection when it fails.

#include "NumberedModule.h"
#include "Scenario.h"
#include "TempFolder.h"

#include "frontends/headless/QuotedText.h"
#include "interop/sync/SyncFolders.h"
#include "store/DataFiles.h"
#include "store/Settings.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using norvik::scenario::Scenario;
using norvik::test::TempFolder;

namespace {

// A test module: line N reads "PREFIX N" but where the scenario says otherwise.
std::string moduleFile(const norvik::scenario::ModuleSetup& setup, const std::string& prefix) {
    return norvik::test::moduleFile(
        norvik::test::numberedModule(prefix, setup.lines, setup.overrides));
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The run's own folder inside the work folder, beside its input and output,
// and the configuration folder the program is given.
const std::string runFolder = "run";
const std::string configFolder = "config";

void writeSetup(const Scenario& scenario, const TempFolder& work, const fs::path& modules) {
    const std::string run = runFolder + "/";
    if (scenario.shippedModules) {
        for (const char* module : {norvik::russianModule, norvik::englishModule}) {
            work.write(run + module, readFile(modules / fs::path(module).filename()));
        }
    } else {
        if (!scenario.russian.missing) {
            work.write(run + norvik::russianModule, moduleFile(scenario.russian, "ru"));
        }
        if (!scenario.english.missing) {
            work.write(run + norvik::englishModule, moduleFile(scenario.english, "en"));
        }
    }
    if (scenario.defaultSettings) {
        work.write(run + norvik::settingsFile, norvik::defaultSettingsBytes());
    }
    for (const auto& name : scenario.folders) {
        fs::create_directories(fs::path(work / runFolder) / name);
    }
    for (const auto& [name, bytes] : scenario.files) {
        work.write(runFolder + "/" + name, bytes);
    }
    for (const auto& [name, target] : scenario.links) {
        const fs::path path = fs::path(work / runFolder) / name;
        fs::create_directories(path.parent_path());
        fs::create_symlink(target, path);
    }
    for (const auto& [name, size] : scenario.sparse) {
        const fs::path path = fs::path(work / runFolder) / name;
        fs::create_directories(path.parent_path());
        work.write(runFolder + "/" + name, "");
        fs::resize_file(path, static_cast<std::uintmax_t>(size)); // a hole, no blocks
    }
    // The program reads the folders it syncs with from the user's
    // configuration: the run has one of its own.
    if (scenario.eventsFolder || scenario.contactsFolder) {
        const std::string directory = fs::canonical(work / runFolder).string();
        norvik::sync::SyncFolders folders;
        if (scenario.eventsFolder) {
            folders.events = norvik::sync::absoluteFolder(*scenario.eventsFolder, directory);
        }
        if (scenario.contactsFolder) {
            folders.contacts = norvik::sync::absoluteFolder(*scenario.contactsFolder, directory);
        }
        work.write(configFolder + "/norvik/" + norvik::sync::syncFoldersFile,
                   norvik::sync::withFolders("", directory, folders));
    }
}

// Runs the program in `directory` with `inputFile` on standard input and its
// standard output into `outputFile`; returns its exit status.
int runProgram(const fs::path& program, const fs::path& directory, const fs::path& inputFile,
               const fs::path& outputFile, const Scenario& scenario, const fs::path& config) {
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("cannot start the program");
    }
    if (child == 0) {
        const int in = ::open(inputFile.c_str(), O_RDONLY);
        const int out = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::chdir(directory.c_str()) != 0 ||
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1) != 0) {
            ::_exit(127);
        }
        for (const auto& [name, value] : scenario.environment) {
            if (value ? ::setenv(name.c_str(), value->c_str(), 1) != 0
                      : ::unsetenv(name.c_str()) != 0) {
                ::_exit(127);
            }
        }
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost the program");
        }
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

std::vector<std::string> splitOutput(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

// Prints expected and actual output side by side from the first difference.
bool compare(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    std::size_t first = 0;
    while (first < expected.size() && first < actual.size() &&
           norvik::scenario::lineMatches(expected[first], actual[first])) {
        ++first;
    }
    if (first == expected.size() && first == actual.size()) {
        return true;
    }
    std::cout << "Output differs at line " << first + 1 << ":\n";
    std::cout << "  expected: " << (first < expected.size() ? expected[first] : "(no more lines)")
              << "\n";
    std::cout << "  actual:   " << (first < actual.size() ? actual[first] : "(no more lines)")
              << "\n\n";
    std::cout << "--- expected\n";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::cout << (i == first ? "> " : "  ") << expected[i] << "\n";
    }
    std::cout << "--- actual\n";
    for (std::size_t i = 0; i < actual.size(); ++i) {
        std::cout << (i == first ? "> " : "  ") << actual[i] << "\n";
    }
    return false;
}

// Compares the files the scenario expects after the run with the directory.
bool compareFiles(const Scenario& scenario, const fs::path& directory) {
    bool same = true;
    for (const auto& [name, expected] : scenario.afterwards) {
        const fs::path path = directory / name;
        const std::optional<std::string> actual =
            fs::is_regular_file(path) ? std::optional(readFile(path)) : std::nullopt;
        if (actual != expected) {
            std::cout << "File " << name << " afterwards: expected "
                      << (expected ? norvik::quoteText(*expected) : "missing") << ", found "
                      << (actual ? norvik::quoteText(*actual) : "missing") << "\n";
            same = false;
        }
    }
    for (const auto& [name, target] : scenario.linksAfterwards) {
        const fs::path path = directory / name;
        const std::string found =
            fs::is_symlink(path) ? fs::read_symlink(path).string() : std::string("no link");
        if (found != target) {
            std::cout << "Link " << name << " afterwards: expected \"" << target << "\", found \""
                      << found << "\"\n";
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: norvik-scenario HEADLESS MODULE_DIR SCENARIO\n";
        return 2;
    }
    const fs::path program = fs::absolute(argv[1]);
    const fs::path modules = argv[2];
    const fs::path scenarioFile = argv[3];
    try {
        const Scenario scenario = norvik::scenario::parseScenario(readFile(scenarioFile));
        TempFolder work("norvik-scenario");
        const fs::path directory = work / runFolder;
        fs::create_directories(directory);
        writeSetup(scenario, work, modules);

        std::string input;
        for (const auto& line : scenario.input) {
            input += line + "\n";
        }
        work.write("input.txt", input);
        const int status = runProgram(program, directory, work / "input.txt", work / "output.txt",
                                      scenario, fs::path(work.path()) / configFolder);
        // The run's directory has a new name each time: output names it RUN.
        std::string output = work.read("output.txt");
        const std::string where = fs::canonical(directory).string();
        for (std::size_t at = output.find(where); at != std::string::npos;
             at = output.find(where, at + 3)) {
            output.replace(at, where.size(), "RUN");
        }
        const auto actual = splitOutput(output);

        bool passed = compare(scenario.expected, actual);
        passed = compareFiles(scenario, directory) && passed;
        if (status != scenario.status) {
            std::cout << "Exit status " << status << ", expected " << scenario.status << "\n";
            passed = false;
        }
        if (!passed) {
            work.keep();
            std::cout << "Kept for inspection: " << work.path() << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& failure) {
        std::cout << scenarioFile.string() << ": " << failure.what() << "\n";
        return 2;
    }
}
