// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>

namespace norvik {

// Where an edit field's or the notes' text lives. The core keeps it in a plain
// string; the Qt front end plugs in its own document so that no keystroke in a
// long text copies the whole of it.
class TextStorage {
public:
    virtual ~TextStorage() = default;
    virtual Text text() const = 0;
    // The text handed out to a storage that takes over; this one may be left
    // empty, and a storage that cannot give it up hands a copy.
    virtual Text takeText() { return text(); }
    // The text without a copy, valid until the next change.
    virtual std::string_view view() = 0;
    // Taken by value: a loaded text moves in without a copy.
    virtual void setText(Text text) = 0;
    virtual std::size_t length() const = 0;
    virtual bool empty() const { return length() == 0; }
    // Selection in characters from 0; a CR LF counts as two.
    virtual std::size_t selStart() const = 0;
    virtual std::size_t selLength() const = 0;
    virtual void setSelection(std::size_t start, std::size_t length) = 0;
    // Replaces the selection (or inserts at the caret); the caret ends after it.
    virtual void replaceSelection(const Text& text) = 0;
    // Appends at the end without copying the whole text.
    virtual void append(const Text& text) = 0;
    // Whether the text ends with the given bytes.
    virtual bool endsWith(const Text& tail) const = 0;
    // The text as it is now is the one in the file. A new text counts as
    // that one too: it is what was loaded.
    virtual void markSaved() {}
    // Whether the user's changes since (undone, say) came back to that text;
    // a storage that keeps no history cannot tell and says no.
    virtual bool atSaved() const { return false; }
};

class StringTextStorage : public TextStorage {
public:
    Text text() const override { return text_; }
    Text takeText() override { return std::move(text_); }
    std::string_view view() override { return text_; }
    void setText(Text text) override;
    std::size_t length() const override { return text_.size(); }
    std::size_t selStart() const override { return selStart_; }
    std::size_t selLength() const override { return selLength_; }
    void setSelection(std::size_t start, std::size_t length) override;
    void replaceSelection(const Text& text) override;
    void append(const Text& text) override;
    bool endsWith(const Text& tail) const override;

private:
    Text text_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
};

// An edit field (single line) or the notes (multi-line). Changes made through
// setText, replaceSelection and append raise onChange, as the user's do.
class TextControl : public Control {
public:
    TextControl(Form& form, Control* parent, std::string name, ControlKind kind);

    Text text() const { return storage_->text(); }
    // The text without a copy (a long text is saved from it), valid until
    // the next change.
    std::string_view view() { return storage_->view(); }
    // The program sets the whole text: the caret goes to its end.
    void setText(Text text);
    std::size_t length() const { return storage_->length(); }
    bool empty() const { return storage_->empty(); }
    std::size_t selStart() const { return storage_->selStart(); }
    std::size_t selLength() const { return storage_->selLength(); }
    void setSelection(std::size_t start, std::size_t length) {
        storage_->setSelection(start, length);
    }
    void replaceSelection(const Text& text);
    void append(const Text& text);
    bool endsWith(const Text& tail) const { return storage_->endsWith(tail); }
    void markSaved() { storage_->markSaved(); }
    bool atSaved() const { return storage_->atSaved(); }

    TextStorage& storage() { return *storage_; }
    // A front end that owns the live text hands its storage in; the current
    // text and selection move over to it.
    void plugStorage(std::unique_ptr<TextStorage> storage);
    // Raises onChange; for storages that learn of a change the user made.
    void changed();

    std::size_t maxLength = 0; // 0: no limit
    bool readOnly = false;

private:
    std::unique_ptr<TextStorage> storage_;
};

class Edit : public TextControl {
public:
    Edit(Form& form, Control* parent, std::string name)
        : TextControl(form, parent, std::move(name), ControlKind::Edit) {
        color = clWindow;
    }
};

class Memo : public TextControl {
public:
    Memo(Form& form, Control* parent, std::string name)
        : TextControl(form, parent, std::move(name), ControlKind::Memo) {
        color = clWindow;
    }
    bool wordWrap = true;
    bool verticalScrollBar = false;
    bool hideSelection = true;
};

} // namespace norvik
