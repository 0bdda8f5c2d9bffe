#include "screens/question_screen.h"

#include "core/practice/answer_marking.h"
#include "core/practice/practice_texts.h"
#include "screens/choice_list.h"

#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavelle {

namespace {

constexpr int windowWidth = 600;
constexpr int rowHeight = 62;
constexpr int firstRowTop = 64;

bool isChoice(Question question)
{
    return question == Question::worstNozzle || question == Question::pumpVerdict;
}

QColor markColour(MarkKind kind)
{
    switch (kind) {
    case MarkKind::right: return QColor(0, 112, 0);
    case MarkKind::wrong: return QColor(176, 0, 0);
    case MarkKind::notANumber: return QColor(0, 0, 160);
    }
    return Qt::black;
}

// The mark belongs to its answer: a screen reader reads it with the field, in its review too, and is told
// when it changes, since the trainee's focus is on the field or on "Vérifier", not on the mark.
void tellMark(QWidget& input, const QString& mark)
{
    if (input.accessibleDescription() == mark) return;
    input.setAccessibleDescription(mark);
    QAccessibleEvent changed(&input, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!mark.isEmpty()) {
        QAccessibleAnnouncementEvent said(&input, mark);
        QAccessible::updateAccessibility(&said);
    }
#endif
}

}  // namespace

QuestionScreen::QuestionScreen(ScreenId screen, ScreenHost& screenHost)
    : ScreenWindow(screen, screenHost,
                   QSize(windowWidth, firstRowTop + rowHeight * static_cast<int>(questionsOf(screen).size()) + 60))
    , m_questions(questionsOf(screen).begin(), questionsOf(screen).end())
{
    const std::string_view heading =
        screen == ScreenId::QuestionAB ? practiceTexts::portionAbHeading : practiceTexts::portionBcHeading;
    addLabel(this, "headingLabel", toQString(heading), QRect(16, 8, windowWidth - 32, 24), 11, true);
    m_exercise = addLabel(this, "exerciseLabel", QString(), QRect(16, 32, windowWidth - 32, 20));

    int top = firstRowTop;
    for (Question question : m_questions) {
        const std::string name(questionKey(question));
        QLabel* label =
            addLabel(this, (name + "Label").c_str(), toQString(questionText(question)), QRect(16, top, 380, 24));
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
            connect(list, &QComboBox::currentTextChanged, this, [this, question](const QString& text) {
                if (!m_showing) emit answerTyped(question, text);
            });
            input = list;
        } else {
            auto* field = new QLineEdit(this);
            field->setPlaceholderText(QStringLiteral("en bars"));
            connect(field, &QLineEdit::textChanged, this, [this, question](const QString& text) {
                if (!m_showing) emit answerTyped(question, text);
            });
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
    connect(m_check, &QPushButton::clicked, this, &QuestionScreen::checkPressed);
    m_onward = addNavigationButton(practiceControls::showCalculation.data(), toQString(practiceTexts::showCalculation),
                                   QRect(windowWidth - 166, buttonTop, 150, 34));
    m_onward->setEnabled(false);
}

void QuestionScreen::keyPressEvent(QKeyEvent* event)
{
    // Enter in an answer field presses "Vérifier": the field lets the key through to its window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit*>(focusWidget()) != nullptr) {
        if (m_check->isEnabled()) m_check->click();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

void QuestionScreen::showWindow(const QuestionWindow& window)
{
    // What is shown here comes from the session: it is not typed again.
    m_showing = true;
    m_exercise->setText(toQString(window.heading));
    if (m_nozzles != nullptr && m_nozzles->count() != window.nozzleCount) {
        m_nozzles->clear();
        for (int nozzle = 1; nozzle <= window.nozzleCount; ++nozzle)
            m_nozzles->addItem(toQString(nozzleAnswer(nozzle)));
    }
    for (std::size_t i = 0; i < m_rows.size() && i < window.rows.size(); ++i) {
        const Row& row = m_rows[i];
        const QString typed = toQString(window.rows[i].typed);
        if (auto* list = qobject_cast<QComboBox*>(row.input))
            list->setCurrentIndex(list->findText(typed));
        else if (auto* field = qobject_cast<QLineEdit*>(row.input); field->text() != typed)
            field->setText(typed);
        const std::optional<Mark>& mark = window.rows[i].mark;
        const QString markText = mark ? toQString(mark->text) : QString();
        row.mark->setText(markText);
        if (mark) setTextColour(*row.mark, markColour(mark->kind));
        tellMark(*row.input, markText);
        // Final answers stay readable, and reachable by Tab, but cannot change.
        if (auto* field = qobject_cast<QLineEdit*>(row.input))
            field->setReadOnly(window.marked);
        else
            row.input->setEnabled(!window.marked);
    }
    m_check->setEnabled(!window.marked);
    m_onward->setEnabled(window.marked);
    if (window.marked) m_onward->setFocus();
    m_showing = false;
}

}  // namespace tavelle
