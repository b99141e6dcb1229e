// The older table-by-table exchange, on two databases the tests make: the own one from the shipped
// starting database, and an older one with its own tables.

#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "maintenance/OudeUitwisseling.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using core::algemeen;
using namespace maintenance;

namespace {

struct Opnemer : core::IVoortgang
{
    QStringList opschriften;
    QList<int> standen;
    void opschriftZetten(const QString& t) override { opschriften << t; }
    void UpdateProgress(int p) override { standen << p; }
};

class OudeUitwisseling : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        testhulp::applicatiemapVullen(m_map.path());
        core::zetApplicatiemap(m_map.path());
        core::DatabaseOpenen();
        core::TabellenOpenen();
        core::Algemeen& a = algemeen();
        a.strHuidigSeizoen = a.strGekozenSeizoen = "2010-2011";
        a.strClubNr = "045";
        a.strClubProv = "3";
        a.strProvincieAfkorting = "LK.";
        m_ander = db::Database::maken(m_map.filePath("ander.mdb"));
    }

    void TearDown() override
    {
        m_ander.sluiten();
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    static qint64 aantal(db::Database& d, const QString& tabel)
    {
        return d.openRecordset("SELECT COUNT(*) FROM " + db::sqlNaam(tabel)).veld(0).geheel();
    }
    db::Database& eigen() { return algemeen().dbGegevens; }

    QTemporaryDir m_map;
    db::Database m_ander;
    ui::TestMeldingenScope m_meldingen;
    Opnemer m_voortgang;
};

TEST_F(OudeUitwisseling, ProgressMarksFollowTheRowCount)
{
    Opnemer o;
    core::Voortgangsteller tweehonderd(&o, 10);
    for (int i = 0; i < 200; ++i) {
        tweehonderd.rij();
        tweehonderd.verder(200);
    }
    tweehonderd.klaar();
    EXPECT_EQ(o.standen, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100}));

    Opnemer weinig;
    core::Voortgangsteller tien(&weinig, 5);
    for (int i = 0; i < 10; ++i) {
        tien.rij();
        tien.verder(10);
    }
    tien.klaar();
    EXPECT_EQ(weinig.standen, QList<int>({100})) << "5 x 10 / 100 is 0 while the count is 1 already";
}

TEST_F(OudeUitwisseling, ATableIsCopiedFieldByFieldAndTwiceDoublesIt)
{
    m_ander.tabelMaken({"Verantwoordelijken",
                        {{"Naam", db::TypeWoord::Tekst}, {"CompNr", db::TypeWoord::Tekst},
                         {"Scheidsrechter", db::TypeWoord::Tekst}}, {}});
    testhulp::invoegen(m_ander, "Verantwoordelijken", {{"Naam", "D'Hondt Gérard"}, {"CompNr", "012345"}, {"Scheidsrechter", "J"}});
    testhulp::invoegen(m_ander, "Verantwoordelijken", {{"Naam", "Peeters"}, {"CompNr", ""}});
    db::Recordset doel = eigen().openTabel("Verantwoordelijken");
    Importeren(m_ander, "QJ-Deel7", "Verantwoordelijken", "de verantwoordelijken", doel, 50, &m_voortgang);
    EXPECT_EQ(m_voortgang.opschriften,
              QStringList({"Bezig met het importeren van de verantwoordelijken - Even Geduld....."}));
    EXPECT_EQ(m_voortgang.standen, QList<int>({50, 100, 100}));
    db::Recordset rs = eigen().openRecordset("SELECT * FROM Verantwoordelijken ORDER BY Naam");
    EXPECT_EQ(rs.veld("Naam").tekst(), "D'Hondt Gérard");
    EXPECT_EQ(rs.veld("CompNr").tekst(), "012345");
    rs.moveNext();
    EXPECT_TRUE(rs.veld("CompNr").isNull()) << "an empty source value leaves the column as a new row has it";
    Importeren(m_ander, "QJ-Deel7", "Verantwoordelijken", "de verantwoordelijken", doel, 50, nullptr);
    EXPECT_EQ(aantal(eigen(), "Verantwoordelijken"), 4);
}

