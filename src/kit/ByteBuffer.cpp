// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/ByteBuffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace norvik {

ByteBuffer& ByteBuffer::operator=(const ByteBuffer& other) {
    if (this != &other) {
        clear();
        append(other.view());
    }
    return *this;
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    return *this;
}

void ByteBuffer::reserve(std::size_t capacity) {
    if (capacity <= capacity_) {
        return;
    }
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ != 0) {
        std::memcpy(bytes.get(), bytes_.get(), size_);
    }
    bytes_ = std::move(bytes);
    capacity_ = capacity;
}

void ByteBuffer::resizeForOverwrite(std::size_t size) {
    reserve(size);
    size_ = size;
}

void ByteBuffer::append(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    if (size_ + bytes.size() > capacity_) {
        // Growing by half keeps a long run of appends at a few copies of the whole.
        const std::size_t capacity = std::max(size_ + bytes.size(), capacity_ + capacity_ / 2 + 64);
        auto grown = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ != 0) {
            std::memcpy(grown.get(), bytes_.get(), size_);
        }
        // From where they lie, the old block included, before it is let go.
        std::memcpy(grown.get() + size_, bytes.data(), bytes.size());
        bytes_ = std::move(grown);
        capacity_ = capacity;
    } else {
        std::memcpy(bytes_.get() + size_, bytes.data(), bytes.size());
    }
    size_ += bytes.size();
}

} // namespace norvik
