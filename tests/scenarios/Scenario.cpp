// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenario.h"

#include "frontends/headless/QuotedText.h"

#include <sstream>
#include <stdexcept>

namespace norvik::scenario {

namespace {

enum class Section { Setup, Input, Expect, Afterwards };

std::string afterWord(const std::string& line, std::size_t words) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < words; ++i) {
        at = line.find(' ', at);
        if (at == std::string::npos) {
            return {};
        }
        ++at;
    }
    return line.substr(at);
}

std::string unquoted(std::string_view text, std::string_view& rest) {
    std::string error;
    auto bytes = unquoteText(text, rest, error);
    if (!bytes) {
        throw std::runtime_error(error);
    }
    return *bytes;
}

int number(const std::string& word) {
    if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos ||
        word.size() > 6) {
        throw std::runtime_error("a whole number was expected, not '" + word + "'");
    }
    return std::stoi(word);
}

// `file NAME "TEXT"`: NAME is a plain word or a TEXT; `missing` in place of
// the TEXT only where `missingAllowed`.
std::pair<std::string, std::optional<std::string>> parseFileLine(const std::string& line,
                                                                 bool missingAllowed) {
    std::string_view rest = std::string_view(line).substr(5);
    std::string name;
    if (!rest.empty() && rest.front() == '"') {
        name = unquoted(rest, rest);
    } else {
        const auto blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            throw std::runtime_error("file needs a name and a TEXT");
        }
        name = std::string(rest.substr(0, blank));
        rest = rest.substr(blank);
    }
    if (rest.empty() || rest.front() != ' ') {
        throw std::runtime_error("file needs a name and a TEXT");
    }
    if (missingAllowed && rest == " missing") {
        return {std::move(name), std::nullopt};
    }
    std::string_view after;
    std::string bytes = unquoted(rest.substr(1), after);
    if (!after.empty()) {
        throw std::runtime_error("unexpected text after the file's TEXT");
    }
    return {std::move(name), std::move(bytes)};
}

// A NAME that is a plain word or a TEXT, at the start of `rest`; `rest` is
// left at what follows it.
std::string parseName(std::string_view& rest) {
    if (!rest.empty() && rest.front() == '"') {
        return unquoted(rest, rest);
    }
    const auto blank = rest.find(' ');
    std::string name(rest.substr(0, blank));
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank);
    return name;
}

// `link NAME "TARGET"`: a symbolic link NAME that leads to TARGET.
std::pair<std::string, std::string> parseLinkLine(const std::string& line) {
    std::string_view rest = std::string_view(line).substr(5);
    std::string name = parseName(rest);
    if (name.empty() || rest.size() < 2 || rest.front() != ' ') {
        throw std::runtime_error("link needs a name and a TARGET");
    }
    rest.remove_prefix(1);
    std::string target = unquoted(rest, rest);
    if (!rest.empty() || target.empty()) {
        throw std::runtime_error("link needs a name and a TARGET");
    }
    return {std::move(name), std::move(target)};
}

// `sparse NAME SIZE`: a file of SIZE bytes that holds no data on the disk.
void parseSparse(const std::string& line, Scenario& scenario) {
    std::string_view rest = std::string_view(line).substr(7);
    std::string name = parseName(rest);
    const std::string size = rest.empty() ? std::string() : std::string(rest.substr(1));
    if (name.empty() || size.empty() || size.size() > 15 ||
        size.find_first_not_of("0123456789") != std::string::npos) {
        throw std::runtime_error("sparse needs a name and a size in bytes");
    }
    scenario.sparse.emplace_back(std::move(name), std::stoll(size));
}

void parseFile(const std::string& line, Scenario& scenario) {
    auto [name, bytes] = parseFileLine(line, false);
    scenario.files.emplace_back(std::move(name), std::move(*bytes));
}

void parseModule(const std::string& line, Scenario& scenario) {
    std::istringstream words(line);
    std::string keyword, language, what;
    words >> keyword >> language >> what;
    ModuleSetup* module = language == "ru"   ? &scenario.russian
                          : language == "en" ? &scenario.english
                                             : nullptr;
    if (module == nullptr) {
        throw std::runtime_error("module takes ru or en");
    }
    if (what == "missing" && afterWord(line, 3).empty()) {
        module->missing = true;
    } else if (what == "lines") {
        module->lines = number(afterWord(line, 3));
    } else {
        const int index = number(what);
        std::string_view after;
        std::string bytes = unquoted(afterWord(line, 3), after);
        if (!after.empty()) {
            throw std::runtime_error("unexpected text after the module line's TEXT");
        }
        module->overrides[index] = std::move(bytes);
    }
}

