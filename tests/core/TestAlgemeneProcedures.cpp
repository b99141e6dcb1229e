#include "core/AlgemeneProcedures.h"

#include "core/Algemeen.h"
#include "core/Ansi.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace core;
using db::TypeWoord::Tekst;

namespace {

class AlgemeneProcedures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        db::Database d = db::Database::maken(m_map.filePath("test.mdb"));
        d.tabelMaken({"Provincies",
                      {{"Nr", db::TypeWoord::Integer}, {"Provincie", Tekst}, {"Province", Tekst}, {"Afkorting", Tekst},
                       {"TabT", Tekst}},
                      {{"Alfa", {{"Provincie"}}}}});
        d.tabelMaken({"Vertalingen", {{"Nr", db::TypeWoord::Long}, {"E", Tekst}, {"N", Tekst}, {"F", Tekst}}, {}});
        d.tabelMaken({"Leden", {{"CompNr", Tekst}, {"Naam", Tekst}}, {{"CompNr", {{"CompNr"}}}}});
        d.tabelMaken({"Alternatief", {{"Computernummer", Tekst}, {"Naam", Tekst}}, {}});
        const QList<QList<db::Waarde>> provincies = {
            {10, "West-Vlaanderen", "Flandre occidentale", "W.Vl.", "WVL"},
            {8, "Vlaams-Brabant", "Brabant flamand", "VB.", "VLB"},
            {9, "Waals-Brabant", "Brabant wallon", "B.", "BBW"},
            {0, "vrij", "libre", "vrij", ""},
            {12, "Brabant d'x", "Brabant d'y", "D'X", "D'X"},
        };
        for (const auto& rij : provincies)
            d.uitvoeren("INSERT INTO Provincies VALUES (?,?,?,?,?)", rij);
        d.uitvoeren("INSERT INTO Vertalingen VALUES (762, 'Province', 'Provincie', 'Province')");
        d.uitvoeren("INSERT INTO Leden VALUES ('012345', 'Janssens Piet')");
        d.uitvoeren("INSERT INTO Alternatief VALUES ('054321', 'Peeters An')");

        Algemeen& a = algemeen();
        a.dbGegevens = d;
        a.rsProvincies = d.openTabel("Provincies");
        a.strTaal = "N";
        a.intAantalKaraktersCompNr = 6;
    }

    void TearDown() override { algemeenHerstellen(); }

    QTemporaryDir m_map;
};

} // namespace

TEST(AlgemeneProceduresTekst, IsUurEnUurTekst)
{
    for (const char* geldig : {"", "0", "24", "9.5", "24.59", "2a", "0.0", "12.30"})
        EXPECT_TRUE(IsUur(geldig)) << geldig;
    for (const char* ongeldig : {"25", "12.60", ".30", "14.", "1430", "12.300", "a", "a.30", "9.x", "99.9"})
        EXPECT_FALSE(IsUur(ongeldig)) << ongeldig;

    const struct
    {
        const char* invoer;
        const char* variabele;
        const char* uitkomst;
    } gevallen[] = {
        {"", "", ""},
        {"9", "9.00", "09.00"},
        {"24", "24.00", "24.00"},
        {"9.5", "9.5", "09.05"},
        {"24.59", "24.59", "24.59"},
        {"2a", "2a.00", "02.00"},
        {"20.30", "20.30", "20.30"},
    };
    for (const auto& g : gevallen) {
        QString tekst = g.invoer;
        EXPECT_EQ(UurTekst(tekst), g.uitkomst) << g.invoer;
        EXPECT_EQ(tekst, g.variabele) << g.invoer;
    }
    // An end time: ":" as ".", blanks and a last "." left out; hour 24 is none.
    EXPECT_EQ(EinduurLezen(" 22:5. "), QString("22.05"));
    EXPECT_EQ(EinduurLezen(""), QString(""));
    EXPECT_EQ(EinduurLezen("24.00"), std::nullopt);
}

