#pragma once

// The layout of the match sheet for the team size of the loaded match, and emptying the sheet.

#include "core/Opstart.h"

#include <QString>

namespace core {
struct Wedstrijdblad;
}

namespace sheet {

/**
 * Lays the sheet out for the match's team size (intLaatsteWedstrijd: 15 for four players, 9 for
 * three, 6 for two): empties the player rows, labels the game rows from "Volgorde Wedstrijden",
 * puts the fourth row or the doubles row in place, empties the game rows and shows or hides the
 * games the team size has or lacks. Game rows are shown or hidden only when the team size changed.
 * A missing row of "Volgorde Wedstrijden" is reported and stops the layout there.
 * @param b the sheet's controls
 * @param vorigeLaatste intLaatsteWedstrijd of the match shown before (0 for none)
 */
void VakjesWeergeven(core::Wedstrijdblad& b, int vorigeLaatste);

/**
 * Empties the sheet: venue, match header, teams, players, set scores and result. Positions,
 * visibility of the rows, enabled states, the kind of match and the player numbers stay.
 */
void Blanco(core::Wedstrijdblad& b);

using core::SuperDubbelOptie;

} // namespace sheet
