#pragma once

#include "core/practice/trainee.h"

#include <optional>
#include <string>

namespace tavelle {

// Who practises on this account, as the user's settings keep it (the group "stagiaire" of
// ~/.config/Tavelle/Tavelle.conf); nothing before the first practice asked.
std::optional<Trainee> keptTrainee();
void keepTrainee(const Trainee& trainee);

}  // namespace tavelle
