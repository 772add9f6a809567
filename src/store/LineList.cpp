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

} // namespace

Lines splitLines(std::string bytes) {
    std::vector<Lines::Place> places;
    // About as many as event lines take; a list of more grows as usual.
    places.reserve(bytes.size() / 48 + 1);
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        places.push_back({at, end - at});
        at = end;
        // One CR, then one LF: CR CR LF therefore ends this line and an empty one.
        if (at < bytes.size() && bytes[at] == '\r') {
            ++at;
        }
        if (at < bytes.size() && bytes[at] == '\n') {
            ++at;
        }
    }
    // The lines stay where they are: the file's bytes become the list's buffer.
    return Lines(std::move(bytes), std::move(places));
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

std::string normalizeLineBreaks(std::string bytes) {
    // Notes the program saved already break with CR LF only: they stay as
    // they are, and only a text with a lone break is copied, from there on.
    BreakFinder breaks(bytes);
    std::size_t at = 0;
    while (true) {
        at = breaks.next(at);
        if (at == bytes.size()) {
            return bytes;
        }
        if (bytes[at] != '\r' || at + 1 == bytes.size() || bytes[at + 1] != '\n') {
            break;
        }
        at += 2;
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    out.append(bytes, 0, at);
    while (at < bytes.size()) {
        const std::size_t end = breaks.next(at);
        out.append(bytes, at, end - at);
        if (end == bytes.size()) {
            break;
        }
        out += "\r\n";
        at = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return out;
}

} // namespace norvik
