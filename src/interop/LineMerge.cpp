// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/LineMerge.h"

#include <string_view>
#include <unordered_map>

namespace norvik {

LineMerge appendNewLines(Lines& list, const Lines& incoming) {
    std::unordered_map<std::string_view, std::size_t> held;
    held.reserve(list.size());
    for (const std::string_view line : list) {
        ++held[line];
    }
    LineMerge merge;
    Lines added;
    for (const std::string_view line : incoming) {
        auto found = held.find(line);
        if (found != held.end() && found->second > 0) {
            --found->second;
            ++merge.skipped;
        } else {
            added.push_back(line);
        }
    }
    merge.added = added.size();
    // The map looks at the list's own buffer: it grows only now.
    list.reserve(list.size() + added.size());
    for (const std::string_view line : added) {
        list.push_back(line);
    }
    return merge;
}

} // namespace norvik
