// Values on their way in and out: the form a field stores, seek keys, SQL parameters, and case.

#include "QtAfdruk.h"
#include "db/Database.h"
#include "db/Hoofdletters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

namespace {

class WaardenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("waarden.mdb"));
        m_db.tabelMaken({"Wedstrijden",
                         {{"Nr", TypeWoord::Tekst},
                          {"DatumTekst", TypeWoord::Tekst},
                          {"Gespeeld", TypeWoord::Datum},
                          {"Zaal", TypeWoord::Long}},
                         {{"Nr", {{"Nr"}}}, {"DatumTekst", {{"DatumTekst"}}}, {"Gespeeld", {{"Gespeeld"}}}}});
        Recordset rs = m_db.openTabel("Wedstrijden");
        rs.addNew();
        rs["Nr"] = 12345.0;
        rs["DatumTekst"] = QDate(2010, 9, 18);
        rs["Gespeeld"] = QDate(2010, 9, 18);
        rs["Zaal"] = "7";
        rs.update();
    }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(WaardenTest, SeekKeysAreComparedInTheFormTheFieldStores)
{
    Recordset rs = m_db.openTabel("Wedstrijden");
    EXPECT_EQ(rs.veld("Nr"), Waarde("12345"));
    EXPECT_EQ(rs.veld("DatumTekst"), Waarde("18-09-2010"));
    rs.setIndex("Nr");
    rs.seek("=", {12345.0});
    EXPECT_FALSE(rs.noMatch()) << "a whole number held as a double";
    rs.seek("=", {12345});
    EXPECT_FALSE(rs.noMatch());
    rs.setIndex("DatumTekst");
    rs.seek("=", {QDate(2010, 9, 18)});
    EXPECT_FALSE(rs.noMatch()) << "a date against a text field holding a date";
    rs.setIndex("Gespeeld");
    rs.seek("=", {QDate(2010, 9, 18)});
    EXPECT_FALSE(rs.noMatch());
    rs.seek("=", {"18-09-2010"});
    EXPECT_FALSE(rs.noMatch()) << "a date text against a date field";
    rs.seek("=", {"geen datum"});
    EXPECT_TRUE(rs.noMatch());
}

TEST_F(WaardenTest, ParametersBindInTheStoredForms)
{
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Nr = ?", {12345.0}).veld(0).geheel(), 1);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Gespeeld = ?", {QDate(2010, 9, 18)})
                  .veld(0)
                  .geheel(),
              1);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Wedstrijden WHERE Zaal = ?", {7.0}).veld(0).geheel(), 1);
    EXPECT_EQ(m_db.uitvoeren("UPDATE Wedstrijden SET Nr = ? WHERE Nr = '12345'", {678.0}), 1);
    EXPECT_EQ(m_db.openRecordset("SELECT Nr FROM Wedstrijden").veld(0), Waarde("678"));
    m_db.uitvoeren("UPDATE Wedstrijden SET Nr = ?", {2.5});
    EXPECT_EQ(m_db.openRecordset("SELECT Nr FROM Wedstrijden").veld(0), Waarde("2.5"));
}

TEST_F(WaardenTest, NullEmptyAndBlankStayApart)
{
    EXPECT_NE(Waarde::null(), Waarde(""));
    EXPECT_NE(Waarde(""), Waarde(" "));
    EXPECT_NE(Waarde::null(), Waarde());
    EXPECT_EQ(Waarde::null(), Waarde::null());
    EXPECT_NE(Waarde("a"), Waarde("A")) << "values compare exactly";
    Recordset rs = m_db.openTabel("Wedstrijden");
    for (const Waarde& w : {Waarde::null(), Waarde(""), Waarde(" ")}) {
        rs.addNew();
        rs["Nr"] = w;
        rs.update();
    }
    Recordset terug = m_db.openRecordset("SELECT Nr FROM Wedstrijden WHERE Nr IS NULL OR Nr <= ' ' ORDER BY Nr");
    QList<Waarde> gelezen;
    for (; !terug.eof(); terug.moveNext())
        gelezen << terug.veld(0);
    EXPECT_EQ(gelezen, QList<Waarde>({Waarde::null(), Waarde(""), Waarde(" ")}));
    rs.setIndex("Nr");
    rs.seek("=", {""});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("Nr"), Waarde(""));
    rs.seek("=", {Waarde::null()});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_TRUE(rs.veld("Nr").isNull());
}

