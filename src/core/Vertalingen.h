#pragma once

// Numbered texts of table Vertalingen, in the language of the user interface.

#include "db/Waarde.h"

#include <QString>

namespace core {

/**
 * The text number nummer of table Vertalingen.
 * @param soort 0 for the English text (column E); anything else for column N when strTaal is exactly "N",
 *              else column F
 * @return the text, or the empty text when the number has no row
 */
QString Vertaling(const db::Waarde& nummer, const db::Waarde& soort);

} // namespace core
