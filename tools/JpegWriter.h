#pragma once

#include <QImage>

#include <vector>

// The one JPEG writer of the repository's own files: the artwork generator's pictures and
// photographs, the picture tests' inputs, the benchmarks' photographs and the fuzz seeds. It
// runs libjpeg's compressor with its exact integer transform, so the same image and options
// give the same bytes on every machine.
namespace jpegwriter {

enum class Colours {
    Rgb,
    // The pixels' grey levels (qGray).
    Grey,
    // Inverted CMYK with an Adobe marker, as Adobe applications write it: the colour in C, M
    // and Y, no black.
    AdobeCmyk,
};

struct Options {
    int quality = 75;
    Colours colours = Colours::Rgb;
    bool progressive = false;
    // Huffman tables made for the picture rather than the standard ones (progressive files
    // always have their own).
    bool optimiseCoding = false;
    // The resolution the JFIF header states; 0 leaves libjpeg's "no unit, square pixels".
    int dotsPerInch = 0;
};

std::vector<unsigned char> encode(const QImage& image, const Options& options);

} // namespace jpegwriter
