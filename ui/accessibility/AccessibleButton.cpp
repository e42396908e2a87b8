#include "AccessibleButton.h"

#include "ui/framework/TopLevelWindow.h"

#include <QPushButton>

namespace ui {

AccessibleButton::AccessibleButton(QPushButton& button) : QAccessibleWidget(&button, QAccessible::PushButton) {}

QPushButton& AccessibleButton::button() const
{
    return *static_cast<QPushButton*>(widget());
}

QString AccessibleButton::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    return button().text();
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button().isDown();
    const auto* window = qobject_cast<const TopLevelWindow*>(button().window());
    state.defaultButton = window && window->enterButton() == &button();
    return state;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (button().isEnabled())
        names.prepend(pressAction());
    return names;
}

void AccessibleButton::doAction(const QString& action)
{
    if (action == pressAction() && button().isEnabled())
        button().click();
    else
        QAccessibleWidget::doAction(action);
}

} // namespace ui
