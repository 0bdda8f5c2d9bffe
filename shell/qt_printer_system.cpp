#include "shell/qt_printer_system.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
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
    painter.translate(area.x() + (area.width() - placed.width()) / 2.0,
                      area.y() + (area.height() - placed.height()) / 2.0);
    painter.scale(scale, scale);

    // The system's window colour is left to the paper; a background the window chose itself is printed.
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (window.autoFillBackground()) flags |= QWidget::DrawWindowBackground;
    window.render(&painter, QPoint(), QRegion(), flags);

    const bool ended = painter.end();
    return ended && !printerFailed(printer) && printSystemAcceptedTheJob();
}

}  // namespace tavelle
