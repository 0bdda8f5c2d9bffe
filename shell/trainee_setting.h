#pragma once

#include "core/practice/trainee.h"

#include <optional>
#include <string>

namespace tavelle {

// Who practises on this account, as the user's settings keep it (the group "stagiaire" of
// ~/.config/Tavelle/Tavelle.conf); nothing before the first practice asked.
std::optional<Trainee> keptTrainee();
void keepTrainee(const Trainee& trainee);

// The account's full name as the system keeps it (the password database's comment field), may be empty.
std::string accountFullName();

}  // namespace tavelle
