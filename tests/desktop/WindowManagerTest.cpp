#include "DesktopRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/framework/ErrorBox.h"
#include "ui/widgets/GroupBox.h"

#include "pictures/PictureBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>

using ui::quizWindow;
using ui::startPageWindow;

namespace {

using WindowManagerTest = DesktopRun;

bool openDetailView(XServer& x, const QWidget& photograph)
{
    x.click(photograph, {photograph.width() / 2, photograph.height() / 2});
    return QTest::qWaitFor([] { return startPageWindow->isActiveWindow() && startPageWindow->caption() == "Detajl"; }, 5000);
}

// Once the window manager has framed the window and Qt knows where the server shows it, a point
// worked out from its frame lands where the server has it.
bool placeKnown(XServer& x, const QWidget& window)
{
    const bool framed = window.frameGeometry().top() < window.geometry().top();
    return framed && x.onScreen(window, {0, 0}) == window.mapToGlobal(QPoint(0, 0));
}

// The theme of the tests' window manager puts the maximise button second from the right of the
// 20-pixel title bar, its middle 25 pixels left of the frame's right edge.
void clickMaximiseButton(XServer& x, const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    x.click(window, window.mapFromGlobal(QPoint(frame.right() - 25, frame.top() + 10)));
}

// Whether the window manager has shown the window as an icon since the recorder was made. The
// window stays iconic only for moments here: the window manager activates the quiz window next,
// which hides the detail view. Qt reads the window's state off the server as soon as it hears of
// the change, before it hears of that activation.
class IconicRecorder {
public:
    explicit IconicRecorder(const QWidget& window)
    {
        QObject::connect(window.windowHandle(), &QWindow::windowStateChanged, &connection_,
                         [this](Qt::WindowState state) { iconic_ = iconic_ || state == Qt::WindowMinimized; });
    }
    bool iconic() const { return iconic_; }

private:
    QObject connection_;
    bool iconic_ = false;
};

TEST_F(WindowManagerTest, ADetailViewTheUserMinimisedComesBackOnTheNextClick)
{
    run([&] {
        startQuiz(false);
        ASSERT_TRUE(openDetailView(x, *quizWindow->plantPhoto));
        const IconicRecorder recorder(*startPageWindow);
        x.minimise(*startPageWindow);
        ASSERT_TRUE(waitFor([&] { return recorder.iconic(); }));
        x.activate(*quizWindow); // the user picks the quiz window in the task bar
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow() && !startPageWindow->isVisible(); }));

        ASSERT_TRUE(openDetailView(x, *quizWindow->plantPhoto));
        EXPECT_FALSE(x.iconic(*startPageWindow));
        EXPECT_EQ(startPageWindow->state(), ui::WindowState::Maximized);
        EXPECT_EQ(startPageWindow->outerWidth(), QGuiApplication::primaryScreen()->availableGeometry().width());
        startPageWindow->close();
    });
}

// The photograph is narrow, so the detail view shows the window's yellow left and right of it.
TEST_F(WindowManagerTest, AfterAFinishedRoundTheDetailViewShowsYellowBesideThePhotograph)
{
    writeFlatPhotograph(0, 0, {100, 400}, Qt::blue);
    run([&] {
        startQuiz(false);
        playToTheResultScreen();
        startPageWindow->againButton->click();
        startPageWindow->startButton->click();
        ASSERT_TRUE(waitFor([] { return quizWindow->isActiveWindow(); }));
        ASSERT_TRUE(quizWindow->plantPhoto->isVisible());
        ASSERT_TRUE(openDetailView(x, *quizWindow->plantPhoto));
        const QPoint left(20, startPageWindow->height() / 2);
        const QPoint right(startPageWindow->width() - 20, startPageWindow->height() / 2);
        const QPoint middle(startPageWindow->width() / 2 + 10, startPageWindow->height() / 2);
        const QRgb yellow = qRgb(255, 255, 0);
        // The window manager may still be giving the window its maximised size.
        waitFor([&] {
            return pixelOnScreen(*startPageWindow, left) == yellow && pixelOnScreen(*startPageWindow, right) == yellow
                   && qBlue(pixelOnScreen(*startPageWindow, middle)) > 200;
        });
        EXPECT_EQ(pixelOnScreen(*startPageWindow, left), yellow);
        EXPECT_EQ(pixelOnScreen(*startPageWindow, right), yellow);
        EXPECT_GT(qBlue(pixelOnScreen(*startPageWindow, middle)), 200);
        startPageWindow->close();
    });
}

// Openbox draws its maximise button on every framed window, with the look of an active one
// even where the window does not allow it; a click on it must leave the fixed windows as they
// are. A window that may be resized shows that the click lands on the button. (The program may
// still centre a window whose frame it has just learnt, so only the size is compared.)
TEST_F(WindowManagerTest, TheWindowsOfferNoMaximiseButton)
{
    run([&] {
        startQuiz(false);
        for (QWidget* window : {static_cast<QWidget*>(quizWindow), static_cast<QWidget*>(startPageWindow)}) {
            if (window == startPageWindow)
                startPageWindow->showResultScreen();
            ASSERT_TRUE(waitFor([&] { return !x.allowedActions(*window).empty(); }));
            const std::vector<std::string> actions = x.allowedActions(*window);
            for (const char* maximise : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
                EXPECT_EQ(std::count(actions.begin(), actions.end(), maximise), 0) << maximise;
            EXPECT_EQ(std::count(actions.begin(), actions.end(), "_NET_WM_ACTION_MINIMIZE"), 1);

            ASSERT_TRUE(waitFor([&] { return placeKnown(x, *window); }));
            const QSize outerSize = window->frameGeometry().size();
            clickMaximiseButton(x, *window);
            settle();
            EXPECT_FALSE(window->isMaximized());
            EXPECT_EQ(window->frameGeometry().size(), outerSize);
        }
        QWidget resizable;
        resizable.resize(300, 100);
        resizable.show();
        ASSERT_TRUE(waitFor([&] { return placeKnown(x, resizable); }));
        clickMaximiseButton(x, resizable);
        EXPECT_TRUE(waitFor([&] { return resizable.isMaximized(); }));
        resizable.close();
        startPageWindow->close();
    });
}

// A folder may be named like markup; the box shows the text as it is.
TEST_F(WindowManagerTest, TheErrorBoxShowsItsTextAsPlainTextAndEnterClosesIt)
{
    ui::setErrorBoxRecorder({});
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
        shown = label->text();
        format = label->textFormat();
        EXPECT_TRUE(waitFor([&] { return box->isActiveWindow(); }));
        x.key("Return");
        if (!waitFor([&] { return !box->isVisible(); })) {
            ADD_FAILURE() << "Enter did not close the error box";
            box->reject();
        }
    });
    ui::showErrorBox("Zorvenka", "Cannot open file \"/tmp/<b>x</b>/0.jpg\"");
    EXPECT_EQ(shown, "Cannot open file \"/tmp/<b>x</b>/0.jpg\"");
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
