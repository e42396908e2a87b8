#pragma once

#include <QPoint>
#include <QString>

#include <chrono>
#include <string>
#include <vector>

class QWidget;
struct _XDisplay;

// The tests' own connection to the X server: keys and clicks enter through the server as a
// user's would (XTest), and what the window manager made of a window is read back from it.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Input goes where the window manager has put the focus once it has handled every request
    // made so far, so each of these first waits for it.

    // Presses and releases keys named as X names them, with modifiers joined by '+'
    // ("Return", "shift+Return", "BackSpace").
    void key(const std::string& combination);
    // Types the text one character after another; characters without a key get a spare one.
    void type(const QString& text);
    // Clicks the left button at a point of the widget, wherever its window is on screen now.
    void click(const QWidget& widget, QPoint point);

    // Where a point of the widget is on screen now. Qt hears of a window's move only some time
    // after the window manager has made it; the server knows at once.
    QPoint onScreen(const QWidget& widget, QPoint point);

    // Asks the window manager to minimise the window, or to make it the active one, as its
    // task bar would.
    void minimise(const QWidget& window);
    void activate(const QWidget& window);
    // Whether the window manager shows the window as an icon.
    bool iconic(const QWidget& window);
    // The actions the window manager allows on the window (_NET_WM_ACTION_...).
    std::vector<std::string> allowedActions(const QWidget& window);
    // Whether the window manager, within the time, has handled everything the server had sent it
    // before the call: it answers a request of the tests' own in turn.
    bool windowManagerAnswers(std::chrono::milliseconds timeout);

private:
    unsigned keycodeFor(unsigned long keysym, bool& shifted);
    void pressKeycode(unsigned keycode, bool shifted);
    std::vector<unsigned long> property(unsigned long window, const char* name, unsigned long type);
    void sendToRoot(unsigned long window, const char* message, long first, long second);
    void waitForWindowManager();

    _XDisplay* display_ = nullptr;
};
