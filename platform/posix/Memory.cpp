#include "platform/Memory.h"

#include <cstdlib> // tells whether the C library is glibc

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

// glibc raises its mmap threshold after the first large block is freed and keeps later ones in
// its heap; a fixed threshold of 1 MiB stops that.
void returnLargeBlocksToTheSystem()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace platform
