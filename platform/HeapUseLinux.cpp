#include "HeapUse.h"

#include <malloc.h>

namespace platform {

std::optional<std::size_t> heapInUse()
{
    return mallinfo2().uordblks;
}

} // namespace platform
