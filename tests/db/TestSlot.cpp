// Another program holding the file: a short lock is waited for, a long one fails with its cause,
// and a write that failed leaves nothing pending.

#include "AnderProgramma.h"
#include "QtAfdruk.h"
#include "db/Database.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using namespace db;

namespace {

class SlotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(pad());
        m_db.tabelMaken({"Leden",
                         {{"CompNr", TypeWoord::Tekst}, {"Naam", TypeWoord::Tekst}, {"Punten", TypeWoord::Long}},
                         {{"CompNr", {{"CompNr"}}}}});
        for (int i = 1; i <= 3; ++i)
            m_db.uitvoeren("INSERT INTO Leden (CompNr, Naam, Punten) VALUES (?, 'lid', 0)", {QString::number(i)});
    }
    void TearDown() override { zetWachttijdBijSlot(StandaardWachttijdBijSlot); }

    QString pad() const { return m_map.filePath("slot.mdb"); }
    qint64 punten(const QString& nr)
    {
        return m_db.openRecordset("SELECT Punten FROM Leden WHERE CompNr = ?", {nr}).veld(0).geheel();
    }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(SlotTest, AWriteWaitsForAShortLockOfAnotherProgramAndGoesThrough)
{
    Database ander = Database::openen(pad());
    ander.uitvoeren("BEGIN IMMEDIATE");
    ander.uitvoeren("UPDATE Leden SET Punten = 7 WHERE CompNr = '1'");
    // The other program commits a moment later, while this one waits.
    std::thread andereKant([&ander] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ander.uitvoeren("COMMIT");
    });
    EXPECT_NO_THROW(m_db.uitvoeren("UPDATE Leden SET Punten = 3 WHERE CompNr = '2'"));
    andereKant.join();
    EXPECT_EQ(punten("1"), 7);
    EXPECT_EQ(punten("2"), 3);

    // A long action that reads before it writes waits in the same way.
    ander.uitvoeren("BEGIN IMMEDIATE");
    std::thread nogEens([&ander] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ander.uitvoeren("COMMIT");
    });
    try {
        Transactie t(m_db);
        const qint64 voor = punten("3");
        m_db.uitvoeren("UPDATE Leden SET Punten = ? WHERE CompNr = '3'", {voor + 4});
        t.vastleggen();
    } catch (const DbFout& fout) {
        ADD_FAILURE() << fout.what();
    }
    nogEens.join();
    EXPECT_EQ(punten("3"), 4);
}

// A long action writes more than the engine keeps in memory, and asks for the file again and again
// to write pages out: all its waits together last no longer than one statement's wait. Then it fails
// at its commit, the database as it was; without the other program it goes through.
TEST_F(SlotTest, ALongActionWaitsForAnotherProgramsReadOnlyOnceInAll)
{
    const int wachttijd = 300;
    zetWachttijdBijSlot(wachttijd);
    const QString naam(200, u'x');
    const auto schrijven = [&] {
        Transactie t(m_db);
        for (int i = 0; i < 20000; ++i)
            m_db.uitvoeren("INSERT INTO Leden (CompNr, Naam, Punten) VALUES (?, ?, ?)", {QString::number(1000 + i), naam, i});
        t.vastleggen();
    };
    {
        testhulp::AnderProgramma ander(pad(), testhulp::AnderProgramma::Slot::Lezen, 10000);
        ASSERT_TRUE(ander.fout().isEmpty()) << ander.fout().toStdString();
        QElapsedTimer klok;
        klok.start();
        try {
            schrijven();
            ADD_FAILURE() << "committed while another program reads";
        } catch (const DbFout& fout) {
            EXPECT_TRUE(fout.inGebruik()) << fout.what();
            EXPECT_TRUE(fout.tekst().startsWith("De database is in gebruik door een ander programma.")) << fout.what();
        }
        EXPECT_FALSE(ander.zelfLosgelaten()) << "the action waited until the other program let go";
        EXPECT_LT(klok.elapsed(), 5000);
    }
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 3);
    EXPECT_EQ(m_db.transactieDiepte(), 0);

    // A statement after it has its own wait again, the whole set time: it fails only once that time is
    // over, not at once as it would with the wait the long action used up. However slow the machine, the
    // time it waits can only be longer.
    {
        Database ander = Database::openen(pad());
        ander.uitvoeren("BEGIN IMMEDIATE");
        ander.uitvoeren("UPDATE Leden SET Punten = 7 WHERE CompNr = '1'");
        QElapsedTimer klok;
        klok.start();
        EXPECT_THROW(m_db.uitvoeren("UPDATE Leden SET Punten = 3 WHERE CompNr = '2'"), DbFout);
        EXPECT_GE(klok.elapsed(), wachttijd);
        // And a short lock is waited for: the other side lets go well within the wait, also on a loaded
        // machine where its thread starts late.
        zetWachttijdBijSlot(20000);
        std::thread andereKant([&ander] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ander.uitvoeren("COMMIT");
        });
        EXPECT_NO_THROW(m_db.uitvoeren("UPDATE Leden SET Punten = 3 WHERE CompNr = '2'"));
        andereKant.join();
        zetWachttijdBijSlot(wachttijd);
    }
    EXPECT_NO_THROW(schrijven());
    EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 20003);
}

