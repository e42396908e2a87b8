#include "TaskbarEntry.h"

#include "Application.h"
#include "TopLevelWindow.h"

#include "platform/Taskbar.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

// The entry stands where a message box without an owner would be centred, so that an error box
// it owns is centred on the screen as before.
TaskbarEntry::TaskbarEntry(const std::string& caption)
    : QWindow(static_cast<QScreen*>(nullptr))
{
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setTitle(QString::fromStdString(caption));
    const QRect area = screen()->availableGeometry();
    setGeometry(area.x() + area.width() / 2, area.y() + area.height() / 2, 1, 1);
    // The program's windows are activated as they are shown; the entry never takes that away.
    setProperty("_q_showWithoutActivating", true);
    show();
    platform::makeTaskbarEntry(winId());
}

void TaskbarEntry::own(QWidget& window)
{
    window.winId();
    window.windowHandle()->setTransientParent(this);
}

bool TaskbarEntry::event(QEvent* event)
{
    if (event->type() == QEvent::Close) {
        // Ending the program is the main window's close path; the entry itself stays.
        event->ignore();
        if (TopLevelWindow* mainWindow = Application::instance().mainWindow())
            mainWindow->close();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        // Later: the system is still in the middle of activating the entry.
        QMetaObject::invokeMethod(this, &TaskbarEntry::handActivationOn, Qt::QueuedConnection);
    }
    return QWindow::event(event);
}

// The error box first if one is up, else the window that was active, else the main window.
void TaskbarEntry::handActivationOn()
{
    if (QGuiApplication::focusWindow() != this)
        return;
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->activateWindow();
        return;
    }
    Application& application = Application::instance();
    TopLevelWindow* window = application.activeWindow();
    if (!window || !window->isVisible())
        window = application.mainWindow();
    if (window && window->isVisible())
        window->bringBack();
}

} // namespace ui
