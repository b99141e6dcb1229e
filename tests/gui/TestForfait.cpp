// The whole-match forfeit boxes of the sheet: what they ask, store and lock.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using core::algemeen;
using testhulp::Velden;
using testhulp::Wedstrijd;

namespace {

const QString vraagTitel = QStringLiteral("Forfait");
const QString vraagTekst = QStringLiteral("Er zijn al resultaten ingevuld. Deze zullen gewist worden. Doorgaan ?");

QString spel(int g)
{
    return QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0'));
}

QString setVeld(int g, int s, char kant)
{
    return spel(g) + QStringLiteral("Set%1").arg(s) + QLatin1Char(kant);
}

// The own club 001 plays at home against 002: PAH01001 in a division of four, PAH01002 of three.
class Forfait : public testhulp::BladTest
{
protected:
    // PAH01001 (four players) and PAH01002 (three), with the given fields; the first is on the sheet.
    FrmWedstrijdInput& starten(const Velden& vier, const Velden& drie = {})
    {
        for (const auto& [nr, reeks, velden] :
            {std::tuple {"PAH01001", "A", vier}, std::tuple {"PAH01002", "G", drie}}) {
            Wedstrijd w = wedstrijd(nr, reeks);
            w.extra = velden;
            testhulp::wedstrijdToevoegen(m_db, w);
        }
        return BladTest::starten();
    }

    // The match's row as stored, by field name in capitals; Null as "<Null>".
    static QMap<QString, QString> opgeslagen(const QString& nr)
    {
        QMap<QString, QString> rij;
        db::Recordset r = algemeen().dbGegevens.openRecordset(
            QStringLiteral("SELECT * FROM Matchen WHERE Seizoen = '2010-2011' AND WedstrNr = ?;"), {nr});
        for (int i = 0; i < r.aantalVelden(); ++i)
            rij[r.veldNaam(i).toUpper()] = r.veld(i).isNull() ? QStringLiteral("<Null>") : r.veld(i).tekst();
        return rij;
    }

    // Every set box of rows 0..laatste enabled (by its own flag) when open, disabled otherwise.
    static void setsOpen(const core::Wedstrijdblad& b, int laatste, bool open)
    {
        for (int r = 0; r <= laatste; ++r)
            for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s)
                for (const bool t : {true, false})
                    EXPECT_EQ(!b.set(r, s, t)->testAttribute(Qt::WA_Disabled), open) << "row " << r << " set " << s;
    }

    static bool aan(const QCheckBox* vak) { return !vak->testAttribute(Qt::WA_Disabled); }

    // What the sheet shows of every game row in use (set boxes, locked or not, sets and running
    // score) and of the match (result, each place's wins), one line each.
    static QStringList getoond(const core::Wedstrijdblad& b)
    {
        QStringList regels;
        for (int r = 0; r <= algemeen().intLaatsteWedstrijd; ++r) {
            QStringList sets;
            for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s)
                for (const bool t : {true, false})
                    sets << b.set(r, s, t)->text() + (b.set(r, s, t)->testAttribute(Qt::WA_ForceDisabled) ? "#" : "");
            regels << QStringLiteral("%1: %2 | %3-%4 | %5-%6")
                          .arg(r)
                          .arg(sets.join(','), b.TxtSetsThuis[r]->text(), b.TxtSetsUit[r]->text(),
                               b.TxtWedstrThuis[r]->text(), b.TxtWedstrUit[r]->text());
        }
        QStringList ind;
        for (int p = 0; p < 4; ++p)
            ind << b.LabTIndOverw[p]->text() + "/" + b.LabUIndOverw[p]->text();
        regels << "uitslag " + b.TxtResT->text() + "-" + b.TxtResU->text() + " " + ind.join(',');
        return regels;
    }
};

