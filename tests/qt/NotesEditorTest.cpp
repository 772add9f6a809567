// The notes editor: typed keys reach the notes handlers before the editor
// applies them, the live text stays in the editor, and positions count a
// line break as two characters as the program expects.
#include "QtTestSupport.h"

#include "frontends/qt/NotesEdit.h"
#include "frontends/qt/QtText.h"
#include "frontends/qt/TextStorages.h"
#include "store/Codec1251.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace norvik::qt::test {
namespace {

// Types characters the way a keyboard layout delivers them, any alphabet.
void type(QWidget* target, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
}

class NotesEditorTest : public QtProgramTest {
protected:
    NotesEdit* editor() { return static_cast<NotesEdit*>(widget("Memo1")); }
    QString label() { return static_cast<QLabel*>(widget("Label1"))->text(); }
};

TEST_F(NotesEditorTest, TypingMarksTheNotesModified) {
    writeFile("quotes.txt", "Day one\n");
    start();
    EXPECT_EQ(label(), line(22));
    EXPECT_FALSE(widget("Button2")->isEnabled());
    QTest::keyClick(editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor(), QStringLiteral("ok"));
    EXPECT_EQ(label(), line(23));
    EXPECT_TRUE(widget("Button2")->isEnabled());
    EXPECT_EQ(main().Memo1.text(), "Day one\r\nok");
}

TEST_F(NotesEditorTest, DeleteKeyIsSeenBeforeItTakesEffect) {
    writeFile("quotes.txt", "x");
    start();
    QTest::keyClick(editor(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(editor(), Qt::Key_Delete);
    EXPECT_EQ(label(), line(23));
    EXPECT_TRUE(main().Memo1.empty());
    // The change that emptied the notes disabled the clear button.
    EXPECT_FALSE(widget("Button1")->isEnabled());
}

TEST_F(NotesEditorTest, KeyHandlersMayDiscardOrChangeTheKey) {
    start();
    run([this] { main().setNotesText(""); });
    main().Memo1.onKeyPress = [](char& key) {
        if (key == 'x') {
            key = 0;
        } else if (key == 'a') {
            key = 'b';
        }
    };
    QTest::keyClicks(editor(), QStringLiteral("xax"));
    EXPECT_EQ(main().Memo1.text(), "b");
    // A discarded Ctrl+V pastes nothing.
    main().Memo1.onKeyPress = [](char& key) {
        if (key == 22) {
            key = 0;
        }
    };
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(main().Memo1.text(), "b");
    main().Memo1.onKeyDown = [](int& key, ShiftState) {
        if (key == vkDelete) {
            key = 0;
        }
    };
    QTest::keyClick(editor(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(editor(), Qt::Key_Delete);
    EXPECT_EQ(main().Memo1.text(), "b");
}

TEST_F(NotesEditorTest, CharactersTheCodePageCannotHoldAreRefused) {
    start();
    run([this] { main().setNotesText(""); });
    type(editor(), QString::fromUtf8("а中b€"));
    EXPECT_EQ(toQt(main().Memo1.text()), QString::fromUtf8("аb€"));
    QApplication::clipboard()->setText(QString::fromUtf8("x中y\nz"));
    editor()->paste();
    EXPECT_EQ(toQt(main().Memo1.text()), QString::fromUtf8("аb€xy\r\nz"));
}

TEST_F(NotesEditorTest, PositionsCountALineBreakAsTwo) {
    start();
    TextControl& notes = main().Memo1;
    // Every byte survives the editor, 0x98 and the no-break space included.
    const Text bytes = "ab\r\ncd\r\n\r\ne\x98\xA0" + cp1251::literal("я");
    run([&] { notes.setText(bytes); });
    EXPECT_EQ(notes.text(), bytes);
    EXPECT_EQ(notes.length(), bytes.size());
    EXPECT_EQ(notes.selStart(), bytes.size());
    EXPECT_TRUE(notes.endsWith("e\x98\xA0" + cp1251::literal("я")));
    EXPECT_FALSE(notes.endsWith("\r\n"));

    notes.setSelection(4, 2);
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("cd"));
    EXPECT_EQ(notes.selStart(), 4U);
    EXPECT_EQ(notes.selLength(), 2U);
    // A selection across a line break counts it twice.
    notes.setSelection(1, 4);
    EXPECT_EQ(notes.selLength(), 4U);
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("b\nc"));

    run([&] { notes.replaceSelection("XY"); });
    EXPECT_EQ(notes.text().substr(0, 6), "aXYd\r\n");
    EXPECT_EQ(notes.selStart(), 3U);

    run([&] { notes.setText("end"); });
    run([&] { notes.append("\r\n===\r\n"); });
    EXPECT_TRUE(notes.endsWith("===\r\n"));
    EXPECT_EQ(notes.text(), "end\r\n===\r\n");
    EXPECT_EQ(notes.selStart(), notes.length());
}

TEST_F(NotesEditorTest, SaveAppendsTheDelimiterInTheEditor) {
    writeFile("quotes.txt", "");
    start();
    QTest::keyClicks(editor(), QStringLiteral("entry"));
    static_cast<QAbstractButton*>(widget("Button2"))->click();
    EXPECT_EQ(label(), line(24));
    const Text expected = "entry\r\n\r\n===================\r\n";
    EXPECT_EQ(editor()->text(), expected);
    EXPECT_EQ(editor()->caret(), expected.size());
}

TEST_F(NotesEditorTest, KeysUndoAndTheMenuTreatALineBreakAsOneCharacter) {
    start();
    TextControl& notes = main().Memo1;
    run([&] { notes.setText("one\r\ntwo"); });
    NotesEdit& edit = *editor();
    edit.setFocus();
    // Left from the start of a line lands before its CR, Backspace there
    // removes the whole break, Shift+Right selects it whole.
    notes.setSelection(5, 0);
    QTest::keyClick(&edit, Qt::Key_Left);
    EXPECT_EQ(notes.selStart(), 3U);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(notes.selLength(), 2U);
    // Up and down keep the column.
    notes.setSelection(1, 0);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(notes.selStart(), 6U);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(notes.selStart(), 1U);
    notes.setSelection(5, 0);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(notes.text(), "onetwo");

    // Typing is one step to undo, the erased break another; redo brings both back.
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&edit, QStringLiteral("xy"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(notes.text(), "onetwo");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(notes.text(), "one\r\ntwo");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(notes.text(), "onetwoxy");

    // The menu's Delete is a change the program hears of: emptied notes
    // disable the Clear button.
    edit.selectAll();
    edit.deleteSelection();
    EXPECT_TRUE(notes.empty());
    EXPECT_FALSE(widget("Button1")->isEnabled());
}

TEST_F(NotesEditorTest, LongNotesShowTheirEndAndScrollByKeys) {
    start();
    Text lines;
    for (int line = 0; line < 5000; ++line) {
        lines += "line " + std::to_string(line) +
                 " of a long diary, wrapped at the edge of the notes into two rows or more\r\n";
    }
    run([&] { main().setNotesText(lines); });
    NotesEdit& edit = *editor();
    const auto caretInView = [&edit] {
        const QWidget& widget = edit;
        const QRect caret = widget.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        return caret.isValid() && edit.rect().contains(caret);
    };
    // The newest entry is in view, with the caret after it.
    EXPECT_EQ(main().Memo1.selStart(), lines.size());
    EXPECT_TRUE(caretInView());
    EXPECT_EQ(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
    for (int page = 0; page < 3; ++page) {
        QTest::keyClick(&edit, Qt::Key_PageDown);
    }
    EXPECT_TRUE(caretInView());
    EXPECT_GT(edit.verticalScrollBar()->value(), 0);
    // A found text far down is brought into view.
    main().Memo1.setSelection(lines.size() / 2, 4);
    EXPECT_TRUE(caretInView());
    // With the view's top inside a wrapped line (a row up from a line's
    // start is the previous line's last row), unwrapping leaves that line
    // one row: the view still draws.
    const int wheelLines = QApplication::wheelScrollLines();
    QApplication::setWheelScrollLines(1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        run([this] { main().Memo1.wordWrap = true; });
        QWheelEvent up(QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(edit.viewport(), &up);
        run([this] { main().Memo1.wordWrap = false; });
        EXPECT_FALSE(edit.grab().isNull());
    }
    QApplication::setWheelScrollLines(wheelLines);
}

TEST_F(NotesEditorTest, AssistiveToolsReadAndEditTheNotesAtTheProgramsPositions) {
    start();
    run([this] { main().setNotesText("one\r\n" + cp1251::literal("два")); });
    QAccessibleInterface* notes = QAccessible::queryAccessibleInterface(editor());
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->role(), QAccessible::EditableText);
    EXPECT_TRUE(notes->state().multiLine && notes->state().editable);
    QAccessibleTextInterface* text = notes->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 8);
    EXPECT_EQ(text->text(5, 8), QString::fromUtf8("два"));
    EXPECT_EQ(text->cursorPosition(), 8);
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("one\r\n"));
    EXPECT_EQ(end, 5);
    text->setSelection(0, 0, 3);
    EXPECT_EQ(main().Memo1.selLength(), 3U);
    EXPECT_FALSE(text->characterRect(0).isEmpty());
    // An edit through the tool is the user's: the program hears of it.
    notes->editableTextInterface()->replaceText(0, 3, QString::fromUtf8("три"));
    EXPECT_EQ(main().Memo1.text(), cp1251::literal("три\r\nдва"));
    EXPECT_EQ(label(), line(23));
}

TEST(EditValidatorTest, LimitKeepsTheLeadingCharactersAndOneLine) {
    ensureApplication();
    bool programChanging = false;
    EditValidator validator([&programChanging] { return programChanging; }, [] { return 4U; },
                            nullptr);
    validator.remember(QStringLiteral("ab"));
    QString input = QStringLiteral("a123b");
    int position = 4;
    validator.validate(input, position);
    EXPECT_EQ(input, QStringLiteral("a12b"));
    EXPECT_EQ(position, 3);

    validator.remember(QString());
    input = QString::fromUtf8("x中y\r\nz");
    position = static_cast<int>(input.size());
    validator.validate(input, position);
    EXPECT_EQ(input, QStringLiteral("xy"));

    programChanging = true;
    input = QStringLiteral("123456");
    position = 6;
    validator.validate(input, position);
    EXPECT_EQ(input, QStringLiteral("123456"));
}

} // namespace
} // namespace norvik::qt::test
