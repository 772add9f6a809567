// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"
#include "frontends/headless/TextEditing.h"
#include "kit/Failure.h"
#include "kit/UserActions.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

using headless::KeyStroke;

class HeadlessTextEditingTest : public ::testing::Test {
protected:
    HeadlessTextEditingTest() {
        platform.record = test::ScriptedPlatform::BoxRecord::Text;
        for (TextControl* field :
             {static_cast<TextControl*>(&edit), static_cast<TextControl*>(&memo)}) {
            field->onKeyDown = [this](int& key, ShiftState) {
                events.push_back("down " + std::to_string(key));
            };
            field->onKeyPress = [this](char& key) {
                events.push_back("press " + std::to_string(static_cast<unsigned char>(key)));
            };
            field->onChange = [this] { ++changes; };
        }
    }

    KeyStroke key(KeyStroke::Key which, ShiftState shift = {}) {
        return {.key = which, .shift = shift};
    }
    KeyStroke character(char c, ShiftState shift = {}) {
        return {.character = static_cast<unsigned char>(c), .shift = shift};
    }

    test::ScriptedPlatform platform;
    Form form{platform, "TForm1"};
    Edit& edit = form.add<Edit>(nullptr, "Edit1");
    Memo& memo = form.add<Memo>(nullptr, "Memo1");
    Text clipboard;
    headless::TextEditing editing{platform, clipboard};
    std::vector<std::string> events;
    int changes = 0;
};

TEST_F(HeadlessTextEditingTest, EachTypedCharacterGivesKeyDownThenKeyPressThenGoesIn) {
    editing.type(edit, "a.-1");
    EXPECT_EQ(edit.text(), "a.-1");
    EXPECT_EQ(events, (std::vector<std::string>{"down 65", "press 97", "down 190", "press 46",
                                                "down 189", "press 45", "down 49", "press 49"}));
    EXPECT_EQ(changes, 4);
}

TEST_F(HeadlessTextEditingTest, EnterIsCrLfInTheNotesAndNothingInASingleLineField) {
    editing.type(memo, "ab\ncd");
    EXPECT_EQ(memo.text(), "ab\r\ncd");
    EXPECT_EQ(memo.selStart(), 6u);
    events.clear();
    editing.type(edit, "x\ny");
    EXPECT_EQ(edit.text(), "xy");
    EXPECT_EQ(events, (std::vector<std::string>{"down 88", "press 120", "down 13", "press 13",
                                                "down 89", "press 121"}));
}

TEST_F(HeadlessTextEditingTest, EnterAndEscapeLeftAlonePressTheDialogsButtonsAfterTheHandlers) {
    Button& ok = form.add<Button>(nullptr, "Button1");
    Button& cancel = form.add<Button>(nullptr, "Button2");
    ok.modalResult = mrOk;
    cancel.modalResult = mrCancel;
    ok.onClick = [this] { events.push_back("ok"); };
    cancel.onClick = [this] { events.push_back("cancel"); };
    form.defaultButton = &ok;
    form.cancelButton = &cancel;
    form.visible = true;
    // The button an action pressed, or "".
    const auto pressed = [this](const auto& act) -> std::string {
        events.clear();
        form.modalResult = mrNone;
        act();
        if (!events.empty() && (events.back() == "ok" || events.back() == "cancel")) {
            return events.back();
        }
        return "";
    };

    // The field's own events come first, then the button.
    EXPECT_EQ(pressed([this] { editing.key(edit, key(KeyStroke::Key::Enter)); }), "ok");
    EXPECT_EQ(events, (std::vector<std::string>{"down 13", "press 13", "ok"}));
    EXPECT_EQ(form.modalResult, mrOk);
    EXPECT_EQ(pressed([this] { editing.key(memo, key(KeyStroke::Key::Escape)); }), "cancel");
    // Enter in a multi-line field is a new line there; a modifier presses nothing.
    EXPECT_EQ(pressed([this] { editing.key(memo, key(KeyStroke::Key::Enter)); }), "");
    EXPECT_EQ(memo.text(), "\r\n");
    EXPECT_EQ(pressed([this] { editing.key(edit, key(KeyStroke::Key::Enter, {.ctrl = true})); }),
              "");
    EXPECT_EQ(form.modalResult, mrNone);

    // A handler that takes the key, or fails on it, keeps it from the window.
    edit.onKeyPress = [](char& c) { c = c == '\r' ? 0 : c; };
    EXPECT_EQ(pressed([this] { editing.key(edit, key(KeyStroke::Key::Enter)); }), "");
    edit.onKeyPress = nullptr;
    edit.onKeyDown = [](int&, ShiftState) { throw Failure("broken"); };
    EXPECT_EQ(pressed([this] { editing.key(edit, key(KeyStroke::Key::Escape)); }), "");
    edit.onKeyDown = nullptr;

    // A button that cannot be used is not pressed.
    ok.enabled = false;
    EXPECT_EQ(pressed([this] { editing.key(edit, key(KeyStroke::Key::Enter)); }), "");
    ok.enabled = true;

    // An Enter that closes the dialog ends the typing there.
    edit.setText("");
    EXPECT_EQ(pressed([this] { editing.type(edit, "a\nb"); }), "ok");
    EXPECT_EQ(edit.text(), "a");
}

