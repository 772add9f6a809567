// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "kit/Dispatch.h"
#include "settings/TConfiguration.h"
#include "store/Codec1251.h"
#include "store/DataFiles.h"
#include "store/LeftoverSaves.h"

namespace norvik {

Program::Program(Platform& platform, FileSystem& files, ListSync* sync)
    : platform_(platform), files_(files), sync_(sync) {}

Program::~Program() = default;

void Program::start() {
    FileSystem& disk = files_.files();
    LockAttempt attempt = disk.lock(lockFile);
    // The texts are in both languages because no module is loaded yet.
    if (attempt.outcome == LockAttempt::Outcome::HeldElsewhere) {
        // Two copies would overwrite each other's files.
        platform_.messageBox(
            cp1251::literal(
                "Norvik уже запущен в этой папке. / Norvik is already running in this folder."),
            applicationTitle, mbError);
        platform_.terminate();
        return;
    }
    if (attempt.outcome == LockAttempt::Outcome::Refused && disk.canWriteFolder("")) {
        // Without the lock nothing would keep a second copy out. Only where
        // the folder cannot be written at all is running safe: no copy can
        // overwrite another's saves there.
        const Text reason = cp1251::fromSystemText(attempt.reason);
        platform_.messageBox(cp1251::literal("Не удалось захватить файл блокировки ") + lockFile +
                                 ": " + reason +
                                 cp1251::literal(". Norvik не запущен. / Cannot lock the file ") +
                                 lockFile + ": " + reason + ". Norvik is not started.",
                             applicationTitle, mbError);
        platform_.terminate();
        return;
    }
    lock_ = std::move(attempt.lock);
    if (lock_) {
        // The files the program saves in the data folder.
        removeLeftoverSaves(disk, {std::begin(savedFiles), std::end(savedFiles)});
    }
    main_ = std::make_unique<TForm1>(platform_, files_);
    // A failure in the creation sequence is reported and ends the sequence;
    // the window still opens with whatever was applied before it.
    dispatch(platform_, [this] { main_->FormCreate(); });
    if (main_->ended()) {
        return;
    }
    // The settings dialog made at start is never shown; its creation step
    // reads the settings file once more and reports its own failure.
    settingsAtStart_ = std::make_unique<TConfiguration>(main_->dialogContext(), main_->files(),
                                                        main_->mainWindowColors());
    // The lock covers sync: without it another copy could be writing too.
    if (sync_ != nullptr && lock_) {
        dispatch(platform_, [this] { main_->startSync(*sync_); });
    }
    platform_.showMainWindow(*main_);
}

} // namespace norvik
