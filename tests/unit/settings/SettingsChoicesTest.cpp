// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsChoices.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(SettingsChoicesTest, ColourEntriesStandForTheirPositions) {
    EXPECT_EQ(colorOfChoice(0, backgroundChoices), clNavy);
    EXPECT_EQ(colorOfChoice(1, backgroundChoices), clWhite);
    EXPECT_EQ(colorOfChoice(2, backgroundChoices), clSkyBlue);
    EXPECT_EQ(colorOfChoice(10, backgroundChoices), clBlack);
    EXPECT_EQ(colorOfChoice(0, textColorChoices), clWhite);
    // The second entry of the text colour list gives white text too.
    EXPECT_EQ(colorOfChoice(1, textColorChoices), clWhite);
    EXPECT_EQ(colorOfChoice(9, textColorChoices), clMaroon);
    // A text that is no entry changes nothing.
    EXPECT_EQ(colorOfChoice(-1, backgroundChoices), std::nullopt);
    EXPECT_EQ(colorOfChoice(11, textColorChoices), std::nullopt);
}

TEST(SettingsChoicesTest, ColourListsOpenOnTheFirstEntryForAColour) {
    EXPECT_EQ(colorChoiceFor(clNavy, backgroundChoices), 0);
    EXPECT_EQ(colorChoiceFor(clWhite, backgroundChoices), 1);
    EXPECT_EQ(colorChoiceFor(clWhite, textColorChoices), 0);
    EXPECT_EQ(colorChoiceFor(clPurple, textColorChoices), 8);
    EXPECT_EQ(colorChoiceFor(clNavy, textColorChoices), -1);
    EXPECT_EQ(colorChoiceFor(clYellow, backgroundChoices), -1);
}

TEST(SettingsChoicesTest, DelimiterEntriesAndValuesMatchBothWays) {
    const char* values[] = {"1", "2", "3", "0"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(delimiterOfChoice(i), values[i]);
        EXPECT_EQ(delimiterChoiceFor(values[i]), i);
    }
    EXPECT_EQ(delimiterOfChoice(-1), std::nullopt);
    EXPECT_EQ(delimiterOfChoice(4), std::nullopt);
    EXPECT_EQ(delimiterChoiceFor("1 "), -1);
    EXPECT_EQ(delimiterChoiceFor(""), -1);
}

TEST(SettingsChoicesTest, FontNames) {
    const Lines entries = {"(Default)", "Arial", "Impact"};
    EXPECT_EQ(fontNameChoiceFor("Courier New", entries), 0);
    EXPECT_EQ(fontNameChoiceFor("Impact", entries), 2);
    EXPECT_EQ(fontNameChoiceFor("impact", entries), -1);
    EXPECT_EQ(fontNameChoiceFor("(Default)", entries), -1);
    EXPECT_EQ(fontNameToStore(0, "(Default)"), "Courier New");
    EXPECT_EQ(fontNameToStore(1, "Arial"), "Arial");
    EXPECT_EQ(fontNameToStore(-1, "DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(fontNameToStore(-1, ""), std::nullopt);
}

TEST(SettingsChoicesTest, FontSizesAreWholeNumbersFromOneTo200) {
    const Lines entries = {"(Default)", "10", "14"};
    EXPECT_EQ(fontSizeChoiceFor("12", entries), 0);
    EXPECT_EQ(fontSizeChoiceFor("10", entries), 1);
    EXPECT_EQ(fontSizeChoiceFor("11", entries), -1);
    EXPECT_EQ(fontSizeToStore(0, "(Default)"), "12");
    EXPECT_EQ(fontSizeToStore(2, "14"), "14");
    EXPECT_EQ(fontSizeToStore(-1, "1"), "1");
    EXPECT_EQ(fontSizeToStore(-1, "200"), "200");
    for (const char* refused : {"", "0", "201", "1000", "-5", "+5", "12pt", " 12", "$A", "1.5"}) {
        EXPECT_EQ(fontSizeToStore(-1, refused), std::nullopt) << refused;
    }
}

TEST(SettingsChoicesTest, LineBreaksInTheMessageTextBecomeBlanks) {
    EXPECT_EQ(messageTextToStore("Time\r\nto go"), "Time to go");
    EXPECT_EQ(messageTextToStore("a\rb\nc\r\n\r\n"), "a b c  ");
    EXPECT_EQ(messageTextToStore("\n\r"), "  ");
    EXPECT_EQ(messageTextToStore("plain"), "plain");
    EXPECT_EQ(messageTextToStore(""), "");
}

} // namespace
} // namespace norvik
