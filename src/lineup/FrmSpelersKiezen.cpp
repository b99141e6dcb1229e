#include "FrmSpelersKiezen.h"

#include "lineup/Dubbels.h"
#include "lineup/NietGespeeld.h"
#include "lineup/Opstelling.h"

#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "core/FrmWedstrijdInput.h"
#include "core/FunctiesQJ.h"
#include "core/MDIFrm.h"
#include "core/Tekst.h"
#include "db/Database.h"
#include "ui/Gebeurtenissen.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Opschriften.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>

#include <tuple>


using core::algemeen;

namespace {

// The designed client area. The window with its borders and caption measured 9030 x 7575 twips where
// it was designed; a window manager draws its own frame around this area.
constexpr int Breedte = 8790;
constexpr int Hoogte = 7140;

const QString Titel = QStringLiteral("Speler Kiezen");

QString inhoud(const db::Waarde& w)
{
    return core::objAlgemeneFuncties().Inhoud(w).tekst();
}

QString matchVeld(const QString& naam)
{
    return inhoud(algemeen().rsMatchen.veld(naam));
}

QString aangevuld(const QString& nr)
{
    return core::objFunctiesQJ().BeginNulToevoegen(db::Waarde(nr), algemeen().intAantalKaraktersCompNr);
}

FrmWedstrijdInput& hoofdvenster()
{
    return FrmWedstrijdInput::standaard();
}

template <typename W>
W* maak(QWidget* ouder, const QString& naam, int l, int t, int w, int h)
{
    auto* widget = new W(ouder);
    widget->setObjectName(naam);
    ui::zetGeometrie(widget, l, t, w, h);
    return widget;
}

template <typename W>
W* maak(QWidget* ouder, const QString& naam, const QString& tekst, int l, int t, int w, int h)
{
    auto* widget = new W(tekst, ouder);
    widget->setObjectName(naam);
    ui::zetGeometrie(widget, l, t, w, h);
    return widget;
}

// How long the search waits for the next letter before it shows what the rules say of its hit: a
// third of a second, the moment in which nobody reads a box anyway.
constexpr int TypepauzeMs = 350;

// The search text is a member number of which only the first digits are typed yet: a pause is no end of
// the typing, since a number is often typed from a card, a few digits at a time.
bool deelVanNummer(const QString& tekst)
{
    const QString t = tekst.trimmed();
    return t.size() < algemeen().intAantalKaraktersCompNr && core::AlleenCijfers(t);
}

// The first box the rules would show while a search hit is judged in the middle of typing.
struct BoxNodig
{
};

// Stands in for the message boxes while a search hit is judged in the middle of typing: the first box
// stops the judging, unseen and unanswered.
class GeenBoxen : public ui::Meldingen
{
public:
    void kritiek(const QString&, const QString&) override { throw BoxNodig{}; }
    void waarschuwing(const QString&, const QString&) override { throw BoxNodig{}; }
    void informatie(const QString&, const QString&) override { throw BoxNodig{}; }
    bool vraagJaNee(const QString&, const QString&) override { throw BoxNodig{}; }
    bool vraagNeeJa(const QString&, const QString&) override { throw BoxNodig{}; }
    QString kiesMap(const QString&, const QString&) override { throw BoxNodig{}; }
    QString kiesBestand(const QString&, const QString&, const QString&) override { throw BoxNodig{}; }
};

} // namespace

