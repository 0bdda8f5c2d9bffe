#pragma once

#include <string>

namespace tavelle {

// The decimal separator of the user's settings (LC_ALL, then LC_NUMERIC, then LANG), as UTF-8.
std::string systemDecimalSeparator();

}  // namespace tavelle
