#include "screens/line_item.h"

#include <QPainter>
#include <QPen>

namespace tavelle {

LineItem::LineItem(QWidget* parent, const char* name, QPoint from, QPoint to, QColor colour, int penWidth)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
    , m_colour(colour)
    , m_penWidth(penWidth)
{
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The widget covers the line's bounding box plus half a pen on every side, so thick lines are not cut.
    const int margin = penWidth / 2 + 1;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_from.x() != m_to.x() && m_from.y() != m_to.y());
    painter.setPen(QPen(m_colour, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = pos();
    painter.drawLine(m_from - origin, m_to - origin);
}

}  // namespace tavelle
