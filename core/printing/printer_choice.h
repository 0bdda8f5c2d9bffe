#pragma once

#include <span>
#include <string>

namespace tavelle {

// An installed printer as the print system lists it.
struct InstalledPrinter {
    std::string name;
    bool isDefault = false;  // the system's default printer
};

// The application's current printer after a visit of the installed printers, in the system's order: the
// last one that is the default printer, or else `current` unchanged. An empty name means no printer.
std::string chooseCurrentPrinter(std::span<const InstalledPrinter> printers, std::string current);

}  // namespace tavelle
