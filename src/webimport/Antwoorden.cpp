#include "Antwoorden.h"

namespace webimport {

namespace {

// The entries of an answer when their number matches the count element.
std::optional<QList<const soap::Element*>> ingangen(const soap::Knooplijst& antwoord, QStringView telling,
                                                     QStringView ingang)
{
    const soap::Element* t = soap::zoek(antwoord, telling);
    if (!t)
        return std::nullopt;
    bool ok = false;
    const int aantal = t->tekst().trimmed().toInt(&ok);
    const QList<const soap::Element*> lijst = soap::alleVan(antwoord, ingang);
    if (!ok || aantal != lijst.size())
        return std::nullopt;
    return lijst;
}

} // namespace

std::optional<QList<Lid>> ledenLezen(const soap::Knooplijst& antwoord)
{
    const auto lijst = ingangen(antwoord, u"MemberCount", u"MemberEntries");
    if (!lijst)
        return std::nullopt;
    QList<Lid> uit;
    for (const soap::Element* e : *lijst) {
        Lid l;
        l.position = e->kindTekst(u"Position");
        l.uniqueIndex = e->kindTekst(u"UniqueIndex");
        l.rankingIndex = e->kindTekst(u"RankingIndex");
        l.firstName = e->kindTekst(u"FirstName");
        l.lastName = e->kindTekst(u"LastName");
        l.ranking = e->kindTekst(u"Ranking");
        l.status = e->kindTekst(u"Status");
        l.club = e->kindTekst(u"Club");
        l.gender = e->kindTekst(u"Gender");
        l.category = e->kindTekst(u"Category");
        uit << l;
    }
    return uit;
}

std::optional<QList<Club>> clubsLezen(const soap::Knooplijst& antwoord)
{
    const auto lijst = ingangen(antwoord, u"ClubCount", u"ClubEntries");
    if (!lijst)
        return std::nullopt;
    QList<Club> uit;
    for (const soap::Element* e : *lijst) {
        Club c;
        c.uniqueIndex = e->kindTekst(u"UniqueIndex");
        c.name = e->kindTekst(u"Name");
        c.venueCount = e->kindTekst(u"VenueCount").toInt();
        for (const soap::Element* v : e->alle(u"VenueEntries")) {
            Lokaal l;
            l.id = v->kindTekst(u"Id").toLongLong();
            l.clubVenue = v->kindTekst(u"ClubVenue").toInt();
            l.name = v->kindTekst(u"Name");
            l.street = v->kindTekst(u"Street");
            l.town = v->kindTekst(u"Town");
            c.lokalen << l;
        }
        // The venues are the entries as they come; the count only decides whether venues are
        // handled and, with the venues' own numbers, where the club's earlier venues follow them.
        uit << c;
    }
    return uit;
}

std::optional<QList<Wedstrijd>> wedstrijdenLezen(const soap::Knooplijst& antwoord)
{
    const auto lijst = ingangen(antwoord, u"MatchCount", u"TeamMatchesEntries");
    if (!lijst)
        return std::nullopt;
    QList<Wedstrijd> uit;
    for (const soap::Element* e : *lijst) {
        Wedstrijd w;
        w.divisionName = e->kindTekst(u"DivisionName");
        w.matchId = e->kindTekst(u"MatchId");
        w.weekName = e->kindTekst(u"WeekName");
        w.date = e->kindTekst(u"Date");
        w.time = e->kindTekst(u"Time");
        w.venue = e->kindTekst(u"Venue").toInt();
        w.homeClub = e->kindTekst(u"HomeClub");
        w.homeTeam = e->kindTekst(u"HomeTeam");
        w.awayClub = e->kindTekst(u"AwayClub");
        w.awayTeam = e->kindTekst(u"AwayTeam");
        uit << w;
    }
    return uit;
}

std::optional<QList<Ploeg>> ploegenLezen(const soap::Knooplijst& antwoord)
{
    const auto lijst = ingangen(antwoord, u"TeamCount", u"TeamEntries");
    if (!lijst)
        return std::nullopt;
    QList<Ploeg> uit;
    for (const soap::Element* e : *lijst)
        uit << Ploeg{e->kindTekst(u"Team"), e->kindTekst(u"DivisionId").toLongLong(), e->kindTekst(u"DivisionName")};
    return uit;
}

} // namespace webimport
