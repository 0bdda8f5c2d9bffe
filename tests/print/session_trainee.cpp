#include "session_trainee.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace tavelle::testing {

namespace {

using Kind = TraineeAction::Kind;

struct WeightedAction {
    Kind kind;
    const char* control;
    int weight;  // per thousand
};

// A print draws the window at the printer's resolution and runs a job through the print system:
// rare enough for a few dozen in a session of ten thousand actions.
constexpr int printWeight = 40;

constexpr WeightedAction homeActions[] = {
    {Kind::Click, "Command1", 750},    {Kind::Click, "Command3", 170}, {Kind::Click, "Command2", 25},
    {Kind::DoubleClick, "Label3", 25}, {Kind::Escape, "", 15},         {Kind::CloseFrame, "", 15},
};
constexpr WeightedAction aboutActions[] = {
    {Kind::Click, "cmdOK", 750},
    {Kind::Escape, "", 200},
    {Kind::CloseFrame, "", 50},
};
constexpr WeightedAction closingActions[] = {
    {Kind::Click, "Command1", 850},
    {Kind::CloseFrame, "", 120},
    {Kind::Escape, "", 30},
};
constexpr WeightedAction statementActions[] = {
    {Kind::Click, "Command1", 620},         {Kind::Click, "Command3", 150}, {Kind::Click, "Command2", 120},
    {Kind::Click, "Command4", printWeight}, {Kind::Escape, "", 20},         {Kind::CloseFrame, "", 5},
};
constexpr WeightedAction schematicActions[] = {
    {Kind::Click, "Command1", 640},     {Kind::Click, "Command3", 150},
    {Kind::Click, "Command2", 50},      {Kind::Click, "Command4", printWeight},
    {Kind::ClickPicture, "Image1", 25}, {Kind::Escape, "", 20},
    {Kind::CloseFrame, "", 5},
};
constexpr WeightedAction portionAbActions[] = {
    {Kind::Click, "Command1", 600},         {Kind::Click, "Command3", 220}, {Kind::Click, "Command2", 50},
    {Kind::Click, "Command4", printWeight}, {Kind::Escape, "", 20},         {Kind::CloseFrame, "", 5},
};
constexpr WeightedAction finalActions[] = {
    {Kind::Click, "Command1", 600},         {Kind::Click, "Command3", 220}, {Kind::Click, "Command2", 80},
    {Kind::Click, "Command4", printWeight}, {Kind::Escape, "", 20},         {Kind::CloseFrame, "", 5},
};

std::span<const WeightedAction> actionsOf(ScreenId screen)
{
    switch (screen) {
    case ScreenId::f1: return homeActions;
    case ScreenId::f2: return aboutActions;
    case ScreenId::fin: return closingActions;
    case ScreenId::Don: return statementActions;
    case ScreenId::Dessin: return schematicActions;
    case ScreenId::Calculs: return portionAbActions;
    case ScreenId::Calculs2: return finalActions;
    default: return {};
    }
}

// Going back tends to go back further: a trainee checking an earlier screen.
constexpr int keepGoingBackPercent = 60;

}  // namespace

std::string backButton(ScreenId screen)
{
    switch (screen) {
    case ScreenId::Lance1:
    case ScreenId::Lance2:
    case ScreenId::Lance3: return "Command2";
    case ScreenId::Don:
    case ScreenId::Dessin:
    case ScreenId::Calculs:
    case ScreenId::Calculs2: return "Command3";
    default: return {};
    }
}

std::string TraineeAction::key() const
{
    switch (kind) {
    case Kind::Choose: return "choose " + control;
    case Kind::Click: return "click " + control;
    case Kind::Escape: return "Escape";
    case Kind::CloseFrame: return "close through the frame";
    case Kind::DoubleClick: return "double-click " + control;
    case Kind::ClickPicture: return "click picture " + control;
    }
    return {};
}

std::string TraineeAction::describe() const
{
    if (kind != Kind::Choose) return key();
    return item.empty() ? key() + " (nothing)" : key() + " \"" + item + "\"";
}

void TraineeModel::screenOpened(ScreenId screen, const ExerciseRecord& record)
{
    m_pending.clear();
    if (!isEntryScreen(screen)) return;

    std::vector<ListChoice> plan = drawEntryChoices(screen, record, m_random);
    // A list left without a choice is never opened.
    std::erase_if(plan, [](const ListChoice& choice) { return choice.item.empty(); });
    // In any order; Fisher-Yates with the session's own generator, so that a seed replays anywhere.
    for (std::size_t i = plan.size(); i > 1; --i) std::swap(plan[i - 1], plan[m_random.below(i)]);
    const std::span<const EntryList> lists = entryLists(screen);
    for (const ListChoice& choice : plan) {
        if (m_random.percent(15)) {
            const auto list =
                std::find_if(lists.begin(), lists.end(), [&](const EntryList& l) { return choice.list == l.control; });
            m_pending.push_back({choice.list, m_random.pick(list->items)});
        }
        m_pending.push_back(choice);
    }
}

TraineeAction TraineeModel::next(ScreenId screen)
{
    TraineeAction action;
    const std::string back = backButton(screen);
    if (m_backChain > 0 && !back.empty() && m_random.percent(keepGoingBackPercent))
        action = {Kind::Click, back, {}};
    else if (isEntryScreen(screen))
        action = nextOnEntryScreen(screen);
    else
        action = nextOnOtherScreen(screen);
    noteAction(screen, action);
    return action;
}

TraineeAction TraineeModel::nextOnEntryScreen(ScreenId screen)
{
    // Leaving: "<< Retour" on the nozzle screens, "Quitter" on the exercise screen.
    const int leaveWeight = screen == ScreenId::Form2 ? 15 : 35;
    const std::array<int, 4> weights{leaveWeight, 10, 3, 1000 - leaveWeight - 13};
    switch (m_random.weighted(weights)) {
    case 0: return {Kind::Click, "Command2", {}};
    case 1: return {Kind::Escape, {}, {}};
    case 2: return {Kind::CloseFrame, {}, {}};
    default: break;
    }
    if (m_pending.empty()) return {Kind::Click, "Command1", {}};
    const ListChoice choice = m_pending.front();
    m_pending.pop_front();
    return {Kind::Choose, choice.list, choice.item};
}

TraineeAction TraineeModel::nextOnOtherScreen(ScreenId screen)
{
    const std::span<const WeightedAction> actions = actionsOf(screen);
    std::vector<int> weights;
    for (const WeightedAction& action : actions) weights.push_back(action.weight);
    const WeightedAction& drawn = actions[m_random.weighted(weights)];
    return {drawn.kind, drawn.control, {}};
}

void TraineeModel::noteAction(ScreenId screen, const TraineeAction& action)
{
    const bool goesBack = action.kind == Kind::Click && action.control == backButton(screen);
    m_backChain = goesBack ? m_backChain + 1 : 0;
    m_longestBackChain = std::max(m_longestBackChain, m_backChain);
}

}  // namespace tavelle::testing
