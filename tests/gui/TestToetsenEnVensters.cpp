// The keyboard and the child windows as a secretary meets them: menu shortcuts from a text box, the
// focus after a child window closes, Page Up/Down from any control, and where and how large the
// child windows open.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"
#include "masterdata/FrmClubs.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "masterdata/Opties.h"
#include "webimport/FrmImportKorvat.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Menus.h"
#include "ui/QtMeldingen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWindow>

using core::algemeen;
using testhulp::matchVeld;
using Soort = ui::TestMeldingen::Soort;

namespace {

class ToetsenEnVensters : public testhulp::BladTest
{
protected:
    /** Four matches of a team of four on one date, the program shown and active as the user has it. */
    FrmWedstrijdInput& tonen()
    {
        for (const char* nr : { "PAH01001", "PAH01002", "PAH01003", "PAH01004" })
            testhulp::wedstrijdToevoegen(m_db, wedstrijd(QString::fromLatin1(nr), "A"));
        return actiefStarten();
    }

    /** The remarks window opened by its shortcut from where the focus is, and closed with Escape. */
    static bool opmerkingOpenenEnSluiten()
    {
        QTest::keyClick(focus(), Qt::Key_T, Qt::ControlModifier);
        FrmVoorbehoud& v = FrmVoorbehoud::standaard();
        verwerken();
        if (!v.isVisible())
            return false;
        toets(Qt::Key_Escape);
        verwerken();
        return !v.isVisible();
    }

    /** A key as the keyboard layout delivers it, with the character it makes (AltGr, accented letters). */
    static void tekenToets(Qt::Key k, const QString& teken, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::Click, focus(), k, teken, m);
    }
};

