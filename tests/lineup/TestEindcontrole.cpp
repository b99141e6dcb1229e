// The final line-up check of a play week on a small invented season: pairs of consecutive teams in
// the wrong index order, players lined up twice, and the progress the walk over the clubs draws.

#include "KleineSchijf.h"
#include "Proefgegevens.h"
#include "Storingen.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "db/Database.h"
#include "lineup/Eindcontrole.h"
#include "lineup/EindcontroleVerslag.h"
#include "ui/Bureaublad.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTemporaryDir>
#include <gtest/gtest.h>

using core::algemeen;

namespace {

struct Opname : core::IVoortgang
{
    QStringList opschriften;
    QList<int> markeringen;
    void opschriftZetten(const QString& tekst) override { opschriften << tekst; }
    void UpdateProgress(int procent) override { markeringen << procent; }
};

void club(db::Database& d, int provincie, const QString& nr, const QString& ploegnaam, const QString& geschrapt,
          const QString& heren, const QString& dames = QString(), const QString& veteranen = QString())
{
    testhulp::invoegen(d, "Clubs",
                       {{"Provincie", provincie}, {"ClubNr", nr}, {"ClubNaam", "TTC " + ploegnaam},
                        {"Ploegnaam", ploegnaam}, {"Geschrapt", geschrapt}, {"AantalPloegenHeren", heren},
                        {"AantalPloegenDames", dames}, {"AantalPloegenVeteranen", veteranen}});
}

void ploeg(db::Database& d, const QString& clubNr, const QString& letter, const QString& herDam, const QString& reeks)
{
    testhulp::invoegen(d, "Ploegen",
                       {{"Seizoen", "2010-2011"}, {"ClubNr", clubNr}, {"Provincie", "1"}, {"PloegLetter", letter},
                        {"HerDam", herDam}, {"ReeksNr", reeks}});
}

// A match of week 03; the places of the side given, the other side empty.
void match(db::Database& d, const QString& nr, const QString& thuis, const QString& uit, bool thuisKant,
           const QStringList& plaatsen, const testhulp::Velden& extra = {})
{
    testhulp::Wedstrijd w;
    w.weekNr = "03";
    w.wedstrNr = nr;
    w.nmthuis = thuis;
    w.nmuit = uit;
    for (int p = 0; p < plaatsen.size(); ++p)
        w.extra << qMakePair((thuisKant ? QStringLiteral("THUISSP") : QStringLiteral("UITSP")) + QString::number(p + 1),
                             db::Waarde(plaatsen[p]));
    w.extra << extra;
    testhulp::wedstrijdToevoegen(d, w);
}

// Club 001 "Eerste" with men's teams A to D and ladies' teams A and B; club 002 "Tweede" whose
// second-to-last player of team A is not on its list; club 000 and the struck-off club 003 with a
// pair in the wrong order that must not be examined.
class Eindcontrole : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString pad = testhulp::applicatiemapVullen(m_map.path());
        db::Database d = db::Database::openen(pad);
        club(d, 1, "001", "Eerste", "N", "D", "B", "3");
        club(d, 1, "002", "Tweede", "N", "B", "");
        club(d, 1, "000", "Nul", "N", "B");
        club(d, 1, "003", "Derde", "J", "B");
        for (const auto& [c, l, hd, r] :
             {std::tuple{"001", "A", "H", "HA"}, std::tuple{"001", "B", "H", "HB"}, std::tuple{"001", "C", "H", "HC"},
              std::tuple{"001", "D", "H", "HD"}, std::tuple{"001", "A", "D", "DA"}, std::tuple{"001", "B", "D", "DB"},
              std::tuple{"002", "A", "H", "TA"}, std::tuple{"002", "B", "H", "TB"}, std::tuple{"000", "A", "H", "NA"},
              std::tuple{"000", "B", "H", "NB"}, std::tuple{"003", "A", "H", "XA"}, std::tuple{"003", "B", "H", "XB"}})
            ploeg(d, c, l, hd, r);

