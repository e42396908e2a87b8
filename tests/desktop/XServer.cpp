#include "XServer.h"

#include <QWidget>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>

#include <sstream>
#include <stdexcept>

namespace {

// Latin-1 characters are their own key symbols; every other character has one of its own.
KeySym keysymForCharacter(char32_t character)
{
    return character < 0x100 ? character : 0x01000000 | character;
}

Window windowOf(const QWidget& widget)
{
    return static_cast<Window>(widget.window()->winId());
}

} // namespace

XServer::XServer() : display_(XOpenDisplay(nullptr))
{
    if (!display_)
        throw std::runtime_error("no X server");
}

XServer::~XServer()
{
    XCloseDisplay(display_);
}

// The key that carries the symbol on its first or (with Shift) second level. A symbol no key
// carries is put on a key that carries nothing, as typing tools do.
unsigned XServer::keycodeFor(unsigned long keysym, bool& shifted)
{
    int low = 0;
    int high = 0;
    XDisplayKeycodes(display_, &low, &high);
    for (int code = low; code <= high; ++code) {
        for (int level = 0; level < 2; ++level) {
            if (XkbKeycodeToKeysym(display_, static_cast<KeyCode>(code), 0, level) == keysym) {
                shifted = level == 1;
                return static_cast<unsigned>(code);
            }
        }
    }
    for (int code = high; code >= low; --code) {
        if (XkbKeycodeToKeysym(display_, static_cast<KeyCode>(code), 0, 0) == NoSymbol) {
            KeySym symbols[2] = {keysym, keysym};
            XChangeKeyboardMapping(display_, code, 2, symbols, 1);
            XSync(display_, False);
            shifted = false;
            return static_cast<unsigned>(code);
        }
    }
    throw std::runtime_error("no spare key");
}

void XServer::pressKeycode(unsigned keycode, bool shifted)
{
    const unsigned shift = XKeysymToKeycode(display_, XK_Shift_L);
    if (shifted)
        XTestFakeKeyEvent(display_, shift, True, CurrentTime);
    XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
    if (shifted)
        XTestFakeKeyEvent(display_, shift, False, CurrentTime);
    XSync(display_, False);
}

void XServer::key(const std::string& combination)
{
    waitForWindowManager();
    std::vector<unsigned> held;
    std::istringstream parts(combination);
    std::string part;
    while (std::getline(parts, part, '+')) {
        const std::string name = part == "shift" ? "Shift_L" : part == "ctrl" ? "Control_L"
                               : part == "alt"   ? "Alt_L"   : part;
        const KeySym keysym = XStringToKeysym(name.c_str());
        if (keysym == NoSymbol)
            throw std::runtime_error("no key named " + name);
        held.push_back(XKeysymToKeycode(display_, keysym));
    }
    for (unsigned code : held)
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
    for (auto code = held.rbegin(); code != held.rend(); ++code)
        XTestFakeKeyEvent(display_, *code, False, CurrentTime);
    XSync(display_, False);
}

void XServer::type(const QString& text)
{
    waitForWindowManager();
    for (const char32_t character : text.toUcs4()) {
        bool shifted = false;
        const unsigned code = keycodeFor(keysymForCharacter(character), shifted);
        pressKeycode(code, shifted);
    }
}

// The server serves no other client meanwhile, so the window cannot move between the reading
// of its place and the click.
void XServer::click(const QWidget& widget, QPoint point)
{
    waitForWindowManager();
    XGrabServer(display_);
    const QPoint at = onScreen(widget, point);
    XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XUngrabServer(display_);
    XSync(display_, False);
}

QPoint XServer::onScreen(const QWidget& widget, QPoint point)
{
    const QPoint inWindow = widget.mapTo(widget.window(), point);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, windowOf(widget), DefaultRootWindow(display_), inWindow.x(), inWindow.y(), &x,
                          &y, &child);
    return {x, y};
}

void XServer::sendToRoot(unsigned long window, const char* message, long first, long second)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, message, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display_, False);
}

void XServer::minimise(const QWidget& window)
{
    sendToRoot(windowOf(window), "WM_CHANGE_STATE", IconicState, 0);
}

// Source 2: the request comes from a pager or task bar, that is from the user.
void XServer::activate(const QWidget& window)
{
    sendToRoot(windowOf(window), "_NET_ACTIVE_WINDOW", 2, CurrentTime);
}

// A property of 32-bit items (longs in Xlib's hands), empty when the window has none.
std::vector<unsigned long> XServer::property(unsigned long window, const char* name, unsigned long type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 64, False, type, &actualType,
                       &format, &count, &left, &data);
    std::vector<unsigned long> items;
    if (data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

bool XServer::iconic(const QWidget& window)
{
    const std::vector<unsigned long> state =
        property(windowOf(window), "WM_STATE", XInternAtom(display_, "WM_STATE", False));
    return !state.empty() && state[0] == IconicState;
}

std::vector<std::string> XServer::allowedActions(const QWidget& window)
{
    std::vector<std::string> names;
    for (const unsigned long atom : property(windowOf(window), "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
        char* name = XGetAtomName(display_, atom);
        names.emplace_back(name ? name : "");
        if (name)
            XFree(name);
    }
    return names;
}

// The request: the frame extents a window of our own would get. The window manager answers by
// setting them on that window.
bool XServer::windowManagerAnswers(std::chrono::milliseconds timeout)
{
    const Window probe = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display_, probe, PropertyChangeMask);
    sendToRoot(probe, "_NET_REQUEST_FRAME_EXTENTS", 0, 0);
    const Atom extents = XInternAtom(display_, "_NET_FRAME_EXTENTS", False);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool answered = false;
    XEvent event;
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        if (XCheckTypedWindowEvent(display_, probe, PropertyNotify, &event)) {
            answered = event.xproperty.atom == extents;
        } else {
            pollfd connection {ConnectionNumber(display_), POLLIN, 0};
            ::poll(&connection, 1, 10);
        }
    }
    XDestroyWindow(display_, probe);
    XSync(display_, False);
    while (XCheckWindowEvent(display_, probe, PropertyChangeMask, &event)) {
    }
    return answered;
}

// A window manager that does not answer shows in the test's own waits that follow.
void XServer::waitForWindowManager()
{
    windowManagerAnswers(std::chrono::seconds(5));
}
