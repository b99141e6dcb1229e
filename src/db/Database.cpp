#include "Database.h"

#include "Hoofdletters.h"
#include "JetSql.h"
#include "Verbinding.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace db {

using detail::StmtGebruik;
using detail::Verbinding;

DbFout::DbFout(Soort soort, const QString& tekst, bool inGebruik)
    : std::runtime_error(tekst.toStdString())
    , m_soort(soort)
    , m_tekst(tekst)
    , m_inGebruik(inGebruik)
{
}

namespace {
int s_wachttijdBijSlot = StandaardWachttijdBijSlot;
} // namespace

int zetWachttijdBijSlot(int milliseconden)
{
    const int vorige = s_wachttijdBijSlot;
    s_wachttijdBijSlot = std::max(0, milliseconden);
    return vorige;
}

namespace {

// The engine's busy handler: called while another connection holds the lock a statement needs,
// with the number of times it was called for this lock before. A statement waits at most the set
// time; so does a transaction as a whole. A long transaction asks for the lock again and again (to
// write pages out of a full cache, to commit), and a wait for each would let an import of
// thousands of rows wait without end for another program that keeps reading; once its time is up,
// every further attempt fails at once, the engine keeps the pages in memory, and the commit is
// refused: the transaction is rolled back and the action reports that the database is in use.
int wachtenBijSlot(void* verbinding, int keer)
{
    Verbinding& v = *static_cast<Verbinding*>(verbinding);
    // Outside a transaction each statement has its own wait; inside one they share it.
    if (keer == 0 && v.diepte == 0)
        v.gewacht = 0;
    // Short sleeps at first, as the engine's own handler: a lock is mostly let go within moments.
    static constexpr int Stappen[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int AantalStappen = static_cast<int>(sizeof Stappen / sizeof Stappen[0]);
    const int rest = s_wachttijdBijSlot - v.gewacht;
    if (rest <= 0)
        return 0;
    const int stap = std::min(keer < AantalStappen ? Stappen[keer] : Stappen[AantalStappen - 1], rest);
    sqlite3_sleep(stap);
    v.gewacht += stap;
    return 1;
}

} // namespace

void wandelingenOnderbreken()
{
    for (Verbinding* v : Verbinding::alle()) {
        if (v->db)
            v->cursorsStoppen();
    }
}

void huidigeRijenBewaren()
{
    for (Verbinding* v : Verbinding::alle()) {
        if (!v->db)
            continue;
        for (detail::RecordsetImpl* rs : v->recordsets)
            rs->rijBewaren();
    }
}

void bewerkingenAfbreken()
{
    for (Verbinding* v : Verbinding::alle()) {
        for (detail::RecordsetImpl* rs : v->recordsets) {
            try {
                rs->cancelUpdate();
            } catch (const DbFout&) {
                // A read-only recordset has nothing pending.
            }
        }
    }
}

QString sqlNaam(const QString& naam)
{
    QString n = naam;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

namespace {

// Jet's date conversion in SQL text: a date text (or serial number) to a sortable ISO text.
// A value that is no date gives Null rather than failing the whole statement.
void cdateFunctie(sqlite3_context* ctx, int, sqlite3_value** arg)
{
    QDateTime d;
    switch (sqlite3_value_type(arg[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        // Jet's dates run from the year 100 to 9999; a number outside (or no number) is no date.
        const double serieel = sqlite3_value_double(arg[0]);
        if (!(serieel >= -657434.0 && serieel < 2958466.0))
            break;
        qint64 dagen = static_cast<qint64>(std::floor(serieel));
        qint64 ms = std::llround((serieel - static_cast<double>(dagen)) * 86400000.0);
        // A time that rounds up to midnight belongs to the next day.
        if (ms >= 86400000) {
            ms -= 86400000;
            ++dagen;
        }
        d = QDateTime(QDate(1899, 12, 30).addDays(dagen), QTime(0, 0).addMSecs(static_cast<int>(ms)));
        break;
    }
    case SQLITE_TEXT: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(arg[0]));
        // The stored form "dd-mm-yyyy" straight to "yyyy-mm-dd": a date query converts every row it reads.
        if (sqlite3_value_bytes(arg[0]) == 10 && t[2] == '-' && t[5] == '-') {
            const auto cijfer = [](char c) { return c >= '0' && c <= '9'; };
            bool ok = true;
            for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
                ok = ok && cijfer(t[i]);
            if (ok) {
                const int dag = (t[0] - '0') * 10 + (t[1] - '0');
                const int maand = (t[3] - '0') * 10 + (t[4] - '0');
                const int jaar = (t[6] - '0') * 1000 + (t[7] - '0') * 100 + (t[8] - '0') * 10 + (t[9] - '0');
                if (!QDate::isValid(jaar, maand, dag)) {
                    sqlite3_result_null(ctx);
                    return;
                }
                const char iso[10] = {t[6], t[7], t[8], t[9], '-', t[3], t[4], '-', t[0], t[1]};
                sqlite3_result_text(ctx, iso, 10, SQLITE_TRANSIENT);
                return;
            }
        }
        d = leesDatum(QString::fromUtf8(t, sqlite3_value_bytes(arg[0])));
        break;
    }
    default:
        break;
    }
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray iso = d.time() == QTime(0, 0) ? d.date().toString(Qt::ISODate).toUtf8()
                                                    : d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    sqlite3_result_text(ctx, iso.constData(), iso.size(), SQLITE_TRANSIENT);
}

// legeTekst(a, b, ...): 1 when any argument is the empty text, else 0. One call looks at many
// fields of a row at once, which a chain of comparisons in SQL does at twice the cost.
void legeTekstFunctie(sqlite3_context* ctx, int aantal, sqlite3_value** arg)
{
    for (int i = 0; i < aantal; ++i) {
        if (sqlite3_value_type(arg[i]) == SQLITE_TEXT && sqlite3_value_bytes(arg[i]) == 0) {
            sqlite3_result_int(ctx, 1);
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

void rijGeschreven(void* verbinding, int, const char*, const char* tabel, sqlite3_int64)
{
    static_cast<Verbinding*>(verbinding)->tabelGewijzigd(tabel);
}

std::shared_ptr<Verbinding> verbind(const QString& pad, int vlaggen)
{
    auto v = std::make_shared<Verbinding>();
    v->pad = pad;
    const int rc = sqlite3_open_v2(QFile::encodeName(pad).constData(), &v->db, vlaggen, nullptr);
    if (rc != SQLITE_OK) {
        const QString tekst = v->db ? QString::fromUtf8(sqlite3_errmsg(v->db)) : QStringLiteral("geen geheugen");
        sqlite3_close(v->db);
        v->db = nullptr;
        throw DbFout(DbFout::Soort::Engine, QStringLiteral("De database %1 kan niet geopend worden: %2").arg(pad, tekst));
    }
    sqlite3_extended_result_codes(v->db, 1);
    // Another program (or a second copy of this one) may be writing: wait for its lock a while.
    sqlite3_busy_handler(v->db, wachtenBijSlot, v.get());
    sqlite3_create_function(v->db, "cdate", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, cdateFunctie, nullptr,
                            nullptr);
    sqlite3_create_function(v->db, "legeTekst", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, legeTekstFunctie,
                            nullptr, nullptr);
    sqlite3_update_hook(v->db, rijGeschreven, v.get());
    // One connection used from the one user-interface thread: no locking within the engine.
    // A rollback journal, not WAL: the file alone is the database, so it can be copied when closed.
    char* fout = nullptr;
    if (const int rc = sqlite3_exec(v->db, "PRAGMA journal_mode=DELETE; PRAGMA foreign_keys=OFF;", nullptr, nullptr, &fout);
        rc != SQLITE_OK) {
        const QString tekst = QString::fromUtf8(fout ? fout : "");
        sqlite3_free(fout);
        if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
            throw DbFout(DbFout::Soort::Engine, QStringLiteral("De database %1 kan niet gelezen worden. %2 (%3)")
                                                    .arg(pad, detail::oorzaakVan(rc), tekst));
        throw DbFout(DbFout::Soort::Engine, QStringLiteral("De database %1 is onbruikbaar: %2").arg(pad, tekst));
    }
    v->schemaNagaan();
    return v;
}

QString kolomDefinitie(const VeldDef& veld)
{
    if (veld.autoNummer)
        return sqlNaam(veld.naam) + QStringLiteral(" INTEGER PRIMARY KEY");
    const QString type = gedeclareerdType(veld.typeWoord);
    QString def = sqlNaam(veld.naam) + u' ' + type;
    if (type.contains(u"TEXT"))
        def += QStringLiteral(" COLLATE NOCASE");
    return def;
}

} // namespace

Database::Database() = default;

Database::Database(std::shared_ptr<Verbinding> v)
    : m_v(std::move(v))
{
}

Database Database::openen(const QString& pad)
{
    if (!QFileInfo(pad).isFile())
        throw DbFout(DbFout::Soort::BestandOntbreekt, QStringLiteral("Het databasebestand %1 bestaat niet.").arg(pad));
    Database db(verbind(pad, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX));
    // Make sure it is a database at all, before anyone relies on it.
    char* fout = nullptr;
    if (const int rc = sqlite3_exec(db.v().db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &fout);
        rc != SQLITE_OK) {
        const QString tekst = QString::fromUtf8(fout ? fout : "");
        sqlite3_free(fout);
        if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
            throw DbFout(DbFout::Soort::Engine, QStringLiteral("De database %1 kan niet gelezen worden. %2 (%3)")
                                                    .arg(pad, detail::oorzaakVan(rc), tekst));
        throw DbFout(DbFout::Soort::Engine,
                     QStringLiteral("Het bestand %1 is geen bruikbare database: %2").arg(pad, tekst));
    }
    return db;
}

Database Database::maken(const QString& pad)
{
    if (QFileInfo::exists(pad))
        throw DbFout(DbFout::Soort::Engine, QStringLiteral("Het bestand %1 bestaat al.").arg(pad));
    return Database(verbind(pad, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX));
}

bool Database::isOpen() const
{
    return m_v && m_v->db;
}

QString Database::pad() const
{
    return m_v ? m_v->pad : QString();
}

void Database::sluiten()
{
    if (m_v)
        m_v->sluiten();
}

Verbinding& Database::v() const
{
    if (!m_v)
        throw DbFout(DbFout::Soort::Gesloten, QStringLiteral("Er is geen database geopend."));
    m_v->controleerOpen();
    return *m_v;
}

namespace {

// Runs a prepared statement to its end; the number of rows it changed.
int stappen(Verbinding& c, sqlite3_stmt* s)
{
    int rc = sqlite3_stmt_readonly(s) ? sqlite3_step(s) : c.schrijvendStappen(s);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(s);
    if (rc != SQLITE_DONE)
        c.fout(QString::fromUtf8(sqlite3_sql(s)));
    return sqlite3_changes(c.db);
}

// Only blanks and semicolons from here on.
bool alleenWit(const char* p, const char* einde)
{
    for (; p < einde; ++p) {
        if (*p != ' ' && *p != ';' && *p != '\n' && *p != '\r' && *p != '\t')
            return false;
    }
    return true;
}

} // namespace

int Database::uitvoeren(const QString& sql, const QList<Waarde>& parameters)
{
    Verbinding& c = v();
    // A statement with parameters is mostly run again and again with other values (a row at a
    // time): it stays prepared, found by its text as given, so that neither the translation nor
    // the engine's parsing is repeated.
    if (!parameters.isEmpty()) {
        sqlite3_stmt* s = c.uitvoerCache.zoek(sql);
        if (!s) {
            const QByteArray tekst = jetNaarSqlite(sql).toUtf8();
            const char* einde = tekst.constData() + tekst.size();
            const char* rest = nullptr;
            if (sqlite3_prepare_v2(c.db, tekst.constData(), static_cast<int>(tekst.size()), &s, &rest) != SQLITE_OK)
                c.fout(sql);
            if (s && !alleenWit(rest, einde)) {
                // More than one statement: the parameters go to the first, and each runs once.
                sqlite3_finalize(s);
                s = nullptr;
            } else if (s) {
                c.uitvoerCache.bewaren(sql, s);
            }
        }
        if (s) {
            StmtGebruik gebruik(s);
            detail::allesBinden(c, s, parameters);
            return stappen(c, s);
        }
    }
    const QByteArray tekst = jetNaarSqlite(sql).toUtf8();
    const char* begin = tekst.constData();
    const char* einde = begin + tekst.size();
    int gewijzigdeRijen = 0;
    bool eerste = true;
    while (begin < einde) {
        sqlite3_stmt* s = nullptr;
        const char* rest = nullptr;
        if (sqlite3_prepare_v2(c.db, begin, static_cast<int>(einde - begin), &s, &rest) != SQLITE_OK)
            c.fout(QString::fromUtf8(begin, static_cast<int>(einde - begin)));
        begin = rest;
        if (!s)
            continue; // only blanks or a comment left
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> bezit(s, sqlite3_finalize);
        if (eerste)
            detail::allesBinden(c, s, parameters);
        eerste = false;
        gewijzigdeRijen = stappen(c, s);
    }
    return gewijzigdeRijen;
}

Recordset Database::openRecordset(const QString& sql, const QList<Waarde>& parameters)
{
    v();
    return Recordset(detail::maakSqlRecordset(m_v, jetNaarSqlite(sql), parameters));
}

Toevoeger Database::toevoeger(const QString& tabel, const QStringList& velden)
{
    v();
    return Toevoeger(m_v, tabel, velden);
}

Recordset Database::openTabel(const QString& naam)
{
    v();
    return Recordset(detail::maakTabelRecordset(m_v, naam));
}

namespace {

// The next row of a read of the schema: true for a row, false at the end. A read that fails (the
// file locked by another program) raises the engine's error, so that no caller takes a file it
// cannot read for one without tables, fields or indexes.
bool schemaRij(Verbinding& c, sqlite3_stmt* s, const char* wat)
{
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        c.fout(QString::fromLatin1(wat));
    return false;
}

} // namespace

QStringList Database::tabellen() const
{
    Verbinding& c = v();
    StmtGebruik s(c.uitCache(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                            "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name COLLATE NOCASE")));
    QStringList namen;
    while (schemaRij(c, s.get(), "de lijst van de tabellen"))
        namen << detail::tekstKolom(s.get(), 0);
    return namen;
}

bool Database::bestaatTabel(const QString& naam) const
{
    // The engine folds A-Z only: a name with other letters is compared with every table's here.
    if (std::all_of(naam.cbegin(), naam.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        Verbinding& c = v();
        StmtGebruik s(c.uitCache(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ? "
                                                "COLLATE NOCASE AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'")));
        const QByteArray tekst = naam.toUtf8();
        sqlite3_bind_text(s.get(), 1, tekst.constData(), static_cast<int>(tekst.size()), SQLITE_TRANSIENT);
        return schemaRij(c, s.get(), "de tabellen") && sqlite3_column_int(s.get(), 0) > 0;
    }
    const QStringList namen = tabellen();
    return std::any_of(namen.begin(), namen.end(), [&](const QString& t) { return gelijkZonderHoofdletters(t, naam); });
}

namespace {

// The definition as the engine has it now.
TabelDef tabelDefLezen(const Database& database, Verbinding& c, const QString& naam)
{
    TabelDef def;
    {
        StmtGebruik s(c.uitCache(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                "AND name = ? COLLATE NOCASE")));
        detail::binden(s.get(), 1, naam);
        if (schemaRij(c, s.get(), "de tabellen"))
            def.naam = detail::tekstKolom(s.get(), 0);
    }
    if (def.naam.isEmpty()) {
        // The engine folds A-Z only; the name may differ in the case of an accented letter.
        for (const QString& t : database.tabellen()) {
            if (gelijkZonderHoofdletters(t, naam))
                def.naam = t;
        }
        if (def.naam.isEmpty())
            throw DbFout(DbFout::Soort::OnbekendeTabel, QStringLiteral("De tabel '%1' bestaat niet.").arg(naam));
    }
    {
        sqlite3_stmt* s = c.voorbereiden(QStringLiteral("PRAGMA table_info(%1)").arg(sqlNaam(def.naam)));
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> bezit(s, sqlite3_finalize);
        while (schemaRij(c, s, "de velden van een tabel")) {
            VeldDef veld;
            veld.naam = detail::tekstKolom(s, 1);
            const QString type = detail::tekstKolom(s, 2);
            veld.autoNummer = sqlite3_column_int(s, 5) == 1 && type.compare(u"INTEGER", Qt::CaseInsensitive) == 0;
            veld.typeWoord = typeWoordVan(type);
            def.velden << veld;
        }
    }
    QStringList fysiek;
    {
        StmtGebruik s(c.uitCache(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                                "AND tbl_name = ? COLLATE NOCASE AND sql IS NOT NULL ORDER BY rowid")));
        detail::binden(s.get(), 1, def.naam);
        while (schemaRij(c, s.get(), "de indexen van een tabel"))
            fysiek << detail::tekstKolom(s.get(), 0);
    }
    const QString voorvoegsel = def.naam + QStringLiteral("__");
    for (const QString& f : fysiek) {
        IndexDef index;
        index.naam = f.startsWith(voorvoegsel, Qt::CaseInsensitive) ? f.mid(voorvoegsel.size()) : f;
        sqlite3_stmt* s = c.voorbereiden(QStringLiteral("PRAGMA index_xinfo(%1)").arg(sqlNaam(f)));
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> bezit(s, sqlite3_finalize);
        while (schemaRij(c, s, "de velden van een index")) {
            if (sqlite3_column_int(s, 5) != 1)
                continue; // the row key that every index carries
            index.velden << IndexVeldDef{detail::tekstKolom(s, 2), sqlite3_column_int(s, 3) == 1};
        }
        def.indexen << index;
    }
    return def;
}

} // namespace

TabelDef Database::tabelDef(const QString& naam) const
{
    Verbinding& c = v();
    // A definition read before holds while the schema has not changed (also not by another program).
    if (!c.schemaNagaan())
        c.fout(QStringLiteral("de versie van het schema"));
    const auto bekend = c.tabelDefs.constFind(naam);
    if (bekend != c.tabelDefs.constEnd() && bekend->first == c.schemaGeneratie)
        return bekend->second;
    TabelDef def = tabelDefLezen(*this, c, naam);
    c.tabelDefs.insert(naam, {c.schemaGeneratie, def});
    return def;
}

void Database::tabelMaken(const TabelDef& tabel)
{
    if (tabel.velden.isEmpty())
        throw DbFout(DbFout::Soort::NietToegestaan,
                     QStringLiteral("De tabel '%1' heeft geen velden en kan niet gemaakt worden.").arg(tabel.naam));
    QStringList kolommen;
    for (const VeldDef& veld : tabel.velden)
        kolommen << kolomDefinitie(veld);
    Transactie t(*this);
    uitvoeren(QStringLiteral("CREATE TABLE %1 (%2)").arg(sqlNaam(tabel.naam), kolommen.join(QStringLiteral(", "))));
    for (const IndexDef& index : tabel.indexen)
        indexMaken(tabel.naam, index);
    t.vastleggen();
}

void Database::tabelVerwijderen(const QString& naam)
{
    const QString echt = tabelDef(naam).naam;
    uitvoeren(QStringLiteral("DROP TABLE %1").arg(sqlNaam(echt)));
}

void Database::indexMaken(const QString& tabel, const IndexDef& index)
{
    if (index.velden.isEmpty())
        throw DbFout(DbFout::Soort::NietToegestaan,
                     QStringLiteral("De index '%1' heeft geen velden.").arg(index.naam));
    const TabelDef def = tabelDef(tabel);
    for (const IndexDef& bestaand : def.indexen) {
        if (gelijkZonderHoofdletters(bestaand.naam, index.naam))
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("De tabel '%1' heeft al een index '%2'.").arg(def.naam, index.naam));
    }
    QStringList velden;
    for (const IndexVeldDef& veld : index.velden) {
        // The engine would take an unknown name in double quotes for a text and index that.
        if (std::none_of(def.velden.cbegin(), def.velden.cend(),
                         [&](const VeldDef& v) { return gelijkZonderHoofdletters(v.naam, veld.naam); }))
            throw DbFout(DbFout::Soort::OnbekendVeld,
                         QStringLiteral("De index '%1' gebruikt het veld '%2', dat de tabel '%3' niet heeft.")
                             .arg(index.naam, veld.naam, def.naam));
    }
    for (const IndexVeldDef& veld : index.velden)
        velden << sqlNaam(veld.naam) + (veld.aflopend ? QStringLiteral(" DESC") : QString());
    // Index names are per table here, but global in the engine: the table name goes in front.
    uitvoeren(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                  .arg(sqlNaam(def.naam + QStringLiteral("__") + index.naam), sqlNaam(def.naam),
                       velden.join(QStringLiteral(", "))));
}

