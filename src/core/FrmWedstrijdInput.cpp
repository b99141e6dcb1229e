#include "FrmWedstrijdInput.h"

#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "core/Diensten.h"
#include "core/Lijsten.h"
#include "ui/Gebeurtenissen.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Menus.h"
#include "ui/Opschriften.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Zandloper.h"
#include "ui/Toepassing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using core::algemeen;

namespace {

std::function<void()>& beeindigen()
{
    static std::function<void()> f = [] { QCoreApplication::exit(0); };
    return f;
}

// The menu bar as it is designed: name, caption, shortcut, hidden, disabled. The level is the
// number of leading dots of the name's entry.
struct MenuRegel
{
    int niveau;
    const char* naam;
    const char* opschrift;
    const char* sneltoets;
    bool verborgen;
    bool uitgeschakeld;
};

const MenuRegel MenuBoom[] = {
    {0, "MnuBestand", "&Bestand", nullptr, false, false},
    {1, "MnuBestandSluiten", "&Afsluiten", "Ctrl+F4", false, false},
    {0, "MnuVoorbehoud", "&Voorbehoud", nullptr, false, false},
    {1, "MnuVoorbThuisploeg", "&Thuisploeg", "Ctrl+T", false, false},
    {1, "MnuVoorbBezoekers", "&Bezoekers", "Ctrl+U", false, false},
    {1, "MnuVoorbOffScheids", "&Officiële Scheidsrechter", "Ctrl+S", false, false},
    {0, "MnuAfdrukken", "&Afdrukken", nullptr, false, false},
    {1, "MnuAfdrScheidsrechtersblaadjes", "&Voor aanvang wedstrijd", nullptr, false, false},
    {2, "MnuAfdrScheidsrechtersblaadjes2",
     "Overzicht wedstrijd + scheidsrechtersblaadjes Paar en Onpaar (2 bladzijden)", "Ctrl+W", false, false},
    {2, "MnuAfdrScheidsrechtersblaadjes1", "Overzicht wedstrijd + scheidsrechtersblaadjes (Te knippen)", "Ctrl+K",
     false, false},
    {2, "MnuAfdrScheidsrechtersblaadjesApart", "Scheidsrechtersblaadjes", nullptr, false, false},
    {3, "MnuAfdrScheidsblaadjesApart2blz", "Scheidsrechtersblaadjes Paar en Onpaar (2 bladzijden)", nullptr, false,
     false},
    {4, "MnuAfdrScheidsblaadjesApart2blzOpenen", "Openen", nullptr, false, false},
    {4, "MnuAfdrScheidsblaadjesApart2blzAfdrukken", "Afdrukken", nullptr, false, false},
    {3, "MnuAfdrScheidsblaadjesApart2blzTeKnippen", "Scheidsrechtersblaadjes (Te knippen)", nullptr, false, false},
    {4, "MnuAfdrScheidsblaadjesApart2blzTeKnippenOpenen", "Openen", nullptr, false, false},
    {4, "MnuAfdrScheidsblaadjesApart2blzTeKnippenAfdrukken", "Afdrukken", nullptr, false, false},
    {2, "MnuAfdrWedstrijdbladVoorAanvang", "Wedstrijdblad", nullptr, false, false},
    {3, "MnuAfdrWedstrijdbladVoorAanvangOpenen", "Openen", nullptr, false, false},
    {3, "MnuAfdrWedstrijdbladVoorAanvangAfdrukken", "Afdrukken", nullptr, false, false},
    {1, "MnuAfdrWedstrijdblad", "&Na afloop wedstrijd", nullptr, false, false},
    {2, "MnuAfdrWedstrijdbladNaOff", "op wit blad met sponsors (officieel)", "Ctrl+P", false, false},
    {2, "MnuAfdrWedstrijdbladNaWit", "op computerwedstrijdblad (oude stock opgebruiken)", "Ctrl+L", true, false},
    {1, "MnuLijn21", "-", nullptr, true, false},
    {1, "MnuAfdrSterktelijst", "&Sterktelijst", nullptr, true, false},
    {1, "MnuAfdrPloegopstelling", "&Ploegopstelling", nullptr, true, false},
    {0, "MnuWedstrijd", "&Wedstrijd", nullptr, false, false},
    {1, "MnuWedstrijdHoofdscheidsrechter", "&HoofdScheidsrechter", "Ctrl+H", false, false},
    {1, "MnuWedstrijdZaalcommissaris", "&Zaalcommissaris", "Ctrl+Z", false, false},
    {1, "MnuWedstrijdKapitein", "Kapitein", nullptr, false, false},
    {2, "MnuWedstrijdKapiteinThuisploeg", "Thuisploeg", nullptr, false, false},
    {2, "MnuWedstrijdKapiteinBezoekers", "Bezoekers", nullptr, false, false},
    {0, "MnuBeheer", "&Beheer", nullptr, false, false},
    {1, "MnuBeheerInloggen", "&Inloggen Beheerder", nullptr, false, false},
    {1, "MnuBeheerUitloggen", "&Uitloggen Beheerder", nullptr, false, false},
    {1, "MnuBeheerPaswoordWijzigen", "&Paswoord Beheerder Wijzigen", nullptr, false, false},
    {1, "MnuLijn41", "-", nullptr, false, false},
    {1, "MnuBeheerSterktelijst", "Sterktelijsten &Aanpassen", nullptr, true, true},
    {1, "MnuBeheerSterktelijstenWissen", "Alle &Sterktelijsten Wissen", nullptr, true, true},
    {1, "MnuLijn42", "-", nullptr, true, false},
    {1, "MnuBeheerPloegopstelling", "Ploegopstelling &Maken", nullptr, true, false},
    {1, "MnuLijn43", "-", nullptr, true, false},
    {1, "MnuBeheerGegevens", "&Gegevens", nullptr, false, false},
    {2, "MnuGegevensImportKorvat", "Importeren uit 'Competitie ZELM'", "Ctrl+I", false, false},
    {2, "MnuBeheerGegevensImport", "Importeren van de interclubgegevens uit 'Export.ttr'", nullptr, false, false},
    {2, "MnuBeheerGegevensLijn1", "-", nullptr, false, false},
    {2, "MnuBeheerGegevensExport", "&Exporteren van de resultaten", "Ctrl+R", false, false},
    {2, "MnuBeheerGegevensExportTTR", "Exporteren van de interclubgegevens naar 'Export.ttr'", "Ctrl+E", false, false},
    {1, "MnuBeheerClubs", "Clubs en Lokalen Beheren", "Ctrl+C", false, false},
    {1, "MnuLijn44", "-", nullptr, false, false},
    {1, "MnuBeheerKalenders", "&Kalenders Inputten/Wijzigen", nullptr, true, true},
    {1, "MnuLijn45", "-", nullptr, true, false},
    {1, "MnuBeheerDatabase", "&Database", nullptr, true, true},
    {2, "MnuBeheerInitialiseren", "&Initialiseren (Nieuw Seizoen)", nullptr, false, false},
    {2, "MnuLijn46", "-", nullptr, false, false},
    {2, "MnuBeheerDBHerindexeren", "&Herindexeren", nullptr, false, false},
    {2, "MnuBeheerDBVernieuwen", "&Vernieuwen", nullptr, false, false},
    {1, "MnuBeheerProvincies", "&Lijst Provincies Aanpassen", nullptr, true, false},
    {1, "MnuLijn47", "-", nullptr, true, false},
    {1, "MnuBeheerWedstrijdToevoegen", "Wedstrijd &Toevoegen", nullptr, false, false},
    {1, "MnuLijn48", "-", nullptr, false, false},
    {1, "MnuBeheerOpties", "&Opties", "Ctrl+O", false, false},
};

QGroupBox* kader(QWidget* ouder, const char* naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* k = new QGroupBox(opschrift, ouder);
    k->setObjectName(QString::fromLatin1(naam));
    ui::zetGeometrie(k, l, t, b, h);
    return k;
}

} // namespace

