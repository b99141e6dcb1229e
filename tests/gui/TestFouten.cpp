// Writes that fail: another program holding the database, or a row the database refuses to change.
// The action stops with a message that names it and its cause, nothing unsaved is shown as
// stored, and the program goes on.

#include "BladTest.h"
#include "db/Database.h"
#include "lineup/FrmSpelersKiezen.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Toepassing.h"
#include "ui/Zandloper.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <tuple>

using core::algemeen;
using testhulp::matchVeld;
using testhulp::Velden;
using Soort = ui::TestMeldingen::Soort;

namespace {

const QString Geweigerd = QStringLiteral("schrijven geweigerd");

class Fouten : public testhulp::BladTest
{
protected:
    void TearDown() override
    {
        db::zetWachttijdBijSlot(db::StandaardWachttijdBijSlot);
        BladTest::TearDown();
    }

    // PAH01001 with both line-ups (500001..500004 at home, 500005..500008 away), shown and active.
    FrmWedstrijdInput& tonen()
    {
        testhulp::Wedstrijd w = wedstrijd("PAH01001", "A");
        for (int i = 1; i <= 4; ++i) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(i), db::Waarde(QString::number(500000 + i)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(i), db::Waarde(QString::number(500004 + i)));
            w.extra << qMakePair(QStringLiteral("AFWTH%1").arg(i), db::Waarde("N"));
            w.extra << qMakePair(QStringLiteral("AFWUIT%1").arg(i), db::Waarde("N"));
        }
        w.extra << qMakePair(QStringLiteral("KapiteinT"), db::Waarde("500001"));
        w.extra << qMakePair(QStringLiteral("VoorbehoudT"), db::Waarde("Zaal te koud"));
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = actiefStarten();
        kiezen(f, "PAH01001");
        return f;
    }

    // From now on the database refuses every change of a match row.
    static void weigeren()
    {
        algemeen().dbGegevens.uitvoeren(
            "CREATE TRIGGER weigeren BEFORE UPDATE ON Matchen BEGIN SELECT RAISE(ABORT, 'schrijven geweigerd'); END");
    }
    static void toestaan() { algemeen().dbGegevens.uitvoeren("DROP TRIGGER weigeren"); }

    static QString opgeslagen(const QString& kolom)
    {
        return testhulp::matchVeld(algemeen().dbGegevens, "PAH01001", kolom, "<Null>");
    }

    // The one report of a stopped action: what it names, its cause, and nothing left in a wait state.
    void verwachtFout(const QString& actie, const QString& oorzaak)
    {
        const QList<ui::TestMeldingen::Melding> getoond = m_meldingen->getoond();
        ASSERT_EQ(getoond.size(), 1) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(getoond[0].soort, Soort::Kritiek);
        EXPECT_EQ(getoond[0].titel, "Onverwachte fout");
        const QString& tekst = getoond[0].tekst;
        EXPECT_TRUE(tekst.startsWith(actie)) << tekst.toStdString();
        EXPECT_TRUE(tekst.contains(" is mislukt.\n\nOorzaak: ")) << tekst.toStdString();
        EXPECT_TRUE(tekst.contains(oorzaak)) << tekst.toStdString();
        EXPECT_TRUE(tekst.endsWith("\n\nWat nog niet bewaard was, is niet bewaard.")) << tekst.toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        m_meldingen->wis();
    }

    static bool open(const QWidget* w) { return !w->testAttribute(Qt::WA_Disabled); }

    // Set 2 of game 1 typed again once the other program has let go: stored without a message, and
    // counted beside the stored set 1.
    void tweedeSetOpnieuw(const core::Wedstrijdblad& b)
    {
        typ("11");
        toets(Qt::Key_Return);
        typ("7");
        toets(Qt::Key_Return);
        EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(opgeslagen("W01Set2T"), "11");
        EXPECT_EQ(opgeslagen("W01Set2U"), "7");
        EXPECT_EQ(b.TxtSetsThuis[0]->text(), "2");
    }
};

