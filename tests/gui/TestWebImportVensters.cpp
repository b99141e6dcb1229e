// The import and login windows against the fake web service, with the whole program started.

#include "BladTest.h"
#include "NepDienst.h"
#include "core/Vertalingen.h"
#include "webimport/FrmImportKorvat.h"
#include "webimport/frmLogin.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

#include <memory>
#include <stdexcept>

using testhulp::NepDienst;
using ui::TestMeldingen;

namespace {

const QString Titel = QStringLiteral("Import uit Competitie ZELM (Systeem Korvat)");

QString testAntwoord(bool geldig)
{
    return QStringLiteral("<ns1:Timestamp>2010-09-15T10:00:00+02:00</ns1:Timestamp><ns1:ApiVersion>0.7.16</ns1:ApiVersion>"
                          "<ns1:IsValidAccount>%1</ns1:IsValidAccount><ns1:Language>nl</ns1:Language>"
                          "<ns1:Database>test</ns1:Database>")
        .arg(geldig ? "true" : "false");
}

// The service's answers written from their parts.

/** A member as the service lists him; the ranking index and the club only when given. */
QString lidXml(int positie, const QString& nr, const QString& index, const QString& voornaam, const QString& naam,
               const QString& klassering, const QString& club = QString(), const QString& status = QStringLiteral("A"))
{
    return QStringLiteral("<ns1:MemberEntries><ns1:Position>%1</ns1:Position><ns1:UniqueIndex>%2</ns1:UniqueIndex>")
               .arg(positie)
               .arg(nr)
        + (index.isEmpty() ? QString() : "<ns1:RankingIndex>" + index + "</ns1:RankingIndex>")
        + QStringLiteral("<ns1:FirstName>%1</ns1:FirstName><ns1:LastName>%2</ns1:LastName><ns1:Ranking>%3</ns1:Ranking>"
                         "<ns1:Status>%4</ns1:Status>")
              .arg(voornaam, naam, klassering, status)
        + (club.isEmpty() ? QString() : "<ns1:Club>" + club + "</ns1:Club>")
        + QStringLiteral("<ns1:Gender>M</ns1:Gender><ns1:Category>SEN</ns1:Category></ns1:MemberEntries>");
}

/** An answer with these members and their count. */
QString ledenXml(const QStringList& leden)
{
    return QStringLiteral("<ns1:MemberCount>%1</ns1:MemberCount>").arg(leden.size()) + leden.join(QString());
}

/** A venue of a club; with empty phone and remark fields as the service sends them for some venues. */
QString lokaalXml(int id, int volgorde, const QString& naam, const QString& straat, const QString& gemeente,
                  bool metTelefoon = false)
{
    return QStringLiteral("<ns1:VenueEntries><ns1:Id>%1</ns1:Id><ns1:ClubVenue>%2</ns1:ClubVenue>"
                          "<ns1:Name>%3</ns1:Name><ns1:Street>%4</ns1:Street><ns1:Town>%5</ns1:Town>"
                          "%6</ns1:VenueEntries>")
        .arg(QString::number(id), QString::number(volgorde), naam, straat, gemeente,
             metTelefoon ? QStringLiteral("<ns1:Phone></ns1:Phone><ns1:Comment></ns1:Comment>") : QString());
}

/** A club of a club category with its venues; the venue count as given, else the number of venues. */
QString clubXml(const QString& index, const QString& naam, int categorie, const QString& categorieNaam,
                const QStringList& lokalen = {}, int aantalLokalen = -1)
{
    return QStringLiteral("<ns1:ClubEntries><ns1:UniqueIndex>%1</ns1:UniqueIndex><ns1:Name>%2</ns1:Name>"
                          "<ns1:LongName>%2</ns1:LongName><ns1:Category>%3</ns1:Category>"
                          "<ns1:CategoryName>%4</ns1:CategoryName><ns1:VenueCount>%5</ns1:VenueCount>")
               .arg(index, naam, QString::number(categorie), categorieNaam,
                    QString::number(aantalLokalen < 0 ? lokalen.size() : aantalLokalen))
        + lokalen.join(QString()) + QStringLiteral("</ns1:ClubEntries>");
}

/** An answer with these clubs and their count. */
QString clubsXml(const QStringList& clubs)
{
    return QStringLiteral("<ns1:ClubCount>%1</ns1:ClubCount>").arg(clubs.size()) + clubs.join(QString());
}

/**
 * A match of a division as the service lists it: a match without a date also goes without a time,
 * one whose home club names no venue (0) without a venue.
 */
QString wedstrijdXml(const QString& reeks, const QString& matchId, const QString& week, const QString& datum,
                     const QString& uur, int zaal, const QString& thuisclub, const QString& thuis, const QString& uitclub,
                     const QString& uit, int uniekId)
{
    return QStringLiteral("<ns1:TeamMatchesEntries><ns1:DivisionName>%1</ns1:DivisionName><ns1:MatchId>%2</ns1:MatchId>"
                          "<ns1:WeekName>%3</ns1:WeekName>")
               .arg(reeks, matchId, week)
        + (datum.isEmpty() ? QString()
                           : QStringLiteral("<ns1:Date>%1</ns1:Date><ns1:Time>%2</ns1:Time>").arg(datum, uur))
        + (zaal == 0 ? QString() : QStringLiteral("<ns1:Venue>%1</ns1:Venue>").arg(zaal))
        + QStringLiteral("<ns1:HomeClub>%1</ns1:HomeClub><ns1:HomeTeam>%2</ns1:HomeTeam><ns1:AwayClub>%3</ns1:AwayClub>"
                         "<ns1:AwayTeam>%4</ns1:AwayTeam><ns1:MatchUniqueId>%5</ns1:MatchUniqueId></ns1:TeamMatchesEntries>")
              .arg(thuisclub, thuis, uitclub, uit, QString::number(uniekId));
}

/** An answer with these matches and their count. */
QString wedstrijdenXml(const QStringList& wedstrijden)
{
    return QStringLiteral("<ns1:MatchCount>%1</ns1:MatchCount>").arg(wedstrijden.size()) + wedstrijden.join(QString());
}

const QString Reeks3A = QStringLiteral("Afdeling 3A - Prov. Antwerpen - Heren");

// The clubs of province 1 (club category 4).
const QString ClubsVanAntwerpen =
    clubsXml({clubXml("A001", "TTC Eerste", 4, "Antwerpen",
                      {lokaalXml(801, 1, "Hal Een", "Straat 1", "2000 Antwerpen", true)}),
              clubXml("A002", "TTC Tweede", 4, "Antwerpen")});

// The same clubs, the second with its only venue, which is its venue 2.
const QString ClubsMetLokalen =
    clubsXml({clubXml("A001", "TTC Eerste", 4, "Antwerpen", {lokaalXml(801, 1, "Hal Een", "Straat 1", "2000 Antwerpen")}),
              clubXml("A002", "TTC Tweede", 4, "Antwerpen",
                      {lokaalXml(812, 2, "Sporthal Rooi", "Rooiplein 4", "2600 Berchem")})});

// The tables a web import writes in.
const QStringList ImportTabellen{"Matchen", "Reeksen", "Datums", "Clubs",
                                 "Leden", "Sterktelijst", "Lokalen", "rel_club_lokaal"};

class WebImportVensterTest : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        FrmImportKorvat::verbindingsinstellingen().tijdslimietMs = 5000;
        m_dienst.zetAntwoord("GetClubs", ClubsVanAntwerpen);
        m_dienst.zetAntwoord("GetMembersRequest", ledenXml({lidXml(1, "654321", "1", "Jan", "Nieuw", "C0")}));
        m_dienst.zetAntwoord("GetClubTeamsRequest",
                             "<ns1:ClubName>TTC Eerste</ns1:ClubName><ns1:TeamCount>1</ns1:TeamCount><ns1:TeamEntries>"
                             "<ns1:TeamId>9</ns1:TeamId><ns1:Team>A</ns1:Team><ns1:DivisionId>4711</ns1:DivisionId>"
                             "<ns1:DivisionName>Afdeling 3A - Prov. Antwerpen - Heren</ns1:DivisionName>"
                             "<ns1:DivisionCategory>1</ns1:DivisionCategory></ns1:TeamEntries>");
        m_dienst.zetAntwoord("GetMatchesRequest",
                             wedstrijdenXml({wedstrijdXml(Reeks3A, "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001",
                                                          "Eerste A", "A002", "Tweede A", 77)}));
    }

    void TearDown() override
    {
        FrmImportKorvat::verbindingsinstellingen() = {};
        BladTest::TearDown();
    }

    FrmImportKorvat& openen(FrmWedstrijdInput& f)
    {
        f.menu("MnuGegevensImportKorvat")->trigger();
        QCoreApplication::processEvents();
        return FrmImportKorvat::standaard();
    }

    /** The first division of the window imported, logged in, and the window closed. */
    void reeksImporteren(FrmWedstrijdInput& f)
    {
        FrmImportKorvat& imp = openen(f);
        imp.strAccount = "club001";
        imp.strPaswoord = "goed";
        imp.LstReeksen->setCurrentRow(0);
        imp.CmdReeksen[0]->click();
        imp.CmdSluiten->click();
    }

    NepDienst m_dienst;
};

} // namespace

TEST_F(WebImportVensterTest, APlainHttpAddressIsRefusedForWhatItIsAndNothingIsContacted)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, "http://api.vttl.invalid/0.7/");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "Het adres van de webdienst (http://api.vttl.invalid/0.7/) begint met http:// in plaats "
                                 "van https://: de gebruikersnaam en het paswoord zouden onbeveiligd verstuurd worden.");
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    EXPECT_TRUE(imp.isVisible());
    EXPECT_EQ(imp.LstClubs->count(), 0);
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
}

TEST_F(WebImportVensterTest, WithoutAnAddressTheWindowSaysSoAndContactsNothing)
{
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    EXPECT_TRUE(imp.isVisible());
    EXPECT_FALSE(imp.LstProvincies->isHidden());
    EXPECT_EQ(imp.LstClubs->count(), 0);
    EXPECT_TRUE(m_dienst.verzoeken().isEmpty());
    // The main window stays enabled.
    EXPECT_TRUE(f.isEnabled());
}

// Closing the window refreshes the main window's lists: they keep the play date and the match that
// the user had chosen (not the play date after today and its first match), so that the scores typed
// next go into that match.
TEST_F(WebImportVensterTest, ClosingTheWindowKeepsThePlayDateAndMatchOnTheSheet)
{
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01001", "A"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "G"));
    testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH02001", "A", "19-09-2010"));
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(f.LstSpeelweek->currentItem()->text(), "19-09-2010");
    f.lijstKiezen(f.LstSpeelweek, 0);
    kiezen(f, "PAH01002");
    FrmImportKorvat& imp = openen(f);
    imp.CmdSluiten->click();
    EXPECT_FALSE(imp.isVisible());
    EXPECT_EQ(f.LstSpeelweek->currentItem()->text(), "12-09-2010");
    EXPECT_EQ(f.LstWedstrijden->currentItem()->text(), "PAH01002: Eerste G - Tweede G");
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/002");
    EXPECT_EQ(core::algemeen().rsMatchen.veld("WedstrNr").tekst(), "PAH01002") << "where the sheet stores";
}

TEST_F(WebImportVensterTest, TheLoginChecksTheAccountAndKeepsItInMemory)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    EXPECT_EQ(imp.LstClubs->count(), 2);
    EXPECT_EQ(imp.LstClubs->currentItem()->text(), "A001 | TTC Eerste"); // the own club
    EXPECT_EQ(imp.LstReeksen->count(), 1);

    imp.MnuInloggenLogin->trigger();
    frmLogin& login = frmLogin::standaard();
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Login", "Gelieve het paswoord in te vullen.");
    login.txtUserName->setText("club001");
    login.CmdOK->click();
    EXPECT_TRUE(login.isVisible());

    // Refused: the labels say so, the typed account stays.
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Informatie, "Login", "De gebruikersnaam of het paswoord is verkeerd.");
    login.txtPassword->setText("fout");
    login.CmdOK->click();
    EXPECT_EQ(imp.LabLogin[2]->text(), "Login geweigerd");
    EXPECT_EQ(imp.strAccount, "club001");
    const auto test = m_dienst.verzoeken("TestRequest").last();
    EXPECT_TRUE(test.inhoud.contains("<ns1:Account>club001</ns1:Account>"));
    EXPECT_EQ(testhulp::verzoekControleren(test.inhoud), QString());

    // Accepted from the menu: only the labels change.
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    imp.MnuInloggenLogin->trigger();
    EXPECT_EQ(frmLogin::standaard().txtUserName->selectedText(), "club001");
    EXPECT_EQ(frmLogin::standaard().txtPassword->text(), "");
    frmLogin::standaard().txtPassword->setText("goed");
    frmLogin::standaard().CmdOK->click();
    EXPECT_EQ(imp.LabLogin[2]->text(), "Login: OK");
    EXPECT_EQ(imp.strPaswoord, "goed");
    EXPECT_TRUE(m_dienst.verzoeken("GetMatchesRequest").isEmpty());
}

TEST_F(WebImportVensterTest, ADivisionImportedAfterTheLoginLoadsOntoTheSheet)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.LstReeksen->setCurrentRow(0);
    EXPECT_TRUE(imp.OptSelectie[4]->isChecked());

    // No login yet: the button asks for one, and the import runs once it is accepted.
    imp.CmdReeksen[0]->click();
    frmLogin& login = frmLogin::standaard();
    ASSERT_TRUE(login.isVisible());
    login.txtUserName->setText("club001");
    login.txtPassword->setText("goed");
    login.CmdOK->click();

    EXPECT_EQ(m_dienst.verzoeken("GetMatchesRequest").size(), 1);
    for (const auto& v : m_dienst.verzoeken())
        EXPECT_EQ(testhulp::verzoekControleren(v.inhoud), QString()) << v.inhoud.toStdString();
    EXPECT_TRUE(imp.isEnabled());
    EXPECT_TRUE(imp.LabINfo[0]->isHidden());

    // Closing the window refreshes the main window's lists; the imported match is on them.
    imp.CmdSluiten->click();
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010")) << regels(f.LstSpeelweek).join(", ").toStdString();
    ASSERT_EQ(regels(f.LstWedstrijden).filter("Eerste A").size(), 1) << regels(f.LstWedstrijden).join(", ").toStdString();
    kiezen(f, "PAH03001");
    EXPECT_EQ(testhulp::matchVeld("nmthuis"), "Eerste A");
    EXPECT_EQ(testhulp::matchVeld("nmuit"), "Tweede A");
    EXPECT_EQ(f.blad.TxtDatum->text(), "18-09-2010");
    EXPECT_EQ(f.blad.LstNaamLokaal->currentText(), "Hal Een");
}

namespace {

// The rows of a query on the program's database, each as its fields joined by "|".
QStringList rijen(const QString& sql)
{
    QStringList uit;
    db::Recordset rs = core::algemeen().dbGegevens.openRecordset(sql);
    for (; !rs.eof(); rs.moveNext()) {
        QStringList velden;
        for (int i = 0; i < rs.aantalVelden(); ++i)
            velden << rs.veld(i).tekst();
        uit << velden.join('|');
    }
    return uit;
}

// Member 654321 of club A002: with a club asked for, only among the men and with its ranking
// index; asked for by number, with its club.
QString ledenVan(const NepDienst::Velden& v)
{
    if (v.contains("UniqueIndex"))
        return ledenXml({lidXml(1, "654321", QString(), "Jan", "Nieuw", "C0", "A002")});
    if (v.value("PlayerCategory", "1") != "1")
        return ledenXml({});
    return ledenXml({lidXml(1, "654321", "7", "Jan", "Nieuw", "C0")});
}

} // namespace

