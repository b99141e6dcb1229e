#pragma once

// The report of the final line-up check: the findings of the table Eindcontrole typed into a
// document from the template Eindcontrole, first the pairs of teams in the wrong index order, then
// the players lined up twice.

#include "word/Document.h"

#include <QString>

namespace lineup {

/**
 * Makes the report of a play week: the week at the bookmark "Week" (from the start of the document
 * when the template has none), then both kinds of findings under their headings. The findings table
 * is only read; a kind that cannot be read is left out rather than reported as absent.
 * @param sjabloon the path of the template
 * @throw word::WordFout when the template cannot be read
 */
word::Document EindcontroleVerslagMaken(const QString& sjabloon, const QString& weekNr);

/**
 * The report of a play week from the template Eindcontrole of the application folder, saved in the
 * import/export folder as "Eindcontrole week <week>.docx" and opened on the desktop. When the report
 * cannot be made or opened, a message says so.
 */
void EindControleAfdrukken(const QString& weekNr);

} // namespace lineup
