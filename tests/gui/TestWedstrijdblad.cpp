#include "BladTest.h"
#include "core/Diensten.h"
#include "sheet/Blad.h"
#include "ui/Menus.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using core::algemeen;
using testhulp::Wedstrijd;
using testhulp::sets;

namespace {

using Wedstrijdblad = testhulp::BladTest;

TEST_F(Wedstrijdblad, ListsChooseThePlayDateAfterTodayAndLoadItsFirstMatch)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A", "12-09-2010"));
    Wedstrijd tweede = wedstrijd("PAH02001", "A", "19-09-2010");
    tweede.nmthuis = "Zeta";
    testhulp::wedstrijdToevoegen(m_db, tweede);
    Wedstrijd dames = wedstrijd("PAD02002", "K", "19-09-2010");
    dames.herDam = "D";
    testhulp::wedstrijdToevoegen(m_db, dames);
    Wedstrijd onleesbaar = wedstrijd("PAH03001", "A", "31-02-2011");
    testhulp::wedstrijdToevoegen(m_db, onleesbaar);
    Wedstrijd uit = wedstrijd("PAH02009", "A", "26-09-2010");
    uit.lkThuis = "002";
    uit.provThuis = "2";
    uit.lkUit = "001";
    testhulp::wedstrijdToevoegen(m_db, uit);

    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(regels(f.LstSpeelweek), QStringList({"12-09-2010", "19-09-2010"}))
        << "a date that is no date is left out; the away match is not listed at home";
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    EXPECT_EQ(regels(f.LstWedstrijden),
              QStringList({"PAH02001: Zeta - Tweede A", "PAD02002: Eerste K - Tweede K (Dames)"}));
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "Zeta");
    EXPECT_EQ(f.menu("MnuBeheerGegevensExport")->text(),
              "&Exporteren van de resultaten van 19-09-2010 naar ttr-bestand");
    EXPECT_EQ(f.windowTitle(), "A. 001 - TTC Eerste Antwerpen - Week 19-09-2010");

    // Away: the chosen date is kept and the dates stay those of the home matches until a season click.
    f.ChkUitwedstrijden->setChecked(true);
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    EXPECT_EQ(f.LstSpeelweek->count(), 2);
    EXPECT_EQ(f.LstWedstrijden->count(), 2) << "the visitors of both are of the province too";
    f.lijstKiezen(f.LstSeizoen, 0);
    EXPECT_EQ(regels(f.LstSpeelweek), QStringList({"12-09-2010", "19-09-2010", "26-09-2010"}));
}

TEST_F(Wedstrijdblad, OwnClubViewWithAwayMatchesListsOnlyTheOwnClubsAwayMatches)
{
    testhulp::optieZetten(m_db, "Weergave Wedstrijden", "0");
    testhulp::clubToevoegen(m_db, 1, "004", "TTC Vier");
    testhulp::lokaalToevoegen(m_db, 2, "Zaal Twee", "Straat 2", "2000", "Antwerpen", 2, 1);
    testhulp::lokaalToevoegen(m_db, 4, "Zaal Vier", "Straat 4", "2000", "Antwerpen", 4, 1);
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A", "12-09-2010")); // at home
    const auto uitwedstrijd = [&](const char* nr, const char* datum, const char* thuis, const char* bezoekers,
                                  const char* provincie) {
        Wedstrijd w = wedstrijd(nr, "B", datum);
        w.lkThuis = thuis;
        w.nmthuis = QStringLiteral("Ploeg %1").arg(thuis);
        w.lkUit = bezoekers;
        w.provUit = provincie;
        w.nmuit = QStringLiteral("Bezoekers %1").arg(bezoekers);
        testhulp::wedstrijdToevoegen(m_db, w);
    };
    uitwedstrijd("PAH02001", "19-09-2010", "002", "001", "1"); // the own club away
    uitwedstrijd("PAH02002", "19-09-2010", "003", "002", "1"); // another club of the province away
    uitwedstrijd("PAH03001", "26-09-2010", "002", "001", "2"); // club 001 of another province
    uitwedstrijd("PAH04001", "03-10-2010", "004", "001", "1");

    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(regels(f.LstSpeelweek), QStringList({"12-09-2010"}));
    f.ChkUitwedstrijden->setChecked(true);
    f.lijstKiezen(f.LstSeizoen, 0);
    EXPECT_EQ(regels(f.LstSpeelweek), QStringList({"19-09-2010", "03-10-2010"}));
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "19-09-2010"));
    EXPECT_EQ(regels(f.LstWedstrijden), QStringList({"PAH02001: Ploeg 002 - Bezoekers 001"}));
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "03-10-2010"));
    EXPECT_EQ(regels(f.LstWedstrijden), QStringList({"PAH04001: Ploeg 004 - Bezoekers 001"}));
    EXPECT_EQ(f.blad.TxtUPloeg->text(), "Bezoekers 001");
}

