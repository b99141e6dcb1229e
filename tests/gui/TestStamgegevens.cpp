#include "BladTest.h"
#include "core/AlgemeneProcedures.h"
#include "core/Wedstrijdblad.h"
#include "masterdata/FrmClubs.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "masterdata/Opties.h"
#include "masterdata/Paswoord.h"
#include "ui/Menus.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using core::algemeen;
using ui::TestMeldingen;

namespace {

class Stamgegevens : public testhulp::BladTest
{
protected:
    QString optie(const QString& soort)
    {
        return algemeen().dbGegevens.openRecordset("SELECT Item FROM Opties WHERE Soort = ?", {soort}).veld(0).tekst();
    }
    qint64 aantal(const QString& tabel)
    {
        return algemeen().dbGegevens.openRecordset("SELECT COUNT(*) FROM " + tabel).veld(0).geheel();
    }
    static bool aan(QAction* m) { return ui::menuIngeschakeld(m); }
};

TEST_F(Stamgegevens, LogInRefusedThenAcceptedOpensTheAdministratorMenus)
{
    testhulp::optieZetten(m_db, "PaswoordBeheer", core::PaswoordCoderen("abc"));
    FrmWedstrijdInput& f = starten();
    const QList<QAction*> beheer{f.MnuBeheerUitloggen, f.MnuBeheerPaswoordWijzigen, f.MnuBeheerGegevens,
                                 f.MnuBeheerClubs, f.MnuBeheerOpties};
    EXPECT_TRUE(f.MnuBeheerInloggen->isVisible());
    EXPECT_TRUE(aan(f.MnuBeheerInloggen));
    for (QAction* m : beheer)
        EXPECT_FALSE(aan(m)) << m->objectName().toStdString();

    f.MnuBeheerInloggen->trigger();
    Paswoord& p = Paswoord::standaard();
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled)) << "the main window stays enabled";
    QTest::keyClicks(p.TxtPaswoord, "abd");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Inloggen Beheerder", "Verkeerd paswoord !");
    p.CmdOK->click();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(aan(f.MnuBeheerInloggen));
    for (QAction* m : beheer)
        EXPECT_FALSE(aan(m)) << m->objectName().toStdString();

    f.MnuBeheerInloggen->trigger();
    EXPECT_EQ(p.TxtPaswoord->text(), "") << "a new attempt starts empty";
    QTest::keyClicks(p.TxtPaswoord, "abc");
    QTest::keyClick(p.TxtPaswoord, Qt::Key_Return);
    EXPECT_FALSE(p.isVisible());
    EXPECT_FALSE(aan(f.MnuBeheerInloggen));
    for (QAction* m : beheer)
        EXPECT_TRUE(aan(m)) << m->objectName().toStdString();
}

TEST_F(Stamgegevens, APasswordTypedAndNotLeftIsStoredCodedWhenTheWindowCloses)
{
    FrmWedstrijdInput& f = starten();
    EXPECT_FALSE(f.MnuBeheerInloggen->isVisible());
    f.MnuBeheerPaswoordWijzigen->trigger();
    Opties& o = Opties::standaard();
    EXPECT_EQ(f.LabX->text(), "Paswoord");
    EXPECT_TRUE(f.testAttribute(Qt::WA_Disabled));
    ASSERT_EQ(o.LstOpties->currentItem()->text(), "Paswoord van de beheerder");
    EXPECT_EQ(o.TxtWaarde->echoMode(), QLineEdit::Password);

    QTest::keyClicks(o.TxtWaarde, "geheim");
    o.CmdSluiten->click();
    EXPECT_EQ(optie("PaswoordBeheer"), core::PaswoordCoderen("geheim"));
    EXPECT_TRUE(f.MnuBeheerInloggen->isVisible());
    EXPECT_TRUE(f.MnuBeheerUitloggen->isVisible());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(f.LabX->text(), "");

    // Opened again, the page shows the password as typed.
    f.MnuBeheerPaswoordWijzigen->trigger();
    EXPECT_EQ(o.TxtWaarde->text(), "geheim");
    o.close();
}

