#include "shell/default_printer_lookup.h"

#include "core/printing/default_printer_answer.h"

#include <QProcessEnvironment>

#include <utility>

namespace tavelle {

DefaultPrinterLookup::DefaultPrinterLookup(std::function<void(std::string)> found, QString program)
    : m_found(std::move(found))
    , m_program(std::move(program))
{
    QObject::connect(&m_process, &QProcess::finished, &m_process,
                     [this](int exitCode, QProcess::ExitStatus exitStatus) { answered(exitCode, exitStatus); });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_process, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) m_done = true;
    });
}

DefaultPrinterLookup::~DefaultPrinterLookup()
{
    // A program that ends while lpstat still waits for a print server does not wait with it.
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.disconnect();
    m_process.kill();
    m_process.waitForFinished();
}

void DefaultPrinterLookup::start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    m_process.setProcessEnvironment(environment);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(m_program, {QStringLiteral("-d")});
}

void DefaultPrinterLookup::answered(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_done = true;
    if (exitStatus != QProcess::NormalExit || exitCode != 0) return;
    const std::string printer = defaultPrinterInAnswer(m_process.readAllStandardOutput().toStdString());
    if (!printer.empty()) m_found(printer);
}

}  // namespace tavelle
