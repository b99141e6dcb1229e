// The results file and Export.ttr through the main window's menus, with the real services.

#include "AnderProgramma.h"
#include "BladTest.h"
#include "Storingen.h"
#include "core/Matchkolommen.h"
#include "exchange/FrmVoorbereiden.h"
#include "exchange/Uitslagen.h"
#include "exchange/Weekbestand.h"
#include "exchange/Wisselbestand.h"
#include "lineup/FrmSpelersKiezen.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using core::algemeen;
using testhulp::Wedstrijd;
using ui::TestMeldingen;

namespace {

class UitwisselingMenus : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        testhulp::wedstrijdToevoegen(m_db, volledigeWedstrijd("PAH01001", "A", 5));
        testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
        testhulp::invoegen(m_db, "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "12-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "01"}});
    }

    QString wissel() const { return m_map.filePath("wissel") + "/"; }


    static qint64 aantal(const QString& tabel)
    {
        return algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM " + db::sqlNaam(tabel)).veld(0).geheel();
    }
};

TEST_F(UitwisselingMenus, TheResultsOfThePlayDateGoToTheChosenFolder)
{
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(f.menu("MnuBeheerGegevensExport")->text(), "&Exporteren van de resultaten van 12-09-2010 naar ttr-bestand");
    // Cancel keeps the import/export folder of the options.
    m_meldingen->verwachtMapAnnuleren();
    m_meldingen->verwachtMelding(
        TestMeldingen::Soort::Informatie, "Exporteren",
        "Het bestand \"A001-12-09-2010.ttr\" (wedstrijden van 12-09-2010) werd opgeslagen in de map \"" + wissel()
            + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
              "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens ingevuld "
              "zijn:\r\n\r\n- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n\r\n");
    f.menu("MnuBeheerGegevensExport")->trigger();
    QFile bestand(wissel() + "A001-12-09-2010.ttr");
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bestand.readAll().startsWith("I;11;PANT-H-01-1;A1;A2;500001,500002,500003,500004;"
                                             "500005,500006,500007,500008;P3/4/6,3/4/6,3/4/6,3/4/6,-9/-11/-5,"));
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");

    // Without a folder in the options, a cancelled dialog writes nothing anywhere.
    algemeen().strPadOpslaan.clear();
    m_meldingen->verwachtMapAnnuleren();
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "Er werd geen map gekozen en in de opties staat geen map 'Import/Export'.\r\n\r\n"
                                 "Er werd niets geëxporteerd.");
    f.menu("MnuBeheerGegevensExport")->trigger();
}

// The own club of every province writes its results file through the menu, under the code the main
// window makes of its province's abbreviation, and its lines name its own province's TabT code; also
// where the abbreviation is no TabT code (Limburg "LK") or another province's (Luik "L").
TEST_F(UitwisselingMenus, TheOwnClubOfEveryProvinceWritesItsResultsFile)
{
    struct Provincie
    {
        int nr;
        QString code;
        QString niveau;
        QString tabt;
    };
    const QList<Provincie> provincies{{1, "A", "PANT", "A"},    {2, "H", "", "H"},      {3, "LK", "PL/K", "L"},
                                      {4, "L", "", "LG"},       {5, "LX", "", "LX"},    {6, "N", "", "N"},
                                      {7, "O", "POVL", "OVL"},  {8, "VB", "PVLB", "VLB"}, {9, "B", "", "BBW"},
                                      {10, "WVl", "PWVL", "WVL"}};
    for (const Provincie& p : provincies) {
        SCOPED_TRACE(p.nr);
        const QString nr = QString::number(p.nr);
        testhulp::optieZetten(m_db, "Provincie", nr);
        testhulp::optieZetten(m_db, "ClubProv", nr);
        m_db.uitvoeren("UPDATE Clubs SET Provincie = " + nr + "; UPDATE rel_club_lokaal SET provincie = " + nr
                       + "; UPDATE Matchen SET ProvThuis = '" + nr
                       + "', ProvUIT = '" + nr + "'");
        FrmWedstrijdInput& f = starten();
        const QString naam = p.code + "001-12-09-2010.ttr";
        m_meldingen->verwachtMapAnnuleren();
        m_meldingen->verwachtMelding(
            TestMeldingen::Soort::Informatie, "Exporteren",
            "Het bestand \"" + naam + "\" (wedstrijden van 12-09-2010) werd opgeslagen in de map \"" + wissel()
                + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
                  "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens "
                  "ingevuld zijn:\r\n\r\n- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n\r\n");
        f.menu("MnuBeheerGegevensExport")->trigger();
        EXPECT_TRUE(QString::fromLatin1(testhulp::bestandInhoud(wissel() + naam))
                        .startsWith("I;11;" + p.niveau + "-H-01-1;" + p.tabt + "1;" + p.tabt + "2;500001,"))
            << testhulp::bestandInhoud(wissel() + naam).left(60).toStdString();

        // The next province starts anew.
        app::venstersOpruimen();
        MDIFrm::opruimen();
        FrmWedstrijdInput::opruimen();
        core::algemeenHerstellen();
        core::zetApplicatiemap(m_map.path());
        m_db = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    }
}

