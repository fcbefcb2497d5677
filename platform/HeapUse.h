#pragma once

#include <cstddef>
#include <optional>

namespace platform {

// Bytes of the C heap in use now, for a test that the heap stays flat; empty where the system's C library
// does not say.
std::optional<std::size_t> heapInUse();

} // namespace platform
