#pragma once

#include <QPushButton>

namespace ui {

// A focused push button is the active one; while the focus is on a control that is no push
// button, the window's default buttons are. Enter presses the active button.
bool isActiveButton(const QPushButton& button);

// A standard push button that wears the thicker default frame while it is the active button.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    PushButton(const QString& text, QWidget* parent);

protected:
    void initStyleOption(QStyleOptionButton* option) const override;
};

} // namespace ui
