// Typing set scores into the sheet as a user does: keys on release, focus from box to box, the
// check when an away box is left, storing at once.

#include "BladTest.h"
#include "core/Diensten.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using core::algemeen;
using testhulp::matchVeld;
using testhulp::sets;
using testhulp::Wedstrijd;

namespace {

// The sheet shown and active; keys typed on the control that has the focus (BladTest).
class Setinvoer : public testhulp::BladTest
{
protected:
    /**
     * Enter or Right goes down, a digit goes down and up while it is still held, and then Enter or
     * Right comes up (typing fast, or on the number pad): every key on the control that has the focus
     * at that moment, as the keyboard delivers it.
     */
    static void terwijlIngedrukt(Qt::Key vast, char cijfer, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyPress(focus(), vast, m);
        QTest::keyPress(focus(), cijfer, m);
        QTest::keyRelease(focus(), cijfer, m);
        QTest::keyRelease(focus(), vast, m);
    }
};

TEST_F(Setinvoer, AGameTypedThroughIsStoredSetBySetAndMovesOnWhenDecided)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet1T[0]);

    typ("11");
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1U[0]);
    typ("9");
    toets(Qt::Key_Right);
    EXPECT_EQ(focus(), b.TxtSet2T[0]);
    EXPECT_EQ(matchVeld("W01Set1T"), "11") << "stored the moment the away box is left";
    EXPECT_EQ(matchVeld("W01Set1U"), "9");
    EXPECT_EQ(b.TxtSetsThuis[0]->text(), "1");

    // A winner above 11 is brought back to 11; in set 3 the decided game moves on.
    typ("15");
    toets(Qt::Key_Return);
    typ("5");
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet3T[0]);
    EXPECT_EQ(b.TxtSet2T[0]->text(), "11");
    EXPECT_EQ(matchVeld("W01Set2T"), "11");
    EXPECT_EQ(matchVeld("W01Set2U"), "5");
    typ("13");
    toets(Qt::Key_Return);
    typ("9");
    toets(Qt::Key_Return);
    EXPECT_EQ(b.TxtSet3T[0]->text(), "11") << "13-9 is completed to 11-9";
    EXPECT_EQ(focus(), b.TxtSet1T[1]) << "3-0: on to the next game";
    EXPECT_EQ(matchVeld("W01"), "+");
    EXPECT_EQ(b.TxtResT->text(), "1");
    EXPECT_EQ(b.TxtWedstrThuis[0]->text(), "1");
}

// A digit that goes down before Enter or Right is up belongs to the box that key moves to: 11-3,
// 11-5 and 3-11 are stored as typed, not 11-13, 11-0 or 11-1.
TEST_F(Setinvoer, ADigitPressedWhileEnterOrRightIsStillDownGoesToTheNextBox)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet1T[0]);

    typ("11");
    terwijlIngedrukt(Qt::Key_Return, '3');
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_EQ(focus(), b.TxtSet1U[0]);
    EXPECT_EQ(b.TxtSet1U[0]->text(), "3");
    terwijlIngedrukt(Qt::Key_Return, '1');
    EXPECT_EQ(matchVeld("W01Set1T"), "11");
    EXPECT_EQ(matchVeld("W01Set1U"), "3");
    EXPECT_EQ(focus(), b.TxtSet2T[0]);
    typ("1");
    EXPECT_EQ(b.TxtSet2T[0]->text(), "11");

    // Right as Enter, and the number pad's own Enter and digits.
    terwijlIngedrukt(Qt::Key_Right, '5');
    EXPECT_EQ(focus(), b.TxtSet2U[0]);
    terwijlIngedrukt(Qt::Key_Enter, '3', Qt::KeypadModifier);
    EXPECT_EQ(matchVeld("W01Set2T"), "11");
    EXPECT_EQ(matchVeld("W01Set2U"), "5");
    EXPECT_EQ(focus(), b.TxtSet3T[0]);
    EXPECT_EQ(b.TxtSet3T[0]->text(), "3");
    terwijlIngedrukt(Qt::Key_Enter, '1', Qt::KeypadModifier);
    typ("1");
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W01Set3T"), "3") << "the visitors' set";
    EXPECT_EQ(matchVeld("W01Set3U"), "11");
    EXPECT_EQ(focus(), b.TxtSet4T[0]) << "2-1: the game goes on";
    EXPECT_EQ(b.TxtSet4T[0]->text(), "");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());

    // A key held with no move to make (Enter in set 5 of a game not decided) types in the box itself.
    b.TxtSet5U[0]->setFocus(Qt::TabFocusReason);
    terwijlIngedrukt(Qt::Key_Return, '7');
    EXPECT_EQ(focus(), b.TxtSet5U[0]);
    EXPECT_EQ(b.TxtSet5U[0]->text(), "7");
    b.TxtSet5U[0]->clear();
}

