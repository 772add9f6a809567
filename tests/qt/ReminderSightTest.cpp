// SPDX-License-Identifier: GPL-3.0-or-later
// A reminder must be seen: the list's current line is drawn marked whether or
// not the list has the focus, and the desktop gets a notification that goes
// away when the reminder is answered.
#include "QtTestSupport.h"

#include "store/Codec1251.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QProcess>

namespace norvik::qt::test {
namespace {

class ReminderSightTest : public QtProgramTest {
protected:
    QListView* events() { return static_cast<QListView*>(widget("ListBox1")); }

    // How many pixels of a row's top edge are in the given colour.
    int edgePixels(const QImage& image, int row, QRgb colour) {
        const QRect rect = events()->visualRect(events()->model()->index(row, 0));
        int count = 0;
        for (int x = rect.left(); x <= rect.right() && x < image.width(); ++x) {
            count += image.pixel(x, rect.top()) == colour ? 1 : 0;
        }
        return count;
    }
};

TEST_F(ReminderSightTest, TheCurrentLineIsMarkedAlsoWithoutTheFocus) {
    writeFile("do.txt", "07.12.2026 10:00:00 >>> Позвонить\n07.12.2026 10:00:00 >>> Позвонить\n"
                        "08.12.2026 09:00:00 >>> Other\n");
    start();
    // A reminder makes the second of two identical lines current; the user
    // had marked the third.
    run([this] {
        main().ListBox1.setSelected(2, true);
        main().ListBox1.setCurrent(1);
        main().ListBox1.setFocus();
    });
    widget("Memo1")->setFocus();
    const QImage image = events()->viewport()->grab().toImage();
    const QRgb text = events()->palette().color(QPalette::Active, QPalette::Text).rgb();
    const QRgb background = events()->palette().color(QPalette::Active, QPalette::Base).rgb();
    ASSERT_NE(text, background);
    const QRect first = events()->visualRect(events()->model()->index(0, 0));
    const QRect second = events()->visualRect(events()->model()->index(1, 0));
    const QRect visible(0, 0, image.width(), first.height());
    // Drawn differently: the current one has its frame in the text colour.
    EXPECT_NE(image.copy(visible.translated(0, first.top())),
              image.copy(visible.translated(0, second.top())));
    EXPECT_GT(edgePixels(image, 1, text), 10);
    EXPECT_EQ(edgePixels(image, 0, text), 0);
    // The marked line is told apart by its background, not by a frame.
    const QRect third = events()->visualRect(events()->model()->index(2, 0));
    EXPECT_NE(image.pixel(2, third.center().y()), background);
    EXPECT_EQ(edgePixels(image, 2, text), 0);
    // The program's focus reaches the list.
    run([this] {
        main().ListBox1.setCurrent(2);
        main().ListBox1.setFocus();
    });
    EXPECT_EQ(events()->window()->focusWidget(), events());
}

TEST_F(ReminderSightTest, AReminderIsAlsoADesktopNotificationUntilAnswered) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        GTEST_SKIP() << "no session bus (the test runs under dbus-run-session)";
    }
    QProcess service;
    service.start(QStringLiteral(NORVIK_NOTIFICATION_SERVICE), {});
    ASSERT_TRUE(service.waitForStarted());
    std::string heard;
    auto hears = [&](const std::string& text) {
        return waitFor([&] {
            heard += service.readAllStandardOutput().toStdString();
            return heard.find(text) != std::string::npos;
        });
    };
    ASSERT_TRUE(hears("ready")) << heard;
    start();
    platform.reminderShown(cp1251::literal("07.12.2026 10:00:00 >>> Позвонить маме"));
    EXPECT_TRUE(hears("notify Norvik|Norvik|07.12.2026 10:00:00 >>> Позвонить маме|norvik|"
                      "urgency 2"))
        << heard;
    platform.reminderAnswered();
    EXPECT_TRUE(hears("close 1")) << heard;
    service.kill();
    service.waitForFinished();
}

TEST_F(ReminderSightTest, WithoutANotificationServiceNothingIsReported) {
    start();
    platform.reminderShown("07.12.2026 10:00:00 >>> Call");
    platform.reminderAnswered();
    bool ran = false;
    EXPECT_TRUE(platform.run([&ran] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace norvik::qt::test
