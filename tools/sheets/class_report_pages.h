#pragma once

#include "core/papers/class_report.h"

#include <QFont>
#include <QPainter>

#include <cstddef>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace tavelle {

// Lays out a class report on A4 pages for a photocopier: black and greys, text and charts as vectors,
// nothing under 8 points. The class's page first (its table carried over to further pages when the
// class is large), then a page for each trainee.
class ClassReportPages {
public:
    ClassReportPages(QPagedPaintDevice& device, std::string decimalSeparator);

    // Draws the whole report; a report of no attempt is one page that says so. False when the device
    // could not be written.
    bool draw(const ClassReport& report);

    // How many pages `draw` writes for a class of `traineeCount` trainees with attempts.
    static std::size_t pageCount(std::size_t traineeCount);

private:
    QRectF beginPage(const QString& heading, const QString& aside);
    qreal drawLine(const QString& text, const QFont& font, const QRectF& area, qreal top);
    void drawNothing(const ClassReport& report);
    void drawClassPages(const ClassReport& report, const std::vector<const TraineeReport*>& trainees);
    void drawTraineePage(const ClassReport& report, const TraineeReport& trainee);
    // Charts: each draws in `area` with its caption on top.
    // A chart's caption at the top of its area, in bold; its height.
    qreal drawCaption(const QRectF& area, const QString& caption);
    void drawShares(const QRectF& area, const QString& caption, const QuestionRecords& first,
                    const QuestionRecords* second);
    void drawWeeks(const QRectF& area, const QString& caption, const ClassReport& report, const TraineeReport* trainee);
    void drawTableHeader(const QRectF& row);
    void drawTableRow(const QRectF& row, const ClassReport& report, const TraineeReport& trainee);
    void drawTrend(const QRectF& cell, const std::vector<PracticeAttempt>& latest);
    qreal drawAttempt(const QRectF& area, const PracticeAttempt& attempt, const TraineeReport& trainee,
                      std::int64_t utcOffset);

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    std::string m_decimalSeparator;
    std::size_t m_pageCount = 0;
    std::size_t m_page = 0;
    QRectF m_paper;
    QFont m_headingFont;
    QFont m_textFont;
    QFont m_boldFont;
    QFont m_smallFont;
    QFont m_smallBoldFont;
};

}  // namespace tavelle
