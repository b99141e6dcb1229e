// The results file of a play date and the marking of complete sheets.

#include "UitwisselingTest.h"
#include "exchange/Uitslagen.h"
#include "exchange/IngevuldeWedstrijden.h"
#include "exchange/Weekbestand.h"

using namespace exchange;
using testhulp::Velden;
using testhulp::Wedstrijd;

namespace {

class Uitslagen : public testhulp::UitwisselingTest
{
protected:
    void SetUp() override
    {
        UitwisselingTest::SetUp();
        testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "A", "Afdeling 1A", "1A", 3);
        testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "B", "Afdeling 2B", "2B", 2);
    }

    // A match of the own club 045 of province 8 on 18-09-2010.
    Wedstrijd match(const QString& nr, bool thuis, const Velden& blad, const QString& reeks = "A")
    {
        Wedstrijd w;
        w.wedstrNr = nr;
        w.weekNr = "05";
        w.reeksNr = reeks;
        w.datum = "18-09-2010";
        w.provThuis = w.provUit = "8";
        w.lkThuis = thuis ? "045" : "107";
        w.lkUit = thuis ? "107" : "045";
        w.nmthuis = thuis ? "Eigen A" : "Ander B";
        w.nmuit = thuis ? "Ander B" : "Eigen A";
        w.uur = "19.30";
        w.extra = blad;
        return w;
    }

    static Velden kant(const QString& kolom, const QString& basis)
    {
        Velden v;
        for (int p = 1; p <= 3; ++p)
            v << qMakePair(kolom + QString::number(p), db::Waarde(basis + QString::number(p)));
        return v;
    }

    QStringList bestand(const QString& pad)
    {
        QFile f(pad);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << pad.toStdString();
        const QByteArray inhoud = f.readAll();
        EXPECT_TRUE(inhoud.isEmpty() || inhoud.endsWith("\r\n"));
        QStringList regels = QString::fromLatin1(inhoud).split("\r\n");
        regels.removeLast();
        return regels;
    }
};

TEST_F(Uitslagen, TheFileOfAPlayDateHoldsTheOwnClubsCompleteMatches)
{
    // Written: a complete home match, an away match whose home team forfeited, an away match at a
    // free place, a home match against a free place.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, volledigBlad(3)));
    Velden forfait = kant("UITSP", "51230");
    forfait << qMakePair(QString("forfaitth"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", false, forfait));
    Wedstrijd vrij = match("PVBH05004", false, kant("UITSP", "51230"));
    vrij.lkThuis = "Vrij";
    vrij.nmthuis = "Vrij";
    testhulp::wedstrijdToevoegen(d(), vrij);
    Wedstrijd bye = match("PVBH05005", true, kant("THUISSP", "51230"));
    bye.nmuit = "vrij";
    bye.lkUit = "Vrij";
    testhulp::wedstrijdToevoegen(d(), bye);
    // Left out and named: an incomplete home match (its Q shown as P).
    Velden half = volledigBlad(3);
    half.removeIf([](const auto& v) { return v.first == "W07"; });
    testhulp::wedstrijdToevoegen(d(), match("QVBH05002", true, half));
    // Not selected at all: a complete away match, and a home match of another date.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05006", false, volledigBlad(3)));
    Wedstrijd later = match("PVBH06001", true, volledigBlad(3));
    later.datum = "25-09-2010";
    testhulp::wedstrijdToevoegen(d(), later);

    // An old file of that name is replaced.
    QFile oud(m_eerste.wissel + "VB045-18-09-2010.ttr");
    ASSERT_TRUE(oud.open(QIODevice::WriteOnly));
    oud.write("oude inhoud die verdwijnt\r\n");
    oud.close();

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.bestandsnaam, "VB045-18-09-2010.ttr");
    const QString games = "P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6";
    EXPECT_EQ(bestand(v.pad),
              QStringList({"I;11;PVLB-H-05-1;VLB45;VLB107;512301,512302,512303,-;498101,498102,498103,-;" + games
                               + ";-,-,-,-;19:30,;\"\"",
                           "I;11;PVLB-H-05-3;VLB107;VLB45;-,-,-,-;512301,512302,512303,-;P8,8,8,8,8,8,8,8,8,8;-,-,-,-;19:30,;\"\"",
                           "I;11;PVLB-H-05-4;Bye;VLB45;-,-,-,-;512301,512302,512303,-;P;-,-,-,-;19:30,;\"\"",
                           "I;11;PVLB-H-05-5;VLB45;Bye;512301,512302,512303,-;-,-,-,-;P;-,-,-,-;19:30,;\"\""}));
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05002: Eigen A - Ander B\""}));
    EXPECT_EQ(UitslagenMelding(v, "18-09-2010", m_eerste.wissel),
              "Het bestand \"VB045-18-09-2010.ttr\" (wedstrijden van 18-09-2010) werd opgeslagen in de map \""
                  + m_eerste.wissel
                  + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
                    "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens "
                    "ingevuld zijn:\r\n\r\n- Wedstrijd \"PVBH05002: Eigen A - Ander B\"\r\n\r\n");
}

