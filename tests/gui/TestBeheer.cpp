// The season data actions of the administrator's menu, run through the preparation window.

#include "BladTest.h"
#include "core/Opstart.h"
#include "exchange/FrmVoorbereiden.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Menus.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <unistd.h>

using core::algemeen;
using testhulp::Wedstrijd;
using ui::TestMeldingen;

namespace {

qint64 aantal(const QString& tabel)
{
    return algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM " + db::sqlNaam(tabel)).veld(0).geheel();
}

class Beheer : public testhulp::BladTest
{
protected:
    QString archief() const { return m_map.filePath("wissel/archief001.mdb"); }

    QString initialiserenVraag() const
    {
        return "De database wordt nu leeggemaakt en voorbereid voor een volgend seizoen. De gegevens worden opgeslagen "
               "in volgend archiefbestand:\n\n\""
            + archief() + "\"\n\nDeze handeling kan niet ongedaan gemaakt worden. Doorgaan ?";
    }
};

TEST_F(Beheer, WipingTheStrengthListsAsksWithNoAsTheDefault)
{
    FrmWedstrijdInput& f = starten();
    ui::menuInschakelen(f.menu("MnuBeheerSterktelijstenWissen"), true);
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuBeheerSterktelijstenWissen")->trigger();
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    const TestMeldingen::Melding vraag = m_meldingen->getoond()[0];
    EXPECT_EQ(vraag.soort, TestMeldingen::Soort::VraagNee);
    EXPECT_EQ(vraag.titel, "Alle Sterktelijsten Wissen");
    EXPECT_TRUE(vraag.tekst.startsWith("Alle sterktelijsten zullen nu gewist worden.\r\n\r\nOPGELET !!\r\n\r\n"));
    EXPECT_TRUE(vraag.tekst.contains("kiest voor \"Beheer - Sterktelijsten Bekijken\".\r\nZij worden"));
    EXPECT_TRUE(vraag.tekst.endsWith("\r\n\r\nBent u zeker dat u alle sterktelijsten wilt wissen ?"));
    EXPECT_EQ(aantal("Sterktelijst"), 8);

    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerSterktelijstenWissen")->trigger();
    EXPECT_EQ(aantal("Sterktelijst"), 0);
    EXPECT_EQ(aantal("Leden"), 8);
    EXPECT_EQ(f.LabX->text(), "Alle Sterktelijsten Wissen");
    // The window was unloaded and gave the main window back.
    EXPECT_FALSE(FrmVoorbereiden::bestaat());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
}

TEST_F(Beheer, InitialisingArchivesTheDatabaseThenEmptiesTheSeasonTables)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    // An archive of an earlier initialisation is replaced, not kept.
    {
        QFile oud(archief());
        ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
        oud.write("vorig seizoen");
    }
    FrmWedstrijdInput& f = starten();
    ASSERT_GT(f.LstSpeelweek->count(), 0);
    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerInitialiseren")->trigger();
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond()[0].titel, "Database Initialiseren");
    EXPECT_EQ(m_meldingen->getoond()[0].tekst, initialiserenVraag());

    for (const char* t : {"Leden", "Alternatief", "Datums", "Matchen", "Omwisselen", "Reeksen", "Sterktelijst"})
        EXPECT_EQ(aantal(t), 0) << t;
    EXPECT_EQ(aantal("Clubs"), 2);
    EXPECT_EQ(aantal("Lokalen"), 2);
    EXPECT_GT(aantal("Opties"), 0);
    EXPECT_EQ(f.LstSpeelweek->count(), 0);
    EXPECT_EQ(f.LstWedstrijden->count(), 0);
    EXPECT_GT(f.LstSeizoen->count(), 0);
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_FALSE(FrmVoorbereiden::bestaat());

    db::Database kopie = db::Database::openen(archief());
    EXPECT_EQ(kopie.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 8);
    EXPECT_EQ(kopie.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 1);
    kopie.sluiten();
    EXPECT_FALSE(QFile::exists(archief() + ".nieuw"));
}

