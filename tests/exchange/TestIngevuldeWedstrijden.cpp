// Filled-in matches taken from Export.ttr onto the sheets of this installation: walk-overs with what
// decides them here, games corrected to fewer sets, forfeits, empty places and calendars that come twice.

#include "UitwisselingTest.h"
#include "exchange/IngevuldeWedstrijden.h"
#include "exchange/Wedstrijdrecord.h"
#include "exchange/Wisselbestand.h"


using namespace exchange;
using testhulp::Velden;
using testhulp::Wedstrijd;

namespace {

class IngevuldeWedstrijden : public testhulp::UitwisselingTest
{
protected:
    void SetUp() override
    {
        UitwisselingTest::SetUp();
        testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    }

    // Match PAH05012 of a division of three, with what its sheet already holds.
    void match(const Velden& blad = {})
    {
        Wedstrijd w;
        w.weekNr = "05";
        w.wedstrNr = "PAH05012";
        w.extra = blad;
        testhulp::wedstrijdToevoegen(d(), w);
    }

    // Match S05030 of a Super division, with what its sheet already holds.
    void superMatch(const Velden& blad = {})
    {
        testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "A", "Super", "Super", 4);
        Wedstrijd w;
        w.soortComp = "S";
        w.soort = "4";
        w.weekNr = "05";
        w.wedstrNr = "S05030";
        w.extra = blad;
        testhulp::wedstrijdToevoegen(d(), w);
    }

    // Export.ttr with these sections, read in.
    Importverslag importeren(const QByteArray& secties)
    {
        schrijven(m_eerste.wissel + "Export.ttr", "2010-2011\r\n" + secties);
        return ImportUitvoeren(m_eerste.wissel, m_onderhoud, m_voortgang);
    }

    static QByteArray ingevuld(const QList<QByteArray>& records)
    {
        QByteArray s = "###ingevulde Wedstrijden\r\n " + QByteArray::number(records.size()) + " \r\n";
        for (const QByteArray& r : records)
            s += r + "\r\n";
        return s + "###\r\n";
    }

    QString veld(const QString& kolom) { return matchVeld("PAH05012", kolom); }

    // The result line that this installation makes of a match of a division of three.
    QString resultaatregel(const QString& wedstrNr)
    {
        Recordkenmerken k;
        k.plaatsen = k.spelersPerPloeg = 3;
        db::Recordset rij = d().openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {wedstrNr});
        return rij.eof() ? QString() : WedstrijdRecordMaken(rij, k, Recordgegevens::lezen(d()));
    }

    // A match of a division of three, between two clubs of the given provinces.
    void match(const QString& wedstrNr, const QString& soortComp, const QString& herDam, const QString& reeksNr,
               const QString& provincie, const QString& lkThuis, const QString& lkUit)
    {
        Wedstrijd w;
        w.soortComp = soortComp;
        w.herDam = herDam;
        w.reeksNr = reeksNr;
        w.weekNr = "05";
        w.wedstrNr = wedstrNr;
        w.provThuis = w.provUit = provincie;
        w.lkThuis = lkThuis;
        w.lkUit = lkUit;
        w.nmthuis = "Thuis " + lkThuis;
        w.nmuit = "Bezoekers " + lkUit;
        testhulp::wedstrijdToevoegen(d(), w);
    }

    // A match of the division of three whose sheet is filled in completely, with some values otherwise.
    static Wedstrijd volledig(const QString& wedstrNr, const Velden& anders)
    {
        Wedstrijd w;
        w.weekNr = "05";
        w.wedstrNr = wedstrNr;
        w.lkThuis = "001";
        w.lkUit = "002";
        w.nmthuis = "Dorp 1 A";
        w.nmuit = "Dorp 2 B";
        w.extra = volledigBlad(3);
        for (const auto& anderVeld : anders) {
            const QString kolom = anderVeld.first;
            w.extra.removeIf([&kolom](const auto& v) { return v.first.compare(kolom, Qt::CaseInsensitive) == 0; });
            w.extra << anderVeld;
        }
        return w;
    }

    // A played match's result line, with the given competition code and club codes.
    static QString gespeeld(const QString& code, const QString& thuis, const QString& uit)
    {
        return "I;11;" + code + ";" + thuis + ";" + uit
               + ";111111,222222,333333,1-3;444444,555555,666666,2-3;"
                 "P3/4/6,-3/-4/-6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6;111111,444444,-,-;20:00,22:00;\"\"";
    }

    // The stored set fields of a game: "w,w,w, , |o,o,o, , ".
    QString sets(int spel)
    {
        QStringList t, u;
        for (int s = 1; s <= 5; ++s) {
            t << veld(QStringLiteral("W%1Set%2T").arg(spel, 2, 10, QLatin1Char('0')).arg(s));
            u << veld(QStringLiteral("W%1Set%2U").arg(spel, 2, 10, QLatin1Char('0')).arg(s));
        }
        return t.join(',') + '|' + u.join(',');
    }

    QString maskers()
    {
        QStringList m;
        for (const char* kant : {"WOT", "WOU"})
            for (int p = 1; p <= 4; ++p)
                m << veld(kant + QString::number(p));
        return m.join(',');
    }
};

