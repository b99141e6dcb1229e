#pragma once

#include <QHash>
#include <QSet>
#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

/** Bits of the shift state passed to KeyUp, combined with |. */
enum ShiftToestand
{
    ShiftToets = 1,
    CtrlToets = 2,
    AltToets = 4
};

/**
 * The Windows virtual-key code of a key: Return and keypad Enter 13, Tab (also Shift+Tab) 9, Escape 27,
 * Page Up 33, Page Down 34, End 35, Home 36, the arrows 37-40, Insert 45, Delete 46, letters and digits their
 * upper-case ASCII code, keypad digits 96-105, F1-F12 112-123.
 * @param event the key event
 * @return the code, or 0 for a key without a fixed code (punctuation depends on the keyboard layout)
 */
int vbToetsCode(const QKeyEvent* event);

/**
 * Turns focus and key events of registered widgets into GotFocus, LostFocus and KeyUp calls, each with the
 * index the widget was registered under.
 *
 * The calls follow the widgets' focus as the user sees it inside the window:
 * - GotFocus and LostFocus alternate per widget: no second GotFocus without a LostFocus in between.
 * - Losing focus because the window is deactivated or a popup opens (a message box, a menu, another program)
 *   is no LostFocus; when focus comes back to the same widget there is no new GotFocus either. When it comes
 *   back to a different registered widget, the old one gets its LostFocus first.
 * - While a LostFocus handler runs, focus that returns after a message box it showed is no GotFocus: Qt has
 *   already moved focus to the next widget at that point, but that widget only counts once the handler is done
 *   and has not put focus elsewhere.
 * - Auto-repeated key releases are ignored; KeyUp gets the key's vbToetsCode() and the ShiftToestand bits.
 *
 * - afmaken() runs the LostFocus of the widget the user is in while it keeps the focus (a menu item or key
 *   that must not act on a value still being typed). The widget then counts as left until it is edited
 *   again (a text box's text edited, with a key or without one: pasted, dropped, undone; another widget:
 *   a key pressed in it) or the focus comes to it again.
 *
 * Each callback runs through afgeschermd() (ui/Toepassing.h): an error that leaves it is reported there.
 * Events are only observed, never swallowed. A callback must not delete the widget whose event it handles
 * (use deleteLater()).
 */
class Gebeurtenissen : public QObject
{
    Q_OBJECT

public:
    explicit Gebeurtenissen(QObject* parent = nullptr);

    /**
     * Starts watching a widget. Registering it again only changes its index.
     * @param widget the widget; it is forgotten when destroyed
     * @param index the number passed to the callbacks for this widget
     */
    void registreer(QWidget* widget, int index);
    /** The index a widget was registered with; -1 for a widget not watched. */
    int index(const QObject* widget) const { return m_indexen.value(widget, -1); }

    /** @param terug called with the index of a widget that got focus */
    void zetGotFocus(std::function<void(int index)> terug) { m_gotFocus = std::move(terug); }
    /** @param terug called with the index of a widget that lost focus */
    void zetLostFocus(std::function<void(int index)> terug) { m_lostFocus = std::move(terug); }
    /** @param terug called with the index, vbToetsCode() and ShiftToestand bits of a released key */
    void zetKeyUp(std::function<void(int index, int keyCode, int shift)> terug) { m_keyUp = std::move(terug); }
    /**
     * During a KeyUp call: whether the key went down elsewhere and only its release came here (a
     * list walked with the arrow keys that put the focus in this widget, a message box closed with
     * Enter, whose release goes to the widget that has the focus afterwards).
     */
    bool lossingVanElders() const { return m_lossingVanElders; }
    /** Whether the key (a vbToetsCode()) went down in the widget and has not come up yet. */
    bool ingedrukt(const QObject* widget, int keyCode) const
    {
        return m_ingedrukt.value(widget).contains(keyCode);
    }
    /**
     * The key (a vbToetsCode()) held down in the widget has done its work already: its release counts
     * as one from elsewhere (see lossingVanElders()).
     */
    void toetsAfgehandeld(const QObject* widget, int keyCode)
    {
        if (const auto i = m_ingedrukt.find(widget); i != m_ingedrukt.end())
            i->remove(keyCode);
    }
    /**
     * Finishes the widget the user is in (the one that had its GotFocus and not yet its LostFocus) as leaving
     * it would: its LostFocus runs, with Qt::OtherFocusReason, while it keeps the focus. From then on it
     * counts as left: the focus going elsewhere runs no LostFocus for it again, until it is edited again (a
     * QLineEdit's textEdited, also for a paste, drop or undo without a key; a key pressed in another widget:
     * it is the widget the user is in again, without a GotFocus) or the focus comes to it again. Focus
     * that comes back to it from a message box, a menu or another window changes nothing: it never went.
     * @return false when the LostFocus handler failed (the error is reported); true otherwise, also when
     *         no widget was being worked in
     */
    bool afmaken();

    /**
     * During a LostFocus call: how the focus went, as Qt gives the reason (Qt::BacktabFocusReason for
     * Shift+Tab); Qt::OtherFocusReason outside a call.
     */
    Qt::FocusReason verlatenMet() const { return m_verlatenMet; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void focusIn(QObject* object, int index, Qt::FocusReason reden);
    void focusOut(QObject* object, int index, Qt::FocusReason reden);
    /** The widget was worked in: a finished one is the widget the user is in again. */
    void bewerkt(QObject* object);
    /** @return false when the handler failed */
    bool meldLostFocus(int index, Qt::FocusReason reden);

    QHash<const QObject*, int> m_indexen;
    // The widget that last got a GotFocus and has not had its LostFocus yet.
    QPointer<QObject> m_actief;
    // The widget that afmaken() finished while it kept the focus: left, until it is edited or the focus comes to it.
    QPointer<QObject> m_afgemaakt;
    // How many LostFocus handlers are running (nested when one moves focus).
    int m_inLostFocus = 0;
    std::function<void(int)> m_gotFocus;
    std::function<void(int)> m_lostFocus;
    std::function<void(int, int, int)> m_keyUp;
    bool m_lossingVanElders = false;
    Qt::FocusReason m_verlatenMet = Qt::OtherFocusReason;
    // Per watched widget: the keys pressed in it and not yet released.
    QHash<const QObject*, QSet<int>> m_ingedrukt;
};

} // namespace ui