TEST_F(Stamgegevens, TheViewAndClubOptionsReachTheSharedStateAndTheLists)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::Wedstrijd ander = wedstrijd("PAH01002", "A");
    ander.lkThuis = "002";
    ander.nmthuis = "Tweede thuis";
    ander.lkUit = "001";
    testhulp::wedstrijdToevoegen(m_db, ander);
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(f.LstWedstrijden->count(), 2);

    // The user's province, stored by number: read at start-up and shown by the options window.
    EXPECT_EQ(algemeen().strProvincie, "Antwerpen");
    EXPECT_EQ(algemeen().strProvincieAfkorting, "A.");
    f.MnuBeheerOpties->trigger();
    Opties& o = Opties::standaard();
    o.LstOpties->setCurrentRow(1);
    ASSERT_EQ(o.LstOpties->currentItem()->text(), "Provincie");
    EXPECT_EQ(o.CboWaarde->currentText(), "Antwerpen");
    o.LstOpties->setCurrentRow(4);
    ASSERT_EQ(o.LstOpties->currentItem()->text(), "Weergave van de wedstrijden");
    o.CboWaarde->setCurrentIndex(o.CboWaarde->findData("0"));
    o.LstOpties->setCurrentRow(2);
    ASSERT_EQ(o.LstOpties->currentItem()->text(), "Clubnummer");
    o.TxtWaarde->selectAll();
    QTest::keyClicks(o.TxtWaarde, "2");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Clublokaal",
                                 "Er is geen lokaal ingesteld voor de thuisclub. Voeg een lokaal toe via Beheer - "
                                 "clubs en Lokalen !");
    o.close();

    EXPECT_EQ(optie("Weergave Wedstrijden"), "0");
    EXPECT_EQ(optie("ClubNr"), "002");
    EXPECT_EQ(algemeen().strClubNr, "002");
    EXPECT_EQ(regels(f.LstWedstrijden), QStringList{"PAH01002: Tweede thuis - Tweede A"});
    EXPECT_EQ(f.blad.TxtTPloeg->text(), "Tweede thuis");
    EXPECT_TRUE(f.windowTitle().contains("002 - TTC Tweede Berchem - Week")) << f.windowTitle().toStdString();
}

TEST_F(Stamgegevens, TheClubsWindowAddsAVenueThatTheSheetListsAndRefusesABadClubNumber)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(f.blad.LstNaamLokaal->count(), 2);

    f.MnuBeheerClubs->trigger();
    FrmClubs& c = FrmClubs::standaard();
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    ASSERT_EQ(c.LstClubs->currentItem()->text(), "A. 001 - TTC Eerste Antwerpen");
    EXPECT_EQ(regels(c.LstLokalen), QStringList({"Zaal Net", "Sporthal De Bal"}));

    c.CmdLokaalNieuw->click();
    QTest::keyClicks(c.TxtLokaalNaam, "Nieuwe Hal");
    QTest::keyClicks(c.TxtGemeente, "Mortsel");
    c.CmdLokaalOpslaan->click();
    EXPECT_EQ(regels(c.LstLokalen), QStringList({"Zaal Net", "Sporthal De Bal", "Nieuwe Hal"}));
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT id, id_zelm FROM Lokalen WHERE Naam = 'Nieuwe Hal'").veld(0).geheel(),
              9);
    ASSERT_EQ(f.blad.LstNaamLokaal->count(), 3) << "the sheet lists the home club's venues again";
    EXPECT_EQ(f.blad.LstNaamLokaal->itemText(2), "Nieuwe Hal");

    c.CmdLokaalLager->click(); // already last
    c.CmdLokaalHoger->click();
    EXPECT_EQ(regels(c.LstLokalen), QStringList({"Zaal Net", "Nieuwe Hal", "Sporthal De Bal"}));

    const qint64 clubs = aantal("Clubs");
    c.CmdClubNieuw->click();
    EXPECT_TRUE(c.TxtClubNr->isEnabled());
    QTest::keyClicks(c.TxtClubNr, "12a");
    QTest::keyClicks(c.TxtClubNaam, "TTC Fout");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Clubs en Lokalen",
                                 "Het clubnummer bestaat uit 1 tot 3 cijfers en is niet 000 !");
    c.CmdClubOpslaan->click();
    EXPECT_EQ(aantal("Clubs"), clubs);
    c.TxtClubNr->setText("5");
    c.CmdClubOpslaan->click();
    EXPECT_EQ(aantal("Clubs"), clubs + 1);
    EXPECT_EQ(c.LstClubs->currentItem()->text(), "A. 005 - TTC Fout");
    EXPECT_FALSE(c.TxtClubNr->isEnabled()) << "a stored club keeps its number";
    c.close();
}

