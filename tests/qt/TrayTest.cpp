// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon through the Qt platform. Without a notification area (the
// offscreen platform) adding it fails, as the program must be told; with one
// (Xvfb and trayer, see CMakeLists.txt) it shows, and its double click
// reaches the icon's handler.
#include "QtTestSupport.h"
#include "desktop/TTrayIcon.h"

#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

namespace norvik::qt::test {
namespace {

class TrayTest : public QtProgramTest {};

TEST_F(TrayTest, RefusedWithoutANotificationArea) {
    start();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        GTEST_SKIP() << "this desktop has a notification area";
    }
    EXPECT_FALSE(platform.addTrayIcon(main().TrayIcon1));
    EXPECT_EQ(platform.trayIcon(), nullptr);
}

// Where the test command started a tray host, a missing notification area is
// a fault, not a reason to skip; the host may take a moment to appear.
#define NORVIK_NEED_TRAY_HOST()                                                                    \
    if (qEnvironmentVariableIsSet("NORVIK_TRAY_HOST")) {                                           \
        ASSERT_TRUE(waitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000))       \
            << "the tray host started for this test never showed a notification area";             \
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {                                        \
        GTEST_SKIP() << "no notification area";                                                    \
    }

TEST_F(TrayTest, DoubleClickReachesTheIcon) {
    start();
    NORVIK_NEED_TRAY_HOST();
    std::vector<std::pair<MouseButton, bool>> mouse;
    main().TrayIcon1.onMouse = [&mouse](MouseButton button, bool doubleClick) {
        mouse.emplace_back(button, doubleClick);
    };
    ASSERT_TRUE(platform.addTrayIcon(main().TrayIcon1));
    ASSERT_NE(platform.trayIcon(), nullptr);
    EXPECT_TRUE(waitFor([this] { return platform.trayIcon()->isVisible(); }));
    emit platform.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
    emit platform.trayIcon()->activated(QSystemTrayIcon::MiddleClick);
    ASSERT_TRUE(waitFor([&mouse] { return mouse.size() == 2; }));
    EXPECT_EQ(mouse[0], std::make_pair(MouseButton::Left, true));
    EXPECT_EQ(mouse[1], std::make_pair(MouseButton::Middle, false));
    EXPECT_TRUE(platform.removeTrayIcon(main().TrayIcon1));
    EXPECT_EQ(platform.trayIcon(), nullptr);
}

// A real right double click from the X server on the icon trayer embedded:
// Qt reports no activation for it, and still the window comes back.
TEST_F(TrayTest, RightDoubleClickOnTheEmbeddedIconRestores) {
    start();
    NORVIK_NEED_TRAY_HOST();
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty()) {
        GTEST_SKIP() << "xdotool is not installed";
    }
    run([this] { main().SystemTrayClick(); });
    ASSERT_NE(platform.trayIcon(), nullptr);
    ASSERT_TRUE(waitFor([this] { return platform.trayIcon()->geometry().isValid(); }));
    // Embedding takes a moment after the geometry is known.
    QTest::qWait(300);
    ASSERT_FALSE(platform.mainWindow()->isVisible());
    const QPoint centre = platform.trayIcon()->geometry().center();
    ASSERT_EQ(QProcess::execute(xdotool, {QStringLiteral("mousemove"), QString::number(centre.x()),
                                          QString::number(centre.y()), QStringLiteral("click"),
                                          QStringLiteral("--repeat"), QStringLiteral("2"),
                                          QStringLiteral("--delay"), QStringLiteral("80"),
                                          QStringLiteral("3")}),
              0);
    EXPECT_TRUE(waitFor([this] { return platform.trayIcon() == nullptr; }));
    EXPECT_TRUE(platform.mainWindow()->isVisible());
    EXPECT_FALSE(main().trayIcon.Visible());
}

} // namespace
} // namespace norvik::qt::test
