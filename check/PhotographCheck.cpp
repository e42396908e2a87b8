#include "PhotographCheck.h"

#include "pictures/JpegGraphic.h"
#include "pictures/Picture.h"
#include "platform/Files.h"
#include "quiz/GrassTables.h"
#include "quiz/QuizTexts.h"
#include "ui/QuizWindow.h"
#include "ui/framework/ErrorBox.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace check {
namespace {

namespace fs = std::filesystem;

// A photograph above this many pixels keeps a question waiting for its decoding (about a
// quarter of a second on a small machine) and takes 4 bytes a pixel while it is shown; a
// phone's 12 megapixels already fill any screen.
constexpr int SlowPixels = 24'000'000;

// How each Exif orientation turns a picture for showing.
const char* const Turns[] = {"", "", "mirrored", "a half turn", "flipped", "transposed",
                             "a quarter turn clockwise", "transversed",
                             "a quarter turn anticlockwise"};

struct Photograph {
    std::string programPath; // as the quiz writes it: obr\0\7.jpg
    QSize box;
};

// The quiz's photographs in the order of its tables: every item of folder 0, then of folder 2.
std::vector<Photograph> photographs()
{
    std::vector<Photograph> all;
    for (std::int32_t item = 0; item < quiz::ItemCount; ++item) {
        if (quiz::HasPlantPhoto[item])
            all.push_back({quiz::photographPath(0, item), ui::PlantPhotoBounds.size()});
    }
    for (std::int32_t item = 0; item < quiz::ItemCount; ++item) {
        if (quiz::HasHeadPhoto[item])
            all.push_back({quiz::photographPath(2, item), ui::HeadPhotoBounds.size()});
    }
    return all;
}

// The path as this system writes it ("obr/0/7.jpg" here, "obr\0\7.jpg" on Windows).
fs::path shownPath(std::string programPath)
{
    std::replace(programPath.begin(), programPath.end(), '\\', '/');
    return fs::path(programPath).make_preferred();
}

// Loads and draws the photograph once, as the quiz's first painting of its box does (which
// decodes it); an error comes out as the quiz's would.
void loadAndDraw(pictures::Picture& picture, const std::string& programPath)
{
    picture.loadFromFile(programPath);
    QImage canvas(1, 1, QImage::Format_RGB32);
    QPainter painter(&canvas);
    picture.graphic()->draw(painter, canvas.rect());
}

std::string describe(const pictures::Picture& picture, QSize box, const fs::path& path,
                     const fs::path& found)
{
    const int width = picture.width();
    const int height = picture.height();
    std::string line = "fine, " + std::to_string(width) + " x " + std::to_string(height);
    const auto* jpeg = dynamic_cast<const pictures::JpegGraphic*>(picture.graphic());
    const int orientation = jpeg && jpeg->data() ? jpeg->data()->orientation : 1;
    if (orientation != 1)
        line += std::string("; shown upright: its camera tag asks for ") + Turns[orientation];
    if (found != path)
        line += "; found as " + found.string() + ", by ignoring capitals";
    if (width < box.width() && height < box.height())
        line += "; smaller than its box (" + std::to_string(box.width()) + " x "
            + std::to_string(box.height()) + "), so shown small";
    if (std::int64_t{width} * height > SlowPixels)
        line += "; large (" + std::to_string(std::int64_t{width} * height / 1'000'000)
            + " megapixels), so slow to show: 12 megapixels is plenty";
    return line;
}

// Every file under obr/ that is none of the files the quiz reads, sorted.
std::vector<fs::path> unreadFiles(const std::vector<fs::path>& read)
{
    std::vector<fs::path> unread;
    std::error_code error;
    if (!fs::is_directory("obr", error))
        return unread;
    for (auto entry = fs::recursive_directory_iterator("obr", error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (entry->is_directory(error))
            continue;
        const bool isRead = std::any_of(read.begin(), read.end(), [&](const fs::path& file) {
            std::error_code ignored;
            return fs::equivalent(file, entry->path(), ignored);
        });
        if (!isRead)
            unread.push_back(entry->path());
    }
    std::sort(unread.begin(), unread.end());
    return unread;
}

} // namespace

bool checkPhotographs(std::ostream& out)
{
    const std::vector<Photograph> all = photographs();
    std::vector<fs::path> read;
    int failed = 0;
    for (const Photograph& photograph : all) {
        const fs::path path = shownPath(photograph.programPath);
        const fs::path found =
            fs::path(platform::foundPath(photograph.programPath)).make_preferred();
        read.push_back(found);
        pictures::Picture picture;
        try {
            loadAndDraw(picture, photograph.programPath);
        } catch (const std::exception& error) {
            out << path.string() << ": error: " << ui::errorBoxText(error.what()) << '\n';
            ++failed;
            continue;
        }
        out << path.string() << ": " << describe(picture, photograph.box, path, found) << '\n';
    }
    for (const fs::path& path : unreadFiles(read))
        out << path.string() << ": never shown: the quiz does not read this file\n";
    if (failed == 0)
        out << "All " << all.size() << " photographs will show.\n";
    else
        out << failed << " of " << all.size() << " photographs will not show.\n";
    return failed == 0;
}

} // namespace check
