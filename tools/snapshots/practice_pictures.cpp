#include "tools/snapshots/practice_pictures.h"

#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/practice/practice_session.h"
#include "core/practice/practice_texts.h"
#include "core/text/number_text.h"
#include "screens/question_screen.h"
#include "screens/screen_factory.h"
#include "screens/silent_host.h"
#include "screens/summary_screen.h"
#include "tools/snapshots/window_picture.h"

#include <memory>
#include <vector>

namespace tavelle {

int picturePracticeWindows(const ExerciseRecord& record, const std::string& separator, const QDir& directory)
{
    SilentHost host;
    const ExpectedAnswers expected = expectedAnswers(record);
    const std::string verdict(expected.pumpSufficient ? pumpSufficesAnswer : relayNeededAnswer);
    const std::vector<std::pair<ScreenId, std::vector<std::string>>> answered{
        {ScreenId::QuestionAB, {nozzleAnswer(expected.worstNozzle), numberText(expected.worstNozzleLoss, separator)}},
        {ScreenId::QuestionBC,
         {numberText(expected.feedLoss + 0.5f, separator), numberText(expected.pumpPressure, separator) + " b",
          verdict}},
    };
    const std::string heading = exerciseHeading(1, 1, std::nullopt);

    // The walked record's exercise, practised as a trainee would: typed, then "Vérifier".
    PracticeSession session({{}, {}, heading, {}, {}}, {}, separator, 0);
    int failures = 0;
    for (const auto& [id, typed] : answered) {
        const std::unique_ptr<ScreenWindow> screen = createScreen(id, host);
        auto& window = dynamic_cast<QuestionScreen&>(*screen);
        for (std::size_t i = 0; i < typed.size(); ++i) session.type(window.questions()[i], typed[i]);
        session.check(id, record, 312);
        window.showWindow(session.questionWindow(id, record.nozzleCount));
        failures += savePicture(window, directory) ? 0 : 1;
    }

    const PracticeAttempt& attempt = session.attempt();
    QuestionRecords records{};
    for (std::size_t i = 0; i < questionCount; ++i) records[i] = {attempt.right[i] ? 1 : 0, 1};
    const std::unique_ptr<ScreenWindow> summary = createScreen(ScreenId::Bilan, host);
    // A fixed moment, so that the picture is the same at every run.
    const ProgressReading reading{
        true, std::nullopt, {{1'796'725'862, attempt.score(), attempt.secondsTaken}}, records};
    auto& summaryScreen = dynamic_cast<SummaryScreen&>(*summary);
    summaryScreen.showSummary(summaryTexts(heading, attempt, {KeepState::kept, {}, {}}, reading, 0));
    const PressureLine line = pressureLine(record);
    summaryScreen.showPressureLine(line, pressureLineTexts(line, separator));
    failures += savePicture(*summary, directory) ? 0 : 1;
    return failures;
}

}  // namespace tavelle
