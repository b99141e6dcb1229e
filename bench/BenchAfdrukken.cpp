// The after-match sheet of a filled-in match of four: the document made from the template (sheet read,
// template opened, every value typed, the .docx written), the whole menu action, and beside them the same
// template unpacked and packed again with libzip alone, which is the least any .docx writer must do.
// Run: build/bin/bench_afdrukken   (offscreen; the figures are printed, nothing is asserted)

#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "app/Bedrading.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "printing/WedstrijdbladNaAfloop.h"
#include "ui/Bureaublad.h"
#include "ui/TestMeldingen.h"
#include "word/Document.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <zip.h>

namespace {

const QString Sjabloon = QStringLiteral("WedstrijdSponsors.dotx");

// An application folder with the shipped files and one home match of four, filled in as after the match.
struct Applicatiemap
{
    QTemporaryDir map;

    Applicatiemap()
    {
        const QString pad = testhulp::applicatiemapVullen(map.path());
        QFile::copy(QStringLiteral(INTERCLUB_SHIPPED_DIR "/") + Sjabloon, map.filePath(Sjabloon));
        db::Database d = db::Database::openen(pad);
        QDir(map.path()).mkdir("wissel");
        testhulp::optieZetten(d, "Pad Opslaan", map.filePath("wissel") + "/");
        testhulp::optieZetten(d, "Provincie", "Antwerpen");
        testhulp::optieZetten(d, "ClubNr", "001");
        testhulp::optieZetten(d, "ClubProv", "1");
        testhulp::optieZetten(d, "Weergave Wedstrijden", "1");
        testhulp::clubToevoegen(d, 1, "001", "TTC Eerste");
        testhulp::clubToevoegen(d, 1, "002", "TTC Tweede");
        testhulp::lokaalToevoegen(d, 7, "Sporthal De Bal", "Kerkstraat 1", "2000", "Antwerpen", 1, 1, 1);
        testhulp::reeksToevoegen(d, "2010-2011", "P", "H", "A", "Afdeling 1A", "Afd.1A", 4, 10);
        for (int i = 1; i <= 8; ++i) {
            const QString nr = QString::number(500000 + i);
            testhulp::lidToevoegen(d, nr, QStringLiteral("Speler %1").arg(i), i <= 4 ? "001" : "002", 1);
            testhulp::sterktelijstToevoegen(d, "2010-2011", 1, i <= 4 ? "001" : "002", "Heren", i, nr,
                                            QStringLiteral("Speler %1").arg(i), QString::number(i), "C2");
        }
        testhulp::Wedstrijd w;
        w.wedstrNr = "PAH01001";
        w.lkThuis = "001";
        w.nmthuis = "Eerste A";
        w.lkUit = "002";
        w.nmuit = "Tweede A";
        w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(7));
        for (int i = 1; i <= 4; ++i) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
        }
        w.extra << testhulp::Velden{{"KapiteinT", db::Waarde("500001")}, {"KapiteinU", db::Waarde("500005")},
                                    {"HoofdSchNaam", db::Waarde("Speler 3")}, {"HoofdschProv", db::Waarde("A")},
                                    {"HoofdschCompnr", db::Waarde("500003")}, {"Einduur", db::Waarde("22.15")},
                                    {"VoorbehoudT", db::Waarde("Tafel 2 te laag")}, {"ZaalCommNaam", db::Waarde("Speler 4")}};
        for (int g = 1; g <= 16; ++g) {
            const QString nn = QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
            const QStringList s = g % 2 ? QStringList{"11-5", "9-11", "11-7", "11-9"} : QStringList{"5-11", "8-11", "9-11"};
            for (int k = 0; k < s.size(); ++k) {
                const QStringList p = s[k].split('-');
                w.extra << qMakePair(QStringLiteral("W%1Set%2T").arg(nn).arg(k + 1), db::Waarde(p[0]));
                w.extra << qMakePair(QStringLiteral("W%1Set%2U").arg(nn).arg(k + 1), db::Waarde(p[1]));
            }
        }
        testhulp::wedstrijdToevoegen(d, w);
        d.sluiten();
    }
};

