#include "Einduur.h"

#include "core/AlgemeneFuncties.h"
#include "core/AlgemeneProcedures.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "ui/Meldingen.h"
#include "ui/Toepassing.h"
#include "ui/Vensters.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTime>

using core::algemeen;

namespace sheet {

namespace {

const QString Titel = QStringLiteral("Einduur Wedstrijd");

/** A time of day as the sheet writes it ("19.45", also "9.45" or "19:45"); invalid when it is none. */
QTime uurLezen(const QString& tekst)
{
    return QTime::fromString(QString(tekst).replace(u':', u'.').trimmed(), QStringLiteral("h.mm"));
}

/** A focus change that belongs to the window as a whole, not to the user moving between controls. */
bool vanHetVenster(Qt::FocusReason reden)
{
    return reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason;
}

} // namespace

Einduur::Einduur(FrmWedstrijdInput& venster)
    : QObject(venster.blad.TxtEinduur)
    , m_venster(&venster)
    , m_vak(venster.blad.TxtEinduur)
{
    setObjectName(QStringLiteral("Einduur"));
    m_vak->installEventFilter(this);
    // Edited again after afmaken(), typed or not (pasted, dropped, undone): leaving it checks again.
    ui::verbinden(m_vak.data(), &QLineEdit::textEdited, this, [this] { m_afgemaakt = false; });
}

Einduur& Einduur::verbinden(FrmWedstrijdInput& venster)
{
    QLineEdit* vak = venster.blad.TxtEinduur;
    Q_ASSERT(vak);
    if (auto* bestaand = vak->findChild<Einduur*>(QString(), Qt::FindDirectChildrenOnly))
        return *bestaand;
    return *new Einduur(venster);
}

bool Einduur::wedstrijdOpBlad() const
{
    return m_venster && m_vak && m_venster->blad.FraWedstrijdblad
           && !m_venster->blad.FraWedstrijdblad->testAttribute(Qt::WA_Disabled);
}

void Einduur::TxtEinduur_GotFocus()
{
    if (!m_vak->text().isEmpty())
        m_vak->selectAll();
    else
        m_vak->setCursorPosition(0);
}

void Einduur::TxtEinduur_Validate(bool& Cancel)
{
    if (!wedstrijdOpBlad())
        return;
    core::Algemeen& a = algemeen();
    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    const core::Wedstrijdblad& b = m_venster->blad;
    const QString veld = QStringLiteral("Einduur");

    QString s = m_vak->text().replace(u':', u'.').trimmed();

    if (s.isEmpty()) {
        a.rsMatchen.edit();
        a.rsMatchen.zet(veld, f.GeenLegeInhoud(QString()));
        a.rsMatchen.update();
        m_vak->clear();
        m_vak->selectAll();
        return;
    }

    const std::optional<QString> uur = core::EinduurLezen(s);
    if (!uur) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Dit is geen geldig uur !"));
        Cancel = true;
        // The text stays as typed, selected for typing over.
        m_vak->selectAll();
        return;
    }

    s = *uur;
    bool vroeger = false;
    if (!s.isEmpty()) {
        // A date or begin time the sheet cannot read leaves nothing to compare with.
        const QDateTime datum = db::Waarde(b.TxtDatum->text()).datum();
        const QTime begin = uurLezen(b.TxtBeginuur->text());
        vroeger = datum.isValid() && datum.date() == core::vandaag() && begin.isValid()
                  && begin >= QTime::fromString(s, QStringLiteral("hh.mm"));
    }
    if (vroeger) {
        ui::meldingen().kritiek(Titel, QStringLiteral("Het einduur moet later zijn dan het beginuur van de wedstrijd !"));
        Cancel = true;
    } else {
        a.rsMatchen.edit();
        a.rsMatchen.zet(veld, f.GeenLegeInhoud(s));
        a.rsMatchen.update();
    }
    m_vak->setText(s);
    m_vak->selectAll();
}

bool Einduur::afmaken()
{
    // Only the box being typed in: the focus in it, within its window.
    if (!m_vak || m_vak->window()->focusWidget() != m_vak || m_afgemaakt || m_bezig || !wedstrijdOpBlad())
        return true;
    m_bezig = true;
    const auto klaar = qScopeGuard([this] { m_bezig = false; });
    bool Cancel = false;
    TxtEinduur_Validate(Cancel);
    if (Cancel)
        return false;
    m_afgemaakt = true;
    return true;
}

bool Einduur::eventFilter(QObject* object, QEvent* event)
{
    return ui::afgeschermd(false, [&]() -> bool {
        if (object != m_vak)
            return QObject::eventFilter(object, event);
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
            if (!vanHetVenster(reden))
                m_afgemaakt = false;
            if (!m_bezig && !vanHetVenster(reden))
                TxtEinduur_GotFocus();
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
            // The message box of a refusal takes the focus too: that must not check again.
            if (m_bezig || vanHetVenster(reden) || !wedstrijdOpBlad())
                return false;
            if (m_afgemaakt) {
                // Checked and stored already while it kept the focus.
                m_afgemaakt = false;
                return false;
            }
            m_bezig = true;
            const auto klaar = qScopeGuard([this] { m_bezig = false; });
            bool Cancel = false;
            TxtEinduur_Validate(Cancel);
            if (Cancel && m_vak) {
                if (reden == Qt::MouseFocusReason)
                    ui::klikTegenhouden();
                m_vak->setFocus(Qt::OtherFocusReason);
                // The box keeps the focus: its own leaving (which would drop the selection) is not run.
                return true;
            }
        }
        return false;
    });
}

} // namespace sheet
