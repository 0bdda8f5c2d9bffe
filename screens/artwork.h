#pragma once

#include <QPixmap>
#include <QSize>

#include <array>

class QPainter;

namespace tavelle {

// Pictures the application draws itself: no image files are shipped.
QPixmap logoPicture(QSize size);  // the project's emblem: a nozzle and its jet
QPixmap pumpPicture(QSize size);  // the home screen's picture of a fire pump

// Draws the emblem centred in a size.width() x size.height() area at the painter's origin; any paint
// device will do, so that the icons installed with the application show the very same emblem.
void drawLogo(QPainter& painter, QSizeF size);

// A picture by name, so that the one drawn at build time can stand in for drawing it at start-up.
struct Artwork {
    const char* name;
    QPixmap (*draw)(QSize pixels);
};
inline constexpr Artwork logoArtwork{"logo", logoPicture};
inline constexpr Artwork pumpArtwork{"pump", pumpPicture};

// The sizes of the application's icon: every size a task bar, a title bar or a high-density screen
// asks for, none scaled up.
inline constexpr std::array<int, 8> applicationIconSides{16, 24, 32, 48, 64, 96, 128, 256};

}  // namespace tavelle
