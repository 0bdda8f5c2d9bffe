#pragma once

#include "screens/artwork.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>

namespace tavelle {

// The pixel densities the pictures are drawn at build time for: ordinary screens, and those at twice
// their density. Others draw them when they show them.
inline constexpr std::array<qreal, 2> prebuiltPixelRatios{1.0, 2.0};

// Where the picture of an artwork at this many pixels lies among those drawn at build time
// (a Qt resource, in the application only).
QString prebuiltArtworkPath(const Artwork& artwork, QSize pixels);

// A picture as it is kept among those drawn at build time: its pixel format, then its pixels as they
// lie in memory. Reading it back is a copy; decoding PNGs of the same pictures took half as long as
// drawing them. The resource compiler compresses it.
QByteArray storedPicture(const QImage& picture);

// The artwork at this many pixels: the picture drawn at build time when the program holds one,
// else drawn now. Both come from the same drawing, pixel for pixel.
QPixmap artworkPicture(const Artwork& artwork, QSize pixels);
// The same as an image, for a caller that changes its pixel format.
QImage artworkImage(const Artwork& artwork, QSize pixels);

}  // namespace tavelle
