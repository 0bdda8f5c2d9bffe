#pragma once

#include "core/text/language.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace tavelle {

// Arguments the tool does not take; the message is one line, in the user's language.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs a stage of a tool. A bad command line, bad input or output that cannot be written ends the tool
// there: one line on standard error (a usage error points at --help, in `language`) and exit status 2.
// Returns the exit status when the tool ends, nothing when it goes on.
std::optional<int> runStage(std::string_view program, const std::function<std::optional<int>()>& stage,
                            Language language = userLanguage());

}  // namespace tavelle
