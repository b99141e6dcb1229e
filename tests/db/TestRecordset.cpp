#include "QtAfdruk.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;

namespace {

class RecordsetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::maken(m_map.filePath("test.mdb"));
        TabelDef matchen{QStringLiteral("Matchen"),
                         {{QStringLiteral("Seizoen"), TypeWoord::Tekst},
                          {QStringLiteral("SoortComp"), TypeWoord::Tekst},
                          {QStringLiteral("WeekNr"), TypeWoord::Tekst},
                          {QStringLiteral("WedstrNr"), TypeWoord::Tekst},
                          {QStringLiteral("Zaal"), TypeWoord::Long}},
                         {{QStringLiteral("WedstrNr"), {{QStringLiteral("Seizoen")}, {QStringLiteral("WedstrNr")}}},
                          {QStringLiteral("WeekNr"),
                           {{QStringLiteral("Seizoen")}, {QStringLiteral("SoortComp")}, {QStringLiteral("WeekNr")}}}}};
        m_db.tabelMaken(matchen);
    }

    void match(const QString& seizoen, const QString& soort, const QString& week, const QString& nr)
    {
        m_db.uitvoeren(QStringLiteral("INSERT INTO Matchen (Seizoen, SoortComp, WeekNr, WedstrNr) VALUES (?,?,?,?)"),
                       {seizoen, soort, week, nr});
    }

    QStringList walk(Recordset& rs, const QString& veld)
    {
        QStringList uit;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            uit << rs.veld(veld).tekst();
        return uit;
    }

    QTemporaryDir m_map;
    Database m_db;
};

TEST_F(RecordsetTest, SeekFindsFullAndPartialKeysWithoutRegardToCase)
{
    match("2010-2011", "P", "01", "PW.Vl.H01001");
    match("2010-2011", "P", "02", "PW.Vl.H02001");
    match("2011-2012", "P", "01", "PW.Vl.H01001");
    Recordset rs = m_db.openTabel("matchen");
    rs.setIndex("wedstrnr");

    rs.seek("=", {"2010-2011", "pw.vl.h02001"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("WEEKNR").tekst(), "02");
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "PW.Vl.H02001") << "the stored spelling comes back";

    // Another season holds the number, the chosen one does not.
    rs.seek("=", {"2012-2013", "PW.Vl.H01001"});
    EXPECT_TRUE(rs.noMatch());
    EXPECT_THROW(rs.veld("WeekNr"), DbFout);

    // Partial key: the first row of the season in index order, and a partial miss.
    rs.seek("=", {"2011-2012"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("Seizoen").tekst(), "2011-2012");
    rs.seek("=", {"2009-2010"});
    EXPECT_TRUE(rs.noMatch());

    rs.setIndex("WeekNr");
    rs.seek("=", {"2010-2011", "p", "02"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "PW.Vl.H02001");

    EXPECT_THROW(rs.seek("=", {"a", "b", "c", "d"}), DbFout) << "more values than key fields";
    EXPECT_THROW(rs.setIndex("Bestaat niet"), DbFout);
}

TEST_F(RecordsetTest, WalkAfterSeekContinuesInIndexOrderAndSeesChanges)
{
    match("2010-2011", "P", "03", "C");
    match("2010-2011", "P", "01", "A");
    match("2010-2011", "P", "02", "B");
    match("2011-2012", "P", "01", "D");
    Recordset rs = m_db.openTabel("Matchen");
    rs.setIndex("WedstrNr");
    EXPECT_EQ(walk(rs, "WedstrNr"), QStringList({"A", "B", "C", "D"}));

    rs.seek("=", {"2010-2011", "B"});
    ASSERT_FALSE(rs.noMatch());
    // A row added behind the current one, and a change through SQL text while the walk is under way.
    match("2010-2011", "P", "02", "BB");
    m_db.uitvoeren("UPDATE Matchen SET WeekNr = '99' WHERE WedstrNr = 'C'");
    rs.moveNext();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "BB");
    rs.moveNext();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "C");
    EXPECT_EQ(rs.veld("WeekNr").tekst(), "99");
    rs.moveNext();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.moveNext(), DbFout);

    rs.movePrevious();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "D");
    rs.moveLast();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "D");
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.recordCount(), 5);
}

