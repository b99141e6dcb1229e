#pragma once

// Handing a finished document to the user: saved in the import/export folder, then printed, opened,
// or both.

#include <QString>

namespace word {
class Document;
}

namespace core {

/**
 * Saves the document in the import/export folder (the option Pad Opslaan) under the file name; an older
 * file of that name is replaced only by a complete one.
 * @return the path saved to
 * @throw word::WordFout when the import/export folder is not set or the file cannot be written
 */
QString DocumentBewaren(word::Document& document, const QString& bestandsnaam);

/**
 * Hands a saved document to the user. With afdrukken 1 it is printed on the default printer; it is opened in
 * the desktop's program for documents unless afdrukken and sluiten are both 1. When printing or opening is not
 * possible, a message says so and names the saved file.
 * @param titel the title of those messages
 */
void DocumentAanbieden(const QString& pad, int afdrukken, int sluiten, const QString& titel);

} // namespace core
