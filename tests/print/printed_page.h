#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace tavelle::testing {

// What poppler-utils tell of a printed PDF file.
std::optional<int> pdfPageCount(const QString& pdf);
// The first page as an image, at `dotsPerInch`.
QImage rasterisePage(const QString& pdf, int dotsPerInch);
// The text of the first page in the order it is drawn, its spaces and line ends collapsed to single spaces.
QString pageText(const QString& pdf);
// The lowest resolution, in pixels per inch, of the images on the first page; nullopt without images.
std::optional<int> lowestImageResolution(const QString& pdf);

// Ink: a pixel that is not paper white.
bool isInk(QRgb pixel);
int inkPixels(const QImage& page, QRect area);
// Pixels of any colour but paper white, however light: a window's grey counts.
int nonPaperPixels(const QImage& page, QRect area);
// The smallest rectangle holding all ink of the page; empty when the page is blank.
QRect inkBounds(const QImage& page);

}  // namespace tavelle::testing
