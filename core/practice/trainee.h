#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tavelle {

// Who practises: the name, the first name and the group every attempt carries.
struct Trainee {
    std::string surname;
    std::string givenName;
    std::string group;
};

// Why a trainee's name or group was refused.
enum class TraineeFault {
    emptyName,
    noGivenName,
    nameTooLong,
    groupTooLong,
    controlCharacterInName,
    controlCharacterInGroup,
};

inline constexpr std::size_t longestTraineeName = 120;  // characters, name and first name together
inline constexpr std::size_t longestGroup = 60;

// Reads a trainee named in one text, as a login script writes it ("DURAND Élise", "Élise DURAND",
// "DE LA FONTAINE Jean", "Durand Élise"), and a group (may be empty). The words are split on blanks.
// When some words, but not all, are written in capitals, the name is the first run of words in capitals
// and the first name is every other word, in order. Otherwise the name is the first word and the first
// name the rest: "Le Goff Anne" gives the name "Le"; write it "LE GOFF Anne". The name and the first name
// are both needed.
std::variant<Trainee, TraineeFault> readTrainee(std::string_view fullName, std::string_view group);

// A trainee as typed in the naming window's three fields: blanks around and between words made single;
// the name and the first name are needed.
std::variant<Trainee, TraineeFault> checkTrainee(std::string_view surname, std::string_view givenName,
                                                 std::string_view group);

// The trainee the naming window offers from the account's full name as the system keeps it ("Élise
// DURAND,Salle 12,,", its first field), read as readTrainee reads; nothing offered when it is no name.
Trainee offeredTrainee(std::string_view accountFullName);

// Whether a word is written in capitals: it has a capital letter and no small one (French letters).
bool isWrittenInCapitals(std::string_view word);

}  // namespace tavelle
