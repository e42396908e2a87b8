// Draws Zorvenka's artwork and sample photographs and writes them into a repository-shaped
// folder: assets/, obr/0, obr/2 and the contact sheet docs/contact-sheet.jpg. The same
// program always writes the same bytes (the contact sheet's lettering aside).

#include "ApplicationIcon.h"
#include "ContactSheet.h"
#include "JpegWriter.h"
#include "OutputFolder.h"
#include "PaintedArtwork.h"
#include "Photographs.h"
#include "WedgeBitmap.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>

namespace {

constexpr int ArtworkQuality = 85;
constexpr int PhotographQuality = 80;
constexpr int ContactSheetQuality = 88;

// Baseline JFIF at 96 dots per inch, with Huffman tables made for each picture.
std::vector<unsigned char> encodeJpeg(const QImage& image, int quality)
{
    return jpegwriter::encode(image, {.quality = quality, .optimiseCoding = true, .dotsPerInch = 96});
}

void writeArtwork(const artwork::OutputFolder& out)
{
    out.write("assets/background.jpg", encodeJpeg(artwork::backgroundPicture(), ArtworkQuality));
    out.write("assets/intro.jpg", encodeJpeg(artwork::introPhotograph(), ArtworkQuality));
    out.write("assets/wedge.bmp", artwork::wedgeBitmap());
    out.write("assets/zorvenka.ico", artwork::applicationIcon());
}

void writePhotographs(const artwork::OutputFolder& out)
{
    artwork::ContactSheet sheet;
    for (const artwork::Photograph& photograph : artwork::allPhotographs()) {
        const QImage image = photograph.draw();
        out.write(photograph.path(), encodeJpeg(image, PhotographQuality));
        sheet.add(photograph, image);
    }
    out.write("docs/contact-sheet.jpg", encodeJpeg(sheet.image(), ContactSheetQuality));
}

} // namespace

int main(int argc, char** argv)
{
    // Nothing is shown: the offscreen platform is enough for the contact sheet's lettering.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: zorvenka-artwork <folder to write into, normally the repository>\n";
        return 2;
    }
    try {
        const artwork::OutputFolder out(QString::fromLocal8Bit(argv[1]));
        writeArtwork(out);
        writePhotographs(out);
    } catch (const std::exception& error) {
        std::cerr << "zorvenka-artwork: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
