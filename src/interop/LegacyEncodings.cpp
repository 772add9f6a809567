// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/LegacyEncodings.h"

#include "interop/ContentLines.h"
#include "kit/HexDigit.h"
#include "store/Codec1251.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace norvik {

namespace {

// Only plain character set names reach the C library.
bool isPlainCharsetName(std::string_view name) {
    if (name.empty() || name.size() > 40) {
        return false;
    }
    for (const char c : name) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_')) {
            return false;
        }
    }
    return true;
}

class Converter {
public:
    explicit Converter(const std::string& charset)
        : handle_(iconv_open("UTF-8", charset.c_str())) {}
    ~Converter() {
        if (usable()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open gives (iconv_t)-1 for a set it does not know.
    bool usable() const { return reinterpret_cast<std::intptr_t>(handle_) != -1; }

    std::string convert(std::string_view bytes) {
        std::string out;
        out.reserve(bytes.size() * 2);
        std::string input(bytes);
        char* in = input.data();
        std::size_t inLeft = input.size();
        std::array<char, 4096> buffer{};
        while (inLeft > 0) {
            char* at = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t done = iconv(handle_, &in, &inLeft, &at, &outLeft);
            out.append(buffer.data(), static_cast<std::size_t>(at - buffer.data()));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                out += '\xFF'; // no character there: counted as replaced later
                ++in;
                --inLeft;
            }
        }
        return out;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string quotedPrintableDecoded(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && hexValue(value[i + 1]) >= 0 &&
            hexValue(value[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(value[i + 1]) * 16 + hexValue(value[i + 2]));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string utf8FromCharset(std::string_view bytes, std::string_view charset) {
    const std::string name = upperCased(charset);
    if (name.empty() || name == "UTF-8" || name == "UTF8" || !isPlainCharsetName(name)) {
        return std::string(bytes);
    }
    if (name == "WINDOWS-1251" || name == "CP1251") {
        return cp1251::toUtf8(bytes);
    }
    Converter converter(name);
    return converter.usable() ? converter.convert(bytes) : std::string(bytes);
}

} // namespace norvik
