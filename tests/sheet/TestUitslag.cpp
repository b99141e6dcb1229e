#include "QtAfdruk.h"
#include "sheet/Uitslag.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sheet;

namespace {

SetTeksten sets(std::initializer_list<const char*> teksten)
{
    SetTeksten s;
    int i = 0;
    for (const char* t : teksten)
        s[i++] = QString::fromUtf8(t);
    return s;
}

const SetTeksten thuisWint = sets({"11", "9", "11", "8", "11", "5"});
const SetTeksten uitWint = sets({"5", "11", "8", "11", "9", "11"});
const SetTeksten walkOver = sets({"w", "o"});

// Four players a side: in turn t (0-3) home place k+1 meets away place (k+t)%4+1, no games entered.
UitslagInvoer vierTegenVier()
{
    UitslagInvoer in;
    in.laatste = 15;
    for (int t = 0; t < 4; ++t)
        for (int k = 0; k < 4; ++k) {
            in.rijen[4 * t + k].thuisPlaats = QString::number(k + 1);
            in.rijen[4 * t + k].uitPlaats = QString::number((k + t) % 4 + 1);
        }
    return in;
}

// The row of vierTegenVier where the two places meet.
int rij(int thuis, int uit)
{
    return 4 * ((uit - thuis + 4) % 4) + thuis - 1;
}

} // namespace

TEST(Uitslag, BeurtPerPloeggrootte)
{
    const std::vector<std::vector<int>> verwacht = {
        {15, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4},
        {9, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3},
        {6, 1, 1, 1, 2, 2, 2, 2},
    };
    for (const auto& schema : verwacht)
        for (int r = 0; r + 1 < static_cast<int>(schema.size()); ++r)
            EXPECT_EQ(Beurt(r, schema[0]), schema[r + 1]) << "laatste " << schema[0] << ", rij " << r;
}

TEST(Uitslag, PositieInCombinatie)
{
    for (int laatste : {15, 9, 6}) {
        EXPECT_TRUE(PositieInCombinatie(49, 3, laatste)) << laatste;
        EXPECT_TRUE(PositieInCombinatie(17, 1, laatste)) << laatste;
        EXPECT_FALSE(PositieInCombinatie(3, 1, laatste)) << laatste;
        EXPECT_FALSE(PositieInCombinatie(113, 5, laatste)) << laatste;
        EXPECT_FALSE(PositieInCombinatie(113, 0, laatste)) << laatste;
        EXPECT_FALSE(PositieInCombinatie(16.5, 2, laatste)) << laatste;
        EXPECT_FALSE(PositieInCombinatie(1, 2, laatste)) << laatste;
    }
    EXPECT_TRUE(PositieInCombinatie(64, 4, 15));
    EXPECT_TRUE(PositieInCombinatie(113, 4, 6));
    EXPECT_FALSE(PositieInCombinatie(64, 4, 9));
    EXPECT_FALSE(PositieInCombinatie(113, 4, 9));
    for (int code : {65, 81, 97, 112, 113}) {
        EXPECT_TRUE(PositieInCombinatie(code, code % 2 == 1 ? 1 : 2, 15)) << code;
        for (int positie = 1; positie <= 4; ++positie)
            EXPECT_FALSE(PositieInCombinatie(code, positie, 9)) << code << " positie " << positie;
    }
}

TEST(Uitslag, SetsGewonnen)
{
    EXPECT_FALSE(SetsGewonnen(SetTeksten{}));
    EXPECT_TRUE(SetsGewonnen(sets({"11", "9", "11", "7", "11", "3"})));
    EXPECT_TRUE(SetsGewonnen(uitWint));
    EXPECT_FALSE(SetsGewonnen(sets({"11", "9", "9", "11", "11", "5", "4", "11"})));
    EXPECT_FALSE(SetsGewonnen(sets({"11", "11", "11", "11", "11", "11"}))); // level sets go to nobody
    EXPECT_FALSE(SetsGewonnen(walkOver));
    EXPECT_FALSE(SetsGewonnen(sets({"o", "w"})));
}

