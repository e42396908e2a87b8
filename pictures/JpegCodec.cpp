#include "JpegCodec.h"

#include "PictureSettings.h"
#include "platform/Errors.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

// The functions that call into libjpeg hold only objects with trivial destructors, because
// libjpeg's error exit leaves them with longjmp. Each returns a status that is turned into an
// exception only after it has returned.
namespace pictures {
namespace {

constexpr int Succeeded = 0;
constexpr int OutOfResources = -1;
constexpr int TooManyScans = -2;

// Enough for libjpeg's decompression buffers of any picture under MaxImagePixels.
constexpr long MaxDecoderMemory = 1L << 30;
// Rows are read as many at a time as libjpeg suggests (rec_outbuf_height, a few), up to this.
constexpr int MaxRowsPerRead = 16;
// libjpeg walks the whole picture once for every scan, so a progressive file's decoding work
// grows with its scans times its pixels. The standard progressive scripts use at most ten scans
// for a three-colour picture; this allows twice as many at the pixel cap and, for smaller
// pictures, as many more as keep the work the same: a second or two on a small machine.
constexpr std::uint64_t MaxScanWork = 20 * MaxImagePixels;

constexpr const char* TooManyScansMessage = "JPEG error: too many scans for the picture's size";

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

struct ScanLimit {
    jpeg_progress_mgr base;
    int maxScans;
};

extern "C" {

[[noreturn]] void exitWithError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(errors->jump, 1);
}

// Warnings (a stream that ends early, recoverable damage) are ignored.
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}
void ignoreFormat(j_common_ptr, char* buffer)
{
    buffer[0] = '\0';
}

void resetErrors(j_common_ptr cinfo)
{
    cinfo->err->num_warnings = 0;
    cinfo->err->msg_code = 0;
}

// libjpeg reports progress before it reads on, so a file is refused as soon as it starts the
// first scan past its limit.
void refuseExcessScans(j_common_ptr cinfo)
{
    const auto* limit = reinterpret_cast<const ScanLimit*>(cinfo->progress);
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= limit->maxScans)
        return;
    cinfo->err->msg_code = TooManyScans;
    cinfo->err->error_exit(cinfo);
}

} // extern "C"

jpeg_error_mgr* installErrorHandlers(ErrorManager& errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = exitWithError;
    errors.base.emit_message = ignoreMessage;
    errors.base.output_message = ignoreOutput;
    errors.base.format_message = ignoreFormat;
    errors.base.reset_error_mgr = resetErrors;
    errors.base.jpeg_message_table = nullptr;
    errors.base.last_jpeg_message = 0;
    errors.base.trace_level = 0;
    return &errors.base;
}

int failAndDestroy(jpeg_decompress_struct& cinfo, int status)
{
    jpeg_destroy_decompress(&cinfo);
    return status;
}

void openStream(jpeg_decompress_struct& cinfo, std::span<const unsigned char> bytes)
{
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
}

int runReadHeader(jpeg_decompress_struct& cinfo, ErrorManager& errors,
                  std::span<const unsigned char> bytes, JpegSize& size)
{
    cinfo.err = installErrorHandlers(errors);
    if (setjmp(errors.jump))
        return failAndDestroy(cinfo, errors.base.msg_code);
    openStream(cinfo, bytes);
    size.width = static_cast<int>(cinfo.image_width);
    size.height = static_cast<int>(cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return Succeeded;
}

// The colour spaces libjpeg delivers by default that the decoded image can hold.
bool canHold(J_COLOR_SPACE space)
{
    return space == JCS_GRAYSCALE || space == JCS_RGB || space == JCS_CMYK;
}

void setDecodingParameters(jpeg_decompress_struct& cinfo, int outputDepth)
{
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.do_block_smoothing = TRUE;
    if (cinfo.out_color_space == JCS_GRAYSCALE
        || (outputDepth == 8 && cinfo.out_color_space == JCS_RGB)) {
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 236;
        // One pass delivers rows as it decodes them, so a damaged file keeps the rows before the
        // damage; the two-pass quantiser would decode the whole picture before the first row.
        cinfo.two_pass_quantize = FALSE;
    } else if (cinfo.out_color_space == JCS_RGB) {
        // Straight into the layout of QImage::Format_RGB32, so drawing needs no conversion.
        cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    }
    // CMYK and YCCK come out as four-byte CMYK pixels, converted row by row.
}

QList<QRgb> paletteOf(const jpeg_decompress_struct& cinfo)
{
    QList<QRgb> palette;
    palette.reserve(cinfo.actual_number_of_colors);
    const bool grey = cinfo.out_color_components == 1;
    for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
        if (grey)
            palette.append(qRgb(cinfo.colormap[0][i], cinfo.colormap[0][i], cinfo.colormap[0][i]));
        else
            palette.append(qRgb(cinfo.colormap[0][i], cinfo.colormap[1][i], cinfo.colormap[2][i]));
    }
    return palette;
}

