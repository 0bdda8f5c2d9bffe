#pragma once

#include "core/exercise_record.h"

#include <QPainter>
#include <QRectF>

#include <string_view>

namespace tavelle {

// The key page's pressure line, from the pump to the worst nozzle of the exercise, drawn at the top of
// `room` when the page leaves it enough height; returns the height it took (0 when it was left out).
qreal drawKeyPressureLine(QPainter& painter, const QRectF& room, const ExerciseRecord& record,
                          std::string_view decimalSeparator);

}  // namespace tavelle
