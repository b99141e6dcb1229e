// Export.ttr files that did not come whole from the export of another installation: empty, cut
// short, made by hand or by other means; and a sheet of the program whose doubles pair lost a player.

#include "UitwisselingTest.h"
#include "exchange/Wisselbestand.h"

using namespace exchange;
using testhulp::Wedstrijd;

namespace {

class VreemdBestand : public testhulp::UitwisselingTest
{
protected:
    void SetUp() override
    {
        UitwisselingTest::SetUp();
        openen(m_tweede);
    }

    Importverslag importeren() { return ImportUitvoeren(m_tweede.wissel, m_onderhoud, m_voortgang); }

    // The file is refused with this reason, and the database is as it was.
    void geweigerd(const QByteArray& bestand, const QString& reden)
    {
        const QMap<QString, QStringList> voor = alles();
        schrijven(m_tweede.wissel + "Export.ttr", bestand);
        try {
            importeren();
            ADD_FAILURE() << "taken in: " << bestand.toStdString();
        } catch (const core::ActieFout& f) {
            EXPECT_EQ(f.tekst(), reden) << bestand.toStdString();
        }
        EXPECT_EQ(alles(), voor) << bestand.toStdString();
    }

    testhulp::Installatie m_tweede;
};

TEST_F(VreemdBestand, AFileReplacesOnlyTheTablesItCarriesAndOneWithoutAnyIsRefused)
{
    testhulp::lidToevoegen(d(), "200001", "Blijft Staan", "009", 1);
    testhulp::sterktelijstToevoegen(d(), "2010-2011", 1, "009", "Heren", 1, "200001", "Blijft Staan", "1", "C0");
    testhulp::clubToevoegen(d(), 1, "009", "TTC Blijft");
    const QMap<QString, QStringList> voor = alles();

    // A copy that failed, a file with its season alone, and one with empty lines after it.
    const QString leeg = "Het bestand bevat geen gegevens: het is leeg of er staat geen enkele sectie in.";
    geweigerd("", leeg);
    geweigerd("2010-2011\r\n", leeg);
    geweigerd("2010-2011\r\n\r\n\r\n", leeg);

    // Cut after the members: they are replaced; the strength lists and clubs stay as they were.
    schrijven(m_tweede.wissel + "Export.ttr", "2010-2011\r\n###Leden\r\n 1 \r\n100001;A;B;AB;;;;;001;;;1;N;;\r\n###\r\n");
    EXPECT_EQ(ImportMelding(importeren()), "De gegevens werden geïmporteerd");
    EXPECT_EQ(inhoud("Leden", "CompNr"), QStringList({"100001"}));
    EXPECT_EQ(inhoud("Sterktelijst"), voor.value("Sterktelijst"));
    EXPECT_EQ(inhoud("Clubs"), voor.value("Clubs"));

    // With the strength lists, and the members twice: each table is emptied once, before its first section.
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###Sterktelijst\r\n 1 \r\n2010-2011;1;001;Heren;1;1;1;100001;AB;C2;;;;\r\n###\r\n"
              "###Leden\r\n 1 \r\n100002;C;D;CD;;;;;001;;;1;N;;\r\n###\r\n"
              "###Leden\r\n 1 \r\n100003;E;F;EF;;;;;001;;;1;N;;\r\n###\r\n");
    importeren();
    EXPECT_EQ(inhoud("Leden", "CompNr"), QStringList({"100002", "100003"}));
    EXPECT_EQ(inhoud("Sterktelijst", "Computernummer"), QStringList({"100001"}));
    EXPECT_EQ(inhoud("Clubs"), voor.value("Clubs"));
}

