#pragma once

#include <QLineEdit>

namespace ui {

// The advanced level's typed answer: it selects all its text when it receives the focus in any
// way but a click on it (Tab, the arrow keys, its window becoming active again), and shows no
// selection while it has no focus.
class AnswerEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerEdit(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace ui
