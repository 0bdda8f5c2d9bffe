#pragma once

#include "core/practice/practice_questions.h"
#include "core/practice/practice_session.h"
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
// once checked. It tells each answer as it is typed or chosen, and "Vérifier", to whoever practises with
// it; Enter in a field presses "Vérifier".
class QuestionScreen final : public ScreenWindow {
    Q_OBJECT
public:
    // `screen` is QuestionAB or QuestionBC.
    QuestionScreen(ScreenId screen, ScreenHost& host);

    std::span<const Question> questions() const { return m_questions; }

    // Shows the window as the practice session has it: the exercise, the answers, their marks, and
    // whether they are final (read-only, the way on to the calculation open).
    void showWindow(const QuestionWindow& window);

signals:
    // The trainee typed or chose `text` as the answer to `question`; not sent for what showWindow shows.
    void answerTyped(tavelle::Question question, const QString& text);
    void checkPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

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
    bool m_showing = false;
};

}  // namespace tavelle
