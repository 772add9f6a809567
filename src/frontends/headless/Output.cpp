#include "frontends/headless/Output.h"

#include "store/QuotedText.h"

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
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                static constexpr char hex[] = "0123456789ABCDEF";
                const auto byte = static_cast<unsigned char>(c);
                out += byte == 0 ? std::string("\\0")
                                 : std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
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
