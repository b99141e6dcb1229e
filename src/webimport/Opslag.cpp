#include "Opslag.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"
#include "core/Vertalingen.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace webimport {

namespace {

using Parameters = QList<db::Waarde>;

db::Database& dbg()
{
    return core::algemeen().dbGegevens;
}

qint64 telling(const QString& sql, const Parameters& p)
{
    db::Recordset rs = dbg().openRecordset(sql, p);
    return rs.eof() ? 0 : rs.veld(0).geheel();
}

// A set of "column = ?" assignments for one UPDATE.
struct Toewijzingen
{
    QStringList kolommen;
    Parameters waarden;
    void zet(const QString& kolom, const db::Waarde& w)
    {
        kolommen << kolom + QStringLiteral(" = ?");
        waarden << w;
    }
    // The value only where the column holds nothing yet (Null, empty or blanks).
    void zetIndienLeeg(const QString& kolom, const db::Waarde& w)
    {
        kolommen << QStringLiteral("%1 = CASE WHEN trim(coalesce(%1, '')) = '' THEN ? ELSE %1 END").arg(kolom);
        waarden << w;
    }
    void uitvoeren(const QString& tabel, const QString& waar, const Parameters& waarParameters)
    {
        dbg().uitvoeren(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(tabel, kolommen.join(QStringLiteral(", ")), waar),
                        waarden + waarParameters);
    }
};

// The numeric value of the leading number of a text, as Val reads it.
qint64 waardeVan(const QString& tekst)
{
    static const QRegularExpression getal(QStringLiteral("^\\s*(-?\\d+)"));
    const auto m = getal.match(tekst);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

QString laatsteDrie(const QString& code)
{
    return code.right(3);
}

// A bye: no club code, or the team's name says so.
bool isVrij(const QString& club, const QString& ploeg)
{
    const QString p = ploeg.trimmed().toLower();
    return club.trimmed().isEmpty() || club.trimmed() == u"-" || p.startsWith(u"vrij") || p == u"bye";
}

QString weekKolom(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'S':
        return QStringLiteral("WeekNrSuper");
    case 'N':
        return QStringLiteral("WeekNrNat");
    case 'L':
        return QStringLiteral("WeekNrLand");
    default:
        return QStringLiteral("WeekNrP");
    }
}

// The category word: the division name after its last " - ".
QString categorieVan(const QString& reeks)
{
    const qsizetype i = reeks.lastIndexOf(QStringLiteral(" - "));
    return i < 0 ? reeks : reeks.mid(i + 3);
}

// The match id with the level letter in front when it begins with none.
QString metNiveau(const QString& matchId, const QString& reeks)
{
    if (!matchId.isEmpty() && QStringLiteral("SNLPJ").contains(matchId.front()))
        return matchId;
    const qsizetype i = reeks.indexOf(QStringLiteral(" - "));
    const QString soort = i < 0 ? QString() : reeks.mid(i + 3, 4).toLower();
    if (soort == u"supe")
        return u'S' + matchId;
    if (soort == u"nati")
        return u'N' + matchId;
    if (soort == u"land")
        return u'L' + matchId;
    if (soort == u"prov")
        return u'P' + matchId;
    return matchId;
}

QString herDamVan(const QString& categorie)
{
    if (categorie == u"Heren")
        return QStringLiteral("H");
    if (categorie == u"Dames")
        return QStringLiteral("D");
    if (categorie == u"Veteranen")
        return QStringLiteral("V");
    if (categorie == u"Jeugd")
        return QStringLiteral("J");
    return QString();
}

QDate datumVan(const QString& tekst)
{
    return db::leesDatum(tekst.trimmed()).date();
}

// The weekend a match date belongs to, by its Saturday: a weekday goes to the Saturday after it, a
// Sunday to the Saturday before it.
QDate speelweekend(const QDate& datum)
{
    const int dag = datum.dayOfWeek();
    return dag == 7 ? datum.addDays(-1) : datum.addDays(6 - dag);
}

// The play date of a week from the dates of its matches, grouped by their weekend: the weekend most
// of them are played in (of equally many, the earliest), so that a match moved to another date does
// not move its week. Of that weekend the latest match's day, a weekday counting as its Saturday.
QDate weekdatum(const std::map<QDate, QList<QDate>>& weekends)
{
    const QList<QDate>* gekozen = nullptr;
    for (const auto& [weekend, datums] : weekends) {
        if (!gekozen || datums.size() > gekozen->size())
            gekozen = &datums;
    }
    QDate d = *std::max_element(gekozen->begin(), gekozen->end());
    if (d.dayOfWeek() <= 5)
        d = d.addDays(6 - d.dayOfWeek());
    return d;
}

// The mark a strength-list index carries for a member's status: "-R" for a recreant, "-D" for a
// double member, none for the others.
QString indexteken(const QString& status)
{
    if (status == u"V")
        return QStringLiteral("-R");
    if (status == u"D")
        return QStringLiteral("-D");
    return QString();
}

// The strength list's column Recreant for a member's status: "R" for a recreant, else "I".
QString recreantteken(const QString& status)
{
    return status == u"V" ? QStringLiteral("R") : QStringLiteral("I");
}

} // namespace

