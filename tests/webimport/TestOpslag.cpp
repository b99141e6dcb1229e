// Storing what the web service returns, on a database the test makes; no network.

#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "ui/TestMeldingenScope.h"
#include "webimport/Opslag.h"

#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace webimport;

namespace {

class NepBron : public Bron
{
public:
    bool verbinding() override { return true; }
    std::optional<QList<Club>> club(const QString& code) override
    {
        opgehaald << "club " + code;
        if (!clubs_.contains(code))
            return std::nullopt;
        return QList<Club>{clubs_.value(code)};
    }
    std::optional<QList<Club>> clubs(int categorie) override
    {
        opgehaald << QStringLiteral("clubs %1").arg(categorie);
        return clubs_.values();
    }
    std::optional<QList<Lid>> leden(const QString& code, int categorie) override
    {
        opgehaald << QStringLiteral("leden %1 %2").arg(code).arg(categorie);
        if (faaltBij == categorie)
            return std::nullopt;
        return leden_.value(code + QString::number(categorie));
    }
    QString fout() const override { return QStringLiteral("Geen verbinding."); }
    void voortgang(int label, const QString& tekst) override { getoond << QStringLiteral("%1 %2").arg(label).arg(tekst); }

    QHash<QString, Club> clubs_;
    QHash<QString, QList<Lid>> leden_;
    int faaltBij = -1;
    QStringList opgehaald;
    QStringList getoond;
};

Lid lid(const QString& pos, const QString& nr, const QString& index, const QString& voornaam, const QString& achternaam,
        const QString& klas, const QString& status, const QString& geslacht = "M")
{
    return Lid{pos, nr, index, voornaam, achternaam, klas, status, QString(), geslacht, "SEN"};
}

class OpslagTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        const QString pad = testhulp::applicatiemapVullen(m_map.path());
        core::Algemeen& a = core::algemeen();
        a.dbGegevens = db::Database::openen(pad);
        a.strHuidigSeizoen = "2010-2011";
        a.intAantalKaraktersCompNr = 6;
        a.strTaal = "N";
        core::zetKlok(&m_klok);
    }
    void TearDown() override
    {
        core::algemeenHerstellen();
        core::zetKlok(nullptr);
    }
    db::Database& d() { return core::algemeen().dbGegevens; }
    QString waarde(const QString& sql, const QList<db::Waarde>& p = {})
    {
        db::Recordset rs = d().openRecordset(sql, p);
        return rs.eof() ? QStringLiteral("<geen>") : rs.veld(0).tekst();
    }
    QStringList rijen(const QString& sql, const QList<db::Waarde>& p = {})
    {
        QStringList uit;
        db::Recordset rs = d().openRecordset(sql, p);
        for (; !rs.eof(); rs.moveNext()) {
            QStringList velden;
            for (int i = 0; i < rs.aantalVelden(); ++i)
                velden << rs.veld(i).tekst();
            uit << velden.join('|');
        }
        return uit;
    }

    QTemporaryDir m_map;
    core::VasteKlok m_klok{QDateTime(QDate(2010, 9, 15), QTime(10, 0))};
    ui::TestMeldingenScope m_meldingen;
    NepBron m_bron;
    Opslag m_opslag{m_bron};
};

} // namespace

// A club's venue links carry the club's own venue numbers, whatever the order of the answer; its
// earlier venues follow them.
TEST_F(OpslagTest, ClubsNumberTheirVenuesAsTheServiceDoesAndEarlierOnesAfter)
{
    testhulp::lokaalToevoegen(d(), 1, "Zaal A", "Straat 1", "1500", "Halle", 123, 8, 1);
    testhulp::lokaalToevoegen(d(), 2, "Zaal B", "Straat 2", "1500", "Halle", 123, 8, 2);
    d().uitvoeren("UPDATE Lokalen SET id_zelm = 502 WHERE id = 2");
    // A venue made by hand with the name and town of the service's venue C takes its id.
    testhulp::lokaalToevoegen(d(), 5, "Zaal C", "", "", "Vilvoorde");

    Club c{"VL-B123", "TTC D'Hondt", 3, {}};
    c.lokalen << Lokaal{502, 2, "Zaal B", "Straat, 2", "1500 Halle"} << Lokaal{503, 1, "Zaal C", "Laan 3", "1800 Vilvoorde"}
              << Lokaal{504, 3, "Zaal D", "Weg 4", "Asse"};
    m_opslag.APIGegevensClubOpslaan({c}, "vlb123");

    EXPECT_EQ(rijen("SELECT id_lokaal, volgorde FROM rel_club_lokaal WHERE clubnummer = 123 AND provincie = 8 ORDER BY volgorde"),
              QStringList({"5|1", "2|2", "6|3", "1|4"}));
    EXPECT_EQ(rijen("SELECT id, Naam, Straat, Postnummer, Gemeente, id_zelm FROM Lokalen ORDER BY id"),
              QStringList({"1|Zaal A|Straat 1|1500|Halle|0", "2|Zaal B|Straat 2|1500|Halle|502",
                            "5|Zaal C|Laan 3|1800|Vilvoorde|503", "6|Zaal D|Weg 4|Asse|Asse|504"}));
    EXPECT_EQ(rijen("SELECT Provincie, ClubNr, ClubNaam, Ploegnaam, Geschrapt, Importeren FROM Clubs"),
              QStringList({"8|123|TTC D'Hondt|TTC D'Hondt|N|J"}));

    // Another club of the answer is not the one asked for.
    m_opslag.APIGegevensClubOpslaan({Club{"A001", "Ander", 0, {}}}, "VLB123");
    EXPECT_EQ(waarde("SELECT count(*) FROM Clubs"), "1");
}

