// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace norvik {

// Asks for the memory of a large block that is about to be written whole in
// pages of 2 MB, where the system offers them on request: a read of 64 MB
// then takes 32 page faults instead of 16,000, which cost more than copying
// the bytes. Only advice: where there are no such pages, nothing changes.
void preferLargePages(void* data, std::size_t bytes);

} // namespace norvik
