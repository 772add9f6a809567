#pragma once

#include "kit/Text.h"

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

// Language lines of the labels written beside the optional values.
inline constexpr int postcodeLabelLine = 132;
inline constexpr int regionLabelLine = 133; // stands after the value
inline constexpr int streetLabelLine = 134;
inline constexpr int houseLabelLine = 135;
inline constexpr int buildingLabelLine = 136;
inline constexpr int structureLabelLine = 137;
inline constexpr int flatLabelLine = 138;
inline constexpr int mobileLabelLine = 139;
inline constexpr int telephoneLabelLine = 140;
inline constexpr int faxLabelLine = 141;

// Builds one phone line: the name, " >>> ", then each piece whose field is
// set, in this order: country, postcode, city, region, street, house,
// building, structure, flat, mobile, telephone, fax. The city and the region
// each start with ", "; the region's label follows its value, every other
// label precedes it. A label is looked up only when its piece is written, so
// a language module that lacks the line fails only for the field that needs it.
Text buildPhoneLine(const PhoneRecord& record, const std::function<Text(int line)>& fieldLabel);

} // namespace norvik
