// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSystem.h"

#include <algorithm>

namespace norvik {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The entry of `folder` that `name` means: itself, else the first in byte
// order of those differing only in letter case, else the name as spelled.
std::string matchEntry(FileSystem& files, const std::string& folder, const std::string& name) {
    auto entries = files.list(folder);
    if (std::find(entries.begin(), entries.end(), name) != entries.end()) {
        return name;
    }
    std::sort(entries.begin(), entries.end());
    for (const auto& entry : entries) {
        if (sameIgnoringCase(entry, name)) {
            return entry;
        }
    }
    return name;
}

} // namespace

BufferRead FileSystem::readBuffer(const std::string& path, ReadConsumer* consumer) {
    FileRead read = this->read(path);
    BufferRead result;
    if (read.bytes) {
        result.bytes.emplace(*read.bytes);
        if (consumer != nullptr) {
            consumer->sizeKnown(read.bytes->size());
            consumer->arrived(*read.bytes);
        }
    }
    result.reason = std::move(read.reason);
    result.refused = read.refused;
    return result;
}

RunsRead FileSystem::readRuns(const std::string& path, RunConsumer& consumer) {
    FileRead read = this->read(path);
    RunsRead result;
    if (read.bytes) {
        result.bytes = read.bytes->size();
        consumer.arrived(*read.bytes);
    }
    result.reason = std::move(read.reason);
    result.refused = read.refused;
    return result;
}

std::string resolveName(FileSystem& files, const std::string& path) {
    std::string resolved;
    std::size_t at = 0;
    while (at <= path.size()) {
        auto slash = path.find('/', at);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        const std::string part = path.substr(at, slash - at);
        const bool plain = !part.empty() && part != "." && part != "..";
        const std::string folder = resolved;
        if (!resolved.empty() || at > 0) {
            resolved += '/';
        }
        resolved += plain ? matchEntry(files, folder, part) : part;
        at = slash + 1;
    }
    return resolved;
}

} // namespace norvik
