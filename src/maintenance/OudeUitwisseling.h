#pragma once

// The older table-by-table exchange with another database: tables, play dates, matches, options,
// divisions and the current strength list brought in, options and members written out. Nothing in
// the program calls these procedures; they are kept for an exchange with an older installation.
//
// Each import runs in one transaction on the own database: a failure leaves it as it was and the
// error goes to the caller. Steps that these procedures pass over by design (an option the own
// database lacks, a field that either table lacks) are not failures.

#include "core/Voortgang.h"
#include "db/Database.h"

#include <QString>
#include <QStringList>

namespace maintenance {

/** A field of the table structure: its name and type word, in the order of the table's fields. */
struct StructuurVeld
{
    QString naam;
    QString type;
};

/**
 * The fields of a table as the dictionary table in Tabellen.mdb lists them: its "AtlV" row gives
 * their number, the "Veld" rows from the first on their names and types.
 * @throw db::DbFout when the dictionary has no "AtlV" row for the table
 */
QList<StructuurVeld> VeldenVolgensStructuur(const QString& structuurTabel, const QString& tabel);

/** Adds every row of the other database's table to the target, field by field as the table structure lists them. */
void Importeren(db::Database& ander, const QString& structuurTabel, const QString& tabel, const QString& omschrijving,
                db::Recordset& doel, int stap, core::IVoortgang* voortgang);

/**
 * Loads the play dates of one level ("J", "P", "L", "N" or "S") from an older calendar table with
 * one week column: first the level's week numbers are cleared in the target (a row without any
 * other level's week number is deleted), then one target row per date is added or updated.
 * @throw std::invalid_argument for another level letter
 */
void ImporterenDatums(db::Database& ander, const QString& bronTabel, const QString& omschrijving,
                      db::Recordset& doel, int stap, const QString& niveau, core::IVoortgang* voortgang);

/**
 * Loads the own club's provincial matches of the current season from an older match table. An
 * own club that is not in Clubs is reported and nothing is loaded.
 */
void ImporterenMatchen(db::Database& ander, const QString& bronTabel, const QString& omschrijving,
                       db::Recordset& doel, int stap, core::IVoortgang* voortgang);

/** Copies five options (Provincie, Munteenheid, Aantal Ploegen, Aantal reeksen, Laagste Reeks) into existing rows. */
void ImporterenOpties(db::Database& ander, const QString& optiesTabel, const QString& omschrijving,
                      db::Recordset& doel, core::IVoortgang* voortgang);

/** Deletes the provincial divisions of the season chosen in the main window. */
void UpdateTabelReeksen();

/** Adds every division of the other database's table as a provincial division with its category number. */
void ImporterenReeksen(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                       const QString& omschrijving, db::Recordset& doel, int stap, core::IVoortgang* voortgang);

/** Appends the own club's strength-list rows (of every season) to SterktelijstHuidig. */
void HuidigeSterktelijstKopieren();

/**
 * Creates the options table in the other database (text columns, an index Soort) and adds the rows
 * of six options. A table of that name that exists already is reported and nothing is written.
 */
void ExporterenOpties(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                      const QString& omschrijving, db::Recordset& bron, int stap, core::IVoortgang* voortgang);

/**
 * Creates a members table of seven text columns in the other database and adds the members whose
 * RecInt is "I". A table of that name that exists already is reported and nothing is written.
 */
void ExporterenNaarClubProgrammaInterclub(db::Database& ander, const QString& structuurTabel, const QString& tabel,
                                          const QString& omschrijving, db::Recordset& bron, int stap,
                                          core::IVoortgang* voortgang);

} // namespace maintenance
