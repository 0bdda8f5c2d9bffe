#include "sheets_pdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

namespace tavelle::test {
namespace {

ToolRun sheets(const std::string& arguments)
{
    return runTool(TAVELLE_SHEETS_PATH, arguments, "", "fr_FR.UTF-8");
}

// Two words' boxes may share an edge, never more; no stroke reaches into a word; every word is on the
// page; a question's points stay on one line.
void expectNothingTouches(const fs::path& pdf)
{
    const std::vector<std::vector<Word>> words = pdfWords(pdf);
    const std::vector<std::vector<Segment>> segments = pdfSegments(pdf);
    ASSERT_EQ(words.size(), segments.size());
    for (std::size_t page = 0; page < words.size(); ++page) {
        const std::vector<Word>& on = words[page];
        for (std::size_t i = 0; i < on.size(); ++i) {
            const Box& box = on[i].box;
            EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= 595 && box.bottom <= 842)
                << on[i].text << " on page " << page + 1;
            for (std::size_t j = i + 1; j < on.size(); ++j)
                EXPECT_FALSE(box.overlaps(on[j].box, 0.5))
                    << on[i].text << " / " << on[j].text << " on page " << page + 1;
            for (const Segment& segment : segments[page])
                EXPECT_FALSE(segment.touches(box))
                    << on[i].text << " touches (" << segment.x1 << ", " << segment.y1 << ")-(" << segment.x2 << ", "
                    << segment.y2 << ") on page " << page + 1;
            if (on[i].text == "points)") {
                ASSERT_GT(i, 0u);
                EXPECT_EQ(on[i - 1].box.top, box.top) << on[i - 1].text << " points) breaks on page " << page + 1;
            }
        }
    }
}

TEST(SheetsLayout, ALongNameAndATenDigitSeedTouchNothingOnAnyPageKind)
{
    const ScratchFolder dir;
    const std::string longest = "Marie-Thérèse Delacroix-Beaumont de Saint-Exupéry-Lavallière";
    ASSERT_EQ(std::count_if(longest.begin(), longest.end(), [](char c) { return (c & 0xC0) != 0x80; }), 60);
    {
        std::ofstream(dir.path / "class.txt")
            << longest << "\nDELACROIX-BEAUMONT DE SAINT-EXUPÉRY Marie-Thérèse Éléonore\n"
            << "Lavallière, Anne-Charlotte Marie-Thérèse Éléonore Joséphine\n";
    }
    const fs::path pdf = dir.path / "class.pdf";
    const ToolRun run =
        sheets("--class " + (dir.path / "class.txt").string() + " --seed 4000000000 -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    expectNothingTouches(pdf);
    const std::vector<std::string> pages = pdfPages(pdf);
    std::size_t keys = 0;
    for (const std::string& page : pages)
        if (page.find("Corrigé de l'exercice") != std::string::npos) {
            EXPECT_NE(page.find("(tirage aléatoire, graine 4000000000)"), std::string::npos) << page;
            ++keys;
        }
    EXPECT_EQ(keys, 3u);
    // The trainee's own boxes: the whole line in Nom, unless it tells Nom and Prénom apart.
    for (const auto& [page, shown] : {std::pair<int, std::string>{0, "Marie-Thérèse Delacroix-Beaumont de Saint"},
                                      {0, "Lavallière"},
                                      {2, "DELACROIX-BEAUMONT DE SAINT"},
                                      {2, "Marie-Thérèse Éléonore"},
                                      {4, "Anne-Charlotte Marie-Thérèse"},
                                      {7, longest}})
        EXPECT_NE(pages[std::size_t(page)].find(shown), std::string::npos) << pages[std::size_t(page)];
}

TEST(SheetsLayout, AOneWordNameTooLongForItsBoxIsBrokenWholeAndNoTypeIsUnderEightAndAHalfPoints)
{
    const ScratchFolder dir;
    std::string name = "Q";
    while (name.size() < 60) name += "abcdefghijklmnopqrstuvwxyz"[name.size() % 26];
    {
        std::ofstream(dir.path / "class.txt") << name << "\n";
    }
    const fs::path pdf = dir.path / "class.pdf";
    const ToolRun run = sheets("--class " + (dir.path / "class.txt").string() + " --seed 9 -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    expectNothingTouches(pdf);
    std::string page = pdfPages(pdf).front();
    std::erase(page, ' ');
    EXPECT_NE(page.find(name), std::string::npos) << page;
    // A word's box is the face's ascent to descent: 1.117 of the type size for Liberation Sans.
    double smallest = 1000;
    for (const std::vector<Word>& words : pdfWords(pdf))
        for (const Word& word : words) smallest = std::min(smallest, (word.box.bottom - word.box.top) / 1.117);
    EXPECT_GE(smallest, 8.5 - 0.005);
}

// Three hundred random exercises, a hundred a test so that each stays short.
class SheetsLayoutDrawn : public testing::TestWithParam<int> {};

TEST_P(SheetsLayoutDrawn, AHundredRandomExercisesTouchNothing)
{
    const ScratchFolder dir;
    const fs::path pdf = dir.path / "set.pdf";
    const ToolRun run = sheets("--random 100 --seed " + std::to_string(GetParam()) + " --trainee -o " + pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    expectNothingTouches(pdf);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SheetsLayoutDrawn, testing::Values(25, 26, 27));

// The trainee's working area holds the key's answer and a quarter more: its ruled lines, full width,
// against the key's lines of text between its heading and its footer.
TEST(SheetsLayout, TheWorkingAreaHoldsTheKeysLinesAndAQuarter)
{
    const ScratchFolder dir;
    for (const char* example : {"three_nozzles.json", "two_nozzles.json"}) {
        const fs::path pdf = dir.path / "one.pdf";
        const ToolRun run = sheets(std::string(TAVELLE_EXAMPLES_DIR) + "/" + example + " -o " + pdf.string());
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::vector<Word>> words = pdfWords(pdf);
        const std::vector<std::vector<Segment>> segments = pdfSegments(pdf);
        std::size_t ruled = 0;
        for (std::size_t page = 0; page + 1 < segments.size(); ++page)
            for (const Segment& line : segments[page])
                if (line.dashed && line.y1 == line.y2 && line.x2 - line.x1 > 400) ++ruled;
        // The key's text ends where its drawing of the pressure line begins.
        std::set<long> keyLines;
        const std::vector<Word>& key = words.back();
        const auto drawing = std::ranges::find(key, std::string("Ligne"), &Word::text);
        ASSERT_NE(drawing, key.end()) << example;
        for (const Word& word : key)
            if (word.box.top > key.front().box.bottom + 5 && word.text != "page" && word.box.top < drawing->box.top)
                keyLines.insert(std::lround(word.box.top));
        EXPECT_GE(4 * ruled, 5 * keyLines.size()) << example << ": " << ruled << " ruled lines";
        EXPECT_GE(keyLines.size(), 12u) << example;
    }
}

}  // namespace
}  // namespace tavelle::test
