#include "interop/LineMerge.h"

#include <string_view>
#include <unordered_map>

namespace norvik {

LineMerge appendNewLines(Lines& list, const Lines& incoming) {
    std::unordered_map<std::string_view, std::size_t> held;
    held.reserve(list.size());
    for (const Text& line : list) {
        ++held[line];
    }
    LineMerge merge;
    Lines added;
    for (const Text& line : incoming) {
        auto found = held.find(line);
        if (found != held.end() && found->second > 0) {
            --found->second;
            ++merge.skipped;
        } else {
            added.push_back(line);
        }
    }
    merge.added = added.size();
    // The map looks at the list's own strings: it grows only now.
    list.insert(list.end(), added.begin(), added.end());
    return merge;
}

} // namespace norvik
