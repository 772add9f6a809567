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
// break or a caret moved elsewhere starts the next step.
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
    void clear();

private:
    bool joins(const TextChange& change, Kind kind) const;

    std::vector<TextChange> steps_;
    std::size_t done_ = 0;
    Kind lastKind_ = Kind::Other;
};

} // namespace norvik