// The games of a team of three in their order (home place - away place): 1-2, 2-1, 3-3, 1-1, 3-2,
// 2-3, the doubles, 3-1, 1-3, 2-2; turns 1 to 3 are games 1-3, 4-6 and 7-10.
TEST_F(IngevuldeWedstrijden, AWalkOverArrivesWithTheGamesNotPlayedThatDecideIt)
{
    // What this installation held before: masks of a sheet since corrected on the other side.
    match({{"WOT1", "1"}, {"WOT2", "32"}, {"WOU1", "16"}, {"WOU3", " "}});
    // Away player 1 absent; away player 2 did not play turns 1 and 2, home player 3 not turn 2, and
    // home player 1 not turn 2, in which he would have met the absent player.
    const QByteArray record = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;-444444,555555,666666,2-3;"
                              "P9,9,3/4/6,-,-,3/4/6,-,9,-3/-4/-5,3/4/6;-,-,-,-;20:00,22:00;\"\"";
    ASSERT_EQ(importeren(ingevuld({record})).wedstrijden, 1);

    // Home 1, 2, 3 (4 is no place of a team of three), then away 1, 2, 3, 4: the absent player keeps
    // his mask; a present player without games not played has none, "0" where he had one.
    EXPECT_EQ(maskers(), "16,0,16,<null>,16,17, ,<null>");
    QString markers;
    for (int g = 1; g <= 10; ++g)
        markers += veld(QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(markers, "+++==+=+-+");
    for (const int g : {1, 2, 4, 5, 7, 8})
        EXPECT_EQ(sets(g), "w,w,w, , |o,o,o, , ") << g;
}

// A game corrected from five sets to three keeps nothing of its last two sets; a game the record
// leaves out keeps what it had.
TEST_F(IngevuldeWedstrijden, SetsTheRecordNoLongerListsAreEmptied)
{
    Velden blad;
    for (const int g : {1, 2, 3, 4})
        blad << spel(g, "+", {{9, 11}, {11, 9}, {9, 11}, {11, 9}, {11, 7}});
    match(blad);
    const QByteArray record = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;"
                              "P3/4/6,9,,-5/6/-7/-8;-,-,-,-;20:00,22:00;\"\"";
    ASSERT_EQ(importeren(ingevuld({record})).wedstrijden, 1);
    EXPECT_EQ(sets(1), "11,11,11, , |3,4,6, , ");
    EXPECT_EQ(sets(2), "w,w,w, , |o,o,o, , ");
    EXPECT_EQ(sets(3), "9,11,9,11,11|11,9,11,9,7") << "not in the record";
    EXPECT_EQ(sets(4), "5,11,7,8, |11,6,11,11, ");
}

// A Super match sent without its doubles has fifteen entries: each goes to its own game, and game 4
// is marked not played, as the calendar import marks it.
TEST_F(IngevuldeWedstrijden, ASuperMatchWithoutItsDoublesTakesEveryGameAtItsOwnNumber)
{
    superMatch({{"W04", "="}});
    QStringList spellen;
    for (int g = 1; g <= 16; ++g) {
        if (g != 4)
            spellen << QStringLiteral("%1/5/6").arg(g);
    }
    const QByteArray record = "I;11;SUPR-H-05-30;A1;A2;1,2,3,4;5,6,7,8;P" + spellen.join(',').toLatin1()
                              + ";-,-,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({record})).wedstrijden, 1);
    EXPECT_EQ(matchVeld("S05030", "W04"), "=");
    EXPECT_EQ(matchVeld("S05030", "W04Set1T") + matchVeld("S05030", "W04Set3U"), "wo");
    for (int g : {1, 3, 5, 16}) {
        EXPECT_EQ(matchVeld("S05030", QStringLiteral("W%1Set1U").arg(g, 2, 10, QLatin1Char('0'))), QString::number(g));
        EXPECT_EQ(matchVeld("S05030", QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0'))), "+");
    }
}

// A forfeit is stored as ticking the sheet's forfeit box stores it: every game of the match, the
// doubles too, lost by forfeit and every place of the team absent; a later record of the match
// played withdraws it.
TEST_F(IngevuldeWedstrijden, AForfeitArrivesAsAForfeitAndAPlayedMatchWithdrawsIt)
{
    match({{"forfaitth", "N"}, {"forfaituit", "N"}, {"W11", "+"}, {"WOU1", "16"}});
    const QByteArray forfait = "I;11;PANT-H-05-12;A1;A2;--,--,-333333,-;444444,555555,666666,-;P8,8,8,8,8,8,8,8,8,8;"
                               "-,-,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({forfait})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWTH1, AFWTH2, AFWTH3, AFWTH4, THUISSP3, AFWUIT1"),
              QStringList({"J|N|J|J|J|J|333333|N"}));
    QString markers;
    for (int g = 1; g <= 11; ++g)
        markers += veld(QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(markers, "//////////+") << "game 11 is no game of a team of three";
    EXPECT_EQ(veld("WOU1"), "16") << "the masks stay as they are";
    for (int g = 1; g <= 10; ++g)
        EXPECT_EQ(sets(g), "w,w,w, , |o,o,o, , ") << g;

    const QByteArray gespeeld = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;"
                                "P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6;111111,444444,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({gespeeld})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWTH1, W01, W07, W07Set1T"), QStringList({"N|N|N|+|+|11"}));
}

