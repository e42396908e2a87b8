#include "ModalLoop.h"

#include "Application.h"
#include "TopLevelWindow.h"

#include "platform/Errors.h"

#include <QApplication>
#include <QEventLoop>

namespace ui {

ModalResult ModalLoop::run()
{
    if (window_.isVisible() || !window_.isEnabled() || running_)
        throw platform::InvalidOperationError("Cannot make a visible window modal");
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    running_ = true;
    Application& application = Application::instance();
    const QPointer<TopLevelWindow> previousActive = application.activeWindow();
    const QPointer<QWidget> previousFocus = QApplication::focusWidget();
    const std::vector<QPointer<QWidget>> disabled = disableVisibleWindows();

    window_.showWindow();
    pumpUntilResult(application);

    window_.hide();
    enableAgain(disabled);
    if (application.activeWindow() == &window_ && previousActive) {
        previousActive->activateWindow();
        application.activate(*previousActive);
        if (previousFocus)
            previousFocus->setFocus();
    }
    running_ = false;
    return result_;
}

void ModalLoop::setResult(ModalResult result)
{
    result_ = result;
    if (loop_ && result != ModalResult::None)
        loop_->quit();
}

// A result set from inside the loop ends it only if the close handler lets the window close.
void ModalLoop::pumpUntilResult(Application& application)
{
    result_ = ModalResult::None;
    QEventLoop loop;
    loop_ = &loop;
    application.addPump(loop);
    while (result_ == ModalResult::None) {
        loop.exec();
        if (application.terminated())
            result_ = ModalResult::Cancel;
        else if (result_ != ModalResult::None && !window_.closeAllowed())
            result_ = ModalResult::None;
    }
    application.removePump(loop);
    loop_ = nullptr;
}

std::vector<QPointer<QWidget>> ModalLoop::disableVisibleWindows()
{
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            disabled.emplace_back(window);
        }
    }
    return disabled;
}

void ModalLoop::enableAgain(const std::vector<QPointer<QWidget>>& windows)
{
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->setEnabled(true);
    }
}

} // namespace ui
