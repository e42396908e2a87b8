#include "AccessibleContainer.h"

#include "Accessibility.h"

#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

namespace ui {

AccessibleContainer::AccessibleContainer(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

// In creation order, which is also the order of the tab stops.
QWidgetList AccessibleContainer::controls() const
{
    QWidgetList controls;
    for (QObject* object : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (control && !control->isWindow() && !isDecoration(*control))
            controls.append(control);
    }
    return controls;
}

int AccessibleContainer::childCount() const
{
    return static_cast<int>(controls().size());
}

QAccessibleInterface* AccessibleContainer::child(int index) const
{
    const QWidgetList children = controls();
    if (index < 0 || index >= children.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return static_cast<int>(controls().indexOf(qobject_cast<QWidget*>(child->object())));
}

AccessiblePanel::AccessiblePanel(GroupBox& panel) : AccessibleContainer(&panel, QAccessible::Grouping) {}

QString AccessiblePanel::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name)
        return AccessibleContainer::text(kind);
    const QString caption = static_cast<const GroupBox*>(widget())->caption().trimmed();
    return caption.isEmpty() ? heldTexts() : caption;
}

QString AccessiblePanel::heldTexts() const
{
    QStringList texts;
    for (QObject* object : widget()->children()) {
        if (auto* label = qobject_cast<const Label*>(object))
            texts.append(QString::fromStdString(label->text()));
    }
    return texts.join('\n');
}

} // namespace ui
