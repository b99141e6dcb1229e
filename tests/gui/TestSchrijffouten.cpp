// The exchange files and the archive copy when writing them fails: on a full disk, and at every step of
// writing planted one at a time. The older file of the same name stays byte for byte, a critical message
// names the file and the cause, and nothing says the file was saved.

#include "BladTest.h"
#include "KleineSchijf.h"
#include "Storingen.h"
#include "exchange/Weekbestand.h"

#include <QAction>
#include <QDir>
#include <QFile>

using core::algemeen;
using testhulp::Wedstrijd;
using ui::TestMeldingen;

namespace {

class Schrijffouten : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        // One complete home match of four: a line in the results file, a match in the week file.
        testhulp::wedstrijdToevoegen(m_db, volledigeWedstrijd("PAH01001", "A"));
        testhulp::invoegen(m_db, "Datums",
                           {{"Seizoen", "2010-2011"}, {"Datum", "12-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "01"}});
    }

    QString wissel() const { return m_map.filePath("wissel") + "/"; }
    QString uitslagen() const { return wissel() + "A001-12-09-2010.ttr"; }
    QString export_() const { return wissel() + "export.ttr"; }
    QString week() const { return wissel() + "001-01.ttr"; }
    QString archief() const { return wissel() + "archief001.mdb"; }

    // An older file of each name, as a former run left it.
    void oudeBestanden()
    {
        testhulp::bestandBewaren(uitslagen(), "I;11;vorige uitslagen\r\n");
        testhulp::bestandBewaren(export_(), "2010-2011\r\n###Opties\r\n vorige export\r\n");
        testhulp::bestandBewaren(week(), "vorige week\r\n");
    }

    void oudeBestandenOngewijzigd(const QString& geval)
    {
        EXPECT_EQ(testhulp::bestandInhoud(uitslagen()), "I;11;vorige uitslagen\r\n") << geval.toStdString();
        EXPECT_EQ(testhulp::bestandInhoud(export_()), "2010-2011\r\n###Opties\r\n vorige export\r\n") << geval.toStdString();
        EXPECT_EQ(testhulp::bestandInhoud(week()), "vorige week\r\n") << geval.toStdString();
    }

    // What the folder holds besides the filler of a full disk: nothing half-written stays behind.
    QStringList inDeMap() const
    {
        QStringList namen = QDir(wissel()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        namen.removeAll("vulling");
        return namen;
    }

    static QString fout(const QString& pad, const QString& oorzaak, bool vorige = true)
    {
        return "Het bestand \"" + pad + "\" kon niet opgeslagen worden:\r\n" + oorzaak + "."
               + (vorige ? "\r\nHet vorige bestand met die naam bleef ongewijzigd." : "")
               + "\r\n\r\nEr werd niets geëxporteerd.";
    }

    void uitslagenExporteren(FrmWedstrijdInput& f)
    {
        m_meldingen->verwachtMapAnnuleren();
        f.menu("MnuBeheerGegevensExport")->trigger();
    }

    void exportTtr(FrmWedstrijdInput& f)
    {
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMapAnnuleren();
        f.menu("MnuBeheerGegevensExportTTR")->trigger();
    }

    // The three exchange files, each expected to fail with the cause given.
    void alleDrieMislukken(FrmWedstrijdInput& f, const QString& oorzaak)
    {
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren", fout(uitslagen(), oorzaak));
        uitslagenExporteren(f);
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren naar export.ttr",
                                     fout(export_(), oorzaak));
        exportTtr(f);
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren", fout(week(), oorzaak));
        exchange::WeekResultatenExporteren();
    }
};

TEST_F(Schrijffouten, OnAFullDiskTheResultsFileExportTtrAndTheWeekFileKeepTheOlderOnes)
{
    testhulp::KleineSchijf schijf(m_map.filePath("wissel"));
    if (!schijf.reden().isEmpty())
        GTEST_SKIP() << schijf.reden().toStdString();
    oudeBestanden();
    schijf.vullen();
    FrmWedstrijdInput& f = starten();

    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "Het bestand \"" + uitslagen()
                                     + "\" kon niet opgeslagen worden:\r\nOnvoldoende schijfruimte.\r\nHet vorige "
                                       "bestand met die naam bleef ongewijzigd.\r\n\r\nEr werd niets geëxporteerd.");
    uitslagenExporteren(f);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren naar export.ttr",
                                 "Het bestand \"" + export_()
                                     + "\" kon niet opgeslagen worden:\r\nOnvoldoende schijfruimte.\r\nHet vorige "
                                       "bestand met die naam bleef ongewijzigd.\r\n\r\nEr werd niets geëxporteerd.");
    exportTtr(f);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "Het bestand \"" + week()
                                     + "\" kon niet opgeslagen worden:\r\nOnvoldoende schijfruimte.\r\nHet vorige "
                                       "bestand met die naam bleef ongewijzigd.\r\n\r\nEr werd niets geëxporteerd.");
    exchange::WeekResultatenExporteren();
    oudeBestandenOngewijzigd("full disk");
    EXPECT_EQ(inDeMap(), QStringList({"001-01.ttr", "A001-12-09-2010.ttr", "export.ttr"}));
    EXPECT_TRUE(m_meldingen->getoond(TestMeldingen::Soort::Informatie).isEmpty()) << "nothing says saved";

    // With room again, the same actions replace the older files with whole new ones.
    schijf.legen();
    m_meldingen->wis();
    uitslagenExporteren(f);
    exportTtr(f);
    exchange::WeekResultatenExporteren();
    ASSERT_EQ(m_meldingen->getoond(TestMeldingen::Soort::Kritiek).size(), 0) << m_meldingen->verslag().toStdString();
    EXPECT_TRUE(testhulp::bestandInhoud(uitslagen()).startsWith("I;11;PANT-H-01-1;A1;A2;500001,500002,500003,500004;"));
    EXPECT_TRUE(testhulp::bestandInhoud(uitslagen()).endsWith("\r\n"));
    EXPECT_TRUE(testhulp::bestandInhoud(export_()).startsWith("2010-2011\r\n###Leden\r\n"));
    EXPECT_TRUE(testhulp::bestandInhoud(export_()).endsWith("\r\n###\r\n"));
    EXPECT_TRUE(testhulp::bestandInhoud(week()).startsWith("PAH01001\r\n"));
    EXPECT_EQ(inDeMap(), QStringList({"001-01.ttr", "A001-12-09-2010.ttr", "export.ttr"}));
    m_meldingen->wis();
}

