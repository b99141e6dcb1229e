// A menu item or key chosen while a box of the sheet is being typed in: the box is finished first, as
// leaving it would finish it. Its check runs, a refusal shows the box's own message and the action stops
// with the focus back in the box, and what it accepts is stored in its own match before the action reads
// the match or moves to another one. Typed on the keyboard and chosen with the mouse, as a secretary does.

#include "../printing/NaAfloopTest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using testhulp::cel;
using testhulp::Wedstrijd;
using Soort = ui::TestMeldingen::Soort;

namespace {

class InvoerAfmaken : public testhulp::NaAfloopTest
{
protected:
    /**
     * The program shown and active on the first match of 12-09-2010, PAH01001 (begin 19.45), with PAH01002
     * after it, still empty.
     * @param eerste PAH01001; by default filled in as after the match (end time 22.15) with its first
     *        `spelen` games
     */
    FrmWedstrijdInput& openen(int spelen = 16) { return openen(volledig("PAH01001", "A", spelen)); }
    FrmWedstrijdInput& openen(const Wedstrijd& eerste)
    {
        wedstrijdToevoegen(m_db, eerste);
        wedstrijdToevoegen(m_db, wedstrijd("PAH01002", "A"));
        FrmWedstrijdInput& f = actiefStarten();
        EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");
        return f;
    }

    /** The end-time box entered as with Tab (its text selected) and a text typed over it. */
    static void einduurTypen(FrmWedstrijdInput& f, const QString& tekst)
    {
        f.blad.TxtEinduur->setFocus(Qt::TabFocusReason);
        typ(tekst);
        ASSERT_EQ(f.blad.TxtEinduur->text(), tekst);
    }

    /** A column of a match as it is in the database, whatever match the sheet shows. */
    static QString opgeslagen(const QString& nr, const QString& kolom) { return testhulp::matchVeld(nr, kolom); }

    void geenGeldigUur() { m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd", "Dit is geen geldig uur !"); }

    QString wissel() const { return m_map.filePath("wissel") + "/"; }
};

TEST_F(InvoerAfmaken, AnEndTimeTypedAndPrintedAtOnceIsCheckedFirst)
{
    // On the day of the match, 9 o'clock is before the beginning (19.45): refused, nothing printed.
    m_klok.zet(QDateTime(QDate(2010, 9, 12), QTime(23, 0)));
    FrmWedstrijdInput& f = openen();
    QLineEdit* vak = f.blad.TxtEinduur;
    einduurTypen(f, "9");
    m_meldingen->verwachtMelding(Soort::Kritiek, "Einduur Wedstrijd",
                                 "Het einduur moet later zijn dan het beginuur van de wedstrijd !");
    toets(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty()) << "nothing printed";
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "22.15");
    EXPECT_EQ(focus(), vak) << "the focus is back in the box";

    // A text that is no time: the box's own message, and again nothing printed.
    vak->selectAll();
    typ("25");
    geenGeldigUur();
    toets(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_TRUE(m_bureaublad.geopend.isEmpty());
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "22.15");
    EXPECT_EQ(focus(), vak);
    EXPECT_EQ(vak->text(), "25");

