#include "tools/sheets/exam_sheets.h"

#include "core/papers/sheet_texts.h"
#include "core/screens/result_labels.h"
#include "core/screens/screen_load.h"
#include "core/trade/values_to_find.h"
#include "screens/artwork.h"
#include "screens/screen_factory.h"
#include "screens/screen_window.h"
#include "tools/sheets/class_list.h"
#include "tools/sheets/key_pressure_line.h"
#include "tools/sheets/page_geometry.h"
#include "tools/sheets/paper_schematic.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QRegularExpression>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelle {

namespace {

using namespace pageGeometry;
constexpr int emblemPixels = 128;
constexpr qreal schematicWidth = mm(124);
constexpr qreal schematicHeight = mm(88);
constexpr qreal answerLineHeight = mm(7);
constexpr int verdictAnswerLines = 3;
constexpr qreal workingLinePitch = mm(7);
constexpr qreal tableHeaderHeight = mm(11);
constexpr qreal tableRowHeight = mm(6);
constexpr std::size_t tableRowsPerPage = 38;
constexpr std::array<qreal, 7> tableColumnWidths{mm(13), mm(33), mm(30), mm(20), mm(20), mm(30), mm(34)};

// The whole pixel size nearest `points`, as the device would draw it, but never under the smallest type.
QFont sheetFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(qRound(points * 96 / 72), pixelsForPoints(smallestPoints)));
    font.setBold(bold);
    return font;
}

QString text(std::string_view value)
{
    return toQString(value);
}

// The emblem in greys for a photocopier: its colours fall into four bands of lightness, each filled with
// its grey, and outlined in black where two bands meet, so that its shapes survive a copy in black and
// white, where every grey lighter than the middle turns white.
QPixmap paperEmblem(const QPixmap& colour)
{
    QImage flat(colour.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawPixmap(0, 0, colour);
    }
    constexpr std::array<int, 4> greys{0, 170, 215, 255};
    const auto band = [&](int x, int y) {
        const int lightness = qGray(flat.pixel(x, y));
        return lightness < 50 ? 0 : lightness < 120 ? 1 : lightness < 190 ? 2 : 3;
    };
    QImage paper(flat.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            const int own = band(x, y);
            bool edge = false;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}})
                if (x + dx < flat.width() && y + dy < flat.height() && band(x + dx, y + dy) != own) edge = true;
            const int grey = edge ? 0 : greys[std::size_t(own)];
            paper.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return QPixmap::fromImage(paper);
}

}  // namespace

ExamSheets::ExamSheets(QPagedPaintDevice& device, std::string decimalSeparator, SetNames names)
    : m_device(device)
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_names(std::move(names))
    , m_headingFont(sheetFont(14, true))
    , m_textFont(sheetFont(10))
    , m_boldFont(sheetFont(10, true))
    , m_smallFont(sheetFont(9))
{
    m_device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_painter.begin(&m_device);
    m_paper = QRectF(0, 0, m_device.width(), m_device.height());
    m_emblem = paperEmblem(logoPicture(QSize(emblemPixels, emblemPixels)));
}

ExamSheets::~ExamSheets() = default;

void ExamSheets::startPart(std::size_t pageCount)
{
    m_pageCount = pageCount;
    m_page = 0;
    m_tableRowsOnPage = 0;
}