TEST_F(OpslagTest, MembersAndTheirStrengthListFollowStatusAndCategory)
{
    testhulp::sterktelijstToevoegen(d(), "2010-2011", 1, "003", "Heren", 1, "999999", "Weg Oud", "1", "E0");
    testhulp::sterktelijstToevoegen(d(), "2010-2011", 1, "003", "Dames", 1, "888888", "Blijft Staan", "1", "C0");
    const QList<Lid> leden{lid("1", "123456", "0", " Jan ", "Peeters", "B2", "A"),
                           lid("2", "23456", "12", "Piet", "D'Hondt", "C0", "V"),
                           lid("3", "345678", "13", "An", "Smet", "C2", "T", "F"),
                           lid("4", "456789", "14", "Tom", "Weg", "E6", "L")};
    m_opslag.APIGegevensLedenOpslaan(leden, "A003", 1);

    EXPECT_EQ(rijen("SELECT Volgorde, \"Index\", Computernummer, Naam, Klassering, Recreant FROM Sterktelijst "
                    "WHERE Soort = 'Heren' ORDER BY Volgorde"),
              QStringList({"1|SUP|123456|Peeters Jan|B2|I", "2|12-R|023456|D'Hondt Piet|C0|R", "3|13-D|345678|Smet An|C2|I"}));
    EXPECT_EQ(waarde("SELECT count(*) FROM Sterktelijst WHERE Soort = 'Dames'"), "1");
    EXPECT_EQ(rijen("SELECT CompNr, Naam, KlasHeren, RecInt, Provincie, Clubnummer, Geslacht, MedischeKeuring, Geschrapt "
                    "FROM Leden ORDER BY CompNr"),
              QStringList({"023456|D'Hondt Piet|C0|V|1|003|M|30-06-2011|N", "123456|Peeters Jan|B2|I|1|003|M|30-06-2011|N",
                           "345678|Smet An|C2|D|1|003|V|30-06-2011|N"}));

    // Another category leaves the men's ranking alone.
    m_opslag.APIGegevensLedenOpslaan({lid("1", "345678", "2", "An", "Smet", "B0", "A", "F")}, "A003", 2);
    EXPECT_EQ(waarde("SELECT KlasHeren FROM Leden WHERE CompNr = '345678'"), "C2");

    // One chosen member asked for alone changes only his own row of the list: his ranking and status
    // follow the answer, his place, order number and index stay (the answer's place is his place in
    // that answer, its index not the club's).
    m_opslag.APIGegevensLedenOpslaan({lid("1", "345678", "5", "An", "Smet", "B6", "V", "F")}, "A003", 1, true);
    m_opslag.APIGegevensLedenOpslaan({lid("1", "123456", "", "Jan", "Peeters", "B0", "A")}, "A003", 1, true);
    EXPECT_EQ(rijen("SELECT Volgorde, Volgnummer, Computernummer, \"Index\", Klassering, Recreant FROM Sterktelijst "
                    "WHERE Soort = 'Heren' ORDER BY Volgorde"),
              QStringList({"1|1|123456|SUP|B0|I", "2|2|023456|12-R|C0|R", "3|3|345678|13-R|B6|R"}));
    EXPECT_EQ(waarde("SELECT KlasHeren || RecInt FROM Leden WHERE CompNr = '345678'"), "B6V");
    EXPECT_TRUE(m_bron.opgehaald.isEmpty()) << m_bron.opgehaald.join(", ").toStdString();

    // One not on the list yet: only the club's own answer knows his place; the list is rebuilt from
    // it, and without that answer the import is refused.
    m_bron.faaltBij = 1;
    try {
        m_opslag.APIGegevensLedenOpslaan({lid("1", "567890", "", "Nieuw", "Lid", "C6", "A")}, "A003", 1, true);
        FAIL() << "no failure reported";
    } catch (const ImportFout& f) {
        EXPECT_EQ(f.tekst(), "De sterktelijst Heren van club A003 kon niet opgehaald worden: Geen verbinding.\n"
                             "Er werd niets gewijzigd.");
    }
    EXPECT_EQ(waarde("SELECT count(*) FROM Sterktelijst WHERE Soort = 'Heren'"), "3");
    m_bron.faaltBij = -1;
    m_bron.opgehaald.clear();
    m_bron.leden_.insert("A0031", {lid("1", "123456", "4", "Jan", "Peeters", "B0", "A"),
                                   lid("2", "567890", "7", "Nieuw", "Lid", "C6", "A")});
    m_opslag.APIGegevensLedenOpslaan({lid("1", "567890", "", "Nieuw", "Lid", "C6", "A")}, "A003", 1, true);
    EXPECT_EQ(m_bron.opgehaald, QStringList({"leden A003 1"}));
    EXPECT_EQ(rijen("SELECT Volgorde, Computernummer, \"Index\" FROM Sterktelijst WHERE Soort = 'Heren' ORDER BY Volgorde"),
              QStringList({"1|123456|4", "2|567890|7"}));

    // An empty answer empties the list of that category.
    m_opslag.APIGegevensLedenOpslaan({}, "A003", 1);
    EXPECT_EQ(waarde("SELECT count(*) FROM Sterktelijst WHERE Soort = 'Heren'"), "0");
}

