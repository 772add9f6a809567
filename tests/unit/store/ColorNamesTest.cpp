// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ColorNames.h"
#include "FailureOf.h"

#include <climits>
#include <gtest/gtest.h>

namespace norvik {
namespace {

std::string failureOf(std::string_view text) {
    return test::failureOf([&] { colorFromName(text); });
}

TEST(ColorNamesTest, IdentifiersIgnoreLetterCase) {
    EXPECT_EQ(colorFromName("clNavy"), 0x800000u);
    EXPECT_EQ(colorFromName("CLNAVY"), 0x800000u);
    EXPECT_EQ(colorFromName("clwhite"), 0xFFFFFFu);
    EXPECT_EQ(colorFromName("clSkyBlue"), 0xF0CAA6u);
    EXPECT_EQ(colorFromName("clMedGray"), 0xA4A0A0u);
    EXPECT_EQ(colorFromName("clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(colorFromName("clDefault"), 0x20000000u);
}

TEST(ColorNamesTest, SystemColoursUseTheSchemeIndexes) {
    EXPECT_EQ(colorFromName("clScrollBar"), 0x80000000u);
    EXPECT_EQ(colorFromName("clBtnFace"), 0x8000000Fu);
    EXPECT_EQ(colorFromName("clInfoBk"), 0x80000018u);
    EXPECT_EQ(colorFromName("clHotLight"), 0x8000001Au);
    EXPECT_EQ(colorFromName("clMenuBar"), 0x8000001Eu);
    EXPECT_EQ(colorToName(0x80000019u), "$80000019"); // index 25 has no name
}

TEST(ColorNamesTest, IntegersInDecimalOrHex) {
    EXPECT_EQ(colorFromName("8388608"), colorFromName("clNavy"));
    EXPECT_EQ(colorFromName("$00FF0000"), colorFromName("clBlue"));
    EXPECT_EQ(colorFromName("$ff"), 0xFFu);
    EXPECT_EQ(colorFromName("0x8000"), 0x8000u);
    EXPECT_EQ(colorFromName("+16"), 16u);
    EXPECT_EQ(colorFromName("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colorFromName("$FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(colorFromName("-2147483648"), 0x80000000u);
}

TEST(ColorNamesTest, AnythingElseIsNotAValidInteger) {
    EXPECT_EQ(failureOf("navy"), "'navy' is not a valid integer value");
    EXPECT_EQ(failureOf(""), "'' is not a valid integer value");
    for (const char* text : {" 1", "1 ", "$", "-", "12a", "$G0", "2147483648", "$100000000",
                             "-2147483649", "1.5", "clNavy "}) {
        EXPECT_EQ(failureOf(text), "'" + std::string(text) + "' is not a valid integer value");
    }
}

TEST(ColorNamesTest, ValuesAreWrittenAsIdentifiersOrHex) {
    EXPECT_EQ(colorToName(0xFF0000), "clBlue");
    EXPECT_EQ(colorToName(0x800000), "clNavy");
    EXPECT_EQ(colorToName(0x8000000F), "clBtnFace");
    EXPECT_EQ(colorToName(0x1FFFFFFF), "clNone");
    EXPECT_EQ(colorToName(0x123456), "$00123456");
    EXPECT_EQ(colorToName(0xABCDEF01), "$ABCDEF01");
    for (const char* name : {"clBlack", "clCream", "clMoneyGreen", "cl3DDkShadow", "cl3DLight",
                             "clGradientInactiveCaption", "clMenuHighlight", "clDefault"}) {
        EXPECT_EQ(colorToName(colorFromName(name)), name);
    }
}

TEST(ColorNamesTest, PlainIntegersUseTheSameSyntax) {
    EXPECT_EQ(parseInteger("10"), 10);
    EXPECT_EQ(parseInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(parseInteger("2147483647"), INT_MAX);
    EXPECT_EQ(parseInteger("$FFFFFFFF"), -1);
    EXPECT_THROW(parseInteger("clNavy"), Failure);
    try {
        parseInteger("ten");
        FAIL();
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "'ten' is not a valid integer value");
    }
}

} // namespace
} // namespace norvik
