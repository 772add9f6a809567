// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/UserActions.h"
#include "ScriptedPlatform.h"
#include "kit/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvik {
namespace {

// The interaction rules both front ends share: the order in which handlers
// see a press or a choice, and what a paste keeps.
class UserActionsTest : public ::testing::Test {
protected:
    test::ScriptedPlatform platform;
    Form form{platform, "TForm2"};
    std::vector<std::string> seen;
};

TEST_F(UserActionsTest, HandlersSeeTheChoiceAlreadyMadeAndRunClickBeforeChange) {
    auto& button = form.add<Button>(nullptr, "Button1");
    button.modalResult = mrOk;
    button.onClick = [&] {
        seen.push_back("click " + std::to_string(form.modalResult));
        form.modalResult = mrNone; // the handler may still keep the dialog open
    };
    pressButton(button);
    EXPECT_EQ(form.modalResult, mrNone);

    auto& box = form.add<ComboBox>(nullptr, "ComboBox1");
    box.items = {"clNavy", "clRed"};
    box.onClick = [&] { seen.push_back("click " + box.text); };
    box.onChange = [&] { seen.push_back("change " + box.text); };
    chooseEntry(box, 1);

    auto& list = form.add<ListBox>(nullptr, "ListBox1");
    list.multiSelect = true;
    list.setItems({"a", "b", "c", "d"});
    list.setSelected(0, true);
    list.onClick = [&] {
        seen.push_back("click " + std::to_string(list.current()) + " " +
                       std::to_string(list.selectedCount()));
    };
    chooseLines(list, {1, 3});
    EXPECT_FALSE(list.selected(0));
    EXPECT_TRUE(list.selected(1) && list.selected(3));

    EXPECT_EQ(seen,
              (std::vector<std::string>{"click 1", "click clRed", "change clRed", "click 3 2"}));
}

TEST_F(UserActionsTest, APasteKeepsOneLineInAFieldAndWhatTheLengthLimitLeavesRoomFor) {
    auto& edit = form.add<Edit>(nullptr, "Edit1");
    auto& memo = form.add<Memo>(nullptr, "Memo1");
    EXPECT_TRUE(singleLine(edit));
    EXPECT_FALSE(singleLine(memo));

    edit.maxLength = 6;
    edit.setText("abcd");
    edit.setSelection(1, 2); // "bc" is replaced, so four characters fit
    pasteInto(edit, "1234\r\n5");
    EXPECT_EQ(edit.text(), "a1234d");
    pasteInto(edit, "more"); // no room and no selection: nothing changes
    EXPECT_EQ(edit.text(), "a1234d");

    memo.maxLength = 5;
    pasteInto(memo, "ab\r\ncd");
    EXPECT_EQ(memo.text(), "ab\r\nc");
    memo.setSelection(1, 1);
    pasteInto(memo, "\r\n"); // never half of a CR LF; the selection goes all the same
    EXPECT_EQ(memo.text(), "a\r\nc");

    EXPECT_EQ(roomBeside(0, 10), std::nullopt);
    EXPECT_EQ(roomBeside(4, 10), 0u);
}

} // namespace
} // namespace norvik