TEST_F(ToetsenEnVensters, MenuShortcutsFireFromASetBoxAndOtherEditingKeysStayWithTheBox)
{
    FrmWedstrijdInput& f = tonen();
    ASSERT_EQ(focus(), f.blad.TxtSet1T[0]);

    toets(Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(FrmVoorbehoud::bestaat());
    EXPECT_TRUE(FrmVoorbehoud::standaard().isVisible()) << "Ctrl+U opens the visitors' remark";
    EXPECT_EQ(FrmVoorbehoud::standaard().windowTitle(), "Voorbehoud Bezoekers");
    FrmVoorbehoud::standaard().CmdAnnuleren->click();
    verwerken();

    f.blad.TxtSet1T[0]->setFocus();
    toets(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(FrmSpelersKiezen::bestaat());
    EXPECT_TRUE(FrmSpelersKiezen::standaard().isVisible()) << "Ctrl+Z opens the hall commissioner's picker";
    EXPECT_EQ(f.LabX->text(), "ZC");
    FrmSpelersKiezen::standaard().CmdAnnuleren->click();
    verwerken();

    f.blad.TxtSet1T[0]->setFocus();
    toets(Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(FrmClubs::bestaat());
    EXPECT_TRUE(FrmClubs::standaard().isVisible()) << "Ctrl+C opens the clubs";
    FrmClubs::standaard().close();
    verwerken();

    // Select-all is no menu's key: it stays the box's own.
    QLineEdit* vak = f.blad.TxtSet1T[0];
    vak->setFocus();
    typ("7");
    ASSERT_FALSE(vak->hasSelectedText());
    toets(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(vak->selectedText(), "7");
}

TEST_F(ToetsenEnVensters, AfterTheRemarksWindowClosesTypingGoesOnInTheFirstEmptyGame)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    for (const char* set : { "11", "5", "11", "5", "11", "5" }) {
        typ(QString::fromLatin1(set));
        toets(Qt::Key_Return);
    }
    ASSERT_EQ(matchVeld("W01Set3U"), "5");
    ASSERT_EQ(focus(), b.TxtSet1T[1]);

    for (int keer = 0; keer < 3; ++keer) {
        b.CmdVoorbehoudT->click();
        FrmVoorbehoud& v = FrmVoorbehoud::standaard();
        verwerken();
        ASSERT_TRUE(v.isVisible());
        EXPECT_EQ(focus(), v.TxtCommentaar) << "opening " << keer;
        typ("Net");
        if (keer == 0)
            QTest::keyClick(v.CmdSluiten, Qt::Key_Space);
        else if (keer == 1)
            QTest::mouseClick(v.CmdAnnuleren, Qt::LeftButton);
        else
            toets(Qt::Key_Escape);
        verwerken();
        EXPECT_FALSE(v.isVisible()) << "closing " << keer;
        EXPECT_EQ(QApplication::activeWindow(), &MDIFrm::standaard());
        EXPECT_EQ(focus(), b.TxtSet1T[1]) << "closing " << keer;
    }
    EXPECT_EQ(matchVeld("VoorbehoudT"), "Net");

    typ("8");
    EXPECT_EQ(b.TxtSet1T[1]->text(), "8");
}

TEST_F(ToetsenEnVensters, AfterThePickerSavesTypingGoesOnInTheFirstEmptyGame)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet1T[0]);
    QTest::mouseClick(b.CmdCompNrT[0], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    ASSERT_TRUE(k.isVisible());
    k.TxtCompNr->setText("500001");
    k.SpelerInvullen();
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(k.isVisible());
    EXPECT_EQ(matchVeld("THUISSP1"), "500001");
    EXPECT_EQ(QApplication::activeWindow(), &MDIFrm::standaard());
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    typ("9");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "9");
}

// Game 1 at 2-0 after two sets: the picker closing, or the match shown again, leaves the keyboard in
// the game being typed (its third set), not in the first game whose first set is empty.
TEST_F(ToetsenEnVensters, AfterThePickerOrShowingTheMatchAgainTypingGoesOnInTheGameBeingTyped)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    for (const char* set : { "11", "5", "11", "6" }) {
        typ(QString::fromLatin1(set));
        toets(Qt::Key_Return);
    }
    ASSERT_EQ(matchVeld("W01Set2U"), "6");
    ASSERT_EQ(focus(), b.TxtSet3T[0]);

    QTest::mouseClick(b.CmdCompNrU[0], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    ASSERT_TRUE(k.isVisible());
    k.TxtCompNr->setText("500005");
    k.SpelerInvullen();
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    verwerken();
    EXPECT_EQ(matchVeld("UITSP1"), "500005");
    EXPECT_EQ(focus(), b.TxtSet3T[0]) << "game 1 is not decided yet";

    for (const char* set : { "11", "7" }) {
        typ(QString::fromLatin1(set));
        toets(Qt::Key_Return);
    }
    EXPECT_EQ(matchVeld("W01Set3T"), "11");
    EXPECT_EQ(matchVeld("W01Set3U"), "7");
    EXPECT_EQ(matchVeld("W02Set1T"), "");
    EXPECT_EQ(focus(), b.TxtSet1T[1]) << "3-0: on to game 2";

    // Game 2 at 0-1, the match left and shown again: its second set.
    for (const char* set : { "9", "11" }) {
        typ(QString::fromLatin1(set));
        toets(Qt::Key_Return);
    }
    toets(Qt::Key_PageDown);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01002");
    EXPECT_EQ(focus(), b.TxtSet1T[0]) << "an empty match: its first game";
    toets(Qt::Key_PageUp);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01001");
    EXPECT_EQ(focus(), b.TxtSet2T[1]);
    typ("11");
    EXPECT_EQ(b.TxtSet2T[1]->text(), "11");
}

// Every game decided but the last, which stands at 1-1 after two sets: whichever child window closes,
// the typing goes on in the last game's first empty set.
TEST_F(ToetsenEnVensters, WithOnlyTheLastGameOpenTypingGoesOnInItsFirstEmptySetAfterAChildWindow)
{
    testhulp::Wedstrijd w = volledigeWedstrijd("PAH01001", "A");
    w.extra.removeIf([](const auto& v) { return v.first.startsWith("W16"); });
    w.extra << testhulp::sets(16, {"11-9", "9-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 15);
    EXPECT_EQ(focus(), b.TxtSet3T[15]) << "on showing the match";

    QTest::mouseClick(b.CmdCompNrU[2], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    ASSERT_TRUE(k.isVisible());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    verwerken();
    EXPECT_FALSE(k.isVisible());
    EXPECT_EQ(focus(), b.TxtSet3T[15]) << "after the picker";

    QTest::mouseClick(b.CmdVoorbehoudT, Qt::LeftButton);
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    verwerken();
    ASSERT_TRUE(v.isVisible());
    toets(Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(focus(), b.TxtSet3T[15]) << "after the remarks";

    typ("11");
    toets(Qt::Key_Return);
    typ("4");
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W16Set3T"), "11");
    EXPECT_EQ(matchVeld("W16Set3U"), "4");
    EXPECT_EQ(focus(), b.TxtSet4T[15]);
}

TEST_F(ToetsenEnVensters, PageDownAndPageUpWalkTheMatchesFromAnyControl)
{
    FrmWedstrijdInput& f = tonen();
    ASSERT_EQ(f.LstWedstrijden->count(), 4);
    ASSERT_EQ(f.LstWedstrijden->currentRow(), 0);
    ASSERT_EQ(focus(), f.blad.TxtSet1T[0]);

    for (int rij = 1; rij <= 3; ++rij) {
        toets(Qt::Key_PageDown);
        EXPECT_EQ(f.LstWedstrijden->currentRow(), rij);
    }
    toets(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 3) << "past the last match nothing happens";
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH01004");

    f.LstWedstrijden->setFocus();
    toets(Qt::Key_PageUp);
    toets(Qt::Key_PageUp);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1) << "one match a key, not a page";
    f.ChkUitwedstrijden->setFocus();
    toets(Qt::Key_PageUp);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH01001");
}

// The home club plays in "Zaal Net" (first in its list) and "Sporthal De Bal".
TEST_F(ToetsenEnVensters, PageDownAndPageUpChangeNothingButTheMatch)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH02001", "A", "19-09-2010"));
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(f.LstSpeelweek->count(), 2);
    for (int rij = 0; rij < 2 && f.LstWedstrijden->count() != 4; ++rij)
        f.lijstKiezen(f.LstSpeelweek, rij);
    ASSERT_EQ(f.LstWedstrijden->count(), 4);
    ASSERT_EQ(f.LstWedstrijden->currentRow(), 0);
    ASSERT_EQ(b.LstNaamLokaal->count(), 2);
    ASSERT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");

    // From the venue list: the match moves, its venue stays as stored, in both matches.
    b.LstNaamLokaal->setFocus();
    toets(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1);
    EXPECT_EQ(matchVeld("PAH01001", "Zaal"), "") << "nothing stored in the match left";
    EXPECT_EQ(matchVeld("PAH01002", "Zaal"), "");
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");

    b.LstNaamLokaal->setCurrentIndex(1); // the user chooses the second venue for PAH01002
    ASSERT_EQ(matchVeld("PAH01002", "Zaal"), "7");
    b.LstNaamLokaal->setFocus();
    toets(Qt::Key_PageUp);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
    EXPECT_EQ(matchVeld("PAH01002", "Zaal"), "7") << "the choice stays";
    EXPECT_EQ(matchVeld("PAH01001", "Zaal"), "");
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");

    // From the play-date and season lists: the date and the season stay.
    const int week = f.LstSpeelweek->currentRow();
    const int seizoen = f.LstSeizoen->currentRow();
    f.LstSpeelweek->setFocus();
    toets(Qt::Key_PageDown);
    EXPECT_EQ(f.LstSpeelweek->currentRow(), week);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1);
    f.LstSeizoen->setFocus();
    toets(Qt::Key_PageUp);
    EXPECT_EQ(f.LstSeizoen->currentRow(), seizoen);
    EXPECT_EQ(f.LstSpeelweek->currentRow(), week);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
}

// The visitors forfeited PAH01002, as ticking their box stores it: every set box of that match is
// locked. Walking into it from a set box leaves the keyboard on no control where an arrow key chooses
// anything (the venue list would choose another venue for the match, and its paper would print it),
// and the next Page Down still goes on into the next match's first game.
TEST_F(ToetsenEnVensters, AForfeitShownFromASetBoxLeavesTheArrowKeysNothingToChoose)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::Wedstrijd forfait = wedstrijd("PAH01002", "A");
    forfait.extra << qMakePair(QString("forfaituit"), db::Waarde("J"));
    for (int p = 1; p <= 4; ++p)
        forfait.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde("J"));
    for (int g = 1; g <= 16; ++g) {
        forfait.extra << qMakePair(QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')), db::Waarde("*"))
                      << testhulp::sets(g, {"w-o", "w-o", "w-o"});
    }
    testhulp::wedstrijdToevoegen(m_db, forfait);
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01003", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.LstNaamLokaal->count(), 2);
    ASSERT_EQ(focus(), b.TxtSet1T[0]);

    toets(Qt::Key_PageDown);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01002");
    ASSERT_TRUE(b.ChkForfaitUit->isChecked());
    ASSERT_TRUE(b.TxtSet1T[0]->testAttribute(Qt::WA_Disabled));
    ASSERT_TRUE(focus());
    EXPECT_NE(focus(), b.LstNaamLokaal);
    for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left})
        toets(k);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH01002") << "the match stays";
    EXPECT_EQ(matchVeld("PAH01002", "Zaal"), "") << "no venue chosen";
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");
    EXPECT_EQ(matchVeld("PAH01002", "forfaituit"), "J");

    // Also after a child window gives the sheet back.
    ASSERT_TRUE(opmerkingOpenenEnSluiten());
    ASSERT_TRUE(focus());
    EXPECT_NE(focus(), b.LstNaamLokaal);
    toets(Qt::Key_Down);
    EXPECT_EQ(matchVeld("PAH01002", "Zaal"), "");
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");

    toets(Qt::Key_PageDown);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01003");
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    toets(Qt::Key_PageUp);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01002");
    toets(Qt::Key_Down);
    EXPECT_EQ(matchVeld("PAH01002", "Zaal"), "");
    EXPECT_EQ(b.LstNaamLokaal->currentText(), "Zaal Net");
}

