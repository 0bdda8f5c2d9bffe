#include "screens/application_look.h"

#include "core/application_identity.h"
#include "screens/artwork.h"
#include "screens/artwork_pictures.h"
#include "screens/plugin_free_style.h"
#include "screens/screen_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmapCache>

namespace tavelle {

namespace {

constexpr int pixmapCacheKiB = 256;

QIcon applicationIcon()
{
    // X11 wants the icon's pixels not premultiplied, and Qt converts them for every window it creates,
    // twice: kept in that form, the conversion is a copy. That takes a third off opening a screen.
    QIcon icon;
    for (int side : applicationIconSides)
        icon.addPixmap(
            QPixmap::fromImage(artworkImage(logoArtwork, QSize(side, side)).convertToFormat(QImage::Format_ARGB32),
                               Qt::NoFormatConversion));
    return icon;
}

}  // namespace

void applyApplicationLook()
{
    QApplication::setApplicationName(toQString(applicationTitle));
    QApplication::setStyle(new PluginFreeStyle);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setWindowIcon(applicationIcon());
    // The style keeps pictures of buttons and lists for each palette, and every screen opened brings
    // palettes of its own: with Qt's 10 MB default the cache only fills up with pictures of closed
    // screens over a session. One screen's buttons and lists, in each of their states, fit within this;
    // drawing them again when they do not costs less than a millisecond a screen, measured.
    QPixmapCache::setCacheLimit(pixmapCacheKiB);
}

}  // namespace tavelle
