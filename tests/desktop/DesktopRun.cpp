#include "DesktopRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"

#include "quiz/GrassTables.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>
#include <QTest>

using ui::quizWindow;
using ui::startPageWindow;

int DesktopRun::run(const std::function<void()>& script)
{
    return ProgramRun::run([&] {
        script();
        ui::Application::instance().terminate();
    });
}

bool DesktopRun::waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}

void DesktopRun::settle()
{
    QTest::qWait(250);
}

void DesktopRun::startQuiz(bool advanced)
{
    endIntro();
    (advanced ? startPageWindow->advanced : startPageWindow->beginner)->setChecked(true);
    startPageWindow->startButton->click();
    ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow(); }));
}

void DesktopRun::answerAllButTheLast()
{
    while (ui::quizState.questionNumber < static_cast<int>(quiz::ItemCount))
        answer(true);
}

void DesktopRun::playToTheResultScreen()
{
    answerAllButTheLast();
    answer(true);
    ASSERT_TRUE(waitFor([] { return startPageWindow->isActiveWindow() && startPageWindow->resultPanel->isVisible(); }));
}

QRgb DesktopRun::pixelOnScreen(const QWidget& widget, QPoint point)
{
    const QPoint at = x.onScreen(widget, point);
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0);
}

QString DesktopRun::rightName()
{
    const std::string_view name = quiz::SpeciesNames[static_cast<std::size_t>(ui::quizState.currentItem)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
