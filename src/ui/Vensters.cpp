#include "ui/Vensters.h"

#include "ui/Opschriften.h"
#include "ui/Toepassing.h"

#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {

// Events through which a window's handlers run: the ones a destroyed window must not get.
bool isInvoerOfFocus(QEvent::Type soort)
{
    switch (soort) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::FocusAboutToChange:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
    case QEvent::EnabledChange:
    case QEvent::Close:
    case QEvent::Show:
    case QEvent::Hide:
        return true;
    default:
        return false;
    }
}

bool bevat(const QWidget* venster, const QObject* object)
{
    if (!venster || !object || !object->isWidgetType())
        return false;
    const auto* w = static_cast<const QWidget*>(object);
    return w == venster || venster->isAncestorOf(w);
}

bool heeftSneltoets(const QList<QAction*>& items, const QKeySequence& toets)
{
    for (const QAction* item : items) {
        if (!item->isEnabled() || !item->isVisible())
            continue;
        for (const QKeySequence& s : item->shortcuts()) {
            if (s.matches(toets) == QKeySequence::ExactMatch)
                return true;
        }
        if (item->menu() && heeftSneltoets(item->menu()->actions(), toets))
            return true;
    }
    return false;
}

// The button that Escape presses in a window: its "Annuleren", else its "Sluiten", shown and enabled.
QPushButton* annuleerknop(const QWidget* venster)
{
    QPushButton* sluiten = nullptr;
    for (QPushButton* knop : venster->findChildren<QPushButton*>()) {
        // Child windows are children too: only the window's own buttons count.
        if (knop->window() != venster || !knop->isVisible() || !knop->isEnabled())
            continue;
        const QString opschrift = getoondeTekst(knop->text());
        if (opschrift == u"Annuleren")
            return knop;
        if (opschrift == u"Sluiten" && !sluiten)
            sluiten = knop;
    }
    return sluiten;
}

// One filter on the whole application: a text box claims its editing keys, and a focus-out reaches
// the box itself, before any filter on the window could see them.
class Wachter : public QObject
{
public:
    using QObject::QObject;

    // A window's handling of one kind, forgotten when the window goes.
    template <typename Terug> struct Aanmelding
    {
        QPointer<QWidget> venster;
        std::function<Terug> terug;
    };
    using Voorvertoning = Aanmelding<bool(QWidget*, QKeyEvent*)>;
    using Activering = Aanmelding<void()>;

    QList<QPointer<QWidget>> menuVensters;
    bool knoppen = false;
    QList<Voorvertoning> voorvertoningen;
    QList<Activering> activeringen;
    // Widgets whose switching off switches off the child windows open at that moment.
    QList<QPointer<QWidget>> meeUitschakelaars;
    // The child windows switched off with such a widget (first), to be switched on again with it.
    QList<QPair<QPointer<QWidget>, QPointer<QWidget>>> meeUitgeschakeld;
    // Child windows shown since the last activation of any window, the last one shown last.
    QList<QPointer<QWidget>> nogNietActief;
    // Objects being destroyed, by address; an entry counts while its guard still holds the object (the
    // guard clears only at the very end, after the children are gone).
    QHash<const QObject*, QPointer<QObject>> afbraak;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        const QEvent::Type soort = event->type();
        if (!afbraak.isEmpty() && isInvoerOfFocus(soort) && object->isWidgetType() && inAfbraak(object))
            return true;
        switch (soort) {
        case QEvent::ShortcutOverride:
            if (menuSneltoets(object, static_cast<QKeyEvent*>(event))) {
                // Not claimed by the box: the shortcut goes to the menu item.
                event->ignore();
                return true;
            }
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (knoppen && knoptoets(object, static_cast<QKeyEvent*>(event)))
                return true;
            return voorvertonen(object, static_cast<QKeyEvent*>(event));
        case QEvent::EnabledChange:
            if (object->isWidgetType() && meeUitschakelaars.contains(static_cast<QWidget*>(object)))
                inschakelingGewijzigd(static_cast<QWidget*>(object));
            break;
        case QEvent::Close:
            // The close box of a window switched off with another: it waits like the rest of it.
            if (event->spontaneous() && object->isWidgetType() && isMeeUitgeschakeld(static_cast<QWidget*>(object))) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::Show:
            if (!event->spontaneous() && object->isWidgetType())
                geopend(static_cast<QWidget*>(object));
            break;
        case QEvent::Hide:
            if (!event->spontaneous() && object->isWidgetType())
                gesloten(static_cast<QWidget*>(object));
            break;
        case QEvent::ApplicationActivate:
            m_vanBuiten = true;
            break;
        case QEvent::ActivationChange:
            // Sent to the top-level windows only, after the activation went through their widgets.
            if (object->isWidgetType() && static_cast<QWidget*>(object)->isWindow())
                geactiveerd(static_cast<QWidget*>(object));
            break;
        default:
            break;
        }
        return false;
    }

