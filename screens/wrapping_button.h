#pragma once

#include <QPushButton>

namespace tavelle {

// A push button whose caption wraps onto further lines when it is wider than the button,
// so that a long caption in a large type stays whole on a button of its designed size.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& caption, QWidget* parent);

    // The caption's room inside the button's frame.
    QRect captionRect() const;
    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavelle
