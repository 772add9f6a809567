// SPDX-License-Identifier: GPL-3.0-or-later
// A reminder must be seen: the list's current line is drawn marked whether or
// not the list has the focus, and the desktop gets a notification that goes
// away when the reminder is answered.
#include "QtTestSupport.h"

#include "frontends/qt/Look.h"
#include "store/Codec1251.h"

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QListView>
#include <QProcess>
#include <QTimer>

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

// The due line while its reminder is open, in the colours the program starts
// with and under a dark desktop scheme: filled with the active highlight
// colour though the main window is inactive, the marks on other lines a
// lighter tint, the list holding the focus.
class DueLineTest : public ReminderSightTest, public ::testing::WithParamInterface<bool> {
protected:
    DueLineTest() : saved_(QApplication::palette()) {
        if (GetParam()) {
            QPalette dark;
            dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
            dark.setColor(QPalette::WindowText, Qt::white);
            dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
            dark.setColor(QPalette::Text, Qt::white);
            dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
            dark.setColor(QPalette::ButtonText, Qt::white);
            dark.setColor(QPalette::Highlight, QColor(0x80, 0x80, 0x80));
            dark.setColor(QPalette::HighlightedText, Qt::black);
            QApplication::setPalette(dark);
        }
    }
    ~DueLineTest() override { QApplication::setPalette(saved_); }

    // The colour of a row where no text is drawn, inside its frame.
    QColor rowColor(const QImage& image, int row) {
        const QRect rect = events()->visualRect(events()->model()->index(row, 0));
        const int right = std::min(rect.right(), image.width() - 1);
        return image.pixelColor(right - 12, rect.center().y());
    }

private:
    QPalette saved_;
};

TEST_P(DueLineTest, TheDueLineStandsOutWhileItsReminderIsOpen) {
    const QDateTime due = QDateTime::currentDateTime().addSecs(2);
    writeFile("do.txt", "01.06.2030 10:00:00 >>> Dentist\n" +
                            due.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")).toStdString() +
                            " >>> Call\n02.06.2030 10:00:00 >>> Other\n");
    start();
    run([this] {
        main().ListBox1.setSelected(0, true);
        main().ListBox1.setSelected(2, true);
        main().CheckBox1.setChecked(true);
    });
    widget("Memo1")->setFocus();
    bool looked = false;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        QWidget* reminder = platform.topDialog();
        if (reminder == nullptr || !reminder->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        looked = true;
        reminder->activateWindow();
        waitFor([reminder] { return QApplication::activeWindow() == reminder; });
        EXPECT_TRUE(main().ListBox1.currentIsDue);
        EXPECT_EQ(main().ListBox1.current(), 1);
        EXPECT_NE(QApplication::activeWindow(), platform.mainWindow());
        EXPECT_EQ(platform.mainWindow()->focusWidget(), events());
        const QImage image = events()->viewport()->grab().toImage();
        const QPalette& colors = events()->palette();
        const QColor base = colors.color(QPalette::Active, QPalette::Base);
        const QColor highlight = colors.color(QPalette::Active, QPalette::Highlight);
        const QColor text = colors.color(QPalette::Active, QPalette::Text);
        EXPECT_EQ(rowColor(image, 1), highlight);
        // Its frame stands out from the list around it, its text from the
        // fill (about the 4.5 to 1 guidelines ask of text).
        EXPECT_GT(edgePixels(image, 1, text.rgb()), 10);
        EXPECT_GE(contrastRatio(text, base), 4.5);
        EXPECT_GE(
            contrastRatio(colors.color(QPalette::Active, QPalette::HighlightedText), highlight),
            4.45);
        // The marked lines are tinted, between the list's colour and the fill.
        for (const int marked : {0, 2}) {
            const QColor tint = rowColor(image, marked);
            EXPECT_NE(tint, base);
            EXPECT_LT(contrastRatio(tint, base), contrastRatio(highlight, base));
            EXPECT_EQ(edgePixels(image, marked, text.rgb()), 0);
        }
        reminder->close();
    });
    poll->start();
    ASSERT_TRUE(waitFor([&looked] { return looked; }, 6000)) << "no reminder came";
    // Answered: the line is drawn as the current line again, the marks in full.
    ASSERT_TRUE(waitFor([this] { return platform.topDialog() == nullptr; }));
    EXPECT_FALSE(main().ListBox1.currentIsDue);
    const QImage image = events()->viewport()->grab().toImage();
    const QColor highlight = events()->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_NE(rowColor(image, 1), highlight);
    EXPECT_EQ(rowColor(image, 0), highlight);
    run([this] { main().CheckBox1.setChecked(false); });
}

INSTANTIATE_TEST_SUITE_P(DesktopSchemes, DueLineTest, ::testing::Bool());

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