QRectF ExamSheets::beginPage(const QString& heading, const QString& aside)
{
    if (m_anyPage) m_device.newPage();
    m_anyPage = true;
    ++m_page;

    const QRectF body(sideMargin, topMargin, m_paper.width() - 2 * sideMargin, m_paper.height() - 2 * topMargin);
    m_painter.setPen(QPen(Qt::black, thinLine));
    m_painter.setBrush(Qt::NoBrush);
    const qreal emblem = headingHeight - mm(2);
    m_painter.drawPixmap(QRectF(body.topLeft(), QSizeF(emblem, emblem)), m_emblem, QRectF(m_emblem.rect()));
    const QRectF headingArea(body.left() + emblem + mm(3), body.top(), body.width() - emblem - mm(3), emblem);
    // The heading and what is set aside of it share the line when they fit on it; otherwise the aside
    // takes a line of its own under the heading, and the heading grows.
    const int wrap = Qt::TextWordWrap;
    const QRectF headingBox = measure(m_headingFont, headingArea, Qt::AlignLeft | wrap, heading);
    const QRectF asideBox = measure(m_textFont, headingArea, Qt::AlignRight | wrap, aside);
    const bool shareLine = aside.isEmpty() || headingBox.width() + mm(4) + asideBox.width() <= headingArea.width();
    const qreal headingTall =
        shareLine ? std::max(headingBox.height(), asideBox.height()) : headingBox.height() + mm(1) + asideBox.height();
    const qreal headingBottom = body.top() + std::max(emblem, headingTall);
    m_painter.setFont(m_headingFont);
    m_painter.drawText(QRectF(headingArea.topLeft(), QSizeF(headingArea.width(), headingBottom - body.top())),
                       int(Qt::AlignLeft) | (shareLine ? int(Qt::AlignVCenter) : int(Qt::AlignTop)) | wrap, heading);
    m_painter.setFont(m_textFont);
    m_painter.drawText(QRectF(headingArea.left(), body.top(), headingArea.width(), headingBottom - body.top()),
                       int(Qt::AlignRight) | (shareLine ? int(Qt::AlignVCenter) : int(Qt::AlignBottom)) | wrap, aside);
    const qreal rule = headingBottom + mm(1);
    m_painter.drawLine(QPointF(body.left(), rule), QPointF(body.right(), rule));

    m_painter.setFont(m_smallFont);
    const QRectF footer(body.left(), body.bottom() - footerHeight, body.width(), footerHeight);
    m_painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, text(pageFooter(m_page, m_pageCount)));

    return QRectF(body.left(), rule + mm(1), body.width(), footer.top() - rule - mm(1) - gap);
}

QRectF ExamSheets::measure(const QFont& font, const QRectF& place, int flags, const QString& paragraph)
{
    m_painter.setFont(font);
    return m_painter.boundingRect(place, flags, paragraph);
}

QRectF ExamSheets::placeWrapped(const QFont& font, const QRectF& place, const QString& paragraph, bool draw)
{
    if (!draw) return measure(font, place, Qt::AlignLeft | Qt::TextWordWrap, paragraph);
    QRectF taken;
    m_painter.setFont(font);
    m_painter.drawText(place, Qt::AlignLeft | Qt::TextWordWrap, paragraph, &taken);
    return taken;
}

qreal ExamSheets::drawParagraph(const QString& paragraph, const QFont& font, qreal left, qreal top, qreal width,
                                int flags)
{
    const QRectF place(left, top, width, m_paper.height());
    QRectF taken;
    m_painter.setFont(font);
    m_painter.drawText(place, flags | Qt::TextWordWrap, paragraph, &taken);
    return taken.height();
}

namespace {

// A question's points stay on its last line: "(6 points)" never breaks.
QString keepPointsTogether(QString question)
{
    static const QRegularExpression points(QStringLiteral("\\((\\d+) points\\)"));
    return question.replace(points, QStringLiteral("(\\1\u00A0points)"));
}

constexpr qreal identityRowHeight = mm(8);
constexpr qreal cellPadding = mm(1.5);

// A name breaks between its words, and inside a word only where the word alone is wider than its box.
QTextOption nameLayout(Qt::Alignment alignment)
{
    QTextOption layout(alignment);
    layout.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return layout;
}

}  // namespace

// A name is never cut: it takes the type size that fits the box, down to the smallest, then more lines,
// and the box grows with them.
QFont ExamSheets::nameFont(const QString& name, qreal width)
{
    QFont font = m_boldFont;
    if (measure(font, QRectF(0, 0, m_paper.width(), m_paper.height()), Qt::AlignLeft, name).width() > width)
        font.setPixelSize(pixelsForPoints(smallestPoints));
    return font;
}

