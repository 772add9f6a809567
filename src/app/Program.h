// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TForm1.h"
#include "kit/Platform.h"
#include "store/DataFiles.h"
#include "store/FileStore.h"
#include "store/FileSystem.h"

#include <memory>

namespace norvik {

class ListSync;
class TConfiguration;

// The program entry: the application title, the windows in their order and
// the main window's creation sequence. Front ends make one, call start(),
// then run their event loop on mainWindow().
class Program {
public:
    // The lock file in the data directory keeps a second copy out. `sync`,
    // when given, syncs the lists with the folders remembered for them.
    Program(Platform& platform, FileSystem& files, ListSync* sync = nullptr);
    ~Program();

    // Refuses to run beside another copy in the same directory, and without the lock where the
    // directory can be written; then removes what killed saves left behind. Creates the main
    // window (running its creation sequence), then the settings dialog made at start, then shows
    // the main window unless start-up ended the program.
    void start();
    TForm1& mainWindow() { return *main_; }
    // Also true when start() refused to run beside another copy: there is no main window then.
    bool ended() const { return !main_ || main_->ended(); }

private:
    Platform& platform_;
    FileStore files_;
    ListSync* sync_;
    std::unique_ptr<FileLock> lock_;
    std::unique_ptr<TForm1> main_;
    // Declared after the main window, which it refers to, so it goes first.
    std::unique_ptr<TConfiguration> settingsAtStart_;
};

} // namespace norvik
