// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFileSystem.h"
#include "NumberedModule.h"
#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "events/TMyMessageBoxF.h"
#include "kit/Platform.h"
#include "kit/UserActions.h"
#include "language/LanguageLines.h"
#include "store/Codec1251.h"
#include "store/FileStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace norvik {
namespace {

// A button press as the front ends deliver it: the window takes the
// button's modal result, then its click handler runs. A disabled button
// does nothing.
bool press(Button& button) {
    if (!button.usable()) {
        return false;
    }
    pressButton(button);
    return true;
}

class ReminderDialogTest : public ::testing::Test {
protected:
    ReminderDialogTest() { owner.LangBox.setItems(test::numberedModule("en")); }

    // Shows the box through the scheduler's entry, acting with the script.
    ReminderAnswer answer(std::function<void(TMyMessageBoxF&)> act) {
        platform.scriptFor<TMyMessageBoxF>(act);
        return showReminder(owner.dialogContext(), "Time is up");
    }

    test::ScriptedPlatform platform;
    test::MemoryFileSystem disk;
    FileStore store{disk};
    TForm1 owner{platform, store};
};

TEST_F(ReminderDialogTest, OpensOnForgetWithTheMessageAndItsCaptions) {
    const ReminderAnswer result = answer([](TMyMessageBoxF& box) {
        EXPECT_EQ(box.Label1.caption, "Time is up");
        EXPECT_TRUE(box.Label1.wordWrap);
        EXPECT_EQ(box.caption, "en 12");
        EXPECT_EQ(box.RadioButton1.caption, "en 225");
        EXPECT_EQ(box.RadioButton2.caption, "en 226");
        EXPECT_EQ(box.Label2.caption, "en 227");
        EXPECT_EQ(box.Button1.caption, box.Button2.caption); // both keep their design "OK"
        EXPECT_TRUE(box.RadioButton1.checked());
        EXPECT_FALSE(box.RadioButton2.checked());
        EXPECT_TRUE(box.Button1.enabled);
        EXPECT_FALSE(box.Button2.enabled);
        EXPECT_FALSE(box.Edit1.enabled);
        EXPECT_FALSE(box.UpDown1.enabled);
        EXPECT_TRUE(box.Edit1.readOnly);
        EXPECT_EQ(box.Edit1.text(), "3");
        EXPECT_EQ(box.Button1.left, 72);
        // Pressing the usable OK at once forgets.
        EXPECT_FALSE(press(box.Button2));
        EXPECT_TRUE(press(box.Button1));
    });
    EXPECT_EQ(result.result, reminderForget);
    EXPECT_EQ(result.result, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ReminderDialogTest, RemindAgainCountsMinutesWithinThreeToThirty) {
    const ReminderAnswer result = answer([](TMyMessageBoxF& box) {
        box.RadioButton2.setChecked(true);
        EXPECT_FALSE(box.RadioButton1.checked());
        EXPECT_FALSE(box.Button1.enabled);
        EXPECT_TRUE(box.Button2.enabled);
        EXPECT_TRUE(box.Edit1.enabled);
        EXPECT_TRUE(box.UpDown1.enabled);
        EXPECT_TRUE(box.Edit1.readOnly);
        for (int i = 0; i < 30; ++i) {
            box.UpDown1.up();
        }
        EXPECT_EQ(box.Edit1.text(), "30"); // no wrap to 3
        box.UpDown1.up();
        EXPECT_EQ(box.Edit1.text(), "30");
        for (int i = 0; i < 40; ++i) {
            box.UpDown1.down();
        }
        EXPECT_EQ(box.Edit1.text(), "3");
        for (int i = 0; i < 12; ++i) {
            box.UpDown1.up();
        }
        EXPECT_FALSE(press(box.Button1));
        EXPECT_TRUE(press(box.Button2));
    });
    EXPECT_EQ(result.result, reminderAgain);
    EXPECT_EQ(result.result, 4);
    EXPECT_EQ(result.minutes, 15);
}

TEST_F(ReminderDialogTest, ChoosingForgetAgainHandsTheOkBackToIt) {
    const ReminderAnswer result = answer([](TMyMessageBoxF& box) {
        box.RadioButton2.setChecked(true);
        box.UpDown1.up();
        box.RadioButton1.setChecked(true);
        EXPECT_TRUE(box.Button1.enabled);
        EXPECT_FALSE(box.Button2.enabled);
        EXPECT_FALSE(box.Edit1.enabled);
        EXPECT_FALSE(box.UpDown1.enabled);
        EXPECT_FALSE(press(box.Button2));
        EXPECT_TRUE(press(box.Button1));
    });
    EXPECT_EQ(result.result, reminderForget);
}

TEST_F(ReminderDialogTest, TheCloseBoxGivesTwoAlsoWhileRemindAgainIsChosen) {
    const ReminderAnswer result = answer([](TMyMessageBoxF& box) {
        box.RadioButton2.setChecked(true);
        box.UpDown1.up();
        box.close(mrCancel);
    });
    EXPECT_EQ(result.result, reminderClosed);
    EXPECT_EQ(result.result, 2);
}

TEST_F(ReminderDialogTest, EachReminderStartsAfreshAtThreeMinutesOnForget) {
    answer([](TMyMessageBoxF& box) {
        box.RadioButton2.setChecked(true);
        box.UpDown1.up();
        press(box.Button2);
    });
    const ReminderAnswer second = answer([](TMyMessageBoxF& box) {
        EXPECT_TRUE(box.RadioButton1.checked());
        EXPECT_EQ(box.Edit1.text(), "3");
        press(box.Button1);
    });
    EXPECT_EQ(second.minutes, 3);
}

TEST_F(ReminderDialogTest, TheEnglishForgetCaptionMovesItsOkClear) {
    owner.LangBox.setItems(test::numberedModule("en", moduleLineCount, {{225, "To overlook"}}));
    answer([](TMyMessageBoxF& box) {
        EXPECT_EQ(box.Button1.left, 88);
        press(box.Button1);
    });
    owner.LangBox.setItems(test::numberedModule("en", moduleLineCount, {{225, "to overlook"}}));
    answer([](TMyMessageBoxF& box) {
        EXPECT_EQ(box.Button1.left, 72); // the comparison is exact
        press(box.Button1);
    });
}

TEST_F(ReminderDialogTest, AShortModuleIsReportedAndTheBoxStillAnswers) {
    owner.LangBox.setItems(test::numberedModule("en", 226));
    const ReminderAnswer result = answer([](TMyMessageBoxF& box) {
        EXPECT_EQ(box.RadioButton1.caption, "en 225");
        // Line 226 is missing: the later captions keep their design texts.
        EXPECT_EQ(box.RadioButton2.caption, cp1251::literal("Напомнить через:"));
        EXPECT_EQ(box.Label2.caption, cp1251::literal("мин"));
        box.RadioButton2.setChecked(true);
        press(box.Button2);
    });
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], "16 Norvik List index out of bounds (226)");
    EXPECT_EQ(result.result, reminderAgain);
    EXPECT_EQ(result.minutes, 3);
}

} // namespace
} // namespace norvik