TEST_F(Uitslagen, ClubCodesAndWhatCannotBeWritten)
{
    const Clubcode vb = ClubcodeLezen("VB123");
    EXPECT_EQ(vb.clubNr, "123");
    EXPECT_EQ(vb.provincie, "VLB");
    EXPECT_EQ(vb.provincieNr, 8);
    EXPECT_FALSE(vb.povl);
    EXPECT_TRUE(ClubcodeLezen("VLB247").povl);
    EXPECT_EQ(ClubcodeLezen("WVl123").provincieNr, 10) << "TabT codes compare without regard to case";
    // The letters of the main window's abbreviations that are no TabT code.
    EXPECT_EQ(ClubcodeLezen("O123").provincieNr, 7);
    EXPECT_EQ(ClubcodeLezen("B123").provincieNr, 9);

    // A club code of no province writes nothing and says why.
    EXPECT_THROW(UitslagenSchrijven("XX045", "18-09-2010", m_eerste.wissel), core::ActieFout);
    EXPECT_TRUE(QDir(m_eerste.wissel).isEmpty());

    // A complete match whose division is missing is named, with the reason; the file is still written.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, volledigBlad(3), "Z"));
    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.geschreven, 0);
    EXPECT_EQ(v.nietGemaakt,
              QStringList({"- Wedstrijd \"PVBH05001: Eigen A - Ander B\" (de reeks staat niet in de tabel Reeksen)"}));
    EXPECT_TRUE(QFile::exists(v.pad));
}

TEST_F(Uitslagen, MarkingJudgesEverySheetAndWritesOnlyWhatChanges)
{
    // A division of two players needs three places and seven games.
    Velden twee = volledigBlad(2);
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, twee, "B"));
    Velden tweeHalf = twee;
    tweeHalf.removeIf([](const auto& v) { return v.first == "THUISSP3"; });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, tweeHalf, "B"));
    // An away forfeit is complete with the home places alone.
    Velden forfait = kant("THUISSP", "51230");
    forfait << qMakePair(QString("forfaituit"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", true, forfait));
    // A sheet in a division that Reeksen lacks is named; an empty calendar match of one is not.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05004", true, volledigBlad(3), "Z"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05005", true, {}, "Z"));

    d().uitvoeren("CREATE TEMP TABLE geschreven (nr TEXT); "
                  "CREATE TEMP TRIGGER telt AFTER UPDATE ON main.Matchen BEGIN INSERT INTO geschreven VALUES (new.WedstrNr); END;");
    EXPECT_EQ(IngevuldeWedstrijdenMarkeren(),
              QStringList({"- Wedstrijd \"PVBH05004: Eigen A - Ander B\" (de reeks staat niet in de tabel Reeksen)"}));
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, Ingeput"),
              QStringList({"PVBH05001|J", "PVBH05002|N", "PVBH05003|J", "PVBH05004|N", "PVBH05005|N"}));
    EXPECT_EQ(aantal("geschreven"), 5);

    d().uitvoeren("DELETE FROM geschreven; UPDATE Matchen SET W07 = ' ' WHERE WedstrNr = 'PVBH05001'; DELETE FROM geschreven");
    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(inhoud("geschreven"), QStringList({"PVBH05001"})) << "only the row whose mark changed";
    EXPECT_EQ(matchVeld("PVBH05001", "Ingeput"), "N");
}

