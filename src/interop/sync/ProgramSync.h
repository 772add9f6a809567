// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ListSync.h"
#include "interop/LocalZone.h"
#include "interop/sync/SyncEngine.h"
#include "store/PosixFileSystem.h"

#include <memory>
#include <optional>
#include <string>

namespace norvik::sync {

// The program's sync: the engine for each list whose folder is remembered
// for the data directory, following the list box's lines. It outlives the
// program whose lists it follows.
class ProgramSync : public ListSync {
public:
    // `data` is the data directory's files, `dataDirectory` its absolute
    // path, `configFolder` where the remembered folders are (none: no sync).
    ProgramSync(FileSystem& data, std::string dataDirectory,
                std::optional<std::string> configFolder);
    // Where new items' UIDs come from, for a program that must name them
    // the same on every run (random ones unless set).
    std::function<std::string()> uids;
    ~ProgramSync() override;
    ProgramSync(const ProgramSync&) = delete;
    ProgramSync& operator=(const ProgramSync&) = delete;

    bool attach(SyncedList which, ListBox& list) override;
    void saved(SyncedList which) override;
    Text folder(SyncedList which) override;
    SyncRound sync(SyncedList which, const DateTime& now,
                   const std::function<Text(Line label)>& labels,
                   const std::function<void()>& saveList) override;

private:
    struct Attached {
        ListBox* list = nullptr;
        std::string folder;
        std::unique_ptr<PosixFileSystem> folderFiles;
        std::unique_ptr<SyncEngine> engine;
        bool applying = false; // sync's own changes of the list
    };
    Attached& of(SyncedList which) { return lists_[which == SyncedList::Events ? 0 : 1]; }

    FileSystem& data_;
    std::string dataDirectory_;
    std::optional<std::string> configFolder_;
    LocalZone zone_;
    Attached lists_[2];
};

// The program's sync for the working directory, with the folders remembered
// in the user's configuration ($XDG_CONFIG_HOME/norvik).
std::unique_ptr<ProgramSync> syncForWorkingDirectory(FileSystem& data);

} // namespace norvik::sync