QString compNrVan(const QString& uniqueIndex)
{
    QString nr = uniqueIndex.trimmed();
    const int breedte = core::algemeen().intAantalKaraktersCompNr;
    return breedte > 0 ? core::objFunctiesQJ().BeginNulToevoegen(nr, breedte) : nr;
}

QString categorieWoord(int categorie)
{
    switch (categorie) {
    case 1:
        return QStringLiteral("Heren");
    case 2:
        return QStringLiteral("Dames");
    case 3:
        return QStringLiteral("Veteranen");
    case 4:
        return QStringLiteral("Veteranen Dames");
    case 27:
        return QStringLiteral("Jeugd");
    case 28:
        return QStringLiteral("Jeugd Meisjes");
    default:
        return QString();
    }
}

int NrProvOmzettenNaarNrKorvat(int provincie)
{
    static const int categorie[] = {4, 8, 7, 10, 9, 11, 5, 2, 3, 6, 12};
    return provincie >= 1 && provincie <= 11 ? categorie[provincie - 1] : 0;
}

int provincieVanClubcode(const QString& clubcode)
{
    QString letters = clubcode;
    letters.remove(u'-');
    letters = letters.trimmed().toUpper();
    letters.chop(3);
    if (letters == u"B")
        letters = QStringLiteral("BBW");
    else if (letters == u"O")
        letters = QStringLiteral("OVL");
    else if (letters == u"VB")
        letters = QStringLiteral("VLB");
    if (letters.isEmpty())
        return -1;
    return core::ProvincieNr(letters, 4);
}

void importMarkeringenWissen()
{
    dbg().uitvoeren(QStringLiteral("UPDATE Clubs SET Importeren = 'N'"));
}

// ---------------------------------------------------------------------------------------------
// Members and strength lists

