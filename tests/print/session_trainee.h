#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_id.h"
#include "session_choices.h"
#include "session_random.h"

#include <deque>
#include <string>

namespace tavelle::testing {

// One thing a trainee does on the open screen.
struct TraineeAction {
    enum class Kind {
        Choose,  // takes `item` from the list `control`
        Click,  // clicks the button `control`
        Escape,  // presses Escape on the screen
        CloseFrame,  // closes the window through its frame
        DoubleClick,  // double-clicks the label `control`
        ClickPicture,  // clicks the picture `control`
    };
    Kind kind = Kind::Click;
    std::string control;
    std::string item;

    // What was done, without the item: actions with the same key take the same road through the code.
    std::string key() const;
    std::string describe() const;
};

// A trainee working at random, but as a trainee works: on an entry screen the lists of one drawn plan
// are filled in a random order (now and then changing their mind on one), then "Suite >>" is pressed;
// forward buttons are the usual choice elsewhere; going back often goes back several screens;
// "Imprimer", "Quitter", the frame's close button, Escape and the pictures come now and then.
class TraineeModel {
public:
    explicit TraineeModel(SessionRandom& random)
        : m_random(random)
    {
    }

    // A fresh instance of `screen` has opened on `record`.
    void screenOpened(ScreenId screen, const ExerciseRecord& record);
    TraineeAction next(ScreenId screen);

    int longestBackChain() const { return m_longestBackChain; }

private:
    TraineeAction nextOnEntryScreen(ScreenId screen);
    TraineeAction nextOnOtherScreen(ScreenId screen);
    void noteAction(ScreenId screen, const TraineeAction& action);

    SessionRandom& m_random;
    std::deque<ListChoice> m_pending;
    int m_backChain = 0;
    int m_longestBackChain = 0;
};

// The control that goes back one screen, empty on screens without one.
std::string backButton(ScreenId screen);

}  // namespace tavelle::testing
