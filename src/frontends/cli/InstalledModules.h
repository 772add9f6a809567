// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"

#include <optional>
#include <string>

namespace norvik::cli {

// The lines of a language module (store/DataFiles.h names them) from the
// installation, the copy the launcher puts into a new data directory: for a
// data directory the launcher has not prepared. Found beside the program's
// own folder, as the launcher finds it; nothing when it is not there.
std::optional<Lines> installedModule(const std::string& module);

} // namespace norvik::cli
