#pragma once

// The turns of a match: every player plays one game a turn, and a player's games not played are
// stored as a sum of one flag per turn (the NietGespeeldMasker in WOT1..WOU4).

namespace core {

/**
 * The turn (1-4) in which game row rij (0-based) is played. Four games a turn for teams of four,
 * three for smaller teams; the last turn takes the games left over:
 * 15: 0-3, 4-7, 8-11, 12-15; 9: 0-2, 3-5, 6-9; 6: 0-2, 3-6.
 */
int Beurt(int rij, int laatste);

/** The flag of a turn (1 to 4) in a NietGespeeldMasker: 1, 16, 32, 64; 0 for any other turn. */
int BeurtWaarde(int beurt);

} // namespace core
