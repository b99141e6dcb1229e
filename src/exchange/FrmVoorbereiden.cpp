#include "FrmVoorbereiden.h"

#include "core/Algemeen.h"
#include "core/Diensten.h"
#include "core/FolderOpenen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/MDIFrm.h"
#include "db/Database.h"
#include "exchange/Wisselbestand.h"
#include "ui/Meldingen.h"
#include "ui/Twips.h"
#include "ui/Vensters.h"
#include "ui/Toepassing.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The designed client area, which the progress bar fills. The window with its borders and caption
// measured 8760 x 1000 twips where it was designed; a window manager draws its own frame around it.
constexpr int Breedte = 8535;
constexpr int Hoogte = 520;

// The season tables that a new season starts without, in the order they are emptied.
const char* const SeizoenTabellen[] = {"Leden", "Alternatief", "Datums", "Matchen", "Omwisselen", "Reeksen",
                                       "Sterktelijst"};

} // namespace

Voortgangsvak::Voortgangsvak(QWidget* ouder)
    : QWidget(ouder)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(false);
}

void Voortgangsvak::leegmaken()
{
    m_beeld = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_beeld.fill(palette().color(QPalette::Window));
    m_tekst.clear();
    update();
}

void Voortgangsvak::resizeEvent(QResizeEvent* event)
{
    ui::afgeschermd([&] {
        QWidget::resizeEvent(event);
        leegmaken();
    });
}

void Voortgangsvak::paintEvent(QPaintEvent*)
{
    ui::afgeschermd([&] {
        QPainter p(this);
        p.drawImage(0, 0, m_beeld);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    });
}

FrmVoorbereiden::FrmVoorbereiden()
    : QWidget(MDIFrm::bestaat() ? &MDIFrm::standaard() : nullptr, ui::KindvensterVlaggen)
{
    setObjectName(QStringLiteral("FrmVoorbereiden"));
    Picture1 = new Voortgangsvak(this);
    ui::zetGeometrie(Picture1, 0, 0, 8535, 510);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::zetGeometrie(Command1, 120, 1200, 1215, 495);
    ui::verbinden(Command1, &QPushButton::clicked, this, &FrmVoorbereiden::Command1_Click);
}

void FrmVoorbereiden::toon()
{
    Form_Load();
    show();
}

void FrmVoorbereiden::Form_Load()
{
    m_open = true;
    setWindowTitle(QString());
    // The same size at every opening; the frame is the window manager's.
    resize(ui::twips(Breedte), ui::twips(Hoogte));
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    ui::vensterCentreren(this);
}

void FrmVoorbereiden::closeEvent(QCloseEvent* event)
{
    ui::afgeschermd([&] {
        if (m_open)
            Form_QueryUnload();
        event->accept();
    });
}

void FrmVoorbereiden::Form_QueryUnload()
{
    m_open = false;
    if (FrmWedstrijdInput::bestaat())
        FrmWedstrijdInput::standaard().teruggeven();
}

void FrmVoorbereiden::opschriftZetten(const QString& tekst)
{
    setWindowTitle(tekst);
}

void FrmVoorbereiden::UpdateProgress(int procent)
{
    UpdateProgress(Picture1, procent);
}

