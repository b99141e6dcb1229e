#pragma once

// Where a printed paper of the match on the sheet is saved: in the import/export folder under the kind of
// document and the match number. core::DocumentAanbieden then hands it over.

#include <QString>

namespace word {
class Document;
}

namespace printing {

/**
 * Saves the document in the import/export folder as the kind, a blank, the match number and ".docx"
 * ("Wedstrijdblad POVLH11003.docx"); an older file of that name is replaced only by a complete one.
 * @return the path saved to
 * @throw word::WordFout when the import/export folder is not set or the file cannot be written
 */
QString documentBewaren(word::Document& document, const QString& soort);

} // namespace printing
