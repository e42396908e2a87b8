#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QEventLoop;

namespace ui {

class Application;
class TopLevelWindow;

enum class ModalResult { None, Cancel };

// A window's modal loop, on a nested event loop: it disables exactly the windows that are
// visible and enabled when it starts, carries on while its window is hidden, and ends when a
// modal result is set (and the window's close handler agrees) or the program is terminated.
class ModalLoop {
public:
    explicit ModalLoop(TopLevelWindow& window) : window_(window) {}

    ModalResult run();
    bool running() const { return running_; }
    void setResult(ModalResult result);

private:
    void pumpUntilResult(Application& application);
    static std::vector<QPointer<QWidget>> disableVisibleWindows();
    static void enableAgain(const std::vector<QPointer<QWidget>>& windows);

    TopLevelWindow& window_;
    bool running_ = false;
    ModalResult result_ = ModalResult::None;
    QEventLoop* loop_ = nullptr;
};

} // namespace ui
