// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "frontends/headless/CommandLine.h"
#include "frontends/headless/Session.h"
#include "interop/sync/ProgramSync.h"
#include "kit/Locale.h"
#include "store/PosixFileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

// norvik-headless: the whole program driven by the line protocol on standard
// input and output, working in the current directory.
int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    if (const auto answered = norvik::headless::answerCommandLine(
            std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr)) {
        return *answered;
    }
    norvik::PosixFileSystem disk;
    std::unique_ptr<norvik::sync::ProgramSync> sync;
    std::unique_ptr<norvik::Program> program;
    norvik::headless::Session session(
        std::cin, std::cout, disk,
        [&program, &sync](norvik::Platform& platform, norvik::FileSystem& files) -> norvik::Form& {
            sync = norvik::sync::syncForWorkingDirectory(files);
            // Items sync sends are named in order, so that a script can name their files.
            sync->uids = [count = 0]() mutable { return "headless-" + std::to_string(++count); };
            program = std::make_unique<norvik::Program>(platform, files, sync.get());
            program->start();
            return program->mainWindow();
        });
    // The desktop's language, as the windowed program reads it.
    session.platform().setDesktopLocale(norvik::messagesLocale(std::getenv));
    const int status = session.run();
    // Every file is saved by now and the session's output is muted: end
    // without walking the program's lists (a million lines take a while to
    // free, and the system takes the memory back anyway).
    // The sanitizer build tears down in full so that a leak still shows.
#if defined(NORVIK_SANITIZED)
    program.reset();
    sync.reset();
    return status;
#else
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(status);
#endif
}
