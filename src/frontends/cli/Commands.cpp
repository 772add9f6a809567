// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/Commands.h"

#include "events/DateTextReader.h"
#include "events/EventLine.h"
#include "events/EventTime.h"
#include "frontends/cli/CliFailure.h"
#include "frontends/cli/DataDirectory.h"
#include "frontends/cli/DayFilter.h"
#include "frontends/cli/TimeOrder.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/ControlCharacters.h"
#include "interop/EventEntry.h"
#include "interop/LineMerge.h"
#include "interop/PhoneCard.h"
#include "interop/VCard.h"
#include "phonebook/PhoneLine.h"
#include "store/Codec1251.h"
#include "store/DataFiles.h"
#include "store/PosixFileSystem.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

namespace norvik::cli {

namespace {

int currentYear(const CommandContext& context) {
    return localDateTime(context.now).year;
}

void reportUnreadable(CommandContext& context, std::size_t lineNumber) {
    context.err << "norvik-cli: " << eventsFile << ":" << lineNumber
                << ": the date text cannot be read; line skipped\n";
}

// Standard input, read no further than one byte past the longest file read.
std::string readStandardInput() {
    std::string bytes;
    std::vector<char> block(std::size_t{1} << 16);
    for (;;) {
        const std::size_t room = largestReadableFile + 1 - bytes.size();
        std::cin.read(block.data(), static_cast<std::streamsize>(std::min(block.size(), room)));
        const auto got = static_cast<std::size_t>(std::cin.gcount());
        if (got == 0) {
            return bytes;
        }
        bytes.append(block.data(), got);
        if (bytes.size() > largestReadableFile) {
            throw CliFailure(exitBadInput, "standard input holds more than the " +
                                               std::to_string(largestReadableFile) +
                                               " bytes norvik-cli reads");
        }
    }
}

// The bytes of an input file, standard input for "-".
std::string readInput(const std::string& source) {
    if (source == "-") {
        return readStandardInput();
    }
    PosixFileSystem disk;
    FileRead read = disk.read(source);
    if (!read.bytes) {
        throw CliFailure(exitBadInput, "cannot read " + source + ": " + read.reason);
    }
    return std::move(*read.bytes);
}

// Standard output for "-"; a file is replaced atomically, as the data files are.
void writeOutput(CommandContext& context, const std::string& target, const std::string& bytes) {
    if (target == "-") {
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        context.out.flush();
        if (!context.out) {
            throw CliFailure(exitCannotReadOrWrite, "cannot write to standard output");
        }
        return;
    }
    try {
        PosixFileSystem disk;
        disk.replace(target, bytes);
    } catch (const Failure& failure) {
        throw CliFailure(exitCannotReadOrWrite, withReason(failure));
    }
}

void reportMerge(CommandContext& context, const LineMerge& merge, std::size_t unreadable,
                 std::size_t replaced) {
    context.out << merge.added << " added, " << merge.skipped << " skipped (already there), "
                << unreadable << " unreadable\n";
    if (replaced > 0) {
        context.out << replaced
                    << " character(s) that code page 1251 cannot hold were replaced by \"?\"\n";
    }
}

} // namespace

FieldLabel labelsOf(const Lines& labels) {
    // The labels were read in the order of their lines (DataDirectory::phoneLabels).
    return [&labels](Line line) {
        return Text(labels.at(static_cast<std::size_t>(static_cast<int>(line) -
                                                       static_cast<int>(Line::PostcodeLabel))));
    };
}

DateTime localDateTime(std::time_t instant) {
    std::tm tm{};
    localtime_r(&instant, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                    tm.tm_min,         tm.tm_sec,     0};
}

void listEvents(CommandContext& context, const DayRange& range) {
    const int year = currentYear(context);
    const std::int64_t from = range.from ? momentMillis(*range.from) : INT64_MIN;
    const std::int64_t to = range.to ? momentMillis(*range.to) + millisPerDay : INT64_MAX;
    // Lines in the program's own form outside the days are passed over unread.
    const DayFilter filter(range.from, range.to);
    std::vector<Listed> listed;
    std::size_t lineNumber = 0;
    // Whether the line is listed, as the one kept at `index`.
    const auto consider = [&](std::string_view line, std::size_t index) {
        ++lineNumber;
        if (filter.outside(line)) {
            return false;
        }
        const auto entry = readEventLine(Text(line), year);
        if (!entry) {
            reportUnreadable(context, lineNumber);
            return false;
        }
        const std::int64_t at = momentMillis(entry->moment);
        if (at < from || at >= to) {
            return false;
        }
        listed.push_back({at, index});
        return true;
    };
    const auto show = [&](const Lines& lines) {
        orderByTime(listed);
        // Lines in time order lie all over the file: where the lines a little
        // ahead lie, and then their bytes, are fetched while these are written.
        constexpr std::size_t placesAhead = 16;
        constexpr std::size_t bytesAhead = 4;
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (i + placesAhead < listed.size()) {
                lines.prefetchPlace(listed[i + placesAhead].index);
            }
            if (i + bytesAhead < listed.size()) {
                lines.prefetchBytes(listed[i + bytesAhead].index);
            }
            const std::string text = cp1251::toUtf8(lines[listed[i].index]);
            context.out << (context.terminal ? controlsShown(text) : withoutControls(text)) << '\n';
        }
    };
    if (range.from || range.to) {
        // Some days: the file is looked through in a small buffer, and only
        // their lines are kept.
        Lines kept;
        context.data.scan(eventsFile, [&](std::string_view line) {
            if (consider(line, kept.size())) {
                kept.push_back(line);
            }
        });
        show(kept);
        return;
    }
    // Everything: every line is kept, where the file was read.
    const Lines lines = context.data.load(eventsFile);
    listed.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        consider(lines[i], i);
    }
    show(lines);
}

