#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/Voortgang.h"
#include "db/Database.h"
#include "maintenance/Onderhoud.h"
#include "maintenance/Tabelstructuur.h"
#include "ui/TestMeldingenScope.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;
using namespace maintenance;

namespace {

struct Opname : core::IVoortgang
{
    QStringList opschriften;
    QList<int> tekens;
    void opschriftZetten(const QString& tekst) override { opschriften << tekst; }
    void UpdateProgress(int procent) override { tekens << procent; }
};

qint64 aantal(Database& d, const QString& tabel)
{
    return d.openRecordset("SELECT COUNT(*) FROM " + sqlNaam(tabel)).veld(0).geheel();
}

const IndexDef* indexVan(const TabelDef& t, const QString& naam)
{
    for (const IndexDef& i : t.indexen) {
        if (i.naam.compare(naam, Qt::CaseInsensitive) == 0)
            return &i;
    }
    return nullptr;
}

// An application folder with the shipped files and a few invented rows, opened as the program opens it.
class OnderhoudTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        testhulp::applicatiemapVullen(m_map.path());
        {
            Database d = Database::openen(m_map.filePath("QJ-Deel7.mdb"));
            testhulp::clubToevoegen(d, 1, "001", "TTC D'Hondt");
            for (int i = 0; i < 30; ++i) {
                const QString nr = QString::number(500000 + i);
                testhulp::lidToevoegen(d, nr, QStringLiteral("Speler %1").arg(i), "001", 1);
                testhulp::sterktelijstToevoegen(d, "2010-2011", 1, "001", "Heren", i + 1, nr, "Speler", "1", "C2");
            }
            testhulp::Wedstrijd w;
            w.wedstrNr = "PAH01001";
            w.lkThuis = "001";
            testhulp::wedstrijdToevoegen(d, w);
            d.sluiten();
        }
        core::zetApplicatiemap(m_map.path());
        openen();
    }

    void TearDown() override
    {
        zetVernieuwOnderbreking(nullptr);
        zetWachttijdBijSlot(StandaardWachttijdBijSlot);
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
    }

    static void openen()
    {
        core::algemeenHerstellen();
        core::DatabaseOpenen();
        core::TabellenOpenen();
    }

    QHash<QString, qint64> rijen()
    {
        QHash<QString, qint64> uit;
        Database& d = core::algemeen().dbGegevens;
        for (const QString& t : d.tabellen())
            uit.insert(t, aantal(d, t));
        return uit;
    }

    QTemporaryDir m_map;
    ui::TestMeldingenScope m_meldingen;
};

TEST(Voortgangsmarkering, MarksFallWhereTheRowCounterMeetsTheMark)
{
    auto tekens = [](double totaal, int begin, int stap, qint64 van, qint64 tot) {
        core::Voortgangsmarkering m(totaal, begin, stap);
        QList<QPair<qint64, int>> uit;
        for (qint64 i = van; i <= tot; ++i) {
            const int t = m.bij(i);
            if (t >= 0)
                uit << qMakePair(i, t);
        }
        return uit;
    };
    // Copying 250 rows one per cent at a time: 1 after row 2, 2 after row 5, 3 after row 7.
    const auto kopie = tekens(250, 1, 1, 1, 250);
    ASSERT_EQ(kopie.size(), 100);
    EXPECT_EQ(kopie[0], qMakePair(qint64(2), 1));
    EXPECT_EQ(kopie[1], qMakePair(qint64(5), 2));
    EXPECT_EQ(kopie[2], qMakePair(qint64(7), 3));
    EXPECT_EQ(kopie.last(), qMakePair(qint64(250), 100));
    // Re-indexing 5 tables: 10 after position 0, 20 after position 1, then nothing.
    EXPECT_EQ(tekens(5, 10, 10, 0, 4), (QList<QPair<qint64, int>>{{0, 10}, {1, 20}}));
    // 20 tables: 10 after position 2, 20 after position 4.
    EXPECT_EQ(tekens(20, 10, 10, 0, 19).mid(0, 2), (QList<QPair<qint64, int>>{{2, 10}, {4, 20}}));
    // Emptying fewer than 20 rows: the first mark is due at 0 and never comes.
    EXPECT_TRUE(tekens(19, 5, 5, 1, 19).isEmpty());
}