// Only the record of a forfeit is taken for one: every game to the other team, every place of the
// team absent and no captain. The visitors' forfeit, and a Super match sent without its doubles,
// whose fourth game is lost by forfeit too.
TEST_F(IngevuldeWedstrijden, OnlyTheRecordOfAForfeitIsTakenForOne)
{
    match({{"forfaitth", "N"}, {"forfaituit", "N"}});
    const auto record = [](const QByteArray& thuis, const QByteArray& spel, const QByteArray& kapiteinen) {
        QByteArray spellen = "P" + spel;
        for (int g = 2; g <= 10; ++g)
            spellen += "," + spel;
        return "I;11;PANT-H-05-12;A1;A2;" + thuis + ";444444,555555,666666,-;" + spellen + ";" + kapiteinen
               + ",-,-;20:00,;\"\"";
    };
    // One home player came: his games were walk-overs, the doubles was not played; also where he is
    // the last of the line-up.
    for (const QByteArray& thuis : {QByteArray("--,111111,--,-"), QByteArray("--,--,333333,-")}) {
        ASSERT_EQ(importeren(ingevuld({record(thuis, "8", "-,-")})).wedstrijden, 1);
        EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWTH4, W07"), QStringList({"N|N|N|-"})) << thuis.toStdString();
    }
    // The visitors' captain is named: the home players stayed away, the team did not forfeit.
    ASSERT_EQ(importeren(ingevuld({record("--,--,--,-", "8", "-,444444")})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWTH4, W07"), QStringList({"N|N|N|-"}));
    // The visitors forfeited.
    const QByteArray uit = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;--,--,--,-;P9,9,9,9,9,9,9,9,9,9;-,-,-,-;"
                           "20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({uit})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWUIT4, W01, W07"), QStringList({"N|J|J|*|*"}));
    // A record without games (a free place) leaves the forfeit as stored.
    const QByteArray vrij = "I;11;PANT-H-05-12;A1;Bye;111111,222222,333333,1-3;-,-,-,-;P;-,-,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({vrij})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit"), QStringList({"N|J"}));
    // The visitors' forfeit with the home captain typed is written naming no captain, and taken for a
    // forfeit again.
    d().uitvoeren("UPDATE Matchen SET KapiteinT = '111111', AFWUIT1 = 'J', AFWUIT2 = 'J', AFWUIT3 = 'J', AFWUIT4 = 'J'");
    const QStringList sectie = IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011").regels;
    ASSERT_EQ(sectie.size(), 4);
    EXPECT_TRUE(sectie[2].contains(";P9,9,9,9,9,9,9,9,9,9;-,-,-,-;")) << sectie[2].toStdString();
    d().uitvoeren("UPDATE Matchen SET forfaituit = 'N'");
    ASSERT_EQ(importeren(ingevuld({sectie[2].toLatin1()})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, KapiteinT"), QStringList({"N|J|111111"}));

    superMatch();
    const QByteArray super = "I;11;SUPR-H-05-30;A1;A2;--,--,--,--;5,6,7,8;P8,8,8,8,8,8,8,8,8,8,8,8,8,8,8;-,-,-,-;"
                             "20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({super})).wedstrijden, 1);
    EXPECT_EQ(matchVeld("S05030", "forfaitth"), "J");
    EXPECT_EQ(matchVeld("S05030", "W04"), "/");
    EXPECT_EQ(matchVeld("S05030", "W04Set1T"), "w");
    EXPECT_EQ(matchVeld("S05030", "W16"), "/");
}

// Two provinces' calendars in one database, whose matches have the same season and number: a record
// fills the row of its own province only.
TEST_F(IngevuldeWedstrijden, ARecordFillsOnlyTheRowOfItsOwnProvince)
{
    for (const char* provincie : {"1", "8"}) {
        Wedstrijd w;
        w.weekNr = "05";
        w.wedstrNr = "PH05012";
        w.provThuis = w.provUit = provincie;
        testhulp::wedstrijdToevoegen(d(), w);
    }
    const QByteArray antwerpen = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;P;-,-,-,-;"
                                 "20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({antwerpen})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "ProvThuis, THUISSP1, UITSP3, Uur"), QStringList({"1|111111|666666|20.00", "8|<null>|<null>|19.45"}));
    const QByteArray brabant = "I;11;PVLB-H-05-12;VLB1;VLB2;121212,222222,333333,1-3;444444,555555,676767,2-3;P;-,-,-,-;"
                               "20:30,;\"\"";
    ASSERT_EQ(importeren(ingevuld({brabant})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "ProvThuis, THUISSP1, UITSP3, Uur"), QStringList({"1|111111|666666|20.00", "8|121212|676767|20.30"}));
}

// Two provinces' byes in one database, with the same season and number: the result line of a bye at
// home names no competition code, and fills the row whose visitors it names; a line whose visitors
// play no such bye is passed over.
TEST_F(IngevuldeWedstrijden, TheRecordOfAByeAtHomeFillsTheRowOfItsVisitors)
{
    for (const char* provincie : {"1", "8"}) {
        Wedstrijd w;
        w.weekNr = "05";
        w.wedstrNr = "PH05012";
        w.provThuis = "0";
        w.lkThuis = w.nmthuis = "Vrij";
        w.provUit = provincie;
        w.lkUit = "001";
        testhulp::wedstrijdToevoegen(d(), w);
    }
    const QByteArray antwerpen = "I;11;-H-05-12;Bye;A1;-,-,-,-;111111,222222,333333,-;P;-,-,-,-;,;\"\"";
    ASSERT_EQ(importeren(ingevuld({antwerpen})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "ProvUIT, THUISSP1, UITSP1, UITSP3"), QStringList({"1|<null>|111111|333333", "8|<null>|<null>|<null>"}));
    const QByteArray brabant = "I;11;-H-05-12;Bye;VLB1;-,-,-,-;121212,222222,676767,-;P;-,-,-,-;,;\"\"";
    ASSERT_EQ(importeren(ingevuld({brabant})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "ProvUIT, THUISSP1, UITSP1, UITSP3"), QStringList({"1|<null>|111111|333333", "8|<null>|121212|676767"}));

    const Importverslag v = importeren(ingevuld({"I;11;-H-05-12;Bye;A2;-,-,-,-;131313,222222,333333,-;P;-,-,-,-;,;\"\""}));
    EXPECT_EQ(v.wedstrijden, 0);
    EXPECT_EQ(v.nietOvergenomen, QStringList{"wedstrijd -H-05-12 van 2010-2011: de wedstrijd staat niet in de kalender"});
    EXPECT_EQ(inhoud("Matchen", "ProvUIT, UITSP1"), QStringList({"1|111111", "8|121212"}));

    // A recreational division of Limburg sends game 7, the doubles, as "-" in every line, also in that
    // of a bye ("P-,"): that entry is game 7's. The bye arrives without games and is sent on as it came;
    // a line that lists fewer games has the entry last, and it goes to game 7; a short line without it
    // keeps its games where they are.
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "R", "Vrijetijd A - Prov. Limburg - Heren", "VT A", 3);
    for (const char* nr : {"PLKH05020", "PLKH05021", "PLKH05022"}) {
        Wedstrijd limburg;
        limburg.weekNr = "05";
        limburg.wedstrNr = nr;
        limburg.reeksNr = "R";
        limburg.provThuis = limburg.provUit = "3";
        limburg.lkThuis = "001";
        limburg.nmthuis = "Thuis A";
        limburg.lkUit = limburg.nmuit = QString(nr).endsWith('0') ? "Vrij" : "002";
        testhulp::wedstrijdToevoegen(d(), limburg);
    }
    const QString bye = "I;11;PL/K-H-05-20;L1;Bye;111111,222222,333333,-;-,-,-,-;P-,;-,-,-,-;20:00,;\"\"";
    const QString kort = "I;11;PL/K-H-05-21;L1;L2;111111,222222,333333,-;444444,555555,666666,-;P3/4/6,-,;-,-,-,-;20:00,;\"\"";
    const QString zonder = "I;11;PL/K-H-05-22;L1;L2;111111,222222,333333,-;444444,555555,666666,-;P3/4/6,3/4/6,;-,-,-,-;"
                           "20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({bye.toLatin1(), kort.toLatin1(), zonder.toLatin1()})).wedstrijden, 3);
    QString spellen;
    for (int g = 1; g <= 10; ++g)
        spellen += matchVeld("PLKH05020", QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')))
                   + matchVeld("PLKH05020", QStringLiteral("W%1Set1T").arg(g, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(spellen, QString("<null><null>").repeated(10)) << "the bye has no games";
    EXPECT_EQ(inhoud("Matchen", "W01, W02, W07, W07Set1T, W07Set1U", "WedstrNr = 'PLKH05021'"),
              QStringList{"+|<null>|=|w|o"});
    EXPECT_EQ(inhoud("Matchen", "W01, W02, W07", "WedstrNr = 'PLKH05022'"), QStringList{"+|+|<null>"});
    const QStringList sectie = IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011").regels;
    EXPECT_EQ(sectie.filter("PL/K-H-05-"), QStringList{bye}) << "the bye is sent on as it came";
}

// Export.ttr written on this installation and read on a second that held other values first: a place
// of an absent player without a member number, a forfeit of the other team, a doubles pair of which a
// player left the line-up (of either team, also the third, and one sent by the other player's place
// alone). The second sends the same result line for each.
TEST_F(IngevuldeWedstrijden, ARecordLeavesTheReceiversSheetAsTheSendersIs)
{
    // Absent without a member number here, a player there.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05012", {{"UITSP2", " "}, {"AFWUIT2", "J"}}));
    // The visitors forfeited here, the home team there.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05013", {{"forfaituit", "J"}, {"AFWUIT1", "J"}, {"AFWUIT2", "J"},
                                                             {"AFWUIT3", "J"}, {"AFWUIT4", "J"}}));
    // No doubles pair here; there one of a player who no longer plays.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05014", {{"THUISSP1", "512309"}}));
    // No doubles pair here; there one of two players who still play: it stays.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05015", {}));
    // The pair of both places here, of which the first player left his place: "-2" here and there.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05016", {{"THUISSP1", "512309"}, {"Opmerk1", "512301512302"}}));
    // No doubles pair here; there one of which the third player left his place.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05017", {{"THUISSP3", "512309"}}));
    // No pairs here; there a pair of each team whose players still play: both stay.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05018", {}));
    // No doubles pair of the visitors here; there one of a visitor who no longer plays.
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05019", {{"UITSP1", "498109"}}));
    const QStringList wedstrijden{"PAH05012", "PAH05013", "PAH05014", "PAH05016", "PAH05017", "PAH05019"};
    QStringList hier;
    for (const QString& m : wedstrijden)
        hier << resultaatregel(m);
    ASSERT_TRUE(hier[0].contains(";498101,--,498103,-;")) << hier[0].toStdString();
    ASSERT_TRUE(hier[1].contains(";P9,9,9,9,9,9,9,9,9,9;")) << hier[1].toStdString();
    ASSERT_TRUE(hier[2].contains(";512309,512302,512303,-;")) << hier[2].toStdString();
    ASSERT_TRUE(hier[3].contains(";512309,512302,512303,-2;")) << hier[3].toStdString();
    ASSERT_TRUE(hier[4].contains(";512301,512302,512309,-;")) << hier[4].toStdString();
    ASSERT_TRUE(hier[5].contains(";498109,498102,498103,-;")) << hier[5].toStdString();
    ExportUitvoeren(m_eerste.wissel, "2010-2011", m_onderhoud, m_voortgang);

    testhulp::Installatie tweede;
    openen(tweede);
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05012", {{"UITSP2", "498112"}, {"AFWUIT2", "N"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05013", {{"forfaitth", "J"}, {"AFWTH1", "J"}, {"AFWTH2", "J"},
                                                             {"AFWTH3", "J"}, {"AFWTH4", "J"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05014", {{"Opmerk1", "512301512302"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05015", {{"Opmerk1", "512302512303"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05016", {{"Opmerk1", "512301512302"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05017", {{"Opmerk1", "512301512303"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05018", {{"Opmerk1", "512301512302"}, {"Opmerk2", "498102498103"}}));
    testhulp::wedstrijdToevoegen(d(), volledig("PAH05019", {{"Opmerk2", "498101498102"}}));
    const Importverslag v = ImportUitvoeren(m_eerste.wissel, m_onderhoud, m_voortgang);
    EXPECT_EQ(v.wedstrijden, 8);
    for (int i = 0; i < wedstrijden.size(); ++i)
        EXPECT_EQ(resultaatregel(wedstrijden[i]), hier[i]) << wedstrijden[i].toStdString();
    // The home team's forfeit withdrawn gives back every place of it, the fourth too, which a team of
    // three does not use, as the sheet's forfeit box does.
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWTH1, AFWTH2, AFWTH3, AFWTH4, AFWUIT4", "WedstrNr = 'PAH05013'"),
              QStringList{"N|J|N|N|N|N|J"});
    EXPECT_EQ(matchVeld("PAH05015", "Opmerk1"), "512302512303");
    EXPECT_EQ(inhoud("Matchen", "Opmerk1, Opmerk2", "WedstrNr = 'PAH05018'"), QStringList{"512301512302|498102498103"});
}

// An official follows his member number. Another number than the one held here takes the name, club
// and province of that member as the player picker stores them; a number the members lack leaves them
// empty; "-" empties them with the number; the number held here changes nothing, not even a name
// typed here, and a line without the official nothing either. Also into a calendar of the same file,
// where nothing is held yet.
TEST_F(IngevuldeWedstrijden, AnOfficialFollowsHisMemberNumber)
{
    testhulp::lidToevoegen(d(), "700001", "Scheids Een", "001", 1);
    testhulp::lidToevoegen(d(), "700002", "Scheids Twee", "045", 8);
    // Listed a second time, under his former club: his first row counts, as for the player picker.
    testhulp::lidToevoegen(d(), "700002", "Scheids Twee Vroeger", "001", 1);
    testhulp::clubToevoegen(d(), 8, "045", "TTC Vlaams-Brabant Vijfenveertig", "Vijfenveertig");
    const QString officials = "HoofdschCompnr, HoofdSchNaam, HoofdschProv, HoofdschClubNr, HoofdschClubNaam, "
                              "ZaalcommCompnr, ZaalCommNaam, ZaalCommProv";
    match({{"HoofdschCompnr", "700001"}, {"HoofdSchNaam", "Scheids Een"}, {"HoofdschProv", "A."},
           {"HoofdschClubNr", "001"}, {"HoofdschClubNaam", "Dorp"}, {"ZaalcommCompnr", "700001"},
           {"ZaalCommNaam", "Jan Getypt"}, {"ZaalCommProv", "A."}});
    const auto record = [](const QString& hoofdscheids, const QString& zaalcommissaris) {
        return QStringLiteral("I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;P;-,-,%1,%2;"
                              "20:00,;\"\"")
            .arg(hoofdscheids, zaalcommissaris)
            .toLatin1();
    };
    ASSERT_EQ(importeren(ingevuld({record("700002", "700009")})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", officials),
              QStringList{"700002|Scheids Twee|VB.|045|Vijfenveertig|700009| | "});

    ASSERT_EQ(importeren(ingevuld({record("-", "700001")})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", officials), QStringList{" | | | | |700001|Scheids Een|A."});

    // The same official again: a name typed here stays.
    d().uitvoeren("UPDATE Matchen SET ZaalCommNaam = 'Jan Getypt'");
    ASSERT_EQ(importeren(ingevuld({record("-", "700001")})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", officials), QStringList{" | | | | |700001|Jan Getypt|A."});

    // A line without the hall commissioner says nothing of him: he stays with his name.
    const QByteArray zonderZaalcommissaris = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;P;"
                                             "-,-,-;20:00;\"\"";
    ASSERT_EQ(importeren(ingevuld({zonderZaalcommissaris})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", officials), QStringList{" | | | | |700001|Jan Getypt|A."});

    // A calendar and its records into an empty table: the official of the last record, with his name.
    d().uitvoeren("DELETE FROM Matchen");
    const QByteArray kalender = "###Matchen\r\n 1 \r\n"
                                "2010-2011;P;05;H;PAH05012;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
                                "###\r\n";
    importeren(kalender + ingevuld({record("700001", "700002"), record("700002", "-")}));
    EXPECT_EQ(inhoud("Matchen", officials), QStringList{"700002|Scheids Twee|VB.|045|Vijfenveertig| | | "});
}

// Henegouwen, Luik, Luxemburg, Namen and Waals-Brabant give their provincial matches no competition
// code: the result line begins with "-", and the home club's code (TabT and club number) names the
// province. Each fills the match of its own province, which sends the same line on.
TEST_F(IngevuldeWedstrijden, AProvincialMatchOfAProvinceWithoutACodeFillsItsMatch)
{
    match("PH05012", "P", "H", "A", "2", "005", "007");
    match("PLGH05012", "P", "H", "A", "4", "005", "007");
    match("PNH05012", "P", "H", "A", "6", "005", "007");
    const QString henegouwen = gespeeld("-H-05-12", "H5", "H7");
    const QString luik = gespeeld("-H-05-12", "LG5", "LG7");
    const Importverslag v = importeren(ingevuld({henegouwen.toLatin1(), luik.toLatin1()}));
    EXPECT_EQ(v.nietOvergenomen, QStringList());
    EXPECT_EQ(v.wedstrijden, 2);
    EXPECT_EQ(resultaatregel("PH05012"), henegouwen);
    EXPECT_EQ(resultaatregel("PLGH05012"), luik);
    EXPECT_EQ(matchVeld("PNH05012", "THUISSP1"), "<null>") << "Namen's match stays as it was";

    // A club of a province that the table Provincies does not know finds no match.
    const Importverslag onbekend = importeren(ingevuld({gespeeld("-H-05-12", "XY5", "XY7").toLatin1()}));
    EXPECT_EQ(onbekend.nietOvergenomen,
              QStringList{"wedstrijd -H-05-12 van 2010-2011: de wedstrijd staat niet in de kalender"});
}

// A Super ladies' match and a national ladies' match of the same week and number are both coded
// NATL-D: the clubs of the result line tell which is which, and each gets its own record. The men's
// Super matches have a code of their own: a national men's match missing here fills no Super match.
TEST_F(IngevuldeWedstrijden, ASuperAndANationalLadiesMatchOfOneNumberEachGetTheirOwnRecord)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "N", "D", "N", "Nationaal 1 Dames", "1D", 3);
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "D", "S", "Super Afdeling - Dames", "Super D", 3);
    match("N05030", "N", "D", "N", "1", "001", "002");
    match("S05030", "S", "D", "S", "8", "045", "107");
    const QString super = gespeeld("NATL-D-05-30", "VLB45", "VLB107");
    const QString nationaal = gespeeld("NATL-D-05-30", "A1", "A2").replace("111111,", "121212,");
    for (const QStringList& volgorde : {QStringList{super, nationaal}, QStringList{nationaal, super}}) {
        const Importverslag v = importeren(ingevuld({volgorde[0].toLatin1(), volgorde[1].toLatin1()}));
        EXPECT_EQ(v.wedstrijden, 2);
        EXPECT_EQ(resultaatregel("S05030"), super);
        EXPECT_EQ(resultaatregel("N05030"), nationaal);
    }
    // Clubs of neither row: the national match of the number, never the Super one.
    const QString geen = gespeeld("NATL-D-05-30", "A7", "A8").replace("111111,", "131313,");
    EXPECT_EQ(importeren(ingevuld({geen.toLatin1()})).wedstrijden, 1);
    EXPECT_EQ(matchVeld("N05030", "THUISSP1"), "131313");
    EXPECT_EQ(resultaatregel("S05030"), super);

    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "T", "Super Afdeling - Heren", "Super", 4);
    match("S05031", "S", "H", "T", "8", "045", "107");
    const QString heren = gespeeld("NATL-H-05-31", "VLB45", "VLB107");
    const Importverslag v = importeren(ingevuld({heren.toLatin1()}));
    EXPECT_EQ(v.nietOvergenomen,
              QStringList{"wedstrijd NATL-H-05-31 van 2010-2011: de wedstrijd staat niet in de kalender"});
    EXPECT_EQ(matchVeld("S05031", "THUISSP1"), "<null>");
}

// A Super men's match of two is read the way its result line was written, also where its kind is
// stored otherwise than on the installation that wrote it: four places and no game 4, or three places,
// the doubles pair and every game.
TEST_F(IngevuldeWedstrijden, ASuperMatchOfTwoIsReadTheWayItWasWritten)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "T", "Super Afdeling - Heren", "Super", 2);
    Wedstrijd w;
    w.soortComp = "S";
    w.reeksNr = "T";
    w.weekNr = "05";
    w.wedstrNr = "S05031";
    w.soort = "1";
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "S05032";
    w.soort = "4";
    testhulp::wedstrijdToevoegen(d(), w);
    const QByteArray zonderDubbel = "I;11;SUPR-H-05-31;A1;A2;111111,222222,333333,444444;555555,666666,777777,888888;"
                                    "P1/1/1,2/2/2,3/3/3,5/5/5,6/6/6,7/7/7;-,-,-,-;20:00,;\"\"";
    const QByteArray metDubbel = "I;11;SUPR-H-05-32;A1;A2;111111,222222,333333,1-3;555555,666666,777777,2-3;"
                                 "P1/1/1,2/2/2,3/3/3,-4/-4/-4,5/5/5,6/6/6,7/7/7;-,-,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({zonderDubbel, metDubbel})).wedstrijden, 2);
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, THUISSP4, UITSP4, Opmerk1, Opmerk2, W04, W04Set1T, W05Set1U, W07Set1U",
                     "SoortComp = 'S'"),
              QStringList({"S05031|444444|888888|<null>|<null>|=|w|5|7", "S05032|<null>|<null>|111111333333|666666777777|-|4|5|7"}));
}

// An empty place ("-") is not an absence and keeps what is stored; "--" is an absence without a member,
// whose place is emptied, and "-" with a member number is that member absent.
TEST_F(IngevuldeWedstrijden, AnEmptyPlaceOfTheLineUpIsNoAbsence)
{
    match({{"THUISSP2", "222222"}, {"AFWTH2", "J"}, {"UITSP3", "666666"}});
    const QByteArray record = "I;11;PANT-H-05-12;A1;A2;111111,-,333333,-;444444,-555555,--,-;P;-,-,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({record})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "THUISSP1, AFWTH1, THUISSP2, AFWTH2, UITSP2, AFWUIT2, UITSP3, AFWUIT3"),
              QStringList({"111111|N|222222|N|555555|J| |J"}));
}

// A captain whose member number is one digit 0 to 3 would be read as a place: he is stored as his
// own place, also the first (counted from 0), and his result line names him again.
TEST_F(IngevuldeWedstrijden, ACaptainWithAOneDigitMemberNumberIsStoredAsHisPlace)
{
    match();
    const QByteArray record = "I;11;PANT-H-05-12;A1;A2;1,222222,333333,1-3;444444,3,666666,2-3;P;1,3,-,-;20:00,;\"\"";
    ASSERT_EQ(importeren(ingevuld({record})).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "KapiteinT, KapiteinU"), QStringList({"0|1"}));
    Recordkenmerken k;
    k.plaatsen = k.spelersPerPloeg = 3;
    db::Recordset rij = d().openRecordset("SELECT * FROM Matchen WHERE WedstrNr = 'PAH05012'");
    EXPECT_TRUE(WedstrijdRecordMaken(rij, k, Recordgegevens::lezen(d())).contains(";1,3,-,-;"));
}

// A calendar that comes twice in one file, read into an empty table, stores each match once, with
// the sheet that the file's filled-in match gives it.
TEST_F(IngevuldeWedstrijden, TwoCalendarsOfTheSameMatchIntoAnEmptyTableStoreItOnce)
{
    ASSERT_EQ(aantal("Matchen"), 0);
    const QByteArray kalender = "###Matchen\r\n 1 \r\n"
                                "2010-2011;P;05;H;PAH05012;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
                                "###\r\n";
    const QByteArray record = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;"
                              "P9,3/4/6;-,-,-,-;20:00,22:00;\"\"";
    importeren(kalender + kalender + ingevuld({record}));
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, THUISSP1, Uur, W01, W02, WOU2"), QStringList({"PAH05012|111111|20.00|+|+|1"}));
    importeren(kalender + ingevuld({record}) + kalender);
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, THUISSP1, Uur, W01, W02, WOU2"), QStringList({"PAH05012|111111|19.30|+|+|1"}))
        << "a calendar after the records gives the match its hour again";
}

// A forfeit that comes with its calendar into an empty table is written with the row, over the
// calendar's defaults.
TEST_F(IngevuldeWedstrijden, AForfeitWithItsCalendarIntoAnEmptyTable)
{
    const QByteArray kalender = "###Matchen\r\n 1 \r\n"
                                "2010-2011;P;05;H;PAH05012;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
                                "###\r\n";
    const QByteArray forfait = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;--,--,--,-;P9,9,9,9,9,9,9,9,9,9;"
                               "-,-,-,-;19:30,;\"\"";
    importeren(kalender + ingevuld({forfait}));
    EXPECT_EQ(inhoud("Matchen", "forfaitth, forfaituit, AFWUIT4, AFWTH1, W07, W07Set3U, Akkoord2aan2"),
              QStringList({"N|J|J|N|*|o|J"}));
}

// Two records of one match with its calendar into an empty table: what the later one empties (a
// visitor now absent without a member number, and with him the visitors' doubles pair) is empty as it
// is when the same records come into the table that holds the match.
TEST_F(IngevuldeWedstrijden, ALaterRecordEmptiesWhatAnEarlierGaveAlsoWithItsCalendarIntoAnEmptyTable)
{
    const QByteArray kalender = "###Matchen\r\n 1 \r\n"
                                "2010-2011;P;05;H;PAH05012;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
                                "###\r\n";
    const QByteArray eerste = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-2;444444,555555,666666,2-3;P;-,-,-,-;"
                              "20:00,;\"\"";
    const QByteArray tweede = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,-;444444,--,666666,-;P;-,-,-,-;20:00,;\"\"";
    const QString kolommen = "UITSP2, AFWUIT2, Opmerk1, Opmerk2";
    importeren(kalender + ingevuld({eerste, tweede}));
    const QStringList leeg = inhoud("Matchen", kolommen);
    EXPECT_EQ(leeg, QStringList{" |J|111111222222| "});

    d().uitvoeren("DELETE FROM Matchen");
    importeren(kalender);
    importeren(ingevuld({eerste, tweede}));
    EXPECT_EQ(inhoud("Matchen", kolommen), leeg);
}

// The count line of the section is the number of result lines written: a match that cannot be
// written is named and not counted.
TEST_F(IngevuldeWedstrijden, TheCountLineCountsTheResultLinesWritten)
{
    Wedstrijd w;
    w.wedstrNr = "PAH05012";
    w.weekNr = "05";
    w.extra = volledigBlad(3);
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "PAH05013";
    w.provUit = "12";
    w.nmthuis = "Dorp 3 A";
    w.nmuit = "Verweg B";
    testhulp::wedstrijdToevoegen(d(), w);
    const IngevuldeSectie sectie = IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011");
    ASSERT_EQ(sectie.regels.size(), 4);
    EXPECT_EQ(sectie.regels[1], " 1 ");
    EXPECT_TRUE(sectie.regels[2].startsWith("I;11;PANT-H-05-12;")) << sectie.regels[2].toStdString();
    EXPECT_EQ(sectie.wedstrijden, 1);
    ASSERT_EQ(sectie.overgeslagen.size(), 1);
    EXPECT_TRUE(sectie.overgeslagen[0].contains("provincie 12 staat niet in de tabel Provincies"))
        << sectie.overgeslagen[0].toStdString();
}

// A Super men's match sent without its doubles lists its games from game 4 on one place further: a
// games field of one or two entries has no place for that. Such a record is refused alone, named by
// its line as the other damaged records are, and writes nothing; the records after it still come in.
// A record without games, and the same entries where the doubles is played, are taken in.
TEST_F(IngevuldeWedstrijden, ASuperMatchWithoutItsDoublesAndOneOrTwoGamesIsRefusedAsDamaged)
{
    superMatch();
    match();
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "N");
    const QByteArray begin = "I;11;SUPR-H-05-30;A1;A2;512301,512302,512303,512304;498101,498102,498103,498104;";
    const QByteArray einde = ";-,-,-,-;20:00,;\"\"";
    const QByteArray provinciaal = "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,1-3;444444,555555,666666,2-3;"
                                   "P7,7,7,7,7,7,7,7,7,7;111111,444444,-,-;19:30,22:05;\"\"";
    for (const QByteArray& spellen : {QByteArray("P3"), QByteArray("P3/5"), QByteArray("P,")}) {
        d().uitvoeren("UPDATE Matchen SET THUISSP1 = NULL, W01Set1T = NULL");
        const QString blad = "THUISSP1, THUISSP4, UITSP4, W01, W01Set1U, W05, W05Set1T, Uur";
        const QStringList superVoor = inhoud("Matchen", blad, "WedstrNr = 'S05030'");
        const Importverslag verslag = importeren(ingevuld({begin + spellen + einde, provinciaal}));
        EXPECT_EQ(verslag.nietOvergenomen,
                  QStringList(QStringLiteral("Regel 4: de ingevulde wedstrijd kan niet gelezen worden: de spellen "
                                             "\"%1\" van een Supermatch zonder dubbel hebben maar %2 van de 15 spellen")
                                  .arg(QString::fromLatin1(spellen))
                                  .arg(spellen.count(',') + 1)));
        EXPECT_EQ(verslag.wedstrijden, 1) << spellen.toStdString();
        EXPECT_EQ(inhoud("Matchen", blad, "WedstrNr = 'S05030'"), superVoor) << spellen.toStdString();
        EXPECT_EQ(veld("THUISSP1"), "111111") << spellen.toStdString();
        EXPECT_EQ(veld("W01Set1T"), "11") << spellen.toStdString();
    }
    EXPECT_EQ(importeren(ingevuld({begin + "P" + einde})).wedstrijden, 1);
    EXPECT_EQ(matchVeld("S05030", "THUISSP4"), "512304");

    testhulp::optieZetten(d(), "SuperDubbelSpelen", "J");
    EXPECT_EQ(importeren(ingevuld({begin + "P3/5" + einde})).wedstrijden, 1);
    EXPECT_EQ(matchVeld("S05030", "W01Set1U") + "/" + matchVeld("S05030", "W01Set2U"), "3/5");
}

// Damaged result lines never bring the reader down. Thousands of lines made from valid ones by
// cutting them short, dropping, doubling and changing characters and fields are each taken in,
// passed over with a reason, or refused as damaged; on a table that holds the matches, under both
// values of the option 'SuperDubbelSpelen', and into a calendar held back.
TEST_F(IngevuldeWedstrijden, DamagedResultLinesAreTakenInPassedOverOrRefusedAndNothingElse)
{
    superMatch();
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "T", "Super Afdeling - Heren", "Super", 2);
    testhulp::reeksToevoegen(d(), "2010-2011", "N", "D", "N", "Nationaal 1 Dames", "1D", 3);
    match({{"Opmerk1", "111111222222"}, {"forfaituit", "J"}, {"HoofdschCompnr", "700009"}});
    Wedstrijd w;
    w.soortComp = "S";
    w.reeksNr = "T";
    w.weekNr = "05";
    w.wedstrNr = "S05031";
    w.soort = "4";
    testhulp::wedstrijdToevoegen(d(), w);
    w.soortComp = "N";
    w.herDam = "D";
    w.reeksNr = "N";
    w.wedstrNr = "N05031";
    w.soort = "2";
    testhulp::wedstrijdToevoegen(d(), w);
    Wedstrijd vrij;
    vrij.weekNr = "05";
    vrij.wedstrNr = "PH05013";
    vrij.provThuis = "0";
    vrij.lkThuis = vrij.nmthuis = "Vrij";
    vrij.lkUit = "001";
    testhulp::wedstrijdToevoegen(d(), vrij);

    QStringList superSpellen;
    for (int g = 1; g <= 16; ++g) {
        if (g != 4)
            superSpellen << QStringLiteral("%1/-5/6/-7/9").arg(g);
    }
    const QStringList geldig{
        "I;11;PANT-H-05-12;A1;A2;111111,-222222,--,1-3;444444,555555,666666,2-3;P9,9,3/4/6,-,-,3/4/6,-,9,-3/-4/-5,3/4/6;"
        "111111,-,700001,700002;20:00,22:00;\"Voorbehoud THUIS:\\nTafel 'glad'\\nVoorbehoud OFFICIAL:\\nBal\"",
        "I;11;PANT-H-05-12;A1;A2;--,--,-333333,-;444444,555555,666666,-;P8,8,8,8,8,8,8,8,8,8;-,-,-,-;20:00,;\"\"",
        "I;11;SUPR-H-05-30;A1;A2;512301,512302,512303,512304;498101,-498102,--,498104;P" + superSpellen.join(',')
            + ";512301,498101,-,-;19:30,22:05;\"\"",
        "I;11;SUPR-H-05-31;A1;A2;111111,222222,333333,1-3;555555,666666,777777,2-3;P1/1/1,2/2/2,3/3/3,-4/-4/-4,5/5/5,6/6/6,"
        "7/7/7;-,-,-,-;20:00,;\"\"",
        "I;11;NATL-D-05-31;A1;A2;111111,222222,333333,1-2;444444,555555,666666,1-3;P3/4/6,9,3/4/6,-,8,3/4/6,-,9,3/4/6,3/4/6;"
        "-,-,-,-;20:00,;\"\"",
        "I;11;-H-05-13;Bye;A1;-,-,-,-;111111,222222,333333,-;P;-,-,-,-;,;\"\"",
    };
    const QString tekens = QStringLiteral(";;,,--//:P0123456789 \"\\xJNé");
    // A small generator of our own, so that every run and every platform makes the same lines.
    quint32 toestand = 20101;
    const auto getal = [&toestand](int tot) {
        toestand = toestand * 1103515245u + 12345u;
        return static_cast<int>((toestand >> 8) % static_cast<quint32>(tot));
    };
    const auto beschadigen = [&](QString regel) {
        for (int n = 1 + getal(3); n > 0; --n) {
            const int p = regel.isEmpty() ? 0 : getal(static_cast<int>(regel.size()));
            switch (getal(7)) {
            case 0:
                regel.truncate(p);
                break;
            case 1:
                regel.remove(p, 1);
                break;
            case 2:
                regel.insert(p, tekens[getal(static_cast<int>(tekens.size()))]);
                break;
            case 3:
                if (!regel.isEmpty())
                    regel[p] = tekens[getal(static_cast<int>(tekens.size()))];
                break;
            case 4: {
                // A field, or an entry of one, left out.
                const QChar scheiding = getal(2) ? u';' : u',';
                const qsizetype einde = regel.indexOf(scheiding, p);
                if (einde >= 0)
                    regel.remove(p, einde - p + 1);
                break;
            }
            case 5:
                regel.insert(p, getal(2) ? QStringLiteral(";;") : QStringLiteral(",,"));
                break;
            default:
                regel.insert(p, regel.mid(p, getal(12)));
                break;
            }
        }
        return regel;
    };

    int overgenomen = 0, voorbijgegaan = 0, geweigerd = 0;
    const auto voeden = [&](IngevuldeWedstrijdenLezer& lezer, const QString& regel) {
        try {
            if (lezer.inlezen(regel).isEmpty())
                ++overgenomen;
            else
                ++voorbijgegaan;
        } catch (const RecordFout&) {
            ++geweigerd;
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what() << " for " << regel.toStdString();
        }
    };
    {
        db::Transactie transactie(d());
        for (const char* optie : {"N", "J"}) {
            testhulp::optieZetten(d(), "SuperDubbelSpelen", optie);
            IngevuldeWedstrijdenLezer lezer;
            for (const QString& regel : geldig)
                EXPECT_EQ(lezer.inlezen(regel), "") << regel.toStdString();
            for (int i = 0; i < 2000; ++i)
                voeden(lezer, beschadigen(geldig[getal(static_cast<int>(geldig.size()))]));
        }
    }

    // Into a calendar of the file that is not yet written: the rows of the matches above.
    const QStringList kolommen{"Seizoen", "SoortComp", "WeekNr", "HerDam", "WedstrNr", "ReeksNr", "ProvThuis",
                               "LKThuis", "ProvUIT", "LKUIT", "Soort"};
    const QStringList kalender{"2010-2011;P;05;H;PAH05012;A;1;001;1;002;1",
                               "2010-2011;S;05;H;S05030;A;1;001;1;002;4",
                               "2010-2011;S;05;H;S05031;T;1;001;1;002;4",
                               "2010-2011;N;05;D;N05031;N;1;001;1;002;2",
                               "2010-2011;P;05;H;PH05013;A;0;Vrij;1;001;1"};
    d().uitvoeren("DELETE FROM Matchen");
    db::Transactie transactie(d());
    UitgesteldeKalender uitgesteld;
    uitgesteld.beginnen(kolommen);
    for (const QString& rij : kalender) {
        std::vector<QStringView> waarden;
        for (const QStringView w : QStringView(rij).tokenize(u';'))
            waarden.push_back(w);
        uitgesteld.toevoegen(rij, std::move(waarden));
    }
    {
        IngevuldeWedstrijdenLezer lezer(&uitgesteld);
        for (int i = 0; i < 1000; ++i)
            voeden(lezer, beschadigen(geldig[getal(static_cast<int>(geldig.size()))]));
        uitgesteld.schrijven();
    }
    EXPECT_EQ(aantal("Matchen"), kalender.size());
    // Each way out was taken.
    EXPECT_GT(overgenomen, 100);
    EXPECT_GT(voorbijgegaan, 100);
    EXPECT_GT(geweigerd, 100);
}

