// Transactions around long actions, with recordsets open across them; SQL recordsets' values.

#include "QtAfdruk.h"
#include "db/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace db;

namespace {

class TransactieTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("transactie.mdb"));
        m_db.tabelMaken({"Leden", {{"CompNr", TypeWoord::Tekst}, {"Punten", TypeWoord::Long}}, {{"CompNr", {{"CompNr"}}}}});
        for (int i = 1; i <= 6; ++i)
            m_db.uitvoeren("INSERT INTO Leden (CompNr, Punten) VALUES (?, 0)", {QString::number(i)});
    }

    qint64 som() { return m_db.openRecordset("SELECT SUM(Punten) FROM Leden").veld(0).geheel(); }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(TransactieTest, AFailedActionLeavesTheDatabaseAsItWasAndTheWalkGoesOn)
{
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    rs.moveFirst();
    rs.moveNext(); // on "2"
    auto actie = [&](bool mislukt) {
        Transactie t(m_db);
        Recordset schrijver = m_db.openTabel("Leden");
        for (; !schrijver.eof(); schrijver.moveNext()) {
            schrijver.edit();
            schrijver["Punten"] = 10;
            schrijver.update();
        }
        m_db.uitvoeren("DELETE FROM Leden WHERE CompNr = '3'");
        if (mislukt)
            throw std::runtime_error("afgebroken");
        t.vastleggen();
    };
    EXPECT_THROW(actie(true), std::runtime_error);
    EXPECT_EQ(m_db.transactieDiepte(), 0);
    EXPECT_EQ(som(), 0);
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "3") << "the row deleted and brought back by the rollback";

    actie(false);
    EXPECT_EQ(som(), 50);
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "4");
    EXPECT_EQ(rs.veld("Punten"), Waarde(qint64(10)));
}

TEST_F(TransactieTest, NestedTransactionsCommitOnlyWithTheOutermost)
{
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    {
        Transactie buiten(m_db);
        m_db.uitvoeren("UPDATE Leden SET Punten = 1 WHERE CompNr = '1'");
        try {
            Transactie binnen(m_db);
            EXPECT_EQ(m_db.transactieDiepte(), 2);
            m_db.uitvoeren("UPDATE Leden SET Punten = 100 WHERE CompNr = '2'");
            rs.seek("=", {"2"});
            EXPECT_EQ(rs.veld("Punten"), Waarde(qint64(100)));
            throw std::runtime_error("binnen mislukt");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(rs.veld("Punten"), Waarde(qint64(0))) << "the inner part rolled back, the recordset sees it";
        {
            Transactie binnen(m_db);
            m_db.uitvoeren("UPDATE Leden SET Punten = 5 WHERE CompNr = '5'");
            binnen.vastleggen();
            EXPECT_THROW(binnen.vastleggen(), DbFout) << "committed twice";
        }
        buiten.vastleggen();
    }
    EXPECT_EQ(som(), 6);
    EXPECT_EQ(m_db.transactieDiepte(), 0);
    EXPECT_THROW(m_db.vastleggen(), DbFout);
}

TEST_F(TransactieTest, SqlRecordsetGivesBackEveryKindOfValueAsStored)
{
    m_db.tabelMaken({"Alles",
                     {{"T", TypeWoord::Tekst},
                      {"M", TypeWoord::Memo},
                      {"D", TypeWoord::Datum},
                      {"I", TypeWoord::Integer},
                      {"L", TypeWoord::Long},
                      {"G", TypeWoord::Double},
                      {"B", TypeWoord::Boolean},
                      {"X", QString()}},
                     {}});
    m_db.uitvoeren("CREATE TABLE Vrij (V)");
    Recordset rs = m_db.openTabel("Alles");
    const QList<QList<Waarde>> rijen{
        {"007", "", QDate(2011, 1, 2), 3, qint64(3000000000LL / 2), 2.5, true, "é"},
        {" ", Waarde::null(), QDateTime(QDate(2011, 1, 2), QTime(10, 30)), Waarde::null(), -1, 1e20, false, 4},
        {Waarde::null(), QString(300, QChar(u'x')), Waarde::null(), -32768, 0, -0.5, Waarde::null(), Waarde::null()}};
    for (const auto& rij : rijen) {
        rs.addNew();
        for (int i = 0; i < rij.size(); ++i)
            rs.zet(rs.veldNaam(i), rij[i]);
        rs.update();
    }
    m_db.uitvoeren("INSERT INTO Vrij VALUES (1), (2.5), ('t'), (NULL), (x'41')");
    Recordset sql = m_db.openRecordset("SELECT * FROM Alles ORDER BY rowid");
    Recordset tabel = m_db.openTabel("Alles");
    for (int r = 0; r < rijen.size(); ++r, sql.moveNext(), tabel.moveNext()) {
        for (int i = 0; i < sql.aantalVelden(); ++i)
            EXPECT_EQ(sql.veld(i), tabel.veld(i)) << r << " " << i;
    }
    EXPECT_EQ(m_db.openRecordset("SELECT D FROM Alles").veld(0), Waarde(QDate(2011, 1, 2)));
    Recordset vrij = m_db.openRecordset("SELECT V, typeof(V) FROM Vrij ORDER BY rowid");
    QList<Waarde> gelezen;
    for (; !vrij.eof(); vrij.moveNext())
        gelezen << vrij.veld(0);
    EXPECT_EQ(gelezen, QList<Waarde>({qint64(1), 2.5, "t", Waarde::null(), "A"}));
}

} // namespace
