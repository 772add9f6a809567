// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/SyncFolders.h"

#include <vector>

namespace norvik::sync {

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// "[PATH]" names the section of the data directory PATH.
std::optional<std::string_view> sectionOf(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    return line.substr(1, line.size() - 2);
}

} // namespace

std::optional<std::string> configFolder(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/norvik";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/norvik";
    }
    return std::nullopt;
}

SyncFolders foldersOf(std::string_view config, const std::string& dataDirectory) {
    SyncFolders folders;
    bool mine = false;
    for (const std::string_view line : linesOf(config)) {
        if (const auto section = sectionOf(line)) {
            mine = *section == dataDirectory;
        } else if (mine && line.starts_with("events=")) {
            folders.events = std::string(line.substr(7));
        } else if (mine && line.starts_with("contacts=")) {
            folders.contacts = std::string(line.substr(9));
        }
    }
    return folders;
}

std::string withFolders(std::string_view config, const std::string& dataDirectory,
                        const SyncFolders& folders) {
    std::string out;
    bool mine = false;
    for (const std::string_view line : linesOf(config)) {
        if (const auto section = sectionOf(line)) {
            mine = *section == dataDirectory;
        }
        if (!mine) {
            out.append(line);
            out += '\n';
        }
    }
    if (out.empty()) {
        out = "# The folders Norvik's data directories sync with (norvik-cli sync).\n";
    }
    if (folders.events || folders.contacts) {
        out += "[" + dataDirectory + "]\n";
        if (folders.events) {
            out += "events=" + *folders.events + "\n";
        }
        if (folders.contacts) {
            out += "contacts=" + *folders.contacts + "\n";
        }
    }
    return out;
}

std::string absoluteFolder(const std::string& given, const std::string& dataDirectory) {
    const std::string joined = given.starts_with('/') ? given : dataDirectory + "/" + given;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= joined.size()) {
        std::size_t end = joined.find('/', start);
        if (end == std::string::npos) {
            end = joined.size();
        }
        const std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string path;
    for (const auto& part : parts) {
        path += "/" + part;
    }
    return path.empty() ? "/" : path;
}

} // namespace norvik::sync
