#include "WindowGeometry.h"

#include "WindowFrame.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

WindowState WindowGeometry::state() const
{
    return window_.isMinimized() ? WindowState::Minimized : kept_;
}

void WindowGeometry::setState(WindowState state)
{
    if (state == this->state())
        return;
    if (window_.isMinimized())
        restoreFromMinimised();
    if (state == WindowState::Minimized)
        window_.setWindowState(window_.windowState() | Qt::WindowMinimized);
    else if (state != kept_)
        setKeptState(state);
}

// Showing the window again undoes what the window manager did.
void WindowGeometry::restoreFromMinimised()
{
    if (window_.isVisible())
        window_.showNormal();
    else
        window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
}

void WindowGeometry::setKeptState(WindowState state)
{
    if (kept_ == WindowState::Normal)
        normalGeometry_ = window_.geometry();
    kept_ = state;
    if (state == WindowState::Maximized) {
        const QRect area = screenOf(window_).availableGeometry();
        window_.move(area.topLeft());
        setOuterSize(area.width(), area.height());
    } else {
        setClientSize(normalGeometry_.width(), normalGeometry_.height());
        const QPoint frameOffset = window_.geometry().topLeft() - window_.frameGeometry().topLeft();
        window_.move(normalGeometry_.topLeft() - frameOffset);
    }
}

QSize WindowGeometry::outerSize() const
{
    return window_.size() + frame_.extra();
}

void WindowGeometry::setOuterSize(int width, int height)
{
    const QSize extra = frame_.extra();
    setClientSize(width - extra.width(), height - extra.height());
}

void WindowGeometry::setClientSize(int width, int height)
{
    window_.setFixedSize(std::max(width, 0), std::max(height, 0));
}

} // namespace ui