TEST_F(Uitslagen, TheWeekFileHoldsTheCompleteHomeMatchesOfTheWeek)
{
    testhulp::invoegen(d(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "18-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "05"}});
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, volledigBlad(3)));
    // A home forfeit: the visitors and the games do not count; empty places are written as empty lines.
    Velden forfait = kant("THUISSP", "51230");
    forfait << qMakePair(QString("forfaitth"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, forfait));
    Velden half = volledigBlad(3);
    half.removeIf([](const auto& v) { return v.first == "UITSP2"; });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", true, half));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05004", false, volledigBlad(3)));

    const Weekverslag v = WeekResultatenSchrijven("18-09-2010", "2010-2011", "045", m_eerste.wissel);
    EXPECT_EQ(v.pad, m_eerste.wissel + "045-05.ttr");
    const QStringList regels = bestand(v.pad);
    ASSERT_EQ(regels.size(), 50) << "3 + 6 + 6 + 10 lines per match of three players";
    EXPECT_EQ(regels.mid(0, 9),
              QStringList({"PVBH05001", "", "", "512301", "N", "512302", "N", "512303", "N"}));
    EXPECT_EQ(regels.mid(25, 3), QStringList({"PVBH05002", "J", ""}));
    EXPECT_EQ(regels.mid(34, 6), QStringList({"", "", "", "", "", ""})) << "the visitors' empty places";
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05003: Eigen A - Ander B\""}));
    EXPECT_EQ(WeekMelding(v, "18-09-2010"),
              "De pagina \"" + v.pad + "\" (week van 18-09-2010) werd opgeslagen.\r\nStuur deze door naar de "
              "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens ingevuld "
              "zijn:\r\n\r\n- Wedstrijd \"PVBH05003: Eigen A - Ander B\"\r\n\r\n");

    // A home match in a division that Reeksen lacks is named and left out; against visitors that are a
    // free place ("BYE " and a blank) the home line-up alone completes the sheet.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05005", true, volledigBlad(3), "Z"));
    Wedstrijd bye = match("PVBH05006", true, kant("THUISSP", "51230"));
    bye.nmuit = "BYE 1";
    testhulp::wedstrijdToevoegen(d(), bye);
    const Weekverslag meer = WeekResultatenSchrijven("18-09-2010", "2010-2011", "045", m_eerste.wissel);
    EXPECT_EQ(meer.geschreven, v.geschreven + 1);
    EXPECT_EQ(meer.onvolledig, v.onvolledig);
    EXPECT_EQ(meer.nietGemaakt,
              QStringList({"- Wedstrijd \"PVBH05005: Eigen A - Ander B\" (de reeks staat niet in de tabel Reeksen)"}));

    // A play date without a provincial week number cannot name its file.
    EXPECT_THROW(WeekResultatenSchrijven("25-09-2010", "2010-2011", "045", m_eerste.wissel), core::ActieFout);
}

// The week file gives each side its own absences, writes a home match whose visitors forfeited with
// the home line-up alone, and judges a match of two players by its seven games.
TEST_F(Uitslagen, TheWeekFileKeepsEachSidesAbsencesAVisitorsForfeitAndTheSeventhGameOfTwo)
{
    testhulp::invoegen(d(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "18-09-2010"}, {"HerDam", "H"}, {"WeekNrP", "05"}});
    // The home player of place 2 did not come, nor the visitor of place 3; neither was named, so the
    // picker stored their places with a blank number.
    Velden afwezig = volledigBlad(3);
    for (auto& [veld, waarde] : afwezig) {
        if (veld == "AFWTH2" || veld == "AFWUIT3")
            waarde = db::Waarde("J");
        if (veld == "THUISSP2" || veld == "UITSP3")
            waarde = db::Waarde(" ");
    }
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, afwezig));
    Velden forfait = kant("THUISSP", "51230");
    forfait << qMakePair(QString("forfaituit"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, forfait));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", true, volledigBlad(2), "B"));
    Velden zonderZevende = volledigBlad(2);
    zonderZevende.removeIf([](const auto& v) { return v.first == "W07"; });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05004", true, zonderZevende, "B"));

    const Weekverslag v = WeekResultatenSchrijven("18-09-2010", "2010-2011", "045", m_eerste.wissel);
    EXPECT_EQ(v.geschreven, 3);
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05004: Eigen A - Ander B\""}));
    const QStringList regels = bestand(v.pad);
    ASSERT_EQ(regels.size(), 25 + 25 + 18) << "a match of two: 3 + 4 + 4 + 7 lines";
    EXPECT_EQ(regels.mid(0, 15), QStringList({"PVBH05001", "", "", "512301", "N", " ", "J", "512303", "N", "498101",
                                              "N", "498102", "N", "", "J"}));
    QStringList zonderBezoekers{"PVBH05002", "", "J", "512301", "", "512302", "", "512303", ""};
    for (int i = 0; i < 16; ++i)
        zonderBezoekers << "";
    EXPECT_EQ(regels.mid(25, 25), zonderBezoekers);
    EXPECT_EQ(regels.mid(50), QStringList({"PVBH05003", "", "", "512301", "N", "512302", "N", "498101", "N", "498102", "N",
                                           "+", "+", "+", "+", "+", "+", "+"}));
}

