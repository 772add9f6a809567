#include "app/Program.h"

#include "kit/Dispatch.h"
#include "settings/TConfiguration.h"
#include "store/Codec1251.h"

namespace norvik {

Program::Program(Platform& platform, FileSystem& files, std::string lockPath)
    : platform_(platform), files_(files), lockPath_(std::move(lockPath)) {}

Program::~Program() = default;

void Program::start() {
    if (InstanceLock::acquire(lockPath_, lock_) == InstanceLock::Outcome::HeldElsewhere) {
        // Two copies would overwrite each other's files; the text is in both
        // languages because no module is loaded yet.
        platform_.messageBox(
            cp1251::literal(
                "Norvik уже запущен в этой папке. / Norvik is already running in this folder."),
            applicationTitle, mbError);
        platform_.terminate();
        return;
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
    settingsAtStart_ = std::make_unique<TConfiguration>(*main_);
    platform_.showMainWindow(*main_);
}

} // namespace norvik
