#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>
#include <string>
#include <unistd.h>

namespace {

using nlohmann::ordered_json;
namespace fs = std::filesystem;

struct SolveRun {
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

// Runs tavelle-solve with `arguments`, `input` on standard input, under the locale `locale`.
SolveRun solve(const std::string& arguments, const std::string& input, const std::string& locale = "C")
{
    const fs::path dir = fs::temp_directory_path() / ("tavelle-solve-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    { std::ofstream(dir / "in") << input; }
    const std::string command = "env -u LC_NUMERIC -u LANG LC_ALL=" + locale + " " TAVELLE_SOLVE_PATH " " + arguments +
                                " < " + (dir / "in").string() + " > " + (dir / "out").string() + " 2> " +
                                (dir / "err").string();
    SolveRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(dir / "out");
    run.err = slurp(dir / "err");
    fs::remove_all(dir);
    return run;
}

std::string example(const char* name) { return slurp(fs::path(TAVELLE_EXAMPLES_DIR) / name); }

TEST(SolveTool, AcceptedExerciseFollowsTheOutputContract)
{
    const SolveRun run = solve("", example("two_nozzles.json"), "fr_FR.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const ordered_json result = ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : result.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"accepted", "refusedAt", "screens", "messages", "record", "Don",
                                              "Dessin", "Calculs", "Calculs2"}));
    EXPECT_EQ(result["accepted"], true);
    EXPECT_TRUE(result["refusedAt"].is_null());
    EXPECT_EQ(result["screens"], ordered_json::parse(R"(["Form2","Lance1","Lance2","Don","Dessin","Calculs","Calculs2"])"));
    EXPECT_EQ(result["Don"]["Label2"],
              "Calculer la pression de refoulement nécessaire à une pompe incendie 1000/15 , pour alimenter en tuyaux "
              "de 70, une division située à 200m. Sur cette portion, l'établissement présente une pente de 5%. La "
              "division est à la cote 310. Cette division alimente 2 lances. La première lance est une LDV 500 réglée "
              "à un débit de 500 L/min On utilise 2 tuyaux entre la première lance et la division. La deuxième lance "
              "est une 40/14 située à la cote 326. On utilise 1 tuyau entre la deuxième lance et la division.Les "
              "établissements sont sans réserve.");
    EXPECT_EQ(result["Dessin"]["Label19"], ordered_json::parse(R"({"text":"Po = 3,5 b","visible":true})"));
    EXPECT_EQ(result["Dessin"]["Line3"], ordered_json::parse(R"({"visible":false})"));
    EXPECT_EQ(result["Calculs"].size(), 17u);
    EXPECT_EQ(result["Calculs2"].size(), 10u);
    EXPECT_EQ(result["Calculs"]["Label8"], "J hauteur = (326 - 310) x 1 bar / 10 m  = 1,6b");
    EXPECT_EQ(result["record"]["nozzle1Pressure"], 6.0);
    EXPECT_EQ(result["record"].size(), 29u);
    EXPECT_EQ(result["record"]["slopeKind"], "positive");
    EXPECT_EQ(result["record"]["nozzleCount"], 2);
}

TEST(SolveTool, UsesTheUserDecimalSeparator)
{
    const std::string exercise = R"({"pumpRating":"1000/10","feedDiameter":70,"feedLength":200,"nozzleCount":1,
        "nozzle1Type":"65/18","nozzle1Flow":500,"nozzle1Height":5,"nozzle1HoseCount":2})";
    const SolveRun french = solve("", exercise, "fr_FR.UTF-8");
    const SolveRun plain = solve("", exercise, "C");
    EXPECT_EQ(ordered_json::parse(french.out)["Calculs"]["Label4"], "J hauteur = 1 bar / 10 m x 5 = 0,5b");
    EXPECT_EQ(ordered_json::parse(plain.out)["Calculs"]["Label4"], "J hauteur = 1 bar / 10 m x 5 = 0.5b");
}

TEST(SolveTool, ArrayIsOneRunAndRefusalsExitOne)
{
    const SolveRun run = solve("", example("session.json"));
    EXPECT_EQ(run.status, 1);
    const ordered_json results = ordered_json::parse(run.out);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0]["accepted"], true);
    EXPECT_EQ(results[1]["accepted"], false);
    EXPECT_EQ(results[1]["refusedAt"], "Lance1");
    EXPECT_EQ(results[1]["screens"], ordered_json::parse(R"(["Form2","Lance1"])"));
    EXPECT_EQ(results[1]["messages"][0]["text"],
              "Un tuyau mesure 20, on ne peut donc pas avoir une lance à 22 m avec un tuyau !!!");
    EXPECT_FALSE(results[1].contains("Don"));
    // The stale nozzle 3 of the first exercise stays in the record; its flow does not.
    EXPECT_EQ(results[2]["record"]["nozzle3Type"], "65/18");
    EXPECT_EQ(results[2]["record"]["nozzle3Flow"], 0);
    EXPECT_EQ(results[2]["record"]["totalFlow"], 250);
}