TEST_F(WebImportVensterTest, AClubImportStoresTheClubItsVenueAndItsMembersOfEveryCategory)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    m_dienst.zetAntwoord("GetClubs", [](const NepDienst::Velden&) {
        return clubsXml(
            {clubXml("A002", "TTC Twee", 4, "Antwerpen", {lokaalXml(802, 1, "Hal Twee", "Laan, 2", "2600 Berchem")})});
    });
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstClubs->count(), 1);
    imp.LstClubs->setCurrentRow(0);
    EXPECT_TRUE(imp.OptSelectie[2]->isChecked());
    EXPECT_TRUE(imp.ChkEnkelSterktelijsten->isHidden()); // not the own club
    EXPECT_EQ(regels(imp.LstLeden), QStringList({"654321 | C0 | Nieuw Jan"}));
    m_dienst.wis();

    imp.CmdReeksen[0]->click();

    // The club once, then its members category by category, each request in the schema's form.
    QStringList gevraagd;
    for (const auto& v : m_dienst.verzoeken()) {
        EXPECT_EQ(testhulp::verzoekControleren(v.inhoud), QString()) << v.inhoud.toStdString();
        if (v.operatie == "GetMembersRequest") {
            const QByteArray cat = v.inhoud.mid(v.inhoud.indexOf("PlayerCategory>") + 15);
            gevraagd << "leden " + QString::fromUtf8(cat.left(cat.indexOf('<')));
        } else if (v.operatie != "TestRequest") {
            gevraagd << v.operatie;
        }
    }
    EXPECT_EQ(gevraagd, QStringList({"GetClubs", "leden 1", "leden 2", "leden 3", "leden 27"}));
    EXPECT_EQ(rijen("SELECT Provincie, ClubNr, ClubNaam, Ploegnaam, Geschrapt, Importeren FROM Clubs WHERE ClubNr = '002'"),
              QStringList({"1|002|TTC Twee|TTC Twee|N|J"}));
    EXPECT_EQ(rijen("SELECT Naam, Straat, Postnummer, Gemeente, id_zelm FROM Lokalen WHERE id_zelm = 802"),
              QStringList({"Hal Twee|Laan 2|2600|Berchem|802"}));
    EXPECT_EQ(rijen("SELECT r.volgorde FROM rel_club_lokaal r, Lokalen l WHERE r.id_lokaal = l.id AND l.id_zelm = 802 "
                    "AND r.clubnummer = 2 AND r.provincie = 1"),
              QStringList({"1"}));
    // The club's earlier members are struck off; the one returned is stored on the men's list only.
    EXPECT_EQ(rijen("SELECT DISTINCT Geschrapt FROM Leden WHERE Clubnummer = '002' AND CompNr <> '654321'"),
              QStringList({"J"}));
    EXPECT_EQ(rijen("SELECT Naam, KlasHeren, RecInt, Provincie, Clubnummer, Geschrapt, Leeftijdsreeks FROM Leden "
                    "WHERE CompNr = '654321'"),
              QStringList({"Nieuw Jan|C0|I|1|002|N|SEN"}));
    EXPECT_EQ(rijen("SELECT Seizoen, Provincie, Clubnummer, Soort, Volgorde, \"Index\", Computernummer FROM Sterktelijst "
                    "WHERE Clubnummer = '002'"),
              QStringList({"2010-2011|1|002|Heren|1|7|654321"}));
    // The own club's list is untouched.
    EXPECT_EQ(rijen("SELECT count(*) FROM Sterktelijst WHERE Clubnummer = '001'"), QStringList({"4"}));
    EXPECT_TRUE(imp.isEnabled());
    EXPECT_TRUE(imp.LabINfo[0]->isHidden());
}

TEST_F(WebImportVensterTest, AMemberFoundByNumberIsImportedWithItsClubAndNoStrengthList)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";

    // Five digits search nothing; the sixth does, with the account's extended information.
    m_dienst.wis();
    imp.TxtTeZoeken[0]->setText("65432");
    EXPECT_TRUE(m_dienst.verzoeken("GetMembersRequest").isEmpty());
    imp.TxtTeZoeken[0]->setText("654321");
    EXPECT_EQ(regels(imp.LstZoekresultaten), QStringList({"654321 | A002 | C0 | Nieuw Jan"}));
    EXPECT_FALSE(imp.CmdReeksen[1]->isEnabled());
    imp.LstZoekresultaten->setCurrentRow(0);
    ASSERT_TRUE(imp.CmdReeksen[1]->isEnabled());
    m_dienst.wis();

    imp.CmdReeksen[1]->click();

    // One fetch of the member (no category: the men's), then its province's clubs.
    const auto leden = m_dienst.verzoeken("GetMembersRequest");
    ASSERT_EQ(leden.size(), 1);
    EXPECT_TRUE(leden[0].inhoud.contains("<ns1:UniqueIndex>654321</ns1:UniqueIndex>"));
    EXPECT_FALSE(leden[0].inhoud.contains("PlayerCategory"));
    const auto clubs = m_dienst.verzoeken("GetClubs");
    ASSERT_EQ(clubs.size(), 1);
    EXPECT_TRUE(clubs[0].inhoud.contains("<ns1:ClubCategory>4</ns1:ClubCategory>"));
    for (const auto& v : m_dienst.verzoeken())
        EXPECT_EQ(testhulp::verzoekControleren(v.inhoud), QString()) << v.inhoud.toStdString();

    EXPECT_EQ(rijen("SELECT Naam, KlasHeren, Provincie, Clubnummer, Geschrapt FROM Leden WHERE CompNr = '654321'"),
              QStringList({"Nieuw Jan|C0|1|002|N"}));
    EXPECT_EQ(rijen("SELECT count(*) FROM Sterktelijst WHERE Computernummer = '654321'"), QStringList({"0"}));
    // The Heren lists of both clubs stay as they were.
    EXPECT_EQ(rijen("SELECT count(*) FROM Sterktelijst"), QStringList({"8"}));
    EXPECT_EQ(rijen("SELECT ClubNaam, Importeren FROM Clubs WHERE Provincie = 1 AND ClubNr = '002'"),
              QStringList({"TTC Tweede|J"}));
    EXPECT_TRUE(imp.isEnabled());
}

namespace {

// Club A002's men as the service lists them (places 1 to 4, their ranking indexes), and one member
// asked for alone as the 0.7 server answers (no ranking index, place 1 of that answer) or as a newer
// server does (a ranking index too). Other categories hold nobody.
struct LedenVanTweede
{
    QHash<QString, QString> klassering{{"500005", "C2"}, {"500006", "C2"}, {"500007", "C4"}, {"500008", "C6"}};
    bool nieuwereServer = false;

    QString operator()(const NepDienst::Velden& v) const
    {
        if (v.value("PlayerCategory", "1") != "1")
            return ledenXml({});
        const auto lid = [&](int positie, const QString& nr, const QString& index, bool metClub) {
            return lidXml(positie, nr, index, "Speler", "Nr " + nr, klassering.value(nr), metClub ? "A002" : "");
        };
        if (v.contains("UniqueIndex"))
            return ledenXml({lid(1, v.value("UniqueIndex"), nieuwereServer ? "1" : "", true)});
        const QStringList nummers{"500005", "500006", "500007", "500008"};
        const QStringList indexen{"3", "5", "6", "9"};
        QStringList uit;
        for (int i = 0; i < 4; ++i)
            uit << lid(i + 1, nummers[i], indexen[i], nieuwereServer);
        return ledenXml(uit);
    }
};

} // namespace

// "Geselecteerd lid" asks for the member without naming his club: the answer's place is 1 and the
// 0.7 server sends no ranking index. His place on the club's list and his index stay as the club's
// own answer gave them; his ranking follows the answer.
TEST_F(WebImportVensterTest, OneMemberImportedAloneKeepsHisPlaceAndIndexOnTheStrengthList)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    auto leden = std::make_shared<LedenVanTweede>();
    m_dienst.zetAntwoord("GetMembersRequest", [leden](const NepDienst::Velden& v) { return (*leden)(v); });
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstClubs->count(), 2);
    imp.LstClubs->setCurrentRow(1);
    ASSERT_EQ(imp.LstClubs->currentItem()->text(), "A002 | TTC Tweede");
    imp.CmdReeksen[0]->click();
    const QString lijst = "SELECT Volgorde, Volgnummer, \"Index\", Computernummer, Naam, Klassering, Recreant FROM Sterktelijst "
                          "WHERE Seizoen = '2010-2011' AND Provincie = 1 AND Clubnummer = '002' AND Soort = 'Heren' "
                          "ORDER BY Volgorde, Computernummer";
    ASSERT_EQ(rijen(lijst), QStringList({"1|1|3|500005|Nr 500005 Speler|C2|I", "2|2|5|500006|Nr 500006 Speler|C2|I",
                                         "3|3|6|500007|Nr 500007 Speler|C4|I", "4|4|9|500008|Nr 500008 Speler|C6|I"}));
    const QStringList eigenLijst = rijen("SELECT * FROM Sterktelijst WHERE Clubnummer = '001' ORDER BY Volgorde");

    const auto alleenImporteren = [&](const QString& nr) {
        ASSERT_EQ(regels(imp.LstLeden).filter(nr).size(), 1) << regels(imp.LstLeden).join(", ").toStdString();
        imp.LstLeden->setCurrentRow(static_cast<int>(regels(imp.LstLeden).indexOf(regels(imp.LstLeden).filter(nr).first())));
        ASSERT_TRUE(imp.OptSelectie[3]->isChecked());
        m_dienst.wis();
        imp.CmdReeksen[0]->click();
        const auto gevraagd = m_dienst.verzoeken("GetMembersRequest");
        ASSERT_EQ(gevraagd.size(), 4);
        for (const auto& v : gevraagd) {
            EXPECT_TRUE(v.inhoud.contains("<ns1:UniqueIndex>" + nr.toUtf8() + "</ns1:UniqueIndex>"));
            EXPECT_FALSE(v.inhoud.contains("Club>")) << "the member is asked for without his club";
            EXPECT_EQ(testhulp::verzoekControleren(v.inhoud), QString()) << v.inhoud.toStdString();
        }
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    };

    // The 0.7 server: his ranking went up to B6.
    leden->klassering["500006"] = "B6";
    alleenImporteren("500006");
    EXPECT_EQ(rijen(lijst), QStringList({"1|1|3|500005|Nr 500005 Speler|C2|I", "2|2|5|500006|Nr 500006 Speler|B6|I",
                                         "3|3|6|500007|Nr 500007 Speler|C4|I", "4|4|9|500008|Nr 500008 Speler|C6|I"}));
    EXPECT_EQ(rijen("SELECT Naam, KlasHeren, RecInt, Clubnummer, Geschrapt FROM Leden WHERE CompNr = '500006'"),
              QStringList({"Nr 500006 Speler|B6|I|002|N"}));

    // A newer server sends a ranking index with the member alone too: his place in that answer.
    leden->nieuwereServer = true;
    leden->klassering["500007"] = "B4";
    alleenImporteren("500007");
    EXPECT_EQ(rijen(lijst), QStringList({"1|1|3|500005|Nr 500005 Speler|C2|I", "2|2|5|500006|Nr 500006 Speler|B6|I",
                                         "3|3|6|500007|Nr 500007 Speler|B4|I", "4|4|9|500008|Nr 500008 Speler|C6|I"}));
    EXPECT_EQ(rijen("SELECT KlasHeren, Geschrapt FROM Leden WHERE CompNr = '500007'"), QStringList({"B4|N"}));
    EXPECT_EQ(rijen("SELECT * FROM Sterktelijst WHERE Clubnummer = '001' ORDER BY Volgorde"), eigenLijst);
    EXPECT_TRUE(imp.isEnabled());
}

