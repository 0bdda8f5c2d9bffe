#include "core/progress/progress_csv.h"

#include "core/text/joined_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace tavelle {

namespace {

// A spreadsheet takes a cell beginning with one of these as a formula; an apostrophe before it keeps it
// text. Apostrophes already leading such a text get one more, so that the reader's one less is exact.
bool readAsFormula(std::string_view text)
{
    const std::size_t start = text.find_first_not_of('\'');
    return start != std::string_view::npos && std::string_view("=+-@\t\r").find(text[start]) != std::string_view::npos;
}

std::string csvField(std::string_view text)
{
    const std::string kept = readAsFormula(text) ? joinedText("'", text) : std::string(text);
    if (kept.find_first_of(",\"\r\n") == std::string::npos) return kept;
    std::string quoted = "\"";
    for (char c : kept) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

constexpr std::size_t columnId = 0;
constexpr std::size_t columnFinishedAt = 4;
constexpr std::size_t columnSource = 5;
constexpr std::size_t columnSeed = 6;
constexpr std::size_t columnSecondsTaken = 7;
constexpr std::size_t columnScore = 8;
constexpr std::size_t firstAnswerColumn = 9;
constexpr std::size_t columnExercise = firstAnswerColumn + 2 * questionCount;
constexpr std::size_t columnAccount = columnExercise + 1;
constexpr std::size_t columnMarksCheck = columnAccount + 1;
constexpr std::size_t columnUsualName = columnMarksCheck + 1;
constexpr std::array<MarksCheck, 3> writtenChecks{MarksCheck::proven, MarksCheck::corrected, MarksCheck::unreadable};
// A value quoted in a message is cut here: the line must stay one readable line.
constexpr std::size_t longestValueShown = 40;

std::vector<std::string> headerNames()
{
    const std::string header = progressCsvHeader();
    std::vector<std::string> names(1);
    for (char c : std::string_view(header).substr(0, header.size() - 1)) {
        if (c == ',')
            names.emplace_back();
        else
            names.back() += c;
    }
    return names;
}

template <class Number>
std::optional<Number> decimal(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

bool isUuid(std::string_view text)
{
    if (text.size() != 36) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const char c = text[i];
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        if (dash ? c != '-' : !hex) return false;
    }
    return true;
}

// What was typed, from the field csvField() wrote.
std::string typedText(std::string field)
{
    if (field.starts_with('\'') && readAsFormula(field)) field.erase(0, 1);
    return field;
}

// A value as a message shows it: one line, cut when long.
std::string shownValue(std::string_view value)
{
    std::string shown;
    for (char c : value.substr(0, longestValueShown)) shown += (c == '\n' || c == '\r') ? ' ' : c;
    if (value.size() > longestValueShown) shown += "…";
    return shown;
}

std::optional<std::int64_t> dayNumber(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const std::optional<int> year = decimal<int>(text.substr(0, 4));
    const std::optional<unsigned> month = decimal<unsigned>(text.substr(5, 2));
    const std::optional<unsigned> day = decimal<unsigned>(text.substr(8, 2));
    if (!year || !month || !day) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(*month),
                                           std::chrono::day(*day)};
    if (!date.ok()) return std::nullopt;
    return std::chrono::sys_days(date).time_since_epoch().count();
}

}  // namespace

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
    header += ",exercise,account,marksCheck,usualName\n";
    return header;
}

std::string_view marksCheckName(MarksCheck check)
{
    // In the order the checks are declared; an attempt not checked has no name.
    constexpr std::string_view names[] = {"", "proven", "corrected", "unreadable"};
    return names[static_cast<std::size_t>(check)];
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
    const bool marked = attempt.hasMarks();
    appendJoined(row, ",", std::to_string(attempt.secondsTaken), ",", marked ? std::to_string(attempt.score()) : "");
    for (std::size_t i = 0; i < questionCount; ++i)
        appendJoined(row, ",", csvField(attempt.answers[i]), ",", !marked ? "" : attempt.right[i] ? "1" : "0");
    appendJoined(row, ",", csvField(attempt.exercise), ",", csvField(attempt.account), ",",
                 marksCheckName(attempt.marksCheck), ",", csvField(attempt.usualName), "\n");
    return row;
}

