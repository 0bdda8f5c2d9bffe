#include "screens/loaded_texts.h"

#include "screens/screen_window.h"

#include <QLabel>

namespace tavelle {

namespace {

template <typename Control>
Control* control(QWidget& screen, std::string_view name)
{
    auto* found = screen.findChild<Control*>(toQString(name));
    Q_ASSERT_X(found, "tavelle", "a load result names a control the screen does not have");
    return found;
}

}  // namespace

void showLabelTexts(QWidget& screen, const LabelTexts& texts)
{
    for (const LabelText& label : texts) {
        if (QLabel* target = control<QLabel>(screen, label.name)) target->setText(toQString(label.text));
    }
}

void applyControlStates(QWidget& screen, const std::vector<ControlState>& states)
{
    for (const ControlState& state : states) {
        QWidget* target = control<QWidget>(screen, state.name);
        if (!target) continue;
        if (state.hasText) {
            if (auto* label = qobject_cast<QLabel*>(target)) label->setText(toQString(state.text));
        }
        target->setVisible(state.visible);
    }
}

void prepareResultLabel(QLabel& label, Qt::Alignment horizontal, bool wrap)
{
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(horizontal | Qt::AlignTop);
    label.setWordWrap(wrap);
}

}  // namespace tavelle
