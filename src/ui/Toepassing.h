#pragma once

// The one place where an unexpected error of a handler is caught.
//
// Every handler of the program runs because Qt delivers an event: a key, a click, a change of
// focus, a timer, a window being closed; signals such as clicked and toggled are emitted while
// such an event is delivered. Qt lets no exception cross its event loop, so the application's
// delivery of each event is where an error that no handler dealt with itself is stopped: the
// action ends there, what it left half-done is put right, the user is told what failed and why,
// and the program goes on with the next event.

#include <QApplication>

#include <exception>
#include <functional>

class QEvent;

namespace ui {

/** The application object of the program (and of the tests that drive its windows). */
class Toepassing : public QApplication
{
public:
    Toepassing(int& argc, char** argv);

    /** Delivers the event; an exception that leaves its handlers is reported by actieMislukt(). */
    bool notify(QObject* ontvanger, QEvent* event) override;
};

/**
 * What the user was doing when an event's handlers failed, in Dutch and starting with a capital,
 * for example: Het verlaten van het vak "set 1 uit, wedstrijd 3" in het venster "Wedstrijdblad".
 * A control is named by its accessible name, else by its caption.
 */
QString actieOmschrijving(QObject* ontvanger, const QEvent* event);

/** The cause of a failure in words: the text of the exception, or that it is unknown. */
QString foutOorzaak(std::exception_ptr fout);

/**
 * Sets what is put right after an action stopped on an unexpected error, before the user is told:
 * pending values given up, windows showing what is stored, the main window enabled again. The
 * program's wiring sets it once.
 */
void zetHerstel(std::function<void()> herstel);

/**
 * Finishes an action that stopped on an unexpected error: runs the clean-up set by zetHerstel(),
 * takes back the hourglass pointer, and reports the action and the cause in a critical box.
 * Nothing of this throws.
 */
void actieMislukt(const QString& actie, std::exception_ptr fout);

} // namespace ui
