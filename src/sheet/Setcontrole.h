#pragma once

// The check of one typed set score: what counts as a set, and how a score is completed to the
// score that is stored (the winner's points brought to 11, or to two more than the loser's).

#include <QString>

namespace sheet {

enum class Setuitkomst
{
    Leeg, ///< both boxes empty: the set is cleared
    Fout, ///< no set score: nothing is stored
    Goed  ///< a set score, completed in the two texts
};

/**
 * Checks and completes a set score in place: an empty box of the two becomes "0" (home first),
 * whatever follows; a score below 11 on both sides, or a difference below 2 once both reached 10,
 * is wrong; above 10-all the higher score is brought down to two more than the lower, and otherwise
 * the winner's score becomes 11. A box that is not all digits (a walk-over mark, a pasted "-5") is
 * wrong too.
 */
Setuitkomst SetControleren(QString& thuis, QString& uit);

} // namespace sheet