public:
    // The child windows switched off with a widget that is gone are switched on again.
    void weesVenstersInschakelen()
    {
        const auto lijst = meeUitgeschakeld;
        meeUitgeschakeld.removeIf([](const auto& paar) { return paar.first.isNull() || paar.second.isNull(); });
        for (const auto& [wie, venster] : lijst) {
            if (wie.isNull() && venster)
                venster->setEnabled(true);
        }
    }

    bool isMeeUitgeschakeld(const QWidget* venster) const
    {
        for (const auto& paar : meeUitgeschakeld) {
            if (paar.second == venster && paar.first)
                return true;
        }
        return false;
    }

private:
    // A widget that takes the other child windows with it was switched off or on.
    void inschakelingGewijzigd(QWidget* wie)
    {
        if (!wie->isEnabled()) {
            for (QWidget* venster : QApplication::topLevelWidgets()) {
                if (venster == wie->window() || !venster->isVisible() || !venster->isEnabled()
                    || !isKindvenster(venster) || inAfbraak(venster))
                    continue;
                meeUitgeschakeld.append(qMakePair(QPointer<QWidget>(wie), QPointer<QWidget>(venster)));
                venster->setEnabled(false);
            }
            return;
        }
        const auto lijst = meeUitgeschakeld;
        meeUitgeschakeld.removeIf([wie](const auto& paar) { return paar.first == wie || paar.second.isNull(); });
        for (const auto& [van, venster] : lijst) {
            if (van == wie && venster)
                venster->setEnabled(true);
        }
    }

    bool menuSneltoets(QObject* object, QKeyEvent* event) const
    {
        if (menuVensters.isEmpty())
            return false;
        const int toets = event->key();
        if (toets == 0 || toets == Qt::Key_unknown || toets == Qt::Key_Control || toets == Qt::Key_Shift
            || toets == Qt::Key_Alt || toets == Qt::Key_Meta)
            return false;
        const QKeySequence reeks(QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(toets)));
        for (const QPointer<QWidget>& venster : menuVensters) {
            if (!bevat(venster, object))
                continue;
            for (const QMenuBar* balk : venster->findChildren<QMenuBar*>()) {
                if (heeftSneltoets(balk->actions(), reeks))
                    return true;
            }
        }
        return false;
    }

    static bool isKindvenster(const QWidget* venster)
    {
        return venster->isWindow() && venster->windowType() == Qt::Dialog && !venster->inherits("QDialog")
            && venster->parentWidget();
    }

    // Which window the user was in when a child window opened: it gets the activation back.
    void geopend(QWidget* venster)
    {
        if (!isKindvenster(venster))
            return;
        m_openers.removeIf([venster](const auto& item) { return item.first.isNull() || item.first == venster; });
        QWidget* actief = QApplication::activeWindow();
        m_openers.append(
            qMakePair(QPointer<QWidget>(venster), QPointer<QWidget>(actief != venster ? actief : nullptr)));
        nogNietActief.removeAll(venster);
        nogNietActief.append(venster);
        m_kinderen.removeAll(venster);
        m_kinderen.append(venster);
    }

    // A child window that closes gives the activation back to the window it was opened from, or else
    // to the window it belongs to, as an owned window does; without a window manager (or with one
    // that picks another window) nothing would.
    void gesloten(QWidget* venster)
    {
        if (!isKindvenster(venster))
            return;
        nogNietActief.removeAll(venster);
        QWidget* terug = nullptr;
        for (const auto& item : std::as_const(m_openers)) {
            if (item.first == venster)
                terug = item.second;
        }
        if (!terug || terug == venster || !terug->isVisible())
            terug = venster->parentWidget()->window();
        if (!terug->isVisible())
            return;
        // Left alone when the user is in another window of the program.
        const QWidget* actief = QApplication::activeWindow();
        if (actief && actief != venster && actief != terug)
            return;
        m_terugVerwacht = terug;
        terug->raise();
        terug->activateWindow();
    }

    QList<QPair<QPointer<QWidget>, QPointer<QWidget>>> m_openers;
    // Child windows in the order in which they were shown or activated, the last one last.
    QList<QPointer<QWidget>> m_kinderen;

    // The open child window of the window that was activated or shown last.
    QWidget* openKindvenster(const QWidget* venster)
    {
        m_kinderen.removeIf([](const QPointer<QWidget>& kind) { return kind.isNull(); });
        for (qsizetype i = m_kinderen.size() - 1; i >= 0; --i) {
            QWidget* kind = m_kinderen.at(i);
            if (kind->isVisible() && kind->parentWidget()->window() == venster && !isMeeUitgeschakeld(kind))
                return kind;
        }
        return nullptr;
    }

    // The part of the window that asked for its activations is switched off: the user cannot work in
    // it. (Switching off the window itself would switch off its child windows too.)
    bool uitgeschakeld(const QWidget* venster) const
    {
        for (const Activering& a : activeringen) {
            if (a.venster && a.venster->window() == venster && !a.venster->isEnabled())
                return true;
        }
        return false;
    }

    // The widget that switched the child window off with itself.
    QWidget* uitgeschakeldDoor(const QWidget* venster) const
    {
        for (const auto& paar : meeUitgeschakeld) {
            if (paar.second == venster && paar.first)
                return paar.first;
        }
        return nullptr;
    }

    // The keyboard to the open child window that has the switched-off window, or to a message box over it.
    static void naarKindvenster(QWidget* kind)
    {
        QWidget* doel = kind;
        if (QWidget* modaal = QApplication::activeModalWidget(); modaal && modaal->isVisible())
            doel = modaal;
        doel->raise();
        doel->activateWindow();
    }

    void geactiveerd(QWidget* venster)
    {
        if (!venster->isActiveWindow())
            return;
        // A click on a child window switched off with the main window: the keys go where the user works.
        if (const QWidget* wie = uitgeschakeldDoor(venster)) {
            if (QWidget* kind = openKindvenster(wie->window()))
                naarKindvenster(kind);
            return;
        }
        if (isKindvenster(venster)) {
            m_kinderen.removeAll(venster);
            m_kinderen.append(venster);
        }
        // A click on a window that is switched off while one of its child windows is open: the child
        // window takes the activation back, or the keys would go nowhere.
        if (QWidget* kind = openKindvenster(venster); kind && uitgeschakeld(venster)) {
            // A message box open over it has the keyboard.
            naarKindvenster(kind);
            return;
        }
        nogNietActief.clear();
        // Coming back from another program is no activation inside the program, unless a child
        // window gave the activation back (the window system may pass through "no window active").
        // Nor is coming back from a message box or another dialog box of the program: it was
        // modal to the window, which never stopped being the window the user is in.
        const bool naDialoog = m_dialoogWasActief;
        m_dialoogWasActief = venster->inherits("QDialog");
        const bool binnen = (!m_vanBuiten || m_terugVerwacht == venster) && !naDialoog;
        m_vanBuiten = false;
        if (m_terugVerwacht == venster)
            m_terugVerwacht = nullptr;
        if (!binnen || activeringen.isEmpty())
            return;
        const QList<Activering> lijst = activeringen;
        for (const Activering& a : lijst) {
            if (a.venster && a.terug && a.venster->window() == venster)
                afgeschermd([&a] { a.terug(); });
        }
    }

    // Enter on a focused button and Escape in a window with an Annuleren or Sluiten button; true when
    // the key was the button's.
    bool knoptoets(QObject* object, QKeyEvent* event)
    {
        if (!object->isWidgetType())
            return false;
        auto* ontvanger = static_cast<QWidget*>(object);
        const QWidget* venster = ontvanger->window();
        if (venster->inherits("QDialog"))
            return false;
        const int toets = event->key();
        if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const bool druk = event->type() == QEvent::KeyPress;
        if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
            auto* knop = qobject_cast<QPushButton*>(ontvanger);
            if (druk) {
                if (!knop || !knop->isEnabled())
                    return false;
                if (!event->isAutoRepeat()) {
                    m_enterKnop = knop;
                    knop->setDown(true);
                }
                return true;
            }
            // A release whose press went elsewhere (a message box closed with Enter) presses nothing.
            if (!knop || knop != m_enterKnop)
                return false;
            if (event->isAutoRepeat())
                return true;
            m_enterKnop = nullptr;
            // Not down any more: the button lost the focus in between.
            if (knop->isDown()) {
                knop->setDown(false);
                if (knop->isEnabled())
                    knop->click();
            }
            return true;
        }
        if (toets == Qt::Key_Escape && druk && !event->isAutoRepeat()) {
            QPushButton* knop = annuleerknop(venster);
            if (!knop)
                return false;
            knop->click();
            return true;
        }
        return false;
    }

    // The button that Enter went down on.
    QPointer<QPushButton> m_enterKnop;

    bool voorvertonen(QObject* object, QKeyEvent* event)
    {
        if (voorvertoningen.isEmpty() || !object->isWidgetType())
            return false;
        auto* ontvanger = static_cast<QWidget*>(object);
        // A key that a control ignores travels on to its parents as the same event: the window sees
        // it once, at the control it was sent to.
        const bool doorgegeven = event == m_laatsteToets && event->type() == m_laatsteSoort && m_laatsteOntvanger
            && m_laatsteOntvanger->parentWidget() == ontvanger;
        m_laatsteToets = event;
        m_laatsteSoort = event->type();
        m_laatsteOntvanger = ontvanger;
        if (doorgegeven)
            return false;
        // A copy: the callback may open or close windows that register or go.
        const QList<Voorvertoning> lijst = voorvertoningen;
        for (const Voorvertoning& v : lijst) {
            if (v.venster && v.terug && bevat(v.venster, ontvanger))
                return afgeschermd(true, [&] { return v.terug(ontvanger, event); }); // a failed key goes no further
        }
        return false;
    }

    // The key event last seen, to tell a new key from one travelling up to the parents.
    const QEvent* m_laatsteToets = nullptr;
    QEvent::Type m_laatsteSoort = QEvent::None;
    QPointer<QWidget> m_laatsteOntvanger;
    // The program became active again coming from another program: that is no activation of a window.
    bool m_vanBuiten = false;
    // The window that a closing child window gave the activation back to.
    QPointer<QWidget> m_terugVerwacht;
    // The last window activated was a dialog box (such as a message box).
    bool m_dialoogWasActief = false;
};

