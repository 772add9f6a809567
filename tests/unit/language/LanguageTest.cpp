// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Language.h"
#include "ScriptedPlatform.h"
#include "kit/Failure.h"
#include "language/LanguageLines.h"
#include "store/Codec1251.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(LanguageTest, LangLineFailsOutsideTheLoadedLines) {
    const Lines lines(moduleLineCount, "x");
    EXPECT_EQ(langLine(lines, 0), "x");
    EXPECT_EQ(langLine(lines, moduleLineCount - 1), "x");
    for (int n : {moduleLineCount, -1, 1000}) {
        try {
            langLine(lines, n);
            ADD_FAILURE() << n;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(), "List index out of bounds (" + std::to_string(n) + ")");
        }
    }
    EXPECT_THROW(langLine({}, 6), Failure);
}

class FitRuleTest : public ::testing::Test {
protected:
    template <class T> T& add(Form& form, const std::string& name, int left, int width = 100) {
        auto& control = form.add<T>(nullptr, name);
        control.left = left;
        control.width = width;
        return control;
    }

    test::ScriptedPlatform platform;
};

TEST_F(FitRuleTest, ReminderSwitchKeysOnTheRussianCaption) {
    Form form(platform, "TForm1");
    auto& box = add<CheckBox>(form, "CheckBox1", 12);
    box.caption = cp1251::literal("Оповещение вкл.");
    applyFitRule(form, "CheckBox1");
    EXPECT_EQ(box.left, 12);
    box.caption = "Reminders on";
    applyFitRule(form, "CheckBox1");
    EXPECT_EQ(box.left, 20);
    box.caption = cp1251::literal("оповещение вкл."); // letter case counts
    applyFitRule(form, "CheckBox1");
    EXPECT_EQ(box.left, 20);
}

TEST_F(FitRuleTest, SettingsDialogMovesOnlyOnTheEnglishWording) {
    Form form(platform, "TConfiguration");
    auto& label = add<Label>(form, "Label7", 6);
    auto& check = add<CheckBox>(form, "CheckBox1", 7, 258);
    label.caption = "Main form background";
    applyFitRule(form, "Label7");
    EXPECT_EQ(label.left, 6);
    label.caption = "Main form background:";
    applyFitRule(form, "Label7");
    EXPECT_EQ(label.left, 7);
    check.caption = "At the following start to apply these colors";
    applyFitRule(form, "CheckBox1");
    EXPECT_EQ(check.left, 25);
    EXPECT_EQ(check.width, 220);
}

TEST_F(FitRuleTest, RussianCaptionShiftsBothLanguageButtons) {
    Form form(platform, "TConfiguration");
    auto& russian = add<RadioButton>(form, "RussianLanguage", 12);
    auto& english = add<RadioButton>(form, "EnglishLanguage", 12);
    russian.caption = "Russian";
    applyFitRule(form, "RussianLanguage");
    EXPECT_EQ(russian.left, 22);
    EXPECT_EQ(english.left, 22);

    Form other(platform, "TConfiguration");
    auto& russian2 = add<RadioButton>(other, "RussianLanguage", 12);
    russian2.caption = cp1251::literal("Русский");
    applyFitRule(other, "RussianLanguage"); // its neighbour is not built: no harm
    EXPECT_EQ(russian2.left, 12);
}

TEST_F(FitRuleTest, ReminderDialogMovesTheNeighbourButton) {
    Form form(platform, "TMyMessageBoxF");
    auto& radio = add<RadioButton>(form, "RadioButton1", 8);
    auto& button = add<Button>(form, "Button1", 72);
    radio.caption = "To overlook";
    applyFitRule(form, "RadioButton1");
    EXPECT_EQ(radio.left, 8);
    EXPECT_EQ(button.left, 88);
}

TEST_F(FitRuleTest, AboutBoxSwitchesTheProductNameFont) {
    Form form(platform, "TAboutBox");
    auto& name = add<Label>(form, "ProductName", 10);
    name.font.name = "Impact";
    name.caption = "\"Norvik\"";
    applyFitRule(form, "ProductName");
    EXPECT_EQ(name.font.name, "Courier New");
    EXPECT_TRUE(name.font.bold);
    name.caption = "Norvik";
    applyFitRule(form, "ProductName");
    EXPECT_EQ(name.font.name, "Impact");
    EXPECT_FALSE(name.font.bold);
    EXPECT_EQ(name.left, 10);
}

TEST_F(FitRuleTest, RulesBelongToTheirWindow) {
    Form form(platform, "TConfiguration");
    auto& label = add<Label>(form, "Label1", 16);
    label.caption = "Date:"; // the add-event dialog's wording, not this window's
    applyFitRule(form, "Label1");
    EXPECT_EQ(label.left, 16);
    applyFitRule(form, "Label99"); // no such control
    Form events(platform, "TForm3");
    auto& date = add<Label>(events, "Label1", 39);
    date.caption = "Date:";
    applyFitRule(events, "Label1");
    EXPECT_EQ(date.left, 43);
}

} // namespace
} // namespace norvik