// The set that decides a game sends the focus to the next game: the held digit goes there too.
TEST_F(Setinvoer, ADigitHeldOverTheDecidingSetGoesToTheNextGame)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"11-9", "11-7"}) << sets(2, {"11-9", "9-11", "11-9", "9-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet3T[0]);

    typ("11");
    toets(Qt::Key_Return);
    typ("4");
    terwijlIngedrukt(Qt::Key_Return, '8');
    EXPECT_EQ(matchVeld("W01Set3T"), "11");
    EXPECT_EQ(matchVeld("W01Set3U"), "4");
    EXPECT_EQ(focus(), b.TxtSet1T[2]) << "3-0: on to the first game still empty";
    EXPECT_EQ(b.TxtSet1T[2]->text(), "8");
    EXPECT_EQ(b.TxtSet5T[1]->text(), "");

    // Set 5 of game 2 at 2-2: Enter in its away box decides it and moves on.
    b.TxtSet5T[1]->setFocus(Qt::TabFocusReason);
    typ("6");
    toets(Qt::Key_Return);
    typ("11");
    terwijlIngedrukt(Qt::Key_Return, '5');
    EXPECT_EQ(matchVeld("W02Set5T"), "6");
    EXPECT_EQ(matchVeld("W02Set5U"), "11");
    EXPECT_EQ(focus(), b.TxtSet1T[3]) << "game 3 holds the 8 already";
    EXPECT_EQ(b.TxtSet1T[3]->text(), "5");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// A wrong score refused while a digit is held: the message, the focus back in the set's home box, and
// the digit typed nowhere.
TEST_F(Setinvoer, ADigitHeldOverARefusedSetIsTypedNowhere)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    typ("7");
    toets(Qt::Key_Return);
    typ("5");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Setstand", "Dit is een verkeerde setstand !");
    terwijlIngedrukt(Qt::Key_Return, '1');
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    EXPECT_EQ(b.TxtSet1T[0]->text(), "7");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "5");
    EXPECT_EQ(b.TxtSet2T[0]->text(), "");
    EXPECT_EQ(matchVeld("W01Set1T"), "");
    typ("11");
    toets(Qt::Key_Return);
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W01Set1T"), "11");
    EXPECT_EQ(matchVeld("W01Set1U"), "5");
}

TEST_F(Setinvoer, AWrongScoreIsRefusedAndTheFocusGoesBackToTheHomeBox)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;

    typ("7");
    toets(Qt::Key_Return);
    typ("5");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Setstand", "Dit is een verkeerde setstand !");
    toets(Qt::Key_Right);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    EXPECT_EQ(b.TxtSet1T[0]->selectedText(), "7") << "selected, so that typing replaces it";
    EXPECT_TRUE(algemeen().blnUitslagFout);
    EXPECT_EQ(matchVeld("W01Set1T"), "") << "nothing stored";

    // The Enter that closes the message goes down on the message box; its release reaches the
    // home box and only clears the flag.
    QTest::keyRelease(focus(), Qt::Key_Return);
    EXPECT_FALSE(algemeen().blnUitslagFout);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1U[0]);

    // A pasted text that is not all digits is a wrong score too; the check runs once.
    b.TxtSet1U[0]->setText("-5");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Setstand", "Dit is een verkeerde setstand !");
    toets(Qt::Key_Tab);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(matchVeld("W01Set1U"), "");
}

