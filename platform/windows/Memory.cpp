#include "platform/Memory.h"

namespace platform {

// The Windows heap already gives blocks of more than half a megabyte straight to the system
// and back.
void returnLargeBlocksToTheSystem() {}

} // namespace platform
