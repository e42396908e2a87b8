#pragma once

#include "BitmapGraphic.h"
#include "Graphic.h"

#include <memory>
#include <vector>

namespace pictures {

// The compressed bytes of one JPEG stream and what its header tells, shared by all copies: the
// orientation its Exif marker gives (1, upright, without one) and the size it shows at, which is
// the frame header's with the sides swapped when the orientation lays the picture on its side.
struct JpegData {
    std::vector<unsigned char> bytes;
    int width = 0;
    int height = 0;
    int orientation = 1;
};

class JpegDecodeTask;

// A JPEG stream that decodes itself into a bitmap on its first drawing and keeps that bitmap
// (turned as the orientation says, once, in that decode; copies share the turned pixels),
// also when the decode failed half-way, so later drawings never decode or fail again. The
// decode may begin earlier on a worker thread; the first drawing then waits for it, and it
// still hands over its pixels and raises its error only there.
class JpegGraphic : public Graphic {
public:
    JpegGraphic();
    ~JpegGraphic() override;

    GraphicKind kind() const override { return GraphicKind::Jpeg; }
    // Keeps the bytes and parses the header; a stream that is no JPEG fails here. No bytes at
    // all are accepted and fail at the first drawing.
    void readBytes(std::vector<unsigned char> bytes) override;
    void draw(QPainter& painter, const QRect& rect) override;
    int width() const override;
    int height() const override;
    bool isEmpty() const override;
    // Shares the compressed bytes and, once decoded, the pixels.
    std::unique_ptr<Graphic> copy() const override;
    // Starts the decode on a worker thread, unless it has run or is running already.
    void prepareToDraw() override;
    // Back to holding the compressed bytes only, so the next drawing decodes again. A decode
    // that failed keeps its bitmap, so that it goes on drawing without an error.
    void releaseDecodedPixels() override;

    // Absent until bytes have been read; an empty file gives data without bytes.
    const std::shared_ptr<const JpegData>& data() const { return data_; }
    // Absent until the first drawing.
    const BitmapGraphic* decoded() const { return decoded_.get(); }
    // How much of the picture, in whole percent of its rows as stored, the file's data reached
    // in the last decode that ended without an error; libjpeg shows the rest grey. 100 before.
    int percentInFile() const { return percentInFile_; }
    // Whether a decode started ahead waits for the first drawing to collect it.
    bool decodingAhead() const { return pendingDecode_ != nullptr; }

    // How many decodes drawings have taken, for proving that copies and repaints share one.
    static int decodeCount();

private:
    void decode();
    void abandonPendingDecode();

    std::shared_ptr<const JpegData> data_;
    std::unique_ptr<BitmapGraphic> decoded_;
    bool decodeFailed_ = false;
    int percentInFile_ = 100;
    // The decode running ahead of the first drawing, if one was started.
    std::shared_ptr<JpegDecodeTask> pendingDecode_;
};

} // namespace pictures
