#pragma once

// The names of the Matchen columns that a match has once per game and per set: the game's marker
// W01..W16 and the set points W01Set1T..W16Set5U.

#include <QString>

namespace core {

/** The column of a game's marker: "W" and the game number (1 to 16) in two digits, "W01" for game 1. */
QString SpelKolom(int spel);

/** The column of one side's points in one set (1 to 5) of a game: "W01Set3T" at home, "W01Set3U" away. */
QString SetKolom(int spel, int set, bool thuis);

} // namespace core