// A match with both line-ups filled and nobody absent, on the sheet.
class ForfaitIntrekken : public Forfait
{
protected:
    FrmWedstrijdInput& starten(const QString& nr, const QString& reeks, int spelers,
                               const std::function<void(Wedstrijd&)>& aanpassen = {})
    {
        // A men's division of two players, so that every place's member is on a strength list.
        testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "M", "Afdeling 5M", "Afd.5M", 2);
        Wedstrijd w = wedstrijd(nr, reeks);
        // The first teams of both clubs: the players' indexes are never too low for them.
        w.nmthuis = "Eerste A";
        w.nmuit = "Tweede A";
        for (int p = 1; p <= 4; ++p) {
            if (p <= spelers) {
                w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(p), db::Waarde(QString::number(500000 + p)));
                w.extra << qMakePair(QStringLiteral("UITSP%1").arg(p), db::Waarde(QString::number(500004 + p)));
            }
            w.extra << qMakePair(QStringLiteral("AFWTH%1").arg(p), db::Waarde("N"));
            w.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde("N"));
        }
        if (aanpassen)
            aanpassen(w);
        testhulp::wedstrijdToevoegen(m_db, w);
        testhulp::wedstrijdToevoegen(m_db, wedstrijd("PAH01009", "A"));
        FrmWedstrijdInput& f = BladTest::starten();
        kiezen(f, nr);
        return f;
    }

    // Marks in the player picker: the player of a place absent, or his k-th game (1-4) not played.
    static void afwezig(FrmWedstrijdInput& f, bool thuis, int plaats)
    {
        FrmSpelersKiezen& k = openen(f, thuis, plaats);
        k.ChkWO->click();
        QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    }
    static void nietGespeeld(FrmWedstrijdInput& f, bool thuis, int plaats, int spel)
    {
        FrmSpelersKiezen& k = openen(f, thuis, plaats);
        k.ChkWedstrijd[spel - 1]->click();
        QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    }
    static FrmSpelersKiezen& openen(FrmWedstrijdInput& f, bool thuis, int plaats)
    {
        (thuis ? f.blad.CmdCompNrT : f.blad.CmdCompNrU)[plaats - 1]->click();
        return FrmSpelersKiezen::standaard();
    }

    // Ticks and unticks the forfeit box of a team: afterwards the match row holds what it held
    // before, but for the team's forfeit withdrawn ("N", its places present), and the sheet shows
    // the same, also once the match is loaded again.
    void tikkenEnIntrekken(FrmWedstrijdInput& f, const QString& nr, bool thuis)
    {
        const core::Wedstrijdblad& b = f.blad;
        QMap<QString, QString> verwacht = opgeslagen(nr);
        const QStringList blad = getoond(b);
        ASSERT_GT(blad.filter("w#,o#").size(), 0) << "walk-overs to keep";
        verwacht[thuis ? "FORFAITTH" : "FORFAITUIT"] = "N";
        for (int p = 1; p <= 4; ++p)
            verwacht[(thuis ? QStringLiteral("AFWTH%1") : QStringLiteral("AFWUIT%1")).arg(p)] = "N";

        QCheckBox* vak = thuis ? b.ChkForfaitT : b.ChkForfaitUit;
        vak->click();
        ASSERT_TRUE(vak->isChecked());
        EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << "walk-overs are no results";
        vak->click();
        ASSERT_FALSE(vak->isChecked());
        EXPECT_EQ(verschillen(opgeslagen(nr), verwacht), QStringList());
        EXPECT_EQ(getoond(b), blad);

        kiezen(f, "PAH01009");
        kiezen(f, nr);
        EXPECT_EQ(verschillen(opgeslagen(nr), verwacht), QStringList()) << "loading writes nothing else";
        EXPECT_EQ(getoond(b), blad) << "loaded again";
    }

    // The fields whose values differ, as "field: stored, expected"; a field without a value and a
    // blank both hold nothing.
    static QStringList verschillen(const QMap<QString, QString>& rij, const QMap<QString, QString>& verwacht)
    {
        const auto inhoud = [](const QString& w) { return w == "<Null>" || w == " " ? QString() : w; };
        QStringList v;
        for (auto i = verwacht.cbegin(); i != verwacht.cend(); ++i) {
            if (inhoud(rij.value(i.key())) != inhoud(i.value()))
                v << i.key() + ": \"" + rij.value(i.key()) + "\", \"" + i.value() + "\"";
        }
        return v;
    }
};