// A match with no game left to type (every game decided, walk-overs included), of each team size, shown
// from a set box of the match being typed: the keys typed on at speed, also overlapping, change nothing
// of it, by Page Down, after a child window and after the window comes back. A click into one of its
// boxes still lets the user correct it; a match with a game open takes the typing in that game.
TEST_F(ToetsenEnVensters, AMatchWithNoGameLeftToTypeTakesNoStrayKeys)
{
    testhulp::reeksToevoegen(m_db, "2010-2011", "S", "H", "1", "Super Heren", "Super", 2);
    testhulp::reeksToevoegen(m_db, "2010-2011", "S", "D", "1", "Super Dames", "Super", 3);
    testhulp::optieZetten(m_db, "SuperDubbelSpelen", "N");
    // The matches in the list's order (by home team, the ladies after the men): each open one followed
    // by one decided to the last game, all home wins 3-0 but the walk-overs given.
    int volgnummer = 0;
    const auto toevoegen = [&](testhulp::Wedstrijd w, int spellen = 0, const QList<int>& walkOvers = {},
                               const char* woMarkering = "=") {
        w.nmthuis = QStringLiteral("Ploeg %1").arg(++volgnummer, 2, 10, QLatin1Char('0'));
        for (int g = 1; g <= spellen; ++g) {
            const bool wo = walkOvers.contains(g);
            w.extra << qMakePair(QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')), db::Waarde(wo ? woMarkering : "+"))
                    << testhulp::sets(g, wo ? QStringList{"w-o", "w-o", "w-o"} : QStringList{"11-3", "11-4", "11-6"});
        }
        testhulp::wedstrijdToevoegen(m_db, w);
    };
    const auto super = [](const QString& nr, const char* herDam) {
        testhulp::Wedstrijd w = wedstrijd(nr, "1");
        w.soortComp = "S";
        w.soort = "4";
        w.herDam = herDam;
        return w;
    };
    testhulp::Wedstrijd dames = wedstrijd("PAD01009", "K");
    dames.herDam = "D";
    testhulp::Wedstrijd eenSpelOpen = volledigeWedstrijd("PAH01003", "A");
    eenSpelOpen.extra.removeIf([](const auto& v) { return v.first.startsWith("W16"); });
    eenSpelOpen.extra << testhulp::sets(16, {"11-9", "9-11"});
    testhulp::Wedstrijd afwezig = wedstrijd("PAH01004", "A");
    afwezig.extra << qMakePair(QString("AFWUIT4"), db::Waarde("J"));

    toevoegen(wedstrijd("PAH01001", "A"));
    toevoegen(wedstrijd("PAH01002", "A"), 16);
    toevoegen(eenSpelOpen);
    toevoegen(afwezig, 16, {3, 8, 10, 13}, "+"); // the visitors' fourth player absent
    toevoegen(wedstrijd("PAH01005", "G"));
    toevoegen(wedstrijd("PAH01006", "G"), 10);
    toevoegen(wedstrijd("PAH01007", "A"));
    toevoegen(super("SH01008", "H"), 7, {4}); // Super men without the doubles
    toevoegen(dames);
    toevoegen(super("SD01010", "D"), 10); // Super ladies
    dames.wedstrNr = "PAD01011";
    toevoegen(dames);
    dames.wedstrNr = "PAD01012";
    toevoegen(dames, 7);
    // The next play date after today, whose only match is decided: the program starts on it.
    testhulp::Wedstrijd later = wedstrijd("PAH02001", "A", "19-09-2010");
    later.weekNr = "02";
    toevoegen(later, 16);

    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    db::Database& d = algemeen().dbGegevens;
    const auto inEenSetvak = [&b] {
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            for (const bool thuis : {true, false}) {
                if (b.setKolom(s, thuis).contains(focus()))
                    return true;
            }
        }
        return false;
    };
    // Every field of every match, by match number and column.
    const auto matchen = [&d] {
        QMap<QString, QString> velden;
        for (db::Recordset r = d.openRecordset("SELECT * FROM Matchen"); !r.eof(); r.moveNext()) {
            for (int i = 0; i < r.aantalVelden(); ++i)
                velden[r.veld("WedstrNr").tekst() + "." + r.veldNaam(i)] = r.veld(i).tekst();
        }
        return velden;
    };
    // "11", Enter, "5", Enter as fast as a secretary types them, then a set with Enter still held
    // over its digits; nothing of it may reach the match.
    const auto snelTypen = [&] {
        const QMap<QString, QString> voor = matchen();
        ASSERT_TRUE(focus());
        EXPECT_FALSE(inEenSetvak()) << focus()->objectName().toStdString();
        typ("11");
        toets(Qt::Key_Return);
        typ("5");
        toets(Qt::Key_Return);
        for (const Qt::Key cijfer : {Qt::Key_9, Qt::Key_7}) {
            QTest::keyPress(focus(), Qt::Key_1);
            QTest::keyRelease(focus(), Qt::Key_1);
            QTest::keyPress(focus(), Qt::Key_Return);
            QTest::keyPress(focus(), cijfer);
            QTest::keyRelease(focus(), cijfer);
            QTest::keyRelease(focus(), Qt::Key_Return);
        }
        const QMap<QString, QString> na = matchen();
        QStringList veranderd;
        for (auto v = voor.cbegin(); v != voor.cend(); ++v) {
            if (na.value(v.key()) != v.value())
                veranderd << v.key() + ": " + v.value() + " -> " + na.value(v.key());
        }
        EXPECT_EQ(veranderd, QStringList());
    };

    ASSERT_EQ(matchVeld("WedstrNr"), "PAH02001");
    snelTypen();

    ASSERT_EQ(f.LstSpeelweek->item(0)->text(), "12-09-2010");
    f.lijstKiezen(f.LstSpeelweek, 0);
    struct Geval
    {
        const char* open;
        const char* beslist;
        int laatste;
    };
    const Geval gevallen[] = {{"PAH01001", "PAH01002", 15}, {"PAH01003", "PAH01004", 15}, {"PAH01005", "PAH01006", 9},
                              {"PAH01007", "SH01008", 6},   {"PAD01009", "SD01010", 9},   {"PAD01011", "PAD01012", 6}};
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.beslist);
        kiezen(f, g.open);
        if (QString(g.open) == "PAH01003") {
            EXPECT_EQ(focus(), b.TxtSet3T[15]) << "the game still open";
        } else {
            // Its first set typed, the second being typed.
            ASSERT_EQ(focus(), b.TxtSet1T[0]);
            typ("11");
            toets(Qt::Key_Return);
            typ("8");
            toets(Qt::Key_Return);
            ASSERT_EQ(matchVeld("W01Set1U"), "8");
        }
        toets(Qt::Key_PageDown);
        ASSERT_EQ(matchVeld("WedstrNr"), g.beslist);
        ASSERT_EQ(algemeen().intLaatsteWedstrijd, g.laatste);
        snelTypen();
        // Back to the match being typed, and on again.
        toets(Qt::Key_PageUp);
        ASSERT_EQ(matchVeld("WedstrNr"), g.open);
        EXPECT_TRUE(inEenSetvak());
        toets(Qt::Key_PageDown);
        snelTypen();
    }

    // On PAD01012 after a child window, and after the window was minimised and comes back.
    ASSERT_TRUE(opmerkingOpenenEnSluiten());
    snelTypen();
    auto* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    ASSERT_TRUE(sub);
    sub->showMinimized();
    verwerken();
    sub->showNormal();
    verwerken();
    snelTypen();

    // A window over the sheet that shows another match while it is open (as the lists are refreshed
    // when a window changed data): when it gives the sheet back, the keyboard is not back in the set
    // box of the match being typed.
    toets(Qt::Key_PageUp);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAD01011");
    ASSERT_TRUE(inEenSetvak());
    f.uitschakelen();
    kiezen(f, "PAD01012");
    f.teruggeven();
    verwerken();
    snelTypen();

    // A click into game 2's first box: the user corrects it as ever.
    QTest::mouseClick(b.TxtSet1T[1], Qt::LeftButton);
    ASSERT_EQ(focus(), b.TxtSet1T[1]);
    typ("9");
    toets(Qt::Key_Return);
    typ("11");
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W02Set1T"), "9");
    EXPECT_EQ(matchVeld("W02Set1U"), "11");
    EXPECT_EQ(matchVeld("W02"), " ") << "2-1: open again";

    // A click on a decided match in the list: the keyboard stays in the list, where keys choose.
    ASSERT_TRUE(inEenSetvak());
    const QRect regel = f.LstWedstrijden->visualItemRect(f.LstWedstrijden->item(f.LstWedstrijden->currentRow() - 2));
    QTest::mouseClick(f.LstWedstrijden->viewport(), Qt::LeftButton, {}, regel.center());
    ASSERT_EQ(matchVeld("WedstrNr"), "SD01010");
    EXPECT_EQ(focus(), f.LstWedstrijden);
    snelTypen();

    // The same match shown again, as the lists are refreshed after the results file: the user stays in the
    // box he went to.
    QTest::mouseClick(b.TxtEinduur, Qt::LeftButton);
    ASSERT_EQ(focus(), b.TxtEinduur);
    f.lijstKiezen(f.LstWedstrijden, f.LstWedstrijden->currentRow());
    EXPECT_EQ(focus(), b.TxtEinduur);

    // A play date with only a decided match, chosen by key: the keyboard stays in the list of dates.
    f.LstSpeelweek->setFocus();
    toets(Qt::Key_Down);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH02001");
    EXPECT_EQ(focus(), f.LstSpeelweek);
}

