#include "JpegCodec.h"

#include "ExifOrientation.h"
#include "PictureSupport.h"
#include "Turning.h"
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
// A picture that is turned collects this many stored rows before they go to their places: a
// quarter turn writes them as a run of pixels into each turned row, so the more rows at once,
// the fewer times each turned row's memory is visited (about 1 MiB for a 4000-pixel width).
constexpr int TurnedStripRows = 64;
// libjpeg walks the whole picture once for every scan, so a progressive file's decoding work
// grows with its scans times its pixels. The standard progressive scripts use at most ten scans
// for a three-colour picture; this allows twice as many at the pixel cap and, for smaller
// pictures, as many more as keep the work the same: a second or two on a small machine.
constexpr std::uint64_t MaxScanWork = 20 * MaxImagePixels;

constexpr const char* TooManyScansMessage = "JPEG error: too many scans for the picture's size";

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    // The stored rows whose data the file holds: its height until the data runs out.
    int rowsInFile = INT_MAX;
};

struct ScanLimit {
    jpeg_progress_mgr base;
    int maxScans;
};

// A picture turned while it decodes: its stored rows come out of libjpeg into the strip and go
// to their turned places in the image once the strip is full, at the end, or after a failure.
struct Turning {
    int orientation = Upright;
    QImage strip; // TurnedStripRows rows of the stored width
    int pending = 0; // rows in the strip not placed yet, the last ones decoded
};

extern "C" {

[[noreturn]] void exitWithError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(errors->jump, 1);
}

// Warnings of recoverable damage are ignored; scan data that ends early (at the end of the
// stream, or at a marker such as the end of the picture) is noted, since libjpeg then shows
// the rest of the scan it was reading grey. In the first scan (a baseline file's only
// one) that is every row from the one being read on; a progressive file cut in a later scan
// still has every row, only with less detail.
void noteEarlyEnd(j_common_ptr cinfo, int level)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    const int code = cinfo->err->msg_code;
    const bool dataEnds = code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER;
    if (level != -1 || !dataEnds || errors->rowsInFile != INT_MAX
        || decompress->input_scan_number > 1
        || decompress->input_iMCU_row >= decompress->total_iMCU_rows)
        return;
    errors->rowsInFile = static_cast<int>(decompress->input_iMCU_row)
        * decompress->max_v_samp_factor * DCTSIZE;
}
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
    errors.base.emit_message = noteEarlyEnd;
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

enum class Markers { Skip, KeepApp1 };

void openStream(jpeg_decompress_struct& cinfo, std::span<const unsigned char> bytes,
                Markers markers = Markers::Skip)
{
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    // Kept whole (a marker holds at most 65533 bytes), since the tag may lie anywhere in it.
    if (markers == Markers::KeepApp1)
        jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
}

// The orientation of the first Exif marker; other APP1 markers (XMP) are passed over.
int orientationOf(const jpeg_decompress_struct& cinfo)
{
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next) {
        const std::span<const unsigned char> payload(marker->data, marker->data_length);
        if (marker->marker == JPEG_APP0 + 1 && isExif(payload))
            return exifOrientation(payload);
    }
    return Upright;
}