void FrmWedstrijdInput::zetProgrammaBeeindigen(std::function<void()> f)
{
    beeindigen() = f ? std::move(f) : [] { QCoreApplication::exit(0); };
}

FrmWedstrijdInput::FrmWedstrijdInput(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmWedstrijdInput"));
    setWindowTitle(QStringLiteral("Wedstrijdblad"));
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    Menubalk = new QMenuBar(this);
    Menubalk->setObjectName(QStringLiteral("Menubalk"));
    Menubalk->setNativeMenuBar(false);
    ui::menuSneltoetsenVoorrang(this);
    // A child window that switches the window off works on the match on the sheet (the remarks, the
    // picker) or on what the lists show: no other window open meanwhile may store or choose another.
    ui::andereVenstersMeeUitschakelen(this);
    indeling->addWidget(Menubalk);
    m_werkvlak = new QWidget(this);
    indeling->addWidget(m_werkvlak, 1);
    menusMaken();

    FraSeizoen = kader(m_werkvlak, "FraSeizoen", QStringLiteral("Keuze Seizoen"), 120, 60, 2055, 1800);
    LstSeizoen = new ui::Keuzelijst(FraSeizoen);
    LstSeizoen->setObjectName(QStringLiteral("LstSeizoen"));
    ui::zetGeometrie(LstSeizoen, 120, 240, 1815, 1440);

    FraSpeelweek = kader(m_werkvlak, "FraSpeelweek", QStringLiteral("Keuze Datum"), 2280, 60, 2055, 1800);
    LstSpeelweek = new ui::Keuzelijst(FraSpeelweek);
    LstSpeelweek->setObjectName(QStringLiteral("LstSpeelweek"));
    ui::zetGeometrie(LstSpeelweek, 120, 240, 1815, 1440);

    FraWedstrijden = kader(m_werkvlak, "FraWedstrijden", QStringLiteral("Overzicht Wedstrijden"), 4440, 60, 5700, 1800);
    LstWedstrijden = new ui::Keuzelijst(FraWedstrijden);
    LstWedstrijden->setObjectName(QStringLiteral("LstWedstrijden"));
    ui::zetGeometrie(LstWedstrijden, 120, 240, 5460, 1200);
    ChkUitwedstrijden = new ui::Keuzevak(QStringLiteral("Uitwedstrijden weergeven"), FraWedstrijden);
    ChkUitwedstrijden->setObjectName(QStringLiteral("ChkUitwedstrijden"));
    ui::zetGeometrie(ChkUitwedstrijden, 120, 1480, 3000, 255);

    lblVersion = new QLabel(m_werkvlak);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    ui::zetGeometrie(lblVersion, 10260, 180, 1800, 255);

    CmdEinde = new QPushButton(QStringLiteral("Programma Sluiten"), m_werkvlak);
    CmdEinde->setObjectName(QStringLiteral("CmdEinde"));
    ui::zetGeometrie(CmdEinde, 10260, 1200, 1800, 495);

    LabX = new QLabel(m_werkvlak);
    LabX->setObjectName(QStringLiteral("LabX"));
    LabX->hide();
    LabX1 = new QLabel(m_werkvlak);
    LabX1->setObjectName(QStringLiteral("LabX1"));
    LabX1->hide();

    if (core::IWedstrijdblad* b = core::diensten().wedstrijdblad)
        b->bouwen(*this);
    if (blad.gebouwd()) {
        // The Tab key goes from the lists straight into the score grid, row by row, so that Shift+Tab
        // from the first game is back in the lists at once; the rest of the sheet follows the grid,
        // and closing the program comes last.
        QWidget* vorige = ChkUitwedstrijden;
        for (int rij = 0; rij < core::Wedstrijdblad::AantalWedstrijden; ++rij) {
            for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
                for (const bool thuis : {true, false}) {
                    QWidget* vak = blad.set(rij, s, thuis);
                    setTabOrder(vorige, vak);
                    vorige = vak;
                }
            }
        }
        setTabOrder(blad.CmdVoorbehoudO, CmdEinde);
    }

    ui::verbinden(CmdEinde, &QPushButton::clicked, this, &FrmWedstrijdInput::CmdEinde_Click);
    ui::verbinden(MnuBestandSluiten, &QAction::triggered, this, &FrmWedstrijdInput::MnuBestandSluiten_Click);
    menuHandlersVerbinden();
    // Choosing an entry from code runs the same handling as a click.
    ui::verbinden(LstSeizoen, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (rij >= 0)
            LstSeizoen_Click();
    });
    ui::verbinden(LstSpeelweek, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (rij >= 0)
            LstSpeelweek_Click();
    });
    ui::verbinden(LstWedstrijden, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (rij >= 0)
            LstWedstrijden_Click();
    });
    // A check box runs its click handling when its value changes, from code too.
    ui::verbinden(ChkUitwedstrijden, &QCheckBox::toggled, this, &FrmWedstrijdInput::ChkUitwedstrijden_Click);
    // The window sees the keys of all its controls first: Page Up and Page Down walk the matches
    // from wherever the focus is, and Enter in a list or on the home/away box moves on to the sheet.
    ui::toetsenVoorvertonen(
        this, [this](QWidget* control, QKeyEvent* toets) { return Form_KeyPreview(control, toets); });
    // Also inside the parent window, where the window itself hears nothing of an activation.
    ui::bijActivering(this, [this] { Form_Activate(); });
}

