#pragma once

#include <QLabel>

namespace tavelle {

// A picture that reacts to a click of the left mouse button, like a button without a frame; Tab reaches it,
// and Enter or Space then does what a click does.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace tavelle
