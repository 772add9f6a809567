#include "app/Program.h"

#include "kit/Dispatch.h"

namespace norvik {

Program::Program(Platform& platform, FileSystem& files) : platform_(platform), files_(files) {}

Program::~Program() = default;

void Program::start() {
    main_ = std::make_unique<TForm1>(platform_, files_);
    // A failure in the creation sequence is reported and ends the sequence;
    // the window still opens with whatever was applied before it.
    dispatch(platform_, [this] { main_->FormCreate(); });
    if (main_->ended()) {
        return;
    }
    platform_.showMainWindow(*main_);
}

} // namespace norvik
