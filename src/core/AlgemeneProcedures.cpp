#include "AlgemeneProcedures.h"

#include "core/Algemeen.h"
#include "core/Ansi.h"
#include "core/FunctiesQJ.h"
#include "core/Tekst.h"
#include "core/Vertalingen.h"

#include <QApplication>
#include <QTime>
#include <QWidget>

#include <cmath>
#include <optional>

namespace core {

namespace {

const QString TabelProvincies = QStringLiteral("Provincies");
constexpr int NrProvincieKolom = 762;

// The province number as a value to bind, or nothing when the argument is no number at all: an empty or
// non-numeric number simply finds no province instead of producing a broken statement.
std::optional<db::Waarde> provincieSleutel(const db::Waarde& nummer)
{
    if (nummer.isLeeg() || nummer.isNull())
        return std::nullopt;
    double getal = 0;
    if (nummer.isGetal() || nummer.isJaNee()) {
        getal = nummer.getal();
    } else {
        const QString tekst = nummer.tekst().trimmed();
        if (tekst.isEmpty() || !IsNumeric(db::Waarde(tekst)))
            return std::nullopt;
        getal = Val(QString(tekst).replace(u',', u'.'));
    }
    if (getal == std::floor(getal) && std::abs(getal) < 1e15)
        return db::Waarde(static_cast<qint64>(getal));
    return db::Waarde(getal);
}

// The column of Provincies that holds the names in the language of the user interface, with the spelling of
// the table, or the empty text when the translation names no column of Provincies. The name comes from data,
// so it is checked before it goes into a statement.
QString naamKolom()
{
    const QString gevraagd = Vertaling(NrProvincieKolom, 1).trimmed();
    if (gevraagd.isEmpty())
        return QString();
    const db::TabelDef def = algemeen().dbGegevens.tabelDef(TabelProvincies);
    for (const db::VeldDef& veld : def.velden) {
        if (veld.naam.compare(gevraagd, Qt::CaseInsensitive) == 0)
            return veld.naam;
    }
    return QString();
}

std::optional<QString> naamVan(const QString& sql, const QString& compNr)
{
    Algemeen& a = algemeen();
    a.strSQL = sql;
    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL, {compNr});
    if (rs.eof())
        return std::nullopt;
    rs.moveFirst();
    return rs.veld(QStringLiteral("Naam")).tekst();
}

QString tweeCijfers(double getal)
{
    return QString::number(Int(getal), 'f', 0).rightJustified(2, u'0');
}

} // namespace

bool VensterZoeken(QString& titel, quintptr& venster)
{
    if (titel.isEmpty())
        titel = QStringLiteral("Microsoft Word");
    // Other programs' windows cannot be listed here, so a running word processor is never found; searching the
    // program's own visible top-level windows keeps the procedure's contract for them. The address is the handle.
    const QList<QWidget*> vensters = QApplication::topLevelWidgets();
    for (QWidget* w : vensters) {
        if (!w->isVisible())
            continue;
        const QString opschrift = w->windowTitle().left(255);
        if (opschrift.left(titel.size()).compare(titel, Qt::CaseInsensitive) == 0) {
            venster = reinterpret_cast<quintptr>(w);
            return true;
        }
    }
    venster = 0;
    return false;
}

void AltijdBovenaanZetten(QWidget* venster, bool aan)
{
    if (!venster)
        return;
    if (venster->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == aan)
        return;
    // Changing a window flag hides the window and may move it; put back its place and size, and show it again
    // without activating it when it was shown before.
    const QRect plaats = venster->geometry();
    const bool zichtbaar = venster->isVisible();
    venster->setWindowFlag(Qt::WindowStaysOnTopHint, aan);
    venster->setGeometry(plaats);
    if (zichtbaar) {
        const bool zonderActiveren = venster->testAttribute(Qt::WA_ShowWithoutActivating);
        venster->setAttribute(Qt::WA_ShowWithoutActivating, true);
        venster->show();
        venster->setAttribute(Qt::WA_ShowWithoutActivating, zonderActiveren);
    }
}

// Both transformations work on the Windows-1252 codes. Codes that would leave 0..255 wrap around, so that
// decoding undoes coding for every character.
QString PaswoordCoderen(const db::Waarde& tekst)
{
    QByteArray codes = naarAnsi(tekst.tekst());
    for (char& c : codes)
        c = static_cast<char>(static_cast<unsigned char>(c) - 26);
    return vanAnsi(codes);
}

QString PaswoordDecoderen(const db::Waarde& tekst)
{
    QByteArray codes = naarAnsi(tekst.tekst());
    for (char& c : codes)
        c = static_cast<char>(static_cast<unsigned char>(c) + 26);
    return vanAnsi(codes);
}

