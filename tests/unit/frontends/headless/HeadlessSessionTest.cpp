// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFileSystem.h"
#include "frontends/headless/Session.h"
#include "kit/Controls.h"
#include "kit/Form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

namespace norvik {
namespace {

// A small program of kit forms driven through the whole protocol in process:
// a main window with a timer and a tray icon, and two dialogs. Handlers make
// themselves visible through information boxes.
class HeadlessSessionTest : public ::testing::Test {
protected:
    struct Result {
        std::vector<std::string> lines;
        int status = -1;
    };

    Result run(const std::string& input) {
        std::istringstream in(input);
        std::ostringstream out;
        headless::Session session(
            in, out, disk,
            [this](Platform& p, FileSystem& files) -> Form& {
                build(p, files);
                return *main;
            },
            DateTime{2026, 12, 7, 9, 29, 58, 0});
        Result result;
        result.status = session.run();
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            result.lines.push_back(line);
        }
        return result;
    }

    void note(const std::string& text) { platform->messageBox(text, "T", mbInformation); }
    std::string clockText() {
        const DateTime t = platform->now();
        char text[32];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", t.hour % 100, t.minute % 100,
                      t.second % 100, t.millisecond % 1000);
        return text;
    }

    void build(Platform& p, FileSystem& files) {
        platform = &p;
        main = std::make_unique<Form>(p, "TForm1");
        main->caption = "Main";
        main->clientWidth = 640;
        main->clientHeight = 480;
        auto& button1 = main->add<Button>(nullptr, "Button1");
        button1.onClick = [this] {
            const int result = form2->showModal();
            note("after TForm2 " + std::to_string(result));
        };
        main->add<Button>(nullptr, "Button2").enabled = false;
        auto& group = main->add<GroupBox>(nullptr, "GroupBox1");
        group.visible = false;
        main->add<Button>(&group, "Button3").enabled = false;
        main->add<Button>(nullptr, "Button4").onClick = [this] {
            tray->visible = platform->addTrayIcon(*tray);
        };
        main->add<Button>(nullptr, "Button5").onClick = [&files] { files.replace("do.txt", "x"); };
        main->add<Edit>(nullptr, "Edit1").maxLength = 5;
        auto& edit2 = main->add<Edit>(nullptr, "Edit2");
        edit2.setText("fixed");
        edit2.readOnly = true;
        main->add<Memo>(nullptr, "Memo1");
        auto& list = main->add<ListBox>(nullptr, "ListBox1");
        list.multiSelect = true;
        list.itemHeight = 10;
        list.height = 30;
        list.setItems({"a", "b", "c", "d", "e"});
        timer = &main->addComponent<Timer>("Timer");
        timer->enabled = false;
        timer->onTimer = [this] {
            ++ticks;
            if (onTick) {
                onTick();
            } else {
                note("tick " + std::to_string(ticks) + " at " + clockText());
            }
        };
        auto& check = main->add<CheckBox>(nullptr, "CheckBox1");
        check.onClick = [this, &check] { timer->setEnabled(check.checked()); };
        tray = &main->addComponent<TrayIcon>("TrayIcon1");
        tray->onMouse = [this](MouseButton button, bool doubleClick) {
            note(std::string(doubleClick ? "double " : "single ") +
                 (button == MouseButton::Right ? "right" : "other"));
        };
        auto& file = main->addMenuItem(nullptr, "N1", "File");
        main->addMenuItem(&file, "N2", "Open").onClick = [this] { note("open"); };
        main->addMenuItem(&file, "N3", "-");
        main->onCloseRequest = [this] {
            const int answer = platform->messageBox("Quit?", "T", mbQuestion);
            if (answer == idYes) {
                platform->terminate();
            } else if (answer == idCancel) {
                note("dismissed");
            }
        };

        form2 = std::make_unique<Form>(p, "TForm2");
        form2->add<Button>(nullptr, "Button1").modalResult = mrOk;
        form2->add<Button>(nullptr, "Button2").onClick = [this] {
            note("TForm3 gave " + std::to_string(form3->showModal()));
        };
        auto& stubborn = form2->add<Button>(nullptr, "Button3");
        stubborn.modalResult = mrOk;
        stubborn.onClick = [this] { form2->modalResult = mrNone; };
        form2->add<Edit>(nullptr, "Edit1");
        auto& combo = form2->add<ComboBox>(nullptr, "ComboBox1");
        combo.items = {"x", "y"};
        combo.onChange = [this, &combo] { note("combo " + combo.text); };
        form2->onActivate = [this] { note("TForm2 active"); };

        form3 = std::make_unique<Form>(p, "TForm3");
        form3->add<Button>(nullptr, "Button1").modalResult = mrOk;

        if (extraWiring) {
            extraWiring();
        }
        p.showMainWindow(*main);
    }

