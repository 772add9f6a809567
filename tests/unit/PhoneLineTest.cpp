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
    PhoneRecord r;
    r.name = "Example Contact";
    EXPECT_EQ(build(r), "Example Contact >>> ");
}

TEST(PhoneLine, CountryFollowsTheSeparatorAndCityFollowsWithComma) {
    PhoneRecord r;
    r.name = "Example Contact";
    r.country = "Neverland";
    r.city = "Springfield";
    EXPECT_EQ(build(r), "Example Contact >>> Neverland, Springfield");

    r.country = unsetMarker;
    EXPECT_EQ(build(r), "Example Contact >>> , Springfield");
}

TEST(PhoneLine, PostcodeStandsBetweenCountryAndCity) {
    PhoneRecord r;
    r.name = "A";
    r.country = "Neverland";
    r.postcode = "123456";
    r.city = "Springfield";
    EXPECT_EQ(build(r), "A >>> Neverland<132>123456, Springfield");
}

TEST(PhoneLine, RegionComesAfterCityWithItsLabelBehindTheValue) {
    PhoneRecord r;
    r.name = "A";
    r.region = "North";
    EXPECT_EQ(build(r), "A >>> , North<133>");

    r.city = "Springfield";
    EXPECT_EQ(build(r), "A >>> , Springfield, North<133>");
}

TEST(PhoneLine, EveryFieldInItsOrder) {
    PhoneRecord r;
    r.name = "N";
    r.country = "c";
    r.postcode = "p";
    r.city = "t";
    r.region = "r";
    r.street = "s";
    r.house = "h";
    r.building = "b";
    r.structure = "u";
    r.flat = "f";
    r.mobile = "m";
    r.telephone = "e";
    r.fax = "x";
    EXPECT_EQ(build(r), "N >>> c<132>p, t, r<133><134>s<135>h<136>b<137>u<138>f<139>m<140>e<141>x");
}

TEST(PhoneLine, CheckedButEmptyFieldsLeaveTheirLabelsAndCommas) {
    PhoneRecord r;
    r.name = "N";
    r.country = "";
    r.postcode = "";
    r.city = "";
    r.region = "";
    r.fax = "";
    EXPECT_EQ(build(r), "N >>> <132>, , <133><141>");
}

TEST(PhoneLine, OnlyTheExactMarkerLeavesAPieceOut) {
    PhoneRecord r;
    r.name = "N";
    r.street = "???";
    r.house = "??? ";
    r.flat = "??";
    EXPECT_EQ(build(r), "N >>> <135>??? <138>??");
}

TEST(PhoneLine, NameAndValuesAreTakenVerbatim) {
    PhoneRecord r;
    r.name = "???";
    r.telephone = " >>> ";
    EXPECT_EQ(build(r), "??? >>> <140> >>> ");

    r.name = "";
    r.telephone = unsetMarker;
    EXPECT_EQ(build(r), " >>> ");
}

TEST(PhoneLine, LabelsAreLookedUpOnlyForWrittenPiecesInLineOrder) {
    PhoneRecord r;
    r.name = "N";
    r.fax = "1";
    r.region = "r";
    r.postcode = "p";
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
