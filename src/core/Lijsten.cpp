#include "Lijsten.h"

#include "AlgemeneFuncties.h"
#include "Algemeen.h"
#include "Tekst.h"

namespace core {

namespace {

// The columns that select a match by its home or its visiting side.
struct Kant
{
    QString club;
    QString provincie;
};

Kant kantVan(bool uitwedstrijden)
{
    return uitwedstrijden ? Kant{QStringLiteral("LKUIT"), QStringLiteral("PROVUIT")}
                          : Kant{QStringLiteral("LKThuis"), QStringLiteral("ProvThuis")};
}

// The condition on the side and its parameters, for the view.
QString kantVoorwaarde(bool uitwedstrijden, const Weergave& weergave, QList<db::Waarde>& parameters)
{
    const Algemeen& a = algemeen();
    const Kant kant = kantVan(uitwedstrijden);
    QString sql;
    if (weergave.eigenClub) {
        sql = kant.club + QStringLiteral(" = ? AND ");
        parameters << a.strClubNr;
    }
    sql += kant.provincie + QStringLiteral(" = ?");
    parameters << a.strClubProv;
    return sql;
}

enum class Groep
{
    Eerste,
    Dames,
    Veteranen
};

Groep groepVan(const QString& regel)
{
    if (regel.contains(QLatin1StringView("(Veteranen)"), Qt::CaseInsensitive))
        return Groep::Veteranen;
    if (regel.contains(QLatin1StringView("(Dames"), Qt::CaseInsensitive))
        return Groep::Dames;
    return Groep::Eerste;
}

} // namespace

Weergave WeergaveBepalen()
{
    Algemeen& a = algemeen();
    Weergave w;
    db::Recordset optie = a.dbGegevens.openRecordset(
        QStringLiteral("SELECT Item FROM Opties WHERE Soort = 'Weergave Wedstrijden';"));
    w.eigenClub = !optie.eof() && optie.veld(QStringLiteral("Item")).tekst() == u"0";

    db::Recordset club = a.dbGegevens.openRecordset(
        QStringLiteral("SELECT ClubNr, Clubnaam FROM Clubs WHERE ClubNr = ? AND Provincie = ?;"),
        {a.strClubNr, a.strClubProv.trimmed().isEmpty() ? db::Waarde::null() : db::Waarde(Val(a.strClubProv))});
    if (!club.eof() && Val(a.strClubProv) > 0 && Val(a.strClubNr) > 0) {
        w.clubGevonden = true;
        w.clubNr = club.veld(QStringLiteral("ClubNr")).tekst();
        w.clubNaam = club.veld(QStringLiteral("Clubnaam")).tekst();
    } else {
        w.eigenClub = false;
    }
    return w;
}

QStringList SpeeldatumsLijst(const QString& seizoen, bool uitwedstrijden, const Weergave& weergave)
{
    Algemeen& a = algemeen();
    QList<db::Waarde> parameters{seizoen};
    const QString sql = QStringLiteral("SELECT DISTINCT cdate(Datum) as D FROM Matchen WHERE Datum <> '' AND Seizoen = ? AND ")
                        + kantVoorwaarde(uitwedstrijden, weergave, parameters)
                        + QStringLiteral(" ORDER BY cdate(Datum) ASC;");
    db::Recordset rs = a.dbGegevens.openRecordset(sql, parameters);
    QStringList datums;
    for (; !rs.eof(); rs.moveNext()) {
        const db::Waarde d = rs.veld(QStringLiteral("D"));
        // A date the engine cannot read comes back as Null: it is no play date.
        if (objAlgemeneFuncties().Inhoud(d).tekst().isEmpty())
            continue;
        const QDateTime datum = db::leesDatum(d.tekst());
        if (datum.isValid())
            datums << datum.date().toString(QStringLiteral("dd-MM-yyyy"));
    }
    return datums;
}

int EersteSpeeldatumVanaf(const QStringList& datums, const QDate& vandaag)
{
    for (int i = 0; i < datums.size(); ++i) {
        const QDateTime d = db::leesDatum(datums[i]);
        if (d.isValid() && d.date() >= vandaag)
            return i;
    }
    return -1;
}

int SpeeldatumKiezen(const QStringList& datums, bool huidigSeizoen, const QDate& vandaag)
{
    if (datums.isEmpty())
        return -1;
    if (!huidigSeizoen)
        return 0;
    const int i = EersteSpeeldatumVanaf(datums, vandaag);
    return i >= 0 ? i : static_cast<int>(datums.size()) - 1;
}

QString WedstrijdRegel(const QString& wedstrNr, const QString& thuis, const QString& uit, const QString& herDam)
{
    QString nr = wedstrNr;
    nr.replace(u'Q', u'P');
    QString regel = nr + QStringLiteral(": ") + thuis + QStringLiteral(" - ") + uit;
    const QString letter = UCase(herDam);
    if (letter == u"V")
        regel += QStringLiteral(" (Veteranen)");
    else if (letter == u"J")
        regel += QStringLiteral(" (Jeugd)");
    else if (letter == u"D")
        regel += QStringLiteral(" (Dames)");
    return regel;
}

void RegelToevoegen(QStringList& lijst, const QString& regel)
{
    const Groep nieuw = groepVan(regel);
    qsizetype plaats = lijst.size();
    // Walk back over the run of entries at the end that belong to a later group.
    while (plaats > 0 && groepVan(lijst[plaats - 1]) > nieuw)
        --plaats;
    lijst.insert(plaats, regel);
}

QStringList WedstrijdenLijst(const QString& datum, bool uitwedstrijden, const Weergave& weergave)
{
    Algemeen& a = algemeen();
    QList<db::Waarde> parameters{datum};
    const QString sql = QStringLiteral("SELECT WedstrNr, nmthuis, nmuit, HerDam FROM Matchen WHERE Datum = ? AND ")
                        + kantVoorwaarde(uitwedstrijden, weergave, parameters)
                        + QStringLiteral(" ORDER BY NMTHUIS ASC, ReeksNr ASC, WedstrNr ASC;");
    db::Recordset rs = a.dbGegevens.openRecordset(sql, parameters);
    QStringList lijst;
    for (; !rs.eof(); rs.moveNext()) {
        RegelToevoegen(lijst, WedstrijdRegel(rs.veld(QStringLiteral("WedstrNr")).tekst(),
                                             rs.veld(QStringLiteral("nmthuis")).tekst(),
                                             rs.veld(QStringLiteral("nmuit")).tekst(),
                                             rs.veld(QStringLiteral("HerDam")).tekst()));
    }
    return lijst;
}

} // namespace core
