#include "ProgramRun.h"
#include "tests/support/TestSystem.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/framework/Application.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/JpegGraphic.h"
#include "pictures/PictureBox.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ui::quizWindow;
using ui::startPageWindow;

namespace {

using FlowTest = ProgramRun;

void playRoundRight(ProgramRun& run);

const pictures::BitmapGraphic* decodedPhotograph(const pictures::PictureBox& box)
{
    return dynamic_cast<const pictures::JpegGraphic&>(*box.picture().graphic()).decoded();
}

TEST_F(FlowTest, StartsOnTheLevelChoiceAloneCentredAndEndsWhenItIsClosed)
{
    bool checked = false;
    const int status = run([&] {
        checked = true;
        EXPECT_TRUE(startPageWindow->isVisible());
        EXPECT_FALSE(quizWindow->isVisible());
        EXPECT_EQ(startPageWindow->caption(), "Start page");
        EXPECT_TRUE(startPageWindow->beginner->isChecked());
        EXPECT_TRUE(startPageWindow->levelPanel->isVisible());
        EXPECT_FALSE(startPageWindow->resultPanel->isVisible());
        EXPECT_EQ(startPageWindow->size(), QSize(411, 178));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(startPageWindow->frameGeometry().left(), (screen.width() - startPageWindow->outerWidth()) / 2);
        EXPECT_EQ(startPageWindow->frameGeometry().top(), (screen.height() - startPageWindow->outerHeight()) / 2);
        EXPECT_EQ(ui::Application::instance().activeWindow(), startPageWindow);
        startPageWindow->close();
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(quizWindow, nullptr);
    EXPECT_EQ(startPageWindow, nullptr);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, OkWithinFiveSecondsShowsTheIntroPanelUntilTheFirstTick)
{
    run([&] {
        QTest::keyClick(startPageWindow->beginner, Qt::Key_Return);
        EXPECT_TRUE(quizWindow->isVisible());
        EXPECT_FALSE(startPageWindow->isVisible());
        EXPECT_EQ(ui::Application::instance().activeWindow(), quizWindow);
        EXPECT_TRUE(quizWindow->introPanel->isVisible());
        EXPECT_FALSE(quizWindow->answerButton->isEnabled());
        EXPECT_TRUE(quizWindow->pickedAnswer->isVisible());
        EXPECT_FALSE(quizWindow->typedAnswer->isVisible());
        pressEnter(); // the button is still disabled: nothing happens
        EXPECT_EQ(ui::quizState.questionNumber, 1);
        EXPECT_EQ(ui::quizState.mistakeCount, 0);
        endIntro();
        EXPECT_FALSE(quizWindow->introPanel->isVisible());
        EXPECT_TRUE(quizWindow->answerButton->isEnabled());
        quizWindow->close();
    });
    EXPECT_EQ(quizWindow, nullptr);
}

TEST_F(FlowTest, ARoundPlayedByKeyboardEndsOnTheResultScreen)
{
    run([&] {
        endIntro();
        QTest::keyClick(startPageWindow->startButton, Qt::Key_Return);
        playRoundRight(*this);
        EXPECT_FALSE(quizWindow->isVisible());
        EXPECT_TRUE(startPageWindow->isVisible());
        EXPECT_EQ(startPageWindow->caption(), "Start page");
        EXPECT_EQ(startPageWindow->outerWidth(), 392);
        EXPECT_EQ(startPageWindow->outerHeight(), 183);
        EXPECT_TRUE(startPageWindow->resultPanel->isVisible());
        EXPECT_FALSE(startPageWindow->levelPanel->isVisible());
        EXPECT_FALSE(startPageWindow->detailPhoto->isVisible());
        EXPECT_EQ(startPageWindow->detailPhoto->size(), QSize(0, 0));
        EXPECT_EQ(startPageWindow->resultLine->text(), "Začátečník: Skore: 0 / 13");
        EXPECT_EQ(ui::quizState.questionNumber, 1);
        QTest::mouseClick(startPageWindow->endButton, Qt::LeftButton); // "Konec"
    });
    EXPECT_EQ(startPageWindow, nullptr);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, AgainThenOkPlaysTheNextRoundAtTheLevelChosenThen)
{
    run([&] {
        endIntro();
        QTest::keyClick(startPageWindow->startButton, Qt::Key_Return);
        answer(false);
        answer(false); // NEXT after the correction
        playRoundRight(*this);
        EXPECT_EQ(startPageWindow->resultLine->text(), "Začátečník: Skore: 1 / 13");

        QTest::keyClick(startPageWindow->againButton, Qt::Key_Return); // "Znovu" is the default button
        EXPECT_TRUE(startPageWindow->levelPanel->isVisible());
        EXPECT_FALSE(startPageWindow->resultPanel->isVisible());
        EXPECT_EQ(startPageWindow->outerWidth(), 392);
        QTest::mouseClick(startPageWindow->advanced, Qt::LeftButton);
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        EXPECT_TRUE(quizWindow->typedAnswer->isVisible());
        EXPECT_FALSE(quizWindow->pickedAnswer->isVisible());
        EXPECT_EQ(quizWindow->questionNumber->text(), "1. ");
        playRoundRight(*this);
        EXPECT_EQ(startPageWindow->resultLine->text(), "Pokročilý: Skore: 0 / 13");
        startPageWindow->close();
    });
    EXPECT_EQ(quizWindow, nullptr);
}

TEST_F(FlowTest, APhotographOpensInTheDetailViewAsACopyAndAClickGoesBack)
{
    run([&] {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        quizWindow->grab(); // the photographs drawn, so the copy shares their pixels
        const QSize shown(quizWindow->headPhoto->picture().width(), quizWindow->headPhoto->picture().height());
        QTest::mouseClick(quizWindow->headPhoto, Qt::LeftButton);
        EXPECT_TRUE(startPageWindow->isVisible());
        EXPECT_TRUE(quizWindow->isVisible());
        EXPECT_EQ(startPageWindow->caption(), "Detajl");
        EXPECT_EQ(startPageWindow->state(), ui::WindowState::Maximized);
        EXPECT_EQ(startPageWindow->detailPhoto->size(), QSize(startPageWindow->outerWidth(), startPageWindow->outerHeight()));
        EXPECT_EQ(startPageWindow->outerWidth(), QGuiApplication::primaryScreen()->availableGeometry().width());
        EXPECT_FALSE(startPageWindow->wedge->isVisible());
        EXPECT_FALSE(startPageWindow->levelPanel->isVisible());
        EXPECT_FALSE(startPageWindow->resultPanel->isVisible());
        EXPECT_EQ(ui::Application::instance().activeWindow(), startPageWindow);

        // A later load into the quiz window's box leaves the copy as it was.
        quizWindow->headPhoto->picture().loadFromFile("obr\\0\\4.jpg");
        EXPECT_EQ(QSize(startPageWindow->detailPhoto->picture().width(), startPageWindow->detailPhoto->picture().height()), shown);

        ASSERT_NE(decodedPhotograph(*startPageWindow->detailPhoto), nullptr);
        QTest::mouseClick(startPageWindow->detailPhoto, Qt::LeftButton);
        EXPECT_FALSE(startPageWindow->isVisible());
        EXPECT_TRUE(startPageWindow->wedge->isVisibleTo(startPageWindow));
        // The hidden copy lets go of its pixels and keeps its picture.
        EXPECT_EQ(decodedPhotograph(*startPageWindow->detailPhoto), nullptr);
        EXPECT_EQ(QSize(startPageWindow->detailPhoto->picture().width(), startPageWindow->detailPhoto->picture().height()), shown);
        EXPECT_EQ(ui::Application::instance().activeWindow(), quizWindow);
        EXPECT_TRUE(quizWindow->pickedAnswer->isVisible()); // the activation handler ran

        QTest::mouseClick(quizWindow->plantPhoto, Qt::LeftButton); // still maximised: shown so at once
        EXPECT_EQ(startPageWindow->state(), ui::WindowState::Maximized);
        EXPECT_EQ(startPageWindow->caption(), "Detajl");
        startPageWindow->close(); // closing the detail view ends the program
    });
    EXPECT_EQ(startPageWindow, nullptr);
}

TEST_F(FlowTest, ActivatingTheQuizWindowDuringTheDetailViewLeavesTheWedgeHidden)
{
    run([&] {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        quizWindow->grab();
        QTest::mouseClick(quizWindow->plantPhoto, Qt::LeftButton);
        ASSERT_NE(decodedPhotograph(*startPageWindow->detailPhoto), nullptr);
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(quizWindow, &activation);
        EXPECT_EQ(ui::Application::instance().activeWindow(), quizWindow);
        EXPECT_FALSE(startPageWindow->isVisible());
        EXPECT_FALSE(startPageWindow->wedge->isVisibleTo(startPageWindow));
        EXPECT_EQ(decodedPhotograph(*startPageWindow->detailPhoto), nullptr);
        EXPECT_NE(decodedPhotograph(*quizWindow->plantPhoto), nullptr); // the quiz window's own stay
        quizWindow->close();
    });
    EXPECT_EQ(quizWindow, nullptr);
}

TEST_F(FlowTest, ClickingTheEmptyDetailBoxOnTheFirstLevelChoiceDoesNothing)
{
    run([&] {
        QTest::mouseClick(startPageWindow->detailPhoto, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(startPageWindow->isVisible());
        EXPECT_TRUE(startPageWindow->wedge->isVisible());
        startPageWindow->close();
    });
    EXPECT_EQ(startPageWindow, nullptr);
}

TEST_F(FlowTest, EveryOtherClosePathEndsTheProgram)
{
    // The result screen closed by its close button.
    EXPECT_EQ(run([&] {
                  endIntro();
                  QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
                  playRoundRight(*this);
                  startPageWindow->close();
              }),
              0);
    EXPECT_EQ(startPageWindow, nullptr);
    // The quiz window closed in the middle of a correction.
    ui::quizState = {};
    EXPECT_EQ(run([&] {
                  endIntro();
                  QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
                  answer(false);
                  quizWindow->close();
              }),
              0);
    EXPECT_EQ(quizWindow, nullptr);
}

TEST_F(FlowTest, AMissingFirstPhotographIsReportedBeforeTheStartPageAndTheQuizGoesOn)
{
    fs::remove(photograph(0, 0));
    bool startPageExistedAtTheBox = true;
    onErrorBox = [&] { startPageExistedAtTheBox = startPageWindow != nullptr; };
    run([&] {
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_FALSE(startPageExistedAtTheBox);
        EXPECT_EQ(errorBoxes[0].title, ui::Application::instance().title());
        EXPECT_EQ(errorBoxes[0].text,
                  "Cannot open file \"" + photograph(0, 0).string() + "\". " + testsystem::missingFileText() + ".");
        EXPECT_TRUE(startPageWindow->isVisible());
        EXPECT_EQ(quizWindow->questionNumber->text(), "");      // created stopped at the failed load
        EXPECT_TRUE(quizWindow->plantPhoto->isVisibleTo(quizWindow)); // shown just before it
        startPageWindow->close();
    });
}

TEST_F(FlowTest, TheTimerTicksWhileAnErrorBoxIsOpen)
{
    fs::remove(photograph(0, 0));
    bool introEndedDuringTheBox = false;
    onErrorBox = [&] {
        endIntro();
        introEndedDuringTheBox = quizWindow->answerButton->isEnabled() && quizWindow->introPanel->isHidden();
    };
    run([&] { startPageWindow->close(); });
    EXPECT_TRUE(introEndedDuringTheBox);
}

// What a run sets for the whole process goes with it: a picture that fails to draw after the
// run has ended reports to no one, least of all to the ended program.
TEST_F(FlowTest, APaintErrorAfterTheRunReachesNoEndedProgram)
{
    run([&] { startPageWindow->close(); });
    pictures::PictureBox box;
    const unsigned char emptyJpeg[4] = {}; // stored with a count of no bytes
    box.picture().readStoredData(pictures::GraphicKind::Jpeg, emptyJpeg);
    box.grab();
    QTest::qWait(50);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FlowTest, APhotographThatFailsAtItsFirstDrawingIsReportedOnceAfterThePainting)
{
    { std::ofstream empty(photograph(0, 0)); }
    run([&] {
        endIntro();
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        EXPECT_TRUE(errorBoxes.empty()); // the empty file loads; drawing it fails
        quizWindow->grab();
        EXPECT_TRUE(errorBoxes.empty()); // not inside the painting
        EXPECT_TRUE(QTest::qWaitFor([&] { return !errorBoxes.empty(); }, 5000));
        quizWindow->grab();
        QTest::qWait(50);
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_EQ(errorBoxes[0].text, "JPEG error #42.");
        EXPECT_EQ(errorBoxes[0].title, ui::Application::instance().title());
        quizWindow->close();
    });
}

void playRoundRight(ProgramRun& run)
{
    while (quizWindow->isVisible())
        run.answer(true);
}

} // namespace
