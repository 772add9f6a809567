// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "frontends/qt/Application.h"
#include "frontends/qt/CommandLine.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/RunningCopy.h"
#include "interop/sync/ProgramSync.h"
#include "store/PosixFileSystem.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>

#include <memory>

// Norvik with real windows. The data files live in the current working
// directory; the command line holds only --help, --version and Qt's options.
int main(int argc, char* argv[]) {
    if (const auto answered = norvik::qt::answerCommandLine(argc, argv)) {
        return *answered;
    }
    QApplication application(argc, argv);
    norvik::qt::prepareApplication(application);

    // Started again where it already runs (from the menu, at login): the
    // running window comes to the front, and this copy ends.
    using norvik::qt::RunningCopy;
    const QString socket = RunningCopy::socketPath(QDir::currentPath());
    const RunningCopy::Answer answer = RunningCopy::askToComeForward(socket);
    if (answer == RunningCopy::Answer::CameForward) {
        return 0;
    }

    norvik::qt::QtPlatform platform;
    norvik::PosixFileSystem files;
    const auto sync = norvik::sync::syncForWorkingDirectory(files);
    norvik::Program program(platform, files, sync.get());
    // Listening before the start, so that a copy started meanwhile finds this
    // one. Where something there did not answer, the lock decides as before.
    std::unique_ptr<RunningCopy> laterCopies;
    if (answer == RunningCopy::Answer::NoneRunning) {
        laterCopies = std::make_unique<RunningCopy>(socket, [&platform, &program] {
            if (!program.ended()) {
                platform.comeForward(program.mainWindow());
            }
        });
    }
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
