#pragma once

#include <QSize>

class QScreen;
class QWidget;

namespace ui {

// The screen a window stands on, or the primary screen before it stands on any.
QScreen& screenOf(const QWidget& window);

// The window manager's frame around a top-level window, and centring the window's outer
// rectangle, frame included, on its screen. A window manager reports a window's frame only some
// time after the window is mapped and forgets it while the window is hidden; all windows of the
// program wear the same frame, so the last one reported for any of them stands in until then.
class WindowFrame {
public:
    explicit WindowFrame(QWidget& window) : window_(window) {}

    // What the frame and title bar add to the client area's width and height.
    QSize extra() const;
    // Shows the window, centred if this is its first showing and centring is asked for; it is
    // centred again once its frame becomes known.
    void show(bool centreTheFirstTime);
    // Every move of the window: the window manager may have reported its frame with it.
    void windowMoved();

private:
    void centreOnScreen();

    QWidget& window_;
    bool shownBefore_ = false;
    bool centreWhenFrameKnown_ = false;
};

} // namespace ui