QString DatumTekst(const db::Waarde& tekst)
{
    if (tekst.tekst().isEmpty())
        return QString();
    const QDateTime datum = tekst.datum();
    // A text that is no date is the caller's mistake; it comes back as it is rather than being lost.
    if (!datum.isValid())
        return tekst.tekst();
    return datum.date().toString(QStringLiteral("dd-MM-yyyy"));
}

bool IsDatum(const db::Waarde& tekst)
{
    if (tekst.tekst().isEmpty())
        return true;
    return tekst.datum().isValid();
}

bool IsUur(const db::Waarde& waarde)
{
    const QString tekst = waarde.tekst();
    const auto begintMetCijfer = [](const QString& s) { return !s.isEmpty() && s.at(0) >= u'0' && s.at(0) <= u'9'; };
    const qsizetype lengte = tekst.size();
    if (lengte == 0)
        return true;
    if (lengte <= 2)
        return begintMetCijfer(tekst) && Val(tekst) < 25;
    if (lengte <= 5) {
        const qsizetype punt = InStr(tekst, QStringLiteral("."));
        if (punt == 0)
            return false;
        const QString uren = Left(tekst, punt - 1);
        const QString minuten = Mid(tekst, punt + 1);
        return begintMetCijfer(uren) && Val(uren) < 25 && begintMetCijfer(minuten) && Val(minuten) < 60;
    }
    return false;
}

QString UurTekst(QString& tekst)
{
    if (tekst.isEmpty())
        return QString();
    if (tekst.size() <= 2)
        tekst += QStringLiteral(".00");
    // Hours and minutes are written from their numbers rather than read as a time of day, so that every text
    // IsUur lets through gets its "hh.mm" form, hour 24 and "2a" included.
    const qsizetype punt = InStr(tekst, QStringLiteral("."));
    const QString uren = punt == 0 ? tekst : Left(tekst, punt - 1);
    const QString minuten = punt == 0 ? QString() : Mid(tekst, punt + 1);
    return tweeCijfers(Val(uren)) + u'.' + tweeCijfers(Val(minuten));
}

std::optional<QString> EinduurLezen(const QString& tekst)
{
    QString s = QString(tekst).replace(u':', u'.').trimmed();
    if (s.endsWith(u'.'))
        s.chop(1);
    if (!IsUur(s))
        return std::nullopt;
    s = UurTekst(s);
    // IsUur lets hour 24 through; as an end time it is no time of day.
    if (!s.isEmpty() && !QTime::fromString(s, QStringLiteral("hh.mm")).isValid())
        return std::nullopt;
    return s;
}

QString DagAfkorting(const db::Waarde& weekdag)
{
    static const char* const dagen[] = {"ZO", "MA", "DI", "WO", "DO", "VR", "ZA"};
    if (!IsNumeric(weekdag))
        return QString();
    const double dag = weekdag.isTekst() ? Val(weekdag.tekst().trimmed().replace(u',', u'.')) : weekdag.getal();
    for (int i = 0; i < 7; ++i) {
        if (dag == i + 1)
            return QString::fromLatin1(dagen[i]);
    }
    return QString();
}

QString ProvincieAfkorting(const db::Waarde& nummer)
{
    Algemeen& a = algemeen();
    a.strSQL = QStringLiteral("Select * From Provincies WHERE Nr = ?;");
    const std::optional<db::Waarde> sleutel = provincieSleutel(nummer);
    if (!sleutel)
        return QString();
    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL, {*sleutel});
    if (rs.eof())
        return QString();
    rs.moveFirst();
    return rs.veld(QStringLiteral("Afkorting")).tekst();
}

QString ProvincieNaam(const db::Waarde& nummer)
{
    Algemeen& a = algemeen();
    a.strSQL = QStringLiteral("SELECT * From Provincies WHERE Nr = ?;");
    const std::optional<db::Waarde> sleutel = provincieSleutel(nummer);
    if (!sleutel)
        return QString();
    a.rsHulp = a.dbGegevens.openRecordset(a.strSQL, {*sleutel});
    if (a.rsHulp.eof())
        return QString();
    a.rsHulp.moveFirst();
    const QString kolom = naamKolom();
    if (kolom.isEmpty())
        return QString();
    return a.rsHulp.veld(kolom).tekst();
}