TEST_F(Beheer, AFailedArchiveCopyEmptiesNothing)
{
    // An archive name that cannot be replaced: a folder with a file in it.
    ASSERT_TRUE(QDir().mkpath(archief()));
    QFile inhoud(archief() + "/iets");
    ASSERT_TRUE(inhoud.open(QIODevice::WriteOnly));
    inhoud.close();
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Database Initialiseren",
                                 "Het archiefbestand \"" + archief()
                                     + "\" kon niet gemaakt worden:\nEr staat een map met die naam.\n\nDe database "
                                       "werd niet leeggemaakt.");
    f.menu("MnuBeheerInitialiseren")->trigger();
    EXPECT_EQ(aantal("Leden"), 8);
    EXPECT_EQ(aantal("Sterktelijst"), 8);
    EXPECT_GT(f.LstSeizoen->count(), 0);
    EXPECT_FALSE(QFile::exists(archief() + ".nieuw"));
    // The database is open again with its recordsets.
    algemeen().rsLeden.moveFirst();
    EXPECT_FALSE(algemeen().rsLeden.eof());
}

TEST_F(Beheer, AnArchiveFolderThatCannotBeWrittenEmptiesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the administrator writes in any folder";
    const QString map = m_map.filePath("wissel");
    QFile::setPermissions(map, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerInitialiseren")->trigger();
    QFile::setPermissions(map, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(m_meldingen->getoond(TestMeldingen::Soort::Kritiek).size(), 1);
    m_meldingen->wis();
    EXPECT_EQ(aantal("Leden"), 8);
    EXPECT_FALSE(QFile::exists(archief()));
}

TEST_F(Beheer, ReindexingReloadsTheMainWindowAndClosingItEndsTheProgramAgain)
{
    m_db.indexVerwijderen("Matchen", "WedstrNr");
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    int beeindigd = 0;
    FrmWedstrijdInput::zetProgrammaBeeindigen([&] { ++beeindigd; });
    // Without its index the match cannot be shown at start-up; after re-indexing it can.
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Wedstrijdblad",
                                 "De wedstrijd kan niet getoond worden.\n'WedstrNr' is geen index van de tabel 'Matchen'.");
    FrmWedstrijdInput& f = starten();
    f.menu("MnuBeheerDBHerindexeren")->trigger();
    EXPECT_EQ(beeindigd, 0);
    EXPECT_TRUE(f.isGeladen());
    EXPECT_FALSE(f.isHidden());
    EXPECT_FALSE(algemeen().blnHerladen);
    EXPECT_EQ(f.LstWedstrijden->count(), 1);
    // The recordsets are open again, and the index is back.
    core::Algemeen& a = algemeen();
    a.rsMatchen.setIndex("WedstrNr");
    a.rsMatchen.seek("=", {"2010-2011", "PAH01001"});
    EXPECT_FALSE(a.rsMatchen.noMatch());

    f.close();
    EXPECT_EQ(beeindigd, 1);
}

// The reload after re-indexing shows the season, play date and match that were shown before, when
// they are still there; otherwise the lists choose as at start-up.
TEST_F(Beheer, ReindexingKeepsTheMatchOnTheSheet)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH02001", "A", "19-09-2010"));
    Wedstrijd oud = wedstrijd("PAH05003", "A", "10-10-2009");
    oud.seizoen = "2009-2010";
    testhulp::wedstrijdToevoegen(m_db, oud);
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    f.lijstKiezen(f.LstSpeelweek, 0);
    kiezen(f, "PAH01002");
    f.menu("MnuBeheerDBHerindexeren")->trigger();
    EXPECT_EQ(f.LstSeizoen->currentItem()->text(), "2010-2011");
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/002");
    EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH01002");

    // Another season stays chosen too.
    f.lijstKiezen(f.LstSeizoen, 1);
    ASSERT_EQ(f.LstSeizoen->currentItem()->text(), "2009-2010");
    f.menu("MnuBeheerDBHerindexeren")->trigger();
    EXPECT_EQ(f.LstSeizoen->currentItem()->text(), "2009-2010");
    EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH05003: Eerste A - Tweede A");
    EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH05003");

    // A season that is gone: the current one, its play date after today and that date's first match.
    algemeen().dbGegevens.uitvoeren("DELETE FROM Matchen WHERE Seizoen = '2009-2010'");
    f.menu("MnuBeheerDBHerindexeren")->trigger();
    EXPECT_EQ(f.LstSeizoen->currentItem()->text(), "2010-2011");
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH02001");
}

