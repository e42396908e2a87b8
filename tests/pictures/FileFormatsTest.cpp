#include "pictures/FileFormats.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictures {
namespace {

TEST(FileFormats, HoldsTheSixEntriesInOrder)
{
    const std::vector<FileFormat>& formats = fileFormats();
    ASSERT_EQ(formats.size(), 6U);
    const std::vector<std::pair<std::string, GraphicKind>> expected{
        {"wmf", GraphicKind::Metafile}, {"emf", GraphicKind::Metafile},
        {"ico", GraphicKind::Icon},     {"bmp", GraphicKind::Bitmap},
        {"jpeg", GraphicKind::Jpeg},    {"jpg", GraphicKind::Jpeg}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(formats[i].extension, expected[i].first);
        EXPECT_EQ(formats[i].kind, expected[i].second);
    }
    EXPECT_EQ(formats[1].description, "Enhanced Metafiles");
    EXPECT_EQ(formats[5].description, "JPEG Image File");
}

TEST(FileFormats, FindsExtensionsInAnyCaseAndTheLatestEntryFirst)
{
    EXPECT_EQ(graphicKindForExtension("JPG"), GraphicKind::Jpeg);
    EXPECT_EQ(graphicKindForExtension("JpEg"), GraphicKind::Jpeg);
    EXPECT_EQ(graphicKindForExtension("Bmp"), GraphicKind::Bitmap);
    EXPECT_EQ(graphicKindForExtension("png"), std::nullopt);
    EXPECT_EQ(graphicKindForExtension(""), std::nullopt);

    // The registry lasts for the whole process: the registration runs in a child process of its
    // own, so that no later test sees the extra entry.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            registerFileFormat("EMF", "Later", GraphicKind::Bitmap);
            const bool lowerCased = fileFormats().back().extension == "emf";
            const bool latestWins = graphicKindForExtension("emf") == GraphicKind::Bitmap;
            std::_Exit(lowerCased && latestWins ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(fileFormats().size(), 6U);
    EXPECT_EQ(graphicKindForExtension("emf"), GraphicKind::Metafile);
}

TEST(FileFormats, TakesTheExtensionAfterTheLastDotOfTheFileName)
{
    EXPECT_EQ(pictureExtension("obr\\0\\7.jpg"), "jpg");
    EXPECT_EQ(pictureExtension("obr\\0\\7.tar.JPG"), "JPG");
    EXPECT_EQ(pictureExtension("obr\\0\\7."), "");
    EXPECT_EQ(pictureExtension("obr\\0\\7"), "");
    EXPECT_EQ(pictureExtension("obr.d\\7"), "");
    EXPECT_EQ(pictureExtension("obr.d/7"), "");
    EXPECT_EQ(pictureExtension("c.x:7"), "");
}

} // namespace
} // namespace pictures
