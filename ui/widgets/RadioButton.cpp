#include "RadioButton.h"

namespace ui {

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QRadioButton::toggled, this,
            [this](bool checked) { setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); });
}

bool RadioButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace ui