TEST_F(SlotTest, ALongerLockFailsWithItsCauseAndTheFailedEditLeavesNothingPending)
{
    zetWachttijdBijSlot(50);
    Recordset tabel = m_db.openTabel("Leden");
    tabel.setIndex("CompNr");
    tabel.seek("=", {QString("1")});
    Recordset rijen = m_db.openRecordset("SELECT * FROM Leden WHERE CompNr = '2'");
    Database ander = Database::openen(pad());

    for (Recordset* rs : {&tabel, &rijen}) {
        ander.uitvoeren("BEGIN IMMEDIATE");
        rs->edit();
        rs->zet("Punten", 5);
        try {
            rs->update();
            ADD_FAILURE() << "written past another program's lock";
        } catch (const DbFout& fout) {
            EXPECT_TRUE(fout.tekst().startsWith("De database is in gebruik door een ander programma."))
                << fout.what();
        }
        EXPECT_EQ(rs->veld("Punten").geheel(), 0) << "the field reads as stored, not as the value that failed";
        ander.uitvoeren("ROLLBACK");

        // The next write of the row takes nothing of the failed one with it.
        rs->edit();
        rs->zet("Naam", QString("nieuw"));
        rs->update();
        EXPECT_EQ(rs->veld("Punten").geheel(), 0);
    }
    EXPECT_EQ(punten("1"), 0);
    EXPECT_EQ(punten("2"), 0);
    EXPECT_EQ(m_db.openRecordset("SELECT count(*) FROM Leden WHERE Naam = 'nieuw'").veld(0).geheel(), 2);

    // The tables, their definitions and their indexes read while another program keeps the file to
    // itself: in use, not missing; also a definition read before, and on a connection that read none.
    Database fris = Database::openen(pad());
    wandelingenOnderbreken();
    ander.uitvoeren("BEGIN EXCLUSIVE");
    const auto inGebruik = [](const char* wat, const std::function<void()>& lezen) {
        try {
            lezen();
            ADD_FAILURE() << wat << ": read through another program's lock";
        } catch (const DbFout& fout) {
            EXPECT_TRUE(fout.inGebruik()) << wat << ": " << fout.what();
            EXPECT_TRUE(fout.tekst().startsWith("De database is in gebruik door een ander programma."))
                << wat << ": " << fout.what();
        }
    };
    for (Database* d : {&m_db, &fris}) {
        inGebruik("tabellen", [d] { d->tabellen(); });
        inGebruik("bestaatTabel", [d] { d->bestaatTabel("Leden"); });
        inGebruik("bestaatTabel, accented", [d] { d->bestaatTabel(QString::fromUtf8("L\u00e9den")); });
        inGebruik("tabelDef", [d] { d->tabelDef("leden"); });
        inGebruik("openTabel", [d] { d->openTabel("Leden"); });
        inGebruik("toevoeger", [d] { d->toevoeger("Leden", {"CompNr"}); });
        inGebruik("indexVerwijderen", [d] { d->indexVerwijderen("Leden", "CompNr"); });
    }
    ander.uitvoeren("ROLLBACK");
    EXPECT_EQ(fris.tabellen(), QStringList{"Leden"});
    EXPECT_TRUE(fris.bestaatTabel("LEDEN"));
    EXPECT_EQ(fris.tabelDef("leden").indexen.size(), 1);
}

