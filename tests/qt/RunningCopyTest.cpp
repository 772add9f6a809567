// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program again where it runs brings the running window to the
// front: the copies meet at a socket in the user's private runtime folder,
// named after the data folder, and the second copy ends with status 0.
#include "QtTestSupport.h"

#include "TempFolder.h"
#include "desktop/TTrayIcon.h"
#include "frontends/qt/RunningCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace norvik::qt::test {
namespace {

class RunningCopyTest : public QtProgramTest {
protected:
    RunningCopyTest() : previousRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
        chmod(runtime_.path().c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_.path()));
    }
    ~RunningCopyTest() override {
        if (previousRuntime_.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", previousRuntime_);
        }
    }

    // Listens for later copies as the program does once it runs here.
    void listen() {
        copies_ = std::make_unique<RunningCopy>(RunningCopy::socketPath(QDir::currentPath()),
                                                [this] { platform.comeForward(main()); });
        ASSERT_TRUE(copies_->listening());
    }

    // Starts the program itself a second time in this folder and waits for
    // it to end, the event loop running meanwhile; its exit status, or -1
    // when it did not end.
    int startAgain() {
        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(QDir::currentPath());
        second.start(QStringLiteral(NORVIK_PROGRAM), {});
        if (!second.waitForStarted()) {
            return -1;
        }
        const bool ended =
            waitFor([&second] { return second.state() == QProcess::NotRunning; }, 15000);
        if (!ended) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    norvik::test::TempFolder runtime_{"norvik-runtime"};
    std::unique_ptr<RunningCopy> copies_;

private:
    QByteArray previousRuntime_;
};

TEST_F(RunningCopyTest, TheSocketLiesInThePrivateRuntimeFolderNamedByTheDataFolder) {
    const QString here = QDir::currentPath();
    const QString socket = RunningCopy::socketPath(here);
    EXPECT_EQ(QFileInfo(socket).absolutePath(), QString::fromStdString(runtime_.path()));
    EXPECT_FALSE(socket.startsWith(here));
    // The same folder through a link is the same folder; another is another.
    norvik::test::TempFolder other("norvik-other");
    const std::string link = other / "link";
    std::filesystem::create_directory_symlink(here.toStdString(), link);
    EXPECT_EQ(RunningCopy::socketPath(QString::fromStdString(link)), socket);
    EXPECT_NE(RunningCopy::socketPath(QString::fromStdString(other.path())), socket);
    // A runtime folder others may enter, or none at all: no socket.
    chmod(runtime_.path().c_str(), 0770);
    EXPECT_TRUE(RunningCopy::socketPath(here).isEmpty());
    chmod(runtime_.path().c_str(), 0700);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(RunningCopy::socketPath(here).isEmpty());
}

TEST_F(RunningCopyTest, AStaleSocketIsReplacedAndAnswersNothing) {
    const QString path = RunningCopy::socketPath(QDir::currentPath());
    // A crashed copy's socket: bound, never listened on, left behind.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
    EXPECT_EQ(RunningCopy::askToComeForward(path), RunningCopy::Answer::NoneRunning);
    start();
    listen();
    // The file is the user's alone.
    struct stat status {};
    ASSERT_EQ(stat(name.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & (S_IRWXG | S_IRWXO), 0U);
}

TEST_F(RunningCopyTest, StartingAgainBringsTheMinimisedWindowForwardAndEnds) {
    start();
    listen();
    QWidget* window = platform.mainWindow();
    window->showMinimized();
    ASSERT_TRUE(waitFor([window] { return window->isMinimized(); }));
    EXPECT_EQ(startAgain(), 0);
    EXPECT_TRUE(waitFor([window] { return window->isVisible() && !window->isMinimized(); }));
    // Only this copy holds the folder: the second never got as far as the lock.
    EXPECT_FALSE(terminated);
}

// Under a tray host (see CMakeLists.txt): out of the tray, the icon gone.
TEST_F(RunningCopyTest, StartingAgainBringsTheWindowOutOfTheTray) {
    start();
    NORVIK_NEED_TRAY_HOST();
    listen();
    run([this] { main().SystemTrayClick(); });
    ASSERT_TRUE(main().trayIcon.Visible());
    ASSERT_FALSE(platform.mainWindow()->isVisible());
    EXPECT_EQ(startAgain(), 0);
    EXPECT_TRUE(waitFor([this] { return platform.mainWindow()->isVisible(); }));
    EXPECT_FALSE(main().trayIcon.Visible());
    EXPECT_TRUE(waitFor([this] { return platform.trayIcon() == nullptr; }));
}

} // namespace
} // namespace norvik::qt::test
