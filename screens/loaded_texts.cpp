#include "screens/loaded_texts.h"

#include <QLabel>

namespace tavelle {

void prepareResultLabel(QLabel& label, Qt::Alignment horizontal, bool wrap)
{
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(horizontal | Qt::AlignTop);
    label.setWordWrap(wrap);
}

}  // namespace tavelle