TEST_F(Beheer, RenewingTakesTheStructureOfTheDatabaseAndKeepsEveryRow)
{
    m_db.tabelMaken({"Eigen", {{"x", db::TypeWoord::Tekst}}, {{"Sleutel", {{"x", true}}}}});
    m_db.uitvoeren("INSERT INTO Eigen (x) VALUES ('a'), ('b')");
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    FrmWedstrijdInput& f = starten();
    kiezen(f, "PAH01002");
    QHash<QString, qint64> voor;
    for (const QString& t : algemeen().dbGegevens.tabellen())
        voor.insert(t, aantal(t));

    m_meldingen->verwachtJaNee(false);
    f.menu("MnuBeheerDBVernieuwen")->trigger();
    EXPECT_EQ(m_meldingen->getoond()[0].titel, "Database Vernieuwen");
    EXPECT_EQ(m_meldingen->getoond()[0].tekst, "Database nu vernieuwen ?");

    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerDBVernieuwen")->trigger();
    QHash<QString, qint64> na;
    for (const QString& t : algemeen().dbGegevens.tabellen())
        na.insert(t, aantal(t));
    EXPECT_EQ(na, voor);
    const db::TabelDef eigen = algemeen().dbGegevens.tabelDef("Eigen");
    ASSERT_EQ(eigen.indexen.size(), 1);
    EXPECT_TRUE(eigen.indexen[0].velden[0].aflopend);
    // The match on the sheet is the row the shared recordset stands on.
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
}

// Another program that only reads the database (a database tool with a query open) lets the
// initialising copy and empty, but not finish: refused, the lists and the sheet show the season, play
// date and match they showed, and what is typed goes to that match.
TEST_F(Beheer, InitialisingRefusedWhileAnotherProgramReadsKeepsTheSeasonShown)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH02001", "A", "19-09-2010"));
    FrmWedstrijdInput& f = starten();
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "19-09-2010"));
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "12-09-2010"));
    kiezen(f, "PAH01002");
    const QStringList seizoenen = regels(f.LstSeizoen);
    const QStringList speeldagen = regels(f.LstSpeelweek);
    const QStringList wedstrijden = regels(f.LstWedstrijden);
    ASSERT_EQ(wedstrijden.size(), 2);
    const QString seizoen = f.LstSeizoen->currentItem()->text();
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN");
    ASSERT_EQ(ander.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 3);

    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerInitialiseren")->trigger();
    const QList<TestMeldingen::Melding> kritiek = m_meldingen->getoond(TestMeldingen::Soort::Kritiek);
    ASSERT_EQ(kritiek.size(), 1) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(kritiek[0].titel, "Database Initialiseren");
    EXPECT_TRUE(kritiek[0].tekst.startsWith("Het initialiseren werd afgebroken:\n\nDe database is in gebruik door een "
                                            "ander programma."))
        << kritiek[0].tekst.toStdString();
    EXPECT_TRUE(kritiek[0].tekst.endsWith("\n\nDe database werd niet leeggemaakt.")) << kritiek[0].tekst.toStdString();
    m_meldingen->wis();
    ander.uitvoeren("ROLLBACK");
    ander.sluiten();
    EXPECT_EQ(aantal("Matchen"), 3);

    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(regels(f.LstSeizoen), seizoenen);
    EXPECT_EQ(f.LstSeizoen->currentItem()->text(), seizoen);
    EXPECT_EQ(regels(f.LstSpeelweek), speeldagen);
    ASSERT_NE(f.LstSpeelweek->currentItem(), nullptr);
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(regels(f.LstWedstrijden), wedstrijden);
    ASSERT_NE(f.LstWedstrijden->currentItem(), nullptr);
    EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/002");
    EXPECT_TRUE(f.blad.FraWedstrijdblad->isEnabled());
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    f.menu("MnuVoorbThuisploeg")->trigger();
    FrmVoorbehoud::standaard().TxtCommentaar->setPlainText("Na het geweigerde initialiseren");
    FrmVoorbehoud::standaard().CmdSluiten->click();
    EXPECT_EQ(testhulp::matchVeld("PAH01002", "VoorbehoudT"), "Na het geweigerde initialiseren");
}

