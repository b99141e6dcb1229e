// Games not played and absent players, marked in the player picker: what they write into the match,
// what the set boxes show, and the results the engine makes of them.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>

using core::algemeen;
using testhulp::Velden;
using Soort = ui::TestMeldingen::Soort;

namespace {

const QString Vraag = QStringLiteral("Er zijn al resultaten ingevuld. Deze zullen gewist worden. Doorgaan ?");

class NietGespeeld : public testhulp::BladTest
{
protected:
    // PAH01001 (four players, reeks A) or PAH01002 (three, reeks G) with full line-ups, nobody absent.
    FrmWedstrijdInput& starten(const Velden& extra = {}, const QString& reeks = "A")
    {
        const QString nr = reeks == "A" ? "PAH01001" : "PAH01002";
        testhulp::Wedstrijd w = wedstrijd(nr, reeks);
        for (int i = 1; i <= 4; ++i) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
            w.extra << qMakePair(QStringLiteral("AFWTH%1").arg(i), db::Waarde("N"));
            w.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(i), db::Waarde("N"));
        }
        // Later fields win: the test's own values replace the defaults above.
        for (const auto& v : extra) {
            for (auto& e : w.extra)
                if (e.first == v.first)
                    e.second = v.second;
            if (std::none_of(w.extra.begin(), w.extra.end(), [&](const auto& e) { return e.first == v.first; }))
                w.extra << v;
        }
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = BladTest::starten();
        kiezen(f, nr);
        m_nr = nr;
        return f;
    }

    FrmSpelersKiezen& openen(FrmWedstrijdInput& f, bool thuis, int plaats)
    {
        (thuis ? f.blad.CmdCompNrT : f.blad.CmdCompNrU)[plaats - 1]->click();
        return FrmSpelersKiezen::standaard();
    }

    QString opgeslagen(const QString& kolom) const
    {
        return testhulp::matchVeld(algemeen().dbGegevens, m_nr, kolom, "<Null>");
    }

    // The stored set fields of a game, sets 1 to 5, home then away: "w w w     |o o o    ".
    QString setsOpgeslagen(int spel) const
    {
        QStringList t, u;
        for (int s = 1; s <= 5; ++s) {
            t << opgeslagen(QStringLiteral("W%1Set%2T").arg(spel, 2, 10, QLatin1Char('0')).arg(s));
            u << opgeslagen(QStringLiteral("W%1Set%2U").arg(spel, 2, 10, QLatin1Char('0')).arg(s));
        }
        return t.join(',') + '|' + u.join(',');
    }

    // The set boxes of a game row as shown, and whether they are locked.
    static QString setsGetoond(const core::Wedstrijdblad& b, int rij)
    {
        QStringList t, u;
        for (int s = 1; s <= 5; ++s) {
            t << b.set(rij, s, true)->text();
            u << b.set(rij, s, false)->text();
        }
        return t.join(',') + '|' + u.join(',');
    }
    static bool vergrendeld(const core::Wedstrijdblad& b, int rij)
    {
        for (int s = 1; s <= 5; ++s)
            for (const bool t : {true, false})
                if (!b.set(rij, s, t)->testAttribute(Qt::WA_ForceDisabled)) // disabled by itself, not by the window
                    return false;
        return true;
    }

    QString m_nr;
};

const QString WalkOver = "w,w,w, , |o,o,o, , ";
const QString WalkOverGetoond = "w,w,w,,|o,o,o,,";

// Home place 2 plays its third game in row 10 (game 11) against away place 1.
TEST_F(NietGespeeld, AGameNotPlayedBecomesAWalkOverAndBackAgain)
{
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    FrmSpelersKiezen& k = openen(f, true, 2);
    EXPECT_FALSE(k.ChkWedstrijd[3]->isHidden());
    k.ChkWedstrijd[2]->click();
    EXPECT_EQ(opgeslagen("WOT2"), "32");
    EXPECT_EQ(opgeslagen("W11"), "-"); // the engine: won by the away player
    EXPECT_EQ(setsOpgeslagen(11), WalkOver);
    EXPECT_EQ(setsGetoond(b, 10), WalkOverGetoond);
    EXPECT_TRUE(vergrendeld(b, 10));
    // The result engine ran: the away player won the game.
    EXPECT_EQ(b.TxtWedstrThuis[10]->text(), "0");
    EXPECT_EQ(b.TxtWedstrUit[10]->text(), "1");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);

    // The opponent does not play that game either: neither side wins it.
    openen(f, false, 1);
    k.ChkWedstrijd[2]->click();
    EXPECT_EQ(opgeslagen("WOU1"), "32");
    EXPECT_EQ(opgeslagen("W11"), "=");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);

    // The home player plays it again: his opponent still does not, so the home side wins it.
    openen(f, true, 2);
    EXPECT_TRUE(k.ChkWedstrijd[2]->isChecked());
    k.ChkWedstrijd[2]->click();
    EXPECT_EQ(opgeslagen("WOT2"), "0");
    EXPECT_EQ(opgeslagen("W11"), "+");
    EXPECT_EQ(setsOpgeslagen(11), WalkOver);
    EXPECT_TRUE(vergrendeld(b, 10));
    EXPECT_EQ(b.TxtWedstrThuis[10]->text(), "1");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);

    // And the opponent too: the game is to be played.
    openen(f, false, 1);
    k.ChkWedstrijd[2]->click();
    EXPECT_EQ(opgeslagen("WOU1"), "0");
    EXPECT_EQ(opgeslagen("W11"), " ");
    EXPECT_EQ(setsOpgeslagen(11), " , , , , | , , , , ");
    EXPECT_EQ(setsGetoond(b, 10), ",,,,|,,,,");
    EXPECT_FALSE(vergrendeld(b, 10));
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(f.isEnabled());
}

