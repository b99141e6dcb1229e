// The after-match sheet read back from the saved document: what landed in which paragraph and cell, in
// which font, for teams of four, three and two, with forfeits, byes and absences.

#include "NaAfloopTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using core::algemeen;
using testhulp::cel;
using testhulp::vet;
using testhulp::Wedstrijd;
using Soort = ui::TestMeldingen::Soort;

namespace {

using NaAfloop = testhulp::NaAfloopTest;

TEST_F(NaAfloop, AMatchOfFourFillsHeaderLineUpsRefereeResultsAndClosing)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"VoorbehoudT", db::Waarde("Tafel 2 te laag")}, {"OpmOffScheids", db::Waarde(" ")}});
    FrmWedstrijdInput& f = tonen(w);
    f.blad.OptTKapitein[1]->setChecked(true);
    word::Document d = afdrukken(f);
    nietBezig(f);
    EXPECT_EQ(m_bureaublad.geopend, QStringList{opgeslagenPad("PAH01001")});
    EXPECT_TRUE(m_bureaublad.afgedrukt.isEmpty());

    // Venue lines, values bold at the end
    word::Bereik inhoud = d.Content();
    EXPECT_EQ(inhoud.Paragraphs(1).Text(), "Lokaal:\tSporthal De Bal");
    EXPECT_EQ(inhoud.Paragraphs(2).Text(), "Straat:\tKerkstraat 1");
    EXPECT_EQ(inhoud.Paragraphs(3).Text(), "Gemeente:\t" + f.blad.TxtPlaats->text());
    EXPECT_TRUE(*inhoud.Paragraphs(1).opmaakVan("Sporthal").vet);
    EXPECT_FALSE(*inhoud.Paragraphs(1).opmaakVan("Lokaal").vet);

    // Header table: the mark of a men's match, date, division, hours, number, series
    EXPECT_EQ(cel(d, 1, 1, 2), "X");
    for (const int c : {4, 6})
        EXPECT_EQ(cel(d, 1, 1, c), "\r") << c;
    EXPECT_EQ(cel(d, 1, 2, 1), "Datum:\t12 / 9 / 2010\rAfdeling:\t" + f.blad.TxtAfdeling->text() + "\rAanvang:\t19 u. 45");
    EXPECT_TRUE(vet(d, 1, 2, 1, "12 / 9"));
    EXPECT_FALSE(vet(d, 1, 2, 1, " u. "));
    EXPECT_TRUE(vet(d, 1, 2, 1, "45"));
    EXPECT_EQ(cel(d, 1, 2, 2),
              "Wedstrijdnummer:\t" + f.blad.TxtMatchNr->text() + "\rReeks:\t" + f.blad.TxtReeks->text() + "\rEinde:\t22 u. 15");

    // Line-ups: four places, no doubles row
    EXPECT_EQ(cel(d, 2, 1, 1), "BEZOCHTE PLOEG\r\t" + f.blad.TxtTPloeg->text() + "\r\t" + f.blad.TxtTAanw->text());
    EXPECT_TRUE(vet(d, 2, 1, 1, f.blad.TxtTPloeg->text()));
    for (int r = 3; r <= 6; ++r) {
        const int i = r - 3;
        EXPECT_EQ(cel(d, 2, r, 1), QStringLiteral("%1.\tSpeler %1").arg(i + 1));
        EXPECT_TRUE(vet(d, 2, r, 1, QStringLiteral("Speler %1").arg(i + 1)));
        EXPECT_EQ(cel(d, 2, r, 2), QString::number(500001 + i));
        EXPECT_EQ(cel(d, 2, r, 3), f.blad.LabTVolgnr[i]->text());
        EXPECT_EQ(cel(d, 2, r, 4), QString::number(i + 1));
        EXPECT_EQ(cel(d, 2, r, 5), "C2");
        EXPECT_EQ(cel(d, 2, r, 6), f.blad.LabTIndOverw[i]->text());
        EXPECT_EQ(cel(d, 2, r, 7), r == 4 ? "X" : "") << "the captain's mark";
        EXPECT_EQ(cel(d, 3, r, 1), QStringLiteral("%1.\tSpeler %2").arg(i + 1).arg(i + 5));
        EXPECT_EQ(cel(d, 3, r, 7), r == 4 ? "X" : "");
    }
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:");
    EXPECT_EQ(cel(d, 3, 7, 6), "");

    // Head referee
    EXPECT_EQ(cel(d, 4, 1, 1), "HOOFDSCHEIDSRECHTER\r(officieel aangeduid of aangeduid door de thuisploeg)\r"
                               "Naam:\tScheids Karel\rLidnummer:\tA 500009");
    EXPECT_EQ(cel(d, 4, 1, 2), "TTC Derde\rClub: A003");
    EXPECT_EQ(*d.Tables(4).Cell(1, 2).Range().opmaakVan("Club:").grootte, 8.0);
    EXPECT_TRUE(vet(d, 4, 1, 2, "A003"));

    // Results: sets, sets won and the running score of every game
    EXPECT_EQ(cel(d, 5, 4, 4), "11-5");
    EXPECT_EQ(cel(d, 5, 4, 7), "11-9");
    EXPECT_EQ(cel(d, 5, 4, 8), "");
    EXPECT_EQ(cel(d, 5, 4, 9), "3");
    EXPECT_EQ(cel(d, 5, 4, 10), "1");
    EXPECT_EQ(cel(d, 5, 5, 6), "9-11");
    EXPECT_EQ(cel(d, 5, 5, 7), "");
    EXPECT_EQ(cel(d, 5, 19, 11), "8");
    EXPECT_EQ(cel(d, 5, 19, 12), "8");
    EXPECT_EQ(cel(d, 5, 4, 1), "1") << "the template's game numbers stay";

    // Captains, agreement, remarks, hall commissioner
    EXPECT_EQ(cel(d, 6, 3, 1), "Naam: Speler 2");
    EXPECT_EQ(cel(d, 6, 3, 3), "Naam: Speler 6");
    EXPECT_EQ(cel(d, 6, 4, 1), "Akkoord om de wedstrijden twee aan twee te spelen: Ja (Art.6.32)");
    EXPECT_EQ(d.Tables(7).Cell(1, 1).Range().Paragraphs(1).Text(),
              "Opmerkingen:\tOpm. Thuisploeg: Tafel 2 te laag");
    EXPECT_EQ(d.Tables(7).Cell(1, 1).Range().Paragraphs(2).Text(), "Opm. Off. Scheidsr.:  ");
    const word::Opmaak label = d.Tables(7).Cell(1, 1).Range().opmaakVan("Opm. Thuisploeg");
    EXPECT_EQ(*label.grootte, 8.0);
    EXPECT_FALSE(*label.vet);
    EXPECT_EQ(*label.onderstreept, word::wdUnderlineSingle);
    const word::Opmaak opm = d.Tables(7).Cell(1, 1).Range().opmaakVan("Tafel 2");
    EXPECT_EQ(*opm.grootte, 9.0);
    EXPECT_TRUE(*opm.vet);
    EXPECT_EQ(*opm.onderstreept, word::wdUnderlineNone);
    EXPECT_EQ(cel(d, 8, 1, 1), "Zaalcommissaris:\tZaal Piet\rLidnummer:\tA  500010");
    EXPECT_EQ(testhulp::matchVeld("Einduur"), "22.15");
}

