#pragma once

#include "tools/common/tool_stage.h"

#include <QCommandLineParser>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The value of an option that takes a whole number; throws UsageError naming the option otherwise.
std::uint64_t wholeNumber(const std::string& option, const std::string& value);

// The command line of a tool: Qt's parser (--opt=value, --, grouped short options) with --help and
// --version, and messages in the tool's own words.
class ToolCommandLine {
public:
    // `usage` is the synopsis, a line for each form: "tavelle-solve [--text] [FILE]".
    ToolCommandLine(std::string program, std::string usage, std::string_view description);

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
    std::string m_program;
    std::string m_usage;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QStringList m_arguments;
};

}  // namespace tavelle
