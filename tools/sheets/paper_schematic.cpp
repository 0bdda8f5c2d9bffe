#include "tools/sheets/paper_schematic.h"

#include "screens/line_item.h"
#include "screens/shape_item.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace tavelle {

namespace {

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
    // Lines and shapes first, so that the texts lie above them, as on screen.
    for (const QWidget* child : children) {
        if (!drawn(*child, screen)) continue;
        if (const auto* line = qobject_cast<const LineItem*>(child)) {
            painter.setPen(QPen(line->colour(), std::max<qreal>(line->penWidth(), 1), Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line->from(), line->to());
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
    for (const QWidget* child : children) {
        if (!drawn(*child, screen) || !hasText(*child)) continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        QFont font = label->font();
        font.setPointSizeF(std::max(font.pointSizeF(), smallestPoints / scale));
        painter.setFont(font);
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        painter.drawText(placeOf(*label, screen), int(label->alignment()) | Qt::TextDontClip | wrap, label->text());
    }
    painter.restore();
    return QRectF(area.topLeft(), bounds.size() * scale);
}

}  // namespace tavelle
