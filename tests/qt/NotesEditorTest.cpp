// SPDX-License-Identifier: GPL-3.0-or-later
// The notes editor: typed keys reach the notes handlers before the editor
// applies them, the live text stays in the editor, positions count a line
// break as two characters as the program expects, undo knows the saved
// text, and long lines wrap and scroll like short ones.
#include "QtTestSupport.h"

#include "frontends/qt/LeftOutNotice.h"
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
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <random>

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

void sendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// One line of words, `bytes` long, in the code page.
Text lineOfWords(std::size_t bytes) {
    const char* const words[] = {"diary",  "a",    "morning", "walk",  "to",   "the",
                                 "river,", "then", "work",    "until", "late", "evening"};
    std::mt19937 random(5);
    Text line;
    line.reserve(bytes + 16);
    while (line.size() < bytes) {
        line += words[random() % std::size(words)];
        line += ' ';
    }
    line.resize(bytes);
    return line;
}

class NotesEditorTest : public QtProgramTest {
protected:
    NotesEdit* editor() { return static_cast<NotesEdit*>(widget("Memo1")); }
    QString label() { return static_cast<QLabel*>(widget("Label1"))->text(); }
    bool saveEnabled() { return widget("Button2")->isEnabled(); }
    // The positions the rows in view start at, top to bottom.
    std::vector<std::size_t> rowStarts() {
        std::vector<std::size_t> starts;
        for (int y = 3; y < editor()->viewport()->height() - 2; ++y) {
            const std::size_t start = editor()->positionAt(QPointF(0, y));
            if (starts.empty() || starts.back() != start) {
                starts.push_back(start);
            }
        }
        return starts;
    }
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

TEST_F(NotesEditorTest, CharactersTheCodePageCannotHoldAreRefusedAudibly) {
    start();
    run([this] { main().setNotesText(""); });
    int beeps = 0;
    editor()->beep = [&beeps] { ++beeps; };
    const auto* notice = editor()->findChild<QLabel*>();
    ASSERT_NE(notice, nullptr);
    // Typed: a beep for each refused character, and no notice.
    type(editor(), QString::fromUtf8("а中b€"));
    EXPECT_EQ(toQt(main().Memo1.text()), QString::fromUtf8("аb€"));
    EXPECT_EQ(beeps, 1);
    QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("😀"));
    QCoreApplication::sendEvent(editor(), &emoji);
    EXPECT_EQ(beeps, 2);
    EXPECT_FALSE(notice->isVisible());

    // Pasted: one beep, and a notice of how many characters were left out,
    // an emoji counting as one, in the language of the module.
    QApplication::clipboard()->setText(QString::fromUtf8("x中y😀\nz"));
    editor()->paste();
    EXPECT_EQ(toQt(main().Memo1.text()), QString::fromUtf8("аb€xy\r\nz"));
    EXPECT_EQ(beeps, 3);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(),
              QStringLiteral("Characters left out: 2 (code page 1251 cannot hold them)."));
    EXPECT_TRUE(editor()->rect().contains(notice->geometry()));
    platform.languageChosen(0);
    QApplication::clipboard()->setText(QString::fromUtf8("中"));
    editor()->paste();
    EXPECT_EQ(notice->text(),
              QString::fromUtf8("Пропущено символов: 1 (их нет в кодовой странице 1251)."));
    // A paste the code page holds whole says nothing.
    QApplication::clipboard()->setText(QStringLiteral("plain"));
    editor()->paste();
    EXPECT_EQ(beeps, 4);
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
    QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
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

TEST_F(NotesEditorTest, UndoingBackToTheSavedTextShowsTheNotesUnmodified) {
    writeFile("quotes.txt", "Day one\n");
    start();
    NotesEdit& edit = *editor();
    // Nothing to undo yet: the notes are still as loaded.
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(label(), line(22));
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&edit, QStringLiteral("ok"));
    EXPECT_EQ(label(), line(23));
    // Back to the loaded text: the label of the loaded notes, Save off.
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().Memo1.text(), "Day one\r\n");
    EXPECT_EQ(label(), line(22));
    EXPECT_FALSE(saveEnabled());
    QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(label(), line(23));
    EXPECT_TRUE(saveEnabled());

    // Saved, changed, and undone back to the saved text (the delimiter
    // included): the saved label again. Undoing the delimiter too is a change.
    static_cast<QAbstractButton*>(widget("Button2"))->click();
    EXPECT_EQ(label(), line(24));
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(label(), line(23));
    edit.undo();
    EXPECT_EQ(label(), line(24));
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(widget("Button1")->isEnabled());
    edit.undo();
    EXPECT_EQ(main().Memo1.text(), "Day one\r\nok");
    EXPECT_EQ(label(), line(23));
    edit.redo();
    EXPECT_EQ(label(), line(24));
}