// The fields of a result line: the line need not end in ";", the ten fields may be empty, and the
// reservations are the rest of the line, ";" included; a line of fewer fields is named by its count.
TEST(IngevuldRecord, TheFieldsOfAResultLineAreSplitAtTheirSemicolons)
{
    const IngevuldRecord r = IngevuldRecordLezen("I;11;PANT-H-05-12;A1;A2;1,2,3,-;4,5,6,-;P;-,-,-,-;19:30,;\"a;b\"");
    EXPECT_EQ(QStringList(std::begin(r.velden), std::end(r.velden)),
              QStringList({"I", "11", "PANT-H-05-12", "A1", "A2", "1,2,3,-", "4,5,6,-", "P", "-,-,-,-", "19:30,"}));
    EXPECT_EQ(r.voorbehoud, "\"a;b\"");
    EXPECT_EQ(QStringList({r.seizoen, r.niveau, r.provincieNr, r.categorie, r.week, r.cijfers}),
              QStringList({"2010-2011", "P", "1", "H", "05", "012"}));

    for (const QString& regel : {QStringLiteral("I;11;PANT-H-05-2;;;;;;;19:30"), QStringLiteral("I;11;PANT-H-05-2;;;;;;;19:30;")}) {
        const IngevuldRecord zonder = IngevuldRecordLezen(regel);
        EXPECT_EQ(zonder.velden[9], "19:30") << regel.toStdString();
        EXPECT_EQ(zonder.velden[5], "") << regel.toStdString();
        EXPECT_TRUE(zonder.voorbehoud.isEmpty()) << regel.toStdString();
        EXPECT_EQ(zonder.cijfers, "002");
    }
    EXPECT_EQ(IngevuldRecordLezen("I;11;PANT-H-05-2;;;;;;;;").velden[9], "");
    EXPECT_EQ(IngevuldRecordLezen("I;11;PANT-H-05-2;;;;;;;;x;y").voorbehoud, "x;y");

    for (const QString& regel : {QStringLiteral("I;11;PANT-H-05-2;;;;;;k"), QStringLiteral("I;11;PANT-H-05-2;;;;;;k;")}) {
        try {
            IngevuldRecordLezen(regel);
            ADD_FAILURE() << "no error for " << regel.toStdString();
        } catch (const RecordFout& fout) {
            EXPECT_EQ(fout.reden(), "de regel heeft maar 9 van de tien velden") << regel.toStdString();
        }
    }
}

} // namespace
