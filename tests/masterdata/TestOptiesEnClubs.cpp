#include "StamTest.h"
#include "core/AlgemeneProcedures.h"
#include "masterdata/ClubBeheer.h"
#include "masterdata/OptieBeheer.h"

using namespace masterdata;

namespace {

using Opties = StamTest;
using Clubs = StamTest;

Controle controle(const QString& soort, const QString& invoer)
{
    return optieControleren(*optieRegel(soort), invoer);
}

TEST_F(Opties, EveryKeyOfTheOptionsTableCanBeSetExceptTheMarkers)
{
    for (const char* soort : {"Aantal Karakters CompNr", "Provincie", "ClubNr", "ClubProv", "Pad Opslaan",
                              "PaswoordBeheer", "Weergave Wedstrijden", "Streng", "SuperDubbelSpelen",
                              "Comité Nummer", "Munteenheid"})
        EXPECT_NE(optieRegel(QString::fromUtf8(soort)), nullptr) << soort;
    EXPECT_EQ(optieRegel("statussen"), nullptr);
    EXPECT_EQ(optieRegel("update20100807"), nullptr);
}

TEST_F(Opties, TypedValuesAreCheckedAndPutInTheirStoredForm)
{
    struct Geval
    {
        const char* soort;
        const char* invoer;
        bool ok;
        const char* waarde;
    };
    const Geval gevallen[] = {
        {"ClubNr", "7", true, "007"},
        {"ClubNr", "", true, ""},
        {"ClubNr", "1234", false, ""},
        {"ClubNr", "12a", false, ""},
        {"Aantal Karakters CompNr", "6", true, "6"},
        {"Aantal Karakters CompNr", "0", false, ""},
        {"Weergave Wedstrijden", "0", true, "0"},
        {"Weergave Wedstrijden", "2", false, ""},
        {"SuperDubbelSpelen", "j", true, "J"},
        {"SuperDubbelSpelen", "x", false, ""},
        {"Comité Nummer", "12", true, "12"},
        {"Comité Nummer", "12a", false, ""},
        {"Munteenheid", " EUR ", true, "EUR"},
        {"PaswoordBeheer", "abc", true, "GHI"},
        {"PaswoordBeheer", "", true, ""},
        {"PaswoordBeheer", ":", false, ""},            // would be stored as one blank: no password
        {"PaswoordBeheer", "zo\u0142", false, ""},     // a letter outside the Windows code page
        // The credentials go with every request: https only, plain http to this machine alone.
        {"Adres Webdienst", "https://api.vttl.invalid/0.7/", true, "https://api.vttl.invalid/0.7/"},
        {"Adres Webdienst", "", true, ""},
        {"Adres Webdienst", "http://127.0.0.1:8080/0.7/", true, "http://127.0.0.1:8080/0.7/"},
        {"Adres Webdienst", "http://localhost/0.7/", true, "http://localhost/0.7/"},
        {"Adres Webdienst", "http://[::1]/0.7/", true, "http://[::1]/0.7/"},
        {"Adres Webdienst", "http://api.vttl.invalid/0.7/", false, ""},
        {"Adres Webdienst", "HTTP://10.0.0.1/0.7/", false, ""},
        {"Adres Webdienst", "https:/api.vttl.invalid", false, ""},
    };
    for (const Geval& g : gevallen) {
        const Controle c = controle(QString::fromUtf8(g.soort), QString::fromUtf8(g.invoer));
        EXPECT_EQ(c.ok, g.ok) << g.soort << " " << g.invoer;
        if (g.ok)
            EXPECT_EQ(c.waarde, QString::fromUtf8(g.waarde)) << g.soort;
        else
            EXPECT_FALSE(c.melding.isEmpty()) << g.soort;
    }
}

TEST_F(Opties, ThePasswordIsStoredCodedAndReadBack)
{
    const Controle c = controle("PaswoordBeheer", "Geheim 9é");
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(optiesOpslaan({{"PaswoordBeheer", c.waarde}}), QStringList{"PaswoordBeheer"});
    EXPECT_EQ(tekst("SELECT Item FROM Opties WHERE Soort = 'PaswoordBeheer'"), core::PaswoordCoderen("Geheim 9é"));
    EXPECT_NE(tekst("SELECT Item FROM Opties WHERE Soort = 'PaswoordBeheer'"), "Geheim 9é");
    EXPECT_TRUE(paswoordJuist("Geheim 9é"));
    EXPECT_FALSE(paswoordJuist("geheim 9é"));
    EXPECT_FALSE(paswoordJuist(""));

    // Storing the same values again changes nothing; an emptied option is stored as one blank.
    EXPECT_TRUE(optiesOpslaan({{"PaswoordBeheer", c.waarde}}).isEmpty());
    EXPECT_EQ(optiesOpslaan({{"PaswoordBeheer", ""}, {"Munteenheid", "EUR"}}), QStringList{"PaswoordBeheer"});
    EXPECT_EQ(tekst("SELECT Item FROM Opties WHERE Soort = 'PaswoordBeheer'"), " ");
    EXPECT_TRUE(paswoordJuist(""));
}

TEST_F(Clubs, ANewVenueTakesTheHighestIdPlusOneAndComesLast)
{
    testhulp::clubToevoegen(d(), 1, "001", "TTC Eerste");
    testhulp::clubToevoegen(d(), 1, "002", "TTC Tweede");
    testhulp::lokaalToevoegen(d(), 7, "Sporthal", "", "", "", 1, 1, 1);
    testhulp::lokaalToevoegen(d(), 12, "Andere club", "", "", "", 2, 1, 1);

    Lokaal l;
    l.naam = "Zaal D'Hondt";
    l.straat = "Dorp 1";
    EXPECT_EQ(lokaalToevoegen(1, "001", l), 13);
    EXPECT_EQ(tekst("SELECT id_zelm FROM Lokalen WHERE id = 13"), "0");
    EXPECT_EQ(tekst("SELECT volgorde FROM rel_club_lokaal WHERE id_lokaal = 13"), "2");
    QList<Lokaal> lijst = lokalenVanClub(1, "001");
    ASSERT_EQ(lijst.size(), 2);
    EXPECT_EQ(lijst[1].naam, "Zaal D'Hondt");
    EXPECT_EQ(lijst[1].postnummer, "");

    EXPECT_TRUE(lokaalVerplaatsen(1, "001", 13, -1));
    EXPECT_FALSE(lokaalVerplaatsen(1, "001", 13, -1)) << "already first";
    EXPECT_EQ(lokalenVanClub(1, "001").first().id, 13);

    // A venue a match still uses keeps its row; an unused one goes with its last link.
    testhulp::Wedstrijd w;
    w.wedstrNr = "PAH01001";
    w.extra = {{"Zaal", 13}};
    testhulp::wedstrijdToevoegen(d(), w);
    lokaalLosmaken(1, "001", 13);
    lokaalLosmaken(1, "001", 7);
    EXPECT_TRUE(lokalenVanClub(1, "001").isEmpty());
    EXPECT_EQ(tekst("SELECT COUNT(*) FROM Lokalen WHERE id = 13"), "1");
    EXPECT_EQ(tekst("SELECT COUNT(*) FROM Lokalen WHERE id = 7"), "0");
    EXPECT_EQ(lokaalControleren(Lokaal{}), "Vul de naam van het lokaal in !");
}

TEST_F(Clubs, ClubsAreStoredWithThreeDigitsAndRefusedWhenWrong)
{
    Club c;
    c.provincie = 1;
    c.clubNr = "7";
    c.clubNaam = "TTC Zeven";
    EXPECT_EQ(clubOpslaan(c, true), "");
    EXPECT_EQ(tekst("SELECT ClubNaam FROM Clubs WHERE Provincie = 1 AND ClubNr = '007'"), "TTC Zeven");
    EXPECT_EQ(tekst("SELECT Ploegnaam FROM Clubs WHERE ClubNr = '007'"), " ");

    const qint64 voor = aantal("Clubs");
    EXPECT_EQ(clubOpslaan(c, true), "De club A. 007 bestaat al !");
    Club fout = c;
    fout.clubNr = "12a";
    EXPECT_EQ(clubOpslaan(fout, true), "Het clubnummer bestaat uit 1 tot 3 cijfers en is niet 000 !");
    fout.clubNr = "0";
    EXPECT_FALSE(clubOpslaan(fout, true).isEmpty());
    fout = c;
    fout.clubNr = "8";
    fout.clubNaam = " ";
    EXPECT_EQ(clubOpslaan(fout, true), "Vul de naam van de club in !");
    fout.clubNaam = "X";
    fout.provincie = 0;
    EXPECT_EQ(clubOpslaan(fout, true), "Kies de provincie van de club !");
    EXPECT_EQ(aantal("Clubs"), voor);

    c.clubNr = "007";
    c.clubNaam = "TTC Zeven Sterren";
    c.geschrapt = true;
    EXPECT_EQ(clubOpslaan(c, false), "");
    ASSERT_EQ(clubsLijst().size(), 1);
    EXPECT_EQ(clubsLijst().first().clubNaam, "TTC Zeven Sterren");
    EXPECT_TRUE(clubsLijst().first().geschrapt);

    lokaalToevoegen(1, "007", Lokaal{0, "Hal", "", "", ""});
    clubVerwijderen(1, "007");
    EXPECT_EQ(aantal("Clubs"), 0);
    EXPECT_EQ(aantal("rel_club_lokaal"), 0);
    EXPECT_EQ(aantal("Lokalen"), 0);
}

TEST_F(Clubs, ResponsiblePersonsGetTheirMemberNumberAtTheWidth)
{
    ASSERT_EQ(core::algemeen().intAantalKaraktersCompNr, 6);
    Verantwoordelijke v;
    v.naam = "Jan Peeters";
    v.compNr = "1234";
    v.scheidsrechter = true;
    EXPECT_EQ(verantwoordelijkeOpslaan(v), "");
    EXPECT_GT(v.rij, 0);
    EXPECT_EQ(tekst("SELECT CompNr FROM Verantwoordelijken"), "001234");
    EXPECT_EQ(tekst("SELECT Scheidsrechter FROM Verantwoordelijken"), "J");

    Verantwoordelijke w;
    w.naam = "Piet";
    w.compNr = "1234567";
    EXPECT_EQ(verantwoordelijkeOpslaan(w), "Het computernummer bestaat uit hoogstens 6 cijfers !");
    w.compNr = "12b";
    EXPECT_FALSE(verantwoordelijkeOpslaan(w).isEmpty());
    w.compNr = "001234";
    EXPECT_EQ(verantwoordelijkeOpslaan(w), "Het computernummer 001234 staat al in de lijst van de verantwoordelijken !");
    w.compNr = "";
    w.naam = "";
    EXPECT_EQ(verantwoordelijkeOpslaan(w), "Vul de naam van de verantwoordelijke in !");
    EXPECT_EQ(aantal("Verantwoordelijken"), 1);

    v.naam = "Jan Peeters-Janssens";
    EXPECT_EQ(verantwoordelijkeOpslaan(v), "") << "its own number is no double";
    EXPECT_EQ(verantwoordelijkenLijst().first().naam, "Jan Peeters-Janssens");
    verantwoordelijkeVerwijderen(v.rij);
    EXPECT_EQ(aantal("Verantwoordelijken"), 0);
}

} // namespace
