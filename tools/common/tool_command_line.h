#pragma once

#include "core/text/language.h"
#include "tools/common/tool_stage.h"

#include <QCommandLineParser>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace tavelle {

class QtOwnTexts;

// A text of the tool's own, as Qt's parser takes it.
inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The value of an option that takes a whole number; throws UsageError naming the option otherwise.
std::uint64_t wholeNumber(const std::string& option, const std::string& value, Language language = userLanguage());

// The command line of a tool: Qt's parser (--opt=value, --, grouped short options) with --help and
// --version, and messages in the tool's own words, in `language`; Qt's own (its help's headings, a
// missing value) come from Qt's translations, through an application object held while the command line
// lives when the tool has none yet.
class ToolCommandLine {
public:
    // `forms` are the synopsis's forms without the program's name: {"[--text] [FILE]", "--random N"}.
    ToolCommandLine(Language language, std::string program, std::vector<std::string> forms,
                    std::string_view description);
    ~ToolCommandLine();
    ToolCommandLine(const ToolCommandLine&) = delete;
    ToolCommandLine& operator=(const ToolCommandLine&) = delete;

    Language language() const { return m_language; }
    QCommandLineParser& parser() { return m_parser; }

    // Throws UsageError for an unknown option or a missing value.
    void parse(int argc, char** argv);

    bool wantsHelp() const { return m_parser.isSet(m_help); }
    bool wantsVersion() const { return m_parser.isSet(m_version); }
    std::string helpText() const;
    std::string versionText() const;

    bool isSet(const QCommandLineOption& option) const { return m_parser.isSet(option); }
    std::string value(const QCommandLineOption& option) const;
    std::vector<std::string> positionalArguments() const;

private:
    Language m_language;
    std::string m_program;
    std::vector<std::string> m_forms;
    int m_translatingArgc = 1;
    std::unique_ptr<QCoreApplication> m_translating;
    std::unique_ptr<QtOwnTexts> m_qtTexts;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QStringList m_arguments;
};

}  // namespace tavelle