TEST_F(Wedstrijdblad, OwnClubViewFallsBackToTheProvinceWhenTheClubIsUnknown)
{
    testhulp::optieZetten(m_db, "Weergave Wedstrijden", "0");
    testhulp::optieZetten(m_db, "ClubNr", "009");
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(f.LstWedstrijden->count(), 1) << "the whole province, as the club 009 does not exist";
    EXPECT_EQ(f.windowTitle(), "Wedstrijdblad") << "the caption is left as it was";
}

TEST_F(Wedstrijdblad, ASeasonWithoutPlayDatesLocksTheSheet)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    Wedstrijd oud = wedstrijd("PAH01001", "A");
    oud.seizoen = "2009-2010";
    oud.datum = "";
    testhulp::wedstrijdToevoegen(m_db, oud);
    FrmWedstrijdInput& f = starten();
    EXPECT_TRUE(f.blad.FraWedstrijdblad->isEnabled());
    f.lijstKiezen(f.LstSeizoen, 1);
    EXPECT_EQ(f.LstSpeelweek->count(), 0);
    EXPECT_TRUE(f.blad.FraWedstrijdblad->testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE(f.blad.CmdVoorbehoudO->testAttribute(Qt::WA_Disabled));
    for (const char* m : {"MnuVoorbehoud", "MnuAfdrukken", "MnuWedstrijd", "MnuBeheerGegevensExport"})
        EXPECT_FALSE(ui::menuIngeschakeld(f.menu(m))) << m;
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "");
    EXPECT_TRUE(algemeen().blnEventsActief);
}

