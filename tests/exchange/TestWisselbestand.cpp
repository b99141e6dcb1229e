// Export.ttr between two installations: what the export writes, what the import makes of it, and
// files that are damaged.

#include "UitwisselingTest.h"
#include "exchange/Uitslagen.h"
#include "exchange/Wisselbestand.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace exchange;
using testhulp::Velden;
using testhulp::Wedstrijd;

namespace {

const QStringList BladKolommen = [] {
    QStringList k{"THUISSP1", "THUISSP2", "THUISSP3", "THUISSP4", "UITSP1", "UITSP2", "UITSP3", "UITSP4",
                  "AFWTH1",   "AFWTH2",   "AFWTH3",   "AFWTH4",   "AFWUIT1", "AFWUIT2", "AFWUIT3", "AFWUIT4", "Uur", "Einduur"};
    for (int g = 1; g <= 16; ++g) {
        const QString w = QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0'));
        k << w;
        for (int s = 1; s <= 5; ++s)
            k << w + QStringLiteral("Set%1T").arg(s) << w + QStringLiteral("Set%1U").arg(s);
    }
    return k;
}();

class Wisselbestand : public testhulp::UitwisselingTest
{
protected:
    void SetUp() override
    {
        UitwisselingTest::SetUp();
        core::algemeen().strClubNr = "001";
    }

