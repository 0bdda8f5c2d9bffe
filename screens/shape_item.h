#pragma once

#include <QColor>
#include <QWidget>

namespace tavelle {

enum class ShapeKind { RoundedRectangle, Circle };

// A filled shape of a drawing, as a named child control. It takes no mouse input.
class ShapeItem : public QWidget {
    Q_OBJECT
public:
    ShapeItem(QWidget* parent, const char* name, ShapeKind kind, QRect rect, QColor fill);

    ShapeKind kind() const { return m_kind; }
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeKind m_kind;
    QColor m_fill;
};

}  // namespace tavelle