TEST(Uitslag, SetsAanschuiven)
{
    SetTeksten s = sets({"11", "9", "12", "10", "11", "5", "", "", "9", "11"});
    EXPECT_EQ(SetsAanschuiven(s), (QList<SetVerschuiving>{{4, 5}}));
    EXPECT_EQ(s, sets({"11", "9", "12", "10", "11", "5", "9", "11", "", ""}));

    s = sets({"", "", "", "", "11", "3"});
    EXPECT_EQ(SetsAanschuiven(s), (QList<SetVerschuiving>{{2, 3}, {1, 2}}));
    EXPECT_EQ(s, sets({"11", "3"}));

    // A set with only one box filled is neither moved nor moved into.
    s = sets({"", "", "", "", "11", "", "11", "4"});
    EXPECT_TRUE(SetsAanschuiven(s).isEmpty());
    s = sets({"", "", "", "", "", "11", "11", "4"});
    EXPECT_TRUE(SetsAanschuiven(s).isEmpty());

    s = sets({"11", "9", "", "", "11", "8", "", "", "11", "5"});
    EXPECT_EQ(SetsAanschuiven(s), (QList<SetVerschuiving>{{4, 5}, {2, 3}, {3, 4}}));
    EXPECT_EQ(s, sets({"11", "9", "11", "8", "11", "5"}));

    s = thuisWint;
    EXPECT_TRUE(SetsAanschuiven(s).isEmpty());
    EXPECT_EQ(s, thuisWint);
}

TEST(Uitslag, WalkOverBeslissenRegelPerRegel)
{
    const WalkOverUitkomst thuis{3, 0, false}, uit{0, 3, false}, niet{0, 0, true}, niets{0, 0, false};
    auto g = [](QString ft, QString fu, QString plaats, QString at, QString au, QString wt, QString wu, int beurt = 2,
                int laatste = 15) {
        return WalkOverBeslissen({plaats, beurt, laatste, ft, fu, at, au, wt, wu});
    };
    EXPECT_EQ(g("J", "J", "1", "J", "", "", ""), uit);
    EXPECT_EQ(g("j", "", "Dubb.", "", "", "", ""), uit);
    EXPECT_EQ(g("", "j", "Dubb.", "J", "", "", ""), thuis);
    EXPECT_EQ(g("N", "", "Dubb.", "J", "", "", ""), niet);
    EXPECT_EQ(g("", "", "2", "J", "j", "16", "16"), niet);
    EXPECT_EQ(g("", "", "2", "J", "", "", "16"), niet);
    EXPECT_EQ(g("", "", "2", "J", "", "16", "1"), uit);
    EXPECT_EQ(g("", "", "2", "", "J", "48", ""), niet);
    EXPECT_EQ(g("", "", "2", "", "J", "1", "16"), thuis);
    EXPECT_EQ(g("", "", "2", "", "", "16", "17"), niet);
    EXPECT_EQ(g("", "", "2", "", "", "16", "1"), uit);
    EXPECT_EQ(g("", "", "2", "", "", "", "80"), thuis);
    EXPECT_EQ(g("", "", "2", "", "", "1", "32"), niets);
    EXPECT_EQ(g("", "", "2", "N", "N", "", ""), niets);
    // The code covers turns, not places; a three-player team knows no fourth turn.
    EXPECT_EQ(g("", "", "1", "", "", "16", "", 1), niets);
    EXPECT_EQ(g("", "", "1", "", "", "16", "", 2), uit);
    EXPECT_EQ(g("", "", "1", "", "", "", "64", 4, 15), thuis);
    EXPECT_EQ(g("", "", "1", "", "", "", "64", 3, 15), niets);
    EXPECT_EQ(g("", "", "1", "", "", "", "64", 4, 9), niets);
}

