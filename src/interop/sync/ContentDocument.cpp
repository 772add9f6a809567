// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/ContentDocument.h"

#include "interop/ContentLines.h"

#include <algorithm>
#include <functional>

namespace norvik::sync {

namespace {

// One physical line: its text and the break after it ("" at the very end).
struct Physical {
    std::string_view text;
    std::string_view lineBreak;
};

std::vector<Physical> physicalLines(std::string_view bytes) {
    std::vector<Physical> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t feed = bytes.find('\n', at);
        std::size_t end = feed == std::string_view::npos ? bytes.size() : feed;
        const std::size_t next = feed == std::string_view::npos ? bytes.size() : feed + 1;
        // CR LF, and the CR CR LF some phones write, end a line as LF does.
        while (end > at && bytes[end - 1] == '\r') {
            --end;
        }
        lines.push_back({bytes.substr(at, end - at), bytes.substr(end, next - end)});
        at = next;
    }
    return lines;
}

bool quotedPrintable(const ContentFields& fields) {
    return hasParameterValue(fields, "ENCODING", "QUOTED-PRINTABLE") ||
           hasParameterValue(fields, "TYPE", "QUOTED-PRINTABLE");
}

// A line in the form appendContentLine folds it, with `lineBreak` after each
// physical line.
std::string folded(std::string_view line, std::string_view lineBreak) {
    std::string crlf;
    appendContentLine(crlf, line);
    if (lineBreak == "\r\n") {
        return crlf;
    }
    std::string out;
    out.reserve(crlf.size());
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n') {
            out += lineBreak;
            ++i;
        } else {
            out += crlf[i];
        }
    }
    return out;
}

std::string_view breakOf(const std::string& raw) {
    if (raw.ends_with("\r\n")) {
        return "\r\n";
    }
    if (raw.ends_with("\n")) {
        return "\n";
    }
    return "";
}

ContentDocument::Property makeProperty(std::string raw, std::string unfolded) {
    ContentDocument::Property property{std::move(raw), std::move(unfolded), {}};
    if (!splitContentLine(property.unfolded, property.fields)) {
        property.fields = {};
    }
    return property;
}

} // namespace

ContentDocument::ContentDocument(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        byteOrderMark_ = bytes.substr(0, 3);
        bytes.remove_prefix(3);
    }
    const auto lines = physicalLines(bytes);
    lineFeedsOnly_ = !lines.empty() && lines.front().lineBreak == "\n";
    for (std::size_t i = 0; i < lines.size();) {
        std::string raw(lines[i].text);
        raw += lines[i].lineBreak;
        std::string unfolded(lines[i].text);
        ++i;
        ContentFields fields;
        const bool softBreaks = splitContentLine(unfolded, fields) && quotedPrintable(fields);
        for (; i < lines.size(); ++i) {
            const std::string_view text = lines[i].text;
            const bool fold = !text.empty() && (text[0] == ' ' || text[0] == '\t');
            const bool soft = softBreaks && unfolded.ends_with('=') && !text.empty();
            if (!fold && !soft) {
                break;
            }
            if (soft && !fold) {
                unfolded.pop_back(); // the "=" of a soft line break
                unfolded.append(text);
            } else {
                unfolded.append(text.substr(1));
            }
            raw.append(text);
            raw.append(lines[i].lineBreak);
        }
        properties_.push_back(makeProperty(std::move(raw), std::move(unfolded)));
    }
}

std::vector<ContentDocument::Component> ContentDocument::components() const {
    std::vector<Component> found;
    std::vector<std::size_t> open; // indexes into `found`
    for (std::size_t i = 0; i < properties_.size(); ++i) {
        const ContentFields& fields = properties_[i].fields;
        if (fields.name == "BEGIN") {
            Component component;
            component.name = upperCased(fields.value);
            component.begin = i;
            component.parent = open.empty() ? -1 : static_cast<int>(open.back());
            found.push_back(component);
            open.push_back(found.size() - 1);
        } else if (fields.name == "END" && !open.empty() &&
                   found[open.back()].name == upperCased(fields.value)) {
            found[open.back()].end = i;
            open.pop_back();
        }
    }
    // A component never closed has no end; it is no component.
    std::vector<Component> closed;
    std::vector<int> renumbered(found.size(), -1);
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i].end > found[i].begin) {
            renumbered[i] = static_cast<int>(closed.size());
            closed.push_back(found[i]);
        }
    }
    for (auto& component : closed) {
        component.parent =
            component.parent < 0 ? -1 : renumbered[static_cast<std::size_t>(component.parent)];
    }
    return closed;
}

