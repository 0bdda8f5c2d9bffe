#include "shell/application_look.h"

#include "core/screen_id.h"
#include "screens/artwork.h"
#include "screens/screen_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmapCache>

namespace tavelle {

namespace {

constexpr int pixmapCacheKiB = 1024;

// Drawn at every size a task bar, a title bar or a high-density screen asks for, none scaled up.
QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 96, 128, 256}) icon.addPixmap(logoPicture(QSize(side, side)));
    return icon;
}

}  // namespace

void applyApplicationLook()
{
    QApplication::setApplicationName(toQString(applicationTitle));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setWindowIcon(applicationIcon());
    // The style keeps pictures of buttons and lists for each palette, and every screen opened brings
    // palettes of its own: with Qt's 10 MB default the cache only fills up with pictures of closed
    // screens over a session. One screen's pictures fit well within this.
    QPixmapCache::setCacheLimit(pixmapCacheKiB);
}

}  // namespace tavelle
