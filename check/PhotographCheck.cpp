#include "PhotographCheck.h"

#include "pictures/JpegGraphic.h"
#include "pictures/Picture.h"
#include "platform/Files.h"
#include "quiz/GrassTables.h"
#include "quiz/QuizTexts.h"
#include "ui/PhotographBoxes.h"
#include "ui/framework/ErrorBox.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
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

// Loads and draws the photograph once, as the quiz's first painting of its box does (which
// decodes it); an error comes out as the quiz's would.
void loadAndDraw(pictures::Picture& picture, const std::string& programPath)
{
    picture.loadFromFile(programPath);
    QImage canvas(1, 1, QImage::Format_RGB32);
    QPainter painter(&canvas);
    picture.graphic()->draw(painter, canvas.rect());
}

std::string shareInFile(int percent)
{
    return percent == 0 ? "less than 1 %" : "only " + std::to_string(percent) + " %";
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
    if (jpeg && jpeg->percentInFile() < 100)
        line += "; its file ends early: " + shareInFile(jpeg->percentInFile())
            + " of the picture is in it, the rest shows grey";
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

// What a walk through obr/ found besides the quiz's files: each file the quiz does not read,
// and each folder that could not be listed, with the reason.
struct Listing {
    std::vector<fs::path> unread;
    std::vector<std::pair<fs::path, std::string>> unlisted;
};

bool isAmong(const std::vector<fs::path>& files, const fs::path& path)
{
    return std::any_of(files.begin(), files.end(), [&](const fs::path& file) {
        std::error_code ignored;
        return fs::equivalent(file, path, ignored);
    });
}

// Goes on past a folder that cannot be listed, so one closed folder hides nothing else.
// Folders reached through links are passed over, so a link cannot lead the walk in a circle.
void list(const fs::path& folder, const std::vector<fs::path>& read, Listing& listing)
{
    std::error_code error;
    for (auto entry = fs::directory_iterator(folder, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_directory(ignored)) {
            if (!entry->is_symlink(ignored))
                list(entry->path(), read, listing);
        } else if (!isAmong(read, entry->path())) {
            listing.unread.push_back(entry->path());
        }
    }
    if (error)
        listing.unlisted.emplace_back(folder, error.message());
}

// Everything under obr/ (found as the quiz finds the folders of its photographs) that is none
// of the files the quiz reads, sorted.
Listing otherFiles(const std::vector<fs::path>& read)
{
    Listing listing;
    const fs::path folder = fs::path(platform::foundFolder("obr")).make_preferred();
    std::error_code error;
    if (fs::is_directory(folder, error))
        list(folder, read, listing);
    std::sort(listing.unread.begin(), listing.unread.end());
    std::sort(listing.unlisted.begin(), listing.unlisted.end());
    return listing;
}

void printListing(const Listing& listing, std::ostream& out)
{
    for (const auto& [folder, reason] : listing.unlisted)
        out << folder.string() << ": cannot be read (" << reason
            << "), so its files are not listed\n";
    for (const fs::path& path : listing.unread)
        out << path.string() << ": never shown: the quiz does not read this file\n";
}

} // namespace

bool checkPhotographs(std::ostream& out)
{
    const std::vector<Photograph> all = photographs();
    std::vector<fs::path> read;
    int failed = 0;
    for (const Photograph& photograph : all) {
        const fs::path path = fs::path(platform::nativePath(photograph.programPath)).make_preferred();
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
    const Listing listing = otherFiles(read);
    printListing(listing, out);
    if (failed == 0)
        out << "All " << all.size() << " photographs will show";
    else
        out << failed << " of " << all.size() << " photographs will not show";
    if (!listing.unlisted.empty())
        out << "; the list of files the quiz does not read is incomplete";
    out << ".\n";
    return failed == 0;
}

} // namespace check
