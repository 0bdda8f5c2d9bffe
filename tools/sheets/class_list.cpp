#include "tools/sheets/class_list.h"

#include "core/text/system_reason.h"
#include "core/text/wording.h"
#include "format/input_error.h"
#include "format/printable_text.h"
#include "tools/common/tool_stage.h"

#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>

namespace tavelle {

namespace {

constexpr Wording kUnreadable{"cannot read the class {file}: {reason}",
                              "impossible de lire la classe {file} : {reason}"};
constexpr Wording kNotText{"the class {file} is not UTF-8 text: line {line}",
                           "la classe {file} n'est pas du texte UTF-8 : ligne {line}"};
constexpr Wording kTwice{"the class {file} names {name} twice: line {line}",
                         "la classe {file} nomme {name} deux fois : ligne {line}"};
constexpr Wording kTooMany{"a class holds at most {count} trainees", "une classe compte au plus {count} stagiaires"};
constexpr Wording kNoTrainee{"the class {file} names no trainee: one name a line",
                             "la classe {file} ne nomme aucun stagiaire : un nom par ligne"};

QString trimmed(const QString& text)
{
    return text.simplified();
}

// A word in capitals has letters, all of them upper case ("LE", "N'DIAYE", "DUPONT-MOREL").
bool inCapitals(const QString& word)
{
    bool anyLetter = false;
    for (const QChar c : word) {
        if (!c.isLetter()) continue;
        if (!c.isUpper()) return false;
        anyLetter = true;
    }
    return anyLetter;
}

// Text: UTF-8, and no control character but the tab.
bool isText(const std::string& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

}  // namespace

Trainee splitTraineeName(const std::string& line)
{
    const QString text = trimmed(QString::fromStdString(line));
    Trainee trainee{text.toStdString(), text.toStdString(), {}};
    if (const qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0) {
        trainee.surname = trimmed(text.left(comma)).toStdString();
        trainee.firstName = trimmed(text.mid(comma + 1)).toStdString();
        return trainee;
    }
    const QStringList words = text.split(QLatin1Char(' '));
    qsizetype leading = 0;
    while (leading < words.size() && inCapitals(words[leading])) ++leading;
    qsizetype trailing = 0;
    while (trailing < words.size() && inCapitals(words[words.size() - 1 - trailing])) ++trailing;
    if (leading > 0 && leading < words.size()) {
        trainee.surname = words.mid(0, leading).join(QLatin1Char(' ')).toStdString();
        trainee.firstName = words.mid(leading).join(QLatin1Char(' ')).toStdString();
    } else if (trailing > 0 && trailing < words.size()) {
        trainee.surname = words.mid(words.size() - trailing).join(QLatin1Char(' ')).toStdString();
        trainee.firstName = words.mid(0, words.size() - trailing).join(QLatin1Char(' ')).toStdString();
    }
    return trainee;
}

std::vector<std::string> readClassList(const std::string& path, std::size_t most, void (*warn)(const std::string& line),
                                       Language language)
{
    const std::string shown = printableText(path, kLongestPathShown);
    const auto unreadable = [&](int number) {
        return InputError(composed(kUnreadable, language,
                                   {{"file", shown}, {"reason", systemReason(number != 0 ? number : EIO, language)}}));
    };
    // A folder opens as a stream that reads nothing: it is said for what it is.
    std::error_code notChecked;
    if (std::filesystem::is_directory(path, notChecked)) throw unreadable(EISDIR);
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw unreadable(errno);
    std::vector<std::string> trainees;
    std::set<std::string> seen;
    std::string line;
    for (std::size_t number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // a byte order mark
        if (!isText(line))
            throw UsageError(composed(kNotText, language, {{"file", shown}, {"line", std::to_string(number)}}));
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        const QString name = trimmed(QString::fromStdString(line));
        trainees.push_back(name.toStdString());
        if (!seen.insert(name.toCaseFolded().toStdString()).second)
            warn(composed(
                kTwice, language,
                {{"file", shown}, {"name", printableText(trainees.back())}, {"line", std::to_string(number)}}));
        if (trainees.size() > most) throw UsageError(composed(kTooMany, language, {{"count", std::to_string(most)}}));
    }
    // A folder opens as a file and fails at its first read.
    if (file.bad()) throw unreadable(errno);
    if (trainees.empty()) throw UsageError(composed(kNoTrainee, language, {{"file", shown}}));
    return trainees;
}

}  // namespace tavelle