std::vector<std::size_t> ContentDocument::find(const Component& component,
                                               std::string_view name) const {
    std::vector<std::size_t> indexes;
    int depth = 0;
    for (std::size_t i = component.begin + 1; i < component.end; ++i) {
        const std::string& property = properties_[i].fields.name;
        if (property == "BEGIN") {
            ++depth;
        } else if (property == "END") {
            --depth;
        } else if (depth == 0 && property == name) {
            indexes.push_back(i);
        }
    }
    return indexes;
}

void ContentDocument::replace(std::size_t index, std::string_view line) {
    std::string_view lineBreak = breakOf(properties_[index].raw);
    if (lineBreak.empty()) {
        lineBreak = lineFeedsOnly_ ? "\n" : "\r\n";
    }
    std::string raw = folded(line, lineBreak);
    if (breakOf(properties_[index].raw).empty() && index + 1 == properties_.size()) {
        raw.resize(raw.size() - lineBreak.size()); // the file ended without a break
    }
    properties_[index] = makeProperty(std::move(raw), std::string(line));
}

void ContentDocument::insertBefore(std::size_t index, std::string_view line) {
    insertBefore(index, std::vector<std::string>{std::string(line)});
}

void ContentDocument::insertBefore(std::size_t index, const std::vector<std::string>& lines) {
    std::vector<Property> added;
    added.reserve(lines.size());
    for (const auto& line : lines) {
        added.push_back(property(line));
    }
    insertBefore(index, std::move(added));
}

void ContentDocument::insertBefore(std::size_t index, std::vector<Property> properties) {
    for (Property& inserted : properties) {
        if (breakOf(inserted.raw).empty()) {
            inserted.raw += lineFeedsOnly_ ? "\n" : "\r\n";
        }
    }
    properties_.insert(properties_.begin() + static_cast<std::ptrdiff_t>(index),
                       std::make_move_iterator(properties.begin()),
                       std::make_move_iterator(properties.end()));
}

ContentDocument::Property ContentDocument::property(std::string_view line) const {
    return makeProperty(folded(line, lineFeedsOnly_ ? "\n" : "\r\n"), std::string(line));
}

void ContentDocument::remove(std::size_t index) {
    removeRange(index, index);
}

void ContentDocument::removeRange(std::size_t first, std::size_t last) {
    properties_.erase(properties_.begin() + static_cast<std::ptrdiff_t>(first),
                      properties_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

std::string ContentDocument::bytes() const {
    std::size_t size = 0;
    for (const auto& property : properties_) {
        size += property.raw.size();
    }
    std::string out = byteOrderMark_;
    out.reserve(size + out.size());
    for (const auto& property : properties_) {
        out += property.raw;
    }
    return out;
}

namespace {

// Where the value starts: after the first colon outside double quotes.
std::size_t valueColon(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::string_view linePrefix(std::string_view line) {
    const std::size_t colon = valueColon(line);
    return colon == std::string_view::npos ? line : line.substr(0, colon);
}

std::string_view lineValue(std::string_view line) {
    const std::size_t colon = valueColon(line);
    return colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
}

std::string prefixWithout(std::string_view prefix,
                          const std::function<bool(std::string_view upper)>& dropped) {
    std::string out;
    bool quoted = false;
    std::size_t start = 0;
    auto take = [&](std::size_t end) {
        const std::string_view token = prefix.substr(start, end - start);
        if (start == 0 || !dropped(upperCased(token))) {
            if (start > 0) {
                out += ';';
            }
            out.append(token);
        }
    };
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (prefix[i] == '"') {
            quoted = !quoted;
        } else if (prefix[i] == ';' && !quoted) {
            take(i);
            start = i + 1;
        }
    }
    take(prefix.size());
    return out;
}

std::string plainPrefix(std::string_view prefix) {
    return prefixWithout(prefix, [](std::string_view upper) {
        return upper.starts_with("ENCODING=") || upper.starts_with("CHARSET=") ||
               upper == "QUOTED-PRINTABLE";
    });
}

bool hasParameterValue(const ContentFields& fields, std::string_view name, std::string_view value) {
    return std::any_of(fields.params.begin(), fields.params.end(), [&](const auto& param) {
        return param.first == name && upperCased(param.second) == value;
    });
}

} // namespace norvik::sync