        const char* indexen[] = {"1", "2", "3", "4", "5", "6", "6", "8", "SUP"};
        for (int i = 0; i < 9; ++i) {
            const QString nr = QString::number(100001 + i);
            testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "001", "Heren", i + 1, nr, "Heer " + nr,
                                            QString::fromLatin1(indexen[i]), "C" + QString::number(i));
        }
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "001", "Dames", 1, "200001", "Dame 1", "1", "D0");
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "001", "Dames", 2, "200002", "Dame 2", "2", "D2");
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "002", "Heren", 1, "200010", "Tweede Een", "1", "B0");
        for (const char* c : {"000", "003"}) {
            testhulp::sterktelijstToevoegen(d, "2010-2011", 1, c, "Heren", 1, "300001", "Hoog", "1", "A");
            testhulp::sterktelijstToevoegen(d, "2010-2011", 1, c, "Heren", 2, "300002", "Laag", "9", "E6");
        }

        match(d, "03HA1", "Eerste A", "Ander A", true, {"100001", "100002", "100004", "100005"});
        // Team B does not play in its series' first match; it plays away in the fifth.
        match(d, "03HB1", "Derde B", "Vijfde B", true, {"100003"});
        match(d, "03HB5", "Zesde B", "Eerste B", false, {"100003", "", "100007", "100008"});
        match(d, "03HC2", "Eerste C", "BYE", true, {"100006", "100004", "100009"});
        match(d, "03HD1", "Negende A", "Eerste D", false, {"100005", "100001", "100001"}, {{"forfaituit", "J"}});
        match(d, "03DA1", "Eerste A", "Ander Dames A", true, {"200001", "200001"});
        match(d, "03DB1", "Eerste B", "Ander Dames B", true, {"200002"});
        match(d, "03TA1", "Tweede A", "Ander", true, {"299998", "", "299999"});
        match(d, "03TB1", "Tweede B", "Ander", true, {"200010"});
        for (const auto& [c, n] : {std::pair{"N", "Nul"}, std::pair{"X", "Derde"}}) {
            match(d, QStringLiteral("03%1A1").arg(c), QStringLiteral("%1 A").arg(n), "Ander", true,
                  {"300001", "300002", "300002", "300001"});
            match(d, QStringLiteral("03%1B1").arg(c), QStringLiteral("%1 B").arg(n), "Ander", true, {"300001"});
        }
        d.sluiten();

        core::Algemeen& a = algemeen();
        a.dbGegevens = db::Database::openen(pad);
        core::TabellenOpenen();
        a.intAantalKaraktersCompNr = 6;
        a.strGekozenSeizoen = "2010-2011";
    }

    void TearDown() override { core::algemeenHerstellen(); }

    // The findings in the order they were added, each as its non-empty fields.
    static QStringList bevindingen()
    {
        QStringList uit;
        db::Recordset rs = algemeen().dbGegevens.openRecordset("SELECT * FROM Eindcontrole ORDER BY rowid");
        for (; !rs.eof(); rs.moveNext()) {
            QStringList velden;
            for (int i = 0; i < rs.aantalVelden(); ++i) {
                const db::Waarde w = rs.veld(i);
                if (!w.isNull())
                    velden << rs.veldNaam(i) + "=" + w.tekst();
            }
            uit << velden.join(u'|');
        }
        return uit;
    }

    // The findings of one club.
    static QStringList bevindingenVan(const QString& clubNr)
    {
        QStringList uit;
        for (const QString& b : bevindingen()) {
            if (b.contains("|ClubNr=" + clubNr + "|"))
                uit << b;
        }
        return uit;
    }

    QTemporaryDir m_map;
};

TEST_F(Eindcontrole, HogerLagerFindsOnlyALowerTeamsFirstPlayerWithASmallerIndex)
{
    // A/B: 100004 (index 4) above 100003 (index 3). B/C: equal indexes 6. C/D: "SUP" above.
    // D: no team E. Ladies A/B in order. Club 002: its second-to-last player is not on the list.
    Opname opname;
    QString week = "3";
    EXPECT_TRUE(lineup::HogerLager(week, opname));
    EXPECT_EQ(week, "03");
    EXPECT_EQ(bevindingen(),
              QStringList{"Aard=HogerLager|ClubNr=001|ClubNaam=TTC Eerste|CompNr1=100004|Index1=4|Naam1=Heer 100004|"
                          "Klassering1=C3|CompNr2=100003|Index2=3|Naam2=Heer 100003|Klassering2=C2|"
                          "Ploegnaam1=Eerste A|Ploegnaam2=Eerste B|Wedstrijdnummer1=03HA1|Wedstrijdnummer2=03HB5"});
    EXPECT_EQ(opname.opschriften, QStringList{"Bezig met het vergelijken van de spelers op de 3e plaats van de hogere "
                                              "ploeg - Even Geduld....."});
    // Four clubs: too few for a mark.
    EXPECT_TRUE(opname.markeringen.isEmpty());
}

TEST_F(Eindcontrole, TheTeamsMatchIsSoughtInTheFirstHalfOfItsDivision)
{
    // Team B plays in the fifth match of its series: half of 9 teams rounds to 4, of 10 and 11 to 5 and 6.
    for (const auto& [ploegen, gevonden] : {std::pair{9, false}, std::pair{10, true}, std::pair{11, true}, std::pair{8, false}}) {
        algemeen().dbGegevens.uitvoeren("DELETE FROM Eindcontrole");
        algemeen().intAantalPloegen = ploegen;
        Opname opname;
        QString week = "03";
        EXPECT_EQ(lineup::HogerLager(week, opname), gevonden) << ploegen;
    }
    // Before any match is loaded the division is taken to have twelve teams.
    core::Algemeen standaard;
    EXPECT_EQ(standaard.intAantalPloegen, 12);
}

