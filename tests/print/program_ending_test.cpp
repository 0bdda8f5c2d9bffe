// The real program, on an X server of the test's own, ended during a print that the print system holds
// up: however it ends, no process of it is left and no page comes out later. The keys go as a trainee's
// would: practice on a set exercise, from its choices to its statement, then Ctrl+P.
#include "private_cups_server.h"

#include "core/screens/screen_id.h"
#include "tests/support/fake_shell.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace tavelle::testing {
namespace {

constexpr xcb_keysym_t returnKey = 0xff0d;
constexpr xcb_keysym_t pKey = 0x70;

// A keyboard on the X server: the keys go to the window that has the focus, as typed ones do.
class Keyboard {
public:
    explicit Keyboard(const QByteArray& display)
        : m_connection(xcb_connect(display.constData(), nullptr))
    {
    }
    ~Keyboard() { xcb_disconnect(m_connection); }
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    bool connected() const { return xcb_connection_has_error(m_connection) == 0; }

    // The title of the window that has the focus, empty when none has.
    QString focusedTitle() const
    {
        const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> focus(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr), &std::free);
        if (!focus) return {};
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> name(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, focus->focus, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256),
                nullptr),
            &std::free);
        if (!name) return {};
        // WM_NAME is in Latin-1, as the X11 standard has it.
        return QString::fromLatin1(static_cast<const char*>(xcb_get_property_value(name.get())),
                                   xcb_get_property_value_length(name.get()));
    }

    void press(xcb_keysym_t key, uint16_t modifiers = 0)
    {
        const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> focus(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr), &std::free);
        if (!focus) return;
        for (const uint8_t type : {uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE)}) {
            xcb_key_press_event_t event{};
            event.response_type = type;
            event.detail = keycode(key);
            event.time = XCB_CURRENT_TIME;
            event.root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
            event.event = focus->focus;
            event.state = modifiers;
            event.same_screen = 1;
            xcb_send_event(m_connection, 0, focus->focus,
                           type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char*>(&event));
        }
        xcb_flush(m_connection);
    }

private:
    xcb_keycode_t keycode(xcb_keysym_t key) const
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
            xcb_get_keyboard_mapping_reply(
                m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, uint8_t(count)), nullptr),
            &std::free);
        if (!mapping) return 0;
        const xcb_keysym_t* keys = xcb_get_keyboard_mapping_keysyms(mapping.get());
        for (int i = 0; i < count; ++i)
            if (keys[i * mapping->keysyms_per_keycode] == key) return xcb_keycode_t(setup->min_keycode + i);
        return 0;
    }

    xcb_connection_t* m_connection;
};

// The print programs run for this test process's print server, wherever their parent is.
int printPrograms()
{
    const QByteArray server = "CUPS_SERVER=" + qgetenv("CUPS_SERVER");
    int found = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile name(QStringLiteral("/proc/%1/comm").arg(entry));
        QFile environment(QStringLiteral("/proc/%1/environ").arg(entry));
        if (!name.open(QIODevice::ReadOnly) || name.readAll().trimmed() != "tavelle-print") continue;
        if (environment.open(QIODevice::ReadOnly) && environment.readAll().split('\0').contains(server)) ++found;
    }
    return found;
}

struct Ending {
    const char* name;
    std::function<void(QProcess& program, QProcess& display)> end;
    // Through the program's own ending, which tells of the print it cancelled.
    bool orderly;
};
void PrintTo(const Ending& ending, std::ostream* out)
{
    *out << ending.name;
}

void signal(QProcess& program, int number)
{
    ::kill(pid_t(program.processId()), number);
}

class ProgramEndingTest : public ::testing::TestWithParam<Ending> {
protected:
    void SetUp() override
    {
        if (geteuid() != 0) GTEST_SKIP() << "the CUPS-PDF backend runs only under a scheduler started as root";
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) GTEST_SKIP() << "no Xvfb";
        ASSERT_TRUE(server().start());
        ASSERT_TRUE(server().reset());
        ASSERT_TRUE(server().addPdfQueue(QStringLiteral("PDF")));
        ASSERT_TRUE(server().setDefaultQueue(QStringLiteral("PDF")));
        // Xvfb takes a free display itself and names it once it accepts connections.
        display.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        ASSERT_TRUE(processEventsUntil([this] { return display.canReadLine(); }, 30000));
        displayName = ":" + display.readLine().trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(displayName));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessEnvironment(environment);
        // Practice on a set exercise: its choices are fixed, and "Suite >>" leads to the statement.
        program.start(QStringLiteral(TAVELLE_PROGRAM_DIR "/tavelle"),
                      {QStringLiteral("--stagiaire"), QStringLiteral("DUPONT Jean"), QStringLiteral("--entrainement"),
                       QStringLiteral(TAVELLE_EXAMPLES_DIR "/two_nozzles.json")});
    }
    void TearDown() override
    {
        for (QProcess* process : {&program, &display}) {
            process->kill();
            process->waitForFinished();
        }
        server().thaw();
    }

    PrivateCupsServer& server() { return privateCupsServer(); }
    bool focusOn(const Keyboard& keys, ScreenId screen)
    {
        const QString caption =
            QString::fromUtf8(screenCaption(screen).data(), qsizetype(screenCaption(screen).size()));
        return processEventsUntil([&] { return keys.focusedTitle() == caption; }, 30000);
    }

    QProcess display;
    QByteArray displayName;
    QProcess program;
};

TEST_P(ProgramEndingTest, DuringAStalledPrintLeavesNoProcessAndNoPage)
{
    Keyboard keys(displayName);
    ASSERT_TRUE(keys.connected());
    for (const ScreenId screen : {ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2}) {
        // In practice each window opens with the focus on the way on.
        ASSERT_TRUE(focusOn(keys, screen)) << screenName(screen);
        keys.press(returnKey);
    }
    ASSERT_TRUE(focusOn(keys, ScreenId::Don));
    server().freeze();
    keys.press(pKey, XCB_MOD_MASK_CONTROL);
    ASSERT_TRUE(processEventsUntil([] { return printPrograms() == 1; }, 30000));

    GetParam().end(program, display);
    ASSERT_TRUE(program.waitForFinished(60000));
    const std::string said = program.readAllStandardError().toStdString();
    if (GetParam().orderly) {
        EXPECT_NE(said.find("cancelled as the program ended"), std::string::npos) << said;
    }
    EXPECT_TRUE(processEventsUntil([] { return printPrograms() == 0; }, 30000));

    server().thaw();
    ASSERT_TRUE(server().waitForJobs());
    EXPECT_TRUE(server().allPrintedFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ProgramEndingTest,
    ::testing::Values(Ending{"Terminated", [](QProcess& program, QProcess&) { signal(program, SIGTERM); }, true},
                      Ending{"HungUp", [](QProcess& program, QProcess&) { signal(program, SIGHUP); }, true},
                      Ending{"DisplayLost", [](QProcess&, QProcess& display) { display.kill(); }, true},
                      Ending{"Killed", [](QProcess& program, QProcess&) { signal(program, SIGKILL); }, false}),
    [](const ::testing::TestParamInfo<Ending>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle::testing