TEST_F(HeadlessTextEditingTest, TheLengthLimitRefusesTypedCharactersAndCutsPastes) {
    edit.maxLength = 4;
    editing.type(edit, "abcdef");
    EXPECT_EQ(edit.text(), "abcd");
    EXPECT_EQ(events.size(), 12u); // the events come for the refused keys too

    edit.setSelection(1, 2); // "bc" replaced: room for two
    editing.paste(edit, "WXYZ");
    EXPECT_EQ(edit.text(), "aWXd");
    EXPECT_EQ(edit.selStart(), 3u);

    memo.maxLength = 3;
    editing.type(memo, "ab\n"); // CR LF needs two places; it never goes in by half
    EXPECT_EQ(memo.text(), "ab");
    editing.paste(memo, "\r\nz");
    EXPECT_EQ(memo.text(), "ab");
    memo.setText("");
    editing.paste(memo, "a\r\nz");
    EXPECT_EQ(memo.text(), "a\r\n");
}

TEST_F(HeadlessTextEditingTest, APasteThatKeepsNothingStillReplacesTheSelection) {
    edit.setText("abcd");
    edit.setSelection(1, 2);
    editing.paste(edit, "\r\nnext line"); // nothing before the first line break
    EXPECT_EQ(edit.text(), "ad");
    EXPECT_EQ(edit.selStart(), 1u);

    edit.setSelection(0, 1);
    clipboard = "";
    editing.key(edit, character('v', {false, true, false}));
    EXPECT_EQ(edit.text(), "d");

    edit.setSelection(0, 1);
    clipboard = "\nx";
    editing.key(edit, key(KeyStroke::Key::Insert, {true, false, false}));
    EXPECT_EQ(edit.text(), "");

    // With no selection an empty paste changes nothing and raises no change.
    const int before = changes;
    editing.paste(edit, "");
    EXPECT_EQ(changes, before);

    // A typed character that does not fit leaves the selection alone.
    memo.setText("abc");
    memo.maxLength = 3;
    memo.setSelection(1, 1);
    editing.type(memo, "\n");
    EXPECT_EQ(memo.text(), "abc");
}

TEST_F(HeadlessTextEditingTest, ASingleLineFieldKeepsPastedTextUpToItsFirstLineBreak) {
    editing.paste(edit, "one\rtwo\nthree");
    EXPECT_EQ(edit.text(), "one");
    editing.set(edit, "\nlost");
    EXPECT_EQ(edit.text(), "");
    EXPECT_TRUE(events.empty()); // no key events for paste and set
    EXPECT_EQ(pastable("a\r\nb\r\n", false, 2), "a");
    EXPECT_EQ(pastable("a\r\nb", false, std::nullopt), "a\r\nb");
}

TEST_F(HeadlessTextEditingTest, DeleteAndBackspaceRemoveACrLfTogether) {
    memo.setText("ab\r\ncd");
    memo.setSelection(2, 0);
    editing.key(memo, key(KeyStroke::Key::Delete));
    EXPECT_EQ(memo.text(), "abcd");
    EXPECT_EQ(events, (std::vector<std::string>{"down 46"})); // Delete gives no character

    memo.setText("ab\r\ncd");
    memo.setSelection(4, 0);
    editing.key(memo, key(KeyStroke::Key::Backspace));
    EXPECT_EQ(memo.text(), "abcd");
    EXPECT_EQ(memo.selStart(), 2u);

    memo.setSelection(1, 2);
    editing.key(memo, key(KeyStroke::Key::Delete));
    EXPECT_EQ(memo.text(), "ad");
    memo.setSelection(0, 0);
    editing.key(memo, key(KeyStroke::Key::Backspace));
    memo.setSelection(2, 0);
    editing.key(memo, key(KeyStroke::Key::Delete));
    EXPECT_EQ(memo.text(), "ad"); // nothing before the start or after the end
}