TEST_F(NaAfloop, AMatchOfThreeWritesItsDoublesRowsByPlaceOrByName)
{
    Wedstrijd w = volledig("PAH01002", "G", 10);
    // Home: places 2 and 1. Visitors: place 1 and a player accepted from outside the strength list.
    testhulp::invoegen(m_db, "Alternatief",
                       {{"Clubnummer", db::Waarde("002")}, {"Soort", db::Waarde("Heren")},
                        {"Computernummer", db::Waarde("500099")}, {"Naam", db::Waarde("Invaller Xavier")},
                        {"Provincie", db::Waarde(1)}});
    zetten(w, {{"Opmerk1", db::Waarde("500002500001")}, {"Opmerk2", db::Waarde("500005500099")},
               {"KapiteinT", db::Waarde("1")}, {"KapiteinU", db::Waarde("500099")},
               {"Akkoord2aan2", db::Waarde("j")}});
    // The doubles game (the seventh) won 3-1 by the home pair.
    zetten(w, testhulp::sets(7, {"11-5", "5-11", "11-7", "11-9"}));
    FrmWedstrijdInput& f = tonen(w);
    word::Document d = afdrukken(f);

    for (int r = 3; r <= 5; ++r)
        EXPECT_EQ(cel(d, 2, r, 1), QStringLiteral("%1.\tSpeler %1").arg(r - 2));
    EXPECT_EQ(cel(d, 2, 6, 1), "4.") << "a fourth row is left as the template has it";
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t2 + 1");
    EXPECT_EQ(cel(d, 2, 7, 6), "1");
    EXPECT_EQ(cel(d, 3, 7, 1), "Dubbel:\t1 + Invaller Xavier");
    EXPECT_EQ(cel(d, 3, 7, 6), "0");
    // A captain stored as a place index is the member on that place; one outside Leden comes from Alternatief.
    EXPECT_EQ(cel(d, 6, 3, 1), "Naam: Speler 2");
    EXPECT_EQ(cel(d, 6, 3, 3), "Naam: Invaller Xavier");
    EXPECT_EQ(cel(d, 6, 4, 1), "Akkoord om de wedstrijden twee aan twee te spelen: Neen (Art.6.32)");
    EXPECT_EQ(cel(d, 5, 13, 10), "3") << "the tenth game's row";
    EXPECT_EQ(cel(d, 5, 14, 9), "") << "rows after the scheme's last game are not touched";
    EXPECT_EQ(cel(d, 7, 1, 1), "Opmerkingen:\t\r") << "no remarks entered";
}

