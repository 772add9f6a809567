#include "store/Settings.h"

#include "store/Codec1251.h"

#include <array>

namespace norvik {

namespace {

constexpr std::string_view warningKey = "WarningMessageText";

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

std::string defaultSettingsBytes() {
    const std::array<Text, 13> entries = {
        "[config]",
        "MainFormColor=clNavy",
        "MainFormTextColor=clWhite",
        "NotebookSize=10",
        "NotebookType=Courier New",
        Text(warningKey) + "=" + defaultWarningText(0),
        "WarningMessageStopMin=0",
        "LastEvent=1",
        "Delimeter=1",
        "SubStringPosition=0",
        "RegisterCheck=1",
        "EventOnly=0",
        "LangID=0",
    };
    // The first start writes through a text stream that turns each LF of the
    // CR LF separators into CR LF: CR CR LF between entries, nothing after the last.
    std::string bytes;
    for (const auto& entry : entries) {
        if (!bytes.empty()) {
            bytes += "\r\r\n";
        }
        bytes += entry;
    }
    return bytes;
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
    const Text current = lookupKey(lines, warningKey);
    if (current.empty() || current == defaultWarningText(0) || current == defaultWarningText(1)) {
        updateKey(lines, warningKey, wanted);
    }
}

} // namespace norvik