// Typed past the end of a set: 15-12 (three apart once both reached 10) is brought to 14-12, and
// 9-15 (a loser of exactly 9) to 9-11; the boxes show what is stored.
TEST_F(Setinvoer, ScoresTypedPastTheEndOfASetAreStoredAsTheSetEnded)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet1T[0]);
    typ("15");
    toets(Qt::Key_Return);
    typ("12");
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet2T[0]);
    EXPECT_EQ(b.TxtSet1T[0]->text(), "14");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "12");
    EXPECT_EQ(matchVeld("W01Set1T"), "14");
    EXPECT_EQ(matchVeld("W01Set1U"), "12");

    typ("9");
    toets(Qt::Key_Return);
    typ("15");
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet3T[0]);
    EXPECT_EQ(b.TxtSet2T[0]->text(), "9");
    EXPECT_EQ(b.TxtSet2U[0]->text(), "11");
    EXPECT_EQ(matchVeld("W01Set2T"), "9");
    EXPECT_EQ(matchVeld("W01Set2U"), "11");
    EXPECT_EQ(b.TxtSetsThuis[0]->text(), "1");
    EXPECT_EQ(b.TxtSetsUit[0]->text(), "1");
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// Set 3 passed over empty (Enter through both its boxes) and the game won in set 4: the game is stored
// with set 4 moved up into set 3 and nothing left in set 4, neither the home nor the visitors' score.
TEST_F(Setinvoer, ASetPassedOverEmptyIsClosedUpWhenTheGameIsDecided)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    for (const char* punten : {"11", "5", "11", "7", "", "", "11", "8"}) {
        typ(QString::fromLatin1(punten));
        toets(Qt::Key_Return);
    }
    EXPECT_EQ(matchVeld("W01"), "+");
    EXPECT_EQ(matchVeld("W01Set3T"), "11");
    EXPECT_EQ(matchVeld("W01Set3U"), "8");
    EXPECT_EQ(matchVeld("W01Set4T"), " ");
    EXPECT_EQ(matchVeld("W01Set4U"), " ");
    EXPECT_EQ(b.TxtSet3T[0]->text(), "11");
    EXPECT_EQ(b.TxtSet3U[0]->text(), "8");
    EXPECT_EQ(b.TxtSet4T[0]->text(), "");
    EXPECT_EQ(b.TxtSet4U[0]->text(), "");
    EXPECT_EQ(b.TxtSetsThuis[0]->text(), "3");
    EXPECT_EQ(b.TxtSetsUit[0]->text(), "0");
    EXPECT_EQ(focus(), b.TxtSet1T[1]) << "3-0: on to game 2";

    // Game 2: set 3 never reached, the visitors' set 4 typed after a click into its home box.
    for (const char* punten : {"4", "11", "6", "11"}) {
        typ(QString::fromLatin1(punten));
        toets(Qt::Key_Return);
    }
    QTest::mouseClick(b.TxtSet4T[1], Qt::LeftButton);
    ASSERT_EQ(focus(), b.TxtSet4T[1]);
    for (const char* punten : {"9", "11"}) {
        typ(QString::fromLatin1(punten));
        toets(Qt::Key_Return);
    }
    EXPECT_EQ(matchVeld("W02"), "-");
    EXPECT_EQ(matchVeld("W02Set3T"), "9");
    EXPECT_EQ(matchVeld("W02Set3U"), "11");
    EXPECT_EQ(matchVeld("W02Set4T"), " ");
    EXPECT_EQ(matchVeld("W02Set4U"), " ");
    EXPECT_EQ(b.TxtSet4U[1]->text(), "");
    EXPECT_EQ(b.TxtSetsUit[1]->text(), "3");
    EXPECT_EQ(b.TxtResT->text(), "1");
    EXPECT_EQ(b.TxtResU->text(), "1");
}

TEST_F(Setinvoer, BoxesKeepDigitsOnlyAndClearingASetStoresBlanks)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"11-3"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    b.TxtSet1T[0]->setFocus();
    b.TxtSet1T[0]->clear();
    typ("7x");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "7");
    typ("12");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "71") << "two characters at most";

    b.TxtSet1T[0]->clear();
    b.TxtSet1U[0]->setFocus();
    b.TxtSet1U[0]->clear();
    toets(Qt::Key_Tab);
    EXPECT_EQ(matchVeld("W01Set1T"), " ");
    EXPECT_EQ(matchVeld("W01Set1U"), " ");
    EXPECT_EQ(b.TxtSetsThuis[0]->text(), "");
}

