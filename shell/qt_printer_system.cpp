#include "shell/qt_printer_system.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTransform>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>

namespace tavelle {

namespace {

// The window is drawn into an image at the printer's resolution before it goes on the page; above
// this, a full page of image costs far more memory than it adds sharpness to a window's content.
constexpr int maximumResolution = 600;

bool printerFailed(const QPrinter& printer)
{
    const QPrinter::PrinterState state = printer.printerState();
    return state == QPrinter::Error || state == QPrinter::Aborted;
}

// Qt's CUPS engine submits the job when the painter ends, on this thread, and keeps the print system's
// answer to itself; libcups keeps the answer to the thread's last request, which is that submission.
// A queue that refuses jobs ("cupsreject") answers with an error and prints nothing.
bool printSystemAcceptedTheJob() { return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }

}  // namespace

std::vector<InstalledPrinter> QtPrinterSystem::installedPrinters()
{
    std::vector<InstalledPrinter> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName().toStdString(), info.isDefault()});
    return printers;
}

bool QtPrinterSystem::printWindow(const std::string& printerName, QWidget& window)
{
    const QString name = QString::fromStdString(printerName);
    if (name.isEmpty() || window.size().isEmpty()) return false;

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    // An unknown name leaves the printer on PDF output or on another printer: neither is the one asked for.
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != name)
        return false;
    printer.setResolution(std::min(printer.resolution(), maximumResolution));
    printer.setFullPage(false);
    printer.setDocName(window.windowTitle());

    QPainter painter;
    if (!painter.begin(&printer)) return false;

    // The whole window on the printable area, as large as it fits, its proportions kept, centred.
    const QRect area = painter.viewport();
    const QSizeF source = window.size();
    const QSizeF placed = source.scaled(area.size(), Qt::KeepAspectRatio);
    const qreal scale = placed.width() / source.width();
    QTransform onPage = QTransform::fromTranslate(area.x() + (area.width() - placed.width()) / 2.0,
                                                  area.y() + (area.height() - placed.height()) / 2.0);
    onPage.scale(scale, scale);

    // For a printer, Qt draws the window into a picture of the page's pixels and hands that to the PDF
    // stream, which copies it into the one pixel format it takes. Drawn here the same way, the picture is
    // turned into that format in place, and freed as soon as the stream has it: a third of the memory.
    {
        const QRect pixels = onPage.mapRect(QRectF(window.rect())).toAlignedRect();
        QImage picture(pixels.size(), QImage::Format_ARGB32_Premultiplied);
        if (picture.isNull()) return false;
        picture.fill(Qt::transparent);
        QPainter picturePainter(&picture);
        picturePainter.setRenderHints(painter.renderHints());
        picturePainter.setTransform(onPage * QTransform::fromTranslate(-pixels.x(), -pixels.y()));
        // The system's window colour is left to the paper; a background the window chose itself is printed.
        QWidget::RenderFlags flags = QWidget::DrawChildren;
        if (window.autoFillBackground()) flags |= QWidget::DrawWindowBackground;
        window.render(&picturePainter, QPoint(), QRegion(), flags);
        picturePainter.end();
        picture.convertTo(QImage::Format_ARGB32);
        painter.drawImage(pixels.topLeft(), picture);
    }

    const bool ended = painter.end();
    return ended && !printerFailed(printer) && printSystemAcceptedTheJob();
}

}  // namespace tavelle
