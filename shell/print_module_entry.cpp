#include "shell/print_module.h"
#include "shell/qt_printer_system.h"

extern "C" Q_DECL_EXPORT tavelle::PrinterSystem* tavelle_create_printer_system()
{
    return new tavelle::QtPrinterSystem;
}
