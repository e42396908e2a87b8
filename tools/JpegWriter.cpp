#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace jpegwriter {
namespace {

void setInputColours(jpeg_compress_struct& cinfo, Colours colours)
{
    switch (colours) {
    case Colours::Rgb:
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        break;
    case Colours::Grey:
        cinfo.input_components = 1;
        cinfo.in_color_space = JCS_GRAYSCALE;
        break;
    case Colours::AdobeCmyk:
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_CMYK;
        break;
    }
}

void setOptions(jpeg_compress_struct& cinfo, const Options& options)
{
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive)
        jpeg_simple_progression(&cinfo);
    cinfo.optimize_coding = options.optimiseCoding ? TRUE : FALSE;
    cinfo.dct_method = JDCT_ISLOW; // the exact integer transform: the same on every processor
    if (options.dotsPerInch > 0) {
        cinfo.density_unit = 1; // dots per inch
        cinfo.X_density = static_cast<UINT16>(options.dotsPerInch);
        cinfo.Y_density = static_cast<UINT16>(options.dotsPerInch);
    }
}

// One row of samples in the input colour space, from a row of 8-bit red, green and blue.
std::vector<JSAMPLE> samplesOf(const uchar* rgb, int width, Colours colours)
{
    if (colours == Colours::Rgb)
        return {rgb, rgb + 3 * width};
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x, rgb += 3) {
        if (colours == Colours::Grey)
            row.push_back(static_cast<JSAMPLE>(qGray(rgb[0], rgb[1], rgb[2])));
        else
            row.insert(row.end(), {rgb[0], rgb[1], rgb[2], 255});
    }
    return row;
}

} // namespace

std::vector<unsigned char> encode(const QImage& image, const Options& options)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    // The standard handler reports the fault and ends the process: a generator or a test that
    // cannot write its pictures has nothing better to do.
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    setInputColours(cinfo, options.colours);
    jpeg_set_defaults(&cinfo);
    setOptions(cinfo, options);

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        std::vector<JSAMPLE> samples = samplesOf(rgb.constScanLine(y), rgb.width(), options.colours);
        JSAMPROW row = samples.data();
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

} // namespace jpegwriter
