#include "tests/support/named_exercises.h"

#include <string>

namespace tavelle::testing {

ExerciseInput walkThroughExercise(int nozzleCount)
{
    ExerciseInput input;
    input.exercise = {"1000/15", "70", "200", std::to_string(nozzleCount), "nulle", "0"};
    input.nozzle1 = {"65/18", "500", "10", "2"};
    input.nozzle2 = {"40/14", "250", "314", "310", "1"};
    input.nozzle3 = {"LDV 500", "400", "3", "négative", "5"};
    return input;
}

ExerciseInput oneNozzle()
{
    ExerciseInput input;
    input.exercise = {"1000/10", "45", "100", "1", "nulle", "0"};
    input.nozzle1 = {"40/14", "250", "5", "1"};
    return input;
}

ExerciseInput twoNozzles()
{
    ExerciseInput input;
    input.exercise = {"1000/15", "70", "200", "2", "positive", "5"};
    input.nozzle1 = {"LDV 500", "500", "0", "2"};
    input.nozzle2 = {"40/14", "250", "326", "310", "1"};
    return input;
}

ExerciseInput threeNozzles()
{
    ExerciseInput input;
    input.exercise = {"2000/15", "110", "200", "3", "négative", "6"};
    input.nozzle1 = {"40/14", "250", "10", "1"};
    input.nozzle2 = {"65/18", "500", "310", "326", "2"};
    input.nozzle3 = {"LDV 1000", "750", "3", "négative", "5"};
    return input;
}

}  // namespace tavelle::testing
