// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <vector>

namespace norvik {

// A save killed before its rename leaves its temporary copy behind, as big as
// the file. Removes those of the named files from the working directory; no
// other entry is touched. Only while this copy holds the folder's lock, so that
// no running save loses its copy.
void removeLeftoverSaves(FileSystem& files, const std::vector<std::string>& names);

} // namespace norvik
