// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/ByteBuffer.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// An ordered list of text lines kept in one byte buffer, with each line's
// place in it: a file of a million lines loads as one block instead of a
// million strings, and freeing the list frees two blocks. A changed or added
// line is written at the end of the buffer; the bytes it replaced are dropped
// when they come to outweigh the lines, or before the buffer would pass
// 4 GiB. A line read from the list stays valid until the list changes.
class Lines {
public:
    // Where a line lies in the buffer: 8 bytes a line, as the buffer stays
    // below 4 GiB (a file is read only up to 2 GiB).
    struct Place {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    // The most bytes the buffer holds, so that every place fits in 32 bits.
    static constexpr std::size_t largestBuffer = 0xFFFFFFFF;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = const std::string_view;

        const_iterator() = default;
        const_iterator(const Lines* lines, std::size_t index) : lines_(lines), index_(index) {}

        const std::string_view operator*() const { return (*lines_)[index_]; }
        const std::string_view operator[](difference_type n) const {
            return (*lines_)[index_ + static_cast<std::size_t>(n)];
        }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        const_iterator& operator--() {
            --index_;
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --index_;
            return before;
        }
        const_iterator& operator+=(difference_type n) {
            index_ += static_cast<std::size_t>(n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            index_ -= static_cast<std::size_t>(n);
            return *this;
        }
        friend const_iterator operator+(const_iterator at, difference_type n) { return at += n; }
        friend const_iterator operator+(difference_type n, const_iterator at) { return at += n; }
        friend const_iterator operator-(const_iterator at, difference_type n) { return at -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.index_ == b.index_;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.index_ <=> b.index_;
        }

    private:
        const Lines* lines_ = nullptr;
        std::size_t index_ = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    Lines() = default;
    Lines(std::initializer_list<std::string_view> lines);
    // `count` copies of one line.
    Lines(std::size_t count, std::string_view line);
    // Lines that lie in `buffer` at the given places, as a splitter finds them.
    Lines(ByteBuffer buffer, std::vector<Place> places)
        : buffer_(std::move(buffer)), places_(std::move(places)) {}

    // Lines come back const, so that `lines[i] = text` does not compile:
    // a line is changed with replace().
    std::size_t size() const { return places_.size(); }
    bool empty() const { return places_.empty(); }
    const std::string_view operator[](std::size_t index) const {
        const Place& place = places_[index];
        return {buffer_.data() + place.start, place.length};
    }
    // Fails with std::out_of_range past the end.
    const std::string_view at(std::size_t index) const;
    const std::string_view front() const { return (*this)[0]; }
    const std::string_view back() const { return (*this)[size() - 1]; }
    // Whether a line lies right after the line before it in the buffer, with
    // CR LF between them, as the lines of a loaded file do: such lines can be
    // saved or searched as one run of bytes.
    bool followsOn(std::size_t index) const {
        if (index == 0) {
            return false;
        }
        const Place& before = places_[index - 1];
        const std::size_t end = before.start + before.length;
        // The two bytes lie inside the buffer when the line starts after them.
        return places_[index].start == end + 2 && buffer_[end] == '\r' && buffer_[end + 1] == '\n';
    }
    // The bytes from the start of line `first` to the end of line `last`.
    std::string_view span(std::size_t first, std::size_t last) const {
        const std::size_t start = places_[first].start;
        return {buffer_.data() + start, places_[last].start + places_[last].length - start};
    }
    // Starts fetching where line `index` lies into the processor's cache, for
    // a list read in another order than its own: each line would otherwise
    // wait on memory for its place, then for its bytes.
    void prefetchPlace(std::size_t index) const { __builtin_prefetch(&places_[index]); }
    void prefetchBytes(std::size_t index) const { __builtin_prefetch((*this)[index].data()); }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void reserve(std::size_t lines) { places_.reserve(lines); }
    void push_back(std::string_view line);
    void replace(std::size_t index, std::string_view line);
    void erase(std::size_t index);
    // Removes the lines at these indexes, ascending and each once, in one pass.
    void eraseSorted(const std::vector<int>& indexes);
    void clear();
    // A lower ceiling for the buffer than largestBuffer, so that tests can
    // reach it.
    void limitBuffer(std::size_t bytes) { bufferLimit_ = bytes; }

    friend bool operator==(const Lines& a, const Lines& b);

private:
    Place store(std::string_view line);
    void countUsed();
    void compactIfWasteful();
    void compact();

    ByteBuffer buffer_;
    std::vector<Place> places_;
    std::size_t used_ = 0; // bytes of the buffer that lines still use; 0 until counted
    bool counted_ = false;
    std::size_t bufferLimit_ = largestBuffer;
};

} // namespace norvik
