#include "core/Algemeen.h"
#include "core/FunctiesQJ.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace core;

namespace {

// Runs every test on a fixed "today" and puts the real clock back afterwards.
class FunctiesQJTest : public ::testing::Test
{
protected:
    void TearDown() override { zetKlok(nullptr); }

    void zetVandaag(int jaar, int maand, int dag)
    {
        m_klok.zet(QDateTime(QDate(jaar, maand, dag), QTime(12, 0)));
        zetKlok(&m_klok);
    }

    FunctiesQJ& qj = objFunctiesQJ();

private:
    VasteKlok m_klok{QDateTime()};
};

QString datumTekst(const QDate& d)
{
    return d.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace

TEST_F(FunctiesQJTest, SeizoenLooptVanEenJuliTotDertigJuni)
{
    const struct
    {
        QDate vandaag;
        QDate begin;
        QDate einde;
    } gevallen[] = {
        {{2011, 6, 30}, {2010, 7, 1}, {2011, 6, 30}},
        {{2011, 7, 1}, {2011, 7, 1}, {2012, 6, 30}},
        {{2011, 3, 15}, {2010, 7, 1}, {2011, 6, 30}},
        {{2010, 12, 31}, {2010, 7, 1}, {2011, 6, 30}},
        {{2011, 1, 1}, {2010, 7, 1}, {2011, 6, 30}},
        {{2000, 2, 29}, {1999, 7, 1}, {2000, 6, 30}},
    };
    for (const auto& g : gevallen) {
        const std::string op = datumTekst(g.vandaag).toStdString();
        EXPECT_EQ(qj.BeginSeizoen(g.vandaag), g.begin) << op;
        EXPECT_EQ(qj.EindeSeizoen(g.vandaag), g.einde) << op;
        zetVandaag(g.vandaag.year(), g.vandaag.month(), g.vandaag.day());
        EXPECT_EQ(qj.BeginDitSeizoen(), g.begin) << op;
        EXPECT_EQ(qj.EindeDitSeizoen(), g.einde) << op;
    }
}

TEST_F(FunctiesQJTest, BeginNulToevoegenVultAanInDeVariabeleVanDeOproeper)
{
    const struct
    {
        QString waarde;
        int breedte;
        QString verwacht;
    } gevallen[] = {
        {"", 3, "000"},         {"7", 2, "07"},  {"1234", 6, "001234"}, {"1234", 2, "1234"},
        {"12", 2, "12"},        {"5", 0, "5"},   {"ab", 4, "00ab"},     {" 1", 3, "0 1"},
    };
    for (const auto& g : gevallen) {
        QString variabele = g.waarde;
        EXPECT_EQ(qj.BeginNulToevoegen(variabele, g.breedte), g.verwacht) << g.waarde.toStdString();
        EXPECT_EQ(variabele, g.verwacht) << g.waarde.toStdString();
    }
}

TEST_F(FunctiesQJTest, BeginNulToevoegenVanEenUitdrukking)
{
    const int spel = 6;
    EXPECT_EQ(qj.BeginNulToevoegen(spel + 1, 2), "07");
    EXPECT_EQ(qj.BeginNulToevoegen(16, 2), "16");
    EXPECT_EQ(qj.BeginNulToevoegen(QStringLiteral("123"), 6), "000123");
    const QString vast = QStringLiteral("9");
    EXPECT_EQ(qj.BeginNulToevoegen(vast, 3), "009");
    EXPECT_EQ(vast, "9");
}

TEST_F(FunctiesQJTest, LeeftijdsReeksTeltVanafHetEersteJaarVanHetSeizoen)
{
    zetVandaag(2011, 3, 15); // season 2010-2011: age = 2010 - year of birth
    const struct
    {
        int geboortejaar;
        const char* reeks;
        const char* volledig;
    } gevallen[] = {
        {2011, "Benjamin", "Benjamin Eerste Jaar"},      {2003, "Benjamin", "Benjamin Eerste Jaar"},
        {2002, "Benjamin", "Benjamin Tweede Jaar"},      {2001, "Preminiem", "Preminiem Eerste Jaar"},
        {2000, "Preminiem", "Preminiem Tweede Jaar"},    {1999, "Miniem", "Miniem Eerste Jaar"},
        {1998, "Miniem", "Miniem Tweede Jaar"},          {1997, "Kadet", "Kadet Eerste Jaar"},
        {1996, "Kadet", "Kadet Tweede Jaar"},            {1995, "Junior", "Junior Eerste Jaar"},
        {1994, "Junior", "Junior Tweede Jaar"},          {1993, "Junior", "Junior Derde Jaar"},
        {1992, "-21", "-21 Eerste Jaar"},                {1991, "-21", "-21 Tweede Jaar"},
        {1990, "-21", "-21 Derde Jaar"},                 {1989, "-21", "-21 Vierde Jaar"},
        {1988, "Senior", "Senior"},                      {1971, "Senior", "Senior"},
        {1970, "Veteraan + 40", "Veteraan + 40"},        {1961, "Veteraan + 40", "Veteraan + 40"},
        {1960, "Veteraan + 50", "Veteraan + 50"},        {1951, "Veteraan + 50", "Veteraan + 50"},
        {1950, "Veteraan + 60", "Veteraan + 60"},        {1946, "Veteraan + 60", "Veteraan + 60"},
        {1945, "Veteraan + 65", "Veteraan + 65"},        {1941, "Veteraan + 65", "Veteraan + 65"},
        {1940, "Veteraan + 70", "Veteraan + 70"},        {1936, "Veteraan + 70", "Veteraan + 70"},
        {1935, "Veteraan + 75", "Veteraan + 75"},        {1931, "Veteraan + 75", "Veteraan + 75"},
        {1930, "Veteraan + 80", "Veteraan + 80"},        {1900, "Veteraan + 80", "Veteraan + 80"},
    };
    for (const auto& g : gevallen) {
        // Day and month of the birth do not count; the date may come as a date or as a text.
        const db::Waarde alsDatum(QDate(g.geboortejaar, 1, 1));
        const db::Waarde alsTekst(QStringLiteral("31-12-%1").arg(g.geboortejaar));
        EXPECT_EQ(qj.LeeftijdsReeks(alsDatum, 0), g.reeks) << g.geboortejaar;
        EXPECT_EQ(qj.LeeftijdsReeks(alsTekst, 0), g.reeks) << g.geboortejaar;
        EXPECT_EQ(qj.LeeftijdsReeks(alsDatum, 1), g.volledig) << g.geboortejaar;
        EXPECT_EQ(qj.LeeftijdsReeks(alsTekst, 2), g.volledig) << g.geboortejaar;
    }
}

TEST_F(FunctiesQJTest, LeeftijdsReeksSchuiftOpEenJuli)
{
    const db::Waarde geboren(QDate(2003, 5, 20));
    zetVandaag(2011, 6, 30);
    EXPECT_EQ(qj.LeeftijdsReeks(geboren, 1), "Benjamin Eerste Jaar");
    zetVandaag(2011, 7, 1);
    EXPECT_EQ(qj.LeeftijdsReeks(geboren, 1), "Benjamin Tweede Jaar");
}

TEST_F(FunctiesQJTest, LeeftijdsReeksVanEenLegeOfOngeldigeGeboortedatum)
{
    zetVandaag(2011, 3, 15);
    for (const db::Waarde& leeg : {db::Waarde(""), db::Waarde(), db::Waarde::null()}) {
        EXPECT_EQ(qj.LeeftijdsReeks(leeg, 0), "??");
        EXPECT_EQ(qj.LeeftijdsReeks(leeg, 1), "??");
    }
    EXPECT_THROW(qj.LeeftijdsReeks(db::Waarde("geen datum"), 0), std::invalid_argument);
    EXPECT_THROW(qj.LeeftijdsReeksOud(db::Waarde(""), 0), std::invalid_argument);
    EXPECT_THROW(qj.LR(db::Waarde::null()), std::invalid_argument);
}

TEST_F(FunctiesQJTest, LeeftijdsReeksOudOpDeVolledigeGeboortedatum)
{
    zetVandaag(2011, 3, 15); // second year of the season: 2011
    const struct
    {
        QDate geboren;
        const char* reeks;
        const char* volledig;
    } gevallen[] = {
        {{2003, 1, 2}, "Benjamin", "Benjamin Eerste Jaar"},  {{2003, 1, 1}, "Benjamin", "Benjamin Tweede Jaar"},
        {{1989, 1, 1}, "-21", "-21 Vierde Jaar"},            {{1988, 12, 31}, "Senior", "Senior"},
        {{1951, 1, 1}, "Veteraan + 50", "Veteraan + 50"},    {{1950, 12, 31}, "Veteraan + 60", "Veteraan + 60"},
        {{1945, 6, 1}, "Veteraan + 60", "Veteraan + 60"},    {{1941, 1, 1}, "Veteraan + 60", "Veteraan + 60"},
        {{1940, 12, 31}, "Veteraan + 65", "Veteraan + 65"},  {{1936, 1, 1}, "Veteraan + 65", "Veteraan + 65"},
        {{1935, 12, 31}, "Veteraan + 70", "Veteraan + 70"},  {{1930, 12, 31}, "Veteraan + 75", "Veteraan + 75"},
        {{1926, 1, 1}, "Veteraan + 75", "Veteraan + 75"},    {{1925, 12, 31}, "Veteraan + 80", "Veteraan + 80"},
    };
    for (const auto& g : gevallen) {
        const std::string geboren = datumTekst(g.geboren).toStdString();
        EXPECT_EQ(qj.LeeftijdsReeksOud(db::Waarde(g.geboren), 0), g.reeks) << geboren;
        EXPECT_EQ(qj.LeeftijdsReeksOud(db::Waarde(datumTekst(g.geboren)), 1), g.volledig) << geboren;
    }
}

TEST_F(FunctiesQJTest, LeeftijdsReeksOudStemtOvereenMetLeeftijdsReeksTotVeteraanPlus50)
{
    // Up to "Veteraan + 50" both rules agree, except for a birth on 1 January of the year Y2 - 8.
    for (const QDate vandaag : {QDate(2011, 3, 15), QDate(2011, 9, 1)}) {
        zetVandaag(vandaag.year(), vandaag.month(), vandaag.day());
        const int eersteJaar = qj.BeginDitSeizoen().year();
        for (int leeftijd = 0; leeftijd <= 59; ++leeftijd) {
            for (const QDate geboren : {QDate(eersteJaar - leeftijd, 1, 1), QDate(eersteJaar - leeftijd, 7, 14),
                                        QDate(eersteJaar - leeftijd, 12, 31)}) {
                if (geboren == QDate(qj.EindeDitSeizoen().year() - 8, 1, 1))
                    continue;
                EXPECT_EQ(qj.LeeftijdsReeksOud(db::Waarde(geboren), 1), qj.LeeftijdsReeks(db::Waarde(geboren), 1))
                    << "op " << datumTekst(vandaag).toStdString() << ", geboren " << datumTekst(geboren).toStdString();
            }
        }
    }
}

TEST_F(FunctiesQJTest, LRTeltVanafHetKalenderjaar)
{
    const struct
    {
        QDate vandaag;
        QDate geboren;
        const char* reeks;
    } gevallen[] = {
        {{2011, 3, 15}, {2002, 1, 2}, "Benjamin"},       {{2011, 3, 15}, {2002, 1, 1}, "Preminiem"},
        {{2011, 3, 15}, {1950, 12, 31}, "Veteraan + 60"}, {{2011, 3, 15}, {1941, 1, 1}, "Veteraan + 60"},
        {{2011, 3, 15}, {1940, 12, 31}, "Veteraan + 70"}, {{2011, 3, 15}, {1931, 1, 1}, "Veteraan + 70"},
        {{2011, 3, 15}, {1930, 12, 31}, "Veteraan + 80"},
        // From July on the season moved, the calendar year did not: LR stays where it was.
        {{2011, 9, 15}, {2002, 1, 2}, "Benjamin"},       {{2011, 12, 31}, {2002, 1, 1}, "Preminiem"},
        {{2012, 1, 1}, {2003, 1, 1}, "Preminiem"},
    };
    for (const auto& g : gevallen) {
        zetVandaag(g.vandaag.year(), g.vandaag.month(), g.vandaag.day());
        EXPECT_EQ(qj.LR(db::Waarde(g.geboren), db::Waarde(1)), g.reeks)
            << "op " << datumTekst(g.vandaag).toStdString() << ", geboren " << datumTekst(g.geboren).toStdString();
    }
}

TEST_F(FunctiesQJTest, LRStemtInDeEersteJaarhelftOvereenMetLeeftijdsReeks)
{
    zetVandaag(2011, 5, 10);
    for (int geboortejaar = 1952; geboortejaar <= 2011; ++geboortejaar) {
        const db::Waarde geboren(QDate(geboortejaar, 6, 15));
        EXPECT_EQ(qj.LR(geboren), qj.LeeftijdsReeks(geboren, 0)) << geboortejaar;
    }
    // In the second half of the year LR places everyone one year younger.
    zetVandaag(2011, 10, 10);
    for (int geboortejaar = 1952; geboortejaar <= 2010; ++geboortejaar) {
        EXPECT_EQ(qj.LR(db::Waarde(QDate(geboortejaar, 6, 15))),
                  qj.LeeftijdsReeks(db::Waarde(QDate(geboortejaar + 1, 6, 15)), 0))
            << geboortejaar;
    }
}