FrmSpelersKiezen::FrmSpelersKiezen()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmSpelersKiezen"));
    ui::vensterPlaatsen(this, 0, 0, Breedte, Hoogte);

    FraSpeler = maak<QGroupBox>(this, QStringLiteral("FraSpeler"), QStringLiteral("Speler"), 120, 120, 4455, 3255);
    const char* titels[] = {"Computernummer:", "Naam:", "Klassering:", "Index:", "Volgnummer:", "Clubnummer:",
                            "Clubnaam:"};
    QLineEdit** vakken[] = {&TxtCompNr, &TxtNaam, &TxtKlas, &TxtIndex, &TxtVolgNr, &TxtClubNr, &TxtClubnaam};
    const char* vaknamen[] = {"TxtCompNr", "TxtNaam", "TxtKlas", "TxtIndex", "TxtVolgNr", "TxtClubNr", "TxtClubnaam"};
    for (int i = 0; i < 7; ++i) {
        const int boven = 360 + 420 * i;
        LabTitels << maak<QLabel>(FraSpeler, QStringLiteral("LabTitels_%1").arg(i), QString::fromUtf8(titels[i]), 120,
                                  boven, 1455, 285);
        *vakken[i] = maak<QLineEdit>(FraSpeler, QString::fromLatin1(vaknamen[i]), 1620, boven - 30, 2700, 315);
    }
    LabTitels[5]->hide();
    LabTitels[6]->hide();
    TxtClubNr->hide();
    TxtClubnaam->hide();

    LstProv = maak<ui::Keuzelijst>(this, QStringLiteral("LstProv"), 4680, 120, 1335, 3255);
    Image1 = maak<QLabel>(this, QStringLiteral("Image1"), 6120, 120, 2535, 855);
    LabSpelerZoeken =
        maak<QLabel>(this, QStringLiteral("LabSpelerZoeken"), QStringLiteral("Speler Zoeken:"), 6120, 1080, 2535, 255);
    TxtFilter = maak<QLineEdit>(this, QStringLiteral("TxtFilter"), 6120, 1380, 2535, 315);
    TxtFilter->setToolTip(
        QStringLiteral("Zoekfilter: typ minstens drie karakters van de naam of het computernummer"));
    CmdZoekenEerste = maak<QPushButton>(this, QStringLiteral("CmdZoekenEerste"), QStringLiteral("Eerste Zoeken"), 6120,
                                        1800, 1215, 375);
    CmdZoekenVolgende = maak<QPushButton>(this, QStringLiteral("CmdZoekenVolgende"),
                                          QStringLiteral("Volgende Zoeken"), 7440, 1800, 1215, 375);
    CmdSpelerWissen = maak<QPushButton>(this, QStringLiteral("CmdSpelerWissen"), QStringLiteral("Speler Wissen"), 6120,
                                        2280, 2535, 375);

    FraWO = maak<QGroupBox>(this, QStringLiteral("FraWO"), QStringLiteral("Niet gespeelde wedstrijden"), 120, 3480,
                            4455, 735);
    for (int i = 0; i < 4; ++i) {
        ChkWedstrijd << maak<QCheckBox>(FraWO, QStringLiteral("ChkWedstrijd_%1").arg(i),
                                        QStringLiteral("Wedstrijd %1").arg(i + 1), 120 + 1080 * i, 300, 1035, 315);
    }
    ChkWO = maak<QCheckBox>(this, QStringLiteral("ChkWO"), QStringLiteral("Speler Afwezig (W.O.)"), 4680, 3720, 2415,
                            315);

    LstSterktelijst = maak<ui::Keuzelijst>(this, QStringLiteral("LstSterktelijst"), 120, 4320, 8535, 2175);

    FraDubbel = maak<QGroupBox>(this, QStringLiteral("FraDubbel"), QString(), 120, 120, 8535, 4095);
    LabKeuzeDubbel = maak<QLabel>(FraDubbel, QStringLiteral("LabKeuzeDubbel"),
                                  QStringLiteral("Kies de gewenste dubbelcombinatie:"), 240, 240, 6000, 285);
    ChkNaam1 = maak<QCheckBox>(FraDubbel, QStringLiteral("ChkNaam1"), QStringLiteral("Naam speler 1"), 240, 720, 4000, 315);
    ChkNaam2 = maak<QCheckBox>(FraDubbel, QStringLiteral("ChkNaam2"), QStringLiteral("Naam speler 2"), 240, 1140, 4000, 315);
    ChkNaam3 = maak<QCheckBox>(FraDubbel, QStringLiteral("ChkNaam3"), QStringLiteral("Naam speler 3"), 240, 1560, 4000, 315);
    ChkNaam4 = maak<QCheckBox>(FraDubbel, QStringLiteral("ChkNaam4"), QStringLiteral("Andere speler:"), 240, 1980, 1800, 315);
    CboSterktelijst = maak<QComboBox>(FraDubbel, QStringLiteral("CboSterktelijst"), 2100, 1950, 6195, 315);
    for (int i = 0; i < 3; ++i) {
        OptCombinatie << maak<QRadioButton>(FraDubbel, QStringLiteral("OptCombinatie_%1").arg(i),
                                            QStringLiteral("Combinatie %1").arg(i + 1), 240, 720 + 420 * i, 6000, 315);
    }
    FraDubbel->hide();

    CmdSluiten = maak<QPushButton>(this, QStringLiteral("CmdSluiten"), QStringLiteral("&Opslaan"), 5280, 6600, 1575, 435);
    CmdAnnuleren =
        maak<QPushButton>(this, QStringLiteral("CmdAnnuleren"), QStringLiteral("Annuleren"), 7080, 6600, 1575, 435);

    ui::verbinden(TxtFilter, &QLineEdit::textChanged, this, &FrmSpelersKiezen::TxtFilter_Change);
    ui::verbinden(CmdZoekenEerste, &QPushButton::clicked, this, &FrmSpelersKiezen::CmdZoekenEerste_Click);
    ui::verbinden(CmdZoekenVolgende, &QPushButton::clicked, this, &FrmSpelersKiezen::CmdZoekenVolgende_Click);
    ui::verbinden(LstSterktelijst, &QListWidget::currentRowChanged, this, &FrmSpelersKiezen::LstSterktelijst_Click);
    ui::verbinden(LstSterktelijst, &QListWidget::itemDoubleClicked, this, &FrmSpelersKiezen::LstSterktelijst_DblClick);
    ui::verbinden(CboSterktelijst, &QComboBox::currentIndexChanged, this, &FrmSpelersKiezen::CboSterktelijst_Click);
    ui::verbinden(CmdSpelerWissen, &QPushButton::clicked, this, &FrmSpelersKiezen::CmdSpelerWissen_Click);
    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmSpelersKiezen::CmdSluiten_Click);
    ui::verbinden(CmdAnnuleren, &QPushButton::clicked, this, &FrmSpelersKiezen::CmdAnnuleren_Click);
    for (int i = 0; i < 4; ++i)
        ui::verbinden(ChkWedstrijd[i], &QCheckBox::toggled, this, [this, i] { ChkWedstrijd_Click(i); });
    ui::verbinden(ChkWO, &QCheckBox::toggled, this, &FrmSpelersKiezen::ChkWO_Click);

    // Leaving the member-number box looks the member up; entering a detail box selects its text.
    auto* gebeurtenissen = new ui::Gebeurtenissen(this);
    QLineEdit* selecteerbaar[] = {TxtCompNr, TxtIndex, TxtKlas, TxtNaam, TxtVolgNr, TxtClubnaam, TxtClubNr};
    for (int i = 0; i < 7; ++i)
        gebeurtenissen->registreer(selecteerbaar[i], i);
    gebeurtenissen->zetGotFocus([selecteerbaar](int i) { selecteerbaar[i]->selectAll(); });
    gebeurtenissen->zetLostFocus([this](int i) {
        if (i == 0 && m_open)
            SpelerInvullen();
    });

    // The window sees Enter before its controls.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    m_typepauze = new QTimer(this);
    m_typepauze->setSingleShot(true);
    m_typepauze->setInterval(TypepauzeMs);
    ui::verbinden(m_typepauze, &QTimer::timeout, this, [this] {
        // As after every search, the focus stays in the search box, also after a refusal.
        const bool inZoekvak = focusWidget() == TxtFilter;
        nummerNazien();
        if (inZoekvak && m_open)
            TxtFilter->setFocus();
    });
}

QString FrmSpelersKiezen::opdrachtwoord() const
{
    return FrmWedstrijdInput::bestaat() ? hoofdvenster().LabX->text() : QString();
}

void FrmSpelersKiezen::toon()
{
    Form_Load();
    m_open = true;
    m_activeringCentreert = true;
    show();
    raise();
    activateWindow();
    Form_Activate();
}

void FrmSpelersKiezen::ontwerpHerstellen()
{
    for (QWidget* w : QList<QWidget*>{FraSpeler, LstSterktelijst, Image1, LabSpelerZoeken, TxtFilter, CmdZoekenEerste,
                                      CmdZoekenVolgende, CmdSpelerWissen, LstProv, FraWO, ChkWedstrijd[0],
                                      ChkWedstrijd[1], ChkWedstrijd[2], ChkWedstrijd[3], ChkWO, LabTitels[2],
                                      LabTitels[3], LabTitels[4],
                                      TxtKlas, TxtIndex, TxtVolgNr, ChkNaam1, ChkNaam2, ChkNaam3, ChkNaam4,
                                      CboSterktelijst, OptCombinatie[0], OptCombinatie[1], OptCombinatie[2]})
        w->setVisible(true);
    for (QWidget* w : QList<QWidget*>{LabTitels[5], LabTitels[6], TxtClubNr, TxtClubnaam, FraDubbel})
        w->setVisible(false);
    for (QWidget* w : QList<QWidget*>{FraWO, ChkWO, ChkWedstrijd[0], ChkWedstrijd[1], ChkWedstrijd[2], ChkWedstrijd[3]})
        w->setEnabled(true);
    core::EventsUit uit;
    for (QLineEdit* vak : {TxtCompNr, TxtNaam, TxtKlas, TxtIndex, TxtVolgNr, TxtClubNr, TxtClubnaam})
        vak->clear();
    for (QCheckBox* c : ChkWedstrijd)
        c->setChecked(false);
    for (QCheckBox* c : {ChkWO, ChkNaam1, ChkNaam2, ChkNaam3, ChkNaam4})
        c->setChecked(false);
    for (QRadioButton* o : OptCombinatie) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
    LstProv->clear();
    TxtFilter->clear();
}

