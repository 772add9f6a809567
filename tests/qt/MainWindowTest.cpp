// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as Qt shows it: geometry, captions, colours and fonts all
// come from the kit objects, and later changes to them reach the widgets.
#include "QtTestSupport.h"

#include "frontends/qt/NotesEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace norvik::qt::test {
namespace {

class MainWindowTest : public QtProgramTest {};

TEST_F(MainWindowTest, ClientAreaAndControlsSitAtTheirDesignGeometry) {
    start();
    auto* window = qobject_cast<QMainWindow*>(platform.mainWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->centralWidget()->size(), QSize(801, 593));
    // The menu bar lies outside the client area.
    ASSERT_NE(window->menuBar(), nullptr);
    EXPECT_FALSE(window->menuBar()->isAncestorOf(window->centralWidget()));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // Every control sits where its kit object says, inside the frame that
    // holds it, so nothing is cut off or drawn over the panel's border.
    int placed = 0;
    for (const auto& control : main().controls()) {
        QWidget* shown = widget(control->name().c_str());
        if (shown == nullptr || !shown->isVisibleTo(window)) {
            continue;
        }
        ++placed;
        const QRect design(control->left, control->top, control->width, control->height);
        if (!control->name().starts_with("Label")) {
            EXPECT_EQ(shown->geometry(), design) << control->name();
        }
        EXPECT_TRUE(shown->parentWidget()->rect().contains(shown->geometry())) << control->name();
    }
    EXPECT_GT(placed, 30);
    EXPECT_EQ(widget("Memo1")->parentWidget(), widget("GroupBox1"));
    // The invisible lists stay invisible.
    EXPECT_FALSE(widget("LangBox")->isVisibleTo(window));
    EXPECT_FALSE(widget("ListBox3")->isVisibleTo(window));
    // A label sizes itself to its caption at its design position.
    const QWidget* label = widget("Label1");
    EXPECT_EQ(label->pos(), QPoint(8, 20));
    EXPECT_GE(label->width(), label->sizeHint().width());
}

TEST_F(MainWindowTest, CaptionsHintsAndMenuComeFromTheLanguageLines) {
    start();
    EXPECT_EQ(platform.mainWindow()->windowTitle(), line(6));
    EXPECT_EQ(static_cast<QGroupBox*>(widget("GroupBox1"))->title(), line(15));
    EXPECT_EQ(static_cast<QLabel*>(widget("Label1"))->text(), line(22));
    EXPECT_EQ(static_cast<QAbstractButton*>(widget("Button12"))->text(), line(46));
    EXPECT_EQ(widget("Button12")->toolTip(), line(146));
    EXPECT_EQ(widget("Button2")->toolTip(), line(32));
    // The English reminder switch sits further right than the Russian one.
    EXPECT_EQ(widget("CheckBox1")->x(), 20);

    auto* window = qobject_cast<QMainWindow*>(platform.mainWindow());
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 7);
    EXPECT_EQ(bar[0]->text(), line(49));
    ASSERT_NE(bar[0]->menu(), nullptr);
    EXPECT_EQ(bar[0]->menu()->actions()[0]->text(), line(50));
    // Settings, the tray command and Exit are commands on the bar itself.
    EXPECT_EQ(bar[3]->text(), line(63));
    EXPECT_EQ(bar[3]->menu(), nullptr);
    EXPECT_EQ(bar[4]->menu(), nullptr);
    EXPECT_EQ(bar[6]->text(), line(69));
    EXPECT_EQ(bar[6]->menu(), nullptr);
    // The help menu's separator.
    EXPECT_TRUE(bar[5]->menu()->actions()[2]->isSeparator());
}

