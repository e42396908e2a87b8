#pragma once

#include <cstdint>

namespace platform {

// Whether the taskbar gives every shown window that has no owner a button of its own
// (Windows). There the program shows one entry only through a window of its own that owns all
// the others; other desktops group a program's windows under the program's identity.
bool taskbarShowsEveryUnownedWindow();

// Makes a shown window, given by its native handle, the program's taskbar entry: it is marked
// as the application's window, which keeps its button, and loses its whole area.
void makeTaskbarEntry(std::uintptr_t nativeWindow);

} // namespace platform