TEST_F(Eindcontrole, DubbeleOpstellingRecordsTheFirstTwoLineUpsWithByesAndForfeits)
{
    Opname opname;
    QString week = "3";
    EXPECT_TRUE(lineup::DubbeleOpstelling(week, opname));
    EXPECT_EQ(week, "03");
    const QString club = "Aard=Dubbel|ClubNr=001|ClubNaam=TTC Eerste|";
    EXPECT_EQ(bevindingen(),
              (QStringList{
                  // Three times: on the first team, and twice in team D's match that the visitors forfeited.
                  club + "CompNr1=100001|Index1=1|Naam1=Heer 100001|Klassering1=C0|Ploegnaam1=Eerste A|"
                         "Ploegnaam2=Eerste D|OpmPloeg1= |OpmPloeg2=FORFAIT|Wedstrijdnummer1=03HA1|"
                         "Wedstrijdnummer2=03HD1",
                  // Against a bye.
                  club + "CompNr1=100004|Index1=4|Naam1=Heer 100004|Klassering1=C3|Ploegnaam1=Eerste A|"
                         "Ploegnaam2=Eerste C|OpmPloeg1= |OpmPloeg2=BYE|Wedstrijdnummer1=03HA1|"
                         "Wedstrijdnummer2=03HC2",
                  club + "CompNr1=100005|Index1=5|Naam1=Heer 100005|Klassering1=C4|Ploegnaam1=Eerste A|"
                         "Ploegnaam2=Eerste D|OpmPloeg1= |OpmPloeg2=FORFAIT|Wedstrijdnummer1=03HA1|"
                         "Wedstrijdnummer2=03HD1",
                  // Two places of the same match.
                  club + "CompNr1=200001|Index1=1|Naam1=Dame 1|Klassering1=D0|Ploegnaam1=Eerste A|"
                         "Ploegnaam2=Eerste A|OpmPloeg1= |OpmPloeg2= |Wedstrijdnummer1=03DA1|"
                         "Wedstrijdnummer2=03DA1",
              }));
    EXPECT_EQ(opname.opschriften, QStringList{"Bezig met de controle van dubbele opstellingen - Even Geduld....."});
    EXPECT_EQ(opname.markeringen, (QList<int>{3, 100}));
}

TEST_F(Eindcontrole, NoFindingsLeavesTheTableAsItWasAndEarlierRowsStay)
{
    algemeen().dbGegevens.uitvoeren("INSERT INTO Eindcontrole (Aard, ClubNr) VALUES ('Dubbel', '009')");
    Opname opname;
    QString week = "4"; // a week without matches
    EXPECT_FALSE(lineup::HogerLager(week, opname));
    EXPECT_FALSE(lineup::DubbeleOpstelling(week, opname));
    EXPECT_EQ(bevindingen(), QStringList{"Aard=Dubbel|ClubNr=009"});
}

TEST_F(Eindcontrole, TheProgressMarksFollowTheNumberOfClubs)
{
    db::Database& d = algemeen().dbGegevens;
    // 17 clubs: DubbeleOpstelling shows 3 and 6 on the way.
    for (int i = 0; i < 13; ++i)
        club(d, 2, QString::number(400 + i), "Leeg", "N", "");
    Opname dubbel;
    QString week = "03";
    lineup::DubbeleOpstelling(week, dubbel);
    EXPECT_EQ(dubbel.markeringen, (QList<int>{3, 6, 100}));

    // 20 clubs: HogerLager shows every five percent, the last after the last club.
    for (int i = 0; i < 3; ++i)
        club(d, 3, QString::number(500 + i), "Leeg", "N", "");
    Opname hoger;
    lineup::HogerLager(week, hoger);
    QList<int> verwacht;
    for (int p = 5; p <= 100; p += 5)
        verwacht << p;
    EXPECT_EQ(hoger.markeringen, verwacht);
}

TEST_F(Eindcontrole, ATableThatCannotBeReadStopsTheCheck)
{
    db::Database& d = algemeen().dbGegevens;
    d.uitvoeren("ALTER TABLE Eindcontrole RENAME TO Weg");
    Opname opname;
    QString week = "03";
    EXPECT_THROW(lineup::HogerLager(week, opname), db::DbFout);
    d.uitvoeren("ALTER TABLE Weg RENAME TO Eindcontrole");
    d.uitvoeren("ALTER TABLE Ploegen RENAME TO Weg");
    EXPECT_THROW(lineup::DubbeleOpstelling(week, opname), db::DbFout);
    EXPECT_TRUE(bevindingen().isEmpty());
}

} // namespace