std::optional<std::int64_t> parseIsoDay(std::string_view text)
{
    return dayNumber(text);
}

std::optional<std::int64_t> parseUtcTimestamp(std::string_view text)
{
    if (text.size() != 20 || text[10] != 'T' || text[13] != ':' || text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const std::optional<std::int64_t> day = dayNumber(text.substr(0, 10));
    const std::optional<int> hours = decimal<int>(text.substr(11, 2));
    const std::optional<int> minutes = decimal<int>(text.substr(14, 2));
    const std::optional<int> seconds = decimal<int>(text.substr(17, 2));
    if (!day || !hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) return std::nullopt;
    return *day * 86'400 + *hours * 3600 + *minutes * 60 + *seconds;
}

ProgressCsvReader::ProgressCsvReader(std::istream& in, std::string name, bool french,
                                     std::function<void(PracticeAttempt&)> mark)
    : m_in(in)
    , m_name(std::move(name))
    , m_french(french)
    , m_mark(std::move(mark))
    , m_fields(headerNames().size())
{
}

ProgressCsvReader::Record ProgressCsvReader::readRecord()
{
    std::streambuf& bytes = *m_in.rdbuf();
    m_recordLine = m_line;
    m_fieldCount = 0;
    using Traits = std::streambuf::traits_type;
    int c = bytes.sbumpc();
    if (c == Traits::eof()) return Record::end;
    std::string scratch;
    while (true) {
        std::string& field = m_fieldCount < m_fields.size() ? m_fields[m_fieldCount] : scratch;
        field.clear();
        ++m_fieldCount;
        if (c == '"') {
            while (true) {
                c = bytes.sbumpc();
                if (c == Traits::eof()) return Record::unclosedQuote;
                if (c == '\n') ++m_line;
                if (c == '"' && (c = bytes.sbumpc()) != '"') break;
                field += Traits::to_char_type(c);
            }
        } else {
            while (c != ',' && c != '\n' && c != Traits::eof()) {
                field += Traits::to_char_type(c);
                c = bytes.sbumpc();
            }
            if (!field.empty() && field.back() == '\r' && c != ',') field.pop_back();
        }
        if (c == '\r') c = bytes.sbumpc();
        if (c != ',') break;
        c = bytes.sbumpc();
    }
    ++m_line;
    // A quoted field must be followed by a comma or the end of the line: anything else is left to the
    // field count, which then differs.
    if (c != '\n' && c != Traits::eof()) {
        while (c != '\n' && c != Traits::eof()) c = bytes.sbumpc();
        m_fieldCount = m_fields.size() + 1;
    }
    return Record::read;
}

bool ProgressCsvReader::refuse(std::size_t line, std::string_view french, std::string_view english)
{
    m_fault = m_french ? joinedText(m_name, ", ligne ", numberChars(line), " : ", french)
                       : joinedText(m_name, ", line ", numberChars(line), ": ", english);
    return false;
}

bool ProgressCsvReader::refuseField(std::size_t line, std::size_t column)
{
    const std::string name = headerNames()[column];
    const std::string value = shownValue(m_fields[column]);
    return refuse(line, joinedText("la colonne ", name, " ne peut valoir « ", value, " »"),
                  joinedText("column ", name, " cannot hold \"", value, "\""));
}

bool ProgressCsvReader::readHeader()
{
    m_headerRead = true;
    const Record record = readRecord();
    std::string header;
    for (std::size_t i = 0; i < m_fieldCount && i < m_fields.size(); ++i)
        appendJoined(header, i == 0 ? "" : ",", m_fields[i]);
    header += '\n';
    // Exports written before end with the exercise, the account or the marks' check.
    const std::vector<std::string> names = headerNames();
    std::string known;
    bool isKnown = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        appendJoined(known, i == 0 ? "" : ",", names[i]);
        if (i >= columnExercise && header == known + "\n") {
            isKnown = true;
            m_columns = i + 1;
        }
    }
    if (record != Record::read || !isKnown || m_fieldCount != m_columns)
        return refuse(1, "ce n'est pas un export de la progression de Tavelle (tavelle --progression)",
                      "this is not an export of Tavelle's progress (tavelle --progression)");
    return true;
}

