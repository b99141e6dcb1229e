// The result line of one match, built from a Matchen row of the shipped database.

#include "UitwisselingTest.h"
#include "exchange/Wedstrijdrecord.h"

#include <algorithm>

using namespace exchange;
using testhulp::Velden;
using testhulp::Wedstrijd;

namespace {

class Wedstrijdrecord : public testhulp::UitwisselingTest
{
protected:
    // A provincial men's match of province 8 (TabT VLB), home club 045 against 107.
    static Wedstrijd vlaamsBrabant(const QString& nr = "PVBH05012")
    {
        Wedstrijd w;
        w.soortComp = "P";
        w.herDam = "H";
        w.weekNr = "05";
        w.wedstrNr = nr;
        w.provThuis = w.provUit = "8";
        w.lkThuis = "045";
        w.lkUit = "107";
        w.nmthuis = "Thuis A";
        w.nmuit = "Bezoekers B";
        w.uur = "19.30";
        return w;
    }

    QString record(const Wedstrijd& w, const Recordkenmerken& k)
    {
        testhulp::wedstrijdToevoegen(d(), w);
        db::Recordset rij = d().openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {w.wedstrNr});
        return WedstrijdRecordMaken(rij, k, Recordgegevens::lezen(d()));
    }

    static Recordkenmerken drieSpelers()
    {
        Recordkenmerken k;
        k.plaatsen = 3;
        k.spelersPerPloeg = 3;
        return k;
    }

    static QStringList velden(const QString& record) { return record.split(u';'); }
};

TEST_F(Wedstrijdrecord, TheExampleLineComesOutByteForByte)
{
    Wedstrijd w = vlaamsBrabant();
    w.extra = {{"THUISSP1", "512301"}, {"THUISSP2", "512302"}, {"THUISSP3", "512303"}, {"Opmerk1", "512301512303"},
               {"UITSP1", "498110"},   {"UITSP2", " "},        {"AFWUIT2", "J"},       {"UITSP3", "498112"},
               {"Opmerk2", "498110498112"},
               {"KapiteinT", "512301"}, {"KapiteinU", "498110"}, {"Einduur", "22.05"},
               {"VoorbehoudT", "Verlichting zwak"}, {"OpmOffScheids", "Bal \"gebroken\""},
               {"W02", "+"}, {"W02Set1T", "w"}, {"W02Set2T", "w"}, {"W02Set3T", "w"}};
    w.extra << spel(1, "+", {{11, 7}, {9, 11}, {11, 5}, {11, 8}});
    for (int g = 3; g <= 10; ++g)
        w.extra << spel(g, "+", {{11, 3}, {11, 4}, {11, 6}});
    EXPECT_EQ(record(w, drieSpelers()),
              "I;11;PVLB-H-05-12;VLB45;VLB107;512301,512302,512303,1-3;498110,--,498112,1-3;"
              "P7/-9/5/8,9,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6;512301,498110,-,-;19:30,22:05;"
              "\"Voorbehoud THUIS:\\nVerlichting zwak\\nVoorbehoud OFFICIAL:\\nBal 'gebroken'\"");
}

// A game of five sets writes all five, each after a "/", whoever won it, also as the last game.
TEST_F(Wedstrijdrecord, AGameOfFiveSetsWritesEverySet)
{
    Wedstrijd w = vlaamsBrabant();
    w.extra << spel(1, "+", {{11, 7}, {9, 11}, {11, 5}, {8, 11}, {11, 9}});
    w.extra << spel(2, "-", {{7, 11}, {11, 9}, {5, 11}, {13, 11}, {10, 12}});
    for (int g = 3; g <= 9; ++g)
        w.extra << spel(g, "+", {{11, 3}, {11, 4}, {11, 6}});
    w.extra << spel(10, "+", {{11, 13}, {11, 4}, {6, 11}, {11, 6}, {15, 13}});
    EXPECT_EQ(velden(record(w, drieSpelers()))[7],
              "P7/-9/5/-8/9,-7/9/-5/11/-10,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,-11/4/-6/6/13");
}

TEST_F(Wedstrijdrecord, CodesSeasonsAndMatchNumbers)
{
    EXPECT_EQ(SeizoenNaarNummer("2010-2011"), 11);
    EXPECT_EQ(SeizoenNaarNummer("1999-2000"), 0);
    EXPECT_EQ(Competitiecode("S", "D", 1, false), "NATL");
    EXPECT_EQ(Competitiecode("S", "H", 1, false), "SUPR");
    EXPECT_EQ(Competitiecode("L", "H", 0, false), "LAND");
    EXPECT_EQ(Competitiecode("P", "H", 3, false), "PL/K");
    EXPECT_EQ(Competitiecode("P", "H", 2, true), "POVL");
    EXPECT_EQ(Competitiecode("P", "H", 2, false), "");
    // The import reads the home province back from the code of the result line.
    for (const int provincie : {10, 1, 3, 7, 8})
        EXPECT_EQ(ProvincieVanCompetitiecode(Competitiecode("P", "H", provincie, false) + "-H-05-12"), provincie);
    EXPECT_EQ(ProvincieVanCompetitiecode("SUPR-H-05-12"), 0);

    // A province without a code: the field begins with "-".
    Wedstrijd w = vlaamsBrabant("PHH05012");
    w.weekNr = "5";
    w.provThuis = w.provUit = "2";
    EXPECT_EQ(velden(record(w, drieSpelers()))[2], "-H-5-12");

    // A home team that is a free place is "Bye", and its line-up is still written.
    Wedstrijd vrij = vlaamsBrabant("PVBH05013");
    vrij.lkThuis = " Vrij";
    vrij.nmthuis = " Vrij";
    Recordkenmerken k = drieSpelers();
    k.vrijePlaats = true;
    const QStringList f = velden(record(vrij, k));
    EXPECT_EQ(f[3], "Bye");
    EXPECT_EQ(f[5], "-,-,-,-");
    EXPECT_EQ(f[8], "-,-,-,-");
}