TEST_F(Setinvoer, ArrowsHomeAndEndSkipDisabledRowsAndNeverWrap)
{
    Wedstrijd w = wedstrijd("PAH01002", "G"); // ten games
    w.extra << sets(2, {"w-o", "w-o", "w-o"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_FALSE(b.TxtSet3T[1]->isEnabled()) << "the walk-over row is locked";

    b.TxtSet3T[0]->setFocus();
    toets(Qt::Key_Down);
    EXPECT_EQ(focus(), b.TxtSet3T[2]) << "row 1 is skipped";
    toets(Qt::Key_Up);
    EXPECT_EQ(focus(), b.TxtSet3T[0]);
    toets(Qt::Key_Up);
    EXPECT_EQ(focus(), b.TxtSet3T[0]) << "nothing above row 0";
    toets(Qt::Key_End);
    EXPECT_EQ(focus(), b.TxtSet5U[9]);
    toets(Qt::Key_Down);
    EXPECT_EQ(focus(), b.TxtSet5U[9]) << "nothing below the last game of ten";
    toets(Qt::Key_Home);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    toets(Qt::Key_Left);
    EXPECT_EQ(focus(), b.TxtSet1T[0]) << "nothing left of set 1";
    b.TxtSet2T[0]->setFocus();
    toets(Qt::Key_Left);
    EXPECT_EQ(focus(), b.TxtSet1U[0]);
    toets(Qt::Key_Left);
    EXPECT_EQ(focus(), b.TxtSet1T[0]);
    EXPECT_EQ(m_meldingen->getoond().size(), 0u) << "leaving an empty set asks nothing";
}

TEST_F(Setinvoer, EnterInTheFifthAwayBoxMovesOnlyWhenTheGameIsDecided)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"11-9", "9-11", "11-9", "9-11", "11-2"}) << sets(2, {"11-9", "9-11", "11-9", "9-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    b.TxtSet5U[1]->setFocus();
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet5U[1]) << "2-2: the game goes on";
    b.TxtSet5U[0]->setFocus();
    toets(Qt::Key_Return);
    EXPECT_EQ(focus(), b.TxtSet1T[2]) << "3-2: on to the first game still empty";
}

// The last two games of a team of four typed through: the game before the last moves on to the last
// when it is decided, Enter after each set of a game of five goes on to the next set, and Down reaches
// the last game from the one above it. The fifth set of the last game is stored when its box is left.
TEST_F(Setinvoer, TheLastTwoGamesOfATeamOfFourAreTypedThroughToTheEnd)
{
    Wedstrijd w = volledigeWedstrijd("PAH01001", "A");
    w.extra.removeIf([](const auto& v) { return v.first.startsWith("W15") || v.first.startsWith("W16"); });
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 15);
    ASSERT_EQ(focus(), b.TxtSet1T[14]);

    const auto spelen = [&](int rij, const QStringList& standen) {
        const QList<QLineEdit*> thuis{b.TxtSet1T[rij], b.TxtSet2T[rij], b.TxtSet3T[rij], b.TxtSet4T[rij],
                                      b.TxtSet5T[rij]};
        for (int s = 0; s < standen.size(); ++s) {
            ASSERT_EQ(focus(), thuis[s]) << "game " << rij + 1 << " set " << s + 1;
            const QStringList p = standen[s].split('-');
            typ(p[0]);
            toets(Qt::Key_Return);
            typ(p[1]);
            toets(Qt::Key_Return);
        }
    };
    spelen(14, {"11-5", "11-6", "11-7"});
    EXPECT_EQ(focus(), b.TxtSet1T[15]) << "game 15 decided: on to game 16";
    spelen(15, {"11-9", "9-11", "11-9", "9-11", "11-7"});
    EXPECT_EQ(focus(), b.TxtSet5U[15]) << "no game after the last";
    EXPECT_EQ(matchVeld("W16Set4U"), "11");
    toets(Qt::Key_Tab);
    EXPECT_EQ(matchVeld("W16Set5T"), "11");
    EXPECT_EQ(matchVeld("W16Set5U"), "7");
    EXPECT_EQ(matchVeld("W16"), "+");
    EXPECT_EQ(b.TxtSetsThuis[15]->text(), "3");
    EXPECT_EQ(b.TxtSetsUit[15]->text(), "2");
    EXPECT_EQ(b.TxtResT->text(), "16");

    b.TxtSet2T[14]->setFocus();
    toets(Qt::Key_Down);
    EXPECT_EQ(focus(), b.TxtSet2T[15]) << "Down from game 15 reaches game 16";
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

