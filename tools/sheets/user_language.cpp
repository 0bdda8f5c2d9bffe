#include "tools/sheets/user_language.h"

#include "format/exercise_reader.h"
#include "platform/qt_own_texts.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_stage.h"

#include <array>
#include <regex>

namespace tavelle {

namespace {

struct Translation {
    const char* english;  // a whole line, its variable parts in groups
    const char* french;
};

// The messages of tavelle-sheets and of the command line it shares with tavelle-solve; the exercise
// file's own come worded in French from the format.
const std::array<Translation, 23> translations{{
    {R"re(exercise (\d+) is refused on (\S+), left out: (.*))re",
     "l'exercice $1 est refusé sur $2, il est laissé de côté : $3"},
    {R"re(no exercise to put on the sheets; (.*) is not written)re",
     "aucun exercice à mettre sur les feuilles ; $1 n'est pas écrit"},
    {R"re(cannot write (.*?): (.*))re", "impossible d'écrire $1 : $2"},
    {R"re(cannot read the class (.*))re", "impossible de lire la classe $1"},
    {R"re(unknown option "(.*)")re", "option inconnue \"$1\""},
    {R"re(option (\S+) takes a whole number, not "(.*)")re", "l'option $1 attend un nombre entier, pas \"$2\""},
    {R"re(only one FILE may be given)re", "un seul FICHIER peut être donné"},
    {R"re(--random takes no FILE)re", "--random ne prend pas de FICHIER"},
    {R"re(--seed goes with --random)re", "--seed va avec --random"},
    {R"re(--random takes at most (\d+) exercises)re", "--random tire au plus $1 exercices"},
    {R"re(a set holds at most (\d+) exercises)re", "une série compte au plus $1 exercices"},
    {R"re(missing -o OUT.pdf)re", "il manque -o SORTIE.pdf"},
    {R"re(--trainee and --key exclude each other)re", "--trainee et --key s'excluent"},
    {R"re(--code stands for --random and --seed)re", "--code tient lieu de --random et de --seed"},
    {R"(--code takes the code printed on the trainee pages, such as (.*))",
     "--code attend le code imprimé sur les pages des stagiaires, comme $1"},
    {R"re(--class draws the exercises: it takes no FILE)re",
     "--class tire les exercices : elle ne prend pas de FICHIER"},
    {R"re(--class names (\d+) trainees, the set holds (\d+))re", "--class nomme $1 stagiaires, la série en compte $2"},
    {R"re(the class (.*) names no trainee: one name a line)re",
     "la classe $1 ne nomme aucun stagiaire : un nom par ligne"},
    {R"re(the class (.*) is not UTF-8 text: line (\d+))re", "la classe $1 n'est pas du texte UTF-8 : ligne $2"},
    {R"re(the class (.*) names (.*) twice: line (\d+))re", "la classe $1 nomme $2 deux fois : ligne $3"},
    {R"re(SOURCE_DATE_EPOCH is not a whole number of seconds: (.*))re",
     "SOURCE_DATE_EPOCH n'est pas un nombre entier de secondes : $1"},
    {R"re(waiting for a reader of (.*))re", "en attente d'un lecteur de $1"},
    {R"re(a class holds at most (\d+) trainees)re", "une classe compte au plus $1 stagiaires"},
}};

// The system's reasons that end a "cannot read" or "cannot write" line.
const std::array<Translation, 7> reasons{{
    {"it is the class list; name another file for the sheets",
     "c'est la liste de la classe ; nommez un autre fichier pour les feuilles"},
    {"it is the file the exercises are read from; name another file for the sheets",
     "c'est le fichier d'où les exercices sont lus ; nommez un autre fichier pour les feuilles"},
    {"No such file or directory", "fichier ou dossier introuvable"},
    {"Permission denied", "permission refusée"},
    {"No space left on device", "plus de place sur le périphérique"},
    {"Is a directory", "c'est un dossier"},
    {"Read-only file system", "système de fichiers en lecture seule"},
}};

}  // namespace

std::string inUserLanguage(std::string_view line)
{
    std::string text(line);
    if (!messagesInFrench()) return text;
    for (const Translation& reason : reasons) {
        const std::string_view english = reason.english;
        if (text.ends_with(english)) text.replace(text.size() - english.size(), english.size(), reason.french);
    }
    for (const Translation& translation : translations) {
        const std::regex english(translation.english);
        if (std::regex_match(text, english)) return std::regex_replace(text, english, translation.french);
    }
    return text;
}

std::function<std::optional<int>()> inUserLanguage(std::string_view program, std::function<std::optional<int>()> stage)
{
    if (!messagesInFrench()) return stage;
    // Said as an InputError, which the stage's runner prints as it stands, the advice already in French.
    const std::string advice = "; lancez " + std::string(program) + " --help pour l'usage";
    return [stage = std::move(stage), advice]() -> std::optional<int> {
        try {
            return stage();
        } catch (const UsageError& error) {
            throw InputError(inUserLanguage(error.what()) + advice);
        } catch (const InputError& error) {
            throw InputError(error.problem() ? wording(error, Language::french) : inUserLanguage(error.what()));
        } catch (const WriteError& error) {
            throw WriteError(inUserLanguage(error.what()));
        }
    };
}

}  // namespace tavelle
