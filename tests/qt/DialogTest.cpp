// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs: any kit form renders without Qt code of its own, runs modally,
// closes through its buttons or its close box, and the timer keeps ticking
// under it. Message boxes carry the program's texts and answers.
#include "QtTestSupport.h"

#include "frontends/qt/QtText.h"
#include "kit/Controls.h"
#include "kit/Failure.h"
#include "kit/Form.h"
#include "store/Codec1251.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace norvik::qt::test {
namespace {

// A dialog of the kind the program's subsystems build.
class SampleDialog : public Form {
public:
    explicit SampleDialog(Platform& platform)
        : Form(platform, "TSample"), Label1(add<Label>(nullptr, "Label1")),
          Edit1(add<Edit>(nullptr, "Edit1")), UpDown1(add<UpDown>(nullptr, "UpDown1")),
          CheckBox1(add<CheckBox>(nullptr, "CheckBox1")),
          RadioButton1(add<RadioButton>(nullptr, "RadioButton1")),
          RadioButton2(add<RadioButton>(nullptr, "RadioButton2")),
          ComboBox1(add<ComboBox>(nullptr, "ComboBox1")),
          DateTimePicker1(add<DatePicker>(nullptr, "DateTimePicker1")),
          Button1(add<Button>(nullptr, "Button1")), Button2(add<Button>(nullptr, "Button2")),
          Timer1(addComponent<Timer>("Timer1")) {
        caption = cp1251::literal("Проба");
        clientWidth = 300;
        clientHeight = 200;
        color = clPurple;
        Label1.setBounds(8, 8, 0, 0);
        Label1.caption = cp1251::literal("Минуты:");
        Edit1.setBounds(80, 8, 40, 21);
        UpDown1.setBounds(120, 8, 16, 21);
        UpDown1.min = 3;
        UpDown1.max = 30;
        UpDown1.associate = &Edit1;
        UpDown1.setPosition(3);
        CheckBox1.setBounds(8, 40, 120, 17);
        CheckBox1.caption = "Remind";
        RadioButton1.setBounds(8, 64, 120, 17);
        RadioButton2.setBounds(8, 84, 120, 17);
        ComboBox1.setBounds(150, 40, 120, 21);
        ComboBox1.items = {"clNavy", "clWhite"};
        ComboBox1.editable = false;
        DateTimePicker1.setBounds(150, 70, 120, 23);
        Button1.setBounds(8, 160, 75, 25);
        Button1.caption = "OK";
        Button1.modalResult = mrOk;
        Button2.setBounds(100, 160, 75, 25);
        Button2.caption = "Check";
        Timer1.interval = 10;
    }
    Label& Label1;
    Edit& Edit1;
    UpDown& UpDown1;
    CheckBox& CheckBox1;
    RadioButton& RadioButton1;
    RadioButton& RadioButton2;
    ComboBox& ComboBox1;
    DatePicker& DateTimePicker1;
    Button& Button1;
    Button& Button2;
    Timer& Timer1;
};

template <class T> T* find(QtPlatform& platform, const Form& form, const char* name) {
    return qobject_cast<T*>(platform.widgetOf(form, name));
}

class DialogTest : public QtProgramTest {};

TEST_F(DialogTest, AnyFormRendersAndItsControlsReachTheKit) {
    start();
    SampleDialog dialog(platform);
    int clicks = 0;
    int activations = 0;
    dialog.Button2.onClick = [&clicks] { ++clicks; };
    dialog.onActivate = [&activations] { ++activations; };
    bool checked = false;
    later([&] {
        QWidget* top = platform.topDialog();
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->windowTitle(), QString::fromUtf8("Проба"));
        EXPECT_EQ(find<QLineEdit>(platform, dialog, "Edit1")->text(), QStringLiteral("3"));
        EXPECT_EQ(find<QWidget>(platform, dialog, "ComboBox1")->geometry(),
                  QRect(150, 40, 120, 21));

        // The up arrow steps the position and writes it into its field.
        auto arrows = find<QWidget>(platform, dialog, "UpDown1")->findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        arrows[0]->click();
        EXPECT_EQ(dialog.UpDown1.position(), 4);
        EXPECT_EQ(find<QLineEdit>(platform, dialog, "Edit1")->text(), QStringLiteral("4"));

        find<QCheckBox>(platform, dialog, "CheckBox1")->click();
        EXPECT_TRUE(dialog.CheckBox1.checked());
        find<QRadioButton>(platform, dialog, "RadioButton2")->click();
        find<QRadioButton>(platform, dialog, "RadioButton1")->click();
        EXPECT_TRUE(dialog.RadioButton1.checked());
        EXPECT_FALSE(dialog.RadioButton2.checked());
        EXPECT_FALSE(find<QRadioButton>(platform, dialog, "RadioButton2")->isChecked());

        auto* combo = find<QComboBox>(platform, dialog, "ComboBox1");
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        EXPECT_EQ(dialog.ComboBox1.text, "clWhite");

        find<QDateEdit>(platform, dialog, "DateTimePicker1")->setDate(QDate(2024, 2, 29));
        EXPECT_EQ(dialog.DateTimePicker1.date(), (DateTime{2024, 2, 29}));

        // A button without a result does not close the dialog.
        find<QAbstractButton>(platform, dialog, "Button2")->click();
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(top->isVisible());
        checked = true;
        find<QAbstractButton>(platform, dialog, "Button1")->click();
    });
    EXPECT_EQ(dialog.showModal(), mrOk);
    EXPECT_TRUE(checked);
    EXPECT_EQ(activations, 1);
    // The field's text stays readable after the dialog closed.
    EXPECT_EQ(dialog.Edit1.text(), "4");
}

