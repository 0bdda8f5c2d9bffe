#include "core/printing/default_printer_answer.h"

namespace tavelle {

std::string defaultPrinterInAnswer(std::string_view answer)
{
    constexpr std::string_view named = "system default destination: ";
    while (!answer.empty()) {
        const std::size_t end = answer.find('\n');
        const std::string_view line = answer.substr(0, end);
        if (line.starts_with(named)) return std::string(line.substr(named.size()));
        if (end == std::string_view::npos) break;
        answer.remove_prefix(end + 1);
    }
    return {};
}

}  // namespace tavelle
