#include "tools/sheets/exam_sheets.h"

#include "core/result_labels.h"
#include "core/screen_load.h"
#include "core/sheet_texts.h"
#include "core/values_to_find.h"
#include "screens/artwork.h"
#include "screens/screen_factory.h"
#include "screens/screen_window.h"
#include "tools/sheets/paper_schematic.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

// Page geometry in the device's units, 96 to the inch.
constexpr qreal mm(qreal millimetres) { return millimetres * 96.0 / 25.4; }
constexpr qreal sideMargin = mm(15);
constexpr qreal topMargin = mm(12);
constexpr qreal headingHeight = mm(11);
constexpr qreal footerHeight = mm(7);
constexpr qreal gap = mm(3);
constexpr qreal thinLine = 0.75;
constexpr int emblemPixels = 128;
// The smallest type on paper, in points: below it a photocopy blurs.
constexpr qreal smallestPoints = 8.5;
constexpr qreal schematicWidth = mm(124);
constexpr qreal schematicHeight = mm(88);
constexpr qreal answerLineHeight = mm(7);
constexpr qreal workingLinePitch = mm(7);
constexpr qreal tableHeaderHeight = mm(11);
constexpr qreal tableRowHeight = mm(6);
constexpr std::size_t tableRowsPerPage = 38;
constexpr std::array<qreal, 7> tableColumnWidths{mm(13), mm(33), mm(30), mm(20), mm(20), mm(30), mm(34)};

QFont sheetFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString text(std::string_view value) { return toQString(value); }

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
    m_emblem = logoPicture(QSize(emblemPixels, emblemPixels));
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
    m_painter.setPen(QPen(Qt::black, thinLine));
    const QRectF headingArea(body.left() + emblem + mm(3), body.top(), body.width() - emblem - mm(3), emblem);
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

qreal ExamSheets::drawParagraph(const QString& paragraph, const QFont& font, qreal left, qreal top, qreal width,
                                int flags)
{
    m_painter.setFont(font);
    const QRectF place(left, top, width, m_paper.height());
    const QRectF taken = m_painter.boundingRect(place, flags | Qt::TextWordWrap, paragraph);
    m_painter.drawText(place, flags | Qt::TextWordWrap, paragraph);
    return taken.height();
}

qreal ExamSheets::drawIdentityBlock(const QRectF& area, const SheetExercise& exercise)
{
    const qreal rowHeight = mm(8);
    const qreal half = area.width() / 2;
    const qreal quarter = area.width() / 4;
    // Nom and Prénom on the first row; Groupe, Date, Durée and the mark on the second.
    const std::array<QRectF, 6> cells{
        QRectF(area.left(), area.top(), half, rowHeight),
        QRectF(area.left() + half, area.top(), half, rowHeight),
        QRectF(area.left(), area.top() + rowHeight, quarter, rowHeight),
        QRectF(area.left() + quarter, area.top() + rowHeight, quarter, rowHeight),
        QRectF(area.left() + 2 * quarter, area.top() + rowHeight, quarter, rowHeight),
        QRectF(area.left() + 3 * quarter, area.top() + rowHeight, quarter, rowHeight),
    };
    QStringList captions;
    for (std::string_view field : identityFields) captions << text(field);
    captions << text(markTotal(sheetQuestions(exercise.record)));
    m_painter.setPen(QPen(Qt::black, thinLine));
    m_painter.setFont(m_smallFont);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        m_painter.drawRect(cells[i]);
        m_painter.drawText(cells[i].adjusted(mm(1.5), 0, -mm(1.5), 0), Qt::AlignLeft | Qt::AlignVCenter,
                           captions[qsizetype(i)]);
    }
    if (!exercise.trainee.empty()) {
        m_painter.setFont(m_boldFont);
        m_painter.drawText(cells[0].adjusted(mm(14), 0, -mm(1.5), 0), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromStdString(exercise.trainee));
    }
    return 2 * rowHeight;
}

