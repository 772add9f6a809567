// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard as every desktop has it: Enter presses a dialog's confirm
// button and Escape cancels it, unless a field's own key handler took the key
// first; arrow keys move the choice of an option group; and the control that
// has the focus shows it in every colour scheme.
#include "QtTestSupport.h"

#include "events/TMyMessageBoxF.h"
#include "frontends/qt/FocusRing.h"
#include "frontends/qt/Look.h"
#include "kit/Controls.h"
#include "kit/Form.h"
#include "language/DialogContext.h"
#include "search/TForm6.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <vector>

namespace norvik::qt::test {
namespace {

// A dialog of the shape the program's dialogs have: fields, options in a
// frame, a confirm button with a result and two without.
class KeysDialog : public Form {
public:
    explicit KeysDialog(Platform& platform)
        : Form(platform, "TKeys"), Edit1(add<Edit>(nullptr, "Edit1")),
          ComboBox1(add<ComboBox>(nullptr, "ComboBox1")),
          DateTimePicker1(add<DatePicker>(nullptr, "DateTimePicker1")),
          CheckBox1(add<CheckBox>(nullptr, "CheckBox1")),
          GroupBox1(add<GroupBox>(nullptr, "GroupBox1")),
          RadioButton1(add<RadioButton>(&GroupBox1, "RadioButton1")),
          RadioButton2(add<RadioButton>(&GroupBox1, "RadioButton2")),
          RadioButton3(add<RadioButton>(&GroupBox1, "RadioButton3")),
          RadioButton4(add<RadioButton>(nullptr, "RadioButton4")),
          Button1(add<Button>(nullptr, "Button1")), Button2(add<Button>(nullptr, "Button2")),
          Button3(add<Button>(nullptr, "Button3")) {
        caption = "Keys";
        clientWidth = 320;
        clientHeight = 220;
        Edit1.setBounds(8, 8, 120, 21);
        ComboBox1.setBounds(8, 36, 120, 21);
        ComboBox1.items = {"one", "two"};
        DateTimePicker1.setBounds(8, 64, 120, 23);
        CheckBox1.setBounds(8, 94, 120, 17);
        CheckBox1.caption = "Check";
        GroupBox1.setBounds(150, 8, 160, 100);
        RadioButton1.setBounds(8, 20, 120, 17);
        RadioButton2.setBounds(8, 44, 120, 17);
        RadioButton3.setBounds(8, 68, 120, 17);
        RadioButton4.setBounds(150, 120, 120, 17);
        for (RadioButton* option : {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4}) {
            option->caption = Text(option->name());
            option->onClick = [this, option] { chosen.push_back(option->name()); };
        }
        RadioButton1.setChecked(true);
        chosen.clear();
        Button1.setBounds(8, 180, 75, 25);
        Button1.caption = "OK";
        Button1.modalResult = mrOk;
        Button2.setBounds(100, 180, 75, 25);
        Button2.caption = "Close";
        Button2.onClick = [this] { presses.push_back("Button2"); };
        Button3.setBounds(200, 180, 75, 25);
        Button3.caption = "Other";
        Button3.onClick = [this] { presses.push_back("Button3"); };
    }
    Edit& Edit1;
    ComboBox& ComboBox1;
    DatePicker& DateTimePicker1;
    CheckBox& CheckBox1;
    GroupBox& GroupBox1;
    RadioButton& RadioButton1;
    RadioButton& RadioButton2;
    RadioButton& RadioButton3;
    RadioButton& RadioButton4;
    Button& Button1;
    Button& Button2;
    Button& Button3;
    std::vector<std::string> presses;
    std::vector<std::string> chosen;
};

class KeyboardTest : public QtProgramTest {
protected:
    QWidget* of(const Form& form, const char* name) { return platform.widgetOf(form, name); }

    // Gives the widget the keyboard focus in its (active) window.
    void focus(QWidget* target) {
        target->window()->activateWindow();
        target->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(waitFor([target] { return QApplication::focusWidget() == target; }))
            << "the focus did not reach the widget";
    }

    // Shows the dialog, runs `keys` inside it, and returns its modal result
    // (0 when `keys` left it open: the test then closes it itself).
    int runKeys(Form& dialog, const std::function<void()>& keys) {
        bool leftOpen = false;
        later([&] {
            keys();
            leftOpen = dialog.modalResult == mrNone;
            if (leftOpen) {
                run([&dialog] { dialog.close(mrRetry); });
            }
        });
        const int result = dialog.showModal();
        return leftOpen ? 0 : result;
    }

