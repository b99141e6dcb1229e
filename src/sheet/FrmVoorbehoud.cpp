#include "FrmVoorbehoud.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {

// The designed client area. The window with its borders and caption measured 6855 x 3885 twips where
// it was designed; a window manager draws its own frame around this area.
constexpr int Breedte = 6615;
constexpr int Hoogte = 3405;

// Text in pixels, so that it keeps to the twips layout whatever the screen's font settings.
constexpr int Lettergrootte = 13; // 10 points at 96 dpi

QFont lettertype(const QStringList& families, QFont::Weight gewicht = QFont::Normal)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(Lettergrootte);
    f.setWeight(gewicht);
    return f;
}

struct Voorbehoud
{
    const char* woord;    ///< the command word of the main window
    const char* opschrift;
    const char* kolom;
};

// By kind: home team, visitors, official referee.
const Voorbehoud Voorbehouden[] = {
    {"Thuisploeg", "Voorbehoud Thuisploeg", "VoorbehoudT"},
    {"Bezoekers", "Voorbehoud Bezoekers", "Voorbehoudu"},
    {"OfficieleScheids", "Voorbehoud Officiële Scheidsrechter", "OpmOffScheids"},
};

// The remark is stored with the line ends of the program's files (CR LF) and shown with the box's own.
QString naarVeld(QString tekst)
{
    return tekst.replace(u'\n', QStringLiteral("\r\n"));
}

QString uitVeld(QString tekst)
{
    return tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace

FrmVoorbehoud::FrmVoorbehoud()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmVoorbehoud"));
    setWindowTitle(QStringLiteral("Voorbehoud"));
    ui::vensterPlaatsen(this, 0, 0, Breedte, Hoogte);

    LabTekst = new QLabel(QStringLiteral("Typ zo kort mogelijk uw commentaar:"), this);
    LabTekst->setObjectName(QStringLiteral("LabTekst"));
    LabTekst->setFont(lettertype({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                                  QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")}));
    ui::zetGeometrie(LabTekst, 120, 120, 6375, 375);

    TxtCommentaar = new QPlainTextEdit(this);
    TxtCommentaar->setObjectName(QStringLiteral("TxtCommentaar"));
    TxtCommentaar->setFont(lettertype({QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")},
                                      QFont::Black));
    TxtCommentaar->setTabChangesFocus(true);
    ui::zetGeometrie(TxtCommentaar, 120, 600, 6375, 1935);

    CmdSluiten = new QPushButton(QStringLiteral("&Sluiten"), this);
    CmdSluiten->setObjectName(QStringLiteral("CmdSluiten"));
    ui::zetGeometrie(CmdSluiten, 2760, 2760, 1815, 495);

    CmdAnnuleren = new QPushButton(QStringLiteral("Annuleren"), this);
    CmdAnnuleren->setObjectName(QStringLiteral("CmdAnnuleren"));
    ui::zetGeometrie(CmdAnnuleren, 4680, 2760, 1815, 495);

    ui::verbinden(CmdSluiten, &QPushButton::clicked, this, &FrmVoorbehoud::CmdSluiten_Click);
    ui::verbinden(CmdAnnuleren, &QPushButton::clicked, this, &FrmVoorbehoud::CmdAnnuleren_Click);
}

QString FrmVoorbehoud::kolom(int soort)
{
    if (soort < 0 || soort >= int(std::size(Voorbehouden)))
        return QString();
    return QString::fromLatin1(Voorbehouden[soort].kolom);
}

void FrmVoorbehoud::toon()
{
    if (!Form_Load()) {
        if (FrmWedstrijdInput::bestaat())
            FrmWedstrijdInput::standaard().teruggeven();
        return;
    }
    // Annuleren belongs to the opening in which it was pressed: closing this one with the close
    // box stores the text, as Sluiten does.
    blnGeannuleerd = false;
    m_open = true;
    show();
    raise();
    activateWindow();
    // Also where no window manager activates it.
    Form_Activate();
    // Every opening starts in the text, whatever had the focus when the window last closed.
    TxtCommentaar->setFocus(Qt::ActiveWindowFocusReason);
}

bool FrmVoorbehoud::Form_Load()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // The same size at every opening, whatever the user made of it the last time.
    resize(ui::twips(Breedte), ui::twips(Hoogte));

    const QString woord = FrmWedstrijdInput::bestaat() ? FrmWedstrijdInput::standaard().LabX->text() : QString();
    for (int soort = 0; soort < int(std::size(Voorbehouden)); ++soort) {
        const Voorbehoud& v = Voorbehouden[soort];
        if (woord != QLatin1StringView(v.woord))
            continue;
        setWindowTitle(QString::fromUtf8(v.opschrift));
        const db::Waarde inhoud =
            core::objAlgemeneFuncties().Inhoud(core::algemeen().rsMatchen.veld(QString::fromLatin1(v.kolom)));
        TxtCommentaar->setPlainText(uitVeld(inhoud.tekst()));
        intVoorbehoudSoort = soort;
        return true;
    }
    return false;
}

void FrmVoorbehoud::Form_Activate()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    ui::vensterCentreren(this);
}

void FrmVoorbehoud::changeEvent(QEvent* event)
{
    ui::afgeschermd([&] {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_open)
            Form_Activate();
    });
}

void FrmVoorbehoud::CmdSluiten_Click()
{
    blnGeannuleerd = false;
    close();
}

void FrmVoorbehoud::CmdAnnuleren_Click()
{
    blnGeannuleerd = true;
    close();
}

void FrmVoorbehoud::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        if (m_open) {
            try {
                Form_Unload();
            } catch (...) {
                // The remark was not stored: the window stays open with it, to store again or cancel.
                event->ignore();
                throw;
            }
        }
        event->accept();
    });
}

void FrmVoorbehoud::Form_Unload()
{
    if (!blnGeannuleerd) {
        core::Algemeen& a = core::algemeen();
        a.rsMatchen.edit();
        a.rsMatchen.zet(kolom(intVoorbehoudSoort),
                        core::objAlgemeneFuncties().GeenLegeInhoud(naarVeld(TxtCommentaar->toPlainText())));
        a.rsMatchen.update();
    }
    m_open = false;
    if (FrmWedstrijdInput::bestaat())
        FrmWedstrijdInput::standaard().teruggeven();
}

namespace sheet {

namespace {

void openen(FrmWedstrijdInput& venster, const QString& woord)
{
    venster.LabX->setText(woord);
    venster.uitschakelen();
    FrmVoorbehoud::standaard().toon();
}

} // namespace

void VoorbehoudVerbinden(FrmWedstrijdInput& venster)
{
    const char* verbonden = "voorbehoudVerbonden";
    if (venster.property(verbonden).toBool())
        return;
    venster.setProperty(verbonden, true);
    const core::Wedstrijdblad& b = venster.blad;
    const struct
    {
        QPushButton* knop;
        const char* woord;
        const char* menu;
    } openers[] = {{b.CmdVoorbehoudT, "Thuisploeg", "MnuVoorbThuisploeg"},
                   {b.CmdVoorbehoudU, "Bezoekers", "MnuVoorbBezoekers"},
                   {b.CmdVoorbehoudO, "OfficieleScheids", "MnuVoorbOffScheids"}};
    for (const auto& o : openers) {
        const QString woord = QString::fromLatin1(o.woord);
        ui::verbinden(o.knop, &QPushButton::clicked, &venster, [&venster, woord] { openen(venster, woord); });
        QPushButton* knop = o.knop;
        venster.menuVerbinden(QString::fromLatin1(o.menu), knop, [knop] { knop->click(); });
    }
}

} // namespace sheet
