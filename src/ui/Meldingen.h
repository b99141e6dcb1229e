#pragma once

#include <QString>

namespace ui {

/**
 * The one way every window shows message boxes and file or folder dialogs.
 *
 * Windows never call QMessageBox or QFileDialog themselves: they go through meldingen(), so tests can
 * replace the real boxes by a scripted TestMeldingen. All button texts are Dutch ("OK", "Ja", "Nee",
 * "Annuleren").
 */
class Meldingen
{
public:
    virtual ~Meldingen() = default;

    /**
     * Critical box with only OK, used when an action is refused.
     * @param titel window title, shown as given
     * @param tekst message, shown as given (may contain line breaks)
     */
    virtual void kritiek(const QString& titel, const QString& tekst) = 0;

    /**
     * Warning (exclamation) box with only OK.
     * @param titel window title, shown as given
     * @param tekst message, shown as given (may contain line breaks)
     */
    virtual void waarschuwing(const QString& titel, const QString& tekst) = 0;

    /**
     * Information box with only OK.
     * @param titel window title, shown as given
     * @param tekst message, shown as given (may contain line breaks)
     */
    virtual void informatie(const QString& titel, const QString& tekst) = 0;

    /**
     * Question box with the buttons "Ja" (the default) and "Nee".
     * @param titel window title, shown as given
     * @param tekst question, shown as given (may contain line breaks)
     * @return true only when the user answered Ja; Nee and closing the box give false
     */
    virtual bool vraagJaNee(const QString& titel, const QString& tekst) = 0;

    /**
     * As vraagJaNee, but with "Nee" as the default button: Enter alone answers Nee. For questions
     * whose Ja cannot be undone.
     */
    virtual bool vraagNeeJa(const QString& titel, const QString& tekst) = 0;

    /**
     * Lets the user choose a folder.
     * @param titel dialog title
     * @param standaard folder the dialog starts in, and the answer when the user cancels
     * @return the chosen folder as the dialog gives it (no separator added), or standaard on cancel
     */
    virtual QString kiesMap(const QString& titel, const QString& standaard) = 0;

    /**
     * Lets the user choose an existing file to open.
     * @param titel dialog title
     * @param map folder the dialog starts in
     * @param filter file types in Qt's form, e.g. "Databank (*.mdb);;Alle bestanden (*)"
     * @return the full path of the chosen file, or an empty text on cancel
     */
    virtual QString kiesBestand(const QString& titel, const QString& map, const QString& filter) = 0;
};

/**
 * The instance all windows use.
 * @return the instance set with zetMeldingen(), or else the real Qt boxes (made on first use)
 */
Meldingen& meldingen();

/**
 * Replaces the instance meldingen() returns; meant for tests. The caller keeps ownership.
 * @param nieuw the new instance, or nullptr to go back to the real Qt boxes
 * @return the instance set before, or nullptr when the real Qt boxes were in use
 */
Meldingen* zetMeldingen(Meldingen* nieuw);

} // namespace ui
