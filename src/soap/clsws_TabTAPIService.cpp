#include "clsws_TabTAPIService.h"

namespace soap {

namespace {

Element waarde(const QString& naam, const QString& tekst)
{
    return Element(naam, tekst);
}

Element getal(const QString& naam, qint64 n)
{
    return Element(naam, QString::number(n));
}

const QString Waar = QStringLiteral("true");

} // namespace

SoapFout::SoapFout(qint64 nummer, QString bron, QString beschrijving)
    : std::runtime_error(beschrijving.toStdString())
    , m_nummer(nummer)
    , m_bron(std::move(bron))
    , m_beschrijving(std::move(beschrijving))
{
}

Knooplijst inloggegevens(const QString& account, const QString& paswoord)
{
    if (account.isEmpty())
        return {};
    return {Element(QStringLiteral("Credentials"),
                    Knooplijst{waarde(QStringLiteral("Account"), account), waarde(QStringLiteral("Password"), paswoord)})};
}

clsws_TabTAPIService::clsws_TabTAPIService(const QString& adres, int tijdslimietMs,
                                           const QList<QSslCertificate>& extraCertificaten)
{
    m_client.zetTijdslimiet(tijdslimietMs);
    m_client.zetExtraCertificaten(extraCertificaten);
    QString wsdl = adres.trimmed();
    if (wsdl.isEmpty())
        return;
    if (!wsdl.contains(u'?'))
        wsdl += QStringLiteral("?WSDL");
    m_client.initialiseren(wsdl, QStringLiteral("TabTAPI_Service"), QStringLiteral("TabTAPI_Port"));
}

std::optional<Knooplijst> clsws_TabTAPIService::roep(const QString& operatie, const Knooplijst& verzoek)
{
    return m_client.aanroepen(operatie, verzoek);
}

void clsws_TabTAPIService::FoutDoorgeven(const QString& naam)
{
    const Fout& f = m_client.laatsteFout();
    if (!m_client.FaultCode().isEmpty())
        throw SoapFout(SoapFout::FaultNummer, naam, m_client.FaultString());
    throw SoapFout(static_cast<qint64>(f.soort), naam, f.tekst);
}

std::optional<Knooplijst> clsws_TabTAPIService::test(const std::optional<Knooplijst>& verzoek)
{
    return roep(QStringLiteral("test"), verzoek.value_or(Knooplijst{}));
}

std::optional<Knooplijst> clsws_TabTAPIService::GetDivisionRanking(const QString& club, const QString& ploeg, int seizoen)
{
    // A failure of either call is raised again under this operation's name.
    try {
        const auto ploegen =
            wsm_GetClubTeams({waarde(QStringLiteral("Club"), club), getal(QStringLiteral("Season"), seizoen)});
        if (!ploegen)
            return std::nullopt;
        qint64 reeks = -1;
        for (const Element* p : alleVan(*ploegen, u"TeamEntries")) {
            if (p->kindTekst(u"Team").toUpper() == ploeg.toUpper()) {
                reeks = p->kindTekst(u"DivisionId").toLongLong();
                break;
            }
        }
        return wsm_GetDivisionRanking({getal(QStringLiteral("DivisionId"), reeks)});
    } catch (const SoapFout& f) {
        throw SoapFout(f.nummer(), QStringLiteral("GetDivisionRanking"), f.beschrijving());
    }
}

std::optional<Knooplijst> clsws_TabTAPIService::wsm_GetDivisionRanking(const Knooplijst& verzoek)
{
    auto a = roep(QStringLiteral("GetDivisionRanking"), verzoek);
    if (!a)
        FoutDoorgeven(QStringLiteral("wsm_GetDivisionRanking"));
    return a;
}

std::optional<Knooplijst> clsws_TabTAPIService::GetMatchesPerClub(const QString& account, const QString& paswoord,
                                                                  const QString& club, int seizoen,
                                                                  const QString& ploeg, int reeksCategorie)
{
    Knooplijst v = inloggegevens(account, paswoord);
    v << waarde(QStringLiteral("Club"), club) << waarde(QStringLiteral("Team"), ploeg)
      << getal(QStringLiteral("Season"), seizoen);
    if (reeksCategorie != 0)
        v << getal(QStringLiteral("DivisionCategory"), reeksCategorie);
    v << waarde(QStringLiteral("ShowDivisionName"), QStringLiteral("yes"));
    return wsm_GetMatches(v);
}

std::optional<Knooplijst> clsws_TabTAPIService::GetMatchesPerReeks(const QString& account, const QString& paswoord,
                                                                   const QString& reeksId, int seizoen)
{
    Knooplijst v = inloggegevens(account, paswoord);
    v << waarde(QStringLiteral("DivisionId"), reeksId) << getal(QStringLiteral("Season"), seizoen)
      << waarde(QStringLiteral("ShowDivisionName"), QStringLiteral("yes"));
    return wsm_GetMatches(v);
}

std::optional<Knooplijst> clsws_TabTAPIService::wsm_GetMatches(const Knooplijst& verzoek)
{
    return roep(QStringLiteral("GetMatches"), verzoek);
}

std::optional<Knooplijst> clsws_TabTAPIService::GetMembers(const QString& account, const QString& paswoord,
                                                           const QString& club, int categorie, int seizoen,
                                                           bool uitgebreid)
{
    Knooplijst v;
    if (!uitgebreid) {
        v << waarde(QStringLiteral("Club"), club) << getal(QStringLiteral("Season"), seizoen);
    } else {
        v = inloggegevens(account, paswoord);
        v << waarde(QStringLiteral("Club"), club) << getal(QStringLiteral("Season"), seizoen)
          << getal(QStringLiteral("PlayerCategory"), categorie) << waarde(QStringLiteral("ExtendedInformation"), Waar);
    }
    return wsm_GetMembers(v);
}

std::optional<Knooplijst> clsws_TabTAPIService::GetOneMemberNameSearch(const QString& account,
                                                                       const QString& paswoord, const QString& naam,
                                                                       int seizoen, bool metLogin)
{
    Knooplijst v = metLogin ? inloggegevens(account, paswoord) : Knooplijst{};
    v << getal(QStringLiteral("Season"), seizoen) << waarde(QStringLiteral("NameSearch"), naam);
    if (metLogin)
        v << waarde(QStringLiteral("ExtendedInformation"), Waar);
    auto a = wsm_GetMembers(v);
    if (!a)
        FoutDoorgeven(QStringLiteral("GetMembers"));
    return a;
}

std::optional<Knooplijst> clsws_TabTAPIService::GetOneMemberUniqueIndex(const QString& account,
                                                                        const QString& paswoord, qint64 lidnummer,
                                                                        int seizoen, bool metLogin,
                                                                        const QVariant& categorie)
{
    Knooplijst v = metLogin ? inloggegevens(account, paswoord) : Knooplijst{};
    v << getal(QStringLiteral("Season"), seizoen) << getal(QStringLiteral("UniqueIndex"), lidnummer);
    if (metLogin)
        v << waarde(QStringLiteral("ExtendedInformation"), Waar);
    // The schema's element for the category of the members; left out, the service takes men (1).
    const int cat = categorie.toInt();
    if (cat > 0)
        v << getal(QStringLiteral("PlayerCategory"), cat);
    auto a = wsm_GetMembers(v);
    if (!a)
        FoutDoorgeven(QStringLiteral("GetMembers"));
    return a;
}

std::optional<Knooplijst> clsws_TabTAPIService::GetClubs(int clubCategorie, int seizoen)
{
    return wsm_GetClubs({getal(QStringLiteral("ClubCategory"), clubCategorie), getal(QStringLiteral("Season"), seizoen)});
}

std::optional<Knooplijst> clsws_TabTAPIService::GetAllClubs(int seizoen)
{
    return wsm_GetClubs({getal(QStringLiteral("Season"), seizoen)});
}

std::optional<Knooplijst> clsws_TabTAPIService::GetClubsOneClub(int seizoen, const QString& club)
{
    return wsm_GetClubs({getal(QStringLiteral("Season"), seizoen), waarde(QStringLiteral("Club"), club)});
}

std::optional<Knooplijst> clsws_TabTAPIService::GetClubTeams(const QString& account, const QString& paswoord,
                                                             const QString& club, int seizoen)
{
    Knooplijst v = inloggegevens(account, paswoord);
    v << waarde(QStringLiteral("Club"), club) << getal(QStringLiteral("Season"), seizoen);
    try {
        return wsm_GetClubTeams(v);
    } catch (const SoapFout&) {
        return std::nullopt;
    }
}

std::optional<Knooplijst> clsws_TabTAPIService::wsm_GetMembers(const Knooplijst& verzoek)
{
    return roep(QStringLiteral("GetMembers"), verzoek);
}

std::optional<Knooplijst> clsws_TabTAPIService::wsm_GetClubTeams(const Knooplijst& verzoek)
{
    auto a = roep(QStringLiteral("GetClubTeams"), verzoek);
    if (!a)
        FoutDoorgeven(QStringLiteral("wsm_GetClubTeams"));
    return a;
}

std::optional<Knooplijst> clsws_TabTAPIService::wsm_GetClubs(const Knooplijst& verzoek)
{
    auto a = roep(QStringLiteral("GetClubs"), verzoek);
    if (!a)
        FoutDoorgeven(QStringLiteral("GetClubs"));
    return a;
}

QString clsws_TabTAPIService::KorvatSeizoenNaarTekst(const QVariant& nummer)
{
    const int n = nummer.toInt();
    return QStringLiteral("%1-%2").arg(n + 1999).arg(n + 2000);
}

} // namespace soap