void FrmWedstrijdInput::menusMaken()
{
    QList<QMenu*> ouders;
    for (const MenuRegel& r : MenuBoom) {
        const QString naam = QString::fromLatin1(r.naam);
        const QString opschrift = QString::fromUtf8(r.opschrift);
        ouders.resize(r.niveau);
        // An entry is a submenu when the next entry is one level deeper.
        const qsizetype i = &r - MenuBoom;
        const bool heeftKinderen = i + 1 < qsizetype(std::size(MenuBoom)) && MenuBoom[i + 1].niveau > r.niveau;
        QAction* actie = nullptr;
        if (heeftKinderen) {
            QMenu* m = r.niveau == 0 ? Menubalk->addMenu(opschrift) : ouders.last()->addMenu(opschrift);
            m->setObjectName(naam);
            actie = m->menuAction();
            ouders << m;
        } else if (opschrift == u"-") {
            actie = ouders.last()->addSeparator();
        } else {
            actie = ouders.last()->addAction(opschrift);
            if (r.sneltoets)
                actie->setShortcut(QKeySequence(QString::fromLatin1(r.sneltoets)));
        }
        actie->setObjectName(naam);
        ui::menuInschakelen(actie, !r.uitgeschakeld);
        actie->setVisible(!r.verborgen);
        m_menu.insert(naam, actie);
    }
    MnuBestandSluiten = m_menu.value(QStringLiteral("MnuBestandSluiten"));
    MnuBeheerInloggen = m_menu.value(QStringLiteral("MnuBeheerInloggen"));
    MnuBeheerUitloggen = m_menu.value(QStringLiteral("MnuBeheerUitloggen"));
    MnuBeheerPaswoordWijzigen = m_menu.value(QStringLiteral("MnuBeheerPaswoordWijzigen"));
    MnuBeheerGegevens = m_menu.value(QStringLiteral("MnuBeheerGegevens"));
    MnuBeheerClubs = m_menu.value(QStringLiteral("MnuBeheerClubs"));
    MnuBeheerOpties = m_menu.value(QStringLiteral("MnuBeheerOpties"));
}