// A club number of four digits typed in the clubs window is refused as it was typed, never cut to
// three digits and stored as another club.
TEST_F(Stamgegevens, AFourDigitClubNumberTypedInTheClubsWindowIsRefused)
{
    testhulp::optieZetten(m_db, "Provincie", "1");
    FrmWedstrijdInput& f = starten();
    f.MnuBeheerClubs->trigger();
    FrmClubs& c = FrmClubs::standaard();
    const qint64 clubs = aantal("Clubs");
    c.CmdClubNieuw->click();
    QTest::keyClicks(c.TxtClubNr, "1234");
    QTest::keyClicks(c.TxtClubNaam, "Koninklijke Tafeltennisclub Vierhoek");
    QTest::keyClicks(c.TxtPloegnaam, "KTTC Vierhoek");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Clubs en Lokalen",
                                 "Het clubnummer bestaat uit 1 tot 3 cijfers en is niet 000 !");
    c.CmdClubOpslaan->click();
    EXPECT_EQ(aantal("Clubs"), clubs);
    EXPECT_EQ(c.TxtClubNr->text(), "1234") << "what was typed stays, to be corrected";

    c.TxtClubNr->clear();
    QTest::keyClicks(c.TxtClubNr, "234");
    c.CmdClubOpslaan->click();
    EXPECT_EQ(aantal("Clubs"), clubs + 1);
    EXPECT_EQ(c.LstClubs->currentItem()->text(), "A. 234 - Koninklijke Tafeltennisclub Vierhoek");
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT Ploegnaam FROM Clubs WHERE Provincie = 1 AND ClubNr = '234'")
                  .veld(0)
                  .tekst(),
              "KTTC Vierhoek");
    c.close();
}

// The own club stored again refreshes the play date: its match list keeps the match on the sheet.
TEST_F(Stamgegevens, StoringTheOwnClubKeepsTheMatchOnTheSheet)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    FrmWedstrijdInput& f = starten();
    kiezen(f, "PAH01002");
    f.MnuBeheerClubs->trigger();
    FrmClubs& c = FrmClubs::standaard();
    ASSERT_EQ(c.LstClubs->currentItem()->text(), "A. 001 - TTC Eerste Antwerpen");
    c.TxtClubNaam->setText("TTC Eerste Nieuw");
    c.CmdClubOpslaan->click();
    EXPECT_TRUE(f.windowTitle().contains("001 - TTC Eerste Nieuw")) << f.windowTitle().toStdString();
    EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
    EXPECT_EQ(algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH01002");
    c.close();
}