    // A valid end time is stored in its written form and printed as stored.
    vak->selectAll();
    typ("23");
    toets(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(m_bureaublad.geopend.size(), 1);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "23.00");
    EXPECT_EQ(vak->text(), "23.00");
    word::Document d = word::Document::Open(m_bureaublad.geopend.first());
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t23 u. 00");
}

TEST_F(InvoerAfmaken, OnAnotherDayTheHourTypedAloneIsPrintedAsTheSheetWritesIt)
{
    FrmWedstrijdInput& f = openen();
    einduurTypen(f, "9");
    toets(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(m_bureaublad.geopend.size(), 1);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "09.00");
    word::Document d = word::Document::Open(m_bureaublad.geopend.first());
    EXPECT_EQ(cel(d, 1, 2, 2).section('\r', 2), "Einde:\t09 u. 00");
}

TEST_F(InvoerAfmaken, TheLastSetTypedAndPrintedAtOnceDecidesItsGame)
{
    FrmWedstrijdInput& f = openen(15);
    const core::Wedstrijdblad& b = f.blad;
    b.TxtSet1T[15]->setFocus(Qt::TabFocusReason);
    for (const char* punten : {"11", "5", "11", "7", "11"}) {
        typ(QString::fromLatin1(punten));
        toets(Qt::Key_Return);
    }
    ASSERT_EQ(focus(), b.TxtSet3U[15]);
    typ("9");
    ASSERT_EQ(opgeslagen("PAH01001", "W16Set3U"), "");

    // No question about results that are missing: the game is decided on the paper and in the database.
    toets(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(m_bureaublad.geopend.size(), 1);
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set3T"), "11");
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set3U"), "9");
    EXPECT_EQ(opgeslagen("PAH01001", "W16"), "+");
    word::Document d = word::Document::Open(m_bureaublad.geopend.first());
    EXPECT_EQ(cel(d, 5, 19, 6), "11-9");
    EXPECT_EQ(cel(d, 5, 19, 9), "3");
    EXPECT_EQ(cel(d, 5, 19, 10), "0");
    EXPECT_EQ(cel(d, 5, 19, 11) + "-" + cel(d, 5, 19, 12), "9-7") << "the match score after the last game";
}

TEST_F(InvoerAfmaken, PageDownStoresWhatWasTypedInItsOwnMatchFirst)
{
    FrmWedstrijdInput& f = openen(15);
    const core::Wedstrijdblad& b = f.blad;

    // Refused: the sheet stays on its match.
    einduurTypen(f, "25");
    geenGeldigUur();
    toets(Qt::Key_PageDown);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0);
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");
    EXPECT_EQ(focus(), b.TxtEinduur);

    // Accepted: stored in its own match, then the next match is on the sheet and keeps what it had.
    b.TxtEinduur->selectAll();
    typ("22.30");
    toets(Qt::Key_PageDown);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 1);
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "22.30");
    EXPECT_EQ(opgeslagen("PAH01002", "Einduur"), "") << "nothing of the other match is written here";
    EXPECT_EQ(b.TxtEinduur->text(), "");

    // A set: stored in the match it was typed in, not in the next one.
    toets(Qt::Key_PageUp);
    ASSERT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");
    b.TxtSet1T[15]->setFocus(Qt::TabFocusReason);
    typ("11");
    toets(Qt::Key_Return);
    typ("4");
    toets(Qt::Key_PageDown);
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1T"), "11");
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1U"), "4");
    EXPECT_EQ(opgeslagen("PAH01002", "W16Set1T"), "");
    EXPECT_EQ(opgeslagen("PAH01002", "W16Set1U"), "");
}

TEST_F(InvoerAfmaken, AWrongSetScoreKeepsTheMatchThatTheMouseChose)
{
    FrmWedstrijdInput& f = openen(15);
    const core::Wedstrijdblad& b = f.blad;
    b.TxtSet1T[15]->setFocus(Qt::TabFocusReason);
    typ("7");
    toets(Qt::Key_Return);
    typ("5");
    const QRect regel = f.LstWedstrijden->visualItemRect(f.LstWedstrijden->item(1));
    m_meldingen->verwachtMelding(Soort::Kritiek, "Setstand", "Dit is een verkeerde setstand !");
    QTest::mouseClick(f.LstWedstrijden->viewport(), Qt::LeftButton, {}, regel.center());
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(f.LstWedstrijden->currentRow(), 0) << "the click reaches no match";
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01001");
    EXPECT_EQ(focus(), b.TxtSet1T[15]) << "the set's home box, to correct it";
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1T"), "");

    // Corrected, the click chooses the other match after the set is stored in its own.
    typ("11");
    toets(Qt::Key_Tab);
    QTest::mouseClick(f.LstWedstrijden->viewport(), Qt::LeftButton, {}, regel.center());
    EXPECT_EQ(testhulp::matchVeld("WedstrNr"), "PAH01002");
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1T"), "11");
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1U"), "5");
}

