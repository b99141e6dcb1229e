// Export.ttr of a province's season (6,000 members, 5,000 strength-list rows, 3,000 matches of which
// 1,000 filled in; invented names, some with quotes and accents), written and read into a fresh
// installation, each beside the time SQLite itself needs to write the same rows in one transaction
// with prepared statements; at half and at full size. Also the results file of one play date.
// Each figure is the fastest of fifteen runs (the one least disturbed by other work on the machine;
// file syncs make single runs vary by a third), with the median beside it.
// Run: build/bin/bench_uitwisseling   (the figures are printed, nothing is asserted)
//      build/bin/bench_uitwisseling half        only the half size
//      build/bin/bench_uitwisseling half lezen  only the import, run after run (for a profiler)

#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/Voortgang.h"
#include "exchange/Uitslagen.h"
#include "exchange/Wisselbestand.h"
#include "maintenance/Onderhoud.h"
#include "ui/TestMeldingen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const char* const Tabellen[] = {"Leden",   "Alternatief",  "Opties",  "Clubs",          "Datums",
                                "Reeksen", "Matchen",      "Sterktelijst", "Lokalen", "rel_club_lokaal"};

struct Tabel
{
    std::string naam;
    std::vector<std::string> kolommen;
    std::vector<std::vector<std::optional<std::string>>> rijen;
};

// Every row of the exchanged tables as text, read once, so that the reference measures writing alone.
std::vector<Tabel> rijenLezen(const QString& pad)
{
    sqlite3* d = nullptr;
    sqlite3_open_v2(pad.toUtf8().constData(), &d, SQLITE_OPEN_READONLY, nullptr);
    std::vector<Tabel> tabellen;
    for (const char* naam : Tabellen) {
        Tabel t;
        t.naam = naam;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(d, ("SELECT * FROM \"" + t.naam + "\"").c_str(), -1, &s, nullptr);
        const int n = sqlite3_column_count(s);
        for (int i = 0; i < n; ++i)
            t.kolommen.push_back(sqlite3_column_name(s, i));
        while (sqlite3_step(s) == SQLITE_ROW) {
            std::vector<std::optional<std::string>> rij;
            for (int i = 0; i < n; ++i) {
                if (sqlite3_column_type(s, i) == SQLITE_NULL)
                    rij.emplace_back();
                else
                    rij.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, i)));
            }
            t.rijen.push_back(std::move(rij));
        }
        sqlite3_finalize(s);
        tabellen.push_back(std::move(t));
    }
    sqlite3_close(d);
    return tabellen;
}

