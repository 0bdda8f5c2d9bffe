#pragma once

#include "core/trade/pressure_line.h"

#include <QWidget>

#include <optional>

namespace tavelle {

// Shows the pressure line of an exercise, drawn to the widget's size; nothing until it is given one.
class PressureLineWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PressureLineWidget(QWidget* parent);

    void showLine(const PressureLine& line, const PressureLineTexts& texts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<PressureLine> m_line;
    PressureLineTexts m_texts;
};

}  // namespace tavelle
