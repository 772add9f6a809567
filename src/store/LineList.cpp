#include "store/LineList.h"

#include <algorithm>
#include <cstring>

namespace norvik {

namespace {

// Finds the next CR and the next LF with one memchr each and keeps both until
// the scan passes them, so every byte is looked at about once.
class BreakFinder {
public:
    explicit BreakFinder(std::string_view bytes)
        : bytes_(bytes), cr_(find('\r', 0)), lf_(find('\n', 0)) {}

    // The position of the first CR or LF at or after `from`, or the size.
    std::size_t next(std::size_t from) {
        if (cr_ < from) {
            cr_ = find('\r', from);
        }
        if (lf_ < from) {
            lf_ = find('\n', from);
        }
        return std::min(cr_, lf_);
    }

private:
    std::size_t find(char c, std::size_t from) const {
        if (from >= bytes_.size()) {
            return bytes_.size();
        }
        const void* hit = std::memchr(bytes_.data() + from, c, bytes_.size() - from);
        return hit == nullptr
                   ? bytes_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - bytes_.data());
    }

    std::string_view bytes_;
    std::size_t cr_;
    std::size_t lf_;
};

std::size_t countOf(char c, std::string_view bytes) {
    std::size_t count = 0;
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        const void* hit = std::memchr(at, c, static_cast<std::size_t>(end - at));
        if (hit == nullptr) {
            break;
        }
        ++count;
        at = static_cast<const char*>(hit) + 1;
    }
    return count;
}

} // namespace

Lines splitLines(std::string_view bytes) {
    Lines lines;
    // Files written by the program end every line with LF, so this is the count.
    lines.reserve(countOf('\n', bytes) + 1);
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        lines.emplace_back(bytes.substr(at, end - at));
        at = end;
        // One CR, then one LF: CR CR LF therefore ends this line and an empty one.
        if (at < bytes.size() && bytes[at] == '\r') {
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
    bytes.resize(size);
    char* out = bytes.data();
    for (const auto& line : lines) {
        out = std::copy(line.begin(), line.end(), out);
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

std::string normalizeLineBreaks(std::string_view bytes) {
    // Notes the program saved already break with CR LF and keep their size.
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        out.append(bytes.substr(at, end - at));
        if (end == bytes.size()) {
            break;
        }
        out += "\r\n";
        at = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return out;
}

} // namespace norvik