TEST_F(OnderhoudTest, EmptyingDrawsItsMarksAndLeavesTheOtherTables)
{
    core::Algemeen& a = core::algemeen();
    Opname veertig;
    testhulp::lidToevoegen(a.dbGegevens, "600000", "Nog een", "001", 1);
    for (int i = 0; i < 9; ++i)
        testhulp::lidToevoegen(a.dbGegevens, QString::number(600001 + i), "Nog een", "001", 1);
    ASSERT_EQ(aantal(a.dbGegevens, "Leden"), 40);
    TabelLeegmaken("Leden", veertig);
    EXPECT_EQ(veertig.opschriften, QStringList{"Tabel Leden - Oude gegevens wissen - Even Geduld....."});
    QList<int> verwacht;
    for (int m = 5; m <= 100; m += 5)
        verwacht << m;
    verwacht << 100;
    EXPECT_EQ(veertig.tekens, verwacht);
    EXPECT_EQ(aantal(a.dbGegevens, "Leden"), 0);
    EXPECT_EQ(aantal(a.dbGegevens, "Sterktelijst"), 30);
    // The shared recordset sees the table empty.
    a.rsLeden.moveFirst();
    EXPECT_TRUE(a.rsLeden.eof());

    // An empty table: no caption, 100 at once. A small one: nothing before 100.
    Opname leeg;
    TabelLeegmaken("Leden", leeg);
    EXPECT_TRUE(leeg.opschriften.isEmpty());
    EXPECT_EQ(leeg.tekens, QList<int>{100});
    a.dbGegevens.uitvoeren("DELETE FROM Sterktelijst WHERE Volgorde > '10' OR length(Volgorde) > 1");
    const qint64 klein = aantal(a.dbGegevens, "Sterktelijst");
    ASSERT_GT(klein, 0);
    ASSERT_LT(klein, 20);
    Opname weinig;
    TabelLeegmaken("Sterktelijst", weinig);
    EXPECT_EQ(weinig.tekens, QList<int>{100});
    EXPECT_EQ(aantal(a.dbGegevens, "Sterktelijst"), 0);
    EXPECT_EQ(aantal(a.dbGegevens, "Clubs"), 1);
}

TEST_F(OnderhoudTest, SnapshotGivesBackTypesIndexFieldsAndDescendingOrder)
{
    core::Algemeen& a = core::algemeen();
    a.dbGegevens.sluiten();
    Database d = Database::maken(m_map.filePath("Proef.mdb"));
    d.tabelMaken({"Alles",
                  {{"t", TypeWoord::Tekst}, {"m", TypeWoord::Memo}, {"d", TypeWoord::Datum}, {"i", TypeWoord::Integer},
                   {"l", TypeWoord::Long}, {"g", TypeWoord::Double}, {"b", TypeWoord::Boolean}},
                  {{"Twee", {{"t"}, {"l", true}}}, {"Een", {{"d"}}}}});
    d.tabelMaken({"Zonder", {{"x", TypeWoord::Tekst}}, {}});
    d.uitvoeren("CREATE TABLE Vreemd (blob BLOB, geld MONEY)");
    d.uitvoeren("CREATE TABLE msysIets (x TEXT)");
    a.dbGegevens = d;

    StructuurOpslaan(StructuurTabel);
    Database tabellen = tabellenOpenen();
    const auto eerste = tabellen.openRecordset("SELECT NaamTabel, Aard, Naam, Type, Indexveld, Sorteervolgorde FROM [QJ-Deel7] ORDER BY Volgorde");
    QStringList rijen1;
    for (Recordset rs = eerste; !rs.eof(); rs.moveNext()) {
        QStringList r;
        for (int i = 0; i < 6; ++i)
            r << rs.veld(i).tekst();
        rijen1 << r.join('|');
    }
    EXPECT_EQ(rijen1.mid(0, 2), (QStringList{"Alles|AtlV|7|||", "Alles|AtlI|2|||"}));
    EXPECT_TRUE(rijen1.contains("Alles|Index|Twee||l|D"));
    EXPECT_TRUE(rijen1.contains("Alles|Index|Twee||t|A"));
    EXPECT_TRUE(rijen1.contains("Zonder|AtlI|0|||"));
    EXPECT_TRUE(rijen1.contains("Vreemd|Veld|blob|||"));
    for (const QString& r : rijen1)
        EXPECT_FALSE(r.startsWith("msys", Qt::CaseInsensitive)) << r.toStdString();

    const QList<TabelDef> s = structuurLezen(tabellen, StructuurTabel);
    ASSERT_EQ(s.size(), 3);
    const TabelDef& alles = s[0];
    EXPECT_EQ(alles.naam, "Alles");
    QStringList types;
    for (const VeldDef& v : alles.velden)
        types << v.naam + ":" + v.typeWoord;
    EXPECT_EQ(types, (QStringList{"t:Tekst", "m:Memo", "d:Datum", "i:Integer", "l:Long", "g:Double", "b:Boolean"}));
    const IndexDef* twee = indexVan(alles, "Twee");
    ASSERT_TRUE(twee);
    ASSERT_EQ(twee->velden.size(), 2);
    EXPECT_EQ(twee->velden[0].naam, "t");
    EXPECT_FALSE(twee->velden[0].aflopend);
    EXPECT_EQ(twee->velden[1].naam, "l");
    EXPECT_TRUE(twee->velden[1].aflopend);

    // A second snapshot gives the same rows.
    StructuurOpslaan(StructuurTabel);
    QStringList rijen2;
    for (Recordset rs = tabellen.openRecordset("SELECT NaamTabel, Aard, Naam, Type, Indexveld, Sorteervolgorde FROM [QJ-Deel7] ORDER BY Volgorde");
         !rs.eof(); rs.moveNext()) {
        QStringList r;
        for (int i = 0; i < 6; ++i)
            r << rs.veld(i).tekst();
        rijen2 << r.join('|');
    }
    EXPECT_EQ(rijen2, rijen1);
}