// Another program writing (BEGIN IMMEDIATE), or keeping even readers out (BEGIN EXCLUSIVE).
TEST_F(Fouten, ASetTypedWhileAnotherProgramHoldsTheDatabaseIsReportedAndCanBeTypedAgain)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    db::zetWachttijdBijSlot(50);
    int spel = 0;
    for (const char* slot : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        SCOPED_TRACE(slot);
        ASSERT_EQ(focus(), b.TxtSet1T[spel]);
        // The program waits for the user a moment: the other program gets its lock.
        QEventLoop lus;
        QTimer::singleShot(20, &lus, &QEventLoop::quit);
        lus.exec();
        db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        ander.uitvoeren(QString::fromLatin1(slot));

        typ("11");
        toets(Qt::Key_Return);
        typ("9");
        toets(Qt::Key_Return);
        verwachtFout(QStringLiteral("Het verlaten van het vak \"set 1 uit, wedstrijd %1\" in het venster \"").arg(spel + 1),
                     "De database is in gebruik door een ander programma.");
        EXPECT_FALSE(b.FraWedstrijdblad->testAttribute(Qt::WA_ForceDisabled)) << "the match stays on the sheet";
        EXPECT_EQ(b.TxtTPloeg->text(), "Eerste A");
        EXPECT_EQ(b.TxtSet1T[spel]->text(), "") << "the sheet shows what is stored";
        EXPECT_EQ(b.TxtSet1U[spel]->text(), "");
        EXPECT_EQ(matchVeld(QStringLiteral("W0%1Set1T").arg(spel + 1)), "") << "no unsaved value reads as stored";
        EXPECT_EQ(b.TxtSetsThuis[spel]->text(), "");
        EXPECT_TRUE(open(&f));
        EXPECT_EQ(focus(), b.TxtSet1T[spel]) << "back in the set that was not stored, to type it again";

        // The other program lets go: the same set is stored.
        ander.uitvoeren("ROLLBACK");
        ander.sluiten();
        toets(Qt::Key_Left);
        toets(Qt::Key_Left);
        ASSERT_EQ(focus(), b.TxtSet1T[spel]);
        typ("11");
        toets(Qt::Key_Return);
        typ("9");
        toets(Qt::Key_Return);
        EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
        EXPECT_EQ(opgeslagen(QStringLiteral("W0%1Set1T").arg(spel + 1)), "11");
        EXPECT_EQ(opgeslagen(QStringLiteral("W0%1Set1U").arg(spel + 1)), "9");
        EXPECT_EQ(b.TxtSetsThuis[spel]->text(), "1");
        ++spel;
        b.TxtSet1T[spel]->setFocus(Qt::TabFocusReason);
    }
}

// The lock outlasts the wait and keeps even readers out: what is stored cannot be read at once.
TEST_F(Fouten, AfterASetThatCouldNotBeStoredTheMatchStaysOnTheSheetAndTheSetCanBeTypedAgain)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    const auto wachten = [] {
        QEventLoop lus;
        QTimer::singleShot(20, &lus, &QEventLoop::quit);
        lus.exec();
    };
    typ("11");
    toets(Qt::Key_Return);
    typ("9");
    toets(Qt::Key_Return);
    ASSERT_EQ(opgeslagen("W01Set1T"), "11");
    ASSERT_EQ(focus(), b.TxtSet2T[0]);
    // Written again since the match row was last read.
    algemeen().dbGegevens.uitvoeren("UPDATE Matchen SET VoorbehoudU = 'Net' WHERE WedstrNr = 'PAH01001'");
    wachten();

    db::zetWachttijdBijSlot(50);
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN EXCLUSIVE");
    typ("11");
    toets(Qt::Key_Return);
    typ("7");
    toets(Qt::Key_Return);
    verwachtFout("Het verlaten van het vak \"set 2 uit, wedstrijd 1\"", "De database is in gebruik door een ander programma.");
    EXPECT_FALSE(b.FraWedstrijdblad->testAttribute(Qt::WA_ForceDisabled)) << "the match stays on the sheet";
    EXPECT_EQ(b.TxtTPloeg->text(), "Eerste A");
    EXPECT_TRUE(open(b.TxtSet2T[0]));
    EXPECT_EQ(focus(), b.TxtSet2T[0]) << "back in the set that was not stored, to type it again";

    // While the other program still holds the database, and again once it has let go: the set that
    // was not stored reads as not stored, the other one as stored.
    wachten();
    EXPECT_EQ(b.TxtSet2T[0]->text(), "");
    EXPECT_EQ(b.TxtSet2U[0]->text(), "");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "9");
    EXPECT_EQ(matchVeld("W01Set2T"), "");
    ander.uitvoeren("ROLLBACK");
    ander.sluiten();
    wachten();
    ASSERT_EQ(focus(), b.TxtSet2T[0]);
    tweedeSetOpnieuw(b);
}

