#include "shell/navigator.h"

#include "core/screens/entry_screens.h"
#include "core/screens/screen_load.h"
#include "screens/entry_screen.h"
#include "screens/screen_factory.h"
#include "screens/window_placement.h"
#include "shell/message_boxes.h"
#include "shell/outside_destruction.h"
#include "shell/screen_printer.h"

#include <QKeySequence>
#include <QShortcut>
#include <QString>

#include <algorithm>
#include <iterator>
#include <utility>

namespace tavelle {

namespace {

// The windows of an exercise every entry screen accepted: the exercise can be saved from them.
constexpr ScreenId windowsOfAnAcceptedExercise[] = {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs,
                                                    ScreenId::Calculs2};

// The walk-through's own flow: every button where the screen flow says, nothing added.
class WalkThrough final : public NavigationMode {
public:
    ScreenId firstScreen() const override { return ScreenId::f1; }
    std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record) override
    {
        return tavelle::navigate(from, control, record);
    }
    void prepare(ScreenWindow&, const ExerciseRecord&) override {}
};

}  // namespace

Navigator::Navigator(MessageBoxes& messages, ScreenPrinter& printer, std::string decimalSeparator,
                     std::function<void()> endProgram)
    : m_decimalSeparator(std::move(decimalSeparator))
    , m_messages(messages)
    , m_printer(printer)
    , m_endProgram(std::move(endProgram))
    , m_walkThrough(std::make_unique<WalkThrough>())
    , m_mode(m_walkThrough.get())
    , m_saving(messages)
{
}

Navigator::~Navigator()
{
    delete m_current;
}

void Navigator::start()
{
    start(*m_walkThrough);
}

void Navigator::start(NavigationMode& mode)
{
    m_mode = &mode;
    open(mode.firstScreen(), Modality::Modeless);
}

bool Navigator::isCurrent(ScreenId screen) const
{
    return !m_ended && m_current != nullptr && m_current->screenId() == screen;
}

void Navigator::navigateFrom(ScreenId screen, std::string_view control)
{
    if (!isCurrent(screen)) return;
    const std::optional<Navigation> navigation = m_mode->navigate(screen, control, m_record);
    if (!navigation) return;
    if (navigation->kind == Navigation::Kind::EndProgram) {
        endProgram();
        return;
    }
    closeCurrent();
    open(navigation->target, navigation->modality);
}

void Navigator::pressSuite(ScreenId screen)
{
    const auto* entry = qobject_cast<const EntryScreen*>(m_current);
    if (!isCurrent(screen) || entry == nullptr) return;
    ExerciseInput input;
    entry->enterChoices(input);
    for (const EntryList& list : entryLists(screen)) list.choice(m_entered) = list.choice(input);
    const PressOutcome outcome = pressEntryScreen(screen, input, m_record);
    closeCurrent();
    // One box at a time, each waiting for its OK, with no screen behind them.
    for (const std::string& warning : outcome.warnings) m_messages.warning(QString::fromStdString(warning));
    open(outcome.next, Modality::Modal);
}

void Navigator::printScreen(ScreenWindow& screen)
{
    followScreen(screen);
    m_printer.printScreen(screen);
}

void Navigator::showInformation(const QString& title, const QString& text)
{
    m_messages.information(title, text);
}

void Navigator::screenClosedByUser(ScreenId screen)
{
    if (!isCurrent(screen)) return;
    // The window is already closing itself; it only has to go away afterwards.
    std::exchange(m_current, nullptr)->deleteLater();
    endProgram();
}

void Navigator::open(ScreenId screen, Modality modality)
{
    m_current = createScreen(screen, *this).release();
    closeWhenDestroyedOutside(*m_current);
    m_current->showLoad(loadScreen(screen, m_record, m_decimalSeparator));
    m_mode->prepare(*m_current, m_record);
    if (m_screen) {
        // A window takes the screen its place lies on: the place must be there before it is created.
        m_current->setScreen(m_screen);
        centreOnScreen(*m_current, m_screen);
    }
    if (std::ranges::find(windowsOfAnAcceptedExercise, screen) != std::end(windowsOfAnAcceptedExercise)) {
        auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), m_current);
        QObject::connect(save, &QShortcut::activated, m_current, [this] { saveExercise(); });
    }
    m_current->setWindowModality(modality == Modality::Modal ? Qt::ApplicationModal : Qt::NonModal);
    m_current->show();
    m_current->activateWindow();
}

void Navigator::closeCurrent()
{
    if (m_current == nullptr) return;
    // The screen may be inside one of its own handlers: it is deleted once that handler has returned.
    ScreenWindow* screen = std::exchange(m_current, nullptr);
    followScreen(*screen);
    screen->closeForNavigation();
    screen->deleteLater();
}

void Navigator::followScreen(const QWidget& window)
{
    m_screen = window.screen();
    m_messages.placeOn(m_screen);
}

void Navigator::saveExercise()
{
    if (m_current == nullptr) return;
    // The nozzles beyond the count are an earlier exercise's: they are no part of this one.
    ExerciseInput exercise = m_entered;
    if (m_record.nozzleCount < 2) exercise.nozzle2 = {};
    if (m_record.nozzleCount < 3) exercise.nozzle3 = {};
    m_saving.save(*m_current, exercise);
}

void Navigator::endProgram()
{
    closeCurrent();
    m_ended = true;
    if (m_endProgram) m_endProgram();
}

}  // namespace tavelle
