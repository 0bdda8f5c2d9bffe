#include "screens/question_screen.h"

#include "core/practice_flow.h"
#include "core/practice_texts.h"
#include "screens/choice_list.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelle {

namespace {

constexpr int windowWidth = 600;
constexpr int rowHeight = 62;
constexpr int firstRowTop = 64;

bool isChoice(Question question) { return question == Question::worstNozzle || question == Question::pumpVerdict; }

QColor markColour(MarkKind kind)
{
    switch (kind) {
    case MarkKind::right: return QColor(0, 112, 0);
    case MarkKind::wrong: return QColor(176, 0, 0);
    case MarkKind::notANumber: return QColor(0, 0, 160);
    }
    return Qt::black;
}

std::vector<Question> questionsOf(ScreenId screen)
{
    if (screen == ScreenId::QuestionAB) return {portionAbQuestions.begin(), portionAbQuestions.end()};
    return {portionBcQuestions.begin(), portionBcQuestions.end()};
}

}  // namespace

QuestionScreen::QuestionScreen(ScreenId screen, ScreenHost& screenHost)
    : ScreenWindow(screen, screenHost,
                   QSize(windowWidth, firstRowTop + rowHeight * static_cast<int>(questionsOf(screen).size()) + 60))
    , m_questions(questionsOf(screen))
{
    const std::string_view heading =
        screen == ScreenId::QuestionAB ? practiceTexts::portionAbHeading : practiceTexts::portionBcHeading;
    addLabel(this, "headingLabel", toQString(heading), QRect(16, 8, windowWidth - 32, 24), 11, true);
    m_exercise = addLabel(this, "exerciseLabel", QString(), QRect(16, 32, windowWidth - 32, 20));

    int top = firstRowTop;
    for (Question question : m_questions) {
        const std::string name(questionKey(question));
        QLabel* label = addLabel(this, (name + "Label").c_str(), toQString(questionText(question)),
                                 QRect(16, top, 380, 24));
        label->setWordWrap(true);
        QWidget* input = nullptr;
        if (isChoice(question)) {
            auto* list = new ChoiceList(this);
            list->setEditable(false);
            if (question == Question::pumpVerdict)
                list->addItems({toQString(pumpSufficesAnswer), toQString(relayNeededAnswer)});
            else
                m_nozzles = list;
            list->setCurrentIndex(-1);
            input = list;
        } else {
            auto* field = new QLineEdit(this);
            field->setPlaceholderText(QStringLiteral("en bars"));
            input = field;
        }
        input->setObjectName(toQString(name));
        input->setGeometry(QRect(404, top, 180, 24));
        label->setBuddy(input);
        input->setAccessibleName(toQString(questionText(question)));
        QLabel* mark = addLabel(this, (name + "Mark").c_str(), QString(), QRect(32, top + 28, windowWidth - 48, 22));
        m_rows.push_back({question, input, mark});
        top += rowHeight;
    }

    const int buttonTop = top + 12;
    addNavigationButton(practiceControls::back.data(), toQString(practiceTexts::back), QRect(16, buttonTop, 150, 34));
    m_check = addButton(this, practiceControls::check.data(), toQString(practiceTexts::check),
                        QRect(225, buttonTop, 150, 34));
    connect(m_check, &QPushButton::clicked, this, [this] { host().checkAnswers(screenId()); });
    m_onward = addNavigationButton(practiceControls::showCalculation.data(), toQString(practiceTexts::showCalculation),
                                   QRect(windowWidth - 166, buttonTop, 150, 34));
    m_onward->setEnabled(false);
}

void QuestionScreen::showExercise(const QString& heading, int nozzleCount)
{
    m_exercise->setText(heading);
    if (m_nozzles == nullptr) return;
    m_nozzles->clear();
    for (int nozzle = 1; nozzle <= nozzleCount; ++nozzle) m_nozzles->addItem(toQString(nozzleAnswer(nozzle)));
    m_nozzles->setCurrentIndex(-1);
}

std::vector<std::string> QuestionScreen::answers() const
{
    std::vector<std::string> typed;
    for (const Row& row : m_rows) {
        if (const auto* list = qobject_cast<const QComboBox*>(row.input))
            typed.push_back(choice(list));
        else
            typed.push_back(qobject_cast<const QLineEdit*>(row.input)->text().toStdString());
    }
    return typed;
}

void QuestionScreen::showMarks(std::span<const Mark> marks)
{
    bool final = true;
    for (std::size_t i = 0; i < m_rows.size() && i < marks.size(); ++i) {
        m_rows[i].mark->setText(toQString(marks[i].text));
        setTextColour(*m_rows[i].mark, markColour(marks[i].kind));
        if (marks[i].kind == MarkKind::notANumber) final = false;
    }
    if (!final) return;
    m_verified = true;
    for (const Row& row : m_rows) row.input->setEnabled(false);
    m_check->setEnabled(false);
    m_onward->setEnabled(true);
    m_onward->setFocus();
}

}  // namespace tavelle
