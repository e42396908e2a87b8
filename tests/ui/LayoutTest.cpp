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

using ui::Form1;
using ui::Form2;

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
        EXPECT_EQ(Form1->Label1->geometry(), QRect(787, 8, 40, 19));  // "Název"
        EXPECT_EQ(Form1->Label6->geometry(), QRect(787, 66, 16, 19)); // "1. "
        EXPECT_EQ(Form1->Label3->geometry(), QRect(8, 24, 4, 19));
        EXPECT_EQ(Form1->Label7->geometry(), QRect(8, 0, 52, 19));    // "  Chyb: "
        EXPECT_EQ(Form1->Label2->pos(), QPoint(818, 559));
        EXPECT_EQ(Form1->Label2->height(), 22);
        EXPECT_EQ(Form2->Label1->geometry(), QRect(24, 32, 6, 24));
        Form2->close();
    });
}

TEST_F(LayoutTest, ControlsStandWhereTheLayoutsPutThem)
{
    run([] {
        EXPECT_EQ(Form1->size(), QSize(966, 579));
        EXPECT_EQ(Form1->Image5->geometry(), QRect(0, 0, 969, 585));
        EXPECT_EQ(Form1->Image1->geometry(), QRect(384, 95, 393, 480));
        EXPECT_EQ(Form1->Image3->geometry(), QRect(664, 97, 294, 476));
        EXPECT_EQ(Form1->GroupBox3->geometry(), QRect(8, 0, 761, 89));
        EXPECT_EQ(Form1->Edit1->geometry(), QRect(787, 32, 169, 25));
        EXPECT_EQ(Form1->ComboBox1->geometry(), QRect(787, 33, 169, 27));
        EXPECT_EQ(Form1->BitBtn1->geometry(), QRect(881, 66, 75, 25));
        EXPECT_EQ(Form1->GroupBox1->geometry(), QRect(-2, -8, 960, 609));
        EXPECT_EQ(Form1->Image8->geometry(), QRect(477, 13, 496, 585));
        EXPECT_EQ(Form1->Image7->geometry(), QRect(176, 0, 449, 601));
        EXPECT_EQ(Form1->caption(), "Zorvenka");

        EXPECT_EQ(Form2->Image6->geometry(), QRect(289, -20, 121, 201));
        EXPECT_EQ(Form2->GroupBox1->geometry(), QRect(24, 24, 337, 105));
        EXPECT_EQ(Form2->RadioButton1->geometry(), QRect(16, 32, 113, 17));
        EXPECT_EQ(Form2->RadioButton2->geometry(), QRect(16, 72, 113, 17));
        EXPECT_EQ(Form2->Button1->geometry(), QRect(248, 72, 75, 25));
        EXPECT_EQ(Form2->Button2->geometry(), QRect(248, 72, 75, 25));
        EXPECT_EQ(Form2->Button3->geometry(), QRect(160, 72, 75, 25));
        Form2->close();
    });
}

} // namespace