// The same rows written by SQLite into an empty database with the program's tables and indexes.
double sqliteSchrijven(const QString& leeg, const std::vector<Tabel>& tabellen)
{
    sqlite3* d = nullptr;
    sqlite3_open_v2(leeg.toUtf8().constData(), &d, SQLITE_OPEN_READWRITE, nullptr);
    QElapsedTimer klok;
    klok.start();
    sqlite3_exec(d, "BEGIN", nullptr, nullptr, nullptr);
    for (const Tabel& t : tabellen) {
        std::string kolommen;
        std::string vragen;
        for (const std::string& k : t.kolommen) {
            kolommen += (kolommen.empty() ? "\"" : ",\"") + k + "\"";
            vragen += vragen.empty() ? "?" : ",?";
        }
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(d, ("INSERT INTO \"" + t.naam + "\" (" + kolommen + ") VALUES (" + vragen + ")").c_str(), -1,
                           &s, nullptr);
        for (const auto& rij : t.rijen) {
            for (size_t i = 0; i < rij.size(); ++i) {
                if (rij[i])
                    sqlite3_bind_text(s, static_cast<int>(i + 1), rij[i]->c_str(), static_cast<int>(rij[i]->size()),
                                      SQLITE_STATIC);
                else
                    sqlite3_bind_null(s, static_cast<int>(i + 1));
            }
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
    }
    sqlite3_exec(d, "COMMIT", nullptr, nullptr, nullptr);
    const double ms = klok.nsecsElapsed() / 1e6;
    sqlite3_close(d);
    return ms;
}

// A season of the given size with the first matches filled in completely and some names with
// quotes and accents.
void seizoenMaken(const QString& pad, const testhulp::Provinciegrootte& g, int ingevuld)
{
    db::Database d = db::Database::openen(pad);
    testhulp::provincieSeizoenMaken(d, g);
    db::Transactie t(d);
    QStringList zetten;
    for (int w = 1; w <= 16; ++w) {
        const QString nn = QStringLiteral("%1").arg(w, 2, 10, QLatin1Char('0'));
        zetten << QStringLiteral("W%1 = '+'").arg(nn);
        for (int s = 1; s <= 3; ++s)
            zetten << QStringLiteral("W%1Set%2T = '11', W%1Set%2U = '%3'").arg(nn).arg(s).arg(4 + s);
    }
    d.uitvoeren(QStringLiteral("UPDATE Matchen SET ") + zetten.join(", ")
                    + QStringLiteral(", Einduur = '22.30', KapiteinT = '0' WHERE rowid IN (SELECT rowid FROM Matchen "
                                     "ORDER BY rowid LIMIT ?)"),
                {ingevuld});
    d.uitvoeren(QStringLiteral("UPDATE Leden SET Achternaam = 'D''Hondt', Voornaam = 'Émile', "
                               "Naam = 'D''Hondt Émile' WHERE rowid % 7 = 0"));
    d.uitvoeren(QStringLiteral("UPDATE Leden SET Naam = 'Çelik \"Zoë\"' WHERE rowid % 7 = 3"));
    d.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Naam = 'Noël D''Haese' WHERE rowid % 5 = 0"));
    t.vastleggen();
    d.sluiten();
}

double mediaan(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double snelste(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

void opnieuw(const QString& bron, const QString& doel)
{
    QFile::remove(doel);
    QFile::copy(bron, doel);
    QFile::setPermissions(doel, QFile::ReadOwner | QFile::WriteOwner);
}

void openen(const QString& map)
{
    core::algemeenHerstellen();
    core::zetApplicatiemap(map);
    core::DatabaseOpenen();
    core::TabellenOpenen();
    core::Algemeen& a = core::algemeen();
    a.strHuidigSeizoen = a.strGekozenSeizoen = QStringLiteral("2010-2011");
    a.intAantalKaraktersCompNr = 6;
}

void meten(const char* titel, const testhulp::Provinciegrootte& g, int ingevuld, bool alleenLezen)
{
    const int herhalingen = 15;
    QTemporaryDir bronMap;
    QTemporaryDir doelMap;
    const QString bronPad = testhulp::applicatiemapVullen(bronMap.path());
    const QString doelPad = testhulp::applicatiemapVullen(doelMap.path());
    const QString leeg = doelMap.filePath("leeg.mdb");
    QFile::copy(doelPad, leeg);
    seizoenMaken(bronPad, g, ingevuld);
    const QString wissel = bronMap.path() + QStringLiteral("/");

    maintenance::Onderhoud onderhoud;
    core::GeenVoortgang stil;

    const std::vector<Tabel> rijen = rijenLezen(bronPad);
    qint64 aantal = 0;
    for (const Tabel& t : rijen)
        aantal += static_cast<qint64>(t.rijen.size());
    // The first export marks every match; the later ones find the marks in place.
    openen(bronMap.path());
    exchange::ExportUitvoeren(wissel, QStringLiteral("2010-2011"), onderhoud, stil);

    // The runs of the reference and of each action take turns, so that a slow spell of the
    // machine falls on all of them alike.
    std::vector<double> sqlite;
    std::vector<double> export_;
    std::vector<double> uitslagen;
    std::vector<double> import_;
    exchange::Exportverslag verslag;
    exchange::Uitslagenverslag uv;
    exchange::Importverslag iv;
    for (int i = 0; i < herhalingen; ++i) {
        if (alleenLezen) {
            core::algemeenHerstellen();
            opnieuw(leeg, doelPad);
            openen(doelMap.path());
            QElapsedTimer klok;
            klok.start();
            iv = exchange::ImportUitvoeren(wissel, onderhoud, stil);
            import_.push_back(klok.nsecsElapsed() / 1e6);
            continue;
        }
        const QString kopie = doelMap.filePath("sqlite.mdb");
        opnieuw(leeg, kopie);
        sqlite.push_back(sqliteSchrijven(kopie, rijen));

        core::algemeenHerstellen();
        openen(bronMap.path());
        QElapsedTimer klok;
        klok.start();
        verslag = exchange::ExportUitvoeren(wissel, QStringLiteral("2010-2011"), onderhoud, stil);
        export_.push_back(klok.nsecsElapsed() / 1e6);

        // The results file of one play date of the own club 001.
        klok.restart();
        uv = exchange::UitslagenSchrijven(QStringLiteral("A001"), QStringLiteral("11-09-2010"), wissel);
        uitslagen.push_back(klok.nsecsElapsed() / 1e6);

        core::algemeenHerstellen();
        opnieuw(leeg, doelPad);
        openen(doelMap.path());
        klok.restart();
        iv = exchange::ImportUitvoeren(wissel, onderhoud, stil);
        import_.push_back(klok.nsecsElapsed() / 1e6);
    }
    core::algemeenHerstellen();
    for (int i = 0; i < std::min<qsizetype>(3, iv.nietOvergenomen.size()); ++i)
        std::printf("  niet overgenomen: %s\n", qPrintable(iv.nietOvergenomen[i]));

    if (alleenLezen) {
        std::printf("%s: Export.ttr read into a fresh installation %8.1f ms (median %.1f ms), %d filled-in matches "
                    "taken in\n",
                    titel, snelste(import_), mediaan(import_), iv.wedstrijden);
        std::fflush(stdout);
        return;
    }
    const double s = snelste(sqlite);
    const double e = snelste(export_);
    const double im = snelste(import_);
    std::printf("%s: %lld rows in the tables, %d filled-in matches written, %d taken in\n", titel,
                static_cast<long long>(aantal), verslag.wedstrijden, iv.wedstrijden);
    std::printf("                                                      fastest              median\n");
    std::printf("  SQLite: the same rows, one transaction, prepared %8.1f ms           %8.1f ms\n", s, mediaan(sqlite));
    std::printf("  Export.ttr written                               %8.1f ms (%.2fx)   %8.1f ms\n", e, e / s,
                mediaan(export_));
    std::printf("  Export.ttr read into a fresh installation        %8.1f ms (%.2fx)   %8.1f ms\n", im, im / s,
                mediaan(import_));
    std::printf("  results file of one play date (%d matches)        %8.1f ms           %8.1f ms\n", uv.geschreven,
                snelste(uitslagen), mediaan(uitslagen));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ui::TestMeldingen stil;
    ui::zetMeldingen(&stil);
    testhulp::Provinciegrootte half;
    half.clubs = 30;
    half.wedstrijden = 1500;
    half.leden = 3000;
    half.sterktelijst = 2500;
    // "half" leaves the full size out and "lezen" measures the import alone (for a profiler).
    bool alleenHalf = false;
    bool alleenLezen = false;
    for (int i = 1; i < argc; ++i) {
        alleenHalf = alleenHalf || QByteArray(argv[i]) == "half";
        alleenLezen = alleenLezen || QByteArray(argv[i]) == "lezen";
    }
    meten("half size", half, 500, alleenLezen);
    if (!alleenHalf)
        meten("full size", testhulp::Provinciegrootte{}, 1000, alleenLezen);
    ui::zetMeldingen(nullptr);
    return 0;
}
