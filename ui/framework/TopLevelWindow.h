#pragma once

#include "ModalLoop.h"
#include "WindowFrame.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

#include <QWidget>

#include <functional>
#include <string>

namespace ui {

enum class CloseAction { None, Hide };

// A top-level window of the program: its event handlers, run through the application's
// dispatch point; its showing, hiding and activation; the visibility its layout asks for
// (applied only after its creation handler); and close requests routed through its close
// handler. It composes what the program needs of a window beyond what the toolkit gives as is:
// its frame and centring, its state and outer size, its modal loop and its keyboard rules.
class TopLevelWindow : public QWidget {
    Q_OBJECT

public:
    TopLevelWindow();
    ~TopLevelWindow() override;

    // Builds the controls; the creation handler runs afterwards.
    virtual void loadLayout() = 0;
    // The window's event handlers; a window without one of its own does nothing there.
    virtual void created() {}
    virtual void activated() {}
    virtual void closeRequested(CloseAction& action) { (void)action; }
    bool visibleFromLayout() const { return visibleFromLayout_; }
    // Asks the close handler whether the window may close.
    bool closeAllowed();

    // Makes the window visible (centred the first time), brings it to the front and makes it
    // the active window.
    void showWindow();
    // Makes the window visible (centred the first time) without activating it.
    void reveal();
    void hideWindow();
    // Brings the visible window back to the front as the active window, restored if the user
    // minimised it.
    void bringBack();

    WindowState state() const { return geometry_.state(); }
    void setState(WindowState state) { geometry_.setState(state); }
    int outerWidth() const { return geometry_.outerSize().width(); }
    int outerHeight() const { return geometry_.outerSize().height(); }
    void setOuterSize(int width, int height) { geometry_.setOuterSize(width, height); }
    void setCaption(const std::string& caption);
    std::string caption() const;

    void focusNoControl() { keys_.focusNoControl(); }
    bool focusOnNoControl() const { return keys_.focusOnNoControl(); }
    void releaseFocusFrom(const QWidget& control) { keys_.releaseFocusFrom(control); }
    void setControlEnabled(QWidget& control, bool enabled) { keys_.setControlEnabled(control, enabled); }
    QAbstractButton* enterButton() const { return keys_.enterButton(); }

    ModalResult showModal() { return modalLoop_.run(); }
    bool inModalLoop() const { return modalLoop_.running(); }
    void setModalResult(ModalResult result) { modalLoop_.setResult(result); }

protected:
    // Runs a handler through the application's single dispatch point whenever the signal fires.
    template <class Sender, class Signal>
    void bindEvent(Sender* sender, Signal signal, std::function<void()> handler)
    {
        connect(sender, signal, this, [handler] { dispatchHandler(handler); });
    }
    static void dispatchHandler(const std::function<void()>& handler);

    void setVisibleFromLayout(bool visible) { visibleFromLayout_ = visible; }
    void setClientSize(int width, int height) { geometry_.setClientSize(width, height); }
    void setBackground(const QColor& colour);
    void addDefaultButton(QAbstractButton& button) { keys_.addDefaultButton(button); }
    void moveFocusWithArrows(QWidget& control) { keys_.moveFocusWithArrows(control); }

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool visibleFromLayout_ = false;
    WindowFrame frame_ {*this};
    WindowGeometry geometry_ {*this, frame_};
    WindowKeys keys_ {*this};
    ModalLoop modalLoop_ {*this};
};

} // namespace ui