TEST_F(UitwisselingMenus, ExportTtrAndItsImportThroughThePreparationWindow)
{
    FrmWedstrijdInput& f = starten();
    exportTtrViaMenu(f);
    EXPECT_TRUE(QFile::exists(wissel() + "export.ttr"));
    EXPECT_FALSE(FrmVoorbereiden::bestaat());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));

    // What changed since comes back from the file: the members, the sheet, the own club.
    algemeen().dbGegevens.uitvoeren("DELETE FROM Leden; UPDATE Matchen SET W05 = NULL, W05Set2U = NULL, UITSP3 = NULL; "
                                    "UPDATE Opties SET Item = '002' WHERE Soort = 'ClubNr'");
    algemeen().strClubNr = "002";

    // No ends it; a folder without the file is named.
    m_meldingen->verwachtJaNee(false);
    f.menu("MnuBeheerGegevensImport")->trigger();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(m_map.path());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Import Interclubgegevens",
                                 "Het bestand \"Export.ttr\" werd niet gevonden in de map \"" + m_map.path() + "/\" !");
    f.menu("MnuBeheerGegevensImport")->trigger();
    EXPECT_EQ(aantal("Leden"), 0);

    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(wissel());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
    f.menu("MnuBeheerGegevensImport")->trigger();
    EXPECT_EQ(f.LabX->text(), "Import");
    EXPECT_EQ(f.LabX1->text(), wissel());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(aantal("Leden"), 8);
    EXPECT_EQ(algemeen().strClubNr, "001");
    // The lists were refreshed: the match is on the sheet again with what the file carried.
    kiezen(f, "PAH01001");
    EXPECT_EQ(testhulp::matchVeld("W05"), "-");
    EXPECT_EQ(testhulp::matchVeld("W05Set2U"), "13");
    EXPECT_EQ(testhulp::matchVeld("UITSP3"), "500007");
}

// Export.ttr carries a captain as a member number; its import keeps the member number of a captain who
// stands on a place, so that the sheet marks him on his place and the after-match sheet takes him as
// filled in, also on the first place (a place number counted from 0 would read as "0", "no captain").
TEST_F(UitwisselingMenus, ACaptainImportedOnHisPlaceIsMarkedThereAndCountsAsFilledIn)
{
    m_db.uitvoeren("UPDATE Matchen SET KapiteinT = '500001', KapiteinU = '500008' WHERE WedstrNr = 'PAH01001'");
    FrmWedstrijdInput& f = starten();
    exportTtrViaMenu(f);
    algemeen().dbGegevens.uitvoeren("UPDATE Matchen SET KapiteinT = NULL, KapiteinU = NULL");

    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(wissel());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
    f.menu("MnuBeheerGegevensImport")->trigger();
    kiezen(f, "PAH01001");
    ASSERT_EQ(testhulp::matchVeld("KapiteinT"), "500001");
    ASSERT_EQ(testhulp::matchVeld("KapiteinU"), "500008");

    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.CmdCompNrT[0]->text(), "500001");
    ASSERT_EQ(b.CmdCompNrU[3]->text(), "500008");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b.OptTKapitein[i]->isChecked(), i == 0) << i;
        EXPECT_EQ(b.OptUKapitein[i]->isChecked(), i == 3) << i;
    }
    EXPECT_TRUE(b.CmdTKapitein->isHidden());
    EXPECT_TRUE(b.CmdUKapitein->isHidden());
}

TEST_F(UitwisselingMenus, TheWeekFileOfThePlayDateShown)
{
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Exporteren",
                                 "De pagina \"" + wissel() + "001-01.ttr\" (week van 12-09-2010) werd opgeslagen.\r\n"
                                 "Stuur deze door naar de interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet "
                                 "geëxporteerd omdat niet alle gegevens ingevuld zijn:\r\n\r\n"
                                 "- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n\r\n");
    exchange::WeekResultatenExporteren();
    EXPECT_TRUE(QFile::exists(wissel() + "001-01.ttr"));
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
}

