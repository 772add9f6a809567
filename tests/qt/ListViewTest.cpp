// SPDX-License-Identifier: GPL-3.0-or-later
// The lists: the view reads the kit list through a model, so long lists
// stay quick; marks, the current line and the top line go both ways.
#include "QtTestSupport.h"

#include <QListView>
#include <QScrollBar>
#include <QTest>

namespace norvik::qt::test {
namespace {

class ListViewTest : public QtProgramTest {
protected:
    QListView* events() { return static_cast<QListView*>(widget("ListBox1")); }
};

TEST_F(ListViewTest, ShowsTheKitLinesAndFollowsTheirChanges) {
    writeFile("do.txt", "01.01.2030 10:00:00 >>> Встреча\n02.01.2030 11:00:00 >>> Call\n");
    start();
    ASSERT_EQ(events()->model()->rowCount(), 2);
    EXPECT_EQ(events()->model()->index(0, 0).data().toString(),
              QString::fromUtf8("01.01.2030 10:00:00 >>> Встреча"));
    EXPECT_EQ(events()->model()->index(0, 0).data(Qt::SizeHintRole).toSize().height(), 19);
    run([this] { main().ListBox1.removeAt(0); });
    ASSERT_EQ(events()->model()->rowCount(), 1);
    EXPECT_EQ(events()->model()->index(0, 0).data().toString(),
              QStringLiteral("02.01.2030 11:00:00 >>> Call"));
}

TEST_F(ListViewTest, MarksCurrentAndTopLineGoBothWays) {
    start();
    Lines lines;
    for (int i = 0; i < 1000; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    ListBox& list = main().ListBox1;
    run([&] {
        list.setItems(lines);
        list.setSelected(5, true);
        list.setSelected(6, true);
        list.setSelected(900, true);
        list.setCurrent(900);
        list.setTopIndex(890);
    });
    const QModelIndexList shown = events()->selectionModel()->selectedIndexes();
    EXPECT_EQ(shown.size(), 3);
    EXPECT_EQ(events()->currentIndex().row(), 900);
    EXPECT_EQ(events()->verticalScrollBar()->value(), 890);

    // The user's click on a line: it alone is marked and current.
    events()->scrollTo(events()->model()->index(10, 0));
    const QRect row = events()->visualRect(events()->model()->index(10, 0));
    QTest::mouseClick(events()->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{10});
    EXPECT_EQ(list.current(), 10);
    EXPECT_EQ(list.topIndex(), events()->verticalScrollBar()->value());
    // Ctrl+A marks every line.
    events()->setFocus();
    QTest::keyClick(events(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.selectedCount(), 1000);
}

TEST_F(ListViewTest, DeleteKeyReachesTheListsKeyHandler) {
    start();
    int deletes = 0;
    main().ListBox1.onKeyDown = [&deletes](int& key, ShiftState) {
        if (key == vkDelete) {
            ++deletes;
        }
    };
    QTest::keyClick(events(), Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
}

// How long this takes is the ListViewBenchmark's to tell.
TEST_F(ListViewTest, TwoHundredThousandLinesWithTheirMarks) {
    start();
    Lines lines(200000, "01.01.2030 10:00:00 >>> a reminder with some words in it");
    run([&] {
        main().ListBox2.setItems(lines);
        for (int i = 0; i < 200000; i += 2) {
            main().ListBox2.setSelected(i, true);
        }
    });
    auto* phones = static_cast<QListView*>(widget("ListBox2"));
    EXPECT_EQ(phones->model()->rowCount(), 200000);
    EXPECT_EQ(phones->selectionModel()->selection().size(), 100000);
}

} // namespace
} // namespace norvik::qt::test
