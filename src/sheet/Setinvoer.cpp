#include "Setinvoer.h"

#include "Blad.h"
#include "Setcontrole.h"

#include "core/AlgemeneFuncties.h"
#include "core/Algemeen.h"
#include "core/FrmWedstrijdInput.h"
#include "core/Matchkolommen.h"
#include "ui/Gebeurtenissen.h"
#include "ui/Meldingen.h"
#include "ui/Toepassing.h"
#include "ui/Vensters.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

using core::algemeen;

namespace sheet {

namespace {

// The key codes the boxes act on.
constexpr int Enter = 13;
constexpr int Einde = 35;
constexpr int Begin = 36;
constexpr int Links = 37;
constexpr int Boven = 38;
constexpr int Rechts = 39;
constexpr int Onder = 40;

bool ingeschakeld(const QWidget* w)
{
    return !w->testAttribute(Qt::WA_Disabled);
}

} // namespace

void SetvakTonen(QLineEdit* vak, const QString& tekst)
{
    // A box cuts what it is given at its maximum length, so the limit makes room first.
    vak->setMaxLength(std::max(SetvakLengte, static_cast<int>(tekst.size())));
    vak->setText(tekst);
}

Setinvoer::Setinvoer(FrmWedstrijdInput& venster, Blad& blad)
    : QObject(&venster)
    , m_venster(&venster)
    , m_blad(blad)
{
    core::Wedstrijdblad& b = venster.blad;
    // One watcher for all set boxes, so that a box reached while another box's check runs (and shows
    // its message) is never taken for a box the user reached. Index: row * 10 + column, the columns
    // in the order set 1 home, set 1 away, ..., set 5 away.
    auto* gebeurtenissen = new ui::Gebeurtenissen(this);
    m_gebeurtenissen = gebeurtenissen;
    for (int s = 1; s <= core::Wedstrijdblad::AantalSets; ++s) {
        for (const bool thuis : {true, false}) {
            const QList<QLineEdit*>& kolom = b.setKolom(s, thuis);
            for (int rij = 0; rij < kolom.size(); ++rij) {
                QLineEdit* vak = kolom[rij];
                vak->setMaxLength(SetvakLengte);
                vak->setAccessibleName(QStringLiteral("set %1 %2, wedstrijd %3")
                                           .arg(s)
                                           .arg(thuis ? QStringLiteral("thuis") : QStringLiteral("uit"))
                                           .arg(rij + 1));
                vak->installEventFilter(this);
                gebeurtenissen->registreer(vak, rij * 10 + 2 * (s - 1) + (thuis ? 0 : 1));
                ui::verbinden(vak, &QLineEdit::textChanged, this, [this, vak] { TxtSet_Change(vak); });
            }
        }
    }
    const auto vakVan = [](int index, int& rij, int& setNr, bool& thuis) {
        rij = index / 10;
        setNr = index % 10 / 2 + 1;
        thuis = index % 2 == 0;
    };
    gebeurtenissen->zetGotFocus([this, vakVan](int index) {
        int rij, setNr;
        bool thuis;
        vakVan(index, rij, setNr, thuis);
        TxtSet_GotFocus(m_venster->blad.set(rij, setNr, thuis));
    });
    gebeurtenissen->zetKeyUp([this, vakVan, gebeurtenissen](int index, int toets, int) {
        int rij, setNr;
        bool thuis;
        vakVan(index, rij, setNr, thuis);
        TxtSet_KeyUp(setNr, thuis, rij, toets, gebeurtenissen->lossingVanElders());
    });
    gebeurtenissen->zetLostFocus([this, vakVan, gebeurtenissen](int index) {
        int rij, setNr;
        bool thuis;
        vakVan(index, rij, setNr, thuis);
        if (thuis) // leaving a home box checks nothing
            return;
        const Qt::FocusReason reden = gebeurtenissen->verlatenMet();
        m_geweigerd = true; // until the check has run to its end
        m_geweigerd = !SetUit_LostFocus(setNr, rij, reden == Qt::BacktabFocusReason);
        // A click that left a refused set does not go on to what it clicked (another match, a button).
        if (m_geweigerd && reden == Qt::MouseFocusReason)
            ui::klikTegenhouden();
    });
}

bool Setinvoer::afmaken()
{
    m_geweigerd = false;
    const bool klaar = m_gebeurtenissen->afmaken();
    return klaar && !m_geweigerd;
}

void Setinvoer::TxtSet_Change(QLineEdit* vak)
{
    // A longer stored value that was shown has been typed over or emptied: typing's limit again.
    if (vak->maxLength() > SetvakLengte && vak->text().size() <= SetvakLengte)
        vak->setMaxLength(SetvakLengte);
    // Trailing characters that are no digit go one by one (each removal is a change again).
    if (!algemeen().blnEventsActief)
        return;
    const QString tekst = vak->text();
    if (tekst.isEmpty())
        return;
    const QChar laatste = tekst.back();
    if (laatste < u'0' || laatste > u'9')
        vak->setText(tekst.chopped(1));
}

void Setinvoer::TxtSet_GotFocus(QLineEdit* vak)
{
    vak->setSelection(0, static_cast<int>(vak->text().size()));
}

bool Setinvoer::eventFilter(QObject* object, QEvent* event)
{
    return ui::afgeschermd(false, [&]() -> bool {
        // The focus handler selects the text, but the press that gave the focus goes on to place the
        // cursor: the selection is made again when that press ends, so that typing replaces the text.
        switch (event->type()) {
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                m_geklikt = qobject_cast<QLineEdit*>(object);
            break;
        case QEvent::FocusOut:
            if (m_geklikt == object)
                m_geklikt = nullptr;
            break;
        case QEvent::MouseButtonRelease:
            if (m_geklikt == object) {
                m_geklikt = nullptr;
                TxtSet_GotFocus(static_cast<QLineEdit*>(object));
            }
            break;
        case QEvent::KeyPress:
            if (auto* vak = qobject_cast<QLineEdit*>(object))
                return toetsTijdensVerplaatsing(vak, static_cast<QKeyEvent*>(event));
            break;
        default:
            break;
        }
        return false;
    });
}

bool Setinvoer::toetsTijdensVerplaatsing(QLineEdit* vak, QKeyEvent* toets)
{
    const int index = m_gebeurtenissen ? m_gebeurtenissen->index(vak) : -1;
    if (!m_venster || toets->isAutoRepeat() || index < 0)
        return false;
    const int code = ui::vbToetsCode(toets);
    if (code == Enter || code == Rechts)
        return false;
    int verplaatsing = 0;
    for (const int v : {Enter, Rechts}) {
        if (m_gebeurtenissen->ingedrukt(vak, v))
            verplaatsing = v;
    }
    if (verplaatsing == 0)
        return false;

    m_gebeurtenissen->toetsAfgehandeld(vak, verplaatsing);
    m_geweigerd = false;
    TxtSet_KeyUp(index % 10 / 2 + 1, index % 2 == 0, index / 10, verplaatsing);
    // A refused set has shown its message and put the focus back in the set: the key was typed
    // before the user could see it and goes nowhere.
    if (m_geweigerd)
        return true;
    QWidget* naar = vak->window()->focusWidget();
    if (!naar || naar == vak)
        return false; // no move: the key stays in this box
    QKeyEvent kopie(toets->type(), toets->key(), toets->modifiers(), toets->nativeScanCode(),
                    toets->nativeVirtualKey(), toets->nativeModifiers(), toets->text(), false,
                    static_cast<quint16>(toets->count()));
    QCoreApplication::sendEvent(naar, &kopie);
    return true;
}

bool Setinvoer::naar(QLineEdit* vak)
{
    if (!ingeschakeld(vak))
        return false;
    vak->setFocus(Qt::OtherFocusReason);
    return true;
}

bool Setinvoer::eersteIngeschakeld(int setNr, bool thuis, int van, int stap)
{
    const int laatste = algemeen().intLaatsteWedstrijd;
    for (int rij = van; rij >= 0 && rij <= laatste; rij += stap) {
        if (naar(m_venster->blad.set(rij, setNr, thuis)))
            return true;
    }
    return false;
}

void Setinvoer::TxtSet_KeyUp(int setNr, bool thuis, int rij, int toets, bool vanElders)
{
    if (!m_venster)
        return;
    core::Algemeen& a = algemeen();
    const core::Wedstrijdblad& b = m_venster->blad;
    // A key that went down elsewhere moves nothing: the Down that chose a match in a list, the
    // Enter that closed a message box. That Enter still ends the wait after a wrong set score, so
    // that the home box keeps the focus for the correction and the next Enter moves on.
    if (vanElders) {
        if ((toets == Enter || toets == Rechts) && thuis && a.blnUitslagFout)
            a.blnUitslagFout = false;
        return;
    }
    switch (toets) {
    case Links:
        if (!thuis)
            naar(b.set(rij, setNr, true));
        else if (setNr > 1)
            naar(b.set(rij, setNr - 1, false));
        break;
    case Enter:
    case Rechts:
        if (thuis) {
            if (a.blnUitslagFout)
                a.blnUitslagFout = false;
            else
                naar(b.set(rij, setNr, false));
        } else if (setNr < core::Wedstrijdblad::AantalSets) {
            naar(b.set(rij, setNr + 1, true));
        } else {
            m_blad.VolgendeWedstrijd(rij);
        }
        break;
    case Onder:
        if (rij < a.intLaatsteWedstrijd)
            eersteIngeschakeld(setNr, thuis, rij + 1, 1);
        break;
    case Boven:
        if (rij > 0)
            eersteIngeschakeld(setNr, thuis, rij - 1, -1);
        break;
    case Begin:
        eersteIngeschakeld(1, true, 0, 1);
        break;
    case Einde:
        eersteIngeschakeld(core::Wedstrijdblad::AantalSets, false, a.intLaatsteWedstrijd, -1);
        break;
    default:
        break;
    }
}

bool Setinvoer::SetUit_LostFocus(int setNr, int rij, bool terug)
{
    if (!m_venster)
        return true;
    core::Algemeen& a = algemeen();
    const core::Wedstrijdblad& b = m_venster->blad;
    if (!a.blnEventsActief || b.ChkForfaitT->isChecked() || b.ChkForfaitUit->isChecked())
        return true;
    QLineEdit* vakThuis = b.set(rij, setNr, true);
    QLineEdit* vakUit = b.set(rij, setNr, false);
    if (!ingeschakeld(vakThuis) || !ingeschakeld(vakUit))
        return true;

    QString thuis = vakThuis->text();
    QString uit = vakUit->text();
    const Setuitkomst uitkomst = SetControleren(thuis, uit);
    // What the check filled in or completed stays in the boxes, also for a wrong score.
    if (vakThuis->text() != thuis)
        vakThuis->setText(thuis);
    if (vakUit->text() != uit)
        vakUit->setText(uit);
    if (uitkomst == Setuitkomst::Fout) {
        ui::meldingen().kritiek(QStringLiteral("Setstand"), QStringLiteral("Dit is een verkeerde setstand !"));
        a.blnUitslagFout = true;
        vakThuis->setFocus(Qt::OtherFocusReason);
        TxtSet_GotFocus(vakThuis); // selected also while the window waits for its activation
        return false;
    }

    const core::AlgemeneFuncties& f = core::objAlgemeneFuncties();
    try {
        a.rsMatchen.edit();
        a.rsMatchen.zet(core::SetKolom(rij + 1, setNr, true), f.GeenLegeInhoud(thuis));
        a.rsMatchen.zet(core::SetKolom(rij + 1, setNr, false), f.GeenLegeInhoud(uit));
        a.rsMatchen.update();
    } catch (...) {
        // The set was not stored (most often another program holds the database): the focus goes back to it, so
        // that what is typed next is this set again and not the next one.
        vakThuis->setFocus(Qt::OtherFocusReason);
        throw;
    }

    m_blad.UitslagBerekenen(a.blnEventsActief);
    // Shift+Tab goes back where it was sent, also out of a decided game: sending it on to the next
    // game would make Shift+Tab go round in circles.
    if (setNr >= 3 && uitkomst == Setuitkomst::Goed && !terug)
        m_blad.VolgendeWedstrijd(rij);
    return true;
}

} // namespace sheet