// A stored walk-over and a blank set 1 are no results: the tick asks nothing.
TEST_F(Forfait, TickingWithoutResultsWritesTheForfeitOfOneTeamOnly)
{
    const Velden anders {{"WOT1", "17"}, {"KapiteinT", "500002"}, {"AFWUIT1", "N"}, {"AFWUIT2", "J"}, {"AFWUIT4", "n"},
        {"forfaituit", "N"}, {"THUISSP1", "500001"}};
    Velden vier = anders;
    vier << qMakePair(QString("W01Set1T"), db::Waarde("w")) << qMakePair(QString("W02Set1T"), db::Waarde(" "))
         << qMakePair(QString("W03Set4T"), db::Waarde("11")) << qMakePair(QString("W16Set5U"), db::Waarde("7"));
    Velden drie = anders;
    drie << qMakePair(QString("W11"), db::Waarde("+")) << qMakePair(QString("W11Set1T"), db::Waarde("11"))
         << qMakePair(QString("W16Set1U"), db::Waarde("4"));
    FrmWedstrijdInput& f = starten(vier, drie);
    const core::Wedstrijdblad& b = f.blad;

    for (const auto& [nr, spellen] : {std::pair {"PAH01001", 16}, std::pair {"PAH01002", 10}}) {
        SCOPED_TRACE(nr);
        kiezen(f, nr);
        const QMap<QString, QString> voor = opgeslagen(nr);
        b.ChkForfaitT->click();
        ASSERT_TRUE(b.ChkForfaitT->isChecked());
        EXPECT_TRUE(m_meldingen->getoond().isEmpty());

        QMap<QString, QString> na = opgeslagen(nr);
        QMap<QString, QString> verwacht = voor;
        verwacht["FORFAITTH"] = "J";
        for (int p = 1; p <= 4; ++p)
            verwacht[QStringLiteral("AFWTH%1").arg(p)] = "J";
        for (int g = 1; g <= spellen; ++g) {
            verwacht[spel(g)] = "/";
            for (int s = 1; s <= 5; ++s) {
                verwacht[setVeld(g, s, 'T').toUpper()] = s <= 3 ? "w" : " ";
                verwacht[setVeld(g, s, 'U').toUpper()] = s <= 3 ? "o" : " ";
            }
        }
        EXPECT_EQ(na, verwacht) << "nothing but the home team's forfeit fields and games 1-" << spellen;

        const int laatste = spellen - 1;
        EXPECT_EQ(b.TxtSetsThuis[laatste]->text(), "0");
        EXPECT_EQ(b.TxtSetsUit[laatste]->text(), "3");
        EXPECT_EQ(b.TxtResU->text(), QString::number(spellen));
        setsOpen(b, laatste, false);
        EXPECT_FALSE(aan(b.ChkForfaitUit));
    }

    // The visitors' box stores the mirror, and leaves the home team's fields as they are.
    kiezen(f, "PAH01002");
    b.ChkForfaitT->click();
    ASSERT_FALSE(b.ChkForfaitT->isChecked());
    const QMap<QString, QString> voor = opgeslagen("PAH01002");
    b.ChkForfaitUit->click();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << "the tick stored walk-overs only";
    const QMap<QString, QString> na = opgeslagen("PAH01002");
    EXPECT_EQ(na["FORFAITUIT"], "J");
    EXPECT_EQ(na["FORFAITTH"], "N");
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(na[QStringLiteral("AFWUIT%1").arg(p)], "J");
        EXPECT_EQ(na[QStringLiteral("AFWTH%1").arg(p)], "N");
    }
    EXPECT_EQ(na["W10"], "*");
    EXPECT_EQ(na["W10SET3U"], "o");
    EXPECT_EQ(na["W11"], voor["W11"]);
    EXPECT_EQ(b.TxtSetsThuis[9]->text(), "3");
    EXPECT_EQ(b.TxtResT->text(), "10");
    EXPECT_FALSE(aan(b.ChkForfaitT));
}

