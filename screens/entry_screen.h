#pragma once

#include "core/screens/entry_screens.h"
#include "screens/screen_window.h"

#include <utility>
#include <vector>

namespace tavelle {

// The entry screens share one look: a larger bold title, rows of a wrapped label and its list,
// and "Suite >>" at the bottom right beside the button that leaves.
class EntryScreen : public ScreenWindow {
    Q_OBJECT
public:
    using ScreenWindow::ScreenWindow;

    // Writes the current text of each of the screen's lists (empty when none is chosen) into the input.
    void enterChoices(ExerciseInput& input) const;
    // Selects on each list the input's choice for it (in practice, the exercise the trainee is given);
    // a choice the list does not offer leaves it empty.
    void showChoices(const ExerciseInput& input);
    // Shows the input's choices for good: in practice the exercise is set, and the lists cannot change it;
    // they are read as easily as lists that can.
    void fixChoices(const ExerciseInput& input);

protected:
    static constexpr int listHeight = 22;
    static constexpr int buttonWidth = 100;
    static constexpr int buttonHeight = 30;

    void addTitle(const char* name, const QString& text);
    // A label on the left and its list; the label wraps and centres vertically on the list.
    QComboBox* addRow(const char* labelName, const QString& text, QRect labelRect, const char* listName,
                      QRect listRect);
    // The sentence end of a slope row: "de" [percent] "%", right of the kind's list, the row added last.
    QComboBox* addSlopePercent(const char* ofName, const char* listName, const char* percentName, int left, int top);
    // The leaving button, then "Suite >>" on its right ending at `right`.
    void addButtons(const char* leaveName, const QString& leaveCaption, int right, int top);

private:
    // A list of the screen's entry table, with its items.
    QComboBox* addEntryList(const char* name, QRect rect);

    std::vector<std::pair<const EntryList*, QComboBox*>> m_lists;
    QString m_lastRowLabel;
};

}  // namespace tavelle
