#include "screens/pressure_line_widget.h"

#include "screens/pressure_line_drawing.h"
#include "screens/screen_window.h"

#include <QPainter>

namespace tavelle {

PressureLineWidget::PressureLineWidget(QWidget* parent)
    : QWidget(parent)
{
}

void PressureLineWidget::showLine(const PressureLine& line, const PressureLineTexts& texts)
{
    m_line = line;
    m_texts = texts;
    setAccessibleName(toQString(texts.title));
    update();
}

void PressureLineWidget::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_line) return;
    QPainter painter(this);
    drawPressureLine(painter, QRectF(rect()), *m_line, m_texts, font());
}

}  // namespace tavelle