int runReadHeader(jpeg_decompress_struct& cinfo, ErrorManager& errors,
                  std::span<const unsigned char> bytes, JpegHeader& header)
{
    cinfo.err = installErrorHandlers(errors);
    if (setjmp(errors.jump))
        return failAndDestroy(cinfo, errors.base.msg_code);
    openStream(cinfo, bytes, Markers::KeepApp1);
    header.width = static_cast<int>(cinfo.image_width);
    header.height = static_cast<int>(cinfo.image_height);
    header.orientation = orientationOf(cinfo);
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

// Sizes an image for libjpeg's output once it is known. Never throws: a failure comes back as
// false.
bool allocateImage(const jpeg_decompress_struct& cinfo, QSize size, QImage& image) noexcept
{
    try {
        const bool indexed = cinfo.quantize_colors;
        QImage sized(size, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
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

// What full ink reads as in the rows libjpeg delivers: Adobe applications write CMYK inverted
// (0 is full ink); others write it as is.
int fullInk(const jpeg_decompress_struct& cinfo)
{
    return cinfo.saw_Adobe_marker ? 0 : 255;
}

void readRows(jpeg_decompress_struct& cinfo, unsigned char* firstRow, qsizetype rowStep)
{
    const int rowsPerRead = std::min(cinfo.rec_outbuf_height, MaxRowsPerRead);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    const int ink = fullInk(cinfo);
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

void placePending(const jpeg_decompress_struct& cinfo, Turning& turning, QImage& image)
{
    const int decoded = static_cast<int>(cinfo.output_scanline);
    placeTurnedRows(turning.strip, decoded - turning.pending, turning.pending, turning.orientation,
                    image);
    turning.pending = 0;
}

// As readRows, but into the strip, from which the rows go to their turned places.
void readTurnedRows(jpeg_decompress_struct& cinfo, Turning& turning, QImage& image)
{
    const int stripRows = turning.strip.height();
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    const int ink = fullInk(cinfo);
    JSAMPROW rows[TurnedStripRows];
    while (cinfo.output_scanline < cinfo.output_height) {
        const int count = static_cast<int>(std::min<JDIMENSION>(
            stripRows - turning.pending, cinfo.output_height - cinfo.output_scanline));
        for (int i = 0; i < count; ++i)
            rows[i] = turning.strip.scanLine(turning.pending + i);
        const JDIMENSION delivered = jpeg_read_scanlines(&cinfo, rows, count);
        for (JDIMENSION i = 0; cmyk && i < delivered; ++i)
            convertCmykRow(rows[i], cinfo.output_width, ink);
        turning.pending += static_cast<int>(delivered);
        if (turning.pending == stripRows || cinfo.output_scanline == cinfo.output_height)
            placePending(cinfo, turning, image);
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
              std::span<const unsigned char> bytes, int outputDepth, Turning& turning,
              QImage& image)
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
    const QSize stored(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    if (turning.orientation == Upright) {
        if (!allocateImage(cinfo, stored, image))
            return failAndDestroy(cinfo, OutOfResources);
        readRows(cinfo, image.bits(), image.bytesPerLine());
    } else {
        if (!allocateImage(cinfo, QSize(stored.width(), TurnedStripRows), turning.strip)
            || !allocateImage(cinfo, shownSize(stored, turning.orientation), image))
            return failAndDestroy(cinfo, OutOfResources);
        readTurnedRows(cinfo, turning, image);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Succeeded;
}

// What a failed decode never reached (the area of the stored rows from `firstRow` on) is white,
// like the rest of a newly sized bitmap.
void whitenFrom(QImage& image, int firstRow, int orientation)
{
    if (image.isNull())
        return;
    const QSize stored = shownSize(image.size(), orientation); // the same swap undoes itself
    const QRect area = turnedArea(stored, std::max(firstRow, 0), orientation) & image.rect();
    const uint white = image.format() == QImage::Format_Indexed8
        ? static_cast<uint>(image.colorCount() - 1) // the one-pass quantiser's map ends on white
        : qRgb(255, 255, 255);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (image.format() == QImage::Format_Indexed8)
            std::fill_n(image.scanLine(y) + area.left(), area.width(), static_cast<uchar>(white));
        else
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + area.left(), area.width(), white);
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

JpegHeader readJpegHeader(std::span<const unsigned char> bytes)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    JpegHeader header;
    const int status = runReadHeader(cinfo, errors, bytes, header);
    if (status != Succeeded)
        throwFailure(status);
    return header;
}

int decodeJpeg(std::span<const unsigned char> bytes, int outputDepth, QImage& image,
               int orientation)
{
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    ScanLimit limit{};
    Turning turning;
    if (orientation >= 2 && orientation <= 8)
        turning.orientation = orientation;
    const int status = runDecode(cinfo, errors, limit, bytes, outputDepth, turning, image);
    if (status == Succeeded)
        return std::min(errors.rowsInFile, static_cast<int>(cinfo.output_height));
    if (turning.pending > 0)
        placePending(cinfo, turning, image);
    whitenFrom(image, static_cast<int>(cinfo.output_scanline), turning.orientation);
    throwFailure(status);
}

} // namespace pictures