// Sizes the image once libjpeg knows the output. Never throws: a failure comes back as false.
bool allocateImage(const jpeg_decompress_struct& cinfo, QImage& image) noexcept
{
    try {
        const bool indexed = cinfo.quantize_colors;
        QImage sized(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                     indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
        if (sized.isNull())
            return false;
        if (indexed)
            sized.setColorTable(paletteOf(cinfo));
        image.swap(sized);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Turns a row of CMYK pixels into RGB32 in place; `ink` is what full ink reads as (see readRows).
void convertCmykRow(unsigned char* row, JDIMENSION width, int ink)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        const int c = row[0] ^ ink, m = row[1] ^ ink, y = row[2] ^ ink, k = row[3] ^ ink;
        const QRgb colour = qRgb(c * k / 255, m * k / 255, y * k / 255);
        *reinterpret_cast<QRgb*>(row) = colour;
    }
}

void readRows(jpeg_decompress_struct& cinfo, unsigned char* firstRow, qsizetype rowStep)
{
    const int rowsPerRead = std::min(cinfo.rec_outbuf_height, MaxRowsPerRead);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    // Adobe applications write CMYK inverted (0 is full ink); others write it as is.
    const int ink = cinfo.saw_Adobe_marker ? 0 : 255;
    JSAMPROW rows[MaxRowsPerRead];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const int count = static_cast<int>(
            std::min<JDIMENSION>(rowsPerRead, cinfo.output_height - first));
        for (int i = 0; i < count; ++i)
            rows[i] = firstRow + (first + i) * rowStep;
        const JDIMENSION delivered = jpeg_read_scanlines(&cinfo, rows, count);
        for (JDIMENSION i = 0; cmyk && i < delivered; ++i)
            convertCmykRow(rows[i], cinfo.output_width, ink);
    }
}

void limitScans(jpeg_decompress_struct& cinfo, ScanLimit& limit)
{
    limit.base.progress_monitor = refuseExcessScans;
    limit.maxScans = maxJpegScans(static_cast<int>(cinfo.image_width),
                                  static_cast<int>(cinfo.image_height));
    cinfo.progress = &limit.base;
}

int runDecode(jpeg_decompress_struct& cinfo, ErrorManager& errors, ScanLimit& limit,
              std::span<const unsigned char> bytes, int outputDepth, QImage& image)
{
    cinfo.err = installErrorHandlers(errors);
    if (setjmp(errors.jump))
        return failAndDestroy(cinfo, errors.base.msg_code);
    openStream(cinfo, bytes);
    if (!canHold(cinfo.out_color_space))
        return failAndDestroy(cinfo, JERR_CONVERSION_NOTIMPL);
    if (std::uint64_t{cinfo.image_width} * cinfo.image_height > MaxImagePixels)
        return failAndDestroy(cinfo, OutOfResources);
    limitScans(cinfo, limit);
    setDecodingParameters(cinfo, outputDepth);
    jpeg_start_decompress(&cinfo);
    if (!allocateImage(cinfo, image))
        return failAndDestroy(cinfo, OutOfResources);
    readRows(cinfo, image.bits(), image.bytesPerLine());
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Succeeded;
}

// Rows that a failed decode never reached are white, like the rest of a newly sized bitmap.
void whitenFrom(QImage& image, int firstRow)
{
    if (image.isNull())
        return;
    const uint white = image.format() == QImage::Format_Indexed8
        ? static_cast<uint>(image.colorCount() - 1) // the one-pass quantiser's map ends on white
        : qRgb(255, 255, 255);
    for (int y = std::max(firstRow, 0); y < image.height(); ++y) {
        if (image.format() == QImage::Format_Indexed8)
            std::fill_n(image.scanLine(y), image.width(), static_cast<uchar>(white));
        else
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), white);
    }
}

[[noreturn]] void throwFailure(int status)
{
    if (status == OutOfResources || status == JERR_OUT_OF_MEMORY
        || status == JERR_NO_BACKING_STORE)
        throw platform::OutOfResourcesError();
    if (status == TooManyScans)
        throw platform::JpegError(TooManyScansMessage);
    throw platform::JpegError("JPEG error #" + std::to_string(status));
}

} // namespace

int maxJpegScans(int width, int height)
{
    const std::uint64_t pixels = std::max<std::uint64_t>(std::uint64_t(width) * height, 1);
    return static_cast<int>(std::min<std::uint64_t>(MaxScanWork / pixels, INT_MAX));
}

JpegSize readJpegHeader(std::span<const unsigned char> bytes)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    JpegSize size;
    const int status = runReadHeader(cinfo, errors, bytes, size);
    if (status != Succeeded)
        throwFailure(status);
    return size;
}

void decodeJpeg(std::span<const unsigned char> bytes, int outputDepth, QImage& image)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    ScanLimit limit{};
    const int status = runDecode(cinfo, errors, limit, bytes, outputDepth, image);
    if (status == Succeeded)
        return;
    whitenFrom(image, static_cast<int>(cinfo.output_scanline));
    throwFailure(status);
}

} // namespace pictures
