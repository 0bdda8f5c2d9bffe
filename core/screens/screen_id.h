#pragma once

#include <string_view>

namespace tavelle {

// The walk-through's eleven screens, then the windows that practice adds: the trainee's answer
// before each calculation screen, and the summary of a finished exercise.
enum class ScreenId {
    f1,
    f2,
    fin,
    Form2,
    Lance1,
    Lance2,
    Lance3,
    Don,
    Dessin,
    Calculs,
    Calculs2,
    QuestionAB,
    QuestionBC,
    Bilan
};

inline constexpr ScreenId allScreens[] = {ScreenId::f1,     ScreenId::f2,      ScreenId::fin,     ScreenId::Form2,
                                          ScreenId::Lance1, ScreenId::Lance2,  ScreenId::Lance3,  ScreenId::Don,
                                          ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2};

inline constexpr ScreenId practiceScreens[] = {ScreenId::QuestionAB, ScreenId::QuestionBC, ScreenId::Bilan};

std::string_view screenName(ScreenId screen);

// The fixed window caption; the About box builds its own and the closing screen shows the publisher.
std::string_view screenCaption(ScreenId screen);

}  // namespace tavelle