TEST_F(WebImportVensterTest, TabbingThroughTheListsChoosesNothingAndTheClickedClubIsImported)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstClubs->currentRow(), 0); // the own club, chosen at load
    ASSERT_TRUE(imp.OptSelectie[2]->isChecked());
    QApplication::setActiveWindow(&imp);
    imp.LstClubs->setFocus(Qt::TabFocusReason);
    m_dienst.wis();

    // Through the members and the divisions: nothing chosen, nothing fetched, the club still selected.
    QTest::keyClick(imp.LstClubs, Qt::Key_Tab);
    ASSERT_TRUE(imp.LstLeden->hasFocus());
    QTest::keyClick(imp.LstLeden, Qt::Key_Tab);
    ASSERT_TRUE(imp.LstReeksen->hasFocus());
    EXPECT_EQ(imp.LstLeden->currentRow(), -1);
    EXPECT_EQ(imp.LstReeksen->currentRow(), -1);
    EXPECT_TRUE(imp.OptSelectie[2]->isChecked());
    EXPECT_FALSE(imp.OptSelectie[3]->isChecked());
    EXPECT_FALSE(imp.OptSelectie[4]->isChecked());
    EXPECT_TRUE(m_dienst.verzoeken().isEmpty());

    // The import button imports the club, not a division.
    imp.CmdReeksen[0]->click();
    ASSERT_FALSE(m_dienst.verzoeken("GetClubs").isEmpty());
    EXPECT_TRUE(m_dienst.verzoeken("GetClubs").first().inhoud.contains("A001"));

    // The user's own choice in a list still chooses.
    imp.LstLeden->setFocus(Qt::TabFocusReason);
    QTest::keyClick(imp.LstLeden, Qt::Key_Down);
    EXPECT_TRUE(imp.OptSelectie[3]->isChecked());
    EXPECT_FALSE(imp.OptSelectie[2]->isChecked());
}

TEST_F(WebImportVensterTest, TheLoginOpensInTheUserNameAndEnterConfirmsFromEitherField)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.MnuInloggenLogin->trigger();
    frmLogin& login = frmLogin::standaard();
    ASSERT_TRUE(login.isVisible());
    EXPECT_EQ(login.focusWidget(), login.txtUserName);

    // Enter in the user name with no password asks for it, as OK does.
    QTest::keyClicks(login.txtUserName, "club001");
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Login", "Gelieve het paswoord in te vullen.");
    QTest::keyClick(login.txtUserName, Qt::Key_Return);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(login.focusWidget(), login.txtPassword);

    // Enter in the password confirms: the account is checked and kept.
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    QTest::keyClicks(login.txtPassword, "goed");
    QTest::keyClick(login.txtPassword, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(imp.strAccount, "club001");
    EXPECT_EQ(imp.strPaswoord, "goed");
    EXPECT_EQ(imp.LabLogin[2]->text(), "Login: OK");

    // Every opening starts in the user name, wherever the focus was when it closed.
    imp.MnuInloggenLogin->trigger();
    login.CmdOK->setFocus();
    login.cmdCancel->click();
    imp.MnuInloggenLogin->trigger();
    EXPECT_EQ(login.focusWidget(), login.txtUserName);
    EXPECT_EQ(login.txtUserName->selectedText(), "club001");
}

TEST_F(WebImportVensterTest, EveryOpeningStartsFromTheDesignButKeepsTheLogin)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);

    // An opening's work: a login, the own club's strength lists only, a member found and chosen.
    imp.MnuInloggenLogin->trigger();
    frmLogin::standaard().txtUserName->setText("club001");
    frmLogin::standaard().txtPassword->setText("goed");
    frmLogin::standaard().CmdOK->click();
    ASSERT_EQ(imp.LabLogin[2]->text(), "Login: OK");
    ASSERT_FALSE(imp.ChkEnkelSterktelijsten->isHidden());
    imp.ChkEnkelSterktelijsten->setChecked(true);
    imp.OptSpelerZoeken[1]->setChecked(true);
    imp.OptSpelerZoeken[0]->setChecked(true);
    imp.TxtTeZoeken[0]->setText("654321");
    ASSERT_EQ(imp.LstZoekresultaten->count(), 1);
    imp.LstZoekresultaten->setCurrentRow(0);
    ASSERT_TRUE(imp.CmdReeksen[1]->isEnabled());
    imp.CmdSluiten->click();

    FrmImportKorvat& weer = openen(f);
    EXPECT_FALSE(weer.ChkEnkelSterktelijsten->isChecked()) << "the next own-club import takes everything again";
    EXPECT_FALSE(weer.ChkEnkelSterktelijsten->isHidden()) << "the own club is chosen at load";
    EXPECT_EQ(weer.TxtTeZoeken[0]->text(), "");
    EXPECT_EQ(weer.LstZoekresultaten->count(), 0);
    EXPECT_FALSE(weer.CmdReeksen[1]->isEnabled());
    EXPECT_TRUE(weer.OptSpelerZoeken[0]->isChecked());
    EXPECT_TRUE(weer.LabWildcard->isHidden());
    EXPECT_TRUE(weer.LabLogin[2]->isHidden());
    EXPECT_EQ(weer.LabLogin[2]->text(), "");
    for (QLabel* info : weer.LabINfo)
        EXPECT_TRUE(info->isHidden());
    // The login itself is kept, and shown.
    EXPECT_EQ(weer.strAccount, "club001");
    EXPECT_EQ(weer.strPaswoord, "goed");
    EXPECT_FALSE(weer.LabLogin[1]->isHidden());
    EXPECT_EQ(weer.LabLogin[1]->text(), "club001");
    EXPECT_EQ(weer.LstClubs->currentItem()->text(), "A001 | TTC Eerste");
    EXPECT_TRUE(weer.OptSelectie[2]->isChecked());
}

