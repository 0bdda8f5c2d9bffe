#include "core/progress/class_database_texts.h"

#include "core/text/joined_text.h"

namespace tavelle {

std::string shownServer(const ServerName& name)
{
    std::string shown;
    const std::pair<std::string_view, const std::string*> parts[] = {
        {"service=", &name.service}, {"host=", &name.host}, {"port=", &name.port},
        {"dbname=", &name.database}, {"user=", &name.user},
    };
    for (const auto& [key, value] : parts)
        if (!value->empty()) appendJoined(shown, shown.empty() ? "" : " ", key, *value);
    return shown.empty() ? "réglages par défaut de libpq" : shown;
}

std::string serverFaultText(ServerFault fault, std::string_view server, std::string_view detail)
{
    const std::string named = joinedText("le serveur de la classe (« ", server, " »)");
    switch (fault) {
    case ServerFault::driverMissing:
        return "Le pilote PostgreSQL de Qt n'est pas installé sur ce poste (paquet libqt6sql6-psql) : "
               "la base de la classe ne peut pas être jointe.";
    case ServerFault::unreachable:
        return joinedText("Pas de réponse du serveur de la classe (« ", server,
                          " ») : il est arrêté, injoignable ou trop lent à répondre.");
    case ServerFault::authenticationFailed:
        return joinedText("Identification refusée par ", named,
                          " : le mot de passe est faux ou absent, ou le compte est inconnu. Le mot de passe se "
                          "range dans le fichier de mots de passe de PostgreSQL (~/.pgpass), jamais dans "
                          "les réglages de Tavelle.");
    case ServerFault::unknownDatabase:
        return joinedText("La base nommée n'existe pas sur ", named,
                          " : vérifiez la connexion réglée avec l'administrateur.");
    case ServerFault::notPrepared:
        return joinedText("La base de la classe n'est pas encore préparée pour Tavelle sur ", named,
                          " : l'administrateur la prépare une fois avec « tavelle --base … --preparer-base ».");
    case ServerFault::newerSchema:
        return joinedText("La base de la classe sur ", named,
                          " a été préparée par une version plus récente de Tavelle : mettez Tavelle à jour "
                          "sur ce poste.");
    case ServerFault::notAllowed: return joinedText("Opération refusée à ce compte par ", named, " (", detail, ").");
    case ServerFault::accountRefused:
        return joinedText("Connexion refusée par ", named,
                          " : ses règles d'accès (pg_hba.conf) n'admettent pas ce compte depuis ce poste, sur cette "
                          "base ou sans chiffrement (sslmode) ; voyez-le avec l'administrateur.");
    case ServerFault::statementTimedOut:
        return joinedText("Le serveur de la classe (« ", server,
                          " ») a mis trop longtemps à répondre : l'opération a été abandonnée ; elle sera "
                          "reprise plus tard.");
    case ServerFault::unreadableConnection:
        return joinedText("La connexion à la base de la classe est mal écrite (", detail,
                          ") : réglez-la sous la forme « host=… dbname=… user=… » ou « postgresql://… ».");
    case ServerFault::other:
    default: break;
    }
    return joinedText("Erreur du serveur de la classe (« ", server, " ») : ", detail);
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
