#include "sheets_pdf.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

class SheetsTool : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path file(const std::string& name) const { return m_dir / name; }

    // Runs a shell command line under a French locale, standard input from `input`.
    CommandRun run(const std::string& command, const std::string& input = "") const
    {
        {
            std::ofstream(file("in")) << input;
        }
        const std::string line = "(export LC_ALL=fr_FR.UTF-8; unset LC_NUMERIC LANG; " + command + ") < " +
                                 quoted(file("in")) + " > " + quoted(file("out")) + " 2> " + quoted(file("err"));
        CommandRun result;
        const int raw = std::system(line.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = slurp(file("out"));
        result.err = slurp(file("err"));
        return result;
    }

    CommandRun sheets(const std::string& arguments, const std::string& input = "") const
    {
        return run(std::string(TAVELLE_SHEETS_PATH) + " " + arguments, input);
    }

    // One page's text with every run of blanks and line ends made one blank, as a reader sees it.
    std::string pageText(const fs::path& pdf, int page) const
    {
        const std::string number = std::to_string(page);
        return collapse(run("pdftotext -f " + number + " -l " + number + " " + pdf.string() + " -").out);
    }

    static std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

    static std::string collapse(const std::string& text) { return std::regex_replace(text, std::regex("\\s+"), " "); }
    static std::string withoutHyphens(std::string text)
    {
        std::erase(text, '-');
        return text;
    }

private:
    fs::path m_dir = fs::temp_directory_path() / ("tavelle-sheets-test-" + std::to_string(::getpid()));
};

TEST_F(SheetsTool, ARandomSetHoldsEveryStatementLineAndVerdictAsTheAnswerKeyToolGivesThem)
{
    constexpr int count = 12;
    const CommandRun sheet = sheets("--random " + std::to_string(count) + " --seed 7 -o " + file("set.pdf").string());
    ASSERT_EQ(sheet.status, 0) << sheet.err;

    const CommandRun solved = run(std::string(TAVELLE_SOLVE_PATH) + " --random 12 --seed 7 | " TAVELLE_SOLVE_PATH);
    ASSERT_EQ(solved.status, 0) << solved.err;
    const json results = json::parse(solved.out);
    ASSERT_EQ(results.size(), std::size_t{count});

    const std::string info = run("pdfinfo " + file("set.pdf").string()).out;
    const std::vector<std::string> pages = tavelle::test::pdfPages(file("set.pdf"));
    const std::size_t table = tavelle::test::pageWith(pages, "Réponses de la série");  // the key opens with its table
    EXPECT_EQ(pages.size(), table + 1 + count) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    const std::string fonts = run("pdffonts " + file("set.pdf").string() + " | tail -n +3").out;
    EXPECT_FALSE(fonts.empty());
    EXPECT_EQ(fonts.find(" no "), fonts.find(" no  yes"))  // "emb" is the first yes/no column
        << "every font is embedded:\n"
        << fonts;

    for (int i = 0; i < count; ++i) {
        const json& result = results[std::size_t(i)];
        const std::string heading = "Exercice n° " + std::to_string(i + 1) + " ";
        const std::size_t traineePage = tavelle::test::pageWith(pages, heading);
        ASSERT_LT(traineePage, table) << heading;
        const std::string& trainee = pages[traineePage];
        const std::string& key = pages[table + 1 + std::size_t(i)];
        // pdftotext joins a word cut at its hyphen at a line's end ("plein-pied").
        EXPECT_NE(withoutHyphens(trainee).find(withoutHyphens(collapse(result["Don"]["Label2"]))), std::string::npos)
            << trainee;
        EXPECT_NE(trainee.find("page " + std::to_string(traineePage + 1) + " / " + std::to_string(table)),
                  std::string::npos);
        EXPECT_NE(key.find("Corrigé de l'exercice " + std::to_string(i + 1) + " (tirage aléatoire, graine 7)"),
                  std::string::npos)
            << key;
        for (const std::string& page : {trainee, key}) EXPECT_EQ(page.find("Imprimer"), std::string::npos) << page;
        for (const auto& label : result["Calculs"].items())
            EXPECT_NE(key.find(collapse(label.value())), std::string::npos) << label.key() << " of " << i + 1 << ":\n"
                                                                            << key;
        for (const auto& label : result["Calculs2"].items())
            EXPECT_NE(key.find(collapse(label.value())), std::string::npos) << label.key() << " of " << i + 1 << ":\n"
                                                                            << key;
    }
}

