// Hostile and unlucky input to both command-line tools: every refusal is exit status 2 and exactly one
// printable line on standard error, naming what is wrong.
#include "tool_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tavelle::test::runTool;
using tavelle::test::ToolRun;
namespace fs = std::filesystem;

std::string repeated(std::size_t count, char c)
{
    return std::string(count, c);
}

struct BadInput {
    const char* name;
    std::string arguments;  // "" reads standard input
    std::string input;
    std::vector<std::string> mentions;
    std::size_t resultsBefore = 0;  // exercises that tavelle-solve wrote before the bad one was read
};

void PrintTo(const BadInput& bad, std::ostream* out)
{
    *out << bad.name;
}

const std::string kNested = "{\"feedLength\": " + repeated(70'000, '[') + repeated(70'000, ']') + "}";
const std::string kLongText = "{\"pumpRating\": \"" + repeated(200, 'a') + "\"}";

const std::vector<BadInput> kBadInputs{
    {"Malformed", "", R"({"pumpRating": )", {"malformed JSON at line 1, column 16", "the end of the input"}},
    {"UnknownKeyCountsFromOne",
     "",
     R"([{}, {"pumprating": "1000/10"}])",
     {"exercise 2", "\"pumprating\"", "pumpRating"},
     1},
    {"ValueNotAnItem", "", R"({"feedDiameter": 50})", {"exercise 1", "feedDiameter", "50", "45, 70, 110"}},
    {"TextNotAnItem", "", R"({"slopeKind": "Positive"})", {"slopeKind", "\"Positive\"", "nulle, positive, négative"}},
    {"FractionalFlow", "", R"({"nozzle1Flow": 250.5})", {"nozzle1Flow", "250.5"}},
    {"NumberNoDoubleHolds", "", R"({"feedLength": 1e400})", {"exercise 1, key \"feedLength\": value 1e400"}},
    {"DeepNesting", "", kNested, {"exercise 1, key \"feedLength\": an array is not an item"}},
    {"ControlCharactersEscaped", "", R"({"slopeKind": "\u001b[2J\nx"})", {R"(value "\u001b[2J\nx")"}},
    {"LongValueCut", "", kLongText, {"\"" + repeated(60, 'a') + "…\""}},
    {"KeyWithANewline", "", "{\"pump\\nRating\": 1}", {R"(unknown key "pump\nRating")"}},
    {"NulThenGarbage", "", std::string("{}\0garbage", 10), {"trailing data after the document", "'\\u0000'"}},
    {"GarbageAfterTheArray", "", "[{}] x", {"trailing data after the document"}, 1},
    {"DuplicateKey",
     "",
     R"([{}, {"pumpRating": "1000/10", "pumpRating": "1000/15"}])",
     {"exercise 2, key \"pumpRating\": the key is given twice"},
     1},
    {"NotAnObject", "", R"([{"nozzleCount": 1}, 3])", {"exercise 2", "expected an object"}, 1},
    {"TopLevelString", "", R"("1000/10")", {"expected an exercise object"}},
    {"OversizedExercise",
     "",
     "{\"pumpRating\": \"" + repeated(200'000, 'a'),
     {"exercise 1 is longer than 65536 bytes"}},
    {"OversizedWholeExercise",
     "",
     "[{}, {" + repeated(70'000, ' ') + "}]",
     {"exercise 2 is longer than 65536 bytes"},
     1},
    {"HexadecimalNumber", "", R"({"feedLength": 0x10})", {"malformed JSON at line 1, column 17", "'x'"}},
    {"LeadingZero", "", R"({"feedLength": 0200})", {"malformed JSON at line 1, column 17", "'2'"}},
    {"NumberRunningOn", "", "{\"feedLength\": 20\xc2\xb5}", {"malformed JSON at line 1, column 18", "'\\xc2'"}},
    {"BidirectionalOverrideEscaped", "", "{\"slopeKind\": \"\xe2\x80\xae\x65vitagen\"}", {R"(value "\u202eevitagen")"}},
    {"EndlessZeros", "/dev/zero", "", {"malformed JSON", "'\\u0000'"}},
    {"Directory", "/", "", {"cannot read /: Is a directory"}},
    {"MissingFile",
     "/nonexistent/exercise.json",
     "",
     {"cannot read /nonexistent/exercise.json: No such file or directory"}},
    {"UnknownOption", "--fast", "{}", {"unknown option \"--fast\""}},
};

const std::vector<BadInput> kSolveOnlyBadInputs{
    {"RandomWithoutCount", "--random", "", {"--random"}},
    {"SeedNotANumber", "--random=3 --seed=abc", "", {"--seed", "abc"}},
};

struct Tool {
    const char* name;
    const char* path;
    // Arguments before the input file; the snapshots tool takes its output folder first.
    std::string leadingArguments;
};

void PrintTo(const Tool& tool, std::ostream* out)
{
    *out << tool.name;
}

const std::vector<Tool> kTools{{"Solve", TAVELLE_SOLVE_PATH, ""},
                               {"Snapshots", TAVELLE_SNAPSHOTS_PATH, "/tmp/tavelle-unwritten-pictures"}};

class ToolBadInput : public ::testing::TestWithParam<std::tuple<Tool, BadInput>> {};

TEST_P(ToolBadInput, ExitsTwoWithOnePrintableLine)
{
    const auto& [tool, bad] = GetParam();
    const std::string file = bad.arguments.empty() && !bad.input.empty() ? "-" : bad.arguments;
    const ToolRun run = runTool(tool.path, tool.leadingArguments + " " + file, bad.input);
    EXPECT_EQ(run.status, 2);
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    for (const char c : run.err.substr(0, run.err.size() - 1))
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "a control character in " << run.err;
    EXPECT_LT(run.err.size(), 1000u);
    for (const std::string& mention : bad.mentions) EXPECT_NE(run.err.find(mention), std::string::npos) << run.err;

    // Each exercise is written before the next is read: those before the bad one are out already.
    std::size_t results = 0;
    for (std::size_t at = run.out.find("\"accepted\":"); at != std::string::npos;
         at = run.out.find("\"accepted\":", at + 1))
        ++results;
    EXPECT_EQ(results, tool.leadingArguments.empty() ? bad.resultsBefore : 0u) << run.out;
}

std::string caseName(const ::testing::TestParamInfo<ToolBadInput::ParamType>& test)
{
    return std::string(std::get<0>(test.param).name) + "_" + std::get<1>(test.param).name;
}

INSTANTIATE_TEST_SUITE_P(Both, ToolBadInput,
                         ::testing::Combine(::testing::ValuesIn(kTools), ::testing::ValuesIn(kBadInputs)), caseName);
INSTANTIATE_TEST_SUITE_P(SolveOptions, ToolBadInput,
                         ::testing::Combine(::testing::Values(kTools.front()),
                                            ::testing::ValuesIn(kSolveOnlyBadInputs)),
                         caseName);

class ToolVersion : public ::testing::TestWithParam<Tool> {};

TEST_P(ToolVersion, PrintsTheProjectVersion)
{
    const ToolRun run = runTool(GetParam().path, "--version", "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(fs::path(GetParam().path).filename()) + " " TAVELLE_PROJECT_VERSION "\n");
    const ToolRun help = runTool(GetParam().path, "--help", "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: " + std::string(fs::path(GetParam().path).filename()), 0), 0u) << help.out;
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolVersion, ::testing::ValuesIn(kTools),
                         [](const ::testing::TestParamInfo<Tool>& test) { return std::string(test.param.name); });

}  // namespace
