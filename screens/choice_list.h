#pragma once

#include <QComboBox>

namespace tavelle {

// A drop-down list of choices that changes only when the user means it: the mouse wheel turning over
// it while another control has the focus (scrolling past it) neither changes the choice nor takes
// the focus.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace tavelle
