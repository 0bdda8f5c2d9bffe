#include "fake_print_program.h"
#include "printed_page.h"
#include "private_cups_server.h"
#include "session_choices.h"
#include "session_expectations.h"
#include "session_invariants.h"
#include "session_random.h"
#include "session_trainee.h"

#include "core/screens/screen_flow.h"
#include "core/trade/entry_rules.h"
#include "shell/navigator.h"
#include "shell/print_operation.h"
#include "shell/print_program.h"
#include "tests/support/fake_shell.h"
#include "tests/support/screen_probes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavelle::testing {
namespace {

constexpr std::uint64_t fixedSeed = 0x7A7E11E5;
constexpr int defaultActions = 10'000;
// Memory and stack are compared between the first and the last this many actions.
constexpr int comparedActions = 1'000;
constexpr std::string_view decimalSeparator = ",";
const QString pdfQueue = QStringLiteral("PDF");

// TAVELLE_SESSION_SEED replays another session (decimal, or hexadecimal with 0x); TAVELLE_SESSION_ACTIONS
// shortens or lengthens it, e.g. to stop right after a failing action.
std::uint64_t sessionSeed()
{
    const char* text = std::getenv("TAVELLE_SESSION_SEED");
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fixedSeed;
}

int sessionActions()
{
    const char* text = std::getenv("TAVELLE_SESSION_ACTIONS");
    const int actions = text != nullptr ? std::atoi(text) : 0;
    return actions > 0 ? actions : defaultActions;
}

// One launch of the application: its navigator with a record all zero, the print operation, the navigation.
struct ProgramRun {
    ProgramRun(MessageBoxes& messages, const QString& printProgram, std::function<void()> ended)
        : printing(messages, printProgram)
        , navigator(messages, printing, std::string(decimalSeparator), std::move(ended))
    {
    }

    PrintOperation printing;
    Navigator navigator;
};

// What an action must lead to, worked out from the core before the action is taken.
struct Expectation {
    bool programEnds = false;
    ScreenId screen = ScreenId::f1;
    bool opens = false;  // a fresh instance of `screen` replaces the one acted on
    Modality modality = Modality::Modeless;
    bool prints = false;
    std::vector<std::string> warnings;
    int informations = 0;
    ExerciseRecord record;  // after the action and the load of the screen it opens
    std::optional<int> nozzlesEntered;  // an accepted "Suite >>": the entry invariants hold up to there
    std::map<std::string, ExpectedControl> controls;  // of a result screen it opens
};

int nozzlesEnteredThrough(ScreenId entryScreen)
{
    switch (entryScreen) {
    case ScreenId::Lance1: return 1;
    case ScreenId::Lance2: return 2;
    case ScreenId::Lance3: return 3;
    default: return 0;
    }
}

std::vector<std::pair<std::string, std::string>> fieldTexts(const ExerciseRecord& record)
{
    std::vector<std::pair<std::string, std::string>> fields;
    forEachField(record, [&](const char* name, const auto& value) {
        std::ostringstream text;
        text << std::setprecision(9);
        if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>)
            text << +value;
        else
            text << value;
        fields.emplace_back(name, text.str());
    });
    return fields;
}

