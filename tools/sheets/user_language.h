#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavelle {

// One of the tool's message lines in the user's language: French under French settings, as written
// (English) otherwise. A line the tool does not know is left as it is.
std::string inUserLanguage(std::string_view line);

// The stage with its failures said in the user's language, the advice to read the usage included.
std::function<std::optional<int>()> inUserLanguage(std::string_view program, std::function<std::optional<int>()> stage);

}  // namespace tavelle
