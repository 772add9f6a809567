// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"
#include "store/PathWalk.h"

#include <string>
#include <utility>

namespace norvik {

// The real disk. Paths are taken relative to `root` (the working directory
// when empty), so that tests can work in a folder of their own. Reads and
// saves follow a symbolic link only when it belongs to the user running the
// program or to root (see PathWalk.h).
class PosixFileSystem : public FileSystem {
public:
    // How a replaced file reaches the disk.
    enum class Writes {
        Synced,  // each file and its folder synced before the call returns
        Batched, // atomic, but synced only by flush(): for many small files at once
    };
    explicit PosixFileSystem(std::string root = "", Writes writes = Writes::Synced)
        : root_(std::move(root)), writes_(writes) {}

    FileRead read(const std::string& path, ReadConsumer* consumer = nullptr) override;
    BufferRead readBuffer(const std::string& path, ReadConsumer* consumer = nullptr) override;
    RunsRead readRuns(const std::string& path, RunConsumer& consumer) override;
    bool exists(const std::string& path) override;
    std::vector<std::string> list(const std::string& folder) override;
    bool createEmpty(const std::string& path) override;
    void replacePieces(const std::string& path, std::span<const std::string_view> pieces) override;
    bool remove(const std::string& path) override;
    LockAttempt lock(const std::string& path) override;
    bool canWriteFolder(const std::string& folder) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    void flush() override;

private:
    // A data file open for reading with its size, or why it cannot be read.
    struct OpenedFile {
        Descriptor fd;
        std::size_t size = 0;
        std::string reason;
        bool refused = false;
    };
    OpenedFile openForReading(const std::string& path) const;
    std::string onDisk(const std::string& path) const;
    template <class Bytes>
    FileReadOf<Bytes> readAs(const std::string& path, ReadConsumer* consumer);

    std::string root_;
    Writes writes_;
};

} // namespace norvik