TEST_F(Forfait, StoredResultsAreOnlyWipedAfterYesAndUntickingClearsTheForfeit)
{
    FrmWedstrijdInput& f = starten({{"W02Set1T", "11"}, {"W02Set1U", "9"}, {"W02", "="}, {"W05Set1T", "w"},
        {"W05Set4T", "3"}, {"forfaitth", "N"}, {"WOT1", "17"}});
    const core::Wedstrijdblad& b = f.blad;
    EXPECT_FALSE(b.TxtSet1T[4]->isEnabled()) << "a walk-over row is locked after loading";
    const QMap<QString, QString> geladen = opgeslagen("PAH01001");

    // No: nothing stored, the box unticked again and every row open, the walk-over row too.
    m_meldingen->verwachtJaNee(false);
    b.ChkForfaitT->click();
    ASSERT_EQ(m_meldingen->getoond(ui::TestMeldingen::Soort::Vraag),
        QList<ui::TestMeldingen::Melding>({{ui::TestMeldingen::Soort::Vraag, vraagTitel, vraagTekst}}));
    EXPECT_FALSE(b.ChkForfaitT->isChecked());
    EXPECT_EQ(opgeslagen("PAH01001"), geladen);
    setsOpen(b, 15, true);
    EXPECT_TRUE(aan(b.ChkForfaitUit));

    // Yes: stored and shown; the engine runs without storing, so the markers stay "/".
    m_meldingen->wis();
    m_meldingen->verwachtJaNee(true);
    b.ChkForfaitT->click();
    EXPECT_EQ(m_meldingen->getoond().size(), 1);
    ASSERT_TRUE(b.ChkForfaitT->isChecked());
    QMap<QString, QString> rij = opgeslagen("PAH01001");
    EXPECT_EQ(rij["FORFAITTH"], "J");
    EXPECT_EQ(rij["W02"], "/");
    EXPECT_EQ(rij["W16"], "/");
    EXPECT_EQ(rij["W05SET4T"], " ");
    for (int r : {0, 1, 4, 15}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(b.TxtSet1T[r]->text(), "w");
        EXPECT_EQ(b.TxtSet3U[r]->text(), "o");
        EXPECT_EQ(b.TxtSet4T[r]->text(), "");
        EXPECT_EQ(b.TxtSetsThuis[r]->text(), "0");
        EXPECT_EQ(b.TxtSetsUit[r]->text(), "3");
    }
    EXPECT_EQ(b.TxtResT->text(), "0");
    EXPECT_EQ(b.TxtResU->text(), "16");
    setsOpen(b, 15, false);
    EXPECT_FALSE(aan(b.ChkForfaitUit));
    EXPECT_TRUE(aan(b.ChkForfaitT));

    // Unticking asks nothing and blanks what the tick stored, but for the games that home place 1
    // does not play (WOT1 17: turns 1 and 2): they are walk-overs lost by him again.
    m_meldingen->wis();
    b.ChkForfaitT->click();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    rij = opgeslagen("PAH01001");
    EXPECT_EQ(rij["FORFAITTH"], "N");
    EXPECT_EQ(rij["FORFAITUIT"], "<Null>");
    EXPECT_EQ(rij["WOT1"], "17");
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(rij[QStringLiteral("AFWTH%1").arg(p)], "N");
    int walkOvers = 0;
    for (int g = 1; g <= 16; ++g) {
        const bool walkOver = g <= 8 && b.LabThuisspeler[g - 1]->text() == "1";
        walkOvers += walkOver;
        EXPECT_EQ(rij[spel(g)], walkOver ? "-" : " ") << g;
        for (int s = 1; s <= 5; ++s) {
            EXPECT_EQ(rij[setVeld(g, s, 'T').toUpper()], walkOver && s <= 3 ? "w" : " ") << g << " " << s;
            EXPECT_EQ(rij[setVeld(g, s, 'U').toUpper()], walkOver && s <= 3 ? "o" : " ") << g << " " << s;
        }
        EXPECT_EQ(b.TxtSet1T[g - 1]->text(), walkOver ? "w" : "") << g;
        EXPECT_EQ(b.TxtSetsUit[g - 1]->text(), walkOver ? "3" : "") << g;
        for (int s = 1; s <= 5; ++s)
            for (const bool t : {true, false})
                EXPECT_EQ(b.set(g - 1, s, t)->testAttribute(Qt::WA_Disabled), walkOver) << g << " " << s;
    }
    EXPECT_EQ(walkOvers, 2);
    EXPECT_EQ(b.TxtResU->text(), "2");
    EXPECT_TRUE(aan(b.ChkForfaitUit));
}

