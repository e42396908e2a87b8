#include "AccessiblePicture.h"

#include "pictures/PictureBox.h"

namespace ui {

AccessiblePicture::AccessiblePicture(pictures::PictureBox& box) : QAccessibleWidget(&box, QAccessible::Graphic) {}

QAccessible::State AccessiblePicture::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!static_cast<const pictures::PictureBox*>(widget())->picture().graphic())
        state.invisible = true;
    return state;
}

} // namespace ui
