// The web service import of one division: 12 clubs with one team each (132 matches over 22 weeks)
// and 50 members a club (600 in all), served by the fake service on 127.0.0.1 (an ephemeral port,
// started here; nothing else is contacted) and imported as the import window does it: the window's
// import button with the division chosen, which fetches the matches and, per club, the club with its
// venues and its members of the four categories, and stores them through webimport::Opslag.
//
// Figures per member stored:
//   DivisieImporteren/0   into a database without these rows (they are removed between runs, untimed)
//   DivisieImporteren/1   the same division again over the rows of the previous run
//   DivisieImporteren/2   as /0 with the window hidden: the same work without painting its progress texts
//   AntwoordenOphalen     the same requests through the service client, answers read, nothing stored
//   AntwoordenLezen       the same answers read from their bytes alone (no network, no database)
// The fake service runs on the same thread, so its own work (reading each request, writing the
// prepared answer) is part of the first three figures.
//
// Run: build/bin/bench_webimport   (offscreen; the figures are printed, nothing is asserted)

#include "NepDienst.h"
#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "soap/Element.h"
#include "soap/clsws_TabTAPIService.h"
#include "ui/TestMeldingen.h"
#include "webimport/Antwoorden.h"
#include "webimport/FrmImportKorvat.h"
#include "webimport/WebImport.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using testhulp::NepDienst;

constexpr int AantalClubs = 12;
constexpr int LedenPerClub = 50;
constexpr qint64 ReeksId = 4711;
constexpr int Seizoen = 11; // 2010-2011
const QString Reeksnaam = QStringLiteral("Afdeling 2B - Prov. Antwerpen - Heren");

// The member categories the import fetches, with how many of a club's 50 members each holds
// (every member in one category only, so that 600 members give 600 strength-list rows).
struct Categorie
{
    int nummer;
    int aantal;
    const char* geslacht;
    const char* leeftijd;
};
constexpr Categorie Categorieen[] = {{1, 30, "M", "SEN"}, {2, 8, "F", "SEN"}, {3, 7, "M", "V40"}, {27, 5, "M", "JUN"}};

// ---------------------------------------------------------------------------------------------
// The invented division

const char* const Plaatsen[AantalClubs] = {"Berkendonk", "Eikenrode", "Hazelbeek", "Lindeveld", "Wilgenhoek", "Beukenlo",
                                           "Essendaal", "Populierhem", "Elzenbroek", "Dennekamp", "Sparrenhout", "Lorkenzele"};
const char* const Voornamen[] = {"Jan", "Pieter", "Koen", "Tom", "Bart", "Wim", "Dirk", "Luc", "Geert", "Stijn",
                                 "Joris", "Bram", "Sander", "Ruben", "Jens", "Niels", "Kris", "Marc", "Filip", "Ward"};
const char* const Vrouwennamen[] = {"An", "Els", "Sofie", "Lies", "Katrien", "Griet", "Inge", "Leen"};
const char* const Stammen[] = {"Berg", "Bos", "Dal", "Hoek", "Kamp", "Laer", "Meer", "Rode", "Veld", "Wijn", "Gaver"};
const char* const Uitgangen[] = {"mans", "aert", "ens", "ers", "hove", "inck", "sens", "wijck", "elaere"};
const char* const Klasseringen[] = {"B0", "B2", "B4", "B6", "C0", "C2", "C4", "C6", "D0",
                                    "D2", "D4", "D6", "E0", "E2", "E4", "E6", "NG"};

QString clubcode(int club)
{
    return QStringLiteral("A%1").arg(club + 1, 3, 10, QLatin1Char('0'));
}

QString ploegnaam(int club)
{
    return QString::fromLatin1(Plaatsen[club]) + QStringLiteral(" A");
}

QString veld(const char* naam, const QString& waarde)
{
    return QStringLiteral("<ns1:%1>%2</ns1:%1>").arg(QLatin1String(naam), waarde.toHtmlEscaped());
}

