#pragma once

#include <string>
#include <vector>

namespace norvik {

// User text inside the core: bytes in code page 1251, exactly as in the files.
using Text = std::string;
using Lines = std::vector<Text>;

} // namespace norvik
