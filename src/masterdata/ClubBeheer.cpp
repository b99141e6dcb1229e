#include "ClubBeheer.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"

namespace masterdata {

namespace {

db::Database& dbg()
{
    return core::algemeen().dbGegevens;
}

QString tekst(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

db::Waarde opslagTekst(const QString& t)
{
    return core::objAlgemeneFuncties().GeenLegeInhoud(t.trimmed());
}

// rel_club_lokaal keeps the club number as a number.
qint64 clubGetal(const QString& clubNr)
{
    return clubNr.toLongLong();
}

void volgordeHernummeren(int provincie, const QString& clubNr)
{
    db::Recordset rs = dbg().openRecordset(
        QStringLiteral("SELECT id_lokaal FROM rel_club_lokaal WHERE clubnummer = ? AND provincie = ? ORDER BY volgorde"),
        {clubGetal(clubNr), provincie});
    QList<qint64> ids;
    for (; !rs.eof(); rs.moveNext())
        ids << rs.veld(0).geheel();
    for (int i = 0; i < ids.size(); ++i)
        dbg().uitvoeren(QStringLiteral("UPDATE rel_club_lokaal SET volgorde = ? WHERE clubnummer = ? AND provincie = ? "
                                       "AND id_lokaal = ?"),
                        {i + 1, clubGetal(clubNr), provincie, ids[i]});
}

void lokaalOpruimenAlsOngebruikt(qint64 id)
{
    const qint64 clubs =
        dbg().openRecordset(QStringLiteral("SELECT COUNT(*) FROM rel_club_lokaal WHERE id_lokaal = ?"), {id}).veld(0).geheel();
    const qint64 matchen =
        dbg().openRecordset(QStringLiteral("SELECT COUNT(*) FROM Matchen WHERE Zaal = ?"), {id}).veld(0).geheel();
    if (clubs == 0 && matchen == 0)
        dbg().uitvoeren(QStringLiteral("DELETE FROM Lokalen WHERE id = ?"), {id});
}

} // namespace

QList<Club> clubsLijst()
{
    QList<Club> uit;
    db::Recordset rs = dbg().openRecordset(
        QStringLiteral("SELECT Provincie, ClubNr, ClubNaam, Ploegnaam, Geschrapt FROM Clubs ORDER BY Provincie, ClubNr"));
    for (; !rs.eof(); rs.moveNext()) {
        Club c;
        c.provincie = static_cast<int>(rs.veld(0).geheel());
        c.clubNr = tekst(rs.veld(1));
        c.clubNaam = tekst(rs.veld(2));
        c.ploegnaam = tekst(rs.veld(3));
        c.geschrapt = tekst(rs.veld(4)).compare(u"J", Qt::CaseInsensitive) == 0;
        uit << c;
    }
    return uit;
}

QString clubControleren(Club& club)
{
    const QString nr = club.clubNr.trimmed();
    if (nr.isEmpty() || !core::AlleenCijfers(nr) || nr.size() > 3 || nr.toInt() == 0)
        return QStringLiteral("Het clubnummer bestaat uit 1 tot 3 cijfers en is niet 000 !");
    if (club.provincie < 1 || club.provincie > 11 || core::ProvincieAfkorting(club.provincie).isEmpty())
        return QStringLiteral("Kies de provincie van de club !");
    if (club.clubNaam.trimmed().isEmpty())
        return QStringLiteral("Vul de naam van de club in !");
    club.clubNr = nr.rightJustified(3, u'0');
    return QString();
}

QString clubOpslaan(Club club, bool nieuw)
{
    const QString fout = clubControleren(club);
    if (!fout.isEmpty())
        return fout;
    const qint64 bestaat = dbg()
                               .openRecordset(QStringLiteral("SELECT COUNT(*) FROM Clubs WHERE Provincie = ? AND ClubNr = ?"),
                                              {club.provincie, club.clubNr})
                               .veld(0)
                               .geheel();
    const QString geschrapt = club.geschrapt ? QStringLiteral("J") : QStringLiteral("N");
    if (nieuw) {
        if (bestaat > 0)
            return QStringLiteral("De club %1 %2 bestaat al !").arg(core::ProvincieAfkorting(club.provincie), club.clubNr);
        dbg().uitvoeren(QStringLiteral("INSERT INTO Clubs (Provincie, ClubNr, ClubNaam, Ploegnaam, Geschrapt, Importeren) "
                                       "VALUES (?, ?, ?, ?, ?, 'N')"),
                        {club.provincie, club.clubNr, opslagTekst(club.clubNaam), opslagTekst(club.ploegnaam), geschrapt});
        return QString();
    }
    if (bestaat == 0)
        return QStringLiteral("De club %1 %2 bestaat niet meer !").arg(core::ProvincieAfkorting(club.provincie), club.clubNr);
    dbg().uitvoeren(
        QStringLiteral("UPDATE Clubs SET ClubNaam = ?, Ploegnaam = ?, Geschrapt = ? WHERE Provincie = ? AND ClubNr = ?"),
        {opslagTekst(club.clubNaam), opslagTekst(club.ploegnaam), geschrapt, club.provincie, club.clubNr});
    return QString();
}

void clubVerwijderen(int provincie, const QString& clubNr)
{
    db::Transactie t(dbg());
    QList<qint64> ids;
    for (const Lokaal& l : lokalenVanClub(provincie, clubNr))
        ids << l.id;
    dbg().uitvoeren(QStringLiteral("DELETE FROM rel_club_lokaal WHERE clubnummer = ? AND provincie = ?"),
                    {clubGetal(clubNr), provincie});
    dbg().uitvoeren(QStringLiteral("DELETE FROM Clubs WHERE Provincie = ? AND ClubNr = ?"), {provincie, clubNr});
    for (qint64 id : ids)
        lokaalOpruimenAlsOngebruikt(id);
    t.vastleggen();
}

QList<Lokaal> lokalenVanClub(int provincie, const QString& clubNr)
{
    QList<Lokaal> uit;
    db::Recordset rs = dbg().openRecordset(
        QStringLiteral("SELECT L.id, L.Naam, L.Straat, L.Postnummer, L.Gemeente FROM rel_club_lokaal AS R "
                       "INNER JOIN Lokalen AS L ON R.id_lokaal = L.id WHERE R.clubnummer = ? AND R.provincie = ? "
                       "ORDER BY R.volgorde"),
        {clubGetal(clubNr), provincie});
    for (; !rs.eof(); rs.moveNext()) {
        Lokaal l;
        l.id = rs.veld(0).geheel();
        l.naam = tekst(rs.veld(1));
        l.straat = tekst(rs.veld(2));
        l.postnummer = tekst(rs.veld(3));
        l.gemeente = tekst(rs.veld(4));
        uit << l;
    }
    return uit;
}

QString lokaalControleren(const Lokaal& lokaal)
{
    if (lokaal.naam.trimmed().isEmpty())
        return QStringLiteral("Vul de naam van het lokaal in !");
    return QString();
}

qint64 lokaalToevoegen(int provincie, const QString& clubNr, const Lokaal& lokaal)
{
    db::Transactie t(dbg());
    const qint64 id = dbg().openRecordset(QStringLiteral("SELECT MAX(id) FROM Lokalen")).veld(0).geheel() + 1;
    dbg().uitvoeren(QStringLiteral("INSERT INTO Lokalen (id, Naam, Straat, Postnummer, Gemeente, id_zelm) "
                                   "VALUES (?, ?, ?, ?, ?, 0)"),
                    {id, opslagTekst(lokaal.naam), opslagTekst(lokaal.straat), opslagTekst(lokaal.postnummer),
                     opslagTekst(lokaal.gemeente)});
    const qint64 volgorde =
        dbg()
            .openRecordset(QStringLiteral("SELECT MAX(volgorde) FROM rel_club_lokaal WHERE clubnummer = ? AND provincie = ?"),
                           {clubGetal(clubNr), provincie})
            .veld(0)
            .geheel()
        + 1;
    dbg().uitvoeren(QStringLiteral("INSERT INTO rel_club_lokaal (clubnummer, provincie, id_lokaal, volgorde) "
                                   "VALUES (?, ?, ?, ?)"),
                    {clubGetal(clubNr), provincie, id, volgorde});
    t.vastleggen();
    return id;
}

void lokaalWijzigen(const Lokaal& lokaal)
{
    dbg().uitvoeren(QStringLiteral("UPDATE Lokalen SET Naam = ?, Straat = ?, Postnummer = ?, Gemeente = ? WHERE id = ?"),
                    {opslagTekst(lokaal.naam), opslagTekst(lokaal.straat), opslagTekst(lokaal.postnummer),
                     opslagTekst(lokaal.gemeente), lokaal.id});
}

void lokaalLosmaken(int provincie, const QString& clubNr, qint64 id)
{
    db::Transactie t(dbg());
    dbg().uitvoeren(QStringLiteral("DELETE FROM rel_club_lokaal WHERE clubnummer = ? AND provincie = ? AND id_lokaal = ?"),
                    {clubGetal(clubNr), provincie, id});
    volgordeHernummeren(provincie, clubNr);
    lokaalOpruimenAlsOngebruikt(id);
    t.vastleggen();
}

bool lokaalVerplaatsen(int provincie, const QString& clubNr, qint64 id, int richting)
{
    QList<Lokaal> lijst = lokalenVanClub(provincie, clubNr);
    int plaats = -1;
    for (int i = 0; i < lijst.size(); ++i) {
        if (lijst[i].id == id)
            plaats = i;
    }
    const int doel = plaats + richting;
    if (plaats < 0 || doel < 0 || doel >= lijst.size())
        return false;
    lijst.swapItemsAt(plaats, doel);
    db::Transactie t(dbg());
    for (int i = 0; i < lijst.size(); ++i)
        dbg().uitvoeren(QStringLiteral("UPDATE rel_club_lokaal SET volgorde = ? WHERE clubnummer = ? AND provincie = ? "
                                       "AND id_lokaal = ?"),
                        {i + 1, clubGetal(clubNr), provincie, lijst[i].id});
    t.vastleggen();
    return true;
}

QList<Verantwoordelijke> verantwoordelijkenLijst()
{
    QList<Verantwoordelijke> uit;
    db::Recordset rs = dbg().openRecordset(
        QStringLiteral("SELECT rowid, Naam, CompNr, Scheidsrechter FROM Verantwoordelijken ORDER BY Naam, rowid"));
    for (; !rs.eof(); rs.moveNext()) {
        Verantwoordelijke v;
        v.rij = rs.veld(0).geheel();
        v.naam = tekst(rs.veld(1));
        v.compNr = tekst(rs.veld(2));
        v.scheidsrechter = tekst(rs.veld(3)).compare(u"J", Qt::CaseInsensitive) == 0;
        uit << v;
    }
    return uit;
}

QString verantwoordelijkeControleren(Verantwoordelijke& v)
{
    if (v.naam.trimmed().isEmpty())
        return QStringLiteral("Vul de naam van de verantwoordelijke in !");
    const int breedte = core::algemeen().intAantalKaraktersCompNr;
    QString nr = v.compNr.trimmed();
    if (!nr.isEmpty()) {
        if (!core::AlleenCijfers(nr) || nr.size() > breedte)
            return QStringLiteral("Het computernummer bestaat uit hoogstens %1 cijfers !").arg(breedte);
        core::objFunctiesQJ().BeginNulToevoegen(nr, breedte);
    }
    v.compNr = nr;
    return QString();
}

QString verantwoordelijkeOpslaan(Verantwoordelijke& v)
{
    const QString fout = verantwoordelijkeControleren(v);
    if (!fout.isEmpty())
        return fout;
    if (!v.compNr.isEmpty()) {
        const qint64 dubbel = dbg()
                                  .openRecordset(QStringLiteral("SELECT COUNT(*) FROM Verantwoordelijken WHERE CompNr = ? "
                                                                "AND rowid <> ?"),
                                                 {v.compNr, v.rij})
                                  .veld(0)
                                  .geheel();
        if (dubbel > 0)
            return QStringLiteral("Het computernummer %1 staat al in de lijst van de verantwoordelijken !").arg(v.compNr);
    }
    const QString scheids = v.scheidsrechter ? QStringLiteral("J") : QStringLiteral("N");
    if (v.rij == 0) {
        dbg().uitvoeren(QStringLiteral("INSERT INTO Verantwoordelijken (Naam, CompNr, Scheidsrechter) VALUES (?, ?, ?)"),
                        {opslagTekst(v.naam), opslagTekst(v.compNr), scheids});
        v.rij = dbg().openRecordset(QStringLiteral("SELECT last_insert_rowid()")).veld(0).geheel();
    } else {
        dbg().uitvoeren(QStringLiteral("UPDATE Verantwoordelijken SET Naam = ?, CompNr = ?, Scheidsrechter = ? "
                                       "WHERE rowid = ?"),
                        {opslagTekst(v.naam), opslagTekst(v.compNr), scheids, v.rij});
    }
    return QString();
}

void verantwoordelijkeVerwijderen(qint64 rij)
{
    dbg().uitvoeren(QStringLiteral("DELETE FROM Verantwoordelijken WHERE rowid = ?"), {rij});
}

} // namespace masterdata
