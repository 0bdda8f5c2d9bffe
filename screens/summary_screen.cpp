#include "screens/summary_screen.h"

#include "core/practice/practice_texts.h"
#include "screens/pressure_line_widget.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace tavelle {

namespace {

constexpr int windowWidth = 620;
constexpr int pressureLineTop = 552;
constexpr int pressureLineHeight = 184;
constexpr int buttonsTop = pressureLineTop + pressureLineHeight + 10;

QString lines(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts) list.push_back(toQString(text));
    return list.join(QLatin1Char('\n'));
}

}  // namespace

SummaryScreen::SummaryScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::Bilan, screenHost, QSize(windowWidth, buttonsTop + 46))
{
    m_heading = addLabel(this, "headingLabel", QString(), QRect(16, 8, windowWidth - 32, 24), 11, true);
    m_marks = addLabel(this, "marksLabel", QString(), QRect(16, 40, windowWidth - 32, 100));
    m_score = addLabel(this, "scoreLabel", QString(), QRect(16, 144, windowWidth - 32, 40), 0, true);
    addLabel(this, "recentHeading", toQString(practiceTexts::recentHeading), QRect(16, 192, windowWidth - 32, 20), 0,
             true);
    m_recent = addLabel(this, "recentLabel", QString(), QRect(32, 214, windowWidth - 48, 170));
    addLabel(this, "sharesHeading", toQString(practiceTexts::sharesHeading), QRect(16, 390, windowWidth - 32, 20), 0,
             true);
    m_shares = addLabel(this, "sharesLabel", QString(), QRect(32, 412, windowWidth - 48, 90));
    m_keeping = addLabel(this, "keepingLabel", QString(), QRect(16, 504, windowWidth - 32, 44));
    m_keeping->setWordWrap(true);
    m_keeping->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* label : {m_marks, m_recent, m_shares}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A fault said in place of the results is a sentence longer than the window is wide.
        label->setWordWrap(true);
    }

    m_pressureLine = new PressureLineWidget(this);
    m_pressureLine->setObjectName(QStringLiteral("pressureLine"));
    m_pressureLine->setGeometry(16, pressureLineTop, windowWidth - 32, pressureLineHeight);

    addNavigationButton(practiceControls::quit.data(), toQString(practiceTexts::quit), QRect(16, buttonsTop, 150, 34));
    addNavigationButton(practiceControls::changeTrainee.data(), toQString(practiceTexts::changeTrainee),
                        QRect(windowWidth / 2 - 90, buttonsTop, 180, 34));
    addNavigationButton(practiceControls::nextExercise.data(), toQString(practiceTexts::nextExercise),
                        QRect(windowWidth - 166, buttonsTop, 150, 34))
        ->setFocus();
}

void SummaryScreen::showSummary(const SummaryTexts& texts)
{
    m_heading->setText(toQString(texts.heading));
    m_marks->setText(lines(texts.marks));
    m_score->setText(toQString(texts.score) + QLatin1Char('\n') + toQString(texts.time));
    m_keeping->setText(toQString(texts.keeping));
    m_recent->setText(lines(texts.recent));
    m_shares->setText(lines(texts.shares));
}

void SummaryScreen::showPressureLine(const PressureLine& line, const PressureLineTexts& texts)
{
    m_pressureLine->showLine(line, texts);
}

}  // namespace tavelle
