// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Lines.h"

#include <algorithm>
#include <stdexcept>

namespace norvik {

Lines::Lines(std::initializer_list<std::string_view> lines) {
    std::size_t bytes = 0;
    for (const auto line : lines) {
        bytes += line.size();
    }
    buffer_.reserve(bytes + 2 * lines.size());
    places_.reserve(lines.size());
    for (const auto line : lines) {
        push_back(line);
    }
}

Lines::Lines(std::size_t count, std::string_view line) {
    buffer_.reserve(count * (line.size() + 2));
    places_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        push_back(line);
    }
}

const std::string_view Lines::at(std::size_t index) const {
    if (index >= places_.size()) {
        throw std::out_of_range("line index out of range");
    }
    return (*this)[index];
}

void Lines::countUsed() {
    if (!counted_) {
        used_ = 0;
        for (const Place& place : places_) {
            used_ += place.length;
        }
        counted_ = true;
    }
}

Lines::Place Lines::store(std::string_view line) {
    countUsed();
    if (buffer_.size() + line.size() + 2 > bufferLimit_) {
        // The line may lie in the buffer that packing lets go.
        const std::string kept(line);
        compact();
        if (buffer_.size() + kept.size() + 2 > bufferLimit_) {
            throw std::length_error("The list's lines pass 4 GiB");
        }
        return store(kept);
    }
    const Place place{static_cast<std::uint32_t>(buffer_.size()),
                      static_cast<std::uint32_t>(line.size())};
    // The line may lie in this very buffer; append copies it before it lets
    // the old storage go. A CR LF follows it as in a file, so lines added in
    // order are saved as one run of the buffer.
    buffer_.append(line);
    buffer_.append("\r\n");
    used_ += line.size();
    return place;
}

void Lines::push_back(std::string_view line) {
    const Place place = store(line);
    places_.push_back(place);
    compactIfWasteful();
}

void Lines::replace(std::size_t index, std::string_view line) {
    if (index >= places_.size()) {
        throw std::out_of_range("line index out of range");
    }
    const std::size_t dropped = places_[index].length;
    const Place place = store(line);
    places_[index] = place;
    used_ -= dropped;
    compactIfWasteful();
}

void Lines::erase(std::size_t index) {
    eraseSorted({static_cast<int>(index)});
}

void Lines::eraseSorted(const std::vector<int>& indexes) {
    std::size_t write = 0;
    std::size_t next = 0;
    for (std::size_t read = 0; read < places_.size(); ++read) {
        if (next < indexes.size() && static_cast<std::size_t>(indexes[next]) == read) {
            ++next;
            if (counted_) {
                used_ -= places_[read].length;
            }
            continue;
        }
        places_[write++] = places_[read];
    }
    places_.resize(write);
    compactIfWasteful();
}

void Lines::clear() {
    buffer_.clear();
    places_.clear();
    used_ = 0;
    counted_ = true;
}

void Lines::compactIfWasteful() {
    // A loaded file keeps its line breaks in the buffer; only bytes that edits
    // left behind count as waste, and only once they pass the lines' own.
    if (!counted_ || buffer_.size() < 4096 ||
        buffer_.size() - used_ <= used_ + 2 * places_.size()) {
        return;
    }
    compact();
}

void Lines::compact() {
    ByteBuffer packed;
    packed.reserve(used_ + 2 * places_.size());
    for (Place& place : places_) {
        const std::size_t start = packed.size();
        packed.append({buffer_.data() + place.start, place.length});
        packed.append("\r\n");
        place.start = static_cast<std::uint32_t>(start);
    }
    buffer_ = std::move(packed);
}

bool operator==(const Lines& a, const Lines& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace norvik