TEST_F(Forfait, AForfeitOfBothTeamsLeavesEitherToBeWithdrawn)
{
    // As a forfeit of each team stores it: both teams' places absent, every game a walk-over.
    Velden beide {{"forfaitth", "J"}, {"forfaituit", "J"}};
    for (int p = 1; p <= 4; ++p)
        beide << qMakePair(QStringLiteral("AFWTH%1").arg(p), db::Waarde("J"))
              << qMakePair(QStringLiteral("AFWUIT%1").arg(p), db::Waarde("J"));
    for (int g = 1; g <= 16; ++g)
        beide << qMakePair(setVeld(g, 1, 'T'), db::Waarde("w")) << qMakePair(setVeld(g, 1, 'U'), db::Waarde("o"));
    FrmWedstrijdInput& f = starten(beide);
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_TRUE(b.ChkForfaitT->isChecked());
    ASSERT_TRUE(b.ChkForfaitUit->isChecked());
    EXPECT_TRUE(aan(b.ChkForfaitT));
    EXPECT_TRUE(aan(b.ChkForfaitUit));
    setsOpen(b, 15, false);

    // Withdrawing the visitors' forfeit: the home one still stands and locks the visitors' box; every
    // game stays lost by the home team's forfeit, with the forfeit's marker.
    b.ChkForfaitUit->click();
    EXPECT_FALSE(b.ChkForfaitUit->isChecked());
    const QMap<QString, QString> rij = opgeslagen("PAH01001");
    EXPECT_EQ(rij["FORFAITUIT"], "N");
    EXPECT_EQ(rij["FORFAITTH"], "J");
    for (int g = 1; g <= 16; ++g)
        EXPECT_EQ(rij[spel(g)], "/") << "game " << g;
    EXPECT_EQ(b.TxtResT->text(), "0");
    EXPECT_EQ(b.TxtResU->text(), "16");
    EXPECT_TRUE(aan(b.ChkForfaitT));
    EXPECT_FALSE(aan(b.ChkForfaitUit));
    setsOpen(b, 15, false);
    b.ChkForfaitT->click();
    EXPECT_TRUE(aan(b.ChkForfaitUit));
    setsOpen(b, 15, true);

    // Another match after a forfeit: both boxes free again.
    kiezen(f, "PAH01002");
    kiezen(f, "PAH01001");
    EXPECT_FALSE(b.ChkForfaitT->isChecked());
    EXPECT_TRUE(aan(b.ChkForfaitT));
    EXPECT_TRUE(aan(b.ChkForfaitUit));
}

