#include "fake_print_program.h"

#include "screens/screen_window.h"
#include "shell/print_operation.h"
#include "shell/print_request.h"
#include "tests/support/fake_shell.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tavelle::testing {
namespace {

const QStringList buttonNames = {QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command3"),
                                 QStringLiteral("Command4")};

// Records, in order, every time one of the four buttons is hidden or shown.
class VisibilityLog final : public QObject {
public:
    QStringList events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) events << QStringLiteral("hide ") + watched->objectName();
        if (event->type() == QEvent::Show) events << QStringLiteral("show ") + watched->objectName();
        return false;
    }
};

// A walk-through screen in miniature: two labels, a list that can take the focus, three navigation
// buttons and "Imprimer", which its host hands to the operation.
class PrintableWindow final : public ScreenWindow {
public:
    explicit PrintableWindow(ScreenHost& host)
        : ScreenWindow(ScreenId::Don, host, QSize(400, 200))
    {
        title = addLabel(this, "Label1", QStringLiteral("Données du problème :"), QRect(8, 8, 300, 24));
        hidden = addLabel(this, "Label2", QStringLiteral("caché"), QRect(8, 40, 300, 24));
        hidden->hide();
        list = addList(this, "Combo1", {}, QRect(8, 72, 200, 24));
        for (int i = 0; i < 3; ++i) {
            const QByteArray name = buttonNames[i].toLatin1();
            addNavigationButton(name.constData(), buttonNames[i], QRect(8 + 96 * i, 150, 88, 40));
        }
        addPrintButton(QRect(8 + 96 * 3, 150, 88, 40));
        for (const QString& name : buttonNames) button(name)->installEventFilter(&log);
    }

    QPushButton* button(const QString& name) { return findChild<QPushButton*>(name); }
    bool buttonsVisible(bool visible)
    {
        for (const QString& name : buttonNames)
            if (button(name)->isVisible() != visible) return false;
        return true;
    }

    VisibilityLog log;
    QLabel* title = nullptr;
    QLabel* hidden = nullptr;
    QComboBox* list = nullptr;
};

class PrintOperationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    // The print program answers with the shell commands `answer`, after keeping its request.
    void useProgram(const QByteArray& answer)
    {
        ASSERT_FALSE(writeFakePrintProgram(m_folder.path(), answer).isEmpty());
    }
    QString program() const { return m_folder.filePath(QStringLiteral("tavelle-print")); }
    QByteArray kept(const char* suffix) const
    {
        QFile file(program() + QString::fromLatin1(suffix));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The printer the print program was handed as current.
    QString handedPrinter() const
    {
        const std::optional<PrintRequest> request = readPrintRequest(kept(".request"));
        return request ? request->currentPrinter : QStringLiteral("(no request)");
    }

    void showWindow()
    {
        m_host = std::make_unique<RecordingHost>(&operation());
        window = std::make_unique<PrintableWindow>(*m_host);
        window->show();
        window->log.events.clear();
    }
    PrintOperation& operation()
    {
        if (!m_operation) m_operation = std::make_unique<PrintOperation>(messages, program(), bound);
        return *m_operation;
    }
    // A print ends in the event loop, once the print program has answered.
    void pressPrint()
    {
        window->button(QStringLiteral("Command4"))->click();
        ASSERT_TRUE(processEventsUntil([this] { return !operation().isPrinting(); }));
    }

    std::chrono::milliseconds bound{2000};
    RecordingMessageBoxes messages;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<PrintOperation> m_operation;
    std::unique_ptr<RecordingHost> m_host;

protected:
    std::unique_ptr<PrintableWindow> window;
};

const QStringList hiddenThenShown = {QStringLiteral("hide Command1"), QStringLiteral("hide Command2"),
                                     QStringLiteral("hide Command3"), QStringLiteral("hide Command4"),
                                     QStringLiteral("show Command1"), QStringLiteral("show Command2"),
                                     QStringLiteral("show Command3"), QStringLiteral("show Command4")};
