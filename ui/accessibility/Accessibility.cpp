#include "Accessibility.h"

#include "AccessibleButton.h"
#include "AccessibleContainer.h"
#include "AccessiblePicture.h"
#include "AccessibleText.h"

#include "ui/framework/TopLevelWindow.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/PictureBox.h"

#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace ui {
namespace {

constexpr char DecorationProperty[] = "zorvenkaDecoration";

// Asked for each class of the object's ancestry in turn, the object's own class first; the
// answer depends on the object alone.
QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<TopLevelWindow*>(widget))
        return new AccessibleContainer(widget, QAccessible::Window);
    if (auto* panel = qobject_cast<GroupBox*>(widget))
        return new AccessiblePanel(*panel);
    if (auto* label = qobject_cast<Label*>(widget))
        return new AccessibleText(*label);
    if (auto* box = qobject_cast<pictures::PictureBox*>(widget))
        return new AccessiblePicture(*box);
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button && qobject_cast<TopLevelWindow*>(button->window()))
        return new AccessibleButton(*button);
    return nullptr;
}

void announce(QWidget& panel)
{
    QAccessibleEvent nameChanged(&panel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(&panel, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// The handlers show a panel before they write its texts, so the announcement waits for the
// event loop.
class Announcer : public QObject {
public:
    explicit Announcer(QWidget& panel) : QObject(&panel) { panel.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> panel = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, this, [panel] {
                if (panel && panel->isVisible())
                    announce(*panel);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

void markAsDecoration(QWidget& widget)
{
    widget.setProperty(DecorationProperty, true);
}

bool isDecoration(const QWidget& widget)
{
    return widget.property(DecorationProperty).toBool();
}

void announceWhenShown(QWidget& panel)
{
    new Announcer(panel);
}

} // namespace ui
