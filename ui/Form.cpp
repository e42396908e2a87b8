#include "Form.h"

#include "Application.h"

#include "platform/Errors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace ui {

Form::Form()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Which button is the active one follows the focus; the default buttons show it.
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this, [this] {
        for (QAbstractButton* button : defaultButtons_)
            button->update();
    });
}

// Closing while the controls are being destroyed moves the focus once more.
Form::~Form()
{
    disconnect(focusFollower_);
    Application::instance().formDestroyed(*this);
}

void Form::dispatchHandler(const std::function<void()>& handler)
{
    Application::instance().dispatch(handler);
}

void Form::setClientSize(int width, int height)
{
    setFixedSize(std::max(width, 0), std::max(height, 0));
}

void Form::setBackground(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Form::addDefaultButton(QAbstractButton& button)
{
    defaultButtons_.push_back(&button);
    if (auto* pushButton = qobject_cast<QPushButton*>(&button))
        pushButton->setDefault(true);
    button.installEventFilter(this);
}

void Form::moveFocusWithArrows(QWidget& control)
{
    arrowControls_.push_back(&control);
    control.installEventFilter(this);
}

namespace {

bool isEnter(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool withoutModifiers(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

// A focused button would take Enter itself, held modifiers or not; the window's rule decides.
bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (isEnter(keyEvent)) {
        if (withoutModifiers(keyEvent))
            pressEnter();
        return true;
    }
    const int key = keyEvent.key();
    const bool backward = key == Qt::Key_Left || key == Qt::Key_Up;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    auto* control = static_cast<QWidget*>(watched);
    if ((!backward && !forward) || std::ranges::find(arrowControls_, control) == arrowControls_.end())
        return QWidget::eventFilter(watched, event);
    moveFocusAmongSiblings(*control, forward);
    return true;
}

// Siblings in creation order, which is the tab order; tab stop or not, wrapping at the ends.
void Form::moveFocusAmongSiblings(QWidget& from, bool forward)
{
    std::vector<QWidget*> candidates;
    for (QObject* child : from.parentWidget()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && (widget == &from || (widget->focusPolicy() != Qt::NoFocus && widget->isVisible()
                                           && widget->isEnabled())))
            candidates.push_back(widget);
    }
    const auto here = std::find(candidates.begin(), candidates.end(), &from);
    const auto position = static_cast<std::size_t>(here - candidates.begin());
    const std::size_t next = (position + (forward ? 1 : candidates.size() - 1)) % candidates.size();
    candidates[next]->setFocus(Qt::OtherFocusReason);
}

namespace {

// The window manager reports a window's frame only some time after the window is shown, and
// drops it while the window is hidden. All windows of the program wear the same frame, so the
// last one reported stands in until then.
QSize lastKnownFrameExtra(0, 0);

} // namespace

// The window frame and title bar.
QSize Form::frameExtra() const
{
    const QSize reported = frameGeometry().size() - geometry().size();
    if (isVisible() && reported.width() > 0 && reported.height() > 0)
        lastKnownFrameExtra = reported;
    return lastKnownFrameExtra;
}

int Form::outerWidth() const
{
    return width() + frameExtra().width();
}

int Form::outerHeight() const
{
    return height() + frameExtra().height();
}

void Form::setOuterSize(int width, int height)
{
    const QSize extra = frameExtra();
    setClientSize(width - extra.width(), height - extra.height());
}

void Form::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

std::string Form::caption() const
{
    return windowTitle().toStdString();
}

void Form::focusNoControl()
{
    setFocus(Qt::OtherFocusReason);
}

bool Form::focusOnNoControl() const
{
    return !focusWidget() || focusWidget() == this;
}

void Form::releaseFocusFrom(const QWidget& control)
{
    QWidget* focused = focusWidget();
    if (focused && (focused == &control || control.isAncestorOf(focused)))
        focusNoControl();
}

void Form::setControlEnabled(QWidget& control, bool enabled)
{
    if (!enabled)
        releaseFocusFrom(control);
    control.setEnabled(enabled);
}

FormState Form::formState() const
{
    return isMinimized() ? FormState::Minimized : state_;
}

// The window manager may have minimised the window; showing it again undoes that.
void Form::restoreFromMinimised()
{
    if (isVisible())
        showNormal();
    else
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

// Maximising covers the screen's available area at once, so the outer size read right after is
// already the new one, with or without a window manager.
void Form::setFormState(FormState state)
{
    if (state == formState())
        return;
    if (isMinimized())
        restoreFromMinimised();
    if (state == FormState::Minimized) {
        setWindowState(windowState() | Qt::WindowMinimized);
        return;
    }
    if (state == state_)
        return;
    if (state_ == FormState::Normal)
        normalGeometry_ = geometry();
    state_ = state;
    if (state == FormState::Maximized) {
        const QRect area = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
        move(area.topLeft());
        setOuterSize(area.width(), area.height());
    } else {
        setClientSize(normalGeometry_.width(), normalGeometry_.height());
        move(normalGeometry_.topLeft() - (geometry().topLeft() - frameGeometry().topLeft()));
    }
}

void Form::centreOnScreen()
{
    const QRect screenArea = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const int left = std::max(0, (screenArea.width() - outerWidth()) / 2);
    const int top = std::max(0, (screenArea.height() - outerHeight()) / 2);
    move(screenArea.left() + left, screenArea.top() + top);
}

// The frame's size may only be known once the window is on screen; the window is centred again
// then, so that it is its outer rectangle that stands in the middle.
void Form::reveal()
{
    const bool centre = !shownBefore_ && state_ == FormState::Normal;
    shownBefore_ = true;
    if (centre)
        centreOnScreen();
    const QSize frameBefore = frameExtra();
    show();
    if (centre && frameExtra() != frameBefore)
        centreOnScreen();
    centreWhenFrameKnown_ = centre && frameExtra().isNull();
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

std::vector<QPointer<QWidget>> Form::disableVisibleWindows()
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

ModalResult Form::showModal()
{
    if (isVisible() || !isEnabled() || inModalLoop_)
        throw platform::InvalidOperationError("Cannot make a visible window modal");
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    inModalLoop_ = true;
    Application& application = Application::instance();
    const QPointer<Form> previousActive = application.activeForm();
    const QPointer<QWidget> previousFocus = QApplication::focusWidget();
    const std::vector<QPointer<QWidget>> disabled = disableVisibleWindows();

    showForm();
    modalResult_ = ModalResult::None;
    QEventLoop loop;
    modalLoop_ = &loop;
    application.addPump(loop);
    while (modalResult_ == ModalResult::None) {
        loop.exec();
        if (application.terminated())
            modalResult_ = ModalResult::Cancel;
        else if (modalResult_ != ModalResult::None)
            runCloseStep();
    }
    application.removePump(loop);
    modalLoop_ = nullptr;

    hide();
    for (const QPointer<QWidget>& window : disabled) {
        if (window)
            window->setEnabled(true);
    }
    if (application.activeForm() == this && previousActive) {
        previousActive->activateWindow();
        application.activate(*previousActive);
        if (previousFocus)
            previousFocus->setFocus();
    }
    inModalLoop_ = false;
    return modalResult_;
}

void Form::setModalResult(ModalResult result)
{
    modalResult_ = result;
    if (modalLoop_ && result != ModalResult::None)
        modalLoop_->quit();
}

// The modal loop asks the close handler whether the window may really close.
void Form::runCloseStep()
{
    CloseAction action = CloseAction::Hide;
    const bool handled = Application::instance().dispatch([&] { FormClose(action); });
    if (!handled || action == CloseAction::None)
        modalResult_ = ModalResult::None;
}

void Form::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (inModalLoop_) {
        setModalResult(ModalResult::Cancel);
        return;
    }
    Application& application = Application::instance();
    CloseAction action = CloseAction::Hide;
    if (!application.dispatch([&] { FormClose(action); }) || action == CloseAction::None)
        return;
    if (application.mainForm() == this)
        application.terminate();
    else
        hideForm();
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        Application::instance().activate(*this);
    if (event->type() == QEvent::Move && centreWhenFrameKnown_ && !frameExtra().isNull()) {
        centreWhenFrameKnown_ = false;
        centreOnScreen();
    }
    return QWidget::event(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event)) {
        if (withoutModifiers(*event))
            pressEnter();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A focused push button is the active button; otherwise every default button is. Enter presses
// the first active one that can take the focus.
void Form::pressEnter()
{
    auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
    const bool focusOnPushButton = focused && focused->inherits("QPushButton");
    const std::vector<QAbstractButton*> active =
        focusOnPushButton ? std::vector<QAbstractButton*> {focused} : defaultButtons_;
    for (QAbstractButton* button : active) {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
}

} // namespace ui
