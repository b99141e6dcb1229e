#pragma once

// Keeping the main database in shape from the table structure: the snapshot of its structure,
// copying tables into a new database, emptying tables, re-indexing and renewing the whole file,
// and the working copies of the structure inside Tabellen.mdb.

#include "core/Diensten.h"
#include "core/Voortgang.h"
#include "db/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace maintenance {

/** Tabellen.mdb in the application folder, its name compared without regard to case. */
db::Database tabellenOpenen();

/** Rewrites the named dictionary table of Tabellen.mdb from the open main database; all or nothing. */
void StructuurOpslaan(const QString& tabel);

/** What one table copy did. */
struct KopieVerslag
{
    QString tabel;
    bool gemaakt = false;    ///< the target table exists (made now, or there already)
    qint64 bronRijen = 0;    ///< rows of the source
    qint64 gekozen = 0;      ///< rows the filter let through
    qint64 opgeslagen = 0;   ///< rows saved in the target
    int geweigerd = 0;       ///< values the target refused (the row was saved without them)
    QStringList meldingen;   ///< what went wrong, in Dutch, one line each
};

/**
 * Creates a table in another database from its description in the dictionary and copies the rows
 * of the source into it. A value the target cannot hold is left out of its row and counted; a row
 * the target refuses is counted as not saved. The progress is drawn per row as a mark of the step.
 * @param filterMinimum with a field name: only rows whose field is at least this number are copied
 * @param bronGekoppeld the source's database is attached to the target as "bron": when every value
 *        fits its target field as it is stored, the rows go over in blocks instead of one by one
 */
KopieVerslag Exporteren(db::Database& doel, const QString& structuur, const QString& tabel, const QString& opschrift,
                        db::Recordset& bron, int stap, const QString& filterMinimum, const QString& filterVeld,
                        core::IVoortgang& voortgang, bool bronGekoppeld = false);

/** Deletes every row of a table of the main database in one transaction, drawing its progress. */
void TabelLeegmaken(const QString& tabel, core::IVoortgang& voortgang);

/**
 * Drops every index of the tables the dictionary names and creates the indexes its Index rows
 * describe, in one transaction on the database.
 */
void indexenHermaken(db::Database& database, db::Database& tabellen, const QString& structuur,
                     core::IVoortgang& voortgang);

/**
 * Re-indexes the main database; with sluiten 0 the eleven shared recordsets are closed first.
 * @throw core::ActieFout when another program reads or writes the database (sluiten 0): nothing is
 *        changed, and the shared recordsets stay open on the row they stood on
 */
void Herindexeren(int sluiten, core::IVoortgang& voortgang);

/**
 * Rebuilds the main database: Temp.mdb is filled from the dictionary and the old file, indexed and
 * checked (every table, every row, no value refused) before the old file is deleted and Temp.mdb
 * takes its name; then the shared recordsets are opened on it.
 * @throw core::ActieFout when the copy is incomplete or a file cannot be replaced
 */
void DatabaseVernieuwen(core::IVoortgang& voortgang);

/** Copies a table of Tabellen.mdb: fields, indexes (by name and fields) and rows. */
void TabelKopieren(const QString& bron, const QString& doel);
/** Drops a table of Tabellen.mdb; one that is not there is left alone. */
void TabelVerwijderen(const QString& tabel);

/** The points of a renewal at which a test may interrupt it (by throwing) or act on the files. */
enum class VernieuwStap
{
    Gemaakt,    ///< Temp.mdb is made and empty; nothing is copied yet
    Gekopieerd, ///< Temp.mdb is complete; the old file is still there
    Verwijderd, ///< the old file is gone; Temp.mdb has not its name yet
    Hernoemd    ///< Temp.mdb has taken the name; nothing is open yet
};
void zetVernieuwOnderbreking(std::function<void(VernieuwStap)> onderbreking);

/** The maintenance service of the other subsystems. */
class Onderhoud : public core::IOnderhoud
{
public:
    void StructuurOpslaan(const QString& tabel) override;
    void Herindexeren(int sluiten, core::IVoortgang& voortgang) override;
    void DatabaseVernieuwen(core::IVoortgang& voortgang) override;
    void TabelLeegmaken(const QString& tabel, core::IVoortgang& voortgang) override;
    std::unique_ptr<core::IWerkkopie> WerkkopieMaken(const QString& bron, const QString& doel) override;
};

} // namespace maintenance
