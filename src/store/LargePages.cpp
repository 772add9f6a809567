// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/LargePages.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace norvik {

void preferLargePages(void* data, std::size_t bytes) {
    // Below a few large pages the advice buys nothing.
    if (bytes < (std::size_t{4} << 20)) {
        return;
    }
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    char* const block = static_cast<char*>(data);
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    // The whole pages inside the block: the advice is given by page.
    char* const first = block + (page - address % page) % page;
    char* const last = block + bytes - (address + bytes) % page;
    ::madvise(first, static_cast<std::size_t>(last - first), MADV_HUGEPAGE);
}

} // namespace norvik