TEST_F(OpslagTest, AFailedFetchOfAClubsMembersChangesNothing)
{
    testhulp::lidToevoegen(d(), "111111", "Oud Lid", "003", 1);
    d().uitvoeren("UPDATE Leden SET Geschrapt = 'N'");
    testhulp::sterktelijstToevoegen(d(), "2010-2011", 1, "003", "Heren", 1, "111111", "Oud Lid", "1", "E0");
    m_bron.clubs_.insert("A003", Club{"A003", "TTC Drie", 0, {}});
    m_bron.leden_.insert("A0031", {lid("1", "222222", "1", "Nieuw", "Lid", "D0", "A")});
    m_bron.faaltBij = 27;

    try {
        m_opslag.SpelersVanClubImporteren("003", 1, "A003");
        FAIL() << "no failure reported";
    } catch (const ImportFout& f) {
        EXPECT_TRUE(f.tekst().contains("Er werd niets gewijzigd")) << f.tekst().toStdString();
    }
    EXPECT_EQ(rijen("SELECT CompNr, Geschrapt FROM Leden"), QStringList({"111111|N"}));
    EXPECT_EQ(rijen("SELECT Computernummer FROM Sterktelijst"), QStringList({"111111"}));
    EXPECT_EQ(waarde("SELECT count(*) FROM Clubs"), "0");

    // With every answer complete: the old member struck off, the new one stored, in one go.
    m_bron.faaltBij = -1;
    m_opslag.SpelersVanClubImporteren("003", 1, "A003");
    EXPECT_EQ(rijen("SELECT CompNr, Geschrapt FROM Leden ORDER BY CompNr"), QStringList({"111111|J", "222222|N"}));
    EXPECT_EQ(rijen("SELECT Computernummer FROM Sterktelijst"), QStringList({"222222"}));
    EXPECT_EQ(m_bron.opgehaald, QStringList({"club A003", "leden A003 1", "leden A003 2", "leden A003 3",
                                             "leden A003 27", "club A003", "leden A003 1", "leden A003 2",
                                             "leden A003 3", "leden A003 27"}));
}

TEST_F(OpslagTest, ADivisionStoresItsPlayDatesMatchesAndTeamsClubsOnce)
{
    Club thuis{"A001", "TTC Eerste", 2, {Lokaal{701, 1, "Hal Een", "Straat 1", "2000 Antwerpen"},
                                         Lokaal{702, 2, "Hal Twee", "Straat 2", "2000 Antwerpen"}}};
    m_bron.clubs_.insert("A001", thuis);
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString reeks = "Afdeling 3A - Prov. Antwerpen - Heren";
    QList<Wedstrijd> w;
    // Week 1: Friday and Saturday; week 2: a Wednesday; week 3: no date; week 4: a bye.
    w << Wedstrijd{reeks, "AH03/001", "01", "2010-09-17", "20:00:00", 2, "A001", "Eerste A", "VL-B002", "Twee A"}
      << Wedstrijd{reeks, "AH03/002", "01", "2010-09-18", "14:00:00", 1, "VL-B002", "Twee B", "A001", "Eerste B"}
      << Wedstrijd{reeks, "AH03/003", "02", "2010-09-22", "19:45:00", 0, "A001", "Eerste A", "VL-B002", "Twee B"}
      << Wedstrijd{reeks, "AH03/004", "03", "", "", 0, "VL-B002", "Twee A", "A001", "Eerste A"}
      << Wedstrijd{reeks, "AH03/005", "04", "", "", 0, "-", "Vrij", "A001", "Eerste B"};
    m_opslag.APIMatchenOpslaan(w, 4711);

    EXPECT_EQ(rijen("SELECT WeekNrP, Datum, HerDam, id_zelm_reeks FROM Datums ORDER BY WeekNrP"),
              QStringList({"01|18-09-2010|H|4711", "02|25-09-2010|H|4711", "03|25-09-2010|H|4711", "04|25-09-2010|H|4711"}));
    EXPECT_EQ(rijen("SELECT Seizoen, ReeksNr, Soort, HerDam, Naam, AantPloeg, AtlIndividueleMatchen, AtlWinSets FROM Reeksen"),
              QStringList({"2010-2011|4711|P|H|" + reeks + "|3|4|3"}));
    EXPECT_EQ(rijen("SELECT WedstrNr, SoortComp, WeekNr, HeenTerug, Dag, Datum, Uur, ProvThuis, LKThuis, nmthuis, ProvUIT, "
                    "LKUIT, Zaal, Soort, Akkoord2aan2 FROM Matchen ORDER BY WedstrNr"),
              QStringList({"PAH03001|P|01|H|VR|17-09-2010|20.00|1|001|Eerste A|8|002|2|1|J",
                           "PAH03002|P|01|H|ZA|18-09-2010|14.00|8|002|Twee B|1|001|0|1|J",
                           "PAH03003|P|02|H|WO|22-09-2010|19.45|1|001|Eerste A|8|002|0|1|J",
                           "PAH03004|P|03|T|ZA|25-09-2010||8|002|Twee A|1|001|0|1|J",
                           "PAH03005|P|04|T|ZA|25-09-2010||0|Vrij|Vrij|1|001|0|1|J"}));
    // Each club's members were fetched once, the home club's first.
    EXPECT_EQ(m_bron.opgehaald.filter("club "), QStringList({"club A001", "club VLB002"}));
    EXPECT_EQ(waarde("SELECT count(*) FROM Clubs WHERE Importeren = 'J'"), "2");
    EXPECT_EQ(core::algemeen().strCategorieImport, "Heren");
    // The progress shows the date as the service wrote it; without one, the play date's.
    EXPECT_TRUE(m_bron.getoond.contains("2 Speelweek: 01 (2010-09-17) Wedstrijd  : PAH03/001"))
        << m_bron.getoond.join("\n").toStdString();
    EXPECT_TRUE(m_bron.getoond.contains("2 Speelweek: 03 (25-09-2010) Wedstrijd  : PAH03/004"))
        << m_bron.getoond.join("\n").toStdString();

    // Importing again updates the same rows; a typed set score of game 4 stays.
    d().uitvoeren("UPDATE Matchen SET W04Set1T = '11', THUISSP1 = '123456' WHERE WedstrNr = 'PAH03001'");
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(waarde("SELECT count(*) FROM Matchen"), "5");
    EXPECT_EQ(waarde("SELECT W04Set1T || THUISSP1 FROM Matchen WHERE WedstrNr = 'PAH03001'"), "11123456");
    // A match held without absences, forfeits or agreement (none typed) gets the defaults there only.
    d().uitvoeren("UPDATE Matchen SET AFWTH2 = NULL, AFWUIT3 = ' ', forfaituit = '', Akkoord2aan2 = NULL, AFWTH1 = 'J' "
                  "WHERE WedstrNr = 'PAH03002'");
    // A venue chosen on the sheet gives way to the one the calendar names, but stays when it names none.
    d().uitvoeren("UPDATE Matchen SET Zaal = 1 WHERE WedstrNr IN ('PAH03001', 'PAH03003')");
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(waarde("SELECT AFWTH1 || AFWTH2 || AFWUIT3 || forfaitth || forfaituit || Akkoord2aan2 FROM Matchen "
                     "WHERE WedstrNr = 'PAH03002'"),
              "JNNNNJ");
    EXPECT_EQ(rijen("SELECT WedstrNr, Zaal FROM Matchen WHERE WedstrNr IN ('PAH03001', 'PAH03003') ORDER BY WedstrNr"),
              QStringList({"PAH03001|2", "PAH03003|1"}));
}

