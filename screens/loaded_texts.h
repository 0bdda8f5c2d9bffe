#pragma once

#include "core/screen_texts.h"

#include <Qt>

#include <vector>

class QLabel;
class QWidget;

namespace tavelle {

// Puts what a screen's load computed onto the screen's controls, found by name.
void showLabelTexts(QWidget& screen, const LabelTexts& texts);
void applyControlStates(QWidget& screen, const std::vector<ControlState>& states);

// A label whose text is set at load: shown as plain text from its top edge, as designed.
void prepareResultLabel(QLabel& label, Qt::Alignment horizontal = Qt::AlignLeft, bool wrap = false);

}  // namespace tavelle
