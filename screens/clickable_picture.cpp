#include "screens/clickable_picture.h"

#include <QMouseEvent>

namespace tavelle {

ClickablePicture::ClickablePicture(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickablePicture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    // A press dragged off the picture and released elsewhere is not a click.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace tavelle
