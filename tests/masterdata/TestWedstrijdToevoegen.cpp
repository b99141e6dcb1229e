#include "StamTest.h"
#include "masterdata/WedstrijdToevoegen.h"

using namespace masterdata;

namespace {

class WedstrijdToevoegen : public StamTest
{
protected:
    static NieuweWedstrijd geldig()
    {
        NieuweWedstrijd w;
        w.seizoen = "2010-2011";
        w.niveau = "P";
        w.categorie = "Heren";
        w.reeks = "3a";
        w.spelers = 3;
        w.weekNr = "5";
        w.nummer = "12";
        w.datum = "18-9-2010";
        w.uur = "19.45";
        w.provThuis = 1;
        w.lkThuis = "001";
        w.nmThuis = "TTC Eerste A";
        w.provUit = 1;
        w.lkUit = "002";
        w.nmUit = "TTC D'Hondt B";
        w.zaal = 7;
        return w;
    }
    QString matchVeld(const QString& veld, const QString& nr = "PAH05012")
    {
        return tekst("SELECT " + veld + " FROM Matchen WHERE Seizoen = '2010-2011' AND WedstrNr = ?", {nr});
    }
};

TEST_F(WedstrijdToevoegen, MatchNumbersAndDivisionNamesTakeTheCompetitionsForm)
{
    EXPECT_EQ(wedstrijdNummer("P", "W.Vl.", "Dames", "05", "012"), "PWVlD05012");
    EXPECT_EQ(wedstrijdNummer("N", "A.", "Heren", "11", "003"), "NH11003");
    EXPECT_EQ(reeksNaam("P", "3A", "Heren", "Antwerpen"), "Afdeling 3A - Prov. Antwerpen - Heren");
    EXPECT_EQ(reeksNaam("L", "1B", "Dames", "Antwerpen"), "Afdeling 1B - Landelijk - Dames");
    EXPECT_EQ(reeksNaam("S", "", "Heren", "Antwerpen"), "Super Afdeling - Heren");
}

TEST_F(WedstrijdToevoegen, WritesTheMatchItsNewDivisionAndItsPlayDate)
{
    const Toevoeging t = wedstrijdToevoegen(geldig());
    ASSERT_TRUE(t.ok) << t.melding.toStdString();
    EXPECT_EQ(t.wedstrNr, "PAH05012");
    EXPECT_EQ(t.datum, "18-09-2010");

    EXPECT_EQ(tekst("SELECT id_zelm FROM Reeksen"), "50000");
    db::Recordset r = d().openRecordset("SELECT * FROM Reeksen WHERE id_zelm = 50000");
    const std::pair<const char*, const char*> reeks[] = {
        {"Seizoen", "2010-2011"}, {"ReeksNr", "50000"}, {"Soort", "P"}, {"Soort1", "1"}, {"AtlKaraktersWNr", "1"},
        {"HerDam", "H"}, {"Naam", "Afdeling 3A - Prov. Antwerpen - Heren"}, {"NaamAfgekort", "P H 3A"},
        {"AantPloeg", "99"}, {"AtlIndividueleMatchen", "3"}, {"AtlByes", "0"}, {"AtlWinSets", "3"}};
    for (const auto& [veld, waarde] : reeks)
        EXPECT_EQ(r.veld(veld).tekst(), waarde) << veld;

    const std::pair<const char*, const char*> match[] = {
        {"SoortComp", "P"}, {"WeekNr", "05"}, {"HeenTerug", "H"}, {"ReeksNr", "50000"}, {"HerDam", "H"},
        {"Dag", "ZA"}, {"Datum", "18-09-2010"}, {"Uur", "19.45"}, {"ProvThuis", "1"}, {"LKThuis", "001"},
        {"nmthuis", "TTC Eerste A"}, {"ProvUIT", "1"}, {"LKUIT", "002"}, {"nmuit", "TTC D'Hondt B"}, {"Zaal", "7"},
        {"Soort", "1"}, {"DATUMWIJZ", "1"}, {"AFWTH1", "N"}, {"AFWUIT4", "N"}, {"forfaitth", "N"},
        {"forfaituit", "N"}, {"Akkoord2aan2", "J"}};
    for (const auto& [veld, waarde] : match)
        EXPECT_EQ(matchVeld(veld), waarde) << veld;
    EXPECT_EQ(tekst("SELECT Datum FROM Datums WHERE Seizoen = '2010-2011' AND WeekNrP = '05' AND id_zelm_reeks = 50000"),
              "18-09-2010");

    // A second match of the same division and week uses both rows again.
    NieuweWedstrijd tweede = geldig();
    tweede.nummer = "13";
    tweede.reeks = "3A";
    tweede.uur = "20";
    ASSERT_TRUE(wedstrijdToevoegen(tweede).ok);
    EXPECT_EQ(aantal("Reeksen"), 1);
    EXPECT_EQ(aantal("Datums"), 1);
    EXPECT_EQ(matchVeld("Uur", "PAH05013"), "20.00");

    // A division made by hand after the first takes the next number.
    NieuweWedstrijd dames = geldig();
    dames.categorie = "Dames";
    ASSERT_TRUE(wedstrijdToevoegen(dames).ok);
    EXPECT_EQ(matchVeld("ReeksNr", "PAD05012"), "50001");
    EXPECT_EQ(matchVeld("Soort", "PAD05012"), "2");
}

TEST_F(WedstrijdToevoegen, ASuperMensMatchWithoutDoublesHasItsFourthGameAsAWalkOver)
{
    NieuweWedstrijd w = geldig();
    w.niveau = "S";
    w.reeks = "";
    w.spelers = 2;
    ASSERT_TRUE(wedstrijdToevoegen(w).ok);
    EXPECT_EQ(matchVeld("W04", "SH05012"), "=");
    EXPECT_EQ(matchVeld("W04Set1T", "SH05012"), "w");
    EXPECT_EQ(matchVeld("W04Set3U", "SH05012"), "o");
    EXPECT_EQ(matchVeld("Soort", "SH05012"), "4");
    EXPECT_EQ(tekst("SELECT NaamAfgekort FROM Reeksen"), "S H Super");
    EXPECT_EQ(tekst("SELECT AtlIndividueleMatchen FROM Reeksen"), "2");
    EXPECT_EQ(tekst("SELECT COUNT(*) FROM Datums WHERE WeekNrSuper = '05'"), "1");

    // The ladies' Super division has teams of three, as the competition's calendar gives it, and
    // no walk-over of its own.
    w.categorie = "Dames";
    w.spelers = superSpelers(w.categorie);
    ASSERT_TRUE(wedstrijdToevoegen(w).ok);
    EXPECT_EQ(w.spelers, 3);
    EXPECT_EQ(tekst("SELECT AtlIndividueleMatchen FROM Reeksen WHERE Naam = 'Super Afdeling - Dames'"), "3");
    EXPECT_EQ(matchVeld("Soort", "SD05012"), "4");
    EXPECT_EQ(matchVeld("W04", "SD05012"), "");
}

TEST_F(WedstrijdToevoegen, AByeStandsWithProvinceZeroAndItsTeamText)
{
    NieuweWedstrijd w = geldig();
    w.provUit = 0;
    w.lkUit = "";
    w.nmUit = "Vrij";
    ASSERT_TRUE(wedstrijdToevoegen(w).ok);
    EXPECT_EQ(matchVeld("ProvUIT"), "0");
    EXPECT_EQ(matchVeld("LKUIT"), "Vrij");

    // A bye at home: the number carries the visitors' province letters (of Vlaams-Brabant here),
    // not those of province 0.
    w = geldig();
    w.provThuis = 0;
    w.lkThuis = "";
    w.nmThuis = "Vrij";
    w.provUit = 8;
    w.lkUit = "045";
    w.nummer = "13";
    ASSERT_TRUE(wedstrijdToevoegen(w).ok);
    EXPECT_EQ(matchVeld("ProvThuis || '|' || LKThuis || '|' || ProvUIT || '|' || LKUIT", "PVBH05013"), "0|Vrij|8|045");
    EXPECT_EQ(tekst("SELECT COUNT(*) FROM Matchen WHERE WedstrNr LIKE 'PH05013'"), "0");
    // Without a bye it is the home club's province.
    w = geldig();
    w.provUit = 8;
    w.nummer = "14";
    ASSERT_TRUE(wedstrijdToevoegen(w).ok);
    EXPECT_EQ(matchVeld("ProvUIT", "PAH05014"), "8");
}

TEST_F(WedstrijdToevoegen, AWrongValueIsRefusedWithAMessageAndNothingIsWritten)
{
    ASSERT_TRUE(wedstrijdToevoegen(geldig()).ok);
    const qint64 matchen = aantal("Matchen");
    const qint64 reeksen = aantal("Reeksen");
    const qint64 datums = aantal("Datums");

    struct Geval
    {
        const char* naam;
        std::function<void(NieuweWedstrijd&)> wijzig;
        const char* melding;
    };
    const Geval gevallen[] = {
        {"season", [](NieuweWedstrijd& w) { w.seizoen = "2010-2012"; },
         "Het seizoen moet de vorm jjjj-jjjj hebben, twee opeenvolgende jaren (bijvoorbeeld 2010-2011) !"},
        {"division", [](NieuweWedstrijd& w) { w.reeks = "A3"; },
         "De reeks is een cijfer gevolgd door hoogstens drie letters of cijfers (bijvoorbeeld 3A) !"},
        {"week", [](NieuweWedstrijd& w) { w.weekNr = "0"; }, "Het weeknummer is een getal van 1 tot 99 !"},
        {"number", [](NieuweWedstrijd& w) { w.nummer = "1a"; }, "Het wedstrijdnummer is een getal van 1 tot 999 !"},
        {"date form", [](NieuweWedstrijd& w) { w.datum = "18/09/2010"; },
         "De datum moet de vorm dd-mm-jjjj hebben (bijvoorbeeld 12-09-2010) !"},
        {"no such date", [](NieuweWedstrijd& w) { w.datum = "31-02-2011"; },
         "De datum moet de vorm dd-mm-jjjj hebben (bijvoorbeeld 12-09-2010) !"},
        {"date of another season", [](NieuweWedstrijd& w) { w.datum = "01-07-2011"; },
         "De datum 01-07-2011 valt niet in het seizoen 2010-2011 !"},
        {"time", [](NieuweWedstrijd& w) { w.uur = "19.60"; }, "Het uur moet de vorm uu.mm hebben (bijvoorbeeld 19.45) !"},
        {"no time", [](NieuweWedstrijd& w) { w.uur = ""; }, "Het uur moet de vorm uu.mm hebben (bijvoorbeeld 19.45) !"},
        {"two byes", [](NieuweWedstrijd& w) { w.lkThuis = w.lkUit = ""; },
         "Kies de thuisclub en de bezoekende club !"},
        {"home team", [](NieuweWedstrijd& w) { w.nmThuis = " "; }, "Vul de naam van de thuisploeg in !"},
        {"existing match", [](NieuweWedstrijd&) {}, "De wedstrijd PAH05/012 bestaat al in het seizoen 2010-2011 !"},
        {"other team size", [](NieuweWedstrijd& w) { w.nummer = "14"; w.spelers = 4; },
         "De reeks Afdeling 3A - Prov. Antwerpen - Heren bestaat al, met ploegen van 3 spelers !"},
        {"Super men of four", [](NieuweWedstrijd& w) { w.niveau = "S"; w.reeks = ""; w.spelers = 4; },
         "Een ploeg van de Super Afdeling - Heren telt 2 spelers !"},
        {"Super men of three", [](NieuweWedstrijd& w) { w.niveau = "S"; w.reeks = ""; },
         "Een ploeg van de Super Afdeling - Heren telt 2 spelers !"},
        {"Super ladies of two", [](NieuweWedstrijd& w) { w.niveau = "S"; w.categorie = "Dames"; w.spelers = 2; },
         "Een ploeg van de Super Afdeling - Dames telt 3 spelers !"},
        {"Super veterans of two",
         [](NieuweWedstrijd& w) { w.niveau = "S"; w.categorie = "Veteranen"; w.spelers = 2; },
         "Een ploeg van de Super Afdeling - Veteranen telt 3 spelers !"},
    };
    for (const Geval& g : gevallen) {
        NieuweWedstrijd w = geldig();
        g.wijzig(w);
        const Toevoeging t = wedstrijdToevoegen(w);
        EXPECT_FALSE(t.ok) << g.naam;
        EXPECT_EQ(t.melding, QString::fromUtf8(g.melding)) << g.naam;
    }
    EXPECT_EQ(aantal("Matchen"), matchen);
    EXPECT_EQ(aantal("Reeksen"), reeksen);
    EXPECT_EQ(aantal("Datums"), datums);
}

} // namespace
