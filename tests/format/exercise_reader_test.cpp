// The reader and the message text in process, for what the tool-level tables do not show.
#include "format/exercise_reader.h"
#include "format/printable_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Printable {
    std::string text;
    std::string shown;
};

class PrintableTextTest : public ::testing::TestWithParam<Printable> {};

TEST_P(PrintableTextTest, IsOneLineOfPrintableCharacters)
{
    EXPECT_EQ(tavelle::printableText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintableTextTest,
    ::testing::Values(Printable{"négative", "négative"}, Printable{"a\tb\r\n", "a\\tb\\r\\n"},
                      Printable{"\x1b[2J\x7f", "\\u001b[2J\\u007f"},
                      Printable{"\xc2\x9b"
                                "2J",
                                "\\u009b2J"},  // the one-character terminal escape
                      Printable{"\xe2\x80\xa8", "\\u2028"},  // a line separator
                      Printable{"\xff\xc3", "\\xff\\xc3"},  // not UTF-8, and a cut sequence
                      Printable{"\xed\xa0\x80", "\\xed\\xa0\\x80"},  // an encoded surrogate
                      Printable{"\xe2\x80\xae"
                                "abc",
                                "\\u202e"
                                "abc"},  // a right-to-left override
                      Printable{"\xe2\x81\xa6\xe2\x81\xa9", "\\u2066\\u2069"},  // an isolate and its end
                      Printable{"\xe2\x80\x8b\xef\xbb\xbf", "\\u200b\\ufeff"},  // zero-width blanks
                      Printable{"\xf3\xa0\x80\x81", "\\U000e0001"},  // a language tag
                      Printable{std::string(61, 'e'), std::string(60, 'e') + "…"},
                      Printable{std::string(60, 'e'), std::string(60, 'e')}));

struct Spelling {
    std::string json;
    std::string feedLength;
};

class ReaderSpellingTest : public ::testing::TestWithParam<Spelling> {};

TEST_P(ReaderSpellingTest, ChoosesTheItemHoweverItIsWritten)
{
    tavelle::ExerciseReader reader(GetParam().json);
    const auto exercise = reader.next();
    ASSERT_TRUE(exercise.has_value());
    EXPECT_EQ(exercise->exercise.feedLength, GetParam().feedLength);
    EXPECT_FALSE(reader.next().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderSpellingTest,
    ::testing::Values(Spelling{R"({"feedLength": 200})", "200"}, Spelling{R"({"feedLength": 2e2})", "200"},
                      Spelling{R"({"feedLength": 200.0})", "200"}, Spelling{R"({"feedLength": 20E+1})", "200"},
                      Spelling{R"({"feedLength": "\u0032\u0030\u0030"})", "200"},
                      Spelling{" \r\n\t{\"feedLength\":null} \n", ""}, Spelling{R"({"feedLength": ""})", ""}));

struct Document {
    const char* name;
    std::string text;
    std::size_t exercises;
};

void PrintTo(const Document& document, std::ostream* out)
{
    *out << document.name;
}

class ReaderDocumentTest : public ::testing::TestWithParam<Document> {};

TEST_P(ReaderDocumentTest, ReadsEveryExerciseAndNothingMore)
{
    tavelle::ExerciseReader reader(GetParam().text);
    std::size_t count = 0;
    while (reader.next()) ++count;
    EXPECT_EQ(count, GetParam().exercises);
}

constexpr std::size_t kLimit = tavelle::ExerciseReader::exerciseLimit;

INSTANTIATE_TEST_SUITE_P(Cases, ReaderDocumentTest,
                         ::testing::Values(Document{"ByteOrderMark", "\xef\xbb\xbf{\"feedLength\": 200}", 1},
                                           Document{"ByteOrderMarkBeforeAnArray", "\xef\xbb\xbf [{}, {}]", 2},
                                           Document{"BlanksAfterAnObject", "{}" + std::string(kLimit + 1, ' '), 1},
                                           Document{"BlanksAfterAnArray", "[{}]" + std::string(kLimit + 1, '\n'), 1},
                                           Document{"ExerciseAtTheLimit", "[{" + std::string(kLimit - 2, ' ') + "}]",
                                                    1}),
                         [](const ::testing::TestParamInfo<Document>& row) { return std::string(row.param.name); });

TEST(ExerciseReader, RefusesAnExerciseOneByteOverTheLimit)
{
    const std::string text = "[{" + std::string(kLimit - 1, ' ') + "}]";
    tavelle::ExerciseReader reader(text);
    EXPECT_THROW(reader.next(), tavelle::InputError);
}

TEST(ExerciseReader, DecodesEscapesAndSurrogatePairs)
{
    tavelle::ExerciseReader reader(R"([{"slopeKind": "n\u00e9gative"}, {"pumpRating": "\ud83d\ude92"}])");
    EXPECT_TRUE(reader.readStart());
    EXPECT_EQ(reader.next()->exercise.slopeKind, "négative");
    try {
        reader.next();
        FAIL() << "a fire engine is no pump item";
    } catch (const tavelle::InputError& error) {
        const std::string english = wording(error, tavelle::Language::english);
        EXPECT_NE(english.find("exercise 2, key \"pumpRating\": value \"\xf0\x9f\x9a\x92\""), std::string::npos)
            << english;
    }
}

TEST(ExerciseReader, RefusesALoneSurrogate)
{
    tavelle::ExerciseReader reader(R"({"slopeKind": "\ud800x"})");
    EXPECT_THROW(reader.next(), tavelle::InputError);
}

}  // namespace