TEST_F(VreemdBestand, OnlyTheOptionsThatTheExportWritesAreTakenIn)
{
    testhulp::optieZetten(d(), "PaswoordBeheer", "geheim");
    testhulp::optieZetten(d(), "Pad Opslaan", "/thuis/wissel/");
    const QString anderen = "lower(Soort) NOT IN ('clubnr', 'munteenheid')";
    const QStringList blijven = inhoud("Opties", "Soort, Item", anderen);
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###Opties\r\n 7 \r\n"
              "ClubNr;045;;\r\nPaswoordBeheer;;;\r\nPad Opslaan;C:\\;;\r\nStreng;J;;\r\nMUNTEENHEID;BEF;;\r\n"
              "Pad Opslaan;D:\\;;\r\nNieuwe Optie;x;;\r\n###\r\n");
    EXPECT_EQ(ImportMelding(importeren()),
              "De gegevens werden geïmporteerd\r\n\r\nNiet overgenomen:\r\n- 5 rij(en) van de tabel Opties: opties die "
              "niet met het bestand meegaan (PaswoordBeheer, Pad Opslaan, Streng, Nieuwe Optie)");
    EXPECT_EQ(inhoud("Opties", "lower(Soort), Item", "NOT (" + anderen + ")"), QStringList({"clubnr|045", "munteenheid|BEF"}));
    EXPECT_EQ(inhoud("Opties", "Soort, Item", anderen), blijven);
}

// A row with more values than fields (a ";" inside a value, a row of an older file) cannot say
// which value is which field: that row is passed over and named, and the rest of the file goes in.
TEST_F(VreemdBestand, ARowWithMoreValuesThanFieldsIsPassedOverAndNamedWithItsLine)
{
    testhulp::lidToevoegen(d(), "200001", "Blijft Staan", "009", 1);
    testhulp::clubToevoegen(d(), 1, "009", "TTC Blijft");
    // A ";" inside a name, a value after the last ";", one ";" too many; around rows that fit.
    schrijven(m_tweede.wissel + "Export.ttr",
              "2010-2011\r\n###Leden\r\n 2 \r\n100001;A;B;AB;;;;;001;;;1;N;;;\r\n100002;C;D;CD;;;;;001;;;1;N;;\r\n###\r\n"
              "###Clubs\r\n 4 \r\n1;010;TTC Nieuw;Nieuw;N;;\r\n1;011;TTC De;Bal;Bal;N;;\r\n1;012;TTC Twaalf;Twaalf;N;;x\r\n"
              "1;013;TTC Dertien;Dertien;N;;\r\n###\r\n");
    const Importverslag v = importeren();
    EXPECT_EQ(ImportMelding(v), "De gegevens werden geïmporteerd\r\n\r\nNiet overgenomen:\r\n"
                                "- 1 rij(en) van de tabel Leden: meer waarden dan velden (regel 4)\r\n"
                                "- 2 rij(en) van de tabel Clubs: meer waarden dan velden (regels 10, 11)");
    EXPECT_EQ(inhoud("Leden", "CompNr"), QStringList({"100002"}));
    EXPECT_EQ(inhoud("Clubs", "ClubNr, Clubnaam, Geschrapt"),
              QStringList({"009|TTC Blijft|J", "010|TTC Nieuw|N", "013|TTC Dertien|N"}));

    // Many such rows: the first ten lines and how many more.
    QByteArray bestand = "2010-2011\r\n###Clubs\r\n 13 \r\n";
    for (int i = 0; i < 12; ++i)
        bestand += QByteArray::number(1) + ";" + QByteArray::number(100 + i) + ";TTC;Ploeg;N;;;\r\n";
    schrijven(m_tweede.wissel + "Export.ttr", bestand + "1;200;TTC Goed;Goed;N;;\r\n###\r\n");
    EXPECT_EQ(ImportMelding(importeren()), "De gegevens werden geïmporteerd\r\n\r\nNiet overgenomen:\r\n"
                                           "- 12 rij(en) van de tabel Clubs: meer waarden dan velden (regels 4, 5, 6, "
                                           "7, 8, 9, 10, 11, 12, 13 en nog 2 andere)");
    EXPECT_EQ(inhoud("Clubs", "ClubNr", "Geschrapt = 'N'"), QStringList({"200"}));
}

