// SPDX-License-Identifier: GPL-3.0-or-later
#include "phonebook/PhoneLine.h"

namespace norvik {

namespace {

bool isSet(const Text& field) {
    return field != unsetMarker;
}

} // namespace

Text buildPhoneLine(const PhoneRecord& record, const std::function<Text(Line label)>& fieldLabel) {
    Text line = record.name + phoneSeparator;
    if (isSet(record.country)) {
        line += record.country;
    }
    if (isSet(record.postcode)) {
        line += fieldLabel(Line::PostcodeLabel) + record.postcode;
    }
    // The city is written before the region, although the dialog shows the
    // region's row above the city's.
    if (isSet(record.city)) {
        line += ", " + record.city;
    }
    if (isSet(record.region)) {
        line += ", " + record.region + fieldLabel(Line::RegionLabel);
    }
    const struct {
        const Text& value;
        Line labelLine;
    } labelledBefore[] = {
        {record.street, Line::StreetLabel},       {record.house, Line::HouseLabel},
        {record.building, Line::BuildingLabel},   {record.structure, Line::StructureLabel},
        {record.flat, Line::FlatLabel},           {record.mobile, Line::MobileLabel},
        {record.telephone, Line::TelephoneLabel}, {record.fax, Line::FaxLabel},
    };
    for (const auto& piece : labelledBefore) {
        if (isSet(piece.value)) {
            line += fieldLabel(piece.labelLine) + piece.value;
        }
    }
    return line;
}

} // namespace norvik