// The own club with two divisions, the second of which the database refuses part-way: nothing of
// the club is stored, not the first division, and not its choice as the own club either.
TEST_F(WebImportVensterTest, AClubImportThatFailsPartWayStoresNothingOfTheClub)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    testhulp::optieZetten(m_db, "ClubNr", "");
    m_dienst.zetAntwoord("GetClubTeamsRequest",
                         "<ns1:ClubName>TTC Eerste</ns1:ClubName><ns1:TeamCount>2</ns1:TeamCount>"
                         "<ns1:TeamEntries><ns1:TeamId>9</ns1:TeamId><ns1:Team>A</ns1:Team><ns1:DivisionId>4711</ns1:DivisionId>"
                         "<ns1:DivisionName>Afdeling 3A - Prov. Antwerpen - Heren</ns1:DivisionName>"
                         "<ns1:DivisionCategory>1</ns1:DivisionCategory></ns1:TeamEntries>"
                         "<ns1:TeamEntries><ns1:TeamId>10</ns1:TeamId><ns1:Team>B</ns1:Team><ns1:DivisionId>4712</ns1:DivisionId>"
                         "<ns1:DivisionName>Afdeling 4B - Prov. Antwerpen - Heren</ns1:DivisionName>"
                         "<ns1:DivisionCategory>1</ns1:DivisionCategory></ns1:TeamEntries>");
    m_dienst.zetAntwoord("GetMatchesRequest", [](const NepDienst::Velden& v) {
        const bool tweede = v.value("DivisionId") == "4712";
        const QString ploeg = tweede ? "B" : "A";
        return wedstrijdenXml({wedstrijdXml(tweede ? "Afdeling 4B - Prov. Antwerpen - Heren" : Reeks3A,
                                            tweede ? "PAH04/001" : "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001",
                                            "Eerste " + ploeg, "A002", "Tweede " + ploeg, tweede ? 78 : 77)});
    });
    FrmWedstrijdInput& f = starten();
    core::Algemeen& a = core::algemeen();
    const QString clubNr = a.strClubNr;
    const QString clubProv = a.strClubProv;
    for (const char* wanneer : {"INSERT", "UPDATE"}) {
        a.dbGegevens.uitvoeren(QStringLiteral("CREATE TRIGGER weigeren%1 BEFORE %1 ON Matchen WHEN substr(NEW.WedstrNr, 1, 5) = 'PAH04' "
                                              "BEGIN SELECT RAISE(ABORT, 'schrijven geweigerd'); END")
                                   .arg(wanneer));
    }
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    imp.LstClubs->setCurrentRow(0);
    ASSERT_EQ(imp.LstReeksen->count(), 2);
    m_dienst.wis();

    imp.CmdReeksen[0]->click();

    EXPECT_EQ(m_dienst.verzoeken("GetMatchesRequest").size(), 2) << "the second division was reached";
    const auto getoond = m_meldingen->getoond(ui::TestMeldingen::Soort::Kritiek);
    ASSERT_EQ(getoond.size(), 1) << m_meldingen->verslag().toStdString();
    EXPECT_TRUE(getoond[0].tekst.contains("schrijven geweigerd")) << getoond[0].tekst.toStdString();
    EXPECT_TRUE(getoond[0].tekst.endsWith("Er werd niets gewijzigd.")) << getoond[0].tekst.toStdString();
    m_meldingen->wis();
    EXPECT_EQ(rijen("SELECT WedstrNr FROM Matchen WHERE substr(WedstrNr, 1, 4) = 'PAH0'"), QStringList());
    EXPECT_EQ(rijen("SELECT count(*) FROM Reeksen WHERE id_zelm IN (4711, 4712)"), QStringList({"0"}));
    EXPECT_EQ(rijen("SELECT Item FROM Opties WHERE Soort = 'ClubNr'"), QStringList({""}));
    EXPECT_EQ(a.strClubNr, clubNr);
    EXPECT_EQ(a.strClubProv, clubProv);
    EXPECT_TRUE(imp.isEnabled());
}

TEST_F(WebImportVensterTest, AClubWhoseVenueCountDiffersFromItsVenuesIsImportedWithTheVenuesItLists)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    // The count says one venue, the entries hold two.
    m_dienst.zetAntwoord("GetClubs", [](const NepDienst::Velden&) {
        return clubsXml({clubXml("A002", "TTC Twee", 4, "Antwerpen",
                                 {lokaalXml(802, 1, "Hal Twee", "Laan 2", "2600 Berchem"),
                                  lokaalXml(803, 2, "Hal Drie", "Weg 3", "2100 Deurne")},
                                 1)});
    });
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstClubs->count(), 1);
    imp.LstClubs->setCurrentRow(0);

    imp.CmdReeksen[0]->click();

    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(rijen("SELECT ClubNaam, Importeren FROM Clubs WHERE Provincie = 1 AND ClubNr = '002'"),
              QStringList({"TTC Twee|J"}));
    EXPECT_EQ(rijen("SELECT l.id_zelm, l.Naam, r.volgorde FROM rel_club_lokaal r, Lokalen l WHERE r.id_lokaal = l.id "
                    "AND r.clubnummer = 2 AND r.provincie = 1 AND l.id_zelm > 0 ORDER BY r.volgorde"),
              QStringList({"802|Hal Twee|1", "803|Hal Drie|2"}));
    EXPECT_EQ(rijen("SELECT Naam, Clubnummer, Geschrapt FROM Leden WHERE CompNr = '654321'"),
              QStringList({"Nieuw Jan|002|N"}));
}

TEST_F(WebImportVensterTest, AMembersAnswerNestedTooDeepIsReportedAndStoresNothing)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstClubs->count(), 2);
    imp.LstClubs->setCurrentRow(1);
    const QStringList clubs = rijen("SELECT * FROM Clubs ORDER BY Provincie, ClubNr");
    const QStringList leden = rijen("SELECT * FROM Leden ORDER BY CompNr");
    const QStringList lokalen = rijen("SELECT * FROM Lokalen ORDER BY id");
    ASSERT_FALSE(leden.isEmpty());

    // A hostile or broken server: the members' answer nested 43,000 levels deep.
    const QByteArray diep = QByteArray("<ns1:MemberEntries>").repeated(43000) + QByteArray("</ns1:MemberEntries>").repeated(43000);
    m_dienst.zetRuwAntwoord("GetMembersRequest", 200,
                            NepDienst::envelop("GetMembersResponse", "<ns1:MemberCount>1</ns1:MemberCount>")
                                .replace("</ns1:MemberCount>", "</ns1:MemberCount>" + diep));
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "De leden van club A002 konden niet opgehaald worden: Het antwoord van de webdienst is "
                                 "onleesbaar. Het document is dieper genest dan 48 niveaus.\nEr werd niets gewijzigd.");
    imp.CmdReeksen[0]->click();

    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(rijen("SELECT * FROM Clubs ORDER BY Provincie, ClubNr"), clubs);
    EXPECT_EQ(rijen("SELECT * FROM Leden ORDER BY CompNr"), leden);
    EXPECT_EQ(rijen("SELECT * FROM Lokalen ORDER BY id"), lokalen);
    EXPECT_TRUE(imp.isEnabled());
}

namespace {

// Every column of a match row, "name=value"; Null shows as <null>, apart from the empty text and a blank.
QStringList matchRij(const QString& wedstrNr)
{
    db::Recordset rs =
        core::algemeen().dbGegevens.openRecordset(QStringLiteral("SELECT * FROM Matchen WHERE WedstrNr = ?"), {wedstrNr});
    QStringList velden;
    if (rs.eof())
        return velden;
    for (int i = 0; i < rs.aantalVelden(); ++i)
        velden << rs.veldNaam(i) + "=" + (rs.veld(i).isNull() ? QStringLiteral("<null>") : rs.veld(i).tekst());
    return velden;
}

// The calendar of a division of two matches on 18-09-2010, the clubs' sides swapped in the second.
const QString TweeWedstrijden =
    wedstrijdenXml({wedstrijdXml(Reeks3A, "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001", "Eerste A", "A002",
                                 "Tweede A", 77),
                    wedstrijdXml(Reeks3A, "PAH03/002", "01", "2010-09-18", "19:30:00", 0, "A002", "Tweede B", "A001",
                                 "Eerste B", 78)});

} // namespace