// A count line that is a negative number is as damaged as one that is no number at all.
TEST_F(VreemdBestand, ANegativeCountLineRefusesTheFileNamingTheLine)
{
    testhulp::lidToevoegen(d(), "200001", "Blijft Staan", "009", 1);
    geweigerd("2010-2011\r\n###Leden\r\n -1 \r\n100001;A;B;AB;;;;;001;;;1;N;;\r\n###\r\n",
              "Regel 3: het aantal van de sectie \"Leden\" is geen getal (\" -1 \")");
    geweigerd("2010-2011\r\n###ingevulde Wedstrijden\r\n -1 \r\n###\r\n",
              "Regel 3: het aantal van de sectie \"ingevulde Wedstrijden\" is geen getal (\" -1 \")");
}

TEST_F(VreemdBestand, AKeyThatNoNumberFieldHoldsIsPassedOverAtEveryImport)
{
    QByteArray bestand = "2010-2011\r\n###Lokalen\r\n 8 \r\n";
    for (const char* id : {"inf", "-inf", "nan", "NaN", "Infinity", "1e999", "abc", "7"})
        bestand += QByteArray(id) + ";Zaal " + id + ";Straat;2000;Gemeente;;\r\n";
    schrijven(m_tweede.wissel + "Export.ttr", bestand + "###\r\n");
    for (int keer = 0; keer < 2; ++keer) {
        EXPECT_EQ(ImportMelding(importeren()), "De gegevens werden geïmporteerd\r\n\r\nNiet overgenomen:\r\n"
                                               "- 7 rij(en) van de tabel Lokalen: een sleutel die niet in zijn veld past");
        EXPECT_EQ(inhoud("Lokalen", "id, Naam"), QStringList({"7|Zaal 7"})) << keer;
    }
}

// The export writes a pair of which one player left the line-up with that side empty; the other
// installation takes the sheet without the pair, and everything else of the file.
TEST_F(VreemdBestand, ASheetWhoseDoublesPairLostAPlayerIsTakenInWithoutThePair)
{
    openen(m_eerste);
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
    testhulp::lidToevoegen(d(), "512301", "Eerste Speler", "001", 1);
    const QList<QPair<QString, QString>> paren{{"PAH01001", "512301999999"}, {"PAH01002", "999999512303"}};
    for (const auto& [nummer, paar] : paren) {
        Wedstrijd w;
        w.wedstrNr = nummer;
        w.lkThuis = "001";
        w.lkUit = "002";
        w.extra = volledigBlad(3);
        w.extra << qMakePair(QString("Opmerk1"), db::Waarde(paar)) << qMakePair(QString("Opmerk2"), db::Waarde("498101498103"));
        testhulp::wedstrijdToevoegen(d(), w);
    }
    const Exportverslag e = ExportUitvoeren(m_eerste.wissel, "2010-2011", m_onderhoud, m_voortgang);
    EXPECT_EQ(e.wedstrijden, 2);
    const QString tekst = core::vanAnsi([&] {
        QFile f(e.pad);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }());
    EXPECT_TRUE(tekst.contains(";512301,512302,512303,1-;498101,498102,498103,1-3;")) << tekst.toStdString();
    EXPECT_TRUE(tekst.contains(";512301,512302,512303,-3;498101,498102,498103,1-3;")) << tekst.toStdString();

    openen(m_tweede);
    const Importverslag v = ImportUitvoeren(m_eerste.wissel, m_onderhoud, m_voortgang);
    EXPECT_EQ(v.wedstrijden, 2);
    EXPECT_EQ(ImportMelding(v),
              "De gegevens werden geïmporteerd\r\n\r\nOvergenomen zonder een deel:\r\n"
              "- wedstrijd PANT-H-01-1 van 2010-2011: het dubbel \"1-\" van de thuisploeg noemt maar één speler van de "
              "opstelling; het dubbel werd niet overgenomen\r\n"
              "- wedstrijd PANT-H-01-2 van 2010-2011: het dubbel \"-3\" van de thuisploeg noemt maar één speler van de "
              "opstelling; het dubbel werd niet overgenomen");
    EXPECT_EQ(inhoud("Leden", "CompNr"), QStringList({"512301"}));
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, THUISSP1, THUISSP3, Opmerk1, Opmerk2, W10"),
              QStringList({"PAH01001|512301|512303|<null>|498101498103|+", "PAH01002|512301|512303|<null>|498101498103|+"}));
}

} // namespace
