#pragma once

#include "core/progress/attempt_source.h"
#include "core/progress/practice_attempt.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tavelle {

// Which attempts a class report covers.
struct ReportChoice {
    std::optional<std::string> group;
    std::optional<std::int64_t> fromDay;  // days since 1970, on the report's clock, both included
    std::optional<std::int64_t> toDay;
    // The report's clock ahead of UTC at an instant (seconds since 1970), by the time zone's rules for that
    // instant: a summer attempt keeps its summer hour whenever the report is made. None: UTC.
    std::function<std::int64_t(std::int64_t)> utcOffsetAt;
};

// A week's attempts; a week is named by its Monday, in days since 1970.
struct WeekTally {
    std::int64_t monday = 0;
    int attempts = 0;
    int markSum = 0;
};

// One trainee: the class database's account and the name it is usually given, or, for attempts kept on
// a machine, the name typed.
struct TraineeReport {
    std::string account;  // empty for attempts kept on a machine
    std::string surname;
    std::string givenName;
    std::string group;
    int attempts = 0;  // with marks: its exercise reads
    int corrected = 0;  // attempts whose marks sent differed from those their data prove
    int otherNames = 0;  // attempts of the account typed under another name than its usual one
    int markSum = 0;
    QuestionRecords questions{};
    std::vector<PracticeAttempt> latest;  // newest first, at most `ClassReport::latestKept`
    std::map<std::int64_t, WeekTally> weeks;
    std::map<std::pair<std::string, std::string>, int> names;  // how often each name was typed
};

// True when the attempt's name (surname and first name) is not its trainee's usual one.
bool typedUnderAnotherName(const PracticeAttempt& attempt, const TraineeReport& trainee);

// A class's figures, gathered an attempt at a time: what it keeps grows with the trainees and the
// weeks, not with the attempts, but for the attempts' ids that tell an attempt seen twice.
class ClassReport {
public:
    static constexpr std::size_t latestKept = 10;

    explicit ClassReport(ReportChoice choice);

    // Counts the attempt when the choice covers it and it was not counted before, by the marks its data
    // prove (AttemptMarker); one whose exercise does not read is counted apart, without a mark.
    void add(const PracticeAttempt& attempt);
    // Adds every attempt of `source`; false when it stopped at a fault.
    bool read(AttemptSource& source);

    const ReportChoice& choice() const { return m_choice; }
    int attemptCount() const { return m_attemptCount; }
    int correctedCount() const { return m_correctedCount; }
    int unmarkedCount() const { return m_unmarkedCount; }
    // With a group chosen, the groups of every attempt read, chosen or not: a mistyped group is told by them.
    const std::set<std::string>& groupsRead() const { return m_groupsRead; }
    const QuestionRecords& questions() const { return m_questions; }
    const std::map<std::int64_t, WeekTally>& weeks() const { return m_weeks; }
    // By name, then group, then account.
    std::vector<const TraineeReport*> trainees() const;
    // The first and last days of the report: the choice's, or the attempts' own.
    std::optional<std::int64_t> firstDay() const;
    std::optional<std::int64_t> lastDay() const;
    // The day on the report's clock of a kept UTC time.
    std::int64_t dayOf(std::int64_t finishedAt) const;
    // The report's clock ahead of UTC at that time.
    std::int64_t utcOffsetAt(std::int64_t finishedAt) const;

private:
    // An account's attempts are one trainee's, whatever name was typed.
    using TraineeKey = std::tuple<std::string, std::string, std::string, std::string>;
    struct IdHash {
        std::size_t operator()(const std::array<std::uint64_t, 2>& id) const { return id[0] ^ (id[1] * 31); }
    };

    ReportChoice m_choice;
    std::unordered_set<std::array<std::uint64_t, 2>, IdHash> m_seen;
    std::map<TraineeKey, TraineeReport> m_trainees;
    std::map<std::int64_t, WeekTally> m_weeks;
    QuestionRecords m_questions{};
    int m_attemptCount = 0;
    int m_correctedCount = 0;
    int m_unmarkedCount = 0;
    std::set<std::string> m_groupsRead;
    std::optional<std::int64_t> m_firstDay;
    std::optional<std::int64_t> m_lastDay;
};

// The Monday of the week of `day`, both in days since 1970.
std::int64_t mondayOf(std::int64_t day);
// True when `a` finished after `b` (the id decides between two of the same second).
bool newerAttempt(const PracticeAttempt& a, const PracticeAttempt& b);

}  // namespace tavelle