void Opslag::APIGegevensLedenOpslaan(const QList<Lid>& leden, const QString& clubcode, int categorie, bool enkelLid)
{
    core::Algemeen& a = core::algemeen();
    const QString woord = categorieWoord(categorie);
    const QString seizoen = a.strHuidigSeizoen;
    QString code = clubcode;
    code.remove(u'-');

    int provincie = 0;
    QString clubNr;
    if (!code.isEmpty()) {
        clubNr = laatsteDrie(code);
        provincie = provincieVanClubcode(code);
        if (!enkelLid) {
            dbg().uitvoeren(QStringLiteral("DELETE FROM Sterktelijst WHERE Seizoen = ? AND Provincie = ? AND "
                                           "Clubnummer = ? AND Soort = ?"),
                            {seizoen, provincie, clubNr, woord});
        }
    }

    const QString statussen =
        core::objAlgemeneFuncties()
            .Inhoud([&] {
                db::Recordset rs = dbg().openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = 'statussen'"));
                return rs.eof() ? db::Waarde() : rs.veld(0);
            }())
            .tekst()
        + QStringLiteral(",D,T,");
    const QString keuring = core::objAlgemeneFuncties().DatumVorm(core::objFunctiesQJ().EindeDitSeizoen()).tekst();

    bool lijstOntbreekt = false;
    const int aantal = static_cast<int>(leden.size());
    for (int i = 0; i < aantal; ++i) {
        const Lid& l = leden[i];
        if (!statussen.contains(l.status + u','))
            continue;
        const QString voornaam = l.firstName.trimmed();
        const QString achternaam = l.lastName.trimmed();
        const QString naam = achternaam + u' ' + voornaam;
        const QString lidClub = code.isEmpty() ? QString(l.club).remove(u'-') : code;
        const QString lidClubNr = laatsteDrie(lidClub);
        const int lidProvincie = provincieVanClubcode(lidClub);
        QString status = l.status;
        if (status == u"A")
            status = QStringLiteral("I");
        else if (status == u"T")
            status = QStringLiteral("D");
        const QString compNr = compNrVan(l.uniqueIndex);

        m_bron.voortgang(3, QStringLiteral("%1: %2 %3 %4 %5: %6 %7 (%8)")
                                .arg(woord, core::Vertaling(96, 1))
                                .arg(i + 1)
                                .arg(core::Vertaling(160, 1))
                                .arg(aantal)
                                .arg(achternaam, voornaam, l.uniqueIndex));

        if (telling(QStringLiteral("SELECT count(*) FROM Leden WHERE CompNr = ?"), {compNr}) == 0)
            dbg().uitvoeren(QStringLiteral("INSERT INTO Leden (CompNr) VALUES (?)"), {compNr});
        Toewijzingen t;
        t.zet(QStringLiteral("Achternaam"), achternaam);
        t.zet(QStringLiteral("Voornaam"), voornaam);
        t.zet(QStringLiteral("Naam"), naam);
        if (categorie == 1)
            t.zet(QStringLiteral("KlasHeren"), l.ranking);
        t.zet(QStringLiteral("RecInt"), status);
        t.zet(QStringLiteral("Provincie"), QString::number(lidProvincie));
        t.zet(QStringLiteral("Clubnummer"), lidClubNr);
        t.zet(QStringLiteral("Geslacht"), QString(l.gender).replace(u'F', u'V'));
        t.zet(QStringLiteral("Leeftijdsreeks"), l.category);
        t.zet(QStringLiteral("MedischeKeuring"), keuring);
        t.zet(QStringLiteral("Geschrapt"), QStringLiteral("N"));
        t.uitvoeren(QStringLiteral("Leden"), QStringLiteral("CompNr = ?"), {compNr});

        if (!code.isEmpty() && enkelLid) {
            // A member asked for alone: the answer's Position is his place in that answer (always 1),
            // and its ranking index, when the server sends one at all, is not the club's. His row on the
            // list keeps its place, order number and index; his name, ranking and status follow the answer.
            const QString waar = QStringLiteral("Seizoen = ? AND Provincie = ? AND Clubnummer = ? AND Soort = ? AND "
                                                "Computernummer = ?");
            const Parameters sleutel{seizoen, provincie, clubNr, woord, compNr};
            std::optional<QString> index;
            {
                db::Recordset rs = dbg().openRecordset(QStringLiteral("SELECT \"Index\" FROM Sterktelijst WHERE ") + waar, sleutel);
                if (!rs.eof())
                    index = core::objAlgemeneFuncties().Inhoud(rs.veld(0)).tekst();
            }
            if (!index) {
                // Not on the list yet: only the club's own answer knows his place and index.
                lijstOntbreekt = true;
                continue;
            }
            Toewijzingen lijstrij;
            lijstrij.zet(QStringLiteral("Naam"), naam);
            lijstrij.zet(QStringLiteral("Klassering"), l.ranking);
            lijstrij.zet(QStringLiteral("Leeftijdsreeks"), l.category);
            lijstrij.zet(QStringLiteral("Recreant"), recreantteken(status));
            // The index's mark of a recreant or a double member follows his status; its number stays.
            QString getal = *index;
            if (getal.endsWith(u"-R") || getal.endsWith(u"-D"))
                getal.chop(2);
            if (waardeVan(getal) != 0)
                lijstrij.zet(QStringLiteral("\"Index\""), getal + indexteken(status));
            lijstrij.uitvoeren(QStringLiteral("Sterktelijst"), waar, sleutel);
        } else if (!code.isEmpty()) {
            QString index = QStringLiteral("SUP");
            if (waardeVan(l.rankingIndex) != 0)
                index = l.rankingIndex + indexteken(status);
            dbg().uitvoeren(QStringLiteral("INSERT INTO Sterktelijst (Seizoen, Provincie, Clubnummer, Soort, Volgorde, "
                                           "Volgnummer, \"Index\", Computernummer, Naam, Klassering, Leeftijdsreeks, "
                                           "OpSterktelijst, Recreant) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'J', ?)"),
                            {seizoen, provincie, clubNr, woord, waardeVan(l.position), l.position, index, compNr, naam,
                             l.ranking, l.category, recreantteken(status)});
        } else {
            // A member found by a search: its club and venues come from the club list of its province.
            const auto clubs = m_bron.clubs(NrProvOmzettenNaarNrKorvat(lidProvincie));
            if (!clubs)
                throw ImportFout(QStringLiteral("De club van lid %1 kon niet opgehaald worden: %2").arg(compNr, m_bron.fout()));
            APIGegevensClubOpslaan(*clubs, lidClub);
        }
    }

    if (lijstOntbreekt) {
        // The list of the category is rebuilt from the club's answer, as a club import does.
        const auto lijst = m_bron.leden(clubcode, categorie);
        if (!lijst) {
            throw ImportFout(QStringLiteral("De sterktelijst %1 van club %2 kon niet opgehaald worden: %3\nEr werd niets "
                                            "gewijzigd.")
                                 .arg(woord, clubcode, m_bron.fout()));
        }
        APIGegevensLedenOpslaan(*lijst, clubcode, categorie);
    }
}

// ---------------------------------------------------------------------------------------------
// Clubs and venues

