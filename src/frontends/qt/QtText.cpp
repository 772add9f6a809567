// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/QtText.h"

#include "store/Codec1251.h"

#include <array>
#include <cstdint>
#include <vector>

namespace norvik::qt {

namespace {

// Both directions of the code page as lookup tables, built once from the codec.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    std::vector<std::int16_t> toByte = std::vector<std::int16_t>(0x10000, -1);

    CodePageTables() {
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t code = cp1251::toUnicode(static_cast<unsigned char>(byte));
            toUnicode[static_cast<std::size_t>(byte)] = static_cast<char16_t>(code);
            toByte[code] = static_cast<std::int16_t>(byte);
        }
    }
};

const CodePageTables& tables() {
    static const CodePageTables built;
    return built;
}

} // namespace

QString toQt(std::string_view bytes) {
    const auto& table = tables().toUnicode;
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* write = out.data();
    for (const char byte : bytes) {
        *write++ = QChar(table[static_cast<unsigned char>(byte)]);
    }
    return out;
}

Text fromQt(const QString& text) {
    const auto& table = tables().toByte;
    Text out(static_cast<std::size_t>(text.size()), '\0');
    char* write = out.data();
    for (const QChar character : text) {
        const std::int16_t byte = table[character.unicode()];
        if (byte >= 0) {
            *write++ = static_cast<char>(byte);
        }
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
    return out;
}

bool storable(QChar character) {
    return tables().toByte[character.unicode()] >= 0;
}

QString storableOnly(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar character : text) {
        if (storable(character)) {
            out += character;
        }
    }
    return out;
}

} // namespace norvik::qt
