// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Arguments.h"

#include "events/DateTextReader.h"
#include "frontends/cli/CliFailure.h"

namespace norvik::cli {

namespace {

struct CommandShape {
    const char* name;
    std::size_t leastOperands;
    std::size_t mostOperands;
    bool takesRange;
    bool takesLineLimit;
};

constexpr CommandShape shapes[] = {
    {"list", 0, 0, true, false},        {"add", 2, 2, false, false},
    {"export ics", 0, 1, false, false}, {"import ics", 1, 1, true, true},
    {"export vcf", 0, 1, false, false}, {"import vcf", 1, 1, false, false},
};

// The most lines --max-lines may allow: each costs memory while it is counted.
constexpr std::size_t mostLinesAllowed = 100000000;

// A value that cannot be read is bad input, as a date text is for add.
DateTime dayOf(const std::string& option, const std::string& text, int currentYear) {
    const auto reading = readDateText(text, currentYear);
    if (!reading || text.find_first_not_of(' ', reading->consumed) != std::string::npos) {
        throw CliFailure(exitBadInput, option + " wants a date DD.MM.YYYY, not \"" + text + "\"");
    }
    return DateTime{reading->moment.year, reading->moment.month, reading->moment.day};
}

std::size_t lineCountOf(const std::string& option, const std::string& text) {
    std::size_t count = 0;
    bool readable = !text.empty() && text.size() <= 9;
    for (const char c : text) {
        readable = readable && c >= '0' && c <= '9';
        count = readable ? count * 10 + static_cast<std::size_t>(c - '0') : 0;
    }
    if (!readable || count == 0 || count > mostLinesAllowed) {
        throw CliFailure(exitBadInput, option + " wants a number of lines from 1 to " +
                                           std::to_string(mostLinesAllowed) + ", not \"" + text +
                                           "\"");
    }
    return count;
}

} // namespace

Arguments Arguments::parse(const std::vector<std::string>& words, int currentYear) {
    Arguments arguments;
    std::size_t at = 0;
    auto valueOf = [&](const std::string& option) {
        if (at + 1 >= words.size()) {
            throw CliFailure(exitUsage, option + " needs a value");
        }
        return words[++at];
    };
    for (; at < words.size() && words[at].size() > 1 && words[at][0] == '-'; ++at) {
        const std::string& word = words[at];
        if (word == "-h" || word == "--help") {
            arguments.help = true;
            return arguments;
        }
        if (word == "--version") {
            arguments.version = true;
            return arguments;
        }
        if (word == "-d" || word == "--data") {
            arguments.dataDirectory = valueOf(word);
        } else {
            throw CliFailure(exitUsage, "unknown option " + word);
        }
    }
    if (at == words.size()) {
        throw CliFailure(exitUsage, "no command given");
    }
    arguments.command = words[at++];
    if (arguments.command == "export" || arguments.command == "import") {
        if (at == words.size() || (words[at] != "ics" && words[at] != "vcf")) {
            throw CliFailure(exitUsage, arguments.command + " wants ics or vcf");
        }
        arguments.command += " " + words[at++];
    }
    const CommandShape* shape = nullptr;
    for (const auto& candidate : shapes) {
        if (arguments.command == candidate.name) {
            shape = &candidate;
        }
    }
    if (shape == nullptr) {
        throw CliFailure(exitUsage, "unknown command " + arguments.command);
    }
    for (; at < words.size(); ++at) {
        const std::string& word = words[at];
        if (shape->takesRange && (word == "--from" || word == "--to")) {
            const DateTime day = dayOf(word, valueOf(word), currentYear);
            (word == "--from" ? arguments.range.from : arguments.range.to) = day;
        } else if (shape->takesLineLimit && word == "--max-lines") {
            arguments.lineLimit = lineCountOf(word, valueOf(word));
        } else if (word == "-h" || word == "--help") {
            arguments.help = true;
            return arguments;
        } else if (word.size() > 1 && word[0] == '-' && shape->name != std::string("add")) {
            throw CliFailure(exitUsage, "unknown option " + word + " for " + arguments.command);
        } else {
            arguments.operands.push_back(word);
        }
    }
    if (arguments.operands.size() < shape->leastOperands ||
        arguments.operands.size() > shape->mostOperands) {
        throw CliFailure(exitUsage, "wrong number of arguments for " + arguments.command);
    }
    return arguments;
}

} // namespace norvik::cli
