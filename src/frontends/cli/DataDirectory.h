// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/InstanceLock.h"
#include "store/PosixFileSystem.h"

#include <functional>
#include <memory>
#include <string>

namespace norvik::cli {

// The data directory as the program sees it: the same files, spelled and
// matched the same way, saved atomically through the same store.
class DataDirectory {
public:
    // Fails with exit status 2 when the directory does not exist.
    explicit DataDirectory(std::string path);

    // The directory -d gave, else $NORVIK_DATA, else ~/Norvik. Fails with
    // exit status 1 when none of them is set.
    static std::string chosen(const std::string& given);

    const std::string& path() const { return path_; }
    // The directory's files, for what keeps files of its own there (sync's state).
    FileSystem& files() { return disk_; }

    // Every command that writes takes the lock first: the running program
    // would overwrite the change with what it holds. Fails with exit status 3.
    void lockForWriting();

    // A file that is not there yet is empty, as on a first start. A file that
    // cannot be read (a symbolic link that leads nowhere among them) fails
    // with exit status 4 and its reason.
    Lines load(const std::string& name);
    // The same lines handed out one at a time, the file never held whole.
    void scan(const std::string& name, std::function<void(std::string_view line)> line);
    // Fails with exit status 4 and leaves the old file as it was.
    void save(const std::string& name, const Lines& lines);

    // The labels the add dialog writes into phone lines, from the module the
    // settings' LangID chooses (Russian unless it says "1").
    Lines phoneLabels();

private:
    std::string path_;
    PosixFileSystem disk_;
    FileStore store_;
    std::unique_ptr<FileLock> lock_;
};

} // namespace norvik::cli