// Another program (a database tool, a second copy of the program) writing to the database: the
// actions that copy and replace the file stop before they start, say so, and the other program's
// change stays in the database the program goes on with.
TEST_F(Beheer, RenewingAndInitialisingWhileAnotherProgramWritesAreRefusedAndItsChangeStays)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = starten();
    kiezen(f, "PAH01001");
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    const QString lid = "SELECT Naam FROM Leden WHERE CompNr = '500001'";
    const QString inGebruik = "De database is in gebruik door een ander programma.";

    for (const char* menu : {"MnuBeheerDBVernieuwen", "MnuBeheerInitialiseren"}) {
        SCOPED_TRACE(menu);
        const bool vernieuwen = QString(menu) == "MnuBeheerDBVernieuwen";
        const QString naam = QStringLiteral("Ander %1").arg(menu);
        db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        ander.uitvoeren("BEGIN IMMEDIATE");
        ander.uitvoeren("UPDATE Leden SET Naam = ? WHERE CompNr = '500001'", {naam});

        m_meldingen->wis();
        m_meldingen->verwachtJaNee(true);
        f.menu(menu)->trigger();
        const QList<TestMeldingen::Melding> kritiek = m_meldingen->getoond(TestMeldingen::Soort::Kritiek);
        ASSERT_EQ(kritiek.size(), 1);
        EXPECT_EQ(kritiek[0].titel, vernieuwen ? "Database Vernieuwen" : "Database Initialiseren");
        EXPECT_TRUE(kritiek[0].tekst.startsWith((vernieuwen ? "Het vernieuwen werd afgebroken:\n\n"
                                                            : "Het initialiseren werd afgebroken:\n\n")
                                                + inGebruik))
            << kritiek[0].tekst.toStdString();
        EXPECT_TRUE(kritiek[0].tekst.endsWith(vernieuwen ? "\n\nDe database werd niet gewijzigd."
                                                         : "\n\nDe database werd niet leeggemaakt."))
            << kritiek[0].tekst.toStdString();
        m_meldingen->wis();
        EXPECT_FALSE(QFile::exists(archief()));
        EXPECT_TRUE(core::bestandZoeken(m_map.path(), "Temp.mdb").isEmpty());
        EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));

        // The program waits for the user a moment, without a read lock: the other program commits.
        QEventLoop lus;
        QTimer::singleShot(20, &lus, &QEventLoop::quit);
        lus.exec();
        ander.uitvoeren("COMMIT");
        ander.sluiten();
        EXPECT_EQ(algemeen().dbGegevens.openRecordset(lid).veld(0).tekst(), naam);
        EXPECT_EQ(aantal("Leden"), 8);
        EXPECT_EQ(aantal("Matchen"), 1);
    }

    // Once the other program has let go, initialising archives its change.
    m_meldingen->verwachtJaNee(true);
    f.menu("MnuBeheerInitialiseren")->trigger();
    EXPECT_EQ(aantal("Leden"), 0);
    db::Database kopie = db::Database::openen(archief());
    EXPECT_EQ(kopie.openRecordset(lid).veld(0).tekst(), "Ander MnuBeheerInitialiseren");
}

} // namespace

