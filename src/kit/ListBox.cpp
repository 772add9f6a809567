// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/ListBox.h"

#include <algorithm>

namespace norvik {

void ListBox::touched() {
    ++itemsRevision_;
    ++stateRevision_;
    clampTop();
}

void ListBox::clampTop() {
    top_ = std::clamp(top_, 0, maxTopIndex());
}

void ListBox::tell(const LineChange& change) const {
    if (onLinesChanged) {
        onLinesChanged(change);
    }
}

void ListBox::setItems(Lines items) {
    items_ = std::move(items);
    marks_.assign(items_.size(), 0);
    markCount_ = 0;
    current_ = items_.empty() ? -1 : 0;
    top_ = 0;
    touched();
    tell({LineChange::Kind::Reset, -1, {}});
}

void ListBox::add(std::string_view line) {
    items_.push_back(line);
    marks_.push_back(0);
    if (current_ < 0) {
        current_ = 0;
    }
    touched();
    tell({LineChange::Kind::Added, count() - 1, {}});
}

void ListBox::replace(int index, std::string_view line) {
    const auto at = static_cast<std::size_t>(index);
    items_.replace(at, line);
    if (marks_[at] != 0) {
        marks_[at] = 0;
        --markCount_;
    }
    touched();
    tell({LineChange::Kind::Replaced, index, {}});
}

void ListBox::remove(std::vector<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::erase_if(indexes, [this](int i) { return i < 0 || i >= count(); });
    if (indexes.empty()) {
        touched();
        return;
    }
    const auto removedAbove =
        std::lower_bound(indexes.begin(), indexes.end(), current_) - indexes.begin();
    std::size_t write = 0;
    std::size_t next = 0;
    for (std::size_t read = 0; read < marks_.size(); ++read) {
        if (next < indexes.size() && static_cast<std::size_t>(indexes[next]) == read) {
            ++next;
            if (marks_[read] != 0) {
                --markCount_;
            }
            continue;
        }
        marks_[write++] = marks_[read];
    }
    marks_.resize(write);
    items_.eraseSorted(indexes);
    if (items_.empty()) {
        current_ = -1;
    } else {
        current_ = std::min(current_ - static_cast<int>(removedAbove), count() - 1);
        current_ = std::max(current_, 0);
    }
    touched();
    tell({LineChange::Kind::Removed, -1, std::move(indexes)});
}

bool ListBox::selected(int index) const {
    return index >= 0 && index < count() && marks_[static_cast<std::size_t>(index)] != 0;
}

void ListBox::setSelected(int index, bool on) {
    auto& mark = marks_.at(static_cast<std::size_t>(index));
    if ((mark != 0) != on) {
        mark = on ? 1 : 0;
        markCount_ += on ? 1 : -1;
        ++stateRevision_;
    }
}

void ListBox::clearSelection() {
    if (markCount_ > 0) {
        std::fill(marks_.begin(), marks_.end(), 0);
        markCount_ = 0;
        ++stateRevision_;
    }
}

std::vector<int> ListBox::selectedIndexes() const {
    std::vector<int> result;
    result.reserve(static_cast<std::size_t>(markCount_));
    for (std::size_t i = 0;
         i < marks_.size() && result.size() < static_cast<std::size_t>(markCount_); ++i) {
        if (marks_[i] != 0) {
            result.push_back(static_cast<int>(i));
        }
    }
    return result;
}

void ListBox::setCurrent(int index) {
    if (items_.empty()) {
        current_ = -1;
        return;
    }
    current_ = std::clamp(index, 0, count() - 1);
    ++stateRevision_;
}

void ListBox::setTopIndex(int index) {
    top_ = index;
    clampTop();
    ++stateRevision_;
}

int ListBox::rows() const {
    return itemHeight > 0 ? height / itemHeight : 0;
}

int ListBox::maxTopIndex() const {
    return std::max(0, count() - rows());
}

} // namespace norvik