bool ProgressCsvReader::next(PracticeAttempt& attempt)
{
    if (m_fault || (!m_headerRead && !readHeader())) return false;
    const Record record = readRecord();
    if (record == Record::end) return false;
    if (record == Record::unclosedQuote)
        return refuse(m_recordLine, "un guillemet ouvert n'est jamais fermé", "a quote is never closed");
    if (m_fieldCount != m_columns)
        return refuse(m_recordLine,
                      joinedText(numberChars(m_fieldCount), m_fieldCount == 1 ? " colonne" : " colonnes",
                                 " au lieu de ", numberChars(m_columns)),
                      joinedText(numberChars(m_fieldCount), m_fieldCount == 1 ? " column" : " columns", " instead of ",
                                 numberChars(m_columns)));
    return fill(attempt);
}

bool ProgressCsvReader::fill(PracticeAttempt& attempt)
{
    const std::size_t line = m_recordLine;
    if (!isUuid(m_fields[columnId])) return refuseField(line, columnId);
    attempt.id = m_fields[columnId];
    attempt.surname = typedText(m_fields[1]);
    attempt.givenName = typedText(m_fields[2]);
    attempt.group = typedText(m_fields[3]);
    const std::optional<std::int64_t> finishedAt = parseUtcTimestamp(m_fields[columnFinishedAt]);
    if (!finishedAt) return refuseField(line, columnFinishedAt);
    attempt.finishedAt = *finishedAt;
    attempt.source = typedText(m_fields[columnSource]);
    attempt.seed.reset();
    if (!m_fields[columnSeed].empty()) {
        attempt.seed = decimal<std::uint64_t>(m_fields[columnSeed]);
        if (!attempt.seed) return refuseField(line, columnSeed);
    }
    const std::optional<std::int64_t> seconds = decimal<std::int64_t>(m_fields[columnSecondsTaken]);
    if (!seconds) return refuseField(line, columnSecondsTaken);
    attempt.secondsTaken = *seconds;
    // Exports written before the column marked every attempt.
    attempt.marksCheck = MarksCheck::proven;
    if (m_columns > columnMarksCheck) {
        const auto written = std::find_if(writtenChecks.begin(), writtenChecks.end(), [&](MarksCheck check) {
            return marksCheckName(check) == m_fields[columnMarksCheck];
        });
        if (written == writtenChecks.end()) return refuseField(line, columnMarksCheck);
        attempt.marksCheck = *written;
    }
    const bool marked = attempt.hasMarks();
    for (std::size_t i = 0; i < questionCount; ++i) {
        const std::size_t column = firstAnswerColumn + 2 * i;
        attempt.answers[i] = typedText(m_fields[column]);
        const std::string& right = m_fields[column + 1];
        if (marked ? right != "0" && right != "1" : !right.empty()) return refuseField(line, column + 1);
        attempt.right[i] = right == "1";
    }
    const std::optional<int> score = decimal<int>(m_fields[columnScore]);
    if (marked ? !score || *score != attempt.score() : !m_fields[columnScore].empty())
        return refuseField(line, columnScore);
    attempt.exercise = typedText(m_fields[columnExercise]);
    attempt.account = m_columns > columnAccount ? typedText(m_fields[columnAccount]) : std::string();
    attempt.usualName = m_columns > columnUsualName ? typedText(m_fields[columnUsualName]) : std::string();
    const MarksCheck written = attempt.marksCheck;
    m_mark(attempt);
    // The file's flags are the ones its export proved: that the ones sent differed is the file's to say.
    if (written == MarksCheck::corrected && attempt.marksCheck == MarksCheck::proven)
        attempt.marksCheck = MarksCheck::corrected;
    if (marked && !attempt.hasMarks())
        return refuse(line, "la colonne exercise ne se lit plus comme un exercice : le fichier a été coupé ou modifié",
                      "column exercise no longer reads as an exercise: the file was cut or edited");
    return true;
}

}  // namespace tavelle