TEST_F(SheetsTool, OnePartOnlyAndRefusedExercisesLeftOut)
{
    const std::string one = R"({"pumpRating": "1000/10", "feedDiameter": 45, "feedLength": 120, "nozzleCount": 1,
                                "nozzle1Type": "40/14", "nozzle1Flow": 250, "nozzle1Height": 5, "nozzle1HoseCount": 1})";
    const std::string refused = R"({"pumpRating": "1000/10", "feedDiameter": 45, "feedLength": 120, "nozzleCount": 1,
                                    "nozzle1Type": "40/14", "nozzle1Flow": 500, "nozzle1HoseCount": 1})";
    const std::string exercises = "[" + one + "," + refused + "," + one + "]";
    struct Case {
        const char* option;
        const char* lastHeading;
        const char* leftOut;
    };
    // A trainee's exercise takes one page or two, as its working needs; the key a table and a page each.
    for (const Case& c : {Case{"--trainee", "Exercice n° 3", "Exercice n° 2"},
                          Case{"--key", "Corrigé de l'exercice 3", "Corrigé de l'exercice 2"}}) {
        const CommandRun sheet = sheets(std::string(c.option) + " - -o " + file("part.pdf").string(), exercises);
        EXPECT_EQ(sheet.status, 1) << c.option;
        EXPECT_NE(sheet.err.find("tavelle-sheets: l'exercice 2 est refusé sur Lance1, il est laissé de côté : "),
                  std::string::npos)
            << sheet.err;
        const std::vector<std::string> pages = tavelle::test::pdfPages(file("part.pdf"));
        ASSERT_FALSE(pages.empty());
        EXPECT_NE(pages.back().find(c.lastHeading), std::string::npos) << c.option;
        EXPECT_EQ(tavelle::test::pageWith(pages, c.leftOut), pages.size()) << c.option;
    }
}

TEST_F(SheetsTool, BadInputAndUnwritableOutputLeaveNothingHalfWritten)
{
    {
        std::ofstream(file("kept.pdf")) << "an earlier set";
    }
    fs::create_symlink(file("in"), file("link.json"));
    const std::string exercise = R"({"pumpRating": "1000/10"})";
    const std::string refusedThenBad = "[" + exercise + ", {\"pumpRating\": 3}]";
    const std::string refusedThenAccepted = "[" + exercise + R"(, {"pumpRating": "1000/10", "feedDiameter": 45,
        "feedLength": 120, "nozzleCount": 1, "nozzle1Type": "40/14", "nozzle1Flow": 250, "nozzle1Height": 5,
        "nozzle1HoseCount": 1}])";
    struct Case {
        std::string arguments;
        std::string input;
        std::string message;
    };
    const std::string sameFile = "c'est le fichier d'où les exercices sont lus";
    const Case cases[] = {
        {"- -o " + file("kept.pdf").string(), "{\"pumpRating\": \"3000/15\"}", "pumpRating"},
        {"- -o " + file("kept.pdf").string(), "[{", "tavelle-sheets: "},
        {"- -o " + file("kept.pdf").string(), refusedThenBad, "exercice 2, clé \"pumpRating\" : la valeur 3 n'est pas"},
        {"--random 2 -o " + quoted(file("no such folder") / "set.pdf"), "", "impossible d'écrire "},
        {"- -o " + quoted(file("no such folder") / "set.pdf"), refusedThenAccepted, "impossible d'écrire "},
        {"--random 2", "", "il manque -o SORTIE.pdf"},
        {"--trainee --key --random 2 -o " + file("kept.pdf").string(), "", "s'excluent"},
        {file("in").string() + " -o " + (file("") / "." / "in").string(), exercise, sameFile},
        {file("in").string() + " -o " + file("link.json").string(), exercise, sameFile},
        {"- -o " + file("in").string(), exercise, sameFile},
    };
    for (const Case& c : cases) {
        const CommandRun sheet = sheets(c.arguments, c.input);
        EXPECT_EQ(sheet.status, 2) << c.arguments;
        EXPECT_NE(sheet.err.find(c.message), std::string::npos) << sheet.err;
        EXPECT_EQ(std::count(sheet.err.begin(), sheet.err.end(), '\n'), 1) << sheet.err;
        EXPECT_EQ(slurp(file("in")), c.input) << c.arguments;
    }
    EXPECT_EQ(slurp(file("kept.pdf")), "an earlier set");
    EXPECT_EQ(std::distance(fs::directory_iterator(file("")), fs::directory_iterator()),
              5)  // in, out, err, kept.pdf, link.json
        << "no temporary file is left behind";
}

