#include "screens/pressure_line_drawing.h"

#include "screens/screen_window.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

constexpr QColor guideGrey{150, 150, 150};
constexpr QColor canGiveGrey{90, 90, 90};
// Texts keep this far from every line, so that a copy keeps them apart.
constexpr qreal clearance = 6;

}  // namespace

void drawPressureLine(QPainter& painter, const QRectF& area, const PressureLine& line, const PressureLineTexts& texts,
                      const QFont& font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font);
    const qreal lineHeight = metrics.height();
    const auto width = [&](const std::string& text) { return metrics.horizontalAdvance(toQString(text)) + 1; };
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     toQString(texts.title));
    painter.setFont(font);

    // Texts stay outside the plot, where only lines are drawn: the losses above it, the places under it.
    std::size_t footLines = 0;
    for (const auto& column : texts.columns) footLines = std::max(footLines, column.size());
    const bool canGiveShown = !line.pumpSufficient;
    const qreal zeroWidth = width(texts.zero);
    const qreal plotTop = area.top() + 2 * lineHeight + clearance;
    const qreal footHeight = qreal(footLines + (canGiveShown ? 2 : 0)) * lineHeight;
    const QRectF plot(area.left() + zeroWidth + clearance, plotTop, area.width() - zeroWidth - clearance,
                      area.bottom() - footHeight - clearance - plotTop);

    float high = canGiveShown ? line.pumpCanGive : 0.0f;
    float low = 0;
    for (const PressurePoint& point : line.points) {
        high = std::max(high, point.bar);
        low = std::min(low, point.bar);
    }
    const qreal span = high > low ? qreal(high) - low : 1.0;
    const auto y = [&](float bar) { return plot.bottom() - (qreal(bar) - low) / span * plot.height(); };
    const qreal division = plot.left() + plot.width() * 2 / 3;
    const std::array<qreal, 4> xs{plot.left(), division, division, plot.right()};
    std::array<QPointF, 4> at;
    for (std::size_t i = 0; i < at.size(); ++i) at[i] = QPointF(xs[i], y(line.points[i].bar));

    painter.setPen(QPen(guideGrey, 0.75));
    const qreal zeroY = y(0.0f);
    painter.drawLine(QPointF(plot.left(), zeroY), QPointF(plot.right(), zeroY));
    for (qreal x : {xs[0], xs[1], xs[3]}) painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    if (canGiveShown) {
        painter.setPen(QPen(canGiveGrey, 1.25, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(line.pumpCanGive)), QPointF(division, y(line.pumpCanGive)));
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(at.data(), int(at.size()));
    painter.setBrush(Qt::black);
    for (const QPointF& point : at) painter.drawEllipse(point, 2.5, 2.5);

    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), zeroY - lineHeight / 2, zeroWidth, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, toQString(texts.zero));
    // Each loss over its part of the way: the feed line, the division, the nozzle's hoses.
    const qreal lossTop = area.top() + lineHeight;
    const std::array<std::pair<std::size_t, qreal>, 3> losses{
        {{1, (xs[0] + division) / 2}, {2, division}, {3, (division + xs[3]) / 2}}};
    for (const auto& [loss, centre] : losses) {
        const qreal lossWidth = width(texts.losses[loss]);
        painter.drawText(QRectF(centre - lossWidth / 2, lossTop, lossWidth, lineHeight), Qt::AlignCenter,
                         toQString(texts.losses[loss]));
    }

    // Under the plot, each place: the pump's from the left edge, the division's centred, the nozzle's to the
    // right edge.
    const qreal footTop = plot.bottom() + clearance;
    for (std::size_t column = 0; column < texts.columns.size(); ++column) {
        for (std::size_t row = 0; row < texts.columns[column].size(); ++row) {
            const std::string& text = texts.columns[column][row];
            const qreal textWidth = width(text);
            const qreal left = column == 0   ? plot.left()
                               : column == 1 ? division - textWidth / 2
                                             : plot.right() - textWidth;
            painter.drawText(QRectF(left, footTop + qreal(row) * lineHeight, textWidth, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, toQString(text));
        }
    }
    if (canGiveShown)
        painter.drawText(QRectF(area.left(), footTop + qreal(footLines) * lineHeight, area.width(), 2 * lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, toQString(texts.pumpCanGive));
    painter.restore();
}

}  // namespace tavelle
