#pragma once

#include <QAccessibleWidget>

namespace pictures {
class PictureBox;
}

namespace ui {

// A picture box as an image, with the name and description the window gives it. A box that
// holds no picture shows nothing and is told as not visible.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(pictures::PictureBox& box);

    QAccessible::State state() const override;
};

} // namespace ui
