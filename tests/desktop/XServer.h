#pragma once

#include <QPoint>
#include <QString>

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

    // Presses and releases keys named as X names them, with modifiers joined by '+'
    // ("Return", "shift+Return", "BackSpace").
    void key(const std::string& combination);
    // Types the text one character after another; characters without a key get a spare one.
    void type(const QString& text);
    // Clicks the left button at a point of the widget.
    void click(const QWidget& widget, QPoint point);

    // Asks the window manager to minimise the window, or to make it the active one, as its
    // task bar would.
    void minimise(const QWidget& window);
    void activate(const QWidget& window);
    // Whether the window manager shows the window as an icon.
    bool iconic(const QWidget& window);
    // The actions the window manager allows on the window (_NET_WM_ACTION_...).
    std::vector<std::string> allowedActions(const QWidget& window);
    bool windowManagerRunning();

private:
    unsigned keycodeFor(unsigned long keysym, bool& shifted);
    void pressKeycode(unsigned keycode, bool shifted);
    std::vector<unsigned long> property(unsigned long window, const char* name, unsigned long type);
    void sendToRoot(const QWidget& window, const char* message, long first, long second);

    _XDisplay* display_ = nullptr;
};
