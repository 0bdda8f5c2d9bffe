#include "core/progress/progress_csv.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavelle {
namespace {

PracticeAttempt namedAttempt()
{
    PracticeAttempt attempt;
    attempt.id = "0f8fad5b-d9cb-469f-a165-70867728950e";
    attempt.surname = "Durand";
    attempt.givenName = "Élise";
    attempt.group = "Groupe \"B\", matin";
    attempt.finishedAt = 1'796'725'862;
    attempt.source = "série\n2.json";
    attempt.seed = 18'446'744'073'709'551'615u;
    attempt.secondsTaken = 185;
    attempt.answers = {"Lance 2", "6,5", "", "8,6", "La pompe suffit"};
    attempt.right = {true, true, false, true, true};
    attempt.exercise = R"({"pumpRating":"1000/15","feedDiameter":70})";
    attempt.marksCheck = MarksCheck::proven;
    return attempt;
}

// Stands for the format's AttemptMarker: an object reads as an exercise whose marks are the file's, anything
// else does not read; "{}" proves every mark wrong.
void markLikeTheFormat(PracticeAttempt& attempt)
{
    const bool reads = attempt.exercise.starts_with('{');
    const std::array<bool, questionCount> proven =
        attempt.exercise == "{}" ? std::array<bool, questionCount>{} : attempt.right;
    attempt.marksCheck = !reads                    ? MarksCheck::unreadable
                         : proven == attempt.right ? MarksCheck::proven
                                                   : MarksCheck::corrected;
    attempt.right = reads ? proven : std::array<bool, questionCount>{};
}

std::string validRow()
{
    return progressCsvRow(namedAttempt());
}

// The row with its field `column` (0-based) replaced by `value`, as written.
std::string rowWith(std::size_t column, const std::string& value)
{
    PracticeAttempt attempt = namedAttempt();
    // No field holds a comma: the column is found by counting them.
    attempt.group = "B";
    attempt.source = "s";
    attempt.answers = {"Lance 2", "6.5", "", "8.6", "La pompe suffit"};
    attempt.exercise = R"({"pumpRating":"1000/15"})";
    std::string row = progressCsvRow(attempt);
    std::size_t start = 0;
    for (std::size_t i = 0; i < column; ++i) start = row.find(',', start) + 1;
    const std::size_t comma = row.find(',', start);
    const std::size_t end = comma == std::string::npos ? row.size() - 1 : comma;
    return row.replace(start, end - start, value);
}

// The row of an attempt whose exercise did not read at its export, given a score all the same.
std::string unmarkedRowScored(const std::string& score)
{
    PracticeAttempt attempt = namedAttempt();
    attempt.marksCheck = MarksCheck::unreadable;
    std::string row = progressCsvRow(attempt);
    return row.replace(row.find(",185,,"), 6, ",185," + score + ",");
}

std::string withoutLineEnd(std::string row)
{
    row.pop_back();
    return row;
}

struct Read {
    std::vector<PracticeAttempt> attempts;
    std::optional<std::string> fault;
};

Read readAll(const std::string& text, bool french = true)
{
    std::istringstream in(text);
    ProgressCsvReader reader(in, "classe.csv", french, markLikeTheFormat);
    Read read;
    PracticeAttempt attempt;
    while (reader.next(attempt)) read.attempts.push_back(attempt);
    EXPECT_FALSE(reader.next(attempt));
    read.fault = reader.fault();
    return read;
}

TEST(PracticeAttempt, ExportsOneQuotedCsvRowPerAttempt)
{
    PracticeAttempt attempt = namedAttempt();
    attempt.source = "classe, groupe \"B\".tavelle";
    attempt.answers[2] = "1";
    EXPECT_EQ(progressCsvHeader(),
              "attemptId,surname,givenName,group,finishedAt,source,seed,secondsTaken,score,worstNozzleAnswer,"
              "worstNozzleRight,worstNozzleLossAnswer,"
              "worstNozzleLossRight,feedLossAnswer,feedLossRight,pumpPressureAnswer,pumpPressureRight,"
              "pumpVerdictAnswer,pumpVerdictRight,exercise,account,marksCheck,usualName\n");
    EXPECT_EQ(progressCsvRow(attempt),
              "0f8fad5b-d9cb-469f-a165-70867728950e,Durand,Élise,\"Groupe \"\"B\"\", matin\","
              "2026-12-08T10:31:02Z,\"classe, groupe \"\"B\"\".tavelle\",18446744073709551615,185,4,Lance 2,1,"
              "\"6,5\",1,1,0,\"8,6\",1,La pompe suffit,1,"
              "\"{\"\"pumpRating\"\":\"\"1000/15\"\",\"\"feedDiameter\"\":70}\",,proven,\n");
    EXPECT_EQ(progressCsvRow(PracticeAttempt{}).substr(0, 29), ",,,,1970-01-01T00:00:00Z,,,0,");
    attempt.marksCheck = MarksCheck::unreadable;
    attempt.right = {};
    EXPECT_NE(progressCsvRow(attempt).find(",185,,Lance 2,,\"6,5\",,1,,\"8,6\",,La pompe suffit,,"), std::string::npos);
}

TEST(ProgressCsvReader, ReadsBackWhatTheExportWrites)
{
    // The last row may lack its line end.
    const Read read = readAll(progressCsvHeader() + validRow() + withoutLineEnd(rowWith(6, "")));
    ASSERT_FALSE(read.fault) << *read.fault;
    ASSERT_EQ(read.attempts.size(), 2u);
    const PracticeAttempt& first = read.attempts[0];
    const PracticeAttempt expected = namedAttempt();
    EXPECT_EQ(first.id, expected.id);
    EXPECT_EQ(first.surname, expected.surname);
    EXPECT_EQ(first.givenName, expected.givenName);
    EXPECT_EQ(first.group, expected.group);
    EXPECT_EQ(first.finishedAt, expected.finishedAt);
    EXPECT_EQ(first.source, expected.source);
    EXPECT_EQ(first.seed, expected.seed);
    EXPECT_EQ(first.secondsTaken, expected.secondsTaken);
    EXPECT_EQ(first.answers, expected.answers);
    EXPECT_EQ(first.right, expected.right);
    EXPECT_EQ(first.exercise, expected.exercise);
    EXPECT_FALSE(read.attempts[1].seed);
    const Read headerAlone = readAll(withoutLineEnd(progressCsvHeader()));
    EXPECT_FALSE(headerAlone.fault);
    EXPECT_TRUE(headerAlone.attempts.empty());
    EXPECT_EQ(read.attempts[1].group, "B");
}

// What a spreadsheet would take as a formula is written after an apostrophe, and read back as typed.
TEST(ProgressCsvReader, NothingTypedBecomesAFormulaAndItReadsBackAsTyped)
{
    const struct {
        std::string typed;
        std::string written;
    } cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+33 6", "'+33 6"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tcmd", "'\tcmd"},
        {"\rcmd", "\"'\rcmd\""},
        {"'=1", "''=1"},
        {"''@", "'''@"},
        {"'t Hooft", "'t Hooft"},
        {"'", "'"},
        {"Du=rand", "Du=rand"},
    };
    for (const auto& c : cases) {
        PracticeAttempt attempt = namedAttempt();
        attempt.givenName = c.typed;
        attempt.group = c.typed;
        attempt.source = c.typed;
        attempt.answers[4] = c.typed;
        attempt.account = c.typed;
        attempt.usualName = c.typed;
        const std::string row = progressCsvRow(attempt);
        EXPECT_NE(row.find("Durand," + c.written + "," + c.written + ","), std::string::npos) << row;
        const Read read = readAll(progressCsvHeader() + row);
        ASSERT_FALSE(read.fault) << *read.fault;
        ASSERT_EQ(read.attempts.size(), 1u);
        const PracticeAttempt& back = read.attempts[0];
        for (const std::string* field :
             {&back.givenName, &back.group, &back.source, &back.answers[4], &back.account, &back.usualName})
            EXPECT_EQ(*field, c.typed);
    }
}

