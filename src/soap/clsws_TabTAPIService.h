#pragma once

// The client of the competition's web service (service TabTAPI_Service, port TabTAPI_Port,
// interface 0.7). Each operation builds one request and returns the children of the answer, or
// nothing. It knows nothing of the database: the import window and the storing procedures read
// the answers, by element name.
//
// Operations whose failure is "nothing" return std::nullopt on any failure; the others throw a
// SoapFout whose source is the name the operation reports under ("GetMembers", "GetClubs", ...).

#include "soap/Element.h"
#include "soap/SoapClient.h"

#include <QVariant>

#include <optional>
#include <stdexcept>

namespace soap {

/** A failure raised to the caller: a SOAP fault has number 0x80040000 and the fault's text. */
class SoapFout : public std::runtime_error
{
public:
    static constexpr qint64 FaultNummer = -2147221504; // 0x80040000 as a signed 32-bit number

    SoapFout(qint64 nummer, QString bron, QString beschrijving);
    qint64 nummer() const { return m_nummer; }
    const QString& bron() const { return m_bron; }
    const QString& beschrijving() const { return m_beschrijving; }

private:
    qint64 m_nummer;
    QString m_bron;
    QString m_beschrijving;
};

class clsws_TabTAPIService
{
public:
    /**
     * Makes the client and reads the service description of the address (the address followed by
     * "?WSDL"). A failure here is quiet: every later call then fails as that operation fails.
     * @param adres the service's address (configuration); empty: not set
     */
    explicit clsws_TabTAPIService(const QString& adres, int tijdslimietMs = 60000,
                                  const QList<QSslCertificate>& extraCertificaten = {});

    /** The SOAP client (its last request, its last failure). */
    SoapClient& client() { return m_client; }
    const Fout& laatsteFout() const { return m_client.laatsteFout(); }

    /** 1: the operation "test"; without a request the bare connection test. */
    std::optional<Knooplijst> test(const std::optional<Knooplijst>& verzoek = std::nullopt);
    /** 2: the ranking of the club's team; division -1 when the club has no such team. */
    std::optional<Knooplijst> GetDivisionRanking(const QString& club, const QString& ploeg, int seizoen);
    std::optional<Knooplijst> wsm_GetDivisionRanking(const Knooplijst& verzoek);
    std::optional<Knooplijst> GetMatchesPerClub(const QString& account, const QString& paswoord, const QString& club,
                                                int seizoen, const QString& ploeg, int reeksCategorie);
    std::optional<Knooplijst> GetMatchesPerReeks(const QString& account, const QString& paswoord,
                                                 const QString& reeksId, int seizoen);
    std::optional<Knooplijst> wsm_GetMatches(const Knooplijst& verzoek);
    /** The members of a club in one category (PlayerCategory); the short form without extended information. */
    std::optional<Knooplijst> GetMembers(const QString& account, const QString& paswoord, const QString& club,
                                         int categorie, int seizoen, bool uitgebreid);
    std::optional<Knooplijst> GetOneMemberNameSearch(const QString& account, const QString& paswoord,
                                                     const QString& naam, int seizoen, bool metLogin);
    /** One member by number; a category above 0 is sent as its PlayerCategory. */
    std::optional<Knooplijst> GetOneMemberUniqueIndex(const QString& account, const QString& paswoord, qint64 lidnummer,
                                                      int seizoen, bool metLogin, const QVariant& categorie);
    std::optional<Knooplijst> GetClubs(int clubCategorie, int seizoen);
    std::optional<Knooplijst> GetAllClubs(int seizoen);
    std::optional<Knooplijst> GetClubsOneClub(int seizoen, const QString& club);
    std::optional<Knooplijst> GetClubTeams(const QString& account, const QString& paswoord, const QString& club,
                                           int seizoen);
    std::optional<Knooplijst> wsm_GetMembers(const Knooplijst& verzoek);
    std::optional<Knooplijst> wsm_GetClubTeams(const Knooplijst& verzoek);
    std::optional<Knooplijst> wsm_GetClubs(const Knooplijst& verzoek);
    /** The season text of a season number: 11 gives "2010-2011". */
    static QString KorvatSeizoenNaarTekst(const QVariant& nummer);

private:
    [[noreturn]] void FoutDoorgeven(const QString& naam);
    std::optional<Knooplijst> roep(const QString& operatie, const Knooplijst& verzoek);

    SoapClient m_client;
};

/** The Credentials element, or nothing when the account is empty. */
Knooplijst inloggegevens(const QString& account, const QString& paswoord);

} // namespace soap
