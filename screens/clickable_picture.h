#pragma once

#include <QLabel>

namespace tavelle {

// A picture that reacts to a click of the left mouse button, like a button without a frame.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace tavelle
