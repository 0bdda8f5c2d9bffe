// SPDX-License-Identifier: GPL-3.0-or-later
// tavelle-artwork: draws, at build time, every picture the screens show at the pixel densities of
// common screens, and the application's icon, so that the application reads them instead of drawing
// them while it starts. Writes the pictures and a Qt resource list of them into a folder.
#include "core/screens/screen_id.h"
#include "screens/application_look.h"
#include "screens/artwork.h"
#include "screens/artwork_pictures.h"
#include "screens/screen_factory.h"
#include "screens/screen_window.h"
#include "screens/sharp_picture.h"
#include "screens/silent_host.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Every picture once, by its name in the resources.
std::map<QString, tavelle::ShownArtwork> everyPicture()
{
    std::map<QString, tavelle::ShownArtwork> pictures;
    const auto add = [&pictures](const tavelle::ShownArtwork& shown) {
        const QString path = tavelle::prebuiltArtworkPath(shown.artwork, shown.pixels);
        pictures.emplace(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1), shown);
    };
    tavelle::SilentHost host;
    for (tavelle::ScreenId id : tavelle::allScreens) {
        const std::unique_ptr<tavelle::ScreenWindow> screen = tavelle::createScreen(id, host);
        for (qreal ratio : tavelle::prebuiltPixelRatios)
            for (const tavelle::ShownArtwork& shown : tavelle::shownArtwork(*screen, ratio)) add(shown);
    }
    for (int side : tavelle::applicationIconSides) add({tavelle::logoArtwork, QSize(side, side)});
    return pictures;
}

bool writeResourceList(const QString& file, const std::map<QString, tavelle::ShownArtwork>& pictures)
{
    QSaveFile list(file);
    if (!list.open(QIODevice::WriteOnly)) return false;
    QString text = QStringLiteral("<RCC>\n  <qresource prefix=\"/artwork\">\n");
    for (const auto& [name, shown] : pictures)
        text += QStringLiteral("    <file alias=\"%1\">artwork/%1</file>\n").arg(name);
    text += QStringLiteral("  </qresource>\n</RCC>\n");
    list.write(text.toUtf8());
    return list.commit();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelle-artwork FOLDER\n"
                             "Draws every picture of the screens, and the icon, into FOLDER/artwork/ and lists "
                             "them in FOLDER/artwork.qrc.\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();

    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder + QStringLiteral("/artwork"))) {
        std::fprintf(stderr, "tavelle-artwork: cannot create the folder %s/artwork\n", argv[1]);
        return 2;
    }
    const std::map<QString, tavelle::ShownArtwork> pictures = everyPicture();
    for (const auto& [name, shown] : pictures) {
        const QString file = folder + QStringLiteral("/artwork/") + name;
        const QImage picture = shown.artwork.draw(shown.pixels).toImage();
        QSaveFile stored(file);
        if (picture.depth() != 32 || !stored.open(QIODevice::WriteOnly) ||
            stored.write(tavelle::storedPicture(picture)) < 0 || !stored.commit()) {
            std::fprintf(stderr, "tavelle-artwork: cannot write %s\n", qPrintable(file));
            return 2;
        }
    }
    if (!writeResourceList(folder + QStringLiteral("/artwork.qrc"), pictures)) {
        std::fprintf(stderr, "tavelle-artwork: cannot write %s/artwork.qrc\n", argv[1]);
        return 2;
    }
    return 0;
}
