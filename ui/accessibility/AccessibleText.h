#pragma once

#include <QAccessibleWidget>

namespace ui {

class Label;

// A label as static text, named by the text it shows.
class AccessibleText : public QAccessibleWidget {
public:
    explicit AccessibleText(Label& label);

    QString text(QAccessible::Text kind) const override;
};

} // namespace ui