TEST_F(Wedstrijdrecord, LineUpsWithAbsentPlayersAndDoubles)
{
    Wedstrijd w = vlaamsBrabant();
    w.extra = {{"THUISSP1", "512301"}, {"AFWTH2", "J"}, {"THUISSP3", "512303"},
               {"UITSP1", "498110"},   {"UITSP2", "498111"}, {"AFWUIT2", "J"}, {"UITSP3", "498112"},
               {"Opmerk2", "498112498110"}};
    const QStringList f = velden(record(w, drieSpelers()));
    EXPECT_EQ(f[5], "512301,--,512303,-") << "no doubles pair: a comma and a lone hyphen";
    EXPECT_EQ(f[6], "498110,-498111,498112,3-1");

    Wedstrijd vier = vlaamsBrabant("PVBH05014");
    vier.extra = {{"THUISSP1", "1"}, {"THUISSP2", "2"}, {"THUISSP3", "3"}, {"THUISSP4", "4"}, {"Opmerk1", "000001000002"}};
    Recordkenmerken k;
    k.plaatsen = k.spelersPerPloeg = 4;
    EXPECT_EQ(velden(record(vier, k))[5], "1,2,3,4");
}

TEST_F(Wedstrijdrecord, GamesOfForfeitsWalkOversAndASuperMatchWithoutItsDoubles)
{
    Recordkenmerken vier;
    vier.plaatsen = vier.spelersPerPloeg = 4;
    vier.forfait = true;

    Wedstrijd forfait = vlaamsBrabant("PVBH05020");
    forfait.extra = {{"forfaitth", "J"}};
    EXPECT_EQ(velden(record(forfait, vier))[7], "P8,8,8,8,8,8,8,8,8,8,8,8,8,8,8,8");

    // A Super men's match of Soort 4 with the option 'SuperDubbelSpelen' N leaves game 4 out.
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "n");
    Wedstrijd super = vlaamsBrabant("S05021");
    super.soortComp = "S";
    super.soort = "4";
    super.extra = {{"forfaituit", "J"}};
    const QStringList s = velden(record(super, vier));
    EXPECT_EQ(s[2], "SUPR-H-05-21");
    EXPECT_EQ(s[7], "P9,9,9,9,9,9,9,9,9,9,9,9,9,9,9");

    // Walk-overs by their marker, a drawn set, and a game not played at all.
    Wedstrijd wo = vlaamsBrabant("PVBH05022");
    wo.extra = {{"W01", "+"}, {"W01Set1T", "w"}, {"W02", "-"}, {"W02Set1T", "w"}, {"W03", "="}, {"W03Set1T", "w"}};
    wo.extra << spel(4, "+", {{11, 11}, {11, 9}, {9, 11}, {12, 10}});
    wo.extra << spel(6, "-", {{3, 11}, {4, 11}, {5, 11}});
    EXPECT_EQ(velden(record(wo, drieSpelers()))[7], "P9,8,-,11/9/-9/10,-3/-4/-5,") << "game 5 leaves no entry";
}

TEST_F(Wedstrijdrecord, ACaptainStoredAsAPlaceIsWrittenAsThatPlacesMemberNumber)
{
    Wedstrijd w = vlaamsBrabant();
    w.extra = {{"THUISSP1", "512301"}, {"THUISSP2", "512302"}, {"THUISSP3", "512303"}, {"UITSP1", "498110"},
               {"KapiteinT", "1"},      {"KapiteinU", " "},      {"HoofdschCompnr", "700001"}, {"ZaalcommCompnr", " "}};
    w.uur = " ";
    const QStringList f = velden(record(w, drieSpelers()));
    EXPECT_EQ(f[8], "512302, ,700001,-") << "a blank captain is written as it stands";
    EXPECT_EQ(f[9], ",");
}

