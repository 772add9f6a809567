#include "store/LineList.h"

namespace norvik {

Lines splitLines(std::string_view bytes) {
    Lines lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(at));
            break;
        }
        lines.emplace_back(bytes.substr(at, end - at));
        at = end;
        // One CR, then one LF: CR CR LF therefore ends this line and an empty one.
        if (bytes[at] == '\r') {
            ++at;
        }
        if (at < bytes.size() && bytes[at] == '\n') {
            ++at;
        }
    }
    return lines;
}

std::string joinLines(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::string normalizeLineBreaks(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (c == '\r') {
            out += "\r\n";
            if (at + 1 < bytes.size() && bytes[at + 1] == '\n') {
                ++at;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace norvik
