#include "app/Program.h"
#include "frontends/headless/Session.h"
#include "store/PosixFileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

// norvik-headless: the whole program driven by the line protocol on standard
// input and output, working in the current directory.
int main() {
    std::ios::sync_with_stdio(false);
    norvik::PosixFileSystem disk;
    std::unique_ptr<norvik::Program> program;
    norvik::headless::Session session(
        std::cin, std::cout, disk,
        [&program](norvik::Platform& platform, norvik::FileSystem& files) -> norvik::Form& {
            program = std::make_unique<norvik::Program>(platform, files);
            program->start();
            return program->mainWindow();
        });
    const int status = session.run();
    // Every file is saved by now and the session's output is muted: end
    // without walking the program's lists (a million lines take a while to
    // free, and the system takes the memory back anyway).
    // The sanitizer build tears down in full so that a leak still shows.
#if defined(NORVIK_SANITIZED)
    program.reset();
    return status;
#else
    std::cout.flush();
    std::fflush(nullptr);
    std::_Exit(status);
#endif
}
