#include "JpegGraphic.h"

#include "ExifOrientation.h"
#include "JpegCodec.h"
#include "JpegDecodeTask.h"
#include "PictureSupport.h"
#include "Turning.h"

#include <algorithm>
#include <cstdint>

namespace pictures {
namespace {

int decodes = 0;

} // namespace

JpegGraphic::JpegGraphic() = default;

JpegGraphic::~JpegGraphic()
{
    abandonPendingDecode();
}

void JpegGraphic::readBytes(std::vector<unsigned char> bytes)
{
    auto data = std::make_shared<JpegData>();
    data->bytes = std::move(bytes);
    if (!data->bytes.empty()) {
        const JpegHeader header = readJpegHeader(data->bytes);
        const QSize shown = shownSize(QSize(header.width, header.height), header.orientation);
        data->width = shown.width();
        data->height = shown.height();
        data->orientation = header.orientation;
    }
    abandonPendingDecode();
    data_ = std::move(data);
    decoded_.reset();
    decodeFailed_ = false;
    percentInFile_ = 100;
}

void JpegGraphic::draw(QPainter& painter, const QRect& rect)
{
    if (!decoded_)
        decode();
    decoded_->draw(painter, rect);
}

void JpegGraphic::prepareToDraw()
{
    if (!decoded_ && !pendingDecode_ && data_)
        pendingDecode_ = JpegDecodeTask::start(data_, outputDepth());
}

void JpegGraphic::decode()
{
    // The bitmap is in place before decoding starts, so a failure leaves what was decoded.
    decoded_ = std::make_unique<BitmapGraphic>();
    decodeFailed_ = true; // until the decode has returned
    ++decodes;
    const int orientation = data_ ? data_->orientation : Upright;
    const int rowsInFile = pendingDecode_
        ? std::exchange(pendingDecode_, nullptr)->finishInto(decoded_->image())
        : decodeJpeg(data_ ? data_->bytes : std::span<const unsigned char>(), outputDepth(),
                     decoded_->image(), orientation);
    decodeFailed_ = false;
    const QSize stored = shownSize(decoded_->image().size(), orientation); // the swap undoes itself
    percentInFile_ =
        static_cast<int>(std::int64_t{rowsInFile} * 100 / std::max(stored.height(), 1));
    if (decoded_->image().colorCount() > 0)
        reportChange();
}

void JpegGraphic::releaseDecodedPixels()
{
    abandonPendingDecode();
    if (!decodeFailed_)
        decoded_.reset();
}

void JpegGraphic::abandonPendingDecode()
{
    if (pendingDecode_)
        std::exchange(pendingDecode_, nullptr)->abandon();
}

int JpegGraphic::width() const
{
    if (decoded_)
        return decoded_->width();
    return data_ ? data_->width : 0;
}

int JpegGraphic::height() const
{
    if (decoded_)
        return decoded_->height();
    return data_ ? data_->height : 0;
}

bool JpegGraphic::isEmpty() const
{
    return !data_ && (!decoded_ || decoded_->isEmpty());
}

std::unique_ptr<Graphic> JpegGraphic::copy() const
{
    auto copied = std::make_unique<JpegGraphic>();
    copied->data_ = data_;
    if (decoded_)
        copied->decoded_ = std::make_unique<BitmapGraphic>(decoded_->image());
    copied->decodeFailed_ = decodeFailed_;
    copied->percentInFile_ = percentInFile_;
    return copied;
}

int JpegGraphic::decodeCount()
{
    return decodes;
}

} // namespace pictures
