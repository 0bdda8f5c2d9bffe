#include "core/progress/account_check.h"

#include "core/text/joined_text.h"

namespace tavelle {

namespace {

class Findings {
public:
    void add(bool sound, std::string_view text)
    {
        appendJoined(m_text, sound ? "  [ok] " : "  [à revoir] ", text, "\n");
        if (!sound) ++m_unsound;
    }
    AccountCheck ended(std::string heading) const
    {
        std::string verdict = m_unsound == 0 ? std::string("Rien à revoir : ce compte sert Tavelle comme prévu.")
                              : m_unsound == 1
                                  ? std::string("1 point à revoir avec l'administrateur.")
                                  : joinedText(numberText(m_unsound), " points à revoir avec l'administrateur.");
        return {joinedText(heading, "\n", m_text, verdict, "\n"), m_unsound == 0};
    }

private:
    std::string m_text;
    int m_unsound = 0;
};

void addLink(Findings& findings, const AccountFacts& facts)
{
    switch (facts.link) {
    case ServerLink::localSocket:
        findings.add(true, "Liaison locale (socket Unix) : rien ne passe par le réseau.");
        return;
    case ServerLink::encryptedVerified:
        findings.add(true,
                     joinedText("Liaison chiffrée, certificat du serveur vérifié (sslmode=", facts.sslMode, ")."));
        return;
    case ServerLink::encryptedUnchecked:
        findings.add(false,
                     joinedText("Liaison chiffrée, mais rien ne garantit que c'est le serveur du centre (sslmode=",
                                facts.sslMode,
                                ") : réglez sslmode=verify-full et sslrootcert, le certificat de "
                                "l'autorité du centre."));
        return;
    case ServerLink::plain:
    default: break;
    }
    findings.add(false, joinedText("Liaison en clair (sslmode=", facts.sslMode,
                                   ") : les résultats passent lisibles sur le réseau ; réglez "
                                   "sslmode=verify-full et sslrootcert, le certificat de l'autorité du centre."));
}

void addRole(Findings& findings, const AccountFacts& facts)
{
    const std::string attempts =
        joinedText(groupedInteger(facts.readableAttempts), facts.readableAttempts > 1 ? " tentatives" : " tentative");
    if (facts.owner) {
        findings.add(true, "Propriétaire de la base de la classe : il la prépare (« tavelle --base … "
                           "--preparer-base ») et ne sert pas à s'entraîner.");
    } else if (facts.trainee && facts.instructor) {
        findings.add(false, "À la fois stagiaire et formateur : il lit les tentatives de toute la classe ; "
                            "l'administrateur ne lui laisse qu'un des rôles tavelle_stagiaire et "
                            "tavelle_formateur.");
    } else if (facts.trainee) {
        if (facts.maySend && facts.mayRead)
            findings.add(true, joinedText("Stagiaire (tavelle_stagiaire) : envoie ses tentatives et lit les siennes, ",
                                          attempts, " sur le serveur."));
        else
            findings.add(false, "Stagiaire (tavelle_stagiaire), mais le serveur ne le laisse pas envoyer ses "
                                "tentatives ou lire les siennes : l'administrateur rend au rôle les droits de la "
                                "préparation.");
    } else if (facts.instructor) {
        if (facts.mayRead)
            findings.add(true, joinedText("Formateur (tavelle_formateur) : lit les tentatives de toute la classe, ",
                                          attempts, " sur le serveur."));
        else
            findings.add(false, "Formateur (tavelle_formateur), mais le serveur ne le laisse pas lire les "
                                "tentatives : l'administrateur rend au rôle les droits de la préparation.");
    } else {
        findings.add(false, joinedText("Ni stagiaire ni formateur : l'administrateur lui donne l'un des rôles "
                                       "(« GRANT tavelle_stagiaire TO ",
                                       facts.account, " » ou tavelle_formateur)."));
    }
}

}  // namespace

AccountCheck accountCheck(const AccountFacts& facts)
{
    Findings findings;
    addLink(findings, facts);
    if (facts.schemaVersion == facts.programSchemaVersion)
        findings.add(true, joinedText("Base prête pour ce programme (version ", numberText(facts.schemaVersion), ")."));
    else
        findings.add(true, joinedText("Base préparée par une version plus récente de Tavelle (version ",
                                      numberText(facts.schemaVersion), ") : ce programme (version ",
                                      numberText(facts.programSchemaVersion), ") y écrit encore."));
    addRole(findings, facts);
    // The owner changes the table by right: that is what preparing it takes.
    if (!facts.owner) {
        if (facts.mayChange)
            findings.add(false, "Peut modifier, effacer ou vider des tentatives : l'administrateur lui retire "
                                "UPDATE, DELETE et TRUNCATE sur la table attempt.");
        else
            findings.add(true, "Ne peut ni modifier ni effacer une tentative.");
        if (facts.mayMakeTemporary)
            findings.add(false, "Peut créer des tables et des fonctions temporaires : l'administrateur lui retire "
                                "ce droit (REVOKE TEMPORARY ON DATABASE).");
        else
            findings.add(true, "Ne crée ni table ni fonction temporaire.");
    }
    if (facts.excessRights.empty()) {
        findings.add(true, "Aucun droit d'administration du serveur.");
    } else {
        std::string rights;
        for (const std::string& right : facts.excessRights) appendJoined(rights, rights.empty() ? "" : ", ", right);
        findings.add(false, joinedText("Droits de trop : ", rights,
                                       " ; l'administrateur les lui retire (ALTER ROLE ou REVOKE)."));
    }
    if (!facts.exposedPasswordFile.empty())
        findings.add(false, joinedText("Le fichier de mots de passe ", facts.exposedPasswordFile,
                                       " est lisible par d'autres comptes de ce poste, et libpq l'ignore : chmod 600 ",
                                       facts.exposedPasswordFile, "."));
    return findings.ended(
        joinedText("Compte « ", facts.account, " » sur le serveur de la classe (« ", facts.server, " ») :"));
}

}  // namespace tavelle