TEST_F(SheetsTool, StandardOutputDevicesAndPipesAreWrittenIntoNeverReplaced)
{
    const std::string set = " --random 1 --seed 7 -o ";
    const CommandRun toStandardOutput = sheets(set + "-");
    EXPECT_EQ(toStandardOutput.status, 0) << toStandardOutput.err;
    EXPECT_EQ(toStandardOutput.out.rfind("%PDF-", 0), 0u);

    ASSERT_EQ(run("mkfifo " + quoted(file("pipe"))).status, 0);
    // The reader gives up after a while: a pipe replaced by a file has no writer, and the test must not hang.
    const CommandRun throughPipe =
        run("timeout 20 cat " + quoted(file("pipe")) + " > " + quoted(file("from pipe")) + " & " TAVELLE_SHEETS_PATH +
            set + quoted(file("pipe")) + "; status=$?; wait; exit $status");
    EXPECT_EQ(throughPipe.status, 0) << throughPipe.err;
    EXPECT_TRUE(fs::is_fifo(file("pipe")));
    EXPECT_EQ(slurp(file("from pipe")).rfind("%PDF-", 0), 0u);

    if (run("mknod " + quoted(file("null")) + " c 1 3 && mknod " + quoted(file("full")) + " c 1 7").status != 0)
        GTEST_SKIP() << "making device nodes needs root";
    const CommandRun intoNull = sheets(set + quoted(file("null")));
    EXPECT_EQ(intoNull.status, 0) << intoNull.err;
    const CommandRun intoFull = sheets(set + quoted(file("full")));
    EXPECT_EQ(intoFull.status, 2);
    EXPECT_EQ(intoFull.err, "tavelle-sheets: impossible d'écrire " + file("full").string() +
                                " : plus de place sur le périphérique\n");
    for (const char* device : {"null", "full"}) EXPECT_TRUE(fs::is_character_file(file(device))) << device;
}

}  // namespace

namespace {

TEST_F(SheetsTool, EveryFileReadIsRefusedAsTheOutputUnderAnyName)
{
    const std::string exercise = R"({"pumpRating": "1000/10"})";
    {
        std::ofstream(file("class.txt")) << "DUPONT Jean\nMARTIN Léa\n";
    }
    {
        std::ofstream(file("set.json")) << exercise;
    }
    fs::create_symlink(file("class.txt"), file("class link"));
    fs::create_hard_link(file("set.json"), file("set hard link"));
    const std::string theClass = "c'est la liste de la classe";
    const std::string theExercises = "c'est le fichier d'où les exercices sont lus";
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"--class " + quoted(file("class.txt")) + " -o " + quoted(file("class.txt")), theClass},
        {"--class " + quoted(file("class.txt")) + " --seed 4 -o " + quoted(file("") / "." / "class.txt"), theClass},
        {"--class " + quoted(file("class link")) + " -o " + quoted(file("class.txt")), theClass},
        {"--class " + quoted(file("class.txt")) + " --random 2 -o " + quoted(file("class link")), theClass},
        {quoted(file("set.json")) + " -o " + quoted(file("set hard link")), theExercises},
        {"- -o " + quoted(file("set.json")) + " < " + quoted(file("set hard link")), theExercises},
    };
    for (const Case& c : cases) {
        const CommandRun sheet = sheets(c.arguments);
        EXPECT_EQ(sheet.status, 2) << c.arguments;
        EXPECT_NE(sheet.err.find(c.message), std::string::npos) << sheet.err;
        EXPECT_EQ(std::count(sheet.err.begin(), sheet.err.end(), '\n'), 1) << sheet.err;
    }
    EXPECT_EQ(slurp(file("class.txt")), "DUPONT Jean\nMARTIN Léa\n");
    EXPECT_EQ(slurp(file("set.json")), exercise);
}