// Typing in the last game of a match of four, Page Down shows a match of three, whose sheet has no such game:
// the typing goes on in the first game of the match of three.
TEST_F(ToetsenEnVensters, FromTheLastGameOfATeamOfFourPageDownGoesOnInTheFirstGameOfATeamOfThree)
{
    testhulp::Wedstrijd w = volledigeWedstrijd("PAH01001", "A");
    w.extra.removeIf([](const auto& v) { return v.first.startsWith("W16"); });
    w.extra << testhulp::sets(16, {"11-9", "9-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet3T[15]);

    toets(Qt::Key_PageDown);
    ASSERT_EQ(matchVeld("WedstrNr"), "PAH01002");
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 9);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    typ("11");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
}

TEST_F(ToetsenEnVensters, AKeyThatWentDownElsewhereMovesNothingInTheSheet)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    f.LstWedstrijden->setFocus();
    verwerken();

    // The press of Enter in the list puts the focus in a set box; the release of that key arrives
    // there and is no key of the box.
    QTest::keyPress(f.LstWedstrijden, Qt::Key_Return);
    verwerken();
    ASSERT_EQ(focus(), b.TxtSet1T[0]);
    QTest::keyRelease(focus(), Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    typ("11");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");

    // The release of an Enter that closed a message box (its press went to the message box) moves nothing
    // either: the next score is typed where the focus is.
    QTest::keyRelease(focus(), Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    toets(Qt::Key_Return);
    typ("5");
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W01Set1T"), "11");
    EXPECT_EQ(matchVeld("W01Set1U"), "5");
    EXPECT_EQ(focus(), b.TxtSet2T[0]);
    b.TxtSet1T[0]->setFocus();

    // A Down of the box's own still goes to the next game.
    toets(Qt::Key_Down);
    EXPECT_EQ(focus(), b.TxtSet1T[1]);
    toets(Qt::Key_Up);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
}

TEST_F(ToetsenEnVensters, ChildWindowsStandAboveTheMainWindowWithTheirFrameWhereTheyArePlaced)
{
    FrmWedstrijdInput& f = tonen();
    f.LabX->setText("Opties");
    f.uitschakelen();
    Opties::standaard().toon();
    verwerken();
    Opties& o = Opties::standaard();
    EXPECT_EQ(o.frameGeometry().topLeft(), QPoint(0, 0)) << "title bar on the screen";
    EXPECT_EQ(o.windowType(), Qt::Dialog) << "a dialog is kept above the window it belongs to";
    EXPECT_EQ(o.parentWidget(), &MDIFrm::standaard());
    o.close();
}

TEST_F(ToetsenEnVensters, TheRemarksWindowOpensCentredWithItsSizeEveryTime)
{
    FrmWedstrijdInput& f = tonen();
    for (int keer = 0; keer < 2; ++keer) {
        f.blad.CmdVoorbehoudU->click();
        verwerken();
        FrmVoorbehoud& v = FrmVoorbehoud::standaard();
        EXPECT_EQ(v.size(), QSize(441, 227)) << "opening " << keer;
        const QRect scherm = v.screen()->geometry();
        EXPECT_LE(std::abs(v.frameGeometry().center().x() - scherm.center().x()), 1);
        v.resize(600, 400);
        v.move(10, 10);
        v.CmdAnnuleren->click();
        verwerken();
    }
}

TEST_F(ToetsenEnVensters, ThePickerOpensWithItsSizeEveryTime)
{
    FrmWedstrijdInput& f = tonen();
    for (int keer = 0; keer < 2; ++keer) {
        f.blad.CmdCompNrU[0]->click();
        verwerken();
        FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
        EXPECT_EQ(k.size(), QSize(586, 476)) << "opening " << keer;
        k.resize(700, 500);
        k.CmdAnnuleren->click();
        verwerken();
    }
}

// A message box over the picker leaves it where the user put it, and the picker keeps the keyboard
// after a question. The player already on the place is shown when the picker opens, without a question;
// the question comes for another member typed over him.
TEST_F(ToetsenEnVensters, ThePickerKeepsItsPlaceAndTheKeyboardAfterAQuestion)
{
    testhulp::lidToevoegen(m_db, "500077", "Buiten Lijst", "002", 1);
    testhulp::lidToevoegen(m_db, "500078", "Ook Buiten", "002", 1);
    testhulp::Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra = {{"UITSP1", "500077"}};
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();

    QTest::mouseClick(f.blad.CmdCompNrU[0], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(QApplication::activeWindow(), &k);
    EXPECT_EQ(focus(), k.TxtFilter);
    EXPECT_EQ(k.TxtNaam->text(), "Buiten Lijst");

    ui::QtMeldingen echt;
    ui::Meldingen* vorige = ui::zetMeldingen(&echt);
    const auto terug = qScopeGuard([vorige] { ui::zetMeldingen(vorige); });
    QWidget* eigenaar = nullptr;
    QString vraag;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        eigenaar = box->parentWidget();
        vraag = box->text();
        for (QAbstractButton* knop : box->buttons()) {
            if (knop->text() == "Ja")
                knop->click();
        }
    });
    k.TxtCompNr->setFocus(Qt::TabFocusReason);
    typ("500078");
    toets(Qt::Key_Tab);
    verwerken();
    EXPECT_EQ(vraag, "Deze speler staat niet op de sterktelijst. Wenst u deze toch toe te voegen ?");
    EXPECT_EQ(eigenaar, &k);
    EXPECT_EQ(QApplication::activeWindow(), &k);
    EXPECT_TRUE(k.isAncestorOf(focus()));
    EXPECT_EQ(k.TxtNaam->text(), "Ook Buiten");

    k.move(20, 30);
    verwerken();
    const QPoint plaats = k.pos();
    {
        QDialog box(&k);
        box.show();
        box.activateWindow();
        verwerken();
        ASSERT_EQ(QApplication::activeWindow(), &box);
        box.close();
        k.activateWindow();
        verwerken();
    }
    EXPECT_EQ(QApplication::activeWindow(), &k);
    EXPECT_EQ(k.pos(), plaats);

    // A click on the disabled main window and back on the picker.
    MDIFrm::standaard().activateWindow();
    verwerken();
    k.activateWindow();
    verwerken();
    ASSERT_EQ(QApplication::activeWindow(), &k);
    EXPECT_EQ(k.pos(), plaats);
    k.CmdAnnuleren->click();
    verwerken();
}

// A click on the main window, switched off while a child window is open, leaves the keyboard in the
// child window; with the windows that leave it on, the main window is the user's to work in.
TEST_F(ToetsenEnVensters, AClickOnTheSwitchedOffMainWindowLeavesTheKeyboardInTheChildWindow)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    MDIFrm& hoofd = MDIFrm::standaard();

    QTest::mouseClick(b.CmdCompNrT[0], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    ASSERT_EQ(QApplication::activeWindow(), &k);
    k.TxtCompNr->setFocus();
    hoofd.activateWindow();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &k) << "the picker";
    EXPECT_EQ(focus(), k.TxtCompNr);
    k.CmdAnnuleren->click();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &hoofd) << "closing the picker gives the main window back";
    EXPECT_EQ(focus(), b.TxtSet1T[0]);

    b.CmdVoorbehoudT->click();
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    verwerken();
    ASSERT_EQ(focus(), v.TxtCommentaar);
    hoofd.activateWindow();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &v) << "the remarks window";
    typ("Net");
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "Net");
    v.CmdSluiten->click();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &hoofd);
    EXPECT_EQ(matchVeld("VoorbehoudT"), "Net");

    f.menu("MnuBeheerClubs")->trigger();
    verwerken();
    ASSERT_TRUE(FrmClubs::standaard().isVisible());
    QApplication::setActiveWindow(&FrmClubs::standaard());
    verwerken();
    hoofd.activateWindow();
    verwerken();
    EXPECT_EQ(QApplication::activeWindow(), &hoofd) << "the clubs leave the main window on";
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    FrmClubs::standaard().close();
    verwerken();
}

