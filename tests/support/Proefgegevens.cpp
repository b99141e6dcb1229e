#include "Proefgegevens.h"

#include <QDate>
#include <QStringList>

namespace testhulp {

void invoegen(db::Database& d, const QString& tabel, const Velden& velden)
{
    QStringList namen;
    QStringList vragen;
    QList<db::Waarde> waarden;
    for (const auto& [naam, waarde] : velden) {
        namen << db::sqlNaam(naam);
        vragen << QStringLiteral("?");
        waarden << waarde;
    }
    d.uitvoeren(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(db::sqlNaam(tabel), namen.join(u','), vragen.join(u',')),
                waarden);
}

void wedstrijdToevoegen(db::Database& d, const Wedstrijd& w)
{
    Velden v{{"Seizoen", w.seizoen}, {"SoortComp", w.soortComp}, {"WeekNr", w.weekNr}, {"WedstrNr", w.wedstrNr},
             {"ReeksNr", w.reeksNr},  {"HerDam", w.herDam},       {"Datum", w.datum},   {"Uur", w.uur},
             {"ProvThuis", w.provThuis}, {"LKThuis", w.lkThuis}, {"nmthuis", w.nmthuis}, {"ProvUIT", w.provUit},
             {"LKUIT", w.lkUit},      {"nmuit", w.nmuit},         {"Soort", w.soort}};
    v << w.extra;
    invoegen(d, QStringLiteral("Matchen"), v);
}

void reeksToevoegen(db::Database& d, const QString& seizoen, const QString& soort, const QString& herDam,
                    const QString& reeksNr, const QString& naam, const QString& naamAfgekort, int spelers, int ploegen)
{
    invoegen(d, QStringLiteral("Reeksen"),
             {{"Seizoen", seizoen}, {"Soort", soort}, {"HerDam", herDam}, {"ReeksNr", reeksNr}, {"Naam", naam},
              {"NaamAfgekort", naamAfgekort}, {"AtlIndividueleMatchen", QString::number(spelers)},
              {"AantPloeg", QString::number(ploegen)}});
}

void clubToevoegen(db::Database& d, int provincie, const QString& clubNr, const QString& naam,
                   const QString& ploegnaam)
{
    invoegen(d, QStringLiteral("Clubs"),
             {{"Provincie", provincie},
              {"ClubNr", clubNr},
              {"ClubNaam", naam},
              {"Ploegnaam", ploegnaam.isEmpty() ? naam : ploegnaam}});
}

void lokaalToevoegen(db::Database& d, int id, const QString& naam, const QString& straat, const QString& postnummer,
                     const QString& gemeente, int club, int provincie, int volgorde)
{
    invoegen(d, QStringLiteral("Lokalen"),
             {{"id", id}, {"Naam", naam}, {"Straat", straat}, {"Postnummer", postnummer}, {"Gemeente", gemeente},
              {"id_zelm", 0}});
    if (club > 0)
        invoegen(d, QStringLiteral("rel_club_lokaal"),
                 {{"clubnummer", club}, {"provincie", provincie}, {"id_lokaal", id}, {"volgorde", volgorde}});
}

void lidToevoegen(db::Database& d, const QString& compNr, const QString& naam, const QString& club, int provincie)
{
    invoegen(d, QStringLiteral("Leden"),
             {{"CompNr", compNr}, {"Naam", naam}, {"Clubnummer", club}, {"Provincie", QString::number(provincie)}});
}

void sterktelijstToevoegen(db::Database& d, const QString& seizoen, int provincie, const QString& club,
                           const QString& soort, int volgorde, const QString& compNr, const QString& naam,
                           const QString& index, const QString& klassering)
{
    invoegen(d, QStringLiteral("Sterktelijst"),
             {{"Seizoen", seizoen}, {"Provincie", provincie}, {"Clubnummer", club}, {"Soort", soort},
              {"Volgorde", volgorde}, {"Volgnummer", QString::number(volgorde)}, {"Index", index},
              {"Computernummer", compNr}, {"Naam", naam}, {"Klassering", klassering}, {"OpSterktelijst", "J"}});
}

void optieZetten(db::Database& d, const QString& soort, const QString& item)
{
    if (d.uitvoeren(QStringLiteral("UPDATE Opties SET Item = ? WHERE Soort = ?"), {item, soort}) == 0)
        invoegen(d, QStringLiteral("Opties"), {{"Soort", soort}, {"Item", item}});
}

namespace {

const char* const Voornamen[] = {"Jan", "Piet", "Karel", "Els", "An", "Luc", "Mieke", "Tom", "Sofie", "Wim",
                                 "Gert", "Lien", "Koen", "Nele", "Bart", "Hilde"};
const char* const Achternamen[] = {"Peeters", "Janssens", "Maes", "Jacobs", "Mertens", "Willems", "Claes",
                                   "Goossens", "Wouters", "De Smet", "Dubois", "Lambert", "Dupont", "Hermans"};
const char* const Klassen[] = {"B0", "B2", "B4", "C0", "C2", "C4", "C6", "D0", "D2", "D4", "D6", "E0", "E2", "NG"};

} // namespace

void provincieSeizoenMaken(db::Database& d, const Provinciegrootte& g)
{
    const QString seizoen = QStringLiteral("2010-2011");
    db::Transactie t(d);
    // The options window stores the number of the user's province (1: Antwerpen).
    optieZetten(d, QStringLiteral("Provincie"), QStringLiteral("1"));
    optieZetten(d, QStringLiteral("ClubProv"), QStringLiteral("1"));
    optieZetten(d, QStringLiteral("ClubNr"), QStringLiteral("001"));
    optieZetten(d, QStringLiteral("Weergave Wedstrijden"), QStringLiteral("1"));

    QStringList clubNrs;
    for (int c = 1; c <= g.clubs; ++c) {
        const QString nr = QStringLiteral("%1").arg(c, 3, 10, QLatin1Char('0'));
        clubNrs << nr;
        clubToevoegen(d, 1, nr, QStringLiteral("TTC Dorp %1").arg(c), QStringLiteral("Dorp %1").arg(c));
        lokaalToevoegen(d, c, QStringLiteral("Sporthal %1").arg(c), QStringLiteral("Kerkstraat %1").arg(c),
                        QStringLiteral("2%1").arg(c, 3, 10, QLatin1Char('0')), QStringLiteral("Dorp %1").arg(c), c, 1);
    }
    for (int l = 0; l < g.leden; ++l) {
        const QString compNr = QStringLiteral("%1").arg(100000 + l, 6, 10, QLatin1Char('0'));
        const QString naam = QString::fromLatin1(Achternamen[l % 14]) + u' ' + QString::fromLatin1(Voornamen[l % 16]);
        lidToevoegen(d, compNr, naam, clubNrs[l % g.clubs], 1);
        if (l < g.sterktelijst)
            sterktelijstToevoegen(d, seizoen, 1, clubNrs[l % g.clubs], QStringLiteral("Heren"), l / g.clubs + 1, compNr,
                                  naam, QString::number(l / g.clubs + 1), QString::fromLatin1(Klassen[l % 14]));
    }
    // Divisions: A-F of four players, G-H of three, J of two.
    const QStringList reeksen{"A", "B", "C", "D", "E", "F", "G", "H", "J"};
    for (int r = 0; r < reeksen.size(); ++r) {
        const int spelers = r < 6 ? 4 : r < 8 ? 3 : 2;
        reeksToevoegen(d, seizoen, QStringLiteral("P"), QStringLiteral("H"), reeksen[r],
                       QStringLiteral("Afdeling %1%2").arg(r / 2 + 1).arg(reeksen[r]),
                       QStringLiteral("Afd.%1%2").arg(r / 2 + 1).arg(reeksen[r]), spelers);
    }
    const QDate eerste(2010, 9, 11);
    const int perWeek = (g.wedstrijden + 21) / 22;
    for (int i = 0; i < g.wedstrijden; ++i) {
        const int week = i / perWeek;
        const int reeks = i % reeksen.size();
        const int thuis = i % g.clubs;
        const int uit = (i * 7 + 3) % g.clubs;
        Wedstrijd w;
        w.seizoen = seizoen;
        w.weekNr = QStringLiteral("%1").arg(week + 1, 2, 10, QLatin1Char('0'));
        // The competition's form: level, province, category, week and three digits.
        w.wedstrNr = QStringLiteral("PAH%1%2").arg(w.weekNr).arg(i % perWeek, 3, 10, QLatin1Char('0'));
        w.reeksNr = reeksen[reeks];
        w.datum = eerste.addDays(7 * week).toString(QStringLiteral("dd-MM-yyyy"));
        w.lkThuis = clubNrs[thuis];
        w.nmthuis = QStringLiteral("Dorp %1 %2").arg(thuis + 1).arg(QChar(u'A' + i % 4));
        w.lkUit = clubNrs[uit];
        w.nmuit = QStringLiteral("Dorp %1 %2").arg(uit + 1).arg(QChar(u'A' + (i + 1) % 4));
        w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(thuis + 1));
        // As the import writes a new match: nobody absent, no forfeit, two by two agreed.
        for (int p = 1; p <= 4; ++p) {
            w.extra << qMakePair(QStringLiteral("AFWTH%1").arg(p), db::Waarde(QStringLiteral("N")));
            w.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde(QStringLiteral("N")));
        }
        w.extra << qMakePair(QStringLiteral("forfaitth"), db::Waarde(QStringLiteral("N")))
                << qMakePair(QStringLiteral("forfaituit"), db::Waarde(QStringLiteral("N")))
                << qMakePair(QStringLiteral("Akkoord2aan2"), db::Waarde(QStringLiteral("J")));
        if (week < 10) {
            // A filled-in sheet: line-ups of members of both clubs and a few games.
            for (int p = 1; p <= 4; ++p) {
                w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(p),
                                     db::Waarde(QStringLiteral("%1").arg(100000 + thuis + g.clubs * (p - 1))));
                w.extra << qMakePair(QStringLiteral("UITSP%1").arg(p),
                                     db::Waarde(QStringLiteral("%1").arg(100000 + uit + g.clubs * (p - 1))));
            }
            for (int s = 1; s <= 3; ++s) {
                w.extra << qMakePair(QStringLiteral("W01Set%1T").arg(s), db::Waarde(QStringLiteral("11")));
                w.extra << qMakePair(QStringLiteral("W01Set%1U").arg(s), db::Waarde(QString::number(5 + s)));
            }
            w.extra << qMakePair(QStringLiteral("W01"), db::Waarde(QStringLiteral("+")));
        }
        wedstrijdToevoegen(d, w);
    }
    t.vastleggen();
}

} // namespace testhulp
