// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/cli/InstalledModules.h"

#include "store/FileStore.h"
#include "store/PosixFileSystem.h"

#include <filesystem>
#include <system_error>

namespace norvik::cli {

std::optional<Lines> installedModule(const std::string& module) {
    // NORVIK_CLI_SHARE: share/norvik relative to the folder of the installed
    // program, or an absolute folder.
    std::filesystem::path share(NORVIK_CLI_SHARE);
    if (share.is_relative()) {
        std::error_code error;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error) {
            return std::nullopt;
        }
        share = self.parent_path() / share;
    }
    PosixFileSystem files(share.string());
    FileStore store(files);
    if (!store.exists(module)) {
        return std::nullopt;
    }
    return store.loadLines(module);
}

} // namespace norvik::cli