// A play date whose Datums row carries no provincial week (a date of the national division alone)
// names no week file: the command refuses it with its message, and writes nothing. A date with such
// a row and the row of its provincial week takes the provincial one, whatever their order.
TEST_F(UitwisselingMenus, TheWeekFileOfAPlayDateWithoutAProvincialWeekIsRefused)
{
    testhulp::optieZetten(m_db, "Provincie", "1");
    testhulp::reeksToevoegen(m_db, "2010-2011", "N", "H", "A", "Nationaal 1A", "Nat.1A", 4);
    Wedstrijd nationaal = volledigeWedstrijd("NH02001", "A");
    nationaal.soortComp = "N";
    nationaal.weekNr = "02";
    nationaal.datum = "19-09-2010";
    testhulp::wedstrijdToevoegen(m_db, nationaal);
    testhulp::invoegen(m_db, "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "19-09-2010"}, {"HerDam", "H"}, {"WeekNrNat", "02"}});
    Wedstrijd provinciaal = volledigeWedstrijd("PAH03001", "A");
    provinciaal.weekNr = "03";
    provinciaal.datum = "26-09-2010";
    testhulp::wedstrijdToevoegen(m_db, provinciaal);
    testhulp::invoegen(m_db, "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "26-09-2010"}, {"HerDam", "H"}, {"WeekNrNat", "03"}});
    testhulp::invoegen(m_db, "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "26-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "03"}});

    FrmWedstrijdInput& f = starten();
    f.lijstTekstKiezen(f.LstSpeelweek, "19-09-2010");
    ASSERT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "Voor de speeldatum 19-09-2010 is geen provinciaal weeknummer bekend.\r\n\r\n"
                                 "Er werd niets geëxporteerd.");
    exchange::WeekResultatenExporteren();
    EXPECT_EQ(QDir(wissel()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(m_meldingen->getoond(TestMeldingen::Soort::Informatie).isEmpty()) << "nothing says saved";
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");

    f.lijstTekstKiezen(f.LstSpeelweek, "26-09-2010");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Exporteren",
                                 "De pagina \"" + wissel() + "001-03.ttr\" (week van 26-09-2010) werd opgeslagen.\r\n"
                                 "Stuur deze door naar de interclubleider.");
    exchange::WeekResultatenExporteren();
    EXPECT_TRUE(testhulp::bestandInhoud(wissel() + "001-03.ttr").startsWith("PAH03001\r\n\r\n\r\n500001\r\n"));
}

// A complete match that cannot be written, against a club of a province missing from Provincies:
// Export.ttr carries the other matches, and the export's closing message names that one and why.
// It names too the season's matches that have something typed (a player, one marked absent, a
// captain, an official, the points of a set) and are not complete, which did not travel either,
// in the order of the level letter; not a match with nothing typed (the walk-over of a Super match's
// game 4 comes with its calendar, a box emptied again holds one blank), not one of another season,
// and a match whose division is missing only with that reason.
TEST_F(UitwisselingMenus, ExportTtrNamesAFilledInMatchItCannotWrite)
{
    testhulp::optieZetten(m_db, "Provincie", "1");
    m_db.uitvoeren("DELETE FROM Provincies WHERE Nr = 11");
    Wedstrijd extern_ = volledigeWedstrijd("PAH01003", "A");
    extern_.provUit = "11";
    extern_.lkUit = "901";
    extern_.nmuit = "Grensland A";
    testhulp::wedstrijdToevoegen(m_db, extern_);
    testhulp::reeksToevoegen(m_db, "2009-2010", "P", "H", "A", "Afdeling 1A", "Afd.1A", 4);
    using testhulp::Velden;
    const QList<std::pair<QString, Velden>> getypt{
        {"PAH01004", Velden{{"UITSP2", "500006"}}},
        {"PAH01005", Velden{{"AFWTH1", "J"}}},
        {"PAH01006", Velden{{"KapiteinU", "500005"}}},
        {"PAH01007", Velden{{"ZaalCommNaam", "Jan Zaal"}}},
        {"PAH01008", testhulp::sets(3, {"", "", "11-9"})},
        {"PAH01009", testhulp::sets(4, {"w-o", "w-o", "w-o"}) << qMakePair(QString("W04"), db::Waarde("="))},
        {"PAH01010", Velden{{"THUISSP1", "500001"}}},
        {"PAH01011", Velden{{"THUISSP1", "500001"}}},
        {"PAH01012", Velden{{"AFWUIT4", "J"}}},
        {"PAH01013", Velden{{"KapiteinT", "500001"}}},
        {"PAH01014", Velden{{"HoofdschCompnr", "800001"}, {"HoofdSchNaam", "Piet Scheids"}}},
        {"PAH01015", Velden{{"W16Set5U", "9"}}},
        {"PAH01016", Velden{{"KapiteinU", " "}, {"W01Set1T", " "}, {"W01Set1U", " "}}},
        {"NH01017", Velden{{"UITSP1", "500005"}}}};
    testhulp::reeksToevoegen(m_db, "2010-2011", "N", "H", "A", "Nationaal 1A", "Nat.1A", 4);
    for (const auto& [nr, velden] : getypt) {
        Wedstrijd w = wedstrijd(nr, nr == "PAH01011" ? "Z" : "A");
        w.extra = velden;
        if (nr == "PAH01010")
            w.seizoen = "2009-2010";
        w.soortComp = nr.left(1);
        testhulp::wedstrijdToevoegen(m_db, w);
    }

    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMapAnnuleren();
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Exporteren naar export.ttr",
                                 "De gegevens werden geëxporteerd naar het bestand <EXPORT.TTR> in de directory <" + wissel()
                                     + ">.\n\nHet bestand kan op een andere computer geïmporteerd worden indien het programma '"
                                     + QCoreApplication::applicationName()
                                     + "' er geïnstalleerd is.\r\n\r\nVolgende ingevulde wedstrijd(en) werden niet "
                                       "geëxporteerd:\r\n\r\n- Wedstrijd \"PAH01011: Eerste Z - Tweede Z\" (de reeks staat "
                                       "niet in de tabel Reeksen)\r\n- Wedstrijd \"PAH01003: Eerste A - Grensland A\" "
                                       "(provincie 11 staat niet in de tabel Provincies)\r\n\r\nVolgende wedstrijd(en) werden "
                                       "niet geëxporteerd omdat niet alle gegevens ingevuld zijn:\r\n\r\n"
                                       "- Wedstrijd \"NH01017: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01004: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01005: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01006: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01007: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01008: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01012: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01013: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01014: Eerste A - Tweede A\"\r\n"
                                       "- Wedstrijd \"PAH01015: Eerste A - Tweede A\"\r\n\r\n");
    f.menu("MnuBeheerGegevensExportTTR")->trigger();
    EXPECT_TRUE(testhulp::bestandInhoud(wissel() + "export.ttr")
                    .contains("\r\n###ingevulde Wedstrijden\r\n 1 \r\nI;11;PANT-H-01-1;A1;A2;"));
}

