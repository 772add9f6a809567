// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/Output.h"

#include "frontends/headless/QuotedText.h"

namespace norvik::headless {

void Output::line(std::string_view text) {
    if (muted_) {
        return;
    }
    stream_ << text << '\n';
    stream_.flush();
}

std::string quoted(const Text& bytes) {
    return quoteText(bytes);
}

std::string quotedUtf8(std::string_view utf8) {
    return quoteUtf8(utf8);
}

std::string quotedList(const Lines& items) {
    std::string out;
    for (const auto& item : items) {
        if (!out.empty()) {
            out += ' ';
        }
        out += quoteText(item);
    }
    return out;
}

std::string indexList(const std::vector<int>& indexes) {
    std::string out;
    for (const int index : indexes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += std::to_string(index);
    }
    return out;
}

} // namespace norvik::headless
