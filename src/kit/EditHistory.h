// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <cstddef>
#include <vector>

namespace norvik {

// One change of a text: at `position`, `removed` gave way to `inserted`.
// The selection before it comes back when the change is undone.
struct TextChange {
    std::size_t position = 0;
    Text removed;
    Text inserted;
    std::size_t anchorBefore = 0;
    std::size_t caretBefore = 0;
};

// What an editor can undo and redo. Characters typed one after another, or
// erased one after another, are one step, as a user thinks of them; a line
// break or a caret moved elsewhere starts the next step. The history also
// knows the step at which the text was last loaded or saved, so that undoing
// or redoing back to it shows the text unmodified again.
class EditHistory {
public:
    enum class Kind { Typing, Erasing, Other };

    void record(TextChange change, Kind kind);
    // The change to take back, which then waits to be redone.
    const TextChange* undo();
    // The change to make again, which can then be undone again.
    const TextChange* redo();
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Forgets every step; the text as it is counts as saved.
    void clear();
    // The text as it is now is the saved one; the next change is a step of
    // its own, so that the saved text stays one step away.
    void markSaved();
    bool atSaved() const { return done_ == saved_; }

private:
    bool joins(const TextChange& change, Kind kind) const;

    std::vector<TextChange> steps_;
    std::size_t done_ = 0;
    // How many steps were done when the text was saved; none when those
    // steps were undone and replaced by others.
    std::size_t saved_ = 0;
    Kind lastKind_ = Kind::Other;
};

} // namespace norvik
