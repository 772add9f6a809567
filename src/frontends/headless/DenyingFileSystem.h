// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <set>
#include <string>

namespace norvik::headless {

// Wraps the disk so that a script can make creating or writing a named file
// fail, as a full disk or a read-only file would, whoever runs the test (even
// root, whom file modes do not stop). Reading is never affected.
class DenyingFileSystem : public FileSystem {
public:
    explicit DenyingFileSystem(FileSystem& disk) : disk_(disk) {}

    // Names match ignoring letter case, like the program's own lookup.
    void deny(const std::string& name);
    void allow(const std::string& name);
    bool denied(const std::string& path) const;

    FileRead read(const std::string& path, ReadConsumer* consumer = nullptr) override;
    BufferRead readBuffer(const std::string& path, ReadConsumer* consumer = nullptr) override;
    RunsRead readRuns(const std::string& path, RunConsumer& consumer) override;
    bool exists(const std::string& path) override;
    std::vector<std::string> list(const std::string& folder) override;
    bool createEmpty(const std::string& path) override;
    void replacePieces(const std::string& path, std::span<const std::string_view> pieces) override;
    bool remove(const std::string& path) override;
    // A denied lock file cannot be taken, as one the user may not open.
    LockAttempt lock(const std::string& path) override;
    bool canWriteFolder(const std::string& folder) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    void flush() override { disk_.flush(); }

private:
    FileSystem& disk_;
    std::set<std::string> denied_;
};

} // namespace norvik::headless