// A third match on the play date, PAH01004 of another team of division A, listed between the other
// two; the sheet shows it, active, with the focus in its first set.
class DerdeWedstrijd : public UitwisselingMenus
{
protected:
    FrmWedstrijdInput& starten()
    {
        Wedstrijd w = wedstrijd("PAH01004", "A");
        w.nmthuis = "Eerste B";
        w.nmuit = "Tweede B";
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = actiefStarten();
        EXPECT_EQ(regels(f.LstWedstrijden),
                  QStringList({"PAH01001: Eerste A - Tweede A", "PAH01004: Eerste B - Tweede B",
                               "PAH01002: Eerste G - Tweede G"}));
        f.lijstKiezen(f.LstWedstrijden, 2);
        return f;
    }

    // The sheet still shows the third match, and a set typed into it is stored in its own row.
    void opHetBlad(FrmWedstrijdInput& f, int set)
    {
        ASSERT_TRUE(f.LstWedstrijden->currentItem());
        EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
        EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/002");
        EXPECT_EQ(f.blad.TxtTPloeg->text(), "Eerste G");
        f.blad.set(0, set, true)->setFocus();
        typ("11");
        toets(Qt::Key_Return);
        typ("7");
        toets(Qt::Key_Return);
        const QString t = QStringLiteral("W01Set%1T").arg(set);
        const QString u = QStringLiteral("W01Set%1U").arg(set);
        EXPECT_EQ(testhulp::matchVeld("PAH01002", t), "11");
        EXPECT_EQ(testhulp::matchVeld("PAH01002", u), "7");
        EXPECT_EQ(testhulp::matchVeld("PAH01001", t), "11") << "the first match keeps its own set";
        EXPECT_EQ(testhulp::matchVeld("PAH01001", u), QString::number(2 + set));
        EXPECT_EQ(testhulp::matchVeld("PAH01004", t), "");
    }

    QString resultatenMelding() const
    {
        return "Het bestand \"A001-12-09-2010.ttr\" (wedstrijden van 12-09-2010) werd opgeslagen in de map \""
            + wissel()
            + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
              "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens "
              "ingevuld zijn:\r\n\r\n- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n"
              "- Wedstrijd \"PAH01004: Eerste B - Tweede B\"\r\n\r\n";
    }
};

// Writing the results file, and the week file, re-chooses the play date shown: the sheet keeps its
// match, and what is typed next goes into that match.
TEST_F(DerdeWedstrijd, WritingTheResultsFileKeepsTheMatchOnTheSheet)
{
    FrmWedstrijdInput& f = starten();
    m_meldingen->verwachtMapAnnuleren();
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Exporteren", resultatenMelding());
    f.menu("MnuBeheerGegevensExport")->trigger();
    ASSERT_TRUE(QFile::exists(wissel() + "A001-12-09-2010.ttr"));
    opHetBlad(f, 1);

    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Exporteren",
                                 "De pagina \"" + wissel() + "001-01.ttr\" (week van 12-09-2010) werd opgeslagen.\r\n"
                                 "Stuur deze door naar de interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet "
                                 "geëxporteerd omdat niet alle gegevens ingevuld zijn:\r\n\r\n"
                                 "- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n"
                                 "- Wedstrijd \"PAH01004: Eerste B - Tweede B\"\r\n\r\n");
    exchange::WeekResultatenExporteren();
    opHetBlad(f, 2);
}

// Export.ttr written and read back refreshes the lists: the sheet keeps its match.
TEST_F(DerdeWedstrijd, ExportTtrAndItsImportKeepTheMatchOnTheSheet)
{
    FrmWedstrijdInput& f = starten();
    exportTtrViaMenu(f);
    opHetBlad(f, 1);
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(wissel());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
    f.menu("MnuBeheerGegevensImport")->trigger();
    opHetBlad(f, 2);
}