TEST(Hoofdletters, AccentedLettersPairAsInWindows1252)
{
    EXPECT_EQ(hoofdletters("Gérard àÿ šœž çñ"), "GÉRARD ÀŸ ŠŒŽ ÇÑ");
    EXPECT_EQ(kleineLetters("GÉRARD ÀŸ ŠŒŽ ÇÑ"), "gérard àÿ šœž çñ");
    // No partner: stays as it is, and the length never changes.
    EXPECT_EQ(hoofdletters("straße µ ÷ ×"), "STRAßE µ ÷ ×");
    EXPECT_EQ(kleineLetters("× ÷"), "× ÷");
    EXPECT_TRUE(gelijkZonderHoofdletters(u"Gérard", u"GÉRARD"));
    EXPECT_FALSE(gelijkZonderHoofdletters(u"Gerard", u"GÉRARD"));
    EXPECT_LT(vergelijkZonderHoofdletters(u"abc", u"ABD"), 0);
    EXPECT_GT(vergelijkZonderHoofdletters(u"Éa", u"eb"), 0) << "by code point after folding";
    EXPECT_LT(vergelijkZonderHoofdletters(u"ab", u"ABc"), 0);
}

TEST(Hoofdletters, NamesAreLookedUpWithoutRegardToAccentCase)
{
    QTemporaryDir map;
    Database db = Database::maken(map.filePath("namen.mdb"));
    db.tabelMaken({"Clubs", {{"Catégorie", TypeWoord::Tekst}}, {{"Sélection", {{"Catégorie"}}}}});
    db.tabelMaken({"Sélection", {{"x", TypeWoord::Tekst}}, {}});
    for (const char* naam : {"Clubs", "CLUBS", "clubs", "Sélection", "SÉLECTION"})
        EXPECT_TRUE(db.bestaatTabel(QString::fromUtf8(naam))) << naam;
    for (const char* naam : {"Club", "Clubs2", "Selection", "sqlite_master", "Sélection_"})
        EXPECT_FALSE(db.bestaatTabel(QString::fromUtf8(naam))) << naam;
    Recordset rs = db.openTabel("Clubs");
    EXPECT_TRUE(rs.heeftVeld("CATÉGORIE"));
    EXPECT_NO_THROW(rs.setIndex("SÉLECTION"));
    Recordset sql = db.openRecordset("SELECT * FROM Clubs");
    EXPECT_TRUE(sql.heeftVeld("catÉgorie"));
    // By [] with a literal in any spelling, and an unknown name refused at once.
    rs.addNew();
    rs["CATÉGORIE"] = "Heren";
    rs[u"catégorie"] = "Dames";
    rs.update();
    EXPECT_EQ(db.openRecordset("SELECT Catégorie FROM Clubs").veld(0).tekst(), "Dames");
    rs.moveFirst();
    EXPECT_EQ(Waarde(rs["catÉGORIE"]), Waarde("Dames"));
    EXPECT_THROW(rs["Categorie"], DbFout);
}

TEST(Hoofdletters, ManyNamesFindTheirNumberInAnyCaseAndTheLastOfOneNameWins)
{
    NamenIndex index;
    EXPECT_EQ(index.zoek(u"x"), -1);
    for (int i = 0; i < 300; ++i)
        index.toevoegen(QStringLiteral("Veld%1é").arg(i), i);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(index.zoek(QStringLiteral("VELD%1É").arg(i)), i);
        EXPECT_EQ(index.zoek(QStringLiteral("veld%1é").arg(i)), i);
    }
    EXPECT_EQ(index.zoek(u"Veld300é"), -1);
    EXPECT_EQ(index.zoek(u"Veld1e"), -1);
    index.toevoegen(u"veld7É", 1000);
    EXPECT_EQ(index.zoek(u"Veld7é"), 1000);
    index.wissen();
    EXPECT_EQ(index.zoek(u"Veld7é"), -1);
}

} // namespace
