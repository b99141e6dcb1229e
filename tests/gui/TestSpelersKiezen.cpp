// The player picker opened from the sheet: choosing, refusing and saving each kind of slot, the
// doubles pair, games not played and absence, and the main window given back.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"
#include "lineup/FrmSterktelijst.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>

using core::algemeen;
using testhulp::Velden;
using Soort = ui::TestMeldingen::Soort;

namespace {

const QString Titel = QStringLiteral("Speler Kiezen");

// PAH01001: the own club's team "Eerste A" (001) at home against "Tweede A" (002), four players.
class SpelersKiezen : public testhulp::BladTest
{
protected:
    FrmWedstrijdInput& starten(const Velden& velden = {}, const QString& soort = "1", const QString& reeks = "A")
    {
        testhulp::Wedstrijd w = wedstrijd("PAH01001", reeks);
        w.soort = soort;
        w.extra = velden;
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = BladTest::starten();
        kiezen(f, "PAH01001");
        return f;
    }

    static FrmSpelersKiezen& kiezer() { return FrmSpelersKiezen::standaard(); }

    // Types a member number into the picker and leaves the box.
    static void typen(const QString& nr)
    {
        kiezer().TxtCompNr->setText(nr);
        kiezer().SpelerInvullen();
    }

    static QString opgeslagen(const QString& kolom)
    {
        return testhulp::matchVeld(algemeen().dbGegevens, "PAH01001", kolom, "<Null>");
    }

    static qint64 alternatieven(const QString& nr)
    {
        db::Recordset rs = algemeen().dbGegevens.openRecordset(
            QStringLiteral("SELECT * FROM Alternatief WHERE Computernummer = ?;"), {nr});
        return rs.recordCount();
    }

    static bool open(const QWidget* w) { return !w->testAttribute(Qt::WA_Disabled); }

    // Four more members of the home club, free to line up: 500011 to 500014, with the index of place 1 to 4,
    // so that each fits the place of his index. Added before the program starts.
    void reservesToevoegen()
    {
        for (int i = 1; i <= 4; ++i) {
            const QString nr = QString::number(500010 + i);
            const QString naam = QStringLiteral("Speler %1").arg(10 + i);
            testhulp::lidToevoegen(m_db, nr, naam, "001", 1);
            testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Heren", 10 + i, nr, naam, QString::number(i), "C2");
        }
    }

    // The free member who fits a place (0 to 3).
    static QString reserve(int plaats) { return QString::number(500011 + plaats); }

    // A match of the division whose home team is called "Eerste A", so that the players of the list fit
    // its places whatever the division.
    FrmWedstrijdInput& startenAlsPloegA(const Velden& velden, const QString& soort, const QString& reeks)
    {
        testhulp::Wedstrijd w = wedstrijd("PAH01001", reeks);
        w.soort = soort;
        w.nmthuis = "Eerste A";
        w.extra = velden;
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = BladTest::starten();
        kiezen(f, "PAH01001");
        return f;
    }

    // Saves a member on a home place through the picker; an empty number empties the place with "Speler Wissen".
    static void opPlaatsZetten(FrmWedstrijdInput& f, int plaats, const QString& nr)
    {
        f.blad.CmdCompNrT[plaats]->click();
        ASSERT_EQ(f.LabX->text(), QStringLiteral("T%1").arg(plaats + 1));
        if (nr.isEmpty())
            QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
        else
            typen(nr);
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_FALSE(kiezer().isVisible());
        ASSERT_EQ(opgeslagen(QStringLiteral("THUISSP%1").arg(plaats + 1)), nr.isEmpty() ? " " : nr);
    }

    // Chooses the home doubles pair of places a and b (0 to 2) in the doubles window.
    static void paarKiezen(FrmWedstrijdInput& f, int a, int b)
    {
        f.blad.CmdCompNrT[4]->click();
        ASSERT_EQ(f.LabX->text(), "TDubb.");
        if (kiezer().blnSuperMatch) {
            QCheckBox* vakken[] = {kiezer().ChkNaam1, kiezer().ChkNaam2, kiezer().ChkNaam3};
            for (int i = 0; i < 3; ++i)
                vakken[i]->setChecked(i == a || i == b);
            kiezer().ChkNaam4->setChecked(false);
        } else {
            kiezer().OptCombinatie[a == 0 ? b - 1 : 2]->click();
        }
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_FALSE(kiezer().isVisible());
    }

    // The home pair of places 1-3 or 2-3 loses a partner to another member or to an emptied place and is
    // emptied with its label; a place outside the pair changes and the pair stays.
    static void paarVolgtDeOpstelling(FrmWedstrijdInput& f)
    {
        const QString leeg = " ";
        const struct
        {
            int a, b;     // the pair's places
            int plaats;   // the place changed
            QString lid;  // its new member, or empty
            QString paar; // the pair stored after the change
        } gevallen[] = {
            {0, 2, 2, reserve(2), leeg},          {0, 2, 2, "", leeg},
            {1, 2, 1, reserve(1), leeg},          {1, 2, 1, "", leeg},
            {1, 2, 0, reserve(0), "500002500003"}, {0, 2, 1, "", "500001500003"},
        };
        for (const auto& g : gevallen) {
            SCOPED_TRACE(QStringLiteral("pair %1-%2, place %3 to '%4'").arg(g.a + 1).arg(g.b + 1).arg(g.plaats + 1).arg(g.lid).toStdString());
            ASSERT_NO_FATAL_FAILURE(paarKiezen(f, g.a, g.b));
            const QString gekozen = QString::number(500001 + g.a) + QString::number(500001 + g.b);
            ASSERT_EQ(opgeslagen("Opmerk1"), gekozen);
            const QString label = f.blad.LabTNaamSpeler[4]->text();
            ASSERT_FALSE(label.isEmpty());

            ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, g.lid));
            EXPECT_EQ(opgeslagen("Opmerk1"), g.paar);
            EXPECT_EQ(f.blad.LabTNaamSpeler[4]->text(), g.paar == leeg ? QString() : label);
            EXPECT_EQ(opgeslagen("Opmerk2"), "500005500006") << "the visitors' pair is not touched";

            ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, QString::number(500001 + g.plaats)));
        }
    }

    // Types into the search box, where the picker has the focus when it opens, and presses Enter.
    static void zoekenEnEnter(const QString& tekst)
    {
        QApplication::setActiveWindow(&kiezer());
        ASSERT_EQ(kiezer().focusWidget(), kiezer().TxtFilter);
        QTest::keyClicks(kiezer().TxtFilter, tekst);
        ASSERT_EQ(kiezer().TxtFilter->text(), tekst);
        QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    }

    // The home line-up 500001..500004 on places 1 to 4, the visitors 500005..500008.
    static Velden opstelling()
    {
        Velden v;
        for (int i = 1; i <= 4; ++i) {
            v << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            v << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
            v << qMakePair(QStringLiteral("AFWTH%1").arg(i), db::Waarde("N"));
            v << qMakePair(QStringLiteral("AFWUIT%1").arg(i), db::Waarde("N"));
        }
        return v;
    }

    // The home captain shown on a place of a team of four: its option marked, every option shown.
    static void thuiskapiteinOpPlaats(const FrmWedstrijdInput& f, int plaats)
    {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(f.blad.OptTKapitein[i]->isChecked(), i == plaats) << i;
            EXPECT_FALSE(f.blad.OptTKapitein[i]->isHidden()) << i;
        }
        EXPECT_TRUE(f.blad.CmdTKapitein->isHidden());
    }

    // The home captain shown as one who does not play: no option shown, the "K" button instead.
    static void thuiskapiteinSpeeltNiet(const FrmWedstrijdInput& f)
    {
        for (QRadioButton* o : f.blad.OptTKapitein) {
            EXPECT_TRUE(o->isHidden());
            EXPECT_FALSE(o->isChecked());
        }
        EXPECT_FALSE(f.blad.CmdTKapitein->isHidden());
    }
};

TEST_F(SpelersKiezen, APlayerFromTheStrengthListIsSavedIntoTheMatchAndOntoTheSheet)
{
    FrmWedstrijdInput& f = starten();
    QTest::mouseClick(f.blad.CmdCompNrT[1], Qt::LeftButton);
    EXPECT_EQ(f.LabX->text(), "T2");
    EXPECT_EQ(f.LabX1->text(), "");
    EXPECT_FALSE(f.isEnabled());
    ASSERT_TRUE(kiezer().isVisible());
    EXPECT_EQ(kiezer().windowTitle(), "Eerste A - Speler 2");
    EXPECT_EQ(kiezer().LstSterktelijst->count(), 4);
    EXPECT_EQ(kiezer().LstSterktelijst->item(1)->text(), "2._2_C2_Speler 2 (500002)");

    typen("500002");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 2");
    EXPECT_EQ(kiezer().TxtIndex->text(), "2");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 1);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);

    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("THUISSP2"), "500002");
    EXPECT_EQ(f.blad.CmdCompNrT[1]->text(), "500002");
    EXPECT_EQ(f.blad.LabTNaamSpeler[1]->text(), "Speler 2");
    EXPECT_EQ(f.blad.LabTVolgnr[1]->text(), "2");
    EXPECT_EQ(f.blad.LabTIndex[1]->text(), "2");
    EXPECT_EQ(f.blad.LabTKlas[1]->text(), "C2");
    EXPECT_EQ(alternatieven("500002"), 0);
}

