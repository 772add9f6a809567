// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/EditHistory.h"

#include <limits>

namespace norvik {

namespace {

constexpr std::size_t nowhere = std::numeric_limits<std::size_t>::max();

} // namespace

bool EditHistory::joins(const TextChange& change, Kind kind) const {
    if (kind == Kind::Other || kind != lastKind_ || done_ == 0 || done_ != steps_.size()) {
        return false;
    }
    const TextChange& last = steps_.back();
    if (kind == Kind::Typing) {
        return change.removed.empty() && change.position == last.position + last.inserted.size() &&
               change.inserted.find('\n') == Text::npos;
    }
    // Backspace erases towards the start, Delete towards the end.
    return change.inserted.empty() && last.inserted.empty() &&
           (change.position + change.removed.size() == last.position ||
            change.position == last.position);
}

void EditHistory::record(TextChange change, Kind kind) {
    if (joins(change, kind)) {
        TextChange& last = steps_.back();
        if (kind == Kind::Typing) {
            last.inserted += change.inserted;
        } else if (change.position < last.position) {
            last.removed.insert(0, change.removed);
            last.position = change.position;
        } else {
            last.removed += change.removed;
        }
        return;
    }
    if (saved_ > done_) {
        saved_ = nowhere;
    }
    steps_.resize(done_);
    steps_.push_back(std::move(change));
    ++done_;
    lastKind_ = kind;
}

const TextChange* EditHistory::undo() {
    lastKind_ = Kind::Other;
    return done_ == 0 ? nullptr : &steps_[--done_];
}

const TextChange* EditHistory::redo() {
    lastKind_ = Kind::Other;
    return done_ == steps_.size() ? nullptr : &steps_[done_++];
}

void EditHistory::clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
    lastKind_ = Kind::Other;
}

void EditHistory::markSaved() {
    saved_ = done_;
    lastKind_ = Kind::Other;
}

} // namespace norvik