TEST_F(NaAfloop, ASuperMatchOfTwoRewritesItsGameOrderMergesTheDoublesAndFramesTheScore)
{
    Wedstrijd w = volledig("PAD01003", "K", 7);
    w.herDam = "D";
    w.soort = "4";
    for (const char* veld : {"THUISSP4", "UITSP4"})
        zetten(w, {{veld, db::Waarde()}});
    FrmWedstrijdInput& f = tonen(w);
    word::Document d = afdrukken(f);

    EXPECT_EQ(cel(d, 1, 1, 4), "\rX") << "Super: the box one line below Jeugd";
    // Option 'SuperDubbelSpelen' is "N": four line-up rows, the fourth an empty place.
    EXPECT_EQ(cel(d, 2, 6, 1), "4.\t");
    EXPECT_EQ(cel(d, 2, 6, 2), "");
    EXPECT_EQ(cel(d, 2, 7, 1), "Dubbel:\t") << "a match of seven games always writes its doubles rows";

    word::Tabel t = d.Tables(5);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(cel(d, 5, i + 4, 1), QString::number(i + 1));
        if (i == 3)
            continue;
        EXPECT_EQ(cel(d, 5, i + 4, 2), f.blad.LabThuisspeler[i]->text()) << i;
        EXPECT_EQ(cel(d, 5, i + 4, 3), f.blad.LabUitspeler[i]->text()) << i;
    }
    EXPECT_EQ(t.CellsCount(7), 11) << "the doubles game's places are one cell";
    EXPECT_EQ(cel(d, 5, 7, 2), "Dubb.");
    EXPECT_EQ(cel(d, 5, 7, 3), "5-11") << "after the merge the sets follow at once";
    for (int r = 11; r <= 19; ++r)
        EXPECT_EQ(cel(d, 5, r, 1) + cel(d, 5, r, 2) + cel(d, 5, r, 3), "") << r;
    word::Randen randen = d.Range(t.Cell(10, 11).Range().Start(), t.Cell(10, 12).Range().End()).Cells().Borders();
    for (const int r : {word::wdBorderLeft, word::wdBorderRight, word::wdBorderTop, word::wdBorderBottom,
                        word::wdBorderVertical})
        EXPECT_EQ(randen.Item(r).LineWidth(), word::wdLineWidth150pt) << r;
    EXPECT_EQ(cel(d, 5, 10, 11), "4");
}

TEST_F(NaAfloop, AForfeitWritesOnlyItsMarkAndNeedsNoOfficialsOrEndTime)
{
    Wedstrijd w = volledig("PAH01001", "A", 0);
    zetten(w, {{"forfaituit", db::Waarde("J")}, {"KapiteinT", db::Waarde()}, {"KapiteinU", db::Waarde()},
               {"HoofdschCompnr", db::Waarde()}, {"HoofdSchNaam", db::Waarde()}, {"HoofdschProv", db::Waarde()},
               {"HoofdschClubNaam", db::Waarde(" ")}, {"HoofdschClubNr", db::Waarde()}, {"Einduur", db::Waarde()},
               {"Zaal", db::Waarde()}});
    FrmWedstrijdInput& f = tonen(w);
    ASSERT_TRUE(f.blad.ChkForfaitUit->isChecked());
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 5, 18, 10), "FF");
    EXPECT_EQ(cel(d, 5, 18, 9), "");
    EXPECT_EQ(cel(d, 5, 4, 4), "") << "no game rows";
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t") << "no end time for a forfeit";
    EXPECT_EQ(testhulp::matchVeld("Einduur"), "") << "nor is one stored";
    EXPECT_EQ(cel(d, 6, 3, 1), "Naam: ");
    EXPECT_EQ(cel(d, 4, 1, 1).section('\r', 3), "Lidnummer:\t ") << "empty referee fields: a tab and a blank";
    EXPECT_EQ(cel(d, 4, 1, 2), "\rClub: ");
}

