#pragma once

#include <string>
#include <string_view>

namespace tavelle {

// The system's default printer as `lpstat -d` names it in the C locale, on a line "system default
// destination: NAME" (NAME may be "queue/instance"). Empty when the answer names none: "no system default
// destination", lpstat's complaint that LPDEST or PRINTER names a printer that does not exist, or any
// other text.
std::string defaultPrinterInAnswer(std::string_view answer);

}  // namespace tavelle
