#include "format/input_error.h"

#include "core/text/wording.h"

#include <array>
#include <string_view>

namespace tavelle {

namespace {

// Indexed by InputFault. {n} is the exercise's number, the other names the problem's particulars.
constexpr std::array<Wording, 8> kFaults{{
    {"cannot read {file}: {reason}", "impossible de lire {file} : {reason}"},
    {"{where}malformed JSON at line {line}, column {column}: {syntax}, found {found}",
     "{where}JSON mal formé à la ligne {line}, colonne {column} : {syntax}, trouvé {found}"},
    {"expected an exercise object or an array of exercises, got {kind}",
     "un exercice ou un tableau d'exercices est attendu, pas {kind}"},
    {"exercise {n}: expected an object of list choices, got {kind}",
     "exercice {n} : un objet des choix des listes est attendu, pas {kind}"},
    {"exercise {n} is longer than {limit} bytes (blanks included), the most one exercise may take",
     "l'exercice {n} dépasse {limit} octets (blancs compris), le plus qu'un exercice puisse prendre"},
    {"exercise {n}: unknown key \"{key}\"; allowed keys: {allowed}",
     "exercice {n} : clé inconnue \"{key}\" ; clés permises : {allowed}"},
    {"exercise {n}, key \"{key}\": the key is given twice; give each key once",
     "exercice {n}, clé \"{key}\" : la clé est donnée deux fois ; donnez chaque clé une fois"},
    {"exercise {n}, key \"{key}\": {value} is not an item of this list; allowed: {allowed} (or null/\"\" for no "
     "choice)",
     "exercice {n}, clé \"{key}\" : {value} n'est pas un élément de cette liste ; permis : {allowed} (ou null/\"\" "
     "pour aucun choix)"},
}};

// Indexed by JsonSyntax.
constexpr std::array<Wording, 19> kSyntax{{
    {"expected an exercise object or an array of exercises", "un exercice ou un tableau d'exercices est attendu"},
    {"expected four hexadecimal digits after \\u", "quatre chiffres hexadécimaux sont attendus après \\u"},
    {"unterminated string", "chaîne sans guillemet de fin"},
    {"control character in a string (write it as an escape such as \\n)",
     "caractère de contrôle dans une chaîne (écrivez-le en séquence d'échappement, comme \\n)"},
    {"a \\u escape of a lone low surrogate", "un \\u d'une seconde moitié de paire de substitution, seule"},
    {"a high surrogate without its low surrogate",
     "une première moitié de paire de substitution sans sa seconde moitié"},
    {"invalid escape in a string", "séquence d'échappement invalide dans une chaîne"},
    {"expected a digit in a number", "un chiffre est attendu dans un nombre"},
    {"expected a digit after the decimal point", "un chiffre est attendu après le point décimal"},
    {"expected a digit in the exponent", "un chiffre est attendu dans l'exposant"},
    {"a number is decimal digits without a leading zero, then an optional fraction and exponent",
     "un nombre s'écrit en chiffres décimaux sans zéro en tête, puis, au besoin, une partie décimale et un "
     "exposant"},
    {"expected true, false or null", "true, false ou null est attendu"},
    {"trailing data after the document", "des données suivent la fin du document"},
    {"expected ',' or ']' after an exercise", "',' ou ']' est attendu après un exercice"},
    {"expected an exercise object", "un exercice est attendu"},
    {"expected a key in double quotes", "une clé entre guillemets droits est attendue"},
    {"expected ':' after a key", "':' est attendu après une clé"},
    {"expected a value", "une valeur est attendue"},
    {"expected ',' or '}' after a value", "',' ou '}' est attendu après une valeur"},
}};

// Indexed by JsonKind.
constexpr std::array<Wording, 7> kKinds{{
    {"", ""},
    {"an object", "un objet"},
    {"an array", "un tableau"},
    {"a string", "une chaîne"},
    {"a boolean", "un booléen"},
    {"null", "null"},
    {"a number", "un nombre"},
}};

constexpr Wording kStandardInput{"standard input", "l'entrée standard"};
constexpr Wording kEndOfInput{"the end of the input", "la fin du texte"};
constexpr Wording kExerciseWhere{"exercise {n}: ", "exercice {n} : "};
constexpr Wording kValue{"value {value}", "la valeur {value}"};

template <typename Index, std::size_t size>
std::string_view words(const std::array<Wording, size>& table, Index index, Language language)
{
    return table.at(static_cast<std::size_t>(index)).in(language);
}

}  // namespace

std::string wording(const InputProblem& problem, Language language)
{
    const std::string n = std::to_string(problem.exercise);
    const std::string file = problem.file.empty() ? std::string(kStandardInput.in(language)) : problem.file;
    const std::string where = problem.exercise == 0 ? std::string() : composed(kExerciseWhere.in(language), {{"n", n}});
    const std::string found = problem.found ? "'" + *problem.found + "'" : std::string(kEndOfInput.in(language));
    const std::string kind(words(kKinds, problem.kind, language));
    const std::string value =
        problem.kind == JsonKind::none ? composed(kValue.in(language), {{"value", problem.value}}) : kind;
    return composed(words(kFaults, problem.fault, language),
                    {{"n", n},
                     {"file", file},
                     {"reason", systemReason(problem.systemError, language)},
                     {"where", where},
                     {"line", std::to_string(problem.line)},
                     {"column", std::to_string(problem.column)},
                     {"syntax", std::string(words(kSyntax, problem.syntax, language))},
                     {"found", found},
                     {"kind", kind},
                     {"key", problem.key},
                     {"value", value},
                     {"allowed", problem.allowed},
                     {"limit", std::to_string(problem.limit)}});
}

}  // namespace tavelle