namespace {

// The report's paragraphs, read back from the document's file.
QStringList alineas(const word::Document& doc)
{
    return word::Document::uitBytes(doc.docx()).Content().Text().split(u'\r');
}

word::Opmaak opmaakVan(const word::Document& doc, const QString& tekst)
{
    return word::Document::uitBytes(doc.docx()).Content().opmaakVan(tekst);
}

const QString Sjabloon = testhulp::shippedMap() + "/Eindcontrole.dotx";

TEST_F(Eindcontrole, TheReportOfAWeekListsBothKindsOfFindingsUnderTheirHeadings)
{
    algemeen().strProvincieAfkorting = "A.";
    Opname opname;
    QString week = "3";
    lineup::HogerLager(week, opname);
    lineup::DubbeleOpstelling(week, opname);
    const word::Document doc = lineup::EindcontroleVerslagMaken(Sjabloon, week);
    const QStringList a = alineas(doc);
    const qsizetype week03 = a.indexOf("Speelweek: 03");
    ASSERT_GE(week03, 0) << a.join(" | ").toStdString();
    EXPECT_EQ(a.mid(week03, 20),
              (QStringList{"Speelweek: 03", "", "Index voorlaatste speler is kleiner dan deze van de eerste speler in "
                                                "de lagere ploeg:",
                           "", "\tClub:\tTTC Eerste",
                           "\tVoorlaatste Speler Eerste A:\tA. 100004, C3, Index 4, Heer 100004",
                           "\t\t(Wedstrijdnummer 03HA1)", "\tEerste Speler Eerste B:\tA. 100003, C2, Index 3, Heer 100003",
                           "\t\t(Wedstrijdnummer 03HB5)", "", "Dubbel opgestelde spelers:", "",
                           // In the order of the index: club name, first team, member number.
                           "\tClub:\tTTC Eerste", "\tDubbel Opgestelde Speler:\tA. 100001, C0, Index 1, Heer 100001",
                           "\tPloeg Eerste Opstelling:\tEerste A", "\t\t(Wedstrijdnummer 03HA1)",
                           "\tPloeg Tweede Opstelling:\tEerste D (FORFAIT)", "\t\t(Wedstrijdnummer 03HD1)",
                           // Entries of players lined up twice follow each other without an empty line.
                           "\tClub:\tTTC Eerste", "\tDubbel Opgestelde Speler:\tA. 100004, C3, Index 4, Heer 100004"}));
    EXPECT_EQ(a.mid(week03 + 20, 4), (QStringList{"\tPloeg Eerste Opstelling:\tEerste A", "\t\t(Wedstrijdnummer 03HA1)",
                                                  "\tPloeg Tweede Opstelling:\tEerste C (BYE)",
                                                  "\t\t(Wedstrijdnummer 03HC2)"}));
    EXPECT_TRUE(a.contains("\tPloeg Tweede Opstelling:\tEerste A")); // the ladies' player, twice in one match

    const word::Opmaak kop = opmaakVan(doc, "Dubbel opgestelde spelers:");
    EXPECT_EQ(kop.naam, "Arial");
    EXPECT_EQ(kop.grootte, 14);
    EXPECT_EQ(kop.vet, true);
    EXPECT_EQ(kop.onderstreept, word::wdUnderlineSingle);
    EXPECT_EQ(kop.kleur, "000000");
    const word::Opmaak club = opmaakVan(doc, "Club:");
    EXPECT_EQ(club.onderstreept, word::wdUnderlineSingle);
    EXPECT_EQ(club.vet, false);
    EXPECT_EQ(club.grootte, 12);
    const word::Opmaak clubnaam = opmaakVan(doc, "TTC Eerste");
    EXPECT_EQ(clubnaam.vet, true);
    EXPECT_EQ(clubnaam.onderstreept, word::wdUnderlineNone);
    const word::Opmaak ploeg = opmaakVan(doc, "Eerste A:");
    EXPECT_EQ(ploeg.cursief, true);
    EXPECT_EQ(ploeg.onderstreept, word::wdUnderlineSingle);
    const word::Opmaak dubbel = opmaakVan(doc, ":\tA. 100001");
    EXPECT_EQ(dubbel.vet, false); // the colon and the tab
    EXPECT_EQ(opmaakVan(doc, "A. 100001, C0").vet, true);
    EXPECT_EQ(opmaakVan(doc, "(Wedstrijdnummer 03HD1)").vet, true);
}

TEST_F(Eindcontrole, AReportWithoutFindingsSaysSo)
{
    const word::Document doc = lineup::EindcontroleVerslagMaken(Sjabloon, "12");
    const QStringList a = alineas(doc);
    const qsizetype week = a.indexOf("Speelweek: 12");
    ASSERT_GE(week, 0);
    EXPECT_EQ(a.mid(week + 2, 6),
              (QStringList{"Index voorlaatste speler is kleiner dan deze van de eerste speler in de lagere ploeg:", "",
                           "Geen spelers op een verkeerde plaats.", "", "Dubbel opgestelde spelers:", ""}));
    EXPECT_EQ(a.mid(week + 8, 1), QStringList{"Geen dubbel opgestelde spelers."});
    EXPECT_EQ(opmaakVan(doc, "Geen dubbel").vet, false);
    EXPECT_EQ(opmaakVan(doc, "Geen dubbel").onderstreept, word::wdUnderlineNone);
}

TEST_F(Eindcontrole, AFindingsTableThatCannotBeReadIsNotReportedAsEmpty)
{
    algemeen().dbGegevens.uitvoeren("ALTER TABLE Eindcontrole RENAME TO Weg");
    const word::Document doc = lineup::EindcontroleVerslagMaken(Sjabloon, "12");
    const QString tekst = alineas(doc).join(u'|');
    EXPECT_TRUE(tekst.contains("Dubbel opgestelde spelers:"));
    EXPECT_FALSE(tekst.contains("Geen"));
    EXPECT_THROW(lineup::EindcontroleVerslagMaken(m_map.filePath("Ontbreekt.dotx"), "12"), word::WordFout);
}

// A caller's run: the table emptied, both checks, then the report saved in the import/export folder
// and opened on the desktop.
TEST_F(Eindcontrole, TheReportIsSavedUnderItsWeekAndOpened)
{
    ui::TestMeldingenScope meldingen;
    ui::TestBureaublad bureaublad;
    core::Algemeen& a = algemeen();
    a.strSysteemmap = testhulp::shippedMap() + "/";
    a.strPadOpslaan = m_map.path();
    a.dbGegevens.uitvoeren("INSERT INTO Eindcontrole (Aard, ClubNaam) VALUES ('Dubbel', 'Van vroeger')");
    a.dbGegevens.uitvoeren("DELETE FROM Eindcontrole");
    Opname opname;
    QString week = "3";
    lineup::HogerLager(week, opname);
    lineup::DubbeleOpstelling(week, opname);
    lineup::EindControleAfdrukken(week);
    const QString pad = m_map.filePath("Eindcontrole week 03.docx");
    ASSERT_EQ(bureaublad.geopend, QStringList{pad});
    const QStringList alineas = word::Document::Open(pad).Content().Text().split(u'\r');
    EXPECT_TRUE(alineas.contains("Speelweek: 03"));
    EXPECT_EQ(alineas.filter("\tClub:").size(), 5);

    // Nothing on the desktop opens it: the message names the saved file.
    bureaublad.kanOpenen = false;
    meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Eindcontrole",
                               "Er is geen programma gevonden dat het document kan openen.\nHet document is bewaard "
                               "als:\n" + QDir::toNativeSeparators(m_map.filePath("Eindcontrole week 04.docx")));
    lineup::EindControleAfdrukken("4");