TEST_F(DialogTest, LongTextsShowWholeInOpenListsAndFromTheirStartInFields) {
    start();
    SampleDialog dialog(platform);
    const Text longest = "Standard (==========================)";
    dialog.ComboBox1.items = {"Off", longest};
    dialog.ComboBox1.editable = true;
    later([&] {
        auto* combo = find<QComboBox>(platform, dialog, "ComboBox1");
        EXPECT_EQ(combo->width(), 120);
        EXPECT_GT(combo->view()->minimumWidth(),
                  combo->view()->fontMetrics().horizontalAdvance(toQt(longest)));

        // The program fills the field: it shows the start, the program's caret is at the end.
        const Text name = "John Smith, Flat 12, 34 Long Road, Northtown, +44 20 7946 0000";
        find<QAbstractButton>(platform, dialog, "Button2")->setFocus();
        run([&] { dialog.Edit1.setText(name); });
        auto* field = find<QLineEdit>(platform, dialog, "Edit1");
        EXPECT_EQ(field->cursorPosition(), 0);
        EXPECT_EQ(dialog.Edit1.selStart(), name.size());
        // Once the user moves the caret, the field's caret is the program's.
        QTest::keyClick(field, Qt::Key_Right);
        EXPECT_EQ(dialog.Edit1.selStart(), 1U);
        run([&] { dialog.Edit1.setText(name); });
        run([&] { dialog.Edit1.replaceSelection("!"); });
        EXPECT_EQ(dialog.Edit1.text(), name + "!");
        find<QAbstractButton>(platform, dialog, "Button1")->click();
    });
    EXPECT_EQ(dialog.showModal(), mrOk);
}

TEST_F(DialogTest, CloseBoxGivesCancel) {
    start();
    SampleDialog dialog(platform);
    later([this] { platform.topDialog()->close(); });
    EXPECT_EQ(dialog.showModal(), mrCancel);
}

TEST_F(DialogTest, TimerKeepsTickingUnderModalWindows) {
    start();
    // The main window's timer ticks while a dialog and then a message box are open.
    int ticks = 0;
    main().Timer.interval = 10;
    main().Timer.onTimer = [&ticks] { ++ticks; };
    run([this] { main().Timer.setEnabled(true); });
    SampleDialog dialog(platform);
    int ticksUnderBox = -1;
    later([&] {
        EXPECT_TRUE(waitFor([&ticks] { return ticks >= 3; }));
        later([&] {
            const int before = ticks;
            waitFor([&] { return ticks >= before + 3; });
            ticksUnderBox = ticks - before;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(QMessageBox::Ok)->click();
        });
        platform.messageBox("x", "y", mbInformation);
        // A handler run by the timer may close the dialog.
        main().Timer.onTimer = [&dialog] { dialog.close(4); };
    });
    EXPECT_EQ(dialog.showModal(), mrRetry);
    EXPECT_GE(ticksUnderBox, 3);
    run([this] { main().Timer.setEnabled(false); });
}