TEST_F(OudeUitwisseling, AFailureHalfWayLeavesTheOwnDatabaseAsItWas)
{
    m_ander.tabelMaken({"Lokalen", {{"id", db::TypeWoord::Tekst}, {"Naam", db::TypeWoord::Tekst}}, {}});
    testhulp::invoegen(m_ander, "Lokalen", {{"id", "1"}, {"Naam", "Zaal"}});
    testhulp::invoegen(m_ander, "Lokalen", {{"id", "twee"}, {"Naam", "Hal"}});
    testhulp::lokaalToevoegen(eigen(), 9, "Bestaand", "", "", "");
    db::Recordset doel = eigen().openTabel("Lokalen");
    EXPECT_THROW(Importeren(m_ander, "QJ-Deel7", "Lokalen", "de lokalen", doel, 10, nullptr), db::DbFout);
    EXPECT_EQ(aantal(eigen(), "Lokalen"), 1) << "the first row is rolled back with the rest";

    EXPECT_THROW(Importeren(m_ander, "QJ-Deel7", "Clubs", "de clubs", doel, 10, nullptr), db::DbFout)
        << "the other database has no such table";
    EXPECT_THROW(Importeren(m_ander, "QJ-Deel7", "Bestaatniet", "x", doel, 10, nullptr), db::DbFout)
        << "the table structure does not describe it";
}

TEST_F(OudeUitwisseling, PlayDatesOfALevelReplaceItsOldWeeksAndKeepTheOtherLevels)
{
    testhulp::invoegen(eigen(), "Datums", {{"Seizoen", "2009-2010"}, {"Datum", "12-09-2010"}, {"WeekNrProv", "01"}});
    testhulp::invoegen(eigen(), "Datums",
                       {{"Seizoen", "2010-2011"}, {"Datum", "19-09-2010"}, {"WeekNrProv", "02"}, {"WeekNrNat", "03"}});
    testhulp::invoegen(eigen(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "26-09-2010"}, {"WeekNrProv", "03"}});
    testhulp::invoegen(eigen(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "03-10-2010"}, {"WeekNrJeugd", " "}});
    m_ander.tabelMaken({"Kalender",
                        {{"Seizoen", db::TypeWoord::Tekst}, {"Datum", db::TypeWoord::Datum}, {"WeekNr", db::TypeWoord::Tekst}}, {}});
    testhulp::invoegen(m_ander, "Kalender", {{"Seizoen", "2010-2011"}, {"Datum", QDate(2010, 9, 12)}, {"WeekNr", "11"}});
    testhulp::invoegen(m_ander, "Kalender", {{"Seizoen", "2010-2011"}, {"Datum", QDate(2010, 10, 10)}, {"WeekNr", "12"}});

    db::Recordset doel = eigen().openTabel("Datums");
    ImporterenDatums(m_ander, "Kalender", "de speeldatums", doel, 50, "P", &m_voortgang);
    db::Recordset rs = eigen().openRecordset("SELECT Seizoen, Datum, WeekNrProv, WeekNrNat FROM Datums ORDER BY cdate(Datum)");
    QStringList rijen;
    for (; !rs.eof(); rs.moveNext())
        rijen << QStringList{rs.veld(0).tekst(), rs.veld(1).tekst(), rs.veld(2).tekst(), rs.veld(3).tekst()}.join('|');
    EXPECT_EQ(rijen, QStringList({"2010-2011|12-09-2010|11|", "2010-2011|19-09-2010| |03", "2010-2011|10-10-2010|12|"}))
        << "a date of another season is taken over; a date of no other level and a row of blanks are gone";
    EXPECT_THROW(ImporterenDatums(m_ander, "Kalender", "x", doel, 50, "Q", nullptr), std::invalid_argument);
}

