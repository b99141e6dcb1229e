#include "ui/Toepassing.h"

#include "ui/Meldingen.h"
#include "ui/Opschriften.h"
#include "ui/Zandloper.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>
#include <QtDebug>

#include <atomic>

namespace ui {

namespace {

std::function<void()>& herstel()
{
    static std::function<void()> h;
    return h;
}

// The events being delivered now on this thread, the innermost last (a handler that waits for a
// message box delivers further events inside its own). Qt delivers on other threads too (the
// network's), each with its own list.
struct Aflevering
{
    QPointer<QObject> ontvanger;
    QEvent::Type soort;
};
QList<Aflevering>& afleveringen()
{
    thread_local QList<Aflevering> lijst;
    return lijst;
}

std::atomic<int> s_foutenDoorQt{0};

// A caption as the user reads it, in one line: "&Sluiten" is "Sluiten", "&&" is one "&".
QString zonderSneltoets(const QString& tekst)
{
    return getoondeTekst(tekst).simplified();
}

struct Soort
{
    QString bepaald;   // "het vak"
    QString onbepaald; // "een vak"
};

Soort soortVan(const QWidget* w)
{
    if (qobject_cast<const QCheckBox*>(w))
        return {QStringLiteral("het vakje"), QStringLiteral("een vakje")};
    if (qobject_cast<const QRadioButton*>(w))
        return {QStringLiteral("de keuze"), QStringLiteral("een keuze")};
    if (qobject_cast<const QAbstractButton*>(w))
        return {QStringLiteral("de knop"), QStringLiteral("een knop")};
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return {QStringLiteral("het vak"), QStringLiteral("een vak")};
    if (qobject_cast<const QComboBox*>(w))
        return {QStringLiteral("de keuzelijst"), QStringLiteral("een keuzelijst")};
    if (qobject_cast<const QAbstractItemView*>(w))
        return {QStringLiteral("de lijst"), QStringLiteral("een lijst")};
    return {};
}

// The control the user acted on: a list's or text field's inner area stands for the control.
QWidget* besturing(QWidget* w)
{
    if (soortVan(w).bepaald.isEmpty()) {
        if (auto* rol = qobject_cast<QAbstractScrollArea*>(w ? w->parentWidget() : nullptr);
            rol && rol->viewport() == w)
            return rol;
    }
    return w;
}

// "het vak "set 1 uit, wedstrijd 3"", "de knop "Sluiten"", or "een vak" when it has no name.
QString besturingNaam(QWidget* w)
{
    const Soort soort = soortVan(w);
    if (soort.bepaald.isEmpty())
        return QString();
    QString naam = w->accessibleName();
    if (naam.isEmpty()) {
        if (const auto* knop = qobject_cast<const QAbstractButton*>(w))
            naam = zonderSneltoets(knop->text());
    }
    return naam.isEmpty() ? soort.onbepaald : soort.bepaald + QStringLiteral(" \"") + naam + u'"';
}

// The title of the window the control is on; a window in the main frame's work area counts as one.
QString vensterTitel(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->isWindow() || qobject_cast<const QMdiSubWindow*>(p->parentWidget())) {
            if (!p->windowTitle().isEmpty())
                return p->windowTitle();
        }
    }
    return QString();
}

QString vensterNaam(const QWidget* w)
{
    const QString titel = vensterTitel(w);
    return titel.isEmpty() ? QString() : QStringLiteral(" in het venster \"") + titel + u'"';
}

QString hoofdletter(QString tekst)
{
    if (!tekst.isEmpty())
        tekst[0] = tekst[0].toUpper();
    return tekst;
}

// A key's character, to be taken from it.
struct TekenVanToets : QKeyEvent
{
    static constexpr QString QKeyEvent::*teken = &TekenVanToets::m_text;
};

// A box that takes the characters of the keys typed in it.
bool isTekstvak(const QObject* object)
{
    if (const auto* lijst = qobject_cast<const QComboBox*>(object))
        return lijst->isEditable();
    return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QTextEdit*>(object)
        || qobject_cast<const QPlainTextEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

// Alt with a letter, digit or sign is a key of a window or its menus, never a character: a key that
// no mnemonic or shortcut took reaches the box without its character, so that the box types nothing.
// Ctrl+Alt is how some keyboards give AltGr, which does type ("@", "€").
void altTekenWeglaten(QObject* ontvanger, QEvent* event)
{
    if (!event || event->type() != QEvent::KeyPress)
        return;
    auto* toets = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers wijzigers = toets->modifiers();
    if (!wijzigers.testFlag(Qt::AltModifier) || wijzigers.testFlag(Qt::ControlModifier) || toets->text().isEmpty()
        || !isTekstvak(ontvanger))
        return;
    (toets->*TekenVanToets::teken).clear();
}

} // namespace

