// The recordset layer beside the same work done directly on SQLite:
//  - seek and read on a Leden of 20,000 members,
//  - a full walk of Matchen in the order of its index,
//  - a walk of the 20,000 members in index order that edits every one, in one transaction,
//  - 50,000 rows added in one transaction, through a table recordset, through uitvoeren with
//    parameters (one statement a row) and through a Toevoeger (values as text, as an import has them),
//  - a SELECT of 5,000 full-width Matchen rows, with the memory the result holds.
// Run: build/bin/bench_db   (the figures are printed; nothing is asserted)

#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

namespace {

constexpr int AantalLeden = 20000;
constexpr int AantalMatchen = 3000;
constexpr int AantalBreed = 5000;

QString compNr(int i)
{
    return QString::number(100000 + i);
}

// One database with the shipped tables and the test rows, made once per run.
struct Gegevens
{
    QTemporaryDir map;
    QString pad;

    Gegevens()
    {
        pad = map.filePath("bench.mdb");
        QFile::copy(QDir(INTERCLUB_SHIPPED_DIR).filePath("QJ-Deel7.mdb"), pad);
        QFile::setPermissions(pad, QFile::ReadOwner | QFile::WriteOwner);
        db::Database db = db::Database::openen(pad);
        db::Transactie t(db);
        for (int i = 0; i < AantalLeden; ++i)
            db.uitvoeren("INSERT INTO Leden (CompNr, Naam, Clubnummer) VALUES (?, ?, '045')",
                         {compNr(i), QStringLiteral("Speler %1").arg(i)});
        for (int i = 0; i < AantalMatchen; ++i)
            db.uitvoeren("INSERT INTO Matchen (Seizoen, WedstrNr, WeekNr, SoortComp, nmthuis) VALUES (?, ?, ?, 'P', ?)",
                         {i % 2 ? "2010-2011" : "2011-2012", QStringLiteral("PW.Vl.H%1").arg(AantalMatchen - i, 5, 10, QChar('0')),
                          QString::number(i % 22), QStringLiteral("Ploeg %1").arg(i)});
        t.vastleggen();
        breedPad = map.filePath("breed.mdb");
        QFile::copy(QDir(INTERCLUB_SHIPPED_DIR).filePath("QJ-Deel7.mdb"), breedPad);
        QFile::setPermissions(breedPad, QFile::ReadOwner | QFile::WriteOwner);
        breedVullen();
    }

    // Matchen rows as an import leaves them: every text field filled with a short text or left
    // empty (Null), the typed fields mostly empty.
    void breedVullen()
    {
        db::Database db = db::Database::openen(breedPad);
        const db::TabelDef def = db.tabelDef("Matchen");
        QStringList namen, vraag;
        for (const db::VeldDef& v : def.velden) {
            namen << db::sqlNaam(v.naam);
            vraag << "?";
        }
        const QString sql = QStringLiteral("INSERT INTO Matchen (%1) VALUES (%2)").arg(namen.join(','), vraag.join(','));
        db::Transactie t(db);
        for (int r = 0; r < AantalBreed; ++r) {
            QList<db::Waarde> w;
            for (int k = 0; k < def.velden.size(); ++k) {
                const bool tekst = db::isTekstType(def.velden[k].typeWoord);
                if (!tekst || (k + r) % 3 == 0)
                    w << db::Waarde::null();
                else if (k % 7 == 0)
                    w << QStringLiteral("Speler met een naam %1").arg(r);
                else
                    w << QString::number((k * r) % 100);
            }
            db.uitvoeren(sql, w);
        }
        t.vastleggen();
    }

