#include "core/screens/result_labels.h"
#include "core/trade/values_to_find.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelle {
namespace {

using schematicLabels::nozzles;
using schematicLabels::totalFlow;

struct FindCase {
    const char* name;
    int nozzleCount;
    const char* types[3];
    std::vector<std::string_view> toFind;
};

class SchematicValuesToFind : public ::testing::TestWithParam<FindCase> {};

// The statement gives the flows of adjustable nozzles only, and no pressure or nozzle hose diameter.
TEST_P(SchematicValuesToFind, AreWhatTheStatementDoesNotGive)
{
    const FindCase& c = GetParam();
    ExerciseRecord r;
    r.nozzleCount = static_cast<std::uint8_t>(c.nozzleCount);
    r.nozzle1Type = c.types[0];
    r.nozzle2Type = c.types[1];
    r.nozzle3Type = c.types[2];
    EXPECT_EQ(schematicValuesToFind(r), c.toFind);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchematicValuesToFind,
    ::testing::Values(
        FindCase{"OneFixedFlow",
                 1,
                 {"40/14", "65/18", "65/18"},
                 {totalFlow, nozzles[0].hoseDiameter, nozzles[0].pressure, nozzles[0].flow}},
        FindCase{"OneAdjustable", 1, {"LDV 500", "", ""}, {totalFlow, nozzles[0].hoseDiameter, nozzles[0].pressure}},
        FindCase{"ThreeOfEveryKind",
                 3,
                 {"100/25", "LDV 1000", "65/18"},
                 {totalFlow, nozzles[0].hoseDiameter, nozzles[0].pressure, nozzles[0].flow, nozzles[1].hoseDiameter,
                  nozzles[1].pressure, nozzles[2].hoseDiameter, nozzles[2].pressure, nozzles[2].flow}},
        FindCase{
            "UnknownTypeHasNoFixedFlow",
            2,
            {"LDV 1000", "coco", ""},
            {totalFlow, nozzles[0].hoseDiameter, nozzles[0].pressure, nozzles[1].hoseDiameter, nozzles[1].pressure}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle
