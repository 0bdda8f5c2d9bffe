// tavelle-print: the print program of Tavelle. It prints the one page the program hands it on standard
// input (print_request.h) on the current printer, through libcups, and answers on standard output
// (print_answer.h). It runs in a process of its own for each print, so that nothing the print system or
// its libraries do can end the trainee's session; the program bounds its time and cancels what it left.
// It bounds itself too: told to end (by the parent-death signal the program gives it, or the session's end)
// or past the print's bound, it cancels the job it holds and ends, so that no page comes out unawaited.
//   tavelle-print              prints the request read on standard input
//   tavelle-print --cancel ID  cancels the job ID at the print server
//   tavelle-print --check      answers "ready" once its libraries are loaded
#include "core/printing/printer_choice.h"
#include "shell/print_answer.h"
#include "shell/print_request.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

#include <cups/cups.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using tavelle::PrintAnswer;

// A cancellation that the print server does not answer within this is given up: the job stays held,
// which never prints.
constexpr unsigned cancellationBoundSeconds = 5;
constexpr int gaveUpStatus = 3;

// The job made and not yet released, 0 when there is none; `takenToCancel` once the watcher has taken it.
std::atomic<int> heldJob{0};
constexpr int takenToCancel = -1;
int endingPipe[2] = {-1, -1};

extern "C" void askToEnd(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(endingPipe[1], &byte, 1);
}

void cancelAndEnd()
{
    const int job = heldJob.exchange(takenToCancel);
    if (job > 0) {
        alarm(cancellationBoundSeconds);
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, job, 0);
    }
    _exit(gaveUpStatus);
}

// Waits on a thread of its own, as the print itself may be stuck in the print system's library.
void giveUpWhenToldOrLate()
{
    if (pipe2(endingPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = askToEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
    std::thread([] {
        const auto deadline = std::chrono::steady_clock::now() + tavelle::printBound;
        pollfd told{endingPipe[0], POLLIN, 0};
        for (auto now = std::chrono::steady_clock::now(); now < deadline; now = std::chrono::steady_clock::now()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
            if (poll(&told, 1, int(left.count())) > 0) break;
        }
        cancelAndEnd();
    }).detach();
}

// Once the watcher took the job, the print is its to end: this thread only waits for it.
void keepJob(int job)
{
    int none = 0;
    if (!heldJob.compare_exchange_strong(none, job)) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, job, 0);
        _exit(gaveUpStatus);
    }
}

void letGoOfJob(int job)
{
    int held = job;
    if (heldJob.compare_exchange_strong(held, 0)) return;
    for (;;) pause();
}

void say(const PrintAnswer& answer)
{
    const QByteArray line = tavelle::printAnswerLine(answer);
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}

int fail(const std::string& printer, const std::string& reason)
{
    say({PrintAnswer::Kind::failed, 0, printer, reason});
    return 1;
}

std::string printServerError(const char* step)
{
    const char* reason = cupsLastErrorString();
    return std::string(step) + ": " + (reason != nullptr && *reason != '\0' ? reason : "no reason given");
}

bool answeredWell()
{
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

class Destinations {
public:
    Destinations() { m_count = cupsGetDests2(CUPS_HTTP_DEFAULT, &m_dests); }
    ~Destinations() { cupsFreeDests(m_count, m_dests); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    // The printers in the print system's order; instances are options of a printer, not printers.
    std::vector<tavelle::InstalledPrinter> printers() const
    {
        std::vector<tavelle::InstalledPrinter> found;
        for (int i = 0; i < m_count; ++i)
            if (m_dests[i].instance == nullptr) found.push_back({m_dests[i].name, m_dests[i].is_default != 0});
        return found;
    }

private:
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
};

// The printer's default paper and its printable area, as its driver describes them (its PPD, which Qt
// Print Support reads): the page comes out as the printer's own dialog would lay it out.
QPageLayout printerPage(const std::string& printerName)
{
    QPrinter printer;
    printer.setPrinterName(QString::fromStdString(printerName));
    if (printer.isValid() && printer.outputFormat() == QPrinter::NativeFormat) return printer.pageLayout();
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

QByteArray pdfPage(const tavelle::PaperScreen& page, const QPageLayout& layout)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(page.resolution());
        writer.setPageLayout(layout);
        writer.setTitle(page.title());
        writer.setCreator(QStringLiteral("Tavelle"));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        page.paint(painter, painter.viewport());
        if (!painter.end()) return {};
    }
    return pdf;
}

bool release(int job)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d", job);
    ipp_t* request = ippNewRequest(IPP_OP_RELEASE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"));
    return answeredWell();
}

// The job is created held, so that nothing prints before the whole page has reached the print server
// and the program still waits for the answer; its release is the last step.
int print(const tavelle::PrintRequest& request)
{
    const Destinations destinations;
    const std::string printer =
        tavelle::chooseCurrentPrinter(destinations.printers(), request.currentPrinter.toStdString());
    if (printer.empty()) return fail(printer, "no printer is installed or none is the default");
    const QByteArray pdf = pdfPage(request.page, printerPage(printer));
    if (pdf.isEmpty()) return fail(printer, "the page could not be drawn");

    const QByteArray title = request.page.title().toUtf8();
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("job-hold-until", "indefinite", 0, &options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, printer.c_str(), title.constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job <= 0) return fail(printer, printServerError("the print server did not create the job"));
    keepJob(job);
    say({PrintAnswer::Kind::job, job, {}, {}});

    std::string problem;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer.c_str(), job, title.constData(), CUPS_FORMAT_PDF, 1) !=
            HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), std::size_t(pdf.size())) != HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str());
        problem = printServerError("the page did not reach the print server");
    } else if (cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        problem = printServerError("the print server refused the page");
    } else if (!release(job)) {
        problem = printServerError("the print server did not release the job");
    }
    if (!problem.empty()) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, job, 0);
        letGoOfJob(job);
        return fail(printer, problem);
    }
    // Released, the job prints: it is no longer this program's to cancel.
    letGoOfJob(job);
    say({PrintAnswer::Kind::printed, job, printer, {}});
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // A program that went away no longer reads the answer: writing it fails instead of ending this one.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc == 3 && std::strcmp(argv[1], "--cancel") == 0) {
        alarm(cancellationBoundSeconds);
        const int job = std::atoi(argv[2]);
        return job > 0 && cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, job, 0) <= IPP_STATUS_OK_EVENTS_COMPLETE ? 0 : 1;
    }
    const bool check = argc == 2 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 1 && !check) {
        std::fprintf(stderr, "usage: %s [--check | --cancel JOB] (run by tavelle; the page comes on standard input)\n",
                     argv[0]);
        return 2;
    }
    // The page is drawn with the fonts of the desktop but on no display: the print goes on whatever
    // becomes of the program's windows.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char name[] = "tavelle-print";
    char* qtArgv[] = {name, nullptr};
    const QGuiApplication application(qtArgc, qtArgv);
    if (check) {
        say({PrintAnswer::Kind::ready, 0, {}, {}});
        return 0;
    }
    giveUpWhenToldOrLate();
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) return fail({}, "standard input cannot be read");
    const std::optional<tavelle::PrintRequest> request = tavelle::readPrintRequest(input.readAll());
    if (!request) return fail({}, "what came on standard input is no page to print");
    return print(*request);
}