    // runKeys with one key pressed in the named control of the dialog.
    int keyIn(Form& dialog, const char* name, Qt::Key key,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return runKeys(dialog, [&] {
            focus(of(dialog, name));
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        });
    }
};

TEST_F(KeyboardTest, EnterAndEscapePressTheDialogsButtonsUnlessAFieldTookTheKey) {
    start();
    KeysDialog dialog(platform);
    dialog.defaultButton = &dialog.Button1;
    dialog.cancelButton = &dialog.Button2;
    // Enter from every kind of field presses the default button.
    for (const char* field : {"Edit1", "ComboBox1", "DateTimePicker1", "CheckBox1"}) {
        EXPECT_EQ(keyIn(dialog, field, Qt::Key_Return), mrOk) << field;
    }
    // The keypad's Enter too; with Ctrl held, nothing.
    EXPECT_EQ(keyIn(dialog, "Edit1", Qt::Key_Enter, Qt::KeypadModifier), mrOk);
    EXPECT_EQ(keyIn(dialog, "Edit1", Qt::Key_Return, Qt::ControlModifier), 0);
    // A button with the focus is the one Enter presses.
    EXPECT_EQ(keyIn(dialog, "Button3", Qt::Key_Return), 0);
    EXPECT_EQ(dialog.presses, std::vector<std::string>{"Button3"});
    // Escape presses the cancel button, here one without a result of its own.
    dialog.presses.clear();
    EXPECT_EQ(keyIn(dialog, "Edit1", Qt::Key_Escape), 0);
    EXPECT_EQ(dialog.presses, std::vector<std::string>{"Button2"});

    // The field's own key handler runs first and may take the key.
    dialog.presses.clear();
    std::vector<char> seen;
    dialog.Edit1.onKeyPress = [&seen](char& key) {
        seen.push_back(key);
        if (key == '\r') {
            key = 0;
        }
    };
    EXPECT_EQ(keyIn(dialog, "Edit1", Qt::Key_Return), 0);
    EXPECT_EQ(seen, std::vector<char>{'\r'});
    dialog.Edit1.onKeyPress = nullptr;

    // A disabled or hidden button is not pressed.
    dialog.Button1.enabled = false;
    dialog.Button2.visible = false;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        EXPECT_EQ(keyIn(dialog, "ComboBox1", key), 0);
    }
    EXPECT_TRUE(dialog.presses.empty());
}

// The program's own dialogs name their buttons: the search prompt's Enter
// searches, its Escape cancels.
TEST_F(KeyboardTest, TheSearchPromptTakesEnterAndEscape) {
    start();
    for (const auto& [key, result] :
         {std::pair{Qt::Key_Return, mrOk}, {Qt::Key_Escape, mrCancel}}) {
        TForm6 prompt(main().dialogContext());
        EXPECT_EQ(runKeys(prompt,
                          [&] {
                              focus(of(prompt, "Edit1"));
                              QTest::keyClicks(of(prompt, "Edit1"), QStringLiteral("bread"));
                              QTest::keyClick(of(prompt, "Edit1"), key);
                          }),
                  result);
        EXPECT_EQ(prompt.Edit1.text(), "bread");
    }
}

// The reminder dialog names neither button: a key the user meant for the
// field he was typing in answers nothing.
TEST_F(KeyboardTest, AStrayKeyNeverAnswersAReminder) {
    start();
    const DialogContext context = main().dialogContext();
    TMyMessageBoxF reminder(context);
    bool stayed = false;
    later([&] {
        QWidget* box = platform.topDialog();
        ASSERT_NE(box, nullptr);
        box->activateWindow();
        waitFor([box] { return QApplication::activeWindow() == box; });
        QWidget* focused =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : box;
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClicks(focused, QStringLiteral("x"));
        QTest::keyClick(focused, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Escape);
        stayed = reminder.modalResult == mrNone && box->isVisible();
        box->close();
    });
    EXPECT_EQ(reminder.showModal(), reminderClosed);
    EXPECT_TRUE(stayed);
}

TEST_F(KeyboardTest, ArrowKeysMoveTheChoiceWithinAnOptionGroup) {
    start();
    KeysDialog dialog(platform);
    runKeys(dialog, [&] {
        QWidget* first = of(dialog, "RadioButton1");
        focus(first);
        QTest::keyClick(first, Qt::Key_Down);
        EXPECT_TRUE(dialog.RadioButton2.checked());
        EXPECT_FALSE(dialog.RadioButton1.checked());
        EXPECT_EQ(QApplication::focusWidget(), of(dialog, "RadioButton2"));
        // A disabled option is passed over, and the choice goes round, but
        // never out of the frame into another group.
        run([&] { dialog.RadioButton3.enabled = false; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_TRUE(dialog.RadioButton1.checked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_TRUE(dialog.RadioButton2.checked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        EXPECT_TRUE(dialog.RadioButton1.checked());
        EXPECT_FALSE(dialog.RadioButton4.checked());
        EXPECT_TRUE(of(dialog, "RadioButton1")->hasFocus());
    });
    // Each move ran the chosen option's click handler once.
    EXPECT_EQ(dialog.chosen, (std::vector<std::string>{"RadioButton2", "RadioButton1",
                                                       "RadioButton2", "RadioButton1"}));

    // In the reminder dialog the arrows choose the answer, and its OK buttons follow.
    const DialogContext context = main().dialogContext();
    TMyMessageBoxF reminder(context);
    runKeys(reminder, [&] {
        focus(of(reminder, "RadioButton1"));
        QTest::keyClick(of(reminder, "RadioButton1"), Qt::Key_Down);
        EXPECT_TRUE(reminder.RadioButton2.checked());
        EXPECT_TRUE(of(reminder, "Button2")->isEnabled());
        EXPECT_FALSE(of(reminder, "Button1")->isEnabled());
    });
}

TEST_F(KeyboardTest, EnterInTheMainWindowPressesItsDefaultButtonOnly) {
    start();
    // The main window names no default button of its own: Enter in a list does nothing.
    focus(widget("ListBox1"));
    QTest::keyClick(widget("ListBox1"), Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Where a window names one, Enter in a field presses it.
    main().defaultButton = &main().Button12;
    run([this] {
        main().Edit1.setText("24");
        main().Edit2.setText("12");
        main().Edit3.setText("2027");
    });
    // (The go-to fields' own handler takes Enter; the calendar has none.)
    focus(widget("DateTimePicker1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(main().DateTimePicker1.date(), (DateTime{2027, 12, 24}));
    main().defaultButton = nullptr;
}

// The ring around the focused control must stand out from what surrounds it:
// on the navy window the program starts with, on a white and a black one, and
// on a dialog.
class FocusRingTest : public KeyboardTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FocusRingTest, TheFocusIsVisibleOnEveryControl) {
    writeFile("System.ini", std::string(GetParam()) + "NotebookSize=16\nNotebookType=Arial\n"
                                                      "Delimeter=1\nLangID=1\n");
    start();
    auto checkRingAround = [this](QWidget* target, const char* name) {
        SCOPED_TRACE(name);
        focus(target);
        auto* ring = target->window()->findChild<FocusRing*>();
        ASSERT_NE(ring, nullptr);
        ASSERT_EQ(ring->target(), target);
        EXPECT_TRUE(ring->geometry().contains(target->geometry().topLeft()));
        EXPECT_TRUE(ring->geometry().contains(
            target->geometry().topLeft() +
            QPoint(std::min(target->width(), target->sizeHint().width()), target->height()) -
            QPoint(1, 1)));
        const QImage image = ring->grab().toImage();
        const QColor around = target->parentWidget()->palette().color(QPalette::Window);
        // The ring's left and top edges, half way along.
        for (const QPoint edge : {QPoint(0, image.height() / 2), QPoint(image.width() / 2, 0)}) {
            EXPECT_GE(contrastRatio(image.pixelColor(edge), around), 3.0)
                << image.pixelColor(edge).name().toStdString() << " on "
                << around.name().toStdString();
        }
    };
    for (const char* name :
         {"Memo1", "Button2", "BitBtn6", "ListBox1", "Button3", "DateTimePicker1", "Edit1",
          "Button12", "CheckBox1", "ListBox2", "Button5"}) {
        run([this, name] { main().find(name)->enabled = true; });
        checkRingAround(widget(name), name);
    }
    KeysDialog dialog(platform);
    runKeys(dialog, [&] {
        for (const char* name : {"Edit1", "ComboBox1", "DateTimePicker1", "CheckBox1",
                                 "RadioButton1", "RadioButton4", "Button1"}) {
            checkRingAround(of(dialog, name), name);
        }
        // The ring goes with the focus: none in the window behind the dialog.
        EXPECT_EQ(platform.mainWindow()->findChild<FocusRing*>()->target(), nullptr);
    });
    focus(widget("Memo1"));
    EXPECT_EQ(platform.mainWindow()->findChild<FocusRing*>()->target(), widget("Memo1"));
}

INSTANTIATE_TEST_SUITE_P(Schemes, FocusRingTest,
                         ::testing::Values("MainFormColor=clNavy\nMainFormTextColor=clWhite\n",
                                           "MainFormColor=clWhite\nMainFormTextColor=clBlack\n",
                                           "MainFormColor=clBlack\nMainFormTextColor=clYellow\n"));

} // namespace
} // namespace norvik::qt::test
