// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook/PhoneLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvik {
namespace {

// Labels that show which line they came from, so a misplaced one is obvious.
Text label(Line n) {
    return "<" + std::to_string(static_cast<int>(n)) + ">";
}

Text build(const PhoneRecord& record) {
    return buildPhoneLine(record, label);
}

TEST(PhoneLine, NameAloneEndsWithTheSeparatorsBlank) {
    PhoneRecord r{.name = "Example Contact"};
    EXPECT_EQ(build(r), "Example Contact >>> ");
}

TEST(PhoneLine, CountryFollowsTheSeparatorAndCityFollowsWithComma) {
    PhoneRecord r{.name = "Example Contact", .country = "Neverland", .city = "Springfield"};
    EXPECT_EQ(build(r), "Example Contact >>> Neverland, Springfield");

    r.country = unsetMarker;
    EXPECT_EQ(build(r), "Example Contact >>> , Springfield");
}

TEST(PhoneLine, PostcodeStandsBetweenCountryAndCity) {
    PhoneRecord r{.name = "A", .country = "Neverland", .postcode = "123456", .city = "Springfield"};
    EXPECT_EQ(build(r), "A >>> Neverland<132>123456, Springfield");
}

TEST(PhoneLine, RegionComesAfterCityWithItsLabelBehindTheValue) {
    PhoneRecord r{.name = "A", .region = "North"};
    EXPECT_EQ(build(r), "A >>> , North<133>");

    r.city = "Springfield";
    EXPECT_EQ(build(r), "A >>> , Springfield, North<133>");
}

TEST(PhoneLine, EveryFieldInItsOrder) {
    PhoneRecord r{.name = "N",
                  .country = "c",
                  .postcode = "p",
                  .city = "t",
                  .region = "r",
                  .street = "s",
                  .house = "h",
                  .building = "b",
                  .structure = "u",
                  .flat = "f",
                  .mobile = "m",
                  .telephone = "e",
                  .fax = "x"};
    EXPECT_EQ(build(r), "N >>> c<132>p, t, r<133><134>s<135>h<136>b<137>u<138>f<139>m<140>e<141>x");
}

TEST(PhoneLine, CheckedButEmptyFieldsLeaveTheirLabelsAndCommas) {
    PhoneRecord r{.name = "N", .country = "", .postcode = "", .city = "", .region = "", .fax = ""};
    EXPECT_EQ(build(r), "N >>> <132>, , <133><141>");
}

TEST(PhoneLine, OnlyTheExactMarkerLeavesAPieceOut) {
    PhoneRecord r{.name = "N", .street = "???", .house = "??? ", .flat = "??"};
    EXPECT_EQ(build(r), "N >>> <135>??? <138>??");
}

TEST(PhoneLine, NameAndValuesAreTakenVerbatim) {
    PhoneRecord r{.name = "???", .telephone = " >>> "};
    EXPECT_EQ(build(r), "??? >>> <140> >>> ");

    r.name = "";
    r.telephone = unsetMarker;
    EXPECT_EQ(build(r), " >>> ");
}

TEST(PhoneLine, LabelsAreLookedUpOnlyForWrittenPiecesInLineOrder) {
    PhoneRecord r{.name = "N", .postcode = "p", .region = "r", .fax = "1"};
    std::vector<int> asked;
    const Text line = buildPhoneLine(r, [&asked](Line n) {
        asked.push_back(static_cast<int>(n));
        return Text();
    });
    EXPECT_EQ(line, "N >>> p, r1");
    EXPECT_EQ(asked, (std::vector<int>{132, 133, 141}));
}

} // namespace
} // namespace norvik
