// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace norvik {

// A file descriptor, closed when its holder goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_ = -1;
};

// Where a path leads once its symbolic links are followed: the folder that
// holds the file, open, and the file's name in it. A link is followed only
// when it belongs to the user running the program or to root, so that a
// co-user of a shared folder can neither send a save into this user's files
// nor make the program read a file of his choosing. Nothing is followed
// implicitly: every step is taken from the folder already reached, so a link
// swapped in meanwhile is never used unchecked.
struct PathPlace {
    Descriptor folder;        // invalid when the way could not be walked
    std::string name;         // the file's name in `folder`
    bool exists = false;      // whether `folder` holds an entry of that name
    bool throughLink = false; // whether a link was followed on the way
    std::string reason;       // why the way could not be walked
    bool refused = false;     // the reason is the program's own: a link of another user
};

// Walks `path` from the folder `start` ("" is the working directory; an
// absolute path starts at "/").
PathPlace walkPath(const std::string& start, const std::string& path);

} // namespace norvik
