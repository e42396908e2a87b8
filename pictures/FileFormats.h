#pragma once

#include "Graphic.h"

#include <optional>
#include <string>
#include <vector>

namespace pictures {

// The process-wide list of picture file extensions and the graphic kind each one loads as.
struct FileFormat {
    std::string extension; // lower case
    std::string description;
    GraphicKind kind;
};

// Appends an entry; the extension is stored lower case. A later entry wins over an earlier one.
void registerFileFormat(const std::string& extension, const std::string& description,
                        GraphicKind kind);

// The registered entries in order; the metafile, icon and bitmap entries are always there.
const std::vector<FileFormat>& fileFormats();

// The graphic kind for an extension in any letter case, or none when it is not registered.
std::optional<GraphicKind> graphicKindForExtension(const std::string& extension);

// The text after the path's last ".", unless a folder separator or a drive colon follows that
// "."; otherwise empty.
std::string pictureExtension(const std::string& path);

} // namespace pictures