    // Without the template there is no report, and the user is told.
    a.strSysteemmap = m_map.path() + "/";
    meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Eindcontrole",
                               "Het verslag kan niet gemaakt worden.\nHet sjabloon " + m_map.filePath("Eindcontrole.dotx")
                                   + " is niet gevonden.");
    lineup::EindControleAfdrukken("05");
    EXPECT_FALSE(QFileInfo::exists(m_map.filePath("Eindcontrole week 05.docx")));

    // Without an import/export folder nothing is saved anywhere else.
    a.strSysteemmap = testhulp::shippedMap() + "/";
    a.strPadOpslaan.clear();
    meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Eindcontrole",
                               "Het verslag kan niet gemaakt worden.\nDe map voor import en export (Pad Opslaan) is "
                               "niet ingesteld: het document kan niet bewaard worden. Stel ze in bij de opties.");
    lineup::EindControleAfdrukken("06");
    EXPECT_EQ(bureaublad.geopend.size(), 2);
    EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
}

} // namespace

namespace {

// Both checks of week 03.
void beideControles()
{
    Opname opname;
    QString week = "03";
    lineup::HogerLager(week, opname);
    lineup::DubbeleOpstelling(week, opname);
}

TEST_F(Eindcontrole, AClubWhoseStruckOffMarkIsEmptyIsNotExamined)
{
    db::Database& d = algemeen().dbGegevens;
    // Teams A and B in the wrong order, and a player on both.
    for (const auto& [nr, geschrapt] : {std::pair{"004", " "}, std::pair{"005", ""}}) {
        club(d, 1, nr, QStringLiteral("Club%1").arg(nr), geschrapt, "B");
        ploeg(d, nr, "A", "H", QStringLiteral("K%1A").arg(nr));
        ploeg(d, nr, "B", "H", QStringLiteral("K%1B").arg(nr));
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, nr, "Heren", 1, "600001", "Sterk", "1", "B0");
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, nr, "Heren", 2, "600002", "Zwak", "9", "E6");
        match(d, QStringLiteral("03K%1A1").arg(nr), QStringLiteral("Club%1 A").arg(nr), "Ander", true,
              {"600002", "600002", "600002", "600002"});
        match(d, QStringLiteral("03K%1B1").arg(nr), QStringLiteral("Club%1 B").arg(nr), "Ander", true, {"600001"});
    }
    beideControles();
    EXPECT_TRUE(bevindingenVan("004").isEmpty());
    EXPECT_TRUE(bevindingenVan("005").isEmpty());
}

// In a derby of a club whose name has a word that begins with the visitors' letter ("TTC Bree A" against
// "TTC Bree B"), each team is found on its own side: only the player who stands in both line-ups is reported.
TEST_F(Eindcontrole, ADerbyWhoseClubNameHoldsTheVisitorsLetterFindsEachTeamOnItsOwnSide)
{
    db::Database& d = algemeen().dbGegevens;
    club(d, 1, "006", "TTC Bree", "N", "B");
    ploeg(d, "006", "A", "H", "BR");
    ploeg(d, "006", "B", "H", "BR");
    for (int i = 1; i <= 8; ++i)
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "006", "Heren", i, QString::number(600100 + i),
                                        QStringLiteral("Bree %1").arg(i), QString::number(i), "C" + QString::number(i));
    match(d, "03BR1", "TTC Bree A", "TTC Bree B", true, {"600101", "600102", "600103", "600104"},
          {{"UITSP1", "600105"}, {"UITSP2", "600102"}, {"UITSP3", "600107"}, {"UITSP4", "600108"}});
    beideControles();
    EXPECT_EQ(bevindingenVan("006"),
              QStringList{"Aard=Dubbel|ClubNr=006|ClubNaam=TTC TTC Bree|CompNr1=600102|Index1=2|Naam1=Bree 2|"
                          "Klassering1=C2|Ploegnaam1=TTC Bree A|Ploegnaam2=TTC Bree B|OpmPloeg1= |OpmPloeg2= |"
                          "Wedstrijdnummer1=03BR1|Wedstrijdnummer2=03BR1"});
}