TEST_F(ToetsenEnVensters, DestroyingTheOptionsWindowRunsNoneOfItsHandlers)
{
    FrmWedstrijdInput& f = tonen();
    f.LabX->setText("Opties-PadOpslaan");
    f.uitschakelen();
    Opties::standaard().toon();
    verwerken();
    Opties& o = Opties::standaard();
    ASSERT_EQ(focus(), o.TxtWaarde);
    o.TxtWaarde->setText("/een/map/die/er/niet/is");
    o.TxtWaarde->setModified(true);
    // Leaving the box with this text would refuse it with a message: none may come now.
    Opties::opruimen();
    verwerken();
    EXPECT_FALSE(Opties::bestaat());
}

TEST_F(ToetsenEnVensters, KeysTypedInTheListsStayThereUntilEnterMovesOnToTheSheet)
{
    for (const char* nr : { "PAH02001", "PAH02002" })
        testhulp::wedstrijdToevoegen(m_db, wedstrijd(QString::fromLatin1(nr), "A", "19-09-2010"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH03001", "A", "26-09-2010"));
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(regels(f.LstSpeelweek), QStringList({ "12-09-2010", "19-09-2010", "26-09-2010" }));
    ASSERT_EQ(f.LstSpeelweek->currentRow(), 1);
    ASSERT_EQ(focus(), b.TxtSet1T[0]);
    const auto bladLeeg = [&b] {
        for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
            for (const bool thuis : { true, false }) {
                for (QLineEdit* vak : b.setKolom(s, thuis)) {
                    if (!vak->text().isEmpty())
                        return false;
                }
            }
        }
        return true;
    };

    // Typing a date chooses it and loads its first match; the keys stay in the list.
    f.LstSpeelweek->setFocus();
    typ("12");
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH01001");
    EXPECT_EQ(focus(), f.LstSpeelweek);
    toets(Qt::Key_Down);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH02001");
    EXPECT_EQ(focus(), f.LstSpeelweek);
    typ("11");
    EXPECT_EQ(focus(), f.LstSpeelweek);
    EXPECT_TRUE(bladLeeg()) << "no key typed in the list stands in a set box";
    EXPECT_EQ(matchVeld("W01Set1T"), "");

    // The same in the match list, with the arrows and with Page Down.
    f.LstWedstrijden->setFocus();
    toets(Qt::Key_Down);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH02002");
    EXPECT_EQ(focus(), f.LstWedstrijden);
    toets(Qt::Key_PageUp);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH02001");
    EXPECT_EQ(focus(), f.LstWedstrijden);
    typ("7");
    EXPECT_TRUE(bladLeeg());

    // Enter: the typing goes on in the first empty game of the match chosen.
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    typ("11");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH02001");

    // A click in a list still moves on to the sheet at once.
    const QRect regel = f.LstWedstrijden->visualItemRect(f.LstWedstrijden->item(1));
    QTest::mouseClick(f.LstWedstrijden->viewport(), Qt::LeftButton, {}, regel.center());
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH02002");
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
}

TEST_F(ToetsenEnVensters, ShiftTabGoesBackOutOfADecidedGameAndOnToTheLists)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    for (const char* set : { "11", "5", "11", "5", "11", "5" }) {
        typ(QString::fromLatin1(set));
        toets(Qt::Key_Return);
    }
    ASSERT_EQ(focus(), b.TxtSet1T[1]) << "the decided game sends the typing on";

    // Back through game 1 box by box, its decided sets included.
    const QList<QLineEdit*> terug{ b.TxtSet5U[0], b.TxtSet5T[0], b.TxtSet4U[0], b.TxtSet4T[0], b.TxtSet3U[0],
                                   b.TxtSet3T[0], b.TxtSet2U[0], b.TxtSet2T[0], b.TxtSet1U[0], b.TxtSet1T[0] };
    for (QLineEdit* vak : terug) {
        toets(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(focus(), vak) << vak->objectName().toStdString();
    }
    EXPECT_EQ(matchVeld("W01Set3T"), "11");
    EXPECT_EQ(matchVeld("W01Set3U"), "5");
    EXPECT_EQ(matchVeld("W01"), "+");

    // From the first game the lists are next.
    toets(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), f.ChkUitwedstrijden);
    toets(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), f.LstWedstrijden);
    toets(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), f.LstSpeelweek);
    // And Tab goes from the lists into the grid.
    f.ChkUitwedstrijden->setFocus();
    toets(Qt::Key_Tab);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    toets(Qt::Key_Tab);
    EXPECT_EQ(focus(), b.TxtSet1U[0]);
    // Tab forward out of a decided game still sends the typing on.
    b.TxtSet3U[0]->setFocus();
    toets(Qt::Key_Tab);
    EXPECT_EQ(focus(), b.TxtSet1T[1]);
}

