#include "MemoryPolicy.h"

#include <malloc.h>

namespace MemoryPolicy {

void KeepLargeBlocksForReuse()
{
    // Setting either also stops the C library from moving both thresholds by itself.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

}  // namespace MemoryPolicy
