#pragma once

// The table structure: the dictionary in Tabellen.mdb that describes every table, field and index
// of the main database, and the creation of databases and tables from it.

#include "db/Database.h"

#include <QList>
#include <QString>

namespace maintenance {

/** The dictionary table that describes the main database. */
inline const QString StructuurTabel = QStringLiteral("QJ-Deel7");

/**
 * Reads the readable source of the table structure (see data/tabelstructuur.txt).
 * @param fout receives a Dutch description of the first malformed line
 * @return the tables in their order; empty with fout set when the source is malformed
 */
QList<db::TabelDef> structuurBronLezen(const QString& bron, QString* fout);

/** Creates an empty dictionary table with its indexes VeldZoeken and IndexVeldZoeken. */
void structuurTabelMaken(db::Database& tabellen, const QString& naam);

/**
 * Empties the dictionary table and writes the rows that describe the given tables: per table
 * AtlV (number of fields), AtlI (number of indexes), a Veld row per field and an Index row per
 * field of each index.
 */
void structuurRijenSchrijven(db::Database& tabellen, const QString& naam, const QList<db::TabelDef>& beschrijving);

/** The tables that the dictionary describes, fields in field order, index fields in key order. */
QList<db::TabelDef> structuurLezen(db::Database& tabellen, const QString& naam);

/** The tables of a database as they are, for a snapshot; the engine's own tables are left out. */
QList<db::TabelDef> structuurVan(db::Database& database);

/**
 * Creates an empty database file: an existing file of that name is removed first.
 * @param bestand the file name; @param map the folder, ending in a separator
 */
void DatabaseMaken(const QString& bestand, const QString& map);

/** Creates every described table with its fields and indexes in an empty database. */
void tabellenMaken(db::Database& doel, const QList<db::TabelDef>& beschrijving);

} // namespace maintenance
