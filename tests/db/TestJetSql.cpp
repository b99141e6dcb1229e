// Jet's SQL forms in statements, and recordsets on a SELECT whose rows can be edited.

#include "QtAfdruk.h"
#include "db/Database.h"
#include "db/JetSql.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

namespace {

TEST(JetSql, FormsAreTranslatedOutsideLiteralsAndQuotedNames)
{
    EXPECT_EQ(jetNaarSqlite("DELETE * FROM Leden WHERE x = 1"), "DELETE FROM Leden WHERE x = 1");
    EXPECT_EQ(jetNaarSqlite("delete  *  from [Volgorde Wedstrijden]"), "delete  from \"Volgorde Wedstrijden\"");
    EXPECT_EQ(jetNaarSqlite("SELECT * FROM Leden WHERE a = 'DELETE * FROM'"),
              "SELECT * FROM Leden WHERE a = 'DELETE * FROM'");
    EXPECT_EQ(jetNaarSqlite("SELECT COUNT(*) FROM [a\"b]"), "SELECT COUNT(*) FROM \"a\"\"b\"");
    EXPECT_EQ(jetNaarSqlite("SELECT '[x]', \"[y]\" -- [z]\nFROM t"), "SELECT '[x]', \"[y]\" -- [z]\nFROM t");
    EXPECT_EQ(jetNaarSqlite("INSERT INTO Sterktelijst (Seizoen, Index, Naam) VALUES ('a', 1, 'Index')"),
              "INSERT INTO Sterktelijst (Seizoen, \"Index\", Naam) VALUES ('a', 1, 'Index')");
    EXPECT_EQ(jetNaarSqlite("CREATE UNIQUE INDEX x ON t (s.index)"), "CREATE UNIQUE INDEX x ON t (s.\"index\")");
    EXPECT_EQ(jetNaarSqlite("DROP INDEX x"), "DROP INDEX x");

    EXPECT_EQ(jetNaarSqlite("SELECT * FROM M WHERE W LIKE 'P*05?12'"), "SELECT * FROM M WHERE W LIKE 'P%05_12'");
    EXPECT_EQ(jetNaarSqlite("SELECT * FROM M WHERE W NOT LIKE '5%_*'"),
              "SELECT * FROM M WHERE W NOT LIKE '5\\%\\_%' ESCAPE '\\'");
    EXPECT_EQ(jetNaarSqlite("SELECT * FROM M WHERE W LIKE 'D''H[*]*'"), "SELECT * FROM M WHERE W LIKE 'D''H*%'");
}

TEST(JetSql, WhatCannotBeTranslatedIsRefusedClearly)
{
    for (const char* sql : {"SELECT * FROM M WHERE W LIKE ?", "SELECT * FROM M WHERE W LIKE Naam || '*'",
                            "SELECT * FROM M WHERE W LIKE 'P#'", "SELECT * FROM M WHERE W LIKE '[a-c]*'"}) {
        try {
            jetNaarSqlite(sql);
            ADD_FAILURE() << sql;
        } catch (const DbFout& fout) {
            EXPECT_EQ(fout.soort(), DbFout::Soort::NietToegestaan);
            EXPECT_TRUE(fout.tekst().contains("LIKE")) << fout.what();
            EXPECT_TRUE(fout.tekst().contains("kan niet")) << fout.what();
        }
    }
}

TEST(JetSql, ABrokenStatementIsRefusedNotTurnedIntoAnotherOne)
{
    // An unclosed literal, an unclosed bracket and two bracketed names without anything between
    // them: each would otherwise be closed or joined by the translation and run.
    for (const char* sql : {"SELECT * FROM Leden WHERE Naam LIKE 'D*", "SELECT * FROM Leden WHERE Naam LIKE 'D''*",
                            "SELECT * FROM [Leden", "DELETE * FROM [Leden WHERE x = 1",
                            "SELECT [Naam][Voornaam] FROM Leden", "SELECT [Naam]\"Voornaam\" FROM [Leden]",
                            "SELECT Index[x] FROM [Leden]", "SELECT * FROM [Leden] WHERE Naam = 'x"}) {
        try {
            const QString vertaald = jetNaarSqlite(sql);
            ADD_FAILURE() << sql << " became " << vertaald.toStdString();
        } catch (const DbFout& fout) {
            EXPECT_EQ(fout.soort(), DbFout::Soort::NietToegestaan) << sql;
            EXPECT_TRUE(fout.tekst().contains("kan niet")) << fout.what();
        }
    }
    // A blank between two names (a name and its alias) is a statement as written.
    EXPECT_EQ(jetNaarSqlite("SELECT [Naam] [N] FROM [Leden]"), "SELECT \"Naam\" \"N\" FROM \"Leden\"");
    EXPECT_EQ(jetNaarSqlite("SELECT [Leden].[Naam] FROM [Leden]"), "SELECT \"Leden\".\"Naam\" FROM \"Leden\"");
}

class JetDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("jet.mdb"));
        m_db.tabelMaken({"Sterktelijst",
                         {{"Seizoen", TypeWoord::Tekst}, {"Index", TypeWoord::Integer}, {"Naam", TypeWoord::Tekst}},
                         {}});
        m_db.tabelMaken({"Matchen",
                         {{"SoortComp", TypeWoord::Tekst}, {"WedstrNr", TypeWoord::Tekst}, {"Ingeput", TypeWoord::Boolean}},
                         {{"WedstrNr", {{"WedstrNr"}}}}});
        int i = 0;
        for (const char* nr : {"PW.Vl.H05012", "PW.Vl.H05013", "P_050", "PD.Vl.A05012"})
            m_db.uitvoeren("INSERT INTO Matchen (SoortComp, WedstrNr, Ingeput) VALUES (?, ?, 0)", {++i % 2 ? "P" : "B", nr});
    }

    qint64 aantal(const QString& sql) { return m_db.openRecordset(sql).veld(0).geheel(); }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(JetDatabaseTest, StatementsRunAsJetWroteThem)
{
    m_db.uitvoeren("INSERT INTO Sterktelijst (Seizoen, Index, Naam) VALUES (?, ?, ?)", {"2010-2011", 3, "D'Hondt"});
    EXPECT_EQ(aantal("SELECT [Index] FROM Sterktelijst WHERE Index = 3"), 3);
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen WHERE WedstrNr LIKE 'P*05012'"), 2);
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen WHERE WedstrNr LIKE 'p?_050'"), 0) << "_ is a plain character";
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen WHERE WedstrNr LIKE '?_050'"), 1);
    EXPECT_EQ(m_db.uitvoeren("DELETE * FROM Matchen WHERE WedstrNr LIKE '*13'"), 1);
    EXPECT_THROW(m_db.openRecordset("SELECT * FROM Matchen WHERE WedstrNr LIKE ?", {"P*"}), DbFout);
    EXPECT_THROW(m_db.uitvoeren("DELETE * FROM Matchen WHERE WedstrNr LIKE 'P*"), DbFout);
    EXPECT_THROW(m_db.uitvoeren("DELETE * FROM [Matchen"), DbFout);
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen"), 3) << "the refused statements changed nothing";
}

