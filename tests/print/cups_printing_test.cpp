#include "printed_page.h"
#include "private_cups_server.h"
#include "screen_session.h"

#include "shell/application_printing.h"
#include "shell/print_program.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace tavelle {

// Test names and failure reports name the screen.
void PrintTo(ScreenId screen, std::ostream* out)
{
    *out << screenName(screen);
}

}  // namespace tavelle

namespace tavelle::testing {
namespace {

const QStringList buttonNames = {QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command3"),
                                 QStringLiteral("Command4")};
constexpr int rasterDotsPerInch = 100;
// A picture on the page is as sharp as the printer's text, which the PDF queue's driver prints at 300 dpi
// or more; a window grabbed from the screen and stretched to the page would come at about 75.
constexpr int sharpImageResolution = 290;
// A page of text, lines and a picture or two; the same page as one picture of its pixels took megabytes.
constexpr qint64 largestJob = 200 * 1024;

// Calibration marks for the test: a one-pixel black frame along the window's edges, above everything
// else, so that the window can be found on the printed page.
class CalibrationFrame final : public QWidget {
public:
    explicit CalibrationFrame(QWidget& window)
        : QWidget(&window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window.rect());
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Where a rectangle of the window went on the page, from the window's place on it.
class PageMapping {
public:
    PageMapping(QRect windowOnPage, QSize windowSize)
        : m_origin(windowOnPage.topLeft())
        , m_scaleX(double(windowOnPage.width()) / windowSize.width())
        , m_scaleY(double(windowOnPage.height()) / windowSize.height())
    {
    }

    QRect map(QRect inWindow) const
    {
        return QRect(QPoint(m_origin.x() + int(std::lround(inWindow.left() * m_scaleX)),
                            m_origin.y() + int(std::lround(inWindow.top() * m_scaleY))),
                     QPoint(m_origin.x() + int(std::lround((inWindow.right() + 1) * m_scaleX)) - 1,
                            m_origin.y() + int(std::lround((inWindow.bottom() + 1) * m_scaleY)) - 1));
    }

private:
    QPoint m_origin;
    double m_scaleX;
    double m_scaleY;
};

// Counts a window's paint events while a print is under way, and those that came with its buttons shown.
class PaintCounter final : public QObject {
public:
    PaintCounter(QWidget& window, const PrintOperation& operation)
        : m_window(window)
        , m_operation(operation)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