TEST_F(Wedstrijdblad, LoadsATeamOfFourWithItsLineUpsOfficialsAndSets)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.soort = "4";
    w.extra = {{"THUISSP1", "500001"}, {"THUISSP2", "500002"}, {"THUISSP3", "500003"}, {"THUISSP4", "999999"},
               {"UITSP1", "500005"},   {"KapiteinT", "500002"}, {"KapiteinU", "1"},      {"Zaal", 7},
               {"HoofdschCompnr", "42"}, {"Einduur", "22.30"},   {"Akkoord2aan2", "J"},  {"W01Set1T", "11"},
               {"W01Set1U", "9"},        {"W01Set2T", " "},     {"W02", "+"},           {"W03", "="}};
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;

    EXPECT_EQ(b.FraWedstrijdblad->title(), "Wedstrijdblad \"Eerste A - Tweede A\"");
    EXPECT_EQ(b.TxtTAanw->text(), "A. 001");
    EXPECT_EQ(b.TxtUAanw->text(), "A. 002");
    EXPECT_EQ(b.Titel[0]->text(), "Heren");
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 15);
    EXPECT_EQ(algemeen().intAantalPloegen, 10);
    EXPECT_EQ(algemeen().strSoortSterktelijst, "Heren");
    EXPECT_EQ(algemeen().strPloegGegevens[2][0], "A.");
    EXPECT_EQ(b.TxtMatchNr->text(), "PAH01/001");
    EXPECT_EQ(b.TxtDatum->text(), "12-09-2010");
    EXPECT_EQ(b.TxtBeginuur->text(), "19.45");
    EXPECT_EQ(b.TxtAfdeling->text(), "1e Prov.");
    EXPECT_EQ(b.TxtReeks->text(), "A");
    EXPECT_EQ(b.TxtEinduur->text(), "22.30");
    EXPECT_TRUE(b.OptSuper->isChecked());
    EXPECT_FALSE(b.OptHeren->isChecked());

    // The stored venue among the club's two, with its street and town.
    EXPECT_EQ(b.LstNaamLokaal->count(), 2);
    EXPECT_EQ(b.LstNaamLokaal->itemText(0), "Zaal Net") << "in the club's order";
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Sporthal De Bal");
    EXPECT_EQ(b.TxtStraat->text(), "Kerkstraat 1");
    EXPECT_EQ(b.TxtPlaats->text(), "2000 Antwerpen");

    // Line-ups from the strength list; a member the lists do not know keeps empty labels.
    EXPECT_EQ(b.CmdCompNrT[1]->text(), "500002");
    EXPECT_EQ(b.LabTNaamSpeler[1]->text(), "Speler 2");
    EXPECT_EQ(b.LabTVolgnr[1]->text(), "2");
    EXPECT_EQ(b.LabTKlas[1]->text(), "C2");
    EXPECT_EQ(b.CmdCompNrT[3]->text(), "999999");
    EXPECT_EQ(b.LabTNaamSpeler[3]->text(), "");
    EXPECT_EQ(b.LabUNaamSpeler[0]->text(), "Speler 5");
    EXPECT_EQ(b.CmdCompNrU[1]->text(), "");

    // The home captain plays; the visitors' captain is a place number, which no button shows.
    EXPECT_TRUE(b.OptTKapitein[1]->isChecked());
    EXPECT_TRUE(b.CmdTKapitein->isHidden());
    EXPECT_FALSE(b.CmdUKapitein->isHidden());
    for (QRadioButton* o : b.OptUKapitein)
        EXPECT_TRUE(o->isHidden());

    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->text(), "000042");
    EXPECT_EQ(b.CmdCompNrZaalcommissaris->text(), "000000");
    EXPECT_TRUE(b.ChkAkkoord->isChecked());
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "9");
    EXPECT_EQ(b.TxtSet2T[0]->text(), "") << "a blank shows as an empty box";
    EXPECT_TRUE(ui::menuIngeschakeld(f.menu("MnuWedstrijd")));
    EXPECT_TRUE(algemeen().blnEventsActief);
}

TEST_F(Wedstrijdblad, ATeamOfThreeShowsTheDoublesPairAndHidesTheFourthPlace)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    Wedstrijd drie = wedstrijd("PAH01002", "G");
    drie.nmthuis = "Eerste G2";
    drie.extra = {{"THUISSP1", "500001"}, {"THUISSP2", "500002"}, {"THUISSP3", "500003"},
                  {"Opmerk1", "500001500003"}, {"UITSP1", "500005"}, {"Opmerk2", "500005500006"},
                  {"KapiteinT", " "}};
    testhulp::wedstrijdToevoegen(m_db, drie);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    kiezen(f, "PAH01002");
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 9);
    EXPECT_EQ(b.LabTNaamSpeler[4]->text(), "Speler 1 - Speler 3");
    EXPECT_EQ(b.LabUNaamSpeler[4]->text(), "") << "a place of the visitors is empty";
    EXPECT_TRUE(b.CmdTKapitein->isHidden()) << "a captain stored as a blank is no captain";
    EXPECT_FALSE(b.OptTKapitein[0]->isHidden());
    EXPECT_FALSE(b.OptTKapitein[0]->isChecked());
    EXPECT_TRUE(b.CmdCompNrT[3]->isHidden());
    EXPECT_FALSE(b.CmdCompNrT[4]->isHidden());
    EXPECT_FALSE(b.TxtSet1T[9]->isHidden());
    EXPECT_TRUE(b.TxtSet1T[10]->isHidden());

    // Back to the team of four: its fourth places again, the doubles rows hidden.
    kiezen(f, "PAH01001");
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 15);
    EXPECT_FALSE(b.CmdCompNrT[3]->isHidden());
    EXPECT_TRUE(b.CmdCompNrT[4]->isHidden());
    EXPECT_FALSE(b.TxtSet1T[15]->isHidden());
}

