#include "Opties.h"

#include "core/Algemeen.h"
#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/FolderOpenen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "core/Opstart.h"
#include "ui/Keuzelijst.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using masterdata::Invoer;
using masterdata::OptieRegel;

Opties::Opties()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("Opties"));
    setWindowTitle(QStringLiteral("Opties"));
    ui::vensterPlaatsen(this, 0, 0, 9600, 3900);

    LstOpties = new ui::Keuzelijst(this);
    LstOpties->setObjectName(QStringLiteral("LstOpties"));
    ui::zetGeometrie(LstOpties, 120, 120, 4440, 3000);
    for (const OptieRegel& r : masterdata::optieRegels())
        LstOpties->addItem(r.omschrijving);

    LabOmschrijving = new QLabel(this);
    LabOmschrijving->setObjectName(QStringLiteral("LabOmschrijving"));
    ui::zetGeometrie(LabOmschrijving, 4680, 120, 4800, 495);
    LabOmschrijving->setWordWrap(true);

    TxtWaarde = new QLineEdit(this);
    TxtWaarde->setObjectName(QStringLiteral("TxtWaarde"));
    ui::zetGeometrie(TxtWaarde, 4680, 720, 3540, 315);

    CboWaarde = new QComboBox(this);
    CboWaarde->setObjectName(QStringLiteral("CboWaarde"));
    ui::zetGeometrie(CboWaarde, 4680, 720, 4800, 315);

    CmdBladeren = new QPushButton(QStringLiteral("&Bladeren..."), this);
    CmdBladeren->setObjectName(QStringLiteral("CmdBladeren"));
    ui::zetGeometrie(CmdBladeren, 8280, 705, 1200, 345);

    CmdSluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    CmdSluiten->setObjectName(QStringLiteral("CmdSluiten"));
    ui::zetGeometrie(CmdSluiten, 8080, 3240, 1400, 435);

    ui::verbinden(LstOpties, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (rij >= 0)
            LstOpties_Click();
    });
    ui::verbinden(TxtWaarde, &QLineEdit::editingFinished, this, &Opties::TxtWaarde_LostFocus);
    ui::verbinden(CboWaarde, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && !m_vullen)
            CboWaarde_Click();
    });
    ui::verbinden(CmdBladeren, &QPushButton::clicked, this, &Opties::CmdBladeren_Click);
    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &Opties::CmdSluiten_Click);
}

void Opties::toon()
{
    if (!m_geladen)
        Form_Load();
    show();
    raise();
    activateWindow();
}

void Opties::Form_Load()
{
    m_waarden.clear();
    for (const OptieRegel& r : masterdata::optieRegels())
        m_waarden.insert(r.soort, masterdata::optieWaarde(r.soort));
    m_geladen = true;

    const QString woord = FrmWedstrijdInput::bestaat() ? FrmWedstrijdInput::standaard().LabX->text() : QString();
    QString pagina;
    if (woord == u"Opties-PadOpslaan")
        pagina = masterdata::PadOmschrijving;
    else if (woord == u"Paswoord")
        pagina = masterdata::PaswoordOmschrijving;
    int rij = 0;
    const auto& regels = masterdata::optieRegels();
    for (int i = 0; i < regels.size(); ++i) {
        if (regels[i].omschrijving == pagina)
            rij = i;
    }
    {
        const QSignalBlocker stil(LstOpties);
        LstOpties->setCurrentRow(-1);
    }
    LstOpties->setCurrentRow(rij);
    if (!pagina.isEmpty())
        TxtWaarde->setFocus();
}

const OptieRegel* Opties::gekozenRegel() const
{
    const int rij = LstOpties->currentRow();
    if (rij < 0 || rij >= masterdata::optieRegels().size())
        return nullptr;
    return &masterdata::optieRegels()[rij];
}

