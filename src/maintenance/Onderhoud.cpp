#include "Onderhoud.h"

#include "Tabelstructuur.h"
#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/Opstart.h"
#include "core/Tekst.h"
#include "db/Hoofdletters.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

using core::algemeen;
using core::Val;
using db::Database;
using db::Recordset;
using db::Waarde;

namespace maintenance {

namespace {

const QString TabellenNaam = QStringLiteral("Tabellen.mdb");
// How long a deleted file may take to disappear before the renewal gives up.
constexpr int WachttijdVerwijderenMs = 5000;

std::function<void(VernieuwStap)>& onderbreking()
{
    static std::function<void(VernieuwStap)> f;
    return f;
}

void onderbreken(VernieuwStap stap)
{
    if (onderbreking())
        onderbreking()(stap);
}

QString inhoud(const Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

qint64 aantalRijen(Database& d, const QString& tabel)
{
    return d.openRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + db::sqlNaam(tabel)).veld(0).geheel();
}

// The distinct table names of the dictionary in the order of its index VeldZoeken (by name).
QStringList tabelNamen(Database& tabellen, const QString& structuur)
{
    QStringList namen;
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT NaamTabel FROM ") + db::sqlNaam(structuur)
                                          + QStringLiteral(" ORDER BY NaamTabel, Aard, Volgorde"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString naam = rs.veld(0).tekst();
        if (namen.isEmpty() || !db::gelijkZonderHoofdletters(namen.last(), naam))
            namen << naam;
    }
    return namen;
}

// The refusal of a renewal that another program's hold on the database stopped, as the import
// says it.
QString nietVernieuwd(const db::DbFout& fout)
{
    return QStringLiteral("Het vernieuwen werd afgebroken:\n\n%1\n\nDe database werd niet gewijzigd.").arg(fout.tekst());
}

// The refusal of a re-indexing that another program's hold on the database stopped, as the
// renewal says it.
QString nietGeherindexeerd(const db::DbFout& fout)
{
    return QStringLiteral("Het herindexeren werd afgebroken:\n\n%1\n\nDe database werd niet gewijzigd.")
        .arg(fout.tekst());
}

// Removes a file and waits, for a bounded time, until it is really gone.
bool verwijderenEnWachten(const QString& pad)
{
    QFile::remove(pad);
    QDeadlineTimer grens(WachttijdVerwijderenMs);
    while (QFileInfo::exists(pad)) {
        if (grens.hasExpired())
            return false;
        QThread::msleep(50);
        QFile::remove(pad);
    }
    return true;
}

QString waardeTekst(const Waarde& w)
{
    QString t = w.tekst();
    if (t.size() > 40)
        t = t.left(40) + QStringLiteral("...");
    return t;
}

// Copies the rows of a table of the attached database "bron" in blocks, from one progress mark to
// the next. Only when every stored value is what the row by row copy would write: a text (or Null)
// for a text field, a whole number within range for Integer and Long, a number for Double, -1 or 0
// for Boolean, and Null for Datum. Otherwise nothing is written and the caller copies row by row.
// When the source has exactly the target's columns in their order and no text field holds the
// empty text, the table goes over in one statement that SQLite copies record by record, as it does
// for VACUUM; the marks then follow the whole table.
// The table's indexes (indexenMaken) are made before the one statement, so that the engine copies
// them in their order from the source's like indexes instead of sorting the rows; after the blocks
// otherwise.
bool blokKopie(Database& doel, const db::TabelDef& def, const QString& bronTabel, const QList<QString>& bronVelden,
               const QList<QString>& bronTypes, bool zelfdeKolommen, qint64 totaal, int stap,
               core::IVoortgang& voortgang, KopieVerslag& verslag, const std::function<void()>& indexenMaken)
{
    QStringList voorwaarden;
    QStringList leeg;
    QStringList doelKolommen;
    QStringList uitdrukkingen;
    for (int i = 0; i < def.velden.size(); ++i) {
        doelKolommen << db::sqlNaam(def.velden[i].naam);
        if (bronVelden[i].isEmpty()) {
            uitdrukkingen << QStringLiteral("NULL");
            continue;
        }
        const QString k = db::sqlNaam(bronVelden[i]);
        const QString type = db::gedeclareerdType(def.velden[i].typeWoord);
        if (type.contains(u"TEXT") && type != u"DATETEXT") {
            // A text column of the old file holds only texts and Nulls already: nothing to check.
            if (bronTypes[i] != db::TypeWoord::Tekst && bronTypes[i] != db::TypeWoord::Memo)
                voorwaarden << QStringLiteral("typeof(%1) IN ('text', 'null')").arg(k);
            uitdrukkingen << QStringLiteral("NULLIF(%1, '')").arg(k);
            leeg << k;
            continue;
        }
        uitdrukkingen << k;
        if (type == u"SMALLINT")
            voorwaarden << QStringLiteral("(%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -32768 AND 32767))").arg(k);
        else if (type == u"INTEGER")
            voorwaarden << QStringLiteral("(%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -2147483648 AND 2147483647))")
                               .arg(k);
        else if (type == u"DOUBLE")
            voorwaarden << QStringLiteral("typeof(%1) IN ('real', 'integer', 'null')").arg(k);
        else if (type == u"BOOLEAN")
            voorwaarden << QStringLiteral("(%1 IS NULL OR (typeof(%1) = 'integer' AND %1 IN (-1, 0)))").arg(k);
        else
            voorwaarden << QStringLiteral("%1 IS NULL").arg(k);
    }
    const QString bron = QStringLiteral("bron.") + db::sqlNaam(bronTabel);
    // One walk over the source counts the rows that cannot go over as they are stored and, when the
    // columns are the same, the rows with an empty text (which the copy must turn into Null).
    bool heeftLeeg = !leeg.isEmpty();
    if (!zelfdeKolommen)
        leeg.clear();
    if (!voorwaarden.isEmpty() || !leeg.isEmpty()) {
        const QString anders = voorwaarden.isEmpty()
                                   ? QStringLiteral("0")
                                   : QStringLiteral("COUNT(*) FILTER (WHERE NOT (%1))").arg(voorwaarden.join(QStringLiteral(" AND ")));
        // The text fields go to the layer's legeTekst() in groups (a function takes at most 127
        // arguments); one call per group costs half of a comparison per field.
        QStringList groepen;
        for (qsizetype i = 0; i < leeg.size(); i += 100)
            groepen << QStringLiteral("legeTekst(%1)").arg(leeg.mid(i, 100).join(QStringLiteral(", ")));
        const QString legen = leeg.isEmpty()
                                  ? QStringLiteral("0")
                                  : QStringLiteral("COUNT(*) FILTER (WHERE %1)").arg(groepen.join(QStringLiteral(" OR ")));
        Recordset telling = doel.openRecordset(QStringLiteral("SELECT %1, %2 FROM %3").arg(anders, legen, bron));
        if (telling.veld(0).geheel() > 0)
            return false;
        heeftLeeg = !leeg.isEmpty() && telling.veld(1).geheel() > 0;
    }
    const QString grensSql = QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ? ORDER BY rowid LIMIT 1 OFFSET ?").arg(bron);
    const QString kopieSql = QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4 WHERE rowid > ? AND rowid <= ? "
                                            "ORDER BY rowid")
                                 .arg(db::sqlNaam(def.naam), doelKolommen.join(QStringLiteral(", ")),
                                      uitdrukkingen.join(QStringLiteral(", ")), bron);
    // The marks as the row by row copy draws them; the rows go over in at most ten blocks (a
    // statement over hundreds of fields costs more to prepare than a block to copy), each block
    // followed by the marks that fall in it.
    QList<QPair<qint64, int>> tekens;
    core::Voortgangsmarkering markering(static_cast<double>(totaal), stap, stap);
    for (qint64 teller = 1; teller <= totaal; ++teller) {
        const int teken = markering.bij(teller);
        if (teken >= 0)
            tekens << qMakePair(teller, teken);
    }
    if (zelfdeKolommen && !heeftLeeg) {
        indexenMaken();
        verslag.opgeslagen += doel.uitvoeren(QStringLiteral("INSERT INTO main.%1 SELECT * FROM %2").arg(db::sqlNaam(def.naam), bron));
        for (const auto& teken : std::as_const(tekens))
            voortgang.UpdateProgress(teken.second);
        verslag.gekozen = totaal;
        return true;
    }
    constexpr int Blokken = 10;
    qint64 gekopieerd = 0;
    qint64 vanaf = std::numeric_limits<qint64>::min();
    int volgendTeken = 0;
    for (int blok = 1; blok <= Blokken && gekopieerd < totaal; ++blok) {
        qint64 tot = blok == Blokken ? totaal : std::max(gekopieerd + 1, totaal * blok / Blokken);
        const qint64 grens = doel.openRecordset(grensSql, {vanaf, tot - gekopieerd - 1}).veld(0).geheel();
        verslag.opgeslagen += doel.uitvoeren(kopieSql, {vanaf, grens});
        vanaf = grens;
        gekopieerd = tot;
        for (; volgendTeken < tekens.size() && tekens[volgendTeken].first <= gekopieerd; ++volgendTeken)
            voortgang.UpdateProgress(tekens[volgendTeken].second);
    }
    indexenMaken();
    verslag.gekozen = totaal;
    return true;
}

// The indexes the dictionary describes for one table.
struct IndexTabel
{
    QString naam;
    bool heeftAtlI = false;
    int atlI = 0;
    QList<db::IndexDef> indexen;
};

// The dictionary's index rows grouped by table and, within a table, by index name: every index
// that its rows name is found, whatever rows stand between them.
QList<IndexTabel> indexPlan(Database& tabellen, const QString& structuur)
{
    QList<IndexTabel> lijst;
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT NaamTabel, Aard, Naam, Indexveld, Sorteervolgorde FROM ")
                                          + db::sqlNaam(structuur)
                                          + QStringLiteral(" ORDER BY NaamTabel, Aard, Naam, Volgorde"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString naam = rs.veld(0).tekst();
        if (lijst.isEmpty() || !db::gelijkZonderHoofdletters(lijst.last().naam, naam))
            lijst << IndexTabel{naam, false, 0, {}};
        IndexTabel& t = lijst.last();
        const QString aard = rs.veld(1).tekst();
        if (aard.compare(u"AtlI", Qt::CaseInsensitive) == 0) {
            t.heeftAtlI = true;
            t.atlI = static_cast<int>(Val(rs.veld(2)));
        } else if (aard.compare(u"Index", Qt::CaseInsensitive) == 0) {
            const QString index = rs.veld(2).tekst();
            if (index.isEmpty())
                continue;
            if (t.indexen.isEmpty() || !db::gelijkZonderHoofdletters(t.indexen.last().naam, index))
                t.indexen << db::IndexDef{index, {}};
            t.indexen.last().velden << db::IndexVeldDef{rs.veld(3).tekst(), inhoud(rs.veld(4)) == u"D"};
        }
    }
    return lijst;
}

void atlINagaan(const IndexTabel& t)
{
    if (!t.heeftAtlI)
        throw core::ActieFout(QStringLiteral("De tabelstructuur geeft voor de tabel \"%1\" geen aantal indexen (AtlI).").arg(t.naam));
}

// What one table of the dictionary gets as indexes: none when its AtlI is 0.
QList<db::IndexDef> teMakenIndexen(const IndexTabel& t)
{
    return t.atlI > 0 ? t.indexen : QList<db::IndexDef>();
}

// The fields of a table as the dictionary gives them: AtlV gives their number, the table's Veld
// rows in their order give names and type words.
QList<db::VeldDef> velddefinities(Database& tabellen, const QString& structuur, const QString& tabel)
{
    QList<db::VeldDef> velden;
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT Naam FROM ") + db::sqlNaam(structuur)
                                              + QStringLiteral(" WHERE NaamTabel = ? AND Aard = 'AtlV'"),
                                          {tabel});
    const int aantal = rs.eof() ? 0 : static_cast<qint16>(Val(rs.veld(0)));
    rs = tabellen.openRecordset(QStringLiteral("SELECT Naam, Type FROM ") + db::sqlNaam(structuur)
                                    + QStringLiteral(" WHERE NaamTabel = ? AND Aard = 'Veld' ORDER BY Volgorde"),
                                {tabel});
    for (int i = 0; i < aantal && !rs.eof(); ++i, rs.moveNext())
        velden << db::VeldDef{rs.veld(0).tekst(), inhoud(rs.veld(1))};
    return velden;
}

