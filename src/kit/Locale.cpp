// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Locale.h"

namespace norvik {

std::string messagesLocale(const std::function<const char*(const char*)>& variable) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

} // namespace norvik