TEST_F(DialogTest, MessageBoxShowsTheProgramsTextAndReturnsTheAnswer) {
    start();
    const Text text = cp1251::literal("Удалить запись «Иванов»?");
    auto answer = answerNextBox(QMessageBox::Yes);
    EXPECT_EQ(platform.messageBox(text, "Norvik", mbQuestion), idYes);
    EXPECT_EQ(answer->text, QString::fromUtf8("Удалить запись «Иванов»?"));
    EXPECT_EQ(answer->title, QStringLiteral("Norvik"));
    EXPECT_EQ(answer->icon, QMessageBox::Question);

    answer = answerNextBox(QMessageBox::No);
    EXPECT_EQ(platform.messageBox("<b>sure</b>", "Norvik", mbInformationYesNo), idNo);
    // The text is shown as it is, never as markup.
    EXPECT_EQ(answer->text, QStringLiteral("<b>sure</b>"));
    EXPECT_EQ(answer->icon, QMessageBox::Information);

    answer = answerNextBox(QMessageBox::Ok);
    EXPECT_EQ(platform.messageBox("Cannot open file do.txt.", "Norvik", mbError), idOk);
    EXPECT_EQ(answer->icon, QMessageBox::Critical);
}

// Escape and the close box must never answer No: on the close question No
// quits without saving. Enter takes the default button, No where the flags
// ask for it.
TEST_F(DialogTest, YesNoBoxesHaveACancelAnswerAndTheirDefaultButton) {
    start();
    struct Case {
        int flags;
        std::function<void(QMessageBox&)> act;
        int expected;
    };
    const auto escape = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    const auto closeBox = [](QMessageBox& box) { box.close(); };
    const auto enter = [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); };
    const Case cases[] = {
        {mbQuestion, escape, idCancel},
        {mbWarningYesNo, closeBox, idCancel},
        {mbInformationYesNo, escape, idCancel},
        {mbQuestion, enter, idYes},
        {mbQuestion + mbDefaultButton2, enter, idNo},
        {mbQuestion + mbDefaultButton2, escape, idCancel},
        {mbError, escape, idOk},
        {mbInformation, closeBox, idOk},
    };
    for (const Case& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList shown;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* no = nullptr;
        onNextBox([&](QMessageBox& box) {
            icon = box.icon();
            defaultButton = box.defaultButton();
            no = box.button(QMessageBox::No);
            for (QAbstractButton* button : box.buttons()) {
                if (button->isVisibleTo(&box)) {
                    shown << button->text();
                }
            }
            c.act(box);
        });
        EXPECT_EQ(platform.messageBox("Save changes?", "Norvik", c.flags), c.expected)
            << "flags " << c.flags;
        // The cancel answer has no button of its own to show.
        EXPECT_EQ(shown.size(), isYesNo(c.flags) ? 2 : 1) << "flags " << c.flags;
        if (c.flags == mbQuestion + mbDefaultButton2) {
            EXPECT_EQ(icon, QMessageBox::Question);
            EXPECT_EQ(defaultButton, no);
        }
    }
}

TEST_F(DialogTest, FailureInAHandlerIsReportedAndTheProgramRunsOn) {
    start();
    auto answer = answerNextBox(QMessageBox::Ok);
    bool after = false;
    EXPECT_FALSE(platform.run([&after] {
        throw Failure("Cannot create file do.txt");
        after = true;
    }));
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->text, QStringLiteral("Cannot create file do.txt."));
    EXPECT_EQ(answer->title, QStringLiteral("Norvik"));
    EXPECT_FALSE(after);
    EXPECT_FALSE(terminated);
}

} // namespace
} // namespace norvik::qt::test
