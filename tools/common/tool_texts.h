#pragma once

#include "core/text/wording.h"

namespace tavelle {

// The words the tools share, in both languages (core/text/wording.h).
inline constexpr Wording kUsageLabel{"Usage:", "Utilisation :"};
inline constexpr Wording kHelpOption{"Displays help on commandline options.", "Afficher cette aide."};
inline constexpr Wording kVersionOption{"Displays version information.", "Afficher la version."};
inline constexpr Wording kHelpAdvice{"; run {program} --help for usage", " ; lancez {program} --help pour l'usage"};
inline constexpr Wording kUnknownOption{"unknown option \"{option}\"", "option inconnue \"{option}\""};
inline constexpr Wording kWholeNumber{"option {option} takes a whole number, not \"{value}\"",
                                      "l'option {option} attend un nombre entier, pas \"{value}\""};
inline constexpr Wording kOnlyOneFile{"only one {file} may be given", "un seul {file} peut être donné"};
inline constexpr Wording kSeedWithRandom{"--seed goes with --random", "--seed va avec --random"};
inline constexpr Wording kMostRandom{"--random takes at most {count} exercises",
                                     "--random tire au plus {count} exercices"};

// Placeholders, the same in the help and in the messages that name them.
inline constexpr Wording kFilePlaceholder{"FILE", "FICHIER"};
inline constexpr Wording kPdfPlaceholder{"OUT.pdf", "SORTIE.pdf"};
inline constexpr Wording kMissingOutput{"missing -o {output}", "il manque -o {output}"};

inline constexpr Wording kStandardOutput{"standard output", "la sortie standard"};
inline constexpr Wording kStandardInput{"standard input", "l'entrée standard"};
inline constexpr Wording kCannotWrite{"cannot write {file}: {reason}", "impossible d'écrire {file} : {reason}"};

}  // namespace tavelle