void Opslag::APIGegevensClubOpslaan(const QList<Club>& clubs, const QString& clubcode)
{
    const QString gevraagd = QString(clubcode).remove(u'-').toLower();
    for (const Club& c : clubs) {
        const QString code = QString(c.uniqueIndex).remove(u'-');
        if (!gevraagd.isEmpty() && code.toLower() != gevraagd)
            continue;
        const QString clubNr = laatsteDrie(code);
        const qint64 clubGetal = waardeVan(clubNr);
        const int provincie = provincieVanClubcode(code);

        if (c.venueCount > 0) {
            QList<qint64> vroeger;
            {
                db::Recordset rs = dbg().openRecordset(
                    QStringLiteral("SELECT id_lokaal FROM rel_club_lokaal WHERE Provincie = ? AND clubnummer = ? "
                                   "ORDER BY volgorde"),
                    {provincie, clubGetal});
                for (; !rs.eof(); rs.moveNext())
                    vroeger << rs.veld(0).geheel();
            }
            dbg().uitvoeren(QStringLiteral("DELETE FROM rel_club_lokaal WHERE Provincie = ? AND clubnummer = ?"),
                            {provincie, clubGetal});
            // A link's order is the club's own number of the venue, the number by which a match of the
            // service names its hall; a venue without one takes its place in the answer.
            int n = 0;
            int hoogste = std::max<int>(c.venueCount, static_cast<int>(c.lokalen.size()));
            for (const Lokaal& l : c.lokalen) {
                ++n;
                const int volgorde = l.clubVenue > 0 ? l.clubVenue : n;
                hoogste = std::max(hoogste, volgorde);
                const QString straat = QString(l.street).remove(u',');
                const QString postnummer = l.town.left(4);
                const QString gemeente = l.town.size() > 5 ? l.town.mid(5) : l.town;
                bool opId = telling(QStringLiteral("SELECT count(id) FROM Lokalen WHERE id_zelm = ?"), {l.id}) != 0;
                bool opNaam = false;
                if (!opId) {
                    opNaam = telling(QStringLiteral("SELECT count(id) FROM Lokalen WHERE Naam = ? AND Gemeente = ?"),
                                     {l.name, gemeente}) == 1;
                }
                if (!opId && !opNaam) {
                    const qint64 nieuw = telling(QStringLiteral("SELECT max(id) FROM Lokalen"), {}) + 1;
                    dbg().uitvoeren(QStringLiteral("INSERT INTO Lokalen (id, id_zelm) VALUES (?, ?)"), {nieuw, l.id});
                    opId = true;
                }
                Toewijzingen t;
                t.zet(QStringLiteral("Naam"), l.name);
                t.zet(QStringLiteral("Straat"), straat);
                t.zet(QStringLiteral("Postnummer"), postnummer);
                t.zet(QStringLiteral("Gemeente"), gemeente);
                if (opId) {
                    t.uitvoeren(QStringLiteral("Lokalen"), QStringLiteral("id_zelm = ?"), {l.id});
                } else {
                    t.zet(QStringLiteral("id_zelm"), l.id);
                    t.uitvoeren(QStringLiteral("Lokalen"), QStringLiteral("Naam = ? AND Gemeente = ?"), {l.name, gemeente});
                }
                const qint64 idLokaal = telling(QStringLiteral("SELECT id FROM Lokalen WHERE id_zelm = ?"), {l.id});
                dbg().uitvoeren(QStringLiteral("INSERT INTO rel_club_lokaal (clubnummer, provincie, id_lokaal, volgorde) "
                                               "VALUES (?, ?, ?, ?)"),
                                {clubGetal, provincie, idLokaal, volgorde});
            }
            // The earlier venues follow, at numbers that the service does not use for the club.
            int volgende = hoogste + 1;
            for (qint64 id : vroeger) {
                if (telling(QStringLiteral("SELECT count(*) FROM rel_club_lokaal WHERE Provincie = ? AND clubnummer = ? "
                                           "AND id_lokaal = ?"),
                            {provincie, clubGetal, id})
                    == 0) {
                    dbg().uitvoeren(QStringLiteral("INSERT INTO rel_club_lokaal (clubnummer, provincie, id_lokaal, "
                                                   "volgorde) VALUES (?, ?, ?, ?)"),
                                    {clubGetal, provincie, id, volgende});
                    ++volgende;
                }
            }
        }

        if (telling(QStringLiteral("SELECT count(*) FROM Clubs WHERE Provincie = ? AND ClubNr = ?"), {provincie, clubNr}) == 0)
            dbg().uitvoeren(QStringLiteral("INSERT INTO Clubs (Provincie, ClubNr) VALUES (?, ?)"), {provincie, clubNr});
        Toewijzingen t;
        t.zet(QStringLiteral("Clubnaam"), c.name);
        t.zet(QStringLiteral("Ploegnaam"), c.name);
        t.zet(QStringLiteral("Geschrapt"), QStringLiteral("N"));
        t.zet(QStringLiteral("Importeren"), QStringLiteral("J"));
        t.uitvoeren(QStringLiteral("Clubs"), QStringLiteral("ClubNr = ? AND Provincie = ?"), {clubNr, provincie});
    }
}

// ---------------------------------------------------------------------------------------------
// A club with its members

