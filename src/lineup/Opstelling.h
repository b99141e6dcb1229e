#pragma once

// Line-up selection as a service of the main window: the player picker and the strength-list
// window, and what saving a choice writes outside the picker.

#include "core/Diensten.h"

#include <QString>

namespace core {
struct Wedstrijdblad;
}

namespace lineup {

class Opstelling : public core::IOpstelling
{
public:
    void SpelersKiezenTonen() override;
    void SterktelijstTonen() override;
    void OpgeslagenTonen() override;
    void WalkoversHerstellen(core::Wedstrijdblad& blad) override;
    bool HogerLager(QString& weekNr, core::IVoortgang& voortgang) override;
    bool DubbeleOpstelling(QString& weekNr, core::IVoortgang& voortgang) override;
    void EindControleAfdrukken(const QString& weekNr) override;
};

/** A player accepted on a line-up place although not on the strength list. */
struct Alternatiefrij
{
    QString clubnummer, ploegnaam, soort, volgnummer, index, computernummer, naam, klassering;
    QString provincieAfkorting; ///< as chosen in the picker
};

/**
 * Adds the player to Alternatief, or updates his row when the team's club already has one for him
 * in this category.
 * @param ploegProvNr the province number of the team, which the look-up uses
 */
void AlternatiefOpslaan(const Alternatiefrij& rij, const QString& ploegProvNr);

/**
 * Shows the captain of a side on the sheet: the option of the place whose button holds the member
 * number is marked and the options of the places in use shown; when no place holds it the options
 * are hidden and unmarked and the "K" button is shown.
 */
void KapiteinTonen(core::Wedstrijdblad& blad, bool thuis, const QString& compNr);

/**
 * Shows the captains of both sides as the match stores them, as loading the match shows them: on the
 * place that holds him, as a captain who does not play, or, without a captain, no option marked.
 */
void KapiteinenTonen(core::Wedstrijdblad& blad);

} // namespace lineup
