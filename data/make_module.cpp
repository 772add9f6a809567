// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a language module source (UTF-8, one `NUMBER "TEXT"` entry a line)
// into the module file the program reads: code page 1251, CR LF, every line
// from 0 to the highest number present.
#include "frontends/headless/QuotedText.h"
#include "language/LanguageLines.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

namespace {

int fail(const std::string& where, const std::string& what) {
    std::cerr << where << ": " << what << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: norvik-make-module SOURCE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        return fail(argv[1], "cannot be read");
    }
    std::map<int, std::string> lines;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = std::string(argv[1]) + ":" + std::to_string(lineNumber);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        int number = -1;
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        if (error != std::errc() || number < 0 || number >= norvik::moduleLineCount) {
            return fail(where, "a line number from 0 to " +
                                   std::to_string(norvik::moduleLineCount - 1) + " was expected");
        }
        std::string_view rest;
        std::string why;
        const auto text =
            norvik::unquoteText(std::string_view(end, line.data() + line.size() - end), rest, why);
        if (!text) {
            return fail(where, why);
        }
        if (rest.find_first_not_of(' ') != std::string_view::npos) {
            return fail(where, "nothing may follow the text");
        }
        if (text->find_first_of("\r\n") != std::string::npos) {
            return fail(where, "a module line cannot hold a line break");
        }
        if (!lines.emplace(number, *text).second) {
            return fail(where, "line " + std::to_string(number) + " is given twice");
        }
    }
    std::ostringstream out;
    for (int number = 0; number < norvik::moduleLineCount; ++number) {
        const auto found = lines.find(number);
        if (found == lines.end()) {
            return fail(argv[1], "line " + std::to_string(number) + " is missing");
        }
        out << found->second << "\r\n";
    }
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file.flush()) {
        return fail(argv[2], "cannot be written");
    }
    return 0;
}