TEST_F(Schrijffouten, OnAFullDiskTheArchiveCopyKeepsTheOlderArchiveAndEmptiesNothing)
{
    testhulp::KleineSchijf schijf(m_map.filePath("wissel"));
    if (!schijf.reden().isEmpty())
        GTEST_SKIP() << schijf.reden().toStdString();
    testhulp::bestandBewaren(archief(), "vorig seizoen");
    schijf.vullen();
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Database Initialiseren",
                                 "Het archiefbestand \"" + archief()
                                     + "\" kon niet gemaakt worden:\nOnvoldoende schijfruimte.\nHet vorige bestand met "
                                       "die naam bleef ongewijzigd.\n\nDe database werd niet leeggemaakt.");
    f.menu("MnuBeheerInitialiseren")->trigger();
    EXPECT_EQ(testhulp::bestandInhoud(archief()), "vorig seizoen");
    EXPECT_EQ(inDeMap(), QStringList({"archief001.mdb"}));
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 1);
}

TEST_F(Schrijffouten, EveryStepOfWritingThatFailsKeepsTheOlderExchangeFiles)
{
    oudeBestanden();
    FrmWedstrijdInput& f = starten();
    for (const testhulp::Storingsgeval& g : testhulp::Storingsgevallen) {
        SCOPED_TRACE(g.naam);
        const bestand::GeplandeStoring storing(g.storing);
        alleDrieMislukken(f, g.oorzaak);
        oudeBestandenOngewijzigd(g.naam);
        EXPECT_EQ(inDeMap(), QStringList({"001-01.ttr", "A001-12-09-2010.ttr", "export.ttr"}));
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    // Without an older file the message speaks of none, and no file of that name appears.
    for (const QString& pad : {uitslagen(), export_(), week()})
        ASSERT_TRUE(QFile::remove(pad));
    const bestand::GeplandeStoring storing({bestand::Stap::LaatsteBlok, ENOSPC});
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "Het bestand \"" + uitslagen()
                                     + "\" kon niet opgeslagen worden:\r\nOnvoldoende schijfruimte.\r\n\r\nEr werd "
                                       "niets geëxporteerd.");
    uitslagenExporteren(f);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren naar export.ttr",
                                 fout(export_(), "Onvoldoende schijfruimte", false));
    exportTtr(f);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 fout(week(), "Onvoldoende schijfruimte", false));
    exchange::WeekResultatenExporteren();
    EXPECT_EQ(inDeMap(), QStringList());
}

TEST_F(Schrijffouten, EveryStepOfWritingThatFailsKeepsTheOlderArchive)
{
    testhulp::bestandBewaren(archief(), "vorig seizoen");
    FrmWedstrijdInput& f = starten();
    for (const testhulp::Storingsgeval& g : testhulp::Storingsgevallen) {
        SCOPED_TRACE(g.naam);
        const bestand::GeplandeStoring storing(g.storing);
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Database Initialiseren",
                                     "Het archiefbestand \"" + archief() + "\" kon niet gemaakt worden:\n" + g.oorzaak
                                         + ".\nHet vorige bestand met die naam bleef ongewijzigd.\n\nDe database werd "
                                           "niet leeggemaakt.");
        f.menu("MnuBeheerInitialiseren")->trigger();
        EXPECT_EQ(testhulp::bestandInhoud(archief()), "vorig seizoen");
        EXPECT_EQ(inDeMap(), QStringList({"archief001.mdb"}));
        EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 1);
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }
}

} // namespace
