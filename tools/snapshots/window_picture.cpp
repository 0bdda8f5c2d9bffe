#include "tools/snapshots/window_picture.h"

#include "format/printable_text.h"
#include "screens/paper_screen.h"
#include "screens/screen_window.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <string>

namespace tavelle {

namespace {

constexpr int border = 1;
constexpr int captionHeight = 24;
const QColor frameColour(60, 90, 130);

}  // namespace

QImage windowPicture(QWidget& window)
{
    const QImage client = screenPixels(window);
    const QSize clientSize = client.size() / client.devicePixelRatio();

    QImage picture(clientSize.width() + 2 * border, clientSize.height() + captionHeight + border, QImage::Format_RGB32);
    picture.fill(frameColour);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont captionFont = window.font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(9);
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    const QRect caption(border + 8, 0, clientSize.width() - 16, captionHeight);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(captionFont).elidedText(window.windowTitle(), Qt::ElideRight, caption.width()));
    painter.drawImage(QRect(QPoint(border, captionHeight), clientSize), client);
    return picture;
}

bool savePicture(ScreenWindow& screen, const QDir& directory)
{
    screen.show();
    const QString path = directory.filePath(screen.objectName() + QStringLiteral(".png"));
    const bool saved = windowPicture(screen).save(path, "PNG");
    if (!saved) {
        const std::string shown = printableText(path.toStdString(), kLongestPathShown);
        std::fprintf(stderr, "tavelle-snapshots: cannot write %s\n", shown.c_str());
    }
    screen.closeForNavigation();
    return saved;
}

}  // namespace tavelle
