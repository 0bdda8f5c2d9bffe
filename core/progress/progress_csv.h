#pragma once

#include "core/progress/attempt_source.h"
#include "core/progress/practice_attempt.h"

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The exported progress: one header row, then one row per attempt, comma-separated, quoted where
// a field holds a comma, a quote or a line break. After the exercise come the account that filed the
// attempt (empty for an attempt kept on its machine) and `marksCheck`: the score and each question's
// right flag are the marks the attempt's own exercise and answers prove (AttemptMarker marks the attempt
// before it is written), "proven" when the marks sent were the same, "corrected" when they differed,
// "unreadable", with the score and flags empty, when the exercise does not read; last, `usualName`, the name
// the account gives most often, when the attempt was typed under another. A field a spreadsheet
// would take as a formula (beginning with =, +, -, @, a tab or a carriage return) is written after an
// apostrophe.
std::string progressCsvHeader();
std::string progressCsvRow(const PracticeAttempt& attempt);
// "proven", "corrected", "unreadable"; empty for marks never checked.
std::string_view marksCheckName(MarksCheck check);

// "2026-12-08T10:31:02Z".
std::string utcTimestamp(std::int64_t secondsSince1970);

// Reads a progress export (`progressCsvHeader()`, then `progressCsvRow()` rows) a row at a time, and the
// exports written before the account, marksCheck and usualName columns. Each attempt is marked again by `mark`
// (AttemptMarker), never taken on the file's word. A file whose header differs, or a row that no export
// writes, is refused: the fault names the file and the line. So is an exercise that no longer reads
// though the export read it (a file cut or edited since); one the export itself found unreadable is kept,
// without marks, as the class database held it.
class ProgressCsvReader : public AttemptSource {
public:
    // `name` is the file as messages name it; `french` picks the messages' language.
    ProgressCsvReader(std::istream& in, std::string name, bool french, std::function<void(PracticeAttempt&)> mark);

    bool next(PracticeAttempt& attempt) override;
    std::optional<std::string> fault() const override { return m_fault; }

private:
    enum class Record { read, end, unclosedQuote };

    Record readRecord();
    bool readHeader();
    bool refuse(std::size_t line, std::string_view french, std::string_view english);
    bool refuseField(std::size_t line, std::size_t column);
    bool fill(PracticeAttempt& attempt);

    std::istream& m_in;
    std::string m_name;
    bool m_french;
    std::function<void(PracticeAttempt&)> m_mark;
    bool m_headerRead = false;
    std::size_t m_line = 1;  // the line the next record starts on
    std::size_t m_recordLine = 1;  // the line the record just read started on
    std::vector<std::string> m_fields;
    std::size_t m_fieldCount = 0;
    std::size_t m_columns = 0;  // as the header has them
    std::optional<std::string> m_fault;
};

// "2026-12-08T10:31:02Z" as seconds since 1970; nothing unless it is exactly that form and a real time.
std::optional<std::int64_t> parseUtcTimestamp(std::string_view text);
// "2026-12-08" as days since 1970; nothing unless it is exactly that form and a real day.
std::optional<std::int64_t> parseIsoDay(std::string_view text);

}  // namespace tavelle