TEST_F(SlotTest, GivingUpPendingValuesClearsEveryEditAndAddOfEveryConnection)
{
    Database tweede = Database::openen(pad());
    Recordset bewerkt = m_db.openTabel("Leden");
    bewerkt.setIndex("CompNr");
    bewerkt.seek("=", {QString("3")});
    bewerkt.edit();
    bewerkt.zet("Punten", 9);
    Recordset nieuw = tweede.openTabel("Leden");
    nieuw.addNew();
    nieuw.zet("CompNr", QString("4"));
    Recordset alleenLezen = m_db.openRecordset("SELECT count(*) FROM Leden");

    bewerkingenAfbreken();

    EXPECT_EQ(bewerkt.veld("Punten").geheel(), 0);
    EXPECT_THROW(bewerkt.update(), DbFout) << "no edit left to write";
    EXPECT_THROW(nieuw.update(), DbFout);
    EXPECT_EQ(m_db.openRecordset("SELECT count(*) FROM Leden").veld(0).geheel(), 3);
    EXPECT_EQ(punten("3"), 0);
}

TEST_F(SlotTest, AnInterruptedWalkLetsAnotherProgramWriteAndGoesOnWhereItWas)
{
    zetWachttijdBijSlot(50);
    Recordset rs = m_db.openTabel("Leden");
    rs.setIndex("CompNr");
    rs.moveFirst();
    rs.moveNext();
    Database ander = Database::openen(pad());
    EXPECT_THROW(ander.uitvoeren("BEGIN EXCLUSIVE"), DbFout) << "the walk reads the file";

    wandelingenOnderbreken();
    ander.uitvoeren("BEGIN EXCLUSIVE");
    EXPECT_EQ(rs.veld("CompNr").tekst(), "2") << "the current row stays readable while the file is locked";
    EXPECT_EQ(rs.veld("Naam").tekst(), "lid");
    ander.uitvoeren("INSERT INTO Leden (CompNr, Naam, Punten) VALUES ('2a', 'ander', 1)");
    ander.uitvoeren("COMMIT");
    EXPECT_EQ(rs.veld("CompNr").tekst(), "2");
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "2a") << "the walk goes on from its place and sees the new row";
    rs.moveNext();
    EXPECT_EQ(rs.veld("CompNr").tekst(), "3");

    // A row that must be read again while the file is locked is not taken for a deleted one.
    m_db.uitvoeren("UPDATE Leden SET Punten = 2 WHERE CompNr = '3'");
    wandelingenOnderbreken();
    ander.uitvoeren("BEGIN EXCLUSIVE");
    try {
        rs.veld("Punten");
        ADD_FAILURE() << "read through another program's lock";
    } catch (const DbFout& fout) {
        EXPECT_NE(fout.soort(), DbFout::Soort::RecordVerwijderd) << fout.what();
        EXPECT_TRUE(fout.tekst().startsWith("De database is in gebruik door een ander programma.")) << fout.what();
    }
    ander.uitvoeren("ROLLBACK");
    EXPECT_EQ(rs.veld("Punten").geheel(), 2);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
}

