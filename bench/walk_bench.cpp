// The whole walk of one exercise without a window: the four entry presses and the four screens' texts.
#include "core/screens/walkthrough.h"
#include "format/random_exercises.h"

#include <benchmark/benchmark.h>

namespace {

// Into one result, as the tools walk exercise after exercise.
void walkOneExercise(benchmark::State& state)
{
    const auto exercises = tavelle::randomExercises(1024, 2026);
    tavelle::ExerciseRecord record;
    tavelle::WalkResult walk;
    std::size_t next = 0;
    for (auto _ : state) {
        tavelle::walkExercise(exercises[next], record, ",", walk);
        benchmark::DoNotOptimize(walk);
        next = (next + 1) % exercises.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(walkOneExercise)->Unit(benchmark::kMicrosecond);

// A new result each time: what reusing it saves.
void walkOneExerciseIntoANewResult(benchmark::State& state)
{
    const auto exercises = tavelle::randomExercises(1024, 2026);
    tavelle::ExerciseRecord record;
    std::size_t next = 0;
    for (auto _ : state) {
        tavelle::WalkResult walk = tavelle::walkExercise(exercises[next], record, ",");
        benchmark::DoNotOptimize(walk);
        next = (next + 1) % exercises.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(walkOneExerciseIntoANewResult)->Unit(benchmark::kMicrosecond);

void entryPressesOnly(benchmark::State& state)
{
    const auto exercises = tavelle::randomExercises(1024, 7);
    tavelle::ExerciseRecord record;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& in = exercises[next];
        benchmark::DoNotOptimize(tavelle::pressExerciseSuite(in.exercise, record));
        benchmark::DoNotOptimize(tavelle::pressNozzle1Suite(in.nozzle1, record));
        next = (next + 1) % exercises.size();
    }
}
BENCHMARK(entryPressesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
