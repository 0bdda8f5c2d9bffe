#include "core/text/system_reason.h"

#include "core/text/wording.h"

#include <array>
#include <cerrno>

namespace tavelle {

namespace {

struct Reason {
    int number;
    Wording words;
};

// What a user meets reading and writing files and pipes. The English is the C library's own, so that
// English messages read as every other program's; the French is this project's.
constexpr std::array<Reason, 27> kReasons{{
    {ENOENT, {"No such file or directory", "fichier ou dossier introuvable"}},
    {EACCES, {"Permission denied", "permission refusée"}},
    {EPERM, {"Operation not permitted", "opération non permise"}},
    {EISDIR, {"Is a directory", "c'est un dossier"}},
    {ENOTDIR, {"Not a directory", "une partie du chemin n'est pas un dossier"}},
    {ENOSPC, {"No space left on device", "plus de place sur le périphérique"}},
    {EDQUOT, {"Disk quota exceeded", "quota de disque dépassé"}},
    {EROFS, {"Read-only file system", "système de fichiers en lecture seule"}},
    {EEXIST, {"File exists", "le fichier existe déjà"}},
    {EPIPE, {"Broken pipe", "plus personne ne lit au bout du tube"}},
    {ELOOP, {"Too many levels of symbolic links", "trop de liens symboliques à suivre"}},
    {ENAMETOOLONG, {"File name too long", "nom de fichier trop long"}},
    {EIO, {"Input/output error", "erreur d'entrée-sortie"}},
    {EMFILE, {"Too many open files", "trop de fichiers ouverts"}},
    {ENFILE, {"Too many open files in system", "trop de fichiers ouverts dans le système"}},
    {ENXIO, {"No such device or address", "périphérique introuvable"}},
    {ENODEV, {"No such device", "périphérique introuvable"}},
    {ENOMEM, {"Cannot allocate memory", "mémoire insuffisante"}},
    {EFBIG, {"File too large", "fichier trop gros"}},
    {ETXTBSY, {"Text file busy", "fichier d'un programme en cours"}},
    {EBUSY, {"Device or resource busy", "périphérique ou fichier occupé"}},
    {EXDEV, {"Invalid cross-device link", "lien entre deux systèmes de fichiers"}},
    {ENOTEMPTY, {"Directory not empty", "dossier non vide"}},
    {EBADF, {"Bad file descriptor", "descripteur de fichier incorrect"}},
    {EINTR, {"Interrupted system call", "appel système interrompu"}},
    {EAGAIN, {"Resource temporarily unavailable", "momentanément indisponible"}},
    {EINVAL, {"Invalid argument", "argument incorrect"}},
}};

constexpr Wording kOtherReason{"system error {number}", "erreur du système n° {number}"};

}  // namespace

std::string systemReason(int errorNumber, Language language)
{
    for (const Reason& reason : kReasons)
        if (reason.number == errorNumber) return std::string(reason.words.in(language));
    return composed(kOtherReason, language, {{"number", std::to_string(errorNumber)}});
}

}  // namespace tavelle
