// Every window of the program, drawn as the user sees it: no caption is cut off by the fixed size of
// its control, and no control sticks out of the window or frame that holds it.

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
#include <QComboBox>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

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

class Opschriften : public testhulp::BladTest
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

    QStringList m_fouten;
    int m_getekend = 0;
    int m_vensters = 0;
};

} // namespace

TEST_F(Opschriften, EveryCaptionOfEveryWindowFitsItsControl)
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
    ASSERT_EQ(f.blad.TxtMatchNr->text(), "POVLH11/003");
    nazien(*f.window());

    f.blad.CmdCompNrT[0]->click();
    nazien(FrmSpelersKiezen::standaard());
    FrmSpelersKiezen::standaard().CmdAnnuleren->click();

    f.blad.CmdCompNrHoofdscheidsrechter->click();
    nazien(FrmSpelersKiezen::standaard());
    FrmSpelersKiezen::standaard().CmdAnnuleren->click();

    f.blad.CmdVoorbehoudT->click();
    nazien(FrmVoorbehoud::standaard());
    FrmVoorbehoud::standaard().close();

    FrmSterktelijst::standaard().toon();
    nazien(FrmSterktelijst::standaard());
    FrmSterktelijst::standaard().close();

    Opties::standaard().toon();
    nazien(Opties::standaard());
    Opties::standaard().close();

    Paswoord::standaard().toon();
    nazien(Paswoord::standaard());
    Paswoord::standaard().close();

    FrmClubs::standaard().toon();
    nazien(FrmClubs::standaard());
    FrmClubs::standaard().close();

    FrmWedstrijdToevoegen::standaard().toon();
    nazien(FrmWedstrijdToevoegen::standaard());
    FrmWedstrijdToevoegen::standaard().close();

    m_meldingen->verwachtMelding(Soort::Kritiek, "Import uit Competitie ZELM (Systeem Korvat)",
                                 "Het adres van de webdienst is niet ingesteld.\r\n"
                                 "Vul het in bij Opties, onder \"Adres van de webdienst\".");
    FrmImportKorvat::standaard().toon();
    nazien(FrmImportKorvat::standaard());
    frmLogin::standaard().toon();
    nazien(frmLogin::standaard());
    frmLogin::standaard().close();
    FrmImportKorvat::standaard().close();

    FrmVoorbereiden::standaard().toon();
    nazien(FrmVoorbereiden::standaard());
    FrmVoorbereiden::standaard().close();

    FrmEvenGeduld::standaard().toon();
    nazien(FrmEvenGeduld::standaard());
    FrmEvenGeduld::standaard().close();

    EXPECT_EQ(m_vensters, 13);
    EXPECT_GT(m_getekend, 300) << "the captions are drawn through the program's style";
    EXPECT_TRUE(m_fouten.isEmpty()) << m_fouten.join(u'\n').toStdString();
}