TEST_F(Forfait, EmptyingTheSheetUnticksTheBoxesWithoutStoring)
{
    Wedstrijd oud;
    oud.seizoen = "2009-2010";
    oud.wedstrNr = "PAH01001";
    oud.datum = "";
    oud.lkThuis = "001";
    oud.lkUit = "002";
    testhulp::wedstrijdToevoegen(m_db, oud);
    FrmWedstrijdInput& f = starten({});
    const core::Wedstrijdblad& b = f.blad;
    b.ChkForfaitT->click();
    ASSERT_TRUE(b.ChkForfaitT->isChecked());
    const QMap<QString, QString> forfait = opgeslagen("PAH01001");

    f.lijstKiezen(f.LstSeizoen, 1);
    ASSERT_EQ(f.LstSpeelweek->count(), 0) << "a season without play dates empties the sheet";
    EXPECT_FALSE(b.ChkForfaitT->isChecked());
    EXPECT_FALSE(b.ChkForfaitUit->isChecked());
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    EXPECT_EQ(opgeslagen("PAH01001"), forfait);
    EXPECT_TRUE(algemeen().blnEventsActief);
}

// Visitor place 2 absent: his four games are won by the home side. A home forfeit ticked and
// withdrawn at once leaves him absent with his walk-overs, as the sheet and the row had them.
TEST_F(ForfaitIntrekken, AnAbsenceOfTheOtherTeamKeepsItsWalkOvers)
{
    FrmWedstrijdInput& f = starten("PAH01001", "A", 4);
    afwezig(f, false, 2);
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(b.TxtResT->text(), "4");
    ASSERT_EQ(b.LabUIndOverw[1]->text(), "FF");
    tikkenEnIntrekken(f, "PAH01001", true);
    EXPECT_EQ(b.TxtResT->text(), "4");
    EXPECT_EQ(b.TxtResU->text(), "0");
    int walkOvers = 0;
    for (int r = 0; r <= 15; ++r) {
        if (b.LabUitspeler[r]->text() != "2")
            continue;
        ++walkOvers;
        EXPECT_EQ(b.TxtSet1T[r]->text(), "w") << r;
        EXPECT_EQ(b.TxtSetsThuis[r]->text(), "3") << r;
        EXPECT_EQ(testhulp::matchVeld(QStringLiteral("W%1").arg(r + 1, 2, 10, QLatin1Char('0'))), "+") << r;
    }
    EXPECT_EQ(walkOvers, 4);
}

// Absences of the team that did not forfeit and games not played on both sides, on teams of four,
// three and two, withdrawing either team's forfeit.
TEST_F(ForfaitIntrekken, TeamOfFourVisitorsForfeit)
{
    FrmWedstrijdInput& f = starten("PAH01001", "A", 4);
    afwezig(f, true, 2);
    nietGespeeld(f, true, 1, 2);
    nietGespeeld(f, false, 3, 2);
    nietGespeeld(f, false, 1, 4);
    nietGespeeld(f, true, 4, 3);
    tikkenEnIntrekken(f, "PAH01001", false);
}

TEST_F(ForfaitIntrekken, TeamOfThreeHomeForfeit)
{
    FrmWedstrijdInput& f = starten("PAH01002", "G", 3);
    afwezig(f, false, 1);
    nietGespeeld(f, true, 3, 1);
    nietGespeeld(f, false, 2, 3);
    tikkenEnIntrekken(f, "PAH01002", true);
}

TEST_F(ForfaitIntrekken, TeamOfTwoVisitorsForfeit)
{
    FrmWedstrijdInput& f = starten("PAH01003", "M", 2);
    afwezig(f, true, 2);
    nietGespeeld(f, false, 1, 2);
    tikkenEnIntrekken(f, "PAH01003", false);
}

// A Super men's match of two: the calendar gives its game 4 (the doubles) as not played by either
// side when the doubles are not played, and "=" with "w" and "o" in sets 1 to 3.
class SuperForfait : public ForfaitIntrekken
{
protected:
    FrmWedstrijdInput& starten(const QString& dubbel)
    {
        testhulp::reeksToevoegen(m_db, "2010-2011", "S", "H", "1", "Super Heren", "Super", 2);
        testhulp::optieZetten(m_db, "SuperDubbelSpelen", dubbel);
        return ForfaitIntrekken::starten("SH01004", "1", 2, [](Wedstrijd& w) {
            w.soortComp = "S";
            w.soort = "4";
            w.extra << qMakePair(spel(4), db::Waarde("="));
            for (int s = 1; s <= 3; ++s)
                w.extra << qMakePair(setVeld(4, s, 'T'), db::Waarde("w")) << qMakePair(setVeld(4, s, 'U'), db::Waarde("o"));
        });
    }

