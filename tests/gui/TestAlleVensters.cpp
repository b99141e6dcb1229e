// Every window of the program in turn: drawn as the user sees it, no caption is cut off by the fixed
// size of its control and no control sticks out of the window or frame that holds it; and the focus
// entering any of its lists chooses nothing.

#include "BladTest.h"
#include "core/FrmEvenGeduld.h"
#include "exchange/FrmVoorbereiden.h"
#include "lineup/FrmSpelersKiezen.h"
#include "lineup/FrmSterktelijst.h"
#include "masterdata/FrmClubs.h"
#include "masterdata/FrmWedstrijdToevoegen.h"
#include "masterdata/Opties.h"
#include "masterdata/Paswoord.h"
#include "sheet/FrmVoorbehoud.h"
#include "ui/Opschriften.h"
#include "webimport/FrmImportKorvat.h"
#include "webimport/frmLogin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <gtest/gtest.h>

#include <functional>

using Soort = ui::TestMeldingen::Soort;

namespace {

// The control's name with the names of the windows and frames that hold it.
QString pad(const QWidget* w)
{
    QStringList namen;
    for (; w; w = w->parentWidget()) {
        namen.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
        if (w->isWindow())
            break;
    }
    return namen.join(u'/');
}

// Qt's own parts of a control (scroll bars, viewports, a combo box's list) are not laid out by us; a
// control placed wholly outside its window, as the preparation window's hidden button, is never seen.
bool eigenControl(const QWidget* w)
{
    if (w->objectName().startsWith(QStringLiteral("qt_")))
        return false;
    for (const QWidget* o = w->parentWidget(); o && !o->isWindow(); o = o->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(o) || qobject_cast<const QComboBox*>(o))
            return false;
    }
    return w->parentWidget()->rect().intersects(w->geometry());
}

class AlleVensters : public testhulp::BladTest
{
protected:
    void SetUp() override
    {
        BladTest::SetUp();
        ui::zetOpschriftWaarnemer([this](const ui::GetekendOpschrift& o) {
            if (!o.schikking.past)
                m_fouten << QStringLiteral("%1: \"%2\" past niet in %3x%4")
                                .arg(o.control ? pad(o.control) : QStringLiteral("?"), o.tekst)
                                .arg(o.vak.width())
                                .arg(o.vak.height());
            ++m_getekend;
        });
    }

    void TearDown() override
    {
        ui::zetOpschriftWaarnemer(nullptr);
        BladTest::TearDown();
    }

    // Draws the window with all it shows, and checks that its controls stay inside their frames.
    void nazien(QWidget& venster)
    {
        ASSERT_TRUE(venster.isVisible()) << venster.objectName().toStdString();
        QCoreApplication::processEvents();
        venster.grab();
        for (const QWidget* w : venster.findChildren<QWidget*>()) {
            // A window inside the main window is placed by the window code, not laid out.
            if (w->isWindow() || qobject_cast<const QMdiSubWindow*>(w) || !w->isVisibleTo(&venster) || !eigenControl(w))
                continue;
            const QWidget* ouder = w->parentWidget();
            if (!ouder->rect().contains(w->geometry()))
                m_fouten << QStringLiteral("%1 (%2,%3 %4x%5) steekt buiten %6 (%7x%8)")
                                .arg(pad(w))
                                .arg(w->x())
                                .arg(w->y())
                                .arg(w->width())
                                .arg(w->height())
                                .arg(ouder->objectName())
                                .arg(ouder->width())
                                .arg(ouder->height());
        }
        ++m_vensters;
    }

