#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "maintenance/Tabelstructuur.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace db;
using namespace maintenance;

namespace {

QStringList veldNamen(const TabelDef& t)
{
    QStringList uit;
    for (const VeldDef& v : t.velden)
        uit << v.naam;
    return uit;
}

const TabelDef* zoek(const QList<TabelDef>& lijst, const QString& naam)
{
    for (const TabelDef& t : lijst) {
        if (t.naam.compare(naam, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

TEST(StructuurBron, MalformedLinesAreReportedWithTheirNumber)
{
    const struct
    {
        const char* bron;
        const char* melding;
    } gevallen[] = {
        {"  Veld Tekst\n", "Regel 1: een veld of index staat voor de eerste tabel"},
        {"tabel A\n  x Tekst\n  y Getal\n", "Regel 3: verwacht een veldnaam en een typewoord: 'y Getal'"},
        {"tabel A\n  x Tekst\n  index I = z\n", "Regel 3: de index gebruikt het onbekende veld 'z'"},
        {"tabel A\n  x Tekst\n  index I x\n", "Regel 3: een index zonder '='"},
        {"tabel A\n  x Tekst\n  index I = x oplopend\n", "Regel 3: onleesbaar indexveld 'x oplopend'"},
        {"tabel \n", "Regel 1: een tabel zonder naam"},
    };
    for (const auto& g : gevallen) {
        QString fout;
        EXPECT_TRUE(structuurBronLezen(QString::fromUtf8(g.bron), &fout).isEmpty()) << g.bron;
        EXPECT_EQ(fout, QString::fromUtf8(g.melding)) << g.bron;
    }
    QString fout;
    const auto tabellen = structuurBronLezen("# opmerking\r\ntabel Volgorde Wedstrijden\r\n  A Integer\r\n  B Tekst\r\n"
                                             "  index Volgorde = A, B aflopend\r\n",
                                             &fout);
    ASSERT_EQ(tabellen.size(), 1) << fout.toStdString();
    EXPECT_EQ(tabellen[0].naam, "Volgorde Wedstrijden");
    EXPECT_TRUE(tabellen[0].indexen[0].velden[1].aflopend);
}

TEST(Structuur, DictionaryRowsDescribeTablesAndReadBack)
{
    QTemporaryDir map;
    Database tabellen = Database::maken(map.filePath("Tabellen.mdb"));
    structuurTabelMaken(tabellen, StructuurTabel);
    const QList<TabelDef> beschrijving{
        {"Reeksen",
         {{"id_zelm", TypeWoord::Long}, {"Seizoen", TypeWoord::Tekst}, {"Opm", TypeWoord::Memo},
          {"Klaar", TypeWoord::Boolean}, {"Gem", TypeWoord::Double}, {"Wanneer", TypeWoord::Datum},
          {"Klein", TypeWoord::Integer}, {"Vreemd", QString()}},
         {{"Soort", {{"Seizoen"}, {"id_zelm", true}}}, {"Id", {{"id_zelm"}}}}},
        {"Zonder Index", {{"x", TypeWoord::Tekst}}, {}}};
    // Written twice: the second snapshot replaces the first.
    structuurRijenSchrijven(tabellen, StructuurTabel, beschrijving);
    structuurRijenSchrijven(tabellen, StructuurTabel, beschrijving);

    auto aantal = [&](const char* waar) {
        return tabellen.openRecordset(QStringLiteral("SELECT COUNT(*) FROM [QJ-Deel7] WHERE ") + waar).veld(0).geheel();
    };
    EXPECT_EQ(aantal("Aard = 'AtlV'"), 2);
    EXPECT_EQ(aantal("NaamTabel = 'Reeksen' AND Aard = 'AtlV' AND Naam = '8'"), 1);
    EXPECT_EQ(aantal("NaamTabel = 'Reeksen' AND Aard = 'AtlI' AND Naam = '2'"), 1);
    EXPECT_EQ(aantal("NaamTabel = 'Zonder Index' AND Aard = 'AtlI' AND Naam = '0'"), 1);
    EXPECT_EQ(aantal("Aard = 'Index'"), 3);
    EXPECT_EQ(aantal("Aard = 'Index' AND Indexveld = 'id_zelm' AND Sorteervolgorde = 'D'"), 1);

    // The field order is kept by Volgorde, as the exchange file reads it.
    Recordset velden = tabellen.openRecordset(
        "SELECT * FROM [QJ-Deel7] WHERE NaamTabel = 'Reeksen' and Aard = 'Veld' ORDER BY Volgorde ASC;");
    QStringList namen;
    for (; !velden.eof(); velden.moveNext())
        namen << velden.veld("Naam").tekst();
    EXPECT_EQ(namen, veldNamen(beschrijving[0]));

    // And through the index the dictionary is sought by.
    Recordset rs = tabellen.openTabel(StructuurTabel);
    rs.setIndex("Veldzoeken");
    rs.seek("=", {"reeksen", "Veld"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("Naam").tekst(), "id_zelm");
    rs.setIndex("IndexVeldzoeken");
    rs.seek("=", {"Reeksen", "Index", "Soort"});
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.veld("Indexveld").tekst(), "Seizoen");
    rs.moveNext();
    EXPECT_EQ(rs.veld("Indexveld").tekst(), "id_zelm");

    const QList<TabelDef> terug = structuurLezen(tabellen, StructuurTabel);
    ASSERT_EQ(terug.size(), 2);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(terug[0].velden[i].typeWoord, beschrijving[0].velden[i].typeWoord) << i;
    ASSERT_EQ(terug[0].indexen.size(), 2);
    EXPECT_EQ(terug[0].indexen[0].velden.size(), 2);
    EXPECT_TRUE(terug[0].indexen[0].velden[1].aflopend);

    // A database made from the dictionary has exactly those tables, fields and indexes, and its
    // snapshot gives the same description back (a wordless field is made as text).
    DatabaseMaken("Nieuw.mdb", map.path() + "/");
    Database nieuw = Database::openen(map.filePath("Nieuw.mdb"));
    tabellenMaken(nieuw, terug);
    const QList<TabelDef> momentopname = structuurVan(nieuw);
    ASSERT_EQ(momentopname.size(), 2);
    const TabelDef* reeksen = zoek(momentopname, "Reeksen");
    ASSERT_TRUE(reeksen);
    EXPECT_EQ(veldNamen(*reeksen), veldNamen(beschrijving[0]));
    EXPECT_EQ(reeksen->velden[7].typeWoord, TypeWoord::Tekst);
    EXPECT_EQ(reeksen->indexen.size(), 2);
    nieuw.sluiten();

    // Making a database where one exists replaces it by an empty one.
    DatabaseMaken("Nieuw.mdb", map.path() + "/");
    EXPECT_TRUE(Database::openen(map.filePath("Nieuw.mdb")).tabellen().isEmpty());
}

class GeleverdeDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        m_db = Database::openen(testhulp::applicatiemapVullen(m_map.path()));
        m_tabellen = Database::openen(m_map.filePath("Tabellen.mdb"));
    }

    QTemporaryDir m_map;
    Database m_db;
    Database m_tabellen;
};

TEST_F(GeleverdeDatabase, HoldsEveryTableWithItsNamedColumnsAndIndexes)
{
    const struct
    {
        const char* tabel;
        QStringList kolommen;
        QList<std::pair<QString, QStringList>> indexen;
    } verwacht[] = {
        {"Matchen",
         {"Seizoen", "SoortComp", "WeekNr", "HeenTerug", "WedstrNr", "ReeksNr", "HerDam", "Dag", "Datum", "Uur",
          "ProvThuis", "LKThuis", "nmthuis", "ProvUIT", "LKUIT", "nmuit", "Zaal", "Soort", "DATUMWIJZ", "INDFICHE",
          "THUISSP1", "UITSP4", "AFWTH1", "AFWUIT4", "WOT1", "WOU4", "Opmerk1", "Opmerk2", "KapiteinT", "KapiteinU",
          "forfaitth", "forfaituit", "Akkoord2aan2", "W01", "W01Set1T", "W16", "W16Set5U", "HoofdschCompnr",
          "HoofdSchNaam", "HoofdschProv", "HoofdschClubNr", "HoofdschClubNaam", "ZaalcommCompnr", "ZaalCommNaam",
          "ZaalCommProv", "Einduur", "VoorbehoudT", "Voorbehoudu", "OpmOffScheids", "Ingeput"},
         {{"WedstrNr", {"Seizoen", "WedstrNr"}}, {"WeekNr", {"Seizoen", "SoortComp", "WeekNr"}}}},
        {"Leden",
         {"CompNr", "Achternaam", "Voornaam", "Naam", "Geboortedatum", "Geslacht", "KlasDames", "KlasHeren",
          "Clubnummer", "MedischeKeuring", "RecInt", "Provincie", "Geschrapt", "LeeftijdsReeks"},
         {{"CompNr", {"CompNr"}}}},
        {"Clubs", {"Provincie", "ClubNr", "ClubNaam", "Ploegnaam", "Geschrapt", "Importeren"}, {{"ClubNr", {"Provincie", "ClubNr"}}}},
        {"Sterktelijst",
         {"Seizoen", "Provincie", "Clubnummer", "Soort", "Volgorde", "Volgnummer", "Index", "Computernummer", "Naam",
          "Klassering", "LeeftijdsReeks", "OpSterktelijst", "Recreant"},
         {{"SpelerZoeken", {"Seizoen", "Provincie", "Clubnummer", "Computernummer", "Soort"}}}},
        {"Alternatief",
         {"Clubnummer", "Ploegnaam", "Soort", "Volgnummer", "Index", "Computernummer", "Naam", "Klassering", "Provincie"},
         {{"SpelerZoeken", {"Provincie", "Clubnummer", "Computernummer", "Soort"}}}},
        {"Reeksen",
         {"id_zelm", "Seizoen", "ReeksNr", "Soort", "Soort1", "AtlKaraktersWNr", "HerDam", "Naam", "NaamAfgekort",
          "AantPloeg", "AtlIndividueleMatchen", "AtlByes", "AtlWinSets"},
         {{"Soort", {"Seizoen", "Soort", "HerDam", "ReeksNr"}}}},
        {"Datums",
         {"Seizoen", "Datum", "HerDam", "WeekNrP", "WeekNrNat", "WeekNrSuper", "WeekNrLand", "id_zelm_reeks"},
         {{"Datum", {"Datum"}},
          {"ImportP", {"Seizoen", "Datum", "HerDam", "WeekNrP"}},
          {"ImportN", {"Seizoen", "Datum", "HerDam", "WeekNrNat"}},
          {"ImportS", {"Seizoen", "Datum", "HerDam", "WeekNrSuper"}},
          {"ImportL", {"Seizoen", "Datum", "HerDam", "WeekNrLand"}}}},
        {"Ploegen",
         {"Soort", "ReeksNr", "PloegNr", "PloegLetter", "ClubNr", "Provincie", "AlgemeenForfait", "HerDam",
          "UurThuismatch", "DagThuismatch"},
         {{"ReeksBepalen", {"Seizoen", "ClubNr", "Provincie", "PloegLetter", "HerDam"}}}},
        {"Lokalen", {"id", "Naam", "Straat", "Postnummer", "Gemeente", "id_zelm"}, {{"Import", {"id"}}}},
        {"rel_club_lokaal", {"clubnummer", "provincie", "id_lokaal", "volgorde"},
         {{"Import", {"id_lokaal", "clubnummer", "provincie"}}}},
        {"Provincies", {"Nr", "Provincie", "Province", "Afkorting", "TabT"}, {{"Alfa", {"Provincie"}}}},
        {"Volgorde Wedstrijden", {"thuis", "uit", "Volgnummer"}, {{"Volgorde", {"AantalSpelers", "Wedstrijd"}}}},
        {"Opties", {"Soort", "Item", "Afkorting"}, {{"Soort", {"Soort"}}}},
        {"Vertalingen", {"Nr", "E", "N", "F"}, {}},
        {"Verantwoordelijken", {"Naam", "CompNr", "Scheidsrechter"}, {}},
        {"Klassering", {}, {}},
        {"Omwisselen", {}, {}},
        {"SterktelijstHuidig", {"Seizoen", "Provincie", "Clubnummer", "Soort", "Computernummer"}, {}},
        {"Eindcontrole", {"Aard", "ClubNr", "CompNr1", "Wedstrijdnummer2"}, {}},
    };
    const QList<TabelDef> structuur = structuurLezen(m_tabellen, StructuurTabel);
    for (const auto& v : verwacht) {
        SCOPED_TRACE(v.tabel);
        ASSERT_TRUE(m_db.bestaatTabel(v.tabel));
        const TabelDef echt = m_db.tabelDef(v.tabel);
        const TabelDef* beschreven = zoek(structuur, v.tabel);
        ASSERT_TRUE(beschreven) << "every table is in the table structure";
        EXPECT_EQ(veldNamen(echt), veldNamen(*beschreven));
        // The named columns stand in the given relative order (the exchange file depends on it).
        qsizetype vorige = -1;
        for (const QString& k : v.kolommen) {
            const qsizetype plaats = veldNamen(echt).indexOf(k);
            EXPECT_GT(plaats, vorige) << k.toStdString();
            vorige = plaats;
        }
        for (const auto& [naam, velden] : v.indexen) {
            bool gevonden = false;
            for (const IndexDef& i : echt.indexen) {
                if (i.naam != naam)
                    continue;
                gevonden = true;
                QStringList sleutels;
                for (const IndexVeldDef& iv : i.velden)
                    sleutels << iv.naam;
                EXPECT_EQ(sleutels, velden) << naam.toStdString();
            }
            EXPECT_TRUE(gevonden) << naam.toStdString();
        }
    }
    // The numbers among the columns are stored as numbers; the rest keeps its text form.
    for (const auto& [tabel, veld] : QList<std::pair<QString, QString>>{{"Clubs", "Provincie"},
                                                                        {"Provincies", "Nr"},
                                                                        {"Lokalen", "id"},
                                                                        {"Lokalen", "id_zelm"},
                                                                        {"rel_club_lokaal", "volgorde"},
                                                                        {"Sterktelijst", "Provincie"},
                                                                        {"Reeksen", "id_zelm"},
                                                                        {"Datums", "id_zelm_reeks"},
                                                                        {"Matchen", "Zaal"},
                                                                        {"Vertalingen", "Nr"}}) {
        const TabelDef def = m_db.tabelDef(tabel);
        for (const VeldDef& v : def.velden) {
            if (v.naam == veld) {
                EXPECT_TRUE(v.typeWoord == TypeWoord::Integer || v.typeWoord == TypeWoord::Long)
                    << (tabel + "." + veld).toStdString();
            }
        }
    }
    EXPECT_EQ(m_db.tabelDef("Matchen").velden.value(m_db.tabelDef("Matchen").velden.size() - 1).typeWoord,
              TypeWoord::Tekst);
}

TEST_F(GeleverdeDatabase, TheTwelveSharedTablesOpenAndReferenceDataIsThere)
{
    for (const char* tabel : {"Leden", "Clubs", "Opties", "Datums", "Matchen", "Reeksen", "Ploegen", "Provincies",
                              "Sterktelijst", "Volgorde Wedstrijden", "Alternatief", "Klassering"})
        EXPECT_NO_THROW(m_db.openTabel(tabel)) << tabel;

    // Game order: 16, 10 and 7 games; the doubles game (a blank home place) is game 7 of 10 and 4 of 7.
    Recordset vw = m_db.openTabel("Volgorde Wedstrijden");
    vw.setIndex("Volgorde");
    QString vier;
    for (vw.seek("=", {4}); !vw.eof() && vw.veld("AantalSpelers").geheel() == 4; vw.moveNext())
        vier += vw.veld("thuis").tekst() + vw.veld("uit").tekst() + " ";
    EXPECT_EQ(vier, "42 31 24 13 41 32 23 14 43 34 21 12 44 33 22 11 ");
    for (const auto& [spelers, dubbel, aantal] : {std::tuple{3, 7, 10}, std::tuple{2, 4, 7}}) {
        int n = 0;
        for (vw.seek("=", {spelers}); !vw.eof() && vw.veld("AantalSpelers").geheel() == spelers; vw.moveNext()) {
            ++n;
            EXPECT_EQ(vw.veld("thuis").tekst() == " ", vw.veld("Wedstrijd").geheel() == dubbel);
        }
        EXPECT_EQ(n, aantal);
    }

    Recordset p = m_db.openRecordset("SELECT Nr, Afkorting, TabT FROM Provincies ORDER BY Nr");
    QStringList prov;
    for (; !p.eof(); p.moveNext())
        prov << p.veld(0).tekst() + "=" + p.veld(1).tekst() + "/" + p.veld(2).tekst();
    EXPECT_EQ(prov.size(), 12);
    EXPECT_EQ(prov.value(7), "7=O./OVL");
    EXPECT_EQ(prov.value(8), "8=VB./VLB");
    EXPECT_EQ(prov.value(9), "9=B./BBW");
    EXPECT_EQ(prov.value(10), "10=W.Vl./WVL");

    EXPECT_EQ(m_db.openRecordset("SELECT N, F FROM Vertalingen WHERE Nr = 762").veld("N").tekst(), "Provincie");
    for (const char* soort : {"Aantal Karakters CompNr", "Provincie", "ClubNr", "ClubProv", "Pad Opslaan",
                              "PaswoordBeheer", "Weergave Wedstrijden", "Streng", "SuperDubbelSpelen", "statussen",
                              "update20100807", "Comité Nummer", "Munteenheid"})
        EXPECT_EQ(m_db.openRecordset("SELECT COUNT(*) FROM Opties WHERE Soort = ?", {soort}).veld(0).geheel(), 1)
            << soort;
    EXPECT_EQ(m_db.openRecordset("SELECT Item FROM Opties WHERE Soort = 'Aantal Karakters CompNr'").veld(0).tekst(), "6");

    // The provinces file: Windows-1252, CR LF, one province per line.
    QFile f(m_map.filePath("update20100807.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhoud = f.readAll();
    EXPECT_TRUE(inhoud.contains("4;Luik;Li\xE8ge;L.;LG\r\n"));
    EXPECT_EQ(inhoud.count("\r\n"), 12);
    EXPECT_FALSE(inhoud.contains("\xC3"));
}

} // namespace