Applicatiemap& map()
{
    static Applicatiemap m;
    return m;
}

FrmWedstrijdInput& gestart()
{
    static FrmWedstrijdInput* f = [] {
        core::zetApplicatiemap(map().map.path());
        MDIFrm::standaard().Form_Load();
        FrmWedstrijdInput* v = &FrmWedstrijdInput::standaard();
        v->lijstKiezen(v->LstWedstrijden, 0);
        return v;
    }();
    return *f;
}

void WedstrijdbladMaken(benchmark::State& state)
{
    FrmWedstrijdInput& f = gestart();
    const QString sjabloon = map().map.filePath(Sjabloon);
    const QString doel = map().map.filePath("wissel/Wedstrijdblad PAH01001.docx");
    for (auto _ : state) {
        const printing::NaAfloop w = printing::naAfloopLezen(f);
        word::Document d = word::Document::Add(sjabloon);
        printing::naAfloopTypen(d, w);
        d.SaveAs(doel);
    }
}
BENCHMARK(WedstrijdbladMaken)->Unit(benchmark::kMillisecond);

void MenuNaAfloop(benchmark::State& state)
{
    FrmWedstrijdInput& f = gestart();
    ui::TestBureaublad bureaublad;
    for (auto _ : state)
        f.AfdrukkenWedstrijdbladNaAfloop(0);
    state.counters["geopend"] = static_cast<double>(bureaublad.geopend.size());
}
BENCHMARK(MenuNaAfloop)->Unit(benchmark::kMillisecond);

// Reads the template, unpacks every part and packs them again into a new file, with libzip alone.
void SjabloonUitpakkenInpakken(benchmark::State& state)
{
    const QString sjabloon = map().map.filePath(Sjabloon);
    const QByteArray doel = map().map.filePath("wissel/herverpakt.docx").toUtf8();
    for (auto _ : state) {
        QFile f(sjabloon);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        zip_source_t* bron = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, nullptr);
        zip_t* in = zip_open_from_source(bron, ZIP_RDONLY, nullptr);
        QList<QPair<QByteArray, QByteArray>> delen;
        for (zip_int64_t i = 0; i < zip_get_num_entries(in, 0); ++i) {
            zip_stat_t st;
            zip_stat_index(in, i, 0, &st);
            QByteArray inhoud(static_cast<qsizetype>(st.size), Qt::Uninitialized);
            zip_file_t* z = zip_fopen_index(in, i, 0);
            zip_fread(z, inhoud.data(), st.size);
            zip_fclose(z);
            delen.append({QByteArray(st.name), inhoud});
        }
        zip_discard(in);
        zip_t* uit = zip_open(doel.constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
        for (const auto& [naam, inhoud] : delen) {
            zip_source_t* s = zip_source_buffer(uit, inhoud.constData(), inhoud.size(), 0);
            const zip_int64_t index = zip_file_add(uit, naam.constData(), s, ZIP_FL_ENC_UTF_8);
            zip_set_file_compression(uit, index, ZIP_CM_DEFLATE, 0);
        }
        zip_close(uit);
    }
}
BENCHMARK(SjabloonUitpakkenInpakken)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::dienstenBedraden();
    core::VasteKlok klok(QDateTime(QDate(2010, 9, 15), QTime(10, 0)));
    core::zetKlok(&klok);
    static ui::TestMeldingen stil;
    ui::zetMeldingen(&stil);
    FrmWedstrijdInput::zetProgrammaBeeindigen([] {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    MDIFrm::opruimen();
    FrmWedstrijdInput::opruimen();
    core::algemeenHerstellen();
    ui::zetMeldingen(nullptr);
    core::zetKlok(nullptr);
    return 0;
}
