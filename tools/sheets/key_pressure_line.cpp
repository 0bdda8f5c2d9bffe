#include "tools/sheets/key_pressure_line.h"

#include "core/trade/pressure_line.h"
#include "screens/pressure_line_drawing.h"
#include "tools/sheets/page_geometry.h"

#include <algorithm>

namespace tavelle {

using namespace pageGeometry;

qreal drawKeyPressureLine(QPainter& painter, const QRectF& room, const ExerciseRecord& record,
                          std::string_view decimalSeparator)
{
    constexpr qreal leastHeight = mm(40);
    const qreal height = std::min(mm(62), room.height());
    if (height < leastHeight) return 0;
    // A whole number of pixels at the pages' 96 dpi, at least the smallest type: 12 px is 9 pt.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    static_assert(12 * 72.0 / 96 >= smallestPoints);
    const PressureLine line = pressureLine(record);
    drawPressureLine(painter, QRectF(room.left(), room.top(), room.width(), height), line,
                     pressureLineTexts(line, decimalSeparator), font);
    return height;
}

}  // namespace tavelle
