#include "core/papers/class_report.h"
#include "core/papers/class_report_texts.h"
#include "core/practice/answer_marking.h"
#include "core/screens/walkthrough.h"
#include "format/exercise_reader.h"
#include "tests/support/class_generator.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace tavelle {
namespace {

using test::runTool;
using test::ScratchFolder;
using test::slurp;
using test::ToolRun;
namespace fs = std::filesystem;

// Reproducible, and blind to any class database this machine's settings name.
constexpr const char* reproducible =
    "SOURCE_DATE_EPOCH=1796725862 XDG_CONFIG_HOME=/nonexistent XDG_CONFIG_DIRS=/nonexistent ";

ToolRun report(const std::string& arguments)
{
    return runTool(std::string(reproducible) + TAVELLE_SHEETS_PATH, "--bilan " + arguments, "", "fr_FR.UTF-8");
}

// pdftotext lays a unit after a short number out glued to it or not: "8b" and "8 b" read alike here.
std::string unitsGlued(const std::string& text)
{
    return std::regex_replace(text, std::regex("(\\d) b "), "$1b ");
}

// A page's text as laid out, a line of the page a line of text, each run of blanks one blank: a table's
// row is one line, between line ends.
std::string pageText(const fs::path& pdf, int page)
{
    const std::string number = std::to_string(page);
    const std::string text =
        runTool("pdftotext", "-layout -f " + number + " -l " + number + " '" + pdf.string() + "' -", "").out;
    std::string lines = "\n";
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        line = std::regex_replace(line, std::regex("\\s+"), " ");
        line = std::regex_replace(line, std::regex("^ | $"), "");
        if (!line.empty()) lines += line + "\n";
    }
    return unitsGlued(lines);
}

