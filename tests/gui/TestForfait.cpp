// The whole-match forfeit boxes of the sheet: what they ask, store and lock.

#include "BladTest.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    // Unticking asks nothing and blanks what the tick stored.
    m_meldingen->wis();
    b.ChkForfaitT->click();
    EXPECT_TRUE(m_meldingen->getoond().isEmpty());
    rij = opgeslagen("PAH01001");
    EXPECT_EQ(rij["FORFAITTH"], "N");
    EXPECT_EQ(rij["FORFAITUIT"], "<Null>");
    EXPECT_EQ(rij["WOT1"], "17");
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(rij[QStringLiteral("AFWTH%1").arg(p)], "N");
    for (int g = 1; g <= 16; ++g) {
        EXPECT_EQ(rij[spel(g)], " ") << g;
        for (int s = 1; s <= 5; ++s)
            for (const char k : {'T', 'U'})
                EXPECT_EQ(rij[setVeld(g, s, k).toUpper()], " ") << g << " " << s << k;
    }
    EXPECT_EQ(b.TxtSet1T[1]->text(), "");
    EXPECT_EQ(b.TxtSetsUit[1]->text(), "");
    EXPECT_EQ(b.TxtResU->text(), "");
    setsOpen(b, 15, true);
    EXPECT_TRUE(aan(b.ChkForfaitUit));
}

TEST_F(Forfait, AForfeitOfBothTeamsLeavesEitherToBeWithdrawn)
{
    Velden beide {{"forfaitth", "J"}, {"forfaituit", "J"}};
    for (int g = 1; g <= 16; ++g)
        beide << qMakePair(setVeld(g, 1, 'T'), db::Waarde("w")) << qMakePair(setVeld(g, 1, 'U'), db::Waarde("o"));
    FrmWedstrijdInput& f = starten(beide);
    const core::Wedstrijdblad& b = f.blad;
    ASSERT_TRUE(b.ChkForfaitT->isChecked());
    ASSERT_TRUE(b.ChkForfaitUit->isChecked());
    EXPECT_TRUE(aan(b.ChkForfaitT));
    EXPECT_TRUE(aan(b.ChkForfaitUit));
    setsOpen(b, 15, false);

    // Withdrawing the visitors' forfeit: the home one still stands and locks the visitors' box.
    b.ChkForfaitUit->click();
    EXPECT_FALSE(b.ChkForfaitUit->isChecked());
    EXPECT_EQ(opgeslagen("PAH01001")["FORFAITUIT"], "N");
    EXPECT_EQ(opgeslagen("PAH01001")["FORFAITTH"], "J");
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

} // namespace