::testing::AssertionResult sameRecord(const ExerciseRecord& actual, const ExerciseRecord& expected)
{
    if (actual == expected) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "the record differs:";
    const auto actualFields = fieldTexts(actual);
    const auto expectedFields = fieldTexts(expected);
    for (std::size_t i = 0; i < actualFields.size(); ++i) {
        if (actualFields[i].second != expectedFields[i].second)
            failure << ' ' << actualFields[i].first << " is " << actualFields[i].second << ", expected "
                    << expectedFields[i].second << ';';
    }
    return failure;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

void sendKey(QWidget& screen, int key)
{
    // To the control that has the focus, as a key of the keyboard goes; the screen gets what it leaves.
    QWidget* target = screen.focusWidget() != nullptr ? screen.focusWidget() : &screen;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButtons buttons)
{
    const QPointF centre = QRectF(target.rect()).center();
    QMouseEvent event(type, centre, target.mapToGlobal(centre), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

// Ten thousand actions of a trainee at random, through the real windows and a real print system: after
// each, exactly the screen the navigation table names is open, the record holds what the entry rules
// and the loads make of it, and the result screens show what the core computes; over the session
// neither memory nor the stack grows. When the program ends ("Quittez", "Quitter" on the schematic, a
// window closed through its frame) the session launches it again, with a new record as a new launch
// has: the record lives for one run of the program and nothing of it is kept between runs.
class RandomSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The CUPS-PDF backend runs only under a scheduler started as root.
        if (geteuid() == 0 && server().start() && server().reset() && server().addPdfQueue(pdfQueue) &&
            server().setDefaultQueue(pdfQueue)) {
            m_printProgram = printProgramFile(QStringLiteral(TAVELLE_PROGRAM_DIR));
        } else {
            std::cout << "The private print server cannot run here: the session prints through a fake print program"
                      << std::endl;
            m_printProgram = writeFakePrintProgram(m_fakeFolder.path(), fakeAnswerPrinted(pdfQueue.toUtf8()));
            ASSERT_FALSE(m_printProgram.isEmpty());
            m_fake = true;
        }
        // The style keeps button pictures keyed by palette and forgets stale keys only every thirty
        // seconds; without the cache only the application's own memory is measured.
        m_pixmapCacheLimit = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(0);
        qApp->installEventFilter(&m_probe);
        m_prepared = true;
    }

    void TearDown() override
    {
        if (!m_prepared) return;
        m_program.reset();
        flushClosedScreens();
        qApp->removeEventFilter(&m_probe);
        QPixmapCache::setCacheLimit(m_pixmapCacheLimit);
    }

    static PrivateCupsServer& server() { return privateCupsServer(); }
    const ExerciseRecord& record() const { return m_program->navigator.record(); }
    Navigator& navigator() { return m_program->navigator; }

    void run()
    {
        watchForNestedLoops();
        launch();
        ASSERT_FALSE(HasFailure());
        QMetaObject::invokeMethod(
            &m_loop, [this] { drive(); }, Qt::QueuedConnection);
        m_loop.exec();
    }

    void launch()
    {
        m_probe.setAction("start");
        m_ended = false;
        m_program = std::make_unique<ProgramRun>(m_messages, m_printProgram, [this] {
            m_ended = true;
            ++m_programEnds;
        });
        navigator().start();
        flushClosedScreens();
        EXPECT_EQ(visibleScreenCount(), 1);
        EXPECT_EQ(liveScreenCount(), 1);
        ScreenWindow* home = navigator().currentScreen();
        ASSERT_NE(home, nullptr);
        EXPECT_EQ(home->screenId(), ScreenId::f1);
        EXPECT_TRUE(home->isVisible());
        EXPECT_EQ(home->windowModality(), Qt::NonModal);
        EXPECT_TRUE(sameRecord(record(), ExerciseRecord{}));
        m_chosen.clear();
        m_trainee.screenOpened(ScreenId::f1, record());
    }

    // Each action runs from the event loop, queued by the one before once that one has returned.
    void drive()
    {
        const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
        if (m_step == 0) m_driverFrame = frame;
        if (frame != m_driverFrame)
            ADD_FAILURE() << replayHint() << ": the session's own stack grew by "
                          << std::intptr_t(m_driverFrame - frame) << " bytes";
        if (m_step == 0 || m_step == m_actions - comparedActions) m_probe.clearDepths();
        if (m_pendingPrint) {
            // A print ends in the event loop, when the print system has answered: the action is checked then.
            if (m_program->printing.isPrinting()) {
                QMetaObject::invokeMethod(
                    &m_loop, [this] { drive(); }, Qt::QueuedConnection);
                return;
            }
            SCOPED_TRACE(replayHint());
            const PendingPrint pending = *std::exchange(m_pendingPrint, std::nullopt);
            SCOPED_TRACE(pending.what);
            completeAction(pending.expected, pending.before);
        } else {
            SCOPED_TRACE(replayHint());
            // Due at once, the watch fires inside the action only if the action runs an event loop of its
            // own: a navigation inside the one before, which would otherwise wait for ever.
            m_acting = true;
            m_nestedLoopWatch.start(0);
            act();
            m_acting = false;
            if (m_pendingPrint) {
                QMetaObject::invokeMethod(
                    &m_loop, [this] { drive(); }, Qt::QueuedConnection);
                return;
            }
        }
        ++m_step;
        if (m_step == comparedActions) m_firstDepths = m_probe.deepestShows();
        if (m_step >= comparedActions && !m_firstMemory && onHomeScreen()) m_firstMemory = sampleMemory();
        if (HasFailure() || m_step == m_actions) {
            finish();
            return;
        }
        QMetaObject::invokeMethod(
            &m_loop, [this] { drive(); }, Qt::QueuedConnection);
    }

    void watchForNestedLoops()
    {
        m_nestedLoopWatch.setSingleShot(true);
        QObject::connect(&m_nestedLoopWatch, &QTimer::timeout, [this] {
            if (!m_acting) return;
            ADD_FAILURE() << replayHint() << ": the action runs an event loop of its own";
            // A screen running its own event loop leaves it once hidden.
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (qobject_cast<ScreenWindow*>(widget) != nullptr) widget->hide();
        });
    }

    void finish()
    {
        m_lastDepths = m_probe.deepestShows();
        if (HasFailure()) reportLastActions();
        m_loop.quit();
    }

    bool onHomeScreen()
    {
        const ScreenWindow* screen = m_ended ? nullptr : navigator().currentScreen();
        return screen != nullptr && screen->screenId() == ScreenId::f1;
    }

    // The trainee leaves through the window's frame and the program is launched again: memory is
    // compared on the home screen, since a screen in use holds memory of its own (an entry screen holds
    // several hundred kilobytes more once an item has been chosen on it).
    void leaveAndMeasure()
    {
        SCOPED_TRACE("leaving after the session");
        ScreenWindow* screen = navigator().currentScreen();
        ASSERT_NE(screen, nullptr);
        screen->close();
        flushClosedScreens();
        ASSERT_TRUE(m_ended);
        launch();
        ASSERT_TRUE(onHomeScreen());
        m_lastMemory = sampleMemory();
    }

    std::string replayHint() const
    {
        std::ostringstream hint;
        hint << "seed " << m_seed << ", action " << m_step + 1 << " of " << m_actions
             << " (replay with TAVELLE_SESSION_SEED=" << m_seed << " TAVELLE_SESSION_ACTIONS=" << m_step + 1 << ')';
        return hint.str();
    }

    void reportLastActions() const
    {
        std::cout << "Session seed " << m_seed << " failed; the last actions were:";
        for (const std::string& action : m_history) std::cout << "\n  " << action;
        std::cout << std::endl;
    }

    void act()
    {
        ScreenWindow* screen = navigator().currentScreen();
        ASSERT_NE(screen, nullptr);
        const ScreenId id = screen->screenId();
        const TraineeAction action = m_trainee.next(id);
        const std::string what = std::string(screenName(id)) + ": " + action.describe();
        SCOPED_TRACE(what);
        m_history.push_back(std::to_string(m_step + 1) + ' ' + what);
        if (m_history.size() > 12) m_history.pop_front();
        m_probe.setAction(std::string(screenName(id)) + ": " + action.key());

        const Expectation expected = expect(id, action);
        const QPointer<ScreenWindow> before = screen;
        m_messages.shown.clear();
        perform(*screen, action);
        if (m_program->printing.isPrinting()) {
            m_pendingPrint = PendingPrint{expected, before, what};
            return;
        }
        completeAction(expected, before);
    }

    void completeAction(const Expectation& expected, const QPointer<ScreenWindow>& before)
    {
        flushClosedScreens();
        check(expected, before);
        if (HasFailure()) return;

        if (expected.programEnds) {
            launch();
        } else if (expected.opens) {
            m_chosen.clear();
            m_trainee.screenOpened(expected.screen, record());
        }
    }

    Expectation expect(ScreenId screen, const TraineeAction& action)
    {
        Expectation expected;
        expected.screen = screen;
        expected.record = record();
        switch (action.kind) {
        case TraineeAction::Kind::Choose: break;
        case TraineeAction::Kind::DoubleClick:
        case TraineeAction::Kind::ClickPicture: expected.informations = 1; break;
        case TraineeAction::Kind::CloseFrame: expected.programEnds = true; break;
        case TraineeAction::Kind::Escape:
            // The About box's OK is also its cancel button; elsewhere Escape does nothing.
            if (screen == ScreenId::f2) expectNavigation(expected, screen, "cmdOK");
            break;
        case TraineeAction::Kind::Click:
            if (isEntryScreen(screen) && action.control == "Command1")
                expectSuite(expected, screen);
            else
                expectNavigation(expected, screen, action.control);
            break;
        }
        return expected;
    }

    void expectSuite(Expectation& expected, ScreenId screen)
    {
        const PressOutcome outcome = pressSuite(screen, m_chosen, expected.record);
        expected.warnings = outcome.warnings;
        if (outcome.accepted) expected.nozzlesEntered = nozzlesEnteredThrough(screen);
        expectOpening(expected, outcome.next, Modality::Modal);
    }

    void expectNavigation(Expectation& expected, ScreenId screen, std::string_view control)
    {
        const std::optional<Navigation> navigation = navigate(screen, control, expected.record);
        if (!navigation) {
            expected.prints = control == "Command4" && isResultScreen(screen);
            return;
        }
        if (navigation->kind == Navigation::Kind::EndProgram) {
            expected.programEnds = true;
            return;
        }
        expectOpening(expected, navigation->target, navigation->modality);
    }

    static void expectOpening(Expectation& expected, ScreenId screen, Modality modality)
    {
        expected.screen = screen;
        expected.opens = true;
        expected.modality = modality;
        if (!isResultScreen(screen)) return;
        // The load works from the record as it is when the screen opens.
        ExpectedLoad load = expectedLoad(screen, expected.record, decimalSeparator);
        expected.controls = std::move(load.controls);
        expected.record = std::move(load.record);
    }

    void perform(ScreenWindow& screen, const TraineeAction& action)
    {
        const QString control = QString::fromStdString(action.control);
        switch (action.kind) {
        case TraineeAction::Kind::Choose: {
            auto* list = screen.findChild<QComboBox*>(control);
            ASSERT_NE(list, nullptr);
            const int index =
                list->findText(QString::fromStdString(action.item), Qt::MatchExactly | Qt::MatchCaseSensitive);
            ASSERT_GE(index, 0);
            list->setCurrentIndex(index);
            m_chosen[action.control] = action.item;
            break;
        }
        case TraineeAction::Kind::Click: {
            auto* button = screen.findChild<QPushButton*>(control);
            ASSERT_NE(button, nullptr);
            ASSERT_TRUE(button->isVisible());
            button->click();
            break;
        }
        case TraineeAction::Kind::Escape: sendKey(screen, Qt::Key_Escape); break;
        case TraineeAction::Kind::CloseFrame: screen.close(); break;
        case TraineeAction::Kind::DoubleClick: {
            auto* label = screen.findChild<QLabel*>(control);
            ASSERT_NE(label, nullptr);
            sendMouse(*label, QEvent::MouseButtonDblClick, Qt::LeftButton);
            break;
        }
        case TraineeAction::Kind::ClickPicture: {
            auto* picture = screen.findChild<QLabel*>(control);
            ASSERT_NE(picture, nullptr);
            sendMouse(*picture, QEvent::MouseButtonPress, Qt::LeftButton);
            sendMouse(*picture, QEvent::MouseButtonRelease, Qt::NoButton);
            break;
        }
        }
    }

    void check(const Expectation& expected, const QPointer<ScreenWindow>& before)
    {
        const std::vector<std::string> warnings = m_messages.warningTexts();
        EXPECT_EQ(warnings, expected.warnings);
        for (const ShownBox& box : m_messages.shown) {
            if (box.kind == ShownBox::Kind::Warning) {
                EXPECT_EQ(box.screensBehind, 0) << "a warning was shown over a screen: " << box.text.toStdString();
            }
        }
        EXPECT_EQ(m_messages.texts(ShownBox::Kind::Information).size(), std::size_t(expected.informations));
        EXPECT_TRUE(m_messages.texts(ShownBox::Kind::Plain).empty())
            << "a message box said: " << joined(m_messages.texts(ShownBox::Kind::Plain));
        EXPECT_TRUE(sameRecord(record(), expected.record));
        m_warningsShown += static_cast<int>(warnings.size());

        if (expected.programEnds) {
            EXPECT_TRUE(m_ended) << "the program did not end";
            EXPECT_EQ(navigator().currentScreen(), nullptr);
            EXPECT_TRUE(before.isNull()) << "the last screen was not destroyed";
            EXPECT_EQ(visibleScreenCount(), 0);
            EXPECT_EQ(liveScreenCount(), 0);
            return;
        }
        ASSERT_FALSE(m_ended) << "the program ended";
        ScreenWindow* now = navigator().currentScreen();
        ASSERT_NE(now, nullptr) << "no current screen";
        EXPECT_EQ(visibleScreenCount(), 1) << "screens open";
        EXPECT_EQ(liveScreenCount(), 1) << "screens in memory";
        EXPECT_TRUE(now->isVisible());
        ASSERT_EQ(screenName(now->screenId()), screenName(expected.screen));
        EXPECT_EQ(now->objectName().toStdString(), screenName(expected.screen));

        if (expected.opens) {
            EXPECT_TRUE(before.isNull()) << "the screen left is still in memory";
            EXPECT_EQ(now->windowModality(),
                      expected.modality == Modality::Modal ? Qt::ApplicationModal : Qt::NonModal);
            if (isEntryScreen(expected.screen)) expectFreshLists(*now);
            if (isResultScreen(expected.screen)) expectControls(*now, expected.controls);
        } else {
            EXPECT_EQ(before.data(), now) << "the screen was replaced";
        }
        if (expected.prints) {
            ++m_prints;
            expectButtonsShown(*now);
        }
        if (expected.nozzlesEntered) {
            EXPECT_EQ(entryInvariantBreaches(record(), *expected.nozzlesEntered), std::vector<std::string>{});
            if (expected.screen == ScreenId::Don) ++m_exercisesEntered;
        }
        // The result screens open only on a whole exercise that the entry rules accepted.
        if (isResultScreen(expected.screen)) {
            EXPECT_EQ(entryInvariantBreaches(record(), record().nozzleCount), std::vector<std::string>{});
        }
    }

    static void expectFreshLists(ScreenWindow& screen)
    {
        for (const EntryList& list : entryLists(screen.screenId())) {
            const auto* combo = screen.findChild<QComboBox*>(QString::fromStdString(std::string(list.control)));
            ASSERT_NE(combo, nullptr) << list.control;
            EXPECT_EQ(combo->currentIndex(), -1) << list.control << " is not empty";
            EXPECT_EQ(combo->count(), static_cast<int>(list.items.size())) << list.control;
        }
    }

    static void expectControls(ScreenWindow& screen, const std::map<std::string, ExpectedControl>& controls)
    {
        for (const auto& [name, control] : controls) {
            auto* widget = screen.findChild<QWidget*>(QString::fromStdString(name));
            ASSERT_NE(widget, nullptr) << name;
            if (control.text) {
                auto* label = qobject_cast<QLabel*>(widget);
                ASSERT_NE(label, nullptr) << name << " is not a label";
                EXPECT_EQ(label->text().toStdString(), *control.text) << name;
            }
            if (control.visible) {
                EXPECT_EQ(widget->isVisibleTo(&screen), *control.visible) << name;
            }
        }
        // A label still showing its design caption, its own name, was missed by the load.
        for (QLabel* label : screen.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&screen) && label->text() == label->objectName())
                ADD_FAILURE() << label->objectName().toStdString() << " kept its design caption";
        }
    }

    static void expectButtonsShown(ScreenWindow& screen)
    {
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
            const auto* button = screen.findChild<QPushButton*>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(button->isVisible()) << name << " stayed hidden after printing";
        }
    }

    std::string summary() const
    {
        std::ostringstream line;
        line << "Session seed " << m_seed << ", " << m_step << " actions; screens shown:";
        for (ScreenId screen : allScreens) {
            const auto shown = m_probe.shows().find(std::string(screenName(screen)));
            line << ' ' << screenName(screen) << ' ' << (shown == m_probe.shows().end() ? 0 : shown->second);
        }
        line << "; " << m_exercisesEntered << " exercises entered, " << m_warningsShown << " warnings, " << m_prints
             << " prints, " << m_programEnds << " program ends, longest \"<< Retour\" chain "
             << m_trainee.longestBackChain();
        return line.str();
    }

    const std::uint64_t m_seed = sessionSeed();
    const int m_actions = sessionActions();
    SessionRandom m_random{m_seed};
    TraineeModel m_trainee{m_random};

    RecordingMessageBoxes m_messages;
    // The print program, printing on the private print server's PDF queue, or a fake one where that
    // server cannot run.
    QString m_printProgram;
    QTemporaryDir m_fakeFolder;
    bool m_fake = false;
    std::unique_ptr<ProgramRun> m_program;
    bool m_ended = false;
    ChosenItems m_chosen;  // on the open entry screen

    QEventLoop m_loop;
    QTimer m_nestedLoopWatch;
    bool m_acting = false;
    // An action that started a print, checked once the print has ended.
    struct PendingPrint {
        Expectation expected;
        QPointer<ScreenWindow> before;
        std::string what;
    };
    std::optional<PendingPrint> m_pendingPrint;
    ScreenShowProbe m_probe;
    std::uintptr_t m_driverFrame = 0;
    int m_step = 0;
    std::deque<std::string> m_history;

    std::map<std::string, std::uintptr_t> m_firstDepths;
    std::map<std::string, std::uintptr_t> m_lastDepths;
    std::optional<MemorySample> m_firstMemory;  // on the first home screen from the thousandth action on
    MemorySample m_lastMemory;

    int m_programEnds = 0;
    int m_prints = 0;
    int m_exercisesEntered = 0;
    int m_warningsShown = 0;
    int m_pixmapCacheLimit = 0;
    bool m_prepared = false;
};