TEST_F(Wedstrijdrecord, ReservationsAreEscapedAndJoined)
{
    EXPECT_EQ(TekstOntsnappen("Tafel \"glad\"\r\n"), "Tafel 'glad'\\n\\n");
    EXPECT_EQ(TekstOntsnappen("a\\b\vc"), "a\\\\b\\nc");
    EXPECT_EQ(VoorbehoudTekst(db::Waarde::null(), db::Waarde(""), db::Waarde("Net te laag")),
              "Voorbehoud OFFICIAL:\\nNet te laag");
    EXPECT_EQ(VoorbehoudTekst(db::Waarde("x"), db::Waarde("y"), db::Waarde::null()),
              "Voorbehoud THUIS:\\nx\\nVoorbehoud UIT:\\ny");
}

TEST_F(Wedstrijdrecord, AProvinceMissingFromProvinciesCannotBeWritten)
{
    Wedstrijd w = vlaamsBrabant();
    w.provUit = "12";
    try {
        record(w, drieSpelers());
        FAIL() << "a record without its province";
    } catch (const RecordFout& fout) {
        EXPECT_EQ(fout.reden(), "provincie 12 staat niet in de tabel Provincies");
    }
}

// A Super match played without its doubles: game 4 leaves no entry, and every other game keeps its
// own place in the line, each told apart by its own result.
TEST_F(Wedstrijdrecord, ASuperMatchWithoutItsDoublesWritesEveryOtherGameInItsOwnPlace)
{
    Recordkenmerken vier;
    vier.plaatsen = vier.spelersPerPloeg = 4;
    Wedstrijd super = vlaamsBrabant("S05030");
    super.soortComp = "S";
    super.soort = "4";
    QStringList zonder;
    QStringList met;
    for (int g = 1; g <= 16; ++g) {
        // Game g: g points for the loser of the first set (won at deuce from 10 on), lost by the home
        // side in every third game.
        const bool verloren = g % 3 == 0;
        const int winnaar = std::max(11, g + 2);
        super.extra << (verloren ? spel(g, "-", {{g, winnaar}, {5, 11}, {6, 11}})
                                 : spel(g, "+", {{winnaar, g}, {11, 5}, {11, 6}}));
        const QString entry = verloren ? QStringLiteral("-%1/-5/-6").arg(g) : QStringLiteral("%1/5/6").arg(g);
        met << entry;
        if (g != 4)
            zonder << entry;
    }
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "N");
    EXPECT_EQ(velden(record(super, vier))[7], "P" + zonder.join(','));
    d().uitvoeren("UPDATE Opties SET Item = 'J' WHERE Soort = 'SuperDubbelSpelen'");
    db::Recordset rij = d().openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {super.wedstrNr});
    EXPECT_EQ(velden(WedstrijdRecordMaken(rij, vier, Recordgegevens::lezen(d())))[7], "P" + met.join(','));
}

// Game 7 of a recreational division of Limburg is not played: "-" whatever the sheet holds; in a
// recreational division elsewhere, and in any other division of Limburg, it is sent with its sets.
TEST_F(Wedstrijdrecord, GameSevenOfARecreationalDivisionOfLimburgIsAlwaysAHyphen)
{
    Wedstrijd w = vlaamsBrabant();
    for (int g = 1; g <= 10; ++g)
        w.extra << spel(g, "+", {{11, g}, {11, 4}, {11, 6}});
    testhulp::wedstrijdToevoegen(d(), w);
    const auto spellen = [this, &w](bool vrijetijd, bool limburg) {
        Recordkenmerken k = drieSpelers();
        k.vrijetijd = vrijetijd;
        k.limburg = limburg;
        db::Recordset rij = d().openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {w.wedstrNr});
        return velden(WedstrijdRecordMaken(rij, k, Recordgegevens::lezen(d())))[7];
    };
    const QString begin = "P1/4/6,2/4/6,3/4/6,4/4/6,5/4/6,6/4/6,";
    const QString einde = ",8/4/6,9/4/6,10/4/6";
    EXPECT_EQ(spellen(true, false), begin + "7/4/6" + einde);
    EXPECT_EQ(spellen(false, true), begin + "7/4/6" + einde);
    EXPECT_EQ(spellen(true, true), begin + "-" + einde);
}

// A captain stored as a place counted from 0 ("3": the fourth place) is sent as the member number
// of that place; only the visitors' reservation begins the last field with its own heading.
TEST_F(Wedstrijdrecord, ACaptainOnTheFourthPlaceAndOnlyTheVisitorsReservation)
{
    Wedstrijd w = vlaamsBrabant();
    w.extra = {{"THUISSP1", "512301"}, {"THUISSP2", "512302"}, {"THUISSP3", "512303"}, {"THUISSP4", "512304"},
               {"UITSP1", "498110"},   {"UITSP2", "498111"},   {"UITSP3", "498112"},   {"UITSP4", "498113"},
               {"KapiteinT", "3"},      {"KapiteinU", "2"},      {"VoorbehoudT", " "},     {"Voorbehoudu", "Net \"te\" laag"}};
    Recordkenmerken vier;
    vier.plaatsen = vier.spelersPerPloeg = 4;
    const QStringList f = velden(record(w, vier));
    EXPECT_EQ(f[8], "512304,498112,-,-");
    EXPECT_EQ(f[10], "\"Voorbehoud UIT:\\nNet 'te' laag\"");
}

} // namespace