    int paints = 0;
    int paintsWithButtons = 0;

private:
    QWidget& m_window;
    const PrintOperation& m_operation;
};

bool buttonsVisible(QWidget& screen)
{
    for (const QString& name : buttonNames) {
        const auto* button = screen.findChild<QPushButton*>(name);
        if (!button || !button->isVisible()) return false;
    }
    return true;
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Paint && m_operation.isPrinting()) {
        ++paints;
        if (buttonsVisible(m_window)) ++paintsWithButtons;
    }
    return false;
}

// What the screen shows besides its buttons: every visible control that draws something.
std::vector<QWidget*> drawnControls(QWidget& screen, const QWidget& marks)
{
    std::vector<QWidget*> controls;
    for (QWidget* control : screen.findChildren<QWidget*>()) {
        if (control == &marks || !control->isVisible()) continue;
        if (buttonNames.contains(control->objectName()) || qobject_cast<QPushButton*>(control->parentWidget()))
            continue;
        if (const auto* label = qobject_cast<QLabel*>(control);
            label && label->text().trimmed().isEmpty() && label->pixmap().isNull())
            continue;
        controls.push_back(control);
    }
    return controls;
}

// The processes this one started that still run (the private print server's excepted).
int childProcesses()
{
    int children = 0;
    QDir proc(QStringLiteral("/proc"));
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& entry : proc.entryList(QDir::Dirs)) {
        QFile stat(proc.filePath(entry + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // pid (name) state ppid ...
        const QByteArray text = stat.readAll();
        const QList<QByteArray> after = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after[1] == self.toLatin1() && !text.contains("(cupsd)")) ++children;
    }
    return children;
}

const ShownBox failureMessage{ShownBox::Kind::Plain, QStringLiteral("Tavelle"),
                              QStringLiteral("Impossible d'imprimer")};

class CupsPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0) GTEST_SKIP() << "the CUPS-PDF backend runs only under a scheduler started as root";
        ASSERT_TRUE(server().start());
        ASSERT_TRUE(server().reset());
    }

    PrivateCupsServer& server() { return privateCupsServer(); }

    // The application starts: its current printer is the system's default of this moment, as lpstat
    // names it.
    void startApplication(std::chrono::milliseconds answerBound = PrintOperation::defaultAnswerBound)
    {
        // The print program where the application built with these tests finds its own.
        m_printing = std::make_unique<ApplicationPrinting>(
            messages, printProgramFile(QStringLiteral(TAVELLE_PROGRAM_DIR)), answerBound);
        m_printing->noteDefaultPrinter();
        ASSERT_TRUE(processEventsUntil([this] { return m_printing->defaultPrinterAnswered(); }));
        session = std::make_unique<ScreenSession>(operation());
        ASSERT_TRUE(session->accepted);
    }
    PrintOperation& operation() { return m_printing->operation(); }
    // A print ends in the event loop, once the print system has answered or the time for it is up.
    void pressPrint(QWidget& screen)
    {
        screen.findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        ASSERT_TRUE(processEventsUntil([this] { return !operation().isPrinting(); }, 60000));
    }

    // The program ends: a print under way has its outcome first.
    void endApplication()
    {
        session.reset();
        m_printing.reset();
    }

    RecordingMessageBoxes messages;
    std::unique_ptr<ScreenSession> session;

private:
    std::unique_ptr<ApplicationPrinting> m_printing;
};

class WalkThroughScreenPrint : public CupsPrinting, public ::testing::WithParamInterface<ScreenId> {};

TEST_P(WalkThroughScreenPrint, GivesOneSharpPageOfTheScreenWithoutItsButtons)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication();
    auto screen = session->open(GetParam());
    const CalibrationFrame marks(*screen);
    const ExerciseRecord before = session->record;

    pressPrint(*screen);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(buttonsVisible(*screen));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(session->record, before);
    EXPECT_EQ(session->otherRequests(), 0u);

    ASSERT_TRUE(server().waitForJobs());
    const QStringList files = server().printedFiles(QStringLiteral("PDF"));
    ASSERT_EQ(files.size(), 1) << files.join(u' ').toStdString();
    EXPECT_EQ(pdfPageCount(files[0]), 1);
    // The document the application handed to the print system: the screen's text as text, in the
    // order each label reads, and its pictures at the printer's sharpness, not a screen image stretched
    // to the page.
    const QStringList submitted = server().submittedDocuments();
    ASSERT_EQ(submitted.size(), 1);
    EXPECT_EQ(pdfPageCount(submitted[0]), 1);
    EXPECT_LE(QFileInfo(submitted[0]).size(), largestJob);
    if (const std::optional<int> resolution = lowestImageResolution(submitted[0])) {
        EXPECT_GE(*resolution, sharpImageResolution);
    }
    const QString text = pageText(submitted[0]);
    int labelsWithText = 0;
    for (const QLabel* label : screen->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().trimmed().isEmpty()) continue;
        ++labelsWithText;
        EXPECT_TRUE(text.contains(label->text().simplified()))
            << label->objectName().toStdString() << " \"" << label->text().toStdString()
            << "\" is not text on the page";
    }
    EXPECT_GE(labelsWithText, 1);

    const QImage page = rasterisePage(files[0], rasterDotsPerInch);
    ASSERT_FALSE(page.isNull());
    const QRect window = inkBounds(page);
    ASSERT_FALSE(window.isEmpty());

    // As large as the page allows, its proportions kept, centred.
    const double windowAspect = double(screen->width()) / screen->height();
    EXPECT_NEAR(double(window.width()) / window.height(), windowAspect, 0.02 * windowAspect);
    EXPECT_TRUE(window.width() >= page.width() * 0.95 || window.height() >= page.height() * 0.95)
        << "window " << window.width() << "x" << window.height() << " on page " << page.width() << "x" << page.height();
    EXPECT_LE(std::abs(window.left() - (page.width() - 1 - window.right())), 3);
    EXPECT_LE(std::abs(window.top() - (page.height() - 1 - window.bottom())), 3);

    const PageMapping mapping(window, screen->size());
    for (const QString& name : buttonNames) {
        const QRect button = mapping.map(screen->findChild<QPushButton*>(name)->geometry()).adjusted(3, 3, -3, -3);
        EXPECT_EQ(nonPaperPixels(page, button), 0) << name.toStdString() << " is on the page";
    }
    const std::vector<QWidget*> controls = drawnControls(*screen, marks);
    EXPECT_GE(controls.size(), 2u);
    for (QWidget* control : controls) {
        const QRect area = mapping.map(QRect(control->mapTo(screen.get(), QPoint(0, 0)), control->size()));
        EXPECT_GT(inkPixels(page, area), 0) << control->objectName().toStdString() << " is missing from the page";
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WalkThroughScreenPrint,
                         ::testing::Values(ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2),
                         [](const ::testing::TestParamInfo<ScreenId>& row) {
                             return std::string(screenName(row.param));
                         });

