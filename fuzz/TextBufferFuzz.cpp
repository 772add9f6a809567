// SPDX-License-Identifier: GPL-3.0-or-later
// The notes editor's buffer: any script of edits leaves the bytes a plain
// string edited alike holds, and every line is where the rules put it: a
// line ends at a CR LF, or is cut inside its text, no longer than the
// longest length. An edit cuts again only the lines it touches, and joins at
// most the one after them; a text taken in whole is cut after the last blank
// near the longest length.
#include "FuzzCheck.h"
#include "kit/LineBreaks.h"
#include "kit/TextBuffer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t longest = 8;
constexpr std::size_t reach = 3;

std::vector<std::size_t> startsOf(const norvik::TextBuffer& buffer) {
    std::vector<std::size_t> starts;
    for (std::size_t line = 0; line < buffer.lineCount(); ++line) {
        starts.push_back(buffer.lineStart(line));
    }
    return starts;
}

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
            // A cut: inside a line's text, with text on both sides of it.
            FUZZ_CHECK(start < end && buffer.lineStart(line + 1) == end);
            FUZZ_CHECK(end < model.size() && model[end] != '\r');
        }
    }
}

// A text taken in whole: each cut follows the last blank in reach of the
// longest length, or is at that length when none is.
void checkCutsOfWholeText(const std::string& model) {
    norvik::TextBuffer fresh(longest, reach);
    fresh.assign(model);
    checkLines(fresh, model);
    for (std::size_t line = 0; line + 1 < fresh.lineCount(); ++line) {
        if (fresh.endsWithBreak(line)) {
            continue;
        }
        const std::size_t start = fresh.lineStart(line);
        const std::size_t mark = start + longest;
        const std::size_t blank = model.find_last_of(" \t", mark - 1);
        const bool nearBlank =
            blank != std::string::npos && blank >= start && blank + reach >= mark;
        FUZZ_CHECK(fresh.lineEnd(line) == (nearBlank ? blank + 1 : mark));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each edit: a byte for where, a byte for how much is removed, then the
    // inserted text up to a NUL.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    norvik::TextBuffer buffer(longest, reach);
    std::string model;
    buffer.assign(model);
    while (rest.size() >= 2) {
        const auto where = static_cast<unsigned char>(rest[0]);
        const auto removed = static_cast<unsigned char>(rest[1]) % 16;
        rest.remove_prefix(2);
        const std::string text(nextField(rest));

        const std::size_t from = buffer.snap(model.empty() ? 0 : where % (model.size() + 1));
        const std::size_t end = buffer.snap(std::min(model.size(), from + removed));
        const std::vector<std::size_t> before = startsOf(buffer);
        const std::size_t firstTouched = buffer.lineStart(buffer.lineOf(from));
        const std::size_t lastTouched = buffer.lineOf(end > from ? end - 1 : from);
        const std::size_t inserted = buffer.replace(from, end - from, text);
        const std::string normal = norvik::normalizeLineBreaks(text);
        FUZZ_CHECK(inserted == normal.size());
        model.replace(from, end - from, normal);
        checkLines(buffer, model);

        // The lines before the edit stay; those after it only move, but
        // for the first of them, which may join the edited ones.
        const std::vector<std::size_t> after = startsOf(buffer);
        const auto shift =
            static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(end - from);
        for (std::size_t i = 0; i < before.size(); ++i) {
            std::size_t expected = before[i];
            if (before[i] < firstTouched) {
                expected = before[i];
            } else if (i > lastTouched + 1) {
                expected = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(before[i]) + shift);
            } else {
                continue;
            }
            FUZZ_CHECK(std::binary_search(after.begin(), after.end(), expected));
        }
    }
    checkCutsOfWholeText(model);
    return 0;
}
