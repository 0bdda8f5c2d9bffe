#include "screens/choice_list.h"

#include <QWheelEvent>

namespace tavelle {

ChoiceList::ChoiceList(QWidget* parent)
    : QComboBox(parent)
{
    // Not WheelFocus, QComboBox's own: a wheel turn is no choice of the list.
    setFocusPolicy(Qt::StrongFocus);
}

void ChoiceList::wheelEvent(QWheelEvent* event)
{
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
        return;
    }
    event->ignore();
}

}  // namespace tavelle
