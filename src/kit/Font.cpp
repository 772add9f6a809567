// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Font.h"

namespace norvik {

Text Font::style() const {
    Text letters;
    if (bold) {
        letters += 'b';
    }
    if (italic) {
        letters += 'i';
    }
    if (underline) {
        letters += 'u';
    }
    return letters;
}

} // namespace norvik
