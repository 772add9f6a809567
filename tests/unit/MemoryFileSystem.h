// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <map>
#include <memory>
#include <set>
#include <string>

namespace norvik::test {

// Files kept in memory, with "/" between folders; folders exist implicitly.
class MemoryFileSystem : public FileSystem {
public:
    FileRead read(const std::string& path, ReadConsumer* consumer = nullptr) override {
        FileRead result;
        const auto found = files.find(path);
        if (found != files.end()) {
            result.bytes = found->second;
            if (consumer != nullptr) {
                consumer->sizeKnown(found->second.size());
                consumer->arrived(found->second);
            }
        } else {
            result.reason = "No such file or directory";
        }
        return result;
    }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    std::vector<std::string> list(const std::string& folder) override {
        const std::string prefix = folder.empty() ? "" : folder + "/";
        std::set<std::string> names;
        for (const auto& [path, bytes] : files) {
            if (path.rfind(prefix, 0) == 0) {
                const std::string rest = path.substr(prefix.size());
                names.insert(rest.substr(0, rest.find('/')));
            }
        }
        return {names.begin(), names.end()};
    }
    bool createEmpty(const std::string& path) override {
        files.emplace(path, std::string());
        return true;
    }
    void replacePieces(const std::string& path, std::span<const std::string_view> pieces) override {
        std::string& file = files[path];
        file.clear();
        for (const std::string_view piece : pieces) {
            file += piece;
        }
        ++writes;
    }
    bool remove(const std::string& path) override { return files.erase(path) != 0; }
    LockAttempt lock(const std::string&) override {
        LockAttempt attempt;
        attempt.outcome = LockAttempt::Outcome::Acquired;
        attempt.lock = std::make_unique<FileLock>();
        return attempt;
    }
    bool canWriteFolder(const std::string&) override { return true; }

    std::map<std::string, std::string> files;
    int writes = 0;
};

} // namespace norvik::test
