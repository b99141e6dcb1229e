#pragma once

// The folder dialog.

#include <QString>

namespace core {

/**
 * Lets the user choose a folder.
 * @param titel the instruction shown in the dialog
 * @param standaard the folder the dialog starts in
 * @return the chosen folder with a trailing separator, or standaard unchanged when the user cancels
 */
QString MapKiezen(const QString& titel, const QString& standaard);

/**
 * The folder of Export.ttr and of the results files, asked with the file exchange's instruction; the
 * import/export folder of the options when the user cancels.
 */
QString ExportMapKiezen();

} // namespace core