TEST_F(SpelersKiezen, TabbingIntoItsListsChoosesNoMemberAndNoProvince)
{
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[0]->click();
    QApplication::setActiveWindow(&kiezer());
    ASSERT_EQ(kiezer().LstSterktelijst->currentRow(), -1);

    kiezer().LstSterktelijst->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(kiezer().LstSterktelijst->hasFocus());
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), -1);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "") << "nobody was put into the place";
    // The arrow key inside the list is the user's choice.
    QTest::keyClick(kiezer().LstSterktelijst, Qt::Key_Down);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), "<Null>");

    // An official whose province is not chosen: passing through the province list chooses none.
    f.blad.CmdCompNrHoofdscheidsrechter->click();
    QApplication::setActiveWindow(&kiezer());
    kiezer().LstProv->setCurrentRow(-1);
    kiezer().LstProv->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(kiezer().LstProv->hasFocus());
    kiezer().LstSterktelijst->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(kiezer().LstProv->currentRow(), -1);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("HoofdschProv"), " ");
    EXPECT_EQ(opgeslagen("HoofdschCompnr"), " ");
}

TEST_F(SpelersKiezen, CancelAndTheCloseBoxGiveTheMainWindowBack)
{
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrU[0]->click();
    typen("500005");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("UITSP1"), "<Null>");
    EXPECT_EQ(f.blad.CmdCompNrU[0]->text(), "");

    // The close box saves as "&Opslaan" does.
    f.blad.CmdCompNrU[0]->click();
    EXPECT_FALSE(f.isEnabled());
    typen("500005");
    kiezer().close();
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("UITSP1"), "500005");

    // An emptied box stores one blank and empties the place on the sheet.
    f.blad.CmdCompNrU[0]->click();
    EXPECT_EQ(f.LabX1->text(), "500005");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 5"); // the preset member is looked up when the window shows
    QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
    kiezer().SpelerInvullen();
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("UITSP1"), " ");
    EXPECT_EQ(f.blad.CmdCompNrU[0]->text(), "");
    EXPECT_EQ(f.blad.LabUNaamSpeler[0]->text(), "");
    EXPECT_TRUE(f.isEnabled());
}

TEST_F(SpelersKiezen, AMissingIndexKeepsThePickerOpen)
{
    testhulp::lidToevoegen(m_db, "500099", "Nieuw Lid", "001", 1);
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtJaNee(true);
    typen("500099");
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel, "U dient de index voor deze speler in te vullen !");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_TRUE(kiezer().isVisible());
    EXPECT_FALSE(f.isEnabled());
    EXPECT_EQ(opgeslagen("THUISSP1"), "<Null>");
    kiezer().TxtIndex->setText("1");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500099");
}

// Strict control refuses a player who is not on the list at home; on the visitors' side it asks, and
// the accepted player goes into Alternatief once, however often he is saved.
TEST_F(SpelersKiezen, APlayerNotOnTheStrengthListGoesIntoAlternatiefOnce)
{
    testhulp::optieZetten(m_db, "Streng", "J");
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "002", 1);
    FrmWedstrijdInput& f = starten();

    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler staat niet op de sterktelijst en kan dus niet toegevoegd worden !");
    typen("500077");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), " ");

    // The second opening looks the member on the place up again, without the question, and finds his
    // index in Alternatief.
    for (int keer = 0; keer < 2; ++keer) {
        if (keer == 0)
            m_meldingen->verwachtJaNee(true);
        f.blad.CmdCompNrU[3]->click();
        if (keer == 0) {
            EXPECT_EQ(kiezer().TxtCompNr->text(), "");
            typen("500077");
            EXPECT_EQ(kiezer().TxtIndex->text(), "");
            kiezer().TxtIndex->setText("9");
        } else {
            EXPECT_EQ(kiezer().TxtIndex->text(), "9");
        }
        EXPECT_EQ(kiezer().TxtNaam->text(), "Buiten Lijst");
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        EXPECT_TRUE(f.isEnabled());
    }
    EXPECT_EQ(opgeslagen("UITSP4"), "500077");
    EXPECT_EQ(alternatieven("500077"), 1);
    db::Recordset rs = algemeen().dbGegevens.openRecordset("SELECT * FROM Alternatief;");
    EXPECT_EQ(rs.veld("Clubnummer").tekst(), "002");
    EXPECT_EQ(rs.veld("Ploegnaam").tekst(), "Tweede A");
    EXPECT_EQ(rs.veld("Soort").tekst(), "Heren");
    EXPECT_EQ(rs.veld("Provincie").tekst(), "1");
    EXPECT_EQ(rs.veld("Volgnummer").tekst(), " ");
}

// A player on the list who was looked up first does not keep the flag for the next member typed.
TEST_F(SpelersKiezen, TheStrengthListFlagIsResetForEveryMemberLookedUp)
{
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "001", 1);
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[3]->click();
    typen("500004");
    m_meldingen->verwachtJaNee(true);
    typen("500077");
    kiezer().TxtIndex->setText("4");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP4"), "500077");
    EXPECT_EQ(alternatieven("500077"), 1);
}

TEST_F(SpelersKiezen, ARefusedPlayerLeavesTheBoxEmptyAndEnterSavesThePlaceEmpty)
{
    testhulp::optieZetten(m_db, "Streng", "J");
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}});
    f.blad.CmdCompNrT[2]->click();
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !");
    typen("500001");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP3"), " ");
}

// The member on the team's last place (place 4 of a team of four, place 3 of a team of three) put on
// place 1 as well: a double line-up, refused like any other.
TEST_F(SpelersKiezen, TheMemberOnTheLastPlaceIsRefusedOnPlaceOne)
{
    testhulp::Wedstrijd drie = wedstrijd("PAH01002", "G");
    drie.extra = {{"THUISSP3", "500003"}};
    testhulp::wedstrijdToevoegen(m_db, drie);
    FrmWedstrijdInput& f = starten({{"THUISSP4", "500004"}});
    for (const auto& [wedstrNr, nr] : {std::pair{"PAH01001", "500004"}, std::pair{"PAH01002", "500003"}}) {
        SCOPED_TRACE(wedstrNr);
        kiezen(f, wedstrNr);
        f.blad.CmdCompNrT[0]->click();
        m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                     "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !");
        typen(nr);
        EXPECT_EQ(kiezer().TxtCompNr->text(), "");
        EXPECT_EQ(kiezer().TxtNaam->text(), "");
        QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(testhulp::matchVeld(QString::fromLatin1(wedstrNr), "THUISSP1"), " ");
        EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "");
    }
}

// No member stands twice in one team, typed in the member box and Enter: not one who is off the strength
// list (refused before any question about the list), and not the one on the fourth place of a team of two
// that plays without the doubles.
TEST_F(SpelersKiezen, AMemberOffTheListOrOnTheFourthPlaceOfATeamOfTwoIsRefusedOnAnotherPlace)
{
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "001", 1);
    testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "S", "Super Heren", "Super", 2);
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "N");
    testhulp::Wedstrijd vier = wedstrijd("PAH01002", "A");
    vier.extra = {{"THUISSP1", "500077"}};
    testhulp::wedstrijdToevoegen(m_db, vier);
    FrmWedstrijdInput& f = startenAlsPloegA({{"THUISSP4", "500001"}}, "4", "S");
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_FALSE(f.blad.CmdCompNrT[3]->isHidden());
    ASSERT_EQ(f.blad.CmdCompNrT[3]->text(), "500001");
    const QString tweeKeer = "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !";
    for (const auto& [wedstrNr, plaats, nr] :
         {std::tuple{"PAH01001", 0, "500001"}, std::tuple{"PAH01002", 1, "500077"}}) {
        SCOPED_TRACE(wedstrNr);
        kiezen(f, wedstrNr);
        f.blad.CmdCompNrT[plaats]->click();
        QApplication::setActiveWindow(&kiezer());
        kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(kiezer().TxtCompNr, nr);
        m_meldingen->verwachtMelding(Soort::Kritiek, Titel, tweeKeer);
        QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
        EXPECT_EQ(m_meldingen->getoond().size(), plaats + 1) << "the refusal only";
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(testhulp::matchVeld(QString::fromLatin1(wedstrNr), QStringLiteral("THUISSP%1").arg(plaats + 1)), " ");
        EXPECT_EQ(f.blad.CmdCompNrT[plaats]->text(), "");
    }
}

// A place holds a number with a leading zero; the user types it without the zero. It is the member on
// the place: he is shown, as when the place is opened, and not judged again by the rules; also after
// another member was typed in the box first.
TEST_F(SpelersKiezen, TheNumberOfThePlaceTypedWithoutItsLeadingZeroShowsThePlacesPlayer)
{
    testhulp::lidToevoegen(m_db, "023456", "Nul Vooraan", "001", 1);
    testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Heren", 5, "023456", "Nul Vooraan", "5", "D0");
    // Index 5 on place 1 before the 2 of place 2: the rules would refuse him as a new member.
    FrmWedstrijdInput& f = starten({{"THUISSP1", "023456"}, {"THUISSP2", "500002"}});
    ASSERT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Nul Vooraan");
    const auto typ = [](const QString& nr) {
        QApplication::setActiveWindow(&kiezer());
        kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
        kiezer().TxtCompNr->selectAll();
        QTest::keyClicks(kiezer().TxtCompNr, nr);
    };
    const auto verlaten = [] { kiezer().LstSterktelijst->setFocus(Qt::TabFocusReason); };
    const auto getoond = [] {
        EXPECT_EQ(kiezer().TxtCompNr->text(), "023456");
        EXPECT_EQ(kiezer().TxtNaam->text(), "Nul Vooraan");
        EXPECT_EQ(kiezer().TxtIndex->text(), "5");
        EXPECT_EQ(kiezer().TxtVolgNr->text(), "5");
        EXPECT_EQ(kiezer().TxtKlas->text(), "D0");
    };
    const auto opslaan = [&] {
        QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(opgeslagen("THUISSP1"), "023456");
        EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "023456");
        EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Nul Vooraan");
        EXPECT_EQ(f.blad.LabTIndex[0]->text(), "5");
    };

    // Typed and the box left, then Enter.
    f.blad.CmdCompNrT[0]->click();
    typ("23456");
    verlaten();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    getoond();
    opslaan();

    // Another member typed first, then the place's own number without its zero.
    f.blad.CmdCompNrT[0]->click();
    typ("500001");
    verlaten();
    ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 1");
    typ("23456");
    verlaten();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    getoond();
    opslaan();

    // Typed and Enter at once.
    f.blad.CmdCompNrT[0]->click();
    typ("23456");
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "023456");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Nul Vooraan");
}

