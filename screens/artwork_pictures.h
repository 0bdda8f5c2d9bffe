#pragma once

#include "screens/artwork.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tavelle {

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

}  // namespace tavelle