QAction* FrmWedstrijdInput::menu(const QString& naam) const
{
    return m_menu.value(naam);
}

void FrmWedstrijdInput::menuVerbinden(const QString& naam, QObject* context, std::function<void()> handler)
{
    QAction* item = menu(naam);
    if (!item || !context || !handler)
        return;
    // A shortcut leaves no box, and neither does a menu opened with the mouse: what is being typed
    // is finished first, so that the item works on the match as it is typed.
    ui::verbinden(item, &QAction::triggered, context, [this, handler = std::move(handler)] {
        if (invoerAfmaken())
            handler();
    });
}

bool FrmWedstrijdInput::invoerAfmaken()
{
    core::IWedstrijdblad* b = core::diensten().wedstrijdblad;
    if (!b || b->InvoerAfmaken())
        return true;
    // Refused while the user was in another window (a match added, the lists refreshed): back to the
    // box to correct it; the activation leaves the focus there, not on the first empty set.
    QWidget* venster = window();
    if (isVisible() && !venster->isActiveWindow()) {
        m_focusBehouden = true;
        venster->raise();
        activateWindow();
    }
    return false;
}

void FrmWedstrijdInput::Form_Load()
{
    core::Algemeen& a = algemeen();
    ui::zandloperAan();
    try {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            ui::zetGeometrie(sub, 0, 0, 12150, 8640);
            // Where this platform's caption, borders and menu bar take more room than the designed
            // ones, the window grows until the sheet fits in it.
            sub->resize(sub->size().expandedTo(sub->minimumSizeHint()));
        } else {
            resize(ui::twips(12150), ui::twips(8640));
        }
        a.strTaal = QStringLiteral("N");
        lblVersion->setText(QStringLiteral("Versie %1.%2 - revisie %3")
                                .arg(INTERCLUB_VERSIE_MAJOR)
                                .arg(INTERCLUB_VERSIE_MINOR)
                                .arg(INTERCLUB_VERSIE_REVISIE));
        core::DatabaseOpenen();
        core::TabellenOpenen();
        a.blnEventsActief = true;

        const core::OptieStand stand = core::OptiesLezen();
        m_blnPadNietIngesteld = stand.padNietIngesteld;
        MnuBeheerInloggen->setVisible(stand.paswoordBeheer);
        MnuBeheerUitloggen->setVisible(stand.paswoordBeheer);
        ui::menuInschakelen(MnuBeheerInloggen, stand.paswoordBeheer);
        for (QAction* m : {MnuBeheerUitloggen, MnuBeheerPaswoordWijzigen, MnuBeheerGegevens, MnuBeheerClubs,
                           MnuBeheerOpties})
            ui::menuInschakelen(m, !stand.paswoordBeheer);

        a.strHuidigSeizoen = core::HuidigSeizoen();
        const QStringList seizoenen = core::SeizoenenLijst(a.strHuidigSeizoen);
        {
            const QSignalBlocker stil(LstSeizoen);
            LstSeizoen->clear();
            LstSeizoen->addItems(seizoenen);
        }
        // Choosing the first season lists its play dates and, through them, its matches; a reload
        // chooses the season shown before.
        LstSeizoen->setCurrentRow(behoudenRij(seizoenen, &Keuze::seizoen, 0));
    } catch (...) {
        ui::zandloperUit();
        throw;
    }
    m_geladen = true;
    ui::zandloperUit();
}

