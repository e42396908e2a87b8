#include "CommittedFiles.h"
#include "DrawnPicture.h"
#include "JpegFrame.h"

#include "pictures/Picture.h"
#include "ui/PhotographBoxes.h"

#include <QDir>
#include <gtest/gtest.h>

#include <numeric>

namespace {

using committed::PhotographFile;

// Works in the repository root, so the photographs are loaded by the very paths the quiz builds.
class Photographs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(committed::root()))); }
    void TearDown() override { QDir::setCurrent(previous_); }

private:
    QString previous_ = QDir::currentPath();
};

bool fitsInside(QSize picture, QSize box)
{
    return picture.width() <= box.width() && picture.height() <= box.height();
}

TEST_F(Photographs, EachLoadsByItsQuizPathAsAJpegAndDecodes)
{
    for (const PhotographFile& file : committed::photographs()) {
        SCOPED_TRACE(file.path);
        pictures::Picture picture;
        ASSERT_NO_THROW(picture.loadFromFile(file.programPath));
        EXPECT_EQ(picture.graphic()->kind(), pictures::GraphicKind::Jpeg);
        // Folder 0 shows the whole plant upright, folder 2 the head across.
        if (file.folder == 0)
            EXPECT_GT(picture.height(), picture.width());
        else
            EXPECT_GT(picture.width(), picture.height());
        EXPECT_NO_THROW(drawnPixels(picture));
    }
}

TEST_F(Photographs, AreBaselineJfifFilesOfThreeEightBitComponents)
{
    for (const PhotographFile& file : committed::photographs()) {
        const JpegFrame frame = readJpegFrame(committed::read(file.path));
        EXPECT_EQ(frame.frameMarker, 0xC0) << file.path;
        EXPECT_EQ(frame.precision, 8) << file.path;
        EXPECT_EQ(frame.components, 3) << file.path;
        EXPECT_TRUE(frame.jfif) << file.path;
    }
}

// The samples must include pictures that have to be shrunk into the quiz window's boxes and
// pictures that are only centred.
TEST_F(Photographs, SomeAreLargerAndSomeSmallerThanTheirBoxes)
{
    for (const auto& [folder, box] :
         {std::pair{0, ui::PlantPhotoBounds.size()}, std::pair{2, ui::HeadPhotoBounds.size()}}) {
        int inside = 0;
        int larger = 0;
        for (const PhotographFile& file : committed::photographs()) {
            if (file.folder != folder)
                continue;
            pictures::Picture picture;
            picture.loadFromFile(file.programPath);
            ++(fitsInside(QSize(picture.width(), picture.height()), box) ? inside : larger);
        }
        EXPECT_GT(inside, 0) << "folder " << folder;
        EXPECT_GT(larger, 0) << "folder " << folder;
    }
}

TEST_F(Photographs, TogetherStayUnderEightMegabytes)
{
    const auto& files = committed::photographs();
    const std::size_t total = std::accumulate(files.begin(), files.end(), std::size_t{0},
        [](std::size_t sum, const PhotographFile& file) { return sum + committed::read(file.path).size(); });
    EXPECT_LT(total, std::size_t{8} << 20);
}

} // namespace
