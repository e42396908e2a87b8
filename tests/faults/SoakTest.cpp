// Many whole rounds on the real windows, offscreen: mixed right and wrong answers at both
// levels, detail views opened and closed. Built with -DZORVENKA_SANITIZE=ON it runs under
// LeakSanitizer, which fails the program on any leak at its end. The resident memory after the
// last round must stay within 5 % of that after the tenth, when every cache has filled.
// ZORVENKA_SOAK_ROUNDS sets the number of rounds (500 when unset).
#include "tests/support/TestSystem.h"
#include "tests/ui/ProgramRun.h"

#include "pictures/PictureBox.h"
#include "platform/Memory.h"
#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/widgets/Label.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

using ui::quizWindow;
using ui::startPageWindow;

namespace {

constexpr int SettledRound = 10;

int roundsToPlay()
{
    const char* rounds = std::getenv("ZORVENKA_SOAK_ROUNDS");
    return rounds ? std::atoi(rounds) : 500;
}

class Soak : public ProgramRun {
protected:
    // Opens the detail view of a photograph on display and goes back by a click on it.
    void lookCloserAt(pictures::PictureBox* box)
    {
        if (!box->isVisible())
            return;
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(startPageWindow->isVisible());
        ASSERT_EQ(startPageWindow->caption(), "Detajl");
        startPageWindow->grab();
        QTest::mouseClick(startPageWindow->detailPhoto, Qt::LeftButton);
        ASSERT_FALSE(startPageWindow->isVisible());
    }

    // From the start page's level choice to the first question, drawn, with its first
    // photograph looked at closer: from here on every round holds the same pictures, so that
    // memory is measured in the same state each time.
    void beginRound(int round)
    {
        QTest::mouseClick(round % 2 == 0 ? startPageWindow->beginner : startPageWindow->advanced, Qt::LeftButton);
        QTest::mouseClick(startPageWindow->startButton, Qt::LeftButton);
        ASSERT_TRUE(quizWindow->isVisible());
        quizWindow->grab();
        lookCloserAt(quizWindow->plantPhoto);
    }

    // The questions of the round, to its result screen and back to the level choice.
    void playQuestions(int round)
    {
        int mistakes = 0;
        for (int question = 1; quizWindow->isVisible(); ++question) {
            if (question > 1 && question % 4 == round % 4)
                lookCloserAt(question % 8 < 4 ? quizWindow->plantPhoto : quizWindow->headPhoto);
            const bool right = (question + round) % 3 != 0;
            mistakes += right ? 0 : 1;
            answer(right);
            if (!right)
                answer(true); // goes on from the correction
            // The script runs inside one event; between two answers a user gives the event loop
            // its turn, and what was posted to it (updates, exposures) is handled.
            QCoreApplication::processEvents();
            quizWindow->grab(); // draws, and so decodes, the photographs on display
        }
        const std::string level = round % 2 == 0 ? "Začátečník" : "Pokročilý";
        ASSERT_EQ(startPageWindow->resultLine->text(), level + ": Skore: " + std::to_string(mistakes) + " / 13");
        QTest::mouseClick(startPageWindow->againButton, Qt::LeftButton); // "Znovu": the level choice again
    }
};

TEST_F(Soak, WholeRoundsKeepTheirMemory)
{
    const int rounds = roundsToPlay();
    const int settledRound = std::min(SettledRound, rounds);
    long settled = 0;
    long last = 0;
    // As the program's entry does: photographs decoded on worker threads would otherwise stay
    // in those threads' heaps, by the allocator's whim.
    platform::returnLargeBlocksToTheSystem();
    run([&] {
        endIntro();
        for (int round = 1; round <= rounds + 1 && !HasFatalFailure(); ++round) {
            beginRound(round);
            if (round == settledRound + 1)
                settled = testsystem::residentKiB();
            if (round % 50 == 1)
                std::printf("after round %d: %ld KiB resident\n", round - 1, testsystem::residentKiB());
            if (round <= rounds)
                playQuestions(round);
        }
        last = testsystem::residentKiB();
        quizWindow->close();
    });
    std::printf("%d rounds; resident after round %d: %ld KiB, after the last: %ld KiB\n", rounds,
                settledRound, settled, last);
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_LE(last * 100, settled * 105);
}

} // namespace
