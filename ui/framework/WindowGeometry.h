#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

class WindowFrame;

enum class WindowState { Normal, Minimized, Maximized };

// A top-level window's state and size. Normal or maximised is kept here, by the program itself:
// maximising moves the frame to the screen's available area and sizes the client area to fill
// it at once, so the outer size read right after is already the new one, with or without a
// window manager. Minimised is read off the screen, so a window that the user minimised is
// restored when the program asks for normal or maximised.
class WindowGeometry {
public:
    WindowGeometry(QWidget& window, const WindowFrame& frame) : window_(window), frame_(frame) {}

    // The state on screen: the window manager may have minimised the window.
    WindowState state() const;
    // Normal or maximised, as the program last set it.
    WindowState keptState() const { return kept_; }
    void setState(WindowState state);

    // The window's size with its frame.
    QSize outerSize() const;
    void setOuterSize(int width, int height);
    void setClientSize(int width, int height);

private:
    void restoreFromMinimised();
    void setKeptState(WindowState state);

    QWidget& window_;
    const WindowFrame& frame_;
    WindowState kept_ = WindowState::Normal;
    QRect normalGeometry_;
};

} // namespace ui