TEST_F(RandomSession, EveryActionLeadsWhereTheFlowSaysAndNothingGrows)
{
    run();
    flushClosedScreens();
    std::cout << summary() << std::endl;
    RecordProperty("summary", summary());
    if (HasFailure()) return;
    ASSERT_EQ(m_step, m_actions);

    // Every print that reported no failure became a one-page PDF.
    if (m_fake) {
        QFile printed(m_printProgram + QStringLiteral(".printed"));
        const QByteArray lines = printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
        EXPECT_EQ(lines.count('\n'), m_prints);
    } else {
        ASSERT_TRUE(server().waitForJobs());
        const QStringList files = server().printedFiles(pdfQueue);
        EXPECT_EQ(files.size(), m_prints);
        for (const QString& file : files) EXPECT_EQ(pdfPageCount(file), 1) << file.toStdString();
    }

    leaveAndMeasure();
    if (m_actions < 2 * comparedActions) {
        std::cout << "Memory and stack are compared in sessions of " << 2 * comparedActions << " actions or more"
                  << std::endl;
        return;
    }

    // The same action shows its screen from the same depth at the end as at the start.
    for (const auto& [action, depth] : m_firstDepths) {
        const auto last = m_lastDepths.find(action);
        if (last == m_lastDepths.end()) continue;
        EXPECT_EQ(last->second, depth) << action << ": the stack is " << std::intptr_t(depth - last->second)
                                       << " bytes deeper";
    }

    ASSERT_TRUE(m_firstMemory.has_value()) << "the home screen never opened after action " << comparedActions;
    const MemorySample& first = *m_firstMemory;
    const long heapGrowth = m_lastMemory.heap - first.heap;
    const long residentGrowth = m_lastMemory.resident - first.resident;
    RecordProperty("heap_kib_first", static_cast<int>(first.heap / 1024));
    RecordProperty("heap_kib_last", static_cast<int>(m_lastMemory.heap / 1024));
    std::cout << "On the home screen: heap " << first.heap / 1024 << " KiB from action " << comparedActions << " on, "
              << m_lastMemory.heap / 1024 << " KiB at the end; resident " << first.resident / 1024 << " KiB, then "
              << m_lastMemory.resident / 1024 << " KiB" << std::endl;
    // A screen left behind would cost kilobytes at each navigation.
    EXPECT_LT(heapGrowth, 256L * 1024) << "heap grew by " << heapGrowth / 1024 << " KiB";
    if (residentSizeIsMeaningful) {
        EXPECT_LT(residentGrowth, 2L * 1024 * 1024) << "resident memory grew by " << residentGrowth / 1024 << " KiB";
    }
}

}  // namespace
}  // namespace tavelle::testing
