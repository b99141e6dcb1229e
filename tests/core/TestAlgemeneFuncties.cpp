#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "db/Database.h"
#include "ui/TestMeldingenScope.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;

namespace {

std::string beschrijf(const db::Waarde& w)
{
    if (w.isLeeg())
        return "<Leeg>";
    if (w.isNull())
        return "<Null>";
    return "'" + w.tekst().toStdString() + "'";
}

AlgemeneFuncties& af()
{
    return objAlgemeneFuncties();
}

} // namespace

TEST(AlgemeneFuncties, InhoudEnGeenLegeInhoud)
{
    const struct
    {
        db::Waarde waarde;
        db::Waarde inhoud;
        db::Waarde geenLegeInhoud;
    } gevallen[] = {
        {db::Waarde::null(), db::Waarde(""), db::Waarde::null()},
        {db::Waarde(), db::Waarde(), db::Waarde(" ")},
        {db::Waarde(""), db::Waarde(""), db::Waarde(" ")},
        {db::Waarde(" "), db::Waarde(""), db::Waarde(" ")},
        {db::Waarde("  "), db::Waarde("  "), db::Waarde("  ")},
        {db::Waarde(" a"), db::Waarde(" a"), db::Waarde(" a")},
        {db::Waarde("J"), db::Waarde("J"), db::Waarde("J")},
        {db::Waarde(0), db::Waarde(0), db::Waarde(0)},
        {db::Waarde(false), db::Waarde(false), db::Waarde(false)},
        {db::Waarde(QDate(2011, 3, 15)), db::Waarde(QDate(2011, 3, 15)), db::Waarde(QDate(2011, 3, 15))},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(af().Inhoud(g.waarde), g.inhoud) << beschrijf(g.waarde);
        EXPECT_EQ(af().GeenLegeInhoud(g.waarde), g.geenLegeInhoud) << beschrijf(g.waarde);
    }
}

TEST(AlgemeneFuncties, GeschrevenEnTeruggelezenTekstBlijftGelijkBehalveEenSpatie)
{
    for (const QString tekst : {"", "a", "  ", " a ", "0012", "w", "\t"}) {
        EXPECT_EQ(af().Inhoud(af().GeenLegeInhoud(tekst)), db::Waarde(tekst)) << "'" << tekst.toStdString() << "'";
    }
    EXPECT_EQ(af().Inhoud(af().GeenLegeInhoud(" ")), db::Waarde(""));
}

TEST(AlgemeneFuncties, BeginHoofdletters)
{
    const struct
    {
        db::Waarde waarde;
        db::Waarde verwacht;
    } gevallen[] = {
        {"  jan   VAN dijk  ", "Jan Van Dijk"},
        {"anne-marie de smet", "Anne-Marie De Smet"},
        {"van de-velde", "Van De-Velde"},
        {"VAN DE-VELDE", "Van De-Velde"},
        {"jean--PIERRE", "Jean-Pierre"},
        {"-jan- -piet-", "Jan- -Piet"},
        {"--a", "A"},
        {"   ", ""},
        {"-", ""},
        {"o'BRIEN", "O'brien"},
        {"élodie ÇA", "Élodie Ça"},
        {"x", "X"},
        {"", db::Waarde()},
        {db::Waarde(), db::Waarde()},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(af().BeginHoofdletters(g.waarde), g.verwacht) << beschrijf(g.waarde);
}

TEST(AlgemeneFuncties, CtlDatum)
{
    const struct
    {
        db::Waarde waarde;
        bool gelukt;
        db::Waarde daarna;
    } gevallen[] = {
        {"__-__-____", true, "__-__-____"},
        {"", true, ""},
        {db::Waarde(), true, db::Waarde()},
        {"05-03-2011", true, QDate(2011, 3, 5)},
        {"5/3/2011", true, QDate(2011, 3, 5)},
        {QDate(2011, 3, 5), true, QDate(2011, 3, 5)},
        {"31-02-2011", false, "31-02-2011"},
        {"__-03-2011", false, "__-03-2011"},
        {"geen datum", false, "geen datum"},
        {db::Waarde::null(), false, db::Waarde::null()},
    };
    ui::TestMeldingenScope meldingen;
    for (const auto& g : gevallen) {
        db::Waarde variabele = g.waarde;
        EXPECT_EQ(af().CtlDatum(variabele), g.gelukt) << beschrijf(g.waarde);
        EXPECT_EQ(variabele, g.daarna) << beschrijf(g.waarde);
    }
    EXPECT_TRUE(meldingen->getoond().isEmpty());
}

TEST(AlgemeneFuncties, EnkelNumeriekeInhoudToelaten)
{
    const struct
    {
        QString tekst;
        QString verwacht;
    } gevallen[] = {
        {"12a", "12"}, {"12", "12"}, {"", ""},    {"a", ""},    {"1ab", "1a"},
        {"12 ", "12"}, {"0", "0"},   {"9", "9"},  {"1,", "1"},  {"1²", "1"},
    };
    for (const auto& g : gevallen) {
        QString variabele = g.tekst;
        EXPECT_EQ(af().EnkelNumeriekeInhoudToelaten(variabele), g.verwacht) << g.tekst.toStdString();
        EXPECT_EQ(variabele, g.verwacht) << g.tekst.toStdString();
    }
}

TEST(AlgemeneFuncties, IsNumeriek)
{
    const struct
    {
        db::Waarde waarde;
        bool verwacht;
    } gevallen[] = {
        {"", false},         {"12a", true},   {"a12", false},      {"0", true},        {"9 x", true},
        {" 1", false},       {"-1", false},   {"٣", false},        {db::Waarde(), false},
        {db::Waarde::null(), false},          {db::Waarde(5), true}, {db::Waarde(-5), false},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(af().IsNumeriek(g.waarde), g.verwacht) << beschrijf(g.waarde);
}

TEST(AlgemeneFuncties, PadMakenMaaktElkeOntbrekendeMap)
{
    QTemporaryDir basis;
    ASSERT_TRUE(basis.isValid());
    const QString wortel = basis.path();

    QString pad = wortel + "/a/b/c";
    EXPECT_EQ(af().PadMaken(pad), wortel + "/a/b/c/");
    EXPECT_EQ(pad, wortel + "/a/b/c/");
    EXPECT_TRUE(QFileInfo(wortel + "/a/b/c").isDir());

    // Backslashes separate folders as well; the caller's text only gets its trailing separator.
    QString metBackslash = wortel + "\\d\\e";
    EXPECT_EQ(af().PadMaken(metBackslash), wortel + "\\d\\e/");
    EXPECT_TRUE(QFileInfo(wortel + "/d/e").isDir());

    QString bestaand = wortel + "/a/";
    EXPECT_EQ(af().PadMaken(bestaand), wortel + "/a/");
    EXPECT_EQ(bestaand, wortel + "/a/");

    QString eindigtOpBackslash = wortel + "/f\\";
    EXPECT_EQ(af().PadMaken(eindigtOpBackslash), wortel + "/f\\");
    EXPECT_TRUE(QFileInfo(wortel + "/f").isDir());
}

namespace {

// A temporary database as the program's own, with the tables a test needs; the shared state is put
// back afterwards.
class AlgemeneFunctiesMetDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        algemeen().dbGegevens = db::Database::maken(m_map.filePath("test.mdb"));
    }

    void TearDown() override { algemeenHerstellen(); }

    db::Database& dbGegevens() { return algemeen().dbGegevens; }

private:
    QTemporaryDir m_map;
};

} // namespace

