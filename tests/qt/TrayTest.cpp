// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon through the Qt platform. Without a notification area (the
// offscreen platform) adding it fails, as the program must be told; with one
// (Xvfb and trayer, see CMakeLists.txt) it shows, and its double click
// reaches the icon's handler.
#include "QtTestSupport.h"
#include "desktop/TTrayIcon.h"

#include <QAbstractButton>
#include <QAction>
#include <QDateTime>
#include <QMenu>
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

// Real clicks from the X server on the icon trayer embedded: a right click
// opens the menu; a middle double click, for which Qt reports no
// activation, still brings the window back.
TEST_F(TrayTest, RealClicksOnTheEmbeddedIconOpenTheMenuAndRestore) {
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
    const auto click = [&](const QString& button, int times) {
        return QProcess::execute(xdotool,
                                 {QStringLiteral("mousemove"), QString::number(centre.x()),
                                  QString::number(centre.y()), QStringLiteral("click"),
                                  QStringLiteral("--repeat"), QString::number(times),
                                  QStringLiteral("--delay"), QStringLiteral("80"), button});
    };
    ASSERT_EQ(click(QStringLiteral("3"), 1), 0);
    QMenu* menu = platform.trayIcon()->contextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(waitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(menu->actions().size(), 4);
    menu->hide();
    ASSERT_EQ(click(QStringLiteral("2"), 2), 0);
    EXPECT_TRUE(waitFor([this] { return platform.trayIcon() == nullptr; }));
    EXPECT_TRUE(platform.mainWindow()->isVisible());
    EXPECT_FALSE(main().trayIcon.Visible());
}

// The icon's menu and tooltip speak the module's language, count today's
// events still to be announced, and act as the window's own commands.
class TrayMenuTest : public TrayTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TrayMenuTest, TheMenuAndTooltipFollowTheProgram) {
    const QDateTime now = QDateTime::currentDateTime();
    if (now.time() > QTime(23, 59, 0)) {
        GTEST_SKIP() << "too close to midnight for today's events";
    }
    const std::string today = now.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    const std::string tomorrow =
        now.addDays(1).toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    // Two events still to come today; one passed, one tomorrow, one unreadable.
    writeFile("do.txt", today + " 00:00:00 >>> Early\n" + today + " 23:59:30 >>> Late\n" +
                            tomorrow + " 10:00:00 >>> Tomorrow\nhello\n" + today +
                            " 23:59:40 >>> Later\n");
    const bool english = std::string(GetParam()) == "1";
    writeFile("System.ini", std::string("MainFormColor=clNavy\nMainFormTextColor=clWhite\n"
                                        "NotebookSize=16\nNotebookType=Arial\nDelimeter=1\n"
                                        "LangID=") +
                                GetParam() + "\n");
    start();
    NORVIK_NEED_TRAY_HOST();
    run([this] { main().SystemTrayClick(); });
    QSystemTrayIcon* tray = platform.trayIcon();
    ASSERT_NE(tray, nullptr);
    const QString stillToday = english ? QStringLiteral("Norvik\nStill to announce today: ")
                                       : QStringLiteral("Norvik\nСегодня ещё не объявлено: ");
    EXPECT_EQ(tray->toolTip(), stillToday + QStringLiteral("2"));
    QMenu* menu = tray->contextMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(),
              english ? QStringLiteral("Restore") : QStringLiteral("Восстановить"));
    EXPECT_EQ(items[1]->text(),
              english ? QStringLiteral("Reminders on") : QStringLiteral("Оповещение вкл."));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), english ? QStringLiteral("Exit") : QStringLiteral("Выход"));

    // The reminder switch is the check box's, with its state.
    EXPECT_FALSE(items[1]->isChecked());
    items[1]->trigger();
    ASSERT_TRUE(waitFor([this] { return main().CheckBox1.checked(); }));
    EXPECT_TRUE(main().Timer.isEnabled());
    EXPECT_TRUE(items[1]->isChecked());
    // A tick while the window waits in the tray keeps the count up to date,
    // and so does opening the menu.
    run([this, &today] {
        main().ListBox1.add(today + " 23:59:50 >>> Latest");
        main().TimerTimer();
    });
    EXPECT_EQ(tray->toolTip(), stillToday + QStringLiteral("3"));
    run([this] { main().ListBox1.removeAt(main().ListBox1.count() - 1); });
    emit menu->aboutToShow();
    EXPECT_EQ(tray->toolTip(), stillToday + QStringLiteral("2"));
    items[1]->trigger();
    ASSERT_TRUE(waitFor([this] { return !main().CheckBox1.checked(); }));
    EXPECT_FALSE(items[1]->isChecked());

    items[0]->trigger();
    ASSERT_TRUE(waitFor([this] { return platform.trayIcon() == nullptr; }));
    EXPECT_TRUE(platform.mainWindow()->isVisible());
    EXPECT_FALSE(main().trayIcon.Visible());

    // Exit brings the window back before the close sequence asks; keeping
    // it open leaves it on screen.
    run([this] {
        main().CheckBox1.setChecked(true);
        main().SystemTrayClick();
    });
    ASSERT_NE(platform.trayIcon(), nullptr);
    bool shownWhenAsked = false;
    onNextBox([this, &shownWhenAsked](QMessageBox& box) {
        shownWhenAsked = platform.mainWindow()->isVisible();
        box.button(QMessageBox::No)->click();
    });
    platform.trayIcon()->contextMenu()->actions().back()->trigger();
    ASSERT_TRUE(waitFor([this] { return platform.trayIcon() == nullptr; }));
    EXPECT_TRUE(shownWhenAsked);
    EXPECT_FALSE(terminated);
    EXPECT_TRUE(platform.mainWindow()->isVisible());
    run([this] { main().CheckBox1.setChecked(false); });
}

INSTANTIATE_TEST_SUITE_P(Languages, TrayMenuTest, ::testing::Values("0", "1"));

} // namespace
} // namespace norvik::qt::test