// A game not played, typed on one installation, travels in Export.ttr: on the other the match shows
// the same score, counts as complete, gives the same results file, and showing it stores nothing.
// Here the other installation is this one with the sheet of the match emptied first, as a calendar
// import leaves a match that was never filled in.
class NietGespeeldUitwisselen : public UitwisselingMenus
{
protected:
    // The results file of the play date, through its menu; the match of team G is not filled in.
    QByteArray resultaten(FrmWedstrijdInput& f)
    {
        m_meldingen->verwachtMapAnnuleren();
        m_meldingen->verwachtMelding(
            TestMeldingen::Soort::Informatie, "Exporteren",
            "Het bestand \"A001-12-09-2010.ttr\" (wedstrijden van 12-09-2010) werd opgeslagen in de map \"" + wissel()
                + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
                  "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens "
                  "ingevuld zijn:\r\n\r\n- Wedstrijd \"PAH01002: Eerste G - Tweede G\"\r\n\r\n");
        f.menu("MnuBeheerGegevensExport")->trigger();
        QFile bestand(wissel() + "A001-12-09-2010.ttr");
        EXPECT_TRUE(bestand.open(QIODevice::ReadOnly));
        return bestand.readAll();
    }

    // The whole row of the match as text, with its completeness judged again; Null and one blank
    // (which the file does not tell apart) both read as empty.
    static QString rij(const QString& wedstrNr = "PAH01001")
    {
        exchange::IngevuldeWedstrijdenMarkeren();
        db::Recordset rs = algemeen().dbGegevens.openRecordset("SELECT * FROM Matchen WHERE WedstrNr = ?", {wedstrNr});
        QStringList waarden;
        for (int i = 0; i < rs.aantalVelden(); ++i)
            waarden << rs.veldNaam(i) + "=" + (rs.veld(i).tekst() == " " ? QString() : rs.veld(i).tekst());
        return waarden.join('|');
    }

    static QString score(const core::Wedstrijdblad& b) { return b.TxtResT->text() + "-" + b.TxtResU->text(); }

    // The other installation: every match as the calendar brought it, then Export.ttr through the menu.
    void tweedeInstallatie(FrmWedstrijdInput& f)
    {
        QStringList blad{"Ingeput", "KapiteinT", "KapiteinU"};
        for (int p = 1; p <= 4; ++p)
            blad << QStringLiteral("THUISSP%1").arg(p) << QStringLiteral("UITSP%1").arg(p) << QStringLiteral("AFWTH%1").arg(p)
                 << QStringLiteral("AFWUIT%1").arg(p) << QStringLiteral("WOT%1").arg(p) << QStringLiteral("WOU%1").arg(p);
        for (int g = 1; g <= 16; ++g) {
            blad << core::SpelKolom(g);
            for (int s = 1; s <= 5; ++s)
                blad << core::SetKolom(g, s, true) << core::SetKolom(g, s, false);
        }
        algemeen().dbGegevens.uitvoeren("UPDATE Matchen SET " + blad.join(" = NULL, ")
                                        + " = NULL, forfaitth = 'N', forfaituit = 'N'");
        QFile::remove(wissel() + "A001-12-09-2010.ttr");
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMap(wissel());
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
        f.menu("MnuBeheerGegevensImport")->trigger();
    }
};

TEST_F(NietGespeeldUitwisselen, AGameNotPlayedArrivesWithItsResult)
{
    // Games 2 and 9 won by the visitors.
    m_db.uitvoeren("UPDATE Matchen SET W02 = '-', W02Set1T = '5', W02Set1U = '11', W02Set2T = '6', W02Set2U = '11', "
                   "W02Set3T = '7', W02Set3U = '11', W09 = '-', W09Set1T = '5', W09Set1U = '11', W09Set2T = '6', "
                   "W09Set2U = '11', W09Set3T = '7', W09Set3U = '11' WHERE WedstrNr = 'PAH01001'");
    FrmWedstrijdInput& f = starten();
    // The sheet defaults that the calendar's own import gave both installations.
    exchange::CtlTabelMatchen();
    kiezen(f, "PAH01001");
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(score(b), "13-3");

    // Away player 1 does not play his second game, game 5 against home player 4 that he had lost.
    f.blad.CmdCompNrU[0]->click();
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    m_meldingen->verwachtJaNee(true);
    k.ChkWedstrijd[1]->click();
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    ASSERT_EQ(testhulp::matchVeld("W05"), "+");
    ASSERT_EQ(score(b), "14-2");
    const QString getypt = rij();
    kiezen(f, "PAH01002");
    kiezen(f, "PAH01001");
    EXPECT_EQ(rij(), getypt) << "showing the match here stores nothing";
    const QByteArray bestand = resultaten(f);
    ASSERT_TRUE(bestand.contains(";P3/4/6,-5/-6/-7,3/4/6,3/4/6,9,3/4/6,")) << bestand.toStdString();
    exportTtrViaMenu(f);
    const QString verzonden = rij();
    ASSERT_TRUE(verzonden.contains("|Ingeput=J|")) << verzonden.toStdString();

    // The other side: the match as the calendar brought it, then Export.ttr.
    tweedeInstallatie(f);
    const QString ontvangen = rij();
    EXPECT_EQ(ontvangen, verzonden);

    kiezen(f, "PAH01001");
    EXPECT_EQ(score(b), "14-2");
    EXPECT_EQ(b.TxtSetsThuis[4]->text() + "-" + b.TxtSetsUit[4]->text(), "3-0");
    EXPECT_EQ(rij(), verzonden) << "showing the match stores nothing";
    EXPECT_EQ(resultaten(f), bestand);

    // The player picker shows the game not played where it was typed.
    f.blad.CmdCompNrU[0]->click();
    EXPECT_TRUE(k.ChkWedstrijd[1]->isChecked());
    EXPECT_FALSE(k.ChkWedstrijd[0]->isChecked());
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
}

