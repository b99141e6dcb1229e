#include "BladTest.h"
#include "core/Diensten.h"
#include "core/Voortgang.h"
#include "sheet/Einduur.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using core::algemeen;
using Soort = ui::TestMeldingen::Soort;

namespace {

// One home match of the own club on Sunday 12-09-2010 at 20.00, with an end time and remarks stored.
class KopEnVoorbehoud : public testhulp::BladTest
{
protected:
    FrmWedstrijdInput& starten(const QString& beginuur = "20.00")
    {
        testhulp::Wedstrijd w = wedstrijd("PAH01001", "A");
        w.uur = beginuur;
        w.extra = {{"Einduur", "22.30"},
                   {"VoorbehoudT", "Zaal te koud"},
                   {"Voorbehoudu", "Net te laag\r\nBallen te zacht"},
                   {"OpmOffScheids", " "}};
        testhulp::wedstrijdToevoegen(m_db, w);
        return BladTest::starten();
    }

    /** The window shown and active, as the user has it. */
    static void tonen(FrmWedstrijdInput& f)
    {
        MDIFrm::standaard().show();
        f.show();
        f.activateWindow();
        QCoreApplication::processEvents();
    }

    /** A column of the match as it is in the database. */
    static QString opgeslagen(const QString& kolom) { return testhulp::matchVeld("PAH01001", kolom); }

    /** Runs the check of the end-time box on a typed text; true when it refused. */
    static bool valideren(FrmWedstrijdInput& f, const QString& tekst)
    {
        f.blad.TxtEinduur->setText(tekst);
        bool cancel = false;
        sheet::Einduur::verbinden(f).TxtEinduur_Validate(cancel);
        return cancel;
    }