TEST_F(MainWindowTest, ColoursFontsAndStatesFollowTheKit) {
    start();
    const QWidget* client = qobject_cast<QMainWindow*>(platform.mainWindow())->centralWidget();
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(widget("ListBox1")->palette().color(QPalette::Base), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(widget("GroupBox1")->palette().color(QPalette::WindowText), QColor(Qt::white));
    const QFont notes = widget("Memo1")->font();
    EXPECT_EQ(notes.pixelSize(), 21);
    EXPECT_TRUE(QFontInfo(notes).family().startsWith(QStringLiteral("Z003")));
    EXPECT_TRUE(QFontInfo(widget("Button12")->font())
                    .family()
                    .startsWith(QStringLiteral("Liberation Mono")));
    EXPECT_FALSE(widget("Button2")->isEnabled());
    EXPECT_FALSE(static_cast<QToolButton*>(widget("Button2"))->icon().isNull());

    // A handler's changes reach the widgets when it returns.
    run([this] {
        main().color = clMaroon;
        main().Label1.caption = main().LangLine(Line::NotesModifiedLabel);
        main().Button2.enabled = true;
        main().GroupBox5.setBounds(330, 4, 161, 201);
        main().N8.caption = "Store";
    });
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(128, 0, 0));
    EXPECT_EQ(static_cast<QLabel*>(widget("Label1"))->text(), line(23));
    EXPECT_TRUE(widget("Button2")->isEnabled());
    EXPECT_EQ(widget("GroupBox5")->geometry(), QRect(330, 4, 161, 201));
    auto* window = qobject_cast<QMainWindow*>(platform.mainWindow());
    EXPECT_EQ(window->menuBar()->actions()[0]->menu()->actions()[0]->text(),
              QStringLiteral("Store"));
}

TEST_F(MainWindowTest, CloseBoxRunsTheCloseSequence) {
    start();
    run([this] { main().CheckBox1.setChecked(true); });
    // Reminders on: the program asks, and No keeps the window open.
    auto answer = answerNextBox(QMessageBox::No);
    platform.mainWindow()->close();
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->text, line(112));
    EXPECT_EQ(answer->icon, QMessageBox::Warning);
    EXPECT_FALSE(terminated);
    EXPECT_TRUE(platform.mainWindow()->isVisible());

    answer = answerNextBox(QMessageBox::Yes);
    platform.mainWindow()->close();
    EXPECT_TRUE(answer->seen);
    EXPECT_TRUE(terminated);
}

TEST_F(MainWindowTest, MenuCommandReachesItsHandler) {
    start();
    run([this] { main().Memo1.setText("text"); });
    auto answer = answerNextBox(QMessageBox::Yes);
    auto* window = qobject_cast<QMainWindow*>(platform.mainWindow());
    // Notes > Clear asks, then empties the notes.
    window->menuBar()->actions()[0]->menu()->actions()[1]->trigger();
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(answer->text, line(82));
    EXPECT_EQ(answer->title, line(83));
    EXPECT_EQ(answer->icon, QMessageBox::Question);
    EXPECT_TRUE(static_cast<NotesEdit*>(widget("Memo1"))->buffer().empty());
    EXPECT_EQ(static_cast<QLabel*>(widget("Label1"))->text(), line(23));
}

TEST_F(MainWindowTest, UnminimisingIsTheApplicationsRestoreCommand) {
    start();
    int restores = 0;
    main().onRestoreRequest = [&restores] { ++restores; };
    QWidget* window = platform.mainWindow();
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(restores, 0);
    window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(restores, 1);
}

// Under a window manager (openbox, see CMakeLists.txt): the window's size is
// fixed, so the manager offers no maximising, and a request for it changes
// nothing.
TEST_F(MainWindowTest, TheWindowManagerOffersNoMaximising) {
    if (!qEnvironmentVariableIsSet("NORVIK_WINDOW_MANAGER")) {
        GTEST_SKIP() << "runs under a window manager only";
    }
    const QString xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
    ASSERT_FALSE(xprop.isEmpty()) << "xprop is needed (scripts/packages.sh)";
    start();
    QWidget* window = platform.mainWindow();
    const QString id = QString::number(window->winId());
    const auto property = [&](const char* name) {
        QProcess reader;
        reader.start(xprop, {QStringLiteral("-id"), id, QString::fromLatin1(name)});
        reader.waitForFinished();
        return QString::fromLocal8Bit(reader.readAllStandardOutput());
    };
    ASSERT_TRUE(waitFor([&] {
        return property("_NET_WM_ALLOWED_ACTIONS").contains(QStringLiteral("_NET_WM_ACTION_MOVE"));
    })) << "the window manager never took the window";
    const QString actions = property("_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE")))
        << actions.toStdString();
    EXPECT_FALSE(actions.contains(QStringLiteral("MAXIMIZE"))) << actions.toStdString();
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE")))
        << actions.toStdString();
    const QSize size = window->size();
    window->setWindowState(Qt::WindowMaximized);
    QTest::qWait(500);
    EXPECT_EQ(window->size(), size);
    EXPECT_FALSE(property("_NET_WM_STATE").contains(QStringLiteral("MAXIMIZED")));
}

} // namespace
} // namespace norvik::qt::test
