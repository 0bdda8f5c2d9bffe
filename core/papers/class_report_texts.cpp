#include "core/papers/class_report_texts.h"

#include "core/papers/sheet_texts.h"
#include "core/practice/answer_marking.h"
#include "core/practice/practice_texts.h"
#include "core/text/joined_text.h"
#include "core/text/number_text.h"

#include <chrono>

namespace tavelle {

namespace {

constexpr std::array<std::string_view, 12> monthNames{"janvier",   "février", "mars",     "avril",
                                                      "mai",       "juin",    "juillet",  "août",
                                                      "septembre", "octobre", "novembre", "décembre"};

std::string plural(long long count, std::string_view one, std::string_view many)
{
    return joinedText(groupedInteger(count), " ", count == 1 ? one : many);
}

}  // namespace

std::string frenchDate(std::int64_t day)
{
    using namespace std::chrono;
    const year_month_day date{sys_days(days(day))};
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    return joinedText(numberChars(dayOfMonth), dayOfMonth == 1 ? "er " : " ",
                      monthNames[static_cast<unsigned>(date.month()) - 1], " ",
                      numberChars(static_cast<int>(date.year())));
}

std::string weekLabel(std::int64_t monday)
{
    using namespace std::chrono;
    // The ISO week belongs to the year of its Thursday, and counts from that year's first Thursday.
    const std::int64_t thursday = monday + 3;
    const year isoYear = year_month_day{sys_days(days(thursday))}.year();
    const std::int64_t yearStart = sys_days(isoYear / January / 1).time_since_epoch().count();
    return joinedText("S", numberChars((thursday - yearStart) / 7 + 1));
}

std::string groupLine(const ReportChoice& choice)
{
    return choice.group ? joinedText("Groupe : ", *choice.group) : std::string("Tous les groupes");
}

std::string periodLine(const ClassReport& report)
{
    const std::optional<std::int64_t> first = report.firstDay();
    const std::optional<std::int64_t> last = report.lastDay();
    if (first && last) return joinedText("Du ", frenchDate(*first), " au ", frenchDate(*last));
    if (first) return joinedText("Depuis le ", frenchDate(*first));
    if (last) return joinedText("Jusqu'au ", frenchDate(*last));
    return "Toute la période";
}

std::string countsLine(std::size_t trainees, int attempts)
{
    return joinedText(plural(static_cast<long long>(trainees), "stagiaire", "stagiaires"), ", ",
                      plural(attempts, "exercice", "exercices"));
}

std::string marksCheckLine(int corrected, int unmarked)
{
    std::string line;
    if (corrected > 0)
        line = plural(corrected, "exercice dont les notes envoyées différaient : noté ici d'après ses réponses",
                      "exercices dont les notes envoyées différaient : notés ici d'après leurs réponses");
    if (unmarked > 0)
        appendJoined(line, line.empty() ? "" : " ; ",
                     plural(unmarked, "exercice sans note : ses données", "exercices sans note : leurs données"),
                     " ne se lisent pas");
    return line;
}

std::string meanMarkText(int markSum, int count, std::string_view decimalSeparator)
{
    const long long tenths = (markSum * 20LL + count) / (2LL * count);
    return joinedText(numberChars(tenths / 10), decimalSeparator, numberChars(tenths % 10), " / ",
                      numberChars(questionCount));
}

std::string shareText(const QuestionRecord& record)
{
    if (record.asked == 0) return "—";
    return joinedText(numberChars((record.right * 100 + record.asked / 2) / record.asked), " %");
}

std::string_view questionShortTitle(Question question)
{
    switch (question) {
    case Question::worstNozzle: return "Lance la plus défavorable";
    case Question::worstNozzleLoss: return "Pression à la division";
    case Question::feedLoss: return "Jbc";
    case Question::pumpPressure: return "Pression à la pompe";
    case Question::pumpVerdict: return "Verdict";
    }
    return {};
}

namespace {

std::string typedName(const std::string& surname, const std::string& givenName)
{
    if (surname.empty() && givenName.empty()) return "Sans nom";
    if (givenName.empty()) return surname;
    if (surname.empty()) return givenName;
    return joinedText(surname, " ", givenName);
}

}  // namespace

std::string traineeName(const TraineeReport& trainee)
{
    const std::string name = typedName(trainee.surname, trainee.givenName);
    return trainee.account.empty() ? name : joinedText(name, " (", trainee.account, ")");
}

std::string otherNameText(const PracticeAttempt& attempt, const TraineeReport& trainee)
{
    if (!typedUnderAnotherName(attempt, trainee)) return {};
    return joinedText(" — nom saisi : ", typedName(attempt.surname, attempt.givenName));
}

std::string traineeSummary(const TraineeReport& trainee, std::string_view decimalSeparator)
{
    std::string line = traineeName(trainee);
    if (!trainee.group.empty()) appendJoined(line, " — ", trainee.group);
    appendJoined(line, " — ", plural(trainee.attempts, "exercice", "exercices"), ", moyenne ",
                 meanMarkText(trainee.markSum, trainee.attempts, decimalSeparator));
    if (trainee.otherNames > 0)
        appendJoined(line, " — ", plural(trainee.otherNames, "saisi", "saisis"), " sous un autre nom");
    if (trainee.corrected > 0)
        appendJoined(line, " — notes envoyées corrigées pour ", plural(trainee.corrected, "exercice", "exercices"));
    return line;
}

std::string attemptHeading(const PracticeAttempt& attempt, std::int64_t utcOffsetSeconds)
{
    const std::int64_t local = attempt.finishedAt + utcOffsetSeconds;
    const std::int64_t day = (local >= 0 ? local : local - 86'399) / 86'400;
    const std::int64_t minutes = (local - day * 86'400) / 60;
    const NumberChars minute = numberChars(minutes % 60);
    return joinedText(frenchDate(day), " à ", numberChars(minutes / 60), " h ", minutes % 60 < 10 ? "0" : "", minute,
                      " — ", numberChars(attempt.score()), " / ", numberChars(questionCount), " en ",
                      durationText(attempt.secondsTaken));
}

std::string expectedAnswerText(Question question, const ExpectedAnswers& expected, std::string_view sep)
{
    switch (question) {
    case Question::worstNozzle: return nozzleAnswer(expected.worstNozzle);
    case Question::worstNozzleLoss: return markedPressure(expected.worstNozzleLoss, sep);
    case Question::feedLoss: return markedPressure(expected.feedLoss, sep);
    case Question::pumpPressure: return markedPressure(expected.pumpPressure, sep);
    case Question::pumpVerdict: return std::string(expected.pumpSufficient ? pumpSufficesAnswer : relayNeededAnswer);
    }
    return {};
}

}  // namespace tavelle
