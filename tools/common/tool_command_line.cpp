#include "tools/common/tool_command_line.h"

#include "core/screens/about_texts.h"
#include "format/printable_text.h"
#include "platform/qt_own_texts.h"
#include "tools/common/tool_texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>

namespace tavelle {

namespace {

std::string toStd(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

}  // namespace

std::uint64_t wholeNumber(const std::string& option, const std::string& value, Language language)
{
    std::uint64_t number = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size())
        throw UsageError(composed(kWholeNumber, language, {{"option", option}, {"value", printableText(value)}}));
    return number;
}

namespace {

QString qtText(const Wording& wording, Language language)
{
    return QString::fromUtf8(wording.in(language).data(), qsizetype(wording.in(language).size()));
}

// The application that carries Qt's translations while the command line is read; it never sees the
// tool's own arguments.
char translatingName[] = "tavelle-tool";
char* translatingArguments[] = {translatingName, nullptr};

}  // namespace

ToolCommandLine::ToolCommandLine(Language language, std::string program, std::vector<std::string> forms,
                                 std::string_view description)
    : m_language(language)
    , m_program(std::move(program))
    , m_forms(std::move(forms))
    , m_translating(language == Language::french && QCoreApplication::instance() == nullptr
                        ? std::make_unique<QCoreApplication>(m_translatingArgc, translatingArguments)
                        : nullptr)
    , m_qtTexts(language == Language::french ? std::make_unique<QtOwnTexts>() : nullptr)
    , m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, qtText(kHelpOption, language))
    , m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")}, qtText(kVersionOption, language))
{
    // The description's lines are joined where no sentence ends, then wrapped at 80 columns with the rest
    // of the help.
    std::string text(description);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        if (at > 0 && text[at - 1] != '.' && at + 1 < text.size()) text[at] = ' ';
    m_parser.setApplicationDescription(QString::fromStdString(text));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

ToolCommandLine::~ToolCommandLine() = default;

void ToolCommandLine::parse(int argc, char** argv)
{
    for (int i = 0; i < argc; ++i) m_arguments << QString::fromLocal8Bit(argv[i]);
    if (m_parser.parse(m_arguments)) return;

    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        // The option as typed, with its dashes, rather than the bare name Qt keeps.
        const QString& name = unknown.first();
        QString typed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        for (const QString& argument : m_arguments.mid(1)) {
            const QString option = argument.section(QLatin1Char('='), 0, 0);
            if (option.startsWith(QLatin1Char('-')) &&
                option.mid(option.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
                typed = option;
                break;
            }
        }
        throw UsageError(composed(kUnknownOption, m_language, {{"option", printableText(toStd(typed))}}));
    }
    QString error = m_parser.errorText();
    if (error.endsWith(QLatin1Char('.'))) error.chop(1);
    if (!error.isEmpty()) error[0] = error[0].toLower();
    throw UsageError(printableText(toStd(error), 200));
}

namespace {

constexpr std::size_t helpColumns = 80;

std::size_t columns(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1U : 0U;
    return count;
}

// The help in lines of at most 80 columns: a longer line is broken at its last blank that fits, what
// follows indented as the line is, or, on the synopsis's first line, under its first form's arguments.
std::string wrapped(std::string_view text, std::size_t synopsisIndent)
{
    std::string result;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t indent = first ? synopsisIndent : std::min(line.find_first_not_of(' '), line.size());
        first = false;
        while (columns(line) > helpColumns) {
            std::size_t cut = line.size();
            while (cut > indent &&
                   (line[cut - 1] != ' ' || columns(std::string_view(line).substr(0, cut - 1)) > helpColumns))
                --cut;
            if (cut <= indent + 1) break;  // one word longer than a line: left whole
            result.append(line, 0, cut - 1).append("\n");
            line = std::string(indent, ' ') + line.substr(cut);
        }
        result.append(line).append("\n");
    }
    return result;
}

}  // namespace

std::string ToolCommandLine::helpText() const
{
    // Each form on a line of its own, the program named under the first; a form too long for a line goes on
    // under its own arguments.
    const std::string label(kUsageLabel.in(m_language));
    std::string synopsis;
    for (std::size_t form = 0; form < m_forms.size(); ++form) {
        const std::string lead = form == 0 ? label : std::string(columns(label), ' ');
        synopsis += wrapped(lead + " " + m_program + " " + m_forms[form] + "\n", columns(lead) + m_program.size() + 2);
    }
    // Qt's first line names the program as Qt knows it: the synopsis replaces it.
    const std::string qtHelp = toStd(m_parser.helpText());
    return synopsis + wrapped(qtHelp.substr(qtHelp.find('\n') + 1), 0);
}

std::string ToolCommandLine::versionText() const
{
    return m_program + " " + versionNumberText() + "\n";
}

std::string ToolCommandLine::value(const QCommandLineOption& option) const
{
    return toStd(m_parser.value(option));
}

std::vector<std::string> ToolCommandLine::positionalArguments() const
{
    std::vector<std::string> arguments;
    for (const QString& argument : m_parser.positionalArguments()) arguments.push_back(toStd(argument));
    return arguments;
}

}  // namespace tavelle
