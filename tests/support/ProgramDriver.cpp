#include "tests/support/ProgramDriver.h"

#include "ui/Program.h"
#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"

#include <QTest>
#include <QTimer>

#include <utility>

namespace programdriver {
namespace {

// Events are also handled inside error boxes during start-up; the script waits for the start
// page's modal loop.
void runOnceTheStartPageIsUp(const std::function<void()>& script)
{
    QTimer::singleShot(0, [script] {
        if (ui::startPageWindow && ui::startPageWindow->inModalLoop())
            script();
        else
            runOnceTheStartPageIsUp(script);
    });
}

// The recorder belongs to one run; the next run or test must not reach it.
class RecordedErrorBoxes {
public:
    explicit RecordedErrorBoxes(ui::ErrorBoxRecorder recorder) { ui::setErrorBoxRecorder(std::move(recorder)); }
    ~RecordedErrorBoxes() { ui::setErrorBoxRecorder({}); }
    RecordedErrorBoxes(const RecordedErrorBoxes&) = delete;
    RecordedErrorBoxes& operator=(const RecordedErrorBoxes&) = delete;
};

} // namespace

int runScripted(const std::function<void()>& script, ui::ErrorBoxRecorder recorder)
{
    const RecordedErrorBoxes recorded(std::move(recorder));
    runOnceTheStartPageIsUp(script);
    return ui::runProgram();
}

bool endIntro(int timeoutMilliseconds)
{
    QTimer& timer = *ui::quizWindow->introTimer;
    bool ticked = false;
    const auto connection = QObject::connect(&timer, &QTimer::timeout, [&] { ticked = true; });
    const int interval = timer.interval();
    timer.start(1);
    const bool done = QTest::qWaitFor([&] { return ticked; }, timeoutMilliseconds);
    QObject::disconnect(connection);
    timer.start(interval);
    return done;
}

} // namespace programdriver