void FrmWedstrijdInput::toon()
{
    if (!m_geladen)
        Form_Load();
    show();
    if (parentWidget())
        parentWidget()->show();
    Form_Activate();
}

bool FrmWedstrijdInput::naarLopendeWedstrijd()
{
    core::IWedstrijdblad* b = core::diensten().wedstrijdblad;
    return b && b->naarLopendeWedstrijd();
}

void FrmWedstrijdInput::focusVanHetBlad()
{
    const auto kiest = [this](const QWidget* w) {
        return w == LstSeizoen || w == LstSpeelweek || w == LstWedstrijden || w == ChkUitwedstrijden;
    };
    // A child window is open: the focus comes back with the main window, to the window itself.
    if (m_focusVoorUitschakelen && !kiest(m_focusVoorUitschakelen))
        m_focusVoorUitschakelen = this;
    const QWidget* focus = window()->focusWidget();
    if (focus && isAncestorOf(focus) && !kiest(focus) && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

bool FrmWedstrijdInput::kiezenMetToetsen() const
{
    if (m_kiezenMetToetsen)
        return true;
    for (QListWidget* lijst : {LstSeizoen, LstSpeelweek, LstWedstrijden}) {
        if (const auto* k = qobject_cast<const ui::Keuzelijst*>(lijst); k && k->kiestMetToetsen())
            return true;
    }
    const auto* vak = qobject_cast<const ui::Keuzevak*>(ChkUitwedstrijden);
    return vak && vak->kiestMetToetsen();
}

void FrmWedstrijdInput::Form_Activate()
{
    if (m_focusBehouden)
        m_focusBehouden = false;
    else
        naarLopendeWedstrijd();
    if (m_blnPadNietIngesteld && !m_inActivatie) {
        // The box below takes the activation away and gives it back: ask only once.
        m_inActivatie = true;
        uitschakelen();
        LabX->setText(QStringLiteral("Opties-PadOpslaan"));
        if (core::IStamgegevens* s = core::diensten().stamgegevens)
            s->OptiesTonen();
        ui::meldingen().waarschuwing(QStringLiteral("Pad Import/Export"),
                                     QStringLiteral("U moet eerst het pad instellen voor het opslaan van import- en "
                                                    "exportbestanden !"));
        m_blnPadNietIngesteld = false;
        m_inActivatie = false;
    }
}

void FrmWedstrijdInput::uitschakelen()
{
    // Disabling takes the focus away; it comes back to the same control with the window.
    QWidget* focus = QApplication::focusWidget();
    m_focusVoorUitschakelen = focus && isAncestorOf(focus) ? focus : nullptr;
    setEnabled(false);
}

void FrmWedstrijdInput::teruggeven()
{
    setEnabled(true);
    show();
    if (m_focusVoorUitschakelen)
        m_focusVoorUitschakelen->setFocus(Qt::OtherFocusReason);
    m_focusVoorUitschakelen = nullptr;
    // When the child window never took the activation away, no activation will come.
    QWidget* venster = window();
    if (venster->isActiveWindow())
        Form_Activate();
    // Asked also then: an activation of the child window may still be on its way.
    venster->raise();
    activateWindow();
}

bool FrmWedstrijdInput::Form_KeyPreview(QWidget* control, QKeyEvent* event)
{
    const int code = ui::vbToetsCode(event);
    if (event->type() == QEvent::KeyPress) {
        // Enter in a list or on the home/away box: the choice is made, the typing goes on in the sheet.
        if (code == 13
            && (control == LstSeizoen || control == LstSpeelweek || control == LstWedstrijden
                || control == ChkUitwedstrijden)) {
            naarLopendeWedstrijd();
            return true;
        }
        // Page Up and Page Down choose the previous or next match (on release) and do nothing else: no
        // control takes them, so no list goes a page and the venue list chooses no other venue for
        // the match being left.
        return code == 33 || code == 34;
    }
    if (event->type() == QEvent::KeyRelease && !event->isAutoRepeat())
        Form_KeyUp(code, 0);
    return false;
}

void FrmWedstrijdInput::Form_KeyUp(int KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    const QWidget* focus = QApplication::focusWidget();
    const QScopedValueRollback inLijst(m_kiezenMetToetsen, m_kiezenMetToetsen || focus == LstSeizoen
                                                                || focus == LstSpeelweek || focus == LstWedstrijden);
    const int index = LstWedstrijden->currentRow();
    int naar = -1;
    if (KeyCode == 33 && index > 0)
        naar = index - 1;
    else if (KeyCode == 34 && index < LstWedstrijden->count() - 1)
        naar = index + 1;
    // What is being typed goes into the match it was typed for, before the sheet moves on.
    if (naar >= 0 && invoerAfmaken())
        LstWedstrijden->setCurrentRow(naar);
}

void FrmWedstrijdInput::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        Form_QueryUnload();
        event->accept();
    });
}

