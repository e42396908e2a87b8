#pragma once

namespace platform {

// Large blocks (a photograph's bytes, several megabytes) go straight back to the system when
// freed, instead of staying in a heap that fragments as questions replace their photographs.
void returnLargeBlocksToTheSystem();

} // namespace platform
