#include "Eindcontrole.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"
#include "db/Database.h"

#include <QList>

using core::algemeen;

namespace lineup {

namespace {

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

QString veld(const db::Recordset& rs, const char* naam)
{
    return inhoud(rs.veld(QString::fromLatin1(naam)));
}

// The checks' own recordsets on the tables they read. The shared ones stay where they are: the
// match on the sheet is the current row of rsMatchen, and what the sheet stores goes there.
struct Tabellen
{
    db::Recordset clubs, ploegen, matchen, sterktelijst;

    Tabellen()
    {
        db::Database& d = algemeen().dbGegevens;
        clubs = d.openTabel(QStringLiteral("Clubs"));
        clubs.setIndex(QStringLiteral("ClubNr"));
        ploegen = d.openTabel(QStringLiteral("Ploegen"));
        ploegen.setIndex(QStringLiteral("ReeksBepalen"));
        matchen = d.openTabel(QStringLiteral("Matchen"));
        matchen.setIndex(QStringLiteral("WedstrNr"));
        sterktelijst = d.openTabel(QStringLiteral("Sterktelijst"));
        sterktelijst.setIndex(QStringLiteral("SpelerZoeken"));
    }
};

// What the checks need of one row of Clubs.
struct Club
{
    db::Waarde provincie;
    QString clubNr, clubNaam, ploegnaam;
    QString laatste[4]; ///< the letter of the last team, per category
};

Club clubLezen(const db::Recordset& rs)
{
    Club c;
    c.provincie = rs.veld(QStringLiteral("Provincie"));
    c.clubNr = veld(rs, "ClubNr");
    c.clubNaam = veld(rs, "ClubNaam");
    c.ploegnaam = veld(rs, "Ploegnaam");
    for (int i = 0; i < 4; ++i)
        c.laatste[i] = inhoud(rs.veld(QStringLiteral("AantalPloegen") + QLatin1StringView(Categorieen[i])));
    return c;
}

bool teBehandelen(const db::Recordset& rs)
{
    return veld(rs, "ClubNr") != u"000" && veld(rs, "Geschrapt") == u"N";
}

// The last team letter of a category, or 0 when the club has no teams in it: only a capital letter
// names teams ("C" means A, B and C).
QChar laatsteLetter(const QString& laatste)
{
    if (laatste.isEmpty() || laatste[0] < u'A' || laatste[0] > u'Z')
        return QChar();
    return laatste[0];
}

int ploeggrootte(int categorie)
{
    return categorie == 0 ? 4 : 3;
}

// Team letter's Ploegen row of the chosen season; its series number when found.
bool ploegZoeken(Tabellen& t, const Club& club, QChar letter, QChar categorieLetter, QString& reeksNr)
{
    t.ploegen.seek(QStringLiteral("="), {algemeen().strGekozenSeizoen, club.clubNr, club.provincie, QString(letter),
                                         QString(categorieLetter)});
    if (t.ploegen.noMatch())
        return false;
    reeksNr = veld(t.ploegen, "ReeksNr");
    return true;
}

// A team's match of the week, from the side on which the team plays.
struct Optreden
{
    bool gevonden = false;
    bool thuis = false;
    QString wedstrNr;
    QString plaats[4];    ///< the member numbers on the team's places
    QString ploegnaam;    ///< the team's name as the match writes it
    QString tegenstander; ///< the other team's name
    bool forfait = false; ///< either team forfeited the whole match
};

// A team plays under its own name: the club's name followed by a blank and the team's letter, standing as
// words of their own. In a derby of "TTC Bree A" against "TTC Bree B" the "B" of "Bree" does not make the home
// team team B, and "TTC Breedonk C" is not team C of "TTC Bree".
bool speeltIn(const QString& naam, const Club& club, QChar letter)
{
    const QString groot = core::UCase(naam);
    const QString zoek = core::UCase(club.ploegnaam.trimmed()) + u' ' + letter;
    for (qsizetype i = groot.indexOf(zoek); i >= 0; i = groot.indexOf(zoek, i + 1)) {
        const qsizetype na = i + zoek.size();
        const bool begin = i == 0 || !groot[i - 1].isLetterOrNumber() || !zoek[0].isLetterOrNumber();
        const bool einde = na == groot.size() || !groot[na].isLetterOrNumber();
        if (begin && einde)
            return true;
    }
    return false;
}

// Matches 1 to half the division's team count of the team's series in the week: the first in which
// the team plays, at home or away.
Optreden wedstrijdZoeken(Tabellen& t, const Club& club, QChar letter, const QString& reeksNr, const QString& week)
{
    core::Algemeen& a = algemeen();
    db::Recordset& m = t.matchen;
    Optreden o;
    // Half the number of teams, a half rounded to the even number.
    const qint64 helft = db::Waarde(a.intAantalPloegen / 2.0).geheel();
    for (qint64 k = 1; k <= helft; ++k) {
        const QString nr = week + reeksNr + QString::number(k);
        m.seek(QStringLiteral("="), {a.strGekozenSeizoen, nr});
        if (m.noMatch())
            continue;
        const QString thuisNaam = veld(m, "nmthuis");
        const QString uitNaam = veld(m, "nmuit");
        bool thuis;
        if (speeltIn(thuisNaam, club, letter))
            thuis = true;
        else if (speeltIn(uitNaam, club, letter))
            thuis = false;
        else
            continue;
        o.gevonden = true;
        o.thuis = thuis;
        o.wedstrNr = nr;
        const QString kant = thuis ? QStringLiteral("THUISSP") : QStringLiteral("UITSP");
        for (int p = 0; p < 4; ++p)
            o.plaats[p] = inhoud(m.veld(kant + QString::number(p + 1)));
        o.ploegnaam = thuis ? thuisNaam : uitNaam;
        o.tegenstander = thuis ? uitNaam : thuisNaam;
        o.forfait = veld(m, "forfaitth") == u"J" || veld(m, "forfaituit") == u"J";
        return o;
    }
    return o;
}

// A player's row on the club's strength list of the category.
struct Lijstspeler
{
    bool gevonden = false;
    QString index, naam, klassering;
};

Lijstspeler spelerZoeken(Tabellen& t, const Club& club, const QString& compNr, const QString& categorie)
{
    db::Recordset& lijst = t.sterktelijst;
    lijst.seek(QStringLiteral("="), {algemeen().strGekozenSeizoen, club.provincie, club.clubNr, compNr, categorie});
    Lijstspeler s;
    if (lijst.noMatch())
        return s;
    s.gevonden = true;
    s.index = veld(lijst, "Index");
    s.naam = veld(lijst, "Naam");
    s.klassering = veld(lijst, "Klassering");
    return s;
}

// The index as a whole number; "SUP", other texts and a player not on the list give 0.
qint64 indexWaarde(const Lijstspeler& s)
{
    return s.gevonden ? db::Waarde(core::Val(s.index)).geheel() : 0;
}

// Adds a row to the findings table; every text goes in as the program stores texts.
void bevindingToevoegen(db::Recordset& eindcontrole, const QList<QPair<const char*, QString>>& velden)
{
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    eindcontrole.addNew();
    for (const auto& [naam, waarde] : velden)
        eindcontrole.zet(QString::fromLatin1(naam), f.GeenLegeInhoud(waarde));
    eindcontrole.update();
}

/**
 * Walks over every club of Clubs in the order of its index ClubNr, a repetition per row counted at
 * the start, and treats each club that is neither "000" nor struck off; after every repetition it
 * draws the progress mark that is due.
 */
template<typename Behandelen>
void clubsAflopen(Tabellen& t, core::IVoortgang& voortgang, qint64 eersteTeller, int eersteMarkering, int stap,
                  Behandelen behandelen)
{
    db::Recordset& clubs = t.clubs;
    clubs.moveFirst();
    const qint64 aantal = clubs.recordCount();
    core::Voortgangsmarkering markering(static_cast<double>(aantal), eersteMarkering, stap);
    qint64 teller = eersteTeller;
    for (qint64 i = 0; i < aantal; ++i) {
        if (!clubs.eof()) {
            if (teBehandelen(clubs))
                behandelen(clubLezen(clubs));
        }
        const int getoond = markering.bij(teller);
        if (getoond >= 0)
            voortgang.UpdateProgress(getoond);
        ++teller;
        if (!clubs.eof())
            clubs.moveNext();
    }
}

QString tweeCijfers(QString& weekNr)
{
    return core::objFunctiesQJ().BeginNulToevoegen(weekNr, 2);
}

} // namespace

bool HogerLager(QString& weekNr, core::IVoortgang& voortgang)
{
    voortgang.opschriftZetten(QStringLiteral(
        "Bezig met het vergelijken van de spelers op de 3e plaats van de hogere ploeg - Even Geduld....."));
    const QString week = tweeCijfers(weekNr);
    db::Recordset eindcontrole = algemeen().dbGegevens.openTabel(QStringLiteral("Eindcontrole"));
    Tabellen t;
    bool gevonden = false;

    clubsAflopen(t, voortgang, 1, 5, 5, [&](const Club& club) {
        for (int c = 0; c < 4; ++c) {
            const QChar laatste = laatsteLetter(club.laatste[c]);
            if (laatste.isNull())
                continue;
            const QString categorie = QString::fromLatin1(Categorieen[c]);
            const QChar categorieLetter = categorie[0];
            const int voorlaatste = ploeggrootte(c) - 2;
            for (char16_t l = u'A'; l <= laatste.unicode(); ++l) {
                const QChar letter(l);
                QString reeksNr;
                if (!ploegZoeken(t, club, letter, categorieLetter, reeksNr))
                    continue;
                const Optreden hoger = wedstrijdZoeken(t, club, letter, reeksNr, week);
                const QString speler1 = hoger.gevonden ? hoger.plaats[voorlaatste] : QString();

                const QChar volgende(static_cast<char16_t>(l + 1));
                if (!ploegZoeken(t, club, volgende, categorieLetter, reeksNr))
                    continue;
                const Optreden lager = wedstrijdZoeken(t, club, volgende, reeksNr, week);
                const QString speler2 = lager.gevonden ? lager.plaats[0] : QString();
                if (speler1.isEmpty() || speler2.isEmpty())
                    continue;

                const Lijstspeler s1 = spelerZoeken(t, club, speler1, categorie);
                const Lijstspeler s2 = spelerZoeken(t, club, speler2, categorie);
                const qint64 index1 = indexWaarde(s1);
                const qint64 index2 = indexWaarde(s2);
                if (!(index2 > 0 && index1 > 0 && index2 < index1))
                    continue;
                gevonden = true;
                bevindingToevoegen(eindcontrole, {{"Aard", QStringLiteral("HogerLager")},
                                                  {"ClubNr", club.clubNr},
                                                  {"ClubNaam", club.clubNaam},
                                                  {"CompNr1", speler1},
                                                  {"Index1", s1.index},
                                                  {"Naam1", s1.naam},
                                                  {"Klassering1", s1.klassering},
                                                  {"CompNr2", speler2},
                                                  {"Index2", s2.index},
                                                  {"Naam2", s2.naam},
                                                  {"Klassering2", s2.klassering},
                                                  {"Ploegnaam1", club.ploegnaam + u' ' + letter},
                                                  {"Ploegnaam2", club.ploegnaam + u' ' + volgende},
                                                  {"Wedstrijdnummer1", hoger.wedstrNr},
                                                  {"Wedstrijdnummer2", lager.wedstrNr}});
            }
        }
    });
    return gevonden;
}

bool DubbeleOpstelling(QString& weekNr, core::IVoortgang& voortgang)
{
    voortgang.opschriftZetten(QStringLiteral("Bezig met de controle van dubbele opstellingen - Even Geduld....."));
    core::Algemeen& a = algemeen();
    const QString week = tweeCijfers(weekNr);
    db::Recordset eindcontrole = a.dbGegevens.openTabel(QStringLiteral("Eindcontrole"));
    Tabellen t;
    // The walk over a club's list keeps a recordset of its own, so that looking up a player's details
    // does not move it.
    db::Recordset lijst = a.dbGegevens.openTabel(QStringLiteral("Sterktelijst"));
    lijst.setIndex(QStringLiteral("SterktelijstZoeken"));
    bool gevonden = false;

    clubsAflopen(t, voortgang, 0, 3, 3, [&](const Club& club) {
        for (int c = 0; c < 4; ++c) {
            const QChar laatste = laatsteLetter(club.laatste[c]);
            if (laatste.isNull())
                continue;
            const QString categorie = QString::fromLatin1(Categorieen[c]);
            lijst.seek(QStringLiteral("="), {a.strGekozenSeizoen, club.provincie, club.clubNr, categorie});
            if (lijst.noMatch())
                continue;

            // The teams' matches of the week, in team order; the walk below reads them for every player.
            QList<Optreden> optredens;
            for (char16_t l = u'A'; l <= laatste.unicode(); ++l) {
                QString reeksNr;
                if (!ploegZoeken(t, club, QChar(l), categorie[0], reeksNr))
                    continue;
                const Optreden o = wedstrijdZoeken(t, club, QChar(l), reeksNr, week);
                if (o.gevonden)
                    optredens.append(o);
            }

            while (!lijst.eof() && veld(lijst, "Clubnummer") == club.clubNr && veld(lijst, "Soort") == categorie) {
                const QString speler = veld(lijst, "Computernummer");
                // A list row without a member number would match every free place.
                QList<const Optreden*> keren;
                if (!speler.isEmpty()) {
                    for (const Optreden& o : optredens) {
                        for (int p = 0; p < ploeggrootte(c); ++p) {
                            if (o.plaats[p] == speler)
                                keren.append(&o);
                        }
                    }
                }
                if (keren.size() >= 2) {
                    gevonden = true;
                    const auto opmerking = [](const Optreden& o) {
                        if (o.tegenstander.contains(u"BYE"))
                            return QStringLiteral("BYE");
                        return o.forfait ? QStringLiteral("FORFAIT") : QString();
                    };
                    const Lijstspeler s = spelerZoeken(t, club, speler, categorie);
                    bevindingToevoegen(eindcontrole, {{"Aard", QStringLiteral("Dubbel")},
                                                      {"ClubNr", club.clubNr},
                                                      {"ClubNaam", club.clubNaam},
                                                      {"CompNr1", speler},
                                                      {"Index1", s.index},
                                                      {"Naam1", s.naam},
                                                      {"Klassering1", s.klassering},
                                                      {"Ploegnaam1", keren[0]->ploegnaam},
                                                      {"OpmPloeg1", opmerking(*keren[0])},
                                                      {"Ploegnaam2", keren[1]->ploegnaam},
                                                      {"OpmPloeg2", opmerking(*keren[1])},
                                                      {"Wedstrijdnummer1", keren[0]->wedstrNr},
                                                      {"Wedstrijdnummer2", keren[1]->wedstrNr}});
                }
                lijst.moveNext();
            }
        }
    });
    voortgang.UpdateProgress(100);
    return gevonden;
}

} // namespace lineup