void FrmSpelersKiezen::Form_Load()
{
    core::Algemeen& a = algemeen();
    FrmWedstrijdInput& f = hoofdvenster();
    const core::Wedstrijdblad& b = f.blad;
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // The same size at every opening, whatever the user made of it the last time.
    resize(ui::twips(Breedte), ui::twips(Hoogte));
    ontwerpHerstellen();
    m_blnOpSterktelijst = false;
    m_blnAnnuleren = false;
    m_blnSpelersOntbreken = false;
    m_getoondNr.clear();
    m_aanvaardNr.clear();
    m_zoekTreffer.clear();
    m_trefferWacht = false;
    m_voorZoeken = Keuze();
    m_officieel.reset();
    m_objOpstellingsknop = nullptr;
    m_strVeldnaam.clear();
    m_plaatsNr.clear();

    const QString woord = f.LabX->text();
    QString soort;
    m_slot = lineup::Slot();
    m_slot.woord = woord;
    if (woord == u"HS" || woord == u"ZC") {
        const bool vrij = core::UCase(core::Left(b.TxtTPloeg->text(), 4)) == u"VRIJ" || b.ChkForfaitT->isChecked();
        m_slot.kant = vrij ? QStringLiteral("U") : QStringLiteral("T");
        soort = QStringLiteral("Heren");
    } else if (woord.startsWith(u"Kap")) {
        m_slot.kant = core::Right(woord, 1);
        soort = QStringLiteral("Heren");
    } else {
        m_slot.kant = core::Left(woord, 1);
        soort = a.strSoortSterktelijst;
    }
    const bool thuis = m_slot.kant == u"T";
    const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;

    int doel = 1;
    blnSuperMatch = a.rsMatchen.veld(QStringLiteral("Soort")).tekst().trimmed() == u"4";
    if (blnSuperMatch) {
        for (int i = 0; i < 3; ++i)
            m_lngCompNrPloeg[i] = static_cast<qint64>(core::Val(ui::gegevensTekst(knoppen[i])));
        if (woord == u"TDubb." || woord == u"UDubb.")
            doel = 2;
    }

    m_strOpdrachtwaarde = f.LabX1->text();
    m_slot.plaats = static_cast<int>(core::Val(core::Right(woord, 1))) - 1;
    const int kolom = thuis ? 0 : 1;
    m_slot.ploegNaam = a.strPloegGegevens[0][kolom];
    m_slot.ploegClubNr = a.strPloegGegevens[1][kolom];
    m_slot.ploegProvAfk = a.strPloegGegevens[2][kolom];
    m_slot.ploegProvNr = a.strPloegGegevens[3][kolom];

    SterktelijstVullen(m_slot.ploegProvNr, m_slot.ploegClubNr, soort, doel);

    core::EventsUit uit;
    const auto officieleLijst = [&](const QString& naam, const QString& prov, const QString& nr) {
        if (!naam.isEmpty() && !prov.isEmpty() && !nr.isEmpty() && prov == a.strProvincieAfkorting)
            SpelerinLijstSelecteren(nr);
    };
    const auto officieleIndeling = [&] {
        LijstProvincies();
        provincieZetten(m_slot.ploegProvAfk);
        for (QWidget* w : QList<QWidget*>{LabTitels[2], LabTitels[3], LabTitels[4], TxtKlas, TxtIndex, TxtVolgNr,
                                          ChkWO, FraWO})
            w->hide();
    };
    // The official stored for the match: name, province and member number put in their boxes.
    const auto officieleVooraf = [&](const QString& naamVeld, const QString& provVeld, const QString& nrVeld) {
        const QString naam = matchVeld(naamVeld);
        const QString prov = matchVeld(provVeld);
        const QString nr = matchVeld(nrVeld);
        if (!naam.isEmpty())
            TxtNaam->setText(naam);
        if (!prov.isEmpty())
            provincieZetten(prov);
        if (!nr.isEmpty())
            TxtCompNr->setText(nr);
        return std::tuple{naam, prov, nr};
    };
    if (woord == u"ZC") {
        setWindowTitle(QStringLiteral("Zaalcommissaris"));
        officieleIndeling();
        const auto [naam, prov, nr] = officieleVooraf(QStringLiteral("ZaalCommNaam"), QStringLiteral("ZaalCommProv"),
                                                      QStringLiteral("ZaalcommCompnr"));
        m_officieel = Officieel{nr, naam, prov, {}, {}};
        officieleLijst(naam, prov, nr);
    } else if (woord == u"HS") {
        setWindowTitle(QStringLiteral("Hoofdscheidsrechter"));
        officieleIndeling();
        for (QWidget* w : QList<QWidget*>{LabTitels[5], LabTitels[6], TxtClubNr, TxtClubnaam})
            w->show();
        const auto [naam, prov, nr] = officieleVooraf(QStringLiteral("HoofdSchNaam"), QStringLiteral("HoofdschProv"),
                                                      QStringLiteral("HoofdschCompnr"));
        const QString clubNr = matchVeld(QStringLiteral("HoofdschClubNr"));
        const QString clubNaam = matchVeld(QStringLiteral("HoofdschClubNaam"));
        m_officieel = Officieel{nr, naam, prov, clubNr, clubNaam};
        if (clubNr.isEmpty() && clubNaam.isEmpty() && core::LCase(matchVeld(QStringLiteral("LKThuis"))) != u"vrij") {
            a.rsClubs.setIndex(QStringLiteral("ClubNr"));
            a.rsClubs.seek(QStringLiteral("="),
                           {static_cast<int>(core::Val(m_slot.ploegProvNr)), m_slot.ploegClubNr});
            // A club missing from Clubs leaves the club boxes empty.
            if (!a.rsClubs.noMatch()) {
                TxtClubnaam->setText(inhoud(a.rsClubs.veld(QStringLiteral("Ploegnaam"))));
                TxtClubNr->setText(m_slot.ploegClubNr);
            }
        } else {
            TxtClubnaam->setText(clubNaam);
            TxtClubNr->setText(clubNr);
        }
        officieleLijst(naam, prov, nr);
    } else if (woord == u"Kap-T" || woord == u"Kap-U") {
        setWindowTitle(QStringLiteral("Kapitein"));
        officieleIndeling();
        const QString waarde = m_strOpdrachtwaarde;
        if (waarde.size() == 6 && core::Val(waarde) > 0) {
            db::Recordset lid = a.dbGegevens.openRecordset(QStringLiteral("SELECT * From Leden where CompNr = ?"),
                                                           {waarde});
            if (!lid.eof()) {
                TxtNaam->setText(inhoud(lid.veld(QStringLiteral("Naam"))));
                provincieZetten(core::ProvincieAfkorting(db::Waarde(core::Val(lid.veld(QStringLiteral("Provincie"))))));
                TxtCompNr->setText(inhoud(lid.veld(QStringLiteral("CompNr"))));
            }
        }
        if (!waarde.isEmpty())
            SpelerinLijstSelecteren(waarde);
    } else if (woord == u"TDubb." || woord == u"UDubb.") {
        DubbelteamTonen(m_slot.kant, m_slot.ploegNaam);
    } else {
        setWindowTitle(m_slot.ploegNaam + QStringLiteral(" - Speler ") + core::Right(woord, 1));
        if (a.intLaatsteWedstrijd == 9)
            ChkWedstrijd[3]->hide();
        if (a.intLaatsteWedstrijd == 6) {
            ChkWedstrijd[2]->hide();
            ChkWedstrijd[3]->hide();
        }
        LijstProvincies();
        provincieZetten(m_slot.ploegProvAfk);
        woVooraf();
        m_strVeldnaam = (thuis ? QStringLiteral("THUISSP") : QStringLiteral("UITSP")) + core::Right(woord, 1);
        if (m_slot.plaats >= 0 && m_slot.plaats < 4)
            m_objOpstellingsknop = knoppen[m_slot.plaats];
        if (a.rsMatchen.heeftVeld(m_strVeldnaam)) {
            m_plaatsNr = matchVeld(m_strVeldnaam);
            if (!m_plaatsNr.isEmpty())
                TxtCompNr->setText(m_plaatsNr);
        }
    }
}