TEST_F(OnderhoudTest, ACopyCountsAndReportsTheValuesTheTargetRefuses)
{
    core::Algemeen& a = core::algemeen();
    {
        Database tabellen = tabellenOpenen();
        structuurTabelMaken(tabellen, "Proef");
        structuurRijenSchrijven(tabellen, "Proef",
                                {{"Getallen", {{"Naam", TypeWoord::Tekst}, {"Aantal", TypeWoord::Long}, {"Extra", "Raar"}}, {}},
                                 {"Opties", {{"Soort", TypeWoord::Tekst}, {"Item", TypeWoord::Tekst}}, {}}});
    }
    a.dbGegevens.tabelMaken({"Getallen", {{"Naam", TypeWoord::Tekst}, {"Aantal", TypeWoord::Tekst}, {"Weg", TypeWoord::Tekst}}, {}});
    a.dbGegevens.uitvoeren("INSERT INTO Getallen (Naam, Aantal, Weg) VALUES ('a', '12', 'x'), ('b', 'twaalf', 'y'), ('', '', 'z')");

    Database doel = Database::maken(m_map.filePath("Doel.mdb"));
    Recordset bron = a.dbGegevens.openTabel("Getallen");
    bron.moveLast();
    Opname opname;
    const KopieVerslag v = Exporteren(doel, "Proef", "Getallen", "de tabel \"Getallen\"", bron, 1, "", "", opname);
    EXPECT_TRUE(v.gemaakt);
    EXPECT_EQ(v.bronRijen, 3);
    EXPECT_EQ(v.opgeslagen, 3);
    EXPECT_EQ(v.geweigerd, 1);
    ASSERT_EQ(v.meldingen.size(), 1);
    EXPECT_EQ(v.meldingen[0], "tabel \"Getallen\", veld \"Aantal\": de waarde 'twaalf' werd geweigerd");
    EXPECT_EQ(opname.opschriften, QStringList{"Bezig met het exporteren van de tabel \"Getallen\" - Even Geduld....."});
    EXPECT_TRUE(opname.tekens.isEmpty()); // fewer than 100 rows: the bar does not move

    const TabelDef def = doel.tabelDef("Getallen");
    QStringList velden;
    for (const VeldDef& f : def.velden)
        velden << f.naam + ":" + f.typeWoord;
    EXPECT_EQ(velden, (QStringList{"Naam:Tekst", "Aantal:Long", "Extra:Tekst"}));
    EXPECT_TRUE(def.indexen.isEmpty());
    Recordset rs = doel.openRecordset("SELECT Naam, Aantal FROM Getallen ORDER BY rowid");
    EXPECT_EQ(rs.veld(1).geheel(), 12);
    rs.moveNext();
    EXPECT_EQ(rs.veld(0).tekst(), "b");
    EXPECT_TRUE(rs.veld(1).isNull());
    rs.moveNext();
    EXPECT_TRUE(rs.veld(0).isNull()); // the empty text is not written

    // Only Opties gets an index from the copy, and a filter keeps rows below its minimum out.
    a.dbGegevens.uitvoeren("UPDATE Opties SET Afkorting = '5' WHERE Soort = 'ClubNr'");
    Recordset opties = a.dbGegevens.openTabel("Opties");
    const KopieVerslag o = Exporteren(doel, "Proef", "Opties", "de opties", opties, 10, "3", "Afkorting", opname);
    EXPECT_EQ(o.gekozen, 1);
    EXPECT_EQ(aantal(doel, "Opties"), 1);
    ASSERT_EQ(doel.tabelDef("Opties").indexen.size(), 1);
    EXPECT_EQ(doel.tabelDef("Opties").indexen[0].naam, "Soort");

    // A table that the dictionary does not describe cannot be made; that is reported, not hidden.
    Recordset leden = a.dbGegevens.openTabel("Leden");
    const KopieVerslag l = Exporteren(doel, "Proef", "Leden", "de leden", leden, 1, "", "", opname);
    EXPECT_FALSE(l.gemaakt);
    EXPECT_EQ(l.opgeslagen, 0);
    EXPECT_FALSE(l.meldingen.isEmpty());
}

