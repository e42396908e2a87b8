// Decoding a 12-megapixel photograph through JpegGraphic's first drawing against a bare libjpeg
// decode of the same bytes with the same parameters, and painting an already decoded picture
// into a photograph box, whose cost must follow the box's size, not the picture's.
#include "pictures/JpegGraphic.h"
#include "pictures/Placement.h"
#include "tests/pictures/TestImages.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

using testimages::Bytes;

// A baseline JPEG with photograph-like detail: smooth gradients under fine pseudo-random grain.
Bytes makePhotograph(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    unsigned seed = 12345;
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

// 12 megapixels, or 0.3 for the small one; made once per run.
const Bytes& photograph(bool large)
{
    static const Bytes twelveMegapixels = makePhotograph(4000, 3000);
    static const Bytes vga = makePhotograph(640, 480);
    return large ? twelveMegapixels : vga;
}

void drawInto(pictures::Graphic& graphic, QImage& canvas, const QRect& rect)
{
    QPainter painter(&canvas);
    graphic.draw(painter, rect);
}

void JpegGraphicFirstDraw(benchmark::State& state)
{
    const Bytes& bytes = photograph(true);
    QImage canvas(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        auto graphic = std::make_unique<pictures::JpegGraphic>();
        graphic->readBytes(bytes);
        state.ResumeTiming();
        drawInto(*graphic, canvas, canvas.rect());
        state.PauseTiming();
        graphic.reset();
        state.ResumeTiming();
    }
}

// The same decode with no glue: parameters as JpegGraphic sets them, rows into plain memory.
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

void BareLibjpegDecode(benchmark::State& state)
{
    const Bytes& bytes = photograph(true);
    for (auto _ : state) {
        auto* pixels = static_cast<unsigned char*>(std::malloc(std::size_t{4000} * 3000 * 4));
        decodeBare(bytes, pixels);
        benchmark::DoNotOptimize(pixels);
        state.PauseTiming();
        std::free(pixels);
        state.ResumeTiming();
    }
}

// A decoded photograph painted centred and shrunk into the quiz's 393 × 480 box.
void PaintDecodedIntoBox(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    pictures::JpegGraphic graphic;
    graphic.readBytes(photograph(width == 4000));
    QImage box(393, 480, QImage::Format_ARGB32_Premultiplied);
    const QRect rect = pictures::destinationRect(QSize(width, height), box.size(),
                                                 {.center = true, .proportional = true});
    drawInto(graphic, box, rect);
    for (auto _ : state)
        drawInto(graphic, box, rect);
}

BENCHMARK(JpegGraphicFirstDraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BareLibjpegDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PaintDecodedIntoBox)->Args({4000, 3000})->Args({640, 480})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
