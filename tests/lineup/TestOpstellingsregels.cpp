// The line-up rules: the five checks on plain values, and SpelerInvullen on a small database with
// strict and advisory control and their exact messages.

#include "Proefgegevens.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/FunctiesQJ.h"
#include "core/Opstart.h"
#include "lineup/Opstelling.h"
#include "lineup/Opstellingsregels.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QTemporaryDir>
#include <tuple>
#include <gtest/gtest.h>

using core::algemeen;
using namespace lineup;
using Soort = ui::TestMeldingen::Soort;

namespace {

const QString Titel = QStringLiteral("Speler Kiezen");

TEST(Opstellingsregels, ChecksOneToFourOnPlainValues)
{
    const QStringList knoppen{"500001", "", "500003", "500004"};
    EXPECT_TRUE(ControleDubbeleOpstellingPloeg(knoppen, 1, "500003", 4));
    EXPECT_FALSE(ControleDubbeleOpstellingPloeg(knoppen, 2, "500003", 4)); // his own place
    EXPECT_FALSE(ControleDubbeleOpstellingPloeg(knoppen, 1, "500004", 3)); // place 4 is not scanned in a team of 3

    // Team A needs index 1.. per place; team B of four at least 5 on place 1 and 8 on place 4; team C of three 7.
    EXPECT_FALSE(ControleTeLageIndex("Eerste A", 4, 0, "1"));
    EXPECT_TRUE(ControleTeLageIndex("Eerste A", 4, 1, "1"));
    EXPECT_TRUE(ControleTeLageIndex("Eerste b", 4, 0, "4"));
    EXPECT_FALSE(ControleTeLageIndex("Eerste B", 4, 0, "5"));
    EXPECT_TRUE(ControleTeLageIndex("Eerste B", 4, 3, "7"));
    EXPECT_FALSE(ControleTeLageIndex("Eerste C", 3, 0, "7"));
    EXPECT_TRUE(ControleTeLageIndex("Eerste C", 3, 0, "6"));

    const QStringList indexen{"3", "", "8", "SUP"};
    EXPECT_TRUE(ControleIndexHogereSpelersInPloeg(indexen, 1, "2"));
    EXPECT_FALSE(ControleIndexHogereSpelersInPloeg(indexen, 1, "3"));
    EXPECT_FALSE(ControleIndexHogereSpelersInPloeg(indexen, 1, "SUP"));
    EXPECT_TRUE(ControleIndexLagereSpelersInPloeg(indexen, 1, "9", 3));
    EXPECT_FALSE(ControleIndexLagereSpelersInPloeg(indexen, 1, "8", 3));
    // A "SUP" label on a later place counts as 0, so any index before it is higher.
    EXPECT_TRUE(ControleIndexLagereSpelersInPloeg(indexen, 2, "8", 4));
    EXPECT_FALSE(ControleIndexLagereSpelersInPloeg(indexen, 2, "8", 3));
}

// The own club 001 (province 1) with players 500001..500006 on its men's list, index 1..6; member
// 500050 of club 002; matches PAH01001 (team A) and PAH01003 (team B) of the own club in week 01.
class Regels : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString pad = testhulp::applicatiemapVullen(m_map.path());
        db::Database d = db::Database::openen(pad);
        testhulp::clubToevoegen(d, 1, "001", "TTC Eerste Antwerpen", "Eerste");
        testhulp::clubToevoegen(d, 1, "002", "TTC Tweede Berchem", "Tweede");
        for (int i = 1; i <= 6; ++i) {
            const QString nr = QString::number(500000 + i);
            testhulp::lidToevoegen(d, nr, QStringLiteral("Speler %1").arg(i), "001", 1);
            testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "001", "Heren", i, nr,
                                            QStringLiteral("Speler %1").arg(i), i == 6 ? "SUP" : QString::number(i),
                                            "C2");
        }
        testhulp::lidToevoegen(d, "500050", "Ander Lid", "002", 1);
        testhulp::invoegen(d, "Alternatief", {{"Provincie", "1"}, {"Clubnummer", "001"}, {"Computernummer", "000777"},
                                              {"Soort", "Heren"}, {"Naam", "Geen Lid"}, {"Index", "7"},
                                              {"Volgnummer", "7"}, {"Klassering", "E6"}});
        for (const auto& [nr, ploeg, sp1] : {std::tuple{"PAH01001", "Eerste A", ""},
                                             std::tuple{"PAH01003", "Eerste B", "500005"},
                                             std::tuple{"PAH01004", "Eerste C", "500004"},
                                             std::tuple{"PAH01005", "Eerste D", ""}}) {
            testhulp::Wedstrijd w;
            w.wedstrNr = nr;
            w.lkThuis = "001";
            w.nmthuis = ploeg;
            w.lkUit = "002";
            w.nmuit = "Tweede";
            w.extra = {{"THUISSP1", sp1}};
            if (QString(nr) == "PAH01004")
                w.herDam = "D"; // another category
            if (QString(nr) == "PAH01005")
                w.herDam = "V"; // veterans
            testhulp::wedstrijdToevoegen(d, w);
        }
        d.sluiten();

        core::Algemeen& a = algemeen();
        a.dbGegevens = db::Database::openen(pad);
        core::TabellenOpenen();
        a.intAantalKaraktersCompNr = 6;
        a.strGekozenSeizoen = "2010-2011";
        a.strSoortSterktelijst = "Heren";
        a.strClubNr = "001";
        a.strClubProv = "1";
        a.intLaatsteWedstrijd = 15;
        a.rsMatchen.setIndex("WedstrNr");
        a.rsMatchen.seek("=", {"2010-2011", "PAH01001"});
        ASSERT_FALSE(a.rsMatchen.noMatch());
    }

    void TearDown() override
    {
        core::algemeenHerstellen();
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    static Opstellingsinvoer invoer(const QString& nr, int plaats, const QString& kant = "T", bool streng = false)
    {
        Opstellingsinvoer in;
        in.slot.woord = kant + QString::number(plaats + 1);
        in.slot.kant = kant;
        in.slot.plaats = plaats;
        in.slot.ploegNaam = "Eerste A";
        in.slot.ploegClubNr = "001";
        in.slot.ploegProvAfk = "A.";
        in.slot.ploegProvNr = "1";
        in.compNr = nr;
        in.knoppen = QStringList{"", "", "", ""};
        in.indexen = QStringList{"", "", "", ""};
        in.streng = streng;
        return in;
    }

    void kritiek(const QString& tekst) { m_meldingen->verwachtMelding(Soort::Kritiek, Titel, tekst); }

    QTemporaryDir m_map;
    ui::TestMeldingenScope m_meldingen;
};

