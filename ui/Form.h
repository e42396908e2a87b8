#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QEventLoop;

namespace ui {

enum class FormState { Normal, Minimized, Maximized };
enum class ModalResult { None, Cancel };
enum class CloseAction { None, Hide };

// A top-level window of the program. It keeps what the program needs of a window beyond what
// the toolkit gives as is: its own window state, a settable outer size (frame included),
// centring on its first showing, the visibility its layout asks for (applied only after its
// creation handler), close requests routed through its close handler, the modal loop, and
// Enter for the default buttons.
class Form : public QWidget {
    Q_OBJECT

public:
    Form();
    ~Form() override;

    // Builds the controls; the creation handler runs afterwards.
    virtual void loadLayout() = 0;
    // The window's event handlers; a window without one of its own does nothing there.
    virtual void FormCreate() {}
    virtual void FormActivate() {}
    virtual void FormClose(CloseAction& action) { (void)action; }
    bool visibleFromLayout() const { return visibleFromLayout_; }

    // Makes the window visible (centred the first time), brings it to the front and makes it
    // the active window.
    void showForm();
    // Makes the window visible (centred the first time) without activating it.
    void reveal();
    void hideForm();

    // The window state as on screen: the window manager may have minimised the window.
    FormState formState() const;
    void setFormState(FormState state);
    int outerWidth() const;
    int outerHeight() const;
    void setOuterSize(int width, int height);
    void setCaption(const std::string& caption);
    std::string caption() const;

    // Leaves no control with the focus, as when the focused one is hidden or disabled: the
    // window itself takes the keys, so Enter presses the default button.
    void focusNoControl();
    bool focusOnNoControl() const;
    // Takes the focus off the control or any control inside it, before it is hidden.
    void releaseFocusFrom(const QWidget& control);
    // Disabling the control that has the focus leaves no control with the focus; the toolkit
    // would hand it on to the next control.
    void setControlEnabled(QWidget& control, bool enabled);

    // Runs the window's modal loop; it carries on while the window is hidden and ends when a
    // modal result is set or the program is terminated.
    ModalResult showModal();
    bool inModalLoop() const { return inModalLoop_; }
    void setModalResult(ModalResult result);

protected:
    // Runs a handler through the application's single dispatch point whenever the signal fires.
    template <class Sender, class Signal>
    void bindEvent(Sender* sender, Signal signal, std::function<void()> handler)
    {
        connect(sender, signal, this, [handler] { dispatchHandler(handler); });
    }
    static void dispatchHandler(const std::function<void()>& handler);

    void setVisibleFromLayout(bool visible) { visibleFromLayout_ = visible; }
    void setClientSize(int width, int height);
    void setBackground(const QColor& colour);
    // A button that Enter presses while the focus is on no push button.
    void addDefaultButton(QAbstractButton& button);
    // The arrow keys move the focus from this control to the previous or next control of its
    // parent, for controls that do not use the arrow keys themselves.
    void moveFocusWithArrows(QWidget& control);
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void centreOnScreen();
    QSize frameExtra() const;
    void runCloseStep();
    std::vector<QPointer<QWidget>> disableVisibleWindows();
    void pressEnter();
    void restoreFromMinimised();
    static void moveFocusAmongSiblings(QWidget& from, bool forward);

    bool visibleFromLayout_ = false;
    bool shownBefore_ = false;
    bool centreWhenFrameKnown_ = false;
    bool inModalLoop_ = false;
    FormState state_ = FormState::Normal; // normal or maximised; minimised is read off the screen
    QRect normalGeometry_;
    ModalResult modalResult_ = ModalResult::None;
    QEventLoop* modalLoop_ = nullptr;
    std::vector<QAbstractButton*> defaultButtons_;
    std::vector<QWidget*> arrowControls_;
    QMetaObject::Connection focusFollower_;
};

} // namespace ui