    // The first installation's season: a small invented province, names with quotes and accents,
    // a player added to a line-up, play dates and one complete sheet.
    void seizoenVullen()
    {
        testhulp::Provinciegrootte g;
        g.clubs = 5;
        g.wedstrijden = 30;
        g.leden = 40;
        g.sterktelijst = 30;
        testhulp::provincieSeizoenMaken(d(), g);
        testhulp::invoegen(d(), "Leden", {{"CompNr", "100777"}, {"Achternaam", "D'Hondt"}, {"Voornaam", "Émile"},
                                          {"Naam", "D'Hondt Émile"}, {"Clubnummer", "001"}, {"Provincie", "1"}});
        testhulp::invoegen(d(), "Leden", {{"CompNr", "100778"}, {"Naam", "Çelik \"Zoë\" €"}, {"Geschrapt", " "}});
        testhulp::invoegen(d(), "Alternatief", {{"Clubnummer", "001"}, {"Ploegnaam", "Dorp 1 A"}, {"Soort", "Heren"},
                                                {"Volgnummer", "1"}, {"Index", "5"}, {"Computernummer", "012345"},
                                                {"Naam", "Noël Zoë"}, {"Klassering", "C2"}, {"Provincie", "1"}});
        testhulp::invoegen(d(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "11-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "01"}});
        testhulp::invoegen(d(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "12-09-2010"}, {"HerDam", "H"}, {"WeekNrNat", "01"}});
        Wedstrijd w;
        w.wedstrNr = "PAH01999";
        w.reeksNr = "A";
        w.lkThuis = "001";
        w.lkUit = "002";
        w.nmthuis = "Dorp 1 A";
        w.nmuit = "Dorp 2 B";
        w.extra = volledigBlad(4);
        w.extra << qMakePair(QString("KapiteinT"), db::Waarde("512302")) << qMakePair(QString("Einduur"), db::Waarde("22.15"));
        w.extra << qMakePair(QString("Zaal"), db::Waarde(3));
        testhulp::wedstrijdToevoegen(d(), w);
    }

    // A table's rows with Null, "" and " " all read as empty, which the file cannot tell apart.
    QStringList rijen(const QString& tabel, const QString& kolommen, const QString& waar = QString())
    {
        QStringList uit = inhoud(tabel, kolommen, waar);
        for (QString& rij : uit) {
            QStringList waarden = rij.split(u'|');
            for (QString& w : waarden) {
                if (w == u"<null>" || w == u" ")
                    w.clear();
            }
            rij = waarden.join(u'|');
        }
        uit.sort();
        return uit;
    }

    static QString kolommenVan(const QString& tabel)
    {
        QStringList k;
        for (const QString& veld : SectieVelden(tabel))
            k << db::sqlNaam(veld);
        return k.join(", ");
    }

    // A provincial match of Dorp 1 A at home to Dorp 2 B, its sheet filled for teams of the size.
    static Wedstrijd dorpTegenDorp(const QString& wedstrNr, int spelers)
    {
        Wedstrijd w;
        w.wedstrNr = wedstrNr;
        w.lkThuis = "001";
        w.lkUit = "002";
        w.nmthuis = "Dorp 1 A";
        w.nmuit = "Dorp 2 B";
        w.extra = volledigBlad(spelers);
        return w;
    }

    Exportverslag exporteren() { return ExportUitvoeren(m_eerste.wissel, "2010-2011", m_onderhoud, m_voortgang); }
    Importverslag importeren(const QString& map) { return ImportUitvoeren(map, m_onderhoud, m_voortgang); }

    static QByteArray lezen(const QString& pad)
    {
        QFile f(pad);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    bool tempBestaat()
    {
        db::Database t = db::Database::openen(m_eerste.map.filePath("Tabellen.mdb"));
        const bool er = t.bestaatTabel("Temp");
        t.sluiten();
        return er;
    }

    testhulp::Installatie m_tweede;
};

TEST_F(Wisselbestand, AnExportReadIntoAnotherInstallationGivesTheSameRows)
{
    seizoenVullen();
    const Exportverslag v = exporteren();
    EXPECT_EQ(v.pad, m_eerste.wissel + "export.ttr");
    EXPECT_EQ(v.wedstrijden, 1);
    EXPECT_EQ(v.aangepast, 0);
    // The invented sheets with a line-up and a first game typed are named: they did not travel.
    QStringList onvolledig;
    for (db::Recordset m = d().openRecordset("SELECT WedstrNr, nmthuis, nmuit FROM Matchen WHERE THUISSP1 IS NOT NULL "
                                             "AND WedstrNr <> 'PAH01999' ORDER BY rowid");
         !m.eof(); m.moveNext())
        onvolledig << "- Wedstrijd \"" + m.veld(0).tekst() + ": " + m.veld(1).tekst() + " - " + m.veld(2).tekst() + "\"";
    ASSERT_EQ(onvolledig.size(), 20);
    EXPECT_EQ(ExportMelding(v, m_eerste.wissel),
              "De gegevens werden geëxporteerd naar het bestand <EXPORT.TTR> in de directory <" + m_eerste.wissel
                  + ">.\n\nHet bestand kan op een andere computer geïmporteerd worden indien het programma '"
                  + QCoreApplication::applicationName()
                  + "' er geïnstalleerd is.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle "
                    "gegevens ingevuld zijn:\r\n\r\n"
                  + onvolledig.join("\r\n") + "\r\n\r\n");
    EXPECT_FALSE(tempBestaat());

    // Windows-1252 with CR LF, the season first, the sections in their order, the real counts.
    const QByteArray bytes = lezen(v.pad);
    EXPECT_TRUE(bytes.contains("D'Hondt;\xC9mile;D'Hondt \xC9mile;"));
    EXPECT_TRUE(bytes.contains("\xC7" "elik \"Zo\xEB\" \x80"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    const QStringList regels = core::vanAnsi(bytes).split("\r\n");
    EXPECT_EQ(regels[0], "2010-2011");
    QStringList koppen;
    for (int i = 0; i < regels.size(); ++i) {
        if (regels[i].startsWith("###") && regels[i] != "###")
            koppen << regels[i] + regels[i + 1];
    }
    EXPECT_EQ(koppen, QStringList({"###Leden 42 ", "###Alternatief 1 ", "###Opties " + QString::number(aantal("Opties")) + " ",
                                   "###Clubs 5 ", "###Datums 2 ", "###Reeksen 9 ", "###Matchen 31 ", "###Sterktelijst 30 ",
                                   "###Lokalen 5 ", "###rel_club_lokaal 5 ", "###ingevulde Wedstrijden 1 "}));
    EXPECT_EQ(regels.filter(QRegularExpression("^ClubNr;001;[^;]*;$")).size(), 1) << "the option travels with its value";

    QMap<QString, QStringList> bron;
    const QStringList tabellen{"Leden", "Alternatief", "Clubs", "Datums", "Reeksen", "Matchen", "Sterktelijst", "Lokalen",
                               "rel_club_lokaal"};
    for (const QString& t : tabellen)
        bron.insert(t, rijen(t, kolommenVan(t)));
    const QString opties = "lower(Soort) IN ('aantal karakters compnr', 'munteenheid', 'clubnr', 'clubprov', 'provincie', "
                           "'weergave wedstrijden')";
    const QStringList bronOpties = rijen("Opties", "Soort, Item, Afkorting", opties);
    const QStringList bronBlad = rijen("Matchen", BladKolommen.join(", "), "WedstrNr = 'PAH01999'");

    openen(m_tweede);
    const Importverslag iv = importeren(m_eerste.wissel);
    EXPECT_EQ(ImportMelding(iv), "De gegevens werden geïmporteerd");
    EXPECT_EQ(iv.wedstrijden, 1);
    EXPECT_FALSE(tempBestaat());
    for (const QString& t : tabellen)
        EXPECT_EQ(rijen(t, kolommenVan(t)), bron.value(t)) << t.toStdString();
    EXPECT_EQ(rijen("Opties", "Soort, Item, Afkorting", opties), bronOpties);
    EXPECT_EQ(rijen("Matchen", BladKolommen.join(", "), "WedstrNr = 'PAH01999'"), bronBlad);
    EXPECT_EQ(matchVeld("PAH01999", "KapiteinT"), "512302") << "the captain on his place, by his member number";
    EXPECT_EQ(matchVeld("PAH01999", "Akkoord2aan2"), "J");

    // Imported again: nothing is doubled, also not the player whose member number begins with 0.
    importeren(m_eerste.wissel);
    for (const QString& t : tabellen)
        EXPECT_EQ(rijen(t, kolommenVan(t)), bron.value(t)) << t.toStdString();
}

TEST_F(Wisselbestand, TheWriterReplacesWhatCannotTravelAndAnOldFileGoesOnlyWhenTheNewOneIsComplete)
{
    testhulp::clubToevoegen(d(), 1, "001", "TTC \"De;Bal\"\r\nHoboken");
    testhulp::optieZetten(d(), "Munteenheid", "EUR;€");
    // An old file in another letter case is replaced.
    schrijven(m_eerste.wissel + "Export.ttr", "oud\r\n");
    const Exportverslag v = exporteren();
    EXPECT_EQ(v.aangepast, 3);
    EXPECT_EQ(QDir(m_eerste.wissel).entryList(QDir::Files), QStringList({"export.ttr"}));
    const QStringList regels = core::vanAnsi(lezen(v.pad)).split("\r\n");
    EXPECT_TRUE(regels.contains("1;001;TTC \"De,Bal\"  Hoboken;TTC \"De,Bal\"  Hoboken;;;"))
        << regels.join("\n").toStdString();
    EXPECT_EQ(regels.filter(QRegularExpression("^Munteenheid;EUR,€;[^;]*;$", QRegularExpression::CaseInsensitiveOption)).size(), 1);
    EXPECT_FALSE(regels.contains("###Leden")) << "an empty table has no section";
    EXPECT_TRUE(ExportMelding(v, m_eerste.wissel).endsWith(
        "\r\n\r\n3 waarde(n) bevatte(n) een \";\" of een regeleinde, die niet in het bestand passen: \";\" werd \",\" "
        "en een regeleinde een spatie."));

    // A failure half-way leaves the last complete file as it was, and no working copy behind.
    const QByteArray vorige = lezen(v.pad);
    d().uitvoeren("ALTER TABLE Sterktelijst RENAME TO Weg");
    EXPECT_ANY_THROW(exporteren());
    EXPECT_EQ(lezen(v.pad), vorige);
    EXPECT_EQ(QDir(m_eerste.wissel).entryList(QDir::Files | QDir::Hidden), QStringList({"export.ttr"}));
    EXPECT_FALSE(tempBestaat());

    // No folder at all is refused, never the working folder.
    try {
        ExportUitvoeren(QString(), "2010-2011", m_onderhoud, m_voortgang);
        FAIL();
    } catch (const core::ActieFout& f) {
        EXPECT_EQ(f.tekst(), "Er werd geen map gekozen en in de opties staat geen map 'Import/Export'.\r\n\r\n"
                             "Er werd niets geëxporteerd.");
    }
}

TEST_F(Wisselbestand, ADamagedFileLeavesTheDatabaseExactlyAsItWas)
{
    openen(m_tweede);
    testhulp::lidToevoegen(d(), "200001", "Blijft Staan", "009", 1);
    testhulp::sterktelijstToevoegen(d(), "2010-2011", 1, "009", "Heren", 1, "200001", "Blijft Staan", "1", "C0");
    testhulp::clubToevoegen(d(), 1, "009", "TTC Blijft");
    const QMap<QString, QStringList> voor = alles();

    const QByteArray goed = "2010-2011\r\n###Clubs\r\n 1 \r\n1;010;TTC Nieuw;Nieuw;N;;\r\n###\r\n";
    const QList<QPair<QByteArray, QString>> schades{
        {goed + "###Leden\r\n twee \r\n100001;A;B;AB;;;;;001;;;1;N;;\r\n###\r\n",
         "Regel 7: het aantal van de sectie \"Leden\" is geen getal (\" twee \")"},
        {goed + "###Leden\r\n 1 \r\n100001;A;B;AB;;;;;001;;;1;N;;\r\n",
         "Regel 6: de sectie \"Leden\" wordt niet afgesloten met een regel \"###\""},
        {goed + "###Leden\r\n 2 \r\n100001;A;B;AB;;;;;001;;;1;N;;\r\n100002;A;B\r\n###\r\n",
         "Regel 9: de rij van de tabel Leden heeft maar 2 van de 14 waarden"},
        {goed + "###Ploegen\r\n 0 \r\n###\r\n", "Regel 6: de sectie \"Ploegen\" is onbekend"},
        {goed + "Leden\r\n", "Regel 6: hier wordt een sectie verwacht (\"###\" en een naam), niet \"Leden\""},
    };
    for (const auto& [inhoud, fout] : schades) {
        schrijven(m_tweede.wissel + "Export.ttr", inhoud);
        try {
            importeren(m_tweede.wissel);
            ADD_FAILURE() << "no error for " << fout.toStdString();
        } catch (const core::ActieFout& f) {
            EXPECT_EQ(f.tekst(), fout);
        }
        EXPECT_EQ(alles(), voor) << fout.toStdString();
        EXPECT_FALSE(tempBestaat());
    }

    // A filled-in match that cannot be read is refused alone, named by its line: the rest of the file
    // goes in.
    const QList<QPair<QByteArray, QString>> records{
        {"I;11;PANT-H-01", "de regel heeft maar 3 van de tien velden"},
        {"I;elf;PANT-H-01-1;A1;A2;-;-;P;-;,;\"\"", "het seizoen \"elf\" is geen getal"},
    };
    for (const auto& [record, fout] : records) {
        schrijven(m_tweede.wissel + "Export.ttr", goed + "###ingevulde Wedstrijden\r\n 1 \r\n" + record + "\r\n###\r\n");
        const Importverslag verslag = importeren(m_tweede.wissel);
        EXPECT_EQ(verslag.nietOvergenomen, QStringList("Regel 8: de ingevulde wedstrijd kan niet gelezen worden: " + fout));
        EXPECT_EQ(verslag.wedstrijden, 0);
        EXPECT_EQ(rijen("Clubs", "ClubNr, Geschrapt"), QStringList({"009|J", "010|N"})) << fout.toStdString();
        EXPECT_FALSE(tempBestaat());
    }

    // The same file without its damage goes in: the new club, and every other club struck off; the
    // members and strength lists, which it does not carry, stay.
    schrijven(m_tweede.wissel + "EXPORT.TTR", goed);
    QFile::remove(m_tweede.wissel + "Export.ttr");
    importeren(m_tweede.wissel);
    EXPECT_EQ(rijen("Clubs", "ClubNr, Geschrapt"), QStringList({"009|J", "010|N"}));
    EXPECT_EQ(aantal("Leden"), 1);
    EXPECT_EQ(aantal("Sterktelijst"), 1);
}

TEST_F(Wisselbestand, RowsAndRecordsThatCannotBeTakenInAreCountedAndNamed)
{
    openen(m_tweede);
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "S1", "Super", "S", 4);
    Wedstrijd w;
    w.wedstrNr = "PAH05012";
    w.weekNr = "05";
    w.lkThuis = "001";
    w.lkUit = "002";
    w.extra = {{"THUISSP1", "111111"}, {"HoofdschCompnr", "700001"}, {"Einduur", "22.00"}};
    testhulp::wedstrijdToevoegen(d(), w);
    Wedstrijd z = w;
    z.wedstrNr = "PAH05013";
    z.reeksNr = "Z";
    testhulp::wedstrijdToevoegen(d(), z);
    Wedstrijd s;
    s.soortComp = "S";
    s.soort = "4";
    s.weekNr = "05";
    s.wedstrNr = "S05014";
    s.reeksNr = "S1";
    s.provThuis = s.provUit = "8";
    s.extra = {{"W04", "+"}, {"W04Set1T", "11"}, {"W04Set1U", "1"}};
    testhulp::wedstrijdToevoegen(d(), s);

    QStringList super;
    for (int g = 1; g <= 16; ++g) {
        if (g != 4)
            super << (g == 5 ? "-5/-5/7/-9" : "9");
    }
    const QByteArray bestand = core::naarAnsi(
        "2010-2011\r\n"
        "###Datums\r\n 2 \r\n2010-2011;18-09-2010;H;;;;;;\r\n2010-2011;25-09-2010;H;06;;;;;\r\n###\r\n"
        "###Lokalen\r\n 1 \r\n;Zaal;Straat;2000;Gemeente;;\r\n###\r\n"
        "###Leden\r\n 2 \r\n100001;A;B;Eerste;;;;;001;;;1;N;;\r\n100001;A;B;Tweede;;;;;001;;;1;N;;\r\n###\r\n"
        "\r\n"
        "###ingevulde Wedstrijden\r\n 6 \r\n"
        // Found through province 1 although its abbreviation is written with a dot; a "-" official is none;
        // the visitors' captain stands on two places, and the higher one is his.
        "I;11;PANT-H-05-12;A1;A2;111111,-222222,--,1-3;555555,444444,555555,-;P7/-9/5/8,9,-,8,-5/-5/7/-9,3/4/6,3/4/6,"
        "3/4/6,3/4/6,3/4/6;222222,555555,-,800001;19:30,;\"\"\r\n"
        // A blank line holds no match, also one of spaces; an end time that is no time refuses its record,
        // which writes nothing.
        "\r\n  \r\n"
        "I;11;PANT-H-05-12;A1;A2;999999,-,-,-;-,-,-,-;P3/4/6;-,-,-,-;21:00,24:00;\"\"\r\n"
        "I;11;PANT-H-05-12;A1;A2;999999,-,-,-;-,-,-,-;P3/4/6;-,-,-,-;21:00,22:55/x;\"\"\r\n"
        "I;11;PANT-H-05-99;A1;A2;-,-,-,-;-,-,-,-;P;-,-,-,-;,;\"\"\r\n"
        "I;11;PANT-H-05-13;A1;A2;-,-,-,-;-,-,-,-;P;-,-,-,-;,;\"\"\r\n"
        "I;11;POVL-H-05-12;A1;A2;-,-,-,-;-,-,-,-;P;-,-,-,-;,;\"\"\r\n"
        // A Super match written without its doubles: game 5 stays game 5.
        "I;11;SUPR-H-05-14;VLB1;VLB2;1,2,3,4;5,6,7,8;P" + super.join(",") + ";-,-,-,-;20:00,23:00;\"\"\r\n"
        "###\r\n");
    schrijven(m_tweede.wissel + "Export.ttr", bestand);
    d().uitvoeren("DELETE FROM Provincies WHERE Nr = 7");
    const Importverslag v = importeren(m_tweede.wissel);

    EXPECT_EQ(v.wedstrijden, 2);
    EXPECT_EQ(ImportMelding(v),
              "De gegevens werden geïmporteerd\r\n\r\nNiet overgenomen:\r\n"
              "- 1 rij(en) van de tabel Datums: een speeldatum zonder weeknummer\r\n"
              "- 1 rij(en) van de tabel Lokalen: een sleutel die niet in zijn veld past\r\n"
              "- 5 ingevulde wedstrijd(en):\r\n"
              "   Regel 22: de ingevulde wedstrijd kan niet gelezen worden: het einduur \"24:00\" is geen geldig uur\r\n"
              "   Regel 23: de ingevulde wedstrijd kan niet gelezen worden: het einduur \"22:55/x\" is geen geldig uur\r\n"
              "   wedstrijd PANT-H-05-99 van 2010-2011: de wedstrijd staat niet in de kalender\r\n"
              "   wedstrijd PANT-H-05-13 van 2010-2011: de reeks Z staat niet in de tabel Reeksen\r\n"
              "   wedstrijd POVL-H-05-12 van 2010-2011: provincie 7 staat niet in de tabel Provincies");
    EXPECT_EQ(rijen("Datums", "Datum, WeekNrP"), QStringList({"25-09-2010|06"}));
    EXPECT_EQ(rijen("Leden", "CompNr, Naam"), QStringList({"100001|Tweede"})) << "a key met twice in a section is one row";
    EXPECT_EQ(aantal("Lokalen"), 0);

    const auto blad = [this](const QString& kolommen) { return rijen("Matchen", kolommen, "WedstrNr = 'PAH05012'"); };
    EXPECT_EQ(blad("THUISSP1, THUISSP2, THUISSP3, AFWTH1, AFWTH2, AFWTH3, AFWTH4, OPMERK1, UITSP3, OPMERK2"),
              QStringList({"111111|222222||N|J|J|N|111111|555555|"}));
    EXPECT_EQ(blad("KapiteinT, KapiteinU, HoofdschCompnr, ZaalcommCompnr, Uur, Einduur"),
              QStringList({"222222|555555||800001|19.30|"}))
        << "a \"-\" head referee and an end time left empty empty the stored ones";
    EXPECT_EQ(blad("W01, W01Set1T, W01Set1U, W01Set2T, W01Set2U, W01Set4U, W01Set5T"),
              QStringList({"+|11|7|9|11|8|"}));
    EXPECT_EQ(blad("W02, W02Set1T, W02Set1U, W02Set3U, W02Set4T, W03, W04, W05, W05Set4T, W05Set4U"),
              QStringList({"+|w|o|o||=|-|-|9|11"}));

    const auto superBlad = [this](const QString& kolommen) { return rijen("Matchen", kolommen, "WedstrNr = 'S05014'"); };
    EXPECT_EQ(superBlad("W04, W04Set1T, W04Set1U, W05, W05Set1T, W05Set1U, W16, W16Set1T, Uur, Einduur"),
              QStringList({"=|w|o|-|5|11|+|w|20.00|23.00"}))
        << "game 4, which has no entry, is marked not played";
}

TEST_F(Wisselbestand, ACalendarReadIntoAnEmptyTableGetsTheSheetDefaultsOfItsLastRow)
{
    openen(m_tweede);
    ASSERT_EQ(aantal("Matchen"), 0);
    // The first match twice: the second row (a gentlemen's match) overwrites the first (ladies').
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###Matchen\r\n 3 \r\n"
              "2010-2011;P;01;H;PAH01001;A;D;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
              "2010-2011;P;01;H;PAH01001;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
              "2010-2011;P;01;H;PDH01002;A;D;za;18-09-2010;19.30;1;003;Dorp 3 A;1;004;Dorp 4 B;;\r\n"
              "###\r\n");
    const QString kolommen = "WedstrNr, HerDam, AFWTH1, AFWTH2, AFWTH3, AFWTH4, AFWUIT1, AFWUIT2, AFWUIT3, AFWUIT4, "
                             "FORFAITTH, FORFAITUIT, Akkoord2aan2, Soort";
    const QStringList verwacht{"PAH01001|H|N|N|N|N|N|N|N|N|N|N|J|1", "PDH01002|D|N|N|N|N|N|N|N|N|N|N|J|2"};
    importeren(m_tweede.wissel);
    EXPECT_EQ(inhoud("Matchen", kolommen), verwacht);

    // Read into the table that holds the matches already (each row sought, the defaults given
    // afterwards to what is empty): the same.
    d().uitvoeren("UPDATE Matchen SET Soort = NULL, AFWTH1 = ' ', Akkoord2aan2 = ''");
    importeren(m_tweede.wissel);
    EXPECT_EQ(inhoud("Matchen", kolommen), verwacht);
}

// A file whose calendar comes in two sections (the ladies' after the gentlemen's), read into an empty
// table: the matches of the second section get the sheet defaults too.
TEST_F(Wisselbestand, ACalendarInTwoSectionsGetsTheSheetDefaultsInBoth)
{
    openen(m_tweede);
    ASSERT_EQ(aantal("Matchen"), 0);
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###Matchen\r\n 1 \r\n"
              "2010-2011;P;01;H;PAH01001;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
              "###\r\n###Matchen\r\n 1 \r\n"
              "2010-2011;P;01;H;PDH01002;A;D;za;18-09-2010;19.30;1;003;Dorp 3 A;1;004;Dorp 4 B;;\r\n"
              "###\r\n");
    importeren(m_tweede.wissel);
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, AFWTH1, AFWUIT4, FORFAITTH, FORFAITUIT, Akkoord2aan2, Soort"),
              QStringList({"PAH01001|N|N|N|N|J|1", "PDH01002|N|N|N|N|J|2"}));
}

TEST_F(Wisselbestand, ACalendarReadIntoAnEmptyTableTakesItsFilledInMatchesAsIfItHadBeenStoredFirst)
{
    openen(m_tweede);
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    const QByteArray kalender =
        "2010-2011\r\n###Matchen\r\n 3 \r\n"
        "2010-2011;P;05;H;PAH05012;A;H;za;18-09-2010;19.30;1;001;Dorp 1 A;1;002;Dorp 2 B;;\r\n"
        "2010-2011;P;05;H;PAH05013;A;H;za;18-09-2010;19.30;1;003;Dorp 3 A;1;004;Dorp 4 B;;\r\n";
    // Two records of one match: the second writes what it fills over the first and empties the end
    // time it leaves empty; an absence overrides the sheet's default and the record's hour the
    // calendar's.
    const QByteArray ingevuld =
        "###ingevulde Wedstrijden\r\n 3 \r\n"
        "I;11;PANT-H-05-12;A1;A2;-111111,222222,333333,-;444444,555555,666666,-;P5/3,-7/7;-,-,-,-;20:15,22:40;\"\"\r\n"
        "I;11;PANT-H-05-13;A1;A2;121212,222222,333333,-;444444,555555,666666,-;P;-,-,-,-;19:30,;\"\"\r\n"
        "I;11;PANT-H-05-12;A1;A2;777777,-222222,333333,-;;P,9/9;-,-,-,-;,;\"\"\r\n"
        "###\r\n";
    // The same, with a row that comes twice in the calendar: from there on each row is sought.
    const QByteArray dubbel = "2010-2011;P;05;H;PAH05013;A;H;za;18-09-2010;19.45;1;003;Dorp 3 A;1;004;Dorp 4 B;;\r\n";
    const QString kolommen = "WedstrNr, Soort, FORFAITTH, Akkoord2aan2, " + BladKolommen.join(", ");
    for (const QByteArray& bestand : {kalender + "###\r\n" + ingevuld, kalender + dubbel + "###\r\n" + ingevuld}) {
        d().uitvoeren("DELETE FROM Matchen");
        schrijven(m_tweede.wissel + "Export.ttr", bestand);
        const Importverslag inLeeg = importeren(m_tweede.wissel);
        EXPECT_EQ(inLeeg.wedstrijden, 3);
        const QStringList leeg = inhoud("Matchen", kolommen);

        // Read into a table that holds another row already: each row is stored, then each record
        // written into it.
        d().uitvoeren("DELETE FROM Matchen");
        Wedstrijd anders;
        anders.seizoen = "2009-2010";
        anders.wedstrNr = "PAH01001";
        testhulp::wedstrijdToevoegen(d(), anders);
        importeren(m_tweede.wissel);
        EXPECT_EQ(inhoud("Matchen", kolommen, "Seizoen = '2010-2011'"), leeg);
    }
    EXPECT_EQ(rijen("Matchen", "WedstrNr, THUISSP1, AFWTH1, THUISSP2, AFWTH2, UITSP1, Uur, Einduur, W01, W01Set1T, W02, "
                               "W02Set1T, W02Set1U, W03", "Seizoen = '2010-2011'"),
              QStringList({"PAH05012|777777|N|222222|J|444444|20.15||-|11|-|11|9|",
                           "PAH05013|121212|N|222222|N|444444|19.30|||||||"}));
}

TEST_F(Wisselbestand, AFilledInMatchGoesToTheRowThatASeekOnItsNumberFinds)
{
    openen(m_tweede);
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    // The same number in other letters, and of another competition, stored before the match.
    Wedstrijd w;
    w.weekNr = "05";
    w.wedstrNr = "pah05012";
    w.provThuis = "2";
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "PAH05012";
    w.provThuis = "1";
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "PAH05013";
    w.soortComp = "N";
    testhulp::wedstrijdToevoegen(d(), w);
    w.soortComp = "P";
    testhulp::wedstrijdToevoegen(d(), w);
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###ingevulde Wedstrijden\r\n 2 \r\n"
              "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,-;444444,555555,666666,-;P;-,-,-,-;19:30,;\"\"\r\n"
              "I;11;PANT-H-05-13;A1;A2;111111,222222,333333,-;444444,555555,666666,-;P;-,-,-,-;19:30,;\"\"\r\n"
              "###\r\n");
    const Importverslag v = importeren(m_tweede.wissel);
    EXPECT_EQ(v.wedstrijden, 1);
    EXPECT_EQ(v.nietOvergenomen, QStringList({"wedstrijd PANT-H-05-12 van 2010-2011: de wedstrijd staat niet in de kalender"}))
        << "the row in other letters comes first in the index and ends the search";
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, SoortComp, THUISSP1, UITSP3, Uur"),
              QStringList({"PAH05012|P|<null>|<null>|19.45", "PAH05013|N|<null>|<null>|19.45",
                           "PAH05013|P|111111|666666|19.30", "pah05012|P|<null>|<null>|19.45"}));
}

