#include "platform/Taskbar.h"

namespace platform {

bool taskbarShowsEveryUnownedWindow()
{
    return false;
}

// No window of the program is made for the taskbar here.
void makeTaskbarEntry(std::uintptr_t) {}

} // namespace platform
