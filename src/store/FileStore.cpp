#include "store/FileStore.h"

#include "kit/Failure.h"
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

// The failure names the file as the program spells it, not as the disk does.
std::string spelledAsProgram(std::string message, const std::string& onDisk,
                             const std::string& name) {
    if (onDisk != name && message.size() >= onDisk.size() &&
        message.compare(message.size() - onDisk.size(), onDisk.size(), onDisk) == 0) {
        message.replace(message.size() - onDisk.size(), onDisk.size(), name);
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

std::string FileStore::loadBytes(const std::string& name) {
    auto bytes = files_.read(resolveName(files_, name));
    if (!bytes) {
        unreadable_.insert(markOf(name));
        throw Failure("Cannot open file " + name);
    }
    unreadable_.erase(markOf(name));
    return std::move(*bytes);
}

Lines FileStore::loadLines(const std::string& name) {
    return splitLines(loadBytes(name));
}

Text FileStore::loadNotes(const std::string& name) {
    return normalizeLineBreaks(loadBytes(name));
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
