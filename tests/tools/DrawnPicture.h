#pragma once

#include "pictures/Picture.h"

#include <QImage>

// The picture drawn once at its own size, as a picture box draws it: a JPEG decodes here.
QImage drawnPixels(const pictures::Picture& picture);
