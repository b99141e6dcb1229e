// Doubles pairs and the walk-over arithmetic: combinations, ticked players, masks and game markers.

#include "lineup/Dubbels.h"
#include "lineup/NietGespeeld.h"

#include <QPair>
#include <gtest/gtest.h>

using namespace lineup;

namespace {

const QStringList Ploeg{"001234", "005678", "009999"};

TEST(Dubbels, AStoredPairPreselectsItsCombination)
{
    EXPECT_EQ(CombinatieVanPaar("", Ploeg, 6), 0);
    EXPECT_EQ(CombinatieVanPaar("001234005678", Ploeg, 6), 0);
    EXPECT_EQ(CombinatieVanPaar("001234009999", Ploeg, 6), 1);
    EXPECT_EQ(CombinatieVanPaar("005678009999", Ploeg, 6), 2);
    EXPECT_EQ(CombinatieVanPaar("005678001234", Ploeg, 6), 2); // first not on place 1
    EXPECT_EQ(PaarVanCombinatie(1, Ploeg), "001234009999");
    EXPECT_EQ(PaarSplitsen("001234009999", 6), qMakePair(QString("001234"), QString("009999")));

    // The chooser's entries name the players of the places; two members of one name, whatever the case of its
    // letters, are told apart by their places, in the combinations and in a Super match's boxes.
    EXPECT_EQ(CombinatieTekst(0, Ploeg, {"Claes Marc", "Peeters Jan", "Wouters Tom"}), "Claes Marc - Peeters Jan");
    const QStringList namen{"Claes Marc", "Peeters Jan", "claes marc"};
    EXPECT_EQ(CombinatieTekst(0, Ploeg, namen), "1 + 2  Claes Marc - Peeters Jan");
    EXPECT_EQ(CombinatieTekst(1, Ploeg, namen), "1 + 3  Claes Marc - claes marc");
    EXPECT_EQ(CombinatieTekst(2, Ploeg, namen), "2 + 3  Peeters Jan - claes marc");
    EXPECT_EQ(SpelerTekst(1, Ploeg, namen), "Peeters Jan");
    EXPECT_EQ(SpelerTekst(2, Ploeg, namen), "3  claes marc");
    // A name that came with a blank after it is the same name; two places whose names are unknown are no namesakes.
    EXPECT_EQ(SpelerTekst(0, Ploeg, {"Claes Marc ", "Peeters Jan", "Claes Marc"}), "1  Claes Marc ");
    EXPECT_EQ(CombinatieTekst(0, Ploeg, {"", "", "Wouters Tom"}), " - ");
}

// A place of the side gets another member or is emptied: the pair is emptied when it names the member
// who left, kept when he is no partner or still stands on another place (then in the order of the places).
TEST(Dubbels, APairNamingAMemberWhoLeftTheLineUpIsEmptied)
{
    // Pair of places 1 and 3; place 3 replaced, then emptied.
    EXPECT_EQ(PaarNaWissel("001234009999", "009999", {"001234", "005678", "004444"}, 6), "");
    EXPECT_EQ(PaarNaWissel("001234009999", "009999", {"001234", "005678", ""}, 6), "");
    // Pair of places 2 and 3; place 2 replaced (the first partner), place 1 replaced (no partner).
    EXPECT_EQ(PaarNaWissel("005678009999", "005678", {"001234", "004444", "009999"}, 6), "");
    EXPECT_EQ(PaarNaWissel("005678009999", "001234", {"004444", "005678", "009999"}, 6), "005678009999");
    // The partner who left place 2 still stands on place 1: the pair follows him, the lower place first.
    EXPECT_EQ(PaarNaWissel("005678009999", "005678", {"005678", "", "009999"}, 6), "005678009999");
    EXPECT_EQ(PaarNaWissel("001234005678", "001234", {"", "005678", "001234"}, 6), "005678001234");
    // A Super pair with a player from the strength list: replacing a place that is no partner keeps it,
    // replacing the partner on a place empties it.
    EXPECT_EQ(PaarNaWissel("001234007777", "009999", {"001234", "005678", "004444"}, 6), "001234007777");
    EXPECT_EQ(PaarNaWissel("001234007777", "001234", {"004444", "005678", "009999"}, 6), "");
    // A member stored without his leading zeros is the same member; no pair stays no pair.
    EXPECT_EQ(PaarNaWissel("001234009999", "1234", {"004444", "005678", "009999"}, 6), "");
    EXPECT_EQ(PaarNaWissel("001234009999", "005678", {"1234", "004444", "9999"}, 6), "001234009999");
    EXPECT_EQ(PaarNaWissel(" ", "001234", {"", "005678", "009999"}, 6), " ");
}

TEST(Dubbels, TheTickedPlayersOfASuperMatch)
{
    Dubbelkeuze k;
    k.ploeg[0] = 1234;
    k.ploeg[1] = 5678;
    k.ploeg[2] = 9999;
    EXPECT_EQ(TelDubbelspelers(k), 0);
    k.naam[0] = true;
    EXPECT_EQ(TelDubbelspelers(k), 1);
    k.naam[3] = true; // another player ticked, but none chosen in the combo: does not count
    EXPECT_EQ(TelDubbelspelers(k), 1);
    k.comboGekozen = true;
    k.combo = 4321;
    EXPECT_EQ(TelDubbelspelers(k), 2);
    EXPECT_EQ(CmpNrDubbelspelers(k, 6), "001234004321");
    k.combo = 1234;
    EXPECT_EQ(TelDubbelspelers(k), -1);
    EXPECT_EQ(CmpNrDubbelspelers(k, 6), "");
    k.naam[2] = true;
    EXPECT_EQ(TelDubbelspelers(k), 3);
    EXPECT_EQ(CmpNrDubbelspelers(k, 6), "");
    EXPECT_EQ(DubbelMelding(3), "U heeft te veel dubbelspelers geselecteerd. Selecteer slechts twee spelers.");
    EXPECT_EQ(DubbelMelding(0), "U heeft geen dubbelspelers geselecteerd. Selecteer twee spelers.");
}

TEST(NietGespeeldMasker, BoxesRowsAndStoredMasks)
{
    EXPECT_EQ(RijenVanVak(15, 3), (QList<int>{8, 9, 10, 11}));
    EXPECT_EQ(RijenVanVak(9, 2), (QList<int>{3, 4, 5}));
    EXPECT_EQ(RijenVanVak(9, 3), (QList<int>{7, 8, 9}));
    EXPECT_TRUE(RijenVanVak(9, 4).isEmpty());
    EXPECT_EQ(RijenVanVak(6, 2), (QList<int>{4, 5, 6}));
    EXPECT_TRUE(RijenVanVak(6, 3).isEmpty());
    EXPECT_EQ(VakVanRij(9, 6), 0);
    EXPECT_EQ(VakVanRij(6, 3), 0);
    EXPECT_EQ(VakVanRij(15, 12), 4);

    EXPECT_EQ(VakkenVanMasker(113), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(VakkenVanMasker(48), (QList<int>{1, 2}));
    for (int fout : {0, 2, 114, -1, 200})
        EXPECT_TRUE(VakkenVanMasker(fout).isEmpty()) << fout;

    const bool alle[4] = {true, true, true, true};
    EXPECT_EQ(Masker(alle, 15), 113);
    EXPECT_EQ(Masker(alle, 9), 49);
    EXPECT_EQ(Masker(alle, 6), 17);
}

TEST(NietGespeeldMasker, TheMarkerOfAGameFollowsBothPlayers)
{
    struct Geval
    {
        const char* naam;
        QString kant;
        bool speeltNiet;
        int k;
        QString afw, masker;
        int laatste;
        QString markering;
    };
    const Geval gevallen[] = {
        {"home player out, opponent plays", "T", true, 3, "N", "0", 15, "/"},
        {"away player out, opponent plays", "U", true, 3, "N", "", 15, "*"},
        {"both out", "T", true, 3, "N", "32", 15, "="},
        {"opponent absent", "T", true, 1, "J", "", 15, "="},
        {"empty absence counts as absent", "U", false, 1, "", "", 15, "/"},
        {"home plays, opponent out", "T", false, 3, "N", "113", 15, "*"},
        {"home plays, opponent out of another game", "T", false, 3, "N", "16", 15, " "},
        {"both play", "T", false, 2, "N", "0", 15, " "},
        {"sixteen games: both out of their fourth game", "U", true, 4, "N", "64", 15, "="},
        {"sixteen games: home plays, opponent out of games 1, 3 and 4", "T", false, 4, "N", "97", 15, "*"},
        {"ten games: mask with 64 holds nothing", "T", true, 1, "N", "65", 9, "/"},
        {"ten games: box 4 outside the range", "T", true, 4, "N", "64", 9, ""},
        {"seven games: 17 holds box 2", "U", false, 2, "N", "17", 6, "/"},
    };
    for (const Geval& g : gevallen)
        EXPECT_EQ(BijForfaitResultaat(g.kant, g.speeltNiet, g.k, g.afw, g.masker, g.laatste), g.markering) << g.naam;
}

} // namespace