// A match of three and a Super match that were forfeited print the game order of their own sheet beside the
// mark, as a played one does; the rows after their last game stay blank.
TEST_F(NaAfloop, AForfeitOfASmallerTeamShowsItsOwnGameOrder)
{
    Wedstrijd drie = volledig("PAH01002", "G", 0);
    zetten(drie, {{"forfaitth", db::Waarde("J")}, {"KapiteinT", db::Waarde()}, {"KapiteinU", db::Waarde()},
                  {"Opmerk2", db::Waarde("500005500007")}});
    Wedstrijd twee = volledig("PAD01003", "K", 0);
    twee.herDam = "D";
    twee.soort = "4";
    zetten(twee, {{"forfaituit", db::Waarde("J")}});
    testhulp::wedstrijdToevoegen(m_db, twee);
    FrmWedstrijdInput& f = tonen(drie);
    const core::Wedstrijdblad& b = f.blad;
    for (const auto& [nr, spelen, markering] : {std::tuple{"PAH01002", 10, std::pair{9, "FF"}},
                                                std::tuple{"PAD01003", 7, std::pair{10, "FF"}}}) {
        SCOPED_TRACE(nr);
        kiezen(f, nr);
        ASSERT_EQ(core::algemeen().intLaatsteWedstrijd + 1, spelen);
        m_bureaublad.geopend.clear();
        word::Document d = afdrukken(f);
        for (int g = 0; g < spelen; ++g) {
            const int r = g + 4;
            EXPECT_EQ(cel(d, 5, r, 1), b.LabNrW[g]->text()) << r;
            EXPECT_EQ(cel(d, 5, r, 2), b.LabThuisspeler[g]->text()) << r;
            if (b.LabUitspeler[g]->text().isEmpty())
                EXPECT_EQ(d.Tables(5).CellsCount(r), 11) << "the doubles' places are one cell";
            else
                EXPECT_EQ(cel(d, 5, r, 3), b.LabUitspeler[g]->text()) << r;
        }
        for (int r = spelen + 4; r <= 19; ++r)
            EXPECT_EQ(cel(d, 5, r, 1) + cel(d, 5, r, 2) + cel(d, 5, r, 3), "") << r;
        EXPECT_EQ(cel(d, 5, spelen + 2, markering.first), markering.second);
        EXPECT_EQ(cel(d, 5, 4, 4), "") << "no sets";
    }
}

// Against a free place ("VRIJ") a line-up is asked for only where the other side's name is "BYE " (or that
// side forfeited).
TEST_F(NaAfloop, BesideAFreePlaceOnlyTheLineUpFacingABYEIsAskedFor)
{
    Wedstrijd w = volledig("PAH01001", "A", 0);
    zetten(w, {{"THUISSP4", db::Waarde()}, {"UITSP4", db::Waarde()}});
    FrmWedstrijdInput& f = tonen(w);
    f.blad.TxtTPloeg->setText("Vrij");
    f.blad.TxtUPloeg->setText("BYE A");
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    ASSERT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).at(0).titel, "Spelers Thuisploeg");
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);

    // Visitors that are no "BYE ": neither line-up is asked for.
    f.blad.TxtUPloeg->setText("Tweede A");
    afdrukken(f);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 1);
}