TEST_F(SlotTest, TheRowsKeptBeforeTheProgramWaitsStayReadableWhileAnotherProgramLocksTheFile)
{
    zetWachttijdBijSlot(50);
    Recordset gezocht = m_db.openTabel("Leden");
    gezocht.setIndex("CompNr");
    gezocht.seek("=", {QString("2")});
    Recordset gewandeld = m_db.openTabel("Leden");
    gewandeld.setIndex("CompNr");
    gewandeld.moveFirst();
    Recordset nieuw = m_db.openTabel("Leden");
    nieuw.addNew();
    nieuw.zet("CompNr", QString("9"));
    Database ander = Database::openen(pad());

    // Written by the recordset itself, and by SQL text: the row read before is out of date.
    gezocht.edit();
    gezocht.zet("Punten", 5);
    gezocht.update();
    m_db.uitvoeren("UPDATE Leden SET Naam = 'eerste' WHERE CompNr = '1'");
    wandelingenOnderbreken();
    huidigeRijenBewaren();
    ander.uitvoeren("BEGIN EXCLUSIVE");
    EXPECT_EQ(gezocht.veld("Punten").geheel(), 5);
    EXPECT_EQ(gezocht.veld("CompNr").tekst(), "2");
    EXPECT_EQ(gewandeld.veld("Naam").tekst(), "eerste");
    EXPECT_TRUE(nieuw.veld("Naam").isNull()) << "a row being added is not read";
    ander.uitvoeren("ROLLBACK");
    gewandeld.moveNext();
    EXPECT_EQ(gewandeld.veld("CompNr").tekst(), "2");
    nieuw.cancelUpdate();

    // A row kept while the file is locked already is read when it is asked for.
    m_db.uitvoeren("UPDATE Leden SET Punten = 6 WHERE CompNr = '2'");
    wandelingenOnderbreken();
    ander.uitvoeren("BEGIN EXCLUSIVE");
    EXPECT_NO_THROW(huidigeRijenBewaren());
    EXPECT_THROW(gezocht.veld("Punten"), DbFout);
    ander.uitvoeren("ROLLBACK");
    EXPECT_EQ(gezocht.veld("Punten").geheel(), 6);
}

} // namespace

// A file held for copying and replacing: another program that writes stops the hold; while it is
// held readers read and nobody can begin to write; held alone it waits for the readers and then
// keeps everybody out, until it is let go.
TEST_F(SlotTest, AFileHeldForReplacingKeepsWritersOutAndThenEverybody)
{
    zetWachttijdBijSlot(50);
    Database ander = Database::openen(pad());
    ander.uitvoeren("BEGIN IMMEDIATE");
    ander.uitvoeren("UPDATE Leden SET Punten = 1 WHERE CompNr = '1'");
    try {
        Bestandsslot slot(pad());
        ADD_FAILURE() << "held while another program writes";
    } catch (const DbFout& fout) {
        EXPECT_TRUE(fout.inGebruik()) << fout.what();
    }
    ander.uitvoeren("COMMIT");

    Bestandsslot slot(pad());
    EXPECT_EQ(punten("1"), 1) << "readers read";
    EXPECT_THROW(m_db.uitvoeren("UPDATE Leden SET Punten = 2 WHERE CompNr = '1'"), DbFout);
    ander.uitvoeren("BEGIN");
    EXPECT_EQ(ander.openRecordset("SELECT Punten FROM Leden WHERE CompNr = '1'").veld(0).geheel(), 1);
    try {
        slot.alleenHouden();
        ADD_FAILURE() << "held alone while another program reads";
    } catch (const DbFout& fout) {
        EXPECT_TRUE(fout.inGebruik()) << fout.what();
    }
    ander.uitvoeren("COMMIT");
    EXPECT_THROW(ander.uitvoeren("UPDATE Leden SET Punten = 3 WHERE CompNr = '1'"), DbFout) << "still no writer";

    slot.alleenHouden();
    EXPECT_THROW(punten("1"), DbFout) << "no reader either";
    slot.loslaten();
    m_db.uitvoeren("UPDATE Leden SET Punten = 4 WHERE CompNr = '1'");
    EXPECT_EQ(punten("1"), 4);
    EXPECT_FALSE(QFile::exists(pad() + "-journal"));
}
