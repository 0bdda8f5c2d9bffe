#pragma once

#include "core/practice/practice_questions.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavelle {

// The longest time an attempt may say it took, as the class database bounds it: a month.
inline constexpr std::int64_t longestAttemptSeconds = 30 * 86'400;

// How an attempt's marks stand once they are marked again from its own exercise and answers: as sent;
// corrected, the marks sent differing; or none, its exercise not reading. Until then they are the marks
// its machine gave, which whoever sent it could have written.
enum class MarksCheck { unchecked, proven, corrected, unreadable };

// One finished practice exercise, as it is kept: when, what was asked, what was answered.
struct PracticeAttempt {
    std::string id;  // unique, made on the trainee's machine: a UUID, 36 lowercase characters
    std::string surname;  // the trainee's name ("Durand"), empty for an anonymous attempt
    std::string givenName;  // the trainee's first name ("Élise")
    std::string group;  // the trainee's group ("Groupe B"), may be empty
    std::int64_t finishedAt = 0;  // seconds since 1970, UTC
    std::string exercise;  // the exercise as one JSON object of the exercise file format
    std::optional<std::uint64_t> seed;
    std::string source;  // the exercise file, empty for a drawn exercise
    std::array<std::string, questionCount> answers;
    std::array<bool, questionCount> right{};
    std::int64_t secondsTaken = 0;
    std::string account;  // the class database's account that filed it; empty for an attempt kept here
    // The name its account gives most often ("Durand Élise"), when this attempt was typed under another;
    // the class database tells it.
    std::string usualName;
    MarksCheck marksCheck = MarksCheck::unchecked;  // `right` then holds the marks proven, none when unreadable

    int score() const;
    // False when its exercise does not read: it has no mark.
    bool hasMarks() const { return marksCheck != MarksCheck::unreadable; }
};

// A past attempt as the summary lists it.
struct PastResult {
    std::int64_t finishedAt = 0;
    int score = 0;
    std::int64_t secondsTaken = 0;
};

// How often each question was answered right, over every kept attempt.
struct QuestionRecord {
    int right = 0;
    int asked = 0;
};
using QuestionRecords = std::array<QuestionRecord, questionCount>;

}  // namespace tavelle