QPointer<Wachter>& wachterWijzer()
{
    static QPointer<Wachter> w;
    return w;
}

Wachter* wachter()
{
    QPointer<Wachter>& w = wachterWijzer();
    if (!w && QCoreApplication::instance()) {
        w = new Wachter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(w);
    }
    return w.data();
}

// Forgets the windows that are gone.
template <typename Lijst> void opruimenVan(Lijst& lijst)
{
    lijst.removeIf([](const auto& item) {
        if constexpr (requires { item.venster; })
            return item.venster.isNull();
        else
            return item.isNull();
    });
}

// Gives the window this handling, in place of the one it had.
template <typename Terug>
void aanmelden(QList<Wachter::Aanmelding<Terug>>& lijst, QWidget* venster, std::function<Terug> terug)
{
    opruimenVan(lijst);
    for (Wachter::Aanmelding<Terug>& a : lijst) {
        if (a.venster == venster) {
            a.terug = std::move(terug);
            return;
        }
    }
    lijst.append({venster, std::move(terug)});
}

} // namespace

void menuSneltoetsenVoorrang(QWidget* venster)
{
    Wachter* w = wachter();
    if (!venster || !w)
        return;
    opruimenVan(w->menuVensters);
    if (!w->menuVensters.contains(venster))
        w->menuVensters.append(venster);
}