void Database::indexVerwijderen(const QString& tabel, const QString& index)
{
    const QString echt = tabelDef(tabel).naam;
    Verbinding& c = v();
    QString fysiek;
    {
        StmtGebruik s(c.uitCache(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                                "AND tbl_name = ? COLLATE NOCASE AND (name = ? COLLATE NOCASE "
                                                "OR name = ? COLLATE NOCASE)")));
        detail::binden(s.get(), 1, echt);
        detail::binden(s.get(), 2, echt + QStringLiteral("__") + index);
        detail::binden(s.get(), 3, index);
        if (schemaRij(c, s.get(), "de indexen van een tabel"))
            fysiek = detail::tekstKolom(s.get(), 0);
    }
    if (fysiek.isEmpty())
        throw DbFout(DbFout::Soort::OnbekendeIndex,
                     QStringLiteral("'%1' is geen index van de tabel '%2'.").arg(index, echt));
    uitvoeren(QStringLiteral("DROP INDEX %1").arg(sqlNaam(fysiek)));
}

void Database::beginTransactie()
{
    Verbinding& c = v();
    // The write lock is taken at once, so that a lock that another program holds is waited for
    // (the engine gives up at once on a transaction that has read and then wants to write). Not
    // with another file attached: that file would be locked too, while the program reads it.
    if (c.diepte == 0) {
        // From here on every wait of the transaction counts against the one wait it has.
        c.gewacht = 0;
        uitvoeren(sqlite3_db_name(c.db, 2) ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    } else
        uitvoeren(QStringLiteral("SAVEPOINT niveau%1").arg(c.diepte));
    ++c.diepte;
}

void Database::vastleggen()
{
    Verbinding& c = v();
    if (c.diepte == 0)
        throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("Er loopt geen transactie."));
    // A commit the engine refuses (the file is locked by another program) leaves the transaction
    // open at the same depth, so that the caller's Transactie can still roll it back.
    if (c.diepte == 1)
        uitvoeren(QStringLiteral("COMMIT"));
    else
        uitvoeren(QStringLiteral("RELEASE niveau%1").arg(c.diepte - 1));
    --c.diepte;
}

