// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "store/SettingsKeys.h"

#include <string_view>

namespace norvik {

// The value of the first line whose text before its first "=" equals the key,
// ignoring letter case; the empty text when no line holds the key.
Text lookupKey(const Lines& lines, SettingKey key);
// A non-empty value replaces the first line holding the key (or is appended);
// an empty value deletes that line.
void updateKey(Lines& lines, SettingKey key, const Text& value);

// The same for any key text, such as one that comes from outside the program;
// the program itself names its keys by SettingKey.
namespace byKeyText {
Text lookupKey(const Lines& lines, std::string_view key);
void updateKey(Lines& lines, std::string_view key, const Text& value);
} // namespace byKeyText

// The bytes the first start writes: thirteen entries separated by CR CR LF,
// nothing after the last; LangID and the warning text in the given language
// (0 Russian, 1 English).
std::string defaultSettingsBytes(int langId = 0);

// The language a new settings file takes from the desktop's locale: English
// (1) for a locale naming any language but Russian; Russian (0) for Russian,
// for the C and POSIX locales (which name none) and when no locale is set.
int localeLanguage(std::string_view locale);

// The default warning text of a language (0 Russian, 1 English).
Text defaultWarningText(int langId);
// After a module is loaded at start: the warning text entry takes the
// language's default when it is missing, empty, or one of the two defaults;
// a text the user chose stays.
void resetWarningText(Lines& lines, int langId);

} // namespace norvik
