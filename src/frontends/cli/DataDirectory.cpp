// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/DataDirectory.h"

#include "frontends/cli/CliFailure.h"
#include "frontends/cli/InstalledModules.h"
#include "language/Language.h"
#include "phonebook/PhoneLine.h"
#include "store/DataFiles.h"
#include "store/Settings.h"

#include <cstdlib>
#include <sys/stat.h>

namespace norvik::cli {

DataDirectory::DataDirectory(std::string path)
    : path_(std::move(path)), disk_(path_), store_(disk_) {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        throw CliFailure(exitBadInput, "no data directory " + path_);
    }
}

std::string DataDirectory::chosen(const std::string& given) {
    if (!given.empty()) {
        return given;
    }
    const char* data = std::getenv("NORVIK_DATA");
    const char* home = std::getenv("HOME");
    if (data != nullptr && *data != '\0') {
        return data;
    }
    if (home != nullptr && *home != '\0') {
        return std::string(home) + "/Norvik";
    }
    throw CliFailure(exitUsage, "no data directory: set HOME or NORVIK_DATA, or use -d");
}

void DataDirectory::lockForWriting() {
    LockAttempt attempt = disk_.lock(lockFile);
    if (attempt.outcome == LockAttempt::Outcome::HeldElsewhere) {
        throw CliFailure(exitLocked, "Norvik is running in " + path_ +
                                         "; nothing was written. Close it and try again.");
    }
    // A lock that cannot be taken keeps nothing out: write nothing then.
    if (attempt.outcome == LockAttempt::Outcome::Refused) {
        throw CliFailure(exitCannotReadOrWrite, "cannot lock " + path_ + "/" + lockFile + ": " +
                                                    attempt.reason + "; nothing was written");
    }
    lock_ = std::move(attempt.lock);
}

Lines DataDirectory::load(const std::string& name) {
    if (!store_.exists(name)) {
        return {};
    }
    try {
        return store_.loadLines(name);
    } catch (const Failure& failure) {
        throw CliFailure(exitCannotReadOrWrite, withReason(failure));
    }
}

void DataDirectory::scan(const std::string& name, std::function<void(std::string_view line)> line) {
    if (!store_.exists(name)) {
        return;
    }
    try {
        store_.scanLines(name, std::move(line));
    } catch (const CliFailure&) {
        throw; // the command's own, from a line
    } catch (const Failure& failure) {
        throw CliFailure(exitCannotReadOrWrite, withReason(failure));
    }
}

void DataDirectory::save(const std::string& name, const Lines& lines) {
    try {
        store_.saveLines(name, lines);
    } catch (const Failure& failure) {
        throw CliFailure(exitCannotReadOrWrite, withReason(failure));
    }
}

Lines DataDirectory::phoneLabels() {
    try {
        const Lines settings = load(settingsFile);
        const char* module =
            lookupKey(settings, SettingKey::LangID) == "1" ? englishModule : russianModule;
        // A directory the launcher has not prepared reads the installed
        // module, without copying it in.
        std::optional<Lines> installed;
        if (!store_.exists(module)) {
            installed = installedModule(module);
        }
        const Lines lines = installed ? std::move(*installed) : store_.loadLines(module);
        Lines labels;
        for (const Line label : phoneLabelLines) {
            labels.push_back(langLine(lines, label));
        }
        return labels;
    } catch (const CliFailure&) {
        throw;
    } catch (const Failure& failure) {
        throw CliFailure(exitCannotReadOrWrite, withReason(failure));
    }
}

} // namespace norvik::cli
