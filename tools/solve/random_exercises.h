#pragma once

#include "core/walkthrough.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavelle {

// Exercises that every entry rule accepts, drawn over all list items; one seed, one sequence.
std::vector<ExerciseInput> randomExercises(std::size_t count, std::uint64_t seed);

// The input format of tavelle-solve: an array of objects, numbers for numeric items.
std::string exercisesJson(const std::vector<ExerciseInput>& exercises);

}  // namespace tavelle
