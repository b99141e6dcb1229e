// Walks that write: the walk keeps its place through its own writes and those of others.

#include "QtAfdruk.h"
#include "db/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

namespace {

class WandelingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("wandeling.mdb"));
        m_db.tabelMaken({"Leden",
                         {{"CompNr", TypeWoord::Tekst}, {"Naam", TypeWoord::Tekst}, {"Punten", TypeWoord::Long}},
                         {{"CompNr", {{"CompNr"}}}, {"Naam", {{"Naam"}, {"Punten", true}}}}});
    }

    void lid(const Waarde& nr, const Waarde& naam, const Waarde& punten = Waarde::null())
    {
        m_db.uitvoeren("INSERT INTO Leden (CompNr, Naam, Punten) VALUES (?, ?, ?)", {nr, naam, punten});
    }

    // Rows whose keys mix case, Nulls and an accent, in a first order that is no index's; returns the
    // order of index Naam (Naam ascending, Punten descending: Nulls first ascending, last descending)
    // as teken() writes the rows.
    QStringList gemengdeLeden()
    {
        const QList<std::pair<Waarde, Waarde>> rijen{{"b", 1},           {"a", 1}, {"A", 3}, {Waarde::null(), 5},
                                                     {"a", Waarde::null()}, {"a", 2}, {Waarde::null(), Waarde::null()},
                                                     {"é", 1},           {"B", 7}};
        int nr = 0;
        for (const auto& [naam, punten] : rijen)
            lid(QString::number(++nr), naam, punten);
        return {"~5", "~~", "A3", "a2", "a1", "a~", "B7", "b1", "é1"};
    }

    // A row as name and points, "~" for a Null.
    static QString teken(Recordset& rs)
    {
        const Waarde naam = rs.veld("Naam");
        const Waarde punten = rs.veld("Punten");
        return (naam.isNull() ? QStringLiteral("~") : naam.tekst()) + (punten.isNull() ? "~" : punten.tekst());
    }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(WandelingTest, EditingEveryRowOnTheWayVisitsEachRowOnceInOrder)
{
    constexpr int Aantal = 20000;
    {
        Transactie t(m_db);
        for (int i = 0; i < Aantal; ++i)
            lid(QString::number(100000 + (i * 7919) % Aantal), "x");
        t.vastleggen();
    }
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    Transactie t(m_db);
    int n = 0;
    QString vorige;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QString nr = rs.veld("CompNr").tekst();
        ASSERT_LT(vorige, nr) << "each row once, in index order";
        vorige = nr;
        rs.edit();
        rs["Naam"] = QStringLiteral("Speler %1").arg(n);
        rs.update();
        ++n;
    }
    t.vastleggen();
    EXPECT_EQ(n, Aantal);
    // How long such a walk takes is measured by bench_db (the editing walk), not here.
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Leden WHERE Naam = 'x'").veld(0).geheel(), 0);

    // The same with the key itself changed on the way (it keeps its place among the others), and
    // with SQL text writing to the table: the walk must find its place again after every row.
    Transactie t2(m_db);
    n = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        rs.edit();
        rs["CompNr"] = rs.veld("CompNr").tekst() + "x";
        rs.update();
        if (n % 2)
            m_db.uitvoeren("UPDATE Leden SET Punten = ? WHERE rowid = 1", {n});
        ++n;
    }
    t2.vastleggen();
    EXPECT_EQ(n, Aantal);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Leden WHERE CompNr LIKE '*x'").veld(0).geheel(), Aantal);
}