void FrmSpelersKiezen::woVooraf()
{
    const QString kant = m_slot.kant;
    const int p = m_slot.plaats + 1;
    const QString afwezig = matchVeld((kant == u"T" ? QStringLiteral("AFWTH") : QStringLiteral("AFWUIT")) + QString::number(p));
    const auto vergrendelen = [this](bool ookAfwezig) {
        if (ookAfwezig)
            ChkWO->setEnabled(false);
        FraWO->setEnabled(false);
        for (QCheckBox* c : ChkWedstrijd)
            c->setEnabled(false);
    };
    if (matchVeld(QStringLiteral("forfaitth")) == u"J" || matchVeld(QStringLiteral("forfaituit")) == u"J") {
        ChkWO->setChecked(true);
        vergrendelen(true);
    } else if (afwezig != u"J") {
        const int masker = static_cast<int>(core::Val(matchVeld(QStringLiteral("WO") + kant + QString::number(p))));
        for (int i : lineup::VakkenVanMasker(masker))
            ChkWedstrijd[i]->setChecked(true);
    } else {
        ChkWO->setChecked(true);
        vergrendelen(false);
    }
}

void FrmSpelersKiezen::woOpgeslagenTonen()
{
    if (!m_open || m_strVeldnaam.isEmpty())
        return;
    core::EventsUit uit;
    for (QWidget* w : QList<QWidget*>{FraWO, ChkWO, ChkWedstrijd[0], ChkWedstrijd[1], ChkWedstrijd[2], ChkWedstrijd[3]})
        w->setEnabled(true);
    for (QCheckBox* c : ChkWedstrijd)
        c->setChecked(false);
    ChkWO->setChecked(false);
    woVooraf();
}

void FrmSpelersKiezen::Form_Activate()
{
    centreren();
    if (core::Mid(opdrachtwoord(), 2) != u"Dubb.") {
        // What the focus passing through the member box does when the window first shows: a member
        // preset at load is looked up and his boxes filled.
        SpelerInvullen();
        TxtFilter->setFocus();
    }
    if (m_blnSpelersOntbreken) {
        ui::meldingen().kritiek(QStringLiteral("Keuze Dubbelteam"),
                                QStringLiteral("U dient eerst de drie spelers te kiezen !"));
        close();
    }
    algemeen().blnEventsActief = true;
}

void FrmSpelersKiezen::centreren()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    ui::vensterCentreren(this);
}

void FrmSpelersKiezen::changeEvent(QEvent* event)
{
    ui::afgeschermd([&] {
        QWidget::changeEvent(event);
        // The window system's activation of the opened window centres it once more, now that its frame
        // is known. Activated again later (after a message box, after the user was in the main window or
        // in another program) it stays where the user put it.
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_open && m_activeringCentreert) {
            m_activeringCentreert = false;
            centreren();
        }
    });
}

void FrmSpelersKiezen::SterktelijstVullen(const QString& provincieNr, const QString& clubNr, const QString& soort,
                                          int doel)
{
    core::Algemeen& a = algemeen();
    core::EventsUit uit;
    if (doel == 1)
        LstSterktelijst->clear();
    else
        CboSterktelijst->clear();
    const QString seizoen =
        hoofdvenster().LstSeizoen->currentItem() ? hoofdvenster().LstSeizoen->currentItem()->text() : QString();
    db::Recordset rs = a.dbGegevens.openRecordset(
        QStringLiteral("SELECT * From Sterktelijst WHERE Seizoen = ? AND Provincie = ? AND Clubnummer = ? AND Soort = ? "
                       "ORDER BY volgorde ASC;"),
        {seizoen, static_cast<int>(core::Val(provincieNr)), clubNr, soort});
    QStringList teksten;
    QList<qint64> nummers;
    for (; !rs.eof(); rs.moveNext()) {
        if (rs.veld(QStringLiteral("OpSterktelijst")).tekst() != u"J")
            continue;
        const QString nr = rs.veld(QStringLiteral("Computernummer")).tekst();
        const QString tekst =
            rs.veld(QStringLiteral("Volgnummer")).tekst() + QStringLiteral("._") + rs.veld(QStringLiteral("Index")).tekst()
            + u'_' + rs.veld(QStringLiteral("Klassering")).tekst() + u'_'
            + core::objAlgemeneFuncties().BeginHoofdletters(rs.veld(QStringLiteral("Naam"))).tekst() + QStringLiteral(" (")
            + nr + u')';
        const double volgnr = core::Val(rs.veld(QStringLiteral("Volgnummer")));
        qsizetype plaats = teksten.size();
        for (qsizetype i = 0; i < teksten.size(); ++i) {
            if (core::Val(teksten[i]) >= volgnr) {
                plaats = i;
                break;
            }
        }
        teksten.insert(plaats, tekst);
        nummers.insert(plaats, static_cast<qint64>(core::Val(nr)));
    }
    for (qsizetype i = 0; i < teksten.size(); ++i) {
        if (doel == 1) {
            auto* item = new QListWidgetItem(teksten[i], LstSterktelijst);
            item->setData(Qt::UserRole, nummers[i]);
        } else {
            CboSterktelijst->addItem(teksten[i], nummers[i]);
        }
    }
    if (doel == 1)
        LstSterktelijst->setCurrentRow(-1);
    else
        CboSterktelijst->setCurrentIndex(-1);
}

void FrmSpelersKiezen::LijstProvincies()
{
    core::Algemeen& a = algemeen();
    a.rsProvincies.setIndex(QStringLiteral("Alfa"));
    for (a.rsProvincies.moveFirst(); !a.rsProvincies.eof(); a.rsProvincies.moveNext())
        LstProv->addItem(a.rsProvincies.veld(QStringLiteral("Afkorting")).tekst());
}

QString FrmSpelersKiezen::provincieTekst() const
{
    return LstProv->currentItem() ? LstProv->currentItem()->text() : QString();
}

void FrmSpelersKiezen::provincieZetten(const QString& afkorting)
{
    for (int i = 0; i < LstProv->count(); ++i) {
        if (LstProv->item(i)->text() == afkorting) {
            LstProv->setCurrentRow(i);
            return;
        }
    }
    LstProv->setCurrentRow(-1);
}

void FrmSpelersKiezen::SpelerinLijstSelecteren(const QString& compNr)
{
    LstSterktelijst->setCurrentRow(-1);
    const QString gezocht = aangevuld(compNr);
    for (int i = 0; i < LstSterktelijst->count(); ++i) {
        if (aangevuld(core::TweedeCompNr(LstSterktelijst->item(i)->text())) == gezocht) {
            LstSterktelijst->setCurrentRow(i);
            return;
        }
    }
}

