#include "ui/framework/Application.h"
#include "ui/framework/ErrorBox.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBoxTextTest, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ui::errorBoxText("Stream read error"), "Stream read error.");
    EXPECT_EQ(ui::errorBoxText("JPEG error #53"), "JPEG error #53.");
    EXPECT_EQ(ui::errorBoxText("Really?"), "Really?.");
    EXPECT_EQ(ui::errorBoxText("Done."), "Done.");
    EXPECT_EQ(ui::errorBoxText("Unknown picture file extension (.)"), "Unknown picture file extension (.)");
    EXPECT_EQ(ui::errorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ui::errorBoxText("Trailing "), "Trailing ");
    EXPECT_EQ(ui::errorBoxText(""), "");
}

TEST(ApplicationTitleTest, CutsAtTheFirstFullStopAndLowerCasesAllButTheFirstCharacter)
{
    EXPECT_EQ(ui::applicationTitle("RIRO.V2.EXE"), "Riro");
    EXPECT_EQ(ui::applicationTitle("zorvenka"), "zorvenka");
    EXPECT_EQ(ui::applicationTitle("ZÁŘE"), "Záře");
}

} // namespace