TEST_F(OpslagTest, AFailedClubFetchLeavesTheDivisionAsItWas)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    const QString reeks = "Afdeling 1 - Prov. Antwerpen - Dames";
    QList<Wedstrijd> w{Wedstrijd{reeks, "PAD01/001", "01", "2010-09-18", "14:00:00", 0, "A001", "Eerste", "A009", "Negen"}};
    EXPECT_THROW(m_opslag.APIMatchenOpslaan(w, 12), ImportFout);
    EXPECT_EQ(waarde("SELECT count(*) FROM Matchen"), "0");
    EXPECT_EQ(waarde("SELECT count(*) FROM Reeksen"), "0");
    EXPECT_EQ(waarde("SELECT count(*) FROM Datums"), "0");
    EXPECT_EQ(waarde("SELECT count(*) FROM Clubs"), "0");
}

// Game 4 of a match imported again: the import's own walk-over follows the option of a Super men's
// division, but a result the club put on the game stays, in any division.
TEST_F(OpslagTest, GameFourOfAMatchHeldFollowsTheOptionButKeepsTheClubsResult)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString super = "Superdivisie - Super - Heren";
    const QString prov = "Afdeling 3A - Prov. Antwerpen - Heren";
    const QList<Wedstrijd> superW{
        Wedstrijd{super, "SH01/001", "01", "2010-09-18", "14:00:00", 0, "A001", "Eerste A", "VL-B002", "Twee A"}};
    const QList<Wedstrijd> provW{
        Wedstrijd{prov, "PAH03/001", "01", "2010-09-18", "14:00:00", 0, "A001", "Eerste B", "VL-B002", "Twee B"}};
    const QString spel4 = "SELECT coalesce(W04, '<null>') || '|' || coalesce(W04Set1T, '<null>') || '|' || "
                          "coalesce(W04Set1U, '<null>') || '|' || coalesce(W04Set3U, '<null>') FROM Matchen WHERE WedstrNr = ?";
    auto zetten = [&](const QString& nr, const QString& w04, const QString& t, const QString& u) {
        d().uitvoeren("UPDATE Matchen SET W04 = ?, W04Set1T = ?, W04Set1U = ?, W04Set3U = ? WHERE WedstrNr = ?",
                      {w04, t, u, u, nr});
    };

    // Doubles not played: a walk-over, whatever was there; played again: the walk-over goes.
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "N");
    m_opslag.APIMatchenOpslaan(superW, 1);
    EXPECT_EQ(waarde(spel4, {"SH01001"}), "=|w|o|o");
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "J");
    m_opslag.APIMatchenOpslaan(superW, 1);
    EXPECT_EQ(waarde(spel4, {"SH01001"}), "<null>|<null>|<null>|<null>");

    // The doubles played and typed, lost 0-11 in the first set; also one not decided yet.
    zetten("SH01001", "-", "0", "11");
    m_opslag.APIMatchenOpslaan(superW, 1);
    EXPECT_EQ(waarde(spel4, {"SH01001"}), "-|0|11|11");
    zetten("SH01001", " ", "0", "11");
    m_opslag.APIMatchenOpslaan(superW, 1);
    EXPECT_EQ(waarde(spel4, {"SH01001"}), " |0|11|11");

    // Elsewhere: a forfeit's or an absence's walk-over stays; the walk-over that an import of a
    // Super men's division writes, with no absence, forfeit or game not played behind it, is emptied.
    m_opslag.APIMatchenOpslaan(provW, 2);
    EXPECT_EQ(waarde(spel4, {"PAH03001"}), "<null>|<null>|<null>|<null>");
    for (const QString& markering : QStringList{"/", "*", "+", "-"}) {
        zetten("PAH03001", markering, "w", "o");
        m_opslag.APIMatchenOpslaan(provW, 2);
        EXPECT_EQ(waarde(spel4, {"PAH03001"}), markering + "|w|o|o");
    }
    zetten("PAH03001", " ", "0", "11");
    m_opslag.APIMatchenOpslaan(provW, 2);
    EXPECT_EQ(waarde(spel4, {"PAH03001"}), " |0|11|11");
    d().uitvoeren("UPDATE Matchen SET W04 = '=', W04Set1T = 'w', W04Set1U = 'o', W04Set2T = 'w', W04Set2U = 'o', "
                  "W04Set3T = 'w', W04Set3U = 'o' WHERE WedstrNr = 'PAH03001'");
    m_opslag.APIMatchenOpslaan(provW, 2);
    EXPECT_EQ(waarde(spel4, {"PAH03001"}), "<null>|<null>|<null>|<null>");
}