TEST_F(JetDatabaseTest, RowsOfAPlainSelectCanBeEdited)
{
    Recordset rs = m_db.openRecordset("SELECT * FROM Matchen ORDER BY SoortComp, WedstrNr");
    QStringList volgorde;
    for (; !rs.eof(); rs.moveNext()) {
        volgorde << rs.veld("WedstrNr").tekst();
        rs.edit();
        rs["Ingeput"] = true;
        rs.update();
        EXPECT_TRUE(rs.veld("Ingeput").jaNee()) << "the recordset shows what it wrote";
    }
    EXPECT_EQ(volgorde, QStringList({"PD.Vl.A05012", "PW.Vl.H05013", "P_050", "PW.Vl.H05012"}));
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen WHERE Ingeput"), 4);

    // The right row is written, also when another field than the key identifies it.
    Recordset enkele = m_db.openRecordset("SELECT WedstrNr, Ingeput AS I FROM Matchen m WHERE SoortComp = ?", {"B"});
    ASSERT_EQ(enkele.recordCount(), 2);
    enkele.moveLast();
    enkele.edit();
    enkele["I"] = false;
    enkele.update();
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen WHERE NOT Ingeput"), 1);
    EXPECT_FALSE(m_db.openRecordset("SELECT Ingeput FROM Matchen WHERE WedstrNr = ?", {enkele.veld("WedstrNr")})
                     .veld(0)
                     .jaNee());
    enkele.moveFirst();
    enkele.remove();
    EXPECT_THROW(enkele.veld("WedstrNr"), DbFout);
    enkele.moveNext();
    EXPECT_EQ(enkele.veld("I"), Waarde(false));
    EXPECT_EQ(enkele.recordCount(), 1);
    EXPECT_EQ(aantal("SELECT COUNT(*) FROM Matchen"), 3);

    // A row deleted elsewhere is not written silently.
    m_db.uitvoeren("DELETE FROM Matchen WHERE SoortComp = 'B'");
    enkele.edit();
    enkele["I"] = true;
    try {
        enkele.update();
        FAIL() << "an update of a deleted row succeeded";
    } catch (const DbFout& fout) {
        EXPECT_EQ(fout.soort(), DbFout::Soort::RecordVerwijderd);
    }
}

TEST_F(JetDatabaseTest, OtherSelectsStayReadOnly)
{
    for (const char* sql : {"SELECT DISTINCT SoortComp FROM Matchen", "SELECT SoortComp, COUNT(*) FROM Matchen GROUP BY SoortComp",
                            "SELECT m.WedstrNr FROM Matchen m JOIN Sterktelijst s ON s.Naam = m.WedstrNr",
                            "SELECT a.WedstrNr FROM Matchen a, Matchen b", "SELECT WedstrNr || 'x' AS N FROM Matchen",
                            "SELECT WedstrNr FROM Matchen UNION SELECT Naam FROM Sterktelijst"}) {
        Recordset rs = m_db.openRecordset(sql);
        if (rs.eof())
            continue;
        try {
            rs.edit();
            ADD_FAILURE() << sql;
        } catch (const DbFout& fout) {
            EXPECT_EQ(fout.soort(), DbFout::Soort::NietToegestaan) << sql;
        }
    }
}

} // namespace