void knoppenMetToetsen()
{
    if (Wachter* w = wachter())
        w->knoppen = true;
}

void toetsenVoorvertonen(QWidget* venster, std::function<bool(QWidget*, QKeyEvent*)> voorvertoning)
{
    if (Wachter* w = wachter(); venster && w)
        aanmelden(w->voorvertoningen, venster, std::move(voorvertoning));
}

void bijActivering(QWidget* venster, std::function<void()> terug)
{
    if (Wachter* w = wachter(); venster && w)
        aanmelden(w->activeringen, venster, std::move(terug));
}

void andereVenstersMeeUitschakelen(QWidget* venster)
{
    Wachter* w = wachter();
    if (!venster || !w)
        return;
    opruimenVan(w->meeUitschakelaars);
    if (w->meeUitschakelaars.contains(venster))
        return;
    w->meeUitschakelaars.append(venster);
    // Gone while switched off: what it took with it is switched on again.
    QObject::connect(venster, &QObject::destroyed, w, [w] { w->weesVenstersInschakelen(); });
}

QWidget* gebruikersvenster()
{
    if (Wachter* w = wachterWijzer().data()) {
        for (qsizetype i = w->nogNietActief.size() - 1; i >= 0; --i) {
            QWidget* venster = w->nogNietActief.at(i);
            if (venster && venster->isVisible())
                return venster;
        }
    }
    return QApplication::activeWindow();
}

