#include "shell/application_look.h"

#include "core/screen_id.h"
#include "screens/artwork.h"
#include "screens/artwork_pictures.h"
#include "screens/plugin_free_style.h"
#include "screens/screen_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmapCache>

namespace tavelle {

namespace {

constexpr int pixmapCacheKiB = 1024;

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : applicationIconSides) icon.addPixmap(artworkPicture(logoArtwork, QSize(side, side)));
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
    // screens over a session. One screen's pictures fit well within this.
    QPixmapCache::setCacheLimit(pixmapCacheKiB);
}

}  // namespace tavelle