// A line-up whose last place is empty is as incomplete as one whose middle place is, on either side,
// in a match of two (the doubles player's place) and on the own side after either team forfeited:
// the results file leaves each out and names it, and the marking does not take it as complete.
TEST_F(Uitslagen, AMatchWhoseLastPlaceIsEmptyIsLeftOutOfTheResultsFileAndNamed)
{
    const auto zonder = [](Velden blad, const QString& kolom) {
        blad.removeIf([&kolom](const auto& v) { return v.first == kolom; });
        return blad;
    };
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, zonder(volledigBlad(3), "UITSP2")));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, zonder(volledigBlad(3), "THUISSP3")));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", true, zonder(volledigBlad(3), "UITSP3")));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05004", true, zonder(volledigBlad(2), "UITSP3"), "B"));
    Velden forfait = zonder(kant("UITSP", "51230"), "UITSP3");
    forfait << qMakePair(QString("forfaitth"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05005", false, forfait));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05006", true, volledigBlad(3)));
    // The visitors forfeited, every place of theirs absent; the own home line-up lacks its last player.
    Velden uitForfait = zonder(kant("THUISSP", "51230"), "THUISSP3");
    uitForfait << qMakePair(QString("forfaituit"), db::Waarde("J"));
    for (int p = 1; p <= 3; ++p)
        uitForfait << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05007", true, uitForfait));

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    const QStringList genoemd{"- Wedstrijd \"PVBH05001: Eigen A - Ander B\"", "- Wedstrijd \"PVBH05002: Eigen A - Ander B\"",
                              "- Wedstrijd \"PVBH05003: Eigen A - Ander B\"", "- Wedstrijd \"PVBH05004: Eigen A - Ander B\"",
                              "- Wedstrijd \"PVBH05005: Ander B - Eigen A\"", "- Wedstrijd \"PVBH05007: Eigen A - Ander B\""};
    EXPECT_EQ(v.onvolledig, genoemd);
    const QStringList regels = bestand(v.pad);
    ASSERT_EQ(regels.size(), 1);
    EXPECT_TRUE(regels[0].startsWith("I;11;PVLB-H-05-6;VLB45;VLB107;512301,512302,512303,-;")) << regels[0].toStdString();
    EXPECT_TRUE(UitslagenMelding(v, "18-09-2010", m_eerste.wissel)
                    .endsWith("niet alle gegevens ingevuld zijn:\r\n\r\n" + genoemd.join("\r\n") + "\r\n\r\n"));

    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, Ingeput"), QStringList({"PVBH05001|N", "PVBH05002|N", "PVBH05003|N", "PVBH05004|N",
                                                                    "PVBH05005|N", "PVBH05006|J", "PVBH05007|N"}));
}