    QString breedPad;
};

Gegevens& gegevens()
{
    static Gegevens g;
    return g;
}

void SeekLaag(benchmark::State& state)
{
    db::Database db = db::Database::openen(gegevens().pad);
    db::Recordset rs = db.openTabel("Leden");
    rs.setIndex("CompNr");
    int i = 0;
    for (auto _ : state) {
        rs.seek("=", {compNr((i * 7919) % AantalLeden)});
        benchmark::DoNotOptimize(rs.veld("Naam"));
        ++i;
    }
}

void SeekDirect(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(gegevens().pad).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Leden WHERE CompNr = ?", -1, &s, nullptr);
    int i = 0;
    for (auto _ : state) {
        const QString nr = compNr((i * 7919) % AantalLeden);
        sqlite3_bind_text16(s, 1, nr.utf16(), static_cast<int>(nr.size() * 2), SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) {
            const auto* t = static_cast<const char16_t*>(sqlite3_column_text16(s, 3));
            benchmark::DoNotOptimize(QString::fromUtf16(t, sqlite3_column_bytes16(s, 3) / 2));
        }
        sqlite3_reset(s);
        ++i;
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

void WandelingLaag(benchmark::State& state)
{
    db::Database db = db::Database::openen(gegevens().pad);
    db::Recordset rs = db.openTabel("Matchen");
    rs.setIndex("WedstrNr");
    for (auto _ : state) {
        int n = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            benchmark::DoNotOptimize(rs.veld("nmthuis"));
            ++n;
        }
        if (n != AantalMatchen)
            state.SkipWithError("wrong row count");
    }
}

void WandelingDirect(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(gegevens().pad).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Matchen ORDER BY Seizoen, WedstrNr", -1, &s, nullptr);
    for (auto _ : state) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            const auto* t = static_cast<const char16_t*>(sqlite3_column_text16(s, 12));
            benchmark::DoNotOptimize(QString::fromUtf16(t, sqlite3_column_bytes16(s, 12) / 2));
        }
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

// Every member in the order of CompNr, each given another name.
void BewerkenLaag(benchmark::State& state)
{
    db::Database db = db::Database::openen(gegevens().pad);
    db::Recordset rs = db.openTabel("Leden");
    rs.setIndex("CompNr");
    int ronde = 0;
    for (auto _ : state) {
        db::Transactie t(db);
        const QString naam = QStringLiteral("Naam %1").arg(++ronde);
        int n = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            rs.edit();
            rs["Naam"] = naam;
            rs.update();
            ++n;
        }
        t.vastleggen();
        if (n != AantalLeden)
            state.SkipWithError("wrong row count");
    }
}

void BewerkenDirect(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(gegevens().pad).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid, * FROM Leden ORDER BY CompNr, rowid", -1, &s, nullptr);
    sqlite3_stmt* u = nullptr;
    sqlite3_prepare_v2(db, "UPDATE Leden SET Naam = ? WHERE rowid = ?", -1, &u, nullptr);
    int ronde = 0;
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        const QString naam = QStringLiteral("Naam %1").arg(++ronde);
        while (sqlite3_step(s) == SQLITE_ROW) {
            sqlite3_bind_text16(u, 1, naam.utf16(), static_cast<int>(naam.size() * 2), SQLITE_TRANSIENT);
            sqlite3_bind_int64(u, 2, sqlite3_column_int64(s, 0));
            sqlite3_step(u);
            sqlite3_reset(u);
        }
        sqlite3_reset(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(u);
    sqlite3_finalize(s);
    sqlite3_close(db);
}

// The bytes the allocator has handed out and not had back.
double inGebruikMB()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void BreedSelectLaag(benchmark::State& state)
{
    gegevens();
    db::Database db = db::Database::openen(gegevens().breedPad);
    double geheugen = 0;
    for (auto _ : state) {
        const double voor = inGebruikMB();
        db::Recordset rs = db.openRecordset("SELECT * FROM Matchen");
        geheugen = inGebruikMB() - voor;
        if (rs.recordCount() != AantalBreed)
            state.SkipWithError("wrong row count");
    }
    state.counters["geheugen_MB"] = geheugen;
}

void BreedSelectDirect(benchmark::State& state)
{
    gegevens();
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(gegevens().breedPad).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Matchen", -1, &s, nullptr);
    for (auto _ : state) {
        // Every field looked at once, nothing kept.
        int n = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int k = 0; k < sqlite3_column_count(s); ++k)
                benchmark::DoNotOptimize(sqlite3_column_text(s, k));
            ++n;
        }
        sqlite3_reset(s);
        if (n != AantalBreed)
            state.SkipWithError("wrong row count");
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

constexpr int AantalToevoegen = 50000;

// An empty members table in a new database in the folder.
db::Database legeLedenTabel(const QTemporaryDir& map)
{
    db::Database db = db::Database::maken(map.filePath("t.mdb"));
    db.tabelMaken({"Leden",
                   {{"CompNr", db::TypeWoord::Tekst}, {"Naam", db::TypeWoord::Tekst}, {"Provincie", db::TypeWoord::Integer}},
                   {{"CompNr", {{"CompNr"}}}}});
    return db;
}

void ToevoegenLaag(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir map;
        db::Database db = legeLedenTabel(map);
        db::Recordset rs = db.openTabel("Leden");
        state.ResumeTiming();
        db::Transactie t(db);
        for (int i = 0; i < AantalToevoegen; ++i) {
            rs.addNew();
            rs["CompNr"] = compNr(i);
            rs["Naam"] = QStringLiteral("Speler");
            rs["Provincie"] = 10;
            rs.update();
        }
        t.vastleggen();
    }
}

void ToevoegenDirect(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir map;
        legeLedenTabel(map).sluiten();
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(map.filePath("t.mdb")).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Leden (CompNr, Naam, Provincie) VALUES (?, ?, ?)", -1, &s, nullptr);
        const QString naam = QStringLiteral("Speler");
        for (int i = 0; i < AantalToevoegen; ++i) {
            const QString nr = compNr(i);
            sqlite3_bind_text16(s, 1, nr.utf16(), static_cast<int>(nr.size() * 2), SQLITE_TRANSIENT);
            sqlite3_bind_text16(s, 2, naam.utf16(), static_cast<int>(naam.size() * 2), SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 3, 10);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

// The same rows through Database::uitvoeren, one statement with parameters a row: the statement
// stays prepared, and its texts are bound as UTF-8. Beside SQLite with UTF-8 texts bound in place.
void UitvoerenLaag(benchmark::State& state)
{
    const QString sql = QStringLiteral("INSERT INTO Leden (CompNr, Naam, Provincie) VALUES (?, ?, ?)");
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir map;
        db::Database db = legeLedenTabel(map);
        state.ResumeTiming();
        db::Transactie t(db);
        for (int i = 0; i < AantalToevoegen; ++i)
            db.uitvoeren(sql, {compNr(i), QStringLiteral("Speler Noël"), 10});
        t.vastleggen();
    }
}

// The same rows through a Toevoeger, the values given as the texts an import file holds.
void ToevoegerLaag(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir map;
        db::Database db = legeLedenTabel(map);
        state.ResumeTiming();
        db::Transactie t(db);
        db::Toevoeger toevoeger = db.toevoeger("Leden", {"CompNr", "Naam", "Provincie"});
        const QString naam = QStringLiteral("Speler Noël");
        const QString provincie = QStringLiteral("10");
        for (int i = 0; i < AantalToevoegen; ++i) {
            const QString nr = compNr(i);
            toevoeger.zet(0, QStringView(nr));
            toevoeger.zet(1, QStringView(naam));
            toevoeger.zet(2, QStringView(provincie));
            toevoeger.toevoegen();
        }
        t.vastleggen();
    }
}

void UitvoerenDirect(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir map;
        legeLedenTabel(map).sluiten();
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(map.filePath("t.mdb")).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO Leden (CompNr, Naam, Provincie) VALUES (?, ?, ?)", -1, &s, nullptr);
        for (int i = 0; i < AantalToevoegen; ++i) {
            const QByteArray nr = compNr(i).toUtf8();
            const QByteArray naam = QStringLiteral("Speler Noël").toUtf8();
            sqlite3_bind_text(s, 1, nr.constData(), static_cast<int>(nr.size()), SQLITE_STATIC);
            sqlite3_bind_text(s, 2, naam.constData(), static_cast<int>(naam.size()), SQLITE_STATIC);
            sqlite3_bind_int(s, 3, 10);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(SeekLaag);
BENCHMARK(SeekDirect);
BENCHMARK(WandelingLaag)->Unit(benchmark::kMillisecond);
BENCHMARK(WandelingDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BewerkenLaag)->Unit(benchmark::kMillisecond);
BENCHMARK(BewerkenDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BreedSelectLaag)->Unit(benchmark::kMillisecond);
BENCHMARK(BreedSelectDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(ToevoegenLaag)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ToevoegenDirect)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(UitvoerenLaag)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(UitvoerenDirect)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ToevoegerLaag)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