TEST_F(OudeUitwisseling, TheOwnClubsMatchesAreLoadedWithItsVenue)
{
    testhulp::invoegen(eigen(), "Clubs", {{"Provincie", 3}, {"ClubNr", "045"}, {"ClubNaam", "TTC Hasselt"},
                                          {"NaamLokaal", "Sporthal"}, {"Straat", "Kerkstraat 1"}, {"Gemeente", "Hasselt"}});
    testhulp::Wedstrijd bestaand;
    bestaand.wedstrNr = "P01002";
    bestaand.extra = {{"AFWTH1", "J"}, {"Akkoord2aan2", "N"}};
    testhulp::wedstrijdToevoegen(eigen(), bestaand);
    m_ander.tabelMaken({"Oud",
                        {{"wedstrnr", db::TypeWoord::Tekst}, {"HerDam", db::TypeWoord::Tekst}, {"Datum", db::TypeWoord::Tekst},
                         {"LKThuis", db::TypeWoord::Tekst}, {"nmthuis", db::TypeWoord::Tekst}, {"LKUIT", db::TypeWoord::Tekst},
                         {"nmuit", db::TypeWoord::Tekst}, {"HeenTerug", db::TypeWoord::Tekst}, {"ReeksNr", db::TypeWoord::Tekst},
                         {"Dag", db::TypeWoord::Tekst}, {"Uur", db::TypeWoord::Tekst}}, {}});
    testhulp::invoegen(m_ander, "Oud", {{"wedstrnr", "01001"}, {"HerDam", "D"}, {"LKThuis", "045"}, {"nmthuis", "Hasselt A"},
                                        {"LKUIT", "012"}, {"nmuit", "Genk B"}});
    testhulp::invoegen(m_ander, "Oud", {{"wedstrnr", "01002"}, {"LKThuis", "012"}, {"LKUIT", "045"}, {"nmuit", "Hasselt B"}});
    testhulp::invoegen(m_ander, "Oud", {{"wedstrnr", "01003"}, {"LKThuis", "012"}, {"LKUIT", "013"}});

    db::Recordset doel = eigen().openTabel("Matchen");
    ImporterenMatchen(m_ander, "Oud", "de wedstrijden", doel, 50, &m_voortgang);
    db::Recordset rs = eigen().openRecordset("SELECT * FROM Matchen WHERE Seizoen = '2010-2011' ORDER BY WedstrNr");
    ASSERT_EQ(rs.recordCount(), 2) << "the match between two other clubs is skipped";
    EXPECT_EQ(rs.veld("WedstrNr").tekst(), "P01001");
    EXPECT_EQ(rs.veld("Soort").tekst(), "2");
    EXPECT_EQ(rs.veld("WeekNrP").tekst(), "01");
    EXPECT_EQ(rs.veld("ProvThuis").tekst(), "LK.");
    EXPECT_EQ(rs.veld("Zaalnaam").tekst(), "Sporthal");
    // A new match starts as a calendar match does: nobody absent, no forfeit, two by two agreed.
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(rs.veld(QStringLiteral("AFWTH%1").arg(k)).tekst(), "N") << k;
        EXPECT_EQ(rs.veld(QStringLiteral("AFWUIT%1").arg(k)).tekst(), "N") << k;
    }
    EXPECT_EQ(rs.veld("forfaitth").tekst(), "N");
    EXPECT_EQ(rs.veld("forfaituit").tekst(), "N");
    EXPECT_EQ(rs.veld("Akkoord2aan2").tekst(), "J");
    rs.moveNext();
    EXPECT_EQ(rs.veld("nmuit").tekst(), "Hasselt B");
    EXPECT_EQ(rs.veld("AFWTH1").tekst(), "J") << "an existing match keeps its sheet";
    EXPECT_EQ(rs.veld("Akkoord2aan2").tekst(), "N");
    EXPECT_TRUE(rs.veld("Zaalnaam").isNull()) << "an away match gets no venue";
    EXPECT_EQ(m_voortgang.standen.last(), 100);
}

TEST_F(OudeUitwisseling, AnOwnClubThatIsNotThereStopsTheMatchesWithAMessage)
{
    m_ander.tabelMaken({"Oud", {{"wedstrnr", db::TypeWoord::Tekst}, {"LKThuis", db::TypeWoord::Tekst},
                                {"LKUIT", db::TypeWoord::Tekst}}, {}});
    db::Recordset doel = eigen().openTabel("Matchen");
    ImporterenMatchen(m_ander, "Oud", "x", doel, 10, &m_voortgang);
    EXPECT_TRUE(m_voortgang.standen.isEmpty()) << "an empty source shows no progress, not even 100";

    testhulp::invoegen(m_ander, "Oud", {{"wedstrnr", "01001"}, {"LKThuis", "045"}, {"LKUIT", "012"}});
    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Importeren",
                                 "De eigen club 045 (provincie 3) staat niet in de tabel Clubs. De wedstrijden werden "
                                 "niet geïmporteerd !");
    ImporterenMatchen(m_ander, "Oud", "x", doel, 10, nullptr);
    EXPECT_EQ(aantal(eigen(), "Matchen"), 0);
}

