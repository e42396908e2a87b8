#pragma once

#include <string>
#include <sys/types.h>

// A virtual X screen with a window manager, started for the tests of one process and stopped
// with it. While it runs, DISPLAY names it and Qt is told to use its X11 platform.
class VirtualDesktop {
public:
    explicit VirtualDesktop(const std::string& windowManagerConfig);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

private:
    void startServer();
    void startWindowManager(const std::string& config);

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
};