// Clubs import their calendar again during the season to get its changes: a match the database
// already holds gets the new calendar, but what the club typed on its sheet stays, a forfeit too.
TEST_F(WebImportVensterTest, ImportingTheCalendarAgainKeepsWhatTheClubTypedOnItsSheets)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    m_dienst.zetAntwoord("GetMatchesRequest", TweeWedstrijden);
    FrmWedstrijdInput& f = starten();
    reeksImporteren(f);
    // A new match starts with nobody absent, no forfeit and the agreement to play two by two.
    EXPECT_EQ(rijen("SELECT WedstrNr, AFWTH1 || AFWTH2 || AFWTH3 || AFWTH4 || AFWUIT1 || AFWUIT2 || AFWUIT3 || AFWUIT4, "
                    "forfaitth, forfaituit, Akkoord2aan2 FROM Matchen WHERE WedstrNr LIKE 'PAH03*' ORDER BY WedstrNr"),
              QStringList({"PAH03001|NNNNNNNN|N|N|J", "PAH03002|NNNNNNNN|N|N|J"}));

    // The home team of the first match forfeits, ticked on the sheet.
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010")) << regels(f.LstSpeelweek).join(", ").toStdString();
    kiezen(f, "PAH03001");
    f.blad.ChkForfaitT->click();
    ASSERT_EQ(testhulp::matchVeld("forfaitth"), "J");
    ASSERT_EQ(testhulp::matchVeld("W04"), "/");
    // The second was played, with a visitor absent, and the club filled in the rest of its sheet.
    core::algemeen().dbGegevens.uitvoeren(
        "UPDATE Matchen SET THUISSP1 = '500005', THUISSP2 = '500006', THUISSP3 = '500007', THUISSP4 = '500008', "
        "UITSP1 = '500001', UITSP2 = '500002', UITSP3 = '500003', AFWUIT4 = 'J', WOU4 = '113', "
        "KapiteinT = '500005', KapiteinU = '500001', HoofdschCompnr = '500006', HoofdSchNaam = 'Speler 6', "
        "Einduur = '17.45', VoorbehoudT = 'Tafel 2 te klein', Opmerk1 = '500005500006', Akkoord2aan2 = 'N', "
        "W01 = '+', W01Set1T = '11', W01Set1U = '5', W01Set2T = '11', W01Set2U = '7', W01Set3T = '11', W01Set3U = '9', "
        "W04 = '-', W04Set1T = '0', W04Set1U = '11', W04Set2T = '9', W04Set2U = '11', W04Set3T = '7', W04Set3U = '11', "
        "Ingeput = 'J' WHERE WedstrNr = 'PAH03002'");
    const QStringList forfait = matchRij("PAH03001");
    const QStringList gespeeld = matchRij("PAH03002");
    ASSERT_FALSE(forfait.isEmpty());
    ASSERT_FALSE(gespeeld.isEmpty());

    reeksImporteren(f);
    EXPECT_EQ(m_dienst.verzoeken("GetMatchesRequest").size(), 2);
    EXPECT_EQ(matchRij("PAH03001"), forfait);
    EXPECT_EQ(matchRij("PAH03002"), gespeeld);

    // Shown again, the forfeit is whole: every game goes to the visitors.
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010"));
    kiezen(f, "PAH03001");
    EXPECT_TRUE(f.blad.ChkForfaitT->isChecked());
    EXPECT_EQ(f.blad.TxtResT->text() + "-" + f.blad.TxtResU->text(), "0-16");
    EXPECT_EQ(testhulp::matchVeld("W01") + testhulp::matchVeld("W04") + testhulp::matchVeld("W16"), "///");
}

// A visitors' forfeit ticked on the sheet stays through a calendar imported again, as the home
// team's does.
TEST_F(WebImportVensterTest, ImportingTheCalendarAgainKeepsAVisitorsForfeit)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    m_dienst.zetAntwoord("GetClubs", ClubsMetLokalen);
    m_dienst.zetAntwoord("GetMatchesRequest", TweeWedstrijden);
    FrmWedstrijdInput& f = starten();
    reeksImporteren(f);
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010")) << regels(f.LstSpeelweek).join(", ").toStdString();
    kiezen(f, "PAH03002");
    f.blad.ChkForfaitUit->click();
    ASSERT_EQ(testhulp::matchVeld("forfaituit") + testhulp::matchVeld("forfaitth"), "JN");
    const QStringList forfait = matchRij("PAH03002");

    reeksImporteren(f);
    EXPECT_EQ(matchRij("PAH03002"), forfait);
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010"));
    kiezen(f, "PAH03002");
    EXPECT_TRUE(f.blad.ChkForfaitUit->isChecked());
    EXPECT_FALSE(f.blad.ChkForfaitT->isChecked());
    EXPECT_EQ(f.blad.TxtResT->text() + "-" + f.blad.TxtResU->text(), "16-0");
}

// A club whose only venue is its second one, on an installation that knows none of its venues: its
// home match at venue 2 is at that hall, on the sheet too.
TEST_F(WebImportVensterTest, AHomeMatchAtAClubsOnlyVenueNumberedTwoIsAtThatHall)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    m_dienst.zetAntwoord("GetClubs", ClubsMetLokalen);
    m_dienst.zetAntwoord("GetMatchesRequest",
                         wedstrijdenXml({wedstrijdXml(Reeks3A, "PAH03/001", "01", "2010-09-18", "19:30:00", 2, "A002",
                                                      "Tweede A", "A001", "Eerste A", 77)}));
    FrmWedstrijdInput& f = starten();
    ASSERT_EQ(rijen("SELECT count(*) FROM rel_club_lokaal WHERE clubnummer = 2"), QStringList({"0"}));
    reeksImporteren(f);
    // The division is kept by its own id in the service, not by the id of the club's team in it.
    EXPECT_EQ(rijen("SELECT id_zelm, ReeksNr FROM Reeksen WHERE Naam = '" + Reeks3A + "'"), QStringList({"4711|4711"}));
    EXPECT_EQ(rijen("SELECT DISTINCT d.id_zelm_reeks FROM Datums d, Matchen m WHERE m.WedstrNr = 'PAH03001' AND m.Datum = d.Datum"), QStringList({"4711"}));

    EXPECT_EQ(rijen("SELECT l.Naam, r.volgorde FROM rel_club_lokaal r, Lokalen l WHERE r.id_lokaal = l.id "
                    "AND r.clubnummer = 2 AND r.provincie = 1"),
              QStringList({"Sporthal Rooi|2"}));
    EXPECT_EQ(rijen("SELECT l.Naam FROM Matchen m, Lokalen l WHERE m.Zaal = l.id AND m.WedstrNr = 'PAH03001'"),
              QStringList({"Sporthal Rooi"}));
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "18-09-2010")) << regels(f.LstSpeelweek).join(", ").toStdString();
    kiezen(f, "PAH03001");
    EXPECT_EQ(f.blad.LstNaamLokaal->currentText(), "Sporthal Rooi");
}

// A match the competition moves is listed under its new date; the other matches of its week, the
// weeks after it and a match not dated yet stay under their own play dates.
TEST_F(WebImportVensterTest, AMatchMovedByTheCompetitionIsListedUnderItsNewDateAlone)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("TestRequest", testAntwoord(true));
    m_dienst.zetAntwoord("GetClubs", ClubsMetLokalen);
    QString verzet = "2010-09-18";
    m_dienst.zetAntwoord("GetMatchesRequest", [&verzet](const NepDienst::Velden&) {
        return wedstrijdenXml({wedstrijdXml(Reeks3A, "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001", "Eerste A",
                                            "A002", "Tweede A", 77),
                               wedstrijdXml(Reeks3A, "PAH03/002", "01", verzet, "19:30:00", 0, "A002", "Tweede B", "A001",
                                            "Eerste B", 78),
                               wedstrijdXml(Reeks3A, "PAH03/003", "01", "2010-09-18", "19:30:00", 0, "A002", "Tweede C",
                                            "A001", "Eerste C", 79),
                               wedstrijdXml(Reeks3A, "PAH03/004", "02", "2010-09-25", "14:00:00", 1, "A001", "Eerste B",
                                            "A002", "Tweede A", 80),
                               wedstrijdXml(Reeks3A, "PAH03/005", "02", "", "", 0, "A002", "Tweede B", "A001", "Eerste A",
                                            81)});
    });
    FrmWedstrijdInput& f = starten();
    const auto wedstrijdenOp = [&](const QString& datum) {
        EXPECT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, datum)) << regels(f.LstSpeelweek).join(", ").toStdString();
        QStringList nummers;
        for (const QString& regel : regels(f.LstWedstrijden))
            nummers << regel.left(regel.indexOf(':'));
        return nummers;
    };
    reeksImporteren(f);
    ASSERT_EQ(wedstrijdenOp("25-09-2010"), QStringList({"PAH03004", "PAH03005"}));

    // Postponed to March and imported again.
    verzet = "2011-03-05";
    reeksImporteren(f);
    EXPECT_EQ(wedstrijdenOp("05-03-2011"), QStringList({"PAH03002"}));
    EXPECT_EQ(wedstrijdenOp("18-09-2010"), QStringList({"PAH03001", "PAH03003"}));
    EXPECT_EQ(wedstrijdenOp("25-09-2010"), QStringList({"PAH03004", "PAH03005"}));
}

