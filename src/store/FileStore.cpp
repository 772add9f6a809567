// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileStore.h"

#include "kit/Failure.h"
#include "store/Codec1251.h"
#include "store/LineList.h"

namespace norvik {

namespace {

// Names match without regard to letter case, so the marks do too.
std::string markOf(const std::string& name) {
    std::string mark = name;
    for (auto& c : mark) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return mark;
}

// The failure names the file as the program spells it, not as the disk does:
// "Cannot create file DO.TXT" says do.txt, as does "Cannot write file DO.TXT:
// REASON".
std::string spelledAsProgram(std::string message, const std::string& onDisk,
                             const std::string& name) {
    const std::string named = "file " + onDisk;
    const auto at = message.find(named);
    const auto end = at + named.size();
    if (onDisk != name && at != std::string::npos &&
        (end == message.size() || message[end] == ':')) {
        message.replace(end - onDisk.size(), onDisk.size(), name);
    }
    return message;
}

} // namespace

bool FileStore::exists(const std::string& name) {
    return files_.exists(resolveName(files_, name));
}

void FileStore::createIfMissing(const std::string& name) {
    if (!exists(name)) {
        files_.createEmpty(name); // a file that cannot be created fails at its load
    }
}

void FileStore::holdBack(const std::string& name) {
    unreadable_.insert(markOf(name));
}

bool FileStore::loaded(const std::string& name) const {
    return unreadable_.count(markOf(name)) == 0;
}

template <class Bytes> Bytes FileStore::loaded(const std::string& name, FileReadOf<Bytes> read) {
    if (!read.bytes) {
        unreadable_.insert(markOf(name));
        if (read.refused) {
            throw RefusedFile("Cannot open file " + name + ": " +
                                  cp1251::fromSystemText(read.reason),
                              read.reason);
        }
        throw Failure("Cannot open file " + name, read.reason);
    }
    unreadable_.erase(markOf(name));
    return std::move(*read.bytes);
}

Lines FileStore::loadLines(const std::string& name) {
    LineSplitter splitter;
    ByteBuffer bytes = loaded(name, files_.readBuffer(resolveName(files_, name), &splitter));
    return splitter.finish(std::move(bytes));
}

void FileStore::scanLines(const std::string& name, std::function<void(std::string_view)> line) {
    LineScanner scanner(std::move(line));
    loaded(name, files_.readRuns(resolveName(files_, name), scanner));
    scanner.finish();
}

Text FileStore::loadNotes(const std::string& name) {
    CrLfCheck check;
    Text bytes = loaded(name, files_.read(resolveName(files_, name), &check));
    // Notes the program saved break with CR LF only, as the check saw while
    // they came in: they are taken as they are, without another pass.
    if (check.crLfOnly(bytes.size())) {
        return bytes;
    }
    return normalizeLineBreaks(std::move(bytes));
}

void FileStore::checkWritable(const std::string& name) const {
    // What the program holds for a file it could not read is not the file's
    // content; writing it would destroy the user's data.
    if (unreadable_.count(markOf(name)) != 0) {
        throw Failure("Cannot open file " + name);
    }
}

void FileStore::saveLines(const std::string& name, const Lines& lines) {
    savePieces(name, linePieces(lines));
}

void FileStore::saveNotes(const std::string& name, std::string_view text) {
    saveBytes(name, text);
}

void FileStore::saveBytes(const std::string& name, std::string_view bytes) {
    savePieces(name, {&bytes, 1});
}

void FileStore::savePieces(const std::string& name, std::span<const std::string_view> pieces) {
    checkWritable(name);
    const std::string onDisk = resolveName(files_, name);
    try {
        files_.replacePieces(onDisk, pieces);
    } catch (const Failure& failure) {
        throw Failure(spelledAsProgram(failure.what(), onDisk, name), failure.reason());
    }
}

} // namespace norvik
