#pragma once

#include <QObject>

#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace ui {

// A window's keyboard rules beyond the toolkit's, and "no control has the focus", which is the
// window itself holding it. Return or Enter with no modifier presses the first active button
// that can take the focus: a focused push button, or else the default buttons in the order
// they were added. The arrow keys move the focus among a control's siblings in creation order.
class WindowKeys : public QObject {
public:
    explicit WindowKeys(QWidget& window);

    // A button that Enter presses while the focus is on no push button.
    void addDefaultButton(QAbstractButton& button);
    // The arrow keys move the focus from this control to the previous or next control of its
    // parent, for controls that do not use the arrow keys themselves.
    void moveFocusWithArrows(QWidget& control);
    // A key that reached the window itself; returns whether the rule took it.
    bool takeEnter(const QKeyEvent& event);
    // The button Enter would press now, if any.
    QAbstractButton* enterButton() const;

    // Leaves no control with the focus, as when the focused one is hidden or disabled: the
    // window itself takes the keys, so Enter presses the default button.
    void focusNoControl();
    bool focusOnNoControl() const;
    // Takes the focus off the control or any control inside it, before it is hidden.
    void releaseFocusFrom(const QWidget& control);
    // Disabling the control that has the focus leaves no control with the focus; the toolkit
    // would hand it on to the next control.
    void setControlEnabled(QWidget& control, bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isArrowControl(const QWidget& control) const;
    static void moveFocusAmongSiblings(QWidget& from, bool forward);

    QWidget& window_;
    std::vector<QAbstractButton*> defaultButtons_;
    std::vector<QWidget*> arrowControls_;
};

} // namespace ui