// Every province asks for its own club category, the last one (11, the external clubs) too; a
// member of an external club found by his number brings his club from that category.
TEST_F(WebImportVensterTest, EveryProvinceUpToTheLastAsksForItsClubCategory)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetClubs", [](const NepDienst::Velden& v) {
        if (v.value("ClubCategory") != "12")
            return ClubsVanAntwerpen;
        return clubsXml({clubXml("EXT123", "TTC Buiten", 12, "Extern")});
    });
    m_dienst.zetAntwoord("GetMembersRequest", [](const NepDienst::Velden& v) {
        if (v.value("UniqueIndex") != "777777")
            return ledenVan(v);
        return ledenXml({lidXml(1, "777777", QString(), "Els", "Ver", "B2", "EXT123")});
    });
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";

    const QHash<int, QString> categorieen{{1, "4"}, {2, "8"}, {3, "7"}, {4, "10"}, {5, "9"}, {6, "11"},
                                          {7, "5"}, {8, "2"}, {9, "3"}, {10, "6"}, {11, "12"}};
    QHash<int, QString> gevraagd;
    int externRij = -1;
    for (int rij = 0; rij < imp.LstProvincies->count(); ++rij) {
        const int nr = imp.LstProvincies->item(rij)->data(Qt::UserRole).toInt();
        if (!categorieen.contains(nr))
            continue;
        // The user's own province is chosen when the window opens: another row first, so that each
        // row is a new choice.
        imp.LstProvincies->setCurrentRow(rij == 0 ? 1 : 0);
        m_dienst.wis();
        imp.LstProvincies->setCurrentRow(rij);
        const auto clubs = m_dienst.verzoeken("GetClubs");
        ASSERT_EQ(clubs.size(), 1) << nr;
        const QByteArray inhoud = clubs[0].inhoud.mid(clubs[0].inhoud.indexOf("ClubCategory>") + 13);
        gevraagd.insert(nr, QString::fromUtf8(inhoud.left(inhoud.indexOf('<'))));
        if (nr == 11)
            externRij = rij;
    }
    EXPECT_EQ(gevraagd, categorieen);
    ASSERT_GE(externRij, 0);
    imp.LstProvincies->setCurrentRow(externRij);
    EXPECT_EQ(regels(imp.LstClubs), QStringList({"EXT123 | TTC Buiten"}));

    // A member of that club found by his number: his club comes from the clubs of category 12.
    imp.TxtTeZoeken[0]->setText("777777");
    ASSERT_EQ(imp.LstZoekresultaten->count(), 1);
    imp.LstZoekresultaten->setCurrentRow(0);
    m_dienst.wis();
    imp.CmdReeksen[1]->click();
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    const auto clubs = m_dienst.verzoeken("GetClubs");
    ASSERT_EQ(clubs.size(), 1);
    EXPECT_TRUE(clubs[0].inhoud.contains("<ns1:ClubCategory>12</ns1:ClubCategory>")) << clubs[0].inhoud.toStdString();
    EXPECT_EQ(rijen("SELECT Naam, KlasHeren, Provincie, Clubnummer, Geschrapt FROM Leden WHERE CompNr = '777777'"),
              QStringList({"Ver Els|B2|11|123|N"}));
    EXPECT_EQ(rijen("SELECT Provincie, ClubNr, ClubNaam, Importeren FROM Clubs WHERE ClubNr = '123'"),
              QStringList({"11|123|TTC Buiten|J"}));
}

namespace {

// The men of the clubs as the service lists them: member number to club, ranking and status, in
// the order of their places.
struct Ledenlijsten
{
    struct Lid
    {
        QString nr;
        QString club;
        QString klassering;
        QString status = QStringLiteral("A");
    };
    QList<Lid> leden;

    QString operator()(const NepDienst::Velden& v) const
    {
        if (v.value("PlayerCategory", "1") != "1")
            return ledenXml({});
        QStringList uit;
        for (const Lid& l : leden) {
            if (l.club == v.value("Club"))
                uit << lidXml(uit.size() + 1, l.nr, QString::number(uit.size() + 1), "Speler", "Nr " + l.nr,
                              l.klassering, QString(), l.status);
        }
        return ledenXml(uit);
    }
};

} // namespace

// Clubs import their members again during the season: a member who moved to another club, a
// ranking that changed and a status that the option 'statussen' leaves out each show in the
// members and the strength lists.
TEST_F(WebImportVensterTest, ASecondImportFollowsAMoveARankingAndAStatusLeftOut)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    auto lijsten = std::make_shared<Ledenlijsten>();
    for (int i = 1; i <= 8; ++i)
        lijsten->leden << Ledenlijsten::Lid{QString::number(500000 + i), i <= 4 ? "A001" : "A002", i % 2 ? "C2" : "C4"};
    m_dienst.zetAntwoord("GetMembersRequest", [lijsten](const NepDienst::Velden& v) { return (*lijsten)(v); });
    FrmWedstrijdInput& f = starten();
    const auto importeren = [&](int club) {
        FrmImportKorvat& imp = openen(f);
        imp.strAccount = "club001";
        imp.strPaswoord = "goed";
        imp.LstClubs->setCurrentRow(club);
        // The own club through its strength lists only.
        imp.ChkEnkelSterktelijsten->setChecked(club == 0);
        imp.CmdReeksen[0]->click();
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
        imp.CmdSluiten->click();
    };
    const QString lijst = "SELECT Clubnummer, Volgorde, Computernummer, Klassering FROM Sterktelijst WHERE Soort = 'Heren' "
                          "ORDER BY Clubnummer, Volgorde";
    const QString leden = "SELECT CompNr, Clubnummer, KlasHeren, RecInt, Geschrapt FROM Leden WHERE CompNr LIKE '50000*' "
                          "ORDER BY CompNr";
    importeren(0);
    importeren(1);
    ASSERT_EQ(rijen(lijst), QStringList({"001|1|500001|C2", "001|2|500002|C4", "001|3|500003|C2", "001|4|500004|C4",
                                         "002|1|500005|C2", "002|2|500006|C4", "002|3|500007|C2", "002|4|500008|C4"}));

    // 500005 moves to the own club, 500006 is ranked B6, 500007 becomes a member without a
    // competition licence (L), which the option leaves out.
    lijsten->leden[4].club = "A001";
    lijsten->leden[5].klassering = "B6";
    lijsten->leden[6].status = "L";
    importeren(1);
    EXPECT_EQ(rijen(lijst), QStringList({"001|1|500001|C2", "001|2|500002|C4", "001|3|500003|C2", "001|4|500004|C4",
                                         "002|1|500006|B6", "002|3|500008|C4"}));
    EXPECT_EQ(rijen(leden), QStringList({"500001|001|C2|I|N", "500002|001|C4|I|N", "500003|001|C2|I|N",
                                         "500004|001|C4|I|N", "500005|002|C2|I|J", "500006|002|B6|I|N",
                                         "500007|002|C2|I|J", "500008|002|C4|I|N"}));

    importeren(0);
    EXPECT_EQ(rijen(lijst), QStringList({"001|1|500001|C2", "001|2|500002|C4", "001|3|500003|C2", "001|4|500004|C4",
                                         "001|5|500005|C2", "002|1|500006|B6", "002|3|500008|C4"}));
    EXPECT_EQ(rijen(leden), QStringList({"500001|001|C2|I|N", "500002|001|C4|I|N", "500003|001|C2|I|N",
                                         "500004|001|C4|I|N", "500005|001|C2|I|N", "500006|002|B6|I|N",
                                         "500007|002|C2|I|J", "500008|002|C4|I|N"}));

    // The own club's calendar, pressed twice in one opening of the window: every press brings the
    // members of the clubs it meets as the service has them at that moment, each club once.
    m_dienst.zetAntwoord("GetMatchesRequest",
                         wedstrijdenXml({wedstrijdXml(Reeks3A, "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001",
                                                      "Eerste A", "A002", "Tweede A", 77),
                                         wedstrijdXml(Reeks3A, "PAH03/002", "02", "2010-09-25", "14:00:00", 1, "A002",
                                                      "Tweede A", "A001", "Eerste A", 78)}));
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    imp.LstClubs->setCurrentRow(0);
    ASSERT_FALSE(imp.ChkEnkelSterktelijsten->isChecked());
    ASSERT_EQ(imp.LstReeksen->count(), 1);
    const QString klasse = "SELECT KlasHeren FROM Leden WHERE CompNr = '500008'";
    const QString plaats = "SELECT Volgorde, Klassering FROM Sterktelijst WHERE Computernummer = '500008'";
    for (const char* nieuw : {"B0", "A9"}) {
        lijsten->leden[7].klassering = QString::fromLatin1(nieuw);
        m_dienst.wis();
        imp.CmdReeksen[0]->click();
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(m_dienst.verzoeken("GetMembersRequest").size(), 8) << "two clubs, four categories";
        EXPECT_EQ(rijen(klasse), QStringList({nieuw}));
        EXPECT_EQ(rijen(plaats), QStringList({QStringLiteral("3|") + nieuw}));
    }
    EXPECT_EQ(rijen("SELECT count(*) FROM Matchen WHERE WedstrNr IN ('PAH03001', 'PAH03002')"), QStringList({"2"}));
    imp.CmdSluiten->click();
}

