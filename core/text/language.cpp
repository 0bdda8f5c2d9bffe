#include "core/text/language.h"

#include <cstdlib>
#include <string_view>

namespace tavelle {

Language userLanguage()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        const std::string_view locale(value);
        const bool french = locale.starts_with("fr") &&
                            (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
        return french ? Language::french : Language::english;
    }
    return Language::english;
}

}  // namespace tavelle
