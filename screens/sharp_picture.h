#pragma once

#include "screens/artwork.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QLabel;
class QPainter;
class QWidget;

namespace tavelle {

// Shows a picture the application draws, drawn for the pixel density of the label's screen so that
// on a high-density screen it is as sharp as the text; drawn again when the window moves to a
// screen of another density.
void showSharpPicture(QLabel& label, const Artwork& artwork);

// The pictures a window shows through showSharpPicture, taken off it while this lives, to be drawn for
// paper: a label draws its picture at the pixel density of the window's screen, whatever the device.
class PicturesForPaper {
public:
    explicit PicturesForPaper(QWidget& window);
    ~PicturesForPaper();
    PicturesForPaper(const PicturesForPaper&) = delete;
    PicturesForPaper& operator=(const PicturesForPaper&) = delete;

    // Draws them where the window shows them, in its coordinates, at `pixelRatio` pixels to one of its own.
    void paint(QPainter& painter, qreal pixelRatio) const;

private:
    struct TakenPicture {
        QPointer<QLabel> label;
        QPixmap onScreen;
        Artwork artwork;
        QRect inWindow;
    };
    std::vector<TakenPicture> m_taken;
};

// A picture a window shows, and the size in pixels it takes at a pixel density.
struct ShownArtwork {
    Artwork artwork;
    QSize pixels;
};
// Every picture the window shows through showSharpPicture, at the given pixel density.
std::vector<ShownArtwork> shownArtwork(const QWidget& window, qreal pixelRatio);

}  // namespace tavelle
