#pragma once

namespace pictures {

// The graphic kinds of the file-format registry.
enum class GraphicKind { Metafile, Icon, Bitmap, Jpeg };

} // namespace pictures