void FrmWedstrijdInput::Form_QueryUnload()
{
    // Every change is in the database already: nothing to ask.
    if (!algemeen().blnHerladen) {
        beeindigen()();
        return;
    }
    // Unloaded only: the next showing loads the window again, from the database on.
    m_geladen = false;
}

void FrmWedstrijdInput::CmdEinde_Click()
{
    close();
}

void FrmWedstrijdInput::MnuBestandSluiten_Click()
{
    CmdEinde->click();
}

void FrmWedstrijdInput::lijstKiezen(QListWidget* lijst, int rij)
{
    if (rij < 0 || rij >= lijst->count())
        return;
    if (lijst->currentRow() != rij) {
        lijst->setCurrentRow(rij);
        return;
    }
    if (lijst == LstSeizoen)
        keuzeBehouden([this] { LstSeizoen_Click(); });
    else if (lijst == LstSpeelweek)
        keuzeBehouden([this] { LstSpeelweek_Click(); });
    else if (lijst == LstWedstrijden)
        LstWedstrijden_Click();
}

bool FrmWedstrijdInput::lijstTekstKiezen(QListWidget* lijst, const QString& tekst)
{
    for (int i = 0; i < lijst->count(); ++i) {
        if (lijst->item(i)->text() == tekst) {
            lijstKiezen(lijst, i);
            return true;
        }
    }
    return false;
}