TEST_F(Regels, APlayerOnTheListIsFilledInAndPadded)
{
    const Opstellingsuitvoer uit = SpelerInvullen(invoer("500002", 1));
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_TRUE(uit.opSterktelijst);
    EXPECT_EQ(uit.naam, "Speler 2");
    EXPECT_EQ(uit.index, "2");
    EXPECT_EQ(uit.volgNr, "2");
    EXPECT_EQ(uit.klas, "C2");

    // Not a member and not in Alternatief: nothing filled, no message; padded to the width first.
    const Opstellingsuitvoer kort = SpelerInvullen(invoer("42", 0));
    EXPECT_EQ(kort.compNr, "000042");
    EXPECT_TRUE(kort.naam.isEmpty());
    EXPECT_FALSE(kort.geweigerd);

    // Found in Alternatief only: its data, and no rule.
    const Opstellingsuitvoer alt = SpelerInvullen(invoer("777", 0));
    EXPECT_EQ(alt.naam, "Geen Lid");
    EXPECT_EQ(alt.index, "7");
    EXPECT_FALSE(alt.opSterktelijst);

    const Opstellingsuitvoer leeg = SpelerInvullen(invoer("", 2));
    EXPECT_TRUE(leeg.provincieZetten);
    EXPECT_EQ(leeg.provincie, "A.");
}

