// SPDX-License-Identifier: GPL-3.0-or-later
// The two shipped language modules, read exactly as the program finds them:
// code page 1251, CR LF after every line, lines 0 to 296.
#include "language/LanguageLines.h"
#include "store/Codec1251.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace norvik {
namespace {

constexpr auto moduleLines = static_cast<std::size_t>(moduleLineCount);

std::string readModule(const std::string& language) {
    const std::string path = std::string(NORVIK_MODULE_DIR) + "/" + language + ".lng";
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path << " cannot be read";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits at CR LF only, so that a lone CR or LF stays inside its line and is
// reported by the byte check.
std::vector<std::string> splitAtCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

std::string cp1251(const std::string& utf8) {
    const auto bytes = cp1251::fromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or("");
}

class ModuleFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ModuleFile, Has297LinesEachEndedByCrLfWithOnlyPrintable1251Bytes) {
    const auto bytes = readModule(GetParam());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line lacks its CR LF";
    const auto lines = splitAtCrLf(bytes);
    EXPECT_EQ(lines.size(), moduleLines);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (const char c : lines[n]) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0x20 && byte != 0x7F && byte != 0x98)
                << "line " << n << " holds the byte " << int(byte);
        }
    }
}

TEST_P(ModuleFile, NotesLabelStatesCanBeToldApart) {
    // The close-time save asks its question only when the label reads the
    // modified caption, so it must differ from the loaded and saved ones.
    const auto lines = splitAtCrLf(readModule(GetParam()));
    ASSERT_EQ(lines.size(), moduleLines);
    EXPECT_FALSE(lines[23].empty());
    EXPECT_NE(lines[23], lines[22]);
    EXPECT_NE(lines[23], lines[24]);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ModuleFile, ::testing::Values("Russian", "English"));

TEST(EnglishModule, HoldsTheCaptionsTheLayoutFitsAreKeyedOn) {
    const auto lines = splitAtCrLf(readModule("English"));
    ASSERT_EQ(lines.size(), moduleLines);
    const std::vector<std::pair<int, std::string>> expected = {
        {149, "\"Norvik\""},
        {152, "Program characteristics"},
        {189, "Date:"},
        {190, "Event:"},
        {225, "To overlook"},
        {239, "Main form background:"},
        {240, "Color of inscriptions:"},
        {241, "Kind of a delimeter:"},
        {242, "Font type:"},
        {243, "Font size:"},
        {247, "At the following start to apply these colors"},
        {249, "To remind of past events"},
        {275, "Russian"},
        {290, "Many Thanks"},
    };
    for (const auto& [n, text] : expected) {
        EXPECT_EQ(lines[n], text) << "line " << n;
    }
    EXPECT_EQ(lines[6], "Norvik (Vellum Edition)");
    // The reminder switch keeps its Russian place only for the Russian caption.
    EXPECT_NE(lines[28], cp1251("Оповещение вкл."));
}

TEST(RussianModule, HoldsTheDesignTextsAndNoEnglishFitCaptions) {
    const auto lines = splitAtCrLf(readModule("Russian"));
    ASSERT_EQ(lines.size(), moduleLines);
    EXPECT_EQ(lines[6], "Norvik (Vellum Edition)");
    EXPECT_EQ(lines[15], cp1251(" Дневник "));
    EXPECT_EQ(lines[28], cp1251("Оповещение вкл."));
    EXPECT_EQ(lines[234], cp1251(" Настройки компонента \"Блокнот\" "));
    EXPECT_EQ(lines[252], cp1251("(По умолчанию)"));
    EXPECT_EQ(lines[262], cp1251("Черный"));
    EXPECT_EQ(lines[263], cp1251("Стандарт (==========)"));
    EXPECT_EQ(lines[266], cp1251("Отключить"));
    // The About box keeps its Russian font and heading place.
    EXPECT_NE(lines[149], "\"Norvik\"");
    EXPECT_NE(lines[152], "Program characteristics");
}

} // namespace
} // namespace norvik
