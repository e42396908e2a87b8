#include "ProgramRun.h"

#include "ui/QuizWindow.h"
#include "ui/StartPageWindow.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/Label.h"

#include "pictures/PictureBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using ui::quizWindow;
using ui::startPageWindow;

namespace {

using LayoutTest = ProgramRun;

TEST(FontTest, LinesAreAsHighAsTheLayoutsAreMeasuredIn)
{
    EXPECT_EQ(ui::lineHeight(ui::quizFont()), 19);
    EXPECT_EQ(ui::lineHeight(ui::hintFont()), 22);
    EXPECT_EQ(ui::lineHeight(ui::resultFont()), 24);
    EXPECT_EQ(ui::lineHeight(ui::startPageFont()), 13);
}

TEST_F(LayoutTest, LabelsTakeTheSizeOfTheirTexts)
{
    run([] {
        EXPECT_EQ(quizWindow->nameCaption->geometry(), QRect(787, 8, 40, 19));  // "Název"
        EXPECT_EQ(quizWindow->questionNumber->geometry(), QRect(787, 66, 16, 19)); // "1. "
        EXPECT_EQ(quizWindow->rightName->geometry(), QRect(8, 24, 4, 19));
        EXPECT_EQ(quizWindow->mistakeCount->geometry(), QRect(8, 0, 52, 19));    // "  Chyb: "
        EXPECT_EQ(quizWindow->enlargeHint->pos(), QPoint(818, 559));
        EXPECT_EQ(quizWindow->enlargeHint->height(), 22);
        EXPECT_EQ(startPageWindow->resultLine->geometry(), QRect(24, 32, 6, 24));
        startPageWindow->close();
    });
}

TEST_F(LayoutTest, ControlsStandWhereTheLayoutsPutThem)
{
    run([] {
        EXPECT_EQ(quizWindow->size(), QSize(966, 579));
        EXPECT_EQ(quizWindow->background->geometry(), QRect(0, 0, 969, 585));
        EXPECT_EQ(quizWindow->plantPhoto->geometry(), QRect(384, 95, 393, 480));
        EXPECT_EQ(quizWindow->headPhoto->geometry(), QRect(664, 97, 294, 476));
        EXPECT_EQ(quizWindow->correctionPanel->geometry(), QRect(8, 0, 761, 89));
        EXPECT_EQ(quizWindow->typedAnswer->geometry(), QRect(787, 32, 169, 25));
        EXPECT_EQ(quizWindow->pickedAnswer->geometry(), QRect(787, 33, 169, 27));
        EXPECT_EQ(quizWindow->answerButton->geometry(), QRect(881, 66, 75, 25));
        EXPECT_EQ(quizWindow->introPanel->geometry(), QRect(-2, -8, 960, 609));
        EXPECT_EQ(quizWindow->introWedge->geometry(), QRect(477, 13, 496, 585));
        EXPECT_EQ(quizWindow->introPhoto->geometry(), QRect(176, 0, 449, 601));
        EXPECT_EQ(quizWindow->caption(), "Zorvenka");

        EXPECT_EQ(startPageWindow->wedge->geometry(), QRect(289, -20, 121, 201));
        EXPECT_EQ(startPageWindow->levelPanel->geometry(), QRect(24, 24, 337, 105));
        EXPECT_EQ(startPageWindow->beginner->geometry(), QRect(16, 32, 113, 17));
        EXPECT_EQ(startPageWindow->advanced->geometry(), QRect(16, 72, 113, 17));
        EXPECT_EQ(startPageWindow->startButton->geometry(), QRect(248, 72, 75, 25));
        EXPECT_EQ(startPageWindow->endButton->geometry(), QRect(248, 72, 75, 25));
        EXPECT_EQ(startPageWindow->againButton->geometry(), QRect(160, 72, 75, 25));
        startPageWindow->close();
    });
}

} // namespace
