#pragma once

#include "core/text/language.h"

#include <string>
#include <vector>

namespace tavelle {

// A trainee of a class list, the line split into the two boxes of the trainee page.
struct Trainee {
    std::string line;  // as the list writes it, for the key
    std::string surname;  // "Nom"
    std::string firstName;  // "Prénom", empty when the line does not tell them apart
};

// Splits "NOM Prénom" lines: a comma splits "Nom, Prénom"; otherwise the words written in capitals at
// the start or at the end of the line are the surname and the others the first name ("DUPONT Jean-Marc",
// "Jean-Marc LE GALL"); a line that does not tell them apart goes whole into "Nom".
Trainee splitTraineeName(const std::string& line);

// One trainee a line, UTF-8 text; blank lines are skipped, blanks around a name dropped. Throws
// UsageError, in `language`, naming the first line that is not UTF-8 text or why the file cannot be read;
// `warn` is told of each name given twice.
std::vector<std::string> readClassList(const std::string& path, std::size_t most, void (*warn)(const std::string& line),
                                       Language language);

}  // namespace tavelle