qreal ExamSheets::drawQuestions(const QRectF& area, const ExerciseRecord& record)
{
    qreal top = area.top();
    m_painter.setPen(QPen(Qt::black, thinLine));
    for (const SheetQuestion& question : sheetQuestions(record)) {
        top += drawParagraph(text(question.text), m_smallFont, area.left(), top, area.width());
        const QRectF answer(area.left(), top, area.width(), answerLineHeight);
        m_painter.setFont(m_smallFont);
        m_painter.drawText(answer, Qt::AlignLeft | Qt::AlignBottom, text(answerPrompt));
        m_painter.setPen(QPen(Qt::black, thinLine, Qt::DotLine));
        m_painter.drawLine(QPointF(answer.left() + mm(16), answer.bottom() - mm(1)),
                           QPointF(answer.right(), answer.bottom() - mm(1)));
        m_painter.setPen(QPen(Qt::black, thinLine));
        top += answerLineHeight + mm(2);
    }
    return top - area.top();
}

void ExamSheets::drawWorkingArea(const QRectF& area)
{
    m_painter.setPen(QPen(Qt::black, thinLine));
    m_painter.drawRect(area);
    m_painter.setFont(m_boldFont);
    m_painter.drawText(area.adjusted(mm(2), mm(1), 0, 0), Qt::AlignLeft | Qt::AlignTop, text(workingAreaHeading));
    // Pale enough to write over, dark enough to survive a photocopier.
    m_painter.setPen(QPen(QColor(128, 128, 128), thinLine, Qt::DotLine));
    for (qreal y = area.top() + mm(6) + workingLinePitch; y < area.bottom() - mm(2); y += workingLinePitch)
        m_painter.drawLine(QPointF(area.left() + mm(2), y), QPointF(area.right() - mm(2), y));
}

void ExamSheets::addTraineePage(const SheetExercise& exercise)
{
    const QString code = m_names.code ? text(setCodeLine(*m_names.code)) : QString();
    const QRectF area = beginPage(text(sheetHeading(exercise.number)), code);
    qreal top = area.top() + mm(1);
    top += drawIdentityBlock(QRectF(area.left(), top, area.width(), 0), exercise) + gap;

    ExerciseRecord record = exercise.record;
    const ScreenLoad statement = loadScreen(ScreenId::Don, record, m_decimalSeparator);
    if (const std::string* said = findText(statement, statementLabels::statement))
        top += drawParagraph(text(*said), m_textFont, area.left(), top, area.width(), Qt::AlignJustify) + gap;

    ScreenLoad schematic = loadScreen(ScreenId::Dessin, record, m_decimalSeparator);
    for (std::string_view hidden : schematicValuesToFind(record))
        for (ControlState& control : schematic)
            if (control.name == hidden) control.text.clear();
    if (!m_schematic) m_schematic = createScreen(ScreenId::Dessin, m_host);
    m_schematic->showLoad(schematic);
    const QRectF drawing =
        drawPaperSchematic(m_painter, *m_schematic, QRectF(area.left(), top, schematicWidth, schematicHeight),
                           smallestPoints);

    const qreal questionsLeft = area.left() + schematicWidth + mm(4);
    const qreal questions =
        drawQuestions(QRectF(questionsLeft, top, area.right() - questionsLeft, 0), exercise.record);
    top += std::max(drawing.height(), questions) + gap;
    drawWorkingArea(QRectF(area.left(), top, area.width(), area.bottom() - top));
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
    const QRectF area = beginPage(text(answerHeading(exercise.number, m_names.seed)),
                                  QString::fromStdString(exercise.trainee));
    const qreal indent = mm(6);
    qreal top = area.top() + mm(1);
    const auto paragraph = [&](const std::string& line, const QFont& font, qreal from) {
        if (!line.empty()) top += drawParagraph(text(line), font, area.left() + from, top, area.width() - from) + mm(1);
    };
    // A boxed line: the pump pressure and the verdict, which the marker looks for first.
    const auto boxed = [&](const std::string& line) {
        const qreal height = drawParagraph(text(line), m_boldFont, area.left() + mm(2), top + mm(1.5),
                                           area.width() - mm(4));
        m_painter.setPen(QPen(Qt::black, 1.5));
        m_painter.drawRect(QRectF(area.left(), top, area.width(), height + mm(3)));
        m_painter.setPen(QPen(Qt::black, thinLine));
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
}

bool ExamSheets::finish() { return m_painter.end(); }

}  // namespace tavelle
