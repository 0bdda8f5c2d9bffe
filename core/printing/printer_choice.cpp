#include "core/printing/printer_choice.h"

#include <utility>

namespace tavelle {

std::string chooseCurrentPrinter(std::span<const InstalledPrinter> printers, std::string current)
{
    // Every printer is visited: a later default printer replaces an earlier one.
    for (const InstalledPrinter& printer : printers)
        if (printer.isDefault) current = printer.name;
    return current;
}

}  // namespace tavelle
