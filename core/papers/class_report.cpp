#include "core/papers/class_report.h"

#include <algorithm>

namespace tavelle {

namespace {

constexpr std::int64_t secondsPerDay = 86'400;

std::int64_t floorDivide(std::int64_t value, std::int64_t by)
{
    const std::int64_t quotient = value / by;
    return quotient - ((value % by != 0 && value < 0) ? 1 : 0);
}

// The id's 32 hexadecimal digits as two numbers: what tells an attempt seen twice takes 16 bytes.
std::array<std::uint64_t, 2> idValue(const std::string& id)
{
    std::array<std::uint64_t, 2> value{};
    std::size_t digit = 0;
    for (char c : id) {
        if (c == '-') continue;
        const std::uint64_t nibble = c <= '9' ? std::uint64_t(c - '0') : std::uint64_t(c - 'a' + 10);
        value[digit / 16] = (value[digit / 16] << 4) | nibble;
        ++digit;
    }
    return value;
}

void tally(QuestionRecords& records, const PracticeAttempt& attempt)
{
    for (std::size_t i = 0; i < questionCount; ++i) {
        ++records[i].asked;
        records[i].right += attempt.right[i] ? 1 : 0;
    }
}

void tally(std::map<std::int64_t, WeekTally>& weeks, std::int64_t monday, int score)
{
    WeekTally& week = weeks[monday];
    week.monday = monday;
    ++week.attempts;
    week.markSum += score;
}

}  // namespace

std::int64_t mondayOf(std::int64_t day)
{
    // 1 January 1970 was a Thursday.
    return floorDivide(day + 3, 7) * 7 - 3;
}

bool typedUnderAnotherName(const PracticeAttempt& attempt, const TraineeReport& trainee)
{
    return std::tie(attempt.surname, attempt.givenName) != std::tie(trainee.surname, trainee.givenName);
}

bool newerAttempt(const PracticeAttempt& a, const PracticeAttempt& b)
{
    return std::tie(a.finishedAt, a.id) > std::tie(b.finishedAt, b.id);
}

ClassReport::ClassReport(ReportChoice choice)
    : m_choice(std::move(choice))
{
}

std::int64_t ClassReport::utcOffsetAt(std::int64_t finishedAt) const
{
    return m_choice.utcOffsetAt ? m_choice.utcOffsetAt(finishedAt) : 0;
}

std::int64_t ClassReport::dayOf(std::int64_t finishedAt) const
{
    return floorDivide(finishedAt + utcOffsetAt(finishedAt), secondsPerDay);
}

void ClassReport::add(const PracticeAttempt& attempt)
{
    if (m_choice.group) {
        m_groupsRead.insert(attempt.group);
        if (attempt.group != *m_choice.group) return;
    }
    const std::int64_t day = dayOf(attempt.finishedAt);
    if ((m_choice.fromDay && day < *m_choice.fromDay) || (m_choice.toDay && day > *m_choice.toDay)) return;
    if (!m_seen.insert(idValue(attempt.id)).second) return;
    if (!attempt.hasMarks()) {
        ++m_unmarkedCount;
        return;
    }

    const int score = attempt.score();
    const bool corrected = attempt.marksCheck == MarksCheck::corrected;
    ++m_attemptCount;
    m_correctedCount += corrected ? 1 : 0;
    tally(m_questions, attempt);
    const std::int64_t monday = mondayOf(day);
    tally(m_weeks, monday, score);
    m_firstDay = std::min(m_firstDay.value_or(day), day);
    m_lastDay = std::max(m_lastDay.value_or(day), day);

    TraineeReport& trainee = attempt.account.empty()
                                 ? m_trainees[{std::string(), attempt.surname, attempt.givenName, attempt.group}]
                                 : m_trainees[{attempt.account, std::string(), std::string(), std::string()}];
    trainee.account = attempt.account;
    const int typed = ++trainee.names[{attempt.surname, attempt.givenName}];
    if (trainee.attempts == 0 || typed > trainee.names[{trainee.surname, trainee.givenName}]) {
        trainee.surname = attempt.surname;
        trainee.givenName = attempt.givenName;
        trainee.group = attempt.group;
    }
    ++trainee.attempts;
    trainee.corrected += corrected ? 1 : 0;
    trainee.otherNames = trainee.attempts - trainee.names[{trainee.surname, trainee.givenName}];
    trainee.markSum += score;
    tally(trainee.questions, attempt);
    tally(trainee.weeks, monday, score);
    std::vector<PracticeAttempt>& latest = trainee.latest;
    if (latest.size() == latestKept && !newerAttempt(attempt, latest.back())) return;
    if (latest.size() == latestKept) latest.pop_back();
    const auto place = std::find_if(latest.begin(), latest.end(),
                                    [&](const PracticeAttempt& kept) { return newerAttempt(attempt, kept); });
    latest.insert(place, attempt);
}

bool ClassReport::read(AttemptSource& source)
{
    PracticeAttempt attempt;
    while (source.next(attempt)) add(attempt);
    return !source.fault();
}

std::vector<const TraineeReport*> ClassReport::trainees() const
{
    std::vector<const TraineeReport*> list;
    for (const auto& [key, trainee] : m_trainees) list.push_back(&trainee);
    std::sort(list.begin(), list.end(), [](const TraineeReport* a, const TraineeReport* b) {
        return std::tie(a->surname, a->givenName, a->group, a->account) <
               std::tie(b->surname, b->givenName, b->group, b->account);
    });
    return list;
}

std::optional<std::int64_t> ClassReport::firstDay() const
{
    return m_choice.fromDay ? m_choice.fromDay : m_firstDay;
}

std::optional<std::int64_t> ClassReport::lastDay() const
{
    return m_choice.toDay ? m_choice.toDay : m_lastDay;
}

}  // namespace tavelle