TEST_F(NietGespeeld, ExistingResultsAreOnlyWipedAfterTheQuestion)
{
    Velden v = testhulp::sets(4, {"11-5", "11-6", "11-7"});
    FrmWedstrijdInput& f = starten(v);
    FrmSpelersKiezen& k = openen(f, true, 1); // home place 1 plays game 4 (row 3) in box 1
    m_meldingen->verwachtJaNee(false);
    k.ChkWedstrijd[0]->click();
    EXPECT_FALSE(k.ChkWedstrijd[0]->isChecked());
    EXPECT_EQ(opgeslagen("W04Set1T"), "11");
    EXPECT_EQ(opgeslagen("WOT1"), "<Null>");
    EXPECT_EQ(m_meldingen->getoond().last(),
              (ui::TestMeldingen::Melding{Soort::Vraag, "Wedstrijd Ongespeeld (W.O.)", Vraag}));

    m_meldingen->verwachtJaNee(true);
    k.ChkWO->click();
    EXPECT_EQ(m_meldingen->getoond().last().titel, "Speler Afwezig (W.O.)");
    EXPECT_EQ(opgeslagen("W04Set1T"), "w");
    EXPECT_EQ(opgeslagen("AFWTH1"), "J");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
}

// Away place 2 is absent; home place 1 meets him in game 12 (row 11).
TEST_F(NietGespeeld, AnAbsenceWithdrawnKeepsTheWalkOverOfAGameAgainstAnAbsentOpponent)
{
    FrmWedstrijdInput& f = starten({{"AFWUIT2", "J"}, {"WOU2", " "}});
    const core::Wedstrijdblad& b = f.blad;
    FrmSpelersKiezen& k = openen(f, true, 1);
    k.ChkWO->click();
    EXPECT_EQ(opgeslagen("AFWTH1"), "J");
    EXPECT_EQ(opgeslagen("WOT1"), " ");
    EXPECT_FALSE(k.FraWO->isEnabled());
    for (QCheckBox* c : k.ChkWedstrijd)
        EXPECT_TRUE(c->isChecked());
    for (int spel : {4, 8, 12, 16})
        EXPECT_EQ(setsOpgeslagen(spel), WalkOver) << spel;
    EXPECT_EQ(opgeslagen("W04"), "-");
    EXPECT_EQ(opgeslagen("W12"), "=");
    EXPECT_EQ(b.TxtWedstrUit[3]->text(), "1");

    k.ChkWO->click();
    EXPECT_EQ(opgeslagen("AFWTH1"), "N");
    EXPECT_EQ(opgeslagen("WOT1"), "0");
    EXPECT_TRUE(k.FraWO->isEnabled());
    for (QCheckBox* c : k.ChkWedstrijd)
        EXPECT_FALSE(c->isChecked());
    EXPECT_EQ(opgeslagen("W04"), " ");
    EXPECT_EQ(setsOpgeslagen(4).left(5), " , , ");
    EXPECT_FALSE(vergrendeld(b, 3));
    EXPECT_EQ(opgeslagen("W12"), "+");
    EXPECT_EQ(setsOpgeslagen(12), WalkOver);
    EXPECT_EQ(setsGetoond(b, 11), WalkOverGetoond);
    EXPECT_TRUE(vergrendeld(b, 11));
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
}

