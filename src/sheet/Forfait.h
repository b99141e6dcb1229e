#pragma once

// A whole team's forfeit as the match row stores it.

#include <QString>

class QCheckBox;

namespace sheet {

/**
 * Whether a game of the match on rsMatchen has a result: its set 1 home field holds something
 * other than nothing or "w" (a walk-over). Games 1 to intLaatsteWedstrijd + 1 are looked at.
 */
bool ForfaitResultatenIngevuld();

/**
 * Stores what a forfeit box shows in the match on rsMatchen, in one edit of the row.
 * Ticked: the team's forfeit field "J", every game marked "/" (home) or "*" (visitors), the team's
 * four absence fields "J", sets 1-3 of every game "w" for home and "o" for the visitors, sets 4-5
 * a blank. Unticked: the forfeit field "N", every game's marker a blank, the absence fields "N",
 * sets 1-3 blank (sets 4-5 are left, the tick blanked them already); but a Super men's match
 * played without the doubles (option 'SuperDubbelSpelen' "N") gets its game 4 back as the calendar
 * gives it, not played by either side: "=" with "w" and "o" in sets 1-3.
 * Nothing else of the row changes: line-ups, walk-over codes, captains and the other team's fields.
 * @param kant "T" for the home team, anything else for the visitors
 */
void GegevensForfaitAanpassen(const QCheckBox& vak, const QString& kant);

} // namespace sheet