void addEvent(CommandContext& context, const std::string& dateText, const std::string& eventText) {
    const auto reading = readDateText(dateText, currentYear(context));
    if (!reading || dateText.find_first_not_of(' ', reading->consumed) != std::string::npos) {
        throw CliFailure(exitBadInput, "\"" + dateText + "\" is not a date and time Norvik reads");
    }
    const auto text = cp1251::fromUtf8(eventText);
    if (!text) {
        throw CliFailure(exitBadInput,
                         "the event text holds characters that code page 1251 cannot hold");
    }
    if (text->find_first_of("\r\n") != std::string::npos) {
        throw CliFailure(exitBadInput, "the event text must be one line");
    }
    if (withoutControls(*text) != *text) {
        throw CliFailure(exitBadInput, "the event text holds control characters");
    }
    context.data.lockForWriting();
    Lines lines = context.data.load(eventsFile);
    const Text line = makeEventLine(formatDateText(reading->moment), *text);
    lines.push_back(line);
    context.data.save(eventsFile, lines);
    context.out << cp1251::toUtf8(line) << '\n';
}

void exportIcs(CommandContext& context, const std::string& target) {
    const Lines lines = context.data.load(eventsFile);
    const CalendarExport calendar =
        exportCalendar(lines, systemZone(), currentYear(context), context.now);
    for (const std::size_t line : calendar.unreadableLines) {
        reportUnreadable(context, line);
    }
    writeOutput(context, target, calendar.bytes);
}

void importIcs(CommandContext& context, const std::string& source, const DayRange& range,
               std::size_t lineLimit) {
    context.data.lockForWriting();
    DayWindow window;
    const DateTime today = localDateTime(context.now);
    window.first = range.from.value_or(DateTime{today.year, today.month, today.day});
    if (range.to) {
        window.last = *range.to;
    } else {
        // A year ahead: the same day next year, or 28 February for the 29th.
        const int year = window.first.year + 1;
        window.last = DateTime{year, window.first.month,
                               std::min(window.first.day, daysInMonth(year, window.first.month))};
    }
    CalendarImport calendar;
    try {
        calendar = importCalendar(readInput(source), source, window, lineLimit);
    } catch (const CliFailure&) {
        throw;
    } catch (const ImportTooLarge& failure) {
        throw CliFailure(exitBadInput, std::string(failure.what()) +
                                           "; nothing was written (--max-lines allows more)");
    } catch (const Failure& failure) {
        throw CliFailure(exitBadInput, failure.what());
    }
    Lines lines = context.data.load(eventsFile);
    const LineMerge merge = appendNewLines(lines, calendar.lines);
    if (merge.added > 0) {
        context.data.save(eventsFile, lines);
    }
    reportMerge(context, merge, calendar.unreadable, calendar.replaced);
}

void exportVcf(CommandContext& context, const std::string& target) {
    const Lines lines = context.data.load(phonesFile);
    const Lines labels = context.data.phoneLabels();
    const FieldLabel label = labelsOf(labels);
    std::vector<PhoneCard> cards;
    cards.reserve(lines.size());
    for (const std::string_view line : lines) {
        cards.push_back(cardFromPhoneLine(Text(line), label));
    }
    writeOutput(context, target, writeVCards(cards));
}

void importVcf(CommandContext& context, const std::string& source) {
    context.data.lockForWriting();
    VCardImport import;
    try {
        import = readVCards(readInput(source), source);
    } catch (const CliFailure&) {
        throw;
    } catch (const Failure& failure) {
        throw CliFailure(exitBadInput, failure.what());
    }
    const Lines labels = context.data.phoneLabels();
    const FieldLabel label = labelsOf(labels);
    Lines incoming;
    std::size_t unreadable = 0;
    for (const PhoneCard& card : import.cards) {
        if (auto line = phoneLineFromCard(card, label)) {
            incoming.push_back(std::move(*line));
        } else {
            ++unreadable;
        }
    }
    Lines lines = context.data.load(phonesFile);
    const LineMerge merge = appendNewLines(lines, incoming);
    if (merge.added > 0) {
        context.data.save(phonesFile, lines);
    }
    reportMerge(context, merge, unreadable, import.replaced);
}

} // namespace norvik::cli