void FrmVoorbereiden::UpdateProgress(Voortgangsvak* vak, int procent)
{
    QImage& beeld = vak->m_beeld;
    if (beeld.size() != vak->size().expandedTo(QSize(1, 1)))
        beeld = QImage(vak->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    beeld.fill(vak->palette().color(QPalette::Window));
    // "###": a whole number without leading zeros, nothing at all for 0.
    vak->m_tekst = (procent == 0 ? QString() : QString::number(procent)) + u'%';

    QPainter p(&beeld);
    // The not-xor pen: the part of the text under the bar shows inverted against it.
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    QFont letter = vak->font();
    letter.setStyleStrategy(QFont::NoAntialias);
    p.setFont(letter);
    const QFontMetrics maat(letter);
    // The horizontal scale runs from 0 to 100 over the box's width.
    const double schaal = beeld.width() / 100.0;
    const double breedteTekst = maat.horizontalAdvance(vak->m_tekst) / schaal;
    const double x = (50 - breedteTekst / 2) * schaal;
    const double y = (beeld.height() - maat.height()) / 2.0;
    p.setPen(vak->kleur);
    p.drawText(QPointF(x, y + maat.ascent()), vak->m_tekst);
    p.fillRect(QRectF(0, 0, procent * schaal, beeld.height()), vak->kleur);
    p.end();
    vak->repaint();
}

bool FrmVoorbereiden::HogerLager(QString& WeekNr)
{
    core::IOpstelling* opstelling = core::diensten().opstelling;
    return opstelling && opstelling->HogerLager(WeekNr, *this);
}

bool FrmVoorbereiden::DubbeleOpstelling(QString& WeekNr)
{
    core::IOpstelling* opstelling = core::diensten().opstelling;
    return opstelling && opstelling->DubbeleOpstelling(WeekNr, *this);
}

void FrmVoorbereiden::EindControleAfdrukken(const QString& WeekNr)
{
    if (core::IOpstelling* opstelling = core::diensten().opstelling)
        opstelling->EindControleAfdrukken(WeekNr);
}

void FrmVoorbereiden::Command1_Click()
{
    Picture1->kleur = QColor(0, 0, 255);
    const QString woord = FrmWedstrijdInput::standaard().LabX->text();
    core::IOnderhoud* onderhoud = core::diensten().onderhoud;
    QString titel;
    m_afgebroken = false;
    try {
        if (woord == u"Herindexeren") {
            titel = QStringLiteral("Herindexeren");
            if (onderhoud)
                onderhoud->Herindexeren(0, *this);
        } else if (woord == u"DatabaseVernieuwen") {
            titel = QStringLiteral("Database Vernieuwen");
            if (onderhoud)
                onderhoud->DatabaseVernieuwen(*this);
        } else if (woord == u"Import") {
            titel = QStringLiteral("Importeren");
            if (onderhoud)
                importeren(*onderhoud);
        } else if (woord == u"Initialiseren") {
            titel = QStringLiteral("Database Initialiseren");
            if (onderhoud) {
                // All seven tables or none.
                db::Transactie transactie(core::algemeen().dbGegevens);
                for (const char* tabel : SeizoenTabellen)
                    onderhoud->TabelLeegmaken(QString::fromLatin1(tabel), *this);
                transactie.vastleggen();
            }
        } else if (woord == u"Alle Sterktelijsten Wissen") {
            titel = QStringLiteral("Alle Sterktelijsten Wissen");
            if (onderhoud)
                onderhoud->TabelLeegmaken(QStringLiteral("Sterktelijst"), *this);
        } else if (woord == u"ClubProgrammaInterclub") {
            titel = QStringLiteral("Exporteren naar export.ttr");
            if (onderhoud)
                exporteren(*onderhoud);
        }
    } catch (const core::ActieFout& fout) {
        m_afgebroken = true;
        ui::meldingen().kritiek(titel, fout.tekst());
    } catch (const db::DbFout& fout) {
        m_afgebroken = true;
        ui::meldingen().kritiek(titel, QStringLiteral("De actie werd afgebroken:\n\n") + fout.tekst());
    }
    Picture1->leegmaken();
}

void FrmVoorbereiden::importeren(core::IOnderhoud& onderhoud)
{
    const QString titel = QStringLiteral("Importeren");
    const QString map = FrmWedstrijdInput::standaard().LabX1->text();
    exchange::Importverslag verslag;
    // One transaction: a malformed file or any failure leaves the database as it was.
    try {
        verslag = exchange::ImportUitvoeren(map, onderhoud, *this);
    } catch (const core::ActieFout& fout) {
        m_afgebroken = true;
        ui::meldingen().kritiek(titel, QStringLiteral("Het bestand \"Export.ttr\" kon niet geïmporteerd worden:\r\n\r\n")
                                           + fout.tekst() + QStringLiteral("\r\n\r\nDe database werd niet gewijzigd."));
        return;
    } catch (const db::DbFout& fout) {
        m_afgebroken = true;
        ui::meldingen().kritiek(titel, QStringLiteral("Het importeren werd afgebroken:\r\n\r\n") + fout.tekst()
                                           + QStringLiteral("\r\n\r\nDe database werd niet gewijzigd."));
        return;
    }
    ui::meldingen().waarschuwing(titel, exchange::ImportMelding(verslag));
}

void FrmVoorbereiden::exporteren(core::IOnderhoud& onderhoud)
{
    const QString titel = QStringLiteral("Exporteren naar export.ttr");
    const core::Algemeen& a = core::algemeen();
    const QString map = core::ExportMapKiezen();
    // The dialog cancelled and no folder in the options: nothing is written, and nothing said.
    if (map.isEmpty())
        return;
    const exchange::Exportverslag verslag = exchange::ExportUitvoeren(map, a.strGekozenSeizoen, onderhoud, *this);
    ui::meldingen().waarschuwing(titel, exchange::ExportMelding(verslag, map));
}