void FrmSpelersKiezen::SpelerZoekenInSterktelijst(int volgende)
{
    if (TxtFilter->text().isEmpty())
        return;
    m_intZoekPositie = volgende == 1 ? m_intZoekPositie + 1 : 0;
    const QString filter = TxtFilter->text().toLower();
    bool gevonden = false;
    for (int i = m_intZoekPositie; i < LstSterktelijst->count(); ++i) {
        if (LstSterktelijst->item(i)->text().toLower().contains(filter)) {
            // What the boxes and the list show before the search's first hit, to be taken back.
            if (!zoektrefferGetoond())
                m_voorZoeken = huidigeKeuze();
            m_zoekend = true;
            const auto klaar = qScopeGuard([this] { m_zoekend = false; });
            LstSterktelijst->setCurrentRow(i);
            m_intZoekPositie = i;
            gevonden = true;
            break;
        }
    }
    if (!gevonden)
        zoektekstZonderTreffer();
    TxtFilter->setFocus();
}

bool FrmSpelersKiezen::zoektrefferGetoond() const
{
    return !m_zoekTreffer.isEmpty() && TxtCompNr->text() == m_zoekTreffer;
}

FrmSpelersKiezen::Keuze FrmSpelersKiezen::huidigeKeuze() const
{
    Keuze k;
    k.compNr = TxtCompNr->text();
    k.naam = TxtNaam->text();
    k.klas = TxtKlas->text();
    k.index = TxtIndex->text();
    k.volgNr = TxtVolgNr->text();
    k.clubNr = TxtClubNr->text();
    k.clubnaam = TxtClubnaam->text();
    k.provincie = provincieTekst();
    k.lijstRij = LstSterktelijst->currentRow();
    k.getoondNr = m_getoondNr;
    k.aanvaardNr = m_aanvaardNr;
    k.opSterktelijst = m_blnOpSterktelijst;
    return k;
}

void FrmSpelersKiezen::keuzeTerugzetten(const Keuze& k)
{
    m_typepauze->stop();
    m_trefferWacht = false;
    TxtCompNr->setText(k.compNr);
    TxtNaam->setText(k.naam);
    TxtKlas->setText(k.klas);
    TxtIndex->setText(k.index);
    TxtVolgNr->setText(k.volgNr);
    TxtClubNr->setText(k.clubNr);
    TxtClubnaam->setText(k.clubnaam);
    provincieZetten(k.provincie);
    {
        core::EventsUit uit;
        LstSterktelijst->setCurrentRow(k.lijstRij);
    }
    m_getoondNr = k.getoondNr;
    m_aanvaardNr = k.aanvaardNr;
    m_blnOpSterktelijst = k.opSterktelijst;
}

void FrmSpelersKiezen::zoektekstZonderTreffer()
{
    const QString filter = TxtFilter->text().toLower();
    // "Volgende Zoeken" past the last entry of a text that the list holds changes nothing.
    for (int i = 0; i < LstSterktelijst->count(); ++i) {
        if (LstSterktelijst->item(i)->text().toLower().contains(filter))
            return;
    }
    const QString tekst = TxtFilter->text().trimmed();
    const bool heelNummer = tekst.size() == algemeen().intAantalKaraktersCompNr && core::AlleenCijfers(tekst);
    if (heelNummer) {
        // A whole member number that is on no entry: that member, looked up as the member box does.
        if (TxtCompNr->text() == tekst && (m_getoondNr == tekst || m_trefferWacht))
            return;
        if (!zoektrefferGetoond())
            m_voorZoeken = huidigeKeuze();
        {
            core::EventsUit uit;
            LstSterktelijst->setCurrentRow(-1);
        }
        TxtCompNr->setText(tekst);
        m_zoekTreffer = tekst;
        zoektrefferNazien();
        return;
    }
    // The member an earlier, shorter text found is not the one this text looks for.
    zoektrefferTerugnemen();
}

void FrmSpelersKiezen::zoektrefferTerugnemen()
{
    if (zoektrefferGetoond()) {
        keuzeTerugzetten(m_voorZoeken);
        m_zoekTreffer.clear();
    }
}

void FrmSpelersKiezen::zoektrefferNazien()
{
    // A hit of the search while the user types is judged without boxes: a question or refusal waits
    // until the typing stops (or Enter or leaving the search box asks for it), so that no letter typed
    // on goes into a box unseen.
    if (m_typend && !stilInvullen()) {
        m_trefferWacht = true;
        return;
    }
    SpelerInvullen();
}

void FrmSpelersKiezen::TxtFilter_Change()
{
    const QString tekst = TxtFilter->text();
    // The search box emptied: what its last text found is taken back, as by a text on no entry.
    if (tekst.isEmpty() && m_open) {
        zoektrefferTerugnemen();
        return;
    }
    if (tekst.size() < 3)
        return;
    m_typend = true;
    const auto klaar = qScopeGuard([this] { m_typend = false; });
    CmdZoekenEerste->click();
    // A hit that is still to be judged waits for the user to stop typing; the first digits of a member
    // number wait for the whole number (or Enter, or leaving the search box).
    if (m_trefferWacht && !deelVanNummer(tekst))
        m_typepauze->start();
    else
        m_typepauze->stop();
}

void FrmSpelersKiezen::CmdZoekenEerste_Click()
{
    SpelerZoekenInSterktelijst(0);
}

void FrmSpelersKiezen::CmdZoekenVolgende_Click()
{
    SpelerZoekenInSterktelijst(1);
}

void FrmSpelersKiezen::LstSterktelijst_Click()
{
    if (!algemeen().blnEventsActief)
        return;
    QListWidgetItem* item = LstSterktelijst->currentItem();
    if (item && !item->text().isEmpty())
        TxtCompNr->setText(aangevuld(core::TweedeCompNr(item->text())));
    if (m_zoekend)
        m_zoekTreffer = TxtCompNr->text();
    else
        m_zoekTreffer.clear();
    // The member box is left again at once, which looks the member up.
    zoektrefferNazien();
}

void FrmSpelersKiezen::LstSterktelijst_DblClick()
{
    CmdSluiten->click();
}

void FrmSpelersKiezen::CboSterktelijst_Click()
{
    ChkNaam4->setChecked(CboSterktelijst->currentIndex() >= 0);
}

void FrmSpelersKiezen::CmdSpelerWissen_Click()
{
    // The user takes the official off: what the match held for him no longer comes back into the boxes.
    m_officieel.reset();
    TxtCompNr->clear();
    {
        core::EventsUit uit;
        LstSterktelijst->setCurrentRow(-1);
    }
    TxtCompNr->setFocus();
}

void FrmSpelersKiezen::CmdSluiten_Click()
{
    m_blnAnnuleren = false;
    close();
}

void FrmSpelersKiezen::CmdAnnuleren_Click()
{
    m_blnAnnuleren = true;
    close();
}

bool FrmSpelersKiezen::eventFilter(QObject* object, QEvent* event)
{
    return ui::afgeschermd(false, [&]() -> bool {
        // Leaving the search box judges its hit at once.
        if (object == TxtFilter && event->type() == QEvent::FocusOut && m_trefferWacht) {
            const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
            if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
                nummerNazien();
        }
        if (event->type() == QEvent::KeyPress && m_open) {
            const auto* toets = static_cast<QKeyEvent*>(event);
            if (toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter) {
                if (TxtNaam->text().isEmpty() && TxtIndex->text().isEmpty() && TxtKlas->text().isEmpty()
                    && TxtVolgNr->text().isEmpty())
                    SpelerInvullen();
                CmdSluiten->click();
                return true;
            }
        }
        return QWidget::eventFilter(object, event);
    });
}

