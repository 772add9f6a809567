#pragma once

#include "store/FileSystem.h"

#include <string>
#include <vector>

namespace norvik {

// Whether `entry` is the temporary copy a save of the file `name` writes
// before renaming it into place: "." + the name + "." + six letters or
// digits. The name is compared without regard to letter case, as the save
// writes it beside the file's own spelling.
bool isLeftoverSave(const std::string& entry, const std::string& name);

// A save killed before its rename leaves its temporary copy behind, as big as
// the file. Removes those of the named files from the working directory; no
// other entry is touched. Only while this copy holds the folder's lock, so that
// no running save loses its copy.
void removeLeftoverSaves(FileSystem& files, const std::vector<std::string>& names);

} // namespace norvik
