#include "platform/SystemText.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemTextTest, CutsTrailingFullStopsSpacesAndControlCharacters)
{
    EXPECT_EQ(platform::trimSystemText("Access is denied. \r\n"), "Access is denied");
    EXPECT_EQ(platform::trimSystemText("Disk full...\t \x7f"), "Disk full");
    EXPECT_EQ(platform::trimSystemText("Version 2.0 of the file. "), "Version 2.0 of the file");
    EXPECT_EQ(platform::trimSystemText("Not ready!"), "Not ready!");
    EXPECT_EQ(platform::trimSystemText(" . \n"), "");
}

} // namespace
