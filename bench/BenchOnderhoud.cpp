// Database maintenance on a whole province's season (about 3,000 matches, 6,000 members and 5,000
// strength-list rows, invented): renewing the database through Temp.mdb, re-indexing it, and
// emptying the season's tables, each beside the copy of the same file that SQLite makes itself
// with VACUUM INTO. The renewal's figure "maal_vacuum" is its fastest run divided by the fastest
// VACUUM INTO (run VacuumInto first, as the default order does).
// Run: build/bin/bench_onderhoud   (the figures are printed, nothing is asserted)

#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/Voortgang.h"
#include "maintenance/Onderhoud.h"
#include "ui/TestMeldingen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

// An application folder with the shipped files and the province's season, kept as the original
// that every run starts from.
struct Applicatiemap
{
    QTemporaryDir map;
    QString origineel;

    Applicatiemap()
    {
        const QString pad = testhulp::applicatiemapVullen(map.path());
        db::Database d = db::Database::openen(pad);
        testhulp::provincieSeizoenMaken(d);
        d.sluiten();
        origineel = map.filePath("origineel.mdb");
        QFile::copy(pad, origineel);
    }
};

Applicatiemap& map()
{
    static Applicatiemap m;
    return m;
}

// Puts the original database back and opens it as the program does.
void openen()
{
    core::algemeenHerstellen();
    const QString pad = map().map.filePath("QJ-Deel7.mdb");
    QFile::remove(pad);
    QFile::copy(map().origineel, pad);
    core::zetApplicatiemap(map().map.path());
    core::DatabaseOpenen();
    core::TabellenOpenen();
}

// The fastest of the timed runs, in milliseconds: the figure least disturbed by other work on the machine.
struct Snelste
{
    double ms = 0;
    void meten(const std::function<void()>& werk)
    {
        QElapsedTimer klok;
        klok.start();
        werk();
        const double t = static_cast<double>(klok.nsecsElapsed()) / 1e6;
        ms = ms == 0 ? t : std::min(ms, t);
    }
};

Snelste& vacuum()
{
    static Snelste s;
    return s;
}

void VacuumInto(benchmark::State& state)
{
    openen();
    const QString doel = map().map.filePath("vacuum.mdb");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(doel);
        state.ResumeTiming();
        vacuum().meten([&] { core::algemeen().dbGegevens.uitvoeren(QStringLiteral("VACUUM INTO '%1'").arg(doel)); });
    }
    state.counters["snelste_ms"] = vacuum().ms;
    core::algemeenHerstellen();
}

// Printed beside the fastest VACUUM INTO of the same file: "maal_vacuum" is how many times as long
// the renewal takes at its fastest.
void DatabaseVernieuwen(benchmark::State& state)
{
    core::GeenVoortgang stil;
    Snelste vernieuwen;
    for (auto _ : state) {
        state.PauseTiming();
        openen();
        state.ResumeTiming();
        vernieuwen.meten([&] { maintenance::DatabaseVernieuwen(stil); });
    }
    state.counters["snelste_ms"] = vernieuwen.ms;
    if (vacuum().ms > 0)
        state.counters["maal_vacuum"] = vernieuwen.ms / vacuum().ms;
    core::algemeenHerstellen();
}

void Herindexeren(benchmark::State& state)
{
    core::GeenVoortgang stil;
    for (auto _ : state) {
        state.PauseTiming();
        openen();
        state.ResumeTiming();
        maintenance::Herindexeren(1, stil);
    }
    core::algemeenHerstellen();
}

// The tables that initialising a new season empties, as one action.
void SeizoenLeegmaken(benchmark::State& state)
{
    core::GeenVoortgang stil;
    for (auto _ : state) {
        state.PauseTiming();
        openen();
        state.ResumeTiming();
        db::Transactie t(core::algemeen().dbGegevens);
        for (const char* tabel : {"Leden", "Alternatief", "Datums", "Matchen", "Omwisselen", "Reeksen", "Sterktelijst"})
            maintenance::TabelLeegmaken(QString::fromLatin1(tabel), stil);
        t.vastleggen();
    }
    core::algemeenHerstellen();
}

BENCHMARK(VacuumInto)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(DatabaseVernieuwen)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(Herindexeren)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(SeizoenLeegmaken)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ui::TestMeldingen stil;
    ui::zetMeldingen(&stil);
    map();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::zetMeldingen(nullptr);
    return 0;
}
