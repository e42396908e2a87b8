#include "VirtualDesktop.h"

#include "XServer.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <thread>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The child ends with the tests even when they are killed, so no server is left behind.
pid_t spawn(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start " + arguments[0]);
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() == parent)
            ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return child;
}

void stop(pid_t child)
{
    if (child <= 0)
        return;
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
}

} // namespace

// Now and then a server that has just started drops its first clients; the whole desktop is
// started again then.
VirtualDesktop::VirtualDesktop(const std::string& windowManagerConfig)
{
    for (int attempt = 0;; ++attempt) {
        try {
            startServer();
            startWindowManager(windowManagerConfig);
            break;
        } catch (const std::exception&) {
            stop(windowManager_);
            stop(server_);
            windowManager_ = server_ = -1;
            if (attempt == 2)
                throw;
        }
    }
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

VirtualDesktop::~VirtualDesktop()
{
    stop(windowManager_);
    stop(server_);
}

// The server picks a free display number itself and writes it to the pipe once it is ready.
void VirtualDesktop::startServer()
{
    int ready[2];
    if (::pipe(ready) != 0)
        throw std::runtime_error("cannot make a pipe");
    try {
        server_ = spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"});
    } catch (...) {
        ::close(ready[0]);
        ::close(ready[1]);
        throw;
    }
    ::close(ready[1]);
    std::string number;
    char digit = 0;
    while (::read(ready[0], &digit, 1) == 1 && digit != '\n')
        number += digit;
    ::close(ready[0]);
    if (number.empty())
        throw std::runtime_error("the virtual X server did not start");
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
}

namespace {

// Waits until the condition holds, up to ten seconds.
bool waitUntil(const std::function<bool()>& condition)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool serverAcceptsClients()
{
    Display* display = XOpenDisplay(nullptr);
    if (display)
        XCloseDisplay(display);
    return display != nullptr;
}

} // namespace

// The window manager announces itself on the root window once it manages the screen.
void VirtualDesktop::startWindowManager(const std::string& config)
{
    if (!waitUntil(serverAcceptsClients))
        throw std::runtime_error("the virtual X server takes no clients");
    windowManager_ = spawn({"openbox", "--config-file", config});
    const auto running = [] {
        try {
            return XServer().windowManagerRunning();
        } catch (const std::runtime_error&) {
            return false;
        }
    };
    if (!waitUntil(running))
        throw std::runtime_error("the window manager did not start");
}
