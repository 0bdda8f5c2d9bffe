#include "core/practice_attempt.h"

#include "core/joined_text.h"

#include <chrono>
#include <cstdio>

namespace tavelle {

namespace {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace

int PracticeAttempt::score() const
{
    int total = 0;
    for (bool mark : right) total += mark ? 1 : 0;
    return total;
}

std::string utcTimestamp(std::int64_t secondsSince1970)
{
    using namespace std::chrono;
    const sys_seconds time{seconds(secondsSince1970)};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string progressCsvHeader()
{
    std::string header = "attemptId,surname,givenName,group,finishedAt,source,seed,secondsTaken,score";
    for (Question question : allQuestions) {
        const std::string_view key = questionKey(question);
        appendJoined(header, ",", key, "Answer,", key, "Right");
    }
    header += ",exercise\n";
    return header;
}

std::string progressCsvRow(const PracticeAttempt& attempt)
{
    std::string row;
    for (const std::string* field : {&attempt.id, &attempt.surname, &attempt.givenName, &attempt.group})
        appendJoined(row, csvField(*field), ",");
    row += utcTimestamp(attempt.finishedAt);
    row += ',';
    row += csvField(attempt.source);
    row += ',';
    if (attempt.seed) row += std::to_string(*attempt.seed);
    appendJoined(row, ",", std::to_string(attempt.secondsTaken), ",", std::to_string(attempt.score()));
    for (std::size_t i = 0; i < questionCount; ++i)
        appendJoined(row, ",", csvField(attempt.answers[i]), ",", attempt.right[i] ? "1" : "0");
    row += ',';
    row += csvField(attempt.exercise);
    row += '\n';
    return row;
}

}  // namespace tavelle