    void geenGeldigUur() { m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd", "Dit is geen geldig uur !"); }
    void nietLater()
    {
        m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd",
                                     "Het einduur moet later zijn dan het beginuur van de wedstrijd !");
    }
};

TEST_F(KopEnVoorbehoud, EndTimesAreWrittenAsHoursAndMinutes)
{
    FrmWedstrijdInput& f = starten();
    QLineEdit* vak = f.blad.TxtEinduur;
    const QList<std::pair<QString, QString>> gevallen = {
        {"20:30", "20.30"}, {" 8 ", "08.00"}, {"20.", "20.00"}, {"23.59", "23.59"}, {"0", "00.00"}};
    for (const auto& [getypt, uur] : gevallen) {
        EXPECT_FALSE(valideren(f, getypt)) << getypt.toStdString();
        EXPECT_EQ(opgeslagen("Einduur"), uur) << getypt.toStdString();
        EXPECT_EQ(vak->text(), uur) << getypt.toStdString();
        EXPECT_EQ(vak->selectedText(), uur) << getypt.toStdString();
    }

    EXPECT_FALSE(valideren(f, "   "));
    EXPECT_EQ(opgeslagen("Einduur"), " ") << "an emptied box is stored as one blank";
    EXPECT_EQ(vak->text(), "");

    valideren(f, "21.00");
    EXPECT_FALSE(valideren(f, "."));
    EXPECT_EQ(opgeslagen("Einduur"), " ") << "a point alone empties the end time too";
    EXPECT_EQ(vak->text(), "");
}

TEST_F(KopEnVoorbehoud, TextsThatAreNoTimeOfDayAreRefusedAndKept)
{
    FrmWedstrijdInput& f = starten();
    for (const QString getypt : {"25", "9.75", "20.3.0", ".30", "24", "24.00", "24.30", "x", "12.5x0"}) {
        geenGeldigUur();
        EXPECT_TRUE(valideren(f, getypt)) << getypt.toStdString();
        EXPECT_EQ(opgeslagen("Einduur"), "22.30") << getypt.toStdString();
        EXPECT_EQ(f.blad.TxtEinduur->text(), getypt) << "the typed text stays for correcting";
        EXPECT_EQ(f.blad.TxtEinduur->selectedText(), getypt) << "and is selected for typing over";
    }
}

TEST_F(KopEnVoorbehoud, OnTheMatchDayTheEndMustBeLaterThanTheBeginning)
{
    m_klok.zet(QDateTime(QDate(2010, 9, 12), QTime(23, 0)));
    FrmWedstrijdInput& f = starten();
    for (const QString getypt : {"19.30", "20:00"}) {
        nietLater();
        EXPECT_TRUE(valideren(f, getypt)) << getypt.toStdString();
        EXPECT_EQ(opgeslagen("Einduur"), "22.30") << getypt.toStdString();
    }
    EXPECT_EQ(f.blad.TxtEinduur->text(), "20.00") << "shown as the sheet writes it";
    EXPECT_FALSE(valideren(f, "22.15"));
    EXPECT_EQ(opgeslagen("Einduur"), "22.15");
    EXPECT_FALSE(valideren(f, "")) << "emptying is always allowed";
    EXPECT_EQ(opgeslagen("Einduur"), " ");

    // Another day: an end before the beginning is taken (an entry made afterwards).
    m_klok.zet(QDateTime(QDate(2010, 9, 13), QTime(9, 0)));
    EXPECT_FALSE(valideren(f, "19.30"));
    EXPECT_EQ(opgeslagen("Einduur"), "19.30");
}

TEST_F(KopEnVoorbehoud, AnUnreadableBeginTimeOrDateLeavesNothingToCompare)
{
    m_klok.zet(QDateTime(QDate(2010, 9, 12), QTime(23, 0)));
    FrmWedstrijdInput& f = starten("");
    EXPECT_FALSE(valideren(f, "19.30"));
    EXPECT_EQ(opgeslagen("Einduur"), "19.30");

    f.blad.TxtBeginuur->setText("20.00");
    f.blad.TxtDatum->setText("");
    EXPECT_FALSE(valideren(f, "19.45"));
    EXPECT_EQ(opgeslagen("Einduur"), "19.45");
}

TEST_F(KopEnVoorbehoud, ALockedSheetChecksNothing)
{
    FrmWedstrijdInput& f = starten();
    f.bladVergrendelen(false);
    EXPECT_FALSE(valideren(f, "25"));
    EXPECT_EQ(opgeslagen("Einduur"), "22.30");
}

TEST_F(KopEnVoorbehoud, LeavingTheEndTimeBoxChecksItAndARefusalKeepsTheFocus)
{
    FrmWedstrijdInput& f = starten();
    tonen(f);
    QLineEdit* vak = f.blad.TxtEinduur;

    vak->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(vak->hasFocus());
    EXPECT_EQ(vak->selectedText(), "22.30") << "the whole text is selected on entering";

    QTest::keyClicks(vak, "25");
    EXPECT_EQ(vak->text(), "25");
    geenGeldigUur();
    QTest::keyClick(vak, Qt::Key_Tab);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(vak->hasFocus()) << "a refused end time keeps the focus";
    EXPECT_EQ(vak->text(), "25");
    EXPECT_EQ(vak->selectedText(), "25");
    EXPECT_EQ(opgeslagen("Einduur"), "22.30");

    // A click on another control does not reach it either.
    QSignalSpy klikken(f.blad.CmdVoorbehoudT, &QPushButton::clicked);
    geenGeldigUur();
    QTest::mouseClick(f.blad.CmdVoorbehoudT, Qt::LeftButton);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(vak->hasFocus());
    EXPECT_EQ(klikken.count(), 0);
    EXPECT_FALSE(FrmVoorbehoud::bestaat() && FrmVoorbehoud::standaard().isVisible());

    // Another program taking the activation is no leaving of the box.
    QApplication::setActiveWindow(nullptr);
    QCoreApplication::processEvents();
    // Coming back, the window system tells the program before it activates its window.
    QEvent terug(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(qApp, &terug);
    QApplication::setActiveWindow(&MDIFrm::standaard());
    QCoreApplication::processEvents();
    EXPECT_TRUE(vak->hasFocus());
    EXPECT_TRUE(m_meldingen->getoond().size() == 2) << "no check on deactivation";

    vak->selectAll();
    QTest::keyClicks(vak, "21:15");
    f.blad.CmdVoorbehoudU->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(f.blad.CmdVoorbehoudU->hasFocus());
    EXPECT_EQ(vak->text(), "21.15");
    EXPECT_EQ(opgeslagen("Einduur"), "21.15");

    // Coming back into an empty box puts the caret at its start.
    vak->clear();
    vak->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(vak->cursorPosition(), 0);
    f.blad.CmdVoorbehoudU->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(opgeslagen("Einduur"), " ");
}

TEST_F(KopEnVoorbehoud, TheMenuOpensTheVisitorsRemarkAndSluitenStoresIt)
{
    FrmWedstrijdInput& f = starten();
    f.menu("MnuVoorbBezoekers")->trigger();
    ASSERT_TRUE(FrmVoorbehoud::bestaat());
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Voorbehoud Bezoekers");
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "Net te laag\nBallen te zacht");
    EXPECT_EQ(f.LabX->text(), "Bezoekers");
    EXPECT_TRUE(f.testAttribute(Qt::WA_Disabled)) << "the main window waits for the remark";
    EXPECT_EQ(v.size(), QSize(ui::twips(6615), ui::twips(3405))) << "the designed client area";

    v.TxtCommentaar->setPlainText("Eerste regel\nTweede regel");
    v.CmdSluiten->click();
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(opgeslagen("Voorbehoudu"), "Eerste regel\r\nTweede regel") << "line breaks kept";
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Zaal te koud");

    // Emptied: one blank, and the next opening shows an empty box at the designed size again.
    f.blad.CmdVoorbehoudU->click();
    v.resize(200, 100);
    v.TxtCommentaar->clear();
    v.CmdSluiten->click();
    EXPECT_EQ(opgeslagen("Voorbehoudu"), " ");
    f.menu("MnuVoorbBezoekers")->trigger();
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "");
    EXPECT_EQ(v.size(), QSize(ui::twips(6615), ui::twips(3405)));
    v.CmdSluiten->click();
}

