#include "QtAfdruk.h"
#include "core/Tekst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace core;

namespace {

struct TekstGeval
{
    QString uitkomst;
    QString verwacht;
    int regel;
};

void controleer(const std::vector<TekstGeval>& gevallen)
{
    for (const TekstGeval& g : gevallen)
        EXPECT_EQ(g.uitkomst, g.verwacht) << "geval op regel " << g.regel;
}

} // namespace

TEST(Tekst, LeftRightMid)
{
    controleer({
        {Left("abc", 2), "ab", __LINE__},
        {Left("abc", 0), "", __LINE__},
        {Left("abc", 9), "abc", __LINE__},
        {Left("", 1), "", __LINE__},
        {Right("abc", 2), "bc", __LINE__},
        {Right("abc", 9), "abc", __LINE__},
        {Right("abc", 0), "", __LINE__},
        {Mid("abcdef", 3), "cdef", __LINE__},
        {Mid("abcdef", 6), "f", __LINE__},
        {Mid("abcdef", 7), "", __LINE__},
        {Mid("abcdef", 70), "", __LINE__},
        {Mid("abcdef", 2, 3), "bcd", __LINE__},
        {Mid("abcdef", 5, 9), "ef", __LINE__},
        {Mid("abcdef", 1, 0), "", __LINE__},
        {Mid("abcdef", 8, 2), "", __LINE__},
        {Mid("", 1, 1), "", __LINE__},
    });
    EXPECT_EQ(Len("café"), 4);
}

TEST(Tekst, OngeldigeArgumentenWordenGeweigerd)
{
    const std::vector<std::pair<int, std::function<void()>>> gevallen = {
        {__LINE__, [] { Left("abc", -1); }},
        {__LINE__, [] { Right("abc", -1); }},
        {__LINE__, [] { Mid("abc", 0); }},
        {__LINE__, [] { Mid("abc", 0, 1); }},
        {__LINE__, [] { Mid("abc", 1, -1); }},
        {__LINE__, [] { InStr(0, "abc", "a"); }},
        {__LINE__, [] { InStr(0, "abc", ""); }},
        {__LINE__, [] { Replace("abc", "a", "b", 0); }},
        {__LINE__, [] { Replace("abc", "a", "b", 1, -2); }},
        {__LINE__, [] { Space(-1); }},
        {__LINE__, [] { String(-1, QChar(u'x')); }},
        {__LINE__, [] { String(2, QString()); }},
    };
    for (const auto& [regel, doe] : gevallen)
        EXPECT_THROW(doe(), std::invalid_argument) << "geval op regel " << regel;
}

