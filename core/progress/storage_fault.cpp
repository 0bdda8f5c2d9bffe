#include "core/progress/storage_fault.h"

#include "core/text/joined_text.h"

namespace tavelle {

std::string storageFaultReason(StorageFault fault, std::string_view file)
{
    switch (fault) {
    case StorageFault::locked:
        return joinedText("le fichier ", file, " est verrouillé par un autre programme depuis trop longtemps");
    case StorageFault::readOnly: return joinedText("le fichier ", file, " ne peut pas être écrit");
    case StorageFault::diskFull: return joinedText("disque plein : le fichier ", file, " ne peut pas grandir");
    case StorageFault::cannotOpen: return joinedText("le fichier ", file, " ne peut pas être ouvert ou créé");
    case StorageFault::corrupt: return joinedText("le fichier ", file, " est endommagé");
    case StorageFault::writeError: return joinedText("l'écriture de ", file, " a échoué");
    case StorageFault::newerVersion:
        return joinedText("le fichier ", file, " vient d'une version plus récente de Tavelle, qui seule peut l'écrire");
    case StorageFault::folderCannotBeMade: return joinedText("le dossier du fichier ", file, " ne peut pas être créé");
    case StorageFault::linkOutsideFolder:
        return joinedText("le fichier ", file, " est un lien vers un autre endroit, qui n'est pas suivi");
    case StorageFault::noModule: return "le module qui garde la progression ne se charge pas";
    case StorageFault::other: break;
    }
    return joinedText("le fichier ", file, " n'a pas pu être écrit");
}

std::string damagedFileSetAside(std::string_view file, std::string_view asideName)
{
    return joinedText("Le fichier de progression ", file, " était endommagé : il a été mis de côté sous le nom ",
                      asideName, ", et un nouveau fichier a été commencé.");
}

}  // namespace tavelle