TEST(Uitslag, WalkOverVolgtDeBeurtVanDeRij)
{
    struct Geval
    {
        int laatste, rij, code;
        bool dekt;
    };
    const std::vector<Geval> gevallen = {
        {15, 3, 1, true},   {15, 4, 1, false},  {15, 4, 16, true},  {15, 12, 64, true}, {15, 11, 64, false},
        {9, 2, 1, true},    {9, 3, 16, true},   {9, 6, 16, false},  {9, 9, 32, true},   {9, 9, 64, false},
        {6, 2, 1, true},    {6, 3, 1, false},   {6, 6, 16, true},
    };
    for (const Geval& g : gevallen) {
        UitslagInvoer in;
        in.laatste = g.laatste;
        in.rijen[g.rij] = {"2", "3", walkOver, std::nullopt};
        in.woT[1] = QString::number(g.code);
        const UitslagResultaat r = UitslagBerekenen(in);
        const QString info = QStringLiteral("laatste %1 rij %2 code %3").arg(g.laatste).arg(g.rij).arg(g.code);
        EXPECT_EQ(r.rijen[g.rij].setsUit, g.dekt ? "3" : "") << info.toStdString();
        EXPECT_EQ(r.resU, g.dekt ? "1" : "") << info.toStdString();
    }
}

TEST(Uitslag, NietsIngevuld)
{
    for (bool opslaan : {false, true}) {
        UitslagInvoer in = vierTegenVier();
        in.opslaan = opslaan;
        in.rijen[1].markering = "+";
        in.rijen[2].markering = "";
        in.rijen[3].markering = "=";
        in.rijen[4].markering = "/";
        const UitslagResultaat r = UitslagBerekenen(in);
        for (int i = 0; i <= 15; ++i) {
            EXPECT_EQ(r.rijen[i].setsThuis, "");
            EXPECT_EQ(r.rijen[i].setsUit, "");
            EXPECT_EQ(r.rijen[i].wedstrThuis, "");
            EXPECT_EQ(r.rijen[i].markering, i == 1 || i == 2 || i == 4 ? Markering::Blanco : Markering::Geen) << i;
            EXPECT_FALSE(r.rijen[i].nieuweSets);
        }
        EXPECT_EQ(r.resT, "");
        EXPECT_EQ(r.resU, "");
        EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"0", "0", "0", "0"}));
        EXPECT_EQ(r.indOverwU, (std::array<QString, 4>{"0", "0", "0", "0"}));
        EXPECT_FALSE(r.teveelSets);
    }
}