// The same for every table of the dictionary at once, by the table's name in capitals.
QHash<QString, QList<db::VeldDef>> alleVelddefinities(Database& tabellen, const QString& structuur)
{
    QHash<QString, int> aantallen;
    QHash<QString, QList<db::VeldDef>> uit;
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT NaamTabel, Aard, Naam, Type FROM ") + db::sqlNaam(structuur)
                                          + QStringLiteral(" WHERE Aard IN ('AtlV', 'Veld') ORDER BY NaamTabel, Volgorde"));
    for (; !rs.eof(); rs.moveNext()) {
        const QString tabel = db::hoofdletters(rs.veld(0).tekst());
        if (rs.veld(1).tekst().compare(u"AtlV", Qt::CaseInsensitive) == 0) {
            if (!aantallen.contains(tabel))
                aantallen.insert(tabel, static_cast<qint16>(Val(rs.veld(2))));
        } else {
            uit[tabel] << db::VeldDef{rs.veld(2).tekst(), inhoud(rs.veld(3))};
        }
    }
    for (auto it = uit.begin(); it != uit.end(); ++it)
        it->resize(std::clamp<qsizetype>(aantallen.value(it.key()), 0, it->size()));
    return uit;
}

KopieVerslag exporteren(Database& doel, const QString& tabel, const QList<db::VeldDef>& velden, const QString& opschrift,
                        Recordset& bron, int stap, const QString& filterMinimum, const QString& filterVeld,
                        core::IVoortgang& voortgang, bool bronGekoppeld, const QList<db::IndexDef>* indexen);

} // namespace

