// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Settings.h"

#include "store/Codec1251.h"

#include <utility>

namespace norvik {

namespace {

constexpr std::string_view russianWarning =
    "Одно из указанных в списке событий наступило! В списке заданное на это время событие "
    "было выделено.";
constexpr std::string_view englishWarning =
    "One of the events specified in the list has come! In the list the event set on this "
    "time has been allocated.";

// The index of the first line holding the key, or -1.
long findKey(const Lines& lines, std::string_view key) {
    const std::string wanted = cp1251::toLower(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto equals = lines[i].find('=');
        if (equals != std::string_view::npos && equals == wanted.size() &&
            cp1251::toLower(lines[i].substr(0, equals)) == wanted) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

} // namespace

namespace byKeyText {

Text lookupKey(const Lines& lines, std::string_view key) {
    const long at = findKey(lines, key);
    if (at < 0) {
        return {};
    }
    const std::string_view line = lines[static_cast<std::size_t>(at)];
    return Text(line.substr(line.find('=') + 1));
}

void updateKey(Lines& lines, std::string_view key, const Text& value) {
    const long at = findKey(lines, key);
    if (value.empty()) {
        if (at >= 0) {
            lines.erase(static_cast<std::size_t>(at));
        }
        return;
    }
    Text line = Text(key) + "=" + value;
    if (at >= 0) {
        lines.replace(static_cast<std::size_t>(at), line);
    } else {
        lines.push_back(line);
    }
}

} // namespace byKeyText

Text lookupKey(const Lines& lines, SettingKey key) {
    return byKeyText::lookupKey(lines, keyName(key));
}

void updateKey(Lines& lines, SettingKey key, const Text& value) {
    byKeyText::updateKey(lines, keyName(key), value);
}

std::string defaultSettingsBytes(int langId) {
    const std::pair<SettingKey, Text> entries[] = {
        {SettingKey::MainFormColor, "clNavy"},
        {SettingKey::MainFormTextColor, "clWhite"},
        {SettingKey::NotebookSize, "10"},
        {SettingKey::NotebookType, "Courier New"},
        {SettingKey::WarningMessageText, defaultWarningText(langId)},
        {SettingKey::WarningMessageStopMin, "0"},
        {SettingKey::LastEvent, "1"},
        {SettingKey::Delimeter, "1"},
        {SettingKey::SubStringPosition, "0"},
        {SettingKey::RegisterCheck, "1"},
        {SettingKey::EventOnly, "0"},
        {SettingKey::LangID, langId == 1 ? "1" : "0"},
    };
    // The first start writes through a text stream that turns each LF of the
    // CR LF separators into CR LF: CR CR LF between entries, nothing after the last.
    std::string bytes = "[config]";
    for (const auto& [key, value] : entries) {
        bytes += "\r\r\n";
        bytes += keyName(key);
        bytes += "=" + value;
    }
    return bytes;
}

int localeLanguage(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX" || language == "ru") {
        return 0;
    }
    return 1;
}

Text defaultWarningText(int langId) {
    switch (langId) {
    case 0:
        return cp1251::literal(russianWarning);
    case 1:
        return cp1251::literal(englishWarning);
    default:
        return {};
    }
}

void resetWarningText(Lines& lines, int langId) {
    const Text wanted = defaultWarningText(langId);
    if (wanted.empty()) {
        return;
    }
    // Only a text the program wrote itself follows the language; a text the
    // user chose in the settings dialog stays.
    const Text current = lookupKey(lines, SettingKey::WarningMessageText);
    if (current.empty() || current == defaultWarningText(0) || current == defaultWarningText(1)) {
        updateKey(lines, SettingKey::WarningMessageText, wanted);
    }
}

} // namespace norvik