TEST_F(KopEnVoorbehoud, EachButtonOpensItsOwnRemark)
{
    FrmWedstrijdInput& f = starten();
    FrmVoorbehoud* v = nullptr;

    f.blad.CmdVoorbehoudT->click();
    v = &FrmVoorbehoud::standaard();
    EXPECT_EQ(v->windowTitle(), "Voorbehoud Thuisploeg");
    EXPECT_EQ(v->TxtCommentaar->toPlainText(), "Zaal te koud");
    EXPECT_EQ(v->intVoorbehoudSoort, 0);
    v->CmdSluiten->click();

    f.menu("MnuVoorbOffScheids")->trigger();
    EXPECT_EQ(f.LabX->text(), "OfficieleScheids");
    EXPECT_EQ(v->windowTitle(), "Voorbehoud Officiële Scheidsrechter");
    EXPECT_EQ(v->TxtCommentaar->toPlainText(), "") << "a blank shows as an empty box";
    v->TxtCommentaar->setPlainText("Scheidsrechter ter plaatse");
    v->CmdSluiten->click();
    EXPECT_EQ(opgeslagen("OpmOffScheids"), "Scheidsrechter ter plaatse");
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Zaal te koud");
    EXPECT_EQ(opgeslagen("Voorbehoudu"), "Net te laag\r\nBallen te zacht");
}

