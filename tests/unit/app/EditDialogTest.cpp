// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFileSystem.h"
#include "NumberedModule.h"
#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "events/TForm4.h"
#include "kit/Platform.h"
#include "store/FileStore.h"
#include "store/FileSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace norvik {
namespace {

void pressOk(TForm4& dialog) {
    dialog.modalResult = dialog.Button1.modalResult;
}

class EditDialogTest : public ::testing::Test {
protected:
    EditDialogTest() {
        const Lines module = test::numberedModule("ru");
        owner.LangBox.setItems(module);
        owner.ListBox1.setItems({"01.12.2026 10:00:00 >>> one", "02.12.2026 10:00:00 >>> two",
                                 "03.12.2026 10:00:00 >>> three"});
        owner.ListBox1.setCurrent(1);
    }

    ListBox& list() { return owner.ListBox1; }

    test::ScriptedPlatform platform;
    test::MemoryFileSystem disk;
    FileStore store{disk};
    TForm1 owner{platform, store};
};

TEST_F(EditDialogTest, ComingBackToTheDialogKeepsWhatWasTyped) {
    platform.scriptFor<TForm4>([](TForm4& dialog) {
        EXPECT_EQ(dialog.Edit1.text(), "02.12.2026 10:00:00 >>> two");
        dialog.Edit1.setText("02.12.2026 11:00:00 >>> two, later");
        dialog.onActivate();
        dialog.onActivate();
        EXPECT_EQ(dialog.Edit1.text(), "02.12.2026 11:00:00 >>> two, later");
        pressOk(dialog);
    });
    owner.Button10Click();
    EXPECT_EQ(list().item(1), "02.12.2026 11:00:00 >>> two, later");
    EXPECT_EQ(disk.files["do.txt"], "01.12.2026 10:00:00 >>> one\r\n"
                                    "02.12.2026 11:00:00 >>> two, later\r\n"
                                    "03.12.2026 10:00:00 >>> three\r\n");
}

TEST_F(EditDialogTest, ARemindedLineOrARewrittenOneIsTakenAfresh) {
    platform.scriptFor<TForm4>([this](TForm4& dialog) {
        dialog.Edit1.setText("typed");
        // A due event became the current line.
        list().setCurrent(2);
        dialog.onActivate();
        EXPECT_EQ(dialog.Edit1.text(), "03.12.2026 10:00:00 >>> three");
        dialog.Edit1.setText("typed again");
        // The same line was postponed: same index, new text.
        list().replace(2, "03.12.2026 10:15:00 >>> three");
        dialog.onActivate();
        EXPECT_EQ(dialog.Edit1.text(), "03.12.2026 10:15:00 >>> three");
        dialog.Edit1.setText("03.12.2026 12:00:00 >>> three");
        pressOk(dialog);
    });
    owner.Button10Click();
    EXPECT_EQ(list().item(1), "02.12.2026 10:00:00 >>> two");
    EXPECT_EQ(list().item(2), "03.12.2026 12:00:00 >>> three");
}

TEST_F(EditDialogTest, OkGoesToTheLineCurrentWhenItIsPressed) {
    platform.scriptFor<TForm4>([this](TForm4& dialog) {
        // A past event above was deleted: the edited line moved up one place
        // while the dialog was open, and the field starts again from it.
        dialog.Edit1.setText("typed");
        list().removeAt(0);
        dialog.onActivate();
        EXPECT_EQ(dialog.Edit1.text(), "02.12.2026 10:00:00 >>> two");
        dialog.Edit1.setText("edited");
        // No activation in between: OK still follows the list.
        list().removeAt(1);
        pressOk(dialog);
    });
    owner.Button10Click();
    EXPECT_EQ(list().items(), (Lines{"edited"}));
    EXPECT_EQ(disk.files["do.txt"], "edited\r\n");
}

TEST_F(EditDialogTest, AListEmptiedUnderTheDialogTakesNoEdit) {
    platform.scriptFor<TForm4>([this](TForm4& dialog) {
        dialog.Edit1.setText("edited");
        list().clear();
        dialog.onActivate();
        EXPECT_EQ(dialog.Edit1.text(), "edited");
        pressOk(dialog);
    });
    owner.Button10Click();
    EXPECT_TRUE(list().empty());
    EXPECT_EQ(disk.writes, 0);
}

TEST_F(EditDialogTest, CancelWritesNothing) {
    platform.scriptFor<TForm4>([](TForm4& dialog) {
        dialog.Edit1.setText("");
        dialog.modalResult = dialog.Button2.modalResult;
    });
    owner.Button10Click();
    EXPECT_EQ(list().item(1), "02.12.2026 10:00:00 >>> two");
    EXPECT_EQ(disk.writes, 0);
}

} // namespace
} // namespace norvik
