// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace norvik {

// The entries of System.ini, in the order the first start writes them.
// Readers and writers name an entry only through these, so a misspelt key
// does not compile.
enum class SettingKey {
    MainFormColor,
    MainFormTextColor,
    NotebookSize,
    NotebookType,
    WarningMessageText,
    WarningMessageStopMin,
    LastEvent,
    Delimeter, // spelt so in the file
    SubStringPosition,
    RegisterCheck,
    EventOnly,
    LangID,
};

// The key as the file spells it.
constexpr std::string_view keyName(SettingKey key) {
    constexpr std::array<std::string_view, 12> names = {
        "MainFormColor",      "MainFormTextColor",     "NotebookSize", "NotebookType",
        "WarningMessageText", "WarningMessageStopMin", "LastEvent",    "Delimeter",
        "SubStringPosition",  "RegisterCheck",         "EventOnly",    "LangID",
    };
    return names.at(static_cast<std::size_t>(key));
}

} // namespace norvik
