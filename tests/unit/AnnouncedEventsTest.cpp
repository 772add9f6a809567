#include "events/AnnouncedEvents.h"
#include "events/EventTimes.h"
#include "kit/Form.h"
#include "kit/ListBox.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(AnnouncedEventsTest, AnEventIsItsTimeAndItsWholeLine) {
    AnnouncedEvents announced;
    announced.add(5, "a");
    announced.add(5, "a");
    EXPECT_EQ(announced.size(), 1u);
    EXPECT_TRUE(announced.contains(5, "a"));
    EXPECT_FALSE(announced.contains(5, "a "));
    EXPECT_FALSE(announced.contains(6, "a"));
}

TEST(AnnouncedEventsTest, EventsGoneFromTheListAreForgotten) {
    AnnouncedEvents announced;
    announced.add(5, "kept");
    announced.add(5, "edited");
    announced.add(9, "deleted");
    announced.keepPresent({"other", "kept", "edited!"}, {7, 5, 5});
    EXPECT_TRUE(announced.contains(5, "kept"));
    EXPECT_FALSE(announced.contains(5, "edited"));
    EXPECT_FALSE(announced.contains(9, "deleted"));
    EXPECT_EQ(announced.size(), 1u);
}

TEST(EventTimesTest, LinesAreReadAgainOnlyWhenTheListOrTheYearChanges) {
    test::SilentPlatform platform;
    Form form(platform, "TForm1");
    ListBox& list = form.add<ListBox>(nullptr, "ListBox1");
    list.setItems({"07.12.2026 09:30:00 >>> a", "7.12 9:30 >>> b", "garbage"});

    EventTimes times;
    const auto& first = times.of(list, 2026);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0], first[1]);
    EXPECT_EQ(first[2], EventTimes::unreadable);
    const auto generation = times.generation();

    times.of(list, 2026);
    EXPECT_EQ(times.generation(), generation);

    // The short form follows the year.
    const auto& nextYear = times.of(list, 2027);
    EXPECT_GT(times.generation(), generation);
    EXPECT_GT(nextYear[1], nextYear[0]);

    list.replace(2, "08.12.2026 10:00:00 >>> c");
    const auto& changed = times.of(list, 2027);
    EXPECT_NE(changed[2], EventTimes::unreadable);
    list.add("x");
    EXPECT_EQ(times.of(list, 2027).size(), 4u);
}

} // namespace
} // namespace norvik
