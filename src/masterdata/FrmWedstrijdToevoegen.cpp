#include "FrmWedstrijdToevoegen.h"

#include "ClubBeheer.h"
#include "WedstrijdToevoegen.h"
#include "core/Algemeen.h"
#include "core/AlgemeneProcedures.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString Titel = QStringLiteral("Wedstrijd Toevoegen");
constexpr int Rij = 420;

template <typename T>
T* veld(QWidget* ouder, const char* naam, const QString& label, int rij, int breedte = 4320)
{
    auto* l = new QLabel(label, ouder);
    ui::zetGeometrie(l, 120, 150 + rij * Rij, 2400, 255);
    T* c = new T(ouder);
    c->setObjectName(QString::fromLatin1(naam));
    ui::zetGeometrie(c, 2640, 120 + rij * Rij, breedte, 315);
    return c;
}

// A club entry carries "province|club number"; the bye carries "0|".
QString clubSleutel(int provincie, const QString& clubNr)
{
    return QStringLiteral("%1|%2").arg(provincie).arg(clubNr);
}

} // namespace

FrmWedstrijdToevoegen::FrmWedstrijdToevoegen()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmWedstrijdToevoegen"));
    setWindowTitle(Titel);
    ui::vensterPlaatsen(this, 0, 0, 7200, 7800);

    CboSeizoen = veld<QComboBox>(this, "CboSeizoen", QStringLiteral("Seizoen"), 0, 1800);
    CboSeizoen->setEditable(true);
    CboNiveau = veld<QComboBox>(this, "CboNiveau", QStringLiteral("Niveau"), 1, 2400);
    CboNiveau->addItem(QStringLiteral("Provinciaal"), QStringLiteral("P"));
    CboNiveau->addItem(QStringLiteral("Landelijk"), QStringLiteral("L"));
    CboNiveau->addItem(QStringLiteral("Nationaal"), QStringLiteral("N"));
    CboNiveau->addItem(QStringLiteral("Super"), QStringLiteral("S"));
    CboCategorie = veld<QComboBox>(this, "CboCategorie", QStringLiteral("Categorie"), 2, 2400);
    CboCategorie->addItems({QStringLiteral("Heren"), QStringLiteral("Dames"), QStringLiteral("Veteranen"),
                            QStringLiteral("Jeugd")});
    TxtReeks = veld<QLineEdit>(this, "TxtReeks", QStringLiteral("Reeks (bijvoorbeeld 3A)"), 3, 1200);
    TxtReeks->setMaxLength(4);
    CboSpelers = veld<QComboBox>(this, "CboSpelers", QStringLiteral("Spelers per ploeg"), 4, 1200);
    for (int n : {4, 3, 2})
        CboSpelers->addItem(QString::number(n), n);
    TxtWeekNr = veld<QLineEdit>(this, "TxtWeekNr", QStringLiteral("Speelweek"), 5, 900);
    TxtWeekNr->setMaxLength(2);
    TxtNummer = veld<QLineEdit>(this, "TxtNummer", QStringLiteral("Wedstrijdnummer"), 6, 900);
    TxtNummer->setMaxLength(3);
    CboHeenTerug = veld<QComboBox>(this, "CboHeenTerug", QStringLiteral("Ronde"), 7, 1800);
    CboHeenTerug->addItem(QStringLiteral("Heenronde"), QStringLiteral("H"));
    CboHeenTerug->addItem(QStringLiteral("Terugronde"), QStringLiteral("T"));
    TxtDatum = veld<QLineEdit>(this, "TxtDatum", QStringLiteral("Datum (dd-mm-jjjj)"), 8, 1500);
    TxtUur = veld<QLineEdit>(this, "TxtUur", QStringLiteral("Uur (uu.mm)"), 9, 900);
    CboThuisclub = veld<QComboBox>(this, "CboThuisclub", QStringLiteral("Thuisclub"), 10);
    TxtThuisploeg = veld<QLineEdit>(this, "TxtThuisploeg", QStringLiteral("Thuisploeg"), 11);
    CboLokaal = veld<QComboBox>(this, "CboLokaal", QStringLiteral("Lokaal"), 12);
    CboUitclub = veld<QComboBox>(this, "CboUitclub", QStringLiteral("Bezoekende club"), 13);
    TxtUitploeg = veld<QLineEdit>(this, "TxtUitploeg", QStringLiteral("Bezoekende ploeg"), 14);

    LabInfo = new QLabel(this);
    LabInfo->setObjectName(QStringLiteral("LabInfo"));
    ui::zetGeometrie(LabInfo, 120, 150 + 15 * Rij, 6840, 255);

    CmdToevoegen = new QPushButton(QStringLiteral("&Toevoegen"), this);
    CmdToevoegen->setObjectName(QStringLiteral("CmdToevoegen"));
    ui::zetGeometrie(CmdToevoegen, 3960, 7200, 1440, 375);
    CmdSluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    CmdSluiten->setObjectName(QStringLiteral("CmdSluiten"));
    ui::zetGeometrie(CmdSluiten, 5520, 7200, 1440, 375);

    ui::verbinden(CboNiveau, &QComboBox::currentIndexChanged, this, &FrmWedstrijdToevoegen::CboNiveau_Click);
    ui::verbinden(CboCategorie, &QComboBox::currentIndexChanged, this, &FrmWedstrijdToevoegen::CboCategorie_Click);
    ui::verbinden(CboThuisclub, &QComboBox::activated, this, &FrmWedstrijdToevoegen::CboThuisclub_Click);
    ui::verbinden(CboUitclub, &QComboBox::activated, this, &FrmWedstrijdToevoegen::CboUitclub_Click);
    ui::verbinden(CmdToevoegen, &QPushButton::clicked, this, &FrmWedstrijdToevoegen::CmdToevoegen_Click);
    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmWedstrijdToevoegen::CmdSluiten_Click);
}