// A match against a free place ("Vrij") is a free match whichever side the free place is on: no captain,
// referee or venue is asked for, nor the line-up beside the free place with a place left empty, and no end
// time is proposed or stored.
TEST_F(NaAfloop, AFreePlaceOfTheVisitorsMakesAFreeMatchAsOneAtHomeDoes)
{
    Wedstrijd uitVrij = wedstrijd("PAH01001", "A");
    uitVrij.lkUit = "Vrij";
    uitVrij.nmuit = "Vrij";
    Wedstrijd thuisVrij = wedstrijd("PAH01002", "A");
    thuisVrij.lkThuis = "Vrij";
    thuisVrij.nmthuis = "Vrij";
    thuisVrij.lkUit = "001";
    thuisVrij.nmuit = "Eerste B";
    // The own team's places 1 to 3; place 4 is left empty.
    for (int i = 1; i <= 3; ++i) {
        const db::Waarde nr(QString::number(500000 + i));
        zetten(uitVrij, {{QStringLiteral("THUISSP%1").arg(i), nr}});
        zetten(thuisVrij, {{QStringLiteral("UITSP%1").arg(i), nr}});
    }
    testhulp::wedstrijdToevoegen(m_db, thuisVrij);
    FrmWedstrijdInput& f = tonen(uitVrij);
    QStringList einde;
    for (const QString nr : {"PAH01001", "PAH01002"}) {
        SCOPED_TRACE(nr.toStdString());
        kiezen(f, nr);
        m_bureaublad.geopend.clear();
        word::Document d = afdrukken(f);
        nietBezig(f);
        EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(m_bureaublad.geopend, QStringList{opgeslagenPad(nr)});
        EXPECT_EQ(f.blad.TxtEinduur->text(), "");
        EXPECT_TRUE(algemeen().rsMatchen.veld("Einduur").isNull());
        einde << cel(d, 1, 2, 2).section('\r', 2);
    }
    EXPECT_EQ(einde, QStringList({"Einde:\t", "Einde:\t"})) << "no end time on the paper";
}

TEST_F(NaAfloop, AByeAndAnAbsentPlayerArePrintedAsTheSheetShowsThem)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    w.nmuit = "BYE A";
    // The visitors' second player was absent: his games are walk-overs.
    zetten(w, {{"AFWUIT2", db::Waarde("J")}, {"WOU2", db::Waarde(" ")}});
    for (const int g : {1, 6, 12, 15}) {
        const QString nn = QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
        for (int s = 1; s <= 5; ++s) {
            zetten(w, {{QStringLiteral("W%1Set%2T").arg(nn).arg(s), db::Waarde(s <= 3 ? "w" : " ")},
                       {QStringLiteral("W%1Set%2U").arg(nn).arg(s), db::Waarde(s <= 3 ? "o" : " ")}});
        }
    }
    FrmWedstrijdInput& f = tonen(w);
    word::Document d = afdrukken(f);
    EXPECT_EQ(cel(d, 5, 18, 10), "BYE") << "a visiting team named BYE ";
    EXPECT_EQ(cel(d, 5, 4, 4), "") << "the mark replaces the game rows";

    // The same match under another name: the walk-overs are copied as they stand.
    m_bureaublad.geopend.clear();
    f.blad.TxtUPloeg->setText("Tweede A");
    d = afdrukken(f);
    EXPECT_EQ(cel(d, 5, 4, 4), "w-o");
    EXPECT_EQ(cel(d, 5, 4, 6), "w-o");
    EXPECT_EQ(cel(d, 5, 4, 7), "");
    EXPECT_EQ(cel(d, 3, 4, 1), "2.\tSpeler 6") << "an absent player is printed like any other";
}

TEST_F(NaAfloop, ChecksRefuseOrAskAndLeaveTheWindowUsable)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"KapiteinU", db::Waarde("0")}});
    FrmWedstrijdInput& f = tonen(w);
    m_meldingen->verwachtMelding(Soort::Kritiek, "Kapitein Bezoekers",
                                 "U dient de kapitein van de bezoekers nog in te vullen !");
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    nietBezig(f);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(opgeslagenPad("PAH01001")));

    // A head referee stored as nothing shows six zeros: that is no head referee either.
    algemeen().rsMatchen.edit();
    algemeen().rsMatchen.zet("KapiteinU", db::Waarde("500006"));
    algemeen().rsMatchen.update();
    f.blad.CmdCompNrHoofdscheidsrechter->setText("000000");
    m_meldingen->verwachtMelding(Soort::Kritiek, "Hoofdscheidsrechter", "U dient de hoofdscheidsrechter nog in te vullen !");
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    nietBezig(f);

    // An incomplete line-up and a game without result are questions; answered Nee, nothing is made.
    f.blad.CmdCompNrHoofdscheidsrechter->setText("500009");
    f.blad.CmdCompNrU[3]->setText(QString());
    f.blad.TxtSetsThuis[5]->setText("2");
    f.blad.TxtSetsUit[5]->setText("2");
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).size(), 2);
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).at(0).titel, "Spelers Bezoekende Ploeg");
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).at(1).tekst,
              "Niet alle resultaten zijn ingevuld. Wenst u toch af te drukken ?");
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    nietBezig(f);
}

