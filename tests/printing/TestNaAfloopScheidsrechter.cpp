// The officials chosen in the player picker as the after-match sheet prints them: the head referee with the
// club whose strength list he was chosen from, also when the own club plays away; a hall commissioner taken
// off with "Speler Wissen" with no province or member number.

#include "NaAfloopTest.h"
#include "lineup/FrmSpelersKiezen.h"

#include <QLineEdit>
#include <QPushButton>

using testhulp::cel;
using testhulp::Wedstrijd;

namespace {

using NaAfloopScheidsrechter = testhulp::NaAfloopTest;

TEST_F(NaAfloopScheidsrechter, TheHeadRefereeOfAnAwayMatchIsPrintedWithTheHomeClub)
{
    // The own club 001 visits 002; the referee is one of the home club's players.
    Wedstrijd w = volledig("PAH01005", "A", 16);
    w.lkThuis = "002";
    w.nmthuis = "Tweede A";
    w.lkUit = "001";
    w.nmuit = "Eerste A";
    for (int i = 1; i <= 4; ++i)
        zetten(w, {{QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500004 + i))},
                   {QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500000 + i))}});
    zetten(w, {{"KapiteinT", db::Waarde("500006")}, {"KapiteinU", db::Waarde("500002")},
               {"HoofdSchNaam", db::Waarde()}, {"HoofdschProv", db::Waarde()}, {"HoofdschCompnr", db::Waarde()},
               {"HoofdschClubNaam", db::Waarde()}, {"HoofdschClubNr", db::Waarde()}});
    testhulp::lokaalToevoegen(m_db, 9, "Zaal Twee", "Markt 2", "2100", "Deurne", 2, 1, 1);
    FrmWedstrijdInput& f = tonen(w);

    f.blad.CmdCompNrHoofdscheidsrechter->click();
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    k.TxtCompNr->setText("500007");
    k.SpelerInvullen();
    EXPECT_EQ(k.TxtClubNr->text(), "002");
    EXPECT_EQ(k.TxtClubnaam->text(), "Tweede");
    k.CmdSluiten->click();
    ASSERT_EQ(f.blad.CmdCompNrHoofdscheidsrechter->text(), "500007");
    f.blad.CmdCompNrZaalcommissaris->click();
    ASSERT_EQ(k.TxtCompNr->text(), "500010");
    k.CmdSpelerWissen->click();
    k.CmdSluiten->click();
    ASSERT_EQ(f.blad.CmdCompNrZaalcommissaris->text(), "0000");

    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 4, 1, 1).section(u'\r', 2), "Naam:\tSpeler 7\rLidnummer:\tA. 500007");
    EXPECT_EQ(cel(d, 4, 1, 2), "Tweede\rClub: A.002");
    EXPECT_EQ(cel(d, 8, 1, 1), "Zaalcommissaris:\t\rLidnummer:\t  ");
}

} // namespace
