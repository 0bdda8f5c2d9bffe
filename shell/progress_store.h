#pragma once

#include "core/practice_attempt.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavelle {

// Where the trainee's finished practice exercises are kept. Every call either does all of its work
// or none of it, and says why in French when it could not.
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    // Keeps one finished exercise; the reason when it could not be kept.
    virtual std::optional<QString> keep(const PracticeAttempt& attempt) = 0;
    // The newest first.
    virtual std::vector<PastResult> recentResults(int count) = 0;
    virtual QuestionRecords questionRecords() = 0;
    // Every attempt kept, as CSV; the reason when the file could not be written.
    virtual std::optional<QString> exportCsv(const QString& file) = 0;
    // Something the opening did that the trainee should know (a damaged file set aside), once.
    virtual std::optional<QString> takeNotice() = 0;
};

}  // namespace tavelle
