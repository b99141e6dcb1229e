#include "Wisselbestand.h"

#include "IngevuldeWedstrijden.h"
#include "Uitslagen.h"
#include "Wedstrijdrecord.h"

#include "core/Algemeen.h"
#include "core/Ansi.h"
#include "core/Diensten.h"
#include "core/Opstart.h"
#include "core/Tekst.h"
#include "db/Hoofdletters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <optional>

using core::algemeen;

namespace exchange {

namespace {

struct Sectie
{
    const char* tabel;
    const char* omschrijving; ///< for the progress caption of the import
    int stap;                 ///< the import's progress step
    const char* velden;
};

// The tables that the file can carry, with the fields of their sections in the order of the table
// structure.
const Sectie Secties[] = {
    {"Leden", "de gegevens van de leden", 1,
     "compnr achternaam voornaam naam geboortedatum geslacht klasdames klasheren clubnummer medischekeuring recint "
     "provincie geschrapt leeftijdsreeks"},
    {"Alternatief", "de toegevoegde spelers", 10,
     "clubnummer ploegnaam soort volgnummer index computernummer naam klassering provincie"},
    {"Opties", "de opties", 10, "soort item afkorting"},
    {"Clubs", "de gegevens van de clubs", 10, "provincie clubnr clubnaam ploegnaam geschrapt importeren"},
    {"Datums", "de speelweken", 10, "seizoen datum herdam weeknrp weeknrnat weeknrsuper weeknrland id_zelm_reeks"},
    {"Reeksen", "de reeksen", 10,
     "id_zelm seizoen reeksnr soort soort1 atlkarakterswnr herdam naam naamafgekort aantploeg atlindividuelematchen "
     "atlbyes atlwinsets"},
    {"Matchen", "de interclubkalender", 1,
     "seizoen soortcomp weeknr heenterug wedstrnr reeksnr herdam dag datum uur provthuis lkthuis nmthuis provuit lkuit "
     "nmuit zaal"},
    {"Sterktelijst", "de sterktelijsten", 1,
     "seizoen provincie clubnummer soort volgorde volgnummer index computernummer naam klassering leeftijdsreeks "
     "opsterktelijst recreant"},
    {"Lokalen", "de lokalen", 10, "id naam straat postnummer gemeente id_zelm"},
    {"rel_club_lokaal", "de lokalen", 10, "clubnummer provincie id_lokaal volgorde"},
    {"Ploegen", nullptr, 10,
     "soort reeksnr ploegnr ploegletter clubnr provincie algemeenforfait herdam uurthuismatch dagthuismatch"},
};

// The export: the ten tables in the order of the file, with their progress caption and step.
struct ExportTabel
{
    const char* tabel;
    const char* omschrijving;
    int stap;
};
const ExportTabel ExportTabellen[] = {
    {"Leden", "de gegevens van de leden", 1},   {"Alternatief", "de gegevens van de leden", 1},
    {"Opties", "de opties", 10},                {"Clubs", "de gegevens van de clubs", 10},
    {"Datums", "de tabel Datums", 10},          {"Reeksen", "de reeksen", 5},
    {"Matchen", "de tabel Matchen", 1},         {"Sterktelijst", "de sterktelijsten", 1},
    {"Lokalen", "de lokalen", 1},               {"rel_club_lokaal", "de lokalen", 1},
};

// The options that travel with the file.
const QSet<QString>& exportOpties()
{
    static const QSet<QString> opties{"aantal karakters compnr", "munteenheid", "clubnr", "clubprov", "provincie",
                                      "weergave wedstrijden"};
    return opties;
}

// The index by which a row of the file finds its row in the table, and its fields.
struct Sleutel
{
    QString index;
    QStringList velden;
};

Sleutel sleutelVan(const QString& tabel)
{
    static const QHash<QString, Sleutel> sleutels{
        {"Leden", {"CompNr", {"compnr"}}},
        {"Clubs", {"ClubNr", {"provincie", "clubnr"}}},
        {"Matchen", {"WedstrNr", {"seizoen", "wedstrnr"}}},
        {"Sterktelijst", {"SpelerZoeken", {"seizoen", "provincie", "clubnummer", "computernummer", "soort"}}},
        {"Reeksen", {"Soort", {"seizoen", "soort", "herdam", "reeksnr"}}},
        {"Opties", {"Soort", {"soort"}}},
        {"Lokalen", {"Import", {"id"}}},
        {"rel_club_lokaal", {"Import", {"id_lokaal", "clubnummer", "provincie"}}},
        // The member number is sought as the text it is, so that leading zeros count.
        {"Alternatief", {"SpelerZoeken", {"computernummer", "soort", "clubnummer", "provincie"}}},
    };
    return sleutels.value(tabel);
}

// The sheet's defaults after an import: what an empty absence, forfeit and agreement box get.
// An empty Soort gets "4" for a match of a Super division, as the calendar import from the
// competition's web service stores it; else "2" for a ladies' match (HerDam "D"), else "1".
const QList<QPair<QString, QString>>& bladStandaarden()
{
    static const QList<QPair<QString, QString>> standaard{
        {"AFWTH1", "N"},  {"AFWTH2", "N"},  {"AFWTH3", "N"},    {"AFWTH4", "N"},     {"AFWUIT1", "N"},     {"AFWUIT2", "N"},
        {"AFWUIT3", "N"}, {"AFWUIT4", "N"}, {"FORFAITTH", "N"}, {"FORFAITUIT", "N"}, {"Akkoord2aan2", "J"}};
    return standaard;
}

const QString& soortVoor(QStringView herDam, bool superReeks)
{
    static const QString super = QStringLiteral("4");
    static const QString dames = QStringLiteral("2");
    static const QString anders = QStringLiteral("1");
    return superReeks ? super : herDam == u"D" ? dames : anders;
}

// The condition on a Reeksen row (alias r) that it is the Super division of the Matchen row: its
// name holds "Super" in these capitals (instr compares exactly).
QString superReeksVoorwaarde()
{
    return QStringLiteral("instr(r.Naam, 'Super') > 0");
}

QString opschrift(const QString& omschrijving, bool importeren)
{
    return (importeren ? QStringLiteral("Bezig met het importeren van ") : QStringLiteral("Bezig met het exporteren van "))
           + omschrijving + QStringLiteral(" - Even Geduld.....");
}

const Sectie* sectieVan(const QString& naam)
{
    for (const Sectie& s : Secties) {
        if (naam.compare(QLatin1String(s.tabel), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

// The fields of the structure that the section carries, in the structure's order.
QStringList veldenInSectie(const QStringList& structuur, const QStringList& sectie)
{
    QStringList velden;
    for (const QString& veld : structuur) {
        if (sectie.contains(veld.toLower()))
            velden << veld;
    }
    return velden;
}

// A value as it goes into the file, with its ";" after it: ";" cannot travel and becomes ",", a
// line break a blank; a letter that the file's code page lacks becomes "?" as it is written, and the
// value is named in the report.
void waardeToevoegen(QString& regel, const db::Waarde& w, const QString& tabel, Exportverslag& verslag)
{
    const qsizetype begin = regel.size();
    regel += w.tekst();
    bool veranderd = false;
    bool buitenAnsi = false;
    char16_t* c = reinterpret_cast<char16_t*>(regel.data());
    for (qsizetype i = begin; i < regel.size(); ++i) {
        if (c[i] == u';') {
            c[i] = u',';
            veranderd = true;
        } else if (c[i] == u'\r' || c[i] == u'\n') {
            c[i] = u' ';
            veranderd = true;
        } else if (c[i] >= 0x80 && !buitenAnsi) {
            buitenAnsi = !core::pastInAnsi(QStringView(c + i, 1));
        }
    }
    if (veranderd)
        ++verslag.aangepast;
    if (buitenAnsi)
        verslag.verlorenLetters << VerlorenLetterNoemen(QStringLiteral("- tabel ") + tabel, w.tekst());
    regel += u';';
}

// One table section: header, count, a line per row, end; nothing for a table without rows.
void sectieSchrijven(QStringList& regels, const QString& tabel, const QString& omschrijving, int stap,
                     const QStringList& structuur, core::IVoortgang& voortgang, Exportverslag& verslag)
{
    db::Database& d = algemeen().dbGegevens;
    const QStringList velden = veldenInSectie(structuur, SectieVelden(tabel));
    voortgang.opschriftZetten(opschrift(omschrijving, false));

    // A field that the structure names and the table lacks goes as an empty value.
    const db::TabelDef def = d.tabelDef(tabel);
    QSet<QString> kolommen;
    for (const db::VeldDef& v : def.velden)
        kolommen.insert(v.naam.toLower());
    QStringList keuze;
    for (const QString& veld : velden)
        keuze << (kolommen.contains(veld.toLower()) ? db::sqlNaam(veld) : QStringLiteral("NULL"));
    // For Opties the key (the structure's first field) decides which rows go.
    const bool opties = tabel == u"Opties";
    const QString sleutelveld = structuur.value(0);
    if (opties)
        keuze << (kolommen.contains(sleutelveld.toLower()) ? db::sqlNaam(sleutelveld) : QStringLiteral("NULL"));
    if (keuze.isEmpty())
        keuze << QStringLiteral("NULL");

    db::Recordset rs = d.openRecordset(QStringLiteral("SELECT ") + keuze.join(QStringLiteral(", ")) + QStringLiteral(" FROM ")
                                       + db::sqlNaam(def.naam) + QStringLiteral(" ORDER BY rowid"));
    const qint64 aantal = rs.recordCount();
    if (aantal == 0)
        return;
    regels << QStringLiteral("###") + tabel << u' ' + QString::number(aantal) + u' ';
    core::Voortgangsmarkering markering(static_cast<double>(aantal), stap, stap);
    qint64 teller = 0;
    const int n = static_cast<int>(velden.size());
    qsizetype lengte = 64; // room for a line as long as the longest so far
    for (; !rs.eof(); rs.moveNext()) {
        ++teller;
        if (!opties || exportOpties().contains(db::kleineLetters(rs.veld(n).tekst()))) {
            QString regel;
            regel.reserve(lengte);
            for (int i = 0; i < n; ++i)
                waardeToevoegen(regel, rs.veld(i), tabel, verslag);
            lengte = std::max(lengte, regel.size() + 16);
            if (!regel.isEmpty())
                regels << regel;
        }
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    regels << QStringLiteral("###");
    verslag.rijen << qMakePair(tabel, aantal);
}

// The file read line by line, with the number of the line last read.
class Lezer
{
public:
    explicit Lezer(const QString& pad)
        : m_bestand(pad)
    {
        if (!m_bestand.open(QIODevice::ReadOnly))
            throw core::ActieFout(QStringLiteral("Het bestand \"%1\" kan niet geopend worden: %2")
                                      .arg(QDir::toNativeSeparators(pad), m_bestand.errorString()));
        m_lezer.emplace(&m_bestand);
    }

    bool lezen(QString& regel)
    {
        if (!m_lezer->regelLezen(regel)) {
            if (m_bestand.error() != QFileDevice::NoError)
                throw core::ActieFout(QStringLiteral("Het bestand kan niet gelezen worden: ") + m_bestand.errorString());
            return false;
        }
        ++m_nummer;
        return true;
    }
    qint64 nummer() const { return m_nummer; }

private:
    QFile m_bestand;
    std::optional<core::AnsiLezer> m_lezer;
    qint64 m_nummer = 0;
};

[[noreturn]] void misvormd(qint64 regel, const QString& wat)
{
    throw core::ActieFout(QStringLiteral("Regel %1: %2").arg(regel).arg(wat));
}

// The count line of a section: a whole number, blanks around it allowed.
qint64 aantalLezen(Lezer& lezer, const QString& sectie)
{
    QString regel;
    if (!lezer.lezen(regel))
        misvormd(lezer.nummer() + 1, QStringLiteral("het bestand eindigt na de kop van de sectie \"%1\"").arg(sectie));
    bool ok = false;
    const qint64 aantal = regel.trimmed().toLongLong(&ok);
    if (!ok || aantal < 0)
        misvormd(lezer.nummer(), QStringLiteral("het aantal van de sectie \"%1\" is geen getal (\"%2\")").arg(sectie, regel));
    return aantal;
}

// The key value of a number field as the table compares it, by its value, after the key so far.
// False when the text is no number.
bool getalSleutel(QStringView tekst, QString& sleutel)
{
    // A whole number of up to 15 digits is written as the conversion below would write it.
    const qsizetype n = tekst.size();
    const bool min = n > 0 && tekst[0] == u'-';
    qsizetype i = min ? 1 : 0;
    while (i < n - 1 && tekst[i] == u'0')
        ++i;
    const qsizetype cijfers = n - i;
    bool gewoon = cijfers >= 1 && cijfers <= 15 && !(min && cijfers == 1 && tekst[i] == u'0');
    for (qsizetype j = i; gewoon && j < n; ++j)
        gewoon = tekst[j] >= u'0' && tekst[j] <= u'9';
    if (gewoon) {
        if (min)
            sleutel += u'-';
        sleutel.append(tekst.constData() + i, cijfers);
    } else {
        // The number as the field would store it; what it cannot hold ("inf", "nan") is no key.
        double getal = 0;
        if (!db::tekstAlsGetal(tekst.toString(), getal))
            return false;
        sleutel += QString::number(getal, 'g', 17);
    }
    sleutel += u'\x1f';
    return true;
}

// The key value of a text field as the table compares it, A-Z without regard to case, after the
// key so far.
void tekstSleutel(QStringView tekst, QString& sleutel)
{
    const qsizetype begin = sleutel.size();
    sleutel.resize(begin + tekst.size() + 1);
    char16_t* c = reinterpret_cast<char16_t*>(sleutel.data()) + begin;
    for (const QChar t : tekst)
        *c++ = t >= u'A' && t <= u'Z' ? static_cast<char16_t>(t.unicode() + (u'a' - u'A')) : t.unicode();
    *c = u'\x1f';
}

// The lines of the rows passed over, for the closing report: "regel 7", "regels 7, 9, 12", and
// beyond ten of them the first ten and how many more.
QString regelnummers(const QList<qint64>& regels)
{
    constexpr qsizetype Getoond = 10;
    QStringList nummers;
    for (qsizetype i = 0; i < regels.size() && i < Getoond; ++i)
        nummers << QString::number(regels[i]);
    QString tekst = (regels.size() == 1 ? QStringLiteral("regel ") : QStringLiteral("regels "))
                    + nummers.join(QStringLiteral(", "));
    if (regels.size() > Getoond)
        tekst += QStringLiteral(" en nog %1 andere").arg(regels.size() - Getoond);
    return tekst;
}

void telOvergeslagen(Importverslag& verslag, const QString& reden)
{
    for (auto& [tekst, aantal] : verslag.overgeslagen) {
        if (tekst == reden) {
            ++aantal;
            return;
        }
    }
    verslag.overgeslagen << qMakePair(reden, qint64(1));
}

// One table section: each row overwrites the row of its key in the fields the file carries, or is
// added. True when every row was written with the sheet defaults (a calendar read into an empty
// table).
bool sectieLezen(Lezer& lezer, const Sectie& sectie, const QStringList& structuur, core::IVoortgang& voortgang,
                 Importverslag& verslag, UitgesteldeKalender& kalender)
{
    const QString tabel = QString::fromLatin1(sectie.tabel);
    const qint64 kop = lezer.nummer();
    const QStringList velden = veldenInSectie(structuur, SectieVelden(tabel));
    if (velden.isEmpty())
        throw core::ActieFout(QStringLiteral("De tabelstructuur beschrijft de velden van de tabel %1 niet.").arg(tabel));
    voortgang.opschriftZetten(opschrift(QString::fromLatin1(sectie.omschrijving), true));
    const qint64 aantal = aantalLezen(lezer, tabel);

    db::Database& d = algemeen().dbGegevens;
    db::Recordset rs = d.openTabel(tabel);
    const db::TabelDef def = d.tabelDef(tabel);
    const auto plaatsVan = [&velden](const QString& veld) -> int {
        for (int i = 0; i < velden.size(); ++i) {
            if (velden[i].compare(veld, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    };
    // The key fields as the file holds them, in the key order of the table's index.
    const auto sleutelVolgorde = [&](const QString& index) {
        QList<int> plaatsen;
        for (const db::IndexDef& i : def.indexen) {
            if (i.naam.compare(index, Qt::CaseInsensitive) != 0)
                continue;
            for (const db::IndexVeldDef& v : i.velden)
                plaatsen << plaatsVan(v.naam);
        }
        return plaatsen;
    };
    const Sleutel sleutel = sleutelVan(tabel);
    const QList<int> sleutelPlaatsen = sleutelVolgorde(sleutel.index);
    const bool datums = tabel == u"Datums";
    static const QList<QPair<QString, QString>> weken{{"weeknrp", "ImportP"}, {"weeknrnat", "ImportN"},
                                                       {"weeknrsuper", "ImportS"}, {"weeknrland", "ImportL"}};
    QString huidigeIndex;
    if (!datums) {
        if (sleutelPlaatsen.isEmpty() || sleutelPlaatsen.contains(-1))
            throw core::ActieFout(QStringLiteral("De tabel %1 heeft geen index %2 op de velden die het bestand meebrengt.")
                                      .arg(tabel, sleutel.index));
        rs.setIndex(sleutel.index);
    }

    const int n = static_cast<int>(velden.size());
    // Which fields hold numbers: a key value that is no number cannot be held by its field.
    QList<bool> getalveld(n, false);
    for (int i = 0; i < n; ++i) {
        for (const db::VeldDef& v : def.velden) {
            if (v.naam.compare(velden[i], Qt::CaseInsensitive) == 0)
                getalveld[i] = v.typeWoord == db::TypeWoord::Integer || v.typeWoord == db::TypeWoord::Long
                               || v.typeWoord == db::TypeWoord::Double;
        }
    }
    // The fields by number, looked up once; a field the table lacks is named at the first row.
    QList<int> nummers;
    nummers.reserve(n);
    for (int i = 0; i < n; ++i)
        nummers.append(rs.heeftVeld(velden[i]) ? rs.veldNummer(velden[i]) : -1);
    const bool leegBijBegin =
        d.openRecordset(QStringLiteral("SELECT EXISTS (SELECT 1 FROM ") + db::sqlNaam(def.naam) + u')').veld(0).geheel() == 0;
    const bool zonderZoeken = leegBijBegin && !datums;
    // A calendar read into an empty table: each new row gets the sheet defaults as it is written,
    // and its Soort by its HerDam as last written. CtlTabelMatchen after the import would give
    // them the same, but by writing every row of the calendar a second time.
    QList<QPair<int, QString>> standaarden;
    int soortNummer = -1;
    const int herDamPlaats = plaatsVan(QStringLiteral("HerDam"));
    // The Super divisions by season, level, category and number, as the table compares them: their
    // matches are Super matches.
    QSet<QString> superReeksen;
    const int reeksPlaatsen[] = {plaatsVan(QStringLiteral("Seizoen")), plaatsVan(QStringLiteral("SoortComp")), herDamPlaats,
                                 plaatsVan(QStringLiteral("ReeksNr"))};
    QString reekssleutel;
    const auto superReeks = [&](const QVarLengthArray<QStringView, 32>& rij) {
        if (superReeksen.isEmpty())
            return false;
        reekssleutel.truncate(0);
        for (int p : reeksPlaatsen)
            tekstSleutel(p >= 0 ? rij[p] : QStringView(), reekssleutel);
        return superReeksen.contains(reekssleutel);
    };
    const auto tekstveld = [&rs](const QString& veld) {
        return rs.heeftVeld(veld) && db::isTekstType(rs.veldType(rs.veldNummer(veld)));
    };
    if (zonderZoeken && tabel == u"Matchen" && tekstveld(QStringLiteral("Soort"))
        && (herDamPlaats < 0 || tekstveld(QStringLiteral("HerDam")))
        && std::all_of(bladStandaarden().cbegin(), bladStandaarden().cend(),
                       [&](const auto& veld) { return tekstveld(veld.first); })) {
        for (const auto& [veld, waarde] : bladStandaarden())
            standaarden << qMakePair(rs.veldNummer(veld), waarde);
        soortNummer = rs.veldNummer(QStringLiteral("Soort"));
        db::Recordset r = d.openRecordset(QStringLiteral("SELECT r.Seizoen, r.Soort, r.HerDam, r.ReeksNr FROM Reeksen r WHERE ")
                                          + superReeksVoorwaarde());
        for (; !r.eof(); r.moveNext()) {
            QString k;
            for (int i = 0; i < 4; ++i)
                tekstSleutel(r.veld(i).tekst(), k);
            superReeksen.insert(k);
        }
    }
    // New rows of a table that was empty when the section began go in through one prepared
    // statement, each value taken from the line as it stands.
    std::optional<db::Toevoeger> toevoeger;
    bool uitstellen = false;
    if (zonderZoeken && !nummers.contains(-1)) {
        QStringList kolommen = velden;
        if (soortNummer >= 0) {
            for (const auto& standaard : bladStandaarden())
                kolommen << standaard.first;
            kolommen << QStringLiteral("Soort");
        }
        toevoeger.emplace(d.toevoeger(tabel, kolommen));
        // Such a calendar is held back until the filled-in matches of the file have gone into it.
        if (soortNummer >= 0) {
            uitstellen = true;
            kalender.beginnen(kolommen);
        }
    }
    // The keys met so far in the section, by a hash of their text: a key whose hash was not met is
    // surely new; one whose hash was met (the same key, or very rarely another) is sought.
    QSet<size_t> gezien;
    // Room for the rows the count line announces (within reason: the count may be wrong).
    if (zonderZoeken)
        gezien.reserve(static_cast<qsizetype>(std::clamp<qint64>(aantal, 0, 1 << 20)));
    core::Voortgangsmarkering markering(static_cast<double>(aantal), sectie.stap, sectie.stap);
    qint64 teller = 0;
    qint64 gelezen = 0;
    QString regel;
    QVarLengthArray<QStringView, 32> delen(n);
    QList<db::Waarde> waarden(n);
    QList<db::Waarde> sleutelwaarden;
    QList<int> datumPlaatsen;
    QString sleuteltekst;
    // An empty value is stored as one blank, as every text of the program.
    const QStringView blanco = u" ";
    // Of the options only those that the export writes are taken in; the others (folder, password,
    // strictness) belong to this installation. Those passed over are named.
    const int optieSleutel = tabel == u"Opties" ? plaatsVan(QStringLiteral("soort")) : -1;
    QStringList vreemdeOpties;
    qint64 vreemdeRijen = 0;
    QList<qint64> teVeelWaarden;
    for (;;) {
        ++teller;
        if (!lezer.lezen(regel))
            misvormd(kop, QStringLiteral("de sectie \"%1\" wordt niet afgesloten met een regel \"###\"").arg(tabel));
        if (regel == u"###")
            break;
        // The k-th value belongs to the k-th field; what follows the last needed ";" is ignored.
        const QChar* tekens = regel.constData();
        const qsizetype lengte = regel.size();
        qsizetype begin = 0;
        for (int i = 0; i < n; ++i) {
            qsizetype einde = begin;
            while (einde < lengte && tekens[einde] != u';')
                ++einde;
            if (einde == lengte)
                misvormd(lezer.nummer(), QStringLiteral("de rij van de tabel %1 heeft maar %2 van de %3 waarden")
                                             .arg(tabel).arg(i).arg(n));
            delen[i] = einde == begin ? blanco : QStringView(tekens + begin, einde - begin);
            begin = einde + 1;
        }
        ++gelezen;
        // More values than fields (a ";" inside a value, a row of an older or hand-made file): which
        // value belongs to which field cannot be told, so the row is passed over and named.
        if (begin < lengte) {
            teVeelWaarden << lezer.nummer();
            continue;
        }
        if (optieSleutel >= 0) {
            const QString optie = delen[optieSleutel].toString();
            if (!exportOpties().contains(db::kleineLetters(optie))) {
                ++vreemdeRijen;
                if (!vreemdeOpties.contains(optie))
                    vreemdeOpties << optie;
                continue;
            }
        }

        const QList<int>* plaatsen = &sleutelPlaatsen;
        if (datums) {
            QString index;
            for (const auto& [veld, naam] : weken) {
                const int p = plaatsVan(veld);
                if (p >= 0 && delen[p] != u" ") {
                    index = naam;
                    break;
                }
            }
            if (index.isEmpty()) {
                telOvergeslagen(verslag, QStringLiteral("van de tabel Datums: een speeldatum zonder weeknummer"));
                continue;
            }
            if (index != huidigeIndex) {
                rs.setIndex(index);
                huidigeIndex = index;
            }
            datumPlaatsen = sleutelVolgorde(index);
            plaatsen = &datumPlaatsen;
        }
        sleuteltekst.truncate(0);
        bool pastNiet = false;
        for (int p : *plaatsen) {
            const QStringView w = p >= 0 ? delen[p] : blanco;
            // The key as the table compares it: a number by its value, a text without regard to case.
            if (p >= 0 && getalveld[p]) {
                if (!getalSleutel(w, sleuteltekst))
                    pastNiet = true;
            } else if (zonderZoeken) {
                tekstSleutel(w, sleuteltekst);
            }
        }
        if (pastNiet) {
            telOvergeslagen(verslag, QStringLiteral("van de tabel %1: een sleutel die niet in zijn veld past").arg(tabel));
            continue;
        }
        const QStringView herDam = herDamPlaats >= 0 ? delen[herDamPlaats] : QStringView();
        // A table that was empty when the section began holds only rows of this section: a key not
        // met before in it is new without looking.
        const qsizetype gezienVoor = gezien.size();
        const bool zeker = zonderZoeken && (gezien.insert(qHash(sleuteltekst, 0)), gezien.size() > gezienVoor);
        if (zeker && uitstellen) {
            std::vector<QStringView> rij;
            rij.reserve(static_cast<size_t>(n + bladStandaarden().size() + 1));
            rij.assign(delen.cbegin(), delen.cend());
            for (const auto& standaard : bladStandaarden())
                rij.push_back(standaard.second);
            rij.push_back(soortVoor(herDam, superReeks(delen)));
            kalender.toevoegen(regel, std::move(rij));
        } else if (zeker && toevoeger) {
            // A value the field cannot hold (a blank in a number field) leaves the field empty.
            for (int i = 0; i < n; ++i)
                toevoeger->zetOfLeeg(i, delen[i]);
            if (soortNummer >= 0) {
                int i = n;
                for (const auto& standaard : bladStandaarden())
                    toevoeger->zet(i++, standaard.second);
                toevoeger->zet(i, soortVoor(herDam, superReeks(delen)));
            }
            toevoeger->toevoegen();
        } else {
            // A row sought among those written: the rows held back go first.
            if (uitstellen) {
                kalender.schrijven();
                uitstellen = false;
            }
            for (int i = 0; i < n; ++i)
                waarden[i] = db::Waarde(db::gedeeldeTekst(delen[i].data(), delen[i].size()));
            bool nieuw = true;
            if (zeker) {
                rs.addNew();
            } else {
                sleutelwaarden.clear();
                for (int p : *plaatsen)
                    sleutelwaarden << (p >= 0 ? waarden[p] : db::Waarde(blanco.toString()));
                rs.seek(QStringLiteral("="), sleutelwaarden);
                nieuw = rs.noMatch();
                if (nieuw)
                    rs.addNew();
                else
                    rs.edit();
            }
            for (int i = 0; i < n; ++i) {
                try {
                    if (nummers[i] >= 0)
                        rs.zet(nummers[i], waarden[i]);
                    else
                        rs.zet(velden[i], waarden[i]);
                } catch (const db::DbFout& fout) {
                    // A value the field cannot hold (a blank in a number field) leaves the field as it was.
                    if (fout.soort() != db::DbFout::Soort::Conversie)
                        throw;
                }
            }
            if (soortNummer >= 0) {
                // In an empty table a row that a seek finds was added by this section, with the defaults.
                if (nieuw) {
                    for (const auto& [nummer, waarde] : std::as_const(standaarden))
                        rs.zet(nummer, waarde);
                }
                rs.zet(soortNummer, soortVoor(herDam, superReeks(delen)));
            }
            try {
                rs.update();
            } catch (const db::DbFout& fout) {
                if (fout.soort() == db::DbFout::Soort::Engine)
                    throw;
                rs.cancelUpdate();
                telOvergeslagen(verslag, QStringLiteral("van de tabel %1: door de database geweigerd").arg(tabel));
            }
        }
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    verslag.rijen << qMakePair(tabel, gelezen);
    if (!teVeelWaarden.isEmpty())
        verslag.overgeslagen << qMakePair(QStringLiteral("van de tabel %1: meer waarden dan velden (%2)")
                                              .arg(tabel, regelnummers(teVeelWaarden)),
                                          qint64(teVeelWaarden.size()));
    if (vreemdeRijen > 0)
        verslag.overgeslagen << qMakePair(QStringLiteral("van de tabel Opties: opties die niet met het bestand meegaan (%1)")
                                              .arg(vreemdeOpties.join(QStringLiteral(", "))),
                                          vreemdeRijen);
    return soortNummer >= 0;
}

void ingevuldeLezen(Lezer& lezer, core::IVoortgang& voortgang, Importverslag& verslag, UitgesteldeKalender& kalender)
{
    const qint64 kop = lezer.nummer();
    voortgang.opschriftZetten(opschrift(QStringLiteral("de ingevulde wedstrijden"), true));
    const qint64 aantal = aantalLezen(lezer, QStringLiteral("ingevulde Wedstrijden"));
    IngevuldeWedstrijdenLezer wedstrijden(&kalender);
    core::Voortgangsmarkering markering(static_cast<double>(aantal), 5, 5);
    qint64 teller = 0;
    QString regel;
    for (;;) {
        ++teller;
        if (!lezer.lezen(regel))
            misvormd(kop, QStringLiteral("de sectie \"ingevulde Wedstrijden\" wordt niet afgesloten met een regel \"###\""));
        if (regel == u"###")
            break;
        // A blank line holds no match, here as between the sections.
        if (regel.trimmed().isEmpty())
            continue;
        // A record that cannot be read is refused alone, named by its line: the reader writes nothing
        // of it, and the matches of the other records still come in.
        QString reden;
        try {
            reden = wedstrijden.inlezen(regel);
        } catch (const RecordFout& fout) {
            reden = QStringLiteral("Regel %1: de ingevulde wedstrijd kan niet gelezen worden: %2")
                        .arg(lezer.nummer())
                        .arg(fout.reden());
        }
        if (reden.isEmpty())
            ++verslag.wedstrijden;
        else
            verslag.nietOvergenomen << reden;
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    verslag.onvolledig << wedstrijden.opmerkingen();
}

// The working copy "Temp" of the table structure, for the length of one exchange.
std::unique_ptr<core::IWerkkopie> werkkopieMaken(core::IOnderhoud& onderhoud)
{
    return onderhoud.WerkkopieMaken(QStringLiteral("QJ-Deel7"), QStringLiteral("Temp"));
}

// The field order of each table as the working copy gives it.
Veldvolgorde volgens(core::IWerkkopie& werkkopie)
{
    return [&werkkopie](const QString& tabel) { return werkkopie.velden(tabel); };
}

QString regeleinde()
{
    return QStringLiteral("\r\n");
}

} // namespace

QStringList SectieVelden(const QString& tabel)
{
    const Sectie* s = sectieVan(tabel);
    if (!s)
        return {};
    return QString::fromLatin1(s->velden).split(u' ');
}

Exportverslag ExportTtrSchrijven(const QString& map, const QString& seizoen, const Veldvolgorde& velden,
                                 core::IVoortgang& voortgang)
{
    Exportverslag verslag;
    verslag.pad = map + ExportBestand;
    QStringList regels{seizoen};
    for (const ExportTabel& t : ExportTabellen) {
        const QString tabel = QString::fromLatin1(t.tabel);
        sectieSchrijven(regels, tabel, QString::fromLatin1(t.omschrijving), t.stap, velden(tabel), voortgang, verslag);
    }
    voortgang.opschriftZetten(opschrift(QStringLiteral("de ingevulde wedstrijden"), false));
    IngevuldeSectie ingevuld = IngevuldeWedstrijdenExporteren(voortgang, seizoen);
    regels << ingevuld.regels;
    verslag.wedstrijden = ingevuld.wedstrijden;
    verslag.overgeslagen = ingevuld.overgeslagen;
    verslag.onvolledig = ingevuld.onvolledig;
    verslag.verlorenLetters << ingevuld.verlorenLetters;

    QString fout;
    if (!core::ansiBestandSchrijven(verslag.pad, regels, &fout))
        throw core::ActieFout(fout + regeleinde() + regeleinde() + QStringLiteral("Er werd niets geëxporteerd."));
    // The same name in another letter case would stand beside it; only the new file is left.
    const QDir dir(map);
    for (const QString& naam : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (naam != ExportBestand && naam.compare(ExportBestand, Qt::CaseInsensitive) == 0)
            QFile::remove(dir.filePath(naam));
    }
    return verslag;
}

namespace {

// What the file brought besides its report.
struct Gelezen
{
    bool secties = false;        ///< whether the file held any section at all
    bool bladenVolledig = true;  ///< whether every Matchen section wrote its rows with the sheet defaults
};

// The file read into the database; voorTabel runs before each table section, with its table.
Importverslag bestandLezen(const QString& pad, const Veldvolgorde& velden, core::IVoortgang& voortgang,
                           const std::function<void(const QString&)>& voorTabel, Gelezen& gelezen)
{
    Importverslag verslag;
    Lezer lezer(pad);
    QString regel;
    // The first line is the season of the installation that wrote the file.
    if (!lezer.lezen(regel))
        return verslag;
    QHash<QString, QStringList> structuur;
    UitgesteldeKalender kalender;
    while (lezer.lezen(regel)) {
        if (regel.isEmpty())
            continue;
        if (!regel.startsWith(QStringLiteral("###")))
            misvormd(lezer.nummer(), QStringLiteral("hier wordt een sectie verwacht (\"###\" en een naam), niet \"%1\"").arg(regel));
        const QString naam = regel.mid(3);
        gelezen.secties = true;
        if (naam.compare(u"ingevulde wedstrijden", Qt::CaseInsensitive) == 0) {
            ingevuldeLezen(lezer, voortgang, verslag, kalender);
            continue;
        }
        const Sectie* sectie = sectieVan(naam);
        if (!sectie || !sectie->omschrijving)
            misvormd(lezer.nummer(), QStringLiteral("de sectie \"%1\" is onbekend").arg(naam));
        const QString tabel = QString::fromLatin1(sectie->tabel);
        if (!structuur.contains(tabel))
            structuur.insert(tabel, velden(tabel));
        // A second calendar finds the rows of the first in the table.
        if (tabel == u"Matchen")
            kalender.schrijven();
        if (voorTabel)
            voorTabel(tabel);
        if (!sectieLezen(lezer, *sectie, structuur.value(tabel), voortgang, verslag, kalender) && tabel == u"Matchen")
            gelezen.bladenVolledig = false;
    }
    kalender.schrijven();
    return verslag;
}

} // namespace

Importverslag ExportTtrLezen(const QString& pad, const Veldvolgorde& velden, core::IVoortgang& voortgang)
{
    Gelezen gelezen;
    return bestandLezen(pad, velden, voortgang, {}, gelezen);
}

void CtlTabelMatchen()
{
    const QList<QPair<QString, QString>>& standaard = bladStandaarden();
    const auto leeg = [](const QString& kolom) { return QStringLiteral("(%1 IS NULL OR %1 IN ('', ' '))").arg(kolom); };
    QStringList zetten;
    QStringList voorwaarden;
    for (const auto& [kolom, waarde] : standaard) {
        zetten << QStringLiteral("%1 = CASE WHEN %2 THEN '%3' ELSE %1 END").arg(kolom, leeg(kolom), waarde);
        voorwaarden << leeg(kolom);
    }
    zetten << QStringLiteral("Soort = CASE WHEN %1 THEN CASE WHEN EXISTS (SELECT 1 FROM Reeksen r WHERE r.Seizoen = "
                             "Matchen.Seizoen AND r.Soort = Matchen.SoortComp AND r.HerDam = Matchen.HerDam AND r.ReeksNr = "
                             "Matchen.ReeksNr AND %2) THEN '4' WHEN HerDam = 'D' COLLATE BINARY THEN '2' ELSE '1' END "
                             "ELSE Soort END")
                  .arg(leeg(QStringLiteral("Soort")), superReeksVoorwaarde());
    voorwaarden << leeg(QStringLiteral("Soort"));
    // One statement for every row that has an empty field.
    algemeen().dbGegevens.uitvoeren(QStringLiteral("UPDATE Matchen SET ") + zetten.join(QStringLiteral(", "))
                                    + QStringLiteral(" WHERE ") + voorwaarden.join(QStringLiteral(" OR ")));
}

Exportverslag ExportUitvoeren(const QString& map, const QString& seizoen, core::IOnderhoud& onderhoud,
                              core::IVoortgang& voortgang)
{
    if (map.isEmpty())
        throw core::ActieFout(QStringLiteral("Er werd geen map gekozen en in de opties staat geen map 'Import/Export'."
                                             "\r\n\r\nEr werd niets geëxporteerd."));
    const std::unique_ptr<core::IWerkkopie> werkkopie = werkkopieMaken(onderhoud);
    return ExportTtrSchrijven(map, seizoen, volgens(*werkkopie), voortgang);
}

Importverslag ImportUitvoeren(const QString& map, core::IOnderhoud& onderhoud, core::IVoortgang& voortgang)
{
    const QString pad = core::bestandZoeken(map, ImportBestand);
    if (pad.isEmpty())
        throw core::ActieFout(QStringLiteral("Het bestand \"%1\" werd niet gevonden in de map \"%2\" !").arg(ImportBestand, map));
    db::Database& d = algemeen().dbGegevens;
    db::Transactie transactie(d);
    // The members and strength lists are replaced by those of the file, and every club is struck
    // off for the clubs of the file to get their own value back; each only when the file carries
    // that table, so that a file cut short, or empty, cannot wipe what it does not replace.
    QSet<QString> begonnen;
    const auto voorTabel = [&](const QString& tabel) {
        if (begonnen.contains(tabel))
            return;
        begonnen.insert(tabel);
        if (tabel == u"Sterktelijst" || tabel == u"Leden")
            onderhoud.TabelLeegmaken(tabel, voortgang);
        else if (tabel == u"Clubs")
            d.uitvoeren(QStringLiteral("UPDATE Clubs SET Geschrapt = 'J'"));
    };
    const bool geenMatchen =
        d.openRecordset(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Matchen)")).veld(0).geheel() == 0;
    Importverslag verslag;
    Gelezen gelezen;
    {
        const std::unique_ptr<core::IWerkkopie> werkkopie = werkkopieMaken(onderhoud);
        verslag = bestandLezen(pad, volgens(*werkkopie), voortgang, voorTabel, gelezen);
    }
    if (!gelezen.secties)
        throw core::ActieFout(QStringLiteral("Het bestand bevat geen gegevens: het is leeg of er staat geen enkele sectie in."));
    // A calendar read into an empty table has every default already; only then is there nothing
    // to look for.
    if (!geenMatchen || !gelezen.bladenVolledig)
        CtlTabelMatchen();
    transactie.vastleggen();
    return verslag;
}

QString ExportMelding(const Exportverslag& verslag, const QString& map)
{
    const QString n = regeleinde();
    QString tekst = QStringLiteral("De gegevens werden geëxporteerd naar het bestand <EXPORT.TTR> in de directory <") + map
                    + QStringLiteral(">.") + QChar(10) + QChar(10)
                    + QStringLiteral("Het bestand kan op een andere computer geïmporteerd worden indien het programma '")
                    + QCoreApplication::applicationName() + QStringLiteral("' er geïnstalleerd is.");
    if (verslag.aangepast > 0)
        tekst += n + n
                 + QStringLiteral("%1 waarde(n) bevatte(n) een \";\" of een regeleinde, die niet in het bestand passen: "
                                  "\";\" werd \",\" en een regeleinde een spatie.")
                       .arg(verslag.aangepast);
    if (!verslag.verlorenLetters.isEmpty())
        tekst += n + n + VerlorenLettersMelding(verslag.verlorenLetters);
    if (!verslag.overgeslagen.isEmpty())
        tekst += n + n + QStringLiteral("Volgende ingevulde wedstrijd(en) werden niet geëxporteerd:") + n + n
                 + verslag.overgeslagen.join(n);
    // The sheets that did not travel, as the results file names them.
    if (!verslag.onvolledig.isEmpty())
        tekst += OnvolledigMelding(verslag.onvolledig);
    return tekst;
}

QString ImportMelding(const Importverslag& verslag)
{
    const QString n = regeleinde();
    QString tekst = QStringLiteral("De gegevens werden geïmporteerd");
    if (!verslag.overgeslagen.isEmpty() || !verslag.nietOvergenomen.isEmpty())
        tekst += n + n + QStringLiteral("Niet overgenomen:");
    for (const auto& [reden, aantal] : verslag.overgeslagen)
        tekst += n + QStringLiteral("- %1 rij(en) %2").arg(aantal).arg(reden);
    if (!verslag.nietOvergenomen.isEmpty()) {
        tekst += n + QStringLiteral("- %1 ingevulde wedstrijd(en):").arg(verslag.nietOvergenomen.size());
        for (const QString& reden : verslag.nietOvergenomen)
            tekst += n + QStringLiteral("   ") + reden;
    }
    if (!verslag.onvolledig.isEmpty()) {
        tekst += n + n + QStringLiteral("Overgenomen zonder een deel:");
        for (const QString& wat : verslag.onvolledig)
            tekst += n + QStringLiteral("- ") + wat;
    }
    return tekst;
}

} // namespace exchange