// What is removed in the clubs window cannot be undone: each of its questions has Nee as its
// default button, and Nee removes nothing.
TEST_F(Stamgegevens, EveryRemovalInTheClubsWindowAsksWithNoAsTheDefault)
{
    FrmWedstrijdInput& f = starten();
    f.MnuBeheerClubs->trigger();
    FrmClubs& c = FrmClubs::standaard();
    c.CmdVerantwNieuw->click();
    QTest::keyClicks(c.TxtVerantwNaam, "Jan Scheids");
    c.CmdVerantwOpslaan->click();
    ASSERT_EQ(aantal("Verantwoordelijken"), 1);
    ASSERT_EQ(c.LstClubs->currentItem()->text(), "A. 001 - TTC Eerste Antwerpen");
    ASSERT_EQ(c.LstLokalen->currentItem()->text(), "Zaal Net");
    const qint64 clubs = aantal("Clubs");
    const qint64 lokalen = aantal("rel_club_lokaal");

    for (QPushButton* knop : {c.CmdClubVerwijderen, c.CmdLokaalVerwijderen, c.CmdVerantwVerwijderen}) {
        m_meldingen->verwachtJaNee(false);
        knop->click();
    }
    const QString titel = "Clubs en Lokalen";
    EXPECT_EQ(m_meldingen->getoond(),
              QList<TestMeldingen::Melding>(
                  {{TestMeldingen::Soort::VraagNee, titel,
                    "De club A. 001 - TTC Eerste Antwerpen wordt verwijderd, met de verwijzingen naar haar lokalen. "
                    "Doorgaan ?"},
                   {TestMeldingen::Soort::VraagNee, titel,
                    "Het lokaal Zaal Net wordt uit de lijst van de club gehaald. Doorgaan ?"},
                   {TestMeldingen::Soort::VraagNee, titel,
                    "Jan Scheids wordt uit de lijst van de verantwoordelijken gehaald. Doorgaan ?"}}));
    EXPECT_EQ(aantal("Clubs"), clubs);
    EXPECT_EQ(aantal("rel_club_lokaal"), lokalen);
    EXPECT_EQ(aantal("Verantwoordelijken"), 1);

    // Ja removes.
    m_meldingen->verwachtJaNee(true);
    c.CmdVerantwVerwijderen->click();
    EXPECT_EQ(aantal("Verantwoordelijken"), 0);
    c.close();
}

TEST_F(Stamgegevens, TheClubsWindowAsksToStoreWhatWasNotStoredWhenItCloses)
{
    FrmWedstrijdInput& f = starten();
    f.MnuBeheerClubs->trigger();
    FrmClubs& c = FrmClubs::standaard();
    const QString vraag = QStringLiteral("Er zijn wijzigingen die nog niet opgeslagen zijn.\r\nWilt u ze opslaan ?");

    // Nothing changed: it closes without a question.
    c.CmdSluiten->click();
    EXPECT_FALSE(c.isVisible());
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());

    // A club's name and a venue's street changed: Ja stores both and closes.
    f.MnuBeheerClubs->trigger();
    c.TxtClubNaam->setText("TTC Eerste Nieuw");
    c.LstLokalen->setCurrentRow(1);
    c.TxtStraat->setText("Kerkstraat 10");
    m_meldingen->verwachtJaNee(true);
    c.CmdSluiten->click();
    ASSERT_EQ(m_meldingen->getoond().size(), 1);
    EXPECT_EQ(m_meldingen->getoond()[0].soort, TestMeldingen::Soort::Vraag);
    EXPECT_EQ(m_meldingen->getoond()[0].titel, "Clubs en Lokalen");
    EXPECT_EQ(m_meldingen->getoond()[0].tekst, vraag);
    EXPECT_FALSE(c.isVisible());
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT ClubNaam FROM Clubs WHERE ClubNr = '001'").veld(0).tekst(),
              "TTC Eerste Nieuw");
    EXPECT_EQ(algemeen().dbGegevens.openRecordset("SELECT Straat FROM Lokalen WHERE id = 7").veld(0).tekst(),
              "Kerkstraat 10");

    // A new responsible person typed, then Nee: nothing stored, the window closes.
    f.MnuBeheerClubs->trigger();
    c.CmdVerantwNieuw->click();
    QTest::keyClicks(c.TxtVerantwNaam, "Jan Scheids");
    m_meldingen->verwachtJaNee(false);
    c.close();
    EXPECT_FALSE(c.isVisible());
    EXPECT_EQ(aantal("Verantwoordelijken"), 0);

    // Ja with a venue that cannot be stored: the reason is told and the window stays open.
    f.MnuBeheerClubs->trigger();
    EXPECT_EQ(c.TxtVerantwNaam->text(), "") << "the dropped edit is gone";
    c.CmdLokaalNieuw->click();
    QTest::keyClicks(c.TxtStraat, "Zonder Naam 1");
    m_meldingen->verwachtJaNee(true);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Clubs en Lokalen", "Vul de naam van het lokaal in !");
    c.CmdSluiten->click();
    EXPECT_TRUE(c.isVisible());
    EXPECT_EQ(c.TxtStraat->text(), "Zonder Naam 1");
    c.TxtStraat->clear();
    c.CmdSluiten->click();
    EXPECT_FALSE(c.isVisible());
}

