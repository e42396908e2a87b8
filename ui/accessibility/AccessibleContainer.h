#pragma once

#include <QAccessibleWidget>

namespace ui {

class GroupBox;

// A window or a panel, whose children are its controls less the decoration.
class AccessibleContainer : public QAccessibleWidget {
public:
    AccessibleContainer(QWidget* widget, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidgetList controls() const;
};

// A group box as a grouping, named by its caption without the spaces that pad it; a panel
// without a caption is named by the texts it holds, one a line.
class AccessiblePanel : public AccessibleContainer {
public:
    explicit AccessiblePanel(GroupBox& panel);

    QString text(QAccessible::Text kind) const override;

private:
    QString heldTexts() const;
};

} // namespace ui
