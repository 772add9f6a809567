// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/ContentLines.h"

#include "interop/ControlCharacters.h"
#include "kit/LineBreaks.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

constexpr std::size_t foldWidth = 75;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

} // namespace

void appendContentLine(std::string& out, std::string_view line) {
    std::size_t width = foldWidth;
    while (line.size() > width) {
        std::size_t cut = width;
        while (cut > 0 && isContinuationByte(line[cut])) {
            --cut;
        }
        if (cut == 0) {
            cut = width; // no UTF-8 at all here: cut where the width ends
        }
        out.append(line.substr(0, cut));
        out.append("\r\n ");
        line.remove_prefix(cut);
        width = foldWidth - 1; // the leading blank takes one octet
    }
    out.append(line);
    out.append("\r\n");
}

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\':
        case ';':
        case ',':
            out += '\\';
            out += c;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescapeBackslashes(std::string_view text, char (*decode)(char)) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        out += decode(text[++i]);
    }
    return out;
}

std::string unescapeText(std::string_view text) {
    return unescapeBackslashes(
        text, [](char next) { return (next == 'n' || next == 'N') ? '\n' : next; });
}

std::vector<std::string> splitStructured(std::string_view value) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == '\\') {
            ++i;
            continue;
        }
        if (i == value.size() || value[i] == ';') {
            parts.push_back(unescapeText(value.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

ContentLineReader::ContentLineReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.starts_with("\xEF\xBB\xBF")) {
        at_ = 3;
    }
}

std::string_view ContentLineReader::physical() {
    std::size_t end = bytes_.find('\n', at_);
    const std::size_t next = end == std::string_view::npos ? bytes_.size() : end + 1;
    if (end == std::string_view::npos) {
        end = bytes_.size();
    }
    while (end > at_ && bytes_[end - 1] == '\r') {
        --end;
    }
    const std::string_view line = bytes_.substr(at_, end - at_);
    at_ = next;
    ++number_;
    return line;
}

bool ContentLineReader::continues() {
    // Empty lines between a line and its continuation are passed over, and
    // left in place when no continuation follows them.
    std::size_t at = at_;
    std::size_t number = number_;
    while (at < bytes_.size()) {
        const char first = bytes_[at];
        if (first == ' ' || first == '\t') {
            at_ = at;
            number_ = number;
            return true;
        }
        const std::size_t end = bytes_.find('\n', at);
        if (end == std::string_view::npos || bytes_.find_first_not_of('\r', at) < end) {
            return false;
        }
        at = end + 1;
        ++number;
    }
    return false;
}

bool ContentLineReader::next(ContentLine& line) {
    std::string_view first;
    while (first.empty()) {
        if (at_ >= bytes_.size()) {
            return false;
        }
        first = physical();
    }
    line.text.assign(first);
    line.lineNumber = number_;
    while (continues()) {
        line.text.append(physical().substr(1));
    }
    return true;
}

bool ContentLineReader::nextPhysical(ContentLine& line) {
    if (at_ >= bytes_.size()) {
        return false;
    }
    line.text.assign(physical());
    line.lineNumber = number_;
    return true;
}

bool splitContentLine(std::string_view line, ContentFields& fields) {
    auto skipBlanks = [&line](std::size_t at) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        return at;
    };
    std::size_t at = 0;
    while (at < line.size() && (isNameCharacter(line[at]) || line[at] == '.')) {
        ++at;
    }
    std::string_view name = line.substr(0, at);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
        name.remove_prefix(dot + 1);
    }
    at = skipBlanks(at);
    if (name.empty() || at == line.size() || (line[at] != ';' && line[at] != ':')) {
        return false;
    }
    fields.name = upperCased(name);
    fields.params.clear();
    while (line[at] == ';') {
        const std::size_t start = ++at;
        while (at < line.size() && isNameCharacter(line[at])) {
            ++at;
        }
        const std::string paramName = upperCased(line.substr(start, at - start));
        at = skipBlanks(at);
        if (at < line.size() && line[at] != '=') {
            // A bare parameter (older vCards write TEL;CELL:) is a type.
            fields.params.emplace_back("TYPE", paramName);
            if (line[at] != ';' && line[at] != ':') {
                return false;
            }
            continue;
        }
        if (at == line.size()) {
            return false;
        }
        do {
            ++at; // past "=" or ","
            std::string value;
            if (at < line.size() && line[at] == '"') {
                const std::size_t close = line.find('"', at + 1);
                if (close == std::string_view::npos) {
                    return false;
                }
                value = line.substr(at + 1, close - at - 1);
                at = close + 1;
            } else {
                const std::size_t start = at;
                while (at < line.size() && line[at] != ',' && line[at] != ';' && line[at] != ':') {
                    ++at;
                }
                value = line.substr(start, at - start);
            }
            fields.params.emplace_back(paramName, std::move(value));
        } while (at < line.size() && line[at] == ',');
        if (at == line.size()) {
            return false;
        }
    }
    if (line[at] != ':') {
        return false;
    }
    fields.value = line.substr(at + 1);
    return true;
}

std::string paramValue(const ContentFields& fields, std::string_view name) {
    for (const auto& [param, value] : fields.params) {
        if (param == name) {
            return value;
        }
    }
    return {};
}

std::string componentName(std::string_view value) {
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return upperCased(value.substr(first, value.find_last_not_of(" \t") + 1 - first));
}

std::string upperCased(std::string_view text) {
    std::string out(text);
    for (auto& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return out;
}

std::string oneStorableLine(std::string_view utf8, std::size_t& replaced) {
    return cp1251::fromUtf8Replacing(utf8WithoutControls(breaksToBlanks(utf8)), '?', replaced);
}

Failure badFile(const std::string& fileName, std::size_t line, const std::string& what) {
    return Failure(fileName + ":" + std::to_string(line) + ": " + what);
}

} // namespace norvik