TEST_F(Regels, StrictControlRefusesAtHomeAndAsksTheVisitors)
{
    const QString teLaag = "Deze speler mag niet op deze plaats opgesteld worden ! Te lage index !";
    kritiek(teLaag);
    EXPECT_TRUE(SpelerInvullen(invoer("500001", 2, "T", true)).geweigerd);

    // Advisory, or the visitors' side: a question; No refuses, Yes accepts.
    m_meldingen->verwachtJaNee(false);
    m_meldingen->verwachtJaNee(true);
    const Opstellingsuitvoer nee = SpelerInvullen(invoer("500001", 2, "T", false));
    const Opstellingsuitvoer ja = SpelerInvullen(invoer("500001", 2, "U", true));
    EXPECT_TRUE(nee.geweigerd);
    EXPECT_TRUE(nee.compNr.isEmpty());
    EXPECT_TRUE(nee.opSterktelijst);
    EXPECT_FALSE(ja.geweigerd);
    EXPECT_EQ(m_meldingen->getoond().last(),
              (ui::TestMeldingen::Melding{Soort::Vraag, Titel, teLaag + " Wenst u deze toch op deze plaats op te stellen ?"}));

    // "SUP" passes the index checks.
    EXPECT_FALSE(SpelerInvullen(invoer("500006", 0, "T", true)).geweigerd);
}

TEST_F(Regels, ChecksOneThreeAndFourRefuseWhateverTheOption)
{
    Opstellingsinvoer in = invoer("500002", 1);
    in.knoppen = QStringList{"", "", "500002", ""};
    kritiek("Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !");
    EXPECT_TRUE(SpelerInvullen(in).geweigerd);

    in = invoer("500002", 1, "U");
    in.indexen = QStringList{"3", "", "", ""};
    kritiek("Deze speler mag in deze ploeg niet op deze plaats opgesteld worden. Eén of meer spelers op een hogere "
            "plaats hebben een hogere index !");
    EXPECT_TRUE(SpelerInvullen(in).geweigerd);
    in.superMatch = true; // a Super match does not enforce check 3
    EXPECT_FALSE(SpelerInvullen(in).geweigerd);

    in = invoer("500003", 1, "U");
    in.indexen = QStringList{"", "", "2", ""};
    kritiek("Deze speler mag in deze ploeg niet op deze plaats opgesteld worden. Eén of meer spelers op een lagere "
            "plaats hebben een lagere index !");
    EXPECT_TRUE(SpelerInvullen(in).geweigerd);
}

// A team of three counts three places per team letter: team B's first place takes indexes from 4 on,
// a lower index is asked about.
TEST_F(Regels, ATeamOfThreeCountsThreePlacesPerTeamLetter)
{
    algemeen().intLaatsteWedstrijd = 9;
    Opstellingsinvoer in = invoer("500004", 0);
    in.slot.ploegNaam = "Eerste B";
    EXPECT_FALSE(SpelerInvullen(in).geweigerd) << "index 4 on place 1 of team B";
    in.compNr = "500003";
    m_meldingen->verwachtJaNee(false);
    EXPECT_TRUE(SpelerInvullen(in).geweigerd) << "index 3 on place 1 of team B";
    EXPECT_EQ(m_meldingen->getoond().last().tekst,
              "Deze speler mag niet op deze plaats opgesteld worden ! Te lage index ! Wenst u deze toch op deze "
              "plaats op te stellen ?");
}