TEST_F(Wedstrijdblad, ATeamOfTwoFillsThreeOrFourPlacesByTheSuperDoublesOption)
{
    Wedstrijd twee = wedstrijd("PAD01003", "K");
    twee.herDam = "D";
    twee.extra = {{"THUISSP1", "a"}, {"THUISSP2", "b"}, {"THUISSP3", "c"}, {"THUISSP4", "d"}};
    testhulp::wedstrijdToevoegen(m_db, twee);
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "j");
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 6);
    EXPECT_EQ(algemeen().strSoortSterktelijst, "Dames");
    EXPECT_EQ(b.Titel[0]->text(), "Dames");
    EXPECT_EQ(b.TxtAfdeling->text(), "2e Prov. (D)");
    EXPECT_EQ(b.CmdCompNrT[2]->text(), "c");
    EXPECT_TRUE(b.CmdCompNrT[3]->isHidden());
    EXPECT_EQ(b.CmdCompNrT[3]->text(), "") << "no place 4 with super doubles";
}

// A ladies' team of two playing the super doubles: the pairs stored for both teams are shown by name.
TEST_F(Wedstrijdblad, ATeamOfTwoWithSuperDoublesShowsBothStoredPairs)
{
    Wedstrijd twee = wedstrijd("PAD01003", "K");
    twee.herDam = "D";
    twee.extra = {{"THUISSP1", "500001"}, {"THUISSP2", "500002"}, {"THUISSP3", "500003"},
                  {"UITSP1", "500005"},   {"UITSP2", "500006"},   {"UITSP3", "500007"},
                  {"Opmerk1", "500001500003"}, {"Opmerk2", "500006500007"}};
    testhulp::wedstrijdToevoegen(m_db, twee);
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "J");
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    EXPECT_FALSE(b.CmdCompNrT[4]->isHidden());
    EXPECT_EQ(b.LabTNaamSpeler[4]->text(), "Speler 1 - Speler 3");
    EXPECT_EQ(b.LabUNaamSpeler[4]->text(), "Speler 6 - Speler 7");
}

// A girls' youth match takes its players from the youth strength list.
TEST_F(Wedstrijdblad, AGirlsYouthMatchShowsItsPlayersFromTheYouthList)
{
    testhulp::reeksToevoegen(m_db, "2010-2011", "J", "D", "C", "Meisjes C", "Jgd.2C", 3);
    testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Jeugd", 1, "500001", "Speler 1", "1", "E0");
    testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Dames", 1, "500001", "Speler 1", "1", "C6");
    Wedstrijd w = wedstrijd("JCD01001", "C");
    w.soortComp = "J";
    w.herDam = "D";
    w.extra = {{"THUISSP1", "500001"}};
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    EXPECT_EQ(algemeen().strSoortSterktelijst, "Jeugd");
    EXPECT_EQ(b.LabTNaamSpeler[0]->text(), "Speler 1");
    EXPECT_EQ(b.LabTKlas[0]->text(), "E0");
}

TEST_F(Wedstrijdblad, AMatchStoredUnderQIsFoundAndShownWithQ)
{
    Wedstrijd q = wedstrijd("QAH01004", "A");
    testhulp::wedstrijdToevoegen(m_db, q);
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(f.LstWedstrijden->item(0)->text(), "PAH01004: Eerste A - Tweede A");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "QAH01/004");
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "Eerste A");
}

