#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "app/Bedrading.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "masterdata/Opties.h"
#include "ui/Menus.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using core::algemeen;

namespace {

class Hoofdvenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        testhulp::applicatiemapVullen(m_map.path());
        app::dienstenBedraden();
        core::zetApplicatiemap(m_map.path());
        core::zetKlok(&m_klok);
        FrmWedstrijdInput::zetProgrammaBeeindigen([this] { ++m_beeindigd; });
    }

    void TearDown() override
    {
        app::venstersOpruimen();
        MDIFrm::opruimen();
        FrmWedstrijdInput::opruimen();
        FrmWedstrijdInput::zetProgrammaBeeindigen(nullptr);
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
        core::zetKlok(nullptr);
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is given back";
    }

    void sql(const QString& opdracht)
    {
        db::Database d = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        d.uitvoeren(opdracht);
        d.sluiten();
    }

    void padInstellen()
    {
        QDir(m_map.path()).mkdir("wissel");
        sql(QStringLiteral("UPDATE Opties SET Item = '%1' WHERE Soort = 'Pad Opslaan'").arg(m_map.filePath("wissel")));
    }

    FrmWedstrijdInput& starten()
    {
        MDIFrm::standaard().Form_Load();
        return FrmWedstrijdInput::standaard();
    }

    QTemporaryDir m_map;
    core::VasteKlok m_klok{QDateTime(QDate(2011, 3, 15), QTime(10, 0))};
    ui::TestMeldingenScope m_meldingen;
    int m_beeindigd = 0;
};

TEST_F(Hoofdvenster, StartsWithTheCurrentSeasonFirstAndTheMenusOfNoAdministrator)
{
    padInstellen();
    sql("INSERT INTO Matchen (Seizoen, WedstrNr) VALUES ('2009-2010', 'x')");
    sql("INSERT INTO Matchen (Seizoen, WedstrNr) VALUES ('2010-2011', 'y')");
    FrmWedstrijdInput& f = starten();

    EXPECT_EQ(f.lblVersion->text(), "Versie 1.0 - revisie 0");
    ASSERT_EQ(f.LstSeizoen->count(), 2);
    EXPECT_EQ(f.LstSeizoen->item(0)->text(), "2010-2011");
    EXPECT_EQ(f.LstSeizoen->item(1)->text(), "2009-2010");
    EXPECT_EQ(f.LstSeizoen->currentRow(), 0);
    EXPECT_EQ(algemeen().strGekozenSeizoen, "2010-2011");
    EXPECT_EQ(algemeen().strHuidigSeizoen, "2010-2011");
    EXPECT_EQ(algemeen().strTaal, "N");
    EXPECT_TRUE(algemeen().blnEventsActief);
    EXPECT_TRUE(algemeen().rsKlassering.isOpen());

    EXPECT_FALSE(f.MnuBeheerInloggen->isVisible());
    EXPECT_FALSE(f.MnuBeheerUitloggen->isVisible());
    EXPECT_FALSE(ui::menuIngeschakeld(f.MnuBeheerInloggen));
    for (QAction* m : {f.MnuBeheerUitloggen, f.MnuBeheerPaswoordWijzigen, f.MnuBeheerGegevens, f.MnuBeheerClubs,
                       f.MnuBeheerOpties})
        EXPECT_TRUE(ui::menuIngeschakeld(m)) << m->objectName().toStdString();
    EXPECT_FALSE(f.menu("MnuBeheerDatabase")->isVisible()) << "hidden in the design, for good";
    EXPECT_EQ(f.MnuBestandSluiten->shortcut(), QKeySequence("Ctrl+F4"));
    EXPECT_EQ(f.menu("MnuBeheerOpties")->text(), "&Opties");

    // The main window sits at the top left of its parent, 12150 x 8640 twips, or as much larger as
    // this platform's caption and menu bar need to show the whole sheet.
    auto* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(sub->width(), 810);
    EXPECT_GE(sub->height(), 576);
    EXPECT_TRUE(MDIFrm::standaard().windowState() & Qt::WindowMaximized);
}

TEST_F(Hoofdvenster, AnAdministratorPasswordLocksTheAdministrationMenus)
{
    padInstellen();
    sql("UPDATE Opties SET Item = 'JKL' WHERE Soort = 'PaswoordBeheer'");
    FrmWedstrijdInput& f = starten();
    EXPECT_TRUE(f.MnuBeheerInloggen->isVisible());
    EXPECT_TRUE(f.MnuBeheerUitloggen->isVisible());
    EXPECT_TRUE(ui::menuIngeschakeld(f.MnuBeheerInloggen));
    for (QAction* m : {f.MnuBeheerUitloggen, f.MnuBeheerPaswoordWijzigen, f.MnuBeheerGegevens, f.MnuBeheerClubs,
                       f.MnuBeheerOpties})
        EXPECT_FALSE(ui::menuIngeschakeld(m)) << m->objectName().toStdString();
}

