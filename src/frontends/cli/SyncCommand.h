// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace norvik::cli {

struct CommandContext;

// What `sync` was told about the folders: a folder to remember, or to forget.
struct SyncOptions {
    std::optional<std::string> events;
    std::optional<std::string> contacts;
    bool noEvents = false;
    bool noContacts = false;
};

// Syncs do.txt with the events folder and telephone.txt with the contacts
// folder remembered for the data directory, after remembering or
// forgetting the folders the options name. Prints a summary per list.
void syncLists(CommandContext& context, const SyncOptions& options);

} // namespace norvik::cli
