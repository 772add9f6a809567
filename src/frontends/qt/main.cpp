// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "frontends/qt/Application.h"
#include "frontends/qt/CommandLine.h"
#include "frontends/qt/QtPlatform.h"
#include "store/FileSystem.h"

#include <QApplication>
#include <QSessionManager>

// Norvik with real windows. The data files live in the current working
// directory; the command line holds only --help, --version and Qt's options.
int main(int argc, char* argv[]) {
    if (const auto answered = norvik::qt::answerCommandLine(argc, argv)) {
        return *answered;
    }
    QApplication application(argc, argv);
    norvik::qt::prepareApplication(application);

    norvik::qt::QtPlatform platform;
    norvik::PosixFileSystem files;
    norvik::Program program(platform, files);
    program.start();
    if (program.ended()) {
        return 0;
    }
    // The desktop's log-off notice: a shown tray icon is taken away.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, [&](QSessionManager&) {
        norvik::Form& main = program.mainWindow();
        if (main.onLogoff) {
            platform.run(main.onLogoff);
        }
    });
    const int status = QApplication::exec();
    platform.closeAll();
    return status;
}