    // Loads a match of four and opens every window of the program in turn; bezoek sees each one
    // while it is open.
    void rondgang(const std::function<void(QWidget&)>& bezoek)
    {
        // A match of four with a long provincial number, a doubles pair, captains and some games played.
        testhulp::Wedstrijd w = wedstrijd("POVLH11003", "A");
        w.extra = {{"THUISSP1", "500001"}, {"THUISSP2", "500002"}, {"THUISSP3", "500003"}, {"THUISSP4", "500004"},
                   {"UITSP1", "500005"},   {"UITSP2", "500006"},   {"UITSP3", "500007"},   {"UITSP4", "500008"},
                   {"KapiteinT", "500001"}, {"KapiteinU", "1"},     {"Zaal", 7}};
        w.extra << testhulp::sets(1, {"11-9", "9-11", "11-7", "11-13", "12-10"});
        testhulp::wedstrijdToevoegen(m_db, w);
        FrmWedstrijdInput& f = starten();
        kiezen(f, "POVLH11003");
        EXPECT_EQ(f.blad.TxtMatchNr->text(), "POVLH11/003");
        bezoek(*f.window());

        f.blad.CmdCompNrT[0]->click();
        bezoek(FrmSpelersKiezen::standaard());
        FrmSpelersKiezen::standaard().CmdAnnuleren->click();

        f.blad.CmdCompNrHoofdscheidsrechter->click();
        bezoek(FrmSpelersKiezen::standaard());
        FrmSpelersKiezen::standaard().CmdAnnuleren->click();

        f.blad.CmdVoorbehoudT->click();
        bezoek(FrmVoorbehoud::standaard());
        FrmVoorbehoud::standaard().close();

        FrmSterktelijst::standaard().toon();
        bezoek(FrmSterktelijst::standaard());
        FrmSterktelijst::standaard().close();

        Opties::standaard().toon();
        bezoek(Opties::standaard());
        Opties::standaard().close();

        Paswoord::standaard().toon();
        bezoek(Paswoord::standaard());
        Paswoord::standaard().close();

        FrmClubs::standaard().toon();
        bezoek(FrmClubs::standaard());
        FrmClubs::standaard().close();

        FrmWedstrijdToevoegen::standaard().toon();
        bezoek(FrmWedstrijdToevoegen::standaard());
        FrmWedstrijdToevoegen::standaard().close();

        m_meldingen->verwachtMelding(Soort::Kritiek, "Import uit Competitie ZELM (Systeem Korvat)",
                                     "Het adres van de webdienst is niet ingesteld.\r\n"
                                     "Vul het in bij Opties, onder \"Adres van de webdienst\".");
        FrmImportKorvat::standaard().toon();
        bezoek(FrmImportKorvat::standaard());
        frmLogin::standaard().toon();
        bezoek(frmLogin::standaard());
        frmLogin::standaard().close();
        FrmImportKorvat::standaard().close();

        FrmVoorbereiden::standaard().toon();
        bezoek(FrmVoorbereiden::standaard());
        FrmVoorbereiden::standaard().close();

        FrmEvenGeduld::standaard().toon();
        bezoek(FrmEvenGeduld::standaard());
        FrmEvenGeduld::standaard().close();
    }

    // Gives each list of the window that holds rows and has none chosen the focus, as Tab does.
    void lijstenNazien(QWidget& venster)
    {
        QApplication::setActiveWindow(&venster);
        for (QListWidget* lijst : venster.findChildren<QListWidget*>()) {
            if (!lijst->isVisibleTo(&venster) || !lijst->isEnabled() || lijst->count() == 0)
                continue;
            {
                const QSignalBlocker stil(lijst);
                lijst->setCurrentRow(-1);
            }
            lijst->setFocus(Qt::TabFocusReason);
            if (!lijst->hasFocus())
                m_fouten << pad(lijst) + QStringLiteral(" kreeg de focus niet");
            else if (lijst->currentRow() != -1)
                m_fouten << pad(lijst) + QStringLiteral(": de focus koos rij %1").arg(lijst->currentRow());
            ++m_lijsten;
        }
    }

    QStringList m_fouten;
    int m_getekend = 0;
    int m_vensters = 0;
    int m_lijsten = 0;
};

} // namespace

TEST_F(AlleVensters, EveryCaptionOfEveryWindowFitsItsControl)
{
    rondgang([this](QWidget& venster) { nazien(venster); });
    EXPECT_EQ(m_vensters, 13);
    EXPECT_GT(m_getekend, 300) << "the captions are drawn through the program's style";
    EXPECT_TRUE(m_fouten.isEmpty()) << m_fouten.join(u'\n').toStdString();
}

TEST_F(AlleVensters, TheFocusEnteringAListOfAnyWindowChoosesNothing)
{
    rondgang([this](QWidget& venster) { lijstenNazien(venster); });
    EXPECT_GE(m_lijsten, 9);
    EXPECT_TRUE(m_fouten.isEmpty()) << m_fouten.join(u'\n').toStdString();
}