TEST_F(InvoerAfmaken, TheResultsFileAndExportTtrCarryTheEndTimeJustTyped)
{
    FrmWedstrijdInput& f = openen(volledigeWedstrijd("PAH01001", "A"));

    // Export.ttr with an end time that is no time: refused before anything is asked or written.
    einduurTypen(f, "24");
    geenGeldigUur();
    toets(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_FALSE(QFile::exists(wissel() + "export.ttr"));
    EXPECT_EQ(focus(), f.blad.TxtEinduur);

    // The results file chosen with the mouse: the end time typed goes with the match.
    f.blad.TxtEinduur->selectAll();
    typ("21:45");
    const QString naam = FrmWedstrijdInput::clubcode() + "-12-09-2010.ttr";
    m_meldingen->verwachtMapAnnuleren();
    m_meldingen->verwachtMelding(
        Soort::Informatie, "Exporteren",
        "Het bestand \"" + naam + "\" (wedstrijden van 12-09-2010) werd opgeslagen in de map \"" + wissel()
            + "\".\r\nVoer de upload uit naar de competitiewebsite of stuur dit, in geval van problemen, naar de "
              "interclubleider.\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens "
              "ingevuld zijn:\r\n\r\n- Wedstrijd \""
            + f.LstWedstrijden->item(1)->text() + "\"\r\n\r\n");
    f.menu("MnuBeheerGegevensExport")->trigger();
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "21.45");
    QFile bestand(wissel() + naam);
    ASSERT_TRUE(bestand.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bestand.readAll().contains(";19:45,21:45;"));

    // Typed over once more and left: checked and stored again.
    ASSERT_EQ(focus(), f.blad.TxtEinduur);
    f.blad.TxtEinduur->selectAll();
    typ("22");
    toets(Qt::Key_Tab);
    EXPECT_NE(focus(), f.blad.TxtEinduur);
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "22.00");
}

// A box finished by a menu item counts as left only until its text is edited again, with a key or
// without one (pasted from the context menu or with the middle button, dropped): leaving it then
// checks and stores again.
TEST_F(InvoerAfmaken, AnEndTimeEditedWithoutAKeyAfterItWasFinishedIsStoredWhenLeft)
{
    FrmWedstrijdInput& f = openen(15);
    QLineEdit* vak = f.blad.TxtEinduur;
    einduurTypen(f, "22.30");
    m_meldingen->verwachtJaNee(false); // results missing: not printed
    toets(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    ASSERT_EQ(opgeslagen("PAH01001", "Einduur"), "22.30");
    ASSERT_EQ(focus(), vak);

    // Pasted over the text.
    vak->selectAll();
    vak->insert("21.00");
    f.LstWedstrijden->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(opgeslagen("PAH01001", "Einduur"), "21.00");
}

TEST_F(InvoerAfmaken, ASetEditedWithoutAKeyAfterItWasFinishedIsCheckedWhenLeft)
{
    FrmWedstrijdInput& f = openen(15);
    const core::Wedstrijdblad& b = f.blad;
    b.TxtSet1T[15]->setFocus(Qt::TabFocusReason);
    typ("11");
    toets(Qt::Key_Return);
    typ("4");
    m_meldingen->verwachtJaNee(false);
    toets(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_meldingen->openstaand(), 0);
    ASSERT_EQ(opgeslagen("PAH01001", "W16Set1U"), "4");
    ASSERT_EQ(focus(), b.TxtSet1U[15]);

    b.TxtSet1U[15]->selectAll();
    b.TxtSet1U[15]->insert("6");
    f.LstWedstrijden->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(opgeslagen("PAH01001", "W16Set1U"), "6");
}

} // namespace
