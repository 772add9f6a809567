// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frontends/qt/NotesEdit.h"
#include "kit/TextControls.h"

#include <QObject>
#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace norvik::qt {

// The notes kept in their editor: a keystroke never converts or copies the
// whole text; text() copies it out once.
class NotesStorage : public TextStorage {
public:
    explicit NotesStorage(NotesEdit& editor) : editor_(editor) {}

    Text text() const override { return editor_.text(); }
    std::string_view view() override { return editor_.view(); }
    void setText(Text text) override { editor_.setText(std::move(text)); }
    std::size_t length() const override { return editor_.buffer().size(); }
    std::size_t selStart() const override;
    std::size_t selLength() const override;
    void setSelection(std::size_t start, std::size_t length) override;
    void replaceSelection(const Text& text) override { editor_.replaceSelection(text); }
    void append(const Text& text) override { editor_.append(text); }
    bool endsWith(const Text& tail) const override { return editor_.buffer().endsWith(tail); }
    void markSaved() override { editor_.markSaved(); }
    bool atSaved() const override { return editor_.atSaved(); }

private:
    NotesEdit& editor_;
};

// An edit field's text kept in its line editor.
// A text the program puts in a field the user is not in shows from its start
// (a long name keeps its first letters in view), while for the program the
// caret stands at the end, as after any text it sets, until the user moves it.
class LineEditStorage : public TextStorage {
public:
    explicit LineEditStorage(QLineEdit& edit);
    ~LineEditStorage() override;

    Text text() const override;
    std::string_view view() override;
    void setText(Text text) override;
    std::size_t length() const override;
    std::size_t selStart() const override;
    std::size_t selLength() const override;
    void setSelection(std::size_t start, std::size_t length) override;
    void replaceSelection(const Text& text) override;
    void append(const Text& text) override;
    bool endsWith(const Text& tail) const override;

    bool programChanging() const { return changing_; }

private:
    void showFromStart();

    QLineEdit& edit_;
    bool changing_ = false;
    bool caretAtEnd_ = false;
    Text viewed_;
    QMetaObject::Connection userMoves_;
};

// Guards what the user puts into a line field: characters the code page
// cannot hold are dropped, a pasted text is kept up to its first line break,
// and the length limit keeps the leading characters that fit. The program's
// own changes pass untouched.
class EditValidator : public QValidator {
public:
    EditValidator(std::function<bool()> programChanging, std::function<std::size_t()> limit,
                  QObject* parent)
        : QValidator(parent), programChanging_(std::move(programChanging)),
          limit_(std::move(limit)) {}

    // The text before the change, so that the limit trims only what was added.
    void remember(const QString& text) { previous_ = text; }
    State validate(QString& input, int& position) const override;

private:
    std::function<bool()> programChanging_;
    std::function<std::size_t()> limit_;
    QString previous_;
};

} // namespace norvik::qt
