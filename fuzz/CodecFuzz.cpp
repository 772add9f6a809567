// SPDX-License-Identifier: GPL-3.0-or-later
// The 1251 codec: every byte string goes to UTF-8 and back unchanged, and
// UTF-8 it accepts comes back byte for byte.
#include "FuzzCheck.h"
#include "store/Codec1251.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto back = norvik::cp1251::fromUtf8(norvik::cp1251::toUtf8(bytes));
    FUZZ_CHECK(back.has_value() && *back == bytes);

    if (const auto stored = norvik::cp1251::fromUtf8(bytes)) {
        FUZZ_CHECK(norvik::cp1251::toUtf8(*stored) == bytes);
    }
    FUZZ_CHECK(norvik::cp1251::toLower(bytes).size() == bytes.size());
    return 0;
}