void Database::terugdraaien()
{
    Verbinding& c = v();
    if (c.diepte == 0)
        throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("Er loopt geen transactie."));
    --c.diepte;
    c.voorSchrijven();
    c.gewijzigd();
    if (c.diepte == 0) {
        // The engine may have ended the transaction itself already (after a full disk, for one).
        if (!sqlite3_get_autocommit(c.db))
            uitvoeren(QStringLiteral("ROLLBACK"));
    } else {
        uitvoeren(QStringLiteral("ROLLBACK TO niveau%1").arg(c.diepte));
        uitvoeren(QStringLiteral("RELEASE niveau%1").arg(c.diepte));
    }
    c.gewijzigd();
    c.schemaNagaan();
}

int Database::transactieDiepte() const
{
    return m_v ? m_v->diepte : 0;
}

quint64 Database::generatie() const
{
    return m_v ? m_v->generatie : 0;
}

Transactie::Transactie(Database& db)
    : m_db(db)
{
    m_db.beginTransactie();
}

Transactie::~Transactie()
{
    if (!m_klaar && m_db.isOpen()) {
        try {
            m_db.terugdraaien();
        } catch (const DbFout&) {
            // Nothing more can be done while unwinding.
        }
    }
}

void Transactie::vastleggen()
{
    if (m_klaar)
        throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("De transactie is al vastgelegd."));
    m_db.vastleggen();
    m_klaar = true;
}

Bestandsslot::Bestandsslot(const QString& pad)
    : m_db(Database::openen(pad))
{
    try {
        // In this locking mode the connection keeps every lock it takes until it closes: the write
        // lock taken now, and the exclusive lock that alleenHouden() adds to it.
        m_db.uitvoeren(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        m_db.uitvoeren(QStringLiteral("BEGIN IMMEDIATE"));
        m_schrijven = true;
    } catch (const DbFout&) {
        m_db.sluiten();
        throw;
    }
}

Bestandsslot::~Bestandsslot()
{
    loslaten();
}

void Bestandsslot::alleenHouden()
{
    // Ending the write transaction (nothing was written) takes the exclusive lock once every
    // reader has let go, and the locking mode keeps it.
    if (m_alleen)
        return;
    if (m_schrijven) {
        m_db.uitvoeren(QStringLiteral("COMMIT"));
        m_schrijven = false;
    }
    m_db.uitvoeren(QStringLiteral("BEGIN EXCLUSIVE"));
    m_alleen = true;
}

void Bestandsslot::loslaten()
{
    m_db.sluiten();
}

} // namespace db