void FrmWedstrijdToevoegen::toon()
{
    if (!m_geladen) {
        Form_Load();
    } else {
        // Clubs may have changed since: the lists are read again, keeping what was chosen.
        for (QComboBox* lijst : {CboThuisclub, CboUitclub}) {
            const QString gekozen = lijst->currentData().toString();
            clubsVullen(lijst);
            lijst->setCurrentIndex(qMax(0, lijst->findData(gekozen)));
        }
        const qint64 lokaal = CboLokaal->currentData().toLongLong();
        const QString thuisploeg = TxtThuisploeg->text();
        CboThuisclub_Click();
        TxtThuisploeg->setText(thuisploeg);
        CboLokaal->setCurrentIndex(qMax(0, CboLokaal->findData(lokaal)));
    }
    show();
    core::AltijdBovenaanZetten(this, true);
    raise();
    activateWindow();
}

void FrmWedstrijdToevoegen::Form_Load()
{
    const core::Algemeen& a = core::algemeen();
    CboSeizoen->clear();
    CboSeizoen->addItems(core::SeizoenenLijst(a.strHuidigSeizoen));
    CboSeizoen->setCurrentText(a.strGekozenSeizoen.isEmpty() ? a.strHuidigSeizoen : a.strGekozenSeizoen);
    clubsVullen(CboThuisclub);
    clubsVullen(CboUitclub);
    const int eigen = CboThuisclub->findData(clubSleutel(a.strClubProv.toInt(), a.strClubNr));
    CboThuisclub->setCurrentIndex(eigen >= 0 ? eigen : 0);
    CboThuisclub_Click();
    CboUitclub->setCurrentIndex(0);
    CboNiveau_Click();
    m_geladen = true;
}

void FrmWedstrijdToevoegen::clubsVullen(QComboBox* lijst)
{
    lijst->clear();
    lijst->addItem(QStringLiteral("Vrij"), clubSleutel(0, QString()));
    for (const masterdata::Club& c : masterdata::clubsLijst()) {
        if (!c.geschrapt)
            lijst->addItem(QStringLiteral("%1 %2 - %3").arg(core::ProvincieAfkorting(c.provincie), c.clubNr, c.clubNaam),
                           clubSleutel(c.provincie, c.clubNr));
    }
}

void FrmWedstrijdToevoegen::CboNiveau_Click()
{
    // A Super division has no short name of its own.
    const bool super = CboNiveau->currentData().toString() == u"S";
    TxtReeks->setEnabled(!super);
    if (super)
        TxtReeks->clear();
    spelersZetten();
}

void FrmWedstrijdToevoegen::CboCategorie_Click()
{
    spelersZetten();
}

void FrmWedstrijdToevoegen::spelersZetten()
{
    // A Super division's teams have the size of its category; the size chosen for another level
    // comes back when that level is chosen again.
    const bool super = CboNiveau->currentData().toString() == u"S";
    if (super) {
        if (!m_superSpelers)
            m_gekozenSpelers = CboSpelers->currentData().toInt();
        m_superSpelers = true;
        CboSpelers->setCurrentIndex(CboSpelers->findData(masterdata::superSpelers(CboCategorie->currentText())));
    } else if (m_superSpelers) {
        m_superSpelers = false;
        CboSpelers->setCurrentIndex(qMax(0, CboSpelers->findData(m_gekozenSpelers)));
    }
    CboSpelers->setEnabled(!super);
}