TEST(Uitslag, GespeeldeWedstrijden)
{
    UitslagInvoer in = vierTegenVier();
    in.rijen[0].sets = thuisWint;
    in.rijen[0].markering = "*";
    in.rijen[1].sets = sets({"11", "9", "", "", "11", "8", "11", "5"});
    in.rijen[1].markering = "/";
    in.rijen[2].sets = sets({"11", "9", "9", "11", "11", "5"});
    in.rijen[2].markering = "+";
    in.rijen[3].sets = sets({"11", "9", "9", "11", "3", "11"});
    in.rijen[3].markering = "=";
    in.rijen[5].sets = uitWint;

    const UitslagResultaat uit = UitslagBerekenen(in);
    EXPECT_EQ(uit.rijen[0].markering, Markering::Geen);
    EXPECT_EQ(uit.rijen[1].markering, Markering::Geen);
    EXPECT_FALSE(uit.rijen[1].nieuweSets);
    EXPECT_TRUE(uit.rijen[1].verschuivingen.isEmpty());

    in.opslaan = true;
    const UitslagResultaat aan = UitslagBerekenen(in);
    for (const UitslagResultaat& r : {uit, aan}) {
        // Games in progress are no longer stored as decided, whatever the store flag; "=" stays.
        EXPECT_EQ(r.rijen[2].markering, Markering::Blanco);
        EXPECT_EQ(r.rijen[3].markering, Markering::Geen);
        const std::vector<std::vector<const char*>> verwacht = {
            {"3", "0", "1", "0"}, {"3", "0", "2", "0"}, {"2", "1", "2", "0"}, {"1", "2", "2", "0"},
            {"", "", "", ""},     {"0", "3", "2", "1"}, {"", "", "", ""},
        };
        for (int i = 0; i < static_cast<int>(verwacht.size()); ++i) {
            EXPECT_EQ(r.rijen[i].setsThuis, verwacht[i][0]) << i;
            EXPECT_EQ(r.rijen[i].setsUit, verwacht[i][1]) << i;
            EXPECT_EQ(r.rijen[i].wedstrThuis, verwacht[i][2]) << i;
            EXPECT_EQ(r.rijen[i].wedstrUit, verwacht[i][3]) << i;
        }
        EXPECT_EQ(r.resT, "2");
        EXPECT_EQ(r.resU, "1");
        EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"1", "1", "0", "0"}));
        EXPECT_EQ(r.indOverwU, (std::array<QString, 4>{"0", "0", "1", "0"}));
        EXPECT_FALSE(r.teveelSets);
    }

    EXPECT_EQ(aan.rijen[0].markering, Markering::Thuis);
    EXPECT_EQ(aan.rijen[0].nieuweSets, thuisWint);
    EXPECT_TRUE(aan.rijen[0].verschuivingen.isEmpty());
    EXPECT_EQ(aan.rijen[1].markering, Markering::Thuis);
    EXPECT_EQ(aan.rijen[1].verschuivingen, (QList<SetVerschuiving>{{2, 3}, {3, 4}}));
    EXPECT_EQ(aan.rijen[1].nieuweSets, thuisWint);
    EXPECT_EQ(aan.rijen[5].markering, Markering::Uit);
    EXPECT_FALSE(aan.rijen[2].nieuweSets);
}

TEST(Uitslag, VierGewonnenSetsZijnTeVeelMaarTellen)
{
    UitslagInvoer in = vierTegenVier();
    in.rijen[6].sets = sets({"11", "1", "11", "2", "11", "3", "11", "4"});
    const UitslagResultaat r = UitslagBerekenen(in);
    EXPECT_TRUE(r.teveelSets);
    EXPECT_EQ(r.rijen[6].setsThuis, "4");
    EXPECT_EQ(r.rijen[6].setsUit, "0");
    EXPECT_EQ(r.resT, "1");
    EXPECT_EQ(r.indOverwT[2], "1");

    in.rijen[6].sets = sets({"1", "11", "2", "11", "3", "11", "11", "4", "4", "11"});
    const UitslagResultaat bezoekers = UitslagBerekenen(in);
    EXPECT_TRUE(bezoekers.teveelSets);
    EXPECT_EQ(bezoekers.rijen[6].setsUit, "4");
    EXPECT_EQ(bezoekers.resU, "1");
    EXPECT_EQ(bezoekers.indOverwU[3], "1");
}

TEST(Uitslag, ForfaitThuisploeg)
{
    UitslagInvoer in = vierTegenVier();
    in.forfaitT = "j";
    in.afwT = {"J", "J", "J", "J"};
    for (int i = 0; i <= 15; ++i)
        in.rijen[i].sets = walkOver;
    const UitslagResultaat r = UitslagBerekenen(in);
    for (int i = 0; i <= 15; ++i) {
        EXPECT_EQ(r.rijen[i].setsThuis, "0");
        EXPECT_EQ(r.rijen[i].setsUit, "3");
        EXPECT_EQ(r.rijen[i].wedstrUit, QString::number(i + 1));
    }
    EXPECT_EQ(r.resT, "0");
    EXPECT_EQ(r.resU, "16");
    EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"FF", "FF", "FF", "FF"}));
    EXPECT_EQ(r.indOverwU, (std::array<QString, 4>{"0", "0", "0", "0"}));
}

