#pragma once

#include "screens/artwork.h"

#include <QSize>

#include <vector>

class QLabel;
class QWidget;

namespace tavelle {

// Shows a picture the application draws, drawn for the pixel density of the label's screen so that
// on a high-density screen it is as sharp as the text; drawn again when the window moves to a
// screen of another density.
void showSharpPicture(QLabel& label, const Artwork& artwork);

// A picture a window shows, and the size in pixels it takes at a pixel density.
struct ShownArtwork {
    Artwork artwork;
    QSize pixels;
};
// Every picture the window shows through showSharpPicture, at the given pixel density.
std::vector<ShownArtwork> shownArtwork(const QWidget& window, qreal pixelRatio);

}  // namespace tavelle
