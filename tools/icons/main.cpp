// SPDX-License-Identifier: GPL-3.0-or-later
// tavelle-icons: writes the application's icon theme entries (a scalable SVG and PNGs of the sizes
// a desktop asks for) from the very drawing of the emblem that the windows show.
#include "screens/artwork.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <cstdio>
#include <vector>

namespace {

constexpr int designSize = 100;
constexpr int largestPixels = 4096;

bool makeFolder(const QString& folder)
{
    if (QDir().mkpath(folder)) return true;
    std::fprintf(stderr, "tavelle-icons: cannot create the folder %s\n", qPrintable(folder));
    return false;
}

bool writeSvg(const QString& themeFolder, const QString& iconName)
{
    const QString folder = themeFolder + QStringLiteral("/scalable/apps");
    if (!makeFolder(folder)) return false;
    const QString file = folder + QLatin1Char('/') + iconName + QStringLiteral(".svg");
    QSvgGenerator generator;
    generator.setFileName(file);
    generator.setSize(QSize(designSize, designSize));
    generator.setViewBox(QRect(0, 0, designSize, designSize));
    generator.setTitle(iconName);
    QPainter painter;
    if (!painter.begin(&generator)) {
        std::fprintf(stderr, "tavelle-icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    tavelle::drawLogo(painter, QSizeF(designSize, designSize));
    return painter.end();
}

bool writePng(const QString& themeFolder, const QString& iconName, int pixels)
{
    const QString folder = themeFolder + QStringLiteral("/%1x%1/apps").arg(pixels);
    if (!makeFolder(folder)) return false;
    const QString file = folder + QLatin1Char('/') + iconName + QStringLiteral(".png");
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        tavelle::drawLogo(painter, QSizeF(pixels, pixels));
    }
    if (image.save(file, "PNG")) return true;
    std::fprintf(stderr, "tavelle-icons: cannot write %s\n", qPrintable(file));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tavelle-icons THEME-FOLDER ICON-NAME [PIXELS...]\n"
                             "Writes ICON-NAME.svg, and ICON-NAME.png of each size in PIXELS, into the hicolor "
                             "layout under THEME-FOLDER.\n");
        return 2;
    }
    const QString themeFolder = QString::fromLocal8Bit(argv[1]);
    const QString iconName = QString::fromLocal8Bit(argv[2]);
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int pixels = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || pixels < 1 || pixels > largestPixels) {
            std::fprintf(stderr, "tavelle-icons: the size \"%s\" is not a whole number of pixels from 1 to %d\n",
                         argv[i], largestPixels);
            return 2;
        }
        sizes.push_back(pixels);
    }
    bool written = writeSvg(themeFolder, iconName);
    for (const int pixels : sizes) written = writePng(themeFolder, iconName, pixels) && written;
    return written ? 0 : 1;
}