// Filling a place that already holds a player replaces him: his number and index do not count
// against the one who takes his place, whether that one's index is lower or higher.
TEST_F(Regels, APlaceAlreadyFilledTakesAnotherPlayerWhateverTheIndexOfTheOneItHeld)
{
    Opstellingsinvoer in = invoer("500002", 1);
    in.knoppen = QStringList{"500001", "500004", "500005", ""};
    in.indexen = QStringList{"1", "4", "5", ""};
    Opstellingsuitvoer uit = SpelerInvullen(in);
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_EQ(uit.index, "2");

    in.compNr = "500003";
    in.knoppen = QStringList{"500001", "500002", "500005", ""};
    in.indexen = QStringList{"1", "2", "5", ""};
    uit = SpelerInvullen(in);
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_EQ(uit.index, "3");

    // The player already on the place typed again stays.
    in.compNr = "500002";
    EXPECT_FALSE(SpelerInvullen(in).geweigerd);
}

// The member stored on the place is shown with his details, judged by no rule and asked nothing: not the
// index checks, not the strength list, not the club, whatever the option.
TEST_F(Regels, TheMemberOnThePlaceIsShownWithoutARuleOrAQuestion)
{
    Opstellingsinvoer in = invoer("500003", 0, "T", true);
    in.opPlaats = true;
    in.knoppen = QStringList{"500003", "500003", "", "500002"};
    in.indexen = QStringList{"3", "3", "", "2"};
    Opstellingsuitvoer uit = SpelerInvullen(in);
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_TRUE(uit.opSterktelijst);
    EXPECT_EQ(uit.naam, "Speler 3");
    EXPECT_EQ(uit.index, "3");

    in = invoer("500001", 3, "T", true); // index 1 is too low for place 4
    in.opPlaats = true;
    EXPECT_EQ(SpelerInvullen(in).naam, "Speler 1");

    in = invoer("500050", 0, "T", true); // another club's member, on no list
    in.opPlaats = true;
    uit = SpelerInvullen(in);
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_FALSE(uit.opSterktelijst);
    EXPECT_EQ(uit.naam, "Ander Lid");
    EXPECT_EQ(uit.clubNr, "002");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());

    // Typed by the user, the same members are judged.
    kritiek("Deze speler mag niet op deze plaats opgesteld worden ! Te lage index !");
    EXPECT_TRUE(SpelerInvullen(invoer("500001", 3, "T", true)).geweigerd);
}

// A member not on the list, taken from the members' table, shows the ranking of the list's
// category: the men's for the men's and veterans' lists, the ladies' for the others.
// A member taken from the members' file shows the ranking of the match's category: the men's for a
// men's match (veterans' and youth boys' lists alike), the ladies' for a ladies' match (youth girls too).
TEST_F(Regels, AMemberTakenFromTheMembersShowsTheRankingOfTheMatchsCategory)
{
    algemeen().dbGegevens.uitvoeren("UPDATE Leden SET KlasHeren = 'C2', KlasDames = 'D4' WHERE CompNr = '500003'");
    for (const auto& [soort, match, klas] :
         {std::tuple{"Veteranen", "PAH01001", "C2"}, std::tuple{"Veteranen", "PAH01005", "C2"},
          std::tuple{"Dames", "PAH01005", "C2"}, std::tuple{"Jeugd", "PAH01001", "C2"},
          std::tuple{"Dames", "PAH01004", "D4"}, std::tuple{"Jeugd", "PAH01004", "D4"}}) {
        algemeen().strSoortSterktelijst = soort;
        algemeen().rsMatchen.seek("=", {"2010-2011", match});
        ASSERT_FALSE(algemeen().rsMatchen.noMatch());
        m_meldingen->verwachtJaNee(true); // not on this category's list: taken all the same
        const Opstellingsuitvoer uit = SpelerInvullen(invoer("500003", 0));
        EXPECT_FALSE(uit.geweigerd) << soort << " " << match;
        EXPECT_FALSE(uit.opSterktelijst) << soort << " " << match;
        EXPECT_EQ(uit.naam, "Speler 3") << soort << " " << match;
        EXPECT_EQ(uit.klas, klas) << soort << " " << match;
    }
}