// A Super men's division whose doubles are not played: every import marks game 4 not played, also
// over a result that was typed while the option let them be played.
TEST_F(OpslagTest, ASuperMensMatchGetsGameFourNotPlayedOverATypedResultWhileDoublesAreNotPlayed)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QList<Wedstrijd> w{Wedstrijd{"Superdivisie - Super - Heren", "SH01/001", "01", "2010-09-18", "14:00:00", 0,
                                       "A001", "Eerste A", "VL-B002", "Twee A"}};
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "J");
    m_opslag.APIMatchenOpslaan(w, 1);
    d().uitvoeren("UPDATE Matchen SET W04 = '-', W04Set1T = '9', W04Set1U = '11', W04Set2T = '11', W04Set2U = '4', "
                  "W04Set3T = '5', W04Set3U = '11' WHERE WedstrNr = 'SH01001'");

    testhulp::optieZetten(d(), "SuperDubbelSpelen", "N");
    m_opslag.APIMatchenOpslaan(w, 1);
    EXPECT_EQ(rijen("SELECT W04, W04Set1T, W04Set1U, W04Set2T, W04Set2U, W04Set3T, W04Set3U FROM Matchen"),
              QStringList({"=|w|o|w|o|w|o"}));
}

// A game 4 that neither player played, as the player picker stores it ("=", the walk-over in its
// sets and what gives it: both players' not-played masks, an absence, or both), is the club's
// decision: a calendar imported again keeps it as it is, in a team of four and of three.
TEST_F(OpslagTest, ACalendarImportedAgainKeepsAGameFourThatNeitherPlayerPlayed)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QList<Wedstrijd> heren{Wedstrijd{"Afdeling 3A - Prov. Antwerpen - Heren", "PAH03/001", "01", "2010-09-18",
                                           "14:00:00", 0, "A001", "Eerste A", "VL-B002", "Twee A"}};
    const QList<Wedstrijd> dames{Wedstrijd{"Afdeling 1 - Prov. Antwerpen - Dames", "PAD01/001", "01", "2010-09-18",
                                           "14:00:00", 0, "A001", "Eerste A", "VL-B002", "Twee A"}};
    m_opslag.APIMatchenOpslaan(heren, 2);
    m_opslag.APIMatchenOpslaan(dames, 3);
    const QString spel4 = "SELECT W04, W04Set1T, W04Set1U, W04Set2T, W04Set2U, W04Set3T, W04Set3U, W04Set4T, W04Set5U, "
                          "WOT1, WOU1, WOU3, AFWTH1, AFWUIT1, AFWUIT3 FROM Matchen WHERE WedstrNr = ?";
    const QString nietGespeeld = "UPDATE Matchen SET W04 = '=', W04Set1T = 'w', W04Set1U = 'o', W04Set2T = 'w', "
                                 "W04Set2U = 'o', W04Set3T = 'w', W04Set3U = 'o', W04Set4T = ' ', W04Set5U = ' ', %1 "
                                 "WHERE WedstrNr = ?";
    // Game 4 is home place 1 against away place 3 in the first turn of four players (flag 1), and
    // home place 1 against away place 1 in the second turn of three (flag 16).
    const QList<QPair<QString, QString>> gevallen{
        {"PAH03001", "WOT1 = '1', WOU3 = '1'"},
        {"PAH03001", "WOT1 = ' ', AFWTH1 = 'J', WOU3 = '1'"},
        {"PAH03001", "AFWTH1 = 'J', WOU3 = ' ', AFWUIT3 = 'J'"},
        {"PAD01001", "WOT1 = '16', WOU1 = '16'"},
        {"PAD01001", "WOT1 = ' ', WOU1 = '16', AFWTH1 = 'J'"},
    };
    for (const auto& [nummer, waarom] : gevallen) {
        d().uitvoeren(nietGespeeld.arg(waarom), {nummer});
        const QStringList voor = rijen(spel4, {nummer});
        m_opslag.APIMatchenOpslaan(nummer.startsWith("PAH") ? heren : dames, nummer.startsWith("PAH") ? 2 : 3);
        EXPECT_EQ(rijen(spel4, {nummer}), voor) << waarom.toStdString();
        EXPECT_TRUE(voor.value(0).startsWith("=|w|o|w|o|w|o| | |")) << voor.value(0).toStdString();
    }
}