TEST(Tekst, Val)
{
    const struct
    {
        const char* tekst;
        double verwacht;
    } gevallen[] = {
        {"12a", 12},      {"a12", 0},        {"", 0},          {"  -3.5x", -3.5}, {".5", 0.5},
        {"1 2", 12},      {" 1 2 3", 123},   {"\t7", 7},       {"1\n2", 12},      {"- 3", -3},
        {"+4", 4},        {"1.2.3", 1.2},    {"12,5", 12},     {"-.25", -0.25},   {"007", 7},
        {"0.005", 0.005}, {"1e3", 1000},     {"1E-2", 0.01},   {"2D2", 200},      {"1e", 1},
        {"1e+", 1},       {"1ex", 1},        {"e5", 0},        {".", 0},          {"-", 0},
        {"$5", 0},        {"&H1F", 31},      {"&hff", 255},    {"&HFFFF", -1},    {"&H8000", -32768},
        {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&O17", 15},  {"&Hx", 0},        {"&12", 0},
        {"1e-400", 0},
    };
    for (const auto& g : gevallen)
        EXPECT_DOUBLE_EQ(Val(g.tekst), g.verwacht) << '"' << g.tekst << '"';

    EXPECT_FALSE(std::signbit(Val("-0"))) << "Val(\"-0\") is a plain 0";
    EXPECT_EQ(Val(QString::fromUtf8("\u0663")), 0) << "only ASCII digits count";
    EXPECT_THROW(Val("1e400"), std::overflow_error);
    EXPECT_THROW(Val("&H100000000"), std::overflow_error);

    EXPECT_DOUBLE_EQ(Val(db::Waarde(2.5)), 2.5);
    EXPECT_DOUBLE_EQ(Val(db::Waarde(QStringLiteral("7 kg"))), 7);
    EXPECT_DOUBLE_EQ(Val(db::Waarde::null()), 0);
    EXPECT_DOUBLE_EQ(Val(db::Waarde(QDate(2024, 3, 5))), 5) << "a date reads through its text form";
}

TEST(Tekst, InStr)
{
    const auto B = Vergelijk::Binair;
    const auto T = Vergelijk::Tekst;
    const struct
    {
        qsizetype start;
        const char* tekst;
        const char* zoek;
        Vergelijk modus;
        qsizetype verwacht;
    } gevallen[] = {
        {1, "abcabc", "c", B, 3},  {4, "abcabc", "c", B, 6},  {7, "abcabc", "c", B, 0},  {1, "abcabc", "ca", B, 3},
        {1, "abc", "abcd", B, 0},  {1, "abc", "", B, 1},      {3, "abc", "", B, 3},      {4, "abc", "", B, 4},
        {5, "abc", "", B, 0},      {1, "", "", B, 1},         {2, "", "", B, 0},         {1, "", "a", B, 0},
        {1, "ABC", "b", B, 0},     {1, "ABC", "b", T, 2},     {2, "aXa", "A", T, 3},     {1, "CAFÉ", "é", T, 4},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(InStr(g.start, QString::fromUtf8(g.tekst), QString::fromUtf8(g.zoek), g.modus), g.verwacht)
            << "InStr(" << g.start << ", \"" << g.tekst << "\", \"" << g.zoek << "\")";
    EXPECT_EQ(InStr("hallo", "l"), 3);
    EXPECT_EQ(InStr("hallo", "L"), 0);
}

TEST(Tekst, HoofdlettersEnSpaties)
{
    controleer({
        {UCase("café Straße 1"), "CAFÉ STRAßE 1", __LINE__},
        {LCase("ÉÀ ÇA"), "éà ça", __LINE__},
        {UCase("µ ÿ šœž þ"), "µ Ÿ ŠŒŽ Þ", __LINE__},
        {LCase("Ÿ ŠŒŽ Þ ×"), "ÿ šœž þ ×", __LINE__},
        {UCase(QString::fromUtf8("\U00010428")), QString::fromUtf8("\U00010400"), __LINE__},
        {Trim("  a b  "), "a b", __LINE__},
        {Trim(" \ta\t "), "\ta\t", __LINE__},
        {Trim("\r\n"), "\r\n", __LINE__},
        {LTrim("  a  "), "a  ", __LINE__},
        {RTrim("  a  "), "  a", __LINE__},
        {Trim("   "), "", __LINE__},
        {Space(3), "   ", __LINE__},
        {Space(0), "", __LINE__},
        {String(3, QChar(u'x')), "xxx", __LINE__},
        {String(2, "abc"), "aa", __LINE__},
    });
    EXPECT_EQ(Len(UCase("straße")), 6) << "UCase keeps the length";
}

TEST(Tekst, Replace)
{
    const auto T = Vergelijk::Tekst;
    controleer({
        {Replace("aXbxc", "x", "-"), "aXb-c", __LINE__},
        {Replace("aXbxc", "x", "-", T), "a-b-c", __LINE__},
        {Replace("abc", "", "-"), "abc", __LINE__},
        {Replace("aaa", "a", "aa"), "aaaaaa", __LINE__},
        {Replace("aaaa", "aa", "b"), "bb", __LINE__},
        {Replace("abc", "b", ""), "ac", __LINE__},
        {Replace("abcabc", "a", "X", 3), "cXbc", __LINE__},
        {Replace("abcabc", "a", "X", 1, 1), "Xbcabc", __LINE__},
        {Replace("abcabc", "A", "X", 1, -1, T), "XbcXbc", __LINE__},
        {Replace("abc", "a", "X", 1, 0), "abc", __LINE__},
        {Replace("abc", "a", "X", 4), "", __LINE__},
    });
}

TEST(Tekst, CIntRondtHalfNaarEven)
{
    const struct
    {
        double x;
        int verwacht;
    } gevallen[] = {
        {2.5, 2},     {3.5, 4},     {-2.5, -2},   {-3.5, -4},          {0.5, 0},          {1.5, 2},
        {-0.5, 0},    {2.4999, 2},  {2.5001, 3},  {32767.4, 32767},    {-32768.5, -32768}, {0, 0},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(CInt(g.x), g.verwacht) << "CInt(" << g.x << ")";
        EXPECT_EQ(CLng(g.x), g.verwacht) << "CLng(" << g.x << ")";
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(CLng(40000.5), 40000);

    for (double x : {32767.5, -32768.6, 40000.0, 1e300, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(CInt(x), std::overflow_error) << "CInt(" << x << ")";
    for (double x : {2147483647.5, -2147483649.0, 1e10, std::numeric_limits<double>::infinity()})
        EXPECT_THROW(CLng(x), std::overflow_error) << "CLng(" << x << ")";
}

TEST(Tekst, CIntVanEenWaarde)
{
    const struct
    {
        const char* tekst;
        int verwacht;
    } gelezen[] = {
        {"12", 12}, {" 12 ", 12}, {"\t4", 4},   {"-7", -7},    {"+7", 7},      {"2,5", 2},
        {"3.5", 4}, {".5", 0},    {"5.", 5},    {"1e2", 100},  {"1,5E+1", 15}, {"&HFF", 255},
    };
    for (const auto& g : gelezen) {
        EXPECT_EQ(CInt(g.tekst), g.verwacht) << '"' << g.tekst << '"';
        EXPECT_EQ(CLng(g.tekst), g.verwacht) << '"' << g.tekst << '"';
    }

    for (const char* tekst : {"", " ", "12a", "a12", "1 2", "1e", "-", ".", "1,2,3", "1.2.3", "--1", "&H", "- 1"}) {
        EXPECT_THROW(CInt(tekst), std::invalid_argument) << '"' << tekst << '"';
        EXPECT_THROW(CLng(tekst), std::invalid_argument) << '"' << tekst << '"';
    }
    EXPECT_THROW(CInt("40000"), std::overflow_error);
    EXPECT_EQ(CLng("40000"), 40000);

    EXPECT_THROW(CInt(db::Waarde::null()), std::invalid_argument);
    EXPECT_EQ(CInt(db::Waarde()), 0);
    EXPECT_EQ(CInt(db::Waarde(qint64(-3))), -3);
    EXPECT_EQ(CInt(db::Waarde(6.5)), 6);
    EXPECT_EQ(CInt(db::Waarde(true)), -1);
    EXPECT_EQ(CInt(true), -1) << "a yes/no is -1, not 1";
    EXPECT_EQ(CLng(false), 0);
    EXPECT_EQ(CLng(db::Waarde(QDate(1900, 1, 1))), 2);
}

TEST(Tekst, IntEnFix)
{
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Int(2.5), 2);
    EXPECT_FALSE(std::signbit(Fix(-0.5))) << "no negative zero";
}

TEST(Tekst, IsNumeric)
{
    const struct
    {
        db::Waarde waarde;
        bool verwacht;
    } gevallen[] = {
        {"12", true},      {" 1,5 ", true},    {"1.5", true},  {"-1e5", true},      {"&H1F", true},
        {"", false},       {" ", false},       {"12a", false}, {"1e400", false},    {"1 000", false},
        {db::Waarde(), true}, {db::Waarde::null(), false}, {db::Waarde(QDate(2024, 1, 1)), false},
        {db::Waarde(3.5), true}, {db::Waarde(true), true},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(IsNumeric(g.waarde), g.verwacht) << '"' << g.waarde.tekst().toStdString() << '"';
}

TEST(Tekst, AlleenCijfersTakesTheDigitsZeroToNineAndNothingElse)
{
    EXPECT_TRUE(AlleenCijfers("007"));
    for (const QString& t : {QString(), QString(" 7"), QString("-7"), QString("7\n"), QString("1.5"), QString(QChar(0x0663))})
        EXPECT_FALSE(AlleenCijfers(t)) << t.toStdString();
}
