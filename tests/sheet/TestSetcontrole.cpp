#include "sheet/Setcontrole.h"

#include <gtest/gtest.h>

using sheet::SetControleren;
using sheet::Setuitkomst;

namespace {

struct Geval
{
    const char* thuis;
    const char* uit;
    Setuitkomst uitkomst;
    const char* naThuis;
    const char* naUit;
};

} // namespace

TEST(Setcontrole, CompletesOrRefusesEveryTypedScoreAsTheTableSays)
{
    const Geval gevallen[] = {
        {"", "", Setuitkomst::Leeg, "", ""},
        {"11", "", Setuitkomst::Goed, "11", "0"},
        {"", "11", Setuitkomst::Goed, "0", "11"},
        {"7", "5", Setuitkomst::Fout, "7", "5"},
        {"5", "", Setuitkomst::Fout, "5", "0"},
        {"15", "3", Setuitkomst::Goed, "11", "3"},
        {"3", "12", Setuitkomst::Goed, "3", "11"},
        {"11", "9", Setuitkomst::Goed, "11", "9"},
        {"13", "9", Setuitkomst::Goed, "11", "9"},
        {"10", "9", Setuitkomst::Fout, "10", "9"},
        {"11", "10", Setuitkomst::Fout, "11", "10"},
        {"10", "11", Setuitkomst::Fout, "10", "11"},
        {"10", "10", Setuitkomst::Fout, "10", "10"},
        {"12", "10", Setuitkomst::Goed, "12", "10"},
        {"15", "10", Setuitkomst::Goed, "12", "10"},
        {"10", "14", Setuitkomst::Goed, "10", "12"},
        {"99", "0", Setuitkomst::Goed, "11", "0"},
        {"11", "11", Setuitkomst::Fout, "11", "11"},
        {"13", "11", Setuitkomst::Goed, "13", "11"},
        {"9", "11", Setuitkomst::Goed, "9", "11"},
        // A difference of exactly 3 once both reached 10, and a loser of exactly 9.
        {"15", "12", Setuitkomst::Goed, "14", "12"},
        {"12", "15", Setuitkomst::Goed, "12", "14"},
        {"9", "15", Setuitkomst::Goed, "9", "11"},
        {"15", "9", Setuitkomst::Goed, "11", "9"},
        {"10", "13", Setuitkomst::Goed, "10", "12"},
    };
    for (const Geval& g : gevallen) {
        QString thuis = g.thuis;
        QString uit = g.uit;
        EXPECT_EQ(SetControleren(thuis, uit), g.uitkomst) << g.thuis << "-" << g.uit;
        EXPECT_EQ(thuis, g.naThuis) << g.thuis << "-" << g.uit;
        EXPECT_EQ(uit, g.naUit) << g.thuis << "-" << g.uit;
    }
}

TEST(Setcontrole, ABoxThatIsNotAllDigitsIsAWrongScore)
{
    for (const char* tekst : {"x5", "-5", "w", " 5", "1a"}) {
        QString thuis = tekst;
        QString uit = "11";
        EXPECT_EQ(SetControleren(thuis, uit), Setuitkomst::Fout) << tekst;
        EXPECT_EQ(uit, "11") << "nothing completed";
    }
    QString w = "w";
    QString o = "o";
    EXPECT_EQ(SetControleren(w, o), Setuitkomst::Fout) << "walk-over marks in an enabled row";
}
