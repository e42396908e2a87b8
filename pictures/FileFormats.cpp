#include "FileFormats.h"

#include <QString>

namespace pictures {
namespace {

std::string lowerCase(const std::string& text)
{
    return QString::fromUtf8(text).toLower().toStdString();
}

std::vector<FileFormat>& registry()
{
    static std::vector<FileFormat> formats{
        {"wmf", "Metafiles", GraphicKind::Metafile},
        {"emf", "Enhanced Metafiles", GraphicKind::Metafile},
        {"ico", "Icons", GraphicKind::Icon},
        {"bmp", "Bitmaps", GraphicKind::Bitmap},
    };
    return formats;
}

} // namespace

void registerFileFormat(const std::string& extension, const std::string& description,
                        GraphicKind kind)
{
    registry().push_back({lowerCase(extension), description, kind});
}

const std::vector<FileFormat>& fileFormats()
{
    return registry();
}

std::optional<GraphicKind> graphicKindForExtension(const std::string& extension)
{
    const std::string wanted = lowerCase(extension);
    const std::vector<FileFormat>& formats = registry();
    for (auto entry = formats.rbegin(); entry != formats.rend(); ++entry) {
        if (entry->extension == wanted)
            return entry->kind;
    }
    return std::nullopt;
}

std::string pictureExtension(const std::string& path)
{
    // "/" ends the extension too, so a dot in a POSIX folder name is never taken for one.
    const std::size_t dot = path.find_last_of(".\\:/");
    if (dot == std::string::npos || path[dot] != '.')
        return {};
    return path.substr(dot + 1);
}

} // namespace pictures