TEST_F(AlgemeneFunctiesMetDatabase, DatumVorm)
{
    dbGegevens().tabelMaken({"Vertalingen",
                             {{"Nr", db::TypeWoord::Long},
                              {"E", db::TypeWoord::Tekst},
                              {"N", db::TypeWoord::Tekst},
                              {"F", db::TypeWoord::Tekst}},
                             {}});
    const QString invoegen = "INSERT INTO Vertalingen (Nr, E, N, F) VALUES (?, ?, ?, ?)";
    dbGegevens().uitvoeren(invoegen, {895, "Wrong date", "Foute datum", "Date erronée"});
    dbGegevens().uitvoeren(invoegen, {896, "Date", "Datum", "Date"});
    algemeen().strTaal = "N";

    const struct
    {
        db::Waarde waarde;
        db::Waarde verwacht;
        bool melding;
    } gevallen[] = {
        {"__-__-____", db::Waarde(), false},
        {"", db::Waarde(), false},
        {db::Waarde(), db::Waarde(), false},
        {db::Waarde::null(), db::Waarde(), false},
        {"1-2-2010", "01-02-2010", false},
        {"01/02/2010", "01-02-2010", false},
        {"29-02-2012 14:30", "29-02-2012", false},
        {QDate(2010, 2, 1), "01-02-2010", false},
        {"29-02-2011", "29-02-2011", true},
        {"12-__-2010", "12-__-2010", true},
        {"abc", "abc", true},
    };
    for (const auto& g : gevallen) {
        ui::TestMeldingenScope meldingen;
        if (g.melding)
            meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Datum", "Foute datum");
        EXPECT_EQ(af().DatumVorm(g.waarde), g.verwacht) << beschrijf(g.waarde);
        EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
    }
}

TEST_F(AlgemeneFunctiesMetDatabase, GemeenteInvullen)
{
    dbGegevens().tabelMaken({"Postnummers",
                             {{"Postcode", db::TypeWoord::Tekst}, {"Gemeente", db::TypeWoord::Tekst}},
                             {{"Postcode1", {{"Postcode"}, {"Gemeente"}}}}});
    const char* rijen[][2] = {
        {"9000", "Gent"},         {"9030", "Mariakerke"}, {"8310", "Sint-Kruis"},
        {"8310", "Assebroek"},    {"8000", "Brugge"},     {"8200", "Sint-Andries"},
    };
    for (const auto& rij : rijen)
        dbGegevens().uitvoeren("INSERT INTO Postnummers (Postcode, Gemeente) VALUES (?, ?)", {rij[0], rij[1]});
    db::Recordset postcodes = dbGegevens().openTabel("Postnummers");

    const struct
    {
        db::Waarde postcode;
        db::Waarde gemeente;
        db::Waarde verwacht;
    } gevallen[] = {
        {"9000", "gent", "gent"},             // a town of the postcode comes back as passed in
        {"9000", "", "GENT"},                 // the postcode's only town, in upper case
        {"9000", "Brugge", "GENT"},
        {"8310", "sint-kruis", "sint-kruis"}, // also when it is not the first of several
        {"8310", "", "ASSEBROEK"},            // several towns: the first in the table's order
        {"8000", "Sint-Andries", "BRUGGE"},   // the next postcode's towns do not count
        {"1000", "Brussel", db::Waarde()},
        {"", "Gent", db::Waarde()},
        {db::Waarde(), "Gent", db::Waarde()},
    };
    ui::TestMeldingenScope meldingen;
    for (const auto& g : gevallen) {
        int links = 100;
        int boven = 200;
        EXPECT_EQ(af().GemeenteInvullen(g.postcode, g.gemeente, postcodes, links, boven, 0xFFFFFF), g.verwacht)
            << beschrijf(g.postcode) << " " << beschrijf(g.gemeente);
        EXPECT_EQ(links, 100);
        EXPECT_EQ(boven, 200);
    }
    EXPECT_TRUE(meldingen->getoond().isEmpty());
}
