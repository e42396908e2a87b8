#pragma once

#include "Photographs.h"

#include <QImage>

#include <vector>

namespace artwork {

// A review sheet: every plate small, folder 0 in the first row and folder 2 in the second,
// each with its item number beneath. Its lettering depends on the fonts at hand, so it is
// not expected to come out the same bytes everywhere.
class ContactSheet {
public:
    ContactSheet();
    void add(const Photograph& photograph, const QImage& image);
    const QImage& image() const { return sheet_; }

private:
    QImage sheet_;
    int nextInRow_[2] = {0, 0};
};

} // namespace artwork
