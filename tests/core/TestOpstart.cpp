#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Ansi.h"
#include "core/Herstel.h"
#include "core/Opstart.h"
#include "db/Database.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace core;

namespace {

QByteArray inhoudVan(const QString& pad)
{
    QFile f(pad);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

// Start-up meets another program's hold on the database: it stops with the in-use cause and ends the program.
void startStoptOpHetSlot()
{
    try {
        DatabaseOpenen();
        ADD_FAILURE() << "start-up went on";
    } catch (const OpstartFout& fout) {
        EXPECT_TRUE(fout.tekst().contains("De database is in gebruik door een ander programma.")) << fout.what();
        EXPECT_TRUE(fout.tekst().endsWith("Het programma wordt afgesloten.")) << fout.what();
    }
}

class Opstart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        zetApplicatiemap(m_map.path());
    }
    void TearDown() override
    {
        algemeenHerstellen();
        zetApplicatiemap(QString());
        zetKlok(nullptr);
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    QString pad(const QString& naam) const { return m_map.filePath(naam); }

    // Runs SQL on the database in the folder before start-up opens it.
    void voorbereiden(const QStringList& opdrachten)
    {
        db::Database d = db::Database::openen(pad("QJ-Deel7.mdb"));
        for (const QString& sql : opdrachten)
            d.uitvoeren(sql);
        d.sluiten();
    }

    db::Waarde waarde(const QString& sql) { return algemeen().dbGegevens.openRecordset(sql).veld(0); }

    QTemporaryDir m_map;
    ui::TestMeldingenScope m_meldingen;
};

TEST_F(Opstart, TempDatabaseRuleInItsFourCombinations)
{
    // Neither file: no database, and none is made.
    try {
        DatabaseOpenen();
        FAIL() << "opened without a database";
    } catch (const OpstartFout& fout) {
        EXPECT_TRUE(fout.tekst().startsWith("De database QJ-Deel7.mdb staat niet in de map")) << fout.what();
    }
    EXPECT_TRUE(QDir(m_map.path()).entryList(QDir::Files).isEmpty());

    // Only a Temp.mdb that cannot be used: it keeps its name.
    testhulp::applicatiemapVullen(m_map.path());
    voorbereiden({"DROP TABLE Leden"});
    ASSERT_TRUE(QFile::rename(pad("QJ-Deel7.mdb"), pad("Temp.mdb")));
    EXPECT_THROW(DatabaseOpenen(), OpstartFout);
    EXPECT_TRUE(QFile::exists(pad("Temp.mdb")));
    EXPECT_FALSE(QFile::exists(pad("QJ-Deel7.mdb")));
    QFile::remove(pad("Temp.mdb"));

    // Only Temp.mdb (any letter case): it takes the main database's name.
    testhulp::applicatiemapVullen(m_map.path());
    voorbereiden({"UPDATE Opties SET Item = 'uit temp' WHERE Soort = 'Munteenheid'"});
    ASSERT_TRUE(QFile::rename(pad("QJ-Deel7.mdb"), pad("temp.MDB")));
    DatabaseOpenen();
    EXPECT_TRUE(algemeen().blnTempHernoemd);
    EXPECT_TRUE(QFile::exists(pad("QJ-Deel7.mdb")));
    EXPECT_TRUE(bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'Munteenheid'").tekst(), "uit temp");
    algemeenHerstellen();

    // Both: nothing is renamed, the main database is opened.
    ASSERT_TRUE(QFile::copy(pad("QJ-Deel7.mdb"), pad("Temp.mdb")));
    voorbereiden({"UPDATE Opties SET Item = 'hoofd' WHERE Soort = 'Munteenheid'"});
    const QByteArray temp = inhoudVan(pad("Temp.mdb"));
    DatabaseOpenen();
    EXPECT_FALSE(algemeen().blnTempHernoemd);
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'Munteenheid'").tekst(), "hoofd");
    EXPECT_EQ(inhoudVan(pad("Temp.mdb")), temp);
    algemeenHerstellen();

    // Only the main database.
    QFile::remove(pad("Temp.mdb"));
    DatabaseOpenen();
    EXPECT_FALSE(algemeen().blnTempHernoemd);
    EXPECT_TRUE(algemeen().dbGegevens.isOpen());
}

TEST_F(Opstart, OneTimeUpdateOfAnOlderDatabaseRunsOnce)
{
    testhulp::applicatiemapVullen(m_map.path());
    voorbereiden({"DELETE FROM Opties WHERE Soort IN ('update20100807', 'SuperDubbelSpelen')",
                  "UPDATE Opties SET Item = 'X' WHERE Soort = 'statussen'",
                  "DELETE FROM Provincies WHERE Nr > 2",
                  "UPDATE Provincies SET Provincie = 'oud' WHERE Nr = 1",
                  "INSERT INTO Matchen (Seizoen, WedstrNr, ProvThuis, ProvUIT) VALUES ('2010-2011', 'A', 'VB.', 'vrij')",
                  "INSERT INTO Matchen (Seizoen, WedstrNr, ProvThuis, ProvUIT) VALUES ('2010-2011', 'B', 'w.vl.', '7')",
                  "INSERT INTO Matchen (Seizoen, WedstrNr, ProvThuis, ProvUIT) VALUES ('2010-2011', 'C', 'Xyz', 'EXT.')"});
    // The file as an older installation has it: a blank line, a short line, a line that does
    // not start with a number, a name with an apostrophe, a line with more fields and texts with a
    // "%" before a digit.
    QStringList regels;
    ASSERT_TRUE(ansiBestandLezen(pad("update20100807.txt"), regels));
    regels << "" << "12;kort" << "x;a;b;c;d" << "3;Limburg;Limbourg;LK.;L;extra;veld" << "11;Extern 'buiten';Externe;Ext.;EXT"
           << "9;Henegouwen %1;Hainaut %5;H.%2;H%4";
    ASSERT_TRUE(ansiBestandSchrijven(pad("update20100807.txt"), regels));

    DatabaseOpenen();
    auto prov = [&](const char* nr) { return waarde(QStringLiteral("SELECT ProvThuis || '/' || ProvUIT FROM Matchen WHERE WedstrNr = '%1'").arg(nr)).tekst(); };
    EXPECT_EQ(prov("A"), "8/0");
    EXPECT_EQ(prov("B"), "10/7");
    EXPECT_EQ(prov("C"), "Xyz/11");
    EXPECT_EQ(waarde("SELECT COUNT(*) FROM Provincies").geheel(), 12);
    EXPECT_EQ(waarde("SELECT Provincie FROM Provincies WHERE Nr = 1").tekst(), "Antwerpen") << "an existing row is updated";
    EXPECT_EQ(waarde("SELECT Province FROM Provincies WHERE Nr = 4").tekst(), QString::fromUtf8("Liège"));
    EXPECT_EQ(waarde("SELECT TabT FROM Provincies WHERE Nr = 3").tekst(), "L;extra;veld");
    EXPECT_EQ(waarde("SELECT Provincie FROM Provincies WHERE Nr = 11").tekst(), "Extern 'buiten'");
    EXPECT_EQ(waarde("SELECT Provincie || '|' || Province || '|' || Afkorting || '|' || TabT FROM Provincies WHERE Nr = 9")
                  .tekst(),
              "Henegouwen %1|Hainaut %5|H.%2|H%4");
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'update20100807'").tekst(), "1");
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'statussen'").tekst(), "A,S,V,D,T");
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'SuperDubbelSpelen'").tekst(), "N");
    algemeenHerstellen();

    // With the marker present the calendar and provinces are left alone; the options are still kept.
    voorbereiden({"UPDATE Provincies SET Provincie = 'eigen' WHERE Nr = 1",
                  "UPDATE Matchen SET ProvThuis = 'VB.' WHERE WedstrNr = 'A'",
                  "UPDATE Opties SET Item = 'J' WHERE Soort = 'SuperDubbelSpelen'",
                  "UPDATE Opties SET Item = 'Y' WHERE Soort = 'statussen'"});
    DatabaseOpenen();
    EXPECT_EQ(waarde("SELECT Provincie FROM Provincies WHERE Nr = 1").tekst(), "eigen");
    EXPECT_EQ(prov("A"), "VB./0");
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'SuperDubbelSpelen'").tekst(), "J");
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'statussen'").tekst(), "A,S,V,D,T");
    EXPECT_EQ(waarde("SELECT COUNT(*) FROM Opties WHERE Soort = 'update20100807'").geheel(), 1);
}

TEST_F(Opstart, MissingProvincesFileIsReportedAndAskedForAgainNextTime)
{
    testhulp::applicatiemapVullen(m_map.path());
    QFile::remove(pad("update20100807.txt"));
    voorbereiden({"DELETE FROM Opties WHERE Soort = 'update20100807'",
                  "INSERT INTO Matchen (Seizoen, WedstrNr, ProvThuis) VALUES ('2010-2011', 'A', 'O.')"});
    for (int keer = 0; keer < 2; ++keer) {
        m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Update 20100807",
                                     "Update 20100807 cannot be executed !\nFile update20100807.txt is missing.\n\n"
                                     "Copy this file to the system directory and restart the program.");
        DatabaseOpenen();
        EXPECT_EQ(m_meldingen->openstaand(), 0) << "shown at every start until the file is there";
        EXPECT_EQ(waarde("SELECT COUNT(*) FROM Opties WHERE Soort = 'update20100807'").geheel(), 0);
        EXPECT_EQ(waarde("SELECT ProvThuis FROM Matchen WHERE WedstrNr = 'A'").tekst(), "7");
        EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'statussen'").tekst(), "A,S,V,D,T");
        algemeenHerstellen();
    }
    // The file's name is found in any letter case.
    QFile::copy(QDir(testhulp::shippedMap()).filePath("update20100807.txt"), pad("UPDATE20100807.TXT"));
    DatabaseOpenen();
    EXPECT_EQ(waarde("SELECT COUNT(*) FROM Opties WHERE Soort = 'update20100807'").geheel(), 1);
}

TEST_F(Opstart, DatabaseThatCannotBeUsedIsNamedAndLeftUnchanged)
{
    const struct
    {
        const char* sql;
        const char* melding;
    } gevallen[] = {
        {"DELETE FROM Opties WHERE Soort = 'ClubProv'", "de optie 'ClubProv' ontbreekt in de tabel Opties"},
        {"DROP TABLE Klassering", "de tabel 'Klassering' ontbreekt"},
        {"UPDATE Opties SET Item = 'zes' WHERE Soort = 'Aantal Karakters CompNr'",
         "de optie 'Aantal Karakters CompNr' is geen getal"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.sql);
        testhulp::applicatiemapVullen(m_map.path());
        voorbereiden({g.sql, "DELETE FROM Opties WHERE Soort = 'statussen'"});
        const QByteArray voor = inhoudVan(pad("QJ-Deel7.mdb"));
        try {
            DatabaseOpenen();
            FAIL() << "start-up went on";
        } catch (const OpstartFout& fout) {
            EXPECT_TRUE(fout.tekst().contains(QString::fromUtf8(g.melding))) << fout.what();
            EXPECT_TRUE(fout.tekst().endsWith("Het programma wordt afgesloten.")) << fout.what();
        }
        EXPECT_FALSE(algemeen().dbGegevens.isOpen());
        EXPECT_EQ(inhoudVan(pad("QJ-Deel7.mdb")), voor);
    }
    // A file that is no database at all.
    QFile rommel(pad("QJ-Deel7.mdb"));
    ASSERT_TRUE(rommel.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rommel.write(QByteArray(4096, 'x'));
    rommel.close();
    EXPECT_THROW(DatabaseOpenen(), OpstartFout);
}

// Another program holding QJ-Deel7.mdb: one that writes, or one that does not even let readers in.
TEST_F(Opstart, AnotherProgramsLockEndsTheStartWithItsCauseAndChangesNothing)
{
    testhulp::applicatiemapVullen(m_map.path());
    voorbereiden({"DELETE FROM Opties WHERE Soort = 'update20100807'"});
    const QByteArray voor = inhoudVan(pad("QJ-Deel7.mdb"));
    db::zetWachttijdBijSlot(50);
    for (const char* slot : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        SCOPED_TRACE(slot);
        db::Database ander = db::Database::openen(pad("QJ-Deel7.mdb"));
        ander.uitvoeren(QString::fromLatin1(slot));
        startStoptOpHetSlot();
        EXPECT_FALSE(algemeen().dbGegevens.isOpen());
        ander.uitvoeren("ROLLBACK");
        ander.sluiten();
        algemeenHerstellen();
    }
    db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot);
    EXPECT_EQ(inhoudVan(pad("QJ-Deel7.mdb")), voor);

    // Once the other program has let go, the start and its update go through.
    DatabaseOpenen();
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'update20100807'").tekst(), "1");
}

// Another program that only reads QJ-Deel7.mdb (a database tool with a query open): the program
// starts beside it, as a database whose options are already as they must be needs no writing.
TEST_F(Opstart, AnotherProgramThatOnlyReadsLetsTheProgramStart)
{
    testhulp::applicatiemapVullen(m_map.path());
    DatabaseOpenen();
    algemeenHerstellen();
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    db::Database ander = db::Database::openen(pad("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN; SELECT COUNT(*) FROM Opties;");
    EXPECT_NO_THROW(DatabaseOpenen());
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'statussen'").tekst(), "A,S,V,D,T");
    ander.uitvoeren("COMMIT");
    ander.sluiten();
}

// The end of an interrupted renewal while another program holds Temp.mdb, writing or reading: it
// keeps its name until the other program lets go, and what that program wrote is in the database.
TEST_F(Opstart, TempDatabaseHeldByAnotherProgramKeepsItsNameUntilItIsLetGo)
{
    testhulp::applicatiemapVullen(m_map.path());
    ASSERT_TRUE(QFile::rename(pad("QJ-Deel7.mdb"), pad("Temp.mdb")));
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    db::Database ander = db::Database::openen(pad("Temp.mdb"));
    const char* const houders[] = {"BEGIN IMMEDIATE; UPDATE Opties SET Item = 'ander' WHERE Soort = 'Munteenheid';",
                                   "BEGIN; SELECT COUNT(*) FROM Opties;"};
    for (const char* houder : houders) {
        SCOPED_TRACE(houder);
        ander.uitvoeren(QString::fromLatin1(houder));
        startStoptOpHetSlot();
        EXPECT_TRUE(QFile::exists(pad("Temp.mdb")));
        EXPECT_FALSE(QFile::exists(pad("QJ-Deel7.mdb")));
        ander.uitvoeren("COMMIT");
        algemeenHerstellen();
    }
    ander.sluiten();
    DatabaseOpenen();
    EXPECT_TRUE(algemeen().blnTempHernoemd);
    EXPECT_EQ(waarde("SELECT Item FROM Opties WHERE Soort = 'Munteenheid'").tekst(), "ander");
}

TEST_F(Opstart, WhateverStopsTheStartIsReportedAndTheProgramEndsWithoutAnAbort)
{
    using Soort = ui::TestMeldingen::Soort;
    m_meldingen->verwachtMelding(Soort::Kritiek, "Interclub", "Geen database.\n\nHet programma wordt afgesloten.");
    EXPECT_FALSE(ProgrammaStarten([] { throw OpstartFout("Geen database.\n\nHet programma wordt afgesloten."); }));

    m_meldingen->verwachtMelding(Soort::Kritiek, "Interclub",
                                 "Het programma kan niet starten.\n\nOorzaak: De database is in gebruik door een "
                                 "ander programma.\n\nHet programma wordt afgesloten.");
    EXPECT_FALSE(ProgrammaStarten([] {
        throw db::DbFout(db::DbFout::Soort::Engine, "De database is in gebruik door een ander programma.");
    }));

    m_meldingen->verwachtMelding(Soort::Kritiek, "Interclub",
                                 "Het programma kan niet starten.\n\nOorzaak: Een onbekende fout.\n\n"
                                 "Het programma wordt afgesloten.");
    EXPECT_FALSE(ProgrammaStarten([] { throw 7; }));

    bool geladen = false;
    EXPECT_TRUE(ProgrammaStarten([&geladen] { geladen = true; }));
    EXPECT_TRUE(geladen);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
}

TEST_F(Opstart, OptionsFillTheSharedState)
{
    testhulp::applicatiemapVullen(m_map.path());
    QDir(m_map.path()).mkdir("uitwisseling");
    voorbereiden({"UPDATE Opties SET Item = '8' WHERE Soort = 'Provincie'",
                  "UPDATE Opties SET Item = '0' WHERE Soort = 'ClubProv'",
                  "UPDATE Opties SET Item = ' ' WHERE Soort = 'ClubNr'",
                  "UPDATE Opties SET Item = '5' WHERE Soort = 'Aantal Karakters CompNr'",
                  QStringLiteral("UPDATE Opties SET Item = '%1' WHERE Soort = 'Pad Opslaan'").arg(pad("uitwisseling"))});
    algemeen().strTaal = "N";
    DatabaseOpenen();
    TabellenOpenen();
    OptieStand stand = OptiesLezen();
    const Algemeen& a = algemeen();
    EXPECT_EQ(a.intAantalKaraktersCompNr, 5);
    EXPECT_EQ(a.strProvincie, "Vlaams-Brabant");
    EXPECT_EQ(a.strProvincieAfkorting, "VB.");
    EXPECT_EQ(a.strClubNr, "000");
    EXPECT_EQ(a.strClubProv, "8");
    EXPECT_EQ(a.strClubProvAfkorting, "VB.");
    EXPECT_EQ(a.strPadOpslaan, pad("uitwisseling") + "/");
    EXPECT_FALSE(stand.padNietIngesteld);
    EXPECT_FALSE(stand.paswoordBeheer);
    EXPECT_EQ(a.strSysteemmap, m_map.path() + "/");

    // A folder removed since, a club of its own and a password.
    algemeen().dbGegevens.uitvoeren("UPDATE Opties SET Item = '045' WHERE Soort = 'ClubNr'");
    algemeen().dbGegevens.uitvoeren("UPDATE Opties SET Item = '10' WHERE Soort = 'ClubProv'");
    algemeen().dbGegevens.uitvoeren("UPDATE Opties SET Item = 'JKL' WHERE Soort = 'PaswoordBeheer'");
    QDir(pad("uitwisseling")).removeRecursively();
    algemeen().strPadOpslaan.clear();
    stand = OptiesLezen();
    EXPECT_TRUE(stand.padNietIngesteld);
    EXPECT_TRUE(a.strPadOpslaan.isEmpty());
    EXPECT_TRUE(stand.paswoordBeheer);
    EXPECT_EQ(a.strClubNr, "045");
    EXPECT_EQ(a.strClubProv, "10");
    EXPECT_EQ(a.strClubProvAfkorting, "W.Vl.");

    algemeen().dbGegevens.uitvoeren("DELETE FROM Opties WHERE Soort = 'Pad Opslaan'");
    EXPECT_TRUE(OptiesLezen().padNietIngesteld);
}

TEST_F(Opstart, CurrentSeasonTurnsOnTheFirstOfJulyAndLeadsTheList)
{
    VasteKlok klok(QDateTime(QDate(2011, 6, 30), QTime(23, 59)));
    zetKlok(&klok);
    EXPECT_EQ(HuidigSeizoen(), "2010-2011");
    klok.zet(QDateTime(QDate(2011, 7, 1), QTime(0, 0)));
    EXPECT_EQ(HuidigSeizoen(), "2011-2012");

    testhulp::applicatiemapVullen(m_map.path());
    DatabaseOpenen();
    EXPECT_EQ(SeizoenenLijst("2011-2012"), QStringList({"2011-2012"})) << "an empty calendar lists the current season";
    for (const char* s : {"2009-2010", "2011-2012", "2010-2011", " ", "2009-2010"})
        algemeen().dbGegevens.uitvoeren("INSERT INTO Matchen (Seizoen, WedstrNr) VALUES (?, 'x')", {s});
    algemeen().dbGegevens.uitvoeren("INSERT INTO Matchen (WedstrNr) VALUES ('zonder seizoen')");
    EXPECT_EQ(SeizoenenLijst("2011-2012"), QStringList({"2011-2012", "2010-2011", "2009-2010"}));
    EXPECT_EQ(SeizoenenLijst("2012-2013"), QStringList({"2012-2013", "2011-2012", "2010-2011", "2009-2010"}));
}

} // namespace
