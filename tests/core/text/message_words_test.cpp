// The one way messages are worded: the language the settings ask for, a message composed from its parts,
// and the system's reasons in words of our own, whatever the C library would say.
#include "core/text/system_reason.h"
#include "core/text/wording.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace tavelle {
namespace {

// Sets or clears an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name)) m_old = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(UserLanguage, TheFirstSetVariableOfLcAllLcMessagesAndLangDecides)
{
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language expected;
    };
    const Case cases[] = {
        {"fr_FR.UTF-8", nullptr, nullptr, Language::french},  {nullptr, nullptr, "fr_CA.UTF-8", Language::french},
        {nullptr, "fr_BE", "en_GB.UTF-8", Language::french},  {"", "", "fr", Language::french},
        {"C", nullptr, "fr_FR.UTF-8", Language::english},     {nullptr, "C.UTF-8", "fr_FR.UTF-8", Language::english},
        {nullptr, nullptr, "en_US.UTF-8", Language::english}, {nullptr, nullptr, "fy_NL.UTF-8", Language::english},
        {nullptr, nullptr, nullptr, Language::english},       {nullptr, nullptr, "fr.UTF-8", Language::french},
        {nullptr, nullptr, "fr@euro", Language::french},      {nullptr, nullptr, "frp_IT.UTF-8", Language::english},
        {nullptr, nullptr, "fr_FR", Language::french},        {nullptr, nullptr, "f", Language::english},
    };
    for (const Case& c : cases) {
        const ScopedVariable lcAll("LC_ALL", c.lcAll);
        const ScopedVariable lcMessages("LC_MESSAGES", c.lcMessages);
        const ScopedVariable lang("LANG", c.lang);
        EXPECT_EQ(userLanguage(), c.expected) << (c.lcAll ? c.lcAll : "-") << " " << (c.lang ? c.lang : "-");
    }
}

TEST(Composed, ReplacesEachNamedPartAndKeepsOtherBraces)
{
    constexpr Wording wording{"cannot write {file}: {reason} {x} '}' {", "impossible d'écrire {file} : {reason}"};
    EXPECT_EQ(composed(wording, Language::english, {{"file", "a.pdf"}, {"reason", "{file}"}}),
              "cannot write a.pdf: {file} {x} '}' {");
    EXPECT_EQ(composed(wording, Language::french, {{"file", "a.pdf"}, {"reason", "plein"}}),
              "impossible d'écrire a.pdf : plein");
}

TEST(SystemReason, IsOurOwnWordingWhateverTheCLibrarySays)
{
    // The C library's French messages, where they are installed (libc-l10n): LANGUAGE is read in any
    // locale but C.
    const ScopedVariable language("LANGUAGE", "fr");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C.UTF-8");
    const std::string libraryWords = std::strerror(ENOSPC);
    struct Case {
        int number;
        const char* english;
        const char* french;
    };
    const Case cases[] = {
        {ENOSPC, "No space left on device", "plus de place sur le périphérique"},
        {EACCES, "Permission denied", "permission refusée"},
        {EISDIR, "Is a directory", "c'est un dossier"},
        {EPIPE, "Broken pipe", "plus personne ne lit au bout du tube"},
        {0x7ffe, "system error 32766", "erreur du système n° 32766"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(systemReason(c.number, Language::english), c.english);
        EXPECT_EQ(systemReason(c.number, Language::french), c.french);
    }
    std::setlocale(LC_ALL, before.c_str());
    if (libraryWords == "No space left on device") GTEST_SKIP() << "the C library's French messages are not installed";
}

}  // namespace
}  // namespace tavelle
