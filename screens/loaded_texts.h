#pragma once

#include <Qt>

class QLabel;

namespace tavelle {

// A label whose text is set at load: shown as plain text from its top edge, as designed.
void prepareResultLabel(QLabel& label, Qt::Alignment horizontal = Qt::AlignLeft, bool wrap = false);

}  // namespace tavelle