    // A Super ladies' match as the calendar gives it: the ladies play their doubles whatever the option.
    FrmWedstrijdInput& damesStarten(const QString& dubbel)
    {
        testhulp::reeksToevoegen(m_db, "2010-2011", "S", "D", "1", "Super Dames", "Super", 2);
        testhulp::optieZetten(m_db, "SuperDubbelSpelen", dubbel);
        return ForfaitIntrekken::starten("SD01004", "1", 2, [](Wedstrijd& w) {
            w.soortComp = "S";
            w.herDam = "D";
            w.soort = "4";
        });
    }

    // Game 4 of the match stored empty and shown empty, and every game open to be typed.
    static void spelVierLeegEnOpen(const core::Wedstrijdblad& b, const QString& wedstrNr)
    {
        const QMap<QString, QString> rij = opgeslagen(wedstrNr);
        EXPECT_EQ(rij["W04"], " ");
        for (int s = 1; s <= 3; ++s) {
            EXPECT_EQ(rij[setVeld(4, s, 'T').toUpper()], " ");
            EXPECT_EQ(rij[setVeld(4, s, 'U').toUpper()], " ");
        }
        EXPECT_EQ(b.TxtSet1T[3]->text(), "");
        setsOpen(b, 6, true);
    }
};

// Either team's forfeit ticked by mistake and withdrawn leaves game 4 not played: stored, shown
// and locked as before, so the results file still finds the match complete once it is typed.
TEST_F(SuperForfait, WithoutDoublesAWithdrawnForfeitKeepsGameFourNotPlayed)
{
    FrmWedstrijdInput& f = starten("N");
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_EQ(b.TxtSet1T[3]->text(), "w");
    ASSERT_FALSE(b.TxtSet1T[3]->isEnabled());
    tikkenEnIntrekken(f, "SH01004", true);
    tikkenEnIntrekken(f, "SH01004", false);
    EXPECT_EQ(testhulp::matchVeld(spel(4)), "=");
    EXPECT_FALSE(b.TxtSet1T[3]->isEnabled());
    EXPECT_TRUE(b.TxtSet1T[2]->isEnabled());
    EXPECT_TRUE(b.TxtSet1T[4]->isEnabled());
}

// With the doubles played, game 4 is a game like the others: the withdrawal empties it, whatever
// the row held before.
TEST_F(SuperForfait, WithDoublesAWithdrawnForfeitEmptiesGameFour)
{
    FrmWedstrijdInput& f = starten("J");
    const core::Wedstrijdblad& b = f.blad;
    for (QCheckBox* vak : {b.ChkForfaitT, b.ChkForfaitUit}) {
        vak->click();
        ASSERT_TRUE(vak->isChecked());
        vak->click();
        ASSERT_FALSE(vak->isChecked());
        spelVierLeegEnOpen(b, "SH01004");
    }
}

// A ladies' match plays its doubles also where the men's Super matches do not: a forfeit ticked by
// mistake and withdrawn gives game 4 back empty, to be typed as any other game.
TEST_F(SuperForfait, ALadiesMatchGetsItsDoublesBackEmptyWhateverTheOption)
{
    FrmWedstrijdInput& f = damesStarten("N");
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_EQ(algemeen().intLaatsteWedstrijd, 6);
    ASSERT_EQ(b.TxtSet1T[3]->text(), "");
    for (QCheckBox* vak : {b.ChkForfaitT, b.ChkForfaitUit}) {
        vak->click();
        ASSERT_TRUE(vak->isChecked());
        EXPECT_EQ(b.TxtSet1T[3]->text(), "w");
        vak->click();
        ASSERT_FALSE(vak->isChecked());
        spelVierLeegEnOpen(b, "SD01004");
    }
}

} // namespace
