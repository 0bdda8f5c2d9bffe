#include "printed_page.h"

#include "command.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace tavelle::testing {

std::optional<int> pdfPageCount(const QString& pdf)
{
    const CommandResult info = runCommand(QStringLiteral("pdfinfo"), {pdf});
    if (!info.succeeded()) return std::nullopt;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(info.output);
    if (!pages.hasMatch()) return std::nullopt;
    return pages.captured(1).toInt();
}

QImage rasterisePage(const QString& pdf, int dotsPerInch)
{
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("page"));
    const CommandResult raster = runCommand(QStringLiteral("pdftoppm"),
                                            {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    if (!raster.succeeded()) return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QString pageText(const QString& pdf)
{
    const CommandResult text =
        runCommand(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-f"), QStringLiteral("1"),
                                                 QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    return text.succeeded() ? text.output.simplified() : QString();
}

std::optional<int> lowestImageResolution(const QString& pdf)
{
    // Columns: page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const CommandResult listed =
        runCommand(QStringLiteral("pdfimages"), {QStringLiteral("-list"), QStringLiteral("-f"), QStringLiteral("1"),
                                                 QStringLiteral("-l"), QStringLiteral("1"), pdf});
    if (!listed.succeeded()) return std::nullopt;
    std::optional<int> lowest;
    for (const QString& line : listed.output.split(QLatin1Char('\n'))) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        bool isNumber = false;
        columns.value(0).toInt(&isNumber);
        if (!isNumber || columns.size() < 14 || columns.value(2) != QStringLiteral("image")) continue;
        const int ppi = std::min(columns[12].toInt(), columns[13].toInt());
        lowest = lowest ? std::min(*lowest, ppi) : ppi;
    }
    return lowest;
}

bool isInk(QRgb pixel)
{
    constexpr int paper = 200;
    return qRed(pixel) < paper || qGreen(pixel) < paper || qBlue(pixel) < paper;
}

namespace {

template <typename Test>
int countPixels(const QImage& page, QRect area, Test test)
{
    area = area.intersected(page.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(page.pixel(x, y))) ++count;
    return count;
}

}  // namespace

int inkPixels(const QImage& page, QRect area)
{
    return countPixels(page, area, isInk);
}

int nonPaperPixels(const QImage& page, QRect area)
{
    // The print path leaves paper a shade below pure white; a window's grey is well below this.
    constexpr int paper = 245;
    return countPixels(page, area,
                       [](QRgb pixel) { return qRed(pixel) < paper || qGreen(pixel) < paper || qBlue(pixel) < paper; });
}

QRect inkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (isInk(page.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace tavelle::testing