// A match names its hall by the home club's own venue number, not by the place of the venue in the
// club's answer; the hall follows the club's venues when they change between two imports.
TEST_F(OpslagTest, AMatchGetsTheHallOfTheHomeClubsOwnVenueNumberAlsoAfterItsVenuesChange)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 2,
                                      {Lokaal{701, 1, "Sporthal De Schans", "Kerkstraat 1", "2000 Antwerpen"},
                                       Lokaal{702, 2, "Zaal Boeckenberg", "Schoolstraat 2", "2100 Deurne"}}});
    // A club whose only venue is its second one.
    m_bron.clubs_.insert("A003", Club{"A003", "TTC Merksem", 1, {Lokaal{705, 2, "De Ark", "Bredabaan 5", "2170 Merksem"}}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString reeks = "Afdeling 3A - Prov. Antwerpen - Heren";
    const QList<Wedstrijd> w{
        Wedstrijd{reeks, "PAH03/001", "01", "2010-09-18", "14:00:00", 1, "A001", "Eerste A", "VL-B002", "Twee A"},
        Wedstrijd{reeks, "PAH03/002", "01", "2010-09-18", "19:00:00", 2, "A003", "Merksem A", "VL-B002", "Twee B"},
        Wedstrijd{reeks, "PAH03/003", "02", "2010-09-25", "14:00:00", 2, "A001", "Eerste A", "VL-B002", "Twee B"},
        Wedstrijd{reeks, "PAH03/004", "03", "2010-10-02", "14:00:00", 3, "A001", "Eerste B", "VL-B002", "Twee A"}};
    const QString zalen = "SELECT m.WedstrNr, coalesce(l.Naam, '-') FROM Matchen m LEFT JOIN Lokalen l ON l.id = m.Zaal "
                          "ORDER BY m.WedstrNr";
    const QString links = "SELECT l.Naam, r.volgorde FROM rel_club_lokaal r, Lokalen l WHERE r.id_lokaal = l.id "
                          "AND r.provincie = 1 AND r.clubnummer = ? ORDER BY r.volgorde";
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(rijen(zalen), QStringList({"PAH03001|Sporthal De Schans", "PAH03002|De Ark", "PAH03003|Zaal Boeckenberg",
                                         "PAH03004|-"}));
    EXPECT_EQ(rijen(links, {1}), QStringList({"Sporthal De Schans|1", "Zaal Boeckenberg|2"}));
    EXPECT_EQ(rijen(links, {3}), QStringList({"De Ark|2"}));

    // The club gives up its first venue and takes a third: the venue it left follows at a number
    // the service does not use, and a match held at the venue it left keeps it.
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 2,
                                      {Lokaal{702, 2, "Zaal Boeckenberg", "Schoolstraat 2", "2100 Deurne"},
                                       Lokaal{703, 3, "Sportcentrum Drie", "Sportlaan 3", "2100 Deurne"}}});
    d().uitvoeren("UPDATE Clubs SET Importeren = 'N'");
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(rijen(links, {1}), QStringList({"Zaal Boeckenberg|2", "Sportcentrum Drie|3", "Sporthal De Schans|4"}));
    EXPECT_EQ(rijen(zalen), QStringList({"PAH03001|Sporthal De Schans", "PAH03002|De Ark", "PAH03003|Zaal Boeckenberg",
                                         "PAH03004|Sportcentrum Drie"}));
}

// The play date of a week comes from the week's own matches: a match moved to another date gets
// its new date, but moves neither its week, nor the weeks after it, nor a match without a date.
TEST_F(OpslagTest, AMatchMovedToAnotherDateMovesOnlyItsOwnDate)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString reeks = "Afdeling 3A - Prov. Antwerpen - Heren";
    auto wedstrijd = [&](const QString& nr, const QString& week, const QString& datum, const QString& thuis = "A001") {
        const bool eerste = thuis == u"A001";
        return Wedstrijd{reeks, "PAH03/" + nr, week, datum, datum.isEmpty() ? "" : "14:00:00", 0, thuis,
                         eerste ? "Eerste A" : "Twee A", eerste ? "VL-B002" : "A001", eerste ? "Twee A" : "Eerste A"};
    };
    // Week 1 on Friday and Saturday, week 2 with one match not dated yet, week 3 only a bye and a
    // match without a date, weeks 4 and 5 on their Saturdays.
    QList<Wedstrijd> w{wedstrijd("001", "01", "2010-09-17"), wedstrijd("002", "01", "2010-09-18", "VL-B002"),
                       wedstrijd("003", "01", "2010-09-18"), wedstrijd("004", "02", "2010-09-25"),
                       wedstrijd("005", "02", ""),           wedstrijd("006", "03", "", "VL-B002"),
                       Wedstrijd{reeks, "PAH03/007", "03", "", "", 0, "-", "Vrij", "A001", "Eerste B"},
                       wedstrijd("008", "04", "2010-10-09"), wedstrijd("009", "04", "2010-10-09", "VL-B002"),
                       wedstrijd("010", "05", "2010-10-23"), wedstrijd("011", "05", "2010-10-23", "VL-B002"),
                       wedstrijd("012", "05", "2010-10-23")};
    const QString datums = "SELECT WeekNrP, Datum FROM Datums ORDER BY WeekNrP";
    const QString matchen = "SELECT WedstrNr, Dag, Datum FROM Matchen WHERE WedstrNr IN ('PAH03001', 'PAH03003', "
                            "'PAH03005', 'PAH03006', 'PAH03009', 'PAH03012') ORDER BY WedstrNr";
    const QStringList weken{"01|18-09-2010", "02|25-09-2010", "03|25-09-2010", "04|09-10-2010", "05|23-10-2010"};
    m_opslag.APIMatchenOpslaan(w, 4711);
    ASSERT_EQ(rijen(datums), weken);

    // Imported again after the competition moved matches: one of week 1 to March, one of week 4 to
    // December, one of week 5 a weekend earlier.
    w[2].date = "2011-03-05";
    w[8].date = "2010-12-15";
    w[11].date = "2010-10-16";
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(rijen(datums), weken);
    EXPECT_EQ(rijen(matchen), QStringList({"PAH03001|VR|17-09-2010", "PAH03003|ZA|05-03-2011", "PAH03005|ZA|25-09-2010",
                                           "PAH03006|ZA|25-09-2010", "PAH03009|WO|15-12-2010", "PAH03012|ZA|16-10-2010"}));

    // The same calendar on a fresh installation.
    d().uitvoeren("DELETE FROM Datums");
    d().uitvoeren("DELETE FROM Matchen");
    m_opslag.APIMatchenOpslaan(w, 4711);
    EXPECT_EQ(rijen(datums), weken);
    EXPECT_EQ(rijen(matchen), QStringList({"PAH03001|VR|17-09-2010", "PAH03003|ZA|05-03-2011", "PAH03005|ZA|25-09-2010",
                                           "PAH03006|ZA|25-09-2010", "PAH03009|WO|15-12-2010", "PAH03012|ZA|16-10-2010"}));
}

