// Each fault of an exercise file in both languages: the English as tavelle-solve has always written
// it, the French as the application and tavelle-sheets under French settings show it.
#include "format/input_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace tavelle {
namespace {

struct Wording {
    const char* name;
    InputProblem problem;
    std::string english;
    std::string french;
};

InputProblem problem(InputFault fault, std::size_t exercise = 1)
{
    InputProblem made;
    made.fault = fault;
    made.exercise = exercise;
    return made;
}

InputProblem cannotRead(std::string file, int systemError)
{
    InputProblem made = problem(InputFault::cannotRead, 0);
    made.file = std::move(file);
    made.systemError = systemError;
    return made;
}

InputProblem malformed(std::size_t exercise, JsonSyntax syntax, std::optional<std::string> found)
{
    InputProblem made = problem(InputFault::malformedJson, exercise);
    made.line = 1;
    made.column = 16;
    made.syntax = syntax;
    made.found = std::move(found);
    return made;
}

InputProblem withKind(InputFault fault, JsonKind kind, std::size_t exercise = 1)
{
    InputProblem made = problem(fault, exercise);
    made.kind = kind;
    return made;
}

InputProblem keyed(InputFault fault, std::string key, std::string value, JsonKind kind = JsonKind::none)
{
    InputProblem made = problem(fault);
    made.key = std::move(key);
    made.value = std::move(value);
    made.kind = kind;
    made.allowed = "a, b";
    return made;
}

InputProblem tooLong()
{
    InputProblem made = problem(InputFault::exerciseTooLong, 2);
    made.limit = 65536;
    return made;
}

class InputWordingTest : public ::testing::TestWithParam<Wording> {};

TEST_P(InputWordingTest, IsWordedInEachLanguage)
{
    EXPECT_EQ(wording(GetParam().problem, Language::english), GetParam().english);
    EXPECT_EQ(wording(GetParam().problem, Language::french), GetParam().french);
    const InputError error(GetParam().problem);
    EXPECT_EQ(error.what(), userLanguage() == Language::french ? GetParam().french : GetParam().english);
    EXPECT_EQ(wording(error, Language::french), GetParam().french);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InputWordingTest,
    ::testing::Values(
        Wording{"MissingFile", cannotRead("a.json", ENOENT), "cannot read a.json: No such file or directory",
                "impossible de lire a.json : fichier ou dossier introuvable"},
        Wording{"StandardInput", cannotRead("", EISDIR), "cannot read standard input: Is a directory",
                "impossible de lire l'entrée standard : c'est un dossier"},
        Wording{"ReasonWithoutWordsOfItsOwn", cannotRead("a.json", EOVERFLOW),
                "cannot read a.json: system error " + std::to_string(EOVERFLOW),
                "impossible de lire a.json : erreur du système n° " + std::to_string(EOVERFLOW)},
        Wording{"MalformedInAnExercise", malformed(1, JsonSyntax::colon, "}"),
                "exercise 1: malformed JSON at line 1, column 16: expected ':' after a key, found '}'",
                "exercice 1 : JSON mal formé à la ligne 1, colonne 16 : ':' est attendu après une clé, trouvé '}'"},
        Wording{"MalformedAtTheEnd", malformed(0, JsonSyntax::trailingData, std::nullopt),
                "malformed JSON at line 1, column 16: trailing data after the document, found the end of the input",
                "JSON mal formé à la ligne 1, colonne 16 : des données suivent la fin du document, trouvé la fin du "
                "texte"},
        Wording{"NotADocument", withKind(InputFault::notADocument, JsonKind::string, 0),
                "expected an exercise object or an array of exercises, got a string",
                "un exercice ou un tableau d'exercices est attendu, pas une chaîne"},
        Wording{"NotAnExercise", withKind(InputFault::notAnExercise, JsonKind::array),
                "exercise 1: expected an object of list choices, got an array",
                "exercice 1 : un objet des choix des listes est attendu, pas un tableau"},
        Wording{"TooLong", tooLong(),
                "exercise 2 is longer than 65536 bytes (blanks included), the most one exercise may take",
                "l'exercice 2 dépasse 65536 octets (blancs compris), le plus qu'un exercice puisse prendre"},
        Wording{"UnknownKey", keyed(InputFault::unknownKey, "pump", ""),
                "exercise 1: unknown key \"pump\"; allowed keys: a, b",
                "exercice 1 : clé inconnue \"pump\" ; clés permises : a, b"},
        Wording{"RepeatedKey", keyed(InputFault::repeatedKey, "nozzleCount", ""),
                "exercise 1, key \"nozzleCount\": the key is given twice; give each key once",
                "exercice 1, clé \"nozzleCount\" : la clé est donnée deux fois ; donnez chaque clé une fois"},
        Wording{"ValueNotAnItem", keyed(InputFault::notAnItem, "nozzleCount", "\"{4}\""),
                "exercise 1, key \"nozzleCount\": value \"{4}\" is not an item of this list; allowed: a, b (or "
                "null/\"\" for no choice)",
                "exercice 1, clé \"nozzleCount\" : la valeur \"{4}\" n'est pas un élément de cette liste ; permis : "
                "a, b (ou null/\"\" pour aucun choix)"},
        Wording{"NestedValueNotAnItem", keyed(InputFault::notAnItem, "nozzleCount", "", JsonKind::object),
                "exercise 1, key \"nozzleCount\": an object is not an item of this list; allowed: a, b (or "
                "null/\"\" for no choice)",
                "exercice 1, clé \"nozzleCount\" : un objet n'est pas un élément de cette liste ; permis : a, b (ou "
                "null/\"\" pour aucun choix)"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(InputWording, EverySyntaxFaultHasBothWordings)
{
    for (int syntax = 0; syntax <= static_cast<int>(JsonSyntax::commaOrBrace); ++syntax) {
        const InputProblem problem = malformed(0, static_cast<JsonSyntax>(syntax), "x");
        EXPECT_NE(wording(problem, Language::english), wording(problem, Language::french)) << syntax;
    }
}

TEST(InputWording, AToolsOwnComplaintStaysAsWritten)
{
    EXPECT_EQ(wording(InputError("the file holds no exercise"), Language::french), "the file holds no exercise");
}

}  // namespace
}  // namespace tavelle
