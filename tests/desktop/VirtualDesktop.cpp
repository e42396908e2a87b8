#include "VirtualDesktop.h"

#include "XServer.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
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

// Without reaping it, so that stop() still owns the process id.
bool running(pid_t child)
{
    siginfo_t info {};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

} // namespace

VirtualDesktop::VirtualDesktop(const std::string& windowManagerConfig)
{
    try {
        startServer();
        startWindowManager(windowManagerConfig);
    } catch (...) {
        stop(windowManager_);
        stop(server_);
        throw;
    }
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

VirtualDesktop::~VirtualDesktop()
{
    stop(windowManager_);
    stop(server_);
}

// The server picks a free display number itself and writes it to the pipe once it takes
// clients. By default it would reset whenever its last client leaves, and drop a client that is
// connecting just then, such as the window manager while a first look at the server ends.
void VirtualDesktop::startServer()
{
    int ready[2];
    if (::pipe(ready) != 0)
        throw std::runtime_error("cannot make a pipe");
    try {
        server_ = spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp", "-noreset"});
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

// Openbox names itself on the root window before it has read its configuration; it has started
// once it answers requests.
void VirtualDesktop::startWindowManager(const std::string& config)
{
    windowManager_ = spawn({"openbox", "--config-file", config});
    XServer server;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (running(windowManager_) && std::chrono::steady_clock::now() < deadline) {
        if (server.windowManagerAnswers(std::chrono::milliseconds(100)))
            return;
    }
    throw std::runtime_error("the window manager did not start");
}