// 500005 stands on place 1 of PAH01003, the own club's team B in the same week and category.
TEST_F(Regels, CheckFiveLooksAtTheOwnClubsOtherHomeMatchesOfTheWeek)
{
    const QString tekst = "Deze speler mag in deze ploeg niet opgesteld worden omdat hij al opgesteld is in een andere ploeg.";
    kritiek(tekst);
    EXPECT_TRUE(SpelerInvullen(invoer("500005", 3, "T", true)).geweigerd);
    m_meldingen->verwachtJaNee(true);
    EXPECT_FALSE(SpelerInvullen(invoer("500005", 3, "T", false)).geweigerd);
    EXPECT_EQ(m_meldingen->getoond().last().tekst, tekst + " Wenst u deze toch op deze plaats op te stellen ?");
    // The match on the sheet is still the current row.
    EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH01001");

    // Another category's match and another club's team do not count.
    EXPECT_FALSE(ControleOpstellingInAnderePloeg(invoer("", 3).slot, "500004"));
    Slot ander = invoer("", 3).slot;
    ander.ploegClubNr = "002";
    EXPECT_FALSE(ControleOpstellingInAnderePloeg(ander, "500005"));
    EXPECT_TRUE(ControleOpstellingInAnderePloeg(invoer("", 3).slot, "500005"));
    // A quote in the member number is a value, not SQL.
    EXPECT_FALSE(ControleOpstellingInAnderePloeg(invoer("", 3).slot, "5' OR '1'='1"));
}

// A team of four of the own club plays in the same week as teams of three and two: the member on its
// fourth place is already lined up, whatever the size of the team he is put in now.
TEST_F(Regels, CheckFiveSeesTheFourthPlaceOfATeamOfFourFromEveryTeamSize)
{
    testhulp::Wedstrijd vier;
    vier.wedstrNr = "PAH01006";
    vier.lkThuis = "001";
    vier.nmthuis = "Eerste E";
    vier.lkUit = "002";
    vier.nmuit = "Tweede";
    vier.extra = {{"THUISSP4", "500003"}};
    testhulp::wedstrijdToevoegen(algemeen().dbGegevens, vier);
    const QString tekst = "Deze speler mag in deze ploeg niet opgesteld worden omdat hij al opgesteld is in een andere ploeg.";
    for (const int laatste : {15, 9, 6}) {
        SCOPED_TRACE(laatste);
        algemeen().intLaatsteWedstrijd = laatste;
        kritiek(tekst);
        EXPECT_TRUE(SpelerInvullen(invoer("500003", 2, "T", true)).geweigerd);
        m_meldingen->verwachtJaNee(false);
        EXPECT_TRUE(SpelerInvullen(invoer("500003", 2, "U", true)).geweigerd);
        EXPECT_EQ(m_meldingen->getoond().last().tekst, tekst + " Wenst u deze toch op deze plaats op te stellen ?");
        EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH01001");
    }
    EXPECT_TRUE(ControleOpstellingInAnderePloeg(invoer("", 0).slot, "500003"));
}

// Nobody stands twice in one team: not a member off the strength list, found in the members or only in
// Alternatief, and not on the fourth place of a team of two that plays without the doubles. The refusal
// comes before any question about the list or the club.
TEST_F(Regels, CheckOneHoldsOffTheListAndOnTheFourthPlaceOfATeamOfTwo)
{
    const QString tweeKeer = "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !";
    for (const auto& [nr, streng] : {std::pair{"500050", false}, std::pair{"500050", true}, std::pair{"777", false}}) {
        SCOPED_TRACE(nr);
        Opstellingsinvoer in = invoer(nr, 1, "T", streng);
        in.knoppen = QStringList{"", "", core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(nr), 6), ""};
        kritiek(tweeKeer);
        const Opstellingsuitvoer uit = SpelerInvullen(in);
        EXPECT_TRUE(uit.geweigerd);
        EXPECT_TRUE(uit.compNr.isEmpty());
        EXPECT_TRUE(uit.naam.isEmpty());
    }

    algemeen().intLaatsteWedstrijd = 6;
    Opstellingsinvoer in = invoer("500002", 0);
    in.knoppen = QStringList{"", "", "", "500002"};
    for (const char* optie : {"N", "n", ""}) {
        SCOPED_TRACE(optie);
        if (*optie)
            testhulp::optieZetten(algemeen().dbGegevens, "SuperDubbelSpelen", optie);
        else
            algemeen().dbGegevens.uitvoeren("DELETE FROM Opties WHERE Soort = 'SuperDubbelSpelen'");
        EXPECT_EQ(PlaatsenInGebruik(6), 4);
        kritiek(tweeKeer);
        EXPECT_TRUE(SpelerInvullen(in).geweigerd);
    }
    // With the doubles the team of two has three places: the fourth is none of its places.
    testhulp::optieZetten(algemeen().dbGegevens, "SuperDubbelSpelen", "J");
    EXPECT_EQ(PlaatsenInGebruik(6), 3);
    EXPECT_EQ(PlaatsenInGebruik(9), 3);
    EXPECT_EQ(PlaatsenInGebruik(15), 4);
    EXPECT_FALSE(SpelerInvullen(in).geweigerd);
}