TEST_F(Hoofdvenster, AMissingFolderIsAskedForOnceAndStoredWhenTheOptionsClose)
{
    sql(QStringLiteral("UPDATE Opties SET Item = '%1' WHERE Soort = 'Pad Opslaan'").arg(m_map.filePath("weg")));
    FrmWedstrijdInput& f = starten();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << "not during the load";
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Pad Import/Export",
                                 "U moet eerst het pad instellen voor het opslaan van import- en exportbestanden !");
    QCoreApplication::processEvents();
    EXPECT_EQ(m_meldingen->openstaand(), 0) << "the first activation asks for the folder";
    ASSERT_TRUE(Opties::bestaat());
    Opties& o = Opties::standaard();
    EXPECT_FALSE(o.isHidden());
    EXPECT_EQ(o.LstOpties->currentItem()->text(), "Pad voor import- en exportbestanden");
    EXPECT_EQ(f.LabX->text(), "Opties-PadOpslaan");
    EXPECT_TRUE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_FALSE(f.Menubalk->isEnabled()) << "the menu bar goes with the window";

    f.Form_Activate();
    EXPECT_EQ(m_meldingen->getoond().size(), 1) << "asked once per run";

    // The folder is chosen in the folder dialog; closing stores it and gives the main window back.
    QDir(m_map.path()).mkdir("nieuw");
    m_meldingen->verwachtMap(m_map.filePath("nieuw"));
    o.CmdBladeren->click();
    EXPECT_EQ(QDir::fromNativeSeparators(o.TxtWaarde->text()), m_map.filePath("nieuw") + "/");
    o.CmdSluiten->click();
    EXPECT_TRUE(o.isHidden());
    EXPECT_EQ(algemeen().strPadOpslaan, m_map.filePath("nieuw") + "/");
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT Item FROM Opties WHERE Soort = 'Pad Opslaan'").veld(0).tekst(),
              m_map.filePath("nieuw") + "/");
    EXPECT_EQ(f.LabX->text(), "");
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE(f.Menubalk->isEnabled());
}

TEST_F(Hoofdvenster, OptionsWindowRefusesAWrongValueAndKeepsTheStoredOne)
{
    padInstellen();
    FrmWedstrijdInput& f = starten();
    f.MnuBeheerOpties->trigger();
    Opties& o = Opties::standaard();
    EXPECT_EQ(f.LabX->text(), "Opties");
    EXPECT_EQ(o.LstOpties->currentRow(), 0);

    o.LstOpties->setCurrentRow(2); // the club number
    ASSERT_EQ(o.LstOpties->currentItem()->text(), "Clubnummer");
    o.TxtWaarde->setText("12a");
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Opties",
                                 "Het clubnummer bestaat uit hoogstens 3 cijfers !");
    emit o.TxtWaarde->editingFinished();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(o.TxtWaarde->text(), "");
    o.TxtWaarde->setText("45");
    emit o.TxtWaarde->editingFinished();

    o.LstOpties->setCurrentRow(3); // the club's province, chosen by name
    const int wvl = o.CboWaarde->findText("West-Vlaanderen");
    ASSERT_GE(wvl, 0);
    o.CboWaarde->setCurrentIndex(wvl);
    o.close();
    EXPECT_EQ(algemeen().strClubNr, "045");
    EXPECT_EQ(algemeen().strClubProv, "10");
    EXPECT_EQ(algemeen().strClubProvAfkorting, "W.Vl.");
}

// The invented season that developers try the program on is the user's own province: the options
// window shows it, and the program starts as a user of that province.
TEST_F(Hoofdvenster, AnInventedSeasonIsOfTheUsersProvince)
{
    padInstellen();
    {
        db::Database d = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        testhulp::Provinciegrootte g;
        g.clubs = 4;
        g.wedstrijden = 22;
        g.leden = 40;
        g.sterktelijst = 20;
        testhulp::provincieSeizoenMaken(d, g);
        d.sluiten();
    }
    FrmWedstrijdInput& f = starten();
    EXPECT_EQ(algemeen().strProvincie, "Antwerpen");
    EXPECT_EQ(algemeen().strProvincieAfkorting, "A.");
    f.MnuBeheerOpties->trigger();
    Opties& o = Opties::standaard();
    for (const auto& [rij, naam] : {std::pair{1, "Provincie"}, std::pair{3, "Provincie van de club"}}) {
        o.LstOpties->setCurrentRow(rij);
        ASSERT_EQ(o.LstOpties->currentItem()->text(), naam);
        EXPECT_EQ(o.CboWaarde->currentText(), "Antwerpen") << naam;
    }
    o.close();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
}