void FrmSpelersKiezen::SpelerInvullen()
{
    invullen();
}

bool FrmSpelersKiezen::invullen()
{
    const lineup::Opstellingsinvoer in = opzoekInvoer();
    const lineup::Opstellingsuitvoer uit = lineup::SpelerInvullen(in);
    regelsToepassen(uit);
    m_getoondNr = TxtCompNr->text();
    return !uit.geweigerd;
}

bool FrmSpelersKiezen::staatOpPlaats(const QString& compNr) const
{
    return !m_plaatsNr.isEmpty() && !compNr.isEmpty() && aangevuld(compNr) == aangevuld(m_plaatsNr);
}

void FrmSpelersKiezen::officieelBehouden()
{
    if (!m_officieel)
        return;
    const QString nr = TxtCompNr->text();
    const QString& opgeslagen = m_officieel->nr;
    const bool zijnNummer = nr.isEmpty() || opgeslagen.isEmpty() ? nr.isEmpty() && opgeslagen.isEmpty()
                                                                 : aangevuld(nr) == aangevuld(opgeslagen);
    if (!zijnNummer)
        return;
    // A name or club typed by hand is in no table that the look-up reads; what the look-up found only
    // fills what the match holds empty.
    const auto behouden = [](QLineEdit* vak, const QString& tekst) {
        if (!tekst.isEmpty())
            vak->setText(tekst);
    };
    behouden(TxtNaam, m_officieel->naam);
    if (!m_officieel->provincie.isEmpty())
        provincieZetten(m_officieel->provincie);
    behouden(TxtClubNr, m_officieel->clubNr);
    behouden(TxtClubnaam, m_officieel->clubNaam);
}

bool FrmSpelersKiezen::stilInvullen()
{
    const lineup::Opstellingsinvoer in = opzoekInvoer();
    lineup::Opstellingsuitvoer uit;
    {
        GeenBoxen geen;
        ui::Meldingen* vorige = ui::zetMeldingen(&geen);
        const auto terug = qScopeGuard([vorige] { ui::zetMeldingen(vorige); });
        try {
            uit = lineup::SpelerInvullen(in);
        } catch (const BoxNodig&) {
            return false;
        }
    }
    regelsToepassen(uit);
    m_getoondNr = TxtCompNr->text();
    return true;
}

bool FrmSpelersKiezen::nummerNazien()
{
    m_trefferWacht = false;
    if (m_open && TxtCompNr->text() != m_getoondNr)
        return invullen();
    return true;
}

lineup::Opstellingsinvoer FrmSpelersKiezen::opzoekInvoer()
{
    m_typepauze->stop();
    m_trefferWacht = false;
    const core::Wedstrijdblad& b = hoofdvenster().blad;
    const bool thuis = m_slot.kant == u"T";
    lineup::Opstellingsinvoer in;
    in.slot = m_slot;
    in.slot.woord = opdrachtwoord();
    in.compNr = TxtCompNr->text();
    for (int k = 0; k < 4; ++k) {
        in.knoppen << ui::gegevensTekst((thuis ? b.CmdCompNrT : b.CmdCompNrU)[k]);
        in.indexen << (thuis ? b.LabTIndex : b.LabUIndex)[k]->text();
    }
    in.superMatch = blnSuperMatch;
    // The member who stands on the place is shown, not judged: opening the window, or passing through
    // the number box, never takes him off. Nor is a member whom the user accepted in this opening asked
    // about again while the box still (or again) holds his number.
    const bool alAanvaard = !in.compNr.isEmpty() && aangevuld(in.compNr) == m_aanvaardNr;
    in.opPlaats = staatOpPlaats(in.compNr) || alAanvaard;
    m_aanvaardNr.clear();
    for (QLineEdit* vak : {TxtNaam, TxtVolgNr, TxtIndex, TxtKlas, TxtClubnaam, TxtClubNr})
        vak->clear();
    if (!in.compNr.isEmpty()) {
        in.streng = lineup::StrengeControle();
        // The padded number stands in the box before any look-up.
        TxtCompNr->setText(aangevuld(in.compNr));
    }
    return in;
}

void FrmSpelersKiezen::regelsToepassen(const lineup::Opstellingsuitvoer& uit)
{
    m_blnOpSterktelijst = uit.opSterktelijst;
    // A known member is selected before the rules judge him; a refusal leaves that selection.
    if (uit.selecteren) {
        core::EventsUit geenGebeurtenissen;
        SpelerinLijstSelecteren(TxtCompNr->text());
    }
    if (uit.geweigerd) {
        // The place keeps its member: the boxes show him again (an empty place stays empty), so that
        // the next Enter or "Opslaan" saves him and not an empty place.
        TxtCompNr->setText(m_plaatsNr);
        if (!m_plaatsNr.isEmpty())
            regelsToepassen(lineup::SpelerInvullen(opzoekInvoer()));
        TxtCompNr->setFocus();
        return;
    }
    TxtNaam->setText(uit.naam);
    TxtKlas->setText(uit.klas);
    TxtIndex->setText(uit.index);
    TxtVolgNr->setText(uit.volgNr);
    TxtClubNr->setText(uit.clubNr);
    TxtClubnaam->setText(uit.clubnaam);
    if (uit.provincieZetten)
        provincieZetten(uit.provincie);
    m_aanvaardNr = uit.compNr;
    officieelBehouden();
}

// The doubles chooser ----------------------------------------------------------------------------

