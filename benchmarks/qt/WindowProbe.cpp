// SPDX-License-Identifier: GPL-3.0-or-later
// The windowed program started in the current directory exactly as `norvik`
// starts, ended as soon as its main window is on screen with the notes in
// place, so that a whole-process timing of it is the time to a usable window.
// It prints its resident memory once the window is shown and the most it
// held on the way, in kB ("memory SETTLED PEAK"). With the argument `save`
// it then saves the notes through the Save menu item and prints how many
// milliseconds that took.

#include "app/Program.h"
#include "app/TForm1.h"
#include "frontends/qt/Application.h"
#include "frontends/qt/QtPlatform.h"
#include "store/PosixFileSystem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// VmRSS and VmHWM of this process, in kB.
void printMemory() {
    std::ifstream status("/proc/self/status");
    long settled = 0;
    long peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            settled = std::strtol(line.c_str() + 6, nullptr, 10);
        } else if (line.rfind("VmHWM:", 0) == 0) {
            peak = std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    std::printf("memory %ld %ld\n", settled, peak);
}

} // namespace

int main(int argc, char* argv[]) {
    const bool save = argc > 1 && std::strcmp(argv[1], "save") == 0;
    QApplication application(argc, argv);
    norvik::qt::prepareApplication(application);

    norvik::qt::QtPlatform platform;
    norvik::PosixFileSystem files;
    norvik::Program program(platform, files);
    program.start();
    QWidget* window = platform.mainWindow();
    if (program.ended() || window == nullptr) {
        std::fputs("the program did not open its window\n", stderr);
        return 1;
    }
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The first paint of the exposed window.
    QCoreApplication::processEvents();
    printMemory();
    if (save) {
        auto& main = static_cast<norvik::TForm1&>(program.mainWindow());
        QElapsedTimer timer;
        timer.start();
        platform.run([&main] { main.N8.onClick(); });
        std::printf("save %lld\n", static_cast<long long>(timer.elapsed()));
    }
    std::fflush(nullptr);
    std::_Exit(0);
}
