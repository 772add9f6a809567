// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Control.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace norvik {

// A change of a list's lines, for whoever follows the lines one by one.
struct LineChange {
    enum class Kind { Reset, Added, Replaced, Removed };
    Kind kind = Kind::Reset;
    int index = -1;           // the line added or replaced
    std::vector<int> removed; // the lines removed: ascending, each once
};

// A list of lines with selection marks, one current line and a top line.
// A non-empty list always has a current line; the top line stays within
// 0 .. max(0, count - rows) after every change.
class ListBox : public Control {
public:
    ListBox(Form& form, Control* parent, std::string name)
        : Control(form, parent, std::move(name), ControlKind::ListBox) {
        color = clWindow;
    }

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    // Valid until the lines change.
    std::string_view item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const Lines& items() const { return items_; }

    void setItems(Lines items);
    void add(std::string_view line);
    // Replaces one line; only that line loses its mark.
    void replace(int index, std::string_view line);
    // Removes the given lines (any order, duplicates allowed) in one pass.
    void remove(std::vector<int> indexes);
    void removeAt(int index) { remove({index}); }
    void clear() { setItems({}); }

    bool selected(int index) const;
    void setSelected(int index, bool on);
    void clearSelection();
    std::vector<int> selectedIndexes() const;
    int selectedCount() const { return markCount_; }

    int current() const { return current_; }
    // Makes a line current without scrolling (-1 only for an empty list).
    void setCurrent(int index);

    int topIndex() const { return top_; }
    void setTopIndex(int index);
    // Whole rows the list shows.
    int rows() const;
    int maxTopIndex() const;

    // Count changes so that a front end can tell when to refresh: the lines
    // themselves, and the marks, current line and top line.
    std::uint64_t itemsRevision() const { return itemsRevision_; }
    std::uint64_t stateRevision() const { return stateRevision_; }

    // Told of every change of the lines, after it is made.
    std::function<void(const LineChange&)> onLinesChanged;

    bool multiSelect = false;
    // Raised while a reminder is open for the current line: front ends fill
    // that line with the active highlight colour and show the other marks
    // lighter, so that the due event is the line that stands out.
    bool currentIsDue = false;
    int itemHeight = 13;
    int horizontalExtent = 0;

private:
    void touched();
    void clampTop();
    void tell(const LineChange& change) const;

    Lines items_;
    std::vector<std::uint8_t> marks_;
    int markCount_ = 0;
    int current_ = -1;
    int top_ = 0;
    std::uint64_t itemsRevision_ = 0;
    std::uint64_t stateRevision_ = 0;
};

} // namespace norvik