// Away place 4 of a team of four plays games 3, 8, 10 and 13. The sheet holds every other game
// typed (the visitors win games 5 and 11), game 8 won by him and game 10 not yet played. Marked
// absent, he loses his four games by walk-over, and the match ends 14-2.
TEST_F(NietGespeeld, TheLastVisitorOfATeamOfFourAbsentLosesHisGamesAndTheTotalFollows)
{
    Velden v;
    for (int spel = 1; spel <= 16; ++spel) {
        if (spel == 10)
            continue;
        const bool uitWint = spel == 5 || spel == 8 || spel == 11;
        v << qMakePair(QStringLiteral("W%1").arg(spel, 2, 10, QLatin1Char('0')), db::Waarde(uitWint ? "-" : "+"));
        v << testhulp::sets(spel, uitWint ? QStringList{"7-11", "9-11", "8-11"} : QStringList{"11-7", "11-9", "11-8"});
    }
    FrmWedstrijdInput& f = starten(v);
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.TxtResT->text(), "12");
    ASSERT_EQ(b.TxtResU->text(), "3");

    FrmSpelersKiezen& k = openen(f, false, 4);
    m_meldingen->verwachtJaNee(true);
    k.ChkWO->click();
    EXPECT_EQ(m_meldingen->getoond().last(),
              (ui::TestMeldingen::Melding{Soort::Vraag, "Speler Afwezig (W.O.)", Vraag}));
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("AFWUIT4"), "J");
    EXPECT_EQ(opgeslagen("WOU4"), " ");

    for (int spel : {3, 8, 10, 13}) {
        SCOPED_TRACE(spel);
        ASSERT_EQ(b.LabUitspeler[spel - 1]->text(), "4");
        EXPECT_EQ(opgeslagen(QStringLiteral("W%1").arg(spel, 2, 10, QLatin1Char('0'))), "+");
        EXPECT_EQ(setsOpgeslagen(spel), WalkOver);
        EXPECT_EQ(setsGetoond(b, spel - 1), WalkOverGetoond);
        EXPECT_TRUE(vergrendeld(b, spel - 1));
        EXPECT_EQ(b.TxtSetsThuis[spel - 1]->text(), "3");
        EXPECT_EQ(b.TxtSetsUit[spel - 1]->text(), "0");
    }
    // The games he does not play keep their results.
    EXPECT_EQ(opgeslagen("W05"), "-");
    EXPECT_EQ(opgeslagen("W16"), "+");
    EXPECT_EQ(setsGetoond(b, 15), "11,11,11,,|7,9,8,,");
    EXPECT_FALSE(vergrendeld(b, 15));

    EXPECT_EQ(b.TxtWedstrThuis[15]->text(), "14");
    EXPECT_EQ(b.TxtWedstrUit[15]->text(), "2");
    EXPECT_EQ(b.TxtResT->text(), "14");
    EXPECT_EQ(b.TxtResU->text(), "2");
    // Walk-overs are no wins of the players themselves; the absent player shows FF.
    QStringList winst;
    for (int p = 0; p < 4; ++p)
        winst << b.LabTIndOverw[p]->text() + "/" + b.LabUIndOverw[p]->text();
    EXPECT_EQ(winst, QStringList({"3/2", "2/0", "3/0", "2/FF"}));
}

TEST_F(NietGespeeld, TheFourthGameNotPlayedMakesThePlayerAbsent)
{
    FrmWedstrijdInput& f = starten();
    FrmSpelersKiezen& k = openen(f, false, 3);
    for (int i = 0; i < 3; ++i)
        k.ChkWedstrijd[i]->click();
    EXPECT_EQ(opgeslagen("WOU3"), "49");
    k.ChkWedstrijd[3]->click();
    EXPECT_TRUE(k.ChkWO->isChecked());
    EXPECT_EQ(opgeslagen("AFWUIT3"), "J");
    EXPECT_EQ(opgeslagen("WOU3"), " ");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);

    // Opened again for the absent player: absent ticked, the games locked and unticked.
    openen(f, false, 3);
    EXPECT_TRUE(k.ChkWO->isChecked());
    EXPECT_FALSE(k.FraWO->isEnabled());
    EXPECT_FALSE(k.ChkWedstrijd[0]->isChecked());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
}

