#pragma once

#include <QWindow>

#include <string>

class QWidget;

namespace ui {

// The program's one entry in a taskbar that gives every unowned window a button of its own
// (Windows): a window without area in the middle of the screen, captioned with the application
// title and wearing the program's icon, that owns the program's windows and error boxes, so
// that none of them has an entry of its own. Activated from the taskbar, it hands the
// activation on to the program's window that was active; closed from there, it closes the main
// window. Minimised from there, it takes the windows it owns along, as the system does.
class TaskbarEntry : public QWindow {
    Q_OBJECT

public:
    explicit TaskbarEntry(const std::string& caption);

    // Makes the entry the owner of a top-level window.
    void own(QWidget& window);

protected:
    bool event(QEvent* event) override;

private:
    void handActivationOn();
};

} // namespace ui