void Opties::invoerTonen()
{
    const OptieRegel* r = gekozenRegel();
    if (!r)
        return;
    m_vullen = true;
    const QString w = m_waarden.value(r->soort);
    const bool keuze = r->invoer == Invoer::Provincie || r->invoer == Invoer::Weergave || r->invoer == Invoer::JaNee;
    TxtWaarde->setVisible(!keuze);
    CboWaarde->setVisible(keuze);
    CmdBladeren->setVisible(r->invoer == Invoer::Map);
    CboWaarde->clear();
    LabOmschrijving->setText(r->uitleg);
    TxtWaarde->setEchoMode(r->invoer == Invoer::Paswoord ? QLineEdit::Password : QLineEdit::Normal);
    switch (r->invoer) {
    case Invoer::Map:
    case Invoer::Clubnummer:
    case Invoer::Breedte:
    case Invoer::Getal:
    case Invoer::Tekst:
    case Invoer::Paswoord:
    case Invoer::Adres:
        TxtWaarde->setText(getoondeTekst(*r));
        break;
    case Invoer::Provincie:
        for (const auto& [nr, naam] : masterdata::provinciesVoorKeuze())
            CboWaarde->addItem(naam, QString::number(nr));
        break;
    case Invoer::Weergave:
        CboWaarde->addItem(QStringLiteral("Alleen de wedstrijden van de eigen club"), QStringLiteral("0"));
        CboWaarde->addItem(QStringLiteral("Alle wedstrijden van de provincie"), QStringLiteral("1"));
        break;
    case Invoer::JaNee:
        CboWaarde->addItem(QStringLiteral("Ja"), QStringLiteral("J"));
        CboWaarde->addItem(QStringLiteral("Nee"), QStringLiteral("N"));
        break;
    }
    if (keuze) {
        int i = CboWaarde->findData(w);
        if (i < 0 && r->invoer == Invoer::Weergave)
            i = CboWaarde->findData(QStringLiteral("1"));
        CboWaarde->setCurrentIndex(i);
    }
    m_vullen = false;
}

QString Opties::getoondeTekst(const OptieRegel& regel) const
{
    const QString w = m_waarden.value(regel.soort);
    if (regel.invoer == Invoer::Map)
        return QDir::toNativeSeparators(w);
    if (regel.invoer == Invoer::Paswoord)
        return core::PaswoordDecoderen(w);
    return w;
}

void Opties::LstOpties_Click()
{
    invoerTonen();
}

void Opties::TxtWaarde_LostFocus()
{
    const OptieRegel* r = gekozenRegel();
    if (!m_geladen || !r || m_vullen || !TxtWaarde->isVisibleTo(this))
        return;
    TxtWaarde->setModified(false);
    const masterdata::Controle c = masterdata::optieControleren(*r, TxtWaarde->text());
    if (!c.ok) {
        m_vullen = true;
        TxtWaarde->setText(getoondeTekst(*r));
        m_vullen = false;
        ui::meldingen().kritiek(QStringLiteral("Opties"), c.melding);
        return;
    }
    m_waarden.insert(r->soort, c.waarde);
}

void Opties::CboWaarde_Click()
{
    const OptieRegel* r = gekozenRegel();
    if (r)
        m_waarden.insert(r->soort, CboWaarde->currentData().toString());
}

void Opties::CmdBladeren_Click()
{
    const QString huidig = m_waarden.value(QStringLiteral("Pad Opslaan"));
    const QString gekozen = core::MapKiezen(masterdata::PadOmschrijving, huidig.isEmpty() ? QDir::homePath() : huidig);
    const masterdata::Controle c = masterdata::optieControleren(*masterdata::optieRegel(QStringLiteral("Pad Opslaan")), gekozen);
    if (c.ok) {
        m_waarden.insert(QStringLiteral("Pad Opslaan"), c.waarde);
        invoerTonen();
    }
}

void Opties::CmdSluiten_Click()
{
    close();
}

void Opties::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        // A value typed but not yet left counts too.
        if (TxtWaarde->hasFocus() || TxtWaarde->isModified())
            TxtWaarde_LostFocus();
        Form_Unload();
        event->accept();
    });
}

void Opties::Form_Unload()
{
    if (!m_geladen)
        return;
    const QStringList gewijzigd = masterdata::optiesOpslaan(m_waarden);
    // The shared state follows what was stored.
    core::OptiesLezen();
    m_geladen = false;
    if (!FrmWedstrijdInput::bestaat())
        return;
    FrmWedstrijdInput& hoofd = FrmWedstrijdInput::standaard();
    if (!core::objAlgemeneFuncties().Inhoud(m_waarden.value(QStringLiteral("PaswoordBeheer"))).tekst().isEmpty()) {
        hoofd.MnuBeheerInloggen->setVisible(true);
        hoofd.MnuBeheerUitloggen->setVisible(true);
    }
    hoofd.LabX->setText(QString());
    hoofd.teruggeven();
    if (!hoofd.isGeladen())
        return;
    const auto veranderd = [&](std::initializer_list<const char*> sleutels) {
        for (const char* s : sleutels) {
            if (gewijzigd.contains(QString::fromUtf8(s), Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    // The play dates and matches depend on the view and the own club; the sheet on the member-number
    // width and the doubles of teams of two.
    if (veranderd({"Weergave Wedstrijden", "ClubNr", "ClubProv", "Provincie"}))
        hoofd.LijstHerselecteren(hoofd.LstSeizoen);
    else if (veranderd({"Aantal Karakters CompNr", "SuperDubbelSpelen"}))
        hoofd.LijstHerselecteren(hoofd.LstWedstrijden);
}