// A veterans' division plays on the men's kind of sheet, three players a team; its play dates and
// matches carry the veterans' letter, by which a match without a date finds its week's date.
TEST_F(OpslagTest, AVeteransDivisionsMatchesGetTheMensKindAndTheVeteransLetter)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString reeks = "Afdeling 1 - Prov. Antwerpen - Veteranen";
    const QList<Wedstrijd> w{
        Wedstrijd{reeks, "PAV01/001", "01", "2010-09-18", "14:00:00", 0, "A001", "Eerste V", "VL-B002", "Twee V"},
        Wedstrijd{reeks, "PAV01/002", "02", "2010-09-24", "20:00:00", 0, "VL-B002", "Twee V", "A001", "Eerste V"},
        Wedstrijd{reeks, "PAV01/003", "02", "", "", 0, "A001", "Eerste W", "VL-B002", "Twee W"}};
    m_opslag.APIMatchenOpslaan(w, 815);

    EXPECT_EQ(rijen("SELECT Soort, HerDam, AtlIndividueleMatchen, AtlWinSets, AantPloeg FROM Reeksen"),
              QStringList({"P|V|3|3|2"}));
    EXPECT_EQ(rijen("SELECT WeekNrP, Datum, HerDam FROM Datums ORDER BY WeekNrP"),
              QStringList({"01|18-09-2010|V", "02|25-09-2010|V"}));
    EXPECT_EQ(rijen("SELECT WedstrNr, SoortComp, HerDam, Soort, Datum FROM Matchen ORDER BY WedstrNr"),
              QStringList({"PAV01001|P|V|1|18-09-2010", "PAV01002|P|V|1|24-09-2010", "PAV01003|P|V|1|25-09-2010"}));
    EXPECT_EQ(core::algemeen().strCategorieImport, "Veteranen");
}

// Each level and category of division keeps its own level letter, week column, category letter,
// kind of sheet and team size; a match id that begins with no level letter gets the division's.
TEST_F(OpslagTest, DivisionsOfEveryLevelAndCategoryGetTheirOwnLettersWeeksAndTeamSize)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    testhulp::optieZetten(d(), "SuperDubbelSpelen", "N");
    struct Geval
    {
        QString reeks;
        QString id; // the match id of week 1; week 2 has the next number
        QString reeksRij;
        QString weekRij;
        QString matchRij;
    };
    const QList<Geval> gevallen{
        {"Super Afdeling - Heren", "S01/001", "S|H|2|3", "-|-|-|01|H", "S01001|S|H|4|="},
        {"Super Afdeling - Dames", "S02/001", "S|D|3|3", "-|-|-|01|D", "S02001|S|D|4|-"},
        {"Afdeling 1A - Nationaal - Heren", "H1A/001", "N|H|4|2", "-|01|-|-|H", "NH1A001|N|H|1|-"},
        {"Afdeling 2 - Landelijk - Dames", "D2/001", "L|D|3|2", "-|-|01|-|D", "LD2001|L|D|2|-"},
        {"Afdeling 1 - Prov. Antwerpen - Jeugd", "PAJ01/001", "P|J|3|2", "01|-|-|-|J", "PAJ01001|P|J|3|-"},
        {"Afdeling 2 - Prov. Antwerpen - Veteranen", "PAV02/001", "P|V|3|2", "01|-|-|-|V", "PAV02001|P|V|1|-"},
        {"Vrijetijd 1 - Prov. Limburg - Heren", "PLKH01/001", "P|H|3|2", "01|-|-|-|H", "PLKH01001|P|H|1|-"},
        {"NG-reeks 2 - Prov. West-Vl. - Heren", "PWVLH02/001", "P|H|3|2", "01|-|-|-|H", "PWVLH02001|P|H|1|-"},
        {"Afdeling 4 - Prov. West-Vl. - Heren", "PWVLH04/001", "P|H|4|2", "01|-|-|-|H", "PWVLH04001|P|H|1|-"},
    };
    qint64 reeksId = 100;
    for (const Geval& g : gevallen) {
        ++reeksId;
        const QString tweede = g.id.left(g.id.size() - 1) + u'2';
        const QList<Wedstrijd> w{
            Wedstrijd{g.reeks, g.id, "01", "2010-09-18", "14:00:00", 0, "A001", "Eerste A", "VL-B002", "Twee A"},
            Wedstrijd{g.reeks, tweede, "02", "2010-09-25", "14:00:00", 0, "VL-B002", "Twee A", "A001", "Eerste A"}};
        m_opslag.APIMatchenOpslaan(w, reeksId);
        const QList<db::Waarde> id{reeksId};
        EXPECT_EQ(rijen("SELECT Soort, HerDam, AtlIndividueleMatchen, AantPloeg FROM Reeksen WHERE id_zelm = ?", id),
                  QStringList{g.reeksRij})
            << g.reeks.toStdString();
        EXPECT_EQ(rijen("SELECT coalesce(WeekNrP, '-'), coalesce(WeekNrNat, '-'), coalesce(WeekNrLand, '-'), "
                        "coalesce(WeekNrSuper, '-'), HerDam FROM Datums WHERE id_zelm_reeks = ? AND Datum = '18-09-2010'",
                        id),
                  QStringList{g.weekRij})
            << g.reeks.toStdString();
        EXPECT_EQ(rijen("SELECT WedstrNr, SoortComp, HerDam, Soort, coalesce(W04, '-') FROM Matchen "
                        "WHERE ReeksNr = ? AND WeekNr = '01'",
                        {QString::number(reeksId)}),
                  QStringList{g.matchRij})
            << g.reeks.toStdString();
    }
}