TEST_F(WandelingTest, MixedDirectionsAndNullKeysAfterEveryWrite)
{
    const QStringList verwacht = gemengdeLeden();
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("Naam");
    QStringList stil, schrijvend, terug;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        stil << teken(rs);
    EXPECT_EQ(stil, verwacht);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        schrijvend << teken(rs);
        rs.edit();
        rs["CompNr"] = rs.veld("CompNr").tekst() + "0";
        rs.update();
    }
    EXPECT_EQ(schrijvend, verwacht);
    for (rs.moveLast(); !rs.bof(); rs.movePrevious()) {
        terug.prepend(teken(rs));
        m_db.uitvoeren("UPDATE Leden SET Punten = Punten");
    }
    EXPECT_EQ(terug, verwacht);

    // From a seek the walk goes on past the sought key, through the other directions' ranges.
    rs.seek("=", {"a"});
    ASSERT_FALSE(rs.noMatch());
    QStringList vanaf;
    for (; !rs.eof(); rs.moveNext()) {
        vanaf << teken(rs);
        m_db.uitvoeren("UPDATE Leden SET Naam = Naam WHERE Naam IS NULL");
    }
    EXPECT_EQ(vanaf, verwacht.mid(2));
}

// One write somewhere in the walk, then none: the walk goes on from its place through the ranges
// that the descending field and the Null keys make, to the last row, in both directions.
TEST_F(WandelingTest, AWalkThatWritesOnceAndThenOnlyMovesVisitsEveryRow)
{
    const QStringList verwacht = gemengdeLeden();
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("Naam");
    for (int eigen = 0; eigen < 2; ++eigen) {
        for (int waar = 0; waar < verwacht.size(); ++waar) {
            SCOPED_TRACE(QStringLiteral("%1 write at row %2").arg(eigen ? "own" : "other").arg(waar).toStdString());
            QStringList vooruit;
            for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
                if (vooruit.size() == waar) {
                    if (eigen) {
                        rs.edit();
                        rs["CompNr"] = rs.veld("CompNr").tekst() + "0";
                        rs.update();
                    } else {
                        m_db.uitvoeren("UPDATE Leden SET CompNr = CompNr WHERE rowid = 1");
                    }
                }
                vooruit << teken(rs);
            }
            EXPECT_EQ(vooruit, verwacht);
            QStringList terug;
            for (rs.moveLast(); !rs.bof(); rs.movePrevious()) {
                if (terug.size() == waar)
                    m_db.uitvoeren("UPDATE Leden SET Punten = Punten WHERE rowid = 2");
                terug.prepend(teken(rs));
            }
            EXPECT_EQ(terug, verwacht);
        }
    }
}

TEST_F(WandelingTest, TwoWalksOnOneTableWhileOneWrites)
{
    for (int i = 0; i < 50; ++i)
        lid(QStringLiteral("%1").arg(i, 3, 10, QChar('0')), QStringLiteral("n%1").arg(49 - i, 2, 10, QChar('0')), i);
    Recordset opNummer = m_db.openTabel("Leden");
    opNummer.setIndex("CompNr");
    Recordset opNaam = m_db.openTabel("Leden");
    opNaam.setIndex("Naam");
    opNummer.moveFirst();
    opNaam.moveFirst();
    QStringList nummers, namen;
    while (!opNummer.eof() || !opNaam.eof()) {
        if (!opNummer.eof()) {
            nummers << opNummer.veld("CompNr").tekst();
            opNummer.edit();
            opNummer["Punten"] = opNummer.veld("Punten").geheel() + 1000;
            opNummer.update();
            opNummer.moveNext();
        }
        if (!opNaam.eof()) {
            namen << opNaam.veld("Naam").tekst();
            EXPECT_GE(opNaam.veld("Punten").geheel(), 0);
            opNaam.moveNext();
        }
    }
    ASSERT_EQ(nummers.size(), 50);
    ASSERT_EQ(namen.size(), 50);
    EXPECT_EQ(nummers.first(), "000");
    EXPECT_EQ(nummers.last(), "049");
    EXPECT_EQ(namen.first(), "n00");
    EXPECT_EQ(namen.last(), "n49");
    EXPECT_EQ(m_db.openRecordset("SELECT MIN(Punten) FROM Leden").veld(0).geheel(), 1000);
}

