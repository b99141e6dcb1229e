#include "core/Lijsten.h"

#include <gtest/gtest.h>

using namespace core;

TEST(Wedstrijdlijst, LineShowsTheNumberWithPAndTheCategorySuffix)
{
    EXPECT_EQ(WedstrijdRegel("QANH01/003", "Ajax A", "Borgerhout B", "H"), "PANH01/003: Ajax A - Borgerhout B");
    EXPECT_EQ(WedstrijdRegel("PANV01003", "A", "B", "v"), "PANV01003: A - B (Veteranen)");
    EXPECT_EQ(WedstrijdRegel("PAND01003", "A", "B", "D"), "PAND01003: A - B (Dames)");
    EXPECT_EQ(WedstrijdRegel("PANJ01003", "A", "B", "J"), "PANJ01003: A - B (Jeugd)");
    EXPECT_EQ(WedstrijdRegel("N01003", "A", "B", ""), "N01003: A - B");
}

TEST(Wedstrijdlijst, GroupsMenThenLadiesThenVeteransInArrivalOrder)
{
    QStringList lijst;
    for (const char* r : {"1: m1 - x", "2: d1 - x (Dames)", "3: m2 - x", "4: v1 - x (Veteranen)", "5: d2 - x (Dames)",
                          "6: j1 - x (Jeugd)"})
        RegelToevoegen(lijst, QString::fromLatin1(r));
    EXPECT_EQ(lijst, QStringList({"1: m1 - x", "3: m2 - x", "6: j1 - x (Jeugd)", "2: d1 - x (Dames)",
                                  "5: d2 - x (Dames)", "4: v1 - x (Veteranen)"}));
}

TEST(Wedstrijdlijst, ATeamNameWithVeteranenGoesAmongTheVeterans)
{
    QStringList lijst;
    RegelToevoegen(lijst, "1: Oud (Veteranen) - x");
    RegelToevoegen(lijst, "2: m - x");
    RegelToevoegen(lijst, "3: d - x (dames)");
    EXPECT_EQ(lijst, QStringList({"2: m - x", "3: d - x (dames)", "1: Oud (Veteranen) - x"}));
}

TEST(Speeldatum, CurrentSeasonChoosesTheFirstDateOnOrAfterTodayElseTheLast)
{
    const QStringList datums{"12-09-2010", "19-09-2010", "26-09-2010"};
    EXPECT_EQ(SpeeldatumKiezen(datums, true, QDate(2010, 9, 15)), 1);
    EXPECT_EQ(SpeeldatumKiezen(datums, true, QDate(2010, 9, 19)), 1);
    EXPECT_EQ(SpeeldatumKiezen(datums, true, QDate(2010, 9, 1)), 0);
    EXPECT_EQ(SpeeldatumKiezen(datums, true, QDate(2011, 3, 1)), 2);
    EXPECT_EQ(SpeeldatumKiezen(datums, false, QDate(2010, 9, 20)), 0);
    EXPECT_EQ(SpeeldatumKiezen({}, true, QDate(2010, 9, 20)), -1);
    EXPECT_EQ(EersteSpeeldatumVanaf(datums, QDate(2011, 1, 1)), -1);
}
