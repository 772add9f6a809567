// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberedModule.h"

#include <string_view>

namespace norvik::test {

Lines numberedModule(const std::string& prefix, int count, const std::map<int, Text>& overrides) {
    Lines lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const auto found = overrides.find(n);
        lines.push_back(found != overrides.end() ? found->second
                                                 : prefix + " " + std::to_string(n));
    }
    return lines;
}

std::string moduleFile(const Lines& lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace norvik::test
