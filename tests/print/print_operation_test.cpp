#include "screens/screen_window.h"
#include "shell/print_module.h"
#include "shell/print_operation.h"
#include "tests/support/fake_shell.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
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
    void showWindow()
    {
        m_host = std::make_unique<RecordingHost>(&operation());
        window = std::make_unique<PrintableWindow>(*m_host);
        window->show();
        window->log.events.clear();
    }
    PrintOperation& operation()
    {
        if (!m_operation) m_operation = std::make_unique<PrintOperation>(messages, printers);
        return *m_operation;
    }
    // A print ends in the event loop, once the print system has answered.
    void pressPrint()
    {
        window->button(QStringLiteral("Command4"))->click();
        ASSERT_TRUE(processEventsUntil([this] { return !operation().isPrinting(); }));
    }

    FakePrinterSystem printers;
    RecordingMessageBoxes messages;

private:
    std::unique_ptr<PrintOperation> m_operation;
    std::unique_ptr<RecordingHost> m_host;

protected:
    std::unique_ptr<PrintableWindow> window;
};

const QStringList hiddenThenShown = {
    QStringLiteral("hide Command1"), QStringLiteral("hide Command2"), QStringLiteral("hide Command3"),
    QStringLiteral("hide Command4"), QStringLiteral("show Command1"), QStringLiteral("show Command2"),
    QStringLiteral("show Command3"), QStringLiteral("show Command4")};

TEST_F(PrintOperationTest, PrintsWithoutTheButtonsAndBringsThemBackInOrder)
{
    printers.printers = {{"Bureau", true}};
    showWindow();
    bool hiddenWhilePrinting = false;
    printers.whilePrinting = [&] { hiddenWhilePrinting = window->buttonsVisible(false); };

    pressPrint();

    EXPECT_EQ(printers.printedOn, std::vector<std::string>{"Bureau"});
    EXPECT_TRUE(hiddenWhilePrinting);
    EXPECT_EQ(window->log.events, hiddenThenShown);
    EXPECT_TRUE(window->buttonsVisible(true));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintOperationTest, OnlyTheFourButtonsChange)
{
    printers.printers = {{"Bureau", true}};
    showWindow();
    window->button(QStringLiteral("Command2"))->hide();

    pressPrint();

    EXPECT_TRUE(window->buttonsVisible(true));
    EXPECT_TRUE(window->title->isVisible());
    EXPECT_FALSE(window->hidden->isVisible());
    EXPECT_EQ(window->title->text(), QStringLiteral("Données du problème :"));
}