TEST_F(NaAfloop, AnEmptyEndTimeIsProposedFromTheClockAndStoredOnlyAfterYes)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"Einduur", db::Waarde(" ")}});
    FrmWedstrijdInput& f = tonen(w);
    m_klok.zet(QDateTime(QDate(2010, 9, 13), QTime(0, 7, 40)));
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    EXPECT_EQ(m_meldingen->getoond(Soort::Vraag).last(),
              (ui::TestMeldingen::Melding{Soort::Vraag, "Einduur wedstrijd", "Einduur van de match om 00.07 uur. OK ?"}));
    EXPECT_EQ(f.blad.TxtEinduur->text(), "");
    EXPECT_EQ(testhulp::matchVeld("Einduur"), " ");
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());

    m_meldingen->verwachtJaNee(true);
    word::Document d = afdrukken(f);
    EXPECT_EQ(f.blad.TxtEinduur->text(), "00.07");
    EXPECT_EQ(testhulp::matchVeld("Einduur"), "00.07");
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t00 u. 07");
}

TEST_F(NaAfloop, ADateThatCannotBeReadAndAMissingMemberDoNotStopTheSheet)
{
    Wedstrijd w = volledig("PAH01001", "A", 16);
    zetten(w, {{"KapiteinT", db::Waarde("500077")}});
    w.soort = "9";
    FrmWedstrijdInput& f = tonen(w);
    f.blad.TxtDatum->setText("31-02-2011");
    word::Document d = afdrukken(f);
    // No kind of match: the date would go at the end of the bookmark's line, but no date can be read; the
    // values after it follow the same moves from there.
    EXPECT_EQ(cel(d, 1, 1, 1), "Soort wedstrijd:");
    EXPECT_EQ(cel(d, 1, 2, 1), "Datum:\t" + f.blad.TxtAfdeling->text() + "\rAfdeling:\t19 u. 45\rAanvang:\t");
    EXPECT_EQ(cel(d, 6, 3, 1), "Naam: 500077") << "a captain found nowhere prints his member number";
}

TEST_F(NaAfloop, WhateverStopsTheDocumentTheWindowIsGivenBack)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));

    // The template is missing.
    QFile::remove(m_map.filePath("WedstrijdGelijnd.dotx"));
    m_meldingen->verwachtMelding(Soort::Kritiek, "Wedstrijdblad",
                                 "Het wedstrijdblad kan niet gemaakt worden.\nHet sjabloon " + m_map.path()
                                     + "/WedstrijdGelijnd.dotx is niet gevonden.");
    f.menu("MnuAfdrWedstrijdbladNaWit")->trigger();
    nietBezig(f);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());

    // The import/export folder cannot be written.
    algemeen().strPadOpslaan = m_map.filePath("weg") + "/";
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    ASSERT_EQ(m_meldingen->getoond(Soort::Kritiek).size(), 2);
    EXPECT_TRUE(m_meldingen->getoond(Soort::Kritiek).last().tekst.contains("Wedstrijdblad PAH01001.docx"));
    m_meldingen->wis();
    nietBezig(f);

    // No import/export folder set: nothing is written anywhere.
    algemeen().strPadOpslaan.clear();
    m_meldingen->verwachtMelding(Soort::Kritiek, "Wedstrijdblad",
                                 "Het wedstrijdblad kan niet gemaakt worden.\nDe map voor import en export (Pad Opslaan) "
                                 "is niet ingesteld: het document kan niet bewaard worden. Stel ze in bij de opties.");
    f.menu("MnuAfdrWedstrijdbladNaOff")->trigger();
    nietBezig(f);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
}

TEST_F(NaAfloop, TheLinedStockTemplateAndADesktopThatCannotOpenIt)
{
    FrmWedstrijdInput& f = tonen(volledig("PAH01001", "A", 16));
    m_bureaublad.kanOpenen = false;
    m_meldingen->verwachtMelding(Soort::Waarschuwing, "Wedstrijdblad",
                                 "Er is geen programma gevonden dat het document kan openen.\n"
                                 "Het document is bewaard als:\n"
                                     + QDir::toNativeSeparators(opgeslagenPad("PAH01001")));
    word::Document d = afdrukken(f, 1);
    EXPECT_EQ(cel(d, 2, 3, 1), "1.\tSpeler 1");
    QFile bestand(opgeslagenPad("PAH01001"));
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    EXPECT_FALSE(bestand.readAll().contains("footer1.xml")) << "the lined stock has no sponsors' footer";
}

} // namespace
