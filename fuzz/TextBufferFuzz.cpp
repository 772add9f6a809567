// The notes editor's buffer: any script of edits leaves the bytes a plain
// string edited alike holds, and every line is where the rules put it: a
// line ends at a CR LF, or is cut when it reaches the longest length.
#include "FuzzCheck.h"
#include "kit/LineBreaks.h"
#include "kit/TextBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t longest = 8;

void checkLines(const norvik::TextBuffer& buffer, const std::string& model) {
    FUZZ_CHECK(buffer.text() == model);
    FUZZ_CHECK(buffer.lineStart(0) == 0);
    for (std::size_t line = 0; line < buffer.lineCount(); ++line) {
        const std::size_t start = buffer.lineStart(line);
        const std::size_t end = buffer.lineEnd(line);
        FUZZ_CHECK(start <= end && end - start <= longest);
        FUZZ_CHECK(model.substr(start, end - start).find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(buffer.lineOf(start) == line);
        if (line + 1 == buffer.lineCount()) {
            FUZZ_CHECK(end == model.size() && buffer.lineOf(end) == line);
        } else if (buffer.endsWithBreak(line)) {
            FUZZ_CHECK(model.compare(end, 2, "\r\n") == 0 && buffer.lineStart(line + 1) == end + 2);
            FUZZ_CHECK(buffer.lineOf(end) == line && buffer.snap(end + 1) == end);
        } else {
            // A cut: the line is full and its text goes on after it.
            FUZZ_CHECK(end - start == longest && buffer.lineStart(line + 1) == end);
            FUZZ_CHECK(end < model.size() && model[end] != '\r');
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each edit: a byte for where, a byte for how much is removed, then the
    // inserted text up to a NUL.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    norvik::TextBuffer buffer(longest);
    std::string model;
    buffer.assign(model);
    while (rest.size() >= 2) {
        const auto where = static_cast<unsigned char>(rest[0]);
        const auto removed = static_cast<unsigned char>(rest[1]) % 16;
        rest.remove_prefix(2);
        const std::string text(nextField(rest));

        const std::size_t from = buffer.snap(model.empty() ? 0 : where % (model.size() + 1));
        const std::size_t end = buffer.snap(std::min(model.size(), from + removed));
        const std::size_t inserted = buffer.replace(from, end - from, text);
        const std::string normal = norvik::normalizeLineBreaks(text);
        FUZZ_CHECK(inserted == normal.size());
        model.replace(from, end - from, normal);
        checkLines(buffer, model);
    }
    return 0;
}
