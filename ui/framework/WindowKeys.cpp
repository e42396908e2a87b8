#include "WindowKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace ui {
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

// Which button is the active one follows the focus; the default buttons show it. The
// connection ends with this object, before the window's controls are destroyed, which moves
// the focus once more.
WindowKeys::WindowKeys(QWidget& window)
    : window_(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this] {
        for (QAbstractButton* button : defaultButtons_)
            button->update();
    });
}

void WindowKeys::addDefaultButton(QAbstractButton& button)
{
    defaultButtons_.push_back(&button);
    if (auto* pushButton = qobject_cast<QPushButton*>(&button))
        pushButton->setDefault(true);
    button.installEventFilter(this);
}

void WindowKeys::moveFocusWithArrows(QWidget& control)
{
    arrowControls_.push_back(&control);
    control.installEventFilter(this);
}

bool WindowKeys::takeEnter(const QKeyEvent& event)
{
    if (!isEnter(event))
        return false;
    QAbstractButton* button = withoutModifiers(event) ? enterButton() : nullptr;
    if (button)
        button->click();
    return true;
}

// A focused button would take Enter itself, held modifiers or not; the window's rule decides.
bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    if (takeEnter(keyEvent))
        return true;
    const int key = keyEvent.key();
    const bool backward = key == Qt::Key_Left || key == Qt::Key_Up;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    auto& control = static_cast<QWidget&>(*watched);
    if ((!backward && !forward) || !isArrowControl(control))
        return QObject::eventFilter(watched, event);
    moveFocusAmongSiblings(control, forward);
    return true;
}

bool WindowKeys::isArrowControl(const QWidget& control) const
{
    return std::ranges::find(arrowControls_, &control) != arrowControls_.end();
}

// Siblings in creation order, which is the tab order; tab stop or not, wrapping at the ends.
void WindowKeys::moveFocusAmongSiblings(QWidget& from, bool forward)
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

// A focused push button is the active button; otherwise every default button is. Enter presses
// the first active one that can take the focus.
QAbstractButton* WindowKeys::enterButton() const
{
    auto* focused = qobject_cast<QAbstractButton*>(window_.focusWidget());
    const bool focusOnPushButton = focused && focused->inherits("QPushButton");
    const std::vector<QAbstractButton*> active =
        focusOnPushButton ? std::vector<QAbstractButton*> {focused} : defaultButtons_;
    for (QAbstractButton* button : active) {
        if (button->isVisible() && button->isEnabled())
            return button;
    }
    return nullptr;
}

void WindowKeys::focusNoControl()
{
    window_.setFocus(Qt::OtherFocusReason);
}

bool WindowKeys::focusOnNoControl() const
{
    return !window_.focusWidget() || window_.focusWidget() == &window_;
}

void WindowKeys::releaseFocusFrom(const QWidget& control)
{
    QWidget* focused = window_.focusWidget();
    if (focused && (focused == &control || control.isAncestorOf(focused)))
        focusNoControl();
}

void WindowKeys::setControlEnabled(QWidget& control, bool enabled)
{
    if (!enabled)
        releaseFocusFrom(control);
    control.setEnabled(enabled);
}

} // namespace ui
