#include "shell/qt_printer_system.h"

#include "screens/paper_screen.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace tavelle {

namespace {

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

bool QtPrinterSystem::printPage(const std::string& printerName, const PaperScreen& page)
{
    const QString name = QString::fromStdString(printerName);
    if (name.isEmpty()) return false;

    QPrinter printer;
    printer.setPrinterName(name);
    // An unknown name leaves the printer on PDF output or on another printer: neither is the one asked for.
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != name)
        return false;
    printer.setResolution(page.resolution());
    printer.setFullPage(false);
    printer.setDocName(page.title());

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    page.paint(painter, painter.viewport());
    const bool ended = painter.end();
    return ended && !printerFailed(printer) && printSystemAcceptedTheJob();
}

}  // namespace tavelle
