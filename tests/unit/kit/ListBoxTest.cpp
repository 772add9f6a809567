// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    ListBox& list(int lines, int rows = 4) {
        auto& box = form.add<ListBox>(nullptr, "ListBox1");
        box.itemHeight = 10;
        box.height = rows * 10 + 5;
        Lines items;
        for (int i = 0; i < lines; ++i) {
            items.push_back("line " + std::to_string(i));
        }
        box.setItems(items);
        return box;
    }

    test::ScriptedPlatform platform;
    Form form{platform, "TForm1"};
};

TEST_F(ListBoxTest, CurrentLineFollowsDeletionsAboveAndFallsToTheLastLine) {
    auto& box = list(6);
    box.setCurrent(4);
    box.remove({1, 2});
    EXPECT_EQ(box.current(), 2);
    EXPECT_EQ(box.item(2), "line 4");

    box.setCurrent(3); // "line 5", the last
    box.remove({3});
    EXPECT_EQ(box.current(), 2);

    box.setCurrent(1);
    box.remove({1});
    EXPECT_EQ(box.current(), 1); // the line now at its index
    EXPECT_EQ(box.item(1), "line 4");

    box.remove({0, 1});
    EXPECT_EQ(box.current(), -1);
    box.add("again");
    EXPECT_EQ(box.current(), 0);
}

TEST_F(ListBoxTest, RemovingMarkedLinesKeepsTheOtherMarks) {
    auto& box = list(6);
    box.setSelected(1, true);
    box.setSelected(4, true);
    box.setSelected(5, true);
    box.remove({1, 4});
    EXPECT_EQ(box.selectedIndexes(), std::vector<int>{3});
    EXPECT_EQ(box.selectedCount(), 1);
    box.replace(3, "changed");
    EXPECT_EQ(box.selectedCount(), 0);
}

TEST_F(ListBoxTest, TopLineStaysWithinTheScrollableRange) {
    auto& box = list(10, 4);
    box.setTopIndex(9);
    EXPECT_EQ(box.topIndex(), 6);
    box.remove({0, 1, 2, 3, 4});
    EXPECT_EQ(box.topIndex(), 1);
    box.setTopIndex(-3);
    EXPECT_EQ(box.topIndex(), 0);
}

} // namespace
} // namespace norvik
