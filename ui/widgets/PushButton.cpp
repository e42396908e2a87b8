#include "PushButton.h"

#include <QStyleOptionButton>

namespace ui {

bool isActiveButton(const QPushButton& button)
{
    if (button.hasFocus())
        return true;
    const QWidget* focused = button.window()->focusWidget();
    return button.isDefault() && !(focused && focused->inherits("QPushButton"));
}

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

// The style draws the default frame round a face drawn one pixel further in only for a button
// that is both default and may become default on focus; the toolkit's own switching of the
// latter is left out, as the active button follows the window's rule.
void PushButton::initStyleOption(QStyleOptionButton* option) const
{
    QPushButton::initStyleOption(option);
    const auto frame = QStyleOptionButton::DefaultButton | QStyleOptionButton::AutoDefaultButton;
    if (isActiveButton(*this))
        option->features |= frame;
    else
        option->features &= ~frame;
}

} // namespace ui
