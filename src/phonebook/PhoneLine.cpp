#include "phonebook/PhoneLine.h"

namespace norvik {

namespace {

bool isSet(const Text& field) {
    return field != unsetMarker;
}

} // namespace

Text buildPhoneLine(const PhoneRecord& record, const std::function<Text(int line)>& fieldLabel) {
    Text line = record.name + phoneSeparator;
    if (isSet(record.country)) {
        line += record.country;
    }
    if (isSet(record.postcode)) {
        line += fieldLabel(postcodeLabelLine) + record.postcode;
    }
    // The city is written before the region, although the dialog shows the
    // region's row above the city's.
    if (isSet(record.city)) {
        line += ", " + record.city;
    }
    if (isSet(record.region)) {
        line += ", " + record.region + fieldLabel(regionLabelLine);
    }
    const struct {
        const Text& value;
        int labelLine;
    } labelledBefore[] = {
        {record.street, streetLabelLine},       {record.house, houseLabelLine},
        {record.building, buildingLabelLine},   {record.structure, structureLabelLine},
        {record.flat, flatLabelLine},           {record.mobile, mobileLabelLine},
        {record.telephone, telephoneLabelLine}, {record.fax, faxLabelLine},
    };
    for (const auto& piece : labelledBefore) {
        if (isSet(piece.value)) {
            line += fieldLabel(piece.labelLine) + piece.value;
        }
    }
    return line;
}

} // namespace norvik