// A visitor marked absent without a member number, as the player picker stores "Speler Afwezig": his
// place counts as filled, so the match goes into the results file and into Export.ttr, and the other
// installation takes it in with the same result line.
TEST_F(Wisselbestand, AnAbsentPlayerWithoutANumberFillsHisPlaceInBothFiles)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    Wedstrijd w = dorpTegenDorp("PAH01001", 3);
    w.extra.removeIf([](const auto& v) { return v.first == "UITSP2" || v.first == "AFWUIT2"; });
    w.extra << qMakePair(QString("AFWUIT2"), db::Waarde("J"));
    // His games (away place 2: games 1, 5 and 10) are walk-overs won at home.
    for (int g : {1, 5, 10}) {
        const QString nn = QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0'));
        w.extra.removeIf([&nn](const auto& v) { return v.first.startsWith(nn); });
        w.extra << qMakePair(nn, db::Waarde("+"));
        for (int set = 1; set <= 3; ++set)
            w.extra << qMakePair(nn + QStringLiteral("Set%1T").arg(set), db::Waarde("w"))
                    << qMakePair(nn + QStringLiteral("Set%1U").arg(set), db::Waarde("o"));
    }
    testhulp::wedstrijdToevoegen(d(), w);

    const auto resultaten = [](const testhulp::Installatie& i) {
        const Uitslagenverslag v = UitslagenSchrijven("A001", "12-09-2010", i.wissel);
        EXPECT_EQ(v.onvolledig.join(' ') + v.nietGemaakt.join(' '), "");
        return lezen(v.pad);
    };
    const QByteArray bestand = resultaten(m_eerste);
    EXPECT_EQ(bestand.toStdString(), "I;11;PANT-H-01-1;A1;A2;512301,512302,512303,-;498101,--,498103,-;"
                                     "P9,3/4/6,3/4/6,3/4/6,9,3/4/6,3/4/6,3/4/6,3/4/6,9;-,-,-,-;19:45,;\"\"\r\n");
    EXPECT_TRUE(lezen(exporteren().pad).contains("###ingevulde Wedstrijden\r\n 1 \r\nI;11;PANT-H-01-1;"));

    openen(m_tweede);
    EXPECT_EQ(ImportMelding(importeren(m_eerste.wissel)), "De gegevens werden geïmporteerd");
    EXPECT_EQ(rijen("Matchen", "UITSP2, AFWUIT2, W05, W05Set1T", "WedstrNr = 'PAH01001'"), QStringList({"|J|+|w"}));
    EXPECT_EQ(resultaten(m_tweede).toStdString(), bestand.toStdString());
}

