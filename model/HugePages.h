#pragma once
// Asks the system to back a large block of memory with huge pages, so that
// filling it meets one page fault per 2 MB instead of one per 4 KB (the
// faults, not the writes, dominate filling a fresh block of many megabytes).
// Only the whole huge pages inside the block are concerned; the system may
// ignore the request, and a small block or a null pointer is left alone.
#include <cstddef>

void PreferHugePages(void *block, std::size_t bytes);
