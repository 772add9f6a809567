// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/SyncState.h"

#include "interop/ContentLines.h"

#include <charconv>
#include <cstdio>

namespace norvik::sync {

namespace {

constexpr std::string_view header = "norvik-sync 1";

void escaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

std::string unescaped(std::string_view text) {
    return unescapeBackslashes(text, [](char next) {
        return next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    });
}

// An optional text: "=" and the text, or "!" for none.
void optionalField(std::string& out, const std::optional<Text>& text) {
    out += '\t';
    if (!text) {
        out += '!';
        return;
    }
    out += '=';
    escaped(out, *text);
}

void field(std::string& out, std::string_view text) {
    out += '\t';
    escaped(out, text);
}

void number(std::string& out, std::uint64_t value) {
    out += '\t';
    out += std::to_string(value);
}

std::string hex(std::uint64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

void writeBody(std::string& out, const SyncState& state) {
    for (const auto& [name, record] : state.files) {
        out += "file";
        field(out, name);
        number(out, record.stamp.size);
        out += '\t';
        out += std::to_string(record.stamp.modifiedNs);
        number(out, record.stamp.inode);
        field(out, hex(record.hash));
        std::string flags;
        flags += record.series ? "s" : "";
        flags += record.ownNote ? "n" : "";
        if (record.skip != 0) {
            flags += 'x';
            flags += record.skip;
        }
        field(out, flags.empty() ? "-" : flags);
        field(out, record.uid);
        out += '\n';
    }
    if (!state.told.empty()) {
        out += "told";
        for (const std::uint64_t hash : state.told) {
            field(out, hex(hash));
        }
        out += '\n';
    }
    for (const Entry& entry : state.entries) {
        out += "entry";
        field(out, entry.file);
        field(out, entry.rid);
        optionalField(out, entry.base);
        // The folder's line is written only where it differs from the list's.
        if (entry.thereBase == entry.base) {
            out += "\t~";
        } else {
            optionalField(out, entry.thereBase);
        }
        optionalField(out, entry.line);
        out += '\n';
    }
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == '\t') {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

template <class T> bool parseNumber(std::string_view text, T& value, int base = 10) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool parseOptional(std::string_view text, std::optional<Text>& value) {
    if (text == "!") {
        value.reset();
        return true;
    }
    if (text.empty() || text.front() != '=') {
        return false;
    }
    value = unescaped(text.substr(1));
    return true;
}

bool parseLine(std::string_view line, SyncState& state, Journal* journal) {
    const auto fields = fieldsOf(line);
    const std::string_view kind = fields.front();
    if (kind == "file" && fields.size() == 8) {
        FileRecord record;
        if (!parseNumber(fields[2], record.stamp.size) ||
            !parseNumber(fields[3], record.stamp.modifiedNs) ||
            !parseNumber(fields[4], record.stamp.inode) ||
            !parseNumber(fields[5], record.hash, 16)) {
            return false;
        }
        record.stamp.regular = true;
        const std::string flags = unescaped(fields[6]);
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (flags[i] == 's') {
                record.series = true;
            } else if (flags[i] == 'n') {
                record.ownNote = true;
            } else if (flags[i] == 'x' && i + 1 < flags.size()) {
                record.skip = flags[++i];
            }
        }
        record.uid = unescaped(fields[7]);
        state.files[unescaped(fields[1])] = std::move(record);
        return true;
    }
    if (kind == "entry" && fields.size() == 6) {
        Entry entry;
        entry.file = unescaped(fields[1]);
        entry.rid = unescaped(fields[2]);
        if (!parseOptional(fields[3], entry.base) || !parseOptional(fields[5], entry.line)) {
            return false;
        }
        if (fields[4] == "~") {
            entry.thereBase = entry.base;
        } else if (!parseOptional(fields[4], entry.thereBase)) {
            return false;
        }
        state.entries.push_back(std::move(entry));
        return true;
    }
    if (kind == "told") {
        for (std::size_t i = 1; i < fields.size(); ++i) {
            std::uint64_t hash = 0;
            if (!parseNumber(fields[i], hash, 16)) {
                return false;
            }
            state.told.insert(hash);
        }
        return true;
    }
    if (kind == "expect-list" && fields.size() == 2 && journal != nullptr) {
        std::uint64_t hash = 0;
        if (!parseNumber(fields[1], hash, 16)) {
            return false;
        }
        journal->listHash = hash;
        return true;
    }
    if (kind == "expect" && fields.size() == 3 && journal != nullptr) {
        std::optional<std::uint64_t> hash;
        if (fields[2] != "!") {
            std::uint64_t value = 0;
            if (!parseNumber(fields[2], value, 16)) {
                return false;
            }
            hash = value;
        }
        journal->files[unescaped(fields[1])] = hash;
        return true;
    }
    return false;
}

} // namespace

std::string writeState(const SyncState& state, const Journal* journal) {
    std::string out;
    out.reserve(200 + state.entries.size() * 120 + state.files.size() * 120);
    out += header;
    out += "\nfolder";
    field(out, state.folder);
    out += "\nday";
    field(out, state.day);
    out += "\nsection\tcurrent\n";
    writeBody(out, state);
    if (journal != nullptr) {
        out += "section\tnext\nnext-day";
        field(out, journal->next.day);
        out += '\n';
        if (journal->listHash) {
            out += "expect-list\t" + hex(*journal->listHash) + "\n";
        }
        for (const auto& [name, hash] : journal->files) {
            out += "expect";
            field(out, name);
            out += '\t';
            out += hash ? hex(*hash) : "!";
            out += '\n';
        }
        writeBody(out, journal->next);
    }
    out += "end\n";
    return out;
}

bool readState(std::string_view bytes, SyncState& state, std::optional<Journal>& journal) {
    state = SyncState();
    journal.reset();
    Journal next;
    bool inNext = false;
    bool ended = false;
    std::size_t at = 0;
    std::size_t number = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            return false; // a file cut short is no state
        }
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (number++ == 0) {
            if (line != header) {
                return false;
            }
            continue;
        }
        const auto fields = fieldsOf(line);
        if (line == "end") {
            ended = true;
            break;
        }
        if (fields.front() == "folder" && fields.size() == 2) {
            state.folder = unescaped(fields[1]);
        } else if (fields.front() == "day" && fields.size() == 2) {
            state.day = unescaped(fields[1]);
        } else if (fields.front() == "next-day" && fields.size() == 2) {
            next.next.day = unescaped(fields[1]);
        } else if (line == "section\tcurrent") {
            inNext = false;
        } else if (line == "section\tnext") {
            inNext = true;
        } else if (!parseLine(line, inNext ? next.next : state, inNext ? &next : nullptr)) {
            return false;
        }
    }
    if (!ended) {
        return false;
    }
    if (inNext) {
        next.next.folder = state.folder;
        journal = std::move(next);
    }
    return true;
}

} // namespace norvik::sync