TEST_F(OnderhoudTest, ReindexingRestoresAMissingIndexAndDropsStrangeOnes)
{
    core::Algemeen& a = core::algemeen();
    a.dbGegevens.indexVerwijderen("Matchen", "WedstrNr");
    a.dbGegevens.indexMaken("Leden", {"Vreemd", {{"Naam"}}});
    a.dbGegevens.tabelMaken({"Eigen", {{"x", TypeWoord::Tekst}}, {{"Blijft", {{"x"}}}}});
    Opname opname;
    Herindexeren(0, opname);
    EXPECT_EQ(opname.opschriften, QStringList{"Bezig met herindexeren - Even Geduld....."});
    EXPECT_EQ(opname.tekens.value(0), 10);

    const TabelDef matchen = a.dbGegevens.tabelDef("Matchen");
    const IndexDef* wedstrNr = indexVan(matchen, "WedstrNr");
    ASSERT_TRUE(wedstrNr);
    EXPECT_EQ(wedstrNr->velden.size(), 2);
    EXPECT_FALSE(indexVan(a.dbGegevens.tabelDef("Leden"), "Vreemd"));
    EXPECT_TRUE(indexVan(a.dbGegevens.tabelDef("Leden"), "CompNr"));
    EXPECT_TRUE(indexVan(a.dbGegevens.tabelDef("Eigen"), "Blijft"));
    // The eleven recordsets are closed; Klassering stays open.
    EXPECT_FALSE(a.rsMatchen.isOpen());
    EXPECT_FALSE(a.rsPloegen.isOpen());
    EXPECT_TRUE(a.rsKlassering.isOpen());

    // Called with 1 nothing is closed.
    core::TabellenOpenen();
    Herindexeren(1, opname);
    EXPECT_TRUE(a.rsMatchen.isOpen());
}

TEST_F(OnderhoudTest, AFailedReindexingLeavesEveryIndexAsItWas)
{
    core::Algemeen& a = core::algemeen();
    {
        Database tabellen = tabellenOpenen();
        tabellen.uitvoeren("INSERT INTO [QJ-Deel7] (NaamTabel, Aard, Naam, Indexveld, Sorteervolgorde) "
                           "VALUES ('Matchen', 'Index', 'Zzz', 'GeenVeld', 'A')");
    }
    QList<TabelDef> voor;
    for (const QString& t : a.dbGegevens.tabellen())
        voor << a.dbGegevens.tabelDef(t);
    Opname opname;
    EXPECT_THROW(Herindexeren(1, opname), DbFout);
    for (const TabelDef& t : voor) {
        const TabelDef na = a.dbGegevens.tabelDef(t.naam);
        ASSERT_EQ(na.indexen.size(), t.indexen.size()) << t.naam.toStdString();
        for (int i = 0; i < t.indexen.size(); ++i)
            EXPECT_TRUE(indexVan(na, t.indexen[i].naam)) << t.naam.toStdString();
    }
}

