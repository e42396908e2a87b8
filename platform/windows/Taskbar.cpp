#include "platform/Taskbar.h"

#include <windows.h>

namespace platform {

bool taskbarShowsEveryUnownedWindow()
{
    return true;
}

// The toolkit keeps a window at least one pixel wide and high; the system takes no size at all.
// The new frame style takes effect with the size.
void makeTaskbarEntry(std::uintptr_t nativeWindow)
{
    const HWND window = reinterpret_cast<HWND>(nativeWindow);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, ::GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace platform