// Exports written before the usual name, the marks' check or the account read as marked by their writer.
TEST(ProgressCsvReader, ReadsExportsWrittenBeforeTheAccountOrTheCheck)
{
    PracticeAttempt filed = namedAttempt();
    filed.account = "durand";
    const auto withoutLast = [](std::string line) {
        return line.erase(line.rfind(','), line.size() - 1 - line.rfind(','));
    };
    const std::string header = progressCsvHeader();
    const std::string row = progressCsvRow(filed);
    const auto withoutLastTwo = [&](const std::string& line) { return withoutLast(withoutLast(line)); };
    for (const std::string& text :
         {withoutLast(header) + withoutLast(row), withoutLastTwo(header) + withoutLastTwo(row),
          withoutLast(withoutLastTwo(header)) + withoutLast(withoutLastTwo(row))}) {
        const Read before = readAll(text);
        ASSERT_FALSE(before.fault) << *before.fault;
        ASSERT_EQ(before.attempts.size(), 1u);
        EXPECT_EQ(before.attempts[0].exercise, filed.exercise);
        EXPECT_EQ(before.attempts[0].marksCheck, MarksCheck::proven);
    }
    EXPECT_EQ(readAll(withoutLastTwo(header) + withoutLast(row)).fault,
              "classe.csv, ligne 2 : 22 colonnes au lieu de 21");
}