// A number typed over the member on a filled place and Enter: the new member is looked up, under the
// rules, before he is saved; his own name, index and class go onto the sheet, never the old player's.
TEST_F(SpelersKiezen, ANumberTypedOverAFilledPlaceIsLookedUpBeforeEnterSavesIt)
{
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}, {"THUISSP2", "500002"}});
    const auto overtypen = [](const QString& nr) {
        ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 1");
        kiezer().TxtCompNr->setFocus();
        kiezer().TxtCompNr->selectAll();
        QTest::keyClicks(kiezer().TxtCompNr, nr);
        QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    };

    f.blad.CmdCompNrT[0]->click();
    // Index 3 on place 1 while place 2 holds index 2.
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler mag in deze ploeg niet op deze plaats opgesteld worden. Eén of meer "
                                 "spelers op een lagere plaats hebben een lagere index !");
    overtypen("500003");
    // Refused: nothing is saved over the member the place had; the window stays for another number.
    EXPECT_TRUE(kiezer().isVisible());
    EXPECT_EQ(kiezer().focusWidget(), kiezer().TxtCompNr);
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 1");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 1");

    f.blad.CmdCompNrT[1]->click();
    kiezer().CmdSpelerWissen->click();
    kiezer().CmdSluiten->click();
    f.blad.CmdCompNrT[0]->click();
    overtypen("500004");
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500004");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 4");
    EXPECT_EQ(f.blad.LabTIndex[0]->text(), "4");
    EXPECT_EQ(f.blad.LabTVolgnr[0]->text(), "4");

    // Saved by the button's access key, which leaves the focus in the box: the same look-up.
    f.blad.CmdCompNrT[0]->click();
    ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 4");
    kiezer().TxtCompNr->setText("500002");
    kiezer().CmdSluiten->click();
    EXPECT_EQ(opgeslagen("THUISSP1"), "500002");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 2");
}

// A Super match enforces no order of index from the top: place 2 took a lower index than place 1. Opened
// again, place 1 shows its player with his details; the rules judge a member being placed, never the one
// who is there, so neither the opening nor passing through the number box takes him off.
TEST_F(SpelersKiezen, ReopeningAPlaceInASuperMatchKeepsItsPlayerWhateverTheIndexesAfterHim)
{
    FrmWedstrijdInput& f = starten({}, "4");
    f.blad.CmdCompNrT[0]->click();
    typen("500003");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    f.blad.CmdCompNrT[1]->click();
    typen("500002");
    ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 2") << "a lower index after place 1 is accepted in a Super match";
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(opgeslagen("THUISSP2"), "500002");

    f.blad.CmdCompNrT[0]->click();
    QApplication::setActiveWindow(&kiezer());
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500003");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 3");
    EXPECT_EQ(kiezer().TxtIndex->text(), "3");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 2);
    kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
    kiezer().ChkWedstrijd[0]->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    QTest::mouseClick(kiezer().ChkWedstrijd[0], Qt::LeftButton);
    EXPECT_EQ(opgeslagen("WOT1"), "1");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500003");

    // A member typed over him is judged: index 4 before the 2 of place 2 is refused.
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler mag in deze ploeg niet op deze plaats opgesteld worden. Eén of meer "
                                 "spelers op een lagere plaats hebben een lagere index !");
    typen("500004");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), "500003");

    kiezen(f, "PAH01001");
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "500003");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 3");
    EXPECT_EQ(f.blad.LabTIndex[0]->text(), "3");
}

// A "Te lage index" question answered Ja when the player was placed is not asked again each time the
// place is opened: the player stays, also when Enter saves at once.
TEST_F(SpelersKiezen, AnAcceptedLowIndexIsNotQuestionedAgainWhenThePlaceIsOpened)
{
    FrmWedstrijdInput& f = starten({}, "1", "G");
    f.blad.CmdCompNrU[0]->click();
    m_meldingen->verwachtJaNee(true);
    typen("500005");
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(opgeslagen("UITSP1"), "500005");

    for (int keer = 0; keer < 2; ++keer) {
        f.blad.CmdCompNrU[0]->click();
        EXPECT_EQ(m_meldingen->getoond().size(), 1);
        EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 5");
        EXPECT_EQ(kiezer().TxtIndex->text(), "5");
        QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(opgeslagen("UITSP1"), "500005");
    }
    kiezen(f, "PAH01001");
    EXPECT_EQ(f.blad.LabUNaamSpeler[0]->text(), "Speler 5");
}

// A number typed over a filled place and refused: the boxes show the place's player again, so that the
// next Enter or "Opslaan" keeps him. Only a number box that the user empties himself empties the place.
TEST_F(SpelersKiezen, ARefusedNumberLeavesThePlacesPlayerInTheBoxes)
{
    const QString teHoog = "Deze speler mag in deze ploeg niet op deze plaats opgesteld worden. Eén of meer "
                           "spelers op een lagere plaats hebben een lagere index !";
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "001", 1);
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}, {"THUISSP2", "500002"}});
    const auto overtypen = [](const QString& nr) {
        QApplication::setActiveWindow(&kiezer());
        kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
        kiezer().TxtCompNr->selectAll();
        QTest::keyClicks(kiezer().TxtCompNr, nr);
    };
    const auto plaatsGetoond = [] {
        EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
        EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 1");
        EXPECT_EQ(kiezer().TxtIndex->text(), "1");
        EXPECT_EQ(kiezer().TxtVolgNr->text(), "1");
        EXPECT_EQ(kiezer().TxtKlas->text(), "C2");
    };

    // Refused as the box is left, then Enter.
    f.blad.CmdCompNrT[0]->click();
    overtypen("500003");
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel, teHoog);
    kiezer().LstSterktelijst->setFocus(Qt::TabFocusReason);
    plaatsGetoond();
    EXPECT_EQ(kiezer().focusWidget(), kiezer().TxtCompNr);
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");

    // Refused by Enter itself, which keeps the window open; Enter again saves the place's player.
    f.blad.CmdCompNrT[0]->click();
    overtypen("500003");
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel, teHoog);
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    ASSERT_TRUE(kiezer().isVisible());
    plaatsGetoond();
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 1");

    // A question answered Nee is a refusal too: "Opslaan" keeps the player.
    f.blad.CmdCompNrT[0]->click();
    overtypen("500077");
    m_meldingen->verwachtJaNee(false);
    kiezer().LstSterktelijst->setFocus(Qt::TabFocusReason);
    plaatsGetoond();
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");

    // The user empties the number box himself: the place is emptied.
    f.blad.CmdCompNrT[0]->click();
    overtypen("");
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Backspace);
    ASSERT_EQ(kiezer().TxtCompNr->text(), "");
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), " ");
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "");
}

// A member of a club with the own club's number in another province is no member of the team's club.
TEST_F(SpelersKiezen, AMemberOfTheSameClubNumberInAnotherProvinceIsAskedAbout)
{
    testhulp::lidToevoegen(m_db, "500088", "Ander Gewest", "001", 2);
    FrmWedstrijdInput& f = starten();
    const QString vraag = "Deze speler is geen lid van TTC Eerste Antwerpen. Wenst u deze toch toe te voegen ?";
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtJaNee(true);  // not on the strength list
    m_meldingen->verwachtJaNee(false); // no member of the club
    typen("500088");
    ASSERT_EQ(m_meldingen->getoond().size(), 2);
    EXPECT_EQ(m_meldingen->getoond().constLast(), (ui::TestMeldingen::Melding{Soort::Vraag, Titel, vraag}));
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), " ");

    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(true);
    typen("500088");
    EXPECT_EQ(m_meldingen->getoond().constLast().tekst, vraag);
    EXPECT_EQ(kiezer().TxtNaam->text(), "Ander Gewest");
    EXPECT_EQ(kiezer().provincieTekst(), "H.");
    kiezer().TxtIndex->setText("1");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), "500088");
    db::Recordset rs =
        algemeen().dbGegevens.openRecordset("SELECT Provincie FROM Alternatief WHERE Computernummer = '500088';");
    EXPECT_EQ(rs.veld(0).tekst(), "2");
}

// The sheet's order-number label shows the player's order number on the strength list, not his index.
TEST_F(SpelersKiezen, TheSheetShowsTheOrderNumberOfThePlayerChosen)
{
    testhulp::lidToevoegen(m_db, "500011", "Speler Elf", "001", 1);
    testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "001", "Heren", 12, "500011", "Speler Elf", "5", "C4");
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[3]->click();
    typen("500011");
    EXPECT_EQ(kiezer().TxtVolgNr->text(), "12");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(f.blad.LabTVolgnr[3]->text(), "12");
    EXPECT_EQ(f.blad.LabTIndex[3]->text(), "5");
    EXPECT_EQ(f.blad.LabTKlas[3]->text(), "C4");
    kiezen(f, "PAH01001");
    EXPECT_EQ(f.blad.LabTVolgnr[3]->text(), "12");
    EXPECT_EQ(f.blad.LabTIndex[3]->text(), "5");
}

