#pragma once

#include <QRadioButton>

namespace ui {

// A radio button that is a tab stop only while it is checked, so Tab enters its group at the
// checked one.
class RadioButton : public QRadioButton {
    Q_OBJECT

public:
    RadioButton(const QString& text, QWidget* parent);
};

} // namespace ui
