#include "TopLevelWindow.h"

#include "Application.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace ui {
namespace {

// A fixed frame with a title, a system menu, a minimise and a close button.
Qt::WindowFlags windowHints()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

} // namespace

TopLevelWindow::TopLevelWindow()
    : QWidget(nullptr, windowHints())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TopLevelWindow::~TopLevelWindow()
{
    Application::instance().windowDestroyed(*this);
}

void TopLevelWindow::dispatchHandler(const std::function<void()>& handler)
{
    Application::instance().dispatch(handler);
}

void TopLevelWindow::setBackground(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void TopLevelWindow::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

std::string TopLevelWindow::caption() const
{
    return windowTitle().toStdString();
}

void TopLevelWindow::reveal()
{
    frame_.show(geometry_.keptState() == WindowState::Normal);
}

void TopLevelWindow::showWindow()
{
    reveal();
    raise();
    activateWindow();
    Application::instance().activate(*this);
}

void TopLevelWindow::hideWindow()
{
    hide();
    Application::instance().windowHidden(*this);
}

void TopLevelWindow::bringBack()
{
    setState(geometry_.keptState());
    raise();
    activateWindow();
}

bool TopLevelWindow::closeAllowed()
{
    CloseAction action = CloseAction::Hide;
    return Application::instance().dispatch([&] { closeRequested(action); }) && action != CloseAction::None;
}

// Inside the modal loop a close request ends the loop, which asks the close handler itself.
void TopLevelWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (inModalLoop()) {
        setModalResult(ModalResult::Cancel);
        return;
    }
    if (!closeAllowed())
        return;
    Application& application = Application::instance();
    if (application.mainWindow() == this)
        application.terminate();
    else
        hideWindow();
}

bool TopLevelWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        Application::instance().activate(*this);
    if (event->type() == QEvent::Move)
        frame_.windowMoved();
    return QWidget::event(event);
}

void TopLevelWindow::keyPressEvent(QKeyEvent* event)
{
    if (!keys_.takeEnter(*event))
        QWidget::keyPressEvent(event);
}

} // namespace ui