TEST_F(HeadlessTextEditingTest, CtrlCAndCtrlVWorkThroughTheirCharacterShiftInsertOnKeyDown) {
    edit.setText("hello");
    edit.setSelection(1, 3);
    editing.key(edit, character('c', {false, true, false}));
    EXPECT_EQ(clipboard, "ell");
    EXPECT_EQ(events, (std::vector<std::string>{"down 67", "press 3"}));

    edit.setSelection(5, 0);
    editing.key(edit, character('v', {false, true, false}));
    EXPECT_EQ(edit.text(), "helloell");

    // A key-press handler that discards the character stops the paste.
    edit.onKeyPress = [](char& key) { key = 0; };
    editing.key(edit, character('v', {false, true, false}));
    EXPECT_EQ(edit.text(), "helloell");
    // Shift+Insert pastes on key-down, past the character filter...
    editing.key(edit, key(KeyStroke::Key::Insert, {true, false, false}));
    EXPECT_EQ(edit.text(), "helloellell");
    // ...unless the key-down handler swallows the key.
    edit.onKeyDown = [](int& key, ShiftState) { key = 0; };
    editing.key(edit, key(KeyStroke::Key::Insert, {true, false, false}));
    EXPECT_EQ(edit.text(), "helloellell");
}

TEST_F(HeadlessTextEditingTest, AKeyPressHandlerMayReplaceTheCharacter) {
    edit.onKeyPress = [](char& key) {
        if (key >= 'a' && key <= 'z') {
            key = static_cast<char>(key - 32);
        } else if (key < '0' || key > '9') {
            key = 0;
        }
    };
    editing.type(edit, "a1-b");
    EXPECT_EQ(edit.text(), "A1B");
}

TEST_F(HeadlessTextEditingTest, AReadOnlyFieldGetsTheKeyEventsButNoChangeAndStillCopies) {
    edit.setText("fixed");
    edit.readOnly = true;
    changes = 0;
    edit.setSelection(0, 2);
    editing.key(edit, key(KeyStroke::Key::Delete));
    editing.key(edit, key(KeyStroke::Key::Backspace));
    editing.key(edit, character('x'));
    editing.key(edit, character('c', {false, true, false}));
    EXPECT_EQ(edit.text(), "fixed");
    EXPECT_EQ(clipboard, "fi");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(events.size(), 7u);
}

TEST_F(HeadlessTextEditingTest, AFailingKeyDownHandlerSkipsTheKeyButNotTheCharacter) {
    memo.setText("abc");
    memo.setSelection(0, 0);
    memo.onKeyDown = [](int& key, ShiftState) {
        if (key == vkDelete) {
            throw Failure("no deleting");
        }
    };
    editing.key(memo, key(KeyStroke::Key::Delete));
    EXPECT_EQ(memo.text(), "abc");
    editing.type(memo, "x");
    EXPECT_EQ(memo.text(), "xabc");
    EXPECT_EQ(platform.boxes, (std::vector<Text>{"no deleting."}));
}

TEST_F(HeadlessTextEditingTest, SetReplacesTheWholeTextAndLeavesTheClipboardAlone) {
    clipboard = "kept";
    edit.maxLength = 3;
    edit.setText("ab");
    changes = 0;
    editing.set(edit, "wxyz");
    EXPECT_EQ(edit.text(), "wxy");
    EXPECT_EQ(edit.selStart(), 3u);
    EXPECT_EQ(edit.selLength(), 0u);
    EXPECT_EQ(clipboard, "kept");
    EXPECT_EQ(changes, 1);
    editing.erase(edit); // nothing selected: nothing to erase
    EXPECT_EQ(edit.text(), "wxy");
    edit.setSelection(0, 1);
    editing.erase(edit);
    EXPECT_EQ(edit.text(), "xy");
}

TEST(HeadlessKeyCodesTest, NoCharacterHasTheDeleteOrInsertKeyCode) {
    for (int c = 1; c < 256; ++c) {
        const int code = headless::keyDownCode(static_cast<unsigned char>(c));
        EXPECT_NE(code, vkDelete) << c;
        EXPECT_NE(code, vkInsert) << c;
    }
    EXPECT_EQ(headless::keyDownCode('q'), 'Q');
    EXPECT_EQ(headless::keyDownCode('Q'), 'Q');
    EXPECT_EQ(headless::keyDownCode('\xE0'), 0xC0); // Cyrillic small a
}

} // namespace
} // namespace norvik
