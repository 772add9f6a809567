// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/TextControls.h"

#include <algorithm>

namespace norvik {

void StringTextStorage::setText(Text text) {
    text_ = std::move(text);
    selStart_ = text_.size();
    selLength_ = 0;
}

void StringTextStorage::setSelection(std::size_t start, std::size_t length) {
    selStart_ = std::min(start, text_.size());
    selLength_ = std::min(length, text_.size() - selStart_);
}

void StringTextStorage::replaceSelection(const Text& text) {
    text_.replace(selStart_, selLength_, text);
    selStart_ += text.size();
    selLength_ = 0;
}

void StringTextStorage::append(const Text& text) {
    text_ += text;
    selStart_ = text_.size();
    selLength_ = 0;
}

bool StringTextStorage::endsWith(const Text& tail) const {
    return text_.size() >= tail.size() &&
           text_.compare(text_.size() - tail.size(), tail.size(), tail) == 0;
}

TextControl::TextControl(Form& form, Control* parent, std::string name, ControlKind kind)
    : Control(form, parent, std::move(name), kind),
      storage_(std::make_unique<StringTextStorage>()) {}

void TextControl::setText(Text text) {
    storage_->setText(std::move(text));
    changed();
}

void TextControl::replaceSelection(const Text& text) {
    storage_->replaceSelection(text);
    changed();
}

void TextControl::append(const Text& text) {
    storage_->append(text);
    changed();
}

void TextControl::plugStorage(std::unique_ptr<TextStorage> storage) {
    const std::size_t start = storage_->selStart();
    const std::size_t length = storage_->selLength();
    // Moved, not copied: the notes may be tens of megabytes.
    storage->setText(storage_->takeText());
    storage->setSelection(start, length);
    storage_ = std::move(storage);
}

void TextControl::changed() {
    if (onChange) {
        onChange();
    }
}

} // namespace norvik