TEST_F(Wedstrijdblad, AMissingOrUnusableDivisionFallsBackToFourPlayers)
{
    Wedstrijd geen = wedstrijd("PAH01005", "Z");
    testhulp::wedstrijdToevoegen(m_db, geen);
    testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "Y", "Afdeling 5Y", "P5", 5);
    Wedstrijd vijf = wedstrijd("PAH01006", "Y");
    vijf.nmthuis = "Z";
    testhulp::wedstrijdToevoegen(m_db, vijf);
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 15);
    EXPECT_EQ(algemeen().intAantalPloegen, 12);
    EXPECT_EQ(f.blad.TxtAfdeling->text(), "");
    kiezen(f, "PAH01006");
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 15);
    EXPECT_EQ(algemeen().intAantalPloegen, 12);
    EXPECT_EQ(f.blad.TxtReeks->text(), "") << "a short name of five characters or fewer leaves no series";
}

TEST_F(Wedstrijdblad, AMatchThatIsGoneIsReportedAndTheSheetLocked)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = starten();
    algemeen().dbGegevens.uitvoeren("DELETE FROM Matchen");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Wedstrijdblad",
                                 "De wedstrijd PAH01001 werd niet gevonden in het seizoen 2010-2011 !");
    f.LijstHerselecteren(f.LstWedstrijden);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(f.blad.FraWedstrijdblad->testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "");
    EXPECT_TRUE(algemeen().blnEventsActief);
}

TEST_F(Wedstrijdblad, VenueMessagesAndByes)
{
    Wedstrijd zonder = wedstrijd("PAH01007", "A");
    zonder.lkThuis = "003";
    testhulp::wedstrijdToevoegen(m_db, zonder);
    Wedstrijd bewaard = wedstrijd("PAH01008", "A");
    bewaard.lkThuis = "004";
    bewaard.nmthuis = "Later";
    bewaard.extra = {{"Zaal", 8}};
    testhulp::wedstrijdToevoegen(m_db, bewaard);
    Wedstrijd vrij = wedstrijd("PAH01009", "A");
    vrij.lkThuis = "vrij";
    vrij.nmthuis = "VRIJ";
    testhulp::wedstrijdToevoegen(m_db, vrij);

    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Informatie, "Clublokaal",
                                 "Er is geen lokaal ingesteld voor de thuisclub. Voeg een lokaal toe via Beheer - "
                                 "clubs en Lokalen !");
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "Eerste A") << "loaded all the same";
    EXPECT_EQ(f.blad.LstNaamLokaal->count(), 0);

    kiezen(f, "PAH01008");
    EXPECT_EQ(f.blad.LstNaamLokaal->count(), 1) << "the stored venue of a club without venues";
    EXPECT_EQ(f.blad.TxtPlaats->text(), "Berchem");

    kiezen(f, "PAH01009");
    EXPECT_EQ(f.blad.TxtTAanw->text(), "");
    EXPECT_EQ(f.blad.LstNaamLokaal->count(), 0);
}

TEST_F(Wedstrijdblad, ChoosingTheVenueTheListShowsStoresIt)
{
    // No venue stored: the list shows the club's first venue, and loading stores nothing.
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = starten();
    kiezen(f, "PAH01001");
    QComboBox* lijst = f.blad.LstNaamLokaal;
    ASSERT_EQ(lijst->currentText(), "Zaal Net");
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "");

    // The secretary confirms that venue from the drop-down list.
    lijst->showPopup();
    QTest::keyClick(lijst->view(), Qt::Key_Return);
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "8");

    // Another venue is stored once it is chosen, and the first one again after it.
    lijst->showPopup();
    lijst->view()->setCurrentIndex(lijst->model()->index(1, 0));
    QTest::keyClick(lijst->view(), Qt::Key_Return);
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "7");
    EXPECT_EQ(f.blad.TxtStraat->text(), "Kerkstraat 1");
    QTest::keyClick(lijst, Qt::Key_Up);
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "8");
    EXPECT_EQ(f.blad.TxtPlaats->text(), "Berchem");
}

