#pragma once

#include <string>

namespace tavelle {

// The full name the system keeps for the user's account (the password database's comment field, whole:
// "Élise DURAND,Salle 12,,"), empty when it keeps none.
std::string accountFullName();

}  // namespace tavelle
