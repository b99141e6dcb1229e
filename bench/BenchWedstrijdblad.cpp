// The match sheet on a whole province's season (about 3,000 matches, 6,000 members and 5,000
// strength-list rows, invented): the start-up up to the filled lists beside the same start-up on
// the empty shipped database, a match loaded onto the sheet, and one run of the result engine.
// Run: build/bin/bench_wedstrijdblad   (offscreen; the figures are printed, nothing is asserted)

#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "app/Bedrading.h"
#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/TestMeldingen.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// An application folder with the shipped files, optionally filled with the province's season.
struct Applicatiemap
{
    QTemporaryDir map;

    explicit Applicatiemap(bool provincie)
    {
        const QString pad = testhulp::applicatiemapVullen(map.path());
        db::Database d = db::Database::openen(pad);
        QDir(map.path()).mkdir("wissel");
        testhulp::optieZetten(d, "Pad Opslaan", map.filePath("wissel") + "/");
        if (provincie)
            testhulp::provincieSeizoenMaken(d);
        d.sluiten();
    }
};

Applicatiemap& map(bool provincie)
{
    static Applicatiemap leeg(false);
    static Applicatiemap vol(true);
    return provincie ? vol : leeg;
}

ui::TestMeldingen& stil()
{
    static ui::TestMeldingen m;
    return m;
}

FrmWedstrijdInput& starten(bool provincie)
{
    core::zetApplicatiemap(map(provincie).map.path());
    MDIFrm::standaard().Form_Load();
    return FrmWedstrijdInput::standaard();
}

void stoppen()
{
    MDIFrm::opruimen();
    FrmWedstrijdInput::opruimen();
    core::algemeenHerstellen();
}

void Opstarten(benchmark::State& state)
{
    const bool provincie = state.range(0) != 0;
    map(provincie);
    for (auto _ : state) {
        FrmWedstrijdInput& f = starten(provincie);
        benchmark::DoNotOptimize(f.LstWedstrijden->count());
        state.PauseTiming();
        stoppen();
        state.ResumeTiming();
    }
    state.SetLabel(provincie ? "provincie" : "leeg");
}
BENCHMARK(Opstarten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void WedstrijdLaden(benchmark::State& state)
{
    FrmWedstrijdInput& f = starten(true);
    const int aantal = f.LstWedstrijden->count();
    if (aantal == 0) {
        state.SkipWithError("geen wedstrijden in de lijst");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % aantal;
        f.lijstKiezen(f.LstWedstrijden, i);
    }
    state.counters["wedstrijden in de lijst"] = aantal;
    stoppen();
}
BENCHMARK(WedstrijdLaden)->Unit(benchmark::kMillisecond);

void UitslagBerekenen(benchmark::State& state)
{
    FrmWedstrijdInput& f = starten(true);
    f.lijstKiezen(f.LstWedstrijden, 0);
    for (auto _ : state)
        core::diensten().wedstrijdblad->UitslagBerekenen(false);
    stoppen();
}
BENCHMARK(UitslagBerekenen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::dienstenBedraden();
    // In the middle of the invented season, so that its play dates and matches are listed.
    core::VasteKlok klok(QDateTime(QDate(2010, 11, 15), QTime(10, 0)));
    core::zetKlok(&klok);
    ui::zetMeldingen(&stil());
    FrmWedstrijdInput::zetProgrammaBeeindigen([] {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::zetMeldingen(nullptr);
    core::zetKlok(nullptr);
    return 0;
}