// Each row is marked again; what its export found stands beside: marks it corrected, an exercise it could
// not read (kept without marks); an exercise that no longer reads is a damaged file.
TEST(ProgressCsvReader, MarksEachRowAgainAndRefusesAnExerciseCutSinceItsExport)
{
    const std::string header = progressCsvHeader();
    PracticeAttempt forged = namedAttempt();
    forged.exercise = "{}";
    PracticeAttempt unreadable = namedAttempt();
    unreadable.exercise = "";
    markLikeTheFormat(forged);
    markLikeTheFormat(unreadable);
    const Read read = readAll(header + progressCsvRow(forged) + progressCsvRow(unreadable) + rowWith(21, "corrected"));
    ASSERT_FALSE(read.fault) << *read.fault;
    ASSERT_EQ(read.attempts.size(), 3u);
    EXPECT_EQ(read.attempts[0].marksCheck, MarksCheck::corrected);
    EXPECT_EQ(read.attempts[0].score(), 0);
    EXPECT_EQ(read.attempts[1].marksCheck, MarksCheck::unreadable);
    EXPECT_FALSE(read.attempts[1].hasMarks());
    EXPECT_EQ(read.attempts[2].marksCheck, MarksCheck::corrected);

    const std::string cut = "classe.csv, ligne 2 : la colonne exercise ne se lit plus comme un exercice : le fichier "
                            "a été coupé ou modifié";
    for (const std::string& exercise : {std::string("'={}"), std::string("\"pumpRating=1000/15\"")})
        EXPECT_EQ(readAll(header + rowWith(19, exercise)).fault, cut);
    EXPECT_EQ(readAll(header + rowWith(19, "x"), false).fault,
              "classe.csv, line 2: column exercise no longer reads as an exercise: the file was cut or edited");
    std::string correctedThenCut = rowWith(19, "x");
    correctedThenCut.replace(correctedThenCut.rfind(",proven,"), 8, ",corrected,");
    EXPECT_EQ(readAll(header + correctedThenCut).fault, cut);
    EXPECT_EQ(marksCheckName(MarksCheck::unchecked), "");
}

TEST(ProgressCsvReader, ShowsARefusedValueOnOneLineAndCutWhenLong)
{
    const std::string value = "\"a\r\nb" + std::string(200, 'c') + "\"";
    const std::optional<std::string> fault = readAll(progressCsvHeader() + rowWith(7, value)).fault;
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find("« a  bccc"), std::string::npos) << *fault;
    EXPECT_NE(fault->find("c… »"), std::string::npos) << *fault;
}