// A secretary scrolling the window over the closed venue list: the wheel chooses no venue, whether the
// list has the focus or not, and takes no focus; the sheet (and so the paper) keeps the venue shown.
// The keys on the list the user went to and the open list still choose.
TEST_F(Wedstrijdblad, TheWheelOverTheClosedVenueListChoosesNoVenue)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    QComboBox* lijst = f.blad.LstNaamLokaal;
    ASSERT_EQ(lijst->count(), 2);
    ASSERT_EQ(lijst->currentText(), "Zaal Net");
    ASSERT_EQ(focus(), f.blad.TxtSet1T[0]);

    wiel(lijst, -1);
    EXPECT_EQ(lijst->currentText(), "Zaal Net");
    EXPECT_EQ(f.blad.TxtStraat->text(), "Dorpsplein 3");
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "") << "nothing stored";
    EXPECT_EQ(focus(), f.blad.TxtSet1T[0]) << "the wheel leaves the focus where it is";

    QTest::mouseClick(lijst, Qt::LeftButton);
    verwerken();
    ASSERT_TRUE(lijst->view()->isVisible());
    QTest::keyClick(lijst->view(), Qt::Key_Escape);
    verwerken();
    ASSERT_FALSE(lijst->view()->isVisible());
    ASSERT_EQ(focus(), lijst);
    wiel(lijst, -1);
    wiel(lijst, -1);
    EXPECT_EQ(lijst->currentText(), "Zaal Net") << "also with the focus in the closed list";
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "");

    toets(Qt::Key_Down);
    EXPECT_EQ(lijst->currentText(), "Sporthal De Bal");
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "7") << "a venue chosen with the keys";
    wiel(lijst, 1);
    EXPECT_EQ(lijst->currentText(), "Sporthal De Bal");
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "7");

    lijst->showPopup();
    lijst->view()->setCurrentIndex(lijst->model()->index(0, 0));
    QTest::keyClick(lijst->view(), Qt::Key_Return);
    EXPECT_EQ(lijst->currentText(), "Zaal Net");
    EXPECT_EQ(testhulp::matchVeld("Zaal"), "8") << "a venue chosen from the open list";
}

TEST_F(Wedstrijdblad, ResultsAreShownOnLoadingAndStoredOnlyWhenAsked)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"11-9", "11-8", "11-5"}) << sets(2, {"11-9", "9-11", "11-3"})
            << sets(3, {"11-5", "11-5", "", "11-5"}) << sets(5, {"w-o", "w-o", "w-o"});
    w.extra << qMakePair(QString("W01"), db::Waarde("/")) << qMakePair(QString("W02"), db::Waarde("="))
            << qMakePair(QString("W04"), db::Waarde("*")) << qMakePair(QString("AFWUIT1"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;

    EXPECT_EQ(b.TxtSetsThuis[0]->text(), "3");
    EXPECT_EQ(b.TxtSetsUit[0]->text(), "0");
    EXPECT_EQ(b.TxtSetsThuis[1]->text(), "2");
    EXPECT_EQ(b.TxtSetsUit[1]->text(), "1");
    EXPECT_EQ(b.TxtWedstrThuis[1]->text(), "1") << "the running score beside a game in progress";
    EXPECT_EQ(b.TxtSetsThuis[3]->text(), "");
    EXPECT_EQ(b.TxtWedstrThuis[3]->text(), "");
    EXPECT_EQ(b.TxtResU->text(), "0");
    EXPECT_EQ(testhulp::matchVeld("W01"), "/") << "not stored while loading";
    EXPECT_EQ(testhulp::matchVeld("W02"), "=") << "never blanked";
    EXPECT_EQ(testhulp::matchVeld("W04"), " ") << "an undecided game is blanked even when not storing";

    // Game 5 (home 4 against away 1) is a walk-over: away player 1 is absent, so home wins it 3-0,
    // for the team but not for the player; its set boxes are locked.
    EXPECT_EQ(b.TxtSetsThuis[4]->text(), "3");
    EXPECT_EQ(b.TxtResT->text(), "3");
    EXPECT_FALSE(b.TxtSet3U[4]->isEnabled());
    EXPECT_TRUE(b.TxtSet3U[5]->isEnabled());
    EXPECT_EQ(b.LabUIndOverw[0]->text(), "FF");
    EXPECT_EQ(b.LabTIndOverw[3]->text(), "1") << "place 4 won game 1 at the table, and game 5 by walk-over";
    EXPECT_EQ(b.LabTIndOverw[1]->text(), "1") << "place 2 won game 3";

    core::diensten().wedstrijdblad->UitslagBerekenen(true);
    EXPECT_EQ(testhulp::matchVeld("W01"), "+");
    EXPECT_EQ(testhulp::matchVeld("W03"), "+");
    EXPECT_EQ(testhulp::matchVeld("W05"), "+");
    EXPECT_EQ(testhulp::matchVeld("W02"), "=");
    EXPECT_EQ(b.TxtSet3T[2]->text(), "11") << "set 4 closed up into the empty set 3";
    EXPECT_EQ(b.TxtSet4T[2]->text(), "");
    EXPECT_EQ(testhulp::matchVeld("W03Set3T"), "11");
    EXPECT_EQ(testhulp::matchVeld("W03Set3U"), "5");
    EXPECT_EQ(testhulp::matchVeld("W03Set4T"), " ");
}

TEST_F(Wedstrijdblad, MoreThanThreeWinningSetsAreReportedOncePerRun)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"11-1", "11-2", "11-3", "11-4"}) << sets(2, {"1-11", "2-11", "3-11", "4-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Uitslag Wedstrijd",
                                 "Verbeter de uitslag ! De wedstrijd heeft meer dan drie winnende sets !");
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(algemeen().blnUitslagFout);
    EXPECT_EQ(f.blad.TxtSetsThuis[0]->text(), "4");
    EXPECT_EQ(f.blad.TxtResT->text(), "1");
    EXPECT_EQ(f.blad.TxtResU->text(), "1");
}