namespace {

// The team name of a club: its short name, else its name; "Vrij" for the bye.
QString ploegnaamVan(const QString& sleutel)
{
    const QStringList delen = sleutel.split(u'|');
    if (delen.value(1).isEmpty())
        return QStringLiteral("Vrij");
    for (const masterdata::Club& c : masterdata::clubsLijst()) {
        if (c.provincie == delen.value(0).toInt() && c.clubNr == delen.value(1))
            return c.ploegnaam.isEmpty() ? c.clubNaam : c.ploegnaam;
    }
    return QString();
}

} // namespace

void FrmWedstrijdToevoegen::CboThuisclub_Click()
{
    const QString sleutel = CboThuisclub->currentData().toString();
    TxtThuisploeg->setText(ploegnaamVan(sleutel));
    CboLokaal->clear();
    const QStringList delen = sleutel.split(u'|');
    if (!delen.value(1).isEmpty()) {
        for (const masterdata::Lokaal& l : masterdata::lokalenVanClub(delen.value(0).toInt(), delen.value(1)))
            CboLokaal->addItem(l.naam, l.id);
    }
}

void FrmWedstrijdToevoegen::CboUitclub_Click()
{
    TxtUitploeg->setText(ploegnaamVan(CboUitclub->currentData().toString()));
}

void FrmWedstrijdToevoegen::CmdToevoegen_Click()
{
    // The match added comes onto the sheet: what is being typed there goes into its own match first,
    // and a refusal there adds nothing.
    if (FrmWedstrijdInput::bestaat() && FrmWedstrijdInput::standaard().isGeladen()
        && !FrmWedstrijdInput::standaard().invoerAfmaken())
        return;
    masterdata::NieuweWedstrijd w;
    w.seizoen = CboSeizoen->currentText();
    w.niveau = CboNiveau->currentData().toString();
    w.categorie = CboCategorie->currentText();
    w.reeks = TxtReeks->text();
    w.spelers = CboSpelers->currentData().toInt();
    w.weekNr = TxtWeekNr->text();
    w.nummer = TxtNummer->text();
    w.heenTerug = CboHeenTerug->currentData().toString();
    w.datum = TxtDatum->text();
    w.uur = TxtUur->text();
    const QStringList thuis = CboThuisclub->currentData().toString().split(u'|');
    w.provThuis = thuis.value(0).toInt();
    w.lkThuis = thuis.value(1);
    w.nmThuis = TxtThuisploeg->text();
    const QStringList uit = CboUitclub->currentData().toString().split(u'|');
    w.provUit = uit.value(0).toInt();
    w.lkUit = uit.value(1);
    w.nmUit = TxtUitploeg->text();
    w.zaal = CboLokaal->currentIndex() >= 0 ? CboLokaal->currentData().toLongLong() : 0;

    const masterdata::Toevoeging t = masterdata::wedstrijdToevoegen(w);
    if (!t.ok) {
        ui::meldingen().kritiek(Titel, t.melding);
        return;
    }
    LabInfo->setText(QStringLiteral("De wedstrijd %1/%2 werd toegevoegd.").arg(t.wedstrNr.chopped(3), t.wedstrNr.right(3)));
    TxtNummer->clear();
    hoofdvensterZetten(t.seizoen, t.datum);
}

void FrmWedstrijdToevoegen::hoofdvensterZetten(const QString& seizoen, const QString& datum)
{
    if (!FrmWedstrijdInput::bestaat())
        return;
    FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
    if (!hoofd.isGeladen())
        return;
    core::Algemeen& a = core::algemeen();
    // A season of which the list had no match yet gets its line.
    bool staatErIn = false;
    for (int i = 0; i < hoofd.LstSeizoen->count(); ++i)
        staatErIn = staatErIn || hoofd.LstSeizoen->item(i)->text() == seizoen;
    if (!staatErIn) {
        const QSignalBlocker stil(hoofd.LstSeizoen);
        hoofd.LstSeizoen->clear();
        hoofd.LstSeizoen->addItems(core::SeizoenenLijst(a.strHuidigSeizoen));
    }
    a.blnEventsActief = true;
    hoofd.lijstTekstKiezen(hoofd.LstSeizoen, seizoen);
    hoofd.lijstTekstKiezen(hoofd.LstSpeelweek, datum);
}

void FrmWedstrijdToevoegen::CmdSluiten_Click()
{
    close();
}