void FrmSpelersKiezen::DubbelteamTonen(const QString& kant, const QString& ploegNaam)
{
    const core::Wedstrijdblad& b = hoofdvenster().blad;
    const bool thuis = kant == u"T";
    const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
    const QList<QLabel*>& namen = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
    QStringList nrs, spelers;
    for (int i = 0; i < 3; ++i) {
        nrs << ui::gegevensTekst(knoppen[i]);
        spelers << namen[i]->text();
        if (nrs.last().isEmpty())
            m_blnSpelersOntbreken = true;
    }
    setWindowTitle(ploegNaam + QStringLiteral(" - Dubbelteam"));
    // Only what a pair needs: no member, province, absence or games not played of a single place.
    for (QWidget* w : QList<QWidget*>{LstSterktelijst, FraSpeler, Image1, LabSpelerZoeken, TxtFilter, CmdZoekenEerste,
                                      CmdZoekenVolgende, CmdSpelerWissen, LstProv, FraWO, ChkWedstrijd[0],
                                      ChkWedstrijd[1], ChkWedstrijd[2], ChkWedstrijd[3], ChkWO})
        w->hide();
    FraDubbel->show();
    if (m_blnSpelersOntbreken) {
        // Only the message that asks for the three players: no pairs or names of an earlier opening.
        for (QWidget* w : QList<QWidget*>{OptCombinatie[0], OptCombinatie[1], OptCombinatie[2], ChkNaam1, ChkNaam2,
                                          ChkNaam3, ChkNaam4, CboSterktelijst})
            w->hide();
        return;
    }
    const QString paar = matchVeld(thuis ? QStringLiteral("Opmerk1") : QStringLiteral("Opmerk2"));
    const int breedte = algemeen().intAantalKaraktersCompNr;
    core::EventsUit uit;
    if (!blnSuperMatch) {
        for (QWidget* w : QList<QWidget*>{ChkNaam1, ChkNaam2, ChkNaam3, ChkNaam4, CboSterktelijst})
            w->hide();
        for (int c = 0; c < 3; ++c) {
            OptCombinatie[c]->show();
            ui::zetGegevensTekst(OptCombinatie[c], lineup::CombinatieTekst(c, nrs, spelers));
        }
        OptCombinatie[lineup::CombinatieVanPaar(paar, nrs, breedte)]->setChecked(true);
        return;
    }
    for (QRadioButton* o : OptCombinatie)
        o->hide();
    QCheckBox* naamVakken[] = {ChkNaam1, ChkNaam2, ChkNaam3};
    for (int i = 0; i < 3; ++i)
        ui::zetGegevensTekst(naamVakken[i], lineup::SpelerTekst(i, nrs, spelers));
    const auto [eerste, tweede] = lineup::PaarSplitsen(paar, breedte);
    if (eerste.isEmpty() && tweede.isEmpty())
        return;
    const int i1 = nrs.indexOf(eerste);
    if (i1 >= 0)
        naamVakken[i1]->setChecked(true);
    const int i2 = nrs.indexOf(tweede);
    if (i2 >= 0) {
        naamVakken[i2]->setChecked(true);
    } else {
        const int item = CboSterktelijst->findData(static_cast<qint64>(core::Val(tweede)));
        CboSterktelijst->setCurrentIndex(item);
        // The other player must be ticked by the user before saving.
        ChkNaam4->setChecked(false);
    }
}

lineup::Dubbelkeuze FrmSpelersKiezen::dubbelkeuze() const
{
    lineup::Dubbelkeuze k;
    k.naam[0] = ChkNaam1->isChecked();
    k.naam[1] = ChkNaam2->isChecked();
    k.naam[2] = ChkNaam3->isChecked();
    k.naam[3] = ChkNaam4->isChecked();
    for (int i = 0; i < 3; ++i)
        k.ploeg[i] = m_lngCompNrPloeg[i];
    k.comboGekozen = CboSterktelijst->currentIndex() >= 0;
    k.combo = CboSterktelijst->currentData().toLongLong();
    return k;
}

int FrmSpelersKiezen::TelDubbelspelers() const
{
    return lineup::TelDubbelspelers(dubbelkeuze());
}

QString FrmSpelersKiezen::CmpNrDubbelspelers() const
{
    return lineup::CmpNrDubbelspelers(dubbelkeuze(), algemeen().intAantalKaraktersCompNr);
}

// Games not played and absence ---------------------------------------------------------------------

void FrmSpelersKiezen::KapiteinenTonen()
{
    if (core::IWedstrijdblad* blad = core::diensten().wedstrijdblad)
        blad->KapiteinenTonen();
}

void FrmSpelersKiezen::UitslagBerekenen()
{
    if (core::IWedstrijdblad* blad = core::diensten().wedstrijdblad)
        blad->UitslagBerekenen(algemeen().blnEventsActief);
}

void FrmSpelersKiezen::ChkWedstrijd_Click(int Index)
{
    core::Algemeen& a = algemeen();
    if (!a.blnEventsActief)
        return;
    const int k = Index + 1;
    bool aangevinkt[4];
    for (int i = 0; i < 4; ++i)
        aangevinkt[i] = ChkWedstrijd[i]->isChecked();
    const int masker = lineup::Masker(aangevinkt, a.intLaatsteWedstrijd);
    const QList<int> rijen = lineup::RijenVanVak(a.intLaatsteWedstrijd, k);
    lineup::NietGespeeld spelen(hoofdvenster().blad, m_slot.kant, m_slot.plaats + 1);
    const bool aan = ChkWedstrijd[Index]->isChecked();
    if (aan && spelen.resultatenAanwezig(rijen)
        && !ui::meldingen().vraagJaNee(
            QStringLiteral("Wedstrijd Ongespeeld (W.O.)"),
            QStringLiteral("Er zijn al resultaten ingevuld. Deze zullen gewist worden. Doorgaan ?"))) {
        core::EventsUit uit;
        ChkWedstrijd[Index]->setChecked(false);
    } else if (aan) {
        if (masker == 113)
            ChkWO->setChecked(true);
        else
            spelen.vakAangevinkt(k, masker);
    } else {
        spelen.vakUitgevinkt(k, masker);
    }
    UitslagBerekenen();
}

void FrmSpelersKiezen::ChkWO_Click()
{
    core::Algemeen& a = algemeen();
    if (!a.blnEventsActief)
        return;
    lineup::NietGespeeld spelen(hoofdvenster().blad, m_slot.kant, m_slot.plaats + 1);
    const bool aan = ChkWO->isChecked();
    if (aan && spelen.resultatenAanwezig(spelen.alleSpelerRijen())
        && !ui::meldingen().vraagJaNee(
            QStringLiteral("Speler Afwezig (W.O.)"),
            QStringLiteral("Er zijn al resultaten ingevuld. Deze zullen gewist worden. Doorgaan ?"))) {
        core::EventsUit uit;
        ChkWO->setChecked(false);
    } else if (aan) {
        FraWO->setEnabled(false);
        {
            core::EventsUit uit;
            for (QCheckBox* c : ChkWedstrijd) {
                c->setEnabled(false);
                c->setChecked(true);
            }
        }
        spelen.afwezigAan();
    } else {
        FraWO->setEnabled(true);
        for (QCheckBox* c : ChkWedstrijd) {
            c->setEnabled(true);
            c->setChecked(false);
        }
        spelen.afwezigUit();
    }
    UitslagBerekenen();
}

// Saving ------------------------------------------------------------------------------------------

void FrmSpelersKiezen::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        if (!m_open) {
            event->accept();
            return;
        }
        // A number typed over the member the boxes show (and saved at once, by Enter or by a button's
        // access key) is looked up under the rules first, as leaving the box does: the place never gets a
        // number with another member's name, index and class. When the rules refuse it (or the question is
        // answered Nee), nothing is saved: the member the place had stays, shown in the boxes again, and
        // the window stays open for another number, Annuleren or a second Enter. An emptied number still
        // empties the place.
        if (!m_blnAnnuleren && !m_blnSpelersOntbreken) {
            const bool overEenSpeler = !TxtCompNr->text().trimmed().isEmpty() && TxtCompNr->text() != m_getoondNr
                                       && !TxtNaam->text().isEmpty();
            if (!nummerNazien() && overEenSpeler) {
                event->ignore();
                TxtCompNr->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        bool cancel = false;
        try {
            Form_QueryUnload(cancel);
        } catch (...) {
            // The choice was not saved: the window stays open with it, to save again or to cancel.
            event->ignore();
            throw;
        }
        if (cancel) {
            event->ignore();
            return;
        }
        m_open = false;
        m_typepauze->stop();
        m_trefferWacht = false;
        event->accept();
        if (FrmWedstrijdInput::bestaat())
            hoofdvenster().teruggeven();
    });
}