bool FrmWedstrijdInput::LijstHerselecteren(QListWidget* lijst)
{
    // What is being typed goes into the match it was typed for before the sheet is loaded again; a
    // refusal keeps the lists, and the typing, as they are.
    if (!invoerAfmaken())
        return false;
    keuzeBehouden([this, lijst] {
        const QString tekst = lijst->currentItem() ? lijst->currentItem()->text() : QString();
        {
            core::EventsUit uit;
            const QSignalBlocker stil(lijst);
            lijst->setCurrentRow(-1);
        }
        algemeen().blnEventsActief = true;
        lijstTekstKiezen(lijst, tekst);
    });
    return true;
}

void FrmWedstrijdInput::keuzeBehouden(const std::function<void()>& vernieuwen)
{
    // Within a refresh the lists below may already be emptied: what they showed is known.
    if (m_behouden) {
        vernieuwen();
        return;
    }
    const auto tekst = [](const QListWidget* lijst) {
        return lijst->currentItem() ? lijst->currentItem()->text() : QString();
    };
    m_behouden = Keuze{tekst(LstSeizoen), tekst(LstSpeelweek), tekst(LstWedstrijden).section(u':', 0, 0)};
    const auto klaar = qScopeGuard([this] { m_behouden.reset(); });
    vernieuwen();
}

int FrmWedstrijdInput::behoudenRij(const QStringList& regels, QString Keuze::*deel, int standaard) const
{
    if (!m_behouden || (*m_behouden.*deel).isEmpty())
        return standaard;
    for (int i = 0; i < regels.size(); ++i) {
        // A match line is known by its number, whatever its teams are called now.
        const QString regel = deel == &Keuze::wedstrijdNr ? regels[i].section(u':', 0, 0) : regels[i];
        if (regel == *m_behouden.*deel)
            return i;
    }
    return standaard;
}

void FrmWedstrijdInput::bladVergrendelen(bool ookExport)
{
    if (blad.gebouwd()) {
        blad.FraWedstrijdblad->setEnabled(false);
        blad.CmdVoorbehoudO->setEnabled(false);
    }
    for (const char* naam : {"MnuVoorbehoud", "MnuAfdrukken", "MnuWedstrijd"})
        ui::menuInschakelen(menu(QString::fromLatin1(naam)), false);
    if (ookExport)
        ui::menuInschakelen(menu(QStringLiteral("MnuBeheerGegevensExport")), false);
}

void FrmWedstrijdInput::bladOntgrendelen()
{
    if (blad.gebouwd()) {
        blad.FraWedstrijdblad->setEnabled(true);
        blad.CmdVoorbehoudO->setEnabled(true);
    }
    for (const char* naam : {"MnuVoorbehoud", "MnuAfdrukken", "MnuWedstrijd"})
        ui::menuInschakelen(menu(QString::fromLatin1(naam)), true);
}