TEST_F(RecordsetTest, EditAddAndDeleteAreWrittenAtOnce)
{
    match("2010-2011", "P", "01", "A");
    match("2010-2011", "P", "02", "B");
    match("2010-2011", "P", "03", "C");
    Recordset rs = m_db.openTabel("Matchen");
    rs.setIndex("WedstrNr");
    rs.seek("=", {"2010-2011", "A"});
    rs.edit();
    rs["WedstrNr"] = "BA";
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "BA") << "the edit buffer is what a read sees";
    rs.update();
    Recordset sql = m_db.openRecordset("SELECT WedstrNr FROM Matchen WHERE WeekNr = '01'");
    EXPECT_EQ(sql.veld(0).tekst(), "BA");
    // The key changed: the walk goes on from its new place.
    rs.moveNext();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "C");

    rs.seek("=", {"2010-2011", "B"});
    rs.remove();
    EXPECT_THROW(rs.veld("WedstrNr"), DbFout);
    rs.moveNext();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "BA");

    rs.addNew();
    rs["Seizoen"] = "2010-2011";
    rs["WedstrNr"] = "AA";
    rs.update();
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "BA") << "after adding, the current row stays the same";
    EXPECT_EQ(walk(rs, "WedstrNr"), QStringList({"AA", "BA", "C"}));

    EXPECT_THROW(rs["WedstrNr"] = "X", DbFout) << "assigning without Edit or AddNew";
    EXPECT_THROW(rs.veld("Bestaat niet"), DbFout);
}

TEST_F(RecordsetTest, DescendingIndexFieldsAndNullKeysKeepTheirOrder)
{
    m_db.tabelMaken({"Volgorde",
                     {{"Groep", TypeWoord::Tekst}, {"Nr", TypeWoord::Integer}},
                     {{"Ix", {{"Groep"}, {"Nr", true}}}}});
    for (const auto& [groep, nr] : QList<std::pair<Waarde, Waarde>>{
             {"b", 1}, {"a", 1}, {"a", 3}, {Waarde::null(), 5}, {"a", Waarde::null()}, {"a", 2}})
        m_db.uitvoeren("INSERT INTO Volgorde (Groep, Nr) VALUES (?, ?)", {groep, nr});
    Recordset rs = m_db.openTabel("Volgorde");
    rs.setIndex("Ix");
    QStringList gezien;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        gezien << rs.veld("Groep").tekst() + (rs.veld("Groep").isNull() ? "~" : "") + rs.veld("Nr").tekst();
        // Every step re-reads its place after a change.
        m_db.uitvoeren("UPDATE Volgorde SET Groep = Groep");
    }
    EXPECT_EQ(gezien, QStringList({"~5", "a3", "a2", "a1", "a", "b1"}));
    // Backwards gives the same rows in reverse.
    QStringList terug;
    for (rs.moveLast(); !rs.bof(); rs.movePrevious())
        terug.prepend(rs.veld("Groep").tekst() + (rs.veld("Groep").isNull() ? "~" : "") + rs.veld("Nr").tekst());
    EXPECT_EQ(terug, gezien);
}