int ProvincieNr(const db::Waarde& naamWaarde, int soort)
{
    Algemeen& a = algemeen();
    QString naam = naamWaarde.tekst();
    if (naam.isEmpty() && soort == 0)
        naam = a.strProvincie;
    else if (naam.isEmpty() && soort == 1)
        naam = a.strProvincieAfkorting;
    if (naam.compare(u"All", Qt::CaseInsensitive) == 0)
        return -1;

    // The name is bound rather than put between quotes, so that a quote in it cannot break the statement.
    QList<db::Waarde> parameters;
    switch (soort) {
    case 0:
    case 3:
        a.strSQL = QStringLiteral("Select * From Provincies WHERE Provincie = ? or Province = ?;");
        parameters = {naam, naam};
        break;
    case 2:
        if (a.rsProvincies.isOpen()) {
            a.rsProvincies.setIndex(QStringLiteral("Alfa"));
            if (!a.rsProvincies.eof())
                a.rsProvincies.moveFirst();
            const QString gezocht = naam;
            while (!a.rsProvincies.eof()) {
                const QString afkorting = a.rsProvincies.veld(QStringLiteral("Afkorting")).tekst();
                if (QString(afkorting).remove(u'.').compare(gezocht, Qt::CaseInsensitive) == 0)
                    naam = afkorting;
                a.rsProvincies.moveNext();
            }
        }
        [[fallthrough]];
    case 1:
        a.strSQL = QStringLiteral("Select * From Provincies WHERE Afkorting = ?;");
        parameters = {naam};
        break;
    case 4:
        naam = Replace(naam, QStringLiteral("-"), QString(), Vergelijk::Tekst);
        a.strSQL = QStringLiteral("Select * From Provincies WHERE TabT = ?;");
        parameters = {naam};
        break;
    default:
        return -1;
    }

    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL, parameters);
    if (rs.eof())
        return -1;
    rs.moveFirst();
    return CInt(rs.veld(QStringLiteral("Nr")));
}

QString ProvincieTabT(const db::Waarde& naam)
{
    Algemeen& a = algemeen();
    const QString kolom = naamKolom();
    // Without a known name column there is nothing to look in; an empty column name would give broken SQL.
    if (kolom.isEmpty())
        return QString();
    a.strSQL = QStringLiteral("Select * From Provincies WHERE %1 = ?;").arg(db::sqlNaam(kolom));
    db::Recordset rs = a.dbGegevens.openRecordset(a.strSQL, {naam.tekst()});
    if (rs.eof())
        return QString();
    rs.moveFirst();
    return rs.veld(QStringLiteral("TabT")).tekst();
}

QString SqlTekst(const db::Waarde& waarde)
{
    return Replace(waarde.tekst(), QStringLiteral("'"), QStringLiteral("''"));
}

QString ZonderAccenten(const db::Waarde& waarde)
{
    // Indexed by code - 192; '\0' leaves the character as it is. Codes 192 to 255 of Windows-1252 are the
    // same characters as in Unicode, so the text is not converted first and characters outside the code page
    // are kept as well.
    static const char16_t basis[64] = {
        u'A', u'A', u'A', u'A', u'A', u'A', 0,    u'C', u'E', u'E', u'E', u'E', u'I', u'I', u'I', u'I',
        u'D', u'N', u'O', u'O', u'O', u'O', u'O', 0,    u'O', u'U', u'U', u'U', u'U', u'Y', 0,    0,
        u'a', u'a', u'a', u'a', u'a', u'a', 0,    u'c', u'e', u'e', u'e', u'e', u'i', u'i', u'i', u'i',
        u'd', u'n', u'o', u'o', u'o', u'o', u'o', 0,    u'o', u'u', u'u', u'u', u'u', u'y', 0,    u'y',
    };
    QString tekst = waarde.tekst();
    for (QChar& c : tekst) {
        const char16_t code = c.unicode();
        if (code >= 192 && code <= 255 && basis[code - 192] != 0)
            c = QChar(basis[code - 192]);
    }
    return tekst;
}

int SeizoenNr(const db::Waarde& jaar)
{
    const QString tekst = jaar.tekst();
    if (tekst.size() != 4)
        return 0;
    return static_cast<int>(std::nearbyint(Val(tekst))) - 1999;
}

std::optional<QString> SpelerNaam(const QString& compNr)
{
    if (auto naam = naamVan(QStringLiteral("SELECT Naam from leden where CompNr = ?"), compNr))
        return naam;
    return naamVan(QStringLiteral("SELECT Naam from alternatief where Computernummer = ?"), compNr);
}

