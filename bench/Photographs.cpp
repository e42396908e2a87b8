#include "Photographs.h"

#include "tests/support/TestImages.h"

#include <QImage>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace benchphotos {

namespace fs = std::filesystem;

Bytes makePhotograph(int width, int height, unsigned seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245 + 12345;
            const int grain = static_cast<int>(seed >> 27) - 16;
            row[x] = qRgb(std::clamp(x * 200 / width + grain + 30, 0, 255),
                          std::clamp(y * 180 / height + grain + 40, 0, 255),
                          std::clamp((x + y) % 256 / 2 + grain + 60, 0, 255));
        }
    }
    return testimages::encodeJpeg(image);
}

void writeFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

namespace {

void writeFolder(const fs::path& folder, const Bytes& photograph)
{
    fs::create_directories(folder);
    const fs::path first = folder / "0.jpg";
    writeFile(first, photograph);
    for (int item = 1; item < 13; ++item)
        fs::create_hard_link(first, folder / (std::to_string(item) + ".jpg"));
}

} // namespace

void writePhotographFolders(const fs::path& folder, int width, int height)
{
    writeFolder(folder / "obr" / "0", makePhotograph(width, height, 12345));
    writeFolder(folder / "obr" / "2", makePhotograph(width, height, 67890));
}

Bytes readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void decodeBare(const Bytes& bytes, unsigned char* pixels)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.do_block_smoothing = TRUE;
    cinfo.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = std::size_t{cinfo.output_width} * 4;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[4];
        const JDIMENSION count = std::min<JDIMENSION>(
            std::min(cinfo.rec_outbuf_height, 4), cinfo.output_height - cinfo.output_scanline);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = pixels + (cinfo.output_scanline + i) * stride;
        jpeg_read_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

} // namespace benchphotos