    test::MemoryFileSystem disk;
    Platform* platform = nullptr;
    std::unique_ptr<Form> main;
    std::unique_ptr<Form> form2;
    std::unique_ptr<Form> form3;
    Timer* timer = nullptr;
    TrayIcon* tray = nullptr;
    int ticks = 0;
    std::function<void()> onTick;
    std::function<void()> extraWiring;
};

using Lines = std::vector<std::string>;

TEST_F(HeadlessSessionTest, ATickThatAsksIsAnsweredFirstAndTheInterruptedWaitResumes) {
    onTick = [this] {
        if (ticks == 1) {
            const int answer = platform->messageBox("question", "T", mbQuestion);
            note("answer " + std::to_string(answer));
        } else {
            note("tick " + std::to_string(ticks) + " at " + clockText());
        }
    };
    const auto result = run("start\n"
                            "click CheckBox1\n"
                            "wait 3\n"
                            "wait 1\n" // inside the question: counts for the timer too
                            "yes\n"
                            "show Timer enabled\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "box 36 \"T\" \"question\"",
                                "box 64 \"T\" \"tick 2 at 09:30:00.000\"",
                                "box 64 \"T\" \"answer 6\"",
                                "box 64 \"T\" \"tick 3 at 09:30:01.000\"",
                                "box 64 \"T\" \"tick 4 at 09:30:02.000\"",
                                "value Timer.enabled 1",
                            }));
    EXPECT_EQ(result.status, 0);
}

TEST_F(HeadlessSessionTest, OnlyWaitingMovesTheTimerAndSwitchingItRestartsTheCount) {
    const auto result = run("start\n"
                            "click CheckBox1\n"
                            "wait 0.7\n"
                            "click CheckBox1\n"
                            "click CheckBox1\n"
                            "clock 07.12.2026 10:00:00\n"
                            "wait 0.7\n"
                            "wait 0.3\n"
                            "wait 1.999\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "box 64 \"T\" \"tick 1 at 10:00:01.000\"",
                                "box 64 \"T\" \"tick 2 at 10:00:02.000\"",
                            }));
}

TEST_F(HeadlessSessionTest, ADialogCoveredByAnotherRunsItsActivateHandlerAfterTheCoveringHandler) {
    const auto result = run("start\n"
                            "click Button1\n"
                            "click Button2\n"
                            "close\n"
                            "activate\n"
                            "click Button1\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "shown TForm2",
                                "box 64 \"T\" \"TForm2 active\"",
                                "shown TForm3",
                                "closed TForm3 2",
                                "box 64 \"T\" \"TForm3 gave 2\"",
                                "box 64 \"T\" \"TForm2 active\"",
                                "box 64 \"T\" \"TForm2 active\"",
                                "closed TForm2 1",
                                "box 64 \"T\" \"after TForm2 1\"",
                            }));
}

TEST_F(HeadlessSessionTest, ATickThatOpensADialogOverADialogReactivatesItBeforeTheWaitGoesOn) {
    onTick = [this] {
        if (ticks == 1) {
            form3->showModal();
            note("tick 1 done");
        } else {
            note("tick " + std::to_string(ticks));
        }
    };
    const auto result = run("start\n"
                            "click CheckBox1\n"
                            "click Button1\n"
                            "wait 2\n"
                            "show TForm2.Edit1 text\n" // TForm2 is shown behind TForm3
                            "click TForm2.Button1\n"
                            "click Button1\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "shown TForm2",
                                "box 64 \"T\" \"TForm2 active\"",
                                "shown TForm3",
                                "value TForm2.Edit1.text \"\"",
                                "ignored TForm2.Button1 blocked",
                                "closed TForm3 1",
                                "box 64 \"T\" \"tick 1 done\"",
                                "box 64 \"T\" \"TForm2 active\"",
                                "box 64 \"T\" \"tick 2\"",
                            }));
}

