#pragma once

#include <span>

// The artwork built into the program. The pictures come as the windows store them: a 32-bit
// little-endian byte count followed by the complete JPEG stream or BMP file, ready for
// pictures::Picture::readStoredData. The bytes live as long as the program.
namespace assets {

// The quiz window's background: JPEG, 963 x 584.
std::span<const unsigned char> backgroundPicture();
// The intro panel's photograph: JPEG, 1488 x 1984.
std::span<const unsigned char> introPhotograph();
// The two-yellow wedge of the intro panel and the start page: BMP, 181 x 269, 24 bits.
std::span<const unsigned char> wedgePicture();
// The application icon as a complete .ico file (no byte count in front), for QIcon.
std::span<const unsigned char> applicationIcon();

} // namespace assets
