// A window that stores into the match on the sheet (the remarks window, the player picker) stores into
// the match it was opened for, whatever the secretary does meanwhile in the other windows that were
// open already: adding a match by hand, the clubs, the web import.

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

} // namespace
