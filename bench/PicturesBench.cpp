// Decoding a 12-megapixel photograph through JpegGraphic's first drawing against a bare libjpeg
// decode of the same bytes with the same parameters; the same photograph tagged as a phone tags a
// portrait picture (Exif orientation 6, a quarter turn clockwise) against it untagged; and painting an already decoded picture
// into a photograph box, whose cost must follow the box's size, not the picture's.
#include "Photographs.h"

#include "tests/support/TestImages.h"

#include "pictures/JpegGraphic.h"
#include "pictures/Placement.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using benchphotos::Bytes;
using benchphotos::makePhotograph;

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

// The 12-megapixel photograph tagged 6: stored 4000 × 3000, shown 3000 × 4000.
const Bytes& portraitPhotograph()
{
    static const Bytes tagged = testimages::withOrientation(photograph(true), 6);
    return tagged;
}

void firstDraw(benchmark::State& state, const Bytes& bytes)
{
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

void JpegGraphicFirstDraw(benchmark::State& state)
{
    firstDraw(state, photograph(true));
}

void TurnedFirstDraw(benchmark::State& state)
{
    firstDraw(state, portraitPhotograph());
}

void BareLibjpegDecode(benchmark::State& state)
{
    const Bytes& bytes = photograph(true);
    for (auto _ : state) {
        auto* pixels = static_cast<unsigned char*>(std::malloc(std::size_t{4000} * 3000 * 4));
        benchphotos::decodeBare(bytes, pixels);
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
BENCHMARK(TurnedFirstDraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BareLibjpegDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PaintDecodedIntoBox)->Args({4000, 3000})->Args({640, 480})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
