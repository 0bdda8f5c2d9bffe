#pragma once

#include "core/practice/practice_texts.h"
#include "core/trade/pressure_line.h"
#include "screens/screen_window.h"

class QLabel;

namespace tavelle {

class PressureLineWidget;

// In practice, the summary of a finished exercise: its five marks, the time it took, the trainee's
// recent results and how often each question was answered right, the exercise's pressure line, then on to
// the next exercise.
class SummaryScreen final : public ScreenWindow {
    Q_OBJECT
public:
    explicit SummaryScreen(ScreenHost& host);

    void showSummary(const SummaryTexts& texts);
    // The pressure from the pump to the worst nozzle of the exercise just marked.
    void showPressureLine(const PressureLine& line, const PressureLineTexts& texts);

private:
    QLabel* m_heading = nullptr;
    QLabel* m_marks = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_keeping = nullptr;
    QLabel* m_recent = nullptr;
    QLabel* m_shares = nullptr;
    PressureLineWidget* m_pressureLine = nullptr;
};

}  // namespace tavelle
