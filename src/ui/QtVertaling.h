#pragma once

class QObject;

namespace ui {

/**
 * Puts Qt's own texts in Dutch: the folder dialog (Naam, Grootte, Type, Datum gewijzigd), the
 * standard buttons and the other texts that Qt's dialogs and controls bring along. Reads the
 * translations that come with Qt (Debian: qt6-translations-l10n); without them Qt speaks English and
 * the program goes on.
 * @param eigenaar owns the loaded translations; they are removed again when it goes
 * @return true when the translations were found and installed
 */
bool qtVertalingLaden(QObject* eigenaar);

} // namespace ui
