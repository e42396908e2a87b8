#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QEventLoop;

namespace ui {

class TaskbarEntry;
class TopLevelWindow;

// The program's application state: its title, the main window, which window is active, the
// terminated flag, and the one place where every event handler runs.
class Application : public QObject {
    Q_OBJECT

public:
    explicit Application(const std::string& programFileName);
    ~Application() override;

    static Application& instance();

    const std::string& title() const { return title_; }

    // Gives the program its one taskbar entry where the taskbar would show each of its windows
    // (see TaskbarEntry); the windows and error boxes made afterwards belong to it.
    void showTaskbarEntry();

    // Runs an event handler; an error it raises is shown in the error box and goes no further.
    // Returns whether it ran to its end.
    bool dispatch(const std::function<void()>& handler);
    // Shows the error box for an error raised outside a handler (while painting), once the
    // current event is done.
    void reportLater(const std::string& message);

    // Allocates a window, loads its layout, runs its creation handler and then applies the
    // visibility its layout asks for. The reference is set before the layout is loaded. The
    // first window created becomes the main window.
    template <class Window>
    void createWindow(Window*& reference)
    {
        reference = new Window;
        adoptWindow(*reference);
    }
    TopLevelWindow* mainWindow() const { return mainWindow_; }

    // Asks the program to end: a quit notification is queued and the caller goes on.
    void terminate();
    bool terminated() const { return terminated_; }

    // Shows the main window and handles events until the terminated flag is set, at least one.
    void runMainLoop();

    // Event pumps that must stop when the program is terminated.
    void addPump(QEventLoop& loop);
    void removePump(QEventLoop& loop);

    // Activation as the program sees it: the quiz window's activation handler runs whenever it
    // becomes the active window, whether the program or the user activated it.
    TopLevelWindow* activeWindow() const { return activeWindow_; }
    void activate(TopLevelWindow& window);
    // The active window was hidden: the most recently active visible window takes its place.
    void windowHidden(TopLevelWindow& window);
    void windowDestroyed(TopLevelWindow& window);

protected:
    bool event(QEvent* event) override;

private:
    void adoptWindow(TopLevelWindow& window);

    static Application* instance_;
    std::string title_;
    TopLevelWindow* mainWindow_ = nullptr;
    TopLevelWindow* activeWindow_ = nullptr;
    std::vector<TopLevelWindow*> activationHistory_; // most recent last
    std::vector<QEventLoop*> pumps_;
    bool terminated_ = false;
    std::unique_ptr<TaskbarEntry> taskbarEntry_;
};

// The application title for a program file name: cut at its first full stop, the first
// character as it is and the rest in lower case ("RIRO.V2.EXE" gives "Riro").
std::string applicationTitle(const std::string& programFileName);

} // namespace ui