TEST(AlgemeneProceduresTekst, PaswoordHeenEnTerug)
{
    EXPECT_EQ(PaswoordCoderen("abc"), "GHI");
    EXPECT_EQ(PaswoordDecoderen("GHI"), "abc");
    EXPECT_EQ(PaswoordCoderen(""), "");
    for (int code = 26; code <= 255; ++code) {
        const QString teken = vanAnsi(QByteArray(1, static_cast<char>(code)));
        const QString gecodeerd = PaswoordCoderen(teken);
        EXPECT_EQ(static_cast<unsigned char>(naarAnsi(gecodeerd).at(0)), code - 26) << code;
        EXPECT_EQ(PaswoordDecoderen(gecodeerd), teken) << code;
    }
}

TEST(AlgemeneProceduresTekst, TekstenEnGetallen)
{
    EXPECT_EQ(ZonderAccenten("Dé Smet-Ñúñez"), "De Smet-Nunez");
    EXPECT_EQ(ZonderAccenten("ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ"), "AAAAAACEEEEIIIIDNOOOOOOUUUUY");
    EXPECT_EQ(ZonderAccenten("àáâãäåçèéêëìíîïðñòóôõöøùúûüýÿ"), "aaaaaaceeeeiiiidnoooooouuuuyy");
    EXPECT_EQ(ZonderAccenten("Æsop ×Þßæ÷þ Łódź"), "Æsop ×Þßæ÷þ Łodź");

    EXPECT_EQ(SqlTekst("D'Hondt"), "D''Hondt");
    EXPECT_EQ(SqlTekst("''"), "''''");

    EXPECT_EQ(SeizoenNr("2010"), 11);
    EXPECT_EQ(SeizoenNr(2010), 11);
    EXPECT_EQ(SeizoenNr("10"), 0);
    EXPECT_EQ(SeizoenNr("2010-2011"), 0);

    const char* dagen[] = {"", "ZO", "MA", "DI", "WO", "DO", "VR", "ZA", ""};
    for (int dag = 0; dag <= 8; ++dag)
        EXPECT_EQ(DagAfkorting(dag), dagen[dag]) << dag;
    EXPECT_EQ(DagAfkorting("3"), "DI");
    EXPECT_EQ(DagAfkorting("x"), "");

    EXPECT_EQ(ReeksCode("Afdeling 3A - Heren", "Heren"), "P H 3A");
    EXPECT_EQ(ReeksCode("Super Afdeling - Dames", "Dames"), "S D Super");
    EXPECT_EQ(ReeksCode("NATIONAAL afdeling 2B", "veteranen"), "N V NATIONAAL 2B");
    EXPECT_EQ(ReeksCode("Landelijk Jeugd 1", "Jeugd"), "L J Landelijk Jeugd 1");
    EXPECT_EQ(ReeksCode("Jeugd Afdeling 4", "Jeugd"), "J J Jeugd 4");
}

TEST(AlgemeneProceduresTekst, Datums)
{
    EXPECT_EQ(DatumTekst(""), "");
    EXPECT_EQ(DatumTekst("1/2/2010"), "01-02-2010");
    EXPECT_EQ(DatumTekst("2010-02-01"), "01-02-2010");
    EXPECT_EQ(DatumTekst("01-02-2010 14:30"), "01-02-2010");
    EXPECT_EQ(DatumTekst(QDate(2011, 12, 3)), "03-12-2011");
    EXPECT_TRUE(IsDatum(""));
    EXPECT_TRUE(IsDatum("29-02-2012"));
    EXPECT_FALSE(IsDatum("29-02-2011"));
    EXPECT_FALSE(IsDatum("morgen"));
}