// The head referee gets the club of the list or the members' row he is found in, at home and away, by
// the name its teams have in the calendar (Ploegnaam), not by the club's full name.
TEST_F(SpelersKiezen, AnOfficialGetsTheClubHeIsFoundIn)
{
    testhulp::clubToevoegen(m_db, 1, "003", "TTC Derde Deurne", "Derde");
    testhulp::lidToevoegen(m_db, "500009", "Scheids Karel", "003", 1);
    testhulp::Wedstrijd uit = wedstrijd("PAH01005", "A");
    uit.lkThuis = "002";
    uit.nmthuis = "Tweede A";
    uit.lkUit = "001";
    uit.nmuit = "Eerste A";
    testhulp::wedstrijdToevoegen(m_db, uit);
    testhulp::lokaalToevoegen(m_db, 9, "Zaal Twee", "Markt 2", "2100", "Deurne", 2, 1, 1);
    FrmWedstrijdInput& f = starten();
    const auto kies = [&](const QString& wedstrijd, const QString& nr) {
        kiezen(f, wedstrijd);
        f.blad.CmdCompNrHoofdscheidsrechter->click();
        typen(nr);
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        return QStringList{testhulp::matchVeld(wedstrijd, "HoofdschClubNr"),
                           testhulp::matchVeld(wedstrijd, "HoofdschClubNaam")};
    };

    // Away: chosen from the home team's list, he is of the home club, not of the own (visiting) club.
    EXPECT_EQ(kies("PAH01005", "500005"), (QStringList{"002", "Tweede"}));
    EXPECT_EQ(kies("PAH01005", "500009"), (QStringList{"003", "Derde"}));
    // Opened again, the boxes show the club he was stored with.
    f.blad.CmdCompNrHoofdscheidsrechter->click();
    EXPECT_EQ(kiezer().TxtClubNr->text(), "003");
    EXPECT_EQ(kiezer().TxtClubnaam->text(), "Derde");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    // At home: the own club's list gives the own club.
    EXPECT_EQ(kies("PAH01001", "500002"), (QStringList{"001", "Eerste"}));
    EXPECT_EQ(kies("PAH01001", "500009"), (QStringList{"003", "Derde"}));
}

// An official typed by hand (a number in neither the members nor Alternatief, with his name, province and
// club typed in the boxes) keeps all of it when the picker is opened again: saved again by "Opslaan", by
// Enter, after passing through the number box, or cancelled. A box stored empty still gets what the
// look-up finds.
TEST_F(SpelersKiezen, AnOfficialTypedByHandKeepsWhatWasStoredWhenThePickerIsOpenedAgain)
{
    FrmWedstrijdInput& f = starten({{"ZaalcommCompnr", "500006"}});
    const auto hoofdscheidsrechter = [] {
        return QStringList{opgeslagen("HoofdschCompnr"), opgeslagen("HoofdSchNaam"), opgeslagen("HoofdschProv"),
                           opgeslagen("HoofdschClubNr"), opgeslagen("HoofdschClubNaam")};
    };
    const QStringList getypt{"912345", "Jan Vreemd", "H.", "077", "TTC Elders"};

    f.blad.CmdCompNrHoofdscheidsrechter->click();
    typen("912345");
    ASSERT_EQ(kiezer().TxtNaam->text(), "");
    kiezer().TxtNaam->setText("Jan Vreemd");
    kiezer().provincieZetten("H.");
    kiezer().TxtClubNr->setText("077");
    kiezer().TxtClubnaam->setText("TTC Elders");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(hoofdscheidsrechter(), getypt);

    for (int keer = 0; keer < 4; ++keer) {
        f.blad.CmdCompNrHoofdscheidsrechter->click();
        EXPECT_EQ(kiezer().TxtCompNr->text(), "912345");
        EXPECT_EQ(kiezer().TxtNaam->text(), "Jan Vreemd");
        EXPECT_EQ(kiezer().provincieTekst(), "H.");
        EXPECT_EQ(kiezer().TxtClubNr->text(), "077");
        EXPECT_EQ(kiezer().TxtClubnaam->text(), "TTC Elders");
        if (keer == 0) {
            QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        } else if (keer == 1) {
            QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
        } else if (keer == 2) {
            QApplication::setActiveWindow(&kiezer());
            kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
            kiezer().TxtFilter->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(kiezer().TxtNaam->text(), "Jan Vreemd");
            EXPECT_EQ(kiezer().TxtClubnaam->text(), "TTC Elders");
            QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        } else {
            QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
        }
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(hoofdscheidsrechter(), getypt) << "keer " << keer;
    }
    EXPECT_EQ(f.blad.CmdCompNrHoofdscheidsrechter->text(), "912345");

    // The hall commissioner alike; only his number was stored, so his name is the member's.
    f.blad.CmdCompNrZaalcommissaris->click();
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 6");
    typen("912346");
    kiezer().TxtNaam->setText("Piet Zaal");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    f.blad.CmdCompNrZaalcommissaris->click();
    EXPECT_EQ(kiezer().TxtNaam->text(), "Piet Zaal");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("ZaalcommCompnr"), "912346");
    EXPECT_EQ(opgeslagen("ZaalCommNaam"), "Piet Zaal");
    EXPECT_EQ(opgeslagen("ZaalCommProv"), "A.");
}

// "Speler Wissen" takes an official off, also one stored with a name but no number: the name does not come
// back when the number box is left, and "Opslaan" stores him empty. An official without a number is stored
// without name, province and club, whatever the province list shows, so that no sheet prints a province
// for nobody.
TEST_F(SpelersKiezen, SpelerWissenTakesAnOfficialWithoutANumberOff)
{
    FrmWedstrijdInput& f = starten({{"HoofdSchNaam", "Jan Zonder Nummer"}, {"HoofdschProv", "A."}});
    const auto leeg = [](const QStringList& kolommen) {
        for (const QString& k : kolommen) {
            const QString w = opgeslagen(k);
            EXPECT_TRUE(w == "<Null>" || w.trimmed().isEmpty()) << k.toStdString() << ": " << w.toStdString();
        }
    };
    const QStringList hs{"HoofdschCompnr", "HoofdSchNaam", "HoofdschProv", "HoofdschClubNr", "HoofdschClubNaam"};
    const QStringList zc{"ZaalcommCompnr", "ZaalCommNaam", "ZaalCommProv"};
    f.blad.CmdCompNrHoofdscheidsrechter->click();
    ASSERT_EQ(kiezer().TxtNaam->text(), "Jan Zonder Nummer");
    QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
    kiezer().TxtNaam->clear();
    QApplication::setActiveWindow(&kiezer());
    kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
    kiezer().TxtFilter->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(kiezer().TxtNaam->text(), "");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    leeg(hs);

    // Chosen with his number and taken off again, each official, closed by "Opslaan" or the close box.
    for (int keer = 0; keer < 4; ++keer) {
        const bool hoofd = keer % 2 == 0;
        QPushButton* knop = hoofd ? f.blad.CmdCompNrHoofdscheidsrechter : f.blad.CmdCompNrZaalcommissaris;
        knop->click();
        typen("500005");
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_EQ(opgeslagen(hoofd ? "HoofdschProv" : "ZaalCommProv"), "A.");
        knop->click();
        ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 5");
        QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
        if (keer < 2)
            QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        else
            kiezer().close();
        EXPECT_FALSE(kiezer().isVisible());
        leeg(hoofd ? hs : zc);
        EXPECT_EQ(knop->text(), "0000");
    }

    // Name, province and club typed by hand without a number: nothing of him is stored.
    f.blad.CmdCompNrHoofdscheidsrechter->click();
    kiezer().TxtNaam->setText("Jan Vreemd");
    kiezer().provincieZetten("H.");
    kiezer().TxtClubNr->setText("077");
    kiezer().TxtClubnaam->setText("TTC Elders");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    leeg(hs);
}

// A member the user accepted after a question is not asked about again in the same opening: not when the
// number box is passed through again, nor when his number is typed over itself, nor when the missing-index
// message of Enter moves the focus out of the box. Another number is judged as before.
TEST_F(SpelersKiezen, AMemberAcceptedInThisOpeningIsNotQuestionedAgain)
{
    const QString teLaag = "Deze speler mag niet op deze plaats opgesteld worden ! Te lage index ! Wenst u deze toch "
                           "op deze plaats op te stellen ?";
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "002", 1);
    FrmWedstrijdInput& f = starten({}, "1", "G");
    const auto doorHetVak = [](const QString& nr) {
        QApplication::setActiveWindow(&kiezer());
        kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
        if (!nr.isNull()) {
            kiezer().TxtCompNr->selectAll();
            QTest::keyClicks(kiezer().TxtCompNr, nr);
        }
        kiezer().TxtFilter->setFocus(Qt::TabFocusReason);
    };

    f.blad.CmdCompNrU[0]->click();
    m_meldingen->verwachtJaNee(true);
    doorHetVak("500005");
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond().constLast().tekst, teLaag);
    doorHetVak(QString());
    doorHetVak("500005");
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 5");
    EXPECT_EQ(kiezer().TxtIndex->text(), "5");
    // Another number is asked about; refused, the boxes show the (empty) place again.
    m_meldingen->verwachtJaNee(false);
    doorHetVak("500006");
    ASSERT_EQ(m_meldingen->getoond().size(), 2);
    EXPECT_EQ(m_meldingen->getoond().constLast().tekst, teLaag);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    m_meldingen->verwachtJaNee(true);
    doorHetVak("500006");
    ASSERT_EQ(m_meldingen->getoond().size(), 3);
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("UITSP1"), "500006");

    // Not on the strength list, accepted: Enter asks for his index, which leaves the number box.
    f.blad.CmdCompNrU[1]->click();
    m_meldingen->verwachtJaNee(true);
    doorHetVak("500077");
    ASSERT_EQ(m_meldingen->getoond().size(), 4);
    kiezer().TxtCompNr->setFocus(Qt::TabFocusReason);
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel, "U dient de index voor deze speler in te vullen !");
    QTest::keyClick(kiezer().TxtCompNr, Qt::Key_Return);
    ASSERT_TRUE(kiezer().isVisible());
    EXPECT_EQ(m_meldingen->getoond().size(), 5);
    EXPECT_EQ(kiezer().focusWidget(), kiezer().TxtIndex);
    EXPECT_EQ(kiezer().TxtNaam->text(), "Buiten Lijst");
    QTest::keyClicks(kiezer().TxtIndex, "9");
    QTest::keyClick(kiezer().TxtIndex, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(m_meldingen->getoond().size(), 5);
    EXPECT_EQ(opgeslagen("UITSP2"), "500077");
    EXPECT_EQ(f.blad.LabUIndex[1]->text(), "9");
}