TEST_F(Wisselbestand, TheGamesOfARecordAreReadSetBySet)
{
    openen(m_tweede);
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    Wedstrijd w;
    w.weekNr = "05";
    w.wedstrNr = "PAH05012";
    testhulp::wedstrijdToevoegen(d(), w);
    const QByteArray kop = "2010-2011\r\n###ingevulde Wedstrijden\r\n 1 \r\n"
                           "I;11;PANT-H-05-12;A1;A2;111111,222222,333333,-;444444,555555,666666,-;P";
    const QByteArray staart = ";-,-,-,-;19:30,;\"\"\r\n###\r\n";

    // A last "/" ends the game (the sets after it are emptied); the loser's points stay as written; a
    // number beyond any size counts as 0.
    schrijven(m_tweede.wissel + "Export.ttr", kop + "5/-3/07/,-9/12/-99999999999999999999/10/11" + staart);
    EXPECT_EQ(importeren(m_tweede.wissel).wedstrijden, 1);
    EXPECT_EQ(inhoud("Matchen", "W01, W01Set1T, W01Set1U, W01Set2T, W01Set2U, W01Set3T, W01Set3U, W01Set4T"),
              QStringList({"-|11|5|3|11|11|07| "}));
    EXPECT_EQ(inhoud("Matchen", "W02, W02Set1T, W02Set1U, W02Set2T, W02Set2U, W02Set3T, W02Set3U, W02Set4T, W02Set5U"),
              QStringList({"+|9|11|14|12|99999999999999999999|11|12|11"}));

    const QMap<QString, QStringList> voor = alles();
    const QList<QPair<QByteArray, QString>> schades{
        {"1/2/3/4/5/6", "het spel \"1/2/3/4/5/6\" heeft meer dan vijf sets"},
        {"9,5/x", "de set \"x\" in het spel \"5/x\" is geen getal"},
        {"5//7", "de set \"\" in het spel \"5//7\" is geen getal"}};
    for (const auto& [spellen, fout] : schades) {
        schrijven(m_tweede.wissel + "Export.ttr", kop + spellen + staart);
        const Importverslag verslag = importeren(m_tweede.wissel);
        EXPECT_EQ(verslag.nietOvergenomen, QStringList("Regel 4: de ingevulde wedstrijd kan niet gelezen worden: " + fout));
        EXPECT_EQ(verslag.wedstrijden, 0);
        EXPECT_EQ(alles(), voor) << fout.toStdString();
    }
}

