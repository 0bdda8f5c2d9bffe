#include "tools/sheets/exam_sheets.h"

#include "core/screen_load.h"
#include "core/sheet_texts.h"
#include "screens/paper_screen.h"
#include "screens/screen_factory.h"
#include "screens/screen_window.h"
#include "screens/silent_host.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <algorithm>

namespace tavelle {

namespace {

// Page geometry in the device's units, 96 to the inch: the screens' own pixels, so that the
// widgets lay their text out exactly as on screen before the page scales it.
constexpr qreal unitsPerMillimetre = 96.0 / 25.4;
constexpr qreal margin = 15 * unitsPerMillimetre;
constexpr qreal headingHeight = 12 * unitsPerMillimetre;
constexpr qreal footerHeight = 8 * unitsPerMillimetre;
constexpr qreal gap = 4 * unitsPerMillimetre;
// The trainee's page keeps at least this share of its height free to work the problem on.
constexpr qreal workingShare = 0.22;

// The scale at which screens of these sizes, stacked with a gap, fit the width and the height.
qreal stackScale(const QRectF& area, std::initializer_list<QSize> sizes, qreal height)
{
    qreal widest = 0;
    qreal total = 0;
    for (const QSize& size : sizes) {
        widest = std::max(widest, qreal(size.width()));
        total += size.height();
    }
    const qreal gaps = gap * qreal(sizes.size() - 1);
    return std::min(area.width() / widest, (height - gaps) / total);
}

}  // namespace

ExamSheets::ExamSheets(QPagedPaintDevice& device, std::string decimalSeparator, std::optional<std::uint64_t> seed,
                       std::size_t pageCount)
    : m_device(device)
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_seed(seed)
    , m_pageCount(pageCount)
{
    m_device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_painter.begin(&m_device);
    m_paper = QRectF(0, 0, m_device.width(), m_device.height());
    m_headingFont = QFont(QStringLiteral("Liberation Sans"));
    m_headingFont.setPointSizeF(14);
    m_headingFont.setBold(true);
    m_footerFont = QFont(QStringLiteral("Liberation Sans"));
    m_footerFont.setPointSizeF(9);
}

QRectF ExamSheets::beginPage(const std::string& heading)
{
    if (m_page > 0) m_device.newPage();
    ++m_page;

    const QRectF body = m_paper.adjusted(margin, margin, -margin, -margin);
    m_painter.setPen(Qt::black);
    m_painter.setFont(m_headingFont);
    const QRectF headingArea(body.left(), body.top(), body.width(), headingHeight);
    m_painter.drawText(headingArea, Qt::AlignLeft | Qt::AlignTop, toQString(heading));
    m_painter.drawLine(QPointF(body.left(), headingArea.bottom() - gap), QPointF(body.right(), headingArea.bottom() - gap));

    m_painter.setFont(m_footerFont);
    const QRectF footer(body.left(), body.bottom() - footerHeight, body.width(), footerHeight);
    m_painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, toQString(pageFooter(m_page, m_pageCount)));

    return QRectF(body.left(), headingArea.bottom(), body.width(), footer.top() - headingArea.bottom() - gap);
}

void ExamSheets::drawScreen(ScreenWindow& screen, QPointF origin, qreal scale)
{
    PaperScreen(screen).paint(m_painter, QRectF(origin, QSizeF(screen.size()) * scale));
}

void ExamSheets::addTraineePage(const SheetExercise& exercise)
{
    const QRectF left = addScreensPage(sheetHeading(exercise.number, m_seed), exercise, ScreenId::Don,
                                       ScreenId::Dessin, workingShare);
    m_painter.setPen(QPen(QColor(170, 170, 170), 0.75));
    m_painter.drawRect(left);
}

void ExamSheets::addKeyPage(const SheetExercise& exercise)
{
    addScreensPage(answerHeading(exercise.number, m_seed), exercise, ScreenId::Calculs, ScreenId::Calculs2, 0);
}

QRectF ExamSheets::addScreensPage(const std::string& heading, const SheetExercise& exercise, ScreenId first,
                                  ScreenId second, qreal freeShare)
{
    const QRectF area = beginPage(heading);

    // Loading the screens writes the record as the walk did; the caller's copy stays as it was.
    // The order matters: each screen reads what the one before it wrote.
    ExerciseRecord record = exercise.record;
    SilentHost host;
    const std::unique_ptr<ScreenWindow> upper = createScreen(first, host);
    upper->showLoad(loadScreen(first, record, m_decimalSeparator));
    const std::unique_ptr<ScreenWindow> lower = createScreen(second, host);
    lower->showLoad(loadScreen(second, record, m_decimalSeparator));

    const qreal scale = stackScale(area, {upper->size(), lower->size()}, area.height() * (1 - freeShare));
    QPointF origin = area.topLeft();
    drawScreen(*upper, origin, scale);
    origin.ry() += upper->height() * scale + gap;
    drawScreen(*lower, origin, scale);
    origin.ry() += lower->height() * scale + gap;
    return QRectF(origin, area.bottomRight());
}

bool ExamSheets::finish() { return m_painter.end(); }

}  // namespace tavelle
