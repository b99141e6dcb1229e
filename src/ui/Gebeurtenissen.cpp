#include "ui/Gebeurtenissen.h"

#include "ui/Toepassing.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QWidget>

namespace ui {

int vbToetsCode(const QKeyEvent* event)
{
    if (!event)
        return 0;
    const int toets = event->key();
    const bool numeriek = event->modifiers().testFlag(Qt::KeypadModifier);

    if (toets >= Qt::Key_0 && toets <= Qt::Key_9)
        return numeriek ? 96 + (toets - Qt::Key_0) : toets;
    if (toets >= Qt::Key_A && toets <= Qt::Key_Z)
        return toets;
    if (toets >= Qt::Key_F1 && toets <= Qt::Key_F12)
        return 112 + (toets - Qt::Key_F1);

    switch (toets) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return numeriek ? 106 : 0;
    case Qt::Key_Plus:
        return numeriek ? 107 : 0;
    case Qt::Key_Minus:
        return numeriek ? 109 : 0;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return numeriek ? 110 : 0;
    case Qt::Key_Slash:
        return numeriek ? 111 : 0;
    default:
        return 0;
    }
}

Gebeurtenissen::Gebeurtenissen(QObject* parent)
    : QObject(parent)
{
}

void Gebeurtenissen::registreer(QWidget* widget, int index)
{
    if (!widget)
        return;
    if (!m_indexen.contains(widget)) {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this](QObject* weg) {
            m_indexen.remove(weg);
            m_ingedrukt.remove(weg);
        });
        // A text box is edited also without a key: pasted from its context menu or with the middle
        // button, dropped, undone.
        if (auto* vak = qobject_cast<QLineEdit*>(widget))
            connect(vak, &QLineEdit::textEdited, this, [this, vak] { bewerkt(vak); });
    }
    m_indexen.insert(widget, index);
}

bool Gebeurtenissen::eventFilter(QObject* object, QEvent* event)
{
    const auto gevonden = m_indexen.constFind(object);
    if (gevonden == m_indexen.cend())
        return false;
    const int index = gevonden.value();

    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(object, index, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::FocusOut:
        // A key held down here is released where the focus went.
        m_ingedrukt.remove(object);
        focusOut(object, index, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::KeyPress: {
        const auto* toets = static_cast<QKeyEvent*>(event);
        if (!toets->isAutoRepeat())
            m_ingedrukt[object].insert(vbToetsCode(toets));
        // A text box counts as edited by its text alone (a key that changes nothing, an arrow, is no edit).
        if (!qobject_cast<QLineEdit*>(object))
            bewerkt(object);
        break;
    }
    case QEvent::KeyRelease: {
        const auto* toets = static_cast<QKeyEvent*>(event);
        if (toets->isAutoRepeat())
            break;
        const bool eigen = m_ingedrukt[object].remove(vbToetsCode(toets));
        if (!m_keyUp)
            break;
        const Qt::KeyboardModifiers modifiers = toets->modifiers();
        int shift = 0;
        if (modifiers.testFlag(Qt::ShiftModifier))
            shift |= ShiftToets;
        if (modifiers.testFlag(Qt::ControlModifier))
            shift |= CtrlToets;
        if (modifiers.testFlag(Qt::AltModifier))
            shift |= AltToets;
        m_lossingVanElders = !eigen;
        const auto terug = qScopeGuard([this] { m_lossingVanElders = false; });
        afgeschermd([&] { m_keyUp(index, vbToetsCode(toets), shift); });
        break;
    }
    default:
        break;
    }
    return false;
}

void Gebeurtenissen::bewerkt(QObject* object)
{
    if (m_afgemaakt != object)
        return;
    // Worked in again after it was finished: leaving it counts again.
    m_afgemaakt = nullptr;
    m_actief = object;
}

void Gebeurtenissen::focusIn(QObject* object, int index, Qt::FocusReason reden)
{
    if (m_actief == object)
        return; // focus came back after a window switch or popup: it never really left
    if (m_afgemaakt) {
        // A finished widget back from a message box or a menu: it never went, and stays finished.
        if (m_afgemaakt == object && (reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason))
            return;
        m_afgemaakt = nullptr;
    }
    if (m_inLostFocus > 0 && (reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason))
        return; // back from a box shown by the LostFocus handler, on a widget the user has not reached yet
    if (m_actief) {
        // The previous widget's focus-out was a window switch; now focus really moved on from it.
        const auto vorige = m_indexen.constFind(m_actief.data());
        m_actief = nullptr;
        if (vorige != m_indexen.cend())
            meldLostFocus(vorige.value(), reden);
        if (m_actief)
            return; // the LostFocus handler put focus somewhere else already
    }
    m_actief = object;
    if (m_gotFocus)
        afgeschermd([&] { m_gotFocus(index); });
}

void Gebeurtenissen::focusOut(QObject* object, int index, Qt::FocusReason reden)
{
    if (reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason)
        return;
    if (m_afgemaakt == object) {
        m_afgemaakt = nullptr; // finished already: leaving it now checks nothing more
        return;
    }
    if (m_actief != object)
        return; // no GotFocus was reported for it, so no LostFocus either
    m_actief = nullptr;
    meldLostFocus(index, reden);
}

bool Gebeurtenissen::afmaken()
{
    QObject* object = m_actief.data();
    const auto gevonden = object ? m_indexen.constFind(object) : m_indexen.cend();
    if (gevonden == m_indexen.cend())
        return true;
    m_actief = nullptr;
    // Set first: when the handler moves the focus, the widget's leaving ends its finished state.
    m_afgemaakt = object;
    return meldLostFocus(gevonden.value(), Qt::OtherFocusReason);
}

bool Gebeurtenissen::meldLostFocus(int index, Qt::FocusReason reden)
{
    if (!m_lostFocus)
        return true;
    ++m_inLostFocus;
    const auto klaar = qScopeGuard([this] { --m_inLostFocus; });
    const QScopedValueRollback terug(m_verlatenMet, reden);
    return afgeschermd([&] { m_lostFocus(index); });
}

} // namespace ui