TEST_F(PrintOperationTest, RefusedPrintShowsTheMessageBeforeTheButtonsComeBack)
{
    printers.printers = {{"Bureau", true}};
    printers.succeeds = false;
    showWindow();
    bool hiddenWhileShown = false;
    messages.whileShown = [&] { hiddenWhileShown = window->buttonsVisible(false); };

    pressPrint();

    const std::vector<ShownBox> expected = {
        {ShownBox::Kind::Plain, QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer")}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_TRUE(hiddenWhileShown);
    EXPECT_EQ(window->log.events, hiddenThenShown);
    EXPECT_TRUE(window->buttonsVisible(true));
}

TEST_F(PrintOperationTest, NoPrinterInstalledShowsTheMessageWithoutPrinting)
{
    showWindow();

    pressPrint();

    EXPECT_TRUE(printers.printedOn.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Impossible d'imprimer"));
    EXPECT_TRUE(window->buttonsVisible(true));
}

TEST_F(PrintOperationTest, EachPrintMakesTheDefaultPrinterOfThatMomentCurrent)
{
    printers.printers = {{"Atelier", false}, {"Bureau", true}};
    showWindow();
    operation().noteSystemDefault("Atelier");  // the default at start-up, changed since
    EXPECT_EQ(printers.enumerations, 0) << "the printers were looked up before the first print";

    pressPrint();
    printers.printers = {{"Atelier", true}, {"Bureau", false}};
    pressPrint();
    printers.printers = {{"Atelier", true}, {"Bureau", false}, {"Salle", true}};
    pressPrint();

    EXPECT_EQ(printers.printedOn, (std::vector<std::string>{"Bureau", "Atelier", "Salle"}));
    EXPECT_EQ(operation().currentPrinter(), "Salle");
    EXPECT_EQ(printers.enumerations, 3);
}

TEST_F(PrintOperationTest, TheDefaultNotedAtStartUpStaysWhenAPrintFindsNone)
{
    printers.printers = {{"Atelier", false}, {"Bureau", false}};
    showWindow();
    operation().noteSystemDefault("Bureau");

    pressPrint();

    EXPECT_EQ(printers.printedOn, std::vector<std::string>{"Bureau"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintOperationTest, AStartUpAnswerAfterAPrintChangesNothing)
{
    printers.printers = {{"Atelier", true}, {"Bureau", false}};
    showWindow();
    pressPrint();

    operation().noteSystemDefault("Bureau");
    printers.printers = {{"Atelier", false}, {"Bureau", false}};
    pressPrint();

    EXPECT_EQ(printers.printedOn, (std::vector<std::string>{"Atelier", "Atelier"}));
}

TEST_F(PrintOperationTest, WithoutDefaultPrinterTheCurrentOneStays)
{
    printers.printers = {{"Atelier", false}, {"Bureau", true}};
    showWindow();
    pressPrint();

    printers.printers = {{"Atelier", false}, {"Bureau", false}};
    pressPrint();
    printers.printers = {};
    printers.succeeds = false;
    pressPrint();

    EXPECT_EQ(printers.printedOn, (std::vector<std::string>{"Bureau", "Bureau", "Bureau"}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(PrintOperationTest, WithoutAnyDefaultPrinterSinceStartNothingIsPrinted)
{
    printers.printers = {{"Atelier", false}, {"Bureau", false}};
    showWindow();
    EXPECT_EQ(operation().currentPrinter(), "");

    pressPrint();

    EXPECT_TRUE(printers.printedOn.empty());
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(window->buttonsVisible(true));
}

TEST_F(PrintOperationTest, ThePressedButtonGetsItsFocusBack)
{
    printers.printers = {{"Bureau", true}};
    showWindow();
    QApplication::setActiveWindow(window.get());
    window->button(QStringLiteral("Command4"))->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->button(QStringLiteral("Command4")));

    QWidget* focusWhilePrinting = nullptr;
    printers.whilePrinting = [&] { focusWhilePrinting = QApplication::focusWidget(); };

    pressPrint();

    EXPECT_EQ(focusWhilePrinting, window->list);
    EXPECT_EQ(QApplication::focusWidget(), window->button(QStringLiteral("Command4")));
}

// The application's own module, changed as a bad copy or a bad build would change it.
QByteArray printModuleBytes(const std::function<void(QByteArray&)>& change)
{
    QFile file(printModuleFile(QStringLiteral(TAVELLE_PROGRAM_DIR)));
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!bytes.isEmpty()) change(bytes);
    return bytes;
}

struct BrokenModule {
    const char* name;
    std::function<QByteArray()> content;  // none: there is no file
    const char* reason;
};
void PrintTo(const BrokenModule& module, std::ostream* out) { *out << module.name; }

class PrintModuleTest : public ::testing::TestWithParam<BrokenModule> {};

TEST_P(PrintModuleTest, OneThatDoesNotLoadFailsThePrintAndSaysWhyInOneLine)
{
    const BrokenModule& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("libtavelle_print.so"));
    if (c.content) {
        const QByteArray content = c.content();
        ASSERT_FALSE(content.isEmpty());
        ASSERT_TRUE(writeTestFile(file, content));
    }
    ModulePrinterSystem printers(file);
    RecordingMessageBoxes messages;
    PrintOperation operation(messages, printers);
    operation.noteSystemDefault("Bureau");
    RecordingHost host(&operation);
    PrintableWindow window(host);
    window.show();

    ::testing::internal::CaptureStderr();
    window.button(QStringLiteral("Command4"))->click();
    ASSERT_TRUE(processEventsUntil([&operation] { return !operation.isPrinting(); }));
    const std::string said = ::testing::internal::GetCapturedStderr();

    const std::vector<ShownBox> expected = {
        {ShownBox::Kind::Plain, QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer")}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_TRUE(window.buttonsVisible(true));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("print module " + file.toStdString()), std::string::npos) << said;
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(
    Modules, PrintModuleTest,
    ::testing::Values(
        BrokenModule{"Missing", nullptr, "no such file"},
        BrokenModule{"NoLibrary", [] { return QByteArray("This is a text, of more than the sixty-four bytes of an ELF header.\n"); },
                     "invalid ELF header"},
        BrokenModule{"Truncated", [] { return printModuleBytes([](QByteArray& bytes) { bytes.truncate(8000); }); },
                     "truncated: 8000 bytes"},
        BrokenModule{"AnotherMachine",
                     [] {
                         return printModuleBytes([](QByteArray& bytes) {
                             char* field = bytes.data() + offsetof(ElfW(Ehdr), e_machine);
                             quint16 machine = 0;
                             std::memcpy(&machine, field, sizeof machine);
                             machine = machine == EM_AARCH64 ? EM_X86_64 : EM_AARCH64;
                             std::memcpy(field, &machine, sizeof machine);
                         });
                     },
                     "made for another machine"},
        BrokenModule{"WithoutEntryPoint",
                     [] {
                         return printModuleBytes([](QByteArray& bytes) {
                             bytes.replace("tavelle_create_printer_system", "tavelle_create_printer_systex");
                         });
                     },
                     "no entry point tavelle_create_printer_system"}),
    [](const ::testing::TestParamInfo<BrokenModule>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle::testing