TEST_F(Stamgegevens, MatchesAddedByHandOfEachTeamSizeLoadOntoTheSheet)
{
    FrmWedstrijdInput& f = starten();
    f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
    FrmWedstrijdToevoegen& t = FrmWedstrijdToevoegen::standaard();
    EXPECT_TRUE(t.isVisible());
    EXPECT_TRUE(t.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(t.CboSeizoen->currentText(), "2010-2011");
    EXPECT_EQ(t.CboThuisclub->currentText(), "A. 001 - TTC Eerste Antwerpen");
    EXPECT_EQ(t.TxtThuisploeg->text(), "Eerste") << "the club's team name";
    EXPECT_EQ(t.CboLokaal->currentText(), "Zaal Net");

    struct Geval
    {
        int spelers;
        const char* categorie;
        const char* nr;
        int laatste;
        const char* afdeling;
    };
    const Geval gevallen[] = {{4, "Heren", "PAH02001", 15, "3e Prov."},
                              {3, "Veteranen", "PAV02002", 9, "3e Prov. (V)"},
                              {2, "Dames", "PAD02003", 6, "3e Prov. (D)"}};
    int n = 0;
    for (const Geval& g : gevallen) {
        ++n;
        t.CboCategorie->setCurrentText(g.categorie);
        t.TxtReeks->setText("3a");
        t.CboSpelers->setCurrentIndex(t.CboSpelers->findData(g.spelers));
        t.TxtWeekNr->setText("2");
        t.TxtNummer->setText(QString::number(n));
        t.TxtDatum->setText("18-09-2010");
        t.TxtUur->setText("20");
        t.TxtThuisploeg->setText(QStringLiteral("Eerste %1").arg(g.categorie));
        t.CboUitclub->setCurrentIndex(t.CboUitclub->findData("1|002"));
        t.TxtUitploeg->setText("Tweede B");
        t.CmdToevoegen->click();
        ASSERT_EQ(f.LstSpeelweek->currentItem()->text(), "18-09-2010") << g.categorie;
        EXPECT_EQ(f.LstSeizoen->currentItem()->text(), "2010-2011");

        kiezen(f, g.nr);
        EXPECT_EQ(algemeen().intLaatsteWedstrijd, g.laatste) << g.categorie;
        EXPECT_EQ(f.blad.TxtTPloeg->text(), QStringLiteral("Eerste %1").arg(g.categorie));
        EXPECT_EQ(f.blad.TxtUPloeg->text(), "Tweede B");
        EXPECT_EQ(f.blad.TxtAfdeling->text(), g.afdeling);
        EXPECT_EQ(f.blad.TxtReeks->text(), "A");
        EXPECT_EQ(f.blad.TxtBeginuur->text(), "20.00");
        EXPECT_EQ(f.blad.TxtMatchNr->text(), QString(g.nr).chopped(3) + "/" + QString(g.nr).right(3));
        EXPECT_EQ(f.blad.LstNaamLokaal->currentText(), "Zaal Net");
    }

    // A wrong date: the message, and nothing is written.
    const qint64 matchen = aantal("Matchen");
    t.TxtNummer->setText("9");
    t.TxtDatum->setText("31-02-2011");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Wedstrijd Toevoegen",
                                 "De datum moet de vorm dd-mm-jjjj hebben (bijvoorbeeld 12-09-2010) !");
    t.CmdToevoegen->click();
    EXPECT_EQ(aantal("Matchen"), matchen);
    t.close();
}