void Opslag::SpelersVanClubImporteren(const QString& clubNr, int provincie, const QString& clubcode)
{
    // Everything is fetched first; the database changes only after complete answers.
    const auto club = m_bron.club(clubcode);
    if (!club)
        throw ImportFout(QStringLiteral("De gegevens van club %1 konden niet opgehaald worden: %2\nEr werd niets gewijzigd.")
                             .arg(clubcode, m_bron.fout()));
    static const int categorieen[] = {1, 2, 3, 27};
    QList<QList<Lid>> leden;
    for (int cat : categorieen) {
        const auto l = m_bron.leden(clubcode, cat);
        if (!l) {
            throw ImportFout(QStringLiteral("De leden van club %1 konden niet opgehaald worden: %2\nEr werd niets gewijzigd.")
                                 .arg(clubcode, m_bron.fout()));
        }
        leden << *l;
    }

    db::Transactie t(dbg());
    if (telling(QStringLiteral("SELECT count(*) FROM Leden WHERE Provincie = ? AND Clubnummer = ?"),
                {QString::number(provincie), clubNr})
        > 0) {
        dbg().uitvoeren(QStringLiteral("UPDATE Leden SET Geschrapt = 'J' WHERE Provincie = ? AND Clubnummer = ?"),
                        {QString::number(provincie), clubNr});
    }
    APIGegevensClubOpslaan(*club, clubcode);
    for (int i = 0; i < 4; ++i)
        APIGegevensLedenOpslaan(leden[i], clubcode, categorieen[i]);
    t.vastleggen();
}

void Opslag::PloegGegevens(const QString& ploegnaam, int provincie, const QString& clubNr, const QString& clubcode)
{
    {
        db::Recordset rs = dbg().openRecordset(
            QStringLiteral("SELECT Importeren FROM Clubs WHERE Provincie = ? AND ClubNr = ?"), {provincie, clubNr});
        if (!rs.eof() && rs.veld(0).tekst() == u"J")
            return;
    }
    if (!m_bron.verbinding())
        return;
    m_bron.voortgang(3, ploegnaam);
    if (clubNr.isEmpty())
        return;
    SpelersVanClubImporteren(clubNr, provincie, clubcode);
    dbg().uitvoeren(QStringLiteral("UPDATE Clubs SET Importeren = 'J' WHERE Provincie = ? AND ClubNr = ?"),
                    {provincie, clubNr});
}

// ---------------------------------------------------------------------------------------------
// Divisions, play dates and matches

void Opslag::APIMatchenOpslaan(const QList<Wedstrijd>& wedstrijden, qint64 reeksId)
{
    core::Algemeen& a = core::algemeen();
    const QString seizoen = a.strHuidigSeizoen;
    if (wedstrijden.isEmpty())
        return;

    db::Transactie transactie(dbg());

    int weken = 0;
    for (const Wedstrijd& w : wedstrijden)
        weken = std::max<int>(weken, static_cast<int>(waardeVan(w.weekName)));

    // Pass 1: the date of every play week, from that week's own matches; a week without a dated match
    // takes the date of the week before; no date is written while none is known.
    QString reeks;
    for (const Wedstrijd& w : wedstrijden) {
        if (!w.divisionName.isEmpty()) {
            reeks = w.divisionName;
            break;
        }
    }
    const QString categorie = categorieVan(reeks);
    a.strCategorieImport = categorie;
    const QString herDam = categorie.left(1).toUpper();
    const QString laatsteId = metNiveau(wedstrijden.last().matchId, reeks);
    const QString kolom = weekKolom(laatsteId.isEmpty() ? QChar() : laatsteId.front());
    QDate d;
    for (int week = 1; week <= weken; ++week) {
        std::map<QDate, QList<QDate>> weekends;
        for (const Wedstrijd& w : wedstrijden) {
            if (isVrij(w.homeClub, w.homeTeam) || isVrij(w.awayClub, w.awayTeam))
                continue;
            const QDate datum = datumVan(w.date);
            if (waardeVan(w.weekName) == week && datum.isValid())
                weekends[speelweekend(datum)] << datum;
        }
        if (!weekends.empty())
            d = weekdatum(weekends);
        const QString weekTekst = QStringLiteral("%1").arg(week, 2, 10, QLatin1Char('0'));
        const QString waar = QStringLiteral("Seizoen = ? AND %1 = ? AND id_zelm_reeks = ?").arg(kolom);
        if (telling(QStringLiteral("SELECT count(*) FROM Datums WHERE ") + waar, {seizoen, weekTekst, reeksId}) == 0) {
            dbg().uitvoeren(QStringLiteral("INSERT INTO Datums (Seizoen, %1, id_zelm_reeks) VALUES (?, ?, ?)").arg(kolom),
                            {seizoen, weekTekst, reeksId});
        }
        Toewijzingen t;
        if (d.isValid())
            t.zet(QStringLiteral("Datum"), d.toString(QStringLiteral("dd-MM-yyyy")));
        t.zet(QStringLiteral("Herdam"), herDam);
        t.uitvoeren(QStringLiteral("Datums"), waar, {seizoen, weekTekst, reeksId});
    }

    // Pass 2: the division and its matches.
    bool eerste = true;
    for (const Wedstrijd& w0 : wedstrijden) {
        Wedstrijd w = w0;
        if (w.divisionName.isEmpty())
            w.divisionName = reeks;
        const QString cat = categorieVan(w.divisionName);
        a.strCategorieImport = cat;
        if (eerste)
            reeksOpslaan(w, reeksId, cat, weken);
        eerste = false;
        wedstrijdOpslaan(w, reeksId, cat, weken);
    }
    transactie.vastleggen();
}