// Which sheets the results file and the marking take as complete, at the edges: the last game of a
// match of three, a match of two and its last game, a home match against a free place.
TEST_F(Uitslagen, TheLastGameAMatchOfTwoAndAFreePlaceDecideCompleteness)
{
    Velden zonderLaatste = volledigBlad(3);
    zonderLaatste.removeIf([](const auto& v) { return v.first == "W10"; });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, zonderLaatste));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, volledigBlad(2), "B"));
    Wedstrijd vrij = match("PVBH05003", true, kant("THUISSP", "51230"));
    vrij.nmuit = "Vrij";
    vrij.lkUit = "Vrij";
    testhulp::wedstrijdToevoegen(d(), vrij);
    Velden tweeZonderLaatste = volledigBlad(2);
    tweeZonderLaatste.removeIf([](const auto& v) { return v.first == "W07"; });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05004", true, tweeZonderLaatste, "B"));

    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, Ingeput"),
              QStringList({"PVBH05001|N", "PVBH05002|J", "PVBH05003|J", "PVBH05004|N"}));

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05001: Eigen A - Ander B\"",
                                         "- Wedstrijd \"PVBH05004: Eigen A - Ander B\""}));
    EXPECT_EQ(bestand(v.pad),
              QStringList({"I;11;PVLB-H-05-2;VLB45;VLB107;512301,512302,512303,-;498101,498102,498103,-;"
                           "P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6;-,-,-,-;19:30,;\"\"",
                           "I;11;PVLB-H-05-3;VLB45;Bye;512301,512302,512303,-;-,-,-,-;P;-,-,-,-;19:30,;\"\""}));
}

// The own club that forfeited at home sends its forfeit: the forfeit box marks every home place
// absent, which fills them, and the visitors' line-up is not needed.
TEST_F(Uitslagen, TheOwnClubsForfeitAtHomeIsWrittenWithoutTheVisitorsLineUp)
{
    Velden forfait{{"forfaitth", "J"}};
    for (int p = 1; p <= 3; ++p)
        forfait << qMakePair(QStringLiteral("AFWTH%1").arg(p), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, forfait));
    // Without the absences the own places are empty: not complete.
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, {{"forfaitth", "J"}}));

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05002: Eigen A - Ander B\""}));
    EXPECT_EQ(bestand(v.pad), QStringList({"I;11;PVLB-H-05-1;VLB45;VLB107;--,--,--,-;-,-,-,-;P8,8,8,8,8,8,8,8,8,8;-,-,-,-;"
                                           "19:30,;\"\""}));
}

// Game 7 of a recreational division of Limburg is not played: the results file and Export.ttr send
// it as "-", whatever the sheet holds.
TEST_F(Uitslagen, GameSevenOfARecreationalDivisionOfLimburgIsSentAsNotPlayed)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "V", "Vrijetijd 1 - Prov. Limburg - Heren", "VT1", 3);
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, volledigBlad(3), "V"));

    const QString regel = "I;11;PVLB-H-05-1;VLB45;VLB107;512301,512302,512303,-;498101,498102,498103,-;"
                          "P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,-,3/4/6,3/4/6,3/4/6;-,-,-,-;19:30,;\"\"";
    EXPECT_EQ(bestand(UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel).pad), QStringList({regel}));
    const IngevuldeSectie sectie = IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011");
    ASSERT_EQ(sectie.regels.size(), 4);
    EXPECT_EQ(sectie.regels[2], regel);
}

// A match of four without a result in its last game, 16, is left out of the results file and named,
// and is not complete for Export.ttr either; with it the match is written with all sixteen games.
TEST_F(Uitslagen, AMatchOfFourWithoutItsSixteenthGameIsLeftOutAndNamed)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "P", "H", "C", "Afdeling 1C", "1C", 4);
    Velden zonderLaatste = volledigBlad(4);
    zonderLaatste.removeIf([](const auto& v) { return v.first.startsWith("W16"); });
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, zonderLaatste, "C"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05002", true, volledigBlad(4), "C"));

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH05001: Eigen A - Ander B\""}));
    QStringList spellen;
    for (int g = 1; g <= 16; ++g)
        spellen << "3/4/6";
    EXPECT_EQ(bestand(v.pad), QStringList({"I;11;PVLB-H-05-2;VLB45;VLB107;512301,512302,512303,512304;"
                                           "498101,498102,498103,498104;P" + spellen.join(',') + ";-,-,-,-;19:30,;\"\""}));
    EXPECT_TRUE(UitslagenMelding(v, "18-09-2010", m_eerste.wissel)
                    .endsWith("niet alle gegevens ingevuld zijn:\r\n\r\n- Wedstrijd \"PVBH05001: Eigen A - Ander B\"\r\n\r\n"));

    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, Ingeput"), QStringList({"PVBH05001|N", "PVBH05002|J"}));
}

