#pragma once

#include "core/trade/pressure_line.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace tavelle {

// Draws the pressure line in `area`, in black and greys: bars upwards from 0, the way from the pump to the
// nozzle across, the feed line over two thirds of the width and the nozzle's hoses over the rest whatever
// their lengths (each point says its distance); where the pump is not powerful enough, what it can give,
// dashed. Texts in `font`, the title in its bold.
void drawPressureLine(QPainter& painter, const QRectF& area, const PressureLine& line, const PressureLineTexts& texts,
                      const QFont& font);

}  // namespace tavelle
