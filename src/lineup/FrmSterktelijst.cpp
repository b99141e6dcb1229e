#include "FrmSterktelijst.h"

#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "ui/Keuzelijst.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename W>
W* maak(QWidget* ouder, const char* naam, const QString& tekst, int l, int t, int w, int h)
{
    auto* widget = new W(ouder);
    widget->setObjectName(QString::fromLatin1(naam));
    if constexpr (std::is_same_v<W, QGroupBox>)
        widget->setTitle(tekst);
    else if constexpr (!std::is_base_of_v<QListWidget, W>)
        widget->setText(tekst);
    ui::zetGeometrie(widget, l, t, w, h);
    return widget;
}

} // namespace

FrmSterktelijst::FrmSterktelijst()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmSterktelijst"));
    setWindowTitle(QStringLiteral("Sterktelijst Samenstellen"));
    ui::vensterPlaatsen(this, 0, 0, 11880, 8400);

    Menubalk = new QMenuBar(this);
    Menubalk->setObjectName(QStringLiteral("Menubalk"));
    ui::menuSneltoetsenVoorrang(this);
    QMenu* exporteren = Menubalk->addMenu(QStringLiteral("&Exporteren"));
    MnuExporteren = exporteren->menuAction();
    MnuExporteren->setObjectName(QStringLiteral("MnuExporteren"));
    MnuExpExcel = exporteren->addAction(QStringLiteral("Naar &Excel (bestand voor interclubleider)"));
    MnuExpExcel->setObjectName(QStringLiteral("MnuExpExcel"));
    MnuExpWord = exporteren->addAction(QStringLiteral("Naar &Word"));
    MnuExpWord->setObjectName(QStringLiteral("MnuExpWord"));
    QMenu* afdrukken = Menubalk->addMenu(QStringLiteral("&Afdrukken"));
    MnuAfdrukken = afdrukken->menuAction();
    MnuAfdrukken->setObjectName(QStringLiteral("MnuAfdrukken"));
    MnuAfdrukkenExcel = afdrukken->addAction(QStringLiteral("&Excel-bestand"));
    MnuAfdrukkenExcel->setObjectName(QStringLiteral("MnuAfdrukkenExcel"));
    MnuAfdrukkenWord = afdrukken->addAction(QStringLiteral("&Word-bestand"));
    MnuAfdrukkenWord->setObjectName(QStringLiteral("MnuAfdrukkenWord"));
    const int menu = 330;

    Label1 = maak<QLabel>(this, "Label1", QStringLiteral("Seizoen"), 120, menu + 120, 1815, 255);
    LstSeizoen = maak<ui::Keuzelijst>(this, "LstSeizoen", QString(), 120, menu + 420, 1815, 1035);
    LabKeuzeClub = maak<QLabel>(this, "LabKeuzeClub", QStringLiteral("Keuze Club:"), 2100, menu + 120, 4000, 255);
    LstKeuzeClub = maak<ui::Keuzelijst>(this, "LstKeuzeClub", QString(), 2100, menu + 420, 6135, 1035);
    FraSoort = maak<QGroupBox>(this, "FraSoort", QStringLiteral("Soort"), 8400, menu + 120, 3255, 1335);
    OptHeren = maak<QRadioButton>(FraSoort, "OptHeren", QStringLiteral("Heren"), 120, 300, 1400, 285);
    OptDames = maak<QRadioButton>(FraSoort, "OptDames", QStringLiteral("Dames"), 1680, 300, 1400, 285);
    OptVeteranen = maak<QRadioButton>(FraSoort, "OptVeteranen", QStringLiteral("Veteranen"), 120, 780, 1400, 285);
    OptJeugd = maak<QRadioButton>(FraSoort, "OptJeugd", QStringLiteral("Jeugd"), 1680, 780, 1400, 285);

    FraGegevens = maak<QGroupBox>(this, "FraGegevens", QStringLiteral("Gegevens "), 120, menu + 1560, 11535, 5655);
    LabHuidig = maak<QLabel>(FraGegevens, "LabHuidig", QStringLiteral("Huidige sterktelijst:"), 120, 240, 4500, 255);
    LstSterktelijst = maak<ui::Keuzelijst>(FraGegevens, "LstSterktelijst", QString(), 120, 540, 4695, 4455);
    LstSterktelijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LabOverige = maak<QLabel>(FraGegevens, "LabOverige", QStringLiteral("Overige Spelers:"), 6720, 240, 4500, 255);
    LstOverigeSpelers = maak<ui::Keuzelijst>(FraGegevens, "LstOverigeSpelers", QString(), 6720, 540, 4695, 4455);
    LstOverigeSpelers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CmdToevoegen = maak<QPushButton>(FraGegevens, "CmdToevoegen", QStringLiteral("Speler(s) &Toevoegen <<<<<<<<<<"),
                                     4920, 540, 1695, 495);
    CmdToevoegen->setToolTip(QStringLiteral("Speler aan de sterktelijst toevoegen"));
    CmdVerwijderen = maak<QPushButton>(FraGegevens, "CmdVerwijderen",
                                       QStringLiteral("Speler(s) &Verwijderen >>>>>>>>>>"), 4920, 1140, 1695, 495);
    CmdVerwijderen->setToolTip(QStringLiteral("Speler uit de sterktelijst verwijderen"));
    CmdHoger = maak<QPushButton>(FraGegevens, "CmdHoger", QStringLiteral("H&oger"), 4920, 1860, 1695, 375);
    CmdHoger->setToolTip(
        QStringLiteral("Speler(s) in de sterktelijst één plaats hoger zetten (enkel binnen dezelfde index)"));
    CmdLager = maak<QPushButton>(FraGegevens, "CmdLager", QStringLiteral("La&ger"), 4920, 2340, 1695, 375);
    CmdLager->setToolTip(
        QStringLiteral("Speler(s) in de sterktelijst één plaats lager zetten (enkel binnen dezelfde index)"));
    CmdHeropbouwen = maak<QPushButton>(FraGegevens, "CmdHeropbouwen", QStringLiteral("Sterktelijst &Heropbouwen"), 4920,
                                       3000, 1695, 495);
    CmdHeropbouwen->setToolTip(QStringLiteral("Alle spelers met een geldige spelerslicentie worden per index "
                                              "alfabetisch op de sterktelijst geplaatst."));
    CmdWissen = maak<QPushButton>(FraGegevens, "CmdWissen", QStringLiteral("  &Sterktelijst Volledig &Leegmaken"), 4920,
                                  3600, 1695, 495);
    CmdWissen->setToolTip(QStringLiteral("Alle spelers van de sterktelijst verwijderen"));
    CmdRecupereren = maak<QPushButton>(FraGegevens, "CmdRecupereren", QStringLiteral("Vorige Lijst &Recupereren"), 4920,
                                       4200, 1695, 495);
    LabUitleg2 = maak<QLabel>(FraGegevens, "LabUitleg2",
                              QStringLiteral("Gebruik <Shift> of <Ctrl> om meerdere spelers tegelijk te selecteren"),
                              120, 5100, 7000, 255);
    LabUitleg2->setTextFormat(Qt::PlainText);
    LabUitleg = maak<QLabel>(FraGegevens, "LabUitleg", QStringLiteral("* = Geen spelerslicentie"), 7200, 5100, 4200, 255);
    CmdSluiten = maak<QPushButton>(this, "CmdSluiten", QStringLiteral("&Sluiten"), 9960, menu + 7320, 1695, 435);

    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmSterktelijst::CmdSluiten_Click);
}

void FrmSterktelijst::toon()
{
    m_open = true;
    show();
    raise();
    activateWindow();
}

void FrmSterktelijst::CmdSluiten_Click()
{
    close();
}

void FrmSterktelijst::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        event->accept();
        if (!m_open)
            return;
        m_open = false;
        // The main window disabled itself when it opened this window.
        if (FrmWedstrijdInput::bestaat())
            FrmWedstrijdInput::standaard().teruggeven();
    });
}