void vensterPlaatsen(QWidget* venster, int left, int top, int breedte, int hoogte)
{
    if (!venster)
        return;
    const int x = twips(left);
    const int y = twips(top);
    venster->resize(twips(left + breedte) - x, twips(top + hoogte) - y);
    // For a window, move() places the frame; setGeometry() would place the client area there and
    // push the title bar off the screen.
    venster->move(x, y);
}

void vensterCentreren(QWidget* venster)
{
    if (!venster)
        return;
    const QScreen* scherm = venster->screen();
    if (!scherm)
        return;
    const QRect s = scherm->geometry();
    const QSize buiten = venster->frameGeometry().size();
    venster->move(s.left() + (s.width() - buiten.width()) / 2, s.top() + (s.height() - buiten.height()) / 2);
}

namespace {

// Takes every mouse button event of the program while it is installed, up to the release that ends
// the click.
class KlikTegenhouder : public QObject
{
public:
    static void starten()
    {
        if (s_actief || !qApp)
            return;
        s_actief = new KlikTegenhouder;
        s_actief->setParent(qApp);
        qApp->installEventFilter(s_actief);
        // A release that comes later than that is a click of its own, or the end of this one, which
        // reaches nothing that its press did not reach.
        QTimer::singleShot(0, s_actief, [] { stoppen(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            stoppen();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    static void stoppen()
    {
        if (!s_actief)
            return;
        qApp->removeEventFilter(s_actief);
        s_actief->deleteLater();
        s_actief = nullptr;
    }

    static inline QPointer<KlikTegenhouder> s_actief;
};

} // namespace

void klikTegenhouden()
{
    // The press that moved the focus is delivered to the clicked control after the focus change: it
    // is swallowed, with the rest of the click.
    KlikTegenhouder::starten();
}

void afbraakBegonnen(QObject* object)
{
    Wachter* w = wachter();
    if (!object || !w)
        return;
    w->afbraak.removeIf([](const auto& item) { return item.value().isNull(); });
    w->afbraak.insert(object, object);
}

bool inAfbraak(const QObject* object)
{
    const Wachter* w = wachterWijzer().data();
    if (!w || w->afbraak.isEmpty())
        return false;
    for (const QObject* o = object; o; o = o->parent()) {
        const auto gevonden = w->afbraak.constFind(o);
        // A cleared guard: that object is gone and the address belongs to another one now.
        if (gevonden != w->afbraak.cend() && !gevonden.value().isNull())
            return true;
    }
    return false;
}

} // namespace ui
