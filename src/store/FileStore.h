// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Failure.h"
#include "kit/Text.h"
#include "store/FileSystem.h"

#include <functional>
#include <set>
#include <string>

namespace norvik {

// The failure of a load the program refused itself: the file is larger than
// it reads, or reached through another user's symbolic link. The message
// names the file and the reason.
class RefusedFile : public Failure {
public:
    using Failure::Failure;
};

// The data files of the working directory, named as the program spells them
// and matched without regard to letter case. A file that failed to load is
// never written during the run, nor is one held back until its load: their
// saves fail with "Cannot open file NAME", so that what the program shows
// never replaces the user's file.
class FileStore {
public:
    explicit FileStore(FileSystem& files) : files_(files) {}

    FileSystem& files() { return files_; }
    bool exists(const std::string& name);
    // Creates the file empty only when no file of that name exists.
    void createIfMissing(const std::string& name);
    // Refuses to write the file, as one that failed to load, until it has been
    // loaded: a start-up stopped before its load must not let the empty list
    // the window shows replace the file.
    void holdBack(const std::string& name);
    // Whether the file was loaded and may be written: not held back, not
    // failed to load.
    bool loaded(const std::string& name) const;

    // Fail with "Cannot open file NAME", the system's reason kept beside it,
    // or with a RefusedFile "Cannot open file NAME: REASON".
    Lines loadLines(const std::string& name);
    // Hands out the file's lines one at a time without keeping the file, each
    // valid only during its call; fails as loadLines does.
    void scanLines(const std::string& name, std::function<void(std::string_view line)> line);
    Text loadNotes(const std::string& name);
    // Fail with "Cannot create file NAME" or "Cannot write file NAME: REASON".
    void saveLines(const std::string& name, const Lines& lines);
    void saveNotes(const std::string& name, std::string_view text);
    void saveBytes(const std::string& name, std::string_view bytes);

private:
    void savePieces(const std::string& name, std::span<const std::string_view> pieces);
    // The bytes read, or the failure of the load; marks the file as read or not.
    template <class Bytes> Bytes loaded(const std::string& name, FileReadOf<Bytes> read);
    void checkWritable(const std::string& name) const;

    FileSystem& files_;
    std::set<std::string> unreadable_;
};

} // namespace norvik