// Space on the home/away box switches the lists as a click does, but the keyboard stays on the box
// until Enter moves on to the sheet; a click still moves on at once.
TEST_F(ToetsenEnVensters, SpaceOnTheAwayBoxKeepsTheKeyboardThereUntilEnterMovesOnToTheSheet)
{
    testhulp::lokaalToevoegen(m_db, 9, "Zaal Aalst", "Markt 1", "9300", "Aalst", 2, 2);
    testhulp::Wedstrijd uit = wedstrijd("PAH05001", "A");
    uit.provThuis = "2";
    uit.lkThuis = "002";
    uit.nmthuis = "Aalst";
    uit.lkUit = "001";
    testhulp::wedstrijdToevoegen(m_db, uit);
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(f.LstWedstrijden->count(), 4);
    ASSERT_EQ(focus(), b.TxtSet1T[0]);

    // Back from the grid, the box is the first stop.
    toets(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focus(), f.ChkUitwedstrijden);
    toets(Qt::Key_Space);
    EXPECT_TRUE(f.ChkUitwedstrijden->isChecked());
    EXPECT_EQ(f.LstWedstrijden->count(), 5) << "the away matches";
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH05001");
    EXPECT_EQ(focus(), f.ChkUitwedstrijden);
    typ("11");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "") << "no key typed on the box stands in a set box";
    toets(Qt::Key_Space);
    EXPECT_FALSE(f.ChkUitwedstrijden->isChecked());
    EXPECT_EQ(f.LstWedstrijden->count(), 4);
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH01001");
    EXPECT_EQ(focus(), f.ChkUitwedstrijden);

    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    EXPECT_FALSE(f.ChkUitwedstrijden->isChecked()) << "Enter toggles nothing";
    typ("11");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");

    QTest::mouseClick(f.ChkUitwedstrijden, Qt::LeftButton);
    EXPECT_TRUE(f.ChkUitwedstrijden->isChecked());
    EXPECT_EQ(matchVeld("WedstrNr"), "PAH05001");
    EXPECT_EQ(focus(), b.TxtSet1T[0]) << "a click moves on to the sheet";
}