TEST_F(Regels, APlayerNotOnTheListOrOfAnotherClub)
{
    kritiek("Deze speler staat niet op de sterktelijst en kan dus niet toegevoegd worden !");
    EXPECT_TRUE(SpelerInvullen(invoer("500050", 0, "T", true)).geweigerd);

    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(false);
    EXPECT_TRUE(SpelerInvullen(invoer("500050", 0, "T", false)).geweigerd);
    EXPECT_EQ(m_meldingen->getoond().last().tekst,
              "Deze speler is geen lid van TTC Eerste Antwerpen. Wenst u deze toch toe te voegen ?");

    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(true);
    const Opstellingsuitvoer uit = SpelerInvullen(invoer("500050", 0, "U", true));
    EXPECT_FALSE(uit.geweigerd);
    EXPECT_FALSE(uit.opSterktelijst);
    EXPECT_EQ(uit.naam, "Ander Lid");
    EXPECT_EQ(uit.clubNr, "002");
    EXPECT_EQ(uit.provincie, "A.");
    EXPECT_EQ(uit.clubnaam, "Tweede") << "the club's team name";

    // Officials and captains: no question, no club test, no checks.
    Opstellingsinvoer kapitein = invoer("500050", 0, "T", true);
    kapitein.slot.woord = "Kap-T";
    EXPECT_EQ(SpelerInvullen(kapitein).naam, "Ander Lid");
    Opstellingsinvoer hs = invoer("500003", 0, "T", true);
    hs.slot.woord = "HS";
    const Opstellingsuitvoer scheids = SpelerInvullen(hs);
    EXPECT_EQ(scheids.clubNr, "001");
    EXPECT_EQ(scheids.clubnaam, "Eerste") << "the club's team name";
}

// Saved twice for the same team, a player not on the list has one Alternatief row.
TEST_F(Regels, AlternatiefGetsOneRowPerPlayerAndTeam)
{
    Alternatiefrij rij{"002", "Tweede A", "Heren", "", "9", "500050", "Ander Lid", "D0", "A."};
    AlternatiefOpslaan(rij, "1");
    rij.index = "10";
    AlternatiefOpslaan(rij, "1");
    db::Recordset rs = algemeen().dbGegevens.openRecordset("SELECT * FROM Alternatief WHERE Computernummer = '500050';");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.veld("Index").tekst(), "10");
    EXPECT_EQ(rs.veld("Volgnummer").tekst(), " ");
    EXPECT_EQ(rs.veld("Provincie").tekst(), "1");
    // An abbreviation that names no province is stored as -1.
    rij.computernummer = "500051";
    rij.provincieAfkorting = "XX";
    AlternatiefOpslaan(rij, "1");
    rs = algemeen().dbGegevens.openRecordset("SELECT Provincie FROM Alternatief WHERE Computernummer = '500051';");
    EXPECT_EQ(rs.veld(0).tekst(), "-1");
}

} // namespace