TEST_F(SheetsTool, AClassListThatIsNotTextOrABadStampIsRefusedInOneLine)
{
    struct Case {
        std::string classList;
        std::string environment;
        int status;
        std::string message;  // the whole of standard error
    };
    const std::string path = file("class.txt").string();
    const Case cases[] = {
        {"DUPONT Jean\nMARTIN L\xE9"
         "a\n",
         "", 2, "la classe " + path + " n'est pas du texte UTF-8 : ligne 2"},
        {std::string("\n\nab\0\1\xff", 7), "", 2, "la classe " + path + " n'est pas du texte UTF-8 : ligne 3"},
        {"\xEF\xBB\xBF"
         "DUPONT Jean\r\nDupont  jean \n",
         "", 0, "la classe " + path + " nomme Dupont jean deux fois : ligne 2"},
        {"DUPONT Jean\n", "SOURCE_DATE_EPOCH=yesterday", 2,
         "SOURCE_DATE_EPOCH n'est pas un nombre entier de secondes : \"yesterday\""},
        {"DUPONT Jean\n", "SOURCE_DATE_EPOCH=-5", 2,
         "SOURCE_DATE_EPOCH n'est pas un nombre entier de secondes : \"-5\""},
    };
    for (const Case& c : cases) {
        {
            std::ofstream(file("class.txt"), std::ios::binary) << c.classList;
        }
        const CommandRun sheet =
            run(c.environment + " " TAVELLE_SHEETS_PATH " --class " + path + " -o " + file("set.pdf").string());
        EXPECT_EQ(sheet.status, c.status) << c.message;
        EXPECT_EQ(sheet.err.substr(0, sheet.err.find(" ;")),
                  "tavelle-sheets: " + c.message + (c.status == 0 ? "\n" : ""));
        EXPECT_EQ(std::count(sheet.err.begin(), sheet.err.end(), '\n'), 1) << sheet.err;
    }
}

TEST_F(SheetsTool, AClassListThatIsAFolderOrMissingSaysWhy)
{
    fs::create_directory(file("adir"));
    for (const auto& [name, reason] :
         {std::pair{"adir", "c'est un dossier"}, std::pair{"absent.txt", "fichier ou dossier introuvable"}}) {
        const CommandRun sheet =
            run(TAVELLE_SHEETS_PATH " --class " + file(name).string() + " -o " + file("set.pdf").string());
        EXPECT_EQ(sheet.status, 2) << name;
        EXPECT_EQ(sheet.err,
                  "tavelle-sheets: impossible de lire la classe " + file(name).string() + " : " + reason + "\n");
    }
}

TEST_F(SheetsTool, AFullDiskSaysSoAndAPipeWithoutReaderIsNamed)
{
    // A private mount of a tiny file system: the disk is full for this command only.
    const CommandRun full = run("unshare -m sh -c 'mount -t tmpfs -o size=12k tmpfs " + quoted(file("")) + " && " +
                                TAVELLE_SHEETS_PATH + " --random 3 --seed 7 -o " + quoted(file("set.pdf")) +
                                " 2> /dev/stderr; status=$?; ls " + quoted(file("")) + "; exit $status'");
    if (full.err.find("unshare") != std::string::npos || full.err.find("mount") != std::string::npos)
        GTEST_SKIP() << "a private mount needs root: " << full.err;
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err, "tavelle-sheets: impossible d'écrire " + file("set.pdf").string() +
                            " : plus de place sur le périphérique\n");
    EXPECT_EQ(full.out, "") << "nothing is left behind";

    ASSERT_EQ(run("mkfifo " + quoted(file("pipe"))).status, 0);
    // The reader comes after two seconds; the tool has said, once, what it waits for.
    const CommandRun late = run("(sleep 2.5; timeout 20 cat " + quoted(file("pipe")) +
                                " > /dev/null) & " TAVELLE_SHEETS_PATH " --random 1 --seed 7 -o " +
                                quoted(file("pipe")) + "; status=$?; wait; exit $status");
    EXPECT_EQ(late.status, 0);
    EXPECT_EQ(late.err, "tavelle-sheets: en attente d'un lecteur de " + file("pipe").string() + "\n");
}

}  // namespace