// "TTC Bree" with teams A to C meets "TTC Breedonk" in the divisions of its teams A and C: both names have the
// word "TTC", which ends in the letter C, and the one holds the other; the division of team C also has teams of
// "TTC Bree Centrum" and "KTTC Bree". Each team's match is found under its own name only, on its own side.
TEST_F(Eindcontrole, ClubsNamedTTCWithATeamCFindEachTeamsMatchOnlyUnderItsOwnName)
{
    db::Database& d = algemeen().dbGegevens;
    for (const auto& [nr, naam] : {std::pair{"013", "TTC Bree"}, std::pair{"014", "TTC Breedonk"}}) {
        testhulp::invoegen(d, "Clubs",
                           {{"Provincie", 1}, {"ClubNr", nr}, {"ClubNaam", naam}, {"Ploegnaam", naam},
                            {"Geschrapt", "N"}, {"AantalPloegenHeren", "C"}});
    }
    ploeg(d, "013", "A", "H", "RA");
    ploeg(d, "013", "B", "H", "RB");
    ploeg(d, "013", "C", "H", "RC");
    ploeg(d, "014", "A", "H", "RA");
    ploeg(d, "014", "C", "H", "RC");
    for (int i = 1; i <= 8; ++i) {
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "013", "Heren", i, QString::number(601000 + i),
                                        QStringLiteral("Bree %1").arg(i), QString::number(i), "C" + QString::number(i));
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "014", "Heren", i, QString::number(602000 + i),
                                        QStringLiteral("Breedonk %1").arg(i), QString::number(i), "D" + QString::number(i));
    }
    match(d, "03RA1", "TTC Bree A", "TTC Breedonk A", true, {"601001", "601002", "601003", "601004"},
          {{"UITSP1", "602001"}, {"UITSP2", "602002"}, {"UITSP3", "602003"}, {"UITSP4", "602004"}});
    match(d, "03RB1", "TTC Bree B", "Ander B", true, {"601005", "601006", "601007", "601008"});
    // Names that hold "TTC Bree C" without being it.
    match(d, "03RC1", "TTC Bree Centrum A", "KTTC Bree C", true, {"603001", "603002", "603003", "603004"},
          {{"UITSP1", "604001"}, {"UITSP2", "604002"}, {"UITSP3", "604003"}, {"UITSP4", "604004"}});
    // Team C of Bree plays away at Breedonk's team C. Its first player has a smaller index than team B's third,
    // and played in team B as well; Breedonk's first player played in its team A too.
    match(d, "03RC2", "TTC Breedonk C", "TTC Bree C", true, {"602001", "602005", "602006", "602007"},
          {{"UITSP1", "601006"}, {"UITSP2", "601008"}, {"UITSP3", "601002"}, {"UITSP4", "601009"}});
    beideControles();
    const QStringList bree = bevindingenVan("013");
    const QStringList breedonk = bevindingenVan("014");
    EXPECT_EQ(bree,
              (QStringList{"Aard=HogerLager|ClubNr=013|ClubNaam=TTC Bree|CompNr1=601007|Index1=7|Naam1=Bree 7|"
                           "Klassering1=C7|CompNr2=601006|Index2=6|Naam2=Bree 6|Klassering2=C6|"
                           "Ploegnaam1=TTC Bree B|Ploegnaam2=TTC Bree C|Wedstrijdnummer1=03RB1|"
                           "Wedstrijdnummer2=03RC2",
                           "Aard=Dubbel|ClubNr=013|ClubNaam=TTC Bree|CompNr1=601002|Index1=2|Naam1=Bree 2|"
                           "Klassering1=C2|Ploegnaam1=TTC Bree A|Ploegnaam2=TTC Bree C|OpmPloeg1= |OpmPloeg2= |"
                           "Wedstrijdnummer1=03RA1|Wedstrijdnummer2=03RC2",
                           "Aard=Dubbel|ClubNr=013|ClubNaam=TTC Bree|CompNr1=601006|Index1=6|Naam1=Bree 6|"
                           "Klassering1=C6|Ploegnaam1=TTC Bree B|Ploegnaam2=TTC Bree C|OpmPloeg1= |OpmPloeg2= |"
                           "Wedstrijdnummer1=03RB1|Wedstrijdnummer2=03RC2",
                           "Aard=Dubbel|ClubNr=013|ClubNaam=TTC Bree|CompNr1=601008|Index1=8|Naam1=Bree 8|"
                           "Klassering1=C8|Ploegnaam1=TTC Bree B|Ploegnaam2=TTC Bree C|OpmPloeg1= |OpmPloeg2= |"
                           "Wedstrijdnummer1=03RB1|Wedstrijdnummer2=03RC2"}))
        << bree.join(u'\n').toStdString();
    EXPECT_EQ(breedonk,
              QStringList{"Aard=Dubbel|ClubNr=014|ClubNaam=TTC Breedonk|CompNr1=602001|Index1=1|Naam1=Breedonk 1|"
                          "Klassering1=D1|Ploegnaam1=TTC Breedonk A|Ploegnaam2=TTC Breedonk C|OpmPloeg1= |"
                          "OpmPloeg2= |Wedstrijdnummer1=03RA1|Wedstrijdnummer2=03RC2"})
        << breedonk.join(u'\n').toStdString();
}

TEST_F(Eindcontrole, InADivisionOfSevenTeamsTheFirstFourMatchesAreSought)
{
    db::Database& d = algemeen().dbGegevens;
    club(d, 1, "007", "Zeven", "N", "B");
    ploeg(d, "007", "A", "H", "ZA");
    ploeg(d, "007", "B", "H", "ZB");
    for (int i = 1; i <= 5; ++i)
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "007", "Heren", i, QString::number(600200 + i),
                                        QStringLiteral("Zeven %1").arg(i), QString::number(10 + i), "D0");
    match(d, "03ZA1", "Zeven A", "Ander", true, {"600201", "600202", "600205", "600204"});
    // Team B plays in the fourth match of its series; its first player stands above A's third.
    match(d, "03ZB4", "Ander", "Zeven B", false, {"600203"});
    for (const auto& [ploegen, gevonden] : {std::pair{7, true}, std::pair{6, false}, std::pair{5, false}}) {
        d.uitvoeren("DELETE FROM Eindcontrole");
        algemeen().intAantalPloegen = ploegen;
        beideControles();
        EXPECT_EQ(bevindingenVan("007").size(), gevonden ? 1 : 0) << ploegen;
    }
}

