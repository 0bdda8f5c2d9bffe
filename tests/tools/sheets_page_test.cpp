#include "core/exercise_record.h"
#include "core/papers/sheet_texts.h"
#include "core/trade/values_to_find.h"
#include "sheets_pdf.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace tavelle::test {
namespace {

using nlohmann::json;

ToolRun sheets(const std::string& arguments, const std::string& environment = "")
{
    return runTool(environment + " " TAVELLE_SHEETS_PATH, arguments, "", "fr_FR.UTF-8");
}

std::string pageText(const fs::path& pdf, int page)
{
    const std::string number = std::to_string(page);
    return collapse(runTool("pdftotext", "-f " + number + " -l " + number + " " + pdf.string() + " -", "").out);
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

ExerciseRecord recordOf(const json& fields)
{
    ExerciseRecord record;
    forEachField(record, [&](const char* name, auto& field) { fields.at(name).get_to(field); });
    return record;
}

TEST(SheetsPage, TraineePagesShowNoValueTheTraineeMustFindNorTheSeed)
{
    const ScratchFolder dir;
    const fs::path pdf = dir.path / "set.pdf";
    const ToolRun sheet = sheets("--random 12 --seed 11 --trainee -o " + pdf.string());
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const json results = json::parse(solve("", solve("--random 12 --seed 11", "").out).out);
    const std::vector<std::string> pages = pdfPages(pdf);
    for (int i = 0; i < 12; ++i) {
        const json& result = results[std::size_t(i)];
        const std::string& page = pages.at(pageWith(pages, "Exercice n° " + std::to_string(i + 1) + " "));
        EXPECT_EQ(page.find("graine"), std::string::npos) << page;
        EXPECT_NE(page.find(setCodeLine("B-12")), std::string::npos) << page;  // 11 in base 32
        const std::vector<std::string_view> hidden = schematicValuesToFind(recordOf(result["record"]));
        // A hidden value's text may be shown by another control (the feed's diameter, a nozzle's flow).
        for (std::string_view name : hidden) {
            const std::string value = collapse(result["Dessin"][std::string(name)]["text"]);
            std::size_t shownElsewhere = 0;
            for (const auto& [control, state] : result["Dessin"].items())
                if (std::find(hidden.begin(), hidden.end(), control) == hidden.end() && state.is_object() &&
                    state.value("visible", false) && state.value("text", "") == value)
                    ++shownElsewhere;
            EXPECT_EQ(occurrences(page, value), shownElsewhere) << name << " of " << i + 1 << ":\n" << page;
        }
        EXPECT_NE(page.find(collapse(result["Dessin"]["Label2"]["text"])), std::string::npos) << "the feed length";
    }
}

TEST(SheetsPage, PaperOnlyAndTheSameBytesForTheSameEpoch)
{
    const ScratchFolder dir;
    const std::string epoch = "SOURCE_DATE_EPOCH=1700000000 QT_QPA_PLATFORM=xcb DISPLAY=:99";
    std::string bytes;
    for (const char* name : {"first.pdf", "second.pdf"}) {
        const ToolRun sheet = sheets("--random 12 --seed 3 -o " + (dir.path / name).string(), epoch);
        ASSERT_EQ(sheet.status, 0) << sheet.err;
        EXPECT_EQ(sheet.err, "");
        const std::string written = slurp(dir.path / name);
        if (!bytes.empty()) {
            EXPECT_TRUE(written == bytes) << "two runs gave different bytes";
        }
        bytes = written;
    }
    const fs::path pdf = dir.path / "first.pdf";
    // The emblem is the one picture, stored once: every page shows the same object.
    const std::string images = runTool("pdfimages", "-list " + pdf.string(), "").out;
    const std::regex emblem(R"( *\d+ +\d+ (image|smask) +128 +128 +\w+ +\d +\d +\w+ +\w+ +(\d+) .*)");
    std::istringstream rows(images);
    std::string row;
    std::set<std::string> objects;
    for (int header = 0; header < 2; ++header) std::getline(rows, row);
    for (std::smatch picture; std::getline(rows, row);) {
        EXPECT_TRUE(std::regex_match(row, picture, emblem)) << row;
        objects.insert(picture[2]);
    }
    EXPECT_EQ(objects.size(), 1u) << images;
    const std::string fonts = runTool("pdffonts", pdf.string(), "").out;
    EXPECT_EQ(fonts.find(" no "), fonts.find(" no  yes")) << fonts;
    EXPECT_NE(runTool("pdfinfo", pdf.string(), "").out.find("Tavelle, série 3-12, 12 exercices"), std::string::npos);
}

TEST(SheetsPage, TheSetCodeGivesTheKeyBack)
{
    const ScratchFolder dir;
    const std::string epoch = "SOURCE_DATE_EPOCH=0";
    const ToolRun drawn = sheets("--key --random 5 --seed 987654 -o " + (dir.path / "drawn.pdf").string(), epoch);
    const ToolRun coded = sheets("--key --code y4g6-5 -o " + (dir.path / "coded.pdf").string(), epoch);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    ASSERT_EQ(coded.status, 0) << coded.err;
    EXPECT_TRUE(slurp(dir.path / "drawn.pdf") == slurp(dir.path / "coded.pdf"));
    EXPECT_NE(pageText(dir.path / "coded.pdf", 1).find("Série Y4G6-5"), std::string::npos);
    const ToolRun wrong = sheets("--key --code Y4G6 -o " + (dir.path / "wrong.pdf").string());
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--code"), std::string::npos) << wrong.err;
}

TEST(SheetsPage, AClassGetsOneNamedExerciseEachAndTheKeyInTheSameOrder)
{
    const ScratchFolder dir;
    {
        std::ofstream(dir.path / "class.txt") << "Élodie Martin\n\nJosé Nuñez\r\n";
    }
    const fs::path pdf = dir.path / "class.pdf";
    const ToolRun sheet = sheets("--class " + (dir.path / "class.txt").string() + " --seed 5 -o " + pdf.string());
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const std::vector<std::string> pages = pdfPages(pdf);
    const std::size_t table = pageWith(pages, "Réponses de la série");
    ASSERT_EQ(pages.size(), table + 3);
    for (const auto& [heading, name] : {std::pair{"Exercice n° 1 ", "Élodie Martin"},
                                        {"Exercice n° 2 ", "José Nuñez"},
                                        {"Corrigé de l'exercice 1", "Élodie Martin"},
                                        {"Corrigé de l'exercice 2", "José Nuñez"}})
        EXPECT_NE(pages.at(pageWith(pages, heading)).find(name), std::string::npos) << heading;
}

TEST(SheetsPage, ARefusedExerciseKeepsItsRowInTheKeyTable)
{
    const std::string one = R"({"pumpRating": "1000/10", "feedDiameter": 45, "feedLength": 120, "nozzleCount": 1,
                                "nozzle1Type": "40/14", "nozzle1Flow": 250, "nozzle1HoseCount": 1})";
    const std::string refused = R"({"pumpRating": "1000/10", "feedDiameter": 45, "feedLength": 120, "nozzleCount": 1,
                                    "nozzle1Type": "40/14", "nozzle1Flow": 500, "nozzle1HoseCount": 1})";
    const ScratchFolder dir;
    const fs::path pdf = dir.path / "key.pdf";
    const ToolRun sheet = runTool(TAVELLE_SHEETS_PATH, "--key - -o " + pdf.string(),
                                  "[" + one + "," + refused + "," + one + "]", "fr_FR.UTF-8");
    EXPECT_EQ(sheet.status, 1);
    const std::string table = pageText(pdf, 1);
    EXPECT_NE(table.find(refusedNotice(2)), std::string::npos) << table;
    EXPECT_NE(table.find("3 lance 1 "), std::string::npos) << table;
}

}  // namespace
}  // namespace tavelle::test