Toepassing::Toepassing(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Toepassing::notify(QObject* ontvanger, QEvent* event)
{
    QList<Aflevering>& lijst = afleveringen();
    lijst.append({ontvanger, event ? event->type() : QEvent::None});
    const qsizetype diepte = lijst.size();
    struct Klaar
    {
        QList<Aflevering>& lijst;
        qsizetype diepte;
        ~Klaar() { lijst.resize(diepte - 1); }
    } klaar{lijst, diepte};
    try {
        altTekenWeglaten(ontvanger, event);
        return QApplication::notify(ontvanger, event);
    } catch (...) {
        // A handler that was not run through afgeschermd(): the exception has already passed
        // through Qt's own code. The user is still told, as for any other failed action.
        ++s_foutenDoorQt;
        qCritical("An exception passed through Qt's event delivery: a handler is not run through ui::afgeschermd().");
        lijst.resize(diepte);
        handlerMislukt(std::current_exception());
        return false;
    }
}

int foutenDoorQt()
{
    return s_foutenDoorQt.load();
}

void handlerMislukt(std::exception_ptr fout) noexcept
{
    QString actie;
    try {
        const QList<Aflevering>& lijst = afleveringen();
        if (lijst.isEmpty()) {
            actie = QStringLiteral("Een actie");
        } else {
            // The description needs an event only for its type.
            QEvent event(lijst.last().soort);
            actie = actieOmschrijving(lijst.last().ontvanger.data(), &event);
        }
    } catch (...) {
        actie = QStringLiteral("Een actie");
    }
    actieMislukt(actie, fout);
}

QString actieOmschrijving(QObject* ontvanger, const QEvent* event)
{
    if (const auto* actie = qobject_cast<const QAction*>(ontvanger)) {
        const QString tekst = zonderSneltoets(actie->text());
        return tekst.isEmpty() ? QStringLiteral("Een opdracht") : QStringLiteral("De opdracht \"") + tekst + u'"';
    }
    if (const auto* menu = qobject_cast<const QMenu*>(ontvanger); menu && menu->activeAction()) {
        const QString tekst = zonderSneltoets(menu->activeAction()->text());
        if (!tekst.isEmpty())
            return QStringLiteral("De opdracht \"") + tekst + u'"';
    }
    QWidget* w = besturing(qobject_cast<QWidget*>(ontvanger));
    if (!w)
        return QStringLiteral("Een actie");
    const QString naam = besturingNaam(w);
    const QString venster = vensterNaam(w);
    const QEvent::Type soort = event ? event->type() : QEvent::None;
    if (soort == QEvent::Close)
        return venster.isEmpty() ? QStringLiteral("Het sluiten van een venster")
                                 : QStringLiteral("Het sluiten van het venster \"") + vensterTitel(w) + u'"';
    if (naam.isEmpty())
        return QStringLiteral("Een actie") + venster;
    switch (soort) {
    case QEvent::FocusOut:
        return QStringLiteral("Het verlaten van ") + naam + venster;
    case QEvent::FocusIn:
        return QStringLiteral("Het betreden van ") + naam + venster;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return QStringLiteral("Een toets in ") + naam + venster;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return QStringLiteral("Een klik op ") + naam + venster;
    default:
        return hoofdletter(naam) + venster;
    }
}

QString foutOorzaak(std::exception_ptr fout)
{
    try {
        if (fout)
            std::rethrow_exception(fout);
    } catch (const std::exception& e) {
        const QString tekst = QString::fromUtf8(e.what()).trimmed();
        if (!tekst.isEmpty())
            return tekst;
    } catch (...) {
    }
    return QStringLiteral("Een onbekende fout.");
}

void zetHerstel(std::function<void()> nieuw)
{
    herstel() = std::move(nieuw);
}

void actieMislukt(const QString& actie, std::exception_ptr fout)
{
    const QString tekst = actie + QStringLiteral(" is mislukt.\n\nOorzaak: ") + foutOorzaak(fout)
                          + QStringLiteral("\n\nWat nog niet bewaard was, is niet bewaard.");
    qWarning().noquote() << tekst;
    if (herstel()) {
        try {
            herstel()();
        } catch (...) {
            // The clean-up does what it can; the report below must come in any case.
        }
    }
    zandloperUit();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    try {
        meldingen().kritiek(QStringLiteral("Onverwachte fout"), tekst);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

} // namespace ui