qreal ExamSheets::identityNameHeight(const std::array<QString, 2>& names, qreal captionWidth, qreal half)
{
    qreal height = identityRowHeight;
    for (const QString& name : names) {
        if (name.isEmpty()) continue;
        const qreal width = half - captionWidth - 2 * cellPadding;
        m_painter.setFont(nameFont(name, width));
        const QRectF taken =
            m_painter.boundingRect(QRectF(0, 0, width, m_paper.height()), name, nameLayout(Qt::AlignLeft));
        height = std::max(height, taken.height() + mm(2));
    }
    return height;
}

qreal ExamSheets::drawIdentityBlock(const QRectF& area, const SheetExercise& exercise, bool whole, bool draw)
{
    const Trainee trainee = splitTraineeName(exercise.trainee);
    const std::array<QString, 2> names{text(trainee.surname), text(trainee.firstName)};
    QStringList captions;
    for (std::string_view field : identityFields) captions << text(field);
    captions << text(markTotal(sheetQuestions(exercise.record)));
    const qreal half = area.width() / 2;
    const qreal quarter = area.width() / 4;
    const QRectF anywhere(0, 0, m_paper.width(), m_paper.height());
    const std::array<qreal, 2> captionWidths{measure(m_smallFont, anywhere, Qt::AlignLeft, captions[0]).width(),
                                             measure(m_smallFont, anywhere, Qt::AlignLeft, captions[1]).width()};
    const qreal nameRow = identityNameHeight(names, std::max(captionWidths[0], captionWidths[1]), half);
    // Nom and Prénom on the first row; Groupe, Date, Durée and the mark on the second.
    const std::array<QRectF, 6> cells{
        QRectF(area.left(), area.top(), half, nameRow),
        QRectF(area.left() + half, area.top(), half, nameRow),
        QRectF(area.left(), area.top() + nameRow, quarter, identityRowHeight),
        QRectF(area.left() + quarter, area.top() + nameRow, quarter, identityRowHeight),
        QRectF(area.left() + 2 * quarter, area.top() + nameRow, quarter, identityRowHeight),
        QRectF(area.left() + 3 * quarter, area.top() + nameRow, quarter, identityRowHeight),
    };
    const std::size_t shown = whole ? cells.size() : 2;
    const qreal height = whole ? nameRow + identityRowHeight : nameRow;
    if (!draw) return height;
    m_painter.setPen(QPen(Qt::black, thinLine));
    for (std::size_t i = 0; i < shown; ++i) {
        m_painter.setFont(m_smallFont);
        m_painter.drawRect(cells[i]);
        m_painter.drawText(cells[i].adjusted(cellPadding, 0, -cellPadding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                           captions[qsizetype(i)]);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].isEmpty()) continue;
        const QRectF place = cells[i].adjusted(cellPadding + std::max(captionWidths[0], captionWidths[1]) + cellPadding,
                                               0, -cellPadding, 0);
        m_painter.setFont(nameFont(names[i], place.width()));
        m_painter.drawText(place, names[i], nameLayout(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return height;
}

qreal ExamSheets::drawQuestions(const QRectF& area, const ExerciseRecord& record, bool draw)
{
    qreal top = area.top();
    m_painter.setPen(QPen(Qt::black, thinLine));
    const std::vector<SheetQuestion> questions = sheetQuestions(record);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const QString question = keepPointsTogether(text(questions[i].text));
        top += placeWrapped(m_smallFont, QRectF(area.left(), top, area.width(), m_paper.height()), question, draw)
                   .height();
        // The verdict, the last question, is justified: it gets room for a sentence.
        const int lines = i + 1 == questions.size() ? verdictAnswerLines : 1;
        for (int line = 0; line < lines; ++line) {
            const QRectF answer(area.left(), top, area.width(), answerLineHeight);
            if (draw) {
                m_painter.setFont(m_smallFont);
                if (line == 0) m_painter.drawText(answer, Qt::AlignLeft | Qt::AlignBottom, text(answerPrompt));
                m_painter.setPen(QPen(Qt::black, thinLine, Qt::DotLine));
                m_painter.drawLine(QPointF(answer.left() + (line == 0 ? mm(16) : 0), answer.bottom() - mm(1)),
                                   QPointF(answer.right(), answer.bottom() - mm(1)));
                m_painter.setPen(QPen(Qt::black, thinLine));
            }
            top += answerLineHeight;
        }
        top += mm(2);
    }
    return top - area.top();
}

std::size_t ExamSheets::drawWorkingArea(const QRectF& area, std::string_view heading, bool draw)
{
    if (draw) {
        m_painter.setPen(QPen(Qt::black, thinLine));
        m_painter.drawRect(area);
        m_painter.setFont(m_boldFont);
        m_painter.drawText(area.adjusted(mm(2), mm(1), 0, 0), Qt::AlignLeft | Qt::AlignTop, text(heading));
        // Pale enough to write over, dark enough to survive a photocopier.
        m_painter.setPen(QPen(QColor(128, 128, 128), thinLine, Qt::DotLine));
    }
    // One path for all the lines: a page's worth of them costs the PDF little.
    QList<QLineF> lines;
    for (qreal y = area.top() + mm(6) + workingLinePitch; y < area.bottom() - mm(2); y += workingLinePitch)
        lines.append(QLineF(area.left() + mm(2), y, area.right() - mm(2), y));
    if (draw) m_painter.drawLines(lines);
    return std::size_t(lines.size());
}

std::size_t ExamSheets::workingLinesNeeded(const SheetExercise& exercise)
{
    const std::size_t keyLines = layoutKey(exercise, QRectF(sideMargin, 0, m_paper.width() - 2 * sideMargin, 0), false);
    return keyLines + (keyLines + 3) / 4;
}

// The page's parts from the top: identity, statement, schematic beside the questions, then the working
// area, continued on a second page when the key's answer would not fit on its lines.
ExamSheets::TraineeLayout ExamSheets::layoutTrainee(const SheetExercise& exercise, const QRectF& area)
{
    TraineeLayout layout;
    ExerciseRecord record = exercise.record;
    const ScreenLoad statement = loadScreen(ScreenId::Don, record, m_decimalSeparator);
    if (const std::string* said = findText(statement, statementLabels::statement)) layout.statement = text(*said);
    // Known from the count of the part's pages, when it was made: laid out once.
    if (exercise.number < m_layouts.size() && m_layouts[exercise.number].known) {
        const KnownLayout& known = m_layouts[exercise.number];
        layout.statementTop = known.statementTop;
        layout.schematicTop = known.schematicTop;
        layout.working = QRectF(area.left(), known.workingTop, area.width(), area.bottom() - known.workingTop);
        layout.continued = known.continued;
        return layout;
    }
    qreal top = area.top() + mm(1);
    top += drawIdentityBlock(QRectF(area.left(), top, area.width(), 0), exercise, true, false) + gap;
    layout.statementTop = top;
    if (!layout.statement.isEmpty())
        top += measure(m_textFont, QRectF(area.left(), top, area.width(), m_paper.height()),
                       Qt::AlignJustify | Qt::TextWordWrap, layout.statement)
                   .height() +
               gap;
    layout.schematicTop = top;
    const qreal questionsLeft = area.left() + schematicWidth + mm(4);
    const qreal questions = drawQuestions(QRectF(questionsLeft, top, area.right() - questionsLeft, 0), record, false);
    top += std::max(schematicHeight, questions) + gap;
    layout.working = QRectF(area.left(), top, area.width(), area.bottom() - top);
    layout.continued = drawWorkingArea(layout.working, workingAreaHeading, false) < workingLinesNeeded(exercise);
    return layout;
}

std::size_t ExamSheets::traineePageCount(const SheetExercise& exercise)
{
    const QRectF body(sideMargin, topMargin + headingHeight, m_paper.width() - 2 * sideMargin,
                      m_paper.height() - 2 * topMargin - headingHeight - footerHeight - gap);
    const TraineeLayout layout = layoutTrainee(exercise, body);
    if (m_layouts.size() <= exercise.number) m_layouts.resize(exercise.number + 1);
    m_layouts[exercise.number] = {layout.statementTop, layout.schematicTop, layout.working.top(), layout.continued,
                                  true};
    return layout.continued ? 2 : 1;
}

qreal ExamSheets::lineSpacing(const QFont& font)
{
    m_painter.setFont(font);
    return m_painter.fontMetrics().lineSpacing();
}

void ExamSheets::addTraineePage(const SheetExercise& exercise)
{
    const QString code = m_names.code ? text(setCodeLine(*m_names.code)) : QString();
    const QRectF area = beginPage(text(sheetHeading(exercise.number)), code);
    const TraineeLayout layout = layoutTrainee(exercise, area);
    drawIdentityBlock(QRectF(area.left(), area.top() + mm(1), area.width(), 0), exercise, true, true);
    if (!layout.statement.isEmpty())
        drawParagraph(layout.statement, m_textFont, area.left(), layout.statementTop, area.width(), Qt::AlignJustify);

    ExerciseRecord record = exercise.record;
    ScreenLoad schematic = loadScreen(ScreenId::Dessin, record, m_decimalSeparator);
    for (std::string_view hidden : schematicValuesToFind(record))
        for (ControlState& control : schematic)
            if (control.name == hidden) control.text.clear();
    if (!m_schematic) m_schematic = createScreen(ScreenId::Dessin, m_host);
    m_schematic->showLoad(schematic);
    drawPaperSchematic(m_painter, *m_schematic,
                       QRectF(area.left(), layout.schematicTop, schematicWidth, schematicHeight), smallestPoints);
    const qreal questionsLeft = area.left() + schematicWidth + mm(4);
    drawQuestions(QRectF(questionsLeft, layout.schematicTop, area.right() - questionsLeft, 0), exercise.record, true);
    drawWorkingArea(layout.working, workingAreaHeading, true);
    if (!layout.continued) return;

    // The working goes on: the page names the exercise and the trainee again, should it come loose.
    const QRectF next = beginPage(text(sheetHeading(exercise.number)), code);
    const qreal top =
        next.top() + mm(1) +
        drawIdentityBlock(QRectF(next.left(), next.top() + mm(1), next.width(), 0), exercise, false, true) + gap;
    drawWorkingArea(QRectF(next.left(), top, next.width(), next.bottom() - top), workingAreaContinued, true);
}

std::size_t ExamSheets::answerTablePageCount(std::size_t rowCount)
{
    return std::max<std::size_t>(1, (rowCount + tableRowsPerPage - 1) / tableRowsPerPage);
}

QRectF ExamSheets::nextTableRow()
{
    if (m_tableRowsOnPage == 0 || m_tableRowsOnPage == tableRowsPerPage) {
        const QString aside = m_names.code ? text(setCodeLine(*m_names.code)) : QString();
        const QRectF area = beginPage(text(answerTableHeading), aside);
        m_tableTop = area.top() + mm(2);
        m_tableRowsOnPage = 0;
        m_painter.setFont(sheetFont(smallestPoints + 0.5, true));
        qreal left = area.left();
        for (std::size_t column = 0; column < tableColumnWidths.size(); ++column) {
            const QRectF cell(left, m_tableTop, tableColumnWidths[column], tableHeaderHeight);
            m_painter.drawRect(cell);
            m_painter.drawText(cell.adjusted(mm(1), 0, -mm(1), 0), Qt::AlignCenter | Qt::TextWordWrap,
                               text(answerTableColumns[column]));
            left += tableColumnWidths[column];
        }
        m_tableTop += tableHeaderHeight;
    }
    const QRectF row(sideMargin, m_tableTop, m_paper.width() - 2 * sideMargin, tableRowHeight);
    m_tableTop += tableRowHeight;
    ++m_tableRowsOnPage;
    m_painter.setPen(QPen(Qt::black, thinLine));
    m_painter.setFont(m_smallFont);
    return row;
}

void ExamSheets::addAnswerRow(const SheetExercise& exercise)
{
    const QRectF row = nextTableRow();
    const std::array<std::string, 7> cells =
        answerTableRow(std::to_string(exercise.number), exercise.record, m_decimalSeparator);
    qreal left = row.left();
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const QRectF cell(left, row.top(), tableColumnWidths[column], row.height());
        m_painter.drawRect(cell);
        m_painter.drawText(cell.adjusted(mm(1), 0, -mm(1), 0), Qt::AlignCenter, text(cells[column]));
        left += tableColumnWidths[column];
    }
}

