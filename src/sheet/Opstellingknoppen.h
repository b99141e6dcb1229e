#pragma once

// The sheet's buttons that name a person: the line-up places and doubles rows of both teams, the
// captains, the head referee and the hall commissioner, with their menu items. A click writes the
// slot into the command label and opens the player picker; the captain options store the captain
// at once.

#include <QString>
#include <QStringList>

class FrmWedstrijdInput;

namespace sheet {

/** Connects the line-up, captain and official buttons, the captain options and the menu items (once). */
void OpstellingknoppenVerbinden(FrmWedstrijdInput& venster);

/**
 * The command value of a captain slot from the stored captain: empty stays empty, six characters
 * are a member number, anything else names a place whose button caption is taken (empty for a
 * place that does not exist).
 */
QString KapiteinWaarde(const QString& opgeslagen, const QStringList& knoppen);

} // namespace sheet
