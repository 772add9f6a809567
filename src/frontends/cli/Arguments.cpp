// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Arguments.h"

#include "events/DateTextReader.h"
#include "frontends/cli/CliFailure.h"
#include "frontends/cli/CommandTable.h"

namespace norvik::cli {

namespace {

// The most lines --max-lines may allow: each costs memory while it is counted.
constexpr std::size_t mostLinesAllowed = 100000000;

// The options of sync: a folder for a list, or forgetting it; never both.
template <class ValueOf>
bool syncFolderOption(CommandOption::Kind kind, const std::string& word, ValueOf& valueOf,
                      SyncOptions& options) {
    using Kind = CommandOption::Kind;
    if (kind == Kind::EventsFolder || kind == Kind::ContactsFolder) {
        const bool events = kind == Kind::EventsFolder;
        auto& folder = events ? options.events : options.contacts;
        if (folder || (events ? options.noEvents : options.noContacts)) {
            throw CliFailure(exitUsage, word + " is given twice, or with --no-" + word.substr(2));
        }
        folder = valueOf(word);
        return true;
    }
    if (kind == Kind::NoEvents || kind == Kind::NoContacts) {
        const bool events = kind == Kind::NoEvents;
        if (events ? options.events.has_value() : options.contacts.has_value()) {
            throw CliFailure(exitUsage, word + " is given with --" + word.substr(5));
        }
        (events ? options.noEvents : options.noContacts) = true;
        return true;
    }
    return false;
}

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
    std::string name = words[at++];
    if (name == "export" || name == "import") {
        if (at == words.size() || (words[at] != "ics" && words[at] != "vcf")) {
            throw CliFailure(exitUsage, name + " wants ics or vcf");
        }
        name += " " + words[at++];
    }
    const Command* command = findCommand(name);
    if (command == nullptr) {
        throw CliFailure(exitUsage, "unknown command " + name);
    }
    arguments.command = command;
    for (; at < words.size(); ++at) {
        const std::string& word = words[at];
        const CommandOption* option = nullptr;
        for (const CommandOption& candidate : command->options) {
            if (word == candidate.name) {
                option = &candidate;
            }
        }
        if (option != nullptr && option->kind == CommandOption::Kind::LineLimit) {
            arguments.lineLimit = lineCountOf(word, valueOf(word));
        } else if (option != nullptr &&
                   syncFolderOption(option->kind, word, valueOf, arguments.sync)) {
            // taken as a folder to remember or forget
        } else if (option != nullptr) {
            const DateTime day = dayOf(word, valueOf(word), currentYear);
            (option->kind == CommandOption::Kind::From ? arguments.range.from
                                                       : arguments.range.to) = day;
        } else if (word == "-h" || word == "--help") {
            arguments.help = true;
            return arguments;
        } else if (word.size() > 1 && word[0] == '-' && !command->dashedOperands) {
            std::string message = "unknown option " + word;
            message.append(" for ").append(name);
            throw CliFailure(exitUsage, message);
        } else {
            arguments.operands.push_back(word);
        }
    }
    if (arguments.operands.size() < command->leastOperands ||
        arguments.operands.size() > command->mostOperands) {
        throw CliFailure(exitUsage, "wrong number of arguments for " + name);
    }
    return arguments;
}

} // namespace norvik::cli