TEST_F(UitwisselingMenus, ExportTtrWithoutAnyFolderEndsWithoutAMessage)
{
    FrmWedstrijdInput& f = starten();
    algemeen().strPadOpslaan.clear();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMapAnnuleren();
    f.menu("MnuBeheerGegevensExportTTR")->trigger();
    EXPECT_TRUE(QDir(wissel()).isEmpty());
    EXPECT_FALSE(QFile::exists("export.ttr"));
    EXPECT_FALSE(FrmVoorbereiden::bestaat());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
}

TEST_F(UitwisselingMenus, TheSeasonListShowsWhatAnImportBroughtAndAnEmptyFileBringsNothing)
{
    FrmWedstrijdInput& f = starten();
    const auto seizoenen = [&f] {
        QStringList l;
        for (int i = 0; i < f.LstSeizoen->count(); ++i)
            l << f.LstSeizoen->item(i)->text();
        return l;
    };
    const QStringList voor = seizoenen();
    const QString gekozen = f.LstSeizoen->currentItem()->text();
    const qint64 leden = aantal("Leden");
    ASSERT_FALSE(voor.contains("2011-2012"));

    // A copy that failed is refused and changes nothing.
    QFile leeg(wissel() + "Export.ttr");
    ASSERT_TRUE(leeg.open(QIODevice::WriteOnly));
    leeg.close();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(wissel());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Importeren",
                                 "Het bestand \"Export.ttr\" kon niet geïmporteerd worden:\r\n\r\nHet bestand bevat geen "
                                 "gegevens: het is leeg of er staat geen enkele sectie in.\r\n\r\nDe database werd niet "
                                 "gewijzigd.");
    f.menu("MnuBeheerGegevensImport")->trigger();
    EXPECT_EQ(aantal("Leden"), leden);
    EXPECT_EQ(seizoenen(), voor);

    // A calendar of the next season is listed at once; the season chosen stays chosen.
    ASSERT_TRUE(leeg.open(QIODevice::WriteOnly));
    leeg.write("2011-2012\r\n###Matchen\r\n 1 \r\n"
               "2011-2012;P;01;H;PAH01001;A;H;za;17-09-2011;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n###\r\n");
    leeg.close();
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMap(wissel());
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
    f.menu("MnuBeheerGegevensImport")->trigger();
    EXPECT_EQ(seizoenen(), QStringList(voor) << "2011-2012");
    EXPECT_EQ(f.LstSeizoen->currentItem()->text(), gekozen);
    EXPECT_EQ(f.LstSpeelweek->count(), 1) << "the play dates of the chosen season are listed again";
}

// Forfeits and free places of teams of four, three and two travel in Export.ttr: on the other
// installation each match stores what it stored here, shows the same results and forfeit boxes,
// counts as complete as it did here, gives the same results file, and showing it stores nothing.
class ForfaitUitwisselen : public NietGespeeldUitwisselen
{
protected:
    void SetUp() override
    {
        NietGespeeldUitwisselen::SetUp();
        testhulp::reeksToevoegen(m_db, "2010-2011", "S", "H", "1", "Super Heren", "Super", 2);
        testhulp::optieZetten(m_db, "SuperDubbelSpelen", "J");
        // Per team size a home forfeit (its line-up typed before the team stayed away), an away
        // forfeit and a match against a free place.
        const struct
        {
            QString reeks, nr;
            int plaatsen;
        } ploegen[] = {{"A", "PAH01", 4}, {"G", "PAH01", 3}, {"1", "SH01", 3}};
        for (int i = 0; i < 3; ++i) {
            const auto& p = ploegen[i];
            for (int soort = 1; soort <= 3; ++soort) {
                Wedstrijd w = wedstrijd(p.nr + QStringLiteral("%1").arg(10 * soort + i + 1, 3, 10, QLatin1Char('0')), p.reeks);
                if (p.reeks == "1") {
                    w.soortComp = "S";
                    w.soort = "4";
                }
                if (soort == 3) {
                    w.lkUit = "Vrij";
                    w.nmuit = "Vrij";
                    w.provUit = "0";
                }
                for (int k = 1; k <= p.plaatsen; ++k) {
                    w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(k), db::Waarde(QString::number(500000 + k)));
                    if (soort == 1)
                        w.extra << qMakePair(QStringLiteral("UITSP%1").arg(k), db::Waarde(QString::number(500004 + k)));
                }
                if (p.plaatsen == 3)
                    w.extra << qMakePair(QStringLiteral("Opmerk1"), db::Waarde("500001500003"));
                testhulp::wedstrijdToevoegen(m_db, w);
                m_matchen << Match{w.wedstrNr, soort};
            }
        }
    }

    struct Match
    {
        QString nr;
        int soort; // 1 home forfeit, 2 away forfeit, 3 free place
    };

    // What the sheet shows of the results: per game the sets won, the score, the forfeit boxes and
    // the players' wins.
    static QString getoond(const core::Wedstrijdblad& b)
    {
        QStringList t;
        for (int i = 0; i <= algemeen().intLaatsteWedstrijd; ++i)
            t << b.TxtSetsThuis[i]->text() + "-" + b.TxtSetsUit[i]->text();
        t << score(b) << QString::number(b.ChkForfaitT->isChecked()) + QString::number(b.ChkForfaitUit->isChecked());
        for (int p = 0; p < 4; ++p)
            t << b.LabTIndOverw[p]->text() + "/" + b.LabUIndOverw[p]->text();
        return t.join(' ');
    }

    // The fields in which two rows differ, "field: here -> there".
    static QString verschil(const QString& hier, const QString& daar)
    {
        const QStringList a = hier.split('|');
        const QStringList b = daar.split('|');
        QStringList v;
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
            if (a[i] != b[i])
                v << a[i] + " -> " + b[i].section('=', 1);
        }
        return v.join(", ");
    }

    QByteArray uitslagen()
    {
        exchange::UitslagenSchrijven("A001", "12-09-2010", wissel());
        QFile bestand(wissel() + "A001-12-09-2010.ttr");
        EXPECT_TRUE(bestand.open(QIODevice::ReadOnly));
        return bestand.readAll();
    }

    QList<Match> m_matchen;
};

