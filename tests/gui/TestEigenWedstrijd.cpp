// A window that stores into the match on the sheet (the remarks window, the player picker) stores into
// the match it was opened for, whatever the secretary does meanwhile in the other windows that were
// open already: adding a match by hand, the clubs, the web import. So does a box of the sheet that is
// being typed in when one of those windows moves the sheet.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"
#include "masterdata/FrmClubs.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "sheet/FrmVoorbehoud.h"
#include "webimport/FrmImportKorvat.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using core::algemeen;
using Soort = ui::TestMeldingen::Soort;

namespace {

// Two home matches of the own club on 12-09-2010; the add-match window open beside the sheet, filled in
// for a match of play week 2 on 18-09-2010.
class EigenWedstrijd : public testhulp::BladTest
{
protected:
    FrmWedstrijdInput& tonen()
    {
        testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
        testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01111", "B"));
        FrmWedstrijdInput& f = actiefStarten();
        verwerken();
        return f;
    }

    /** Beheer - Wedstrijd Toevoegen, filled in for match number nr of week 2 on 18-09-2010. */
    static FrmWedstrijdToevoegen& toevoegenKlaarzetten(FrmWedstrijdInput& f, int nr)
    {
        f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
        verwerken();
        FrmWedstrijdToevoegen& t = FrmWedstrijdToevoegen::standaard();
        EXPECT_TRUE(t.isVisible());
        t.CboCategorie->setCurrentText("Heren");
        t.TxtReeks->setText("3a");
        t.TxtWeekNr->setText("2");
        t.TxtNummer->setText(QString::number(nr));
        t.TxtDatum->setText("18-09-2010");
        t.TxtUur->setText("20");
        t.CboUitclub->setCurrentIndex(t.CboUitclub->findData("1|002"));
        t.TxtUitploeg->setText("Tweede C");
        return t;
    }

    /** A column of one match as the database holds it; "<geen>" when the match is not there. */
    static QString veld(const QString& nr, const QString& kolom) { return testhulp::matchVeld(nr, kolom); }

    /** The matches whose column holds the text. */
    static QStringList matchenMet(const QString& kolom, const QString& tekst)
    {
        db::Recordset rs = algemeen().dbGegevens.openRecordset(
            QStringLiteral("SELECT WedstrNr FROM Matchen WHERE %1 = ? ORDER BY WedstrNr;").arg(kolom), {tekst});
        QStringList nrs;
        for (; !rs.eof(); rs.moveNext())
            nrs << rs.veld(0).tekst();
        return nrs;
    }

    /** The window's close box, as the window manager sends it. */
    static void sluitknop(QWidget& venster)
    {
        ASSERT_TRUE(venster.windowHandle());
        QCloseEvent sluiten;
        QCoreApplication::sendEvent(venster.windowHandle(), &sluiten);
        verwerken();
    }

    static bool aan(const QWidget& venster) { return !venster.testAttribute(Qt::WA_Disabled); }
};

TEST_F(EigenWedstrijd, ARemarkTypedWhileAMatchIsAddedOnAnotherDateIsStoredInItsOwnMatch)
{
    FrmWedstrijdInput& f = tonen();
    FrmWedstrijdToevoegen& t = toevoegenKlaarzetten(f, 34);
    kiezen(f, "PAH01111");
    ASSERT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");

    QTest::mouseClick(f.blad.CmdVoorbehoudT, Qt::LeftButton);
    verwerken();
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    ASSERT_TRUE(v.isVisible());
    v.TxtCommentaar->setFocus();
    QTest::keyClicks(v.TxtCommentaar, "Tafel 2 te kort");

    // The secretary turns to the add-match window that stood open beside the sheet.
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(aan(t)) << "no other window moves the sheet while the remark is typed";
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");

    QTest::mouseClick(v.CmdSluiten, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(veld("PAH01111", "VoorbehoudT"), "Tafel 2 te kort");
    EXPECT_EQ(matchenMet("VoorbehoudT", "Tafel 2 te kort"), QStringList{"PAH01111"});
    EXPECT_EQ(veld("PAH01001", "VoorbehoudT"), "");

    // Given back with the main window: the match is added now, and the sheet moves to it untouched.
    ASSERT_TRUE(aan(t));
    EXPECT_TRUE(aan(f));
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "18-09-2010");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH02/034");
    EXPECT_NE(veld("PAH02034", "VoorbehoudT"), "Tafel 2 te kort");
    EXPECT_EQ(matchenMet("VoorbehoudT", "Tafel 2 te kort"), QStringList{"PAH01111"});
    t.close();
}

TEST_F(EigenWedstrijd, APlayerChosenWhileAMatchIsAddedOnAnotherDateIsSavedInItsOwnMatch)
{
    FrmWedstrijdInput& f = tonen();
    FrmWedstrijdToevoegen& t = toevoegenKlaarzetten(f, 1);
    ASSERT_EQ(f.blad.TxtMatchNr->text(), "PAH01/001");

    QTest::mouseClick(f.blad.CmdCompNrT[0], Qt::LeftButton);
    verwerken();
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    ASSERT_TRUE(k.isVisible());
    k.TxtCompNr->setText("500001");
    k.SpelerInvullen();
    ASSERT_EQ(k.TxtNaam->text(), "Speler 1");

    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(aan(t));
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/001");

    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(k.isVisible());
    EXPECT_EQ(veld("PAH01001", "THUISSP1"), "500001");
    EXPECT_EQ(matchenMet("THUISSP1", "500001"), QStringList{"PAH01001"});
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "500001");
    EXPECT_EQ(f.blad.LabTNaamSpeler[0]->text(), "Speler 1");

