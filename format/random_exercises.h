#pragma once

#include "core/screens/walkthrough.h"
#include "format/exercise_writer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelle {

// Exercises that every entry rule accepts, drawn over all list items; one seed, one sequence.
class RandomExercises {
public:
    explicit RandomExercises(std::uint64_t seed)
        : m_state(seed)
    {
    }

    ExerciseInput next();

private:
    std::uint64_t m_state;
};

std::vector<ExerciseInput> randomExercises(std::size_t count, std::uint64_t seed);

}  // namespace tavelle