// The member typed is selected in the list before the rules look at him, so a refused member's
// entry stays selected, and a member who is not on the list leaves no entry selected.
TEST_F(SpelersKiezen, ARefusedMemberIsSelectedInTheListAsTheRulesFoundHim)
{
    testhulp::optieZetten(m_db, "Streng", "J");
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "001", 1);
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}});
    f.blad.CmdCompNrT[2]->click();
    typen("500003");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 2);
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !");
    typen("500001");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 0);
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler staat niet op de sterktelijst en kan dus niet toegevoegd worden !");
    typen("500077");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), -1);
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
}

TEST_F(SpelersKiezen, TheSearchSelectsTheFirstMatchingEntryAndTakesItsMember)
{
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[0]->click();
    QTest::keyClicks(kiezer().TxtFilter, "spe");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 0);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 1");
    QTest::mouseClick(kiezer().CmdZoekenVolgende, Qt::LeftButton);
    // Speler 2 on place 1 of team A: index 2 is fine there
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500002");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
}

// "Speler Zoeken", where the picker opens, asks for a name or a member number. A whole member number that is
// on no entry of the list is that member, looked up as the member box does (off the list, the question or,
// under strict control at home, the refusal), never the member an earlier, shorter text found; Enter then
// saves him, or, refused, the member the place had.
TEST_F(SpelersKiezen, AWholeMemberNumberTypedInTheSearchBoxIsThatMember)
{
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "001", 1);
    testhulp::lidToevoegen(m_db, "500066", "Ook Buiten Lijst", "001", 1);
    FrmWedstrijdInput& f = starten();
    const QString vraag = "Deze speler staat niet op de sterktelijst. Wenst u deze toch toe te voegen ?";

    // Answered Nee: the empty place stays empty; 500001, whom "500" found, is not saved.
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtJaNee(false);
    zoekenEnEnter("500077");
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond().constLast(), (ui::TestMeldingen::Melding{Soort::Vraag, Titel, vraag}));
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), " ");

    // Answered Ja: he is taken, and the save asks for his index.
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel, "U dient de index voor deze speler in te vullen !");
    zoekenEnEnter("500077");
    ASSERT_TRUE(kiezer().isVisible());
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500077");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Buiten Lijst");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), -1);
    ASSERT_EQ(kiezer().focusWidget(), kiezer().TxtIndex);
    QTest::keyClicks(kiezer().TxtIndex, "1");
    QTest::keyClick(kiezer().TxtIndex, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500077");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Buiten Lijst");

    // Strict control at home refuses another one: the place keeps 500077.
    testhulp::optieZetten(algemeen().dbGegevens, "Streng", "J");
    f.blad.CmdCompNrT[0]->click();
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler staat niet op de sterktelijst en kan dus niet toegevoegd worden !");
    zoekenEnEnter("500066");
    EXPECT_EQ(m_meldingen->getoond().size(), 4);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500077");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Buiten Lijst");

    // What worked keeps working: a listed member found by his number or by three letters of his name.
    f.blad.CmdCompNrT[1]->click();
    zoekenEnEnter("500002");
    EXPECT_EQ(opgeslagen("THUISSP2"), "500002");
    f.blad.CmdCompNrT[2]->click();
    zoekenEnEnter("r 3");
    EXPECT_EQ(opgeslagen("THUISSP3"), "500003");
    EXPECT_EQ(f.blad.LabTNaamSpeler[2]->text(), "Speler 3");
    EXPECT_EQ(m_meldingen->getoond().size(), 4);
}

// A whole member number with nines in it is as much a member number; looked up once: "Volgende Zoeken" after
// it asks nothing again.
TEST_F(SpelersKiezen, AWholeMemberNumberWithNinesTypedInTheSearchBoxIsThatMemberAskedOnce)
{
    testhulp::lidToevoegen(m_db, "500099", "Buiten Lijst", "001", 1);
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[0]->click();
    QApplication::setActiveWindow(&kiezer());
    QTest::keyClicks(kiezer().TxtFilter, "500099");
    m_meldingen->verwachtJaNee(true);
    QTest::mouseClick(kiezer().CmdZoekenEerste, Qt::LeftButton);
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond().constLast(),
              (ui::TestMeldingen::Melding{Soort::Vraag, Titel,
                                          "Deze speler staat niet op de sterktelijst. Wenst u deze toch toe te voegen ?"}));
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500099");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Buiten Lijst");

    QTest::mouseClick(kiezer().CmdZoekenVolgende, Qt::LeftButton);
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500099");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Buiten Lijst");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP1"), "<Null>");
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "");
}

// The captains' and the officials' pickers list the side's men: a member number typed in the search box that
// is on none of their entries is the member stored, not the one an earlier, shorter text found.
TEST_F(SpelersKiezen, AWholeMemberNumberTypedInTheSearchBoxIsTheCaptainOrTheOfficial)
{
    FrmWedstrijdInput& f = starten(opstelling());
    f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
    ASSERT_EQ(f.LabX->text(), "Kap-T");
    zoekenEnEnter("500006");
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("KapiteinT"), "500006");
    thuiskapiteinSpeeltNiet(f);

    f.blad.CmdCompNrHoofdscheidsrechter->click();
    zoekenEnEnter("500007");
    EXPECT_EQ(opgeslagen("HoofdschCompnr"), "500007");
    EXPECT_EQ(opgeslagen("HoofdSchNaam"), "Speler 7");
    EXPECT_EQ(f.blad.CmdCompNrHoofdscheidsrechter->text(), "500007");

    f.blad.CmdCompNrZaalcommissaris->click();
    zoekenEnEnter("500008");
    EXPECT_EQ(opgeslagen("ZaalcommCompnr"), "500008");
    EXPECT_EQ(opgeslagen("ZaalCommNaam"), "Speler 8");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// A search text that matches no entry takes back the member an earlier, shorter text found: Enter saves the
// member the place had, or leaves an empty place empty.
TEST_F(SpelersKiezen, ASearchTextOnNoEntryLetsEnterSaveNobodyAnEarlierTextFound)
{
    m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Klassering = 'B6' WHERE Computernummer = '500002'"));
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}, {"THUISSP4", "500002"}});
    f.blad.CmdCompNrT[0]->click();
    zoekenEnEnter("Speler 2x");
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 1");
    EXPECT_EQ(f.blad.LabTIndex[0]->text(), "1");
    EXPECT_EQ(f.blad.LabTKlas[0]->text(), "C2") << "not the ranking of Speler 2";

    f.blad.CmdCompNrT[1]->click();
    zoekenEnEnter("Speler 3x");
    EXPECT_EQ(opgeslagen("THUISSP2"), " ");
    EXPECT_EQ(f.blad.CmdCompNrT[1]->text(), "");

    // An empty place keeps the province chosen in the list, not the team's, which the look-up of no member
    // would show.
    f.blad.CmdCompNrU[0]->click();
    kiezer().provincieZetten("H.");
    QApplication::setActiveWindow(&kiezer());
    QTest::keyClicks(kiezer().TxtFilter, "Speler 6");
    ASSERT_EQ(kiezer().TxtNaam->text(), "Speler 6");
    QTest::keyClicks(kiezer().TxtFilter, "x");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    EXPECT_EQ(kiezer().provincieTekst(), "H.");
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_EQ(opgeslagen("UITSP1"), " ");

    // A captain alike.
    f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
    zoekenEnEnter("Speler 4x");
    EXPECT_EQ(opgeslagen("KapiteinT"), " ");

    // The search box emptied, letter by letter or at once, takes back what its text found and the rules would
    // refuse on place 1 when judged: Speler 2, who stands on place 4, and Speler 3, whom the part "0003" of a
    // member number found, with a higher index than place 4.
    for (const QString tekst : {"Speler 2", "0003"}) {
        for (const bool ineens : {false, true}) {
            f.blad.CmdCompNrT[0]->click();
            QApplication::setActiveWindow(&kiezer());
            QTest::keyClicks(kiezer().TxtFilter, tekst);
            ASSERT_NE(kiezer().TxtCompNr->text(), "500001");
            if (ineens) {
                kiezer().TxtFilter->selectAll();
                QTest::keyClick(kiezer().TxtFilter, Qt::Key_Delete);
            } else {
                for (qsizetype i = 0; i < tekst.size(); ++i)
                    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Backspace);
            }
            ASSERT_EQ(kiezer().TxtFilter->text(), "");
            EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
            EXPECT_EQ(kiezer().TxtKlas->text(), "C2");
            QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
            EXPECT_FALSE(kiezer().isVisible());
            EXPECT_EQ(opgeslagen("THUISSP1"), "500001");
            EXPECT_EQ(f.blad.LabTKlas[0]->text(), "C2");
        }
    }
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// A member number mistyped in the search box, one digit too many or a letter after it, is on no entry and is no
// member number: Enter saves nobody, not the member that the number typed so far found or looked up.
TEST_F(SpelersKiezen, AMemberNumberMistypedInTheSearchBoxLetsEnterSaveNobody)
{
    FrmWedstrijdInput& f = starten();
    f.blad.CmdCompNrT[0]->click();
    zoekenEnEnter("5000011");
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), " ");
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "");

    // "50000" finds Speler 1, "500009" is on no entry, "500009x" is no number; nor is "50000q", a letter
    // where the last digit should be.
    for (const QString tekst : {"500009x", "50000q"}) {
        f.blad.CmdCompNrT[1]->click();
        zoekenEnEnter(tekst);
        EXPECT_FALSE(kiezer().isVisible()) << tekst.toStdString();
        EXPECT_EQ(opgeslagen("THUISSP2"), " ");
        EXPECT_EQ(f.blad.CmdCompNrT[1]->text(), "");
    }
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// "Volgende Zoeken" once more after the last entry of the text keeps that entry's member; and what a search
// found in an earlier opening of the picker is nothing to take back in the next: a text on no entry leaves
// the member of that place.
TEST_F(SpelersKiezen, TheSearchKeepsTheMemberShownPastTheLastEntryAndInTheNextOpening)
{
    FrmWedstrijdInput& f = starten({{"THUISSP2", "500002"}});
    f.blad.CmdCompNrT[0]->click();
    QApplication::setActiveWindow(&kiezer());
    QTest::keyClicks(kiezer().TxtFilter, "Speler 1");
    ASSERT_EQ(kiezer().TxtCompNr->text(), "500001");
    const int rij = kiezer().LstSterktelijst->currentRow();
    QTest::mouseClick(kiezer().CmdZoekenVolgende, Qt::LeftButton);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 1");
    EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), rij);
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP1"), "500001");

    // On place 2 the search found its own member, Speler 2, and the picker was cancelled.
    f.blad.CmdCompNrT[1]->click();
    QApplication::setActiveWindow(&kiezer());
    QTest::keyClicks(kiezer().TxtFilter, "Speler 2");
    ASSERT_EQ(kiezer().TxtCompNr->text(), "500002");
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("THUISSP2"), "500002");

    f.blad.CmdCompNrT[1]->click();
    ASSERT_EQ(kiezer().TxtCompNr->text(), "500002");
    zoekenEnEnter("xyz");
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP2"), "500002");
    EXPECT_EQ(f.blad.LabTNaamSpeler[1]->text(), "Speler 2");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// The search fills a player from the third letter on; when the rules would refuse or question its hit,