TEST_F(AlgemeneProcedures, ProvincieNrPerSoort)
{
    algemeen().strProvincie = "Vlaams-Brabant";
    algemeen().strProvincieAfkorting = "B.";
    const struct
    {
        const char* naam;
        int soort;
        int nr;
    } gevallen[] = {
        {"West-Vlaanderen", 0, 10}, {"Flandre occidentale", 3, 10}, {"brabant wallon", 0, 9}, {"vrij", 0, 0},
        {"", 0, 8},                 {"", 1, 9},                      {"W.Vl.", 1, 10},         {"WVl", 2, 10},
        {"vb", 2, 8},               {"W-VL", 4, 10},                 {"bbw", 4, 9},            {"All", 0, -1},
        {"aLL", 4, -1},             {"Limburg", 0, -1},              {"WVl", 1, -1},           {"Brabant d'x", 0, 12},
        {"D'X", 2, 12},             {"D'X", 4, 12},                  {"West-Vlaanderen", 7, -1},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(ProvincieNr(g.naam, g.soort), g.nr) << g.naam << " soort " << g.soort;
    ProvincieNr("WVl", 2);
    EXPECT_EQ(algemeen().rsProvincies.index(), "Alfa");
    EXPECT_TRUE(algemeen().rsProvincies.eof());
}

TEST_F(AlgemeneProcedures, ProvincieNaamAfkortingEnTabT)
{
    EXPECT_EQ(ProvincieAfkorting(10), "W.Vl.");
    EXPECT_EQ(ProvincieAfkorting("8"), "VB.");
    EXPECT_EQ(ProvincieNaam(10), "West-Vlaanderen");
    EXPECT_EQ(ProvincieTabT("Waals-Brabant"), "BBW");
    EXPECT_EQ(ProvincieTabT("Brabant d'x"), "D'X");
    EXPECT_EQ(ProvincieTabT("Brabant wallon"), "");
    const db::Waarde geenNummers[] = {db::Waarde(), "", "abc", 99, db::Waarde::null()};
    for (const db::Waarde& geenNr : geenNummers) {
        EXPECT_EQ(ProvincieAfkorting(geenNr), "") << geenNr.tekst().toStdString();
        EXPECT_EQ(ProvincieNaam(geenNr), "") << geenNr.tekst().toStdString();
    }

    algemeen().strTaal = "F";
    EXPECT_EQ(ProvincieNaam("9"), "Brabant wallon");
    EXPECT_EQ(ProvincieTabT("Brabant wallon"), "BBW");

    algemeen().dbGegevens.uitvoeren("UPDATE Vertalingen SET F = 'Bestaatniet'");
    EXPECT_EQ(ProvincieNaam(9), "");
    EXPECT_EQ(ProvincieTabT("Brabant wallon"), "");
    algemeen().dbGegevens.uitvoeren("DELETE FROM Vertalingen");
    EXPECT_EQ(ProvincieNaam(9), "");
    EXPECT_EQ(ProvincieTabT("Brabant wallon"), "");
}

TEST_F(AlgemeneProcedures, SpelerNamenEnTweedeCompNr)
{
    const struct
    {
        const char* code;
        const char* namen;
    } gevallen[] = {
        {"", ""},
        {"012345054321", "Janssens Piet - Peeters An"},
        {"012345099999", "Janssens Piet"},
        {"099999054321", " - Peeters An"},
        {"012345", "Janssens Piet - Janssens Piet"},
        {"0'2345012345", " - Janssens Piet"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(SpelerNamen(g.code), g.namen) << g.code;

    EXPECT_EQ(TweedeCompNr("3  Janssens Piet  B6  012345*"), "12345");
    EXPECT_EQ(TweedeCompNr("100200 "), "100200");
}

TEST(AlgemeneProceduresVensters, VensterZoekenEnBovenaan)
{
    QWidget woord;
    woord.setWindowTitle("microsoft word - Wedstrijdblad.docx");
    woord.setGeometry(120, 140, 300, 200);
    QString titel;
    quintptr venster = 7;
    EXPECT_FALSE(VensterZoeken(titel, venster)) << "a hidden window is not listed";
    EXPECT_EQ(titel, "Microsoft Word");
    EXPECT_EQ(venster, 0u);

    woord.show();
    EXPECT_TRUE(VensterZoeken(titel, venster));
    EXPECT_EQ(venster, reinterpret_cast<quintptr>(&woord));
    titel = "Microsoft Word - Wedstrijdblad.docx en meer";
    EXPECT_FALSE(VensterZoeken(titel, venster));

    const QRect plaats = woord.geometry();
    AltijdBovenaanZetten(&woord, true);
    EXPECT_TRUE(woord.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(woord.isVisible());
    EXPECT_EQ(woord.geometry(), plaats);
    AltijdBovenaanZetten(&woord, false);
    EXPECT_FALSE(woord.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(woord.isVisible());

    woord.hide();
    AltijdBovenaanZetten(&woord, true);
    EXPECT_TRUE(woord.isHidden());
}