TEST_F(CupsPrinting, TheDefaultOfTwoQueuesReceivesEachJob)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Atelier")));
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Bureau")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("Bureau")));
    startApplication();
    EXPECT_EQ(operation().currentPrinter(), "Bureau");
    auto screen = session->open(ScreenId::Don);

    pressPrint(*screen);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().printedFiles(QStringLiteral("Bureau")).size(), 1);
    EXPECT_EQ(server().printedFiles(QStringLiteral("Atelier")).size(), 0);

    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("Atelier")));
    pressPrint(*screen);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().printedFiles(QStringLiteral("Atelier")).size(), 1);
    EXPECT_EQ(server().printedFiles(QStringLiteral("Bureau")).size(), 1);
    EXPECT_EQ(operation().currentPrinter(), "Atelier");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CupsPrinting, WithoutDefaultQueueTheCurrentPrinterStays)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Atelier")));
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Bureau")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("Bureau")));
    startApplication();
    // Taken away and put back, the queue is no longer the default, and no other is.
    ASSERT_TRUE(server().removeQueue(QStringLiteral("Bureau")));
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Bureau")));
    ASSERT_EQ(server().defaultQueue(), QString());
    auto screen = session->open(ScreenId::Calculs);

    pressPrint(*screen);

    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().printedFiles(QStringLiteral("Bureau")).size(), 1);
    EXPECT_EQ(server().printedFiles(QStringLiteral("Atelier")).size(), 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(buttonsVisible(*screen));
}

TEST_F(CupsPrinting, WithoutQueueTheMessageShowsAndTheButtonsComeBack)
{
    startApplication();
    EXPECT_EQ(operation().currentPrinter(), "");
    auto screen = session->open(ScreenId::Calculs2);
    const ExerciseRecord before = session->record;

    pressPrint(*screen);

    EXPECT_EQ(messages.shown, std::vector<ShownBox>{failureMessage});
    EXPECT_TRUE(buttonsVisible(*screen));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(session->record, before);
    EXPECT_TRUE(server().allPrintedFiles().isEmpty());
}

