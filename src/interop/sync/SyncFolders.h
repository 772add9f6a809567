// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvik::sync {

// The folders one data directory syncs its lists with. They live in the
// user's own configuration, keyed by the data directory's absolute path,
// never in the data directory, where a co-user of a shared folder could
// point them elsewhere.
struct SyncFolders {
    std::optional<std::string> events;   // for do.txt, .ics items
    std::optional<std::string> contacts; // for telephone.txt, .vcf items
};

// $XDG_CONFIG_HOME/norvik (~/.config/norvik when unset or not absolute);
// nothing when neither tells where.
std::optional<std::string> configFolder(const char* xdgConfigHome, const char* home);
inline constexpr const char* syncFoldersFile = "sync-folders";

// The folders of one data directory in the configuration file's text.
SyncFolders foldersOf(std::string_view config, const std::string& dataDirectory);
// The file's text with one data directory's folders replaced (its section
// dropped when it has none); the other sections are kept as they are.
std::string withFolders(std::string_view config, const std::string& dataDirectory,
                        const SyncFolders& folders);

// A folder as given on the command line, absolute: a relative one is taken
// relative to the data directory. Dots and doubled slashes are resolved by
// their names only, so a folder that does not exist yet has a path too.
std::string absoluteFolder(const std::string& given, const std::string& dataDirectory);

} // namespace norvik::sync