struct BadInput {
    const char* name;
    const char* arguments;
    const char* input;
    std::vector<const char*> mentions;
};

class SolveToolBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(SolveToolBadInput, ExitsTwoWithOneClearLine)
{
    const SolveRun run = solve(GetParam().arguments, GetParam().input);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    for (const char* mention : GetParam().mentions) EXPECT_NE(run.err.find(mention), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveToolBadInput,
    ::testing::Values(
        BadInput{"Malformed", "", R"({"pumpRating": )", {"malformed JSON"}},
        BadInput{"UnknownKey", "", R"([{}, {"pumprating": "1000/10"}])", {"exercise 1", "\"pumprating\"", "pumpRating"}},
        BadInput{"ValueNotAnItem", "", R"({"feedDiameter": 50})", {"exercise 0", "feedDiameter", "50", "45, 70, 110"}},
        BadInput{"TextNotAnItem", "", R"({"slopeKind": "Positive"})", {"slopeKind", "\"Positive\"", "nulle, positive, négative"}},
        BadInput{"FractionalFlow", "", R"({"nozzle1Flow": 250.5})", {"nozzle1Flow", "250.5"}},
        BadInput{"NotAnObject", "", R"([{"nozzleCount": 1}, 3])", {"exercise 1", "expected an object"}},
        BadInput{"TopLevelString", "", R"("1000/10")", {"expected an exercise object"}},
        BadInput{"UnknownOption", "--fast", "{}", {"unknown option", "--fast"}},
        BadInput{"RandomWithoutCount", "--random", "", {"--random"}},
        BadInput{"SeedNotANumber", "--random 3 --seed abc", "", {"--seed", "abc"}},
        BadInput{"MissingFile", "/nonexistent/exercise.json", "", {"cannot read", "/nonexistent/exercise.json"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SolveTool, EmptyListsAndNullAreNoChoice)
{
    const SolveRun run = solve("", R"({"pumpRating": null, "feedDiameter": ""})");
    EXPECT_EQ(run.status, 1);
    const ordered_json result = ordered_json::parse(run.out);
    EXPECT_EQ(result["refusedAt"], "Form2");
    EXPECT_EQ(result["messages"].size(), 4u);
    EXPECT_EQ(result["record"]["pumpRating"], "0");
    EXPECT_EQ(result["record"]["slopeKind"], "coco");
}

TEST(SolveTool, RandomExercisesAreReproducibleAndAllAccepted)
{
    const SolveRun first = solve("--random 200 --seed 42", "");
    const SolveRun again = solve("--random 200 --seed 42", "");
    const SolveRun other = solve("--random 200 --seed 43", "");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    const ordered_json exercises = ordered_json::parse(first.out);
    ASSERT_EQ(exercises.size(), 200u);

    std::set<std::string> counts;
    std::set<std::string> types;
    for (const auto& exercise : exercises) {
        counts.insert(exercise["nozzleCount"].dump());
        types.insert(exercise["nozzle1Type"].get<std::string>());
    }
    EXPECT_EQ(counts.size(), 3u);
    EXPECT_EQ(types.size(), 5u);

    const SolveRun solved = solve("", first.out);
    EXPECT_EQ(solved.status, 0) << solved.err;
}

TEST(SolveTool, TextAnswerKeyReadsInScreenOrder)
{
    const SolveRun run = solve("--text", example("two_nozzles.json"), "fr_FR.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<const char*> sections{"Données du problème :", "Schéma de l'établissement :",
                                            "Calcul de la portion AB :", "Calculs final :", "Js = 1 b",
                                            "La pompe utilisée est une 1000/15"};
    std::size_t position = 0;
    for (const char* section : sections) {
        const std::size_t found = run.out.find(section, position);
        ASSERT_NE(found, std::string::npos) << section << "\n" << run.out;
        position = found;
    }
}

TEST(SolveTool, TextAnswerKeyOfARefusalShowsItsMessages)
{
    const SolveRun run = solve("--text", R"({"pumpRating": "1000/10"})");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Affectation du diamètre du tuyau obligatoire !!!"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Schéma"), std::string::npos);
}

}  // namespace