TEST_F(OudeUitwisseling, OptionsAreCopiedIntoExistingRowsOnly)
{
    m_ander.tabelMaken({"OudeOpties", {{"Soort", db::TypeWoord::Tekst}, {"Item", db::TypeWoord::Tekst},
                                       {"Afkorting", db::TypeWoord::Tekst}},
                        {{"Soort", {{"Soort"}}}}});
    for (const char* s : {"Provincie", "Munteenheid", "Aantal Ploegen", "Aantal reeksen", "Laagste Reeks", "ClubNr"})
        testhulp::invoegen(m_ander, "OudeOpties", {{"Soort", s}, {"Item", QString("nieuw ") + s}, {"Afkorting", "x"}});
    eigen().uitvoeren("DELETE FROM Opties WHERE Soort = 'Munteenheid'");
    testhulp::invoegen(eigen(), "Opties", {{"Soort", "Aantal Ploegen"}, {"Item", "8"}, {"Afkorting", "oud"}});
    db::Recordset doel = eigen().openTabel("Opties");
    ImporterenOpties(m_ander, "OudeOpties", "de opties", doel, &m_voortgang);
    const auto optie = [this](const QString& soort) {
        db::Recordset r = eigen().openRecordset("SELECT Item, Afkorting FROM Opties WHERE Soort = ?", {soort});
        return r.eof() ? QString("<geen>") : r.veld(0).tekst() + "|" + r.veld(1).tekst();
    };
    EXPECT_EQ(optie("Provincie"), "nieuw Provincie|x");
    EXPECT_EQ(optie("Munteenheid"), "<geen>") << "no row is added";
    EXPECT_EQ(optie("Aantal Ploegen"), "nieuw Aantal Ploegen|oud") << "only Provincie and Munteenheid take Afkorting";
    EXPECT_NE(optie("ClubNr"), "nieuw ClubNr|") << "other options are not copied";
}

TEST_F(OudeUitwisseling, DivisionsAreReplacedAsProvincialOnesWithTheirCategory)
{
    testhulp::reeksToevoegen(eigen(), "2010-2011", "P", "H", "A", "oud", "oud", 4);
    testhulp::reeksToevoegen(eigen(), "2010-2011", "N", "H", "B", "nationaal", "nat", 4);
    testhulp::reeksToevoegen(eigen(), "2009-2010", "P", "H", "A", "vorig", "vorig", 4);
    UpdateTabelReeksen();
    EXPECT_EQ(aantal(eigen(), "Reeksen"), 2);

    m_ander.tabelMaken({"Reeksen", {{"Seizoen", db::TypeWoord::Tekst}, {"ReeksNr", db::TypeWoord::Tekst},
                                    {"Soort", db::TypeWoord::Tekst}, {"HerDam", db::TypeWoord::Tekst}}, {}});
    testhulp::invoegen(m_ander, "Reeksen", {{"Seizoen", "2010-2011"}, {"ReeksNr", "C"}, {"Soort", "N"}, {"HerDam", "D"}});
    testhulp::invoegen(m_ander, "Reeksen", {{"Seizoen", "2010-2011"}, {"ReeksNr", "D"}, {"HerDam", "V"}});
    db::Recordset doel = eigen().openTabel("Reeksen");
    ImporterenReeksen(m_ander, "QJ-Deel7", "Reeksen", "de reeksen", doel, 50, nullptr);
    db::Recordset rs = eigen().openRecordset("SELECT ReeksNr, Soort, Soort1 FROM Reeksen WHERE ReeksNr IN ('C', 'D') ORDER BY ReeksNr");
    EXPECT_EQ(rs.veld("Soort").tekst(), "P");
    EXPECT_EQ(rs.veld("Soort1").tekst(), "2");
    rs.moveNext();
    EXPECT_EQ(rs.veld("Soort1").tekst(), "1");
}

