#pragma once

#include <string_view>

namespace tavelle {

enum class ScreenId { f1, f2, fin, Form2, Lance1, Lance2, Lance3, Don, Dessin, Calculs, Calculs2 };

inline constexpr ScreenId allScreens[] = {ScreenId::f1,     ScreenId::f2,     ScreenId::fin,
                                          ScreenId::Form2,  ScreenId::Lance1, ScreenId::Lance2,
                                          ScreenId::Lance3, ScreenId::Don,    ScreenId::Dessin,
                                          ScreenId::Calculs, ScreenId::Calculs2};

std::string_view screenName(ScreenId screen);

// The fixed window caption; the About box builds its own and the closing screen shows the publisher.
std::string_view screenCaption(ScreenId screen);

}  // namespace tavelle