// The week file takes the home matches of both weeks of the date, the second (WeekNrQ) after the
// first; a home match whose visitors' last place is empty is named, not written; a national or Super
// home match that has the provincial week's number is no provincial match and is left out silently.
TEST_F(Uitslagen, TheWeekFileTakesBothWeeksOfTheDateAndOnlyProvincialMatches)
{
    testhulp::invoegen(d(), "Datums", {{"Seizoen", "2010-2011"}, {"Datum", "18-09-2010"}, {"HerDam", "H"},
                                       {"WeekNrP", "05"}, {"WeekNrQ", "06"}});
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", true, volledigBlad(3)));
    Wedstrijd tweede = match("PVBH06001", true, volledigBlad(3));
    tweede.weekNr = "06";
    testhulp::wedstrijdToevoegen(d(), tweede);
    Velden zonderLaatste = volledigBlad(3);
    zonderLaatste.removeIf([](const auto& v) { return v.first == "UITSP3"; });
    Wedstrijd onvolledig = match("PVBH06002", true, zonderLaatste);
    onvolledig.weekNr = "06";
    testhulp::wedstrijdToevoegen(d(), onvolledig);
    testhulp::reeksToevoegen(d(), "2010-2011", "N", "H", "A", "Nationaal 1A", "Nat.1A", 3);
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "A", "Super Afdeling", "Super", 3);
    for (const char* soort : {"N", "S"}) {
        Wedstrijd hoger = match(QString(soort) + "H05001", true, volledigBlad(3));
        hoger.soortComp = soort;
        testhulp::wedstrijdToevoegen(d(), hoger);
    }

    const Weekverslag v = WeekResultatenSchrijven("18-09-2010", "2010-2011", "045", m_eerste.wissel);
    EXPECT_EQ(v.pad, m_eerste.wissel + "045-05.ttr");
    EXPECT_EQ(v.geschreven, 2);
    EXPECT_EQ(v.onvolledig, QStringList({"- Wedstrijd \"PVBH06002: Eigen A - Ander B\""}));
    EXPECT_EQ(v.nietGemaakt, QStringList());
    const QStringList regels = bestand(v.pad);
    ASSERT_EQ(regels.size(), 50);
    EXPECT_EQ(regels[0], "PVBH05001");
    EXPECT_EQ(regels[25], "PVBH06001");
}

// Only club 247 of Vlaams-Brabant codes every provincial match POVL: a club 247 of another province
// keeps its own province's code, in the results file and in Export.ttr.
TEST_F(Uitslagen, AClub247OutsideVlaamsBrabantKeepsItsOwnProvincesCode)
{
    Wedstrijd antwerpen = match("PAH05001", true, volledigBlad(3));
    antwerpen.provThuis = antwerpen.provUit = "1";
    antwerpen.lkThuis = "247";
    testhulp::wedstrijdToevoegen(d(), antwerpen);
    Wedstrijd brabant = match("PVBH05002", true, volledigBlad(3));
    brabant.lkThuis = "247";
    testhulp::wedstrijdToevoegen(d(), brabant);

    const QString rest = ";512301,512302,512303,-;498101,498102,498103,-;P3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,3/4/6,"
                         "3/4/6,3/4/6,3/4/6;-,-,-,-;19:30,;\"\"";
    EXPECT_EQ(bestand(UitslagenSchrijven("A247", "18-09-2010", m_eerste.wissel).pad),
              QStringList({"I;11;PANT-H-05-1;A247;A107" + rest}));
    EXPECT_EQ(bestand(UitslagenSchrijven("VB247", "18-09-2010", m_eerste.wissel).pad),
              QStringList({"I;11;POVL-H-05-2;VLB247;VLB107" + rest}));

    // Export.ttr: the first match, of club 247 of Antwerpen, codes none of them POVL.
    const IngevuldeSectie sectie = IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011");
    ASSERT_EQ(sectie.regels.size(), 5);
    EXPECT_EQ(sectie.regels[2], "I;11;PANT-H-05-1;A247;A107" + rest);
    EXPECT_EQ(sectie.regels[3], "I;11;PVLB-H-05-2;VLB247;VLB107" + rest);
}