// the box waits until the user has stopped typing (Enter, leaving the search box), so every letter
// typed on reaches the search and no box takes one unseen.
TEST_F(SpelersKiezen, ASearchHitThatTheRulesWouldBoxWaitsForTheTypingToStop)
{
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}});
    f.blad.CmdCompNrT[1]->click();
    QApplication::setActiveWindow(&kiezer());
    kiezer().TxtFilter->setFocus();
    // "Spe" finds Speler 1, who already stands on place 1; "Speler 3" is accepted without a box.
    QTest::keyClicks(kiezer().TxtFilter, "Speler 3");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(kiezer().TxtFilter->text(), "Speler 3");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500003");
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 3");

    kiezer().TxtFilter->clear();
    QTest::keyClicks(kiezer().TxtFilter, "Speler 1");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(kiezer().TxtFilter->text(), "Speler 1");
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500001");
    EXPECT_EQ(kiezer().TxtNaam->text(), "") << "nothing of Speler 3 is left with the number of Speler 1";
    m_meldingen->verwachtMelding(Soort::Kritiek, Titel,
                                 "Deze speler mag geen tweede keer in dezelfde ploeg opgesteld worden !");
    QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("THUISSP2"), " ");
}

// The visitors of a division G have no index high enough: every hit is a question, asked once, for the
// last hit, when the user stops typing or leaves the search box.
TEST_F(SpelersKiezen, ASearchHitsQuestionIsAskedWhenTheTypingStopsOrTheSearchBoxIsLeft)
{
    const QString vraag = "Deze speler mag niet op deze plaats opgesteld worden ! Te lage index ! Wenst u deze toch "
                          "op deze plaats op te stellen ?";
    FrmWedstrijdInput& f = starten({}, "1", "G");
    f.blad.CmdCompNrU[0]->click();
    ASSERT_EQ(kiezer().windowTitle(), "Tweede G - Speler 1");
    QApplication::setActiveWindow(&kiezer());
    kiezer().TxtFilter->setFocus();

    // Refused when the typing has stopped: the search box keeps the focus for the next try.
    m_meldingen->verwachtJaNee(false);
    QTest::keyClicks(kiezer().TxtFilter, "Speler 5");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    QTRY_COMPARE(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond().constFirst().tekst, vraag);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "");
    EXPECT_EQ(kiezer().focusWidget(), kiezer().TxtFilter);

    kiezer().TxtFilter->clear();
    QTest::keyClicks(kiezer().TxtFilter, "Speler 6");
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(kiezer().TxtCompNr->text(), "500006");
    m_meldingen->verwachtJaNee(true);
    kiezer().LstProv->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(m_meldingen->getoond().size(), 2);
    EXPECT_EQ(m_meldingen->getoond().constLast().tekst, vraag);
    EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 6");
    EXPECT_EQ(kiezer().TxtFilter->text(), "Speler 6");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("UITSP1"), "500006");

    // A member number typed from a card with pauses: "500" to "50000" find Speler 5, who is asked about only
    // when the search box is left before the number is whole; the whole number's member, also Speler 5 himself,
    // is asked about when the typing stops, and saved or refused.
    const auto langzaam = [](const QString& cijfers) {
        for (QChar c : cijfers) {
            QTest::keyClick(kiezer().TxtFilter, c.toLatin1());
            QTest::qWait(500);
        }
    };
    for (int keer = 0; keer < 3; ++keer) {
        SCOPED_TRACE(keer);
        const qsizetype gezien = m_meldingen->getoond().size();
        f.blad.CmdCompNrU[1]->click();
        QApplication::setActiveWindow(&kiezer());
        ASSERT_EQ(kiezer().focusWidget(), kiezer().TxtFilter);
        langzaam("50000");
        EXPECT_EQ(m_meldingen->getoond().size(), gezien);
        EXPECT_EQ(kiezer().TxtFilter->text(), "50000");
        EXPECT_EQ(kiezer().LstSterktelijst->currentRow(), 0);
        m_meldingen->verwachtJaNee(keer == 0);
        if (keer == 1) {
            kiezer().LstProv->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(m_meldingen->getoond().size(), gezien + 1);
        } else {
            langzaam(keer == 0 ? "7" : "5");
            QTRY_COMPARE(m_meldingen->getoond().size(), gezien + 1);
            EXPECT_EQ(kiezer().TxtFilter->text(), keer == 0 ? "500007" : "500005");
        }
        EXPECT_EQ(m_meldingen->getoond().constLast().tekst, vraag);
        EXPECT_EQ(kiezer().TxtNaam->text(), "Speler 7") << "taken, or the place's member after Nee";
        QTest::keyClick(kiezer().TxtFilter, Qt::Key_Return);
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(opgeslagen("UITSP2"), "500007");
    }

    // A few letters are no member number: the hit of "Spel" is asked about when the typing stops.
    const qsizetype gezien = m_meldingen->getoond().size();
    f.blad.CmdCompNrU[2]->click();
    QApplication::setActiveWindow(&kiezer());
    m_meldingen->verwachtJaNee(false);
    QTest::keyClicks(kiezer().TxtFilter, "Spel");
    QTRY_COMPARE(m_meldingen->getoond().size(), gezien + 1);
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
}

TEST_F(SpelersKiezen, CaptainsAndOfficialsAreStoredAndShown)
{
    FrmWedstrijdInput& f = starten(opstelling());
    f.blad.CmdTKapitein->click();
    EXPECT_EQ(f.LabX->text(), "Kap-T");
    EXPECT_EQ(kiezer().windowTitle(), "Kapitein");
    typen("500003");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("KapiteinT"), "500003");
    EXPECT_TRUE(f.blad.OptTKapitein[2]->isChecked());
    EXPECT_FALSE(f.blad.OptTKapitein[0]->isChecked());
    EXPECT_FALSE(f.blad.OptTKapitein[2]->isHidden());
    EXPECT_TRUE(f.blad.CmdTKapitein->isHidden());

    // A captain who does not play: the options hidden, the "K" button shown; the menu reaches the picker.
    f.menu("MnuWedstrijdKapiteinBezoekers")->trigger();
    EXPECT_EQ(f.LabX->text(), "Kap-U");
    typen("500001");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("KapiteinU"), "500001");
    for (QRadioButton* o : f.blad.OptUKapitein) {
        EXPECT_TRUE(o->isHidden());
        EXPECT_FALSE(o->isChecked());
    }
    EXPECT_FALSE(f.blad.CmdUKapitein->isHidden());

    // A captain option of a filled place stores that player at once.
    QTest::mouseClick(f.blad.OptTKapitein[1], Qt::LeftButton);
    EXPECT_EQ(opgeslagen("KapiteinT"), "500002");
    EXPECT_TRUE(f.blad.OptTKapitein[1]->isChecked());
    EXPECT_FALSE(f.blad.OptTKapitein[2]->isChecked());

    // The head referee from the menu; an emptied hall commissioner shows "0000" and stores a blank.
    f.menu("MnuWedstrijdHoofdscheidsrechter")->trigger();
    EXPECT_EQ(f.LabX->text(), "HS");
    typen("500004");
    EXPECT_EQ(kiezer().TxtClubNr->text(), "001");
    EXPECT_EQ(kiezer().TxtClubnaam->text(), "Eerste");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("HoofdschCompnr"), "500004");
    EXPECT_EQ(opgeslagen("HoofdSchNaam"), "Speler 4");
    EXPECT_EQ(opgeslagen("HoofdschProv"), "A.");
    EXPECT_EQ(f.blad.CmdCompNrHoofdscheidsrechter->text(), "500004");

    f.blad.CmdCompNrZaalcommissaris->click();
    EXPECT_EQ(kiezer().windowTitle(), "Zaalcommissaris");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(f.blad.CmdCompNrZaalcommissaris->text(), "0000");
    EXPECT_EQ(opgeslagen("ZaalcommCompnr"), " ");
    EXPECT_TRUE(f.isEnabled());
}

