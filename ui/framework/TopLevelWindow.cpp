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

Form::Form()
    : QWidget(nullptr, windowHints())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form()
{
    Application::instance().formDestroyed(*this);
}

void Form::dispatchHandler(const std::function<void()>& handler)
{
    Application::instance().dispatch(handler);
}

void Form::setBackground(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Form::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

std::string Form::caption() const
{
    return windowTitle().toStdString();
}

void Form::reveal()
{
    frame_.show(geometry_.keptState() == FormState::Normal);
}

void Form::showForm()
{
    reveal();
    raise();
    activateWindow();
    Application::instance().activate(*this);
}

void Form::hideForm()
{
    hide();
    Application::instance().formHidden(*this);
}

bool Form::closeAllowed()
{
    CloseAction action = CloseAction::Hide;
    return Application::instance().dispatch([&] { FormClose(action); }) && action != CloseAction::None;
}

// Inside the modal loop a close request ends the loop, which asks the close handler itself.
void Form::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (inModalLoop()) {
        setModalResult(ModalResult::Cancel);
        return;
    }
    if (!closeAllowed())
        return;
    Application& application = Application::instance();
    if (application.mainForm() == this)
        application.terminate();
    else
        hideForm();
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        Application::instance().activate(*this);
    if (event->type() == QEvent::Move)
        frame_.windowMoved();
    return QWidget::event(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (!keyboard_.takeEnter(*event))
        QWidget::keyPressEvent(event);
}

} // namespace ui
