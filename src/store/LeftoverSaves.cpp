// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/LeftoverSaves.h"

#include "store/Codec1251.h"

namespace norvik {

namespace {

constexpr std::size_t uniqueLength = 6;

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether `entry` is the temporary copy a save of the file `name` writes
// before renaming it into place: "." + the name + "." + six letters or
// digits. The name is compared without regard to letter case, as the save
// writes it beside the file's own spelling.
bool isLeftoverSave(const std::string& entry, const std::string& name) {
    if (name.empty() || entry.size() != name.size() + 2 + uniqueLength || entry[0] != '.' ||
        entry[name.size() + 1] != '.') {
        return false;
    }
    if (cp1251::toLower(std::string_view(entry).substr(1, name.size())) != cp1251::toLower(name)) {
        return false;
    }
    for (std::size_t at = entry.size() - uniqueLength; at < entry.size(); ++at) {
        if (!isLetterOrDigit(entry[at])) {
            return false;
        }
    }
    return true;
}

} // namespace

void removeLeftoverSaves(FileSystem& files, const std::vector<std::string>& names) {
    for (const auto& entry : files.list("")) {
        for (const auto& name : names) {
            if (isLeftoverSave(entry, name)) {
                files.remove(entry); // one that stays is tried again at the next start
                break;
            }
        }
    }
}

} // namespace norvik
