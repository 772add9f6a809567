// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/SyncCommand.h"

#include "frontends/cli/CliFailure.h"
#include "frontends/cli/Commands.h"
#include "frontends/cli/DataDirectory.h"
#include "interop/LocalZone.h"
#include "interop/sync/CalendarItem.h"
#include "interop/sync/ItemFormat.h"
#include "interop/sync/SyncEngine.h"
#include "interop/sync/SyncFolders.h"
#include "store/Codec1251.h"
#include "store/DataFiles.h"
#include "store/PosixFileSystem.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace norvik::cli {

namespace {

using namespace norvik::sync;

// The data directory as the configuration knows it: absolute, links resolved.
std::string canonical(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        throw CliFailure(exitBadInput, "no data directory " + path);
    }
    std::string resolved(real);
    std::free(real);
    return resolved;
}

void checkFolder(const char* what, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        throw CliFailure(exitBadInput, std::string("the ") + what + " folder " + path + ": " +
                                           std::strerror(error));
    }
    if (!S_ISDIR(info.st_mode)) {
        throw CliFailure(exitBadInput, std::string("the ") + what + " folder " + path + ": " +
                                           std::strerror(ENOTDIR));
    }
}

// Makes the configuration folder and its parents where missing.
void makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            throw CliFailure(exitCannotReadOrWrite,
                             "cannot make " + part + ": " + std::strerror(error));
        }
        if (slash == std::string::npos) {
            return;
        }
    }
}

// A list of the data directory as sync sees it, saved as the other commands save.
class ListInDirectory : public ListAccess {
public:
    ListInDirectory(DataDirectory& data, const char* file)
        : data_(data), file_(file), lines_(data.load(file)) {}

    const Lines& lines() const override { return lines_; }
    void apply(const ListEdits& edits) override { edits.applyTo(lines_); }
    void save() override { data_.save(file_, lines_); }

private:
    DataDirectory& data_;
    const char* file_;
    Lines lines_;
};

// "N/M" on standard error once a sync has run for a second, when that is a terminal.
class Progress {
public:
    Progress(std::ostream& err, const char* list)
        : err_(err), list_(list), shown_(::isatty(2) == 1),
          start_(std::chrono::steady_clock::now()) {}
    ~Progress() {
        if (drawn_) {
            err_ << "\r\033[K" << std::flush;
        }
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void operator()(const char* stage, std::size_t done, std::size_t total) {
        if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) {
            return;
        }
        drawn_ = true;
        err_ << "\rnorvik-cli: " << list_ << ": " << stage << " " << done << "/" << total
             << "\033[K" << std::flush;
    }

private:
    std::ostream& err_;
    const char* list_;
    bool shown_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
};

void printSummary(CommandContext& context, const char* list, const SyncSummary& summary) {
    std::ostream& out = context.out;
    out << list << ": " << summary.sent << " sent, " << summary.received << " received, "
        << summary.changedThere << " changed there, " << summary.changedHere << " changed here, "
        << summary.removedThere << " removed there, " << summary.removedHere << " removed here, "
        << summary.conflicts << " conflicts kept\n";
    for (const auto& skipped : summary.skipped) {
        out << "  skipped " << skipped << "\n";
    }
    if (summary.kept > 0) {
        out << "  kept here only: " << summary.kept
            << (std::string_view(list) == "events"
                    ? " new line(s) whose date is not in the DD.MM.YYYY HH:MM:SS form\n"
                    : " new empty line(s)\n");
    }
}

void syncOne(CommandContext& context, const char* list, const std::string& folder) {
    const bool events = std::string_view(list) == "events";
    checkFolder(list, folder);
    ListInDirectory lines(context.data, events ? eventsFile : phonesFile);
    // Many small items are synced to the disk together, once written.
    PosixFileSystem folderFiles(folder, PosixFileSystem::Writes::Batched);
    SyncEngine engine(context.data.files(), events ? eventsSyncState : phonesSyncState, folderFiles,
                      folder);
    Progress progress(context.err, list);
    engine.progress = [&progress](const char* stage, std::size_t done, std::size_t total) {
        progress(stage, done, total);
    };
    engine.attach(lines.lines());
    const DateTime today = localDateTime(context.now);
    SyncResult result;
    if (events) {
        const EventFormat format(windowFrom(today), systemZone(), context.now);
        result = engine.run(lines, format, today);
    } else {
        const Lines labels = context.data.phoneLabels();
        const ContactFormat format(labelsOf(labels));
        result = engine.run(lines, format, today);
    }
    printSummary(context, list, result.summary);
    if (result.failure) {
        const SyncFailure& failure = *result.failure;
        throw CliFailure(failure.kind == SyncFailure::Kind::Folder ? exitBadInput
                                                                   : exitCannotReadOrWrite,
                         std::string(list) + ": " + failure.folder + ": " + failure.reason);
    }
}

} // namespace

void syncLists(CommandContext& context, const SyncOptions& options) {
    DataDirectory& data = context.data;
    const std::string directory = canonical(data.path());
    const auto config = configFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!config) {
        throw CliFailure(exitUsage, "no configuration folder: set HOME or XDG_CONFIG_HOME");
    }
    PosixFileSystem disk;
    const std::string configFile = *config + "/" + syncFoldersFile;
    const std::string configText = disk.read(configFile).bytes.value_or("");
    const SyncFolders remembered = foldersOf(configText, directory);
    SyncFolders folders = remembered;
    for (const auto& given : {options.events, options.contacts}) {
        if (given && given->find_first_of("\r\n") != std::string::npos) {
            throw CliFailure(exitUsage, "a folder's name cannot hold a line break");
        }
    }
    if (options.events) {
        folders.events = absoluteFolder(*options.events, directory);
        checkFolder("events", *folders.events);
    }
    if (options.contacts) {
        folders.contacts = absoluteFolder(*options.contacts, directory);
        checkFolder("contacts", *folders.contacts);
    }
    if (options.noEvents) {
        folders.events.reset();
    }
    if (options.noContacts) {
        folders.contacts.reset();
    }
    const bool changed =
        folders.events != remembered.events || folders.contacts != remembered.contacts;
    if (!changed && !folders.events && !folders.contacts) {
        throw CliFailure(exitUsage, "no folder to sync " + directory +
                                        " with: name one with --events or --contacts");
    }
    data.lockForWriting();
    if (changed) {
        makeFolders(*config);
        try {
            disk.replace(configFile, withFolders(configText, directory, folders));
        } catch (const Failure& failure) {
            throw CliFailure(exitCannotReadOrWrite,
                             std::string(failure.what()) + ": " + failure.reason());
        }
    }
    ExitStatus status = exitOk;
    std::string failed;
    const std::pair<const char*, const std::optional<std::string>&> lists[] = {
        {"events", folders.events}, {"contacts", folders.contacts}};
    for (const auto& [list, folder] : lists) {
        if (!folder) {
            continue;
        }
        try {
            syncOne(context, list, *folder);
        } catch (const CliFailure& failure) {
            context.err << "norvik-cli: " << failure.what() << '\n';
            status = std::max(status, failure.status());
            failed += failed.empty() ? list : std::string(" and ") + list;
        }
    }
    if (status != exitOk) {
        throw CliFailure(status, failed + " not synced");
    }
}

} // namespace norvik::cli
