#pragma once

#include "core/text/language.h"

#include <string>

namespace tavelle {

// The system's reason for an error number (errno) in `language`, worded by this project: the same words on
// every machine, whatever translations of the C library's messages are installed ("No space left on device",
// "plus de place sur le périphérique"). A number without words of its own is named: "system error 123".
std::string systemReason(int errorNumber, Language language);

}  // namespace tavelle