TEST(Uitslag, AfwezigeBezoekerZonderCodes)
{
    UitslagInvoer in = vierTegenVier();
    in.afwU[0] = "J";
    for (int thuis = 1; thuis <= 4; ++thuis)
        in.rijen[rij(thuis, 1)].sets = walkOver;
    in.rijen[rij(1, 2)].sets = thuisWint;
    const UitslagResultaat r = UitslagBerekenen(in);
    for (int thuis = 1; thuis <= 4; ++thuis) {
        EXPECT_EQ(r.rijen[rij(thuis, 1)].setsThuis, "3");
        EXPECT_EQ(r.rijen[rij(thuis, 1)].setsUit, "0");
    }
    EXPECT_EQ(r.resT, "5");
    // The walk-over wins count for the team only.
    EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"1", "0", "0", "0"}));
    EXPECT_EQ(r.indOverwU, (std::array<QString, 4>{"FF", "0", "0", "0"}));
}

TEST(Uitslag, DubbelWalkOverTeltVoorNiemand)
{
    UitslagInvoer in;
    in.laatste = 9;
    for (int i = 0; i < 9; ++i)
        in.rijen[i] = {QString::number(i % 3 + 1), QString::number((i + i / 3) % 3 + 1), {}, std::nullopt};
    in.rijen[9] = {"Dubb.", "", walkOver, QString("+")};
    in.rijen[8].sets = thuisWint;
    in.rijen[12].sets = thuisWint; // past the last game
    in.opslaan = true;
    UitslagResultaat r = UitslagBerekenen(in);
    EXPECT_EQ(r.rijen[9].setsThuis, "0");
    EXPECT_EQ(r.rijen[9].setsUit, "0");
    EXPECT_EQ(r.rijen[9].wedstrThuis, "1");
    EXPECT_EQ(r.rijen[9].wedstrUit, "0");
    EXPECT_EQ(r.rijen[9].markering, Markering::Blanco);
    EXPECT_EQ(r.rijen[12].setsThuis, "");
    EXPECT_EQ(r.resT, "1");
    EXPECT_EQ(r.resU, "0");
    EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"0", "0", "1", "0"}));

    in.forfaitU = "J";
    r = UitslagBerekenen(in);
    EXPECT_EQ(r.rijen[9].setsThuis, "3");
    EXPECT_EQ(r.rijen[9].markering, Markering::Thuis);
    EXPECT_EQ(r.resT, "2");
    EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"0", "0", "1", "0"}));
}

TEST(Uitslag, AfwezigeThuisspelerEnCodeVanDeBezoeker)
{
    UitslagInvoer in = vierTegenVier();
    in.afwT[1] = "J";
    in.woU[2] = "16"; // away place 3 replaced in the second turn
    for (int uit = 1; uit <= 4; ++uit)
        in.rijen[rij(2, uit)].sets = walkOver;
    in.rijen[rij(4, 3)].sets = walkOver; // turn 4: the code does not cover it
    const UitslagResultaat r = UitslagBerekenen(in);
    ASSERT_EQ(Beurt(rij(2, 3), 15), 2);
    EXPECT_EQ(r.rijen[rij(2, 3)].setsThuis, "0");
    EXPECT_EQ(r.rijen[rij(2, 3)].setsUit, "0");
    for (int uit : {1, 2, 4})
        EXPECT_EQ(r.rijen[rij(2, uit)].setsUit, "3") << uit;
    EXPECT_EQ(r.rijen[rij(4, 3)].setsThuis, "");
    EXPECT_EQ(r.resT, "0");
    EXPECT_EQ(r.resU, "3");
    EXPECT_EQ(r.indOverwT, (std::array<QString, 4>{"0", "FF", "0", "0"}));
    EXPECT_EQ(r.indOverwU, (std::array<QString, 4>{"0", "0", "0", "0"}));
}
