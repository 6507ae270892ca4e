#pragma once

#include <cstdint>

// Heap allocations made by this process so far (malloc, calloc, realloc, new).
uint64_t allocation_count();