// A captain chosen in the picker who plays is marked on his place at once, on place 1 as on place 4,
// also right after a captain who did not play had the options hidden and the "K" button shown.
TEST_F(SpelersKiezen, ACaptainChosenWhoPlaysIsMarkedOnHisPlaceAtOnce)
{
    Velden v = opstelling();
    v << qMakePair(QStringLiteral("KapiteinT"), db::Waarde("500010"));
    FrmWedstrijdInput& f = starten(v);
    const auto kies = [&](const QString& nr) {
        f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
        ASSERT_EQ(f.LabX->text(), "Kap-T");
        typen(nr);
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_FALSE(kiezer().isVisible());
        EXPECT_EQ(opgeslagen("KapiteinT"), nr);
    };
    const auto opPlaats = [&](int plaats) { thuiskapiteinOpPlaats(f, plaats); };
    const auto speeltNiet = [&] { thuiskapiteinSpeeltNiet(f); };
    ASSERT_NO_FATAL_FAILURE(speeltNiet());

    for (const int plaats : {0, 3}) {
        SCOPED_TRACE(plaats);
        kies(QString::number(500001 + plaats));
        opPlaats(plaats);
        // A captain who does not play, then the one on the place again.
        kies("500005");
        speeltNiet();
        kies(QString::number(500001 + plaats));
        opPlaats(plaats);
    }
    // Place 4 after place 1, without a captain who does not play between them.
    kies("500001");
    kies("500004");
    opPlaats(3);

    // A captain who does not play taken off with "Speler Wissen": no captain, so every place's option is
    // offered again and the "K" button goes, as loading the match shows it.
    kies("500005");
    speeltNiet();
    f.blad.CmdTKapitein->click();
    ASSERT_EQ(f.LabX->text(), "Kap-T");
    QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("KapiteinT"), " ");
    opPlaats(-1);
    QTest::mouseClick(f.blad.OptTKapitein[2], Qt::LeftButton);
    EXPECT_EQ(opgeslagen("KapiteinT"), "500003");
    opPlaats(2);
}

// The captain taken off in the picker ("Speler Wissen"): no place keeps his mark, whether he played
// on place 2 or did not play, and the sheet shows what loading the match shows without a captain.
TEST_F(SpelersKiezen, ACaptainEmptiedInThePickerLeavesNoPlaceMarked)
{
    Velden v = opstelling();
    v << qMakePair(QStringLiteral("KapiteinU"), db::Waarde("500006"));
    FrmWedstrijdInput& f = starten(v);
    const auto wissen = [&] {
        f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
        ASSERT_EQ(f.LabX->text(), "Kap-T");
        QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_FALSE(kiezer().isVisible());
        ASSERT_EQ(opgeslagen("KapiteinT"), " ");
    };
    const auto zonderKapitein = [&] {
        for (QRadioButton* o : f.blad.OptTKapitein) {
            EXPECT_FALSE(o->isChecked());
            EXPECT_FALSE(o->isHidden());
        }
        EXPECT_TRUE(f.blad.CmdTKapitein->isHidden());
    };

    QTest::mouseClick(f.blad.OptTKapitein[1], Qt::LeftButton);
    ASSERT_EQ(opgeslagen("KapiteinT"), "500002");
    ASSERT_NO_FATAL_FAILURE(wissen());
    zonderKapitein();
    EXPECT_TRUE(f.blad.OptUKapitein[1]->isChecked()) << "the visitors' captain stays";

    // A captain who does not play, taken off.
    f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
    typen("500005");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_FALSE(f.blad.CmdTKapitein->isHidden());
    ASSERT_NO_FATAL_FAILURE(wissen());
    zonderKapitein();

    kiezen(f, "PAH01001");
    zonderKapitein();
}

// A captain marked on his place who loses it to another member, or whose place is emptied, is shown as a
// captain who does not play, as loading the match shows him; put on a place again he is marked there at
// once. The stored captain stays, and a captain whose place is not touched stays marked.
TEST_F(SpelersKiezen, TheCaptainFollowsHisPlaceWhenItGetsAnotherMemberOrIsEmptied)
{
    reservesToevoegen();
    Velden v = opstelling();
    v << qMakePair(QStringLiteral("KapiteinU"), db::Waarde("500006"));
    FrmWedstrijdInput& f = starten(v);
    const auto opPlaats = [&](int plaats) { thuiskapiteinOpPlaats(f, plaats); };
    const auto speeltNiet = [&] { thuiskapiteinSpeeltNiet(f); };

    const struct
    {
        int plaats;
        QString kapitein, ander;
    } gevallen[] = {{0, "500001", reserve(0)}, {3, "500004", reserve(3)}};
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.plaats);
        QTest::mouseClick(f.blad.OptTKapitein[g.plaats], Qt::LeftButton);
        ASSERT_EQ(opgeslagen("KapiteinT"), g.kapitein);
        opPlaats(g.plaats);

        ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, g.ander));
        EXPECT_EQ(opgeslagen("KapiteinT"), g.kapitein);
        speeltNiet();
        ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, g.kapitein));
        opPlaats(g.plaats);

        ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, ""));
        EXPECT_EQ(opgeslagen("KapiteinT"), g.kapitein);
        speeltNiet();
        ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, g.plaats, g.kapitein));
        opPlaats(g.plaats);
    }

    // Another place changes: the captain on place 2 stays marked, and so does the visitors' captain.
    QTest::mouseClick(f.blad.OptTKapitein[1], Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 3, reserve(3)));
    opPlaats(1);
    EXPECT_TRUE(f.blad.OptUKapitein[1]->isChecked());
    EXPECT_TRUE(f.blad.CmdUKapitein->isHidden());

    // Loading the match again shows what the sheet showed.
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 1, ""));
    speeltNiet();
    kiezen(f, "PAH01001");
    speeltNiet();
}

// In a team of three the fourth place is not in use: no captain option appears for it, whether the
// captain is chosen in the picker or shown again after a place is saved.
TEST_F(SpelersKiezen, ATeamOfThreeShowsNoFourthCaptainOption)
{
    reservesToevoegen();
    Velden v = opstelling();
    v.removeIf([](const auto& veld) { return veld.first == u"THUISSP4" || veld.first == u"UITSP4"; });
    FrmWedstrijdInput& f = startenAlsPloegA(v, "1", "G");
    ASSERT_TRUE(f.blad.OptTKapitein[3]->isHidden());
    const auto drieOpties = [&](int plaats) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.blad.OptTKapitein[i]->isChecked(), i == plaats) << i;
            EXPECT_FALSE(f.blad.OptTKapitein[i]->isHidden()) << i;
        }
        EXPECT_TRUE(f.blad.OptTKapitein[3]->isHidden());
        EXPECT_FALSE(f.blad.OptTKapitein[3]->isChecked());
        EXPECT_TRUE(f.blad.CmdTKapitein->isHidden());
    };
    const auto kapiteinKiezen = [&](const QString& nr) {
        f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
        typen(nr);
        QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
        ASSERT_EQ(opgeslagen("KapiteinT"), nr);
    };
    ASSERT_NO_FATAL_FAILURE(kapiteinKiezen("500002"));
    drieOpties(1);
    // After a captain who does not play.
    ASSERT_NO_FATAL_FAILURE(kapiteinKiezen("500004"));
    EXPECT_FALSE(f.blad.CmdTKapitein->isHidden());
    ASSERT_NO_FATAL_FAILURE(kapiteinKiezen("500003"));
    drieOpties(2);
    // A place saved: the captain shown again from what is stored.
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 0, reserve(0)));
    drieOpties(2);
    // Without a captain none of the three is marked and the fourth stays hidden.
    f.menu("MnuWedstrijdKapiteinThuisploeg")->trigger();
    QTest::mouseClick(kiezer().CmdSpelerWissen, Qt::LeftButton);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(opgeslagen("KapiteinT"), " ");
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 0, "500001"));
    drieOpties(-1);
}

// A team of three: the pair of the doubles row follows the places it names.
TEST_F(SpelersKiezen, TheDoublesPairOfATeamOfThreeIsEmptiedWhenAPartnerLeavesTheLineUp)
{
    reservesToevoegen();
    Velden v = opstelling();
    v.removeIf([](const auto& veld) { return veld.first == u"THUISSP4" || veld.first == u"UITSP4"; });
    v << qMakePair(QStringLiteral("Opmerk2"), db::Waarde("500005500006"));
    FrmWedstrijdInput& f = startenAlsPloegA(v, "1", "G");
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 9);
    paarVolgtDeOpstelling(f);
}

// A Super match of teams of two that plays its doubles: the same, with the pair ticked in the check boxes.
// A pair with a player from the strength list stays when a place outside it changes.
TEST_F(SpelersKiezen, TheSuperDoublesPairIsEmptiedWhenAPartnerLeavesTheLineUp)
{
    reservesToevoegen();
    testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "S", "Super Heren", "Super", 2);
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "J");
    Velden v = opstelling();
    v.removeIf([](const auto& veld) { return veld.first == u"THUISSP4" || veld.first == u"UITSP4"; });
    v << qMakePair(QStringLiteral("Opmerk2"), db::Waarde("500005500006"));
    FrmWedstrijdInput& f = startenAlsPloegA(v, "4", "S");
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_FALSE(f.blad.LabTNrSpeler[4]->isHidden());
    paarVolgtDeOpstelling(f);

    f.blad.CmdCompNrT[4]->click();
    ASSERT_TRUE(kiezer().blnSuperMatch);
    kiezer().ChkNaam1->setChecked(true);
    kiezer().ChkNaam2->setChecked(false);
    kiezer().ChkNaam3->setChecked(false);
    kiezer().CboSterktelijst->setCurrentIndex(kiezer().CboSterktelijst->findData(qint64(500004)));
    kiezer().ChkNaam4->setChecked(true);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(opgeslagen("Opmerk1"), "500001500004");
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 2, reserve(2)));
    EXPECT_EQ(opgeslagen("Opmerk1"), "500001500004");
    ASSERT_NO_FATAL_FAILURE(opPlaatsZetten(f, 0, reserve(0)));
    EXPECT_EQ(opgeslagen("Opmerk1"), " ");
    EXPECT_EQ(f.blad.LabTNaamSpeler[4]->text(), "");
}