Database tabellenOpenen()
{
    const QString map = algemeen().strSysteemmap;
    QString pad = core::bestandZoeken(map, TabellenNaam);
    if (pad.isEmpty())
        pad = map + TabellenNaam;
    return Database::openen(pad);
}

void StructuurOpslaan(const QString& tabel)
{
    Database tabellen = tabellenOpenen();
    structuurRijenSchrijven(tabellen, tabel, structuurVan(algemeen().dbGegevens));
    tabellen.sluiten();
}

KopieVerslag Exporteren(Database& doel, const QString& structuur, const QString& tabel, const QString& opschrift,
                        Recordset& bron, int stap, const QString& filterMinimum, const QString& filterVeld,
                        core::IVoortgang& voortgang, bool bronGekoppeld)
{
    QList<db::VeldDef> velden;
    {
        Database tabellen = tabellenOpenen();
        velden = velddefinities(tabellen, structuur, tabel);
    }
    return exporteren(doel, tabel, velden, opschrift, bron, stap, filterMinimum, filterVeld, voortgang, bronGekoppeld,
                      nullptr);
}

namespace {

// The copy of one table. With indexen, the table gets those indexes (in place of the index Soort
// that Opties gets otherwise), made with the copy.
KopieVerslag exporteren(Database& doel, const QString& tabel, const QList<db::VeldDef>& velden, const QString& opschrift,
                        Recordset& bron, int stap, const QString& filterMinimum, const QString& filterVeld,
                        core::IVoortgang& voortgang, bool bronGekoppeld, const QList<db::IndexDef>* indexen)
{
    KopieVerslag verslag;
    verslag.tabel = tabel;

    // The fields come from the dictionary and from nothing else.
    db::TabelDef def;
    def.naam = tabel;
    def.velden = velden;
    if (!indexen && tabel == u"Opties")
        def.indexen << db::IndexDef{QStringLiteral("Soort"), {{QStringLiteral("Soort")}}};
    bool geindexeerd = indexen == nullptr;
    const auto indexenMaken = [&] {
        if (!geindexeerd && verslag.gemaakt) {
            for (const db::IndexDef& index : *indexen)
                doel.indexMaken(tabel, index);
        }
        geindexeerd = true;
    };

    db::Transactie transactie(doel);
    try {
        doel.tabelMaken(def);
        verslag.gemaakt = true;
    } catch (const db::DbFout& fout) {
        verslag.meldingen << QStringLiteral("de tabel \"%1\" kon niet gemaakt worden: %2").arg(tabel, fout.tekst());
        verslag.gemaakt = doel.bestaatTabel(tabel);
    }

    voortgang.opschriftZetten(QStringLiteral("Bezig met het exporteren van ") + opschrift
                              + QStringLiteral(" - Even Geduld....."));
    verslag.bronRijen = bron.recordCount();
    if (verslag.bronRijen == 0) {
        indexenMaken();
        transactie.vastleggen();
        return verslag;
    }
    // Each target field with the place of the source field of that name (-1: the source lacks it).
    // (The last of two source fields whose names differ only in case.)
    QHash<QString, int> bronVeld;
    for (int i = 0; i < bron.aantalVelden(); ++i)
        bronVeld.insert(db::hoofdletters(bron.veldNaam(i)), i);
    QList<int> bronPlaats;
    for (const db::VeldDef& veld : std::as_const(def.velden))
        bronPlaats << bronVeld.value(db::hoofdletters(veld.naam), -1);
    if (bronGekoppeld && verslag.gemaakt && filterMinimum.isEmpty()) {
        QList<QString> bronVelden;
        QList<QString> bronTypes;
        for (int plaats : std::as_const(bronPlaats)) {
            bronVelden << (plaats >= 0 ? bron.veldNaam(plaats) : QString());
            bronTypes << (plaats >= 0 ? bron.veldType(plaats) : QString());
        }
        bool zelfdeKolommen = bron.aantalVelden() == def.velden.size();
        for (int i = 0; i < bronPlaats.size(); ++i)
            zelfdeKolommen = zelfdeKolommen && bronPlaats[i] == i;
        if (blokKopie(doel, def, bron.tabelNaam(), bronVelden, bronTypes, zelfdeKolommen, verslag.bronRijen, stap,
                      voortgang, verslag, indexenMaken)) {
            transactie.vastleggen();
            return verslag;
        }
    }
    // Row by row.
    Recordset rsDoel;
    if (verslag.gemaakt)
        rsDoel = doel.openTabel(tabel);
    if (verslag.bronRijen > 0)
        bron.moveFirst();
    const double minimum = filterMinimum.isEmpty() ? 0 : Val(filterMinimum);
    core::Voortgangsmarkering markering(static_cast<double>(verslag.bronRijen), stap, stap);
    qint64 teller = 0;
    while (!bron.eof()) {
        ++teller;
        const bool kopieren = filterMinimum.isEmpty() || minimum <= Val(bron.veld(filterVeld).tekst());
        if (kopieren && verslag.gemaakt) {
            ++verslag.gekozen;
            rsDoel.addNew();
            for (int i = 0; i < def.velden.size(); ++i) {
                const QString& naam = def.velden[i].naam;
                Waarde w = bronPlaats[i] >= 0 ? bron.veld(bronPlaats[i]) : Waarde::null();
                // Null and the empty text are not written: the field keeps its default (Null).
                if (w.isTekst() && w.tekst().isEmpty())
                    w = Waarde::null();
                try {
                    rsDoel.zet(naam, w);
                } catch (const db::DbFout&) {
                    ++verslag.geweigerd;
                    if (verslag.meldingen.size() < 20)
                        verslag.meldingen << QStringLiteral("tabel \"%1\", veld \"%2\": de waarde '%3' werd geweigerd")
                                                 .arg(tabel, naam, waardeTekst(w));
                    rsDoel.zet(naam, Waarde::null());
                }
            }
            try {
                rsDoel.update();
                ++verslag.opgeslagen;
            } catch (const db::DbFout& fout) {
                rsDoel.cancelUpdate();
                if (verslag.meldingen.size() < 20)
                    verslag.meldingen << QStringLiteral("tabel \"%1\": rij %2 werd geweigerd: %3")
                                             .arg(tabel)
                                             .arg(teller)
                                             .arg(fout.tekst());
            }
        } else if (kopieren) {
            ++verslag.gekozen;
        }
        bron.moveNext();
        const int teken = markering.bij(teller);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    indexenMaken();
    transactie.vastleggen();
    return verslag;
}

} // namespace

void TabelLeegmaken(const QString& tabel, core::IVoortgang& voortgang)
{
    Database& d = algemeen().dbGegevens;
    const QString naam = d.tabelDef(tabel).naam;
    const qint64 totaal = aantalRijen(d, naam);
    if (totaal > 0) {
        voortgang.opschriftZetten(QStringLiteral("Tabel ") + tabel
                                  + QStringLiteral(" - Oude gegevens wissen - Even Geduld....."));
        db::Transactie transactie(d);
        // The rows go in blocks from one mark to the next, so that the bar moves as it would
        // row by row, without a statement per row.
        core::Voortgangsmarkering markering(static_cast<double>(totaal), 5, 5);
        const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid IN (SELECT rowid FROM %1 ORDER BY rowid LIMIT ?)")
                                .arg(db::sqlNaam(naam));
        qint64 gewist = 0;
        while (gewist < totaal) {
            const qint64 volgende = markering.volgendeTeller();
            const qint64 tot = volgende > gewist && volgende <= totaal ? volgende : totaal;
            d.uitvoeren(sql, {tot - gewist});
            gewist = tot;
            const int teken = markering.bij(gewist);
            if (teken >= 0)
                voortgang.UpdateProgress(teken);
        }
        transactie.vastleggen();
    }
    voortgang.UpdateProgress(100);
}

void indexenHermaken(Database& database, Database& tabellen, const QString& structuur, core::IVoortgang& voortgang)
{
    const QList<IndexTabel> lijst = indexPlan(tabellen, structuur);
    db::Transactie transactie(database);
    for (const IndexTabel& t : lijst) {
        if (!database.bestaatTabel(t.naam))
            throw core::ActieFout(QStringLiteral("De tabel \"%1\" van de tabelstructuur staat niet in de database.").arg(t.naam));
        atlINagaan(t);
        for (const db::IndexDef& index : database.tabelDef(t.naam).indexen)
            database.indexVerwijderen(t.naam, index.naam);
    }
    core::Voortgangsmarkering markering(static_cast<double>(lijst.size()), 10, 10);
    for (int i = 0; i < lijst.size(); ++i) {
        for (const db::IndexDef& index : teMakenIndexen(lijst[i]))
            database.indexMaken(lijst[i].naam, index);
        const int teken = markering.bij(i);
        if (teken >= 0)
            voortgang.UpdateProgress(teken);
    }
    transactie.vastleggen();
}

void Herindexeren(int sluiten, core::IVoortgang& voortgang)
{
    core::Algemeen& a = algemeen();
    voortgang.opschriftZetten(QStringLiteral("Bezig met herindexeren - Even Geduld....."));
    // The match on the sheet, to stand on again when the recordsets must be opened again.
    QList<Waarde> wedstrijd;
    if (sluiten == 0) {
        // An index is dropped only with the file to itself: another program (a second copy of this
        // one, a database tool) that writes or reads stops the re-indexing here, before anything is
        // closed or changed.
        try {
            db::wandelingenOnderbreken();
            db::Bestandsslot slot(a.dbGegevens.pad());
            slot.alleenHouden();
        } catch (const db::DbFout& fout) {
            if (!fout.inGebruik())
                throw;
            throw core::ActieFout(nietGeherindexeerd(fout));
        }
        try {
            if (a.rsMatchen.isOpen() && !a.rsMatchen.eof() && !a.rsMatchen.bof())
                wedstrijd = {a.rsMatchen.veld(QStringLiteral("Seizoen")), a.rsMatchen.veld(QStringLiteral("WedstrNr"))};
        } catch (const db::DbFout&) {
            // No current row: there is none to stand on again either.
        }
        for (Recordset* rs : {&a.rsClubs, &a.rsLeden, &a.rsMatchen, &a.rsOpties, &a.rsReeksen, &a.rsSterktelijst,
                              &a.rsVolgordeWedstrijden, &a.rsDatums, &a.rsProvincies, &a.rsAlternatief, &a.rsPloegen})
            rs->sluiten();
    }
    Database tabellen = tabellenOpenen();
    try {
        indexenHermaken(a.dbGegevens, tabellen, StructuurTabel, voortgang);
    } catch (const db::DbFout& fout) {
        // Another program took hold of the file after all: everything was rolled back, and the
        // program goes on with the recordsets as they were, on the match it had.
        if (!fout.inGebruik())
            throw;
        tabellen.sluiten();
        if (sluiten == 0) {
            core::TabellenOpenen();
            if (!wedstrijd.isEmpty()) {
                a.rsMatchen.setIndex(QStringLiteral("WedstrNr"));
                a.rsMatchen.seek(QStringLiteral("="), wedstrijd);
            }
        }
        throw core::ActieFout(nietGeherindexeerd(fout));
    }
    tabellen.sluiten();
}

void DatabaseVernieuwen(core::IVoortgang& voortgang)
{
    core::Algemeen& a = algemeen();
    const QString map = a.strSysteemmap;
    const QString tempPad = map + core::TempDatabaseNaam;
    const QString oud = a.dbGegevens.pad();

    // Nobody else may write from the copy until the new file has taken the old one's place: what
    // another program (a second copy of this one, a database tool) committed meanwhile would go
    // into the file that is deleted. One that is writing already stops the renewal here.
    std::optional<db::Bestandsslot> slot;
    try {
        slot.emplace(oud);
    } catch (const db::DbFout& fout) {
        throw core::ActieFout(nietVernieuwd(fout));
    }

    // A Temp.mdb left by an earlier renewal goes first, in whatever case its name is written.
    const QString oudeTemp = core::bestandZoeken(map, core::TempDatabaseNaam);
    if (!oudeTemp.isEmpty() && !verwijderenEnWachten(oudeTemp))
        throw core::ActieFout(QStringLiteral("Het bestand %1 kan niet verwijderd worden: de database werd niet vernieuwd.")
                                  .arg(QDir::toNativeSeparators(oudeTemp)));
    DatabaseMaken(core::TempDatabaseNaam, map);

    QStringList fouten;
    try {
        onderbreken(VernieuwStap::Gemaakt);
        Database doel = Database::openen(tempPad);
        Database tabellen = tabellenOpenen();
        const QStringList namen = tabelNamen(tabellen, StructuurTabel);
        if (namen.isEmpty())
            fouten << QStringLiteral("de tabelstructuur beschrijft geen enkele tabel");
        // Each table is indexed with its copy, as re-indexing would index it: the rows are sorted
        // once per index (or not at all, when the engine can copy the old file's like index).
        QHash<QString, QList<db::IndexDef>> indexen;
        for (const IndexTabel& t : indexPlan(tabellen, StructuurTabel)) {
            atlINagaan(t);
            indexen.insert(db::hoofdletters(t.naam), teMakenIndexen(t));
        }
        const QHash<QString, QList<db::VeldDef>> velden = alleVelddefinities(tabellen, StructuurTabel);
        // The old file is read by the target's own connection, so that whole blocks of rows go over.
        doel.uitvoeren(QStringLiteral("ATTACH DATABASE ? AS bron"), {a.dbGegevens.pad()});
        auto transactie = std::make_unique<db::Transactie>(doel);
        QList<KopieVerslag> verslagen;
        for (const QString& naam : namen) {
            if (!a.dbGegevens.bestaatTabel(naam)) {
                fouten << QStringLiteral("de tabel \"%1\" staat niet in de database").arg(naam);
                continue;
            }
            Recordset bron = a.dbGegevens.openTabel(naam);
            // Indexed while it is still Temp.mdb: a renewal interrupted after the swap leaves a
            // database that the program can use as it is.
            const QList<db::IndexDef> tabelIndexen = indexen.value(db::hoofdletters(naam));
            verslagen << exporteren(doel, naam, velden.value(db::hoofdletters(naam)), QStringLiteral("de tabel \"%1\"").arg(naam),
                                    bron, 1, QString(), QString(), voortgang, true, &tabelIndexen);
        }
        transactie->vastleggen();
        transactie.reset();
        doel.uitvoeren(QStringLiteral("DETACH DATABASE bron"));
        tabellen.sluiten();

        // Checked before anything of the old file is touched.
        for (const KopieVerslag& v : std::as_const(verslagen)) {
            if (!v.gemaakt || !doel.bestaatTabel(v.tabel)) {
                fouten << QStringLiteral("de tabel \"%1\" ontbreekt in %2").arg(v.tabel, core::TempDatabaseNaam);
                fouten << v.meldingen;
                continue;
            }
            const qint64 rijen = aantalRijen(doel, v.tabel);
            if (rijen != v.bronRijen)
                fouten << QStringLiteral("de tabel \"%1\" heeft %2 van de %3 rijen").arg(v.tabel).arg(rijen).arg(v.bronRijen);
            if (v.geweigerd > 0)
                fouten << QStringLiteral("de tabel \"%1\": %2 waarde(n) geweigerd").arg(v.tabel).arg(v.geweigerd);
            if (rijen != v.bronRijen || v.geweigerd > 0)
                fouten << v.meldingen;
        }
        doel.sluiten();
    } catch (const db::DbFout& fout) {
        fouten << fout.tekst();
    } catch (const core::ActieFout& fout) {
        fouten << fout.tekst();
    }
    if (!fouten.isEmpty()) {
        QFile::remove(tempPad);
        throw core::ActieFout(QStringLiteral("De database werd niet vernieuwd: de kopie in %1 is niet volledig.\n\n- %2\n\n"
                                             "%3 bleef ongewijzigd.")
                                  .arg(core::TempDatabaseNaam, fouten.join(QStringLiteral("\n- ")), core::DatabaseNaam));
    }
    onderbreken(VernieuwStap::Gekopieerd);

    // No connection of the program may have either file open while they change places, and no
    // other program may even read the old file: the hold keeps everybody out until then.
    a.dbGegevens.sluiten();
    const auto terug = [&](const QString& melding) {
        QFile::remove(tempPad);
        slot.reset();
        a.dbGegevens = Database::openen(oud);
        core::TabellenOpenen();
        throw core::ActieFout(melding);
    };
    try {
        slot->alleenHouden();
    } catch (const db::DbFout& fout) {
        terug(nietVernieuwd(fout));
    }
    if (!verwijderenEnWachten(oud))
        terug(QStringLiteral("Het bestand %1 kan niet verwijderd worden: de database werd niet vernieuwd.")
                  .arg(QDir::toNativeSeparators(oud)));
    onderbreken(VernieuwStap::Verwijderd);
    const QString nieuw = map + core::DatabaseNaam;
    if (!QFile::rename(tempPad, nieuw))
        throw core::ActieFout(QStringLiteral("%1 kan niet hernoemd worden tot %2 in de map %3. Het programma doet dit bij "
                                             "de volgende start; sluit het nu af.")
                                  .arg(core::TempDatabaseNaam, core::DatabaseNaam, QDir::toNativeSeparators(map)));
    onderbreken(VernieuwStap::Hernoemd);
    slot.reset();
    a.dbGegevens = Database::openen(nieuw);
    core::TabellenOpenen();
}

namespace {

// The copy of TabelKopieren inside the caller's transaction; false when bron is not there.
bool kopierenIn(Database& tabellen, const QString& bron, const QString& doel)
{
    bool gevonden = false;
    QString bronNaam;
    for (const QString& naam : tabellen.tabellen()) {
        if (db::gelijkZonderHoofdletters(naam, bron)) {
            gevonden = true;
            bronNaam = naam;
        } else if (db::gelijkZonderHoofdletters(naam, doel)) {
            tabellen.tabelVerwijderen(naam);
        }
    }
    if (!gevonden)
        return false;
    db::TabelDef def = tabellen.tabelDef(bronNaam);
    def.naam = doel;
    QStringList kolommen;
    for (db::VeldDef& veld : def.velden) {
        veld.autoNummer = false;
        kolommen << db::sqlNaam(veld.naam);
    }
    for (db::IndexDef& index : def.indexen) {
        for (db::IndexVeldDef& veld : index.velden)
            veld.aflopend = false;
    }
    tabellen.tabelMaken(def);
    const QString lijst = kolommen.join(QStringLiteral(", "));
    tabellen.uitvoeren(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 ORDER BY rowid")
                           .arg(db::sqlNaam(doel), lijst, db::sqlNaam(bronNaam)));
    return true;
}

QStringList veldenIn(Database& tabellen, const QString& structuur, const QString& tabel)
{
    Recordset rs = tabellen.openRecordset(QStringLiteral("SELECT Naam FROM ") + db::sqlNaam(structuur)
                                              + QStringLiteral(" WHERE NaamTabel = ? AND Aard = 'Veld' ORDER BY Volgorde"),
                                          {tabel});
    QStringList namen;
    for (; !rs.eof(); rs.moveNext())
        namen << rs.veld(0).tekst();
    return namen;
}

// The working copy lives in a transaction of its own connection that is never committed: it is
// made and read without writing the file, and it is gone when the transaction rolls back, also
// when the program stops half-way.
class Werkkopie final : public core::IWerkkopie
{
public:
    Werkkopie(const QString& bron, const QString& doel)
        : m_tabellen(tabellenOpenen())
        , m_naam(doel)
    {
        // A copy left behind by an older exchange goes for good first.
        if (m_tabellen.bestaatTabel(doel))
            m_tabellen.tabelVerwijderen(doel);
        m_transactie.emplace(m_tabellen);
        m_gemaakt = kopierenIn(m_tabellen, bron, doel);
    }
    ~Werkkopie() override
    {
        m_transactie.reset();
        m_tabellen.sluiten();
    }
    Werkkopie(const Werkkopie&) = delete;
    Werkkopie& operator=(const Werkkopie&) = delete;

