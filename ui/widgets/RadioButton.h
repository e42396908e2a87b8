#pragma once

#include <QRadioButton>

namespace ui {

// A radio button that is a tab stop only while it is checked, so Tab enters its group at the
// checked one. A click anywhere in its rectangle checks it, not only on its mark and caption.
class RadioButton : public QRadioButton {
    Q_OBJECT

public:
    RadioButton(const QString& text, QWidget* parent);

protected:
    bool hitButton(const QPoint& position) const override;
};

} // namespace ui
