#pragma once

#include "core/exercise_record.h"
#include "core/screen_id.h"

#include <QFont>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class QPagedPaintDevice;

namespace tavelle {

class ScreenWindow;

// One exercise of the set as the application left the record after its final screen.
struct SheetExercise {
    std::size_t number = 0;
    ExerciseRecord record;
};

// Lays out exam sheets on A4 pages: a header naming the exercise, the application's own screens
// without their buttons, scaled to the page, and "page k / n" at the foot.
class ExamSheets {
public:
    ExamSheets(QPagedPaintDevice& device, std::string decimalSeparator, std::optional<std::uint64_t> seed,
               std::size_t pageCount);

    // The statement and the schematic, with room left to work the problem.
    void addTraineePage(const SheetExercise& exercise);
    // Portion AB and the final calculation, down to the verdict on the pump.
    void addKeyPage(const SheetExercise& exercise);

    // False when the device could not be written.
    bool finish();

private:
    // Returns the area left below the heading and above the footer.
    QRectF beginPage(const std::string& heading);
    // A page of two screens stacked, as large as they fit above `freeShare` of the page left free;
    // returns the area left below them.
    QRectF addScreensPage(const std::string& heading, const SheetExercise& exercise, ScreenId first, ScreenId second,
                          qreal freeShare);
    // Draws the screen as on paper at `scale`, its top-left corner at `origin`.
    void drawScreen(ScreenWindow& screen, QPointF origin, qreal scale);

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    std::string m_decimalSeparator;
    std::optional<std::uint64_t> m_seed;
    std::size_t m_pageCount;
    std::size_t m_page = 0;
    QRectF m_paper;
    QFont m_headingFont;
    QFont m_footerFont;
};

}  // namespace tavelle