TEST_F(HeadlessSessionTest, IgnoredActionsNameTheFirstReasonInOrder) {
    const auto result = run("start\n"
                            "click Button1\n"
                            "click TForm1.Button2\n" // behind the dialog, and disabled
                            "close\n"
                            "click Button3\n" // in a hidden frame, and disabled
                            "click Button2\n"
                            "type Edit2 \"x\"\n"
                            "key Edit2 Delete\n" // a key is no text change: no line
                            "caret Edit2 0 2\n"
                            "key Edit2 c ctrl\n"
                            "key Edit1 v ctrl\n"
                            "show Edit2 text\n"
                            "show Edit1 text\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "shown TForm2",
                                "box 64 \"T\" \"TForm2 active\"",
                                "ignored TForm1.Button2 blocked",
                                "closed TForm2 2",
                                "box 64 \"T\" \"after TForm2 2\"",
                                "ignored Button3 hidden",
                                "ignored Button2 disabled",
                                "ignored Edit2 readonly",
                                "value Edit2.text \"fixed\"",
                                "value Edit1.text \"fi\"",
                            }));
}

TEST_F(HeadlessSessionTest, AButtonsModalResultIsSetBeforeItsHandlerWhichMayUndoIt) {
    const auto result = run("start\n"
                            "click Button1\n"
                            "click Button3\n"
                            "show TForm2 visible\n"
                            "click Button1\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "shown TForm2",
                                "box 64 \"T\" \"TForm2 active\"",
                                "value TForm2.visible 1",
                                "closed TForm2 1",
                                "box 64 \"T\" \"after TForm2 1\"",
                            }));
}

TEST_F(HeadlessSessionTest, LinesTheProtocolDoesNotAcceptPrintErrorAndStopWithStatus2) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        // input, lines printed before the error
        {"show TForm1 caption\nstart\n", 0},
        {"start\nstart\n", 1},
        {"start\nfrobnicate\n", 1},
        {"start\nclick Button1\nshow Edit2 text\n", 3}, // bare name not on the dialog
        {"start\nclick N1\n", 1},                       // a menu that holds items
        {"start\nclick N3\n", 1},                       // a separator
        {"start\nclick ListBox1\n", 1},
        {"start\nselect ListBox1 5\n", 1},
        {"start\ntype Edit1 \"\\q\"\n", 1},
        {"start\ntype Edit1 abc\n", 1}, // a TEXT needs quotes
        {"start\nshow  Edit1 text\n", 1},
        {"start\nshow Edit1 checked\n", 1},
        {"start\nclose\nclick Button1\n", 2}, // only answers while a question waits
        {"start\nyes\n", 1},
        {"start\ndismiss\n", 1},       // no question waits
        {"start\nlockheld\n", 1},      // only before start
        {"browser maybe\nstart\n", 0}, // on or off
        {"start\nset Memo1 \"ab\\r\\ncd\"\ncaret Memo1 3\n", 1},
        {"start\nclock 31.02.2026 10:00:00\n", 1},
        {"start\nwait 1,5\n", 1},
        {"start\nshow TForm2 caption\n", 1}, // not shown
    };
    for (const auto& [input, before] : cases) {
        SCOPED_TRACE(input);
        const auto result = run(input + "show TForm1 caption\n");
        ASSERT_EQ(result.lines.size(), before + 1);
        EXPECT_EQ(result.lines.back().rfind("error \"", 0), 0u) << result.lines.back();
        EXPECT_EQ(result.status, 2);
    }
}

TEST_F(HeadlessSessionTest, EndOfInputStopsAnywhereAndEndStopsReading) {
    auto result = run("start\nclose\n");
    EXPECT_EQ(result.lines, (Lines{"shown TForm1", "box 36 \"T\" \"Quit?\""}));
    EXPECT_EQ(result.status, 0);

    // A dismissed box answers neither yes nor no.
    result = run("start\nclose\nno\nclose\ndismiss\nclose\nyes\nshow TForm1 caption\n");
    EXPECT_EQ(result.lines,
              (Lines{"shown TForm1", "box 36 \"T\" \"Quit?\"", "box 36 \"T\" \"Quit?\"",
                     "box 64 \"T\" \"dismissed\"", "box 36 \"T\" \"Quit?\"", "end"}));
    EXPECT_EQ(result.status, 0);
}