TEST_F(CupsPrinting, WithThePrintSystemStoppedTheMessageShowsAndTheButtonsComeBack)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication();
    auto screen = session->open(ScreenId::Dessin);
    const ExerciseRecord before = session->record;
    server().stop();

    pressPrint(*screen);

    EXPECT_EQ(messages.shown, std::vector<ShownBox>{failureMessage});
    EXPECT_TRUE(buttonsVisible(*screen));
    EXPECT_EQ(session->record, before);

    // Once the print system is back, the same screen prints.
    ASSERT_TRUE(server().start());
    pressPrint(*screen);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().printedFiles(QStringLiteral("PDF")).size(), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CupsPrinting, APrintSystemThatNoLongerAnswersGivesTheMessageInTimeWhileTheScreenPaints)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication();
    auto screen = session->open(ScreenId::Don);
    PaintCounter counter(*screen, operation());
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, screen.get(), [&screen] { screen->update(); });
    repaint.start(50);
    // The trainee closes the window while the print waits: nothing happens, then or after the print.
    QTimer::singleShot(500, screen.get(), [&screen] { screen->close(); });
    server().freeze();

    QElapsedTimer waited;
    waited.start();
    pressPrint(*screen);
    const qint64 waitedMs = waited.elapsed();
    repaint.stop();

    EXPECT_EQ(messages.shown, std::vector<ShownBox>{failureMessage});
    EXPECT_LE(waitedMs, PrintOperation::defaultAnswerBound.count() + 1000);
    EXPECT_GE(counter.paints, 20) << "the screen did not paint while the print waited " << waitedMs << " ms";
    EXPECT_EQ(counter.paintsWithButtons, 0);
    EXPECT_TRUE(buttonsVisible(*screen));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(session->otherRequests(), 0u);

    // Once the print system goes on, the page it was told was not printed never comes out; the next
    // print does.
    server().thaw();
    pressPrint(*screen);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().printedFiles(QStringLiteral("PDF")).size(), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CupsPrinting, ThreeRequestsToAStalledPrintSystemGiveThreeMessagesAndNoPageLater)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication(std::chrono::milliseconds(3000));
    auto screen = session->open(ScreenId::Calculs);
    server().freeze();
    for (int i = 0; i < 3; ++i) pressPrint(*screen);
    EXPECT_EQ(messages.shown, std::vector<ShownBox>(3, failureMessage));

    // Once the print system goes on, only the next print comes out.
    server().thaw();
    pressPrint(*screen);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().allPrintedFiles().size(), 1);
    EXPECT_EQ(messages.shown.size(), 3u);
}

TEST_F(CupsPrinting, TheProgramEndingDuringAStalledPrintEndsWithinTheBoundLeavingNothing)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication(std::chrono::milliseconds(3000));
    auto screen = session->open(ScreenId::Don);
    server().freeze();
    screen->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    ASSERT_TRUE(operation().isPrinting());
    screen.reset();

    ::testing::internal::CaptureStderr();
    QElapsedTimer waited;
    waited.start();
    endApplication();
    const qint64 waitedMs = waited.elapsed();
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_LE(waitedMs, 3000 + 2500);
    EXPECT_NE(said.find("cancelled as the program ended"), std::string::npos) << said;
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(childProcesses(), 0);
    // Once the print system goes on, only the print of the next run comes out.
    server().thaw();
    startApplication();
    auto next = session->open(ScreenId::Don);
    pressPrint(*next);
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_EQ(server().allPrintedFiles().size(), 1);
}

TEST_F(CupsPrinting, AQueueThatRefusesJobsShowsTheMessage)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().rejectJobs(QStringLiteral("PDF")));
    startApplication();
    auto screen = session->open(ScreenId::Calculs);

    pressPrint(*screen);

    EXPECT_EQ(messages.shown, std::vector<ShownBox>{failureMessage});
    EXPECT_TRUE(buttonsVisible(*screen));
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_TRUE(server().allPrintedFiles().isEmpty());
}

TEST_F(CupsPrinting, TheCurrentPrinterRemovedWithNoOtherDefaultShowsTheMessage)
{
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("Atelier")));
    ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
    ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
    startApplication();
    ASSERT_TRUE(server().removeQueue(QStringLiteral("PDF")));
    auto screen = session->open(ScreenId::Don);

    pressPrint(*screen);

    EXPECT_EQ(messages.shown, std::vector<ShownBox>{failureMessage});
    EXPECT_TRUE(buttonsVisible(*screen));
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_TRUE(server().allPrintedFiles().isEmpty());
}

}  // namespace
}  // namespace tavelle::testing
