// Walks the given number of random exercises, one WalkResult reused throughout: for callgrind's instruction
// count of one walk (bench/walk_instructions.sh), which does not depend on the machine's load.
#include "core/screens/walkthrough.h"
#include "format/random_exercises.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int walks = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (walks <= 0) {
        std::fprintf(stderr, "usage: tavelle_walk_instructions [walks, a positive number, 1000 by default]\n");
        return 2;
    }
    const auto exercises = tavelle::randomExercises(1024, 2026);
    tavelle::ExerciseRecord record;
    tavelle::WalkResult walk;
    int accepted = 0;
    for (int i = 0; i < walks; ++i) {
        tavelle::walkExercise(exercises[static_cast<std::size_t>(i) % exercises.size()], record, ",", walk);
        accepted += walk.accepted ? 1 : 0;
    }
    std::printf("%d walks, %d accepted\n", walks, accepted);
    return 0;
}