QString clubIngang(int club)
{
    const QString plaats = QString::fromLatin1(Plaatsen[club]);
    const int lokalen = club % 3 == 0 ? 2 : 1;
    QString uit = veld("UniqueIndex", clubcode(club)) + veld("Name", QStringLiteral("TTC ") + plaats)
                  + veld("LongName", QStringLiteral("Tafeltennisclub ") + plaats) + veld("Category", QStringLiteral("4"))
                  + veld("CategoryName", QStringLiteral("Antwerpen")) + veld("VenueCount", QString::number(lokalen));
    for (int v = 1; v <= lokalen; ++v) {
        uit += QStringLiteral("<ns1:VenueEntries>")
               + veld("Id", QString::number(9100 + club * 10 + v)) + veld("ClubVenue", QString::number(v))
               + veld("Name", (v == 1 ? QStringLiteral("Sporthal ") : QStringLiteral("Zaal De Kring ")) + plaats)
               + veld("Street", QStringLiteral("Kerkstraat %1").arg(10 + club * 3 + v))
               + veld("Town", QStringLiteral("2%1 %2").arg(100 + club * 10, 3, 10, QLatin1Char('0')).arg(plaats))
               + veld("Phone", QStringLiteral("03 555 %1").arg(1000 + club * 10 + v)) + veld("Comment", QString())
               + QStringLiteral("</ns1:VenueEntries>");
    }
    return QStringLiteral("<ns1:ClubEntries>") + uit + QStringLiteral("</ns1:ClubEntries>");
}

QString clubsAntwoord(const QList<int>& clubs)
{
    QString uit = veld("ClubCount", QString::number(clubs.size()));
    for (int c : clubs)
        uit += clubIngang(c);
    return uit;
}

// One member of a club: its number is unique over the division.
QString lidIngang(int club, int k, const Categorie& cat, int positie, bool uitgebreid)
{
    const int nr = 500000 + club * 100 + k;
    const bool vrouw = QLatin1String(cat.geslacht) == u"F";
    const QString voornaam = QString::fromLatin1(vrouw ? Vrouwennamen[(club + k) % std::size(Vrouwennamen)]
                                                       : Voornamen[(club * 7 + k) % std::size(Voornamen)]);
    const QString achternaam = QString::fromLatin1(Stammen[(club * 3 + k) % std::size(Stammen)])
                               + QString::fromLatin1(Uitgangen[(k * 5 + club) % std::size(Uitgangen)]);
    const QString klassering =
        QString::fromLatin1(Klasseringen[std::min<int>((positie - 1) * 17 / cat.aantal + club % 3, 16)]);
    QString uit = veld("Position", QString::number(positie)) + veld("UniqueIndex", QString::number(nr))
                  + veld("RankingIndex", QString::number(positie)) + veld("FirstName", voornaam)
                  + veld("LastName", achternaam) + veld("Ranking", klassering);
    if (uitgebreid) {
        uit += veld("Status", k % 10 == 9 ? QStringLiteral("V") : QStringLiteral("A")) + veld("Club", clubcode(club))
               + veld("Gender", QLatin1String(cat.geslacht)) + veld("Category", QLatin1String(cat.leeftijd))
               + veld("BirthDate", QStringLiteral("%1-0%2-1%3").arg(1960 + (k * 7 + club) % 45).arg(1 + k % 9).arg(k % 10))
               + veld("MedicalAttestation", QStringLiteral("true"));
    }
    return QStringLiteral("<ns1:MemberEntries>") + uit + QStringLiteral("</ns1:MemberEntries>");
}

// The members of a club in a category; category 0: all of them in the short form (the window's list).
QString ledenAntwoord(int club, int categorie)
{
    QString ingangen;
    int aantal = 0;
    int k = 0;
    for (const Categorie& c : Categorieen) {
        for (int p = 1; p <= c.aantal; ++p, ++k) {
            if (categorie == 0 || categorie == c.nummer) {
                ingangen += lidIngang(club, k, c, p, categorie != 0);
                ++aantal;
            }
        }
    }
    return veld("MemberCount", QString::number(aantal)) + ingangen;
}