    ASSERT_TRUE(aan(t));
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH02/001");
    EXPECT_NE(veld("PAH02001", "THUISSP1"), "500001");
    EXPECT_EQ(f.blad.CmdCompNrT[0]->text(), "") << "the new match shows its own empty place";
    t.close();
}

// The clubs and the web import refresh the main window's lists when they store or close: while the
// picker has the sheet they wait, switched off, and their close box does not close them; a click on
// one of them leaves the keyboard in the picker.
TEST_F(EigenWedstrijd, TheWindowsThatRefreshTheListsWaitWhileThePickerHasTheSheet)
{
    FrmWedstrijdInput& f = tonen();
    FrmWedstrijdToevoegen& t = toevoegenKlaarzetten(f, 1);
    f.menu("MnuBeheerClubs")->trigger();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Import uit Competitie ZELM (Systeem Korvat)",
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    f.menu("MnuGegevensImportKorvat")->trigger();
    verwerken();
    FrmClubs& c = FrmClubs::standaard();
    FrmImportKorvat& w = FrmImportKorvat::standaard();
    ASSERT_TRUE(c.isVisible());
    ASSERT_TRUE(w.isVisible());
    kiezen(f, "PAH01111");

    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    QTest::mouseClick(f.blad.CmdCompNrU[1], Qt::LeftButton);
    verwerken();
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    ASSERT_TRUE(k.isVisible());
    EXPECT_TRUE(aan(k));
    for (QWidget* venster : std::initializer_list<QWidget*>{&t, &c, &w})
        EXPECT_FALSE(aan(*venster)) << venster->objectName().toStdString();

    // Closing the web import would give the main window back and choose the season again.
    sluitknop(w);
    sluitknop(c);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(c.isVisible());
    EXPECT_FALSE(aan(f)) << "the picker still has the main window";
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");

    t.activateWindow();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &k);

    k.TxtCompNr->setText("500006");
    k.SpelerInvullen();
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(veld("PAH01111", "UITSP2"), "500006");
    EXPECT_EQ(matchenMet("UITSP2", "500006"), QStringList{"PAH01111"});
    EXPECT_TRUE(aan(f));
    for (QWidget* venster : std::initializer_list<QWidget*>{&t, &c, &w})
        EXPECT_TRUE(aan(*venster)) << venster->objectName().toStdString();

    // Given back, each closes as before.
    sluitknop(w);
    sluitknop(c);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(c.isVisible());
    t.close();
}

// A box of the sheet being typed in when another window moves the sheet to another match (a match added
// on another date, the lists refreshed after the own club is stored) is finished first, as leaving it
// would: what it accepts is stored in the match it was typed for; a refusal shows the box's own message,
// the other window's action leaves the sheet where it is, and the focus is back in the box.
TEST_F(EigenWedstrijd, AnEndTimeBeingTypedIsFinishedBeforeAMatchIsAddedOnAnotherDate)
{
    FrmWedstrijdInput& f = tonen();
    FrmWedstrijdToevoegen& t = toevoegenKlaarzetten(f, 34);
    kiezen(f, "PAH01111");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.blad.TxtEinduur->setFocus(Qt::TabFocusReason);
    typ("25");

    // Refused: nothing is added, the sheet stays, the box keeps what was typed, to be corrected.
    QApplication::setActiveWindow(&t);
    verwerken();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd", "Dit is geen geldig uur !");
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(veld("PAH02034", "WedstrNr"), "<geen>") << "no match added";
    EXPECT_EQ(t.TxtNummer->text(), "34");
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "25");
    EXPECT_EQ(veld("PAH01111", "Einduur"), "");
    EXPECT_EQ(QApplication::activeWindow(), &MDIFrm::standaard());
    EXPECT_EQ(focus(), f.blad.TxtEinduur) << "back in the box";

    // Corrected: stored in its own match before the sheet moves to the match added.
    f.blad.TxtEinduur->selectAll();
    typ("22.30");
    QApplication::setActiveWindow(&t);
    verwerken();
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH02/034");
    EXPECT_EQ(veld("PAH01111", "Einduur"), "22.30");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.LstWedstrijden->setFocus(Qt::MouseFocusReason);
    verwerken();
    EXPECT_EQ(veld("PAH01111", "Einduur"), "22.30");
    EXPECT_EQ(veld("PAH02034", "Einduur"), "") << "nothing stored in the match added";
    t.close();
}