// An installation without an own club: the first club imported becomes the own club, and an
// import that fails leaves it without one, with nothing of the club stored.
TEST_F(WebImportVensterTest, TheFirstClubImportedWithoutAnOwnClubBecomesTheOwnClub)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    testhulp::optieZetten(m_db, "ClubNr", " ");
    testhulp::optieZetten(m_db, "ClubProv", " ");
    testhulp::optieZetten(m_db, "Provincie", " ");
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    FrmWedstrijdInput& f = starten();
    core::Algemeen& a = core::algemeen();
    ASSERT_EQ(a.strClubNr, "000");
    const QString clubProv = a.strClubProv;
    const QStringList provincieVoor = {a.strProvincie, a.strProvincieAfkorting, a.strClubProvAfkorting};
    const auto provincieNu = [&a] { return QStringList({a.strProvincie, a.strProvincieAfkorting, a.strClubProvAfkorting}); };
    const QString opties = "SELECT Soort, Item FROM Opties WHERE Soort IN ('ClubNr', 'ClubProv', 'Provincie') ORDER BY Soort";
    FrmImportKorvat& imp = openen(f);
    const QMap<QString, QStringList> voor = testhulp::alles(core::algemeen().dbGegevens, ImportTabellen);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    EXPECT_EQ(imp.LstClubs->currentRow(), -1) << "no own club to choose";
    imp.LstClubs->setCurrentRow(1);
    ASSERT_EQ(imp.LstClubs->currentItem()->text(), "A002 | TTC Tweede");
    EXPECT_TRUE(imp.ChkEnkelSterktelijsten->isHidden());
    ASSERT_EQ(imp.LstReeksen->count(), 1);

    // The division's calendar arrives, but the members of a club of its teams do not.
    const QByteArray fout = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
                            "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body><SOAP-ENV:Fault>"
                            "<faultcode>8</faultcode><faultstring>Database error.</faultstring></SOAP-ENV:Fault>"
                            "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    m_dienst.zetRuwAntwoord("GetMembersRequest", 500, fout);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "De leden van club A001 konden niet opgehaald worden: De webdienst meldde fout 8: "
                                 "Database error.\nEr werd niets gewijzigd.");
    imp.CmdReeksen[0]->click();
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(m_dienst.verzoeken("GetMatchesRequest").size(), 1);
    EXPECT_EQ(rijen(opties), QStringList({"ClubNr| ", "ClubProv| ", "Provincie| "}));
    EXPECT_EQ(a.strClubNr, "000");
    EXPECT_EQ(a.strClubProv, clubProv);
    EXPECT_EQ(provincieNu(), provincieVoor);
    EXPECT_EQ(testhulp::alles(core::algemeen().dbGegevens, ImportTabellen), voor);

    // Again, with every answer: the club is the own club, and as the own club its divisions came in.
    m_dienst.zetRuwAntwoord("GetMembersRequest", 500, QByteArray());
    imp.CmdReeksen[0]->click();
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(rijen(opties), QStringList({"ClubNr|002", "ClubProv|1", "Provincie|1"}));
    EXPECT_EQ(a.strClubNr, "002");
    EXPECT_EQ(a.strClubProv, "1");
    // The own province and its abbreviations follow at once, not only after a restart.
    EXPECT_EQ(provincieNu(), QStringList({"Antwerpen", "A.", "A."}));
    EXPECT_EQ(rijen("SELECT WedstrNr, LKThuis, LKUIT FROM Matchen WHERE ReeksNr = '4711'"), QStringList({"PAH03001|001|002"}));
    EXPECT_EQ(rijen("SELECT ClubNr, Importeren FROM Clubs ORDER BY ClubNr"), QStringList({"001|J", "002|J"}));
    imp.LstClubs->setCurrentRow(0);
    imp.LstClubs->setCurrentRow(1);
    EXPECT_FALSE(imp.ChkEnkelSterktelijsten->isHidden()) << "the window takes it for the own club";
}

// A failure of a kind the import does not expect (here a message box that cannot be shown) is
// reported as any failed action; the window is not left disabled and busy, and the next import runs.
TEST_F(WebImportVensterTest, AnUnexpectedFailureDuringAnImportLeavesTheWindowReadyForTheNext)
{
    // Passes every box on to the test's boxes, except one that fails to show.
    class FalendeMeldingen : public ui::Meldingen
    {
    public:
        FalendeMeldingen(ui::Meldingen& door, QString tekst)
            : m_door(door)
            , m_tekst(std::move(tekst))
        {
        }
        void kritiek(const QString& titel, const QString& tekst) override
        {
            if (tekst == m_tekst)
                throw std::runtime_error("het venster kon niet getoond worden");
            m_door.kritiek(titel, tekst);
        }
        void waarschuwing(const QString& titel, const QString& tekst) override { m_door.waarschuwing(titel, tekst); }
        void informatie(const QString& titel, const QString& tekst) override { m_door.informatie(titel, tekst); }
        bool vraagJaNee(const QString& titel, const QString& tekst) override { return m_door.vraagJaNee(titel, tekst); }
        bool vraagNeeJa(const QString& titel, const QString& tekst) override { return m_door.vraagNeeJa(titel, tekst); }
        QString kiesMap(const QString& titel, const QString& standaard) override { return m_door.kiesMap(titel, standaard); }
        QString kiesBestand(const QString& titel, const QString& map, const QString& filter) override
        {
            return m_door.kiesBestand(titel, map, filter);
        }

    private:
        ui::Meldingen& m_door;
        QString m_tekst;
    };

    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    imp.LstClubs->setCurrentRow(1);
    ASSERT_EQ(imp.LstClubs->currentItem()->text(), "A002 | TTC Tweede");
    ASSERT_GT(imp.LstLeden->count(), 0);
    imp.LstLeden->setCurrentRow(0);
    ASSERT_TRUE(imp.OptSelectie[3]->isChecked());

    // The member import with no member chosen tells so in a box, and that box fails.
    imp.LstLeden->setCurrentRow(-1);
    FalendeMeldingen falend(*m_meldingen.operator->(), core::Vertaling(409, 1));
    ui::Meldingen* vorige = ui::zetMeldingen(&falend);
    auto terug = qScopeGuard([vorige] { ui::zetMeldingen(vorige); });
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, "Onverwachte fout",
                                 "Een klik op de knop \"Spelers Importeren\" in het venster \"" + Titel
                                     + "\" is mislukt.\n\nOorzaak: het venster kon niet getoond worden"
                                 "\n\nWat nog niet bewaard was, is niet bewaard.");
    QTest::mouseClick(imp.CmdReeksen[0], Qt::LeftButton);
    ui::zetMeldingen(vorige);
    terug.dismiss();
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_FALSE(imp.testAttribute(Qt::WA_Disabled)) << "the window is left disabled";
    for (QLabel* l : imp.LabINfo)
        EXPECT_TRUE(l->isHidden());

    // The next import is not refused as one still running.
    imp.LstLeden->setCurrentRow(0);
    m_dienst.wis();
    imp.CmdReeksen[0]->click();
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_FALSE(m_dienst.verzoeken("GetMembersRequest").isEmpty());
    EXPECT_FALSE(imp.testAttribute(Qt::WA_Disabled));
}

// A service that answers later than the time limit: the import is refused with the reason and
// stores nothing, also what it had stored of the division before the slow answer.
TEST_F(WebImportVensterTest, AnAnswerSlowerThanTheTimeLimitRefusesTheImportAndStoresNothing)
{
    testhulp::optieZetten(m_db, FrmImportKorvat::AdresOptie, m_dienst.adres());
    FrmImportKorvat::verbindingsinstellingen().tijdslimietMs = 300;
    m_dienst.zetAntwoord("GetMembersRequest", ledenVan);
    FrmWedstrijdInput& f = starten();
    FrmImportKorvat& imp = openen(f);
    imp.strAccount = "club001";
    imp.strPaswoord = "goed";
    ASSERT_EQ(imp.LstReeksen->count(), 1);
    imp.LstReeksen->setCurrentRow(0);
    ASSERT_TRUE(imp.OptSelectie[4]->isChecked());
    const QMap<QString, QStringList> voor = testhulp::alles(core::algemeen().dbGegevens, ImportTabellen);

    // The members of a club of the division's teams come twenty seconds late.
    m_dienst.zetVertraging("GetMembersRequest", 20000);
    m_meldingen->verwachtMelding(TestMeldingen::Soort::Kritiek, Titel,
                                 "De leden van club A001 konden niet opgehaald worden: De webdienst op " + m_dienst.adres()
                                     + " antwoordde niet binnen 1 seconden.\nEr werd niets gewijzigd.");
    QElapsedTimer klok;
    klok.start();
    imp.CmdReeksen[0]->click();
    // Far below the answer's delay, with room for a slow machine.
    EXPECT_LT(klok.elapsed(), 10000) << "the import did not wait for the answer";
    EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    EXPECT_EQ(m_dienst.verzoeken("GetMatchesRequest").size(), 1);
    EXPECT_EQ(testhulp::alles(core::algemeen().dbGegevens, ImportTabellen), voor);
    EXPECT_TRUE(imp.isEnabled());
    EXPECT_TRUE(imp.LabINfo[0]->isHidden());
}
