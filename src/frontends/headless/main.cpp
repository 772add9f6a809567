#include "app/Program.h"
#include "frontends/headless/Session.h"
#include "store/FileSystem.h"

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
    // The program goes before the platform it talks to; the session's output
    // is muted by now, so nothing it does on the way prints.
    program.reset();
    return status;
}
