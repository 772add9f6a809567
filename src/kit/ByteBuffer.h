// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace norvik {

// Bytes in one block of memory that grows without writing into the room it
// makes: a file is read straight into it, where a string would first fill the
// whole of it with zeros (a pass over every byte, before the read writes them
// all again).
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::string_view bytes) { append(bytes); }
    ByteBuffer(const ByteBuffer& other) : ByteBuffer(other.view()) {}
    ByteBuffer& operator=(const ByteBuffer& other);
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ~ByteBuffer() = default;

    char* data() { return bytes_.get(); }
    const char* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return capacity_; }
    std::string_view view() const { return {bytes_.get(), size_}; }
    char operator[](std::size_t index) const { return bytes_[index]; }

    // Room for `capacity` bytes in all; the bytes there stay.
    void reserve(std::size_t capacity);
    // `size` bytes: those past the old size are left for the caller to write.
    void resizeForOverwrite(std::size_t size);
    // The bytes may lie in this very buffer: they are copied before it moves.
    void append(std::string_view bytes);
    void clear() { size_ = 0; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace norvik