std::size_t countOf(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

int pageCount(const fs::path& pdf)
{
    const std::string info = runTool("pdfinfo", "'" + pdf.string() + "'", "").out;
    std::smatch pages;
    return std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(pages[1]) : -1;
}

void write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// What the report should say of a trainee, worked out here from the attempts themselves.
struct Expected {
    std::string name;
    std::string group;
    int attempts = 0;
    int markSum = 0;
    std::array<int, questionCount> right{};
    std::vector<PracticeAttempt> all;
};

std::vector<PracticeAttempt> newestFirst(std::vector<PracticeAttempt> attempts)
{
    std::sort(attempts.begin(), attempts.end(), [](const PracticeAttempt& a, const PracticeAttempt& b) {
        return std::tie(a.finishedAt, a.id) > std::tie(b.finishedAt, b.id);
    });
    return attempts;
}

std::string percent(int part, int whole)
{
    return std::to_string((part * 100 + whole / 2) / whole) + " %";
}

ExpectedAnswers expectedOf(const std::string& exercise)
{
    ExerciseReader reader{std::string_view(exercise)};
    reader.readStart();
    ExerciseRecord record;
    walkExercise(*reader.next(), record, ",");
    return expectedAnswers(record);
}

TEST(ClassReportTool, ShowsEveryFigureOfTheClassAndOfEachTrainee)
{
    const testing::ClassShape shape;  // 25 trainees, 3 of whom never practise
    const std::vector<PracticeAttempt> attempts = testing::generatedClass(shape);
    ASSERT_GT(attempts.size(), 200u);
    // Two trainees' machines' files that overlap: the attempts in both count once.
    const ScratchFolder dir;
    const std::size_t third = attempts.size() / 3;
    write(dir.path / "a.csv", testing::progressExport({attempts.begin(), attempts.end() - long(third)}));
    write(dir.path / "b.csv", testing::progressExport({attempts.begin() + long(third), attempts.end()}));
    const fs::path pdf = dir.path / "bilan.pdf";
    const ToolRun run = report(dir.path.string() + "/a.csv " + dir.path.string() + "/b.csv -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    std::map<std::string, Expected> trainees;  // by name, as the report orders them
    std::array<int, questionCount> classRight{};
    for (const PracticeAttempt& attempt : attempts) {
        Expected& trainee = trainees[attempt.surname + " " + attempt.givenName];
        trainee.name = attempt.surname + " " + attempt.givenName;
        trainee.group = attempt.group;
        ++trainee.attempts;
        trainee.markSum += attempt.score();
        for (std::size_t q = 0; q < questionCount; ++q) {
            trainee.right[q] += attempt.right[q];
            classRight[q] += attempt.right[q];
        }
        trainee.all.push_back(attempt);
    }
    ASSERT_EQ(trainees.size(), std::size_t(shape.trainees - shape.idleTrainees));
    ASSERT_EQ(pageCount(pdf), 1 + int(trainees.size()));

    const std::string classPage = pageText(pdf, 1);
    EXPECT_NE(classPage.find(std::to_string(trainees.size()) + " stagiaires, " + std::to_string(attempts.size()) +
                             " exercices"),
              std::string::npos)
        << classPage;
    EXPECT_NE(classPage.find("Du 30 novembre 2026 au "), std::string::npos);
    for (std::size_t q = 0; q < questionCount; ++q)
        EXPECT_NE(classPage.find(percent(classRight[q], int(attempts.size()))), std::string::npos) << q;
    // The division's pressure is the step this class trips on.
    EXPECT_NE(classPage.find(percent(classRight[1], int(attempts.size())) + " ◀ le plus souvent faux"),
              std::string::npos);
    for (const testing::RosterEntry& idle : testing::classRoster(shape)) {
        if (trainees.count(idle.surname + " " + idle.givenName) == 0) {
            EXPECT_EQ(classPage.find(idle.surname + " " + idle.givenName), std::string::npos) << idle.surname;
        }
    }

    int page = 2;
    for (auto& [name, trainee] : trainees) {
        const std::vector<PracticeAttempt> latest = newestFirst(trainee.all);
        std::string marks;
        // The ten latest marks, oldest first, as the trend line draws them.
        for (std::size_t i = std::min<std::size_t>(10, latest.size()); i-- > 0;)
            marks += (marks.empty() ? "" : " ") + std::to_string(latest[i].score());
        const std::string mean = meanMarkText(trainee.markSum, trainee.attempts, ",");
        const std::string row = "\n" + name + " " + std::to_string(trainee.attempts) + " " + mean + " " +
                                frenchDate(latest.front().finishedAt / 86'400) + " " + marks + "\n";
        EXPECT_NE(classPage.find(row), std::string::npos) << row;

        const std::string own = pageText(pdf, page++);
        EXPECT_EQ(own.find("\n" + name + " Bilan du stagiaire\n" + name + " — " + trainee.group + " — " +
                           std::to_string(trainee.attempts) + (trainee.attempts == 1 ? " exercice" : " exercices") +
                           ", moyenne " + mean + "\n"),
                  0u)
            << own;
        for (std::size_t q = 0; q < questionCount; ++q)
            EXPECT_NE(own.find(percent(trainee.right[q], trainee.attempts) + " (" +
                               percent(classRight[q], int(attempts.size())) + ")"),
                      std::string::npos)
                << name << ' ' << q;
        for (std::size_t i = 0; i < std::min<std::size_t>(3, latest.size()); ++i) {
            const PracticeAttempt& attempt = latest[i];
            const std::string shown = "\n" + attemptHeading(attempt, 0) + "\nDonnées : ";
            EXPECT_NE(own.find(shown), std::string::npos) << shown;
            const ExpectedAnswers expected = expectedOf(attempt.exercise);
            for (std::size_t q = 0; q < questionCount; ++q) {
                const std::string line =
                    unitsGlued("\n" + std::string(questionTitle(allQuestions[q])) + " " + attempt.answers[q] + " " +
                               expectedAnswerText(allQuestions[q], expected, ",") + " " +
                               (attempt.right[q] ? "juste" : "faux") + "\n");
                EXPECT_NE(own.find(line), std::string::npos) << line;
            }
        }
        EXPECT_EQ(countOf(own, "\nDonnées : "), std::min<std::size_t>(3, latest.size())) << "at most three attempts";
    }

    // The same data, the same bytes.
    const fs::path again = dir.path / "again.pdf";
    ASSERT_EQ(report(dir.path.string() + "/b.csv " + dir.path.string() + "/a.csv -o " + again.string()).status, 0);
    EXPECT_EQ(slurp(again), slurp(pdf));
    EXPECT_LT(fs::file_size(pdf) / std::uintmax_t(pageCount(pdf)), 100'000u);
}

TEST(ClassReportTool, KeepsOneGroupAndOnePeriod)
{
    const ScratchFolder dir;
    write(dir.path / "c.csv", testing::progressExport(testing::generatedClass({})));
    const fs::path pdf = dir.path / "b.pdf";
    const ToolRun run = report(
        dir.path.string() + "/c.csv --groupe 'Groupe B' --depuis 2026-12-07 --jusqu-a 2026-12-13 -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string classPage = pageText(pdf, 1);
    EXPECT_NE(classPage.find("Groupe : Groupe B"), std::string::npos);
    EXPECT_NE(classPage.find("Du 7 décembre 2026 au 13 décembre 2026"), std::string::npos);
    std::set<std::string> kept;
    std::set<std::string> left;
    for (const PracticeAttempt& attempt : testing::generatedClass({})) {
        const std::int64_t day = attempt.finishedAt / 86'400;
        const bool inside = attempt.group == "Groupe B" && day >= 20'794 && day <= 20'800;
        (inside ? kept : left).insert("\n" + attempt.surname + " " + attempt.givenName + " ");
    }
    for (const std::string& name : left)
        EXPECT_TRUE(kept.count(name) == 1 || classPage.find(name) == std::string::npos) << name;
    ASSERT_FALSE(kept.empty());
    for (const std::string& name : kept) EXPECT_NE(classPage.find(name), std::string::npos) << name;
    EXPECT_NE(classPage.find(std::to_string(kept.size()) + " stagiaires"), std::string::npos);
    EXPECT_NE(classPage.find("S50"), std::string::npos);
    EXPECT_EQ(classPage.find("S49"), std::string::npos);
}

// Each time on the clock of its own day: a summer attempt keeps its summer hour in a report made in winter,
// and a winter one its winter hour in a report made in summer; a day's filter takes local days.
TEST(ClassReportTool, PlacesEachAttemptInTheLocalTimeOfItsOwnDay)
{
    std::vector<PracticeAttempt> attempts = testing::generatedClass({});
    attempts.resize(2);
    attempts[1].surname = attempts[0].surname;
    attempts[1].givenName = attempts[0].givenName;
    attempts[0].finishedAt = 1'789'079'400;  // 10 September 2026, 22:30 UTC
    attempts[1].finishedAt = 1'796'945'400;  // 10 December 2026, 23:30 UTC
    const ScratchFolder dir;
    write(dir.path / "c.csv", testing::progressExport(attempts));
    const fs::path pdf = dir.path / "b.pdf";
    const ToolRun run = runTool(
        "TZ=Europe/Paris XDG_CONFIG_HOME=/nonexistent XDG_CONFIG_DIRS=/nonexistent " TAVELLE_SHEETS_PATH,
        "--bilan " + (dir.path / "c.csv").string() + " --depuis 2026-09-11 -o " + pdf.string(), "", "fr_FR.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(pageText(pdf, 1).find("Du 11 septembre 2026 au 11 décembre 2026"), std::string::npos);
    const std::string own = pageText(pdf, 2);
    for (const char* heading : {"\n11 septembre 2026 à 0 h 30 — ", "\n11 décembre 2026 à 0 h 30 — "})
        EXPECT_NE(own.find(heading), std::string::npos) << heading << own;
}

TEST(ClassReportTool, AReportOfNothingIsOnePageThatSaysSo)
{
    const ScratchFolder dir;
    write(dir.path / "c.csv", testing::progressExport(testing::generatedClass({})));
    write(dir.path / "empty.csv", testing::progressExport({}));
    for (const std::string& arguments :
         {dir.path.string() + "/c.csv --groupe 'Groupe B' --depuis 2030-01-01", dir.path.string() + "/empty.csv"}) {
        const fs::path pdf = dir.path / "rien.pdf";
        const ToolRun run = report(arguments + " -o " + pdf.string());
        ASSERT_EQ(run.status, 0) << arguments << run.err;
        EXPECT_EQ(pageCount(pdf), 1) << arguments;
        EXPECT_NE(pageText(pdf, 1).find("Aucun exercice à montrer"), std::string::npos) << arguments;
    }
}

TEST(ClassReportTool, RefusesInOneLineWhatItCannotRead)
{
    const ScratchFolder dir;
    const std::string csv = testing::progressExport(testing::generatedClass(testing::exampleClassShape()));
    const std::string d = dir.path.string();
    write(dir.path / "good.csv", csv);
    write(dir.path / "old.csv", csv.substr(csv.find("finishedAt")));
    std::string broken = csv;
    broken.insert(broken.find('\n', broken.find('\n', broken.find('\n') + 1) + 1), ",extra");
    write(dir.path / "broken.csv", broken);
    std::string cut = csv;
    cut.erase(cut.find("}\",", cut.find('\n', cut.find('\n') + 1)), 1);
    write(dir.path / "cut.csv", cut);
    const struct {
        std::string arguments;
        std::string error;
    } cases[] = {
        {d + "/good.csv " + d + "/old.csv -o " + d + "/r.pdf",
         "tavelle-sheets: " + d +
             "/old.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle "
             "(tavelle --progression)\n"},
        {d + "/broken.csv -o " + d + "/r.pdf",
         "tavelle-sheets: " + d + "/broken.csv, ligne 3 : 24 colonnes au lieu de 23\n"},
        {d + "/cut.csv -o " + d + "/r.pdf",
         "tavelle-sheets: " + d +
             "/cut.csv, ligne 3 : la colonne exercise ne se lit plus comme un exercice : le fichier a été coupé ou "
             "modifié\n"},
        {d + "/good.csv --groupe 'Groupe Z' -o " + d + "/r.pdf",
         "tavelle-sheets: aucun exercice lu n'est du groupe « Groupe Z » ; les groupes sont : « Groupe A », "
         "« Groupe B »\n"},
        {d + "/missing.csv -o " + d + "/r.pdf",
         "tavelle-sheets: impossible de lire " + d + "/missing.csv : fichier ou dossier introuvable\n"},
        {d + "/good.csv --depuis 8/12/2026 -o " + d + "/r.pdf",
         "tavelle-sheets: --depuis attend une date sous la forme AAAA-MM-JJ, comme 2026-12-08, pas \"8/12/2026\" ; "
         "lancez tavelle-sheets --help pour l'usage\n"},
        {d + "/good.csv --jusqu-a 2026-02-30 -o " + d + "/r.pdf",
         "tavelle-sheets: --jusqu-a attend une date sous la forme AAAA-MM-JJ, comme 2026-12-08, pas \"2026-02-30\" ; "
         "lancez tavelle-sheets --help pour l'usage\n"},
        {d + "/good.csv --depuis 2026-12-09 --jusqu-a 2026-12-08 -o " + d + "/r.pdf",
         "tavelle-sheets: --depuis vient après --jusqu-a ; lancez tavelle-sheets --help pour l'usage\n"},
        {"-o " + d + "/r.pdf",
         "tavelle-sheets: --bilan lit des fichiers exportés par tavelle --progression, ou la base de la classe "
         "(--base, ou le réglage classe/base) ; lancez tavelle-sheets --help pour l'usage\n"},
        {d + "/good.csv", "tavelle-sheets: il manque -o SORTIE.pdf ; lancez tavelle-sheets --help pour l'usage\n"},
        {d + "/good.csv -o " + d + "/./good.csv",
         "tavelle-sheets: impossible d'écrire " + d +
             "/./good.csv : c'est un des fichiers lus ; nommez un autre fichier "
             "pour le bilan\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = report(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.err, c.error);
        EXPECT_FALSE(fs::exists(dir.path / "r.pdf")) << c.arguments;
    }
    EXPECT_EQ(slurp(dir.path / "good.csv"), csv) << "an input is never written over";
}

TEST(ClassReportTool, TheExampleExportIsTheGeneratorsAndMakesAReport)
{
    const std::string example = slurp(fs::path(TAVELLE_EXAMPLES_DIR) / "classe-exemple.csv");
    EXPECT_EQ(example, testing::progressExport(testing::generatedClass(testing::exampleClassShape())))
        << "run cmake --build build --target example-class";
    const ScratchFolder dir;
    const ToolRun run =
        report(std::string(TAVELLE_EXAMPLES_DIR) + "/classe-exemple.csv -o " + (dir.path / "b.pdf").string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(pageCount(dir.path / "b.pdf"), 7);
}

}  // namespace
}  // namespace tavelle
