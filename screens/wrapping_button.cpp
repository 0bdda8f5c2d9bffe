#include "screens/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavelle {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
}

QRect WrappingButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);  // frame, bevel and focus, without the caption

    QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) {
        room.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(room, captionFlags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace tavelle