TEST_F(NotesEditorTest, ClearIsOneStepToUndo) {
    writeFile("quotes.txt", "Day one\nDay two\n");
    start();
    auto answer = answerNextBox(QMessageBox::Yes);
    static_cast<QAbstractButton*>(widget("Button1"))->click();
    ASSERT_TRUE(answer->seen);
    EXPECT_TRUE(main().Memo1.empty());
    EXPECT_EQ(label(), line(23));
    // Ctrl+Z brings the notes back as they were loaded, with their state.
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().Memo1.text(), "Day one\r\nDay two\r\n");
    EXPECT_EQ(label(), line(22));
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(widget("Button1")->isEnabled());
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(main().Memo1.empty());
    EXPECT_EQ(label(), line(23));
}

TEST_F(NotesEditorTest, ASelectionDraggedWithinTheNotesMovesInOneStep) {
    start();
    TextControl& notes = main().Memo1;
    run([&] { notes.setText("one two three"); });
    std::vector<Text> seen;
    const auto heard = notes.onChange;
    notes.onChange = [&] {
        seen.push_back(notes.text());
        heard();
    };
    notes.setSelection(4, 4);
    editor()->moveSelectionTo(13);
    EXPECT_EQ(notes.text(), "one threetwo ");
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("two "));
    // The program heard of one change, never of the text in both places.
    EXPECT_EQ(seen, std::vector<Text>{"one threetwo "});
    editor()->moveSelectionTo(0);
    EXPECT_EQ(notes.text(), "two one three");
    editor()->undo();
    EXPECT_EQ(notes.text(), "one threetwo ");
    editor()->undo();
    EXPECT_EQ(notes.text(), "one two three");
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("two "));
    // Dropped inside itself, the selection stays.
    editor()->moveSelectionTo(6);
    EXPECT_EQ(notes.text(), "one two three");
}

TEST_F(NotesEditorTest, AFoundTextHasTheCaretAndTheFocus) {
    writeFile("quotes.txt", "Monday\nbuy milk\n");
    start();
    QWidget* window = editor()->window();
    widget("ListBox1")->setFocus();
    ASSERT_EQ(window->focusWidget(), widget("ListBox1"));
    auto found = answerNextBox(QMessageBox::Ok);
    later([this] {
        QWidget* prompt = platform.topDialog();
        ASSERT_NE(prompt, nullptr);
        prompt->findChild<QLineEdit*>()->setText(QStringLiteral("milk"));
        for (auto* button : prompt->findChildren<QAbstractButton*>()) {
            if (button->text().remove(u'&') == line(221).remove(u'&')) {
                button->click();
            }
        }
    });
    static_cast<QAbstractButton*>(widget("BitBtn6"))->click();
    ASSERT_TRUE(found->seen);
    EXPECT_EQ(window->focusWidget(), editor());
    EXPECT_EQ(editor()->selectedText(), QStringLiteral("milk"));
    QTest::keyClicks(window->focusWidget(), QStringLiteral("bread"));
    EXPECT_EQ(main().Memo1.text(), "Monday\r\nbuy bread\r\n");
}

TEST_F(NotesEditorTest, ADragSelectionHeldPastTheEdgeScrollsOn) {
    start();
    Text lines;
    for (int line = 0; line < 400; ++line) {
        lines += "line " + std::to_string(line) + "\r\n";
    }
    run([&] { main().setNotesText(lines); });
    NotesEdit& edit = *editor();
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    QWidget* view = edit.viewport();
    const QScrollBar& bar = *edit.verticalScrollBar();
    sendMouse(view, QEvent::MouseButtonPress, QPointF(1, 10), Qt::LeftButton);
    const QPointF below(10, view->height() + 5);
    sendMouse(view, QEvent::MouseMove, below, Qt::LeftButton);
    const int first = bar.value();
    const std::size_t selected = main().Memo1.selLength();
    // No further mouse event: the timer scrolls on, the selection grows.
    EXPECT_TRUE(waitFor([&] { return bar.value() > first + 3; }, 2000));
    EXPECT_GT(main().Memo1.selLength(), selected);
    EXPECT_EQ(main().Memo1.selStart(), 0U);
    sendMouse(view, QEvent::MouseButtonRelease, below, Qt::NoButton);
    const int released = bar.value();
    QTest::qWait(200);
    EXPECT_EQ(bar.value(), released);
}

TEST_F(NotesEditorTest, LongLinesOfWordsWrapAtWordsAndScrollLikeShortOnes) {
    start();
    NotesEdit& edit = *editor();
    QScrollBar& bar = *edit.verticalScrollBar();
    const auto startsAtWords = [&edit](const std::vector<std::size_t>& starts) {
        return std::all_of(starts.begin(), starts.end(), [&edit](std::size_t start) {
            return start == 0 || TextBuffer::isBlank(edit.buffer().at(start - 1));
        });
    };
    for (const std::size_t bytes : {std::size_t{200} << 10, std::size_t{5} << 20}) {
        SCOPED_TRACE(bytes);
        const Text words = lineOfWords(bytes);
        run([&] { main().setNotesText(words); });
        ASSERT_GT(edit.buffer().lineCount(), bytes >> 15);
        QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(bar.value(), 0);
        // A page down moves by the rows in view, not by a line's piece.
        const auto firstRows = rowStarts();
        ASSERT_GT(firstRows.size(), 4U);
        EXPECT_TRUE(startsAtWords(firstRows));
        QTest::keyClick(&edit, Qt::Key_PageDown);
        const auto nextRows = rowStarts();
        EXPECT_GT(nextRows.front(), firstRows.back());
        EXPECT_LT(nextRows.front(), firstRows.back() + 2 * (firstRows.back() - firstRows.front()));
        EXPECT_GT(bar.value(), 0);

        // The bar is in proportion to the text: half way down shows the middle.
        bar.setValue(bar.maximum() / 2);
        const std::size_t middle = rowStarts().front();
        EXPECT_NEAR(static_cast<double>(middle) / static_cast<double>(bytes), 0.5, 0.02);
        // Its handle is as long as the part of the text in view.
        const auto shown = static_cast<double>(firstRows.back() - firstRows.front());
        EXPECT_NEAR(bar.pageStep() / shown, 1.0, 0.5);

        // Where the buffer cuts the line for layout, rows still start at words.
        const std::size_t cut = edit.buffer().lineStart(edit.buffer().lineCount() / 2);
        edit.select(cut, cut);
        const auto aroundCut = rowStarts();
        EXPECT_TRUE(std::find(aroundCut.begin(), aroundCut.end(), cut) != aroundCut.end());
        EXPECT_TRUE(startsAtWords(aroundCut));

        // Typing far above does not move where the rows here break; they
        // only follow the text that moved.
        edit.select(0, 0);
        edit.select(middle, middle);
        const auto before = rowStarts();
        edit.replaceAsUser(100, 100, "new ");
        edit.select(middle + 4, middle + 4);
        auto after = rowStarts();
        for (std::size_t& start : after) {
            start -= 4;
        }
        EXPECT_EQ(after, before);
    }
}

// The desktop's primary selection needs an X server: these run under Xvfb
// (see CMakeLists.txt), not on the offscreen platform.
class NotesPrimarySelectionTest : public NotesEditorTest {
protected:
    static QString primary() { return QApplication::clipboard()->text(QClipboard::Selection); }
};

TEST_F(NotesPrimarySelectionTest, EveryWayOfSelectingOffersTheSelection) {
    ASSERT_TRUE(QApplication::clipboard()->supportsSelection());
    start();
    TextControl& notes = main().Memo1;
    run([&] { notes.setText("first words\r\nsecond line"); });
    NotesEdit& edit = *editor();
    QWidget* view = edit.viewport();
    QApplication::clipboard()->setText(QString(), QClipboard::Selection);

    const QPointF onFirst = edit.placeOf(2).center();
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, onFirst.toPoint());
    EXPECT_EQ(primary(), QStringLiteral("first"));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, onFirst.toPoint());
    EXPECT_EQ(primary(), QStringLiteral("first words\n"));

    notes.setSelection(13, 0);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(primary(), QStringLiteral("se"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(primary(), QStringLiteral("first words\nsecond line"));

    // The offered text is the one selected: an edit inside it afterwards
    // does not change it, an edit before it only moves it.
    notes.setSelection(0, 0);
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(primary(), QStringLiteral("first words\nsecond line"));
    notes.setSelection(14, 0);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    const QString word = primary();
    EXPECT_EQ(word, QStringLiteral("second "));
    notes.setSelection(0, 0);
    QTest::keyClicks(&edit, QStringLiteral("yy"));
    EXPECT_EQ(primary(), word);
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
