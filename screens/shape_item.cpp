#include "screens/shape_item.h"

#include <QPainter>

#include <algorithm>

namespace tavelle {

ShapeItem::ShapeItem(QWidget* parent, const char* name, ShapeKind kind, QRect rect, QColor fill)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
{
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(rect);
}

void ShapeItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_fill);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_kind == ShapeKind::Circle) {
        // A circle centred in its box, as wide as the box's smaller side.
        const qreal diameter = std::min(box.width(), box.height());
        QRectF circle(0, 0, diameter, diameter);
        circle.moveCenter(box.center());
        painter.drawEllipse(circle);
    } else {
        const qreal radius = std::min(box.width(), box.height()) / 6.0;
        painter.drawRoundedRect(box, radius, radius);
    }
}

}  // namespace tavelle