// The other program takes its lock before this one waited for the user after its last write: not
// even the match row can be shown. The match stays; what is stored comes at the next key.
TEST_F(Fouten, WhenNotEvenTheMatchCanBeReadItIsShownAtTheNextKeyOnceTheFileCanBeRead)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    typ("11");
    toets(Qt::Key_Return);
    typ("9");
    toets(Qt::Key_Return);
    ASSERT_EQ(opgeslagen("W01Set1T"), "11");
    // Written once more since, and the program has not waited for the user after it.
    algemeen().dbGegevens.uitvoeren("UPDATE Matchen SET VoorbehoudU = 'Net' WHERE WedstrNr = 'PAH01001'");
    db::wandelingenOnderbreken(); // no read lock left, the row not kept

    db::zetWachttijdBijSlot(50);
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN EXCLUSIVE");
    typ("11");
    toets(Qt::Key_Return);
    typ("7");
    toets(Qt::Key_Return);
    verwachtFout("Het verlaten van het vak \"set 2 uit, wedstrijd 1\"", "De database is in gebruik door een ander programma.");
    EXPECT_FALSE(b.FraWedstrijdblad->testAttribute(Qt::WA_ForceDisabled)) << "the match stays on the sheet";
    EXPECT_EQ(b.TxtTPloeg->text(), "Eerste A");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    EXPECT_TRUE(open(b.TxtSet2T[0]));
    EXPECT_TRUE(open(&f));
    EXPECT_EQ(focus(), b.TxtSet2T[0]) << "back in the set that was not stored, to type it again";

    // A key while the file is still locked changes nothing; the first one after shows what is stored.
    toets(Qt::Key_Right);
    ASSERT_EQ(focus(), b.TxtSet2U[0]);
    EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
    ander.uitvoeren("ROLLBACK");
    ander.sluiten();
    toets(Qt::Key_Left);
    ASSERT_EQ(focus(), b.TxtSet2T[0]);
    EXPECT_EQ(b.TxtSet2T[0]->text(), "");
    EXPECT_EQ(b.TxtSet2U[0]->text(), "");
    EXPECT_EQ(b.TxtSet1T[0]->text(), "11");
    tweedeSetOpnieuw(b);
}