TEST_F(OudeUitwisseling, TheOwnClubsStrengthListIsAppendedEachTime)
{
    testhulp::optieZetten(eigen(), "ClubNr", "045");
    testhulp::optieZetten(eigen(), "ClubProv", "03");
    testhulp::sterktelijstToevoegen(eigen(), "2010-2011", 3, "045", "Heren", 1, "100001", "Jan", "1", "C0");
    testhulp::sterktelijstToevoegen(eigen(), "2009-2010", 3, "045", "Heren", 1, "100001", "Jan", "1", "C2");
    testhulp::sterktelijstToevoegen(eigen(), "2010-2011", 1, "045", "Heren", 1, "100002", "Piet", "1", "C0");
    // Another club of the same province.
    testhulp::sterktelijstToevoegen(eigen(), "2010-2011", 3, "046", "Heren", 1, "100003", "Joris", "1", "B6");
    testhulp::sterktelijstToevoegen(eigen(), "2010-2011", 3, "046", "Dames", 1, "100004", "Ann", "1", "C4");
    HuidigeSterktelijstKopieren();
    EXPECT_EQ(aantal(eigen(), "SterktelijstHuidig"), 2) << "every season of the own club, in province 3";
    QStringList gekopieerd;
    for (db::Recordset rs = eigen().openRecordset("SELECT Seizoen, Provincie, Clubnummer, Computernummer, Klassering "
                                                  "FROM SterktelijstHuidig ORDER BY Seizoen");
         !rs.eof(); rs.moveNext())
        gekopieerd << QStringList{rs.veld(0).tekst(), rs.veld(1).tekst(), rs.veld(2).tekst(), rs.veld(3).tekst(),
                                  rs.veld(4).tekst()}
                          .join('|');
    EXPECT_EQ(gekopieerd, QStringList({"2009-2010|3|045|100001|C2", "2010-2011|3|045|100001|C0"}));
    HuidigeSterktelijstKopieren();
    EXPECT_EQ(aantal(eigen(), "SterktelijstHuidig"), 4);
}

TEST_F(OudeUitwisseling, ExportsCreateTheirTableOnceAndReportOneThatExists)
{
    testhulp::optieZetten(eigen(), "Munteenheid", "EUR");
    testhulp::invoegen(eigen(), "Opties", {{"Soort", "provincie"}, {"Item", "Limburg"}});
    db::Recordset opties = eigen().openTabel("Opties");
    ExporterenOpties(m_ander, "QJ-Deel7", "Opties", "de opties", opties, 10, &m_voortgang);
    EXPECT_EQ(m_voortgang.opschriften, QStringList({"Bezig met het exporteren van de opties - Even Geduld....."}));
    EXPECT_LE(m_voortgang.standen.count(100), 1) << "no extra 100 after the last row";
    db::TabelDef def = m_ander.tabelDef("Opties");
    ASSERT_EQ(def.indexen.size(), 1);
    EXPECT_EQ(def.indexen[0].naam, "Soort");
    QStringList soorten;
    for (db::Recordset rs = m_ander.openRecordset("SELECT Soort FROM Opties ORDER BY Soort"); !rs.eof(); rs.moveNext())
        soorten << rs.veld(0).tekst();
    EXPECT_EQ(soorten, QStringList({"Munteenheid", "Provincie", "provincie"}));

    m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Kritiek, "Exporteren",
                                 "De tabel 'Opties' bestaat al in ander.mdb. Er werd niets geëxporteerd !");
    ExporterenOpties(m_ander, "QJ-Deel7", "Opties", "de opties", opties, 10, nullptr);
    EXPECT_EQ(aantal(m_ander, "Opties"), 3);

    testhulp::invoegen(eigen(), "Leden", {{"CompNr", "1"}, {"Naam", "Jan"}, {"RecInt", "i"}, {"MedischeKeuring", "J"}});
    testhulp::invoegen(eigen(), "Leden", {{"CompNr", "2"}, {"Naam", "Piet"}, {"RecInt", "R"}});
    testhulp::invoegen(eigen(), "Leden", {{"CompNr", "3"}, {"Naam", "Mie"}});
    db::Recordset leden = eigen().openTabel("Leden");
    ExporterenNaarClubProgrammaInterclub(m_ander, "QJ-Deel7", "Leden", "de leden", leden, 10, nullptr);
    def = m_ander.tabelDef("Leden");
    QStringList kolommen;
    for (const db::VeldDef& v : def.velden)
        kolommen << v.naam;
    EXPECT_EQ(kolommen, QStringList({"CompNr", "Naam", "Geboortedatum", "Geslacht", "KlasDames", "KlasHeren", "Clubnummer"}));
    EXPECT_EQ(aantal(m_ander, "Leden"), 1);
}

} // namespace