namespace {

// The tables and indexes of the database as the engine describes them.
QStringList schema()
{
    QStringList regels;
    db::Recordset rs = algemeen().dbGegevens.openRecordset(
        "SELECT type || ' ' || name || ': ' || IFNULL(sql, '') FROM sqlite_master ORDER BY type, name");
    for (; !rs.eof(); rs.moveNext())
        regels << rs.veld(0).tekst();
    return regels;
}

} // namespace

// Another program (a second copy of the program, a database tool) writing to the database, or only
// reading it: re-indexing drops no index under it. It is refused with the in-use message, and the
// program goes on with its match on the sheet.
TEST_F(Beheer, ReindexingWhileAnotherProgramWritesOrReadsIsRefusedAndTheProgramGoesOnWithItsMatch)
{
    // An index that the table structure does not name: re-indexing drops it.
    m_db.indexMaken("Leden", {"NaamProef", {{"Naam"}}});
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    int beeindigd = 0;
    FrmWedstrijdInput::zetProgrammaBeeindigen([&] { ++beeindigd; });
    FrmWedstrijdInput& f = starten();
    kiezen(f, "PAH01002");
    const QStringList voor = schema();
    ASSERT_TRUE(voor.join('\n').contains("NaamProef"));
    db::zetWachttijdBijSlot(50);
    const auto wachttijd = qScopeGuard([] { db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot); });
    const QString lid = "SELECT Naam FROM Leden WHERE CompNr = '500001'";

    for (const bool schrijft : {true, false}) {
        SCOPED_TRACE(schrijft ? "another program writes" : "another program reads");
        db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        if (schrijft) {
            ander.uitvoeren("BEGIN IMMEDIATE");
            ander.uitvoeren("UPDATE Leden SET Naam = 'Door een ander programma' WHERE CompNr = '500001'");
        } else {
            ander.uitvoeren("BEGIN");
            ASSERT_EQ(ander.openRecordset("SELECT COUNT(*) FROM Leden").veld(0).geheel(), 8);
        }

        m_meldingen->wis();
        f.menu("MnuBeheerDBHerindexeren")->trigger();
        const QList<TestMeldingen::Melding> getoond = m_meldingen->getoond();
        ASSERT_EQ(getoond.size(), 1);
        EXPECT_EQ(getoond[0].soort, TestMeldingen::Soort::Kritiek);
        EXPECT_EQ(getoond[0].titel, "Herindexeren");
        EXPECT_TRUE(getoond[0].tekst.startsWith(
            "Het herindexeren werd afgebroken:\n\nDe database is in gebruik door een ander programma."))
            << getoond[0].tekst.toStdString();
        EXPECT_TRUE(getoond[0].tekst.endsWith("\n\nDe database werd niet gewijzigd."))
            << getoond[0].tekst.toStdString();
        m_meldingen->wis();

        // Still running, with the same match on the sheet, and what is typed goes to it.
        EXPECT_EQ(beeindigd, 0);
        EXPECT_TRUE(f.isGeladen());
        EXPECT_FALSE(f.isHidden());
        EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
        EXPECT_FALSE(algemeen().blnHerladen);
        EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
        EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/002");
        EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");

        ander.uitvoeren(schrijft ? "COMMIT" : "ROLLBACK");
        ander.sluiten();
        EXPECT_EQ(schema(), voor);
        EXPECT_EQ(aantal("Matchen"), 2);
        EXPECT_EQ(algemeen().dbGegevens.openRecordset(lid).veld(0).tekst(), "Door een ander programma");
        const QString opmerking = schrijft ? "Na een schrijvend programma" : "Na een lezend programma";
        f.menu("MnuVoorbThuisploeg")->trigger();
        FrmVoorbehoud::standaard().TxtCommentaar->setPlainText(opmerking);
        FrmVoorbehoud::standaard().CmdSluiten->click();
        EXPECT_EQ(testhulp::matchVeld("PAH01002", "VoorbehoudT"), opmerking);
    }

    // Once the other program has let go, re-indexing goes through.
    f.menu("MnuBeheerDBHerindexeren")->trigger();
    EXPECT_FALSE(schema().join('\n').contains("NaamProef"));
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    EXPECT_EQ(beeindigd, 0);
}
