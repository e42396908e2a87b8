#pragma once

#include "XServer.h"

#include "../ui/ProgramRun.h"

#include <QColor>
#include <QString>

#include <functional>

// The whole program on the virtual desktop; input goes through the X server.
class DesktopRun : public ProgramRun {
protected:
    // Runs the program with the script, and ends it afterwards even when a check gave up
    // half-way.
    int run(const std::function<void()>& script);
    // Waits up to five seconds for the condition, handling events meanwhile.
    static bool waitFor(const std::function<bool()>& condition);
    // Lets the program take what the server has sent it when nothing visible is to change.
    static void settle();

    // Chooses the level on the start page and shows the quiz window, past its intro.
    void startQuiz(bool advanced);
    // Answers every question right but the last, directly in the controls.
    void answerAllButTheLast();
    // Answers questions right, directly in the controls, up to the result screen.
    void playToTheResultScreen();
    // One pixel of the widget as the X server shows it.
    QRgb pixelOnScreen(const QWidget& widget, QPoint point);
    // The name of the grass on display.
    static QString rightName();

    XServer x;
};