TEST_F(Fouten, EveryWriteOfTheSheetThatFailsLeavesTheSheetShowingWhatIsStored)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    const QString akkoord = opgeslagen("Akkoord2aan2");
    weigeren();

    // A set score.
    typ("11");
    toets(Qt::Key_Return);
    typ("4");
    toets(Qt::Key_Tab);
    verwachtFout("Het verlaten van het vak \"set 1 uit, wedstrijd 1\"", Geweigerd);
    EXPECT_EQ(b.TxtSet1T[0]->text(), "");
    EXPECT_EQ(b.TxtSet1U[0]->text(), "");
    EXPECT_EQ(matchVeld("W01Set1T"), "");

    // The agreement box.
    QTest::mouseClick(b.ChkAkkoord, Qt::LeftButton);
    verwachtFout("Een klik op het vakje \"Akkoord om de wedstrijden twee aan twee te spelen", Geweigerd);
    EXPECT_FALSE(b.ChkAkkoord->isChecked());
    EXPECT_EQ(opgeslagen("Akkoord2aan2"), akkoord);

    // A forfeit: the box unticked again, the set boxes and the other forfeit box open.
    QTest::mouseClick(b.ChkForfaitT, Qt::LeftButton);
    verwachtFout("Een klik op het vakje", Geweigerd);
    EXPECT_FALSE(b.ChkForfaitT->isChecked());
    EXPECT_TRUE(open(b.ChkForfaitUit));
    EXPECT_TRUE(open(b.TxtSet1T[0]));
    EXPECT_EQ(b.TxtSet1T[0]->text(), "");
    EXPECT_EQ(opgeslagen("forfaitth"), "<Null>");
    EXPECT_EQ(matchVeld("forfaitth"), "");

    // The venue: the list and the street go back to the stored one.
    ASSERT_EQ(b.LstNaamLokaal->count(), 2);
    const QString zaal = b.LstNaamLokaal->currentText();
    const QString straat = b.TxtStraat->text();
    b.LstNaamLokaal->setFocus(Qt::TabFocusReason);
    QTest::keyClick(b.LstNaamLokaal, b.LstNaamLokaal->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    verwachtFout("Een toets in de keuzelijst \"zaal\"", Geweigerd);
    EXPECT_EQ(b.LstNaamLokaal->currentText(), zaal);
    EXPECT_EQ(b.TxtStraat->text(), straat);

    // The end time.
    b.TxtEinduur->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(b.TxtEinduur, "21.15");
    b.CmdVoorbehoudU->setFocus(Qt::TabFocusReason);
    verwachtFout("Het verlaten van het vak \"einduur\"", Geweigerd);
    EXPECT_EQ(b.TxtEinduur->text(), "");
    EXPECT_EQ(opgeslagen("Einduur"), "<Null>");

    // A captain option.
    QTest::mouseClick(b.OptTKapitein[1], Qt::LeftButton);
    verwachtFout("Een klik op een keuze in het venster \"", Geweigerd);
    EXPECT_TRUE(b.OptTKapitein[0]->isChecked());
    EXPECT_FALSE(b.OptTKapitein[1]->isChecked());
    EXPECT_EQ(opgeslagen("KapiteinT"), "500001");
    EXPECT_TRUE(open(&f));
}

TEST_F(Fouten, ARemarkOrAChoiceThatCannotBeStoredKeepsItsWindowOpenUntilStoredOrCancelled)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    weigeren();

    QTest::mouseClick(b.CmdVoorbehoudT, Qt::LeftButton);
    FrmVoorbehoud& v = FrmVoorbehoud::standaard();
    ASSERT_TRUE(v.isVisible());
    v.TxtCommentaar->setPlainText("Net te laag");
    QTest::mouseClick(v.CmdSluiten, Qt::LeftButton);
    verwachtFout("Het sluiten van het venster \"Voorbehoud Thuisploeg\"", Geweigerd);
    EXPECT_TRUE(v.isVisible()) << "the typed remark is not lost";
    EXPECT_EQ(v.TxtCommentaar->toPlainText(), "Net te laag");
    EXPECT_FALSE(open(&f)) << "the main window waits for the remark";
    EXPECT_EQ(matchVeld("VoorbehoudT"), "Zaal te koud");
    toestaan();
    QTest::mouseClick(v.CmdSluiten, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    EXPECT_TRUE(open(&f));
    EXPECT_EQ(opgeslagen("VoorbehoudT"), "Net te laag");

    // The head referee chosen in the picker: its button shows the stored one until the choice is stored.
    weigeren();
    const QString scheidsrechter = b.CmdCompNrHoofdscheidsrechter->text();
    QTest::mouseClick(b.CmdCompNrHoofdscheidsrechter, Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    ASSERT_TRUE(k.isVisible());
    k.TxtCompNr->setText("500004");
    k.SpelerInvullen();
    QTest::mouseClick(k.CmdSluiten, Qt::LeftButton);
    verwachtFout("Het sluiten van het venster", Geweigerd);
    EXPECT_TRUE(k.isVisible());
    EXPECT_FALSE(open(&f));
    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->text(), scheidsrechter);
    EXPECT_EQ(opgeslagen("HoofdschCompnr"), "<Null>");
    EXPECT_EQ(opgeslagen("HoofdSchNaam"), "<Null>");
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(k.isVisible());
    EXPECT_TRUE(open(&f));
    EXPECT_EQ(b.CmdCompNrHoofdscheidsrechter->text(), scheidsrechter);

    // Cancelling needs no database: it closes while another program keeps everyone out.
    toestaan();
    QTest::mouseClick(b.CmdCompNrHoofdscheidsrechter, Qt::LeftButton);
    ASSERT_TRUE(k.isVisible());
    QEventLoop lus;
    QTimer::singleShot(20, &lus, &QEventLoop::quit);
    lus.exec();
    db::zetWachttijdBijSlot(50);
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN EXCLUSIVE");
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(k.isVisible());
    EXPECT_TRUE(open(&f));
    EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
    ander.uitvoeren("ROLLBACK");
}