// Against a free place no captain is sent, whatever the sheet names.
TEST_F(Uitslagen, AMatchAgainstAFreePlaceSendsNoCaptain)
{
    Velden thuis = kant("THUISSP", "51230");
    thuis << qMakePair(QString("KapiteinT"), db::Waarde("512301")) << qMakePair(QString("KapiteinU"), db::Waarde("498101"));
    Wedstrijd bye = match("PVBH05001", true, thuis);
    bye.nmuit = "Vrij";
    bye.lkUit = "Vrij";
    testhulp::wedstrijdToevoegen(d(), bye);
    Velden uit = kant("UITSP", "51230");
    uit << qMakePair(QString("KapiteinU"), db::Waarde("512302"));
    Wedstrijd vrij = match("PVBH05002", false, uit);
    vrij.nmthuis = "Vrij";
    vrij.lkThuis = "Vrij";
    testhulp::wedstrijdToevoegen(d(), vrij);

    const QStringList regels{"I;11;PVLB-H-05-1;VLB45;Bye;512301,512302,512303,-;-,-,-,-;P;-,-,-,-;19:30,;\"\"",
                             "I;11;PVLB-H-05-2;Bye;VLB45;-,-,-,-;512301,512302,512303,-;P;-,-,-,-;19:30,;\"\""};
    EXPECT_EQ(bestand(UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel).pad), regels);
    // And in Export.ttr, the free place at home or as visitors.
    EXPECT_EQ(IngevuldeWedstrijdenExporteren(m_voortgang, "2010-2011").regels.mid(2, 2), regels);
}

// In a national division the own club 045 of Vlaams-Brabant plays at club 045 of Antwerpen: that
// away match is no home match of the own club and stays out of its results file, also complete; the
// own club's home match against that club goes in.
TEST_F(Uitslagen, AnAwayMatchAtAClubOfTheSameNumberInAnotherProvinceStaysOut)
{
    testhulp::reeksToevoegen(d(), "2010-2011", "N", "H", "C", "Nationaal 3C", "3C", 3);
    Wedstrijd uit = match("N05001", false, volledigBlad(3), "C");
    uit.soortComp = "N";
    uit.provThuis = "1";
    uit.lkThuis = "045";
    uit.nmthuis = "Antwerpse Ploeg A";
    testhulp::wedstrijdToevoegen(d(), uit);
    Wedstrijd thuis = match("N05002", true, volledigBlad(3), "C");
    thuis.soortComp = "N";
    thuis.provUit = "1";
    thuis.lkUit = "045";
    thuis.nmuit = "Antwerpse Ploeg A";
    testhulp::wedstrijdToevoegen(d(), thuis);

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.onvolledig, QStringList());
    const QStringList regels = bestand(v.pad);
    ASSERT_EQ(regels.size(), 1) << regels.join('\n').toStdString();
    EXPECT_TRUE(regels[0].startsWith("I;11;NATL-H-05-2;VLB45;A45;")) << regels[0].toStdString();
}

// An away match at a free place goes into the results file however the free place's club number is
// written, as long as it begins with "vrij" in any case; an away match at a club does not.
TEST_F(Uitslagen, AnAwayMatchAtAFreePlaceIsWrittenHoweverItsClubNumberIsWritten)
{
    const QStringList vrijePlaatsen{"Vrij A", "VRIJ", " vrij"};
    for (int i = 0; i < vrijePlaatsen.size(); ++i) {
        Wedstrijd vrij = match(QStringLiteral("PVBH0500%1").arg(i + 1), false, kant("UITSP", "51230"));
        vrij.lkThuis = vrijePlaatsen[i];
        vrij.nmthuis = "Vrij A";
        testhulp::wedstrijdToevoegen(d(), vrij);
    }
    Wedstrijd ander = match("PVBH05004", false, kant("UITSP", "51230"));
    ander.lkThuis = "Vri";
    testhulp::wedstrijdToevoegen(d(), ander);

    const Uitslagenverslag v = UitslagenSchrijven("VB045", "18-09-2010", m_eerste.wissel);
    EXPECT_EQ(v.onvolledig, QStringList());
    QStringList verwacht;
    for (int nr = 1; nr <= 3; ++nr)
        verwacht << QStringLiteral("I;11;PVLB-H-05-%1;Bye;VLB45;-,-,-,-;512301,512302,512303,-;P;-,-,-,-;19:30,;\"\"").arg(nr);
    EXPECT_EQ(bestand(v.pad), verwacht);
}

