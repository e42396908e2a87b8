#include "Picture.h"

#include "BitmapGraphic.h"
#include "ByteReader.h"
#include "FileFormats.h"
#include "JpegGraphic.h"
#include "platform/Errors.h"
#include "platform/Files.h"

namespace pictures {
namespace {

// The kinds this program can read; icons and metafiles are only registered.
std::unique_ptr<Graphic> makeGraphic(GraphicKind kind)
{
    switch (kind) {
    case GraphicKind::Jpeg:
        return std::make_unique<JpegGraphic>();
    case GraphicKind::Bitmap:
        return std::make_unique<BitmapGraphic>();
    case GraphicKind::Icon:
    case GraphicKind::Metafile:
        break;
    }
    return nullptr;
}

} // namespace

Picture::Picture() = default;
Picture::~Picture() = default;

void Picture::setChangeListener(ChangeListener listener)
{
    listener_ = std::move(listener);
}

void Picture::loadFromFile(const std::string& path)
{
    const std::string extension = pictureExtension(path);
    const std::optional<GraphicKind> kind = graphicKindForExtension(extension);
    if (!kind)
        throw platform::InvalidGraphicError("Unknown picture file extension (." + extension + ")");
    std::unique_ptr<Graphic> graphic = makeGraphic(*kind);
    if (!graphic)
        throw platform::InvalidGraphicError("Unsupported picture file extension (." + extension
                                            + ")");
    graphic->readBytes(platform::readWholeFile(path));
    install(std::move(graphic));
}

void Picture::readStoredData(GraphicKind kind, std::span<const unsigned char> stored)
{
    ByteReader reader(stored);
    const std::uint32_t count = reader.readUint32();
    const auto bytes = reader.read(count);
    std::unique_ptr<Graphic> graphic = makeGraphic(kind);
    if (graphic)
        graphic->readBytes({bytes.begin(), bytes.end()});
    install(std::move(graphic));
}

void Picture::assign(const Picture& source)
{
    install(source.graphic_ ? source.graphic_->copy() : nullptr);
}

void Picture::releaseDecodedPixels()
{
    if (graphic_)
        graphic_->releaseDecodedPixels();
}

Graphic* Picture::graphic() const
{
    return graphic_.get();
}

int Picture::width() const
{
    return graphic_ ? graphic_->width() : 0;
}

int Picture::height() const
{
    return graphic_ ? graphic_->height() : 0;
}

void Picture::install(std::unique_ptr<Graphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->setChangeHandler([this] { notifyChange(); });
    notifyChange();
}

void Picture::notifyChange() const
{
    if (listener_)
        listener_();
}

} // namespace pictures