void FrmSpelersKiezen::Form_QueryUnload(bool& cancel)
{
    if (m_blnSpelersOntbreken || m_blnAnnuleren)
        return;
    core::Algemeen& a = algemeen();
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    core::Wedstrijdblad& b = hoofdvenster().blad;
    db::Recordset& m = a.rsMatchen;
    const QString woord = opdrachtwoord();
    const QString nr = TxtCompNr->text();
    const auto schrijven = [&m](const QList<QPair<QString, db::Waarde>>& velden) {
        m.edit();
        try {
            for (const auto& [naam, waarde] : velden)
                m.zet(naam, waarde);
            m.update();
        } catch (...) {
            m.cancelUpdate();
            throw;
        }
    };
    const bool thuis = m_slot.kant == u"T";

    if (woord == u"ZC" || woord == u"HS") {
        const bool hs = woord == u"HS";
        (hs ? b.CmdCompNrHoofdscheidsrechter : b.CmdCompNrZaalcommissaris)
            ->setText(ui::gegevensOpschrift(nr.isEmpty() ? QStringLiteral("0000") : nr));
        // An official without a member number is no official: nothing of him is stored, not the province
        // the list still shows, so that the sheet prints no member number for nobody.
        const auto vanHem = [&](const QString& tekst) { return f.GeenLegeInhoud(nr.isEmpty() ? QString() : tekst); };
        if (hs)
            schrijven({{QStringLiteral("HoofdSchNaam"), vanHem(TxtNaam->text())},
                       {QStringLiteral("HoofdschProv"), vanHem(provincieTekst())},
                       {QStringLiteral("HoofdschCompnr"), f.GeenLegeInhoud(nr)},
                       {QStringLiteral("HoofdschClubNaam"), vanHem(TxtClubnaam->text())},
                       {QStringLiteral("HoofdschClubNr"), vanHem(TxtClubNr->text())}});
        else
            schrijven({{QStringLiteral("ZaalCommNaam"), vanHem(TxtNaam->text())},
                       {QStringLiteral("ZaalCommProv"), vanHem(provincieTekst())},
                       {QStringLiteral("ZaalcommCompnr"), f.GeenLegeInhoud(nr)}});
        return;
    }
    if (woord == u"Kap-T" || woord == u"Kap-U") {
        schrijven({{thuis ? QStringLiteral("KapiteinT") : QStringLiteral("KapiteinU"), f.GeenLegeInhoud(nr)}});
        // Shown as stored: on his place, as a captain who does not play, or, taken off, no captain at all.
        KapiteinenTonen();
        return;
    }
    if (woord == u"TDubb." || woord == u"UDubb.") {
        QString paar;
        QString label;
        if (blnSuperMatch) {
            const int aantal = TelDubbelspelers();
            if (aantal != 2) {
                ui::meldingen().kritiek(QStringLiteral("Dubbelteam"), lineup::DubbelMelding(aantal));
                cancel = true;
                return;
            }
            paar = CmpNrDubbelspelers();
            label = core::SpelerNamen(paar);
        } else {
            const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
            const QStringList nrs{ui::gegevensTekst(knoppen[0]), ui::gegevensTekst(knoppen[1]),
                                  ui::gegevensTekst(knoppen[2])};
            const QList<QLabel*>& namen = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
            for (int c = 0; c < 3; ++c) {
                if (OptCombinatie[c]->isChecked()) {
                    paar = lineup::PaarVanCombinatie(c, nrs);
                    const auto [p1, p2] = lineup::CombinatiePlaatsen(c);
                    label = namen[p1]->text() + QStringLiteral(" - ") + namen[p2]->text();
                }
            }
            if (paar.isEmpty())
                return;
        }
        schrijven({{thuis ? QStringLiteral("Opmerk1") : QStringLiteral("Opmerk2"), f.GeenLegeInhoud(paar)}});
        (thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[4]->setText(label);
        return;
    }

    // A line-up place.
    if (!nr.isEmpty() && TxtIndex->text().isEmpty()) {
        ui::meldingen().kritiek(Titel, QStringLiteral("U dient de index voor deze speler in te vullen !"));
        TxtIndex->setFocus();
        cancel = true;
        return;
    }
    if (!m.heeftVeld(m_strVeldnaam))
        return;
    const int p = m_slot.plaats;
    // The doubles pair of a team of three or two must not name a player who left the line-up: it is
    // emptied, so that it is chosen again, unless its partners still stand on the places.
    const QString paarKolom = thuis ? QStringLiteral("Opmerk1") : QStringLiteral("Opmerk2");
    const QString paar = matchVeld(paarKolom);
    QString nieuwPaar = paar;
    const QString vorig = matchVeld(m_strVeldnaam);
    if ((a.intLaatsteWedstrijd == 9 || a.intLaatsteWedstrijd == 6) && p >= 0 && p < 4 && vorig != nr) {
        const QList<QPushButton*>& knoppen = thuis ? b.CmdCompNrT : b.CmdCompNrU;
        QStringList nrs;
        for (int i = 0; i < 3; ++i)
            nrs << (i == p ? nr : ui::gegevensTekst(knoppen[i]));
        nieuwPaar = lineup::PaarNaWissel(paar, vorig, nrs, a.intAantalKaraktersCompNr);
    }
    if (nieuwPaar != paar)
        schrijven({{m_strVeldnaam, f.GeenLegeInhoud(nr)}, {paarKolom, f.GeenLegeInhoud(nieuwPaar)}});
    else
        schrijven({{m_strVeldnaam, f.GeenLegeInhoud(nr)}});
    if (p >= 0 && p < 4) {
        if (m_objOpstellingsknop)
            ui::zetGegevensTekst(m_objOpstellingsknop, nr);
        (thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[p]->setText(nr.isEmpty() ? QString() : TxtNaam->text());
        (thuis ? b.LabTVolgnr : b.LabUVolgnr)[p]->setText(nr.isEmpty() ? QString() : TxtVolgNr->text());
        (thuis ? b.LabTIndex : b.LabUIndex)[p]->setText(nr.isEmpty() ? QString() : TxtIndex->text());
        (thuis ? b.LabTKlas : b.LabUKlas)[p]->setText(nr.isEmpty() ? QString() : TxtKlas->text());
    }
    if (nieuwPaar != paar)
        (thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler)[4]->setText(core::SpelerNamen(db::Waarde(nieuwPaar)));
    // The captain follows his place: shown where he stands now, or as a captain who does not play.
    KapiteinenTonen();
    if (!m_blnOpSterktelijst && !nr.isEmpty()) {
        lineup::Alternatiefrij rij;
        rij.clubnummer = m_slot.ploegClubNr;
        rij.ploegnaam = m_slot.ploegNaam;
        rij.soort = a.strSoortSterktelijst;
        rij.volgnummer = TxtVolgNr->text();
        rij.index = TxtIndex->text();
        rij.computernummer = nr;
        rij.naam = TxtNaam->text();
        rij.klassering = TxtKlas->text();
        rij.provincieAfkorting = provincieTekst();
        lineup::AlternatiefOpslaan(rij, m_slot.ploegProvNr);
    }
}
