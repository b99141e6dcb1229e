#pragma once

// Export.ttr, the exchange file between two installations: the season line, one section per table
// ("###Leden", a count line, one line of ";"-ended values per row, "###"), and last the section of
// filled-in matches. The field order of each table comes from the table structure in Tabellen.mdb.

#include "core/Voortgang.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

namespace core {
class IOnderhoud;
}

namespace exchange {

/** The exchange file as the export writes it; the import finds it in any letter case. */
inline const QString ExportBestand = QStringLiteral("export.ttr");
inline const QString ImportBestand = QStringLiteral("Export.ttr");

/** The fields that a table's section carries, in lower case; empty for a table without a section. */
QStringList SectieVelden(const QString& tabel);

/** The field names of a table in the order of the table structure. */
using Veldvolgorde = std::function<QStringList(const QString& tabel)>;

/** What the export wrote. */
struct Exportverslag
{
    QString pad;                                ///< the file written
    QList<QPair<QString, qint64>> rijen;        ///< rows per table section, in the file's order
    int aangepast = 0;                          ///< values whose ";", CR or LF had to be replaced
    /// the values with a letter that Windows-1252 lacks, written as "?", each with its table or match
    QStringList verlorenLetters;
    int wedstrijden = 0;                        ///< filled-in matches written
    QStringList overgeslagen;                   ///< filled-in matches that could not be written, with the reason
    QStringList onvolledig;                     ///< the season's matches with something typed, not complete: not written
};

/**
 * Writes the season line, the sections of the ten tables (every row) and the filled-in matches into
 * the file. The file is written under a temporary name and takes its name only when complete; a
 * file of the same name in another letter case goes then too.
 * @param map the folder, ending in a separator
 * @throw core::ActieFout when the file cannot be written; an old file is then left as it was
 */
Exportverslag ExportTtrSchrijven(const QString& map, const QString& seizoen, const Veldvolgorde& velden,
                                 core::IVoortgang& voortgang);

/** What the import took in and what it passed over. */
struct Importverslag
{
    QList<QPair<QString, qint64>> rijen;       ///< rows read per table section, in the file's order
    QList<QPair<QString, qint64>> overgeslagen;///< rows passed over, per reason ("3 rijen van de tabel Datums: ...")
    int wedstrijden = 0;                        ///< filled-in matches written onto their sheets
    QStringList nietOvergenomen;                ///< filled-in matches passed over or unreadable, each with the reason
    QStringList onvolledig;                     ///< filled-in matches taken in without a part, each with what
};

/**
 * Reads the sections of the file into the main database: a row whose key the table holds is
 * overwritten in the fields the file carries, any other row is added; the filled-in matches are
 * written onto their sheets. The caller holds the transaction.
 * Of the options only those that the export writes are taken in; the others are passed over and
 * named in the report. A row with more values than its table has fields is passed over too, named
 * in the report by its line, and so is a filled-in match whose record cannot be read: it writes
 * nothing, and the records after it still come in.
 * @throw core::ActieFout naming the line when the file is malformed (a count line that is no number,
 *        a section without its end, a row with too few values, an unknown section) or cannot be read
 */
Importverslag ExportTtrLezen(const QString& pad, const Veldvolgorde& velden, core::IVoortgang& voortgang);

/**
 * The sheet defaults after an import: empty absences and forfeits become "N", an empty agreement
 * box "J", and an empty Soort "2" for a ladies' match, else "1".
 */
void CtlTabelMatchen();

/**
 * The action "ClubProgrammaInterclub": Export.ttr written into the folder, framed by the working
 * copy "Temp" of the table structure.
 * @throw core::ActieFout for an empty folder or a file that cannot be written
 */
Exportverslag ExportUitvoeren(const QString& map, const QString& seizoen, core::IOnderhoud& onderhoud,
                              core::IVoortgang& voortgang);

/**
 * The action "Import": Export.ttr of the folder read, the sheet defaults set. The strength lists and
 * the members are emptied, and every club struck off, before the file's section of that table is
 * read, and only when the file carries one. All in one transaction, so that a malformed file or any
 * failure leaves the database as it was.
 * @throw core::ActieFout saying what was wrong (and on which line), also for a file without any
 *        section; nothing has changed then
 */
Importverslag ImportUitvoeren(const QString& map, core::IOnderhoud& onderhoud, core::IVoortgang& voortgang);

/** The closing messages of the two actions. */
QString ExportMelding(const Exportverslag& verslag, const QString& map);
QString ImportMelding(const Importverslag& verslag);

} // namespace exchange