TEST_F(Setinvoer, NothingIsCheckedWhileAForfeitBoxIsTicked)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << qMakePair(QString("forfaituit"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    EXPECT_TRUE(f.blad.ChkForfaitUit->isChecked());
    f.blad.TxtSet1U[3]->setEnabled(true);
    f.blad.TxtSet1T[3]->setEnabled(true);
    f.blad.TxtSet1U[3]->setFocus();
    f.blad.TxtSet1U[3]->setText("3");
    toets(Qt::Key_Tab);
    EXPECT_EQ(matchVeld("W04Set1U"), "") << "not stored, no message";
}

} // namespace

namespace {

// Set 1 of game 1 stored 7-11: a click into the home box, then "4", stores 4-11, not 74-11.
TEST_F(Setinvoer, AClickIntoAFilledBoxSelectsItsTextSoThatTypingReplacesIt)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"7-11"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(focus(), b.TxtSet2T[0]) << "game 1 is not decided: its next set";

    QLineEdit* vak = b.TxtSet1T[0];
    for (const QPoint plek : {QPoint(vak->width() - 2, vak->height() / 2), QPoint(2, vak->height() / 2)}) {
        b.TxtSet1T[1]->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(vak, Qt::LeftButton, {}, plek);
        EXPECT_EQ(focus(), vak);
        EXPECT_EQ(vak->selectedText(), "7") << "clicked at x " << plek.x();
    }
    typ("4");
    EXPECT_EQ(vak->text(), "4");
    toets(Qt::Key_Return);
    toets(Qt::Key_Return);
    EXPECT_EQ(matchVeld("W01Set1T"), "4");
    EXPECT_EQ(matchVeld("W01Set1U"), "11");

    // A click into the box that has the focus already places the caret, as in any text box.
    QTest::mouseClick(b.TxtSet2T[0], Qt::LeftButton);
    ASSERT_EQ(focus(), b.TxtSet2T[0]);
    b.TxtSet2T[0]->setText("10");
    QTest::mouseClick(b.TxtSet2T[0], Qt::LeftButton, {}, QPoint(b.TxtSet2T[0]->width() - 2, 3));
    EXPECT_EQ(b.TxtSet2T[0]->selectedText(), "");
}

// A value stored by other means, longer than typing allows, is shown and checked as it is.
TEST_F(Setinvoer, AStoredValueLongerThanTwoCharactersShowsWholeAndLeavingDoesNotCutIt)
{
    Wedstrijd w = wedstrijd("PAH01001", "A");
    w.extra << sets(1, {"100-98"});
    testhulp::wedstrijdToevoegen(m_db, w);
    FrmWedstrijdInput& f = actiefStarten();
    const core::Wedstrijdblad& b = f.blad;
    EXPECT_EQ(b.TxtSet1T[0]->text(), "100");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "98");

    b.TxtSet1U[0]->setFocus(Qt::TabFocusReason);
    toets(Qt::Key_Tab);
    EXPECT_EQ(matchVeld("W01Set1T"), "100") << "100-98 is a score that stands";
    EXPECT_EQ(matchVeld("W01Set1U"), "98");

    // Typing still stops at two characters: the long text takes nothing more, typed over it is two again.
    QLineEdit* vak = b.TxtSet1T[0];
    vak->setFocus(Qt::TabFocusReason);
    vak->end(false);
    typ("5");
    EXPECT_EQ(vak->text(), "100");
    vak->selectAll();
    typ("123");
    EXPECT_EQ(vak->text(), "12");

    // Emptying the sheet and showing the match again shows it whole again.
    f.lijstKiezen(f.LstWedstrijden, 0);
    EXPECT_EQ(b.TxtSet1T[0]->text(), "100");
}

} // namespace