// A double round robin of the twelve teams (circle method): 22 weeks of 6 matches, one a Saturday.
QString wedstrijdenAntwoord()
{
    QString ingangen;
    int aantal = 0;
    const int rondes = AantalClubs - 1;
    const QDate eerste(2010, 9, 18);
    for (int week = 1; week <= 2 * rondes; ++week) {
        const int ronde = (week - 1) % rondes;
        for (int i = 0; i < AantalClubs / 2; ++i) {
            auto plaats = [&](int j) { return j == 0 ? 0 : 1 + (j - 1 + ronde) % rondes; };
            int thuis = plaats(i);
            int uit = plaats(AantalClubs - 1 - i);
            // Alternate home and away within the first half; the second half returns every match.
            if (((ronde + i) % 2 == 1) != (week > rondes))
                std::swap(thuis, uit);
            ++aantal;
            ingangen += QStringLiteral("<ns1:TeamMatchesEntries>") + veld("DivisionName", Reeksnaam)
                        + veld("MatchId", QStringLiteral("PAH02B/%1").arg(aantal, 3, 10, QLatin1Char('0')))
                        + veld("WeekName", QStringLiteral("%1").arg(week, 2, 10, QLatin1Char('0')))
                        + veld("Date", eerste.addDays(7 * (week - 1)).toString(Qt::ISODate))
                        + veld("Time", i % 2 ? QStringLiteral("19:45:00") : QStringLiteral("20:00:00"))
                        + veld("Venue", QStringLiteral("1")) + veld("HomeClub", clubcode(thuis))
                        + veld("HomeTeam", ploegnaam(thuis)) + veld("AwayClub", clubcode(uit))
                        + veld("AwayTeam", ploegnaam(uit)) + veld("MatchUniqueId", QString::number(80000 + aantal))
                        + QStringLiteral("</ns1:TeamMatchesEntries>");
        }
    }
    return veld("MatchCount", QString::number(aantal)) + ingangen;
}