void Opslag::reeksOpslaan(const Wedstrijd& w, qint64 reeksId, const QString& categorie, int weken)
{
    const QString seizoen = core::algemeen().strHuidigSeizoen;
    const QString naam = w.divisionName;
    const QString klein = naam.toLower();
    if (telling(QStringLiteral("SELECT count(*) FROM Reeksen WHERE id_zelm = ?"), {reeksId}) == 0)
        dbg().uitvoeren(QStringLiteral("INSERT INTO Reeksen (id_zelm) VALUES (?)"), {reeksId});
    Toewijzingen t;
    t.zet(QStringLiteral("Seizoen"), seizoen);
    t.zet(QStringLiteral("ReeksNr"), QString::number(reeksId));
    t.zet(QStringLiteral("Soort"), klein.contains(u"super")       ? QStringLiteral("S")
                                   : klein.contains(u"nationaal") ? QStringLiteral("N")
                                   : klein.contains(u"landelijk") ? QStringLiteral("L")
                                                                  : QStringLiteral("P"));
    t.zet(QStringLiteral("Soort1"), QStringLiteral("1"));
    t.zet(QStringLiteral("AtlKaraktersWNr"), QStringLiteral("1"));
    const QString herDam = herDamVan(categorie);
    if (!herDam.isEmpty())
        t.zet(QStringLiteral("HerDam"), herDam);
    t.zet(QStringLiteral("Naam"), naam);
    t.zet(QStringLiteral("NaamAfgekort"), core::ReeksCode(naam, categorie));
    QString spelers;
    if (categorie == u"Heren") {
        const bool recreatief = klein.contains(u"vrijetijd") || klein.contains(u"vrije tijd");
        if (naam.contains(u"Super"))
            spelers = QStringLiteral("2");
        else if (recreatief && klein.contains(u" - prov. limburg - "))
            spelers = QStringLiteral("3");
        else if (klein.contains(u"ng-reeks") && klein.contains(u" - prov. west-vl. - "))
            spelers = QStringLiteral("3");
        else
            spelers = QStringLiteral("4");
    } else if (categorie == u"Dames" || categorie == u"Veteranen" || categorie == u"Jeugd") {
        spelers = QStringLiteral("3");
    }
    if (!spelers.isEmpty()) {
        t.zet(QStringLiteral("AtlIndividueleMatchen"), spelers);
        t.zet(QStringLiteral("AtlWinSets"), QStringLiteral("3"));
    }
    t.zet(QStringLiteral("AtlByes"), QStringLiteral("0"));
    t.zet(QStringLiteral("AantPloeg"),
          naam.contains(u"Super") ? QString::number(weken + 1) : QString::number(weken / 2.0 + 1));
    t.uitvoeren(QStringLiteral("Reeksen"), QStringLiteral("id_zelm = ?"), {reeksId});
}

