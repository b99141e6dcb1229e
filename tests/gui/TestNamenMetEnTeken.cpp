// Names that hold an "&" (a club "D&D Deurne", a player "Van Dam & Zoon") on the sheet and in the
// player picker: every caption shows them as they are written, none of them makes a shortcut, and
// what the windows read back from their captions is the name as stored.

#include "BladTest.h"
#include "lineup/FrmSpelersKiezen.h"
#include "ui/Opschriften.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using core::algemeen;

namespace {

// The visitors are "D&D Deurne A" (club 003) with three players, the first two of them its doubles
// pair; PAH01001 is an ordinary match of three, PAH01002 a Super match.
class NamenMetEnTeken : public testhulp::BladTest
{
protected:
    FrmWedstrijdInput& starten(const QString& nr)
    {
        testhulp::clubToevoegen(m_db, 1, "003", "D&D Deurne");
        const QStringList namen{"Van Dam & Zoon", "Peeters", "Wouters"};
        for (int i = 0; i < 3; ++i) {
            const QString lid = QString::number(500009 + i);
            testhulp::lidToevoegen(m_db, lid, namen[i], "003", 1);
            testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, "003", "Heren", i + 1, lid, namen[i],
                                            QString::number(i + 1), "C0");
        }
        for (const QString& w : {QStringLiteral("PAH01001"), QStringLiteral("PAH01002")}) {
            testhulp::Wedstrijd m = wedstrijd(w, "G");
            m.lkUit = "003";
            m.nmuit = "D&D Deurne A";
            m.soort = w == u"PAH01002" ? "4" : "1";
            for (int p = 1; p <= 3; ++p) {
                m.extra << qMakePair(QStringLiteral("THUISSP%1").arg(p), db::Waarde(QString::number(500000 + p)));
                m.extra << qMakePair(QStringLiteral("UITSP%1").arg(p), db::Waarde(QString::number(500008 + p)));
            }
            m.extra << qMakePair(QStringLiteral("Opmerk2"), db::Waarde("500009500010"));
            testhulp::wedstrijdToevoegen(m_db, m);
        }
        FrmWedstrijdInput& f = actiefStarten();
        kiezen(f, nr);
        return f;
    }

    static FrmSpelersKiezen& kiezer() { return FrmSpelersKiezen::standaard(); }

    // What a caption of a button or frame shows, and that it makes no shortcut.
    static void zoalsGeschreven(const QString& opschrift, const QString& naam)
    {
        EXPECT_EQ(ui::getoondeTekst(opschrift), naam) << opschrift.toStdString();
        EXPECT_TRUE(QKeySequence::mnemonic(opschrift).isEmpty()) << opschrift.toStdString();
    }
};

TEST_F(NamenMetEnTeken, TheSheetShowsTheNamesAsWrittenAndAltWithTheLetterAfterTheAmpersandStaysPut)
{
    FrmWedstrijdInput& f = starten("PAH01001");
    zoalsGeschreven(f.blad.FraWedstrijdblad->title(), "Wedstrijdblad \"Eerste G - D&D Deurne A\"");
    EXPECT_EQ(f.blad.TxtUPloeg->text(), "D&D Deurne A");
    // Labels take no "&" for a shortcut mark: they show the stored text as it is.
    EXPECT_EQ(f.blad.LabUNaamSpeler[0]->text(), "Van Dam & Zoon");
    EXPECT_EQ(f.blad.LabUNaamSpeler[4]->text(), "Van Dam & Zoon - Peeters");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ui::gegevensTekst(f.blad.CmdCompNrU[i]), QString::number(500009 + i));

    // Alt+D (the letter after the "&") leaves the focus where it is.
    f.LstWedstrijden->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(focus(), f.LstWedstrijden);
    toets(Qt::Key_D, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(focus(), f.LstWedstrijden);
}

// The doubles chooser shows the visitors' pairs as option buttons, or in a Super match the players as
// check boxes; the pair chosen goes onto the sheet with its names as they are written.
TEST_F(NamenMetEnTeken, TheDoublesChooserShowsThePlayersAsWrittenAndPutsThePairOnTheSheetSo)
{
    FrmWedstrijdInput& f = starten("PAH01001");
    f.blad.CmdCompNrU[4]->click();
    ASSERT_TRUE(kiezer().isVisible());
    EXPECT_EQ(kiezer().windowTitle(), "D&D Deurne A - Dubbelteam");
    ASSERT_TRUE(kiezer().OptCombinatie[0]->isChecked());
    zoalsGeschreven(kiezer().OptCombinatie[0]->text(), "Van Dam & Zoon - Peeters");
    zoalsGeschreven(kiezer().OptCombinatie[1]->text(), "Van Dam & Zoon - Wouters");
    kiezer().OptCombinatie[1]->click();
    QTest::mouseClick(kiezer().CmdSluiten, Qt::LeftButton);
    EXPECT_FALSE(kiezer().isVisible());
    EXPECT_EQ(f.blad.LabUNaamSpeler[4]->text(), "Van Dam & Zoon - Wouters");
    EXPECT_EQ(testhulp::matchVeld("Opmerk2"), "500009500011");

    kiezen(f, "PAH01002");
    f.blad.CmdCompNrU[4]->click();
    ASSERT_TRUE(kiezer().isVisible());
    ASSERT_TRUE(kiezer().blnSuperMatch);
    zoalsGeschreven(kiezer().ChkNaam1->text(), "Van Dam & Zoon");
    EXPECT_TRUE(kiezer().ChkNaam1->isChecked());
    QTest::mouseClick(kiezer().CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(f.isEnabled());
}

} // namespace