// Its matches carry what an import gives a new match, so that a game not played on one of them gets
// the marker it gets in a real season.
TEST_F(Hoofdvenster, TheMatchesOfAnInventedSeasonStartAsImportedOnes)
{
    db::Database d = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    testhulp::Provinciegrootte g;
    g.clubs = 4;
    g.wedstrijden = 44;
    g.leden = 40;
    g.sterktelijst = 20;
    testhulp::provincieSeizoenMaken(d, g);
    QStringList kolommen;
    for (int k = 1; k <= 4; ++k)
        kolommen << QStringLiteral("AFWTH%1").arg(k) << QStringLiteral("AFWUIT%1").arg(k);
    kolommen << "forfaitth" << "forfaituit";
    QString nee;
    for (const QString& kolom : kolommen)
        nee += QStringLiteral(" AND %1 = 'N'").arg(kolom);
    EXPECT_EQ(d.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 44);
    EXPECT_EQ(d.openRecordset("SELECT COUNT(*) FROM Matchen WHERE Akkoord2aan2 = 'J'" + nee).veld(0).geheel(), 44)
        << "the played weeks as well as the weeks to come";
    d.sluiten();
}

TEST_F(Hoofdvenster, PageUpAndPageDownWalkTheMatchList)
{
    padInstellen();
    core::diensten().wedstrijdblad = nullptr; // the lines below are no matches to load
    FrmWedstrijdInput& f = starten();
    auto loslaten = [&](Qt::Key toets) {
        QKeyEvent los(QEvent::KeyRelease, toets, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &los);
    };
    loslaten(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), -1) << "an empty list does nothing";

    f.LstWedstrijden->addItems({"a", "b", "c"});
    f.LstWedstrijden->setCurrentRow(0);
    loslaten(Qt::Key_PageUp);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
    loslaten(Qt::Key_PageDown);
    loslaten(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 2);
    loslaten(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 2);
    loslaten(Qt::Key_PageUp);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1);
    // Pressed in the list itself it does not page through the list.
    f.LstWedstrijden->setFocus();
    QTest::keyPress(f.LstWedstrijden, Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1);
}

TEST_F(Hoofdvenster, ClosingEndsTheProgramUnlessItReloads)
{
    padInstellen();
    FrmWedstrijdInput& f = starten();
    f.MnuBestandSluiten->trigger();
    EXPECT_EQ(m_beeindigd, 1);
    f.close();
    EXPECT_EQ(m_beeindigd, 2) << "the close box ends it the same way";
    algemeen().blnHerladen = true;
    f.CmdEinde->click();
    EXPECT_EQ(m_beeindigd, 2);
    EXPECT_FALSE(f.isGeladen());

    // Shown again, it loads again: a season added meanwhile is in the list.
    algemeen().dbGegevens.uitvoeren("INSERT INTO Matchen (Seizoen, WedstrNr) VALUES ('2008-2009', 'x')");
    algemeen().blnHerladen = false;
    f.toon();
    EXPECT_TRUE(f.isGeladen());
    EXPECT_EQ(f.LstSeizoen->count(), 2);
    EXPECT_EQ(f.LstSeizoen->item(1)->text(), "2008-2009");
}

TEST_F(Hoofdvenster, ADatabaseThatCannotBeUsedStopsTheLoad)
{
    sql("DELETE FROM Opties WHERE Soort = 'PaswoordBeheer'");
    try {
        starten();
        FAIL() << "the load went on";
    } catch (const core::OpstartFout& fout) {
        EXPECT_TRUE(fout.tekst().contains("de optie 'PaswoordBeheer' ontbreekt")) << fout.what();
    }
}

} // namespace

#include "core/FrmEvenGeduld.h"

TEST(EvenGeduld, StandsAtTheTopLeftWithItsText)
{
    FrmEvenGeduld& w = FrmEvenGeduld::standaard();
    w.showMaximized();
    w.toon();
    EXPECT_EQ(w.windowTitle(), "Bezig...");
    EXPECT_EQ(w.Label1->text(), "Even Geduld...");
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w.geometry().size(), QSize(329, 165));
    FrmEvenGeduld::opruimen();
}
