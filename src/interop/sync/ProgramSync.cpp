// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/ProgramSync.h"

#include "interop/WallClock.h"
#include "interop/sync/CalendarItem.h"
#include "interop/sync/ItemFormat.h"
#include "interop/sync/SyncFolders.h"
#include "interop/sync/SyncText.h"
#include "kit/ListBox.h"
#include "store/Codec1251.h"
#include "store/DataFiles.h"

#include <cstdlib>
#include <ctime>

namespace norvik::sync {

namespace {

// The list box as sync sees it; its own changes are not followed as the
// user's.
class ListBoxAccess : public ListAccess {
public:
    ListBoxAccess(ListBox& list, bool& applying, const std::function<void()>& save)
        : list_(list), applying_(applying), save_(save) {}

    const Lines& lines() const override { return list_.items(); }
    void apply(const ListEdits& edits) override {
        applying_ = true;
        for (const auto& [index, line] : edits.replaced) {
            list_.replace(index, line);
        }
        if (!edits.removed.empty()) {
            list_.remove(edits.removed);
        }
        for (const auto& line : edits.added) {
            list_.add(line);
        }
        applying_ = false;
    }
    void save() override { save_(); }

private:
    ListBox& list_;
    bool& applying_;
    const std::function<void()>& save_;
};

std::time_t instantOf(const DateTime& local) {
    std::tm tm = localTm(local);
    return std::mktime(&tm);
}

} // namespace

ProgramSync::ProgramSync(FileSystem& data, std::string dataDirectory,
                         std::optional<std::string> configFolder)
    : data_(data), dataDirectory_(std::move(dataDirectory)), configFolder_(std::move(configFolder)),
      zone_(systemZone()) {}

ProgramSync::~ProgramSync() = default;

bool ProgramSync::attach(SyncedList which, ListBox& list) {
    if (!configFolder_) {
        return false;
    }
    PosixFileSystem disk;
    const auto config = disk.read(*configFolder_ + "/" + syncFoldersFile).bytes;
    if (!config) {
        return false;
    }
    const SyncFolders folders = foldersOf(*config, dataDirectory_);
    const auto& folder = which == SyncedList::Events ? folders.events : folders.contacts;
    if (!folder) {
        return false;
    }
    Attached& attached = of(which);
    attached.list = &list;
    attached.folder = *folder;
    // Many small items are synced to the disk together, once written.
    attached.folderFiles =
        std::make_unique<PosixFileSystem>(*folder, PosixFileSystem::Writes::Batched);
    attached.engine = std::make_unique<SyncEngine>(
        data_, which == SyncedList::Events ? eventsSyncState : phonesSyncState,
        *attached.folderFiles, *folder);
    attached.engine->uids = [this] { return uids ? uids() : newUid(); };
    attached.engine->attach(list.items());
    list.onLinesChanged = [&attached](const LineChange& change) {
        if (!attached.applying) {
            attached.engine->changed(change, attached.list->items());
        }
    };
    return true;
}

void ProgramSync::saved(SyncedList which) {
    Attached& attached = of(which);
    if (attached.engine) {
        attached.engine->saved(attached.list->items());
    }
}

Text ProgramSync::folder(SyncedList which) {
    return cp1251::fromSystemText(of(which).folder);
}

SyncRound ProgramSync::sync(SyncedList which, const DateTime& now,
                            const std::function<Text(Line label)>& labels,
                            const std::function<void()>& saveList) {
    SyncRound round;
    Attached& attached = of(which);
    if (!attached.engine) {
        return round;
    }
    ListBoxAccess access(*attached.list, attached.applying, saveList);
    const DateTime today{now.year, now.month, now.day, 0, 0, 0, 0};
    SyncResult result;
    if (which == SyncedList::Events) {
        const EventFormat format(windowFrom(today), zone_, instantOf(now));
        result = attached.engine->run(access, format, today);
    } else {
        const ContactFormat format(labels);
        result = attached.engine->run(access, format, today);
    }
    round.arrived = std::move(result.summary.arrived);
    if (result.failure) {
        const SyncFailure& failure = *result.failure;
        round.failed = true;
        round.folder = cp1251::fromSystemText(attached.folder);
        // A file of the data folder that could not be written is named with its reason.
        const std::string reason = failure.folder == attached.folder
                                       ? failure.reason
                                       : failure.folder + ": " + failure.reason;
        round.reason = cp1251::fromSystemText(reason);
    }
    return round;
}

std::unique_ptr<ProgramSync> syncForWorkingDirectory(FileSystem& data) {
    std::string directory;
    if (char* real = ::realpath(".", nullptr)) {
        directory = real;
        std::free(real);
    }
    return std::make_unique<ProgramSync>(
        data, directory, configFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

} // namespace norvik::sync