void ExamSheets::addRefusedRow(std::size_t exerciseNumber)
{
    const QRectF row = nextTableRow();
    m_painter.drawRect(row);
    m_painter.drawText(row.adjusted(mm(1), 0, -mm(1), 0), Qt::AlignLeft | Qt::AlignVCenter,
                       text(refusedNotice(exerciseNumber)));
}

void ExamSheets::addKeyPage(const SheetExercise& exercise)
{
    const QRectF area =
        beginPage(text(answerHeading(exercise.number, m_names.seed)), QString::fromStdString(exercise.trainee));
    layoutKey(exercise, area, true);
}

// Lays out (or only measures) the key's text: returns how many lines it takes, the lines the trainee's
// working area must at least hold.
std::size_t ExamSheets::layoutKey(const SheetExercise& exercise, const QRectF& area, bool draw)
{
    const qreal indent = mm(6);
    qreal top = area.top() + mm(1);
    std::size_t lines = 0;
    const auto place = [&](const QString& line, const QFont& font, qreal from, qreal down) {
        const QRectF at(area.left() + from, top + down, area.width() - from - (down > 0 ? mm(2) : 0), m_paper.height());
        const QRectF taken = placeWrapped(font, at, line, draw);
        lines += std::max<std::size_t>(1, std::size_t(std::lround(taken.height() / lineSpacing(font))));
        return taken.height();
    };
    const auto paragraph = [&](const std::string& line, const QFont& font, qreal from) {
        if (!line.empty()) top += place(text(line), font, from, 0) + mm(1);
    };
    // A boxed line: the pump pressure and the verdict, which the marker looks for first.
    const auto boxed = [&](const std::string& line) {
        const qreal height = place(text(line), m_boldFont, mm(2), mm(1.5));
        if (draw) {
            m_painter.setPen(QPen(Qt::black, 1.5));
            m_painter.drawRect(QRectF(area.left(), top, area.width(), height + mm(3)));
            m_painter.setPen(QPen(Qt::black, thinLine));
        }
        top += height + mm(5);
    };

    ExerciseRecord record = exercise.record;
    paragraph(recalledData(record, m_decimalSeparator), m_textFont, 0);
    top += gap;

    const ScreenLoad portionAb = loadScreen(ScreenId::Calculs, record, m_decimalSeparator);
    const auto shown = [](const ScreenLoad& load, const char* name) {
        const std::string* found = findText(load, name);
        return found == nullptr ? std::string() : *found;
    };
    paragraph(shown(portionAb, portionAbLabels::heading), m_boldFont, 0);
    for (int nozzle = 1; nozzle <= std::min<int>(record.nozzleCount, 3); ++nozzle) {
        paragraph(nozzleCaption(nozzle), m_boldFont, indent / 2);
        for (const char* line : portionAbLabels::branches[std::size_t(nozzle - 1)].lines())
            paragraph(shown(portionAb, line), m_textFont, indent);
    }
    paragraph(shown(portionAb, portionAbLabels::worstNozzle), m_boldFont, 0);
    top += gap;

    const ScreenLoad final = loadScreen(ScreenId::Calculs2, record, m_decimalSeparator);
    paragraph(std::string(feedLineHeading), m_boldFont, 0);
    for (const char* line : finalLabels::feedLine) paragraph(shown(final, line), m_textFont, indent);
    top += gap;
    paragraph(std::string(pumpHeading), m_boldFont, 0);
    for (const char* line : finalLabels::pumpPressureTerms)
        if (line != finalLabels::pumpPressure) paragraph(shown(final, line), m_textFont, indent);
    top += mm(1);
    boxed(shown(final, finalLabels::pumpPressure));
    boxed(shown(final, finalLabels::pumpVerdict));
    if (draw)
        drawKeyPressureLine(m_painter, QRectF(area.left(), top, area.width(), area.bottom() - top), record,
                            m_decimalSeparator);
    return lines;
}

bool ExamSheets::finish()
{
    return m_painter.end();
}

}  // namespace tavelle
