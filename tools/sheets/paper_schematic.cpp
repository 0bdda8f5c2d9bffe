#include "tools/sheets/paper_schematic.h"

#include "screens/line_item.h"
#include "screens/shape_item.h"
#include "tools/sheets/page_geometry.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tavelle {

namespace {

// Round a label's text on paper, in the page's units.
constexpr qreal labelMargin = 1.5;

bool drawn(const QWidget& child, const QWidget& screen)
{
    return child.isVisibleTo(&screen) && qobject_cast<const QAbstractButton*>(&child) == nullptr;
}

bool hasText(const QWidget& child)
{
    const auto* label = qobject_cast<const QLabel*>(&child);
    return label != nullptr && !label->text().isEmpty();
}

QRectF placeOf(const QWidget& child, const QWidget& screen)
{
    return QRectF(child.mapTo(&screen, QPoint()), QSizeF(child.size()));
}

// What the drawing shows, in the screen's pixels: its lines, shapes and texts.
QRectF shownBounds(const QWidget& screen)
{
    QRectF bounds;
    for (const QWidget* child : screen.findChildren<QWidget*>()) {
        if (!drawn(*child, screen)) continue;
        if (const auto* line = qobject_cast<const LineItem*>(child))
            bounds |= QRectF(line->from(), line->to()).normalized();
        else if (qobject_cast<const ShapeItem*>(child) != nullptr || hasText(*child))
            bounds |= placeOf(*child, screen);
    }
    return bounds;
}

// The parts of the segment from `from` to `to` outside every box, as fractions of its length.
std::vector<std::pair<qreal, qreal>> partsOutside(QPointF from, QPointF to, const std::vector<QRectF>& boxes)
{
    std::vector<std::pair<qreal, qreal>> parts{{0, 1}};
    const QPointF along = to - from;
    for (const QRectF& box : boxes) {
        // Liang-Barsky: the fractions of the segment inside the box.
        qreal enter = 0;
        qreal leave = 1;
        const std::array<std::pair<qreal, qreal>, 4> edges{{{-along.x(), from.x() - box.left()},
                                                            {along.x(), box.right() - from.x()},
                                                            {-along.y(), from.y() - box.top()},
                                                            {along.y(), box.bottom() - from.y()}}};
        bool inside = true;
        for (const auto& [p, q] : edges) {
            if (p == 0) {
                if (q < 0) inside = false;
            } else if (p < 0) {
                enter = std::max(enter, q / p);
            } else {
                leave = std::min(leave, q / p);
            }
        }
        if (!inside || enter >= leave) continue;
        std::vector<std::pair<qreal, qreal>> kept;
        for (const auto& [start, end] : parts) {
            if (start < enter) kept.emplace_back(start, std::min(end, enter));
            if (end > leave) kept.emplace_back(std::max(start, leave), end);
        }
        parts = std::move(kept);
    }
    return parts;
}

}  // namespace

QRectF drawPaperSchematic(QPainter& painter, const QWidget& screen, const QRectF& area, qreal smallestPoints)
{
    const QRectF bounds = shownBounds(screen);
    const qreal scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    painter.translate(-bounds.topLeft());
    const QList<QWidget*> children = screen.findChildren<QWidget*>();

    // The type grows past the screen's size on paper: the lines it now reaches stop short of the text.
    struct Label {
        const QLabel* label;
        QFont font;
        int flags;
    };
    std::vector<Label> labels;
    std::vector<QRectF> textBoxes;
    for (const QWidget* child : children) {
        if (!drawn(*child, screen) || !hasText(*child)) continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        QFont font = label->font();
        const int own = font.pixelSize() > 0 ? font.pixelSize() : pageGeometry::pixelsForPoints(font.pointSizeF());
        font.setPixelSize(std::max(own, pageGeometry::pixelsForPoints(smallestPoints, scale)));
        const int flags = int(label->alignment()) | Qt::TextDontClip | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        painter.setFont(font);
        textBoxes.push_back(painter.boundingRect(placeOf(*label, screen), flags, label->text()));
        labels.push_back({label, font, flags});
    }

    // Lines and shapes first, so that the texts lie above them, as on screen.
    for (const QWidget* child : children) {
        if (!drawn(*child, screen)) continue;
        if (const auto* line = qobject_cast<const LineItem*>(child)) {
            const qreal width = std::max<qreal>(line->penWidth(), 1);
            // Black on paper whatever the screen's colour: a photocopier greys out a blue line.
            painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
            const qreal margin = labelMargin / scale + width / 2;
            std::vector<QRectF> clear;
            for (const QRectF& box : textBoxes) clear.push_back(box.adjusted(-margin, -margin, margin, margin));
            const QPointF from = line->from();
            const QPointF along = line->to() - from;
            for (const auto& [start, end] : partsOutside(from, line->to(), clear))
                painter.drawLine(from + along * start, from + along * end);
        } else if (const auto* shape = qobject_cast<const ShapeItem*>(child)) {
            const QRectF place = placeOf(*shape, screen);
            if (shape->kind() == ShapeKind::Circle) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::black);
                painter.drawEllipse(place);
            } else {
                painter.setPen(QPen(Qt::black, 1.5));
                painter.setBrush(Qt::white);
                painter.drawRoundedRect(place.adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);
            }
        }
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    for (const Label& label : labels) {
        painter.setFont(label.font);
        painter.drawText(placeOf(*label.label, screen), label.flags, label.label->text());
    }
    painter.restore();
    return QRectF(area.topLeft(), bounds.size() * scale);
}

}  // namespace tavelle