// Annuleren throws away what this opening typed, and only that: the close box of any later
// opening stores as Sluiten does, in whichever of the three windows.
TEST_F(KopEnVoorbehoud, AnnulerenStoresNothingAndTheCloseBoxStoresLikeSluiten)
{
    FrmWedstrijdInput& f = starten();
    f.blad.CmdVoorbehoudT->click();
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    EXPECT_FALSE(v.blnGeannuleerd);

    // The close box stores like Sluiten.
    v.TxtCommentaar->setPlainText("Via het kruisje");
    v.close();
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Via het kruisje");
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));

    f.blad.CmdVoorbehoudT->click();
    v.TxtCommentaar->setPlainText("Niet bewaren");
    v.CmdAnnuleren->click();
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled)) << "the main window is given back";
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Via het kruisje");

    // The next opening, closed with the close box, stores again.
    f.blad.CmdVoorbehoudT->click();
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "Via het kruisje");
    v.TxtCommentaar->setPlainText("Toch bewaard");
    v.close();
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Toch bewaard");
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));

    // Annuleren in one kind of remark does not reach the next kind either.
    f.blad.CmdVoorbehoudU->click();
    v.TxtCommentaar->setPlainText("Niet bewaren");
    v.CmdAnnuleren->click();
    EXPECT_EQ(opgeslagen("Voorbehoudu"), "Net te laag\r\nBallen te zacht");
    f.blad.CmdVoorbehoudO->click();
    v.TxtCommentaar->setPlainText("Via het kruisje bewaard");
    v.close();
    EXPECT_EQ(opgeslagen("OpmOffScheids"), "Via het kruisje bewaard");
    EXPECT_EQ(opgeslagen("Voorbehoudu"), "Net te laag\r\nBallen te zacht");

    f.blad.CmdVoorbehoudT->click();
    v.TxtCommentaar->setPlainText("Nu wel");
    v.CmdSluiten->click();
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Nu wel");
}

TEST_F(KopEnVoorbehoud, AnUnknownCommandWordShowsNothing)
{
    FrmWedstrijdInput& f = starten();
    f.LabX->setText("Thuis");
    f.uitschakelen();
    FrmVoorbehoud::standaard().toon();
    EXPECT_FALSE(FrmVoorbehoud::standaard().isVisible());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Zaal te koud");
}

} // namespace

// The final line-up check of a play week walks every club's teams and their matches. The match on
// the sheet stays where it was: the remark typed afterwards goes to it, not to the last match the
// check looked at.
TEST_F(KopEnVoorbehoud, TheFinalLineUpCheckLeavesTheMatchOnTheSheetWhereItWas)
{
    // Teams A and B of the own club, each with a match in week 01 on another play date; player 500002
    // stands in both, and team B's first player has a smaller index than team A's third.
    m_db.uitvoeren("UPDATE Clubs SET Ploegnaam = 'Eerste', Geschrapt = 'N', AantalPloegenHeren = 'B' "
                   "WHERE ClubNr = '001'");
    const QStringList reeksen{"A", "G"};
    for (int p = 0; p < 2; ++p)
        testhulp::invoegen(m_db, "Ploegen",
                           {{"Seizoen", "2010-2011"}, {"ClubNr", "001"}, {"Provincie", "1"},
                            {"PloegLetter", p == 0 ? "A" : "B"}, {"HerDam", "H"}, {"ReeksNr", reeksen[p]}});
    const QStringList plaatsen[2] = {{"500001", "500002", "500003", "500004"}, {"500002", "500001", "500004"}};
    for (int p = 0; p < 2; ++p) {
        testhulp::Wedstrijd w = wedstrijd("01" + reeksen[p] + "1", reeksen[p], "26-09-2010");
        w.nmthuis = p == 0 ? "Eerste A" : "Eerste B";
        for (int i = 0; i < plaatsen[p].size(); ++i)
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i + 1), db::Waarde(plaatsen[p][i]));
        testhulp::wedstrijdToevoegen(m_db, w);
    }
    FrmWedstrijdInput& f = starten();
    ASSERT_TRUE(f.lijstTekstKiezen(f.LstSpeelweek, "12-09-2010"));
    kiezen(f, "PAH01001");
    ASSERT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");

    core::GeenVoortgang voortgang;
    QString week = "1";
    EXPECT_TRUE(core::diensten().opstelling->HogerLager(week, voortgang));
    EXPECT_TRUE(core::diensten().opstelling->DubbeleOpstelling(week, voortgang));
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");

    f.menu("MnuVoorbThuisploeg")->trigger();
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "Zaal te koud") << "the sheet's own remark";
    v.TxtCommentaar->setPlainText("Na de controle");
    v.CmdSluiten->click();
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Na de controle");
    db::Recordset andere = algemeen().dbGegevens.openRecordset(
        "SELECT COUNT(*) FROM Matchen WHERE WedstrNr <> 'PAH01001' AND VoorbehoudT IS NOT NULL");
    EXPECT_EQ(andere.veld(0).geheel(), 0) << "no other match got a remark";
}
