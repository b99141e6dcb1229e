#include "WedstrijdToevoegen.h"

#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FunctiesQJ.h"
#include "core/Matchkolommen.h"
#include "core/Tekst.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

namespace masterdata {

namespace {

bool past(const QString& patroon, const QString& tekst)
{
    return QRegularExpression(QStringLiteral("^(?:%1)$").arg(patroon)).match(tekst).hasMatch();
}

QString weekKolom(const QString& niveau)
{
    if (niveau == u"S")
        return QStringLiteral("WeekNrSuper");
    if (niveau == u"N")
        return QStringLiteral("WeekNrNat");
    if (niveau == u"L")
        return QStringLiteral("WeekNrLand");
    return QStringLiteral("WeekNrP");
}

QString matchSoort(const QString& niveau, const QString& categorie)
{
    if (niveau == u"S")
        return QStringLiteral("4");
    if (categorie == u"Dames")
        return QStringLiteral("2");
    if (categorie == u"Jeugd")
        return QStringLiteral("3");
    return QStringLiteral("1");
}

Toevoeging fout(const QString& melding)
{
    Toevoeging t;
    t.melding = melding;
    return t;
}

} // namespace

QString wedstrijdNummer(const QString& niveau, const QString& provincieAfkorting, const QString& categorie,
                        const QString& week, const QString& nummer)
{
    // The abbreviation without its dots, as in the competition's numbers (VB. gives PVBH05012).
    QString afkorting = provincieAfkorting;
    afkorting.remove(u'.');
    return niveau + (niveau == u"P" ? afkorting : QString()) + categorie.left(1).toUpper() + week + nummer;
}

QString reeksNaam(const QString& niveau, const QString& reeks, const QString& categorie, const QString& provincieNaam)
{
    if (niveau == u"S")
        return QStringLiteral("Super Afdeling - ") + categorie;
    QString niveauNaam;
    if (niveau == u"N")
        niveauNaam = QStringLiteral("Nationaal");
    else if (niveau == u"L")
        niveauNaam = QStringLiteral("Landelijk");
    else
        niveauNaam = QStringLiteral("Prov. ") + provincieNaam;
    return QStringLiteral("Afdeling %1 - %2 - %3").arg(reeks, niveauNaam, categorie);
}

int superSpelers(const QString& categorie)
{
    return categorie == u"Heren" ? 2 : 3;
}

Toevoeging wedstrijdToevoegen(const NieuweWedstrijd& invoer)
{
    core::Algemeen& a = core::algemeen();
    db::Database& d = a.dbGegevens;
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    NieuweWedstrijd w = invoer;

    // Every value is checked before anything is written.
    w.seizoen = w.seizoen.trimmed();
    if (!past(QStringLiteral("[0-9]{4}-[0-9]{4}"), w.seizoen)
        || w.seizoen.mid(5).toInt() != w.seizoen.left(4).toInt() + 1)
        return fout(QStringLiteral("Het seizoen moet de vorm jjjj-jjjj hebben, twee opeenvolgende jaren "
                                   "(bijvoorbeeld 2010-2011) !"));
    if (!QStringList{QStringLiteral("S"), QStringLiteral("N"), QStringLiteral("L"), QStringLiteral("P")}.contains(w.niveau))
        return fout(QStringLiteral("Kies het niveau van de wedstrijd !"));
    const QStringList categorieen{QStringLiteral("Heren"), QStringLiteral("Dames"), QStringLiteral("Veteranen"),
                                  QStringLiteral("Jeugd")};
    if (!categorieen.contains(w.categorie))
        return fout(QStringLiteral("Kies de categorie van de wedstrijd !"));
    w.reeks = w.reeks.trimmed().toUpper();
    if (w.niveau != u"S" && !past(QStringLiteral("[0-9][A-Z0-9]{0,3}"), w.reeks))
        return fout(QStringLiteral("De reeks is een cijfer gevolgd door hoogstens drie letters of cijfers "
                                   "(bijvoorbeeld 3A) !"));
    if (w.spelers < 2 || w.spelers > 4)
        return fout(QStringLiteral("Een ploeg telt 2, 3 of 4 spelers !"));
    // The teams of a Super division have the size the competition gives them, and keep it.
    if (w.niveau == u"S" && w.spelers != superSpelers(w.categorie))
        return fout(QStringLiteral("Een ploeg van de %1 telt %2 spelers !")
                        .arg(reeksNaam(w.niveau, QString(), w.categorie, QString()))
                        .arg(superSpelers(w.categorie)));
    w.weekNr = w.weekNr.trimmed();
    if (!past(QStringLiteral("[0-9]{1,2}"), w.weekNr) || w.weekNr.toInt() == 0)
        return fout(QStringLiteral("Het weeknummer is een getal van 1 tot 99 !"));
    w.nummer = w.nummer.trimmed();
    if (!past(QStringLiteral("[0-9]{1,3}"), w.nummer) || w.nummer.toInt() == 0)
        return fout(QStringLiteral("Het wedstrijdnummer is een getal van 1 tot 999 !"));
    if (w.heenTerug != u"H" && w.heenTerug != u"T")
        return fout(QStringLiteral("Kies heen- of terugronde !"));
    w.datum = w.datum.trimmed();
    const QDate datum = QDate::fromString(w.datum, QStringLiteral("d-M-yyyy"));
    if (!past(QStringLiteral("[0-9]{1,2}-[0-9]{1,2}-[0-9]{4}"), w.datum) || !datum.isValid())
        return fout(QStringLiteral("De datum moet de vorm dd-mm-jjjj hebben (bijvoorbeeld 12-09-2010) !"));
    const int beginjaar = w.seizoen.left(4).toInt();
    if (datum < QDate(beginjaar, 7, 1) || datum > QDate(beginjaar + 1, 6, 30))
        return fout(QStringLiteral("De datum %1 valt niet in het seizoen %2 !")
                        .arg(datum.toString(QStringLiteral("dd-MM-yyyy")), w.seizoen));
    QString uur = w.uur.trimmed();
    if (uur.isEmpty() || !core::IsUur(uur))
        return fout(QStringLiteral("Het uur moet de vorm uu.mm hebben (bijvoorbeeld 19.45) !"));
    uur = core::UurTekst(uur);
    const bool thuisVrij = w.lkThuis.trimmed().isEmpty();
    const bool uitVrij = w.lkUit.trimmed().isEmpty();
    if (thuisVrij && uitVrij)
        return fout(QStringLiteral("Kies de thuisclub en de bezoekende club !"));
    w.nmThuis = w.nmThuis.trimmed();
    w.nmUit = w.nmUit.trimmed();
    if (w.nmThuis.isEmpty())
        return fout(QStringLiteral("Vul de naam van de thuisploeg in !"));
    if (w.nmUit.isEmpty())
        return fout(QStringLiteral("Vul de naam van de bezoekende ploeg in !"));

    // A provincial match carries the province of its home club (of the visitors for a bye).
    const int provincie = thuisVrij ? w.provUit : w.provThuis;
    const QString week = core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(w.weekNr.toInt()), 2);
    const QString nummer = core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(w.nummer.toInt()), 3);
    const QString wedstrNr =
        wedstrijdNummer(w.niveau, core::ProvincieAfkorting(provincie), w.categorie, week, nummer);
    const QString getoond = core::Left(wedstrNr, wedstrNr.size() - 3) + u'/' + core::Right(wedstrNr, 3);
    if (d.openRecordset(QStringLiteral("SELECT COUNT(*) FROM Matchen WHERE Seizoen = ? AND WedstrNr = ?"),
                        {w.seizoen, wedstrNr})
            .veld(0)
            .geheel()
        > 0)
        return fout(QStringLiteral("De wedstrijd %1 bestaat al in het seizoen %2 !").arg(getoond, w.seizoen));

    const QString herDam = w.categorie.left(1);
    const QString naam = reeksNaam(w.niveau, w.reeks, w.categorie, core::ProvincieNaam(provincie));
    db::Recordset reeks = d.openRecordset(
        QStringLiteral("SELECT id_zelm, ReeksNr, AtlIndividueleMatchen FROM Reeksen WHERE Seizoen = ? AND Soort = ? "
                       "AND HerDam = ? AND Naam = ?"),
        {w.seizoen, w.niveau, herDam, naam});
    qint64 reeksId = 0;
    QString reeksNr;
    if (!reeks.eof()) {
        if (core::CInt(reeks.veld(2)) != w.spelers)
            return fout(QStringLiteral("De reeks %1 bestaat al, met ploegen van %2 spelers !")
                            .arg(naam, f.Inhoud(reeks.veld(2)).tekst()));
        reeksId = reeks.veld(0).geheel();
        reeksNr = reeks.veld(1).tekst();
    }

    db::Transactie t(d);
    if (reeksNr.isEmpty()) {
        // Divisions made by hand are numbered from 50000 on, apart from the competition's own.
        reeksId = qMax<qint64>(49999, d.openRecordset(QStringLiteral("SELECT MAX(id_zelm) FROM Reeksen")).veld(0).geheel())
                  + 1;
        reeksNr = QString::number(reeksId);
        d.uitvoeren(QStringLiteral("INSERT INTO Reeksen (id_zelm, Seizoen, ReeksNr, Soort, Soort1, AtlKaraktersWNr, HerDam, "
                                   "Naam, NaamAfgekort, AantPloeg, AtlIndividueleMatchen, AtlByes, AtlWinSets) "
                                   "VALUES (?, ?, ?, ?, '1', '1', ?, ?, ?, '99', ?, '0', '3')"),
                    {reeksId, w.seizoen, reeksNr, w.niveau, herDam, naam, core::ReeksCode(naam, w.categorie),
                     QString::number(w.spelers)});
    }

    const QString datumTekst = datum.toString(QStringLiteral("dd-MM-yyyy"));
    const QString kolom = weekKolom(w.niveau);
    if (d.openRecordset(QStringLiteral("SELECT COUNT(*) FROM Datums WHERE Seizoen = ? AND %1 = ? AND id_zelm_reeks = ?")
                            .arg(kolom),
                        {w.seizoen, week, reeksId})
            .veld(0)
            .geheel()
        == 0)
        d.uitvoeren(QStringLiteral("INSERT INTO Datums (Seizoen, %1, id_zelm_reeks, Datum, HerDam) VALUES (?, ?, ?, ?, ?)")
                        .arg(kolom),
                    {w.seizoen, week, reeksId, datumTekst, herDam});

    const QString dag = core::DagAfkorting(datum.dayOfWeek() % 7 + 1);
    QStringList kolommen{QStringLiteral("Seizoen"), QStringLiteral("SoortComp"), QStringLiteral("WeekNr"),
                         QStringLiteral("HeenTerug"), QStringLiteral("WedstrNr"), QStringLiteral("ReeksNr"),
                         QStringLiteral("HerDam"), QStringLiteral("Dag"), QStringLiteral("Datum"),
                         QStringLiteral("Uur"), QStringLiteral("ProvThuis"), QStringLiteral("LKThuis"),
                         QStringLiteral("nmthuis"), QStringLiteral("ProvUIT"), QStringLiteral("LKUIT"),
                         QStringLiteral("nmuit"), QStringLiteral("Zaal"), QStringLiteral("Soort"),
                         QStringLiteral("DATUMWIJZ"), QStringLiteral("forfaitth"), QStringLiteral("forfaituit"),
                         QStringLiteral("Akkoord2aan2")};
    // A bye stands with province 0 and its team text as club number, as the import writes it.
    QList<db::Waarde> waarden{w.seizoen,
                              w.niveau,
                              week,
                              w.heenTerug,
                              wedstrNr,
                              reeksNr,
                              herDam,
                              dag,
                              datumTekst,
                              uur,
                              QString::number(thuisVrij ? 0 : w.provThuis),
                              thuisVrij ? w.nmThuis : w.lkThuis.trimmed(),
                              w.nmThuis,
                              QString::number(uitVrij ? 0 : w.provUit),
                              uitVrij ? w.nmUit : w.lkUit.trimmed(),
                              w.nmUit,
                              w.zaal,
                              matchSoort(w.niveau, w.categorie),
                              QStringLiteral("1"),
                              QStringLiteral("N"),
                              QStringLiteral("N"),
                              QStringLiteral("J")};
    for (int k = 1; k <= 4; ++k) {
        kolommen << QStringLiteral("AFWTH%1").arg(k) << QStringLiteral("AFWUIT%1").arg(k);
        waarden << QStringLiteral("N") << QStringLiteral("N");
    }
    // Without the doubles, a Super men's match has its fourth game as a walk-over.
    if (w.niveau == u"S" && w.categorie == u"Heren") {
        if (core::SuperDubbelOptie() == u"N") {
            for (int s = 1; s <= 3; ++s) {
                kolommen << core::SetKolom(4, s, true) << core::SetKolom(4, s, false);
                waarden << QStringLiteral("w") << QStringLiteral("o");
            }
            kolommen << core::SpelKolom(4);
            waarden << QStringLiteral("=");
        }
    }
    QStringList vraagtekens;
    for (int i = 0; i < kolommen.size(); ++i)
        vraagtekens << QStringLiteral("?");
    d.uitvoeren(QStringLiteral("INSERT INTO Matchen (%1) VALUES (%2)").arg(kolommen.join(u", "), vraagtekens.join(u", ")),
                waarden);
    t.vastleggen();

    Toevoeging uit;
    uit.ok = true;
    uit.wedstrNr = wedstrNr;
    uit.datum = datumTekst;
    uit.seizoen = w.seizoen;
    return uit;
}

} // namespace masterdata
