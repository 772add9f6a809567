// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PathWalk.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik {

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

namespace {

// As the kernel counts: more links than this on one way is a loop.
constexpr int mostLinks = 40;

constexpr int pathFlags = O_PATH | O_NOFOLLOW | O_CLOEXEC;

void appendParts(std::deque<std::string>& parts, const std::string& path, bool atFront) {
    std::deque<std::string> found;
    std::size_t at = 0;
    while (at <= path.size()) {
        auto slash = path.find('/', at);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        std::string part = path.substr(at, slash - at);
        if (!part.empty() && part != ".") {
            found.push_back(std::move(part));
        }
        at = slash + 1;
    }
    if (atFront) {
        parts.insert(parts.begin(), found.begin(), found.end());
    } else {
        parts.insert(parts.end(), found.begin(), found.end());
    }
}

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

PathPlace failed(int error) {
    PathPlace place;
    place.reason = std::strerror(error);
    return place;
}

// The target of the link held open by `link` (opened O_PATH | O_NOFOLLOW):
// read through the descriptor, so it is the link whose owner was checked.
bool linkTarget(int link, std::string& target) {
    char buffer[PATH_MAX + 1];
    const ssize_t length = ::readlinkat(link, "", buffer, sizeof buffer);
    if (length < 0) {
        return false;
    }
    if (static_cast<std::size_t>(length) >= sizeof buffer) {
        errno = ENAMETOOLONG;
        return false;
    }
    target.assign(buffer, static_cast<std::size_t>(length));
    return true;
}

} // namespace

PathPlace walkPath(const std::string& start, const std::string& path) {
    const bool absolute = !path.empty() && path.front() == '/';
    // The starting folder is the one the user chose to work in.
    Descriptor folder(::open(absolute ? "/" : (start.empty() ? "." : start.c_str()),
                             O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return failed(errno);
    }
    std::string where = absolute ? "/" : "";
    std::deque<std::string> parts;
    appendParts(parts, path, false);
    const uid_t user = ::geteuid();
    int links = 0;
    bool throughLink = false;
    std::string name = ".";
    bool exists = true;
    while (!parts.empty()) {
        const std::string part = std::move(parts.front());
        parts.pop_front();
        const bool last = parts.empty();
        Descriptor entry(::openat(folder.get(), part.c_str(), pathFlags));
        if (!entry.valid()) {
            if (errno == ENOENT && last) {
                name = part;
                exists = false;
                break;
            }
            return failed(errno);
        }
        struct stat info {};
        if (::fstat(entry.get(), &info) != 0) {
            return failed(errno);
        }
        if (S_ISLNK(info.st_mode)) {
            if (info.st_uid != user && info.st_uid != 0) {
                PathPlace place;
                place.reason =
                    "the symbolic link " + joined(where, part) + " belongs to another user";
                place.refused = true;
                return place;
            }
            std::string target;
            if (++links > mostLinks) {
                return failed(ELOOP);
            }
            if (!linkTarget(entry.get(), target)) {
                return failed(errno);
            }
            if (target.empty()) {
                return failed(ENOENT);
            }
            throughLink = true;
            if (target.front() == '/') {
                folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (!folder.valid()) {
                    return failed(errno);
                }
                where = "/";
            }
            appendParts(parts, target, true);
            if (parts.empty()) { // a link to "/" or "."
                name = ".";
                exists = true;
                break;
            }
            continue;
        }
        if (last && part != "..") {
            name = part;
            exists = true;
            break;
        }
        if (!S_ISDIR(info.st_mode)) {
            return failed(ENOTDIR);
        }
        folder = std::move(entry);
        where = joined(where, part);
        name = ".";
        exists = true;
    }
    PathPlace place;
    place.folder = std::move(folder);
    place.name = name;
    place.exists = exists;
    place.throughLink = throughLink;
    return place;
}

} // namespace norvik
