#pragma once

#include "core/practice_questions.h"
#include "screens/screen_window.h"

#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavelle {

// In practice, the window that asks the trainee's answers before a calculation screen shows the worked
// answer: one row a question, a list for a choice and a field for a pressure, each with its mark below
// once checked. "Voir le calcul >>" opens only once every answer has been marked.
class QuestionScreen final : public ScreenWindow {
    Q_OBJECT
public:
    // `screen` is QuestionAB or QuestionBC.
    QuestionScreen(ScreenId screen, ScreenHost& host);

    std::span<const Question> questions() const { return m_questions; }

    // The exercise the trainee is on ("Exercice 2 / 5"), and the nozzles the worst-nozzle list offers.
    void showExercise(const QString& heading, int nozzleCount);

    // What the trainee answered, one text per question; empty when nothing was chosen or typed.
    std::vector<std::string> answers() const;

    // The marks of the answers, in question order. Once none is "not a number" the answers are final:
    // the fields lock and the way on to the calculation opens.
    void showMarks(std::span<const Mark> marks);
    bool verified() const { return m_verified; }

private:
    struct Row {
        Question question;
        QWidget* input;
        QLabel* mark;
    };

    std::vector<Question> m_questions;
    std::vector<Row> m_rows;
    QLabel* m_exercise = nullptr;
    QComboBox* m_nozzles = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_onward = nullptr;
    bool m_verified = false;
};

}  // namespace tavelle
