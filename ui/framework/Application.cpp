#include "Application.h"

#include "ErrorBox.h"
#include "TaskbarEntry.h"
#include "TopLevelWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QString>

#include <algorithm>
#include <exception>

namespace ui {
namespace {

const QEvent::Type QuitNotification = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

Application* Application::instance_ = nullptr;

std::string applicationTitle(const std::string& programFileName)
{
    const QString name = QString::fromStdString(programFileName.substr(0, programFileName.find('.')));
    if (name.isEmpty())
        return {};
    return (name.left(1) + name.mid(1).toLower()).toStdString();
}

Application::Application(const std::string& programFileName)
    : title_(applicationTitle(programFileName))
{
    instance_ = this;
}

Application::~Application()
{
    instance_ = nullptr;
}

void Application::showTaskbarEntry()
{
    taskbarEntry_ = std::make_unique<TaskbarEntry>(title_);
}

Application& Application::instance()
{
    return *instance_;
}

bool Application::dispatch(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        showErrorBox(title_, error.what(), taskbarEntry_.get());
        return false;
    }
}

void Application::reportLater(const std::string& message)
{
    QMetaObject::invokeMethod(
        this, [this, message] { showErrorBox(title_, message, taskbarEntry_.get()); }, Qt::QueuedConnection);
}

void Application::adoptWindow(TopLevelWindow& window)
{
    if (taskbarEntry_)
        taskbarEntry_->own(window);
    window.loadLayout();
    dispatch([&] { window.created(); });
    if (!mainWindow_)
        mainWindow_ = &window;
    if (window.visibleFromLayout())
        window.reveal();
}

void Application::terminate()
{
    QCoreApplication::postEvent(this, new QEvent(QuitNotification));
}

bool Application::event(QEvent* event)
{
    if (event->type() != QuitNotification)
        return QObject::event(event);
    terminated_ = true;
    for (QEventLoop* pump : pumps_)
        pump->quit();
    return true;
}

void Application::addPump(QEventLoop& loop)
{
    pumps_.push_back(&loop);
}

void Application::removePump(QEventLoop& loop)
{
    std::erase(pumps_, &loop);
}

void Application::runMainLoop()
{
    if (mainWindow_)
        mainWindow_->reveal();
    if (terminated_) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    addPump(loop);
    loop.exec();
    removePump(loop);
}

void Application::activate(TopLevelWindow& window)
{
    if (activeWindow_ == &window)
        return;
    activeWindow_ = &window;
    std::erase(activationHistory_, &window);
    activationHistory_.push_back(&window);
    dispatch([&] { window.activated(); });
}

void Application::windowHidden(TopLevelWindow& window)
{
    if (activeWindow_ != &window)
        return;
    activeWindow_ = nullptr;
    for (auto it = activationHistory_.rbegin(); it != activationHistory_.rend(); ++it) {
        if (*it != &window && (*it)->isVisible()) {
            TopLevelWindow& next = **it;
            next.activateWindow();
            activate(next);
            return;
        }
    }
}

void Application::windowDestroyed(TopLevelWindow& window)
{
    std::erase(activationHistory_, &window);
    if (activeWindow_ == &window)
        activeWindow_ = nullptr;
    if (mainWindow_ == &window)
        mainWindow_ = nullptr;
}

} // namespace ui
