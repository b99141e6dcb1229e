#pragma once

// Handing a finished document to the user: saved in the import/export folder under the kind of document
// and the match number, then printed, opened, or both.

#include <QString>

namespace word {
class Document;
}

namespace printing {

/**
 * The file a document of this kind for the match on the sheet is saved as: the import/export folder, the
 * kind, a blank, the match number and ".docx" ("Wedstrijdblad POVLH11003.docx").
 */
QString documentPad(const QString& soort);

/**
 * Saves the document under documentPad(soort); an older file of that name is replaced only by a complete one.
 * @return the path saved to
 * @throw word::WordFout when the import/export folder is not set or the file cannot be written
 */
QString documentBewaren(word::Document& document, const QString& soort);

/**
 * Hands a saved document to the user. With afdrukken 1 it is printed on the default printer; it is opened in
 * the desktop's program for documents unless afdrukken and sluiten are both 1. When printing or opening is not
 * possible, a message says so and names the saved file.
 * @param titel the title of those messages
 */
void documentAanbieden(const QString& pad, int afdrukken, int sluiten, const QString& titel);

} // namespace printing