// The doubles chooser shows what a pair needs and nothing of a single place: Tab never reaches the games not
// played, the absence, the province list or "Speler Wissen", and Enter stores the pair and nothing else.
TEST_F(SpelersKiezen, TheDoublesChooserShowsOnlyWhatAPairNeeds)
{
    const Velden v = opstelling();
    testhulp::Wedstrijd super = wedstrijd("PAH01002", "G");
    super.soort = "4";
    super.extra = v;
    testhulp::wedstrijdToevoegen(m_db, super);
    FrmWedstrijdInput& f = starten(v, "1", "G");
    for (const auto& [wedstrNr, paar] :
         {std::pair{"PAH01001", "500001500002"}, std::pair{"PAH01002", "500001500003"}}) {
        SCOPED_TRACE(wedstrNr);
        kiezen(f, wedstrNr);
        f.blad.CmdCompNrT[4]->click();
        ASSERT_EQ(f.LabX->text(), "TDubb.");
        ASSERT_TRUE(kiezer().isVisible());
        QApplication::setActiveWindow(&kiezer());
        QList<QWidget*> enkel{kiezer().FraWO, kiezer().ChkWO, kiezer().LstProv, kiezer().CmdSpelerWissen};
        for (QCheckBox* c : kiezer().ChkWedstrijd)
            enkel << c;
        for (QWidget* w : enkel)
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_FALSE(kiezer().FraDubbel->isHidden());

        kiezer().CmdSluiten->setFocus(Qt::TabFocusReason);
        QList<QWidget*> bereikt;
        for (int i = 0; i < 30; ++i) {
            toets(Qt::Key_Tab);
            bereikt << focus();
        }
        for (QWidget* w : enkel)
            EXPECT_FALSE(bereikt.contains(w)) << w->objectName().toStdString();
        EXPECT_TRUE(bereikt.contains(kiezer().CmdAnnuleren));
        if (kiezer().blnSuperMatch) {
            EXPECT_TRUE(bereikt.contains(kiezer().ChkNaam1));
            kiezer().ChkNaam1->click();
            kiezer().ChkNaam3->click();
        } else {
            EXPECT_TRUE(bereikt.contains(kiezer().OptCombinatie[0]));
        }
        toets(Qt::Key_Return);
        EXPECT_FALSE(kiezer().isVisible());
        EXPECT_EQ(testhulp::matchVeld(QString::fromLatin1(wedstrNr), "Opmerk1"), QString::fromLatin1(paar));
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(testhulp::matchVeld(QString::fromLatin1(wedstrNr), QStringLiteral("AFWTH%1").arg(p)), "N");
            EXPECT_EQ(testhulp::matchVeld(QString::fromLatin1(wedstrNr), QStringLiteral("WOT%1").arg(p)), "");
        }
    }
    // A line-up place opened next has them all again.
    f.blad.CmdCompNrT[0]->click();
    for (QWidget* w : QList<QWidget*>{kiezer().FraWO, kiezer().ChkWO, kiezer().LstProv, kiezer().CmdSpelerWissen,
                                      kiezer().ChkWedstrijd[0], kiezer().ChkWedstrijd[1], kiezer().ChkWedstrijd[2]})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

TEST_F(SpelersKiezen, TheOrdinaryDoublesPairIsOneOfThreeCombinations)
{
    for (const char* nr : {"500005", "500007"}) {
        const QList<db::Waarde> p{db::Waarde("Claes Marc"), db::Waarde(nr)};
        m_db.uitvoeren(QStringLiteral("UPDATE Leden SET Naam = ? WHERE CompNr = ?"), p);
        m_db.uitvoeren(QStringLiteral("UPDATE Sterktelijst SET Naam = ? WHERE Computernummer = ?"), p);
    }
    Velden v = opstelling();
    v << qMakePair(QStringLiteral("Opmerk1"), db::Waarde("500001500003"));
    FrmWedstrijdInput& f = starten(v, "1", "G");
    ASSERT_FALSE(f.blad.LabTNrSpeler[4]->isHidden());
    f.blad.CmdCompNrT[4]->click();
    EXPECT_EQ(f.LabX->text(), "TDubb.");
    EXPECT_EQ(kiezer().windowTitle(), "Eerste G - Dubbelteam");
    EXPECT_TRUE(kiezer().OptCombinatie[1]->isChecked());
    EXPECT_EQ(kiezer().OptCombinatie[2]->text(), "Speler 2 - Speler 3");
    kiezer().OptCombinatie[2]->click();
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("Opmerk1"), "500002500003");
    EXPECT_EQ(f.blad.LabTNaamSpeler[4]->text(), "Speler 2 - Speler 3");
    EXPECT_TRUE(f.isEnabled());

    // Places 1 and 3 of the visitors hold two members of one name: the entries tell them apart by their places,
    // and the pair goes onto the sheet by its names.
    ASSERT_EQ(f.blad.LabUNaamSpeler[2]->text(), "Claes Marc");
    f.blad.CmdCompNrU[4]->click();
    EXPECT_EQ(kiezer().OptCombinatie[0]->text(), "1 + 2  Claes Marc - Speler 6");
    EXPECT_EQ(kiezer().OptCombinatie[1]->text(), "1 + 3  Claes Marc - Claes Marc");
    kiezer().OptCombinatie[1]->click();
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("Opmerk2"), "500005500007");
    EXPECT_EQ(f.blad.LabUNaamSpeler[4]->text(), "Claes Marc - Claes Marc");
}

TEST_F(SpelersKiezen, TheDoublesChooserWantsTheThreePlayersFirst)
{
    FrmWedstrijdInput& f = starten({{"THUISSP1", "500001"}}, "1", "G");
    m_meldingen->verwachtMelding(Soort::Kritiek, "Keuze Dubbelteam", "U dient eerst de drie spelers te kiezen !");
    f.blad.CmdCompNrT[4]->click();
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("Opmerk1"), "<Null>");
    // Behind the message the window showed no pairs of names that are not there.
    for (const QRadioButton* o : kiezer().OptCombinatie)
        EXPECT_TRUE(o->isHidden());
    for (const QWidget* w : QList<QWidget*>{kiezer().ChkNaam1, kiezer().ChkNaam2, kiezer().ChkNaam3, kiezer().ChkNaam4,
                                            kiezer().CboSterktelijst})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
}

// The Super doubles window with place 3 empty: its one message, then it closes and nothing is written.
TEST_F(SpelersKiezen, TheSuperDoublesChooserWithAPlaceEmptyClosesAfterItsOneMessage)
{
    Velden v = opstelling();
    v.removeIf([](const auto& veld) { return veld.first == u"UITSP3"; });
    FrmWedstrijdInput& f = starten(v, "4", "G");
    ASSERT_EQ(f.blad.CmdCompNrU[2]->text(), "");
    m_meldingen->verwachtMelding(Soort::Kritiek, "Keuze Dubbelteam", "U dient eerst de drie spelers te kiezen !");
    f.blad.CmdCompNrU[4]->click();
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(opgeslagen("Opmerk2"), "<Null>");
    // The next slot opens as usual.
    f.menu("MnuWedstrijdKapiteinBezoekers")->trigger();
    EXPECT_TRUE(kiezer().isVisible());
    EXPECT_EQ(kiezer().windowTitle(), "Kapitein");
    EXPECT_FALSE(kiezer().FraSpeler->isHidden());
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
}

// In a Super match two players are ticked, one of them possibly from the strength list.
TEST_F(SpelersKiezen, TheSuperDoublesPairCountsTheTickedPlayers)
{
    Velden v = opstelling();
    v << qMakePair(QStringLiteral("Opmerk2"), db::Waarde("500005500008"));
    FrmWedstrijdInput& f = starten(v, "4", "G");
    f.blad.CmdCompNrU[4]->click();
    ASSERT_EQ(f.LabX->text(), "UDubb.");
    EXPECT_TRUE(kiezer().blnSuperMatch);
    EXPECT_TRUE(kiezer().ChkNaam1->isChecked());
    EXPECT_EQ(kiezer().ChkNaam1->text(), "Speler 5");
    EXPECT_EQ(kiezer().CboSterktelijst->currentText(), "8._8_C2_Speler 8 (500008)");
    EXPECT_FALSE(kiezer().ChkNaam4->isChecked());

    kiezer().ChkNaam4->setChecked(false);
    m_meldingen->verwachtMelding(Soort::Kritiek, "Dubbelteam",
                                 "U heeft slechts 1 dubbelspeler geselecteerd. Selecteer twee spelers.");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_TRUE(kiezer().isVisible());

    kiezer().CboSterktelijst->setCurrentIndex(0); // Speler 5 again
    m_meldingen->verwachtMelding(
        Soort::Kritiek, "Dubbelteam",
        "U heeft twee maal dezelfde speler geselecteerd. Selecteer twee verschillende spelers.");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_TRUE(kiezer().isVisible());

    kiezer().ChkNaam2->setChecked(true);
    m_meldingen->verwachtMelding(Soort::Kritiek, "Dubbelteam",
                                 "U heeft te veel dubbelspelers geselecteerd. Selecteer slechts twee spelers.");
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);

    kiezer().ChkNaam4->setChecked(false);
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(opgeslagen("Opmerk2"), "500005500006");
    EXPECT_EQ(f.blad.LabUNaamSpeler[4]->text(), "Speler 5 - Speler 6");
    EXPECT_TRUE(f.isEnabled());
}

TEST_F(SpelersKiezen, TheStrengthListWindowGivesTheMainWindowBack)
{
    FrmWedstrijdInput& f = starten();
    f.menu("MnuAfdrSterktelijst")->trigger();
    EXPECT_FALSE(f.isEnabled());
    FrmSterktelijst& s = FrmSterktelijst::standaard();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.windowTitle(), "Sterktelijst Samenstellen");
    EXPECT_EQ(s.CmdWissen->text(), "  &Sterktelijst Volledig &Leegmaken");
    s.close();
    EXPECT_TRUE(f.isEnabled());
}

} // namespace
