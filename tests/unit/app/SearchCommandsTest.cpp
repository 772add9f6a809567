// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberedModule.h"
#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "kit/Platform.h"
#include "search/TForm6.h"
#include "store/FileStore.h"
#include "store/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace norvik {
namespace {

class SearchCommandsTest : public ::testing::Test {
protected:
    // Types the search string into each prompt and presses a button; every
    // box is recorded and may run a step that stands in for a reminder
    // firing under it.
    SearchCommandsTest() {
        platform.record = test::ScriptedPlatform::BoxRecord::FlagsText;
        platform.scriptFor<TForm6>([this](TForm6& prompt) {
            EXPECT_EQ(prompt.Edit1.text(), "");
            prompt.Edit1.setText(searchString);
            if (underPrompt) {
                underPrompt();
            }
            prompt.modalResult = cancel ? prompt.Button2.modalResult : prompt.Button1.modalResult;
        });
        const Lines module = test::numberedModule("ru");
        owner.LangBox.setItems(module);
        owner.ListBox1.height = 4 * owner.ListBox1.itemHeight;
        owner.ListBox1.multiSelect = true;
        owner.ListBox1.setItems({"01.12.2026 10:00:00 >>> a", "02.12.2026 10:00:00 >>> b",
                                 "03.12.2026 10:00:00 >>> dentist", "04.12.2026 10:00:00 >>> c",
                                 "05.12.2026 10:00:00 >>> d", "06.12.2026 10:00:00 >>> e",
                                 "07.12.2026 10:00:00 >>> f", "08.12.2026 10:00:00 >>> g"});
    }

    ListBox& events() { return owner.ListBox1; }

    test::ScriptedPlatform platform;
    Text searchString;
    bool cancel = false;
    std::function<void()> underPrompt;
    PosixFileSystem disk{"/nonexistent"};
    FileStore store{disk};
    TForm1 owner{platform, store};
};

TEST_F(SearchCommandsTest, LinesDeletedAboveUnderTheBoxMoveTheListToWhereTheLineIsNow) {
    searchString = "dentist";
    platform.underBox = [this] { events().remove({0, 1}); };
    owner.BitBtn7Click();
    EXPECT_EQ(platform.boxes, (std::vector<std::string>{"64 ru 120"}));
    EXPECT_EQ(events().current(), 0);
    EXPECT_EQ(events().item(0), "03.12.2026 10:00:00 >>> dentist");
    EXPECT_EQ(events().topIndex(), 0);
}

TEST_F(SearchCommandsTest, AFoundLineDeletedUnderTheBoxLeavesTheListAlone) {
    searchString = "dentist";
    events().setCurrent(6);
    platform.underBox = [this] { events().removeAt(2); };
    owner.BitBtn7Click();
    EXPECT_EQ(events().current(), 5);
    EXPECT_EQ(events().topIndex(), 0);
}

TEST_F(SearchCommandsTest, AListEmptiedUnderTheBoxIsLeftEmpty) {
    searchString = "g";
    owner.lastOccurrence = true;
    platform.underBox = [this] { events().clear(); };
    owner.BitBtn7Click();
    EXPECT_EQ(platform.boxes, (std::vector<std::string>{"64 ru 122"}));
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(events().current(), -1);
}

TEST_F(SearchCommandsTest, AListEmptiedUnderThePromptGivesTheEmptyListMessage) {
    searchString = "a";
    underPrompt = [this] { events().clear(); };
    owner.BitBtn7Click();
    EXPECT_EQ(platform.boxes, (std::vector<std::string>{"16 ru 118"}));
}

TEST_F(SearchCommandsTest, FoundLineGoesToTheTopAsFarAsTheListScrolls) {
    searchString = "c";
    owner.BitBtn7Click();
    EXPECT_EQ(events().current(), 3);
    EXPECT_EQ(events().topIndex(), 3);

    searchString = "f";
    owner.BitBtn7Click();
    EXPECT_EQ(events().current(), 6);
    EXPECT_EQ(events().topIndex(), 4);
}

TEST_F(SearchCommandsTest, ThePromptStartsEmptyEveryTimeAndCancelDoesNothing) {
    searchString = "c";
    owner.BitBtn7Click();
    cancel = true;
    events().setCurrent(0);
    owner.BitBtn7Click();
    owner.BitBtn6Click();
    owner.BitBtn8Click();
    EXPECT_EQ(platform.boxes, (std::vector<std::string>{"64 ru 120"}));
    EXPECT_EQ(events().current(), 0);
}

TEST_F(SearchCommandsTest, NotesSelectionCountsEachLineBreakAsTwoCharacters) {
    owner.Memo1.setText("one\r\ntwo\r\nthree two");
    owner.Memo1.setSelection(0, 0);
    searchString = "TWO";
    owner.lastOccurrence = true;
    owner.BitBtn6Click();
    EXPECT_EQ(platform.boxes, (std::vector<std::string>{"64 ru 126"}));
    EXPECT_EQ(owner.Memo1.selStart(), 5u);
    EXPECT_EQ(owner.Memo1.selLength(), 3u);

    owner.matchCase = true;
    owner.BitBtn6Click();
    EXPECT_EQ(platform.boxes.back(), "64 ru 128");
    EXPECT_EQ(owner.Memo1.selStart(), 5u);
}

} // namespace
} // namespace norvik
