#include "core/progress/class_database_texts.h"

#include "core/text/joined_text.h"

namespace tavelle {

namespace {

constexpr std::string_view passwordKey = "password=";

}  // namespace

std::string shownServer(std::string_view connection)
{
    std::string shown;
    std::size_t start = 0;
    while (start <= connection.size()) {
        std::size_t end = connection.find(' ', start);
        if (end == std::string_view::npos) end = connection.size();
        const std::string_view word = connection.substr(start, end - start);
        if (!word.empty() && word.substr(0, passwordKey.size()) != passwordKey) {
            if (!shown.empty()) shown += ' ';
            shown += word;
        }
        start = end + 1;
    }
    return shown;
}

std::string serverFaultText(ServerFault fault, std::string_view connection, std::string_view detail)
{
    const std::string server = joinedText("le serveur de la classe (« ", shownServer(connection), " »)");
    switch (fault) {
    case ServerFault::driverMissing:
        return "Le pilote PostgreSQL de Qt n'est pas installé sur ce poste (paquet libqt6sql6-psql) : "
               "la base de la classe ne peut pas être jointe.";
    case ServerFault::unreachable:
        return joinedText("Pas de réponse du serveur de la classe (« ", shownServer(connection),
                          " ») : il est arrêté, injoignable ou trop lent à répondre.");
    case ServerFault::authenticationFailed:
        return joinedText("Identification refusée par ", server,
                          " : le mot de passe est faux ou absent, ou le compte est inconnu. Le mot de passe se "
                          "range dans le fichier de mots de passe de PostgreSQL (~/.pgpass), jamais dans "
                          "les réglages de Tavelle.");
    case ServerFault::unknownDatabase:
        return joinedText("La base nommée n'existe pas sur ", server,
                          " : vérifiez la connexion réglée avec l'administrateur.");
    case ServerFault::notPrepared:
        return joinedText("La base de la classe n'est pas encore préparée pour Tavelle sur ", server,
                          " : l'administrateur la prépare une fois avec « tavelle --base … --preparer-base ».");
    case ServerFault::newerSchema:
        return joinedText("La base de la classe sur ", server,
                          " a été préparée par une version plus récente de Tavelle : mettez Tavelle à jour "
                          "sur ce poste.");
    case ServerFault::notAllowed: return joinedText("Opération refusée à ce compte par ", server, " (", detail, ").");
    case ServerFault::other:
    default: break;
    }
    return joinedText("Erreur du serveur de la classe (« ", shownServer(connection), " ») : ", detail);
}

std::string attemptsKeptHereText()
{
    return "Les résultats restent gardés sur ce poste et partiront quand le serveur répondra.";
}

std::string attemptsWaitingText(int count)
{
    if (count <= 0) return {};
    if (count == 1) return "1 résultat attend d'être envoyé au serveur de la classe.";
    return joinedText(std::to_string(count), " résultats attendent d'être envoyés au serveur de la classe.");
}

std::string classSendingText(int waiting, std::string_view failure)
{
    if (waiting <= 0) return {};
    if (failure.empty()) return attemptsWaitingText(waiting);
    return joinedText(attemptsWaitingText(waiting), " ", failure);
}

std::string schemaPreparedText(int fromVersion, int toVersion)
{
    if (fromVersion == toVersion)
        return joinedText("La base de la classe est déjà prête (version ", std::to_string(toVersion), ").");
    return joinedText("La base de la classe est prête : version ", std::to_string(fromVersion), " → ",
                      std::to_string(toVersion), ".");
}

TraineeWindowTexts traineeWindowTexts()
{
    return {"Qui s'entraîne ?",
            "Vos résultats porteront votre nom et votre groupe, pour votre formateur. Vous pourrez les changer "
            "depuis le bilan d'un exercice.",
            "&Nom :",
            "&Prénom :",
            "&Groupe (facultatif) :",
            "C'est moi"};
}

std::string traineeFaultText(TraineeFault fault)
{
    constexpr std::string_view example = " : écrivez le nom puis le prénom, par exemple « DURAND Élise ».";
    switch (fault) {
    case TraineeFault::emptyName: return joinedText("Le nom du stagiaire est vide", example);
    case TraineeFault::noGivenName: return joinedText("Le prénom du stagiaire manque", example);
    case TraineeFault::nameTooLong:
        return joinedText("Le nom et le prénom du stagiaire sont trop longs (", std::to_string(longestTraineeName),
                          " caractères au plus).");
    case TraineeFault::groupTooLong:
        return joinedText("Le nom du groupe est trop long (", std::to_string(longestGroup), " caractères au plus).");
    case TraineeFault::controlCharacterInName:
        return "Le nom du stagiaire contient un caractère de commande (tabulation exceptée).";
    case TraineeFault::controlCharacterInGroup:
    default: break;
    }
    return "Le nom du groupe contient un caractère de commande.";
}

}  // namespace tavelle