// Ladies play in threes: the second-to-last player is the second. A "BYE" remark needs the capitals.
TEST_F(Eindcontrole, LadiesTeamsCompareTheSecondPlayerAndOnlyACapitalByeIsABye)
{
    db::Database& d = algemeen().dbGegevens;
    club(d, 1, "012", "Twaalf", "N", "", "B");
    ploeg(d, "012", "A", "D", "WA");
    ploeg(d, "012", "B", "D", "WB");
    for (int i = 1; i <= 5; ++i)
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "012", "Dames", i, QString::number(600700 + i),
                                        QStringLiteral("Twaalf %1").arg(i), QString::number(i), "D" + QString::number(i));
    match(d, "03WA1", "Twaalf A", "Bye", true, {"600701", "600705", "600702"});
    match(d, "03WB1", "Twaalf B", "Ander", true, {"600703", "600701"});
    beideControles();
    const QStringList b = bevindingenVan("012");
    ASSERT_EQ(b.size(), 2) << b.join('\n').toStdString();
    EXPECT_TRUE(b[0].contains("|CompNr1=600705|Index1=5|")) << b[0].toStdString();
    EXPECT_TRUE(b[0].contains("|CompNr2=600703|Index2=3|")) << b[0].toStdString();
    EXPECT_TRUE(b[1].contains("|CompNr1=600701|")) << b[1].toStdString();
    EXPECT_TRUE(b[1].contains("|OpmPloeg1= |")) << b[1].toStdString();
}

TEST_F(Eindcontrole, PlayersOffTheListOrOnTwoListsAndListRowsWithoutANumber)
{
    db::Database& d = algemeen().dbGegevens;
    // Club 008: team B's first player is not on the list: no finding, whatever the index above him.
    club(d, 1, "008", "Acht", "N", "B");
    ploeg(d, "008", "A", "H", "AA");
    ploeg(d, "008", "B", "H", "AB");
    for (int i = 1; i <= 4; ++i)
        testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "008", "Heren", i, QString::number(600300 + i),
                                        QStringLiteral("Acht %1").arg(i), QString::number(20 + i), "D2");
    match(d, "03AA1", "Acht A", "Ander", true, {"600301", "600302", "600304", "600303"});
    match(d, "03AB1", "Acht B", "Ander", true, {"699999"});

    // Club 009: a men's player also on the veterans' list, lined up twice in the men's teams only.
    club(d, 1, "009", "Negen", "N", "B", "", "A");
    ploeg(d, "009", "A", "H", "GA");
    ploeg(d, "009", "B", "H", "GB");
    ploeg(d, "009", "A", "V", "GV");
    testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "009", "Heren", 1, "600401", "Negen Een", "1", "B4");
    testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "009", "Veteranen", 1, "600401", "Negen Een", "1", "B4");
    match(d, "03GA1", "Negen A", "Ander", true, {"600401"});
    match(d, "03GB1", "Ander", "Negen B", false, {"600401"});
    match(d, "03GV1", "Negen A", "Ander", true, {"600402"});

    // Club 010: list rows without a member number, beside teams with empty places.
    club(d, 1, "010", "Tien", "N", "B");
    ploeg(d, "010", "A", "H", "TIA");
    ploeg(d, "010", "B", "H", "TIB");
    testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "010", "Heren", 1, "", "Zonder nummer", "1", "B0");
    testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "010", "Heren", 2, " ", "Blanco", "2", "B2");
    match(d, "03TIA1", "Tien A", "Ander", true, {"600501", "", "600502"});
    match(d, "03TIB1", "Tien B", "Ander", true, {"", "600503"});

    beideControles();
    EXPECT_TRUE(bevindingenVan("008").isEmpty()) << bevindingenVan("008").join('\n').toStdString();
    const QStringList negen = bevindingenVan("009");
    ASSERT_EQ(negen.size(), 1) << negen.join('\n').toStdString();
    EXPECT_TRUE(negen[0].startsWith("Aard=Dubbel|ClubNr=009|ClubNaam=TTC Negen|CompNr1=600401|"));
    EXPECT_TRUE(negen[0].endsWith("|Wedstrijdnummer1=03GA1|Wedstrijdnummer2=03GB1"));
    EXPECT_TRUE(bevindingenVan("010").isEmpty()) << bevindingenVan("010").join('\n').toStdString();
}

} // namespace

