// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/PhoneCard.h"
#include "store/Codec1251.h"

#include <initializer_list>

namespace norvik::test {

inline Lines labelsOf(std::initializer_list<const char*> utf8) {
    Lines labels;
    for (const char* label : utf8) {
        labels.push_back(cp1251::literal(label));
    }
    return labels;
}

// The phone book's field labels of the shipped modules, lines 132 to 141.
inline const Lines& russianPhoneLabels() {
    static const Lines labels =
        labelsOf({", индекс ", " обл.", ", ул. ", ", д. ", ", корп. ", ", стр. ", ", кв. ",
                  ", моб. тел.: ", ", тел.: ", ", факс: "});
    return labels;
}
inline const Lines& englishPhoneLabels() {
    static const Lines labels =
        labelsOf({", postcode ", " region", ", street: ", ", house: ", ", building: ",
                  ", structure: ", ", flat: ", ", mobile: ", ", phone: ", ", fax: "});
    return labels;
}

// The labels as the phone line's fields ask for them.
inline FieldLabel labelFrom(const Lines& labels) {
    return [&labels](Line line) {
        return Text(labels.at(static_cast<std::size_t>(static_cast<int>(line) -
                                                       static_cast<int>(Line::PostcodeLabel))));
    };
}

} // namespace norvik::test