TEST_F(ToetsenEnVensters, EnterPressesTheFocusedButtonAndEscapeCancelsTheChildWindows)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;

    // Enter on a line-up button opens the picker; Enter on its Annuleren cancels, Escape too.
    b.CmdCompNrT[0]->setFocus();
    toets(Qt::Key_Return);
    verwerken();
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    ASSERT_TRUE(k.isVisible()) << "Enter on a line-up button";
    k.TxtCompNr->setText("500001");
    k.CmdAnnuleren->setFocus();
    toets(Qt::Key_Return);
    verwerken();
    EXPECT_FALSE(k.isVisible()) << "Enter on Annuleren";
    EXPECT_EQ(matchVeld("THUISSP1"), "") << "cancelled, not saved";

    b.CmdCompNrT[0]->click();
    verwerken();
    ASSERT_TRUE(k.isVisible());
    k.TxtCompNr->setFocus();
    typ("500001");
    toets(Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(k.isVisible()) << "Escape";
    EXPECT_EQ(matchVeld("THUISSP1"), "");

    // Enter on Opslaan saves.
    b.CmdCompNrT[0]->click();
    verwerken();
    k.TxtCompNr->setText("500001");
    k.SpelerInvullen();
    k.CmdSluiten->setFocus();
    toets(Qt::Key_Return);
    verwerken();
    EXPECT_FALSE(k.isVisible());
    EXPECT_EQ(matchVeld("THUISSP1"), "500001");

    // Escape closes the windows with only a Sluiten button.
    f.menu("MnuBeheerOpties")->trigger();
    verwerken();
    ASSERT_TRUE(Opties::standaard().isVisible());
    toets(Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(Opties::standaard().isVisible()) << "options";
    EXPECT_TRUE(f.isEnabled());

    f.menu("MnuBeheerClubs")->trigger();
    verwerken();
    ASSERT_TRUE(FrmClubs::standaard().isVisible());
    FrmClubs::standaard().LstClubs->setFocus();
    toets(Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(FrmClubs::standaard().isVisible()) << "clubs";

    f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
    verwerken();
    ASSERT_TRUE(FrmWedstrijdToevoegen::standaard().isVisible());
    FrmWedstrijdToevoegen::standaard().activateWindow();
    QApplication::setActiveWindow(&FrmWedstrijdToevoegen::standaard());
    QTest::keyClick(&FrmWedstrijdToevoegen::standaard(), Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(FrmWedstrijdToevoegen::standaard().isVisible()) << "adding a match";

    m_meldingen->verwachtMelding(Soort::Kritiek, "Import uit Competitie ZELM (Systeem Korvat)",
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    f.menu("MnuGegevensImportKorvat")->trigger();
    verwerken();
    ASSERT_TRUE(FrmImportKorvat::standaard().isVisible());
    QTest::keyClick(&FrmImportKorvat::standaard(), Qt::Key_Escape);
    verwerken();
    EXPECT_FALSE(FrmImportKorvat::standaard().isVisible()) << "the import window";

    // The main window has nothing to cancel: Escape leaves it as it is.
    b.TxtSet1T[0]->setFocus();
    toets(Qt::Key_Escape);
    verwerken();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
}

TEST_F(ToetsenEnVensters, WithoutAMatchTheMatchMenusStayOffAfterTheOptionsClose)
{
    FrmWedstrijdInput& f = actiefStarten();
    ASSERT_EQ(f.LstWedstrijden->count(), 0);
    const char* const menus[] = { "MnuVoorbehoud", "MnuAfdrukken", "MnuWedstrijd" };
    for (const char* m : menus)
        ASSERT_FALSE(f.menu(m)->isEnabled()) << m;

    f.menu("MnuBeheerOpties")->trigger();
    verwerken();
    ASSERT_TRUE(Opties::standaard().isVisible());
    Opties::standaard().CmdSluiten->click();
    verwerken();
    ASSERT_TRUE(f.isEnabled());
    for (const char* m : menus) {
        EXPECT_FALSE(f.menu(m)->isEnabled()) << m;
        EXPECT_FALSE(ui::menuIngeschakeld(f.menu(m))) << m;
    }
    // No match to print: Ctrl+P asks nothing (an unexpected message fails the test).
    f.LstSeizoen->setFocus();
    toets(Qt::Key_P, Qt::ControlModifier);
    verwerken();

    // Loading a match later turns them on as before.
    f.bladOntgrendelen();
    for (const char* m : menus)
        EXPECT_TRUE(f.menu(m)->isEnabled()) << m;
}

TEST_F(ToetsenEnVensters, AMinimisedMainWindowComesBackWithEnterAndTakesNoKeysMeanwhile)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    typ("9");
    auto* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    ASSERT_TRUE(sub);
    // Minimised halfway through a set: nothing is checked (an unexpected message fails the test).
    sub->showMinimized();
    verwerken();
    ASSERT_TRUE(sub->isMinimized());
    ASSERT_FALSE(f.Menubalk->isVisible());
    ASSERT_TRUE(focus());
    EXPECT_FALSE(f.isAncestorOf(focus())) << "no box that nobody sees keeps the keyboard";
    typ("5");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "9");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "");

    toets(Qt::Key_Return);
    verwerken();
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_TRUE(f.Menubalk->isVisible());
    EXPECT_EQ(focus(), b.TxtSet1T[0]) << "the keyboard is back where it was";
    typ("11");
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1U[0]);
}

