// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/DenyingFileSystem.h"

#include "kit/Failure.h"
#include "store/Codec1251.h"

#include <cerrno>
#include <cstring>

namespace norvik::headless {

namespace {

// A leading "./" names the same file.
std::string key(const std::string& path) {
    std::string_view name = path;
    while (name.starts_with("./")) {
        name.remove_prefix(2);
    }
    return cp1251::toLower(name);
}

} // namespace

void DenyingFileSystem::deny(const std::string& name) {
    denied_.insert(key(name));
}

void DenyingFileSystem::allow(const std::string& name) {
    denied_.erase(key(name));
}

bool DenyingFileSystem::denied(const std::string& path) const {
    return denied_.count(key(path)) != 0;
}

FileRead DenyingFileSystem::read(const std::string& path, ReadConsumer* consumer) {
    return disk_.read(path, consumer);
}

BufferRead DenyingFileSystem::readBuffer(const std::string& path, ReadConsumer* consumer) {
    return disk_.readBuffer(path, consumer);
}

RunsRead DenyingFileSystem::readRuns(const std::string& path, RunConsumer& consumer) {
    return disk_.readRuns(path, consumer);
}

bool DenyingFileSystem::exists(const std::string& path) {
    return disk_.exists(path);
}

std::vector<std::string> DenyingFileSystem::list(const std::string& folder) {
    return disk_.list(folder);
}

bool DenyingFileSystem::createEmpty(const std::string& path) {
    return !denied(path) && disk_.createEmpty(path);
}

void DenyingFileSystem::replacePieces(const std::string& path,
                                      std::span<const std::string_view> pieces) {
    if (denied(path)) {
        throw Failure("Cannot create file " + path, std::strerror(EACCES));
    }
    disk_.replacePieces(path, pieces);
}

bool DenyingFileSystem::remove(const std::string& path) {
    return !denied(path) && disk_.remove(path);
}

LockAttempt DenyingFileSystem::lock(const std::string& path) {
    if (denied(path)) {
        LockAttempt attempt;
        attempt.reason = std::strerror(EACCES);
        return attempt;
    }
    return disk_.lock(path);
}

bool DenyingFileSystem::canWriteFolder(const std::string& folder) {
    return disk_.canWriteFolder(folder);
}

std::optional<FileStamp> DenyingFileSystem::stamp(const std::string& path) {
    return disk_.stamp(path);
}

} // namespace norvik::headless
