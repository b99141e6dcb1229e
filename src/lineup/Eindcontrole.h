#pragma once

// The final line-up check of one play week over every club of the database, and its report.
//
// HogerLager compares, for each pair of consecutive teams of a club in one category, the higher
// team's second-to-last player with the lower team's first player on the club's strength list;
// DubbeleOpstelling looks for players lined up more than once in the week. Both only add rows to the
// findings table Eindcontrole; the report reads that table. Neither empties it: a caller that wants
// the report of one week empties it first, runs both checks and then the report.

#include "core/Voortgang.h"

#include <QString>

namespace lineup {

/** The category words of the strength lists, in the order in which the checks treat them. */
inline constexpr const char* Categorieen[] = {"Heren", "Dames", "Veteranen", "Jeugd"};

/**
 * Records every pair of consecutive teams whose lower team's first player stands higher on the
 * club's strength list than the higher team's second-to-last player.
 * @param weekNr the play week; holds its two-digit text afterwards
 * @return whether at least one finding was added
 * @throw db::DbFout when a table cannot be read; the walk stops there
 */
bool HogerLager(QString& weekNr, core::IVoortgang& voortgang);

/**
 * Records every strength-list player lined up more than once in the matches of his club's teams of
 * the category in the week.
 * @param weekNr the play week; holds its two-digit text afterwards
 * @return whether at least one finding was added
 * @throw db::DbFout when a table cannot be read; the walk stops there
 */
bool DubbeleOpstelling(QString& weekNr, core::IVoortgang& voortgang);

} // namespace lineup
