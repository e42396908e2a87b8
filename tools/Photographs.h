#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace artwork {

// One of the quiz's photograph files: folder 0 holds the whole plant, folder 2 the flowering
// head. Sizes vary on purpose, some larger and some smaller than the boxes that show them.
struct Photograph {
    int folder;
    int item;
    QSize size;

    QString path() const; // relative to the repository: "obr/0/7.jpg"
    QImage draw() const;
};

const std::vector<Photograph>& allPhotographs();

} // namespace artwork