QString SpelerNamen(const db::Waarde& codeWaarde)
{
    const QString code = codeWaarde.tekst();
    if (code.isEmpty())
        return QString();
    const qsizetype breedte = qMax(0, algemeen().intAantalKaraktersCompNr);
    const QString naam1 = SpelerNaam(Left(code, breedte)).value_or(QString());
    const std::optional<QString> naam2 = SpelerNaam(Right(code, breedte));
    if (!naam2)
        return naam1;
    return naam1 + QStringLiteral(" - ") + *naam2;
}

bool ZelfdeCompNr(const QString& a, const QString& b, int breedte)
{
    const FunctiesQJ& f = objFunctiesQJ();
    return f.BeginNulToevoegen(db::Waarde(a.trimmed()), breedte) == f.BeginNulToevoegen(db::Waarde(b.trimmed()), breedte);
}

int PartnerPlaats(const QString& compNr, const QList<Opstellingsplaats>& plaatsen)
{
    if (compNr.trimmed().isEmpty())
        return 0;
    for (int i = 0; i < 3 && i < plaatsen.size(); ++i) {
        if (!plaatsen[i].compNr.trimmed().isEmpty() && ZelfdeCompNr(plaatsen[i].compNr, compNr, algemeen().intAantalKaraktersCompNr))
            return i + 1;
    }
    return 0;
}

QString PaarOpPlaatsen(const QString& eerste, const QString& tweede, const QList<Opstellingsplaats>& plaatsen)
{
    const auto partner = [&plaatsen](const QString& nr) {
        if (nr.trimmed().isEmpty())
            return QString();
        if (const int plaats = PartnerPlaats(nr, plaatsen))
            return QString::number(plaats);
        return SpelerNaam(nr).value_or(nr);
    };
    return partner(eerste) + QStringLiteral(" + ") + partner(tweede);
}

bool Naamgenoot(const QString& compNr, const QString& naam, const QList<Opstellingsplaats>& plaatsen)
{
    if (naam.trimmed().isEmpty())
        return false;
    for (const Opstellingsplaats& p : plaatsen) {
        if (!p.compNr.trimmed().isEmpty() && !ZelfdeCompNr(p.compNr, compNr, algemeen().intAantalKaraktersCompNr)
            && QString::compare(p.naam.trimmed(), naam.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString PaarMetNamen(const QString& eerste, const QString& tweede, const QString& namen,
                     const QList<Opstellingsplaats>& plaatsen)
{
    // A partner's name as the sheet shows it on his place, else as the members know him.
    const auto naamgenoot = [&plaatsen](const QString& nr) {
        const int plaats = PartnerPlaats(nr, plaatsen);
        const QString naam = plaats ? plaatsen[plaats - 1].naam : SpelerNaam(nr).value_or(QString());
        return Naamgenoot(nr, naam, plaatsen);
    };
    if (namen.isEmpty() || (!naamgenoot(eerste) && !naamgenoot(tweede)))
        return namen;
    return PaarOpPlaatsen(eerste, tweede, plaatsen) + QStringLiteral("  ") + namen;
}

QString ReeksCode(const db::Waarde& reeksWaarde, const db::Waarde& categorieWaarde)
{
    const QString reeks = reeksWaarde.tekst();
    const auto bevat = [&reeks](const char* woord)
    {
        return reeks.contains(QLatin1String(woord), Qt::CaseInsensitive);
    };

    QString niveau = QStringLiteral("P");
    if (bevat("Super"))
        niveau = QStringLiteral("S");
    else if (bevat("Nationaal"))
        niveau = QStringLiteral("N");
    else if (bevat("Landelijk"))
        niveau = QStringLiteral("L");
    else if (bevat("Jeugd"))
        niveau = QStringLiteral("J");

    const QString categorie = UCase(categorieWaarde.tekst());
    QString letter;
    if (categorie == u"HEREN")
        letter = QStringLiteral("H");
    else if (categorie == u"DAMES")
        letter = QStringLiteral("D");
    else if (categorie == u"VETERANEN")
        letter = QStringLiteral("V");
    else if (categorie == u"JEUGD")
        letter = QStringLiteral("J");

    QString naam = Replace(reeks, QStringLiteral("Afdeling "), QString(), Vergelijk::Tekst);
    const qsizetype streep = InStr(naam, QStringLiteral(" - "));
    if (streep > 0)
        naam = Left(naam, streep - 1);

    return niveau + u' ' + letter + u' ' + naam;
}

QString TweedeCompNr(const db::Waarde& regel)
{
    const qsizetype breedte = qMax(0, algemeen().intAantalKaraktersCompNr);
    const QString nummer = Left(Right(regel.tekst(), breedte + 1), breedte);
    return QString::number(std::nearbyint(Val(nummer)), 'f', 0);
}

} // namespace core
