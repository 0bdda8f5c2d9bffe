#pragma once

namespace tavelle {

// The language of the user's messages.
enum class Language { english, french };

// The language the user's settings ask messages in: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty decides; French when it names a French locale ("fr", "fr_FR.UTF-8", "fr_CA"…), English
// otherwise (C, POSIX, en_GB…). The one place that decides it for the application and the tools.
Language userLanguage();

}  // namespace tavelle