TEST_F(Wedstrijdblad, TheNextGameGetsTheFocusOnceAGameIsDecided)
{
    Wedstrijd w = wedstrijd("PAH01002", "G");
    w.extra << sets(3, {"11-1", "11-2", "11-3"}) << sets(4, {"11-5"}) << sets(5, {"3-11"}) << sets(10, {"11-1", "11-1", "11-1"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = starten();
    MDIFrm::standaard().show();
    f.show();
    f.activateWindow();
    QCoreApplication::processEvents();
    auto* blad = static_cast<sheet::Blad*>(core::diensten().wedstrijdblad);
    const core::Wedstrijdblad& b = f.blad;

    EXPECT_TRUE(b.TxtSet1T[0]->hasFocus()) << "the first game still to be entered";
    blad->VolgendeWedstrijd(2);
    EXPECT_TRUE(b.TxtSet1T[5]->hasFocus()) << "rows 3 and 4 have set 1 already";
    b.TxtSet1T[0]->setFocus();
    blad->VolgendeWedstrijd(3);
    EXPECT_TRUE(b.TxtSet1T[0]->hasFocus()) << "a game at 1-0 is not decided";
    blad->VolgendeWedstrijd(9);
    EXPECT_TRUE(b.TxtSet1T[0]->hasFocus()) << "nothing after the last game";
}

// A walk-over game counts as decided for the focus whichever case its mark is written in: the keyboard
// goes on to the first game still to be typed, not into an empty set of a walk-over game.
TEST_F(Wedstrijdblad, AWalkOverGameMarkedWithACapitalIsPassedOverByTheFocus)
{
    Wedstrijd w = wedstrijd("PAH01002", "G");
    w.extra << sets(1, {"W-O", "W-O", "W-O"}) << sets(2, {"w-o", "w-o", "w-o"}) << sets(3, {"11-4"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.TxtSet1T[0]->text(), "W");
    EXPECT_EQ(focus(), b.TxtSet2T[2]) << "game 3 is the one being typed";
    typ("6");
    EXPECT_EQ(b.TxtSet4T[0]->text(), "");
    EXPECT_EQ(b.TxtSet2T[2]->text(), "6");
}

} // namespace
