#include "AnswerEdit.h"

#include <QFocusEvent>

namespace ui {

AnswerEdit::AnswerEdit(QWidget* parent) : QLineEdit(parent) {}

void AnswerEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

// Focus in selects anew (or a click places the cursor), so nothing is lost by dropping the
// selection; the context menu keeps it, as it acts on it.
void AnswerEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        deselect();
}

} // namespace ui
