#include "AccessibleText.h"

#include "ui/widgets/Label.h"

namespace ui {

AccessibleText::AccessibleText(Label& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}

QString AccessibleText::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    return QString::fromStdString(static_cast<const Label*>(widget())->text());
}

} // namespace ui