namespace {

TEST_F(Eindcontrole, TheReportKeepsMarkupCharactersAndAccentsOfNamesAndClubs)
{
    testhulp::invoegen(algemeen().dbGegevens, "Eindcontrole",
                       {{"Aard", "Dubbel"}, {"ClubNr", "011"}, {"ClubNaam", "TTC D'Hondt & Zoë <Gent>"},
                        {"CompNr1", "600601"}, {"Index1", "3"}, {"Naam1", "Émile \"Mil\" Façon €"},
                        {"Klassering1", "C2"}, {"Ploegnaam1", "D'Hondt & Zoë A"}, {"OpmPloeg1", " "},
                        {"Ploegnaam2", "D'Hondt & Zoë B"}, {"OpmPloeg2", " "}, {"Wedstrijdnummer1", "03DZ1"},
                        {"Wedstrijdnummer2", "03DZ2"}});
    const QStringList a = alineas(lineup::EindcontroleVerslagMaken(Sjabloon, "03"));
    const qsizetype club = a.indexOf(QStringLiteral("\tClub:\tTTC D'Hondt & Zoë <Gent>"));
    ASSERT_GE(club, 0) << a.join(" | ").toStdString();
    EXPECT_TRUE(a.value(club + 1).endsWith(QStringLiteral("Émile \"Mil\" Façon €"))) << a.value(club + 1).toStdString();
    EXPECT_EQ(a.value(club + 2), QStringLiteral("\tPloeg Eerste Opstelling:\tD'Hondt & Zoë A"));
}

// On a full disk the report of a week is not saved: the older report stays byte for byte, the message names
// the file and the cause, and nothing is opened.
TEST_F(Eindcontrole, OnAFullDiskTheOlderReportStays)
{
    const QString map = m_map.filePath("vol");
    ASSERT_TRUE(QDir().mkpath(map));
    testhulp::KleineSchijf schijf(map);
    if (!schijf.reden().isEmpty())
        GTEST_SKIP() << schijf.reden().toStdString();
    ui::TestMeldingenScope meldingen;
    ui::TestBureaublad bureaublad;
    core::Algemeen& a = algemeen();
    a.strSysteemmap = testhulp::shippedMap() + "/";
    a.strPadOpslaan = map;
    const QString pad = map + "/Eindcontrole week 03.docx";
    {
        QFile oud(pad);
        ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
        oud.write("vorig verslag");
    }
    schijf.vullen();
    meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Eindcontrole",
                               "Het verslag kan niet gemaakt worden.\nHet bestand \"" + pad
                                   + "\" kon niet opgeslagen worden:\nOnvoldoende schijfruimte.\nHet vorige bestand "
                                     "met die naam bleef ongewijzigd.");
    lineup::EindControleAfdrukken("3");
    QFile oud(pad);
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    EXPECT_EQ(oud.readAll(), "vorig verslag");
    EXPECT_EQ(QDir(map).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Eindcontrole week 03.docx", "vulling"}));
    EXPECT_TRUE(bureaublad.geopend.isEmpty());
    EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
}

TEST_F(Eindcontrole, EveryStepOfWritingThatFailsKeepsTheOlderReport)
{
    ui::TestMeldingenScope meldingen;
    ui::TestBureaublad bureaublad;
    core::Algemeen& a = algemeen();
    a.strSysteemmap = testhulp::shippedMap() + "/";
    a.strPadOpslaan = m_map.path();
    const QString pad = m_map.filePath("Eindcontrole week 03.docx");
    {
        QFile oud(pad);
        ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
        oud.write("vorig verslag");
    }
    const QStringList voor = QDir(m_map.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const testhulp::Storingsgeval& g : testhulp::Storingsgevallen) {
        SCOPED_TRACE(g.naam);
        const bestand::GeplandeStoring storing(g.storing);
        meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Eindcontrole",
                                   "Het verslag kan niet gemaakt worden.\nHet bestand \"" + pad
                                       + "\" kon niet opgeslagen worden:\n" + g.oorzaak
                                       + ".\nHet vorige bestand met die naam bleef ongewijzigd.");
        lineup::EindControleAfdrukken("3");
        QFile oud(pad);
        ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
        EXPECT_EQ(oud.readAll(), "vorig verslag");
        EXPECT_EQ(QDir(m_map.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), voor);
        EXPECT_TRUE(bureaublad.geopend.isEmpty());
        EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
    }
}

} // namespace

namespace {

// Neither check moves the shared recordsets: each stays on the index and the row it had, also the
// match on the sheet (rsMatchen), whose remarks and results are stored in that row.
TEST_F(Eindcontrole, NeitherCheckMovesTheSharedRecordsets)
{
    core::Algemeen& a = algemeen();
    a.rsMatchen.setIndex("WedstrNr");
    a.rsMatchen.seek("=", {"2010-2011", "03TB1"});
    a.rsClubs.setIndex("ClubNr");
    a.rsClubs.seek("=", {1, "003"});
    a.rsPloegen.setIndex("ReeksBepalen");
    a.rsPloegen.seek("=", {"2010-2011", "002", "1", "B", "H"});
    a.rsSterktelijst.setIndex("SterktelijstZoeken");
    a.rsSterktelijst.seek("=", {"2010-2011", 1, "002", "Heren"});
    ASSERT_FALSE(a.rsMatchen.noMatch() || a.rsClubs.noMatch() || a.rsPloegen.noMatch() || a.rsSterktelijst.noMatch());
    const auto stand = [&a] {
        return QStringList{a.rsMatchen.index(),          a.rsMatchen.veld("WedstrNr").tekst(),
                           a.rsClubs.index(),            a.rsClubs.veld("ClubNr").tekst(),
                           a.rsPloegen.index(),          a.rsPloegen.veld("ReeksNr").tekst(),
                           a.rsSterktelijst.index(),     a.rsSterktelijst.veld("Computernummer").tekst()};
    };
    const QStringList voor = stand();
    Opname opname;
    QString week = "3";
    EXPECT_TRUE(lineup::HogerLager(week, opname));
    EXPECT_EQ(stand(), voor);
    EXPECT_TRUE(lineup::DubbeleOpstelling(week, opname));
    EXPECT_EQ(stand(), voor);
}

} // namespace