TEST_F(ForfaitUitwisselen, AForfeitOrAFreePlaceArrivesAsItLeft)
{
    FrmWedstrijdInput& f = starten();
    exchange::CtlTabelMatchen();
    const core::Wedstrijdblad& b = f.blad;
    QHash<QString, QString> blad;
    for (const Match& m : std::as_const(m_matchen)) {
        kiezen(f, m.nr);
        if (m.soort == 1)
            f.blad.ChkForfaitT->click();
        else if (m.soort == 2)
            f.blad.ChkForfaitUit->click();
        const QString getypt = rij(m.nr);
        kiezen(f, "PAH01001");
        kiezen(f, m.nr);
        blad[m.nr] = getoond(b);
        EXPECT_EQ(verschil(getypt, rij(m.nr)), "") << m.nr.toStdString() << ": showing the match here stores nothing";
    }
    exportTtrViaMenu(f);
    QHash<QString, QString> verzonden;
    for (const Match& m : std::as_const(m_matchen)) {
        verzonden[m.nr] = rij(m.nr);
        ASSERT_TRUE(verzonden[m.nr].contains("|Ingeput=J|")) << verzonden[m.nr].toStdString();
    }
    const QByteArray bestand = uitslagen();
    for (const Match& m : std::as_const(m_matchen))
        ASSERT_TRUE(bestand.contains((m.nr.startsWith('S') ? "SUPR" : "PANT") + QByteArray("-H-01-")
                                     + QByteArray::number(m.nr.right(3).toInt()) + ";"))
            << m.nr.toStdString() << "\n" << bestand.toStdString();

    tweedeInstallatie(f);
    for (const Match& m : std::as_const(m_matchen)) {
        SCOPED_TRACE(m.nr.toStdString());
        EXPECT_EQ(verschil(verzonden[m.nr], rij(m.nr)), "");
        kiezen(f, m.nr);
        EXPECT_EQ(getoond(b), blad[m.nr]);
        EXPECT_EQ(verschil(verzonden[m.nr], rij(m.nr)), "") << "showing the match stores nothing";
    }
    EXPECT_EQ(uitslagen().toStdString(), bestand.toStdString());
}

// A province's Export.ttr imported while another program (a database tool, a second copy of the
// program) holds the database: the import waits for it as every other action does, a few seconds,
// and is then refused with the cause, the database as it was; once the other program has let go
// the same file is imported. Written while the other program keeps the file to itself, it is refused
// in the same way.
class ImportTerwijlInGebruik : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        for (const char* tabel : {"Clubs", "Lokalen", "rel_club_lokaal", "Leden", "Sterktelijst", "Reeksen", "Matchen"})
            m_db.uitvoeren(QStringLiteral("DELETE FROM ") + db::sqlNaam(QString::fromLatin1(tabel)));
        // A large province: its Export.ttr of about 2 MB.
        testhulp::Provinciegrootte g;
        g.wedstrijden = 6000;
        g.leden = 15000;
        g.sterktelijst = 12000;
        testhulp::provincieSeizoenMaken(m_db, g);
    }

    void TearDown() override
    {
        db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot);
        BladTest::TearDown();
    }

    // Every row of every table, for "nothing changed".
    static QStringList inhoud()
    {
        db::Database& d = algemeen().dbGegevens;
        QStringList rijen;
        for (const QString& tabel : d.tabellen()) {
            QStringList tabelRijen;
            for (db::Recordset rs = d.openRecordset("SELECT * FROM " + db::sqlNaam(tabel)); !rs.eof(); rs.moveNext()) {
                QStringList waarden;
                for (int i = 0; i < rs.aantalVelden(); ++i)
                    waarden << (rs.veld(i).isNull() ? QStringLiteral("<null>") : rs.veld(i).tekst());
                tabelRijen << tabel + u':' + waarden.join(u'|');
            }
            tabelRijen.sort();
            rijen << tabelRijen;
        }
        return rijen;
    }

    static qint64 aantal(const QString& tabel)
    {
        return algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM " + db::sqlNaam(tabel)).veld(0).geheel();
    }

    // The import through its menu, Ja and the folder of the exchange files; how long it took.
    qint64 importeren(FrmWedstrijdInput& f)
    {
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMap(m_map.filePath("wissel") + "/");
        QElapsedTimer klok;
        klok.start();
        f.menu("MnuBeheerGegevensImport")->trigger();
        return klok.elapsed();
    }
};