// A sheet is complete for Export.ttr with the places of its result line filled: after a forfeit or
// against a free place those of the side that played, and a Super match of two without its doubles
// has four places a side.
TEST_F(Uitslagen, AForfeitOrAFreePlaceIsCompleteWithTheSideThatPlayed)
{
    // Home forfeit, the home places empty; home free place; away forfeit with only the visitors' places.
    Velden thuisForfait = kant("UITSP", "49810");
    thuisForfait << qMakePair(QString("forfaitth"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05001", false, thuisForfait));
    Wedstrijd vrij = match("PVBH05002", false, kant("UITSP", "49810"));
    vrij.nmthuis = "Vrij";
    vrij.lkThuis = "Vrij";
    testhulp::wedstrijdToevoegen(d(), vrij);
    Velden uitForfait = kant("UITSP", "49810");
    uitForfait << qMakePair(QString("forfaituit"), db::Waarde("J"));
    testhulp::wedstrijdToevoegen(d(), match("PVBH05003", true, uitForfait));

    // Super matches of a division of two: three places filled, and four.
    testhulp::reeksToevoegen(d(), "2010-2011", "S", "H", "S", "Super Afdeling", "Super", 2);
    for (const char* nr : {"S05004", "S05005"}) {
        Velden blad = volledigBlad(2);
        if (QByteArray(nr) == "S05005")
            blad << qMakePair(QString("THUISSP4"), db::Waarde("512304")) << qMakePair(QString("UITSP4"), db::Waarde("498104"));
        Wedstrijd super = match(nr, true, blad, "S");
        super.soortComp = "S";
        super.soort = "4";
        testhulp::wedstrijdToevoegen(d(), super);
    }
    EXPECT_EQ(IngevuldeWedstrijdenMarkeren(), QStringList());
    EXPECT_EQ(inhoud("Matchen", "WedstrNr, Ingeput"),
              QStringList({"PVBH05001|J", "PVBH05002|J", "PVBH05003|N", "S05004|N", "S05005|J"}));
}

// The marks are written in blocks: more than one block of changes at once all change.
TEST_F(Uitslagen, MoreThanFiveHundredChangedMarksAllChange)
{
    {
        db::Transactie t(d());
        for (int i = 0; i < 1234; ++i)
            testhulp::wedstrijdToevoegen(d(), match(QStringLiteral("PVBH%1").arg(10000 + i), true,
                                                    i % 2 ? volledigBlad(3) : Velden{}));
        t.vastleggen();
    }
    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(aantal("Matchen", "Ingeput = 'J'"), 617);
    EXPECT_EQ(aantal("Matchen", "Ingeput = 'N'"), 617);
    d().uitvoeren("UPDATE Matchen SET W01 = ' ' WHERE Ingeput = 'J'; UPDATE Matchen SET THUISSP1 = 'x', UITSP1 = 'y', "
                  "UITSP2 = 'y', UITSP3 = 'y', THUISSP2 = 'x', THUISSP3 = 'x' WHERE Ingeput = 'N'");
    d().uitvoeren("UPDATE Matchen SET W01 = '+', W02 = '+', W03 = '+', W04 = '+', W05 = '+', W06 = '+', W07 = '+', "
                  "W08 = '+', W09 = '+', W10 = '+' WHERE Ingeput = 'N'");
    IngevuldeWedstrijdenMarkeren();
    EXPECT_EQ(aantal("Matchen", "Ingeput = 'J' AND THUISSP1 = 'x'"), 617);
    EXPECT_EQ(aantal("Matchen", "Ingeput = 'N' AND W01 = ' '"), 617);
}

TEST_F(Uitslagen, AClubCodeWithoutProvinceLettersWritesNothing)
{
    // The club number alone must not be taken for the province without letters (Nr 0, TabT empty).
    Wedstrijd w = match("PVBH05001", true, volledigBlad(3));
    w.provThuis = w.provUit = "0";
    testhulp::wedstrijdToevoegen(d(), w);
    try {
        UitslagenSchrijven("045", "18-09-2010", m_eerste.wissel);
        ADD_FAILURE() << "written";
    } catch (const core::ActieFout& f) {
        EXPECT_EQ(f.tekst(), "De clubcode \"045\" hoort bij geen enkele provincie. Kies de provincie van de club in de "
                             "opties.\r\n\r\nEr werd niets geëxporteerd.");
    }
    EXPECT_TRUE(QDir(m_eerste.wissel).isEmpty());
}

} // namespace