TEST_F(WandelingTest, AfterAKeyChangeTheWalkGoesOnFromTheRowsNewPlace)
{
    for (const char* nr : {"A", "B", "C", "D"})
        lid(nr, "x");
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    rs.seek("=", {"A"});
    rs.edit();
    rs["CompNr"] = "C2";
    rs.update();
    rs.remove();
    rs.moveNext();
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.veld("CompNr").tekst(), "D");

    // The same when the key was changed by SQL text after the row was reached.
    rs.seek("=", {"B"});
    m_db.uitvoeren("UPDATE Leden SET CompNr = 'C3' WHERE CompNr = 'B'");
    rs.remove();
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "D");
}

TEST_F(WandelingTest, ReadAfterUpdateThroughTheSameAndAnotherRecordset)
{
    lid("1", "Gérard", 5);
    lid("2", "Anna", 6);
    Recordset een = m_db.openTabel("Leden");
    Recordset twee = m_db.openTabel("Leden");
    een.setIndex("CompNr");
    twee.setIndex("CompNr");
    een.seek("=", {"1"});
    twee.seek("=", {"1"});
    EXPECT_EQ(twee.veld("Punten"), Waarde(qint64(5)));
    een.edit();
    een["Punten"] = 8;
    een["Naam"] = " ";
    een.update();
    EXPECT_EQ(een.veld("Punten"), Waarde(qint64(8)));
    EXPECT_EQ(twee.veld("Punten"), Waarde(qint64(8)));
    EXPECT_EQ(twee.veld("Naam"), Waarde(" "));
    twee.edit();
    twee["Naam"] = Waarde::null();
    twee.update();
    EXPECT_TRUE(een.veld("Naam").isNull());
    twee.moveNext();
    EXPECT_EQ(twee.veld("Naam"), Waarde("Anna"));
}

TEST_F(WandelingTest, UpdatingOrDeletingARowDeletedElsewhereFails)
{
    lid("1", "a");
    lid("2", "b");
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    Recordset ander = m_db.openTabel("Leden");
    ander.setIndex("CompNr");

    rs.seek("=", {"1"});
    ander.seek("=", {"1"});
    ander.remove();
    rs.edit();
    rs["Naam"] = "nieuw";
    try {
        rs.update();
        FAIL() << "an update of a deleted row succeeded";
    } catch (const DbFout& fout) {
        EXPECT_EQ(fout.soort(), DbFout::Soort::RecordVerwijderd);
    }

    rs.seek("=", {"2"});
    m_db.uitvoeren("DELETE FROM Leden WHERE CompNr = '2'");
    rs.edit();
    rs["Naam"] = "nieuw";
    EXPECT_THROW(rs.update(), DbFout);
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 0);
}

TEST_F(WandelingTest, IndexesMadeOrDroppedAfterOpeningCount)
{
    lid("2", "b", 1);
    lid("1", "a", 2);
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    m_db.indexMaken("Leden", {"Punten", {{"Punten"}}});
    rs.setIndex("punten");
    EXPECT_EQ(rs.veld("CompNr").tekst(), "2");
    m_db.indexVerwijderen("Leden", "CompNr");
    try {
        rs.setIndex("CompNr");
        FAIL() << "a dropped index was chosen";
    } catch (const DbFout& fout) {
        EXPECT_EQ(fout.soort(), DbFout::Soort::OnbekendeIndex);
    }
    // SQL text makes one too (under the layer's physical name), while a walk is under way.
    rs.moveFirst();
    m_db.uitvoeren("CREATE INDEX \"Leden__Omgekeerd\" ON Leden (CompNr DESC)");
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "1");
    rs.setIndex("OMGEKEERD");
    EXPECT_EQ(rs.veld("CompNr").tekst(), "2");
    m_db.uitvoeren("DROP INDEX \"Leden__Omgekeerd\"");
    EXPECT_THROW(rs.setIndex("Omgekeerd"), DbFout);
}

} // namespace
