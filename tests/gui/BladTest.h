#pragma once

// The window tests' fixture: an application folder with a small province of invented clubs, the
// program started on it, and ways to choose a match.

#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "Tabelinhoud.h"
#include "TestDatabase.h"
#include "app/Bedrading.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/TestMeldingen.h"
#include "ui/TestMeldingenScope.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace testhulp {

// A small province of invented clubs: the user's province and the own club's are Antwerpen (1); the own
// club 001 "TTC Eerste Antwerpen" (teams "Eerste A", ...) plays at home against 002 "TTC Tweede Berchem"
// (teams "Tweede A", ...) in a division of four, a division of three and a division of two.
// Sets of a game as fields of its row: "11-9" pairs for sets 1 to 5 (empty for a set not given).
inline testhulp::Velden sets(int spel, const QStringList& standen)
{
    testhulp::Velden v;
    const QString nn = QStringLiteral("%1").arg(spel, 2, 10, QLatin1Char('0'));
    for (int s = 0; s < standen.size(); ++s) {
        if (standen[s].isEmpty())
            continue;
        const QStringList p = standen[s].split('-');
        v << qMakePair(QStringLiteral("W%1Set%2T").arg(nn).arg(s + 1), db::Waarde(p[0]));
        v << qMakePair(QStringLiteral("W%1Set%2U").arg(nn).arg(s + 1), db::Waarde(p[1]));
    }
    return v;
}

class BladTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        testhulp::applicatiemapVullen(m_map.path());
        app::dienstenBedraden();
        core::zetApplicatiemap(m_map.path());
        core::zetKlok(&m_klok);
        FrmWedstrijdInput::zetProgrammaBeeindigen([] {});
        m_db = db::Database::openen(m_map.filePath("QJ-Deel7.mdb"));
        QDir(m_map.path()).mkdir("wissel");
        testhulp::optieZetten(m_db, "Pad Opslaan", m_map.filePath("wissel") + "/");
        testhulp::optieZetten(m_db, "Provincie", "1");
        testhulp::optieZetten(m_db, "ClubNr", "001");
        testhulp::optieZetten(m_db, "ClubProv", "1");
        testhulp::optieZetten(m_db, "Weergave Wedstrijden", "1");
        testhulp::clubToevoegen(m_db, 1, "001", "TTC Eerste Antwerpen", "Eerste");
        testhulp::clubToevoegen(m_db, 1, "002", "TTC Tweede Berchem", "Tweede");
        testhulp::lokaalToevoegen(m_db, 7, "Sporthal De Bal", "Kerkstraat 1", "2000", "Antwerpen", 1, 1, 2);
        testhulp::lokaalToevoegen(m_db, 8, "Zaal Net", "Dorpsplein 3", "", "Berchem", 1, 1, 1);
        testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "A", "Afdeling 1A", "Afd.1A", 4, 10);
        testhulp::reeksToevoegen(m_db, "2010-2011", "P", "H", "G", "Afdeling 4G", "Afd.4G", 3);
        testhulp::reeksToevoegen(m_db, "2010-2011", "P", "D", "K", "Afdeling 2K", "Afd.2K", 2);
        for (int i = 1; i <= 8; ++i) {
            const QString nr = QString::number(500000 + i);
            testhulp::lidToevoegen(m_db, nr, QStringLiteral("Speler %1").arg(i), i <= 4 ? "001" : "002", 1);
            testhulp::sterktelijstToevoegen(m_db, "2010-2011", 1, i <= 4 ? "001" : "002", "Heren", i, nr,
                                            QStringLiteral("Speler %1").arg(i), QString::number(i), "C2");
        }
    }

    void TearDown() override
    {
        m_db.sluiten();
        app::venstersOpruimen();
        MDIFrm::opruimen();
        FrmWedstrijdInput::opruimen();
        FrmWedstrijdInput::zetProgrammaBeeindigen(nullptr);
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
        core::zetKlok(nullptr);
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    static Wedstrijd wedstrijd(const QString& nr, const QString& reeks, const QString& datum = "12-09-2010")
    {
        Wedstrijd w;
        w.wedstrNr = nr;
        w.reeksNr = reeks;
        w.datum = datum;
        w.lkThuis = "001";
        w.nmthuis = "Eerste " + reeks;
        w.lkUit = "002";
        w.nmuit = "Tweede " + reeks;
        return w;
    }

    /**
     * A complete home match of four of the own club: places 500001-500004 against 500005-500008, every game won
     * 3-0 by the home side except the one the visitors win (none for 0).
     */
    static Wedstrijd volledigeWedstrijd(const QString& nr, const QString& reeks, int verlorenSpel = 0)
    {
        Wedstrijd w = wedstrijd(nr, reeks);
        for (int p = 1; p <= 4; ++p) {
            w.extra << qMakePair(QStringLiteral("THUISSP%1").arg(p), db::Waarde(QString::number(500000 + p)));
            w.extra << qMakePair(QStringLiteral("UITSP%1").arg(p), db::Waarde(QString::number(500004 + p)));
        }
        for (int g = 1; g <= 16; ++g) {
            const bool verloren = g == verlorenSpel;
            w.extra << qMakePair(QStringLiteral("W%1").arg(g, 2, 10, QLatin1Char('0')), db::Waarde(verloren ? "-" : "+"));
            w.extra << sets(g, verloren ? QStringList{"9-11", "11-13", "5-11"} : QStringList{"11-3", "11-4", "11-6"});
        }
        return w;
    }

    /**
     * Export.ttr through its menu into the folder of the options: Ja, the folder dialog cancelled, its
     * closing message, which names the matches with something typed whose sheet is not complete
     * ("P01002: Tweede P - Eerste P").
     */
    void exportTtrViaMenu(FrmWedstrijdInput& f, const QStringList& onvolledig = {})
    {
        QString melding = "De gegevens werden geëxporteerd naar het bestand <EXPORT.TTR> in de directory <"
                          + core::algemeen().strPadOpslaan
                          + ">.\n\nHet bestand kan op een andere computer geïmporteerd worden indien het programma '"
                          + QCoreApplication::applicationName() + "' er geïnstalleerd is.";
        if (!onvolledig.isEmpty()) {
            melding += "\r\n\r\nVolgende wedstrijd(en) werden niet geëxporteerd omdat niet alle gegevens ingevuld zijn:\r\n";
            for (const QString& w : onvolledig)
                melding += "\r\n- Wedstrijd \"" + w + "\"";
            melding += "\r\n\r\n";
        }
        m_meldingen->verwachtJaNee(true);
        m_meldingen->verwachtMapAnnuleren();
        m_meldingen->verwachtMelding(ui::TestMeldingen::Soort::Waarschuwing, "Exporteren naar export.ttr", melding);
        f.menu("MnuBeheerGegevensExportTTR")->trigger();
    }

    FrmWedstrijdInput& starten()
    {
        m_db.sluiten();
        MDIFrm::standaard().Form_Load();
        FrmWedstrijdInput& f = FrmWedstrijdInput::standaard();
        QCoreApplication::processEvents();
        return f;
    }

    /** Started, shown and active as the user has it: the keyboard reaches the focused control. */
    FrmWedstrijdInput& actiefStarten()
    {
        FrmWedstrijdInput& f = starten();
        MDIFrm::standaard().show();
        f.show();
        f.activateWindow();
        QApplication::setActiveWindow(&MDIFrm::standaard());
        QCoreApplication::processEvents();
        return f;
    }

    /** The sheet and its windows back on the screen: activation and the closing of windows delivered. */
    static void verwerken()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // The keyboard, as keys pressed and released on the control that has the focus.
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void typ(const QString& tekst) { QTest::keyClicks(focus(), tekst); }
    static void toets(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }

    /**
     * Notches of the mouse wheel over the middle of the control, as the mouse delivers them: to the window
     * under the pointer, which hands them to the control there and on to its parents. Positive turns the
     * wheel away from the user (up), negative towards the user (down).
     */
    static void wiel(QWidget* control, int stappen)
    {
        QWidget* venster = control->window();
        ASSERT_TRUE(venster->windowHandle());
        const QPoint midden = control->rect().center();
        QWheelEvent wiel(control->mapTo(venster, midden), control->mapToGlobal(midden), QPoint(),
                         QPoint(0, 120 * stappen), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wiel);
        QCoreApplication::sendEvent(venster->windowHandle(), &wiel);
    }

    // Chooses the match whose line starts with the number.
    void kiezen(FrmWedstrijdInput& f, const QString& nr)
    {
        for (int i = 0; i < f.LstWedstrijden->count(); ++i) {
            if (f.LstWedstrijden->item(i)->text().startsWith(nr + ":")) {
                f.lijstKiezen(f.LstWedstrijden, i);
                return;
            }
        }
        FAIL() << "no line for " << nr.toStdString();
    }

    static QStringList regels(const QListWidget* lijst)
    {
        QStringList r;
        for (int i = 0; i < lijst->count(); ++i)
            r << lijst->item(i)->text();
        return r;
    }

    QTemporaryDir m_map;
    db::Database m_db;
    core::VasteKlok m_klok{QDateTime(QDate(2010, 9, 15), QTime(10, 0))};
    ui::TestMeldingenScope m_meldingen;
};

/** A field of the match on the sheet, as text. */
inline QString matchVeld(const QString& naam)
{
    return core::algemeen().rsMatchen.veld(naam).tekst();
}

/**
 * A column of a match as the program's database holds it, whatever match the sheet shows: "<geen>" without
 * that match, Null as empty (as the sheet shows it).
 */
inline QString matchVeld(const QString& wedstrNr, const QString& kolom)
{
    return matchVeld(core::algemeen().dbGegevens, wedstrNr, kolom, QString());
}

} // namespace testhulp