TEST_F(Fouten, AGameNotPlayedOrAnAbsenceThatCannotBeStoredIsTakenBack)
{
    FrmWedstrijdInput& f = tonen();
    const core::Wedstrijdblad& b = f.blad;
    weigeren();
    QTest::mouseClick(b.CmdCompNrT[1], Qt::LeftButton);
    FrmSpelersKiezen& k = FrmSpelersKiezen::standaard();
    ASSERT_TRUE(k.isVisible());

    // Home place 2 plays its third game in row 10.
    QTest::mouseClick(k.ChkWedstrijd[2], Qt::LeftButton);
    verwachtFout("Een klik op het vakje", Geweigerd);
    EXPECT_FALSE(k.ChkWedstrijd[2]->isChecked());
    EXPECT_EQ(b.TxtSet1T[10]->text(), "") << "no walk-over shown";
    EXPECT_FALSE(b.TxtSet1T[10]->testAttribute(Qt::WA_ForceDisabled)) << "the row is not locked";
    EXPECT_EQ(opgeslagen("WOT2"), "<Null>");
    EXPECT_EQ(matchVeld("WOT2"), "");
    EXPECT_EQ(matchVeld("W11Set1T"), "");

    QTest::mouseClick(k.ChkWO, Qt::LeftButton);
    verwachtFout("Een klik op het vakje \"Speler Afwezig (W.O.)\"", Geweigerd);
    EXPECT_FALSE(k.ChkWO->isChecked());
    EXPECT_TRUE(open(k.ChkWedstrijd[0]));
    EXPECT_FALSE(k.ChkWedstrijd[0]->isChecked());
    EXPECT_EQ(opgeslagen("AFWTH2"), "N");
    EXPECT_EQ(matchVeld("AFWTH2"), "N");
    for (int r = 0; r < 16; ++r)
        EXPECT_EQ(b.TxtSet1T[r]->text(), "") << "row " << r;
    QTest::mouseClick(k.CmdAnnuleren, Qt::LeftButton);
    EXPECT_TRUE(open(&f));
}

// A second copy of the program, or another program, can write while this one waits for the user.
TEST_F(Fouten, WhileTheProgramWaitsForTheUserAnotherProgramCanWrite)
{
    FrmWedstrijdInput& f = tonen();
    typ("11");
    toets(Qt::Key_Return);
    QEventLoop lus;
    QTimer::singleShot(20, &lus, &QEventLoop::quit);
    lus.exec();

    db::zetWachttijdBijSlot(50);
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    EXPECT_NO_THROW({
        ander.uitvoeren("BEGIN EXCLUSIVE");
        ander.uitvoeren("UPDATE Matchen SET VoorbehoudU = 'van elders' WHERE WedstrNr = 'PAH01001'");
        ander.uitvoeren("COMMIT");
    });
    ander.sluiten();
    typ("3");
    toets(Qt::Key_Return);
    EXPECT_EQ(opgeslagen("W01Set1T"), "11");
    EXPECT_EQ(opgeslagen("W01Set1U"), "3");
    EXPECT_EQ(f.blad.TxtSetsThuis[0]->text(), "1");
}