void FrmWedstrijdInput::LstSeizoen_Click()
{
    core::Algemeen& a = algemeen();
    a.strGekozenSeizoen = LstSeizoen->currentItem() ? LstSeizoen->currentItem()->text() : QString();
    {
        const QSignalBlocker stil1(LstSpeelweek);
        const QSignalBlocker stil2(LstWedstrijden);
        LstSpeelweek->clear();
        LstWedstrijden->clear();
    }
    const core::Weergave weergave = core::WeergaveBepalen();
    const QStringList datums = core::SpeeldatumsLijst(a.strGekozenSeizoen, ChkUitwedstrijden->isChecked(), weergave);
    if (datums.isEmpty()) {
        a.blnEventsActief = false;
        if (core::IWedstrijdblad* b = core::diensten().wedstrijdblad)
            b->Blanco();
        bladVergrendelen(true);
        a.blnEventsActief = true;
        return;
    }
    {
        const QSignalBlocker stil(LstSpeelweek);
        LstSpeelweek->addItems(datums);
    }
    const bool huidig = a.strGekozenSeizoen == a.strHuidigSeizoen;
    if (huidig)
        a.dtmVandaag = core::vandaag();
    lijstKiezen(LstSpeelweek, behoudenRij(datums, &Keuze::datum, core::SpeeldatumKiezen(datums, huidig, a.dtmVandaag)));
}

void FrmWedstrijdInput::LstSpeelweek_Click()
{
    core::Algemeen& a = algemeen();
    const QString datum = LstSpeelweek->currentItem() ? LstSpeelweek->currentItem()->text() : QString();
    if (datum.isEmpty() || !a.blnEventsActief)
        return;
    QAction* export_ = menu(QStringLiteral("MnuBeheerGegevensExport"));
    export_->setText(QStringLiteral("&Exporteren van de resultaten van ") + ui::gegevensOpschrift(datum)
                     + QStringLiteral(" naar ttr-bestand"));
    ui::menuInschakelen(export_, true);

    const core::Weergave weergave = core::WeergaveBepalen();
    if (weergave.clubGevonden)
        setWindowTitle(a.strClubProvAfkorting + u' ' + weergave.clubNr + QStringLiteral(" - ") + weergave.clubNaam
                       + QStringLiteral(" - Week ") + datum);
    {
        const QSignalBlocker stil(LstWedstrijden);
        LstWedstrijden->clear();
    }
    const QStringList regels = core::WedstrijdenLijst(datum, ChkUitwedstrijden->isChecked(), weergave);
    if (regels.isEmpty())
        return;
    {
        const QSignalBlocker stil(LstWedstrijden);
        LstWedstrijden->addItems(regels);
    }
    lijstKiezen(LstWedstrijden, behoudenRij(regels, &Keuze::wedstrijdNr, 0));
}

void FrmWedstrijdInput::LstWedstrijden_Click()
{
    if (core::IWedstrijdblad* b = core::diensten().wedstrijdblad)
        b->LstWedstrijden_Click();
}

void FrmWedstrijdInput::ChkUitwedstrijden_Click()
{
    core::Algemeen& a = algemeen();
    QString datum;
    {
        core::EventsUit uit;
        datum = LstSpeelweek->currentItem() ? LstSpeelweek->currentItem()->text() : QString();
        const QSignalBlocker stil(LstSpeelweek);
        LstSpeelweek->setCurrentRow(-1);
    }
    a.blnEventsActief = true;
    if (!datum.isEmpty() && lijstTekstKiezen(LstSpeelweek, datum))
        return;
    QStringList datums;
    for (int i = 0; i < LstSpeelweek->count(); ++i)
        datums << LstSpeelweek->item(i)->text();
    lijstKiezen(LstSpeelweek, core::EersteSpeeldatumVanaf(datums, core::vandaag()));
}