TEST_F(EigenWedstrijd, ASetBeingTypedIsFinishedBeforeAMatchIsAddedOnAnotherDate)
{
    FrmWedstrijdInput& f = tonen();
    FrmWedstrijdToevoegen& t = toevoegenKlaarzetten(f, 34);
    kiezen(f, "PAH01111");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.blad.TxtSet1T[0]->setFocus(Qt::TabFocusReason);
    typ("7");
    toets(Qt::Key_Return);
    typ("5");

    QApplication::setActiveWindow(&t);
    verwerken();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Setstand", "Dit is een verkeerde setstand !");
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(veld("PAH02034", "WedstrNr"), "<geen>") << "no match added";
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");
    EXPECT_EQ(focus(), f.blad.TxtSet1T[0]) << "the set's home box, to correct it";

    f.blad.TxtSet1T[0]->selectAll();
    typ("11");
    toets(Qt::Key_Tab);
    ASSERT_EQ(focus(), f.blad.TxtSet1U[0]);
    f.blad.TxtSet1U[0]->selectAll();
    typ("4");
    QApplication::setActiveWindow(&t);
    verwerken();
    QTest::mouseClick(t.CmdToevoegen, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH02/034");
    EXPECT_EQ(veld("PAH01111", "W01Set1T"), "11");
    EXPECT_EQ(veld("PAH01111", "W01Set1U"), "4");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.LstWedstrijden->setFocus(Qt::MouseFocusReason);
    verwerken();
    EXPECT_EQ(veld("PAH01111", "W01Set1U"), "4");
    EXPECT_EQ(veld("PAH02034", "W01Set1U"), "") << "nothing stored in the match added";
    t.close();
}

// The own club stored in the clubs window refreshes the play date and reloads the match on the sheet.
TEST_F(EigenWedstrijd, AnEndTimeBeingTypedIsFinishedBeforeTheClubsWindowRefreshesTheLists)
{
    FrmWedstrijdInput& f = tonen();
    kiezen(f, "PAH01111");
    f.menu("MnuBeheerClubs")->trigger();
    verwerken();
    FrmClubs& c = FrmClubs::standaard();
    ASSERT_EQ(c.LstClubs->currentItem()->text(), "A. 001 - TTC Eerste Antwerpen");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.blad.TxtEinduur->setFocus(Qt::TabFocusReason);
    typ("24");

    // Refused: the club is stored, the lists are left as they are, the box keeps what was typed.
    QApplication::setActiveWindow(&c);
    verwerken();
    c.TxtClubNaam->setText("TTC Eerste Nieuw");
    m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd", "Dit is geen geldig uur !");
    QTest::mouseClick(c.CmdClubOpslaan, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT ClubNaam FROM Clubs WHERE ClubNr = '001'").veld(0).tekst(),
              "TTC Eerste Nieuw");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "24");
    EXPECT_EQ(veld("PAH01111", "Einduur"), "");
    EXPECT_EQ(focus(), f.blad.TxtEinduur);

    // Accepted: stored in its match, then the lists are refreshed and show it again.
    f.blad.TxtEinduur->selectAll();
    typ("22.30");
    QApplication::setActiveWindow(&c);
    verwerken();
    c.TxtClubNaam->setText("TTC Eerste Antwerpen");
    QTest::mouseClick(c.CmdClubOpslaan, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(veld("PAH01111", "Einduur"), "22.30");
    EXPECT_TRUE(f.windowTitle().contains("001 - TTC Eerste Antwerpen")) << f.windowTitle().toStdString();
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "22.30");
    c.close();
}

// The web import chooses the season again when it closes: the end time typed meanwhile goes into its
// own match first and is shown again.
TEST_F(EigenWedstrijd, AnEndTimeBeingTypedIsFinishedBeforeTheClosingWebImportRefreshesTheLists)
{
    FrmWedstrijdInput& f = tonen();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Import uit Competitie ZELM (Systeem Korvat)",
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    f.menu("MnuGegevensImportKorvat")->trigger();
    verwerken();
    FrmImportKorvat& w = FrmImportKorvat::standaard();
    ASSERT_TRUE(w.isVisible());
    kiezen(f, "PAH01111");
    QApplication::setActiveWindow(&MDIFrm::standaard());
    verwerken();
    f.blad.TxtEinduur->setFocus(Qt::TabFocusReason);
    typ("22.30");

    QApplication::setActiveWindow(&w);
    verwerken();
    sluitknop(w);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(veld("PAH01111", "Einduur"), "22.30");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/111");
    EXPECT_EQ(f.blad.TxtEinduur->text(), "22.30");
}

} // namespace