// Whatever fails in a handler: the action stops, the main window and the pointer come back, and so
// does the add-match window that stood open beside it and was switched off with it.
TEST_F(Fouten, AnyHandlerThatFailsGivesBackTheMainWindowAndThePointer)
{
    FrmWedstrijdInput& f = tonen();
    f.menu("MnuBeheerWedstrijdToevoegen")->trigger();
    FrmWedstrijdToevoegen& toevoegen = FrmWedstrijdToevoegen::standaard();
    ASSERT_TRUE(toevoegen.isVisible());
    auto* knop = new QPushButton(QStringLiteral("&Proef"), &f);
    knop->show();
    ui::verbinden(knop, &QPushButton::clicked, &f, [&f] {
        f.uitschakelen();
        ui::zandloperAan();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        throw db::DbFout(db::DbFout::Soort::Engine, "Het bestand is weg.");
    });
    QTest::mouseClick(knop, Qt::LeftButton);
    verwachtFout("Een klik op de knop \"Proef\" in het venster \"", "Oorzaak: Het bestand is weg.\n\n");
    EXPECT_TRUE(open(&f));
    EXPECT_TRUE(open(&toevoegen));
    delete knop;
    toevoegen.close();
}

// Another program that only reads the database (a database tool with a query open): starting the
// program and showing matches write nothing that is stored already, so no action fails on its hold
// and the database stays as it was.
TEST_F(Fouten, ShowingMatchesWhileAnotherProgramReadsWritesNothing)
{
    for (const auto& [nr, reeks, akkoord] : {std::tuple{"PAH01001", "A", "J"}, std::tuple{"PAH01002", "G", "N"},
                                             std::tuple{"PAH01003", "K", "J"}}) {
        testhulp::Wedstrijd w = wedstrijd(nr, reeks);
        w.extra << qMakePair(QStringLiteral("Akkoord2aan2"), db::Waarde(akkoord));
        w.extra << qMakePair(QStringLiteral("Zaal"), db::Waarde(7));
        w.extra << qMakePair(QStringLiteral("Einduur"), db::Waarde("22.30"));
        testhulp::wedstrijdToevoegen(m_db, w);
    }
    const QMap<QString, QStringList> voor = testhulp::alles(m_db);
    db::zetWachttijdBijSlot(50);
    db::Database ander = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
    ander.uitvoeren("BEGIN");
    ASSERT_EQ(ander.openRecordset("SELECT COUNT(*) FROM Matchen").veld(0).geheel(), 3);

    FrmWedstrijdInput& f = actiefStarten();
    EXPECT_EQ(f.blad.TxtMatchNr->text(), "PAH01/001");
    EXPECT_TRUE(f.blad.ChkAkkoord->isChecked());
    EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
    for (const char* nr : {"PAH01002", "PAH01003", "PAH01001", "PAH01003"}) {
        SCOPED_TRACE(nr);
        kiezen(f, nr);
        EXPECT_EQ(f.blad.ChkAkkoord->isChecked(), QString(nr) != "PAH01002");
        EXPECT_TRUE(m_meldingen->getoond().isEmpty()) << m_meldingen->verslag().toStdString();
    }
    ander.uitvoeren("ROLLBACK");
    ander.sluiten();
    EXPECT_EQ(testhulp::alles(algemeen().dbGegevens), voor);

    // A change of the box by the user is stored as before.
    QTest::mouseClick(f.blad.ChkAkkoord, Qt::LeftButton);
    EXPECT_EQ(opgeslagen("Akkoord2aan2"), "J");
    EXPECT_EQ(testhulp::matchVeld(algemeen().dbGegevens, "PAH01003", "Akkoord2aan2"), "N");
}

} // namespace
