// Many whole rounds on the real windows, offscreen: mixed right and wrong answers at both
// levels, detail views opened and closed. Built with -DZORVENKA_SANITIZE=ON it runs under
// LeakSanitizer, which fails the program on any leak at its end. The resident memory after the
// last round must stay within 5 % of that after the tenth, when every cache has filled.
// ZORVENKA_SOAK_ROUNDS sets the number of rounds (500 when unset).
#include "tests/ui/ProgramRun.h"

#include "pictures/PictureBox.h"
#include "ui/Label.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

using ui::Form1;
using ui::Form2;

namespace {

constexpr int SettledRound = 10;

int roundsToPlay()
{
    const char* rounds = std::getenv("ZORVENKA_SOAK_ROUNDS");
    return rounds ? std::atoi(rounds) : 500;
}

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public ProgramRun {
protected:
    // Opens the detail view of a photograph on display and goes back by a click on it.
    void lookCloserAt(pictures::PictureBox* box)
    {
        if (!box->isVisible())
            return;
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(Form2->isVisible());
        ASSERT_EQ(Form2->caption(), "Detajl");
        Form2->grab();
        QTest::mouseClick(Form2->Image1, Qt::LeftButton);
        ASSERT_FALSE(Form2->isVisible());
    }

    // One round from the start page's level choice to its result screen.
    void playRound(int round)
    {
        QTest::mouseClick(round % 2 == 0 ? Form2->RadioButton1 : Form2->RadioButton2, Qt::LeftButton);
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        int mistakes = 0;
        for (int question = 1; Form1->isVisible(); ++question) {
            if (question % 4 == round % 4)
                lookCloserAt(question % 8 < 4 ? Form1->Image1 : Form1->Image3);
            Form1->grab(); // draws, and so decodes, the photographs on display
            const bool right = (question + round) % 3 != 0;
            mistakes += right ? 0 : 1;
            answer(right);
            if (!right)
                answer(true); // goes on from the correction
        }
        const std::string level = round % 2 == 0 ? "Začátečník" : "Pokročilý";
        ASSERT_EQ(Form2->Label1->text(), level + ": Skore: " + std::to_string(mistakes) + " / 13");
        QTest::mouseClick(Form2->Button3, Qt::LeftButton); // "Znovu": the level choice again
    }
};

TEST_F(Soak, WholeRoundsKeepTheirMemory)
{
    const int rounds = roundsToPlay();
    long settled = 0;
    long last = 0;
    run([&] {
        endIntro();
        for (int round = 1; round <= rounds && !HasFatalFailure(); ++round) {
            playRound(round);
            if (round == std::min(SettledRound, rounds))
                settled = residentKiB();
            if (round % 50 == 0)
                std::printf("round %d: %ld KiB resident\n", round, residentKiB());
        }
        last = residentKiB();
        Form2->close();
    });
    std::printf("%d rounds; resident after round %d: %ld KiB, after the last: %ld KiB\n", rounds,
                std::min(SettledRound, rounds), settled, last);
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_LE(last * 100, settled * 105);
}

} // namespace
