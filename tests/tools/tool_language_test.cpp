// The tools speak the user's language: French under French settings, English under English or C
// settings, their help, their own messages and Qt's alike; and the system's reasons are worded by the
// tools, the same whether or not the C library's French messages are installed.
#include "tool_run.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle::test {
namespace {

constexpr const char* kFrench = "fr_FR.UTF-8";
constexpr const char* kEnglish = "C.UTF-8";

struct Said {
    const char* name;
    const char* program;
    std::string arguments;
    const char* locale;
    std::string helpStart;  // the help's first line, as far as it is given
    std::string error;  // the whole of standard error
};

void PrintTo(const Said& said, std::ostream* out)
{
    *out << said.name;
}

class ToolLanguage : public ::testing::TestWithParam<Said> {};

TEST_P(ToolLanguage, HelpAndErrorSpeakTheSettingsLanguage)
{
    const Said& said = GetParam();
    const ToolRun help = runTool(said.program, "--help", "", said.locale);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, said.helpStart.size()), said.helpStart) << help.out;
    const ToolRun failed = runTool(said.program, said.arguments, "", said.locale);
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.err, said.error);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolLanguage,
    ::testing::Values(
        Said{"SolveEnglish", TAVELLE_SOLVE_PATH, "/nowhere.json", kEnglish, "Usage: tavelle-solve [--text] [FILE]\n",
             "tavelle-solve: cannot read /nowhere.json: No such file or directory\n"},
        Said{"SolveFrench", TAVELLE_SOLVE_PATH, "/nowhere.json", kFrench,
             "Utilisation : tavelle-solve [--text] [FICHIER]\n",
             "tavelle-solve: impossible de lire /nowhere.json : fichier ou dossier introuvable\n"},
        Said{"SolveQtEnglish", TAVELLE_SOLVE_PATH, "--random", kEnglish,
             "Usage: ", "tavelle-solve: missing value after '--random'; run tavelle-solve --help for usage\n"},
        Said{"SolveQtFrench", TAVELLE_SOLVE_PATH, "--random", kFrench, "Utilisation : ",
             "tavelle-solve: valeur manquante après \"--random\" ; lancez tavelle-solve --help pour l'usage\n"},
        Said{"SheetsEnglish", TAVELLE_SHEETS_PATH, "--random 2", kEnglish,
             "Usage: tavelle-sheets [FILE | - | --random N [--seed S] | --code CODE | --class\n",
             "tavelle-sheets: missing -o OUT.pdf; run tavelle-sheets --help for usage\n"},
        Said{"SheetsFrench", TAVELLE_SHEETS_PATH, "--random 2", kFrench,
             "Utilisation : tavelle-sheets [FICHIER | - | --random N [--seed S] | --code CODE\n",
             "tavelle-sheets: il manque -o SORTIE.pdf ; lancez tavelle-sheets --help pour l'usage\n"},
        Said{"SheetsUnwritableEnglish", TAVELLE_SHEETS_PATH, "--random 2 -o /nowhere/set.pdf", kEnglish,
             "Usage: ", "tavelle-sheets: cannot write /nowhere/set.pdf: No such file or directory\n"},
        Said{"SheetsUnwritableFrench", TAVELLE_SHEETS_PATH, "--random 2 -o /nowhere/set.pdf", kFrench, "Utilisation : ",
             "tavelle-sheets: impossible d'écrire /nowhere/set.pdf : fichier ou dossier introuvable\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ToolLanguage, TheHelpNamesThePlaceholdersItsMessagesName)
{
    for (const auto& [locale, placeholder, other] :
         {std::tuple{kEnglish, "<OUT.pdf>", "SORTIE"}, std::tuple{kFrench, "<SORTIE.pdf>", "OUT.pdf"}}) {
        const ToolRun help = runTool(TAVELLE_SHEETS_PATH, "--help", "", locale);
        EXPECT_NE(help.out.find(placeholder), std::string::npos) << help.out;
        EXPECT_EQ(help.out.find(other), std::string::npos) << help.out;
    }
}

TEST(ToolLanguage, AFullDiskIsWordedTheSameWithAndWithoutTheCLibrarysFrenchMessages)
{
    struct Case {
        const char* program;
        const char* arguments;
        const char* output;
        const char* locale;
        const char* error;
    };
    const Case cases[] = {
        {TAVELLE_SOLVE_PATH, "--random 3", "> /dev/full", kEnglish,
         "tavelle-solve: cannot write standard output: No space left on device\n"},
        {TAVELLE_SOLVE_PATH, "--random 3", "> /dev/full", kFrench,
         "tavelle-solve: impossible d'écrire la sortie standard : plus de place sur le périphérique\n"},
        {TAVELLE_SHEETS_PATH, "--random 1 --seed 7 -o /dev/full", "", kEnglish,
         "tavelle-sheets: cannot write /dev/full: No space left on device\n"},
        {TAVELLE_SHEETS_PATH, "--random 1 --seed 7 -o /dev/full", "", kFrench,
         "tavelle-sheets: impossible d'écrire /dev/full : plus de place sur le périphérique\n"},
    };
    for (const Case& c : cases) {
        // LANGUAGE=fr gives the C library's French messages in any locale but C, where they are installed.
        for (const std::string libraryMessages : {"", " LANGUAGE=fr"}) {
            const ToolRun run = runTool(c.program, c.arguments, "", c.locale + libraryMessages, c.output);
            EXPECT_EQ(run.status, 2) << c.arguments;
            EXPECT_EQ(run.err, c.error) << c.locale << libraryMessages;
        }
    }
}

}  // namespace
}  // namespace tavelle::test
