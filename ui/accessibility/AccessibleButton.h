#pragma once

#include <QAccessibleWidget>

class QPushButton;

namespace ui {

// A push button of the program's windows, named by its caption. It is told as the default
// button exactly while Enter would press it, by the window's own rule, and it can be pressed.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QPushButton& button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    QPushButton& button() const;
};

} // namespace ui
