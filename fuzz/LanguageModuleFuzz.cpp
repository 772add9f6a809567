// SPDX-License-Identifier: GPL-3.0-or-later
// The language module reader: any file gives its lines, and every line
// number either names one of them or fails with the index report.
#include "FuzzCheck.h"
#include "kit/Failure.h"
#include "language/Language.h"
#include "store/LineList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const norvik::Lines lines =
        norvik::splitLines(std::string(reinterpret_cast<const char*>(data), size));
    const int count = static_cast<int>(lines.size());
    for (int n : {-1, 0, 1, 72, 296, 297, count - 1, count}) {
        try {
            const norvik::Text line = norvik::langLine(lines, n);
            FUZZ_CHECK(n >= 0 && n < count && line == lines[static_cast<std::size_t>(n)]);
        } catch (const norvik::Failure& failure) {
            FUZZ_CHECK(n < 0 || n >= count);
            FUZZ_CHECK(std::string(failure.what()) ==
                       "List index out of bounds (" + std::to_string(n) + ")");
        }
    }
    return 0;
}
