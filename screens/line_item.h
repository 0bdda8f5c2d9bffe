#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace tavelle {

// A straight line of a drawing, as a child control of its own so that it can be named, found and
// hidden like the labels drawn over it. It takes no mouse input.
class LineItem : public QWidget {
    Q_OBJECT
public:
    // The end points are in the parent's coordinates, in pixels.
    LineItem(QWidget* parent, const char* name, QPoint from, QPoint to, QColor colour, int penWidth);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    QColor colour() const { return m_colour; }
    int penWidth() const { return m_penWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
    int m_penWidth;
};

}  // namespace tavelle