void Opslag::wedstrijdOpslaan(const Wedstrijd& w, qint64 reeksId, const QString& categorie, int weken)
{
    const QString seizoen = core::algemeen().strHuidigSeizoen;
    const QString reeks = w.divisionName;
    const QString matchId = metNiveau(w.matchId, reeks);
    const QString nummer = QString(matchId).remove(u'/');
    const QString week = QStringLiteral("%1").arg(w.weekName.trimmed(), 2, QLatin1Char('0'));
    const QString kolom = weekKolom(matchId.isEmpty() ? QChar() : matchId.front());
    const QString herDam = categorie.left(1).toUpper();
    const QString reeksTekst = QString::number(reeksId);
    const bool super = reeks.contains(u"Super");

    QDate datum = datumVan(w.date);
    // The progress shows the date as the service wrote it, or as the play date has it.
    QString datumTekst = w.date;
    const bool thuisVrij = isVrij(w.homeClub, w.homeTeam);
    const bool uitVrij = isVrij(w.awayClub, w.awayTeam);
    if (!datum.isValid()) {
        db::Recordset rs = dbg().openRecordset(
            QStringLiteral("SELECT Datum FROM Datums WHERE Seizoen = ? AND %1 = ? AND HerDam = ? AND id_zelm_reeks = ?")
                .arg(kolom),
            {seizoen, week, herDam, reeksId});
        if (!rs.eof()) {
            datumTekst = rs.veld(0).tekst();
            datum = datumVan(datumTekst);
        }
    }

    m_bron.voortgang(1, reeks);
    m_bron.voortgang(2, QStringLiteral("Speelweek: %1 (%2) Wedstrijd  : %3").arg(week, datumTekst, matchId));

    const QString waar = QStringLiteral("Seizoen = ? AND WedstrNr = ? AND ReeksNr = ?");
    const Parameters sleutel{seizoen, nummer, reeksTekst};
    // Whether the match is held already and, if so, what game 4 holds (see below).
    bool nieuw = true;
    bool spel4Ingevuld = false;
    bool eigenWalkOver = false;
    {
        static const QRegularExpression score(QStringLiteral("^-?\\d"));
        QStringList kolommen{QStringLiteral("W04")};
        for (int s = 1; s <= 3; ++s)
            kolommen << QStringLiteral("W04Set%1T").arg(s) << QStringLiteral("W04Set%1U").arg(s);
        for (int k = 1; k <= 4; ++k)
            kolommen << QStringLiteral("AFWTH%1").arg(k) << QStringLiteral("AFWUIT%1").arg(k)
                     << QStringLiteral("WOT%1").arg(k) << QStringLiteral("WOU%1").arg(k);
        kolommen << QStringLiteral("forfaitth") << QStringLiteral("forfaituit");
        db::Recordset rs = dbg().openRecordset(
            QStringLiteral("SELECT %1 FROM Matchen WHERE ").arg(kolommen.join(QStringLiteral(", "))) + waar, sleutel);
        if (!rs.eof()) {
            nieuw = false;
            const auto veld = [&rs](const QString& naam) {
                return core::objAlgemeneFuncties().Inhoud(rs.veld(naam)).tekst().trimmed();
            };
            const QString markering = veld(QStringLiteral("W04"));
            spel4Ingevuld = score.match(veld(QStringLiteral("W04Set1T"))).hasMatch()
                            || (!markering.isEmpty() && markering != u"=");
            // The walk-over that an import writes: "=" with "w" and "o" in sets 1 to 3, while no
            // absence, forfeit or game not played of the match explains it.
            eigenWalkOver = markering == u"=";
            for (int s = 1; s <= 3; ++s)
                eigenWalkOver = eigenWalkOver && veld(QStringLiteral("W04Set%1T").arg(s)) == u"w"
                                && veld(QStringLiteral("W04Set%1U").arg(s)) == u"o";
            for (int k = 1; k <= 4 && eigenWalkOver; ++k) {
                eigenWalkOver = veld(QStringLiteral("AFWTH%1").arg(k)) != u"J" && veld(QStringLiteral("AFWUIT%1").arg(k)) != u"J"
                                && core::Val(veld(QStringLiteral("WOT%1").arg(k))) == 0
                                && core::Val(veld(QStringLiteral("WOU%1").arg(k))) == 0;
            }
            eigenWalkOver = eigenWalkOver && veld(QStringLiteral("forfaitth")) != u"J"
                            && veld(QStringLiteral("forfaituit")) != u"J";
        }
    }
    if (nieuw)
        dbg().uitvoeren(QStringLiteral("INSERT INTO Matchen (Seizoen, WedstrNr, ReeksNr) VALUES (?, ?, ?)"), sleutel);

    Toewijzingen t;
    t.zet(QStringLiteral("SoortComp"), super                           ? QStringLiteral("S")
                                      : reeks.contains(u"Nationaal") ? QStringLiteral("N")
                                      : reeks.contains(u"Landelijk") ? QStringLiteral("L")
                                                                     : QStringLiteral("P"));
    t.zet(QStringLiteral("WeekNr"), week);
    t.zet(QStringLiteral("HeenTerug"), waardeVan(week) <= weken / 2.0 ? QStringLiteral("H") : QStringLiteral("T"));
    t.zet(QStringLiteral("ReeksNr"), reeksTekst);
    const QString herDamWoord = herDamVan(categorie);
    if (!herDamWoord.isEmpty())
        t.zet(QStringLiteral("HerDam"), herDamWoord);
    if (datum.isValid()) {
        t.zet(QStringLiteral("Dag"), core::DagAfkorting(datum.dayOfWeek() % 7 + 1));
        t.zet(QStringLiteral("Datum"), datum.toString(QStringLiteral("dd-MM-yyyy")));
    }
    const QTime uur = QTime::fromString(w.time.trimmed().left(5), QStringLiteral("HH:mm"));
    if (uur.isValid())
        t.zet(QStringLiteral("Uur"), uur.toString(QStringLiteral("HH.mm")));

    // The two sides: the club of each team is imported (once) before the match row is written.
    int thuisProvincie = 0;
    QString thuisClubNr;
    auto kant = [&](bool vrij, const QString& club, const QString& ploeg, const QString& prov, const QString& lk,
                    const QString& nm, bool thuis) {
        if (vrij) {
            t.zet(prov, QStringLiteral("0"));
            t.zet(lk, core::objAlgemeneFuncties().GeenLegeInhoud(ploeg.trimmed()));
        } else {
            const QString code = QString(club).remove(u'-');
            const QString clubNr = laatsteDrie(code);
            const int provincie = provincieVanClubcode(code);
            QString letters = code.left(code.size() - 3).toUpper();
            if (letters == u"B")
                letters = QStringLiteral("BBW");
            else if (letters == u"O")
                letters = QStringLiteral("OVL");
            else if (letters == u"VB")
                letters = QStringLiteral("VLB");
            t.zet(prov, QString::number(provincie));
            t.zet(lk, clubNr);
            PloegGegevens(ploeg, provincie, clubNr, letters + clubNr);
            if (thuis) {
                thuisProvincie = provincie;
                thuisClubNr = clubNr;
            }
        }
        t.zet(nm, ploeg);
    };
    kant(thuisVrij, w.homeClub, w.homeTeam, QStringLiteral("ProvThuis"), QStringLiteral("LKThuis"),
         QStringLiteral("nmthuis"), true);
    kant(uitVrij, w.awayClub, w.awayTeam, QStringLiteral("ProvUIT"), QStringLiteral("LKUIT"), QStringLiteral("nmuit"),
         false);
    // Absences, forfeits and the agreement to play two by two belong to the sheet: a new match gets
    // the defaults, a match already held keeps what the club typed (the calendar is imported again
    // during the season for its changes).
    for (int k = 1; k <= 4; ++k) {
        t.zetIndienLeeg(QStringLiteral("AFWTH%1").arg(k), QStringLiteral("N"));
        t.zetIndienLeeg(QStringLiteral("AFWUIT%1").arg(k), QStringLiteral("N"));
    }
    t.zetIndienLeeg(QStringLiteral("forfaitth"), QStringLiteral("N"));
    t.zetIndienLeeg(QStringLiteral("forfaituit"), QStringLiteral("N"));
    if (super)
        t.zet(QStringLiteral("Soort"), QStringLiteral("4"));
    else if (categorie == u"Dames")
        t.zet(QStringLiteral("Soort"), QStringLiteral("2"));
    else if (categorie == u"Heren" || categorie == u"Veteranen")
        t.zet(QStringLiteral("Soort"), QStringLiteral("1"));
    else if (categorie == u"Jeugd")
        t.zet(QStringLiteral("Soort"), QStringLiteral("3"));

    // Game 4. In a Super men's division it follows the option that lets doubles be played: not
    // played (a walk-over in sets 1 to 3) unless they are played; then emptied, unless the club put
    // a result on it: a score typed into its first set (0 too), or the marker of a decided,
    // forfeited or walk-over game.
    // Elsewhere the import writes nothing on game 4 and keeps whatever the club decided there, a
    // game that neither player played ("=" with the masks or absences that give it) included. It
    // empties only the walk-over that an import of the division as a Super men's division left
    // behind: "=" with "w" and "o" in sets 1 to 3 on a match without any absence, forfeit or game
    // not played, which nobody can have typed.
    auto spel4 = [&](bool wo) {
        for (int s = 1; s <= 3; ++s) {
            t.zet(QStringLiteral("W04Set%1T").arg(s), wo ? db::Waarde(QStringLiteral("w")) : db::Waarde::null());
            t.zet(QStringLiteral("W04Set%1U").arg(s), wo ? db::Waarde(QStringLiteral("o")) : db::Waarde::null());
        }
        t.zet(QStringLiteral("W04"), wo ? db::Waarde(QStringLiteral("=")) : db::Waarde::null());
    };
    if (super && categorie == u"Heren") {
        db::Recordset rs = dbg().openRecordset(QStringLiteral("SELECT Item FROM Opties WHERE Soort = 'SuperDubbelSpelen'"));
        const bool wo = !rs.eof() && rs.veld(0).tekst().trimmed().toUpper() == u"N";
        if (wo || !spel4Ingevuld)
            spel4(wo);
    } else if (eigenWalkOver) {
        spel4(false);
    }

    // The venue: the home club's venue of that number, as a venue of Lokalen. When there is none (the
    // service names no venue, or the club has no venue of that number) a match already held keeps
    // the venue it has, which may have been chosen on its sheet.
    qint64 zaal = 0;
    if (!thuisVrij && w.venue > 0) {
        zaal = telling(QStringLiteral("SELECT id_lokaal FROM rel_club_lokaal WHERE clubnummer = ? AND provincie = ? "
                                      "AND volgorde = ?"),
                       {waardeVan(thuisClubNr), thuisProvincie, w.venue});
    }
    if (zaal > 0)
        t.zet(QStringLiteral("Zaal"), zaal);
    else
        t.zetIndienLeeg(QStringLiteral("Zaal"), zaal);
    t.zetIndienLeeg(QStringLiteral("Akkoord2aan2"), QStringLiteral("J"));
    t.uitvoeren(QStringLiteral("Matchen"), waar, sleutel);
}

} // namespace webimport