const std::vector<ShownBox> failureMessage = {
    {ShownBox::Kind::Plain, QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer")}};

TEST_F(PrintOperationTest, PrintsWithoutTheButtonsAndBringsThemBackInOrder)
{
    useProgram(fakeAnswerPrinted("Bureau"));
    showWindow();
    window->button(QStringLiteral("Command2"))->hide();
    window->log.events.clear();
    window->button(QStringLiteral("Command4"))->click();
    EXPECT_TRUE(operation().isPrinting());
    EXPECT_FALSE(window->button(QStringLiteral("Command4"))->isVisible());
    // Pressed again during the print: nothing more happens.
    window->button(QStringLiteral("Command4"))->click();
    ASSERT_TRUE(processEventsUntil([this] { return !operation().isPrinting(); }));

    EXPECT_EQ(kept(".printed"), "Bureau\n");
    QStringList changes = hiddenThenShown;
    changes.removeOne(QStringLiteral("hide Command2"));
    EXPECT_EQ(window->log.events, changes);
    EXPECT_TRUE(window->buttonsVisible(true));
    EXPECT_FALSE(window->hidden->isVisible());
    EXPECT_EQ(window->title->text(), QStringLiteral("Données du problème :"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(operation().currentPrinter(), "Bureau");
}

TEST_F(PrintOperationTest, RefusedPrintShowsTheMessageBeforeTheButtonsComeBack)
{
    useProgram("printf 'failed\\tBureau\\tthe queue refuses jobs\\n'; exit 1");
    showWindow();
    bool hiddenWhileShown = false;
    messages.whileShown = [&] { hiddenWhileShown = window->buttonsVisible(false); };

    pressPrint();

    EXPECT_EQ(messages.shown, failureMessage);
    EXPECT_TRUE(hiddenWhileShown);
    EXPECT_EQ(window->log.events, hiddenThenShown);
    EXPECT_EQ(operation().currentPrinter(), "Bureau");
}

TEST_F(PrintOperationTest, TheCurrentPrinterGoesToTheProgramAndItsAnswerBecomesCurrent)
{
    useProgram(fakeAnswerPrinted("Salle"));
    showWindow();
    operation().noteSystemDefault("Atelier");
    pressPrint();
    EXPECT_EQ(handedPrinter(), QStringLiteral("Atelier"));
    EXPECT_EQ(operation().currentPrinter(), "Salle");

    // A start-up answer that comes after a print changes nothing.
    operation().noteSystemDefault("Bureau");
    pressPrint();
    EXPECT_EQ(handedPrinter(), QStringLiteral("Salle"));
}

TEST_F(PrintOperationTest, ThePressedButtonGetsItsFocusBack)
{
    useProgram(fakeAnswerPrinted("Bureau"));
    showWindow();
    QApplication::setActiveWindow(window.get());
    window->button(QStringLiteral("Command4"))->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->button(QStringLiteral("Command4")));

    window->button(QStringLiteral("Command4"))->click();
    EXPECT_EQ(QApplication::focusWidget(), window->list);
    ASSERT_TRUE(processEventsUntil([this] { return !operation().isPrinting(); }));

    EXPECT_EQ(QApplication::focusWidget(), window->button(QStringLiteral("Command4")));
}

// A print program as a bad install, a bad build or a fault of its own leaves it.
struct BrokenProgram {
    const char* name;
    std::function<void(const QString& file)> damage;
    const char* reason;
};
void PrintTo(const BrokenProgram& program, std::ostream* out)
{
    *out << program.name;
}

void replaceBy(const QString& file, const QByteArray& answer)
{
    writeFakePrintProgram(QFileInfo(file).path(), answer);
}

class BrokenPrintProgramTest : public PrintOperationTest, public ::testing::WithParamInterface<BrokenProgram> {};

TEST_P(BrokenPrintProgramTest, GivesOneMessageAndOneLineAndTheNextPrintWorksOnceMended)
{
    const BrokenProgram& c = GetParam();
    useProgram(fakeAnswerPrinted("Bureau"));
    c.damage(program());
    showWindow();

    ::testing::internal::CaptureStderr();
    pressPrint();
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(messages.shown, failureMessage);
    EXPECT_TRUE(window->buttonsVisible(true));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;

    useProgram(fakeAnswerPrinted("Bureau"));
    pressPrint();
    EXPECT_EQ(messages.shown, failureMessage);
    EXPECT_EQ(kept(".printed"), "Bureau\n");
}

INSTANTIATE_TEST_SUITE_P(
    Programs, BrokenPrintProgramTest,
    ::testing::Values(
        BrokenProgram{"Missing", [](const QString& file) { QFile::remove(file); }, "cannot start"},
        BrokenProgram{"NotExecutable",
                      [](const QString& file) { QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner); },
                      "cannot start"},
        BrokenProgram{"Fifo",
                      [](const QString& file) {
                          QFile::remove(file);
                          mkfifo(QFile::encodeName(file).constData(), 0700);
                      },
                      "cannot start"},
        BrokenProgram{"Crashes", [](const QString& file) { replaceBy(file, "kill -SEGV $$"); }, "crashed"},
        BrokenProgram{"Hangs", [](const QString& file) { replaceBy(file, "exec sleep 60"); }, "no answer within 2 s"},
        BrokenProgram{"AnswersNonsense", [](const QString& file) { replaceBy(file, "echo 'Bonjour'"); },
                      "answered nonsense: \"Bonjour\""},
        BrokenProgram{"SaysNothing", [](const QString& file) { replaceBy(file, "exit 0"); },
                      "ended with status 0 without answering"},
        BrokenProgram{"AnswersTwice",
                      [](const QString& file) { replaceBy(file, "printf 'printed\\t7\\tA\\nprinted\\t8\\tA\\n'"); },
                      "answered nonsense"}),
    [](const ::testing::TestParamInfo<BrokenProgram>& row) { return std::string(row.param.name); });

TEST_F(PrintOperationTest, PrintedStandsThoughTheProgramThenHangs)
{
    useProgram(fakeAnswerPrinted("Bureau") + "\nexec sleep 60");
    showWindow();
    pressPrint();

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(kept(".printed"), "Bureau\n");
    EXPECT_EQ(kept(".cancelled"), "");
    EXPECT_EQ(operation().currentPrinter(), "Bureau");
}

TEST_F(PrintOperationTest, AJobLeftWithoutOutcomeIsCancelled)
{
    useProgram("printf 'job\\t42\\n'; exec sleep 60");
    showWindow();
    ::testing::internal::CaptureStderr();
    pressPrint();
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(messages.shown, failureMessage);
    EXPECT_TRUE(processEventsUntil([this] { return kept(".cancelled") == "42\n"; })) << said;
    EXPECT_NE(said.find("job 42 is cancelled"), std::string::npos) << said;
}

}  // namespace
}  // namespace tavelle::testing