// Super: the team size is the Super division's, so that no division of another size can be made and
// hold every later Super match; another level gives back the size chosen before.
TEST_F(Stamgegevens, ASuperMatchAddedByHandHasTheTeamsOfTheSuperDivision)
{
    FrmWedstrijdInput& f = starten();
    f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
    FrmWedstrijdToevoegen& t = FrmWedstrijdToevoegen::standaard();
    const auto aan = [](const QWidget* w) { return !w->testAttribute(Qt::WA_Disabled); };
    const auto spelers = [&t] { return t.CboSpelers->currentData().toInt(); };
    t.CboSpelers->setCurrentIndex(t.CboSpelers->findData(3));

    t.CboNiveau->setCurrentIndex(t.CboNiveau->findData("S"));
    EXPECT_EQ(spelers(), 2);
    EXPECT_FALSE(aan(t.CboSpelers));
    EXPECT_FALSE(aan(t.TxtReeks));
    t.CboCategorie->setCurrentText("Dames");
    EXPECT_EQ(spelers(), 3) << "the ladies' Super division has teams of three";
    t.CboCategorie->setCurrentText("Heren");
    EXPECT_EQ(spelers(), 2);

    t.TxtWeekNr->setText("2");
    t.TxtNummer->setText("1");
    t.TxtDatum->setText("18-09-2010");
    t.TxtUur->setText("14.30");
    t.CboUitclub->setCurrentIndex(t.CboUitclub->findData("1|002"));
    t.TxtUitploeg->setText("Tweede B");
    t.CmdToevoegen->click();
    ASSERT_EQ(f.LstSpeelweek->currentItem()->text(), "18-09-2010");
    EXPECT_EQ(algemeen()
                  .dbGegevens.openRecordset("SELECT AtlIndividueleMatchen FROM Reeksen WHERE Seizoen = '2010-2011' AND "
                                            "Naam = 'Super Afdeling - Heren'")
                  .veld(0)
                  .tekst(),
              "2");
    kiezen(f, "SH02001");
    EXPECT_EQ(algemeen().intLaatsteWedstrijd, 6);
    EXPECT_EQ(f.blad.TxtAfdeling->text(), "Super");
    EXPECT_TRUE(f.blad.OptSuper->isChecked());

    // Another size, whatever set it: the message, and nothing is written.
    const qint64 matchen = aantal("Matchen");
    const qint64 reeksen = aantal("Reeksen");
    t.CboSpelers->setCurrentIndex(t.CboSpelers->findData(4));
    t.TxtNummer->setText("2");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Wedstrijd Toevoegen",
                                 "Een ploeg van de Super Afdeling - Heren telt 2 spelers !");
    t.CmdToevoegen->click();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(aantal("Matchen"), matchen);
    EXPECT_EQ(aantal("Reeksen"), reeksen);

    t.CboNiveau->setCurrentIndex(t.CboNiveau->findData("P"));
    EXPECT_EQ(spelers(), 3) << "the size chosen before Super";
    EXPECT_TRUE(aan(t.CboSpelers));
    EXPECT_TRUE(aan(t.TxtReeks));

    // Teams of four chosen, then Super of the ladies and back: the four come back, not a Super size.
    t.CboSpelers->setCurrentIndex(t.CboSpelers->findData(4));
    t.CboNiveau->setCurrentIndex(t.CboNiveau->findData("S"));
    t.CboCategorie->setCurrentText("Dames");
    EXPECT_EQ(spelers(), 3);
    t.CboNiveau->setCurrentIndex(t.CboNiveau->findData("P"));
    EXPECT_EQ(spelers(), 4) << "the size chosen before Super";
    t.close();
}

} // namespace
