// SPDX-License-Identifier: GPL-3.0-or-later
// The headless protocol's input-line parser: any line is split into words or
// refused as a protocol error, never anything else.
#include "FuzzCheck.h"
#include "frontends/headless/InputLine.h"
#include "frontends/headless/ProtocolError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    try {
        for (const auto& token : norvik::headless::splitLine(line)) {
            FUZZ_CHECK(!token.spelled.empty());
            (void)norvik::headless::bytesOf(token);
            try {
                (void)norvik::headless::parseIndex(token.spelled, "index");
            } catch (const norvik::headless::ProtocolError&) {
            }
            try {
                (void)norvik::headless::parseSeconds(token.spelled);
            } catch (const norvik::headless::ProtocolError&) {
            }
        }
    } catch (const norvik::headless::ProtocolError&) {
    }
    return 0;
}
