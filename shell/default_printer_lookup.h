#pragma once

#include <QProcess>
#include <QString>

#include <functional>
#include <string>

namespace tavelle {

// Asks which printer is the system's default without loading the print system into the program:
// `lpstat -d` answers in a child process, in the C locale so that its answer reads the same everywhere.
// The answer comes through the event loop; a printer is passed on only when the answer names one. An
// lpstat that is missing or fails passes nothing on and says nothing.
class DefaultPrinterLookup final {
public:
    explicit DefaultPrinterLookup(std::function<void(std::string)> found, QString program = QStringLiteral("lpstat"));
    ~DefaultPrinterLookup();
    DefaultPrinterLookup(const DefaultPrinterLookup&) = delete;
    DefaultPrinterLookup& operator=(const DefaultPrinterLookup&) = delete;

    void start();
    // Started, and answered or failed.
    bool isDone() const { return m_done; }

private:
    void answered(int exitCode, QProcess::ExitStatus exitStatus);

    std::function<void(std::string)> m_found;
    QString m_program;
    QProcess m_process;
    bool m_done = false;
};

}  // namespace tavelle
