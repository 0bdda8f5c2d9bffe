#pragma once

#include "core/exercise_record.h"
#include "screens/silent_host.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPagedPaintDevice;

namespace tavelle {

class ScreenWindow;

// One exercise of the set as the application left the record after its final screen.
struct SheetExercise {
    std::size_t number = 0;
    ExerciseRecord record;
    std::string trainee;  // empty unless the set was drawn for a class
};

// What every page of a set names: the seed on the key only, the short code on the trainee's pages.
struct SetNames {
    std::optional<std::uint64_t> seed;
    std::optional<std::string> code;
};

// Lays out exam sheets on A4 pages for a photocopier: black on white, text and lines as vectors, nothing
// under 8 points. Each part (the trainee's pages, the key) numbers its pages on its own.
class ExamSheets {
public:
    ExamSheets(QPagedPaintDevice& device, std::string decimalSeparator, SetNames names);
    ~ExamSheets();

    // Starts a part of `pageCount` pages: its pages read "page k / pageCount".
    void startPart(std::size_t pageCount);

    // The header to fill in, the statement, the schematic without the values to find, the numbered
    // questions with their points and answer lines, and the rest of the page to work on: at least as
    // many ruled lines as the key's answer takes, and a quarter more, on a second page when need be.
    void addTraineePage(const SheetExercise& exercise);
    // The pages addTraineePage takes for the exercise: 1 or 2.
    std::size_t traineePageCount(const SheetExercise& exercise);

    // The table of the whole set's answers, a row at a time, over as many pages as it takes; the refused
    // exercises keep their row, which says so.
    static std::size_t answerTablePageCount(std::size_t rowCount);
    void addAnswerRow(const SheetExercise& exercise);
    void addRefusedRow(std::size_t exerciseNumber);

    // The data recalled, portion AB and the final calculation, the pump pressure and the verdict boxed.
    void addKeyPage(const SheetExercise& exercise);

    // False when the device could not be written.
    bool finish();

private:
    // Returns the area left between the heading and the footer.
    QRectF beginPage(const QString& heading, const QString& aside);
    struct TraineeLayout {
        QString statement;
        qreal statementTop = 0;
        qreal schematicTop = 0;
        QRectF working;
        bool continued = false;  // the working goes on on a second page
    };
    QRectF measure(const QFont& font, const QRectF& place, int flags, const QString& paragraph);
    // A paragraph wrapped from the left of `place`, drawn, or only measured; the room it takes.
    QRectF placeWrapped(const QFont& font, const QRectF& place, const QString& paragraph, bool draw);
    // Draws wrapped text from `top` across `width` at `left`; returns the height it took.
    qreal drawParagraph(const QString& text, const QFont& font, qreal left, qreal top, qreal width,
                        int flags = Qt::AlignLeft);
    QFont nameFont(const QString& name, qreal width);
    qreal identityNameHeight(const std::array<QString, 2>& names, qreal captionWidth, qreal half);
    // The boxes to fill in, the first row only unless `whole`; returns their height.
    qreal drawIdentityBlock(const QRectF& area, const SheetExercise& exercise, bool whole, bool draw);
    qreal drawQuestions(const QRectF& area, const ExerciseRecord& record, bool draw);
    // Returns the number of ruled lines.
    std::size_t drawWorkingArea(const QRectF& area, std::string_view heading, bool draw);
    TraineeLayout layoutTrainee(const SheetExercise& exercise, const QRectF& area);
    std::size_t workingLinesNeeded(const SheetExercise& exercise);
    std::size_t layoutKey(const SheetExercise& exercise, const QRectF& area, bool draw);
    qreal lineSpacing(const QFont& font);
    // The row's place in the table, on a new page with the column headings when the page is full.
    QRectF nextTableRow();

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    std::string m_decimalSeparator;
    SetNames m_names;
    SilentHost m_host;
    std::unique_ptr<ScreenWindow> m_schematic;  // loaded anew for each page
    std::size_t m_pageCount = 0;
    std::size_t m_page = 0;
    std::size_t m_tableRowsOnPage = 0;
    qreal m_tableTop = 0;
    bool m_anyPage = false;
    QRectF m_paper;
    // By exercise number, as traineePageCount found it: a few numbers each, the texts are not kept.
    struct KnownLayout {
        qreal statementTop = 0;
        qreal schematicTop = 0;
        qreal workingTop = 0;
        bool continued = false;
        bool known = false;
    };
    std::vector<KnownLayout> m_layouts;
    QPixmap m_emblem;  // one picture for every page: the PDF holds it once
    QFont m_headingFont;
    QFont m_textFont;
    QFont m_boldFont;
    QFont m_smallFont;
};

}  // namespace tavelle
