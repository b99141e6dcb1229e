#pragma once

// Loading a team match onto the sheet, and the two procedures it fills the sheet with: the
// line-ups (names, strength-list data, captain) and the stored set scores.

#include <QString>

class FrmWedstrijdInput;

namespace core {
struct Wedstrijdblad;
}

namespace sheet {

/** What the match line of the list says of the match. */
struct Lijstregel
{
    bool geldig = false;
    QString wedstrNr;      ///< the number up to the first ":"
    QString categorie;     ///< "V", "D", "J" or "H" from the words of the line
    QString titel;         ///< "Vet.", "Dames", "Jeugd" or "Heren"
};
Lijstregel LijstregelLezen(const QString& regel);

/** The match number as the sheet shows it: all but the last three characters, "/", the last three. */
QString WedstrNrTonen(const QString& wedstrNr);

/** Division and series labels from a Reeksen row's Soort, Naam and NaamAfgekort; false when Soort is unknown. */
bool AfdelingTekst(const QString& soort, const QString& naam, const QString& naamAfgekort, QString& afdeling,
                   QString& reeks);

/**
 * Completes one team's line-up on the sheet: for each place 0..aantalPlaatsen-1 the member on the
 * place's button is looked up in the strength list of the match's season and category, or else in
 * Alternatief, and his name, sequence number, index and ranking are shown; then the side's stored
 * captain is marked.
 * @param kant "T" for the home team, anything else for the visitors
 */
void GegevensSpelers(core::Wedstrijdblad& b, const QString& kant, const QString& clubNr,
                     const QString& provincieAfkorting, int aantalPlaatsen);

/** Shows the stored set scores of the match on rsMatchen in the set boxes of the game rows in use. */
void ResultatenInvullen(core::Wedstrijdblad& b);

/**
 * Shows the side's stored captain: the option of the place whose button holds him, or, when no
 * place does, the options hidden and the "K" button shown. Without a captain no option is marked and
 * the options of the places in use are shown.
 */
void KapiteinTonen(core::Wedstrijdblad& b, bool thuis);
/** Marks the captain option of one place of a side (the others of that side unmarked); -1 marks none. */
void KapiteinAanduiden(core::Wedstrijdblad& b, bool thuis, int plaats);

} // namespace sheet
