// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "language/LanguageLines.h"

#include <functional>

namespace norvik {

// What an optional field of the add-record dialog holds while its box is unchecked.
inline constexpr const char* unsetMarker = "???";

// The separator between the name and the rest of a phone line.
inline constexpr const char* phoneSeparator = " >>> ";

// The fields of the add-record dialog. An optional field that holds exactly
// the unset marker is left out of the line; any other text, the empty text
// included, is written.
struct PhoneRecord {
    Text name;
    Text country = unsetMarker;
    Text postcode = unsetMarker;
    Text city = unsetMarker;
    Text region = unsetMarker;
    Text street = unsetMarker;
    Text house = unsetMarker;
    Text building = unsetMarker;
    Text structure = unsetMarker;
    Text flat = unsetMarker;
    Text mobile = unsetMarker;
    Text telephone = unsetMarker;
    Text fax = unsetMarker;
};

// The labels in the order of their lines, which is the order a line writes them in.
inline constexpr Line phoneLabelLines[] = {
    Line::PostcodeLabel,  Line::RegionLabel,    Line::StreetLabel, Line::HouseLabel,
    Line::BuildingLabel,  Line::StructureLabel, Line::FlatLabel,   Line::MobileLabel,
    Line::TelephoneLabel, Line::FaxLabel,
};

// Builds one phone line: the name, " >>> ", then each piece whose field is
// set, in this order: country, postcode, city, region, street, house,
// building, structure, flat, mobile, telephone, fax (the labels Line::PostcodeLabel
// to Line::FaxLabel). The city and the region
// each start with ", "; the region's label follows its value, every other
// label precedes it. A label is looked up only when its piece is written, so
// a language module that lacks the line fails only for the field that needs it.
Text buildPhoneLine(const PhoneRecord& record, const std::function<Text(Line label)>& fieldLabel);

} // namespace norvik
