#include "FuzzHarness.h"

#include "pictures/PictureSupport.h"
#include "platform/Errors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace fuzzing {
namespace {

// The messages a picture reader may give for hostile bytes.
bool isPictureMessage(const std::string& message)
{
    static const std::regex allowed("JPEG error #[0-9]+|JPEG error: too many scans for the picture's size"
                                    "|Bitmap image is not valid|Stream read error|Out of system resources");
    return std::regex_match(message, allowed);
}

[[noreturn]] void reject(const char* what, const std::string& message)
{
    std::fprintf(stderr, "fuzz: %s: \"%s\"\n", what, message.c_str());
    std::abort();
}

// The display depth the process runs as, from ZORVENKA_FUZZ_DISPLAY_BITS: 8 takes the paths of
// an 8-bit display (quantised JPEG decoding, halftone drawing); anything else is true colour.
int displayBitsPerPixel()
{
    const char* bits = std::getenv("ZORVENKA_FUZZ_DISPLAY_BITS");
    return bits && std::string(bits) == "8" ? 8 : 32;
}

} // namespace

void setUpOnce()
{
    static QGuiApplication* toolkit = nullptr;
    if (toolkit)
        return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "zorvenka-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: libFuzzer ends the process with exit(), when the toolkit's own statics
    // may already be gone.
    toolkit = new QGuiApplication(argc, argv);
    pictures::setUpPictureSupport(displayBitsPerPixel());
}

void expectOwnOutcome(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::Error& error) {
        if (!isPictureMessage(error.what()))
            reject("unexpected message", error.what());
    } catch (const std::exception& error) {
        reject("foreign exception", error.what());
    }
}

void drawOnce(pictures::Graphic& graphic)
{
    QImage canvas(48, 32, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    graphic.draw(painter, canvas.rect());
}

std::vector<unsigned char> bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {data, data + size};
}

} // namespace fuzzing
