#include "tools/sheets/class_report_pages.h"

#include "core/papers/class_report_texts.h"
#include "core/papers/sheet_texts.h"
#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/text/joined_text.h"
#include "core/text/number_text.h"
#include "format/attempt_marks.h"
#include "screens/screen_window.h"
#include "tools/sheets/page_geometry.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelle {

namespace {

using namespace pageGeometry;
constexpr qreal chartLine = 1.5;
constexpr qreal sharesHeight = mm(40);
constexpr qreal weeksHeight = mm(46);
constexpr qreal rowHeight = mm(5.4);
constexpr std::size_t rowsOnClassPage = 24;
constexpr std::size_t rowsOnFurtherPage = 44;
constexpr std::array<qreal, 6> columnWidths{mm(50), mm(18), mm(20), mm(32), mm(26), mm(34)};
constexpr std::size_t attemptsShown = 3;

// Greys a photocopier keeps apart from black and from the paper.
const QColor darkGrey(80, 80, 80);
const QColor midGrey(150, 150, 150);
const QColor lightGrey(205, 205, 205);

// Type comes in whole pixels of the page's 96 to the inch: rounded up, never below its size in points (8.5 pt
// would round down to 11 px, 8.25 pt).
QFont reportFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(std::ceil(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QString text(std::string_view value)
{
    return toQString(value);
}

double share(const QuestionRecord& record)
{
    return record.asked == 0 ? 0.0 : double(record.right) / record.asked;
}

// The question the class gets right least often: the first of them when several tie.
std::size_t weakestQuestion(const QuestionRecords& records)
{
    std::size_t weakest = 0;
    for (std::size_t i = 1; i < questionCount; ++i)
        if (records[i].right * std::int64_t(records[weakest].asked) <
            records[weakest].right * std::int64_t(records[i].asked))
            weakest = i;
    return weakest;
}

}  // namespace

ClassReportPages::ClassReportPages(QPagedPaintDevice& device, std::string decimalSeparator)
    : m_device(device)
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_headingFont(reportFont(14, true))
    , m_textFont(reportFont(10))
    , m_boldFont(reportFont(10, true))
    , m_smallFont(reportFont(smallestPoints))
    , m_smallBoldFont(reportFont(smallestPoints, true))
{
    m_device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_paper = QRectF(0, 0, m_device.width(), m_device.height());
}

std::size_t ClassReportPages::pageCount(std::size_t traineeCount)
{
    if (traineeCount == 0) return 1;
    const std::size_t beyond = traineeCount > rowsOnClassPage ? traineeCount - rowsOnClassPage : 0;
    return 1 + (beyond + rowsOnFurtherPage - 1) / rowsOnFurtherPage + traineeCount;
}

bool ClassReportPages::draw(const ClassReport& report)
{
    if (!m_painter.begin(&m_device)) return false;
    const std::vector<const TraineeReport*> trainees = report.trainees();
    m_pageCount = pageCount(trainees.size());
    if (trainees.empty()) {
        drawNothing(report);
    } else {
        drawClassPages(report, trainees);
        for (const TraineeReport* trainee : trainees) drawTraineePage(report, *trainee);
    }
    return m_painter.end();
}

QRectF ClassReportPages::beginPage(const QString& heading, const QString& aside)
{
    if (m_page > 0) m_device.newPage();
    ++m_page;
    const QRectF body(sideMargin, topMargin, m_paper.width() - 2 * sideMargin, m_paper.height() - 2 * topMargin);
    m_painter.setPen(QPen(Qt::black, thinLine));
    m_painter.setBrush(Qt::NoBrush);
    const QRectF headingArea(body.left(), body.top(), body.width(), headingHeight - mm(2));
    m_painter.setFont(m_headingFont);
    m_painter.drawText(headingArea, Qt::AlignLeft | Qt::AlignVCenter, heading);
    m_painter.setFont(m_textFont);
    m_painter.drawText(headingArea, Qt::AlignRight | Qt::AlignVCenter, aside);
    m_painter.drawLine(QPointF(body.left(), body.top() + headingHeight - mm(1)),
                       QPointF(body.right(), body.top() + headingHeight - mm(1)));
    m_painter.setFont(m_smallFont);
    const QRectF footer(body.left(), body.bottom() - footerHeight, body.width(), footerHeight);
    m_painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, text(pageFooter(m_page, m_pageCount)));
    return QRectF(body.left(), body.top() + headingHeight, body.width(),
                  footer.top() - body.top() - headingHeight - gap);
}

qreal ClassReportPages::drawLine(const QString& line, const QFont& font, const QRectF& area, qreal top)
{
    m_painter.setFont(font);
    m_painter.setPen(QPen(Qt::black, thinLine));
    const QRectF place(area.left(), top, area.width(), area.bottom() - top);
    const QRectF taken = m_painter.boundingRect(place, Qt::AlignLeft | Qt::TextWordWrap, line);
    m_painter.drawText(place, Qt::AlignLeft | Qt::TextWordWrap, line);
    return taken.height();
}

void ClassReportPages::drawNothing(const ClassReport& report)
{
    const QRectF area = beginPage(text(classReportTexts::title), text(groupLine(report.choice())));
    qreal top = area.top() + gap;
    top += drawLine(text(periodLine(report)), m_textFont, area, top);
    top +=
        drawLine(text(marksCheckLine(report.correctedCount(), report.unmarkedCount())), m_boldFont, area, top) + mm(20);
    top += drawLine(text(classReportTexts::nothingHeading), m_headingFont, area, top) + gap;
    drawLine(text(classReportTexts::nothingText), m_textFont, area, top);
}

void ClassReportPages::drawClassPages(const ClassReport& report, const std::vector<const TraineeReport*>& trainees)
{
    const QString title = text(classReportTexts::title);
    const QString group = text(groupLine(report.choice()));
    QRectF area = beginPage(title, group);
    qreal top = area.top() + gap;
    top += drawLine(text(periodLine(report)), m_textFont, area, top);
    top += drawLine(text(countsLine(trainees.size(), report.attemptCount())), m_boldFont, area, top);
    const std::string checked = marksCheckLine(report.correctedCount(), report.unmarkedCount());
    if (!checked.empty()) top += drawLine(text(checked), m_boldFont, area, top);
    top += gap;
    drawShares(QRectF(area.left(), top, area.width(), sharesHeight), text(classReportTexts::sharesHeading),
               report.questions(), nullptr);
    top += sharesHeight + gap;
    drawWeeks(QRectF(area.left(), top, area.width(), weeksHeight), text(classReportTexts::weeksHeading), report,
              nullptr);
    top += weeksHeight + gap;
    top += drawLine(text(classReportTexts::traineesHeading), m_boldFont, area, top) + mm(1);

    std::size_t onPage = 0;
    std::size_t pageRows = rowsOnClassPage;
    drawTableHeader(QRectF(area.left(), top, area.width(), rowHeight));
    top += rowHeight;
    for (const TraineeReport* trainee : trainees) {
        if (onPage == pageRows) {
            area = beginPage(title, group);
            top = area.top() + gap;
            drawTableHeader(QRectF(area.left(), top, area.width(), rowHeight));
            top += rowHeight;
            onPage = 0;
            pageRows = rowsOnFurtherPage;
        }
        drawTableRow(QRectF(area.left(), top, area.width(), rowHeight), report, *trainee);
        top += rowHeight;
        ++onPage;
    }
}

void ClassReportPages::drawTableHeader(const QRectF& row)
{
    m_painter.setFont(m_smallBoldFont);
    m_painter.setPen(QPen(Qt::black, thinLine));
    qreal left = row.left();
    for (std::size_t i = 0; i < classReportTexts::tableColumns.size(); ++i) {
        // The last heading covers the trend line and the marks.
        const qreal width = i + 1 == classReportTexts::tableColumns.size() ? row.right() - left : columnWidths[i];
        const Qt::Alignment align =
            i == 0 || i + 1 == classReportTexts::tableColumns.size() ? Qt::AlignLeft : Qt::AlignRight;
        m_painter.drawText(QRectF(left + mm(1), row.top(), width - mm(2), row.height()),
                           static_cast<int>(align | Qt::AlignVCenter), text(classReportTexts::tableColumns[i]));
        left += width;
    }
    m_painter.drawLine(row.bottomLeft(), row.bottomRight());
}

void ClassReportPages::drawTableRow(const QRectF& row, const ClassReport& report, const TraineeReport& trainee)
{
    const std::string lastDate = frenchDate(report.dayOf(trainee.latest.front().finishedAt));
    const std::array<QString, 4> cells{text(traineeName(trainee)), text(groupedInteger(trainee.attempts)),
                                       text(meanMarkText(trainee.markSum, trainee.attempts, m_decimalSeparator)),
                                       text(lastDate)};
    m_painter.setFont(m_smallFont);
    m_painter.setPen(QPen(Qt::black, thinLine));
    qreal left = row.left();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF cell(left + mm(1), row.top(), columnWidths[i] - mm(2), row.height());
        const QString shown = m_painter.fontMetrics().elidedText(cells[i], Qt::ElideRight, int(cell.width()));
        m_painter.drawText(cell, static_cast<int>((i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter), shown);
        left += columnWidths[i];
    }
    drawTrend(QRectF(left + mm(2), row.top() + mm(0.8), columnWidths[4] - mm(4), row.height() - mm(1.6)),
              trainee.latest);
    left += columnWidths[4];
    // The marks themselves, oldest first, each in a slot of its own so that they read apart.
    m_painter.setPen(QPen(Qt::black, thinLine));
    qreal slot = left + mm(1);
    for (auto attempt = trainee.latest.rbegin(); attempt != trainee.latest.rend(); ++attempt, slot += mm(3.3))
        m_painter.drawText(QRectF(slot, row.top(), mm(3.3), row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::number(attempt->score()));
    m_painter.setPen(QPen(lightGrey, thinLine));
    m_painter.drawLine(row.bottomLeft(), row.bottomRight());
}

void ClassReportPages::drawTrend(const QRectF& cell, const std::vector<PracticeAttempt>& latest)
{
    m_painter.setPen(QPen(lightGrey, thinLine));
    m_painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    const std::size_t count = latest.size();
    const qreal step = cell.width() / qreal(ClassReport::latestKept - 1);
    QPolygonF points;
    for (std::size_t i = 0; i < count; ++i) {
        const PracticeAttempt& attempt = latest[count - 1 - i];
        points << QPointF(cell.left() + step * qreal(i),
                          cell.bottom() - cell.height() * attempt.score() / qreal(questionCount));
    }
    m_painter.setPen(QPen(Qt::black, 1.0));
    m_painter.drawPolyline(points);
    m_painter.setBrush(Qt::black);
    m_painter.drawEllipse(points.back(), 1.5, 1.5);
    m_painter.setBrush(Qt::NoBrush);
}

qreal ClassReportPages::drawCaption(const QRectF& area, const QString& caption)
{
    m_painter.setFont(m_boldFont);
    m_painter.setPen(QPen(Qt::black, thinLine));
    const qreal captionHeight = m_painter.fontMetrics().height() + mm(1);
    m_painter.drawText(QRectF(area.left(), area.top(), area.width(), captionHeight), Qt::AlignLeft | Qt::AlignTop,
                       caption);
    return captionHeight;
}

void ClassReportPages::drawShares(const QRectF& area, const QString& caption, const QuestionRecords& first,
                                  const QuestionRecords* second)
{
    const qreal captionHeight = drawCaption(area, caption);
    const qreal labelWidth = mm(45);
    const qreal valueWidth = second ? mm(40) : mm(48);
    const QRectF plot(area.left() + labelWidth, area.top() + captionHeight, area.width() - labelWidth - valueWidth,
                      area.height() - captionHeight - mm(5));
    const qreal band = plot.height() / qreal(questionCount);
    const std::size_t weakest = weakestQuestion(second ? *second : first);

    // Ticks every quarter, light enough not to compete with the bars.
    m_painter.setFont(m_smallFont);
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const qreal x = plot.left() + plot.width() * quarter / 4.0;
        m_painter.setPen(QPen(quarter == 0 ? Qt::black : lightGrey, thinLine));
        m_painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        m_painter.setPen(QPen(darkGrey, thinLine));
        m_painter.drawText(QRectF(x - mm(8), plot.bottom() + mm(0.5), mm(16), mm(4)), Qt::AlignHCenter | Qt::AlignTop,
                           QString::number(quarter * 25) + QStringLiteral(" %"));
    }
    for (std::size_t i = 0; i < questionCount; ++i) {
        const qreal top = plot.top() + band * qreal(i);
        m_painter.setPen(QPen(Qt::black, thinLine));
        m_painter.drawText(QRectF(area.left(), top, labelWidth - mm(2), band), Qt::AlignRight | Qt::AlignVCenter,
                           text(questionShortTitle(allQuestions[i])));
        const qreal barHeight = second ? band * 0.36 : band * 0.6;
        const auto bar = [&](qreal barTop, const QuestionRecord& record, const QColor& fill) {
            const QRectF shape(plot.left(), barTop, plot.width() * share(record), barHeight);
            m_painter.setPen(QPen(Qt::black, thinLine));
            m_painter.setBrush(fill);
            m_painter.drawRect(shape);
            m_painter.setBrush(Qt::NoBrush);
            return shape;
        };
        if (second) {
            const QRectF own = bar(top + band * 0.12, first[i], Qt::black);
            bar(own.bottom(), (*second)[i], lightGrey);
            m_painter.setPen(QPen(Qt::black, thinLine));
            m_painter.drawText(
                QRectF(plot.right() + mm(2), top, valueWidth - mm(2), band), Qt::AlignLeft | Qt::AlignVCenter,
                text(shareText(first[i])) + QStringLiteral("  (") + text(shareText((*second)[i])) + QLatin1Char(')'));
        } else {
            bar(top + band * 0.2, first[i], i == weakest ? QColor(Qt::black) : midGrey);
            QString value = text(shareText(first[i]));
            if (i == weakest) value += QStringLiteral("  ◀ ") + text(classReportTexts::weakestNote);
            m_painter.setFont(i == weakest ? m_smallBoldFont : m_smallFont);
            m_painter.setPen(QPen(Qt::black, thinLine));
            m_painter.drawText(QRectF(plot.right() + mm(2), top, valueWidth - mm(2), band),
                               Qt::AlignLeft | Qt::AlignVCenter, value);
            m_painter.setFont(m_smallFont);
        }
    }
    if (second) {
        // The legend, right of the caption: the trainee's bar black, the class's light.
        const qreal y = area.top();
        m_painter.setFont(m_smallFont);
        m_painter.setPen(QPen(Qt::black, thinLine));
        m_painter.setBrush(Qt::black);
        m_painter.drawRect(QRectF(area.right() - mm(52), y + mm(0.8), mm(4), mm(2.5)));
        m_painter.setBrush(lightGrey);
        m_painter.drawRect(QRectF(area.right() - mm(22), y + mm(0.8), mm(4), mm(2.5)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawText(QRectF(area.right() - mm(45), y, mm(22), mm(4)), Qt::AlignLeft | Qt::AlignVCenter,
                           text(classReportTexts::traineeLegend));
        m_painter.drawText(QRectF(area.right() - mm(15), y, mm(15), mm(4)), Qt::AlignLeft | Qt::AlignVCenter,
                           text(classReportTexts::classLegend));
    }
}

void ClassReportPages::drawWeeks(const QRectF& area, const QString& caption, const ClassReport& report,
                                 const TraineeReport* trainee)
{
    const qreal captionHeight = drawCaption(area, caption);
    const QRectF plot(area.left() + mm(8), area.top() + captionHeight + mm(1), area.width() - mm(12),
                      area.height() - captionHeight - mm(7));
    const std::map<std::int64_t, WeekTally>& weeks = report.weeks();
    const std::int64_t firstMonday = weeks.begin()->first;
    const std::int64_t weekCount = (weeks.rbegin()->first - firstMonday) / 7 + 1;
    const qreal step = plot.width() / qreal(weekCount);
    const auto x = [&](std::int64_t monday) { return plot.left() + step * (qreal((monday - firstMonday) / 7) + 0.5); };
    const auto y = [&](const WeekTally& week) {
        return plot.bottom() - plot.height() * week.markSum / (qreal(week.attempts) * questionCount);
    };

    m_painter.setFont(m_smallFont);
    for (int mark = 0; mark <= int(questionCount); ++mark) {
        const qreal level = plot.bottom() - plot.height() * mark / qreal(questionCount);
        m_painter.setPen(QPen(mark == 0 ? Qt::black : lightGrey, thinLine));
        m_painter.drawLine(QPointF(plot.left(), level), QPointF(plot.right(), level));
        m_painter.setPen(QPen(darkGrey, thinLine));
        m_painter.drawText(QRectF(area.left(), level - mm(2), mm(6), mm(4)), Qt::AlignRight | Qt::AlignVCenter,
                           QString::number(mark));
    }
    // A label under every week while they fit, under every other one beyond.
    const std::int64_t labelEvery = std::max<std::int64_t>(1, std::int64_t(mm(11) / step) + 1);
    for (std::int64_t i = 0; i < weekCount; i += labelEvery)
        m_painter.drawText(QRectF(x(firstMonday + 7 * i) - mm(8), plot.bottom() + mm(0.5), mm(16), mm(4)),
                           Qt::AlignHCenter | Qt::AlignTop, text(weekLabel(firstMonday + 7 * i)));

    const auto series = [&](const std::map<std::int64_t, WeekTally>& tallies, const QPen& pen, qreal dot) {
        QPainterPath path;
        std::optional<std::int64_t> previous;
        for (const auto& [monday, week] : tallies) {
            const QPointF point(x(monday), y(week));
            // A week without attempts breaks the line: nothing is drawn where nothing was done.
            if (previous && monday - *previous == 7)
                path.lineTo(point);
            else
                path.moveTo(point);
            previous = monday;
        }
        m_painter.setPen(pen);
        m_painter.drawPath(path);
        m_painter.setBrush(pen.color());
        for (const auto& [monday, week] : tallies) m_painter.drawEllipse(QPointF(x(monday), y(week)), dot, dot);
        m_painter.setBrush(Qt::NoBrush);
    };
    if (trainee) {
        series(weeks, QPen(midGrey, chartLine, Qt::DashLine), 1.5);
        series(trainee->weeks, QPen(Qt::black, chartLine), 2.5);
        const qreal legendTop = area.top();
        m_painter.setFont(m_smallFont);
        m_painter.setPen(QPen(Qt::black, chartLine));
        m_painter.drawLine(QPointF(area.right() - mm(52), legendTop + mm(2)),
                           QPointF(area.right() - mm(46), legendTop + mm(2)));
        m_painter.setPen(QPen(midGrey, chartLine, Qt::DashLine));
        m_painter.drawLine(QPointF(area.right() - mm(22), legendTop + mm(2)),
                           QPointF(area.right() - mm(16), legendTop + mm(2)));
        m_painter.setPen(QPen(Qt::black, thinLine));
        m_painter.drawText(QRectF(area.right() - mm(45), legendTop, mm(22), mm(4)), Qt::AlignLeft | Qt::AlignVCenter,
                           text(classReportTexts::traineeLegend));
        m_painter.drawText(QRectF(area.right() - mm(15), legendTop, mm(15), mm(4)), Qt::AlignLeft | Qt::AlignVCenter,
                           text(classReportTexts::classLegend));
    } else {
        series(weeks, QPen(Qt::black, chartLine), 2.5);
        m_painter.setPen(QPen(Qt::black, thinLine));
        for (const auto& [monday, week] : weeks)
            m_painter.drawText(
                QRectF(x(monday) - mm(8), y(week) - mm(5.5), mm(16), mm(4)), Qt::AlignHCenter | Qt::AlignBottom,
                text(meanMarkText(week.markSum, week.attempts, m_decimalSeparator)).section(QLatin1Char(' '), 0, 0));
    }
}

void ClassReportPages::drawTraineePage(const ClassReport& report, const TraineeReport& trainee)
{
    const QRectF area = beginPage(text(traineeName(trainee)), text(classReportTexts::traineeTitle));
    qreal top = area.top() + gap;
    top += drawLine(text(traineeSummary(trainee, m_decimalSeparator)), m_boldFont, area, top);
    top += drawLine(text(periodLine(report)), m_textFont, area, top) + gap;
    drawWeeks(QRectF(area.left(), top, area.width(), weeksHeight), text(classReportTexts::traineeMarksHeading), report,
              &trainee);
    top += weeksHeight + gap;
    drawShares(QRectF(area.left(), top, area.width(), sharesHeight), text(classReportTexts::traineeSharesHeading),
               trainee.questions, &report.questions());
    top += sharesHeight + gap;
    top += drawLine(text(classReportTexts::latestHeading), m_boldFont, area, top) + mm(1);
    const std::size_t shown = std::min(attemptsShown, trainee.latest.size());
    for (std::size_t i = 0; i < shown; ++i)
        top += drawAttempt(QRectF(area.left(), top, area.width(), area.bottom() - top), trainee.latest[i], trainee,
                           report.utcOffsetAt(trainee.latest[i].finishedAt)) +
               mm(2);
}

qreal ClassReportPages::drawAttempt(const QRectF& area, const PracticeAttempt& attempt, const TraineeReport& trainee,
                                    std::int64_t utcOffset)
{
    qreal top = area.top();
    const std::string_view corrected =
        attempt.marksCheck == MarksCheck::corrected ? classReportTexts::correctedMarks : std::string_view();
    top += drawLine(text(joinedText(attemptHeading(attempt, utcOffset), otherNameText(attempt, trainee), corrected)),
                    m_smallBoldFont, area, top);
    const std::optional<ExerciseRecord> record = attemptExercise(attempt.exercise, m_decimalSeparator);
    if (!record) return top - area.top() + drawLine(text(classReportTexts::unreadableExercise), m_smallFont, area, top);
    top += drawLine(text(recalledData(*record, m_decimalSeparator)), m_smallFont, area, top);
    const ExpectedAnswers expected = expectedAnswers(*record);
    const std::array<qreal, 4> widths{mm(62), mm(50), mm(50), mm(18)};
    const qreal line = mm(4.2);
    m_painter.setFont(m_smallBoldFont);
    qreal left = area.left();
    for (std::size_t c = 0; c < widths.size(); ++c) {
        m_painter.drawText(QRectF(left + mm(1), top, widths[c] - mm(2), line), Qt::AlignLeft | Qt::AlignVCenter,
                           text(classReportTexts::answerColumns[c]));
        left += widths[c];
    }
    top += line;
    for (std::size_t q = 0; q < questionCount; ++q) {
        const Question question = allQuestions[q];
        const std::string& given = attempt.answers[q];
        const std::array<QString, 4> cells{text(questionTitle(question)),
                                           text(given.empty() ? classReportTexts::noAnswer : std::string_view(given)),
                                           text(expectedAnswerText(question, expected, m_decimalSeparator)),
                                           text(attempt.right[q] ? classReportTexts::right : classReportTexts::wrong)};
        m_painter.setPen(QPen(lightGrey, thinLine));
        m_painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
        left = area.left();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            m_painter.setFont(c == 3 && !attempt.right[q] ? m_smallBoldFont : m_smallFont);
            m_painter.setPen(QPen(Qt::black, thinLine));
            const QRectF cell(left + mm(1), top, widths[c] - mm(2), line);
            m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                               m_painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, int(cell.width())));
            left += widths[c];
        }
        top += line;
    }
    return top - area.top();
}

}  // namespace tavelle