// Home place 2 of a team of four does not play his games 1, 3 and 4 (mask 97), ticked in either order:
// each of the three, his third game as much as the others, is a walk-over lost 0-3 by the home side,
// and his second game stays to be played. The same after the match is loaded again.
TEST_F(NietGespeeld, AHomePlayerWhoDoesNotPlayGamesOneThreeAndFourLosesEachOfThemByWalkOver)
{
    FrmWedstrijdInput& f = starten();
    const core::Wedstrijdblad& b = f.blad;
    // The row of each of his four games.
    int rijVan[4] = {-1, -1, -1, -1};
    for (int r = 0; r <= 15; ++r) {
        if (b.LabThuisspeler[r]->text() == "2")
            rijVan[r / 4] = r;
    }
    for (int r : rijVan)
        ASSERT_GE(r, 0);
    const auto nagaan = [&](const char* wanneer) {
        SCOPED_TRACE(wanneer);
        EXPECT_EQ(opgeslagen("WOT2"), "97");
        for (int vak : {0, 2, 3}) {
            SCOPED_TRACE(vak + 1);
            const int r = rijVan[vak];
            EXPECT_EQ(opgeslagen(QStringLiteral("W%1").arg(r + 1, 2, 10, QLatin1Char('0'))), "-");
            EXPECT_EQ(setsOpgeslagen(r + 1), WalkOver);
            EXPECT_EQ(setsGetoond(b, r), WalkOverGetoond);
            EXPECT_TRUE(vergrendeld(b, r));
            EXPECT_EQ(b.TxtSetsThuis[r]->text(), "0");
            EXPECT_EQ(b.TxtSetsUit[r]->text(), "3");
        }
        EXPECT_EQ(setsGetoond(b, rijVan[1]), ",,,,|,,,,");
        EXPECT_FALSE(vergrendeld(b, rijVan[1]));
    };

    for (const auto& volgorde : {std::array{0, 2, 3}, std::array{3, 2, 0}}) {
        SCOPED_TRACE(volgorde[0]);
        FrmSpelersKiezen& k = openen(f, true, 2);
        for (int i : volgorde)
            QTest::mouseClick(k.ChkWedstrijd[i], Qt::LeftButton);
        EXPECT_FALSE(k.ChkWO->isChecked());
        QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
        nagaan("marked");
        kiezen(f, m_nr);
        nagaan("loaded again");
        openen(f, true, 2);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(k.ChkWedstrijd[i]->isChecked(), i != 1) << i;
        // Played again, for the next order.
        for (int i : {0, 2, 3})
            QTest::mouseClick(k.ChkWedstrijd[i], Qt::LeftButton);
        EXPECT_EQ(opgeslagen("WOT2"), "0");
        QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    }
}

// In a team of three the hidden fourth box never counts towards the stored mask.
TEST_F(NietGespeeld, ATeamOfThreeStoresOnlyItsOwnGameBoxes)
{
    FrmWedstrijdInput& f = starten({}, "G");
    // Index 1 is too low for team G: the player on the place is shown all the same, without a question.
    FrmSpelersKiezen& k = openen(f, true, 1);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(k.TxtIndex->text(), "1");
    EXPECT_TRUE(k.ChkWedstrijd[3]->isHidden());
    k.ChkWedstrijd[1]->click();
    EXPECT_EQ(opgeslagen("WOT1"), "16");
    k.ChkWO->click();
    EXPECT_EQ(opgeslagen("WOT1"), " ");
    k.ChkWO->click();
    EXPECT_EQ(opgeslagen("AFWTH1"), "N");
    EXPECT_EQ(opgeslagen("WOT1"), "0");
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
}

// Every opening shows the four game boxes again before the scheme hides those it lacks.
TEST_F(NietGespeeld, AFourPlayerMatchAfterATeamOfThreeShowsAllFourGameBoxes)
{
    testhulp::Wedstrijd vier = wedstrijd("PAH01001", "A");
    testhulp::wedstrijdToevoegen(m_db, vier);
    FrmWedstrijdInput& f = starten({}, "G");
    FrmSpelersKiezen& k = openen(f, true, 1);
    EXPECT_TRUE(k.ChkWedstrijd[3]->isHidden());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);

    kiezen(f, "PAH01001");
    openen(f, true, 1);
    for (QCheckBox* c : k.ChkWedstrijd)
        EXPECT_FALSE(c->isHidden()) << c->objectName().toStdString();
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
}

TEST_F(NietGespeeld, AForfeitedMatchLocksTheAbsenceOfEveryPlace)
{
    FrmWedstrijdInput& f = starten({{"forfaituit", "J"}});
    FrmSpelersKiezen& k = openen(f, true, 4);
    EXPECT_TRUE(k.ChkWO->isChecked());
    EXPECT_FALSE(k.ChkWO->isEnabled());
    EXPECT_FALSE(k.ChkWedstrijd[0]->isEnabled());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
}

TEST_F(NietGespeeld, AStoredMaskTicksItsBoxesOnly)
{
    FrmWedstrijdInput& f = starten({{"WOT1", "33"}, {"WOT2", "114"}});
    FrmSpelersKiezen& k = openen(f, true, 1);
    EXPECT_TRUE(k.ChkWedstrijd[0]->isChecked());
    EXPECT_FALSE(k.ChkWedstrijd[1]->isChecked());
    EXPECT_TRUE(k.ChkWedstrijd[2]->isChecked());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    openen(f, true, 2);
    for (QCheckBox* c : k.ChkWedstrijd)
        EXPECT_FALSE(c->isChecked());
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
}

} // namespace