// The date of a play week is the weekend most of its matches are played in: a weekend of matches on
// Friday evening counts as its Saturday, one played on Saturday and Sunday as its Sunday, and a
// match moved to another weekend does not take its week along.
TEST_F(OpslagTest, APlayWeekTakesTheWeekendMostOfItsMatchesArePlayedIn)
{
    m_bron.clubs_.insert("A001", Club{"A001", "TTC Eerste", 0, {}});
    m_bron.clubs_.insert("VLB002", Club{"VL-B002", "TTC Twee", 0, {}});
    const QString reeks = "Afdeling 1 - Prov. Antwerpen - Veteranen";
    auto wedstrijd = [&](const QString& nr, const QString& week, const QString& datum, const QString& uur) {
        return Wedstrijd{reeks, "PAV01/" + nr, week, datum, uur, 0, "A001", "Eerste " + nr, "VL-B002", "Twee " + nr};
    };
    const QList<Wedstrijd> w{
        // Week 1 on Friday evening.
        wedstrijd("001", "01", "2010-09-17", "20:00:00"), wedstrijd("002", "01", "2010-09-17", "20:30:00"),
        // Week 2 on Saturday and Sunday; one match moved to the weekend after.
        wedstrijd("003", "02", "2010-09-25", "14:00:00"), wedstrijd("004", "02", "2010-09-26", "10:00:00"),
        wedstrijd("005", "02", "2010-10-02", "14:00:00"),
        // Week 3: two matches, one of them moved a weekend later.
        wedstrijd("006", "03", "2010-10-09", "14:00:00"), wedstrijd("007", "03", "2010-10-16", "14:00:00")};
    m_opslag.APIMatchenOpslaan(w, 815);
    EXPECT_EQ(rijen("SELECT WeekNrP, Datum FROM Datums ORDER BY WeekNrP"),
              QStringList({"01|18-09-2010", "02|26-09-2010", "03|09-10-2010"}));
}

// A club import keeps each category's strength list under its own word and its members' age
// categories; the two halls the club left follow the one it moved to, each at its own number.
TEST_F(OpslagTest, AClubImportKeepsEveryCategorysListAndTheHallsTheClubLeft)
{
    testhulp::lokaalToevoegen(d(), 1, "Oude Zaal", "Dorp 1", "2000", "Antwerpen", 3, 1, 1);
    testhulp::lokaalToevoegen(d(), 2, "Turnzaal", "Dorp 2", "2000", "Antwerpen", 3, 1, 2);
    m_bron.clubs_.insert("A003", Club{"A003", "TTC Drie", 1, {Lokaal{901, 1, "Nieuwe Hal", "Laan 9", "2000 Antwerpen"}}});
    Lid heer = lid("1", "100001", "1", "Jan", "Heer", "C2", "A");
    heer.category = "V40";
    Lid dame = lid("1", "100002", "1", "An", "Dame", "D0", "A", "F");
    Lid veteraan = lid("1", "100003", "1", "Piet", "Oud", "E2", "A");
    veteraan.category = "V60";
    Lid jeugd = lid("1", "100004", "1", "Tim", "Jong", "E6", "A");
    jeugd.category = "J15";
    m_bron.leden_.insert("A0031", {heer});
    m_bron.leden_.insert("A0032", {dame});
    m_bron.leden_.insert("A0033", {veteraan});
    m_bron.leden_.insert("A00327", {jeugd});
    m_opslag.SpelersVanClubImporteren("003", 1, "A003");

    EXPECT_EQ(rijen("SELECT Soort, Computernummer, Leeftijdsreeks FROM Sterktelijst ORDER BY Computernummer"),
              QStringList({"Heren|100001|V40", "Dames|100002|SEN", "Veteranen|100003|V60", "Jeugd|100004|J15"}));
    EXPECT_EQ(rijen("SELECT CompNr, Leeftijdsreeks FROM Leden ORDER BY CompNr"),
              QStringList({"100001|V40", "100002|SEN", "100003|V60", "100004|J15"}));
    EXPECT_EQ(rijen("SELECT l.Naam, r.volgorde FROM rel_club_lokaal r, Lokalen l WHERE r.id_lokaal = l.id "
                    "AND r.provincie = 1 AND r.clubnummer = 3 ORDER BY r.volgorde"),
              QStringList({"Nieuwe Hal|1", "Oude Zaal|2", "Turnzaal|3"}));
}

// Club codes with the short province letters ("VB" for Vlaams-Brabant, "O" for Oost-Vlaanderen)
// give the province of the club, and its club is asked for by the province's full code.
TEST_F(OpslagTest, AMatchBetweenClubsWithShortProvinceLettersFindsTheirProvinces)
{
    m_bron.clubs_.insert("VLB123", Club{"VL-B123", "TTC Leuven", 0, {}});
    m_bron.clubs_.insert("OVL045", Club{"OVL045", "TTC Gent", 0, {}});
    const QString reeks = "Afdeling 1A - Nationaal - Heren";
    m_opslag.APIMatchenOpslaan({Wedstrijd{reeks, "NH1A/001", "01", "2010-09-18", "19:00:00", 0, "VB-123", "Leuven A",
                                          "O-045", "Gent A"}},
                               3);
    EXPECT_EQ(rijen("SELECT ProvThuis, LKThuis, ProvUIT, LKUIT FROM Matchen"), QStringList({"8|123|7|045"}));
    EXPECT_EQ(m_bron.opgehaald.filter("club "), QStringList({"club VLB123", "club OVL045"}));
    EXPECT_EQ(rijen("SELECT Provincie, ClubNr, Clubnaam FROM Clubs ORDER BY Provincie"),
              QStringList({"7|045|TTC Gent", "8|123|TTC Leuven"}));
}
