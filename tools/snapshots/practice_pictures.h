#pragma once

#include "core/exercise_record.h"

#include <QDir>

#include <string>

namespace tavelle {

// Pictures the practice windows on the walked record, as a trainee sees them once marked (one slip in
// the portion BC answers) and the summary that follows; returns the number of pictures not written.
int picturePracticeWindows(const ExerciseRecord& record, const std::string& separator, const QDir& directory);

}  // namespace tavelle
