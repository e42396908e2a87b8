#include "WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {

QSize lastKnownFrameExtra(0, 0);

} // namespace

QScreen& screenOf(const QWidget& window)
{
    return *(window.screen() ? window.screen() : QGuiApplication::primaryScreen());
}

QSize WindowFrame::extra() const
{
    const QSize reported = window_.frameGeometry().size() - window_.geometry().size();
    if (window_.isVisible() && reported.width() > 0 && reported.height() > 0)
        lastKnownFrameExtra = reported;
    return lastKnownFrameExtra;
}

void WindowFrame::centreOnScreen()
{
    const QRect screenArea = screenOf(window_).geometry();
    const QSize outer = window_.size() + extra();
    const int left = std::max(0, (screenArea.width() - outer.width()) / 2);
    const int top = std::max(0, (screenArea.height() - outer.height()) / 2);
    window_.move(screenArea.left() + left, screenArea.top() + top);
}

// The frame's size may only be known once the window is on screen; the window is centred again
// then, so that it is its outer rectangle that stands in the middle.
void WindowFrame::show(bool centreTheFirstTime)
{
    const bool centre = centreTheFirstTime && !shownBefore_;
    shownBefore_ = true;
    if (centre)
        centreOnScreen();
    const QSize frameBefore = extra();
    window_.show();
    if (centre && extra() != frameBefore)
        centreOnScreen();
    centreWhenFrameKnown_ = centre && extra().isNull();
}

void WindowFrame::windowMoved()
{
    if (!centreWhenFrameKnown_ || extra().isNull())
        return;
    centreWhenFrameKnown_ = false;
    centreOnScreen();
}

} // namespace ui