TEST_F(OnderhoudTest, RenewalRebuildsTheDatabaseFromTheStructure)
{
    core::Algemeen& a = core::algemeen();
    a.dbGegevens.tabelMaken({"Overbodig", {{"x", TypeWoord::Tekst}}, {}});
    a.dbGegevens.indexVerwijderen("Leden", "CompNr");
    QHash<QString, qint64> voor = rijen();
    voor.remove("Overbodig");
    // A stale Temp.mdb of an earlier renewal is replaced.
    QFile stale(m_map.filePath("TEMP.MDB"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("oud");
    stale.close();

    Opname opname;
    DatabaseVernieuwen(opname);
    EXPECT_EQ(rijen(), voor);
    EXPECT_FALSE(a.dbGegevens.bestaatTabel("Overbodig"));
    EXPECT_TRUE(indexVan(a.dbGegevens.tabelDef("Leden"), "CompNr"));
    EXPECT_TRUE(indexVan(a.dbGegevens.tabelDef("Opties"), "Soort"));
    EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
    EXPECT_TRUE(opname.opschriften.contains("Bezig met het exporteren van de tabel \"Leden\" - Even Geduld....."));
    // The shared recordsets are open on the new file.
    a.rsMatchen.setIndex("WedstrNr");
    a.rsMatchen.seek("=", {"2010-2011", "PAH01001"});
    EXPECT_FALSE(a.rsMatchen.noMatch());
    EXPECT_EQ(a.rsMatchen.veld("LKThuis").tekst(), "001");
}

// Every value of a table as SQLite holds it (its type shows in the quoting), row by row in order.
QStringList waardenVan(Database& d, const QString& tabel, bool leegAlsNull)
{
    QStringList kolommen;
    for (const VeldDef& v : d.tabelDef(tabel).velden)
        kolommen << QStringLiteral("'%1=' || quote(%2)").arg(v.naam, sqlNaam(v.naam));
    QStringList uit;
    Recordset rs = d.openRecordset(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                       .arg(kolommen.join(QStringLiteral(" || '|' || ")), sqlNaam(tabel)));
    for (; !rs.eof(); rs.moveNext()) {
        QStringList rij = rs.veld(0).tekst().split(u'|');
        rij.sort(Qt::CaseInsensitive); // the columns by name: their order may differ
        QString tekst = rij.join(u'|');
        if (leegAlsNull)
            tekst.replace(QStringLiteral("=''"), QStringLiteral("=NULL"));
        uit << tekst;
    }
    return uit;
}

TEST_F(OnderhoudTest, RenewalKeepsEveryValueAndTurnsEmptyTextsIntoNull)
{
    core::Algemeen& a = core::algemeen();
    // A table whose columns stand in another order than the structure gives them.
    a.dbGegevens.tabelVerwijderen("Verantwoordelijken");
    a.dbGegevens.tabelMaken({"Verantwoordelijken",
                             {{"Scheidsrechter", TypeWoord::Tekst}, {"CompNr", TypeWoord::Tekst}, {"Naam", TypeWoord::Tekst}},
                             {{"CompNr", {{"CompNr"}}}}});
    a.dbGegevens.uitvoeren("INSERT INTO Verantwoordelijken (Naam, CompNr, Scheidsrechter) VALUES "
                           "('D''Hondt Gérard', '012345', 'J'), ('Peeters', '012346', NULL)");
    // A table in the order of the structure, with an empty text in one row.
    a.dbGegevens.uitvoeren("INSERT INTO Omwisselen (Seizoen, CompNrOud, CompNrNieuw) VALUES "
                           "('2010-2011', '500001', ''), ('2010-2011', '500002', '600002')");
    QHash<QString, QStringList> voor;
    for (const QString& t : a.dbGegevens.tabellen())
        voor.insert(t, waardenVan(a.dbGegevens, t, true));

    Opname opname;
    DatabaseVernieuwen(opname);
    for (const QString& t : a.dbGegevens.tabellen())
        EXPECT_EQ(waardenVan(a.dbGegevens, t, false), voor.value(t)) << t.toStdString();
    EXPECT_EQ(voor.value("Verantwoordelijken").size(), 2);
    EXPECT_EQ(voor.value("Omwisselen").size(), 2);
    EXPECT_EQ(a.dbGegevens.tabelDef("Verantwoordelijken").velden[0].naam, "Naam") << "the fields as the structure gives them";
}

TEST_F(OnderhoudTest, AnIncompleteCopyLeavesTheOldDatabaseUntouched)
{
    core::Algemeen& a = core::algemeen();
    StructuurOpslaan(StructuurTabel);
    {
        // The structure now wants a number where the members have names.
        Database tabellen = tabellenOpenen();
        tabellen.uitvoeren("UPDATE [QJ-Deel7] SET Type = 'Long' WHERE NaamTabel = 'Leden' AND Aard = 'Veld' AND Naam = 'Naam'");
    }
    const QHash<QString, qint64> voor = rijen();
    Opname opname;
    try {
        DatabaseVernieuwen(opname);
        FAIL() << "the renewal went on";
    } catch (const core::ActieFout& fout) {
        EXPECT_TRUE(fout.tekst().startsWith("De database werd niet vernieuwd: de kopie in Temp.mdb is niet volledig."))
            << fout.tekst().toStdString();
        EXPECT_TRUE(fout.tekst().contains("de tabel \"Leden\": 30 waarde(n) geweigerd")) << fout.tekst().toStdString();
        EXPECT_TRUE(fout.tekst().endsWith("QJ-Deel7.mdb bleef ongewijzigd.")) << fout.tekst().toStdString();
    }
    EXPECT_TRUE(a.dbGegevens.isOpen());
    EXPECT_EQ(rijen(), voor);
    a.rsLeden.moveFirst();
    EXPECT_FALSE(a.rsLeden.eof());
    EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
}

TEST_F(OnderhoudTest, ARenewalStopsForOneValueRefusedOrOneRowNotCopied)
{
    core::Algemeen& a = core::algemeen();
    const auto vernieuwenGeweigerd = [&](const QStringList& verwacht) {
        Opname opname;
        try {
            DatabaseVernieuwen(opname);
            ADD_FAILURE() << "the renewal went on";
        } catch (const core::ActieFout& fout) {
            EXPECT_TRUE(fout.tekst().startsWith("De database werd niet vernieuwd")) << fout.tekst().toStdString();
            for (const QString& v : verwacht)
                EXPECT_TRUE(fout.tekst().contains(v)) << fout.tekst().toStdString();
        }
        EXPECT_TRUE(a.dbGegevens.isOpen());
        EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
    };

    // One value of one row that its field cannot hold (a text in a number field, written by
    // another tool): the whole renewal stops and the old file keeps it.
    a.dbGegevens.uitvoeren("UPDATE Sterktelijst SET Volgorde = 'twaalf' WHERE Computernummer = '500007'");
    const QHash<QString, qint64> voor = rijen();
    vernieuwenGeweigerd({"de tabel \"Sterktelijst\": 1 waarde(n) geweigerd",
                         "tabel \"Sterktelijst\", veld \"Volgorde\": de waarde 'twaalf' werd geweigerd"});
    EXPECT_EQ(rijen(), voor);
    EXPECT_EQ(a.dbGegevens.openRecordset("SELECT Volgorde FROM Sterktelijst WHERE Computernummer = '500007'").veld(0).tekst(),
              "twaalf");
    a.dbGegevens.uitvoeren("UPDATE Sterktelijst SET Volgorde = 8 WHERE Computernummer = '500007'");

    // One row that the new file does not take (here a trigger in Temp.mdb drops it without a word).
    zetVernieuwOnderbreking([&](VernieuwStap stap) {
        if (stap != VernieuwStap::Gemaakt)
            return;
        const QString sql = a.dbGegevens.openRecordset("SELECT sql FROM sqlite_master WHERE name = 'Leden'").veld(0).tekst();
        Database temp = Database::openen(m_map.filePath("Temp.mdb"));
        temp.uitvoeren(sql);
        temp.uitvoeren("CREATE TRIGGER Weg BEFORE INSERT ON Leden WHEN NEW.CompNr = '500007' BEGIN SELECT RAISE(IGNORE); END");
        temp.sluiten();
    });
    const qint64 leden = voor.value("Leden");
    vernieuwenGeweigerd({QStringLiteral("de tabel \"Leden\" heeft %1 van de %2 rijen").arg(leden - 1).arg(leden)});
    EXPECT_EQ(rijen(), voor);
    zetVernieuwOnderbreking(nullptr);

    // Without either, the same database renews.
    Opname opname;
    DatabaseVernieuwen(opname);
    EXPECT_EQ(rijen(), voor);
}

TEST_F(OnderhoudTest, ARenewalInterruptedAtAnyStepLeavesADatabaseWithAllItsRows)
{
    const QHash<QString, qint64> voor = rijen();
    for (VernieuwStap stap : {VernieuwStap::Gekopieerd, VernieuwStap::Verwijderd, VernieuwStap::Hernoemd}) {
        SCOPED_TRACE(static_cast<int>(stap));
        openen();
        zetVernieuwOnderbreking([stap](VernieuwStap s) {
            if (s == stap)
                throw std::runtime_error("stroompanne");
        });
        Opname opname;
        EXPECT_THROW(DatabaseVernieuwen(opname), std::runtime_error);
        zetVernieuwOnderbreking(nullptr);
        // The next start.
        openen();
        EXPECT_EQ(rijen(), voor);
        core::Algemeen& a = core::algemeen();
        a.rsMatchen.setIndex("WedstrNr");
        a.rsMatchen.seek("=", {"2010-2011", "PAH01001"});
        EXPECT_FALSE(a.rsMatchen.noMatch());
    }
}

// Another program holding the database (a database tool, a second copy of the program) through a
// connection of its own. One that is writing stops the renewal before anything is done, so that its
// commit goes into the database the program goes on with.
TEST_F(OnderhoudTest, ARenewalWhileAnotherProgramWritesIsRefusedAndTheOtherProgramsChangeStays)
{
    core::Algemeen& a = core::algemeen();
    const QHash<QString, qint64> voor = rijen();
    const QString lid = "SELECT Naam FROM Leden WHERE CompNr = '500001'";
    zetWachttijdBijSlot(50);
    Database ander = Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN IMMEDIATE");
    ander.uitvoeren("UPDATE Leden SET Naam = 'Door een ander programma' WHERE CompNr = '500001'");

    Opname opname;
    try {
        DatabaseVernieuwen(opname);
        ADD_FAILURE() << "renewed under another program's write";
    } catch (const core::ActieFout& fout) {
        EXPECT_TRUE(fout.tekst().startsWith("Het vernieuwen werd afgebroken:\n\nDe database is in gebruik door een ander "
                                            "programma."))
            << fout.tekst().toStdString();
        EXPECT_TRUE(fout.tekst().endsWith("\n\nDe database werd niet gewijzigd.")) << fout.tekst().toStdString();
    }
    EXPECT_TRUE(opname.opschriften.isEmpty()) << "nothing was copied";
    EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());

    ander.uitvoeren("COMMIT");
    ander.sluiten();
    zetWachttijdBijSlot(StandaardWachttijdBijSlot);
    EXPECT_EQ(rijen(), voor);
    EXPECT_EQ(a.dbGegevens.openRecordset(lid).veld(0).tekst(), "Door een ander programma");
    // Once the other program has let go, the renewal goes through and keeps its change.
    DatabaseVernieuwen(opname);
    EXPECT_EQ(a.dbGegevens.openRecordset(lid).veld(0).tekst(), "Door een ander programma");
    EXPECT_EQ(rijen(), voor);
}

// One that only reads may go on reading while the file is copied, but the old file is not deleted
// under it; one that had the file open when it was replaced and writes afterwards gets an error
// rather than writing into the file that is gone.
TEST_F(OnderhoudTest, ARenewalIsRefusedWhileAnotherProgramReadsAndNoLaterWriteGoesIntoTheOldFile)
{
    core::Algemeen& a = core::algemeen();
    const QHash<QString, qint64> voor = rijen();
    zetWachttijdBijSlot(50);
    Database ander = Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN");
    EXPECT_EQ(ander.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 30);

    Opname opname;
    try {
        DatabaseVernieuwen(opname);
        ADD_FAILURE() << "renewed under another program's read";
    } catch (const core::ActieFout& fout) {
        EXPECT_TRUE(fout.tekst().startsWith("Het vernieuwen werd afgebroken:\n\nDe database is in gebruik door een ander "
                                            "programma."))
            << fout.tekst().toStdString();
    }
    EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
    EXPECT_TRUE(a.dbGegevens.isOpen());
    EXPECT_EQ(rijen(), voor);
    a.rsLeden.moveFirst();
    EXPECT_FALSE(a.rsLeden.eof()) << "the shared recordsets are open again";
    EXPECT_EQ(ander.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 30);
    ander.uitvoeren("COMMIT");

    // The other program keeps the file open without reading: the renewal goes through, and its
    // next write fails instead of going into the old file.
    DatabaseVernieuwen(opname);
    EXPECT_EQ(rijen(), voor);
    try {
        ander.uitvoeren("UPDATE Leden SET Naam = 'Verloren' WHERE CompNr = '500001'");
        ADD_FAILURE() << "written into the file that was replaced";
    } catch (const DbFout& fout) {
        EXPECT_TRUE(fout.tekst().startsWith("De database kan niet beschreven worden.")) << fout.what();
    }
    ander.sluiten();
    zetWachttijdBijSlot(StandaardWachttijdBijSlot);
    EXPECT_EQ(a.dbGegevens.openRecordset("SELECT COUNT(*) FROM Leden WHERE Naam = 'Verloren'").veld(0).geheel(), 0);
}

TEST_F(OnderhoudTest, WorkingCopiesOfTheStructure)
{
    Database tabellen = tabellenOpenen();
    const qint64 rijenBron = aantal(tabellen, "QJ-Deel7");
    tabellen.tabelMaken({"Temp", {{"oud", TypeWoord::Tekst}}, {}});
    tabellen.uitvoeren("INSERT INTO Temp (oud) VALUES ('weg')");

    TabelKopieren("QJ-Deel7", "Temp");
    const TabelDef temp = tabellen.tabelDef("Temp");
    EXPECT_EQ(temp.velden.size(), 7);
    EXPECT_EQ(temp.velden[6].naam, "Volgorde");
    EXPECT_EQ(temp.velden[6].typeWoord, TypeWoord::Long);
    EXPECT_TRUE(indexVan(temp, "VeldZoeken"));
    EXPECT_TRUE(indexVan(temp, "IndexVeldZoeken"));
    EXPECT_EQ(aantal(tabellen, "Temp"), rijenBron);
    EXPECT_EQ(tabellen.openRecordset("SELECT COUNT(*) FROM [QJ-Deel7] q JOIN Temp t ON t.Volgorde = q.Volgorde "
                                     "AND t.NaamTabel = q.NaamTabel AND t.Aard = q.Aard AND t.Naam IS q.Naam")
                  .veld(0)
                  .geheel(),
              rijenBron);

    TabelVerwijderen("Temp");
    EXPECT_FALSE(tabellen.bestaatTabel("Temp"));
    EXPECT_NO_THROW(TabelVerwijderen("Temp"));
    // From a source that is not there: no target.
    TabelKopieren("QJ-Deel7", "Temp");
    TabelKopieren("Bestaat niet", "Temp");
    EXPECT_FALSE(tabellen.bestaatTabel("Temp"));
}

TEST_F(OnderhoudTest, TheWorkingCopyOfAnExchangeNeverReachesTheFile)
{
    Database tabellen = tabellenOpenen();
    tabellen.tabelMaken({"Temp", {{"oud", TypeWoord::Tekst}}, {}});
    Onderhoud onderhoud;
    {
        const std::unique_ptr<core::IWerkkopie> kopie = onderhoud.WerkkopieMaken("QJ-Deel7", "Temp");
        QStringList matchen;
        for (Recordset rs = tabellen.openRecordset("SELECT Naam FROM [QJ-Deel7] WHERE NaamTabel = 'Matchen' AND "
                                                   "Aard = 'Veld' ORDER BY Volgorde");
             !rs.eof(); rs.moveNext())
            matchen << rs.veld(0).tekst();
        EXPECT_EQ(matchen.size(), 244);
        EXPECT_EQ(kopie->velden("Matchen"), matchen);
        EXPECT_TRUE(kopie->velden("Bestaat niet").isEmpty());
        // Another connection sees no copy while it is in use: a program stopped now leaves none.
        EXPECT_FALSE(tabellen.bestaatTabel("Temp")) << "the copy left behind by an older exchange is gone";
    }
    EXPECT_FALSE(tabellen.bestaatTabel("Temp"));
    EXPECT_TRUE(tabellen.bestaatTabel("QJ-Deel7"));
    // A second copy at once after the first, and one of a structure that is not there.
    EXPECT_FALSE(onderhoud.WerkkopieMaken("QJ-Deel7", "Temp")->velden("Matchen").isEmpty());
    EXPECT_TRUE(onderhoud.WerkkopieMaken("Bestaat niet", "Temp")->velden("Matchen").isEmpty());
    EXPECT_FALSE(tabellen.bestaatTabel("Temp"));
}

} // namespace
