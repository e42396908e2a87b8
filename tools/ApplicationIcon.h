#pragma once

#include <vector>

namespace artwork {

// The application icon as an .ico file holding one 32 x 32 image in the standard 16 colours
// with a transparency mask: white and navy halves, each with an ear of grass in the other
// colour, split by a transparent diagonal band. The image itself is 744 bytes; with the file
// header and its directory entry the file is 766.
std::vector<unsigned char> applicationIcon();

} // namespace artwork
