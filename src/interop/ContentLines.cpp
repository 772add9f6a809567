// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/ContentLines.h"

#include "kit/LineBreaks.h"
#include "store/Codec1251.h"

namespace norvik {

namespace {

constexpr std::size_t foldWidth = 75;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
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

std::string unescapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += (next == 'n' || next == 'N') ? '\n' : next;
    }
    return out;
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

std::vector<ContentLine> unfoldContentLines(std::string_view bytes) {
    std::vector<ContentLine> lines;
    std::size_t number = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        if (end > at && bytes[end - 1] == '\r') {
            --end;
        }
        ++number;
        const std::string_view physical = bytes.substr(at, end - at);
        at = next;
        if (!physical.empty() && (physical[0] == ' ' || physical[0] == '\t') && !lines.empty()) {
            lines.back().text.append(physical.substr(1));
        } else if (!physical.empty()) {
            lines.push_back({std::string(physical), number});
        }
    }
    return lines;
}

bool splitContentLine(std::string_view line, ContentFields& fields) {
    std::size_t at = 0;
    while (at < line.size() && (isNameCharacter(line[at]) || line[at] == '.')) {
        ++at;
    }
    std::string_view name = line.substr(0, at);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos) {
        name.remove_prefix(dot + 1);
    }
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
        if (at < line.size() && line[at] != '=') {
            // A bare parameter (older vCards write TEL;CELL:) is a type.
            fields.params.emplace_back("TYPE", upperCased(paramName));
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

std::string oneStorableLine(std::string_view utf8, std::size_t& replaced) {
    return cp1251::fromUtf8Replacing(breaksToBlanks(utf8), '?', replaced);
}

Failure badFile(const std::string& fileName, std::size_t line, const std::string& what) {
    return Failure(fileName + ":" + std::to_string(line) + ": " + what);
}

} // namespace norvik