TEST_F(HeadlessSessionTest, ListsMenusAndDropDownLists) {
    const auto result = run("start\n"
                            "select ListBox1 3 1\n"
                            "show ListBox1 selected\n"
                            "show ListBox1 current\n"
                            "focus ListBox1 4\n"
                            "show ListBox1 selected\n"
                            "show ListBox1 topindex\n"
                            "select ListBox1\n"
                            "show ListBox1 selected\n"
                            "show ListBox1 current\n"
                            "show ListBox1 items\n"
                            "click N2\n"
                            "click Button1\n"
                            "pick ComboBox1 1\n"
                            "set ComboBox1 \"free\"\n"
                            "show ComboBox1 itemindex\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "value ListBox1.selected 1 3",
                                "value ListBox1.current 1",
                                "value ListBox1.selected 1 3",
                                "value ListBox1.topindex 0",
                                "value ListBox1.selected",
                                "value ListBox1.current 4",
                                "value ListBox1.items \"a\" \"b\" \"c\" \"d\" \"e\"",
                                "box 64 \"T\" \"open\"",
                                "shown TForm2",
                                "box 64 \"T\" \"TForm2 active\"",
                                "box 64 \"T\" \"combo y\"",
                                "box 64 \"T\" \"combo free\"",
                                "value ComboBox1.itemindex -1",
                            }));
}

TEST_F(HeadlessSessionTest, TheTrayIconAnswersOnlyWhileShownAndNeedsATrayHost) {
    const auto result = run("trayhost off\n"
                            "start\n"
                            "click Button4\n"
                            "tray dblclick left\n"
                            "trayhost on\n"
                            "click Button4\n"
                            "show TrayIcon1 visible\n"
                            "tray click right\n"
                            "tray dblclick middle\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "ignored TrayIcon1 hidden",
                                "tray added",
                                "value TrayIcon1.visible 1",
                                "box 64 \"T\" \"single right\"",
                                "box 64 \"T\" \"double other\"",
                            }));
}

TEST_F(HeadlessSessionTest, DeniedFilesFailToBeWrittenUntilAllowedAndFileShowsTheBytes) {
    disk.files["Language Modules/English.lng"] = "en 0\r\n";
    const auto result = run("deny DO.TXT\n"
                            "start\n"
                            "click Button5\n"
                            "file do.txt\n"
                            "allow do.txt\n"
                            "click Button5\n"
                            "file DO.txt\n"
                            "file \"language modules/english.lng\"\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "box 16 \"Norvik\" \"Cannot create file do.txt.\"",
                                "file do.txt missing",
                                "file DO.txt \"x\"",
                                "file \"language modules/english.lng\" \"en 0\\r\\n\"",
                            }));
}

TEST_F(HeadlessSessionTest, ShowPrintsWindowAndControlProperties) {
    extraWiring = [this] {
        main->color = clNavy;
        auto& memo = static_cast<Memo&>(*main->find("Memo1"));
        memo.font.bold = true;
        memo.font.underline = true;
        memo.font.color = 0x123456;
    };
    const auto result = run("start\n"
                            "show TForm1 caption\n"
                            "show TForm1 color\n"
                            "show TForm1 width\n"
                            "show Memo1 fontstyle\n"
                            "show Memo1 fontcolor\n"
                            "show Edit1 maxlength\n"
                            "show Timer interval\n"
                            "show CheckBox1 checked\n");
    EXPECT_EQ(result.lines, (Lines{
                                "shown TForm1",
                                "value TForm1.caption \"Main\"",
                                "value TForm1.color clNavy",
                                "value TForm1.width 640",
                                "value Memo1.fontstyle \"bu\"",
                                "value Memo1.fontcolor $00123456",
                                "value Edit1.maxlength 5",
                                "value Timer.interval 1000",
                                "value CheckBox1.checked 0",
                            }));
}

TEST_F(HeadlessSessionTest, ACrBeforeTheLineFeedIsDroppedAndOnlyThatOne) {
    auto result = run("start\r\n\r\n# note\r\nset Memo1 \"a\rb\"\r\nshow Memo1 text\r\n");
    EXPECT_EQ(result.lines, (Lines{"shown TForm1", "value Memo1.text \"a\\rb\""}));
    EXPECT_EQ(result.status, 0);

    result = run("start\r\r\nshow TForm1 caption\n");
    ASSERT_EQ(result.lines.size(), 1u);
    EXPECT_EQ(result.lines[0].rfind("error \"", 0), 0u);
    EXPECT_EQ(result.status, 2);
}

} // namespace
} // namespace norvik
