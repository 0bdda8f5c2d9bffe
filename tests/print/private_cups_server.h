#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace tavelle::testing {

// A CUPS scheduler of the test process's own, in a directory of its own (private_cupsd.sh), with CUPS-PDF
// queues whose files land in that directory (add_pdf_queue.sh). The environment must name it before
// anything reaches CUPS: see prepareEnvironment.
class PrivateCupsServer {
public:
    explicit PrivateCupsServer(QString directory);
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Points every CUPS client of this process (Qt, lpadmin, lpstat) at the scheduler of `directory`
    // and away from the user's and the machine's own printer settings.
    static void prepareEnvironment(const QString& directory);

    const QString& directory() const { return m_directory; }

    // Starts the scheduler unless it runs, and waits until it answers.
    ::testing::AssertionResult start();
    // Ends the scheduler, as when the print system is stopped.
    void stop();
    bool isRunning() const;
    // Halts the scheduler where it stands, as a print system that no longer answers, and lets it go on.
    void freeze();
    void thaw();

    ::testing::AssertionResult addPdfQueue(const QString& name);
    ::testing::AssertionResult removeQueue(const QString& name);
    ::testing::AssertionResult setDefaultQueue(const QString& name);
    // The queue stays, but refuses every job from now on.
    ::testing::AssertionResult rejectJobs(const QString& name);
    // Removes every queue and every printed file.
    ::testing::AssertionResult reset();
    // The queue the scheduler names as the system default, empty when there is none.
    QString defaultQueue() const;

    // Waits until no job is pending or printing.
    ::testing::AssertionResult waitForJobs();
    // The PDF files a queue has printed so far, with their full paths.
    QStringList printedFiles(const QString& queue) const;
    QStringList allPrintedFiles() const;
    // The documents of the jobs the scheduler keeps, as the clients sent them.
    QStringList submittedDocuments() const;

private:
    QStringList queues() const;

    QString m_directory;
    std::unique_ptr<QProcess> m_scheduler;
};

// The one scheduler of the test process, made by the test program's main.
PrivateCupsServer& privateCupsServer();

}  // namespace tavelle::testing