TEST(ProgressCsvReader, TakesLinesEndedTheWindowsWay)
{
    std::string text = progressCsvHeader() + rowWith(6, "") + rowWith(5, "\"a,b\"") + rowWith(5, "s\r") +
                       rowWith(20, "\"d,e\"") + rowWith(22, "\"Martin Élise\"");
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) text.insert(at, "\r");
    const Read read = readAll(text);
    ASSERT_FALSE(read.fault) << *read.fault;
    ASSERT_EQ(read.attempts.size(), 5u);
    EXPECT_EQ(read.attempts[2].source, "s\r") << "a carriage return inside a row is the field's own";
    EXPECT_EQ(read.attempts[3].account, "d,e");
    EXPECT_EQ(read.attempts[4].usualName, "Martin Élise");
    EXPECT_EQ(read.attempts[0].exercise, R"({"pumpRating":"1000/15"})");
    EXPECT_EQ(read.attempts[1].source, "a,b");
}

TEST(ProgressCsvReader, RefusesWhatNoExportWritesInOneLineNamingTheFileAndTheLine)
{
    const std::string header = progressCsvHeader();
    const std::string good = rowWith(6, "");
    const std::string renamedOldHeader = "attemptXd" + header.substr(9, header.rfind(',') - 9) + "\n";
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {"", "classe.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle (tavelle --progression)"},
        {header.substr(header.find("finishedAt")) + good,
         "classe.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle (tavelle --progression)"},
        {renamedOldHeader + good,
         "classe.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle (tavelle --progression)"},
        {header.substr(0, header.size() - 1) + ",extra\n",
         "classe.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle (tavelle --progression)"},
        {header + validRow() + good.substr(0, 40) + "\n", "classe.csv, ligne 4 : 2 colonnes au lieu de 23"},
        {header + good + "\n", "classe.csv, ligne 3 : 1 colonne au lieu de 23"},
        {header + rowWith(19, "\"open"), "classe.csv, ligne 2 : un guillemet ouvert n'est jamais fermé"},
        {header + rowWith(5, "\"a\"b"), "classe.csv, ligne 2 : 24 colonnes au lieu de 23"},
        {header + rowWith(0, "0F8FAD5B-D9CB-469F-A165-70867728950E"),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « 0F8FAD5B-D9CB-469F-A165-70867728950E »"},
        {header + rowWith(0, "0f8fad5b-d9cb-469f-a165-70867728950"),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « 0f8fad5b-d9cb-469f-a165-70867728950 »"},
        {header + rowWith(0, "0f8fad5b-d9cb-469f-a165+70867728950e"),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « 0f8fad5b-d9cb-469f-a165+70867728950e »"},
        {header.substr(0, 7) + "ID" + header.substr(9) + good,
         "classe.csv, ligne 1 : ce n'est pas un export de la progression de Tavelle (tavelle --progression)"},
        {header + withoutLineEnd(rowWith(19, "\"a\"b")), "classe.csv, ligne 2 : 24 colonnes au lieu de 23"},
        {header + rowWith(0, "0f8fad5b-d9cb-469f-a165-70867728950."),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « 0f8fad5b-d9cb-469f-a165-70867728950. »"},
        {header + rowWith(0, "0f8fad5b-d9cb-469f-a165-70867728950g"),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « 0f8fad5b-d9cb-469f-a165-70867728950g »"},
        {header + rowWith(4, "2026-02-30T10:00:00Z"),
         "classe.csv, ligne 2 : la colonne finishedAt ne peut valoir « 2026-02-30T10:00:00Z »"},
        {header + rowWith(4, "2026-12-08T24:00:00Z"),
         "classe.csv, ligne 2 : la colonne finishedAt ne peut valoir « 2026-12-08T24:00:00Z »"},
        {header + rowWith(4, "2026-12-08 10:31:02"),
         "classe.csv, ligne 2 : la colonne finishedAt ne peut valoir « 2026-12-08 10:31:02 »"},
        {header + rowWith(6, "-1"), "classe.csv, ligne 2 : la colonne seed ne peut valoir « -1 »"},
        {header + rowWith(6, "18446744073709551616"),
         "classe.csv, ligne 2 : la colonne seed ne peut valoir « 18446744073709551616 »"},
        {header + rowWith(7, "-5"), "classe.csv, ligne 2 : la colonne secondsTaken ne peut valoir « -5 »"},
        {header + rowWith(7, "3 min"), "classe.csv, ligne 2 : la colonne secondsTaken ne peut valoir « 3 min »"},
        {header + rowWith(10, "oui"), "classe.csv, ligne 2 : la colonne worstNozzleRight ne peut valoir « oui »"},
        {header + rowWith(8, "5"), "classe.csv, ligne 2 : la colonne score ne peut valoir « 5 »"},
        {header + rowWith(8, ""), "classe.csv, ligne 2 : la colonne score ne peut valoir «  »"},
        {header + rowWith(21, ""), "classe.csv, ligne 2 : la colonne marksCheck ne peut valoir «  »"},
        {header + rowWith(21, "unreadable"), "classe.csv, ligne 2 : la colonne worstNozzleRight ne peut valoir « 1 »"},
        {header + unmarkedRowScored("4"), "classe.csv, ligne 2 : la colonne score ne peut valoir « 4 »"},
        // A line break inside a quoted field counts as a line: the fault names the line the row starts on.
        {header + validRow() + rowWith(7, "x"), "classe.csv, ligne 4 : la colonne secondsTaken ne peut valoir « x »"},
        {header + rowWith(1, "\"a\nb\"").replace(0, 1, "x"),
         "classe.csv, ligne 2 : la colonne attemptId ne peut valoir « xf8fad5b-d9cb-469f-a165-70867728950e »"},
        {header + rowWith(2, "\"line\r\nbreak\"") + rowWith(7, "x"),
         "classe.csv, ligne 4 : la colonne secondsTaken ne peut valoir « x »"},
    };
    for (const auto& c : cases) {
        const Read read = readAll(c.text);
        ASSERT_TRUE(read.fault) << c.fault;
        EXPECT_EQ(*read.fault, c.fault);
        EXPECT_EQ(read.fault->find('\n'), std::string::npos);
    }
    EXPECT_EQ(readAll(header + rowWith(7, "x"), false).fault,
              "classe.csv, line 2: column secondsTaken cannot hold \"x\"");
    EXPECT_EQ(readAll("", false).fault,
              "classe.csv, line 1: this is not an export of Tavelle's progress (tavelle --progression)");
    EXPECT_EQ(readAll(header + rowWith(19, "\"open"), false).fault, "classe.csv, line 2: a quote is never closed");
    EXPECT_EQ(readAll(header + "a\n", false).fault, "classe.csv, line 2: 1 column instead of 23");
}

TEST(ProgressCsvReader, ReadsDaysAndTimesOnlyInTheirOneForm)
{
    EXPECT_EQ(parseIsoDay("2026-12-08"), 20'795);
    EXPECT_EQ(parseIsoDay("1970-01-01"), 0);
    for (const char* refused : {"2026-12-8", "2026/12/08", "2026-12/08", "08-12-2026", "2026-13-01", "2026-02-29",
                                "x026-12-08", "2026-1x-08", "2026-12-x8", ""})
        EXPECT_FALSE(parseIsoDay(refused)) << refused;
    EXPECT_EQ(parseUtcTimestamp("2026-12-08T10:31:02Z"), 1'796'725'862);
    for (const char* refused :
         {"2026-12-08T10:31:02", "2026-12-08T10:31:02z", "2026-12-08T10:60:00Z", "2026-12-08T10:31:60Z",
          "2026-12-08T1x:31:02Z", "2026-12-08T10:3x:02Z", "2026-12-08T10:31:0xZ", "2026-12-08X10:31:02Z",
          "2026-12-08T10-31:02Z", "2026-12-08T10:31-02Z", "2026-12-32T10:31:02Z"})
        EXPECT_FALSE(parseUtcTimestamp(refused)) << refused;
}

}  // namespace
}  // namespace tavelle
