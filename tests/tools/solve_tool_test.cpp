#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::ordered_json;
using tavelle::test::example;
using tavelle::test::solve;
using SolveRun = tavelle::test::ToolRun;

TEST(SolveTool, AcceptedExerciseFollowsTheOutputContract)
{
    const SolveRun run = solve("", example("two_nozzles.json"), "fr_FR.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const ordered_json result = ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : result.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"accepted", "refusedAt", "screens", "messages", "record", "Don", "Dessin",
                                              "Calculs", "Calculs2", "pressureLine"}));
    EXPECT_EQ(result["accepted"], true);
    EXPECT_TRUE(result["refusedAt"].is_null());
    EXPECT_EQ(result["screens"],
              ordered_json::parse(R"(["Form2","Lance1","Lance2","Don","Dessin","Calculs","Calculs2"])"));
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

TEST(SolveTool, ThePressureLineGoesFromThePumpToTheWorstNozzle)
{
    const SolveRun run = solve("", example("three_nozzles.json"), "fr_FR.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ordered_json::parse(run.out)["pressureLine"], ordered_json::parse(R"({"points": [
        {"metres": 0, "bar": 9.7025, "place": "pump"},
        {"metres": 200, "bar": 7.4425, "place": "divisionInlet"},
        {"metres": 200, "bar": 6.4425, "place": "divisionOutlet"},
        {"metres": 260, "bar": 6, "place": "nozzle3"}], "pumpCanGive": null})"));
    const SolveRun weak = solve("", R"({"pumpRating":"1000/10","feedDiameter":45,"feedLength":3000,"nozzleCount":1,
        "nozzle1Type":"40/14","nozzle1Flow":250,"nozzle1HoseCount":1})");
    EXPECT_EQ(ordered_json::parse(weak.out)["pressureLine"]["pumpCanGive"], 40);
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
    const std::vector<const char*> sections{"Données du problème :",
                                            "Schéma de l'établissement :",
                                            "Calcul de la portion AB :",
                                            "Calculs final :",
                                            "Js = 1 b",
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
