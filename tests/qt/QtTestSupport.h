// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempFolder.h"
#include "app/Program.h"
#include "frontends/qt/QtPlatform.h"
#include "store/PosixFileSystem.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace norvik::qt::test {

// The one application object of the test run, made on first use.
void ensureApplication();

// A fresh working directory with both language modules and a settings file,
// the Qt platform, and the program started on them.
class QtProgramTest : public ::testing::Test {
protected:
    QtProgramTest();
    ~QtProgramTest() override;

    // Writes a data file (UTF-8 text stored as code page 1251).
    void writeFile(const std::string& name, const std::string& utf8);
    void start();
    TForm1& main() { return program_->mainWindow(); }
    QWidget* widget(const char* name) { return platform.widgetOf(main(), name); }
    QString line(int n) const;
    // Runs a handler as the user's input would.
    void run(const std::function<void()>& handler) { platform.run(handler); }

    bool terminated = false;
    QtPlatform platform{[this] { terminated = true; }};

private:
    std::filesystem::path previous_;
    norvik::test::TempFolder directory_{"norvik-qt"};
    PosixFileSystem files_;
    std::unique_ptr<Program> program_;
};

// Answers the next message box that opens with the given button; the box's
// text, title and icon are kept for the test to check.
struct BoxAnswer {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The buttons' texts as shown, shortcut marks removed.
    QStringList buttons;
    QString defaultButton;
    bool seen = false;
};
std::shared_ptr<BoxAnswer> answerNextBox(QMessageBox::StandardButton button);
// Runs the action on the next message box that opens, inside its modal loop.
void onNextBox(std::function<void(QMessageBox&)> action);

// Runs the action once the event loop has started (inside a modal loop).
void later(std::function<void()> action, int milliseconds = 0);

// Spins the event loop until the condition holds or the time runs out.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 3000);

// Where the test command started a tray host, a missing notification area is
// a fault, not a reason to skip; the host may take a moment to appear.
#define NORVIK_NEED_TRAY_HOST()                                                                    \
    if (qEnvironmentVariableIsSet("NORVIK_TRAY_HOST")) {                                           \
        ASSERT_TRUE(waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000))       \
            << "the tray host started for this test never showed a notification area";             \
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {                                        \
        GTEST_SKIP() << "no notification area";                                                    \
    }

} // namespace norvik::qt::test