TEST_F(ImportTerwijlInGebruik, IsRefusedAfterTheWaitAndImportsOnceTheOtherProgramLetsGo)
{
    FrmWedstrijdInput& f = starten();
    exportTtrViaMenu(f);
    ASSERT_GT(QFileInfo(m_map.filePath("wissel/export.ttr")).size(), 1'500'000) << "a province's file";
    // What the file brings back once it is imported.
    algemeen().dbGegevens.uitvoeren("DELETE FROM Sterktelijst; DELETE FROM Leden WHERE CompNr >= '103000'");
    const qint64 leden = 15000;
    const qint64 sterktelijst = aantal("Sterktelijst");
    ASSERT_EQ(sterktelijst, 0);
    const QMap<QString, QStringList> voor = testhulp::alles(algemeen().dbGegevens);

    const int wachttijd = 500;
    db::zetWachttijdBijSlot(wachttijd);
    const QString bestand = m_map.filePath("QJ-Deel7.mdb");

    // The export says that the database is in use, once, and leaves the file it wrote before as it was.
    {
        ASSERT_GE(f.LstWedstrijden->currentRow(), 0) << "a match on the sheet, sought again after an export";
        const QByteArray eerder = testhulp::bestandInhoud(m_map.filePath("wissel/export.ttr"));
        // The program waits for the user: it holds no read lock.
        db::wandelingenOnderbreken();
        db::huidigeRijenBewaren();
        testhulp::AnderProgramma ander(bestand, testhulp::AnderProgramma::Slot::Alleen, 20000);
        ASSERT_TRUE(ander.fout().isEmpty()) << ander.fout().toStdString();
        m_meldingen->wis();
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMapAnnuleren();
        m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Exporteren naar export.ttr",
                                     "De actie werd afgebroken:\n\nDe database is in gebruik door een ander programma. "
                                     "Databasefout: database is locked (de versie van het schema)");
        f.menu("MnuBeheerGegevensExportTTR")->trigger();
        EXPECT_EQ(m_meldingen->getoond(TestMeldingen::Soort::Kritiek).size(), 1) << m_meldingen->verslag().toStdString();
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
        ander.loslaten();
        EXPECT_EQ(testhulp::bestandInhoud(m_map.filePath("wissel/export.ttr")), eerder);
        EXPECT_TRUE(testhulp::alles(algemeen().dbGegevens) == voor) << "the database is as it was";
        EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    }

    for (const auto slot : {testhulp::AnderProgramma::Slot::Lezen, testhulp::AnderProgramma::Slot::Schrijven,
                            testhulp::AnderProgramma::Slot::Alleen}) {
        SCOPED_TRACE(slot == testhulp::AnderProgramma::Slot::Lezen       ? "a read transaction"
                     : slot == testhulp::AnderProgramma::Slot::Schrijven ? "a write transaction"
                                                                         : "the file kept to itself");
        m_meldingen->wis();
        db::wandelingenOnderbreken();
        db::huidigeRijenBewaren();
        testhulp::AnderProgramma ander(bestand, slot, 20000);
        ASSERT_TRUE(ander.fout().isEmpty()) << ander.fout().toStdString();
        const qint64 duur = importeren(f);
        EXPECT_FALSE(ander.zelfLosgelaten()) << "the import waited for the other program until it let go";
        EXPECT_LT(duur, 15000);
        const QList<TestMeldingen::Melding> kritiek = m_meldingen->getoond(TestMeldingen::Soort::Kritiek);
        ASSERT_EQ(kritiek.size(), 1) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(kritiek[0].titel, "Importeren");
        EXPECT_TRUE(kritiek[0].tekst.startsWith("Het importeren werd afgebroken:\r\n\r\n"
                                                "De database is in gebruik door een ander programma."))
            << kritiek[0].tekst.toStdString();
        EXPECT_TRUE(kritiek[0].tekst.endsWith("\r\n\r\nDe database werd niet gewijzigd.")) << kritiek[0].tekst.toStdString();
        EXPECT_TRUE(m_meldingen->getoond(TestMeldingen::Soort::Waarschuwing).isEmpty()) << "not reported as imported";
        m_meldingen->wis();
        ander.loslaten();
        EXPECT_TRUE(testhulp::alles(algemeen().dbGegevens) == voor) << "the database is as it was";
        EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    }

    m_meldingen->verwachtMelding(TestMeldingen::Soort::Waarschuwing, "Importeren", "De gegevens werden geïmporteerd");
    importeren(f);
    EXPECT_EQ(aantal("Leden"), leden);
    EXPECT_EQ(aantal("Sterktelijst"), 12000);
}

} // namespace