// What a result line carries arrives on the other installation, a fresh one and one whose calendar
// already holds other matches: a Super match of two with its four places and without its doubles,
// the reservations of both teams and the official's remark (double quotes, backslashes, line ends),
// and a captain who plays on no place. The results file of the play date is the same there, byte
// for byte.
TEST_F(Wisselbestand, ASuperMatchTheReservationsAndACaptainArriveAsTheResultLineCarriesThem)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 4);
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "S", "Super Afdeling - Heren", "Super", 2);
    Wedstrijd p = dorpTegenDorp("PAH01001", 4);
    p.extra << qMakePair(QString("KapiteinT"), db::Waarde("512399")) << qMakePair(QString("KapiteinU"), db::Waarde("498101"))
            << qMakePair(QString("VoorbehoudT"), db::Waarde("Lijn 1\r\n\r\nC:\\nieuw \"map\"\\"))
            << qMakePair(QString("Voorbehoudu"), db::Waarde("\r\nEerst een regeleinde\r\n"))
            << qMakePair(QString("OpmOffScheids"), db::Waarde("Unix\nVoorbehoud THUIS:\nregel\vlaatste"));
    testhulp::wedstrijdToevoegen(d(), p);
    Wedstrijd s = p;
    s.wedstrNr = "S01002";
    s.soortComp = "S";
    s.reeksNr = "S";
    s.soort = "4";
    s.extra = volledigBlad(2);
    s.extra << spel(4, "=", {}) << qMakePair(QString("THUISSP4"), db::Waarde("512304"))
            << qMakePair(QString("UITSP4"), db::Waarde("498104")) << qMakePair(QString("KapiteinT"), db::Waarde("512304"));
    for (int set = 1; set <= 3; ++set)
        s.extra << qMakePair(QStringLiteral("W04Set%1T").arg(set), db::Waarde("w"))
                << qMakePair(QStringLiteral("W04Set%1U").arg(set), db::Waarde("o"));
    testhulp::wedstrijdToevoegen(d(), s);

    const auto resultaten = [](const testhulp::Installatie& i) {
        const Uitslagenverslag v = UitslagenSchrijven("A001", "12-09-2010", i.wissel);
        EXPECT_EQ(v.onvolledig.join(' ') + v.nietGemaakt.join(' '), "");
        return lezen(v.pad);
    };
    const QString teksten = "VoorbehoudT, Voorbehoudu, OpmOffScheids";
    const QByteArray bestand = resultaten(m_eerste);
    const QList<QByteArray> regels = bestand.split('\n');
    ASSERT_EQ(regels.size(), 3);
    EXPECT_EQ(regels[1], "I;11;SUPR-H-01-2;A1;A2;512301,512302,512303,512304;498101,498102,498103,498104;"
                         "P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6;512304,-,-,-;19:45,;\"\"\r");
    EXPECT_TRUE(regels[0].endsWith(";512399,498101,-,-;19:45,;\"Voorbehoud THUIS:\\nLijn 1\\n\\n\\n\\nC:\\\\nieuw 'map'\\\\"
                                   "\\nVoorbehoud UIT:\\n\\n\\nEerst een regeleinde\\n\\n\\nVoorbehoud OFFICIAL:\\nUnix\\n"
                                   "Voorbehoud THUIS:\\nregel\\nlaatste\"\r"))
        << regels[0].toStdString();
    exporteren();

    testhulp::Installatie derde;
    for (testhulp::Installatie* tweede : {&m_tweede, &derde}) {
        SCOPED_TRACE(tweede == &m_tweede ? "fresh" : "with other matches");
        openen(*tweede);
        if (tweede == &derde) {
            Wedstrijd ander;
            ander.wedstrNr = "PAH01009";
            ander.soort = "";
            testhulp::wedstrijdToevoegen(d(), ander);
        }
        EXPECT_EQ(ImportMelding(importeren(m_eerste.wissel)), "De gegevens werden geïmporteerd");
        EXPECT_EQ(resultaten(*tweede).toStdString(), bestand.toStdString());
        EXPECT_EQ(inhoud("Matchen", "WedstrNr, Soort, W04, W04Set3T, W04Set3U", "WedstrNr = 'S01002'"),
                  QStringList({"S01002|4|=|w|o"}));
        EXPECT_EQ(inhoud("Matchen", "KapiteinT, KapiteinU, " + teksten, "WedstrNr = 'PAH01001'"),
                  QStringList({"512399|498101|Lijn 1\r\n\r\nC:\\nieuw 'map'\\|\r\nEerst een regeleinde\r\n|"
                               "Unix\nVoorbehoud THUIS:\nregel\nlaatste"}));
    }

    // A result line whose reservations were all withdrawn empties those stored, and one with only the
    // official's remark leaves the teams' reservations empty, as the remarks window stores an empty one.
    openen(m_eerste);
    d().uitvoeren("UPDATE Matchen SET VoorbehoudT = ' ', Voorbehoudu = NULL, OpmOffScheids = ''");
    exporteren();
    openen(derde);
    importeren(m_eerste.wissel);
    EXPECT_EQ(inhoud("Matchen", teksten, "WedstrNr = 'PAH01001'"), QStringList({" | | "}));
    openen(m_eerste);
    d().uitvoeren("UPDATE Matchen SET OpmOffScheids = 'Net te \"laag\"'");
    exporteren();
    const QByteArray alleenOfficial = resultaten(m_eerste);
    openen(derde);
    importeren(m_eerste.wissel);
    EXPECT_EQ(inhoud("Matchen", teksten, "WedstrNr = 'PAH01001'"), QStringList({" | |Net te 'laag'"}));
    EXPECT_EQ(resultaten(derde).toStdString(), alleenOfficial.toStdString());

    // Reservations that are not written under their headings are not taken in, and named.
    schrijven(derde.wissel + "Export.ttr",
              "2010-2011\r\n###ingevulde Wedstrijden\r\n 1 \r\nI;11;PANT-H-01-1;A1;A2;512301,512302,512303,512304;"
              "498101,498102,498103,498104;P;-,-,-,-;19:45,;\"Tafel glad\"\r\n###\r\n");
    EXPECT_EQ(ImportMelding(importeren(derde.wissel)),
              "De gegevens werden geïmporteerd\r\n\r\nOvergenomen zonder een deel:\r\n- wedstrijd PANT-H-01-1 van "
              "2010-2011: het voorbehoud staat er niet onder een kop \"Voorbehoud THUIS:\", \"Voorbehoud UIT:\" of "
              "\"Voorbehoud OFFICIAL:\"; het werd niet overgenomen");
    EXPECT_EQ(inhoud("Matchen", teksten, "WedstrNr = 'PAH01001'"), QStringList({" | |Net te 'laag'"}));

    // Where the teams never had a reservation, they still have none: the paper there shows no empty ones.
    testhulp::Installatie vierde;
    openen(vierde);
    importeren(m_eerste.wissel);
    EXPECT_EQ(inhoud("Matchen", teksten, "WedstrNr = 'PAH01001'"), QStringList({"<null>|<null>|Net te 'laag'"}));
    EXPECT_EQ(resultaten(vierde).toStdString(), alleenOfficial.toStdString());
}