    QStringList velden(const QString& tabel) override
    {
        return m_gemaakt ? veldenIn(m_tabellen, m_naam, tabel) : QStringList();
    }

private:
    Database m_tabellen;
    std::optional<db::Transactie> m_transactie;
    QString m_naam;
    bool m_gemaakt = false;
};

} // namespace

void TabelKopieren(const QString& bron, const QString& doel)
{
    Database tabellen = tabellenOpenen();
    db::Transactie transactie(tabellen);
    kopierenIn(tabellen, bron, doel);
    transactie.vastleggen();
    tabellen.sluiten();
}

void TabelVerwijderen(const QString& tabel)
{
    Database tabellen = tabellenOpenen();
    if (tabellen.bestaatTabel(tabel))
        tabellen.tabelVerwijderen(tabel);
    tabellen.sluiten();
}

void zetVernieuwOnderbreking(std::function<void(VernieuwStap)> f)
{
    onderbreking() = std::move(f);
}

void Onderhoud::StructuurOpslaan(const QString& tabel)
{
    maintenance::StructuurOpslaan(tabel);
}

void Onderhoud::Herindexeren(int sluiten, core::IVoortgang& voortgang)
{
    maintenance::Herindexeren(sluiten, voortgang);
}

void Onderhoud::DatabaseVernieuwen(core::IVoortgang& voortgang)
{
    maintenance::DatabaseVernieuwen(voortgang);
}

void Onderhoud::TabelLeegmaken(const QString& tabel, core::IVoortgang& voortgang)
{
    maintenance::TabelLeegmaken(tabel, voortgang);
}

std::unique_ptr<core::IWerkkopie> Onderhoud::WerkkopieMaken(const QString& bron, const QString& doel)
{
    return std::make_unique<Werkkopie>(bron, doel);
}

} // namespace maintenance
