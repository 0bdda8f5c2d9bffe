#include "tools/solve/tool_command_line.h"

#include "core/about_texts.h"
#include "format/printable_text.h"

#include <charconv>

namespace tavelle {

namespace {

std::string toStd(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

std::uint64_t wholeNumber(const std::string& option, const std::string& value)
{
    std::uint64_t number = 0;
    const auto result = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size())
        throw UsageError("option " + option + " takes a whole number, not \"" + printableText(value) + "\"");
    return number;
}

ToolCommandLine::ToolCommandLine(std::string program, std::string usage, std::string_view description)
    : m_program(std::move(program)),
      m_usage(std::move(usage)),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Show the version and exit."))
{
    m_parser.setApplicationDescription(
        QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

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
            if (option.startsWith(QLatin1Char('-')) && option.mid(option.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
                typed = option;
                break;
            }
        }
        throw UsageError("unknown option \"" + printableText(toStd(typed)) + "\"");
    }
    QString error = m_parser.errorText();
    if (error.endsWith(QLatin1Char('.'))) error.chop(1);
    if (!error.isEmpty()) error[0] = error[0].toLower();
    throw UsageError(printableText(toStd(error), 200));
}

std::string ToolCommandLine::helpText() const
{
    // Qt's first line names "<executable_name>" without an application object: the synopsis replaces it.
    const std::string qtHelp = toStd(m_parser.helpText());
    return m_usage + qtHelp.substr(qtHelp.find('\n') + 1);
}

std::string ToolCommandLine::versionText() const
{
    return m_program + " " + versionNumberText() + "\n";
}

std::string ToolCommandLine::value(const QCommandLineOption& option) const { return toStd(m_parser.value(option)); }

std::vector<std::string> ToolCommandLine::positionalArguments() const
{
    std::vector<std::string> arguments;
    for (const QString& argument : m_parser.positionalArguments()) arguments.push_back(toStd(argument));
    return arguments;
}

}  // namespace tavelle