// A letter that Windows-1252 lacks becomes "?" in Export.ttr and in the results file; the closing
// messages name each value that lost one, with its table or its match, as they count the ";" replaced.
TEST_F(Wisselbestand, ValuesWithALetterTheFileCannotHoldAreNamedInTheClosingMessages)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 4);
    testhulp::invoegen(d(), "Leden", {{"CompNr", "100779"}, {"Achternaam", "Wałęsa"}, {"Voornaam", "Łukasz"},
                                      {"Naam", "Wałęsa Łukasz"}, {"Clubnummer", "001"}, {"Provincie", "1"}});
    testhulp::invoegen(d(), "Leden", {{"CompNr", "100780"}, {"Naam", "Müller Zoë €"}, {"Clubnummer", "001"}});
    Wedstrijd p = dorpTegenDorp("PAH01001", 4);
    p.extra << qMakePair(QString("KapiteinT"), db::Waarde("512301")) << qMakePair(QString("KapiteinU"), db::Waarde("498101"))
            << qMakePair(QString("VoorbehoudT"), db::Waarde("Net van Kılıç"))
            << qMakePair(QString("OpmOffScheids"), db::Waarde("Bal ş\r\nkapot"));
    testhulp::wedstrijdToevoegen(d(), p);
    const QString wedstrijd = "- Wedstrijd \"PAH01001: Dorp 1 A - Dorp 2 B\": ";
    const QStringList inDeWedstrijd{wedstrijd + "\"Net van Kılıç\"", wedstrijd + "\"Bal ş kapot\""};

    const Exportverslag v = exporteren();
    EXPECT_EQ(v.aangepast, 0);
    EXPECT_EQ(v.verlorenLetters, QStringList({"- tabel Leden: \"Wałęsa\"", "- tabel Leden: \"Łukasz\"",
                                              "- tabel Leden: \"Wałęsa Łukasz\""})
                                     + inDeWedstrijd);
    EXPECT_TRUE(ExportMelding(v, m_eerste.wissel).endsWith(
        "er geïnstalleerd is.\r\n\r\n5 waarde(n) bevatte(n) een letter die niet in het bestand past; die letter werd "
        "een \"?\":\r\n- tabel Leden: \"Wałęsa\"\r\n- tabel Leden: \"Łukasz\"\r\n- tabel Leden: \"Wałęsa Łukasz\"\r\n"
        + inDeWedstrijd.join("\r\n")))
        << ExportMelding(v, m_eerste.wissel).toStdString();
    const QByteArray bestand = lezen(v.pad);
    EXPECT_TRUE(bestand.contains("100779;Wa??sa;?ukasz;Wa??sa ?ukasz;")) << "the letters the code page has stay";
    EXPECT_TRUE(bestand.contains("100780;;;M\xFCller Zo\xEB \x80;"));
    EXPECT_TRUE(bestand.contains("\"Voorbehoud THUIS:\\nNet van K?l?\xE7\\nVoorbehoud OFFICIAL:\\nBal ?\\n\\nkapot\"\r\n"));

    const Uitslagenverslag u = UitslagenSchrijven("A001", "12-09-2010", m_eerste.wissel);
    EXPECT_EQ(u.geschreven, 1);
    EXPECT_EQ(u.verlorenLetters, inDeWedstrijd);
    EXPECT_TRUE(lezen(u.pad).endsWith("\"Voorbehoud THUIS:\\nNet van K?l?\xE7\\nVoorbehoud OFFICIAL:\\nBal ?\\n\\nkapot\"\r\n"));
    EXPECT_TRUE(UitslagenMelding(u, "12-09-2010", m_eerste.wissel)
                    .endsWith("naar de interclubleider.\r\n\r\n2 waarde(n) bevatte(n) een letter die niet in het bestand "
                              "past; die letter werd een \"?\":\r\n"
                              + inDeWedstrijd.join("\r\n") + "\r\n"))
        << UitslagenMelding(u, "12-09-2010", m_eerste.wissel).toStdString();
}

TEST_F(Wisselbestand, TheSheetDefaultsFillOnlyWhatIsEmpty)
{
    Wedstrijd w;
    w.wedstrNr = "PAH01001";
    w.soort = "";
    w.herDam = "D";
    w.extra = {{"AFWTH3", " "}, {"AFWTH4", "J"}, {"Akkoord2aan2", "N"}, {"FORFAITUIT", ""}};
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "PAH01002";
    w.soort = " ";
    w.herDam = "V";
    w.extra = {};
    testhulp::wedstrijdToevoegen(d(), w);
    w.wedstrNr = "PAH01003";
    w.soort = "4";
    testhulp::wedstrijdToevoegen(d(), w);
    CtlTabelMatchen();
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, AFWTH1, AFWTH3, AFWTH4, AFWUIT4, FORFAITTH, FORFAITUIT, Akkoord2aan2, Soort"),
              QStringList({"PAH01001|N|N|J|N|N|N|N|2", "PAH01002|N|N|N|N|N|N|J|1", "PAH01003|N|N|N|N|N|N|J|4"}));
}

} // namespace
