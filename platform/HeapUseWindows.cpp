#include "HeapUse.h"

namespace platform {

// The mingw C library has no mallinfo2(), and its heap walk counts the heap's own bookkeeping.
std::optional<std::size_t> heapInUse()
{
    return std::nullopt;
}

} // namespace platform