void parseSetup(const std::string& line, Scenario& scenario) {
    if (line.rfind("file ", 0) == 0) {
        parseFile(line, scenario);
    } else if (line.rfind("folder ", 0) == 0) {
        std::string_view rest = std::string_view(line).substr(7);
        const bool quoted = !rest.empty() && rest.front() == '"';
        std::string name = quoted ? unquoted(rest, rest) : std::string(rest);
        if (name.empty() || (quoted && !rest.empty()) ||
            (!quoted && name.find(' ') != std::string::npos)) {
            throw std::runtime_error("folder takes one name");
        }
        scenario.folders.push_back(std::move(name));
    } else if (line.rfind("link ", 0) == 0) {
        scenario.links.push_back(parseLinkLine(line));
    } else if (line.rfind("sparse ", 0) == 0) {
        parseSparse(line, scenario);
    } else if (line == "settings default") {
        scenario.defaultSettings = true;
    } else if (line == "modules shipped") {
        scenario.shippedModules = true;
    } else if (line.rfind("module ", 0) == 0) {
        parseModule(line, scenario);
    } else if (line.rfind("sync events ", 0) == 0 && line.size() > 12) {
        scenario.eventsFolder = line.substr(12);
    } else if (line.rfind("sync contacts ", 0) == 0 && line.size() > 14) {
        scenario.contactsFolder = line.substr(14);
    } else if (line.rfind("environment ", 0) == 0) {
        const std::string rest = line.substr(12);
        const auto equals = rest.find('=');
        if (equals != std::string::npos && equals > 0) {
            scenario.environment.emplace_back(rest.substr(0, equals), rest.substr(equals + 1));
        } else if (rest.size() > 6 && rest.find(' ') == rest.size() - 6 &&
                   rest.substr(rest.size() - 6) == " unset") {
            scenario.environment.emplace_back(rest.substr(0, rest.size() - 6), std::nullopt);
        } else {
            throw std::runtime_error("environment takes NAME=VALUE or NAME unset");
        }
    } else if (line.rfind("status ", 0) == 0) {
        scenario.status = number(line.substr(7));
    } else {
        throw std::runtime_error("unknown setup line");
    }
}

} // namespace

Scenario parseScenario(const std::string& text) {
    Scenario scenario;
    Section section = Section::Setup;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool sawExpect = false;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            if (section == Section::Input) {
                if (line == "expect") {
                    section = Section::Expect;
                    sawExpect = true;
                } else {
                    scenario.input.push_back(line);
                }
                continue;
            }
            if (line.empty() || line.front() == '#') {
                continue;
            }
            if (section == Section::Expect && line == "afterwards") {
                section = Section::Afterwards;
            } else if (section == Section::Expect) {
                scenario.expected.push_back(line);
            } else if (section == Section::Afterwards) {
                if (line.rfind("link ", 0) == 0) {
                    scenario.linksAfterwards.push_back(parseLinkLine(line));
                } else if (line.rfind("file ", 0) == 0) {
                    scenario.afterwards.push_back(parseFileLine(line, true));
                } else {
                    throw std::runtime_error("only file and link lines may follow `afterwards`");
                }
            } else if (line == "input") {
                section = Section::Input;
            } else {
                parseSetup(line, scenario);
            }
        } catch (const std::exception& failure) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + failure.what());
        }
    }
    if (!sawExpect) {
        throw std::runtime_error("a scenario needs an `input` and an `expect` line");
    }
    for (const ModuleSetup* module : {&scenario.russian, &scenario.english}) {
        if (!module->overrides.empty() && module->overrides.rbegin()->first >= module->lines) {
            throw std::runtime_error("a module line is overridden past the module's end");
        }
    }
    return scenario;
}

bool lineMatches(const std::string& expected, const std::string& actual) {
    if (expected == "error") {
        return actual == "error" || actual.rfind("error ", 0) == 0;
    }
    return expected == actual;
}

} // namespace norvik::scenario