int clubVanCode(const QString& code)
{
    for (int c = 0; c < AantalClubs; ++c) {
        if (clubcode(c).compare(code, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

// Every answer of the division, prepared once; the fake service picks them by the request's fields.
struct Antwoorden
{
    QString wedstrijden = wedstrijdenAntwoord();
    QString alleClubs;
    QString clubs[AantalClubs];
    QHash<int, QString> leden[AantalClubs]; ///< by category; 0 the short list
    QString ploegen;

    Antwoorden()
    {
        QList<int> alle;
        for (int c = 0; c < AantalClubs; ++c) {
            alle << c;
            clubs[c] = clubsAntwoord({c});
            leden[c].insert(0, ledenAntwoord(c, 0));
            for (const Categorie& cat : Categorieen)
                leden[c].insert(cat.nummer, ledenAntwoord(c, cat.nummer));
        }
        alleClubs = clubsAntwoord(alle);
        ploegen = veld("ClubName", QStringLiteral("TTC ") + QString::fromLatin1(Plaatsen[0])) + veld("TeamCount", "1")
                  + QStringLiteral("<ns1:TeamEntries>") + veld("TeamId", "9") + veld("Team", "A")
                  + veld("DivisionId", QString::number(ReeksId)) + veld("DivisionName", Reeksnaam)
                  + veld("DivisionCategory", "1") + QStringLiteral("</ns1:TeamEntries>");
    }

    void aanbieden(NepDienst& dienst) const
    {
        dienst.zetAntwoord(QStringLiteral("GetMatchesRequest"), wedstrijden);
        dienst.zetAntwoord(QStringLiteral("GetClubTeamsRequest"), ploegen);
        dienst.zetAntwoord(QStringLiteral("GetClubs"), [this](const NepDienst::Velden& v) {
            if (!v.contains(QStringLiteral("Club")))
                return alleClubs;
            const int c = clubVanCode(v.value(QStringLiteral("Club")));
            return c < 0 ? QStringLiteral("<ns1:ClubCount>0</ns1:ClubCount>") : clubs[c];
        });
        dienst.zetAntwoord(QStringLiteral("GetMembersRequest"), [this](const NepDienst::Velden& v) {
            const int c = clubVanCode(v.value(QStringLiteral("Club")));
            const int categorie = v.value(QStringLiteral("PlayerCategory"), QStringLiteral("0")).toInt();
            return c < 0 ? QStringLiteral("<ns1:MemberCount>0</ns1:MemberCount>")
                         : leden[c].value(categorie, QStringLiteral("<ns1:MemberCount>0</ns1:MemberCount>"));
        });
    }
};

// ---------------------------------------------------------------------------------------------
// The surroundings: the fake service, an application folder with the shipped database opened as
// the program opens it, and the import window with the division chosen and an account given.

struct Omgeving
{
    Antwoorden antwoorden;
    NepDienst dienst;
    QTemporaryDir map;
    ui::TestMeldingen meldingen;
    core::VasteKlok klok{QDateTime(QDate(2010, 11, 15), QTime(10, 0))};

    Omgeving()
    {
        antwoorden.aanbieden(dienst);
        core::zetKlok(&klok);
        ui::zetMeldingen(&meldingen);

        const QString pad = testhulp::applicatiemapVullen(map.path());
        {
            db::Database d = db::Database::openen(pad);
            QDir(map.path()).mkdir(QStringLiteral("wissel"));
            testhulp::optieZetten(d, QStringLiteral("Pad Opslaan"), map.filePath(QStringLiteral("wissel")) + u'/');
            testhulp::optieZetten(d, FrmImportKorvat::AdresOptie, dienst.adres());
            // The own club is the first of the division: the window opens on its province and club.
            testhulp::optieZetten(d, QStringLiteral("Provincie"), QStringLiteral("1"));
            testhulp::optieZetten(d, QStringLiteral("ClubProv"), QStringLiteral("1"));
            testhulp::optieZetten(d, QStringLiteral("ClubNr"), QStringLiteral("001"));
            d.sluiten();
        }
        core::zetApplicatiemap(map.path());
        core::Algemeen& a = core::algemeen();
        a.strTaal = QStringLiteral("N");
        core::DatabaseOpenen();
        core::TabellenOpenen();
        core::OptiesLezen();
        a.strHuidigSeizoen = core::HuidigSeizoen();
    }

    ~Omgeving()
    {
        webimport::venstersOpruimen();
        core::algemeenHerstellen();
        ui::zetMeldingen(nullptr);
        core::zetKlok(nullptr);
    }

    /** The import window, opened as the user opens it, with the division chosen and an account given. */
    FrmImportKorvat& venster()
    {
        FrmImportKorvat& f = FrmImportKorvat::standaard();
        if (!f.isGeladen()) {
            f.toon();
            f.strAccount = QStringLiteral("club001");
            f.strPaswoord = QStringLiteral("geheim");
            f.LstReeksen->setCurrentRow(0);
        }
        return f;
    }

    qint64 telling(const QString& sql)
    {
        db::Recordset rs = core::algemeen().dbGegevens.openRecordset(sql);
        return rs.eof() ? -1 : rs.veld(0).geheel();
    }

    /** Removes what an import of the division stored (the shipped database holds none of it). */
    void opgeslagenWissen()
    {
        db::Database& d = core::algemeen().dbGegevens;
        db::Transactie t(d);
        for (const char* tabel : {"Sterktelijst", "Leden", "Matchen", "Datums", "Reeksen", "rel_club_lokaal", "Lokalen", "Clubs"})
            d.uitvoeren(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabel)));
        t.vastleggen();
    }
};

Omgeving* omgeving = nullptr;

// The division's answers as the service sends them, in the order the import fetches them.
QList<QByteArray> enveloppen(const Antwoorden& a)
{
    QList<QByteArray> uit;
    uit << NepDienst::envelop(QStringLiteral("GetMatchesResponse"), a.wedstrijden);
    for (int c = 0; c < AantalClubs; ++c) {
        uit << NepDienst::envelop(QStringLiteral("GetClubsResponse"), a.clubs[c]);
        for (const Categorie& cat : Categorieen)
            uit << NepDienst::envelop(QStringLiteral("GetMembersResponse"), a.leden[c].value(cat.nummer));
    }
    return uit;
}

void perLid(benchmark::State& state, qint64 leden)
{
    state.counters["per lid"] =
        benchmark::Counter(static_cast<double>(leden) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["leden"] = static_cast<double>(leden);
}

void DivisieImporteren(benchmark::State& state)
{
    Omgeving& o = *omgeving;
    const bool opnieuw = state.range(0) == 1;
    const bool verborgen = state.range(0) == 2;
    FrmImportKorvat& f = o.venster();
    if (!f.OptSelectie[4]->isChecked() || f.LstReeksen->count() != 1) {
        state.SkipWithError("de reeks staat niet gekozen in het importvenster");
        return;
    }
    auto& d = core::algemeen().dbGegevens;
    if (opnieuw) {
        // The rows of a previous import are there.
        f.CmdReeksen[0]->click();
    }
    // Each progress text repaints the window; a hidden window paints nothing.
    f.setVisible(!verborgen);
    for (auto _ : state) {
        state.PauseTiming();
        if (!opnieuw)
            o.opgeslagenWissen();
        // As when the window opens again: every club is fetched once more.
        d.uitvoeren(QStringLiteral("UPDATE Clubs SET Importeren = 'N'"));
        o.dienst.wis();
        state.ResumeTiming();

        f.CmdReeksen[0]->click();

        state.PauseTiming();
        const qint64 leden = o.telling(QStringLiteral("SELECT count(*) FROM Leden WHERE Geschrapt = 'N'"));
        const qint64 rijen = o.telling(QStringLiteral("SELECT count(*) FROM Sterktelijst"));
        const qint64 matchen = o.telling(QStringLiteral("SELECT count(*) FROM Matchen"));
        if (!o.meldingen.getoond().isEmpty() || leden != AantalClubs * LedenPerClub || rijen != leden || matchen != 132) {
            const QString fout = QStringLiteral("onvolledig: %1 leden, %2 sterktelijstrijen, %3 matchen; %4")
                                     .arg(leden)
                                     .arg(rijen)
                                     .arg(matchen)
                                     .arg(o.meldingen.getoond().isEmpty() ? QString() : o.meldingen.getoond().last().tekst);
            state.SkipWithError(fout.toStdString().c_str());
            break;
        }
        state.ResumeTiming();
    }
    f.show();
    state.counters["verzoeken"] = static_cast<double>(o.dienst.verzoeken().size());
    perLid(state, AantalClubs * LedenPerClub);
    state.SetLabel(opnieuw     ? "opnieuw over de vorige"
                   : verborgen ? "zonder deze rijen, venster verborgen"
                               : "in een database zonder deze rijen");
}
BENCHMARK(DivisieImporteren)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void AntwoordenOphalen(benchmark::State& state)
{
    Omgeving& o = *omgeving;
    soap::clsws_TabTAPIService client(o.dienst.adres(), 5000);
    qint64 leden = 0;
    for (auto _ : state) {
        leden = 0;
        auto w = webimport::wedstrijdenLezen(
            client.GetMatchesPerReeks(QStringLiteral("club001"), QStringLiteral("geheim"), QString::number(ReeksId), Seizoen)
                .value_or(soap::Knooplijst{}));
        benchmark::DoNotOptimize(w);
        for (int c = 0; c < AantalClubs; ++c) {
            client.test();
            auto clubs = webimport::clubsLezen(client.GetClubsOneClub(Seizoen, clubcode(c)).value_or(soap::Knooplijst{}));
            benchmark::DoNotOptimize(clubs);
            for (const Categorie& cat : Categorieen) {
                const auto l = webimport::ledenLezen(
                    client.GetMembers(QStringLiteral("club001"), QStringLiteral("geheim"), clubcode(c), cat.nummer, Seizoen, true)
                        .value_or(soap::Knooplijst{}));
                leden += l ? l->size() : 0;
            }
        }
    }
    if (leden != AantalClubs * LedenPerClub)
        state.SkipWithError("niet elk lid werd gelezen");
    perLid(state, leden);
}
BENCHMARK(AntwoordenOphalen)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void AntwoordenLezen(benchmark::State& state)
{
    const QList<QByteArray> bytes = enveloppen(omgeving->antwoorden);
    qint64 leden = 0;
    for (auto _ : state) {
        leden = 0;
        for (const QByteArray& b : bytes) {
            // As the client reads an answer: the envelope, its body, the answer element's children.
            soap::Element envelop;
            if (!soap::Element::lezen(b, envelop))
                continue;
            const soap::Element* lichaam = envelop.kind(u"Body");
            if (!lichaam || lichaam->kinderen().isEmpty())
                continue;
            const soap::Element& antwoord = lichaam->kinderen().first();
            if (antwoord.naam() == u"GetMembersResponse") {
                const auto l = webimport::ledenLezen(antwoord.kinderen());
                leden += l ? l->size() : 0;
            } else if (antwoord.naam() == u"GetClubsResponse") {
                auto c = webimport::clubsLezen(antwoord.kinderen());
                benchmark::DoNotOptimize(c);
            } else {
                auto w = webimport::wedstrijdenLezen(antwoord.kinderen());
                benchmark::DoNotOptimize(w);
            }
        }
    }
    if (leden != AantalClubs * LedenPerClub)
        state.SkipWithError("niet elk lid werd gelezen");
    qint64 grootte = 0;
    for (const QByteArray& b : bytes)
        grootte += b.size();
    state.counters["bytes"] = static_cast<double>(grootte);
    perLid(state, leden);
}
BENCHMARK(AntwoordenLezen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Omgeving o;
        omgeving = &o;
        benchmark::RunSpecifiedBenchmarks();
        omgeving = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
