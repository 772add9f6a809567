// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/BuiltInText.h"

#include "store/Codec1251.h"

namespace norvik {

Text builtInText(const BuiltInText& text, int module) {
    if (module == 0) {
        return cp1251::literal(text.russian);
    }
    if (module == 1) {
        return cp1251::literal(text.english);
    }
    return cp1251::literal(text.russian) + " / " + cp1251::literal(text.english);
}

} // namespace norvik