TEST_F(RecordsetTest, StoredFormsAreKept)
{
    m_db.tabelMaken({"Leden",
                     {{"CompNr", TypeWoord::Tekst},
                      {"Naam", TypeWoord::Tekst},
                      {"Aantal", TypeWoord::Integer},
                      {"Bedrag", TypeWoord::Double},
                      {"Geboren", TypeWoord::Datum},
                      {"Actief", TypeWoord::Boolean}},
                     {{"CompNr", {{"CompNr"}}}}});
    Recordset rs = m_db.openTabel("Leden");
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    const QList<Waarde> namen{Waarde::null(), "", " "};
    const QStringList nummers{"007", "0070", "7"};
    for (int i = 0; i < 3; ++i) {
        rs.addNew();
        rs["CompNr"] = nummers[i];
        rs["Naam"] = namen[i];
        rs["Aantal"] = "12";
        rs.update();
    }
    rs.setIndex("CompNr");
    rs.seek("=", {"007"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("CompNr"), Waarde("007"));
    EXPECT_TRUE(rs.veld("Naam").isNull());
    EXPECT_EQ(rs.veld("Aantal"), Waarde(qint64(12)));
    rs.seek("=", {"0070"});
    EXPECT_EQ(rs.veld("Naam"), Waarde(""));
    rs.seek("=", {7});
    ASSERT_FALSE(rs.noMatch()) << "a number is compared as text with a text key";
    EXPECT_EQ(rs.veld("CompNr"), Waarde("7"));
    EXPECT_EQ(rs.veld("Naam"), Waarde(" "));

    rs.edit();
    // A number field refuses a blank, an empty text, a non-number and an overflow, and keeps its value.
    EXPECT_THROW(rs["Aantal"] = " ", DbFout);
    EXPECT_THROW(rs["Aantal"] = "", DbFout);
    EXPECT_THROW(rs["Aantal"] = "12a", DbFout);
    EXPECT_THROW(rs["Aantal"] = 40000, DbFout);
    EXPECT_THROW(rs["Geboren"] = "31-02-2010", DbFout);
    rs["Bedrag"] = "2,5";
    rs["Geboren"] = "05-07-1980";
    rs["Actief"] = true;
    rs["Aantal"] = Waarde::null();
    rs.update();
    Recordset sql = m_db.openRecordset("SELECT * FROM Leden WHERE CompNr = ?", {"7"});
    EXPECT_EQ(sql.veld("Bedrag"), Waarde(2.5));
    EXPECT_EQ(sql.veld("Geboren").datum().date(), QDate(1980, 7, 5));
    EXPECT_EQ(sql.veld("geboren").tekst(), "05-07-1980");
    EXPECT_TRUE(sql.veld("Actief").jaNee());
    EXPECT_TRUE(sql.veld("Aantal").isNull());

    // SQL text writes keep leading zeros in text columns too.
    m_db.uitvoeren("UPDATE Leden SET Naam = 00012 WHERE CompNr = '0070'");
    m_db.uitvoeren("UPDATE Leden SET Naam = '00012' WHERE CompNr = '007'");
    EXPECT_EQ(m_db.openRecordset("SELECT Naam FROM Leden WHERE CompNr = '007'").veld(0), Waarde("00012"));
}

TEST_F(RecordsetTest, SqlRecordsetReadsRowsAndRefusesTableOperations)
{
    match("2010-2011", "P", "01", "A");
    match("2010-2011", "P", "02", "B");
    Recordset rs = m_db.openRecordset("SELECT COUNT(*) as atl FROM Matchen WHERE Seizoen = '2010-2011'");
    EXPECT_EQ(rs.veld("ATL").geheel(), 2);
    Recordset leeg = m_db.openRecordset("SELECT * FROM Matchen WHERE Seizoen = 'x'");
    EXPECT_TRUE(leeg.eof());
    EXPECT_TRUE(leeg.bof());
    EXPECT_THROW(leeg.veld("Seizoen"), DbFout);
    EXPECT_THROW(rs.edit(), DbFout);
    EXPECT_THROW(rs.seek("=", {"x"}), DbFout);
    EXPECT_THROW(m_db.openRecordset("SELECT * FROM Bestaat_Niet"), DbFout);
}

TEST_F(RecordsetTest, CdateTurnsDateTextsIntoSortableDates)
{
    for (const char* datum : {"18-09-2010", "02-10-2010", "4-9-2010", " ", "geen datum"})
        m_db.uitvoeren("INSERT INTO Matchen (Seizoen, WedstrNr, WeekNr) VALUES ('s', 'x', ?)", {datum});
    Recordset rs = m_db.openRecordset(
        "SELECT DISTINCT cdate(WeekNr) as D FROM Matchen WHERE WeekNr <> '' ORDER BY cdate(WeekNr) ASC;");
    QStringList data;
    for (; !rs.eof(); rs.moveNext()) {
        if (!rs.veld("D").isNull())
            data << rs.veld("D").datum().date().toString("dd-MM-yyyy");
    }
    EXPECT_EQ(data, QStringList({"04-09-2010", "18-09-2010", "02-10-2010"}));
}

TEST_F(RecordsetTest, CdateOfANumberIsNullOutOfRangeAndCarriesMidnightIntoTheDate)
{
    auto cdate = [&](const char* uitdrukking) {
        return m_db.openRecordset(QStringLiteral("SELECT cdate(%1)").arg(uitdrukking)).veld(0);
    };
    EXPECT_EQ(cdate("40439").tekst(), "2010-09-18");
    EXPECT_EQ(cdate("40439.75").tekst(), "2010-09-18 18:00:00");
    // Just before midnight rounds to the next day's start, never back to the start of the same day.
    EXPECT_EQ(cdate("0.99999999999").tekst(), "1899-12-31");
    EXPECT_EQ(cdate("40439.999999999").tekst(), "2010-09-19");
    for (const char* buiten : {"1e300", "-1e300", "9e18", "2958466", "-657435", "1e308 * 10", "-(1e308 * 10)"})
        EXPECT_TRUE(cdate(buiten).isNull()) << buiten;
}

TEST_F(RecordsetTest, TransactionRollsBackAndRecordsetsFollow)
{
    match("2010-2011", "P", "01", "A");
    Recordset rs = m_db.openTabel("Matchen");
    rs.setIndex("WedstrNr");
    {
        Transactie t(m_db);
        match("2010-2011", "P", "02", "B");
        {
            Transactie binnen(m_db);
            match("2010-2011", "P", "03", "C");
            binnen.vastleggen();
        }
        EXPECT_EQ(rs.recordCount(), 3);
        // leaving without committing
    }
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(walk(rs, "WedstrNr"), QStringList({"A"}));
    {
        Transactie t(m_db);
        rs.seek("=", {"2010-2011", "A"});
        match("2010-2011", "P", "04", "D");
        t.vastleggen();
    }
    EXPECT_EQ(rs.recordCount(), 2);
}

TEST(Database, MissingFileIsReportedAndNotCreated)
{
    QTemporaryDir map;
    const QString pad = map.filePath("QJ-Deel7.mdb");
    try {
        Database::openen(pad);
        FAIL() << "a missing database was opened";
    } catch (const DbFout& fout) {
        EXPECT_EQ(fout.soort(), DbFout::Soort::BestandOntbreekt);
        EXPECT_TRUE(fout.tekst().contains("QJ-Deel7.mdb"));
    }
    EXPECT_FALSE(QFile::exists(pad));

    QFile rommel(map.filePath("rommel.mdb"));
    ASSERT_TRUE(rommel.open(QIODevice::WriteOnly));
    rommel.write("dit is geen database, maar wel een bestand van enige lengte zodat het gelezen wordt........");
    rommel.close();
    EXPECT_THROW(Database::openen(rommel.fileName()), DbFout);
    EXPECT_THROW(Database::maken(rommel.fileName()), DbFout) << "creating never replaces a file";
}

TEST(Database, SchemaSurvivesCreateAndList)
{
    QTemporaryDir map;
    Database db = Database::maken(map.filePath("schema.mdb"));
    const TabelDef reeksen{"Reeksen",
                           {{"Seizoen", TypeWoord::Tekst},
                            {"Soort", TypeWoord::Tekst},
                            {"HerDam", TypeWoord::Tekst},
                            {"ReeksNr", TypeWoord::Tekst},
                            {"Opmerking", TypeWoord::Memo},
                            {"Gewijzigd", TypeWoord::Datum},
                            {"Klein", TypeWoord::Integer},
                            {"id_zelm", TypeWoord::Long},
                            {"Gemiddelde", TypeWoord::Double},
                            {"Actief", TypeWoord::Boolean},
                            {"ZonderWoord", QString()}},
                           {{"Soort", {{"Seizoen"}, {"Soort"}, {"HerDam"}, {"ReeksNr", true}}}}};
    db.tabelMaken(reeksen);
    // The same index name on another table, and a table whose name has a blank.
    db.tabelMaken({"Opties", {{"Soort", TypeWoord::Tekst}, {"Item", TypeWoord::Tekst}}, {{"Soort", {{"Soort"}}}}});
    db.tabelMaken({"Volgorde Wedstrijden",
                   {{"AantalSpelers", TypeWoord::Integer}, {"Wedstrijd", TypeWoord::Integer}, {"thuis", TypeWoord::Tekst}},
                   {{"Volgorde", {{"AantalSpelers"}, {"Wedstrijd"}}}}});
    db.tabelMaken({"Tabelstructuur", {{"Volgorde", TypeWoord::Long, true}, {"Naam", TypeWoord::Tekst}}, {}});

    EXPECT_EQ(db.tabellen(), QStringList({"Opties", "Reeksen", "Tabelstructuur", "Volgorde Wedstrijden"}));
    db.tabelMaken({"Klein", {{"x", TypeWoord::Tekst}}, {}});
    db.tabelVerwijderen("Klein");
    const TabelDef terug = db.tabelDef("REEKSEN");
    ASSERT_EQ(terug.velden.size(), reeksen.velden.size());
    for (int i = 0; i < terug.velden.size(); ++i) {
        EXPECT_EQ(terug.velden[i].naam, reeksen.velden[i].naam);
        // A field without a type word is made as text, and is text from then on.
        EXPECT_EQ(terug.velden[i].typeWoord, i == 10 ? TypeWoord::Tekst : reeksen.velden[i].typeWoord) << i;
    }
    // A type that has no word (made by other means) lists with an empty word.
    db.uitvoeren("CREATE TABLE Vreemd (Foto BLOB, Bedrag CURRENCY)");
    EXPECT_EQ(db.tabelDef("Vreemd").velden.value(0).typeWoord, QString());
    EXPECT_EQ(db.tabelDef("Vreemd").velden.value(1).typeWoord, QString());
    ASSERT_EQ(terug.indexen.size(), 1);
    EXPECT_EQ(terug.indexen[0].naam, "Soort");
    ASSERT_EQ(terug.indexen[0].velden.size(), 4);
    EXPECT_FALSE(terug.indexen[0].velden[0].aflopend);
    EXPECT_TRUE(terug.indexen[0].velden[3].aflopend);
    EXPECT_EQ(db.tabelDef("Opties").indexen.value(0).naam, "Soort");
    EXPECT_TRUE(db.tabelDef("Tabelstructuur").velden[0].autoNummer);

    Recordset vw = db.openTabel("Volgorde Wedstrijden");
    vw.addNew();
    vw["AantalSpelers"] = 4;
    vw["Wedstrijd"] = 1;
    vw.update();
    vw.setIndex("volgorde");
    vw.seek("=", {"4", "1"});
    EXPECT_FALSE(vw.noMatch());

    Recordset ts = db.openTabel("Tabelstructuur");
    for (const char* naam : {"a", "b"}) {
        ts.addNew();
        ts["Naam"] = naam;
        ts.update();
    }
    EXPECT_EQ(db.openRecordset("SELECT Volgorde FROM Tabelstructuur WHERE Naam = 'b'").veld(0).geheel(), 2);

    db.indexVerwijderen("reeksen", "SOORT");
    EXPECT_TRUE(db.tabelDef("Reeksen").indexen.isEmpty());
    EXPECT_EQ(db.tabelDef("Opties").indexen.size(), 1) << "dropping one table's index leaves the other's";
    EXPECT_THROW(db.indexVerwijderen("Reeksen", "Soort"), DbFout);
    db.tabelVerwijderen("volgorde wedstrijden");
    EXPECT_FALSE(db.bestaatTabel("Volgorde Wedstrijden"));
    EXPECT_THROW(db.openTabel("Volgorde Wedstrijden"), DbFout);
}

TEST(Database, ATableDefinitionFollowsEveryChangeOfTheSchema)
{
    QTemporaryDir map;
    Database db = Database::maken(map.filePath("schema.mdb"));
    db.tabelMaken({"Leden", {{"CompNr", TypeWoord::Tekst}}, {}});
    ASSERT_EQ(db.tabelDef("Leden").velden.size(), 1);

    // Changed through this connection, through another one, and made and rolled back.
    db.uitvoeren("ALTER TABLE Leden ADD COLUMN Naam TEXT");
    EXPECT_EQ(db.tabelDef("Leden").velden.size(), 2);
    Database ander = Database::openen(map.filePath("schema.mdb"));
    ander.uitvoeren("ALTER TABLE Leden ADD COLUMN Voornaam TEXT");
    ander.indexMaken("Leden", {"CompNr", {{"CompNr"}}});
    const TabelDef def = db.tabelDef("Leden");
    EXPECT_EQ(def.velden.size(), 3);
    EXPECT_EQ(def.indexen.size(), 1);
    {
        Transactie t(db);
        db.uitvoeren("ALTER TABLE Leden ADD COLUMN Klassering TEXT");
        EXPECT_EQ(db.tabelDef("Leden").velden.size(), 4);
    }
    EXPECT_EQ(db.tabelDef("Leden").velden.size(), 3);
    ander.tabelVerwijderen("Leden");
    EXPECT_THROW(db.tabelDef("Leden"), DbFout);
    ander.sluiten();
}

TEST(Database, ClosingReleasesTheFileAndRecordsets)
{
    QTemporaryDir map;
    const QString pad = map.filePath("a.mdb");
    Database db = Database::maken(pad);
    db.tabelMaken({"T", {{"x", TypeWoord::Tekst}}, {}});
    db.uitvoeren("INSERT INTO T VALUES ('1')");
    Recordset rs = db.openTabel("T");
    EXPECT_EQ(rs.veld("x").tekst(), "1");
    db.sluiten();
    EXPECT_THROW(rs.moveNext(), DbFout);
    EXPECT_THROW(db.uitvoeren("SELECT 1"), DbFout);
    ASSERT_TRUE(QFile::rename(pad, map.filePath("b.mdb")));
    Database weer = Database::openen(map.filePath("b.mdb"));
    EXPECT_EQ(weer.openRecordset("SELECT x FROM T").veld(0).tekst(), "1");
}

} // namespace