// Alt with a letter or digit is a window's or a menu's key: it never types into a box, whatever
// the box, and the mnemonics of the window the user is in still fire. Ctrl+Alt (how some systems give
// AltGr) and accented letters keep typing their characters.
TEST_F(ToetsenEnVensters, AltWithALetterTypesNothingInTheRemarkAndItsSluitenStillStoresIt)
{
    tonen();
    toets(Qt::Key_U, Qt::ControlModifier);
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    verwerken();
    ASSERT_TRUE(v.isVisible());
    QApplication::setActiveWindow(&v);
    ASSERT_EQ(focus(), v.TxtCommentaar);
    ASSERT_EQ(v.TxtCommentaar->toPlainText(), "");

    typ("abc");
    // The main window's menus (switched off meanwhile), and letters no control of the window has.
    for (const Qt::Key k : {Qt::Key_B, Qt::Key_W, Qt::Key_T, Qt::Key_7})
        toets(k, Qt::AltModifier);
    toets(Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "abc");
    EXPECT_TRUE(v.isVisible());

    tekenToets(Qt::Key_E, QStringLiteral("€"), Qt::ControlModifier | Qt::AltModifier);
    tekenToets(Qt::Key_2, QStringLiteral("@"), Qt::ControlModifier | Qt::AltModifier);
    tekenToets(Qt::Key_At, QStringLiteral("@"), Qt::GroupSwitchModifier);
    typ(" d");
    tekenToets(Qt::Key_Eacute, QStringLiteral("é"));
    tekenToets(Qt::Key_E, QStringLiteral("É"), Qt::ShiftModifier);
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), QStringLiteral("abc€@@ déÉ"));

    // A button's letter clicks it as a press and release do, the release a moment later.
    toets(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&v] { return !v.isVisible(); }, 2000)) << "Alt+S is the window's Sluiten";
    EXPECT_EQ(matchVeld("Voorbehoudu"), QStringLiteral("abc€@@ déÉ"));
    EXPECT_EQ(matchVeld("VoorbehoudT"), "");
}

TEST_F(ToetsenEnVensters, AltWithALetterTypesNothingInTheSheetsBoxesAndItsMenusStillOpen)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet1T[0]);
    typ("1");
    toets(Qt::Key_Q, Qt::AltModifier);
    toets(Qt::Key_7, Qt::AltModifier);
    typ("1");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    toets(Qt::Key_Return);
    ASSERT_EQ(focus(), b.TxtSet1U[0]);
    typ("5");
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W01Set1T"), "11");
    EXPECT_EQ(matchVeld("W01Set1U"), "5");

    b.TxtEinduur->setFocus(Qt::TabFocusReason);
    typ("21");
    toets(Qt::Key_X, Qt::AltModifier);
    toets(Qt::Key_K, Qt::AltModifier | Qt::ShiftModifier);
    typ(".15");
    EXPECT_EQ(b.TxtEinduur->text(), "21.15");
    b.CmdVoorbehoudU->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(matchVeld("Einduur"), "21.15");

    // Alt with the letter of a menu opens it, from a box too.
    b.TxtSet1U[0]->setFocus(Qt::TabFocusReason);
    toets(Qt::Key_V, Qt::AltModifier);
    verwerken();
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->objectName(), "MnuVoorbehoud");
    menu->close();
    verwerken();
}

TEST_F(ToetsenEnVensters, AltWithALetterTypesNothingInThePickersSearchAndOpslaanStillSaves)
{
    FrmWedstrijdInput& f = tonen();
    QTest::mouseClick(f.blad.CmdCompNrT[1], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    verwerken();
    ASSERT_TRUE(k.isVisible());
    QApplication::setActiveWindow(&k);
    k.TxtFilter->setFocus();
    typ("Spe");
    toets(Qt::Key_L, Qt::AltModifier);
    typ("ler 3");
    EXPECT_EQ(k.TxtFilter->text(), "Speler 3");
    EXPECT_EQ(k.TxtCompNr->text(), "500003");
    EXPECT_EQ(k.TxtNaam->text(), "Speler 3");

    toets(Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&k] { return !k.isVisible(); }, 2000)) << "Alt+O is the picker's Opslaan";
    EXPECT_EQ(matchVeld("THUISSP2"), "500003");
}

TEST_F(ToetsenEnVensters, AltWithALetterTypesNothingInTheAddMatchWindowsBoxesAndItsSluitenStillCloses)
{
    FrmWedstrijdInput& f = tonen();
    f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
    verwerken();
    FrmWedstrijdToevoegen& t = FrmWedstrijdToevoegen::standaard();
    ASSERT_TRUE(t.isVisible());
    QApplication::setActiveWindow(&t);

    t.TxtReeks->clear();
    t.TxtReeks->setFocus(Qt::TabFocusReason);
    typ("3");
    toets(Qt::Key_X, Qt::AltModifier);
    typ("a");
    EXPECT_EQ(t.TxtReeks->text(), "3a");

    // The season's list can be typed in too.
    t.CboSeizoen->setFocus(Qt::TabFocusReason);
    t.CboSeizoen->lineEdit()->clear();
    typ("2010");
    toets(Qt::Key_Q, Qt::AltModifier);
    toets(Qt::Key_8, Qt::AltModifier);
    typ("-2011");
    EXPECT_EQ(t.CboSeizoen->currentText(), "2010-2011");

    toets(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&t] { return !t.isVisible(); }, 2000)) << "Alt+S is the window's Sluiten";
}

} // namespace
